#pragma once

#include "transferstep.h"

#include <string_view>

// A whole exchange with the radio as a state machine: what TransferRunner
// drives, whether it reads the radio or writes it. No I/O and no clock:
// the runner sends, waits, times out and cancels; the transfer only says
// what each reply means and what to send next.
class RadioTransfer
{
public:
    virtual ~RadioTransfer() = default;

    // Resets the transfer and gives the first command.
    virtual TransferStep Start() = 0;
    // One line from the radio, without its carriage return; Wait when it
    // was not the reply to the command sent last.
    virtual TransferStep OnReply(std::string_view reply) = 0;
    // 0..RadioProtocol::ProgressMaximum.
    virtual int Progress() const = 0;
    // Whether whatever else waits in the input queue after a reply is
    // thrown away before the next command goes out.
    virtual bool DiscardsAfterReply() const = 0;
};
