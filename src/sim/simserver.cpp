#include "simserver.h"

#include "radiosim.h"
#include "simport.h"

#include <poll.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <system_error>

namespace {

// How often the loop looks for a new client while none has the device
// open. A command sent meanwhile waits in the terminal; this is the most
// it waits extra.
constexpr int ClientAwayPollMs = 10;
// A stray line goes out this long before its reply, so the program sees it
// on its own.
constexpr unsigned StrayLineGapMs = 20;

void Pause(unsigned milliseconds)
{
    timespec delay{static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000L};
    while (::clock_nanosleep(CLOCK_MONOTONIC, 0, &delay, &delay) == EINTR) {
    }
}

} // namespace

SimServer::SimServer(SimPort& port, RadioSim& radio, Settings settings)
    : m_port(port), m_radio(radio), m_settings(std::move(settings))
{
}

SimServer::End SimServer::Run(int stopFd, std::string* error)
{
    bool clientAway = false;
    for (;;) {
        pollfd fds[2] = {{stopFd, POLLIN, 0}, {m_port.MasterFd(), POLLIN, 0}};
        const int ready = ::poll(fds, clientAway ? 1 : 2, clientAway ? ClientAwayPollMs : -1);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            *error = "poll: " + std::error_code(errno, std::generic_category()).message();
            return End::Failed;
        }
        if (fds[0].revents & POLLIN)
            return End::Stopped;
        if (clientAway) {
            clientAway = false;
            continue;
        }
        if (fds[1].revents == 0)
            continue;

        char bytes[512];
        const ssize_t got = ::read(m_port.MasterFd(), bytes, sizeof bytes);
        if (got < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        if (got < 0 && errno == EIO) {
            clientAway = true;
            continue;
        }
        if (got <= 0) {
            *error = "the pseudo-terminal failed";
            return End::Failed;
        }
        for (const std::string& line : m_lines.Feed(std::string_view(bytes, static_cast<std::size_t>(got))))
            if (!Answer(line))
                return End::HungUp;
    }
}

bool SimServer::Answer(const std::string& line)
{
    if (m_settings.log) {
        std::fprintf(m_settings.log, "%s\n", line.c_str());
        std::fflush(m_settings.log);
    }
    const SimFaults::Decision decision = m_settings.faults.Next();
    if (decision.strayLine) {
        if (m_settings.latencyMs)
            Pause(m_settings.latencyMs);
        m_port.Send("\r", m_settings.baud);
        if (!m_settings.latencyMs)
            Pause(StrayLineGapMs);
    }
    const bool lost = m_settings.faults.IgnoreWrite(line);
    std::string reply;
    if (decision.reply != SimFaults::Reply::Silent) {
        // A lost write is answered from a copy of the memory that is then
        // thrown away.
        std::optional<ChannelDocument> kept;
        if (lost)
            kept = m_radio.Memory();
        reply = m_radio.Answer(line);
        if (kept)
            m_radio.Memory() = *kept;
    }
    if (m_hook)
        m_hook(line);
    if (decision.reply != SimFaults::Reply::Silent) {
        reply = SimFaults::Shape(decision, std::move(reply));
        if (m_settings.latencyMs)
            Pause(m_settings.latencyMs);
        m_port.Send(reply, m_settings.baud);
    }
    if (decision.hangUpAfter) {
        m_port.HangUp();
        return false;
    }
    return true;
}
