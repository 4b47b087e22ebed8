#pragma once

#include "channeldocument.h"

// A document with a channel of every kind, on a radio of type 0,1: a
// repeater in slot 12, plain channels in 150, the edge U3 and the priority
// channel, a VFO and a DTMF memory.
inline void FillSample(ChannelDocument& doc)
{
    doc.StoreRadioType("0,1,00,1,1,,");
    doc.ClearDocument();
    doc.StoreMemory(12, "012,00145500000,3,2,0,1,0,,09,,12,000600000,1,,00144900000,3,,RPT1");
    doc.StoreMemory(150, "150,00435000000,6,1,1,0,1,,15,,15,005000000,0,,,,,");
    doc.StoreMemory(207, "U3,00430000000,6,0,0,0,0,,09,,09,005000000,0,,,,,EDGE");
    doc.StoreMemory(220, "PR,00433000000,6,0,0,0,0,,09,,09,005000000,1,,00438000000,6,,PRIO");
    doc.StoreVfo(1, "2,00146000000,3,0,0,0,0,,09,,09,000600000,,,,,3,");
    doc.StoreDtmf(2, "02,12*#");
}
