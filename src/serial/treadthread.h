#pragma once

#include "tqcomm.h"
#include "uniquefd.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

// TReadThread: the event thread of one opening of a TQComm port.
//
// Principles of operation
//
// The thread sleeps in poll() on three descriptors: the device (for
// arrivals), a kick eventfd (the owner has changed something the thread
// should look at, such as room in a full input queue) and a stop eventfd.
// Closing a device does not wake a poll() on it in another thread, hence
// the stop descriptor: CloseCommport writes to it and the thread leaves at
// once. The stop descriptor is never drained, so anything else that waits
// on it (a ReadData inside the handler) wakes too.
//
// On an arrival the thread moves the bytes into the component's input
// queue and, when they carry what EventType asks for, calls
// CreateCommEvent. A wake-up that brought no such bytes, or that finds the
// queue emptied, delivers nothing. When the device hangs up or fails
// (POLLHUP, POLLERR, a read of 0 bytes, a read error) the thread stops
// watching it and sleeps on the other two descriptors until the port is
// closed, rather than spinning on a descriptor that stays ready.
//
// An exception out of the handler goes to the component's exception report
// and the loop goes on.
//
// Ownership: the component owns the thread and joins it when the port
// closes. The running thread also keeps its own object alive, so when the
// port is closed (or the component destroyed) from inside the handler,
// which cannot join its own thread, the thread finishes on its own: after
// the handler returns it sees the stop flag and leaves without touching the
// component again. A handler must therefore not wait for the thread that
// closes the port (for example by a blocking hand-over to it).
class TReadThread : public std::enable_shared_from_this<TReadThread>
{
public:
    // Creates the wake-up descriptors; raises std::system_error when the
    // system has none to give. The thread starts with Start().
    TReadThread(TQComm& comm, int portFd, TQComm::ExceptionReport report);
    ~TReadThread();
    TReadThread(const TReadThread&) = delete;
    TReadThread& operator=(const TReadThread&) = delete;

    // Raises std::system_error when no thread can be made.
    void Start();
    // Sets the stop flag and wakes the thread and anyone waiting on the
    // stop descriptor. Does not wait.
    void Terminate();
    bool Terminated() const { return m_terminated; }
    // Makes the thread look at the device and the queue again.
    void Kick() const;
    // Waits for the thread to end. Not from the thread itself.
    void Join();
    // Lets the thread end on its own; for a thread that is the caller.
    void Detach();
    bool IsCurrentThread() const;

    // Readable once Terminate() has run.
    int StopFd() const { return m_stopFd.Get(); }

private:
    void Execute();
    void Report(const std::string& message) const;

    int m_portFd;
    TQComm* m_comm;
    TQComm::ExceptionReport m_report;
    UniqueFd m_kickFd;
    UniqueFd m_stopFd;
    std::atomic<bool> m_terminated{false};
    std::mutex m_startGate;
    std::thread m_thread;
};
