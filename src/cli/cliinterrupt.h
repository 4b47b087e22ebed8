#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

// Ctrl-C, SIGTERM and SIGHUP during a radio verb end the transfer the way
// Cancel would, instead of killing the process with the port still set up:
// the port is closed (its exclusive mode released, its line settings given
// back), nothing half-read is written, the trace keeps its last line, and
// the verb exits with 128 + the signal's number (130 for Ctrl-C, 143 for
// SIGTERM).
//
// How it works: the handler only writes the signal's number into a pipe,
// which is all a handler may safely do; a thread of this object waits on
// the pipe and runs the stop action the verb has set (the transfer
// runner's Abort). The handlers are in place for the object's lifetime and
// the previous ones come back after it.
class CliInterrupt
{
public:
    CliInterrupt();
    ~CliInterrupt();
    CliInterrupt(const CliInterrupt&) = delete;
    CliInterrupt& operator=(const CliInterrupt&) = delete;

    // Run on the waiting thread when a signal comes; run at once when one
    // already came. Empty for none.
    void SetStop(std::function<void()> stop);
    // The signal that came, 0 while none did.
    int Signal() const { return m_signal.load(); }
    // 128 + Signal().
    int ExitStatus() const { return 128 + Signal(); }
    // "SIGTERM", "SIGINT", "SIGHUP".
    static const char* Name(int signal);

private:
    void Wait();

    int m_pipe[2] = {-1, -1};
    std::atomic<int> m_signal{0};
    std::mutex m_lock;
    std::function<void()> m_stop;
    std::thread m_waiter;
};
