#pragma once

#include <string>
#include <string_view>
#include <vector>

// Cuts the received byte stream into command lines: a carriage return ends
// a line. Line feeds and the flow-control characters DC1 and DC3, which a
// terminal's line discipline may put on the line, are not part of any
// command and are dropped.
class CommandLines
{
public:
    // Lines completed by these bytes, without their carriage return.
    std::vector<std::string> Feed(std::string_view bytes);

private:
    // No command is this long; a line that grows past it is noise and is
    // cut, so a peer that never sends a carriage return cannot make us
    // grow without bound.
    static constexpr std::size_t MaxLine = 1024;
    std::string m_pending;
};
