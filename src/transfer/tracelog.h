#pragma once

#include "transfertrace.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// A TransferTrace kept as text, one line per event:
//
//        12 > MR 0,0,005\r
//        31 < MR 0,0,005,00145000000,5,...\r
//      2043 # no reply within 2000 ms
//
// milliseconds since the log began, the direction ("> " sent, "< "
// received, "# " a note) and the bytes with every control character, "\"
// and byte above 0x7E written as an escape, so a trace shows exactly what
// crossed the line and stays one event per line.
class TraceLog : public TransferTrace
{
public:
    // Milliseconds on a clock that never goes back; the steady clock unless
    // a test gives its own.
    using Clock = std::function<std::int64_t()>;
    // Where each line goes as it happens, newline included, instead of
    // being kept: a trace that must survive a kill is written line by line.
    using LineSink = std::function<void(std::string_view line)>;
    explicit TraceLog(Clock clock = {});

    // Set before the first event; the lines are then no longer kept.
    void SetLineSink(LineSink sink) { m_sink = std::move(sink); }

    void Sent(std::string_view bytes) override;
    void Received(std::string_view bytes) override;
    void Note(std::string_view text) override;

    const std::string& Text() const { return m_text; }

private:
    void Add(char direction, std::string_view text);

    Clock m_clock;
    LineSink m_sink;
    std::int64_t m_start = 0;
    std::string m_text;
};
