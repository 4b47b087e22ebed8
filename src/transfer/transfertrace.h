#pragma once

#include <string_view>

// Where a transfer runner reports the traffic of the serial line, for
// diagnosing a radio: every command line as sent (carriage return
// included), every batch of bytes as received, and what ended the exchange.
// Called on the runner's thread, in order.
class TransferTrace
{
public:
    virtual ~TransferTrace() = default;
    virtual void Sent(std::string_view bytes) = 0;
    virtual void Received(std::string_view bytes) = 0;
    // Anything else worth knowing at that moment: the port, a time-out.
    virtual void Note(std::string_view text) = 0;
};
