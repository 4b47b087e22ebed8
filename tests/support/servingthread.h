#pragma once

#include "uniquefd.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>
#include <functional>
#include <thread>

// A thread that serves until the object goes: `serve` is given a descriptor
// that turns readable then, and the object waits for the thread to end.
// Declare it after everything the thread uses, so that it goes first.
class ServingThread
{
public:
    ServingThread() = default;
    ~ServingThread()
    {
        if (!m_thread.joinable())
            return;
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(m_stop.Get(), &one, sizeof one);
        m_thread.join();
    }
    ServingThread(const ServingThread&) = delete;
    ServingThread& operator=(const ServingThread&) = delete;

    void Start(std::function<void(int stopFd)> serve)
    {
        m_stop.Reset(::eventfd(0, EFD_CLOEXEC));
        if (m_stop.Valid())
            m_thread = std::thread([this, serve = std::move(serve)] { serve(m_stop.Get()); });
    }

private:
    UniqueFd m_stop;
    std::thread m_thread;
};
