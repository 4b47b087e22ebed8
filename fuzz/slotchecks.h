#pragma once

#include "channeldocument.h"

#include <cstdlib>

// Aborts the fuzz run when any memory or DTMF slot holds more than its slot
// can: that would mean a copy went past a slot's bound.
inline void CheckSlots(const ChannelDocument& doc)
{
    for (int s = 0; s < ChannelDocument::MemorySlots; ++s)
        if (doc.Record(RecordKind::Memory, s).size() > ChannelDocument::RecordCapacity)
            std::abort();
    for (int s = 0; s < ChannelDocument::DtmfSlots; ++s)
        if (doc.Record(RecordKind::Dtmf, s).size() > ChannelDocument::DtmfCapacity)
            std::abort();
}
