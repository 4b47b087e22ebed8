#include "transferrunner.h"

#include "ecommerror.h"
#include "portlink.h"
#include "radioprotocol.h"
#include "tqcomm.h"
#include "transfertrace.h"

TransferRunner::TransferRunner(TQComm& comm) : m_comm(comm)
{
    m_comm.SetOnCommEvent([this](TQComm&, std::uint32_t&) { OnCommEvent(); });
}

TransferRunner::~TransferRunner()
{
    Abort();
    Join();
    bool begun = false;
    {
        const std::lock_guard<std::mutex> work(m_work);
        begun = m_transfer != nullptr;
    }
    // Begun but never waited for: the port must not stay open behind us.
    if (begun)
        WaitForEnd();
    m_comm.SetOnCommEvent(nullptr);
}

TransferRunner::Result TransferRunner::Run(RadioTransfer& transfer)
{
    std::optional<Result> early = Begin(transfer);
    return Conclude(early ? std::move(*early) : WaitForEnd());
}

std::optional<TransferRunner::Result> TransferRunner::Begin(RadioTransfer& transfer)
{
    Join();
    {
        const std::lock_guard<std::mutex> wait(m_waitLock);
        m_end.reset();
        m_deadline.reset();
        m_cancelAt.reset();
        m_abort = false;
    }
    const std::string port = m_comm.PortName();
    if (port.empty() || !m_comm.CheckCommportValid(port))
        return Result{Outcome::PortInvalid, RadioProtocol::PortInvalidMessage, {}};
    try {
        m_comm.OpenCommport();
    } catch (const ECommError& error) {
        return Result{Outcome::PortError, error.what(), error.Detail()};
    }
    {
        const std::lock_guard<std::mutex> work(m_work);
        m_transfer = &transfer;
        m_replies.Clear();
        Carry(transfer.Start());
    }
    {
        const std::lock_guard<std::mutex> wait(m_waitLock);
        if (!m_end)
            return std::nullopt;
    }
    // The first command could not go out: nothing to wait for.
    return WaitForEnd();
}

TransferRunner::Result TransferRunner::WaitForEnd()
{
    {
        std::unique_lock<std::mutex> lock(m_waitLock);
        while (!m_end) {
            if (m_abort) {
                m_end = Result{Outcome::Cancelled, {}, {}};
                break;
            }
            const std::optional<Clock::time_point> due = m_cancelAt ? m_cancelAt : m_deadline;
            if (!due) {
                m_wake.wait(lock);
                continue;
            }
            if (Clock::now() < *due) {
                m_wake.wait_until(lock, *due);
                continue;
            }
            // A reply may be in hand at this very moment: it is finished
            // first, and the deadline it moved is looked at again.
            lock.unlock();
            const std::lock_guard<std::mutex> work(m_work);
            lock.lock();
            if (m_end)
                break;
            const Clock::time_point now = Clock::now();
            if (m_cancelAt && now >= *m_cancelAt)
                m_end = Result{Outcome::Cancelled, {}, {}};
            else if (!m_cancelAt && m_deadline && now >= *m_deadline)
                m_end = Result{Outcome::NoReply, RadioProtocol::TimeoutMessage, {}};
        }
    }
    // Joins the event thread: no reply is handled after this.
    m_comm.CloseCommport();
    const std::lock_guard<std::mutex> work(m_work);
    m_transfer = nullptr;
    const std::lock_guard<std::mutex> wait(m_waitLock);
    return *m_end;
}

void TransferRunner::Start(EndHook onEnd)
{
    Join();
    m_worker = std::thread([this, onEnd = std::move(onEnd)] {
        Result result = WaitForEnd();
        if (onEnd)
            onEnd(std::move(result));
    });
}

TransferRunner::Result TransferRunner::Conclude(Result result) const
{
    if (m_trace && !result.message.empty())
        m_trace->Note(result.message);
    const bool portTrouble = result.outcome == Outcome::PortInvalid || result.outcome == Outcome::NoReply;
    if (portTrouble && m_portCause)
        result.cause = m_portCause(result.outcome);
    return result;
}

void TransferRunner::Cancel()
{
    {
        const std::lock_guard<std::mutex> wait(m_waitLock);
        if (m_end || m_cancelAt)
            return;
        m_cancelAt = Clock::now() + std::chrono::milliseconds(RadioProtocol::CancelDelayMs);
    }
    m_wake.notify_all();
}

void TransferRunner::Abort()
{
    {
        const std::lock_guard<std::mutex> wait(m_waitLock);
        m_abort = true;
    }
    m_wake.notify_all();
}

void TransferRunner::OnCommEvent()
{
    const std::lock_guard<std::mutex> work(m_work);
    if (!m_transfer)
        return;
    bool cancelled = false;
    {
        const std::lock_guard<std::mutex> wait(m_waitLock);
        if (m_end || m_abort)
            return;
        cancelled = m_cancelAt.has_value();
    }
    // After Cancel, any line ends the transfer, unread.
    if (cancelled) {
        EndWith(Result{Outcome::Cancelled, {}, {}});
        return;
    }
    try {
        const std::string received = PortLink::TakeWaiting(m_comm);
        if (m_trace && !received.empty())
            m_trace->Received(received);
        const TransferStep next =
            m_replies.Feed(received, [this](std::string_view line) { return m_transfer->OnReply(line); });
        if (next.action == TransferStep::Action::Wait)
            return;
        if (m_transfer->DiscardsAfterReply())
            m_comm.ClearInBuff();
        // The next command first: the progress can wait, the radio should not.
        if (next.action == TransferStep::Action::Send) {
            Carry(next);
            Progress();
        } else {
            Progress();
            Carry(next);
        }
    } catch (const ECommError& error) {
        EndWith(Result{Outcome::PortError, error.what(), error.Detail()});
    }
}

void TransferRunner::Carry(const TransferStep& step)
{
    switch (step.action) {
    case TransferStep::Action::Send: try { SendCommand(step.command);
        } catch (const ECommError& error) {
            EndWith(Result{Outcome::PortError, error.what(), error.Detail()});
        }
        break;
    case TransferStep::Action::Finished: EndWith(Result{Outcome::Finished, {}, {}}); break;
    case TransferStep::Action::Failed: EndWith(Result{Outcome::Failed, step.message, {}}); break;
    case TransferStep::Action::Wait: break;
    }
}

void TransferRunner::SendCommand(const std::string& line)
{
    if (m_trace)
        m_trace->Sent(line + "\r");
    PortLink::SendLine(m_comm, line);
    // The waiting thread need not hear of it: a deadline only moves later,
    // and it looks again when the earlier one passes.
    const std::lock_guard<std::mutex> wait(m_waitLock);
    m_deadline = Clock::now() + std::chrono::milliseconds(RadioProtocol::ReplyTimeoutMs);
}

void TransferRunner::Progress()
{
    if (m_progress)
        m_progress(m_transfer->Progress());
}

void TransferRunner::EndWith(Result result)
{
    {
        const std::lock_guard<std::mutex> wait(m_waitLock);
        if (!m_end)
            m_end = std::move(result);
    }
    m_wake.notify_all();
}

void TransferRunner::Join()
{
    if (m_worker.joinable())
        m_worker.join();
}
