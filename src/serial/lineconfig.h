#pragma once

#include "commtypes.h"

#include <termios.h>

// What each line property means in a termios structure. Pure functions on
// the structure, apart from the driver calls of TQComm, so the mapping can
// be checked without a UART (a pseudo-terminal forces 8 bits and no parity
// whatever it is asked).
namespace LineConfig {

// Raw bytes: no echo, no line editing, no signals, no translation, 8 bits,
// receiver on, modem lines ignored; a read returns as soon as one byte is
// there.
void SetRaw(termios& settings);
// Leaves the parity-checking switch (INPCK) as the driver has it.
void SetParity(termios& settings, TParity parity);
void SetByteSize(termios& settings, TByteSize size);
void SetStopBits(termios& settings, TStopBits stop);
// Handshake flags only; the modem lines are the caller's business.
void SetFlowControl(termios& settings, TFlowControl flow, unsigned char xonChar, unsigned char xoffChar);

// 0 for a value outside the enumeration.
unsigned BitsPerSecond(TBaudRate rate);

} // namespace LineConfig
