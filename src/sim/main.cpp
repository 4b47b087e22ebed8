// qz-r46-sim: a simulated radio on a pseudo-terminal, for trying the
// program and for end-to-end tests without hardware.

#include "commandlines.h"
#include "datafile.h"
#include "fileio.h"
#include "radiosim.h"
#include "simfaults.h"
#include "simoptions.h"
#include "simport.h"
#include "uniquefd.h"

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <time.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

// SIGINT, SIGTERM and SIGHUP end the simulator through its poll loop, so
// the memory is saved on every ordinary way out.
UniqueFd StopSignals()
{
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGHUP);
    if (sigprocmask(SIG_BLOCK, &signals, nullptr) != 0)
        return UniqueFd();
    return UniqueFd(signalfd(-1, &signals, SFD_CLOEXEC | SFD_NONBLOCK));
}

void Pause(unsigned milliseconds)
{
    timespec delay{static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000L};
    while (clock_nanosleep(CLOCK_MONOTONIC, 0, &delay, &delay) == EINTR) {
    }
}

bool Save(const RadioSim& radio, const std::string& path)
{
    std::string error;
    if (FileIo::WriteFileAtomically(path, DataFile::WriteDataFile(radio.Memory()), &error))
        return true;
    std::fprintf(stderr, "qz-r46-sim: cannot save %s: %s\n", path.c_str(), error.c_str());
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    SimOptions options;
    std::string error;
    if (!SimOptions::Parse(std::vector<std::string>(argv + 1, argv + argc), &options, &error)) {
        std::fprintf(stderr, "qz-r46-sim: %s\n%s", error.c_str(), SimOptions::Usage());
        return 2;
    }
    if (options.help) {
        std::fputs(SimOptions::Usage(), stdout);
        return 0;
    }

    RadioSim radio;
    if (!options.radioType.empty())
        radio.SetRadioType(options.radioType);
    if (!options.imagePath.empty()) {
        const DataFile::LoadResult loaded = DataFile::Load(options.imagePath, radio.Memory());
        if (!loaded.ok) {
            std::fprintf(stderr, "qz-r46-sim: %s\n", loaded.error.c_str());
            return 1;
        }
    }
    radio.SetBandLimits(options.bandLimits);
    if (!options.id.empty())
        radio.SetId(options.id);

    std::FILE* log = nullptr;
    if (!options.logPath.empty()) {
        log = std::fopen(options.logPath.c_str(), "a");
        if (!log) {
            std::perror(options.logPath.c_str());
            return 1;
        }
    }

    const UniqueFd stop = StopSignals();
    SimPort port;
    if (!stop.Valid() || !port.Open(&error)) {
        std::fprintf(stderr, "qz-r46-sim: %s\n", stop.Valid() ? error.c_str() : "cannot watch for signals");
        return 1;
    }
    std::printf("%s\n", port.DevicePath().c_str());
    std::fflush(stdout);

    SimFaults faults(options.stopAfter, options.garbageAfter, options.hangUpAfter, options.ignoreWrite);
    CommandLines lines;
    bool running = true;
    while (running) {
        pollfd fds[2] = {{stop.Get(), POLLIN, 0}, {port.MasterFd(), POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            std::perror("qz-r46-sim: poll");
            break;
        }
        if (fds[0].revents & POLLIN)
            break;

        char bytes[512];
        const ssize_t got = read(port.MasterFd(), bytes, sizeof bytes);
        if (got <= 0) {
            if (got < 0 && (errno == EAGAIN || errno == EINTR))
                continue;
            // We hold the slave side, so this is not a client going away
            // but the terminal itself failing: leave rather than spin.
            std::fprintf(stderr, "qz-r46-sim: the pseudo-terminal failed\n");
            break;
        }
        for (const std::string& line : lines.Feed(std::string_view(bytes, static_cast<std::size_t>(got)))) {
            if (log) {
                std::fprintf(log, "%s\n", line.c_str());
                std::fflush(log);
            }
            const SimFaults::Decision decision = faults.Next();
            const bool lost = faults.IgnoreWrite(line);
            if (decision.reply != SimFaults::Reply::Silent) {
                // A lost write is answered from a copy of the memory that
                // is then thrown away.
                std::optional<ChannelDocument> kept;
                if (lost)
                    kept = radio.Memory();
                std::string reply = radio.Answer(line);
                if (kept)
                    radio.Memory() = *kept;
                if (decision.reply == SimFaults::Reply::Answer)
                    reply += '\r';
                if (options.latencyMs)
                    Pause(options.latencyMs);
                port.Send(reply, options.baud);
            }
            if (decision.hangUpAfter) {
                std::fprintf(stderr, "qz-r46-sim: hanging up after %d commands\n", faults.Commands());
                port.HangUp();
                running = false;
                break;
            }
        }
    }

    if (log)
        std::fclose(log);
    if (!options.savePath.empty() && !Save(radio, options.savePath))
        return 1;
    return 0;
}
