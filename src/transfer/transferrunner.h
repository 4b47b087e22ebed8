#pragma once

#include "radiotransfer.h"
#include "replyreader.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

class TQComm;
class TransferTrace;

// Carries a RadioTransfer over a serial port: sends each command, waits for
// its reply line, hands the lines to the transfer, and ends on the
// transfer's word, on a reply that is late, on Cancel, or on a port error.
// The read and write dialogs and the command-line tool all run their
// transfers through it.
//
// Principles of operation
//
// The reply is handled on the port's event thread, inside OnCommEvent: the
// carriage return that ends a reply is what sends the next command, with
// no other thread to wake on the way. The thread that started the transfer
// (or the worker of Start) only sleeps until the end, the reply deadline or
// the end of the cancel grace, whichever is first, and then closes the port.
//
// Two locks, always taken in this order when both are held:
//   m_work serialises everything that touches the transfer, the reply
//     reader and the port's input: the event thread's handling of a reply,
//     the first command, and the deadline's verdict (so a reply being
//     handled at the deadline either wins or is ignored, never half-done);
//   m_waitLock guards what the waiting thread waits on: the end, the
//     deadline, the cancel request. Cancel and Abort take only this one,
//     so they never wait for a reply being handled or a slow write.
//
// The reply deadline (RadioProtocol::ReplyTimeoutMs) starts when a command
// has gone out; lines that are not the reply do not move it. Cancel drops
// the deadline and ends the transfer at the next line from the radio,
// whatever it is, or after RadioProtocol::CancelDelayMs, whichever comes
// first. Abort ends it at once; it is for an owner going away.
//
// The port is closed before the end is reported, and the cause of a port
// trouble is looked up only then, so our own claim on the device does not
// hide the cause.
class TransferRunner
{
public:
    enum class Outcome {
        Finished,    // the transfer came to its end
        Cancelled,   // by Cancel or Abort
        Failed,      // the transfer refused a reply; message says why
        PortInvalid, // the port cannot be had; nothing was sent
        NoReply,     // a reply did not come in time
        PortError,   // the port failed opening, sending or receiving
    };
    struct Result {
        Outcome outcome = Outcome::Finished;
        // For the user: the fixed text, or the port's own error. Empty
        // after Finished and Cancelled.
        std::string message;
        // PortInvalid and NoReply: which device and why, when the cause
        // hook knows it. PortError: the system's reason behind the fixed
        // message (ECommError::Detail), when there is one.
        std::string cause;
    };
    // Why the port failed (PortInvalid or NoReply), asked once the port is
    // closed, on the thread that concludes the result.
    using PortCause = std::function<std::string(Outcome trouble)>;
    // The transfer's position after each reply that moved it on; called on
    // the port's event thread. Must not wait for the thread that runs the
    // transfer.
    using ProgressHook = std::function<void(int position)>;
    // Called once on Start's worker thread with the result, port closed.
    using EndHook = std::function<void(Result result)>;

    // Takes over the port's event handler for the runner's lifetime. The
    // port's line settings and name are the caller's.
    explicit TransferRunner(TQComm& comm);
    // Aborts a transfer still running and waits for its worker.
    ~TransferRunner();
    TransferRunner(const TransferRunner&) = delete;
    TransferRunner& operator=(const TransferRunner&) = delete;

    // Set before a transfer starts, not while it runs. The trace is not
    // owned and is written from the event thread and the running thread,
    // one at a time.
    void SetTrace(TransferTrace* trace) { m_trace = trace; }
    void SetPortCause(PortCause cause) { m_portCause = std::move(cause); }
    void SetProgressHook(ProgressHook hook) { m_progress = std::move(hook); }

    // The whole transfer on this thread: Begin, WaitForEnd, Conclude.
    Result Run(RadioTransfer& transfer);

    // The steps of Run, for an owner that waits elsewhere. Begin checks and
    // opens the port and sends the first command, on the calling thread
    // (names are resolved there); it gives the result at once when the
    // transfer could not start, and then the port is closed. The transfer
    // must outlive the run.
    std::optional<Result> Begin(RadioTransfer& transfer);
    // Sleeps until the transfer ends, closes the port and gives the result.
    Result WaitForEnd();
    // Waits for the end on a worker thread of the runner and reports it
    // there; after a Begin that gave no result.
    void Start(EndHook onEnd);
    // Notes the result in the trace and adds the port cause.
    Result Conclude(Result result) const;

    // From any thread.
    void Cancel();
    void Abort();

private:
    using Clock = std::chrono::steady_clock;

    void OnCommEvent();
    // The caller holds m_work.
    void Carry(const TransferStep& step);
    void SendCommand(const std::string& line);
    void Progress();
    void EndWith(Result result);
    void Join();

    TQComm& m_comm;
    TransferTrace* m_trace = nullptr;
    PortCause m_portCause;
    ProgressHook m_progress;

    std::mutex m_work;
    RadioTransfer* m_transfer = nullptr;
    ReplyReader m_replies;

    std::mutex m_waitLock;
    std::condition_variable m_wake;
    std::optional<Result> m_end;
    std::optional<Clock::time_point> m_deadline; // while a reply is owed
    std::optional<Clock::time_point> m_cancelAt; // once Cancel came
    bool m_abort = false;

    std::thread m_worker;
};
