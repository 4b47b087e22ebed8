// qz-r46-sim: a simulated radio on a pseudo-terminal, for trying the
// program and for end-to-end tests without hardware.

#include "datafile.h"
#include "fileio.h"
#include "radiosim.h"
#include "simoptions.h"
#include "simport.h"
#include "simserver.h"
#include "uniquefd.h"

#include <signal.h>
#include <sys/signalfd.h>

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
    for (const int command : options.strayLineBefore)
        faults.AddStrayLine(command);
    for (const int command : options.controlChars)
        faults.AddControlChars(command);
    for (const SimOptions::Padding& padding : options.padding)
        faults.AddPadding(padding.command, padding.length);
    SimServer server(port, radio, {options.baud, options.latencyMs, faults, log});
    switch (server.Run(stop.Get(), &error)) {
    case SimServer::End::Stopped: break;
    case SimServer::End::HungUp:
        std::fprintf(stderr, "qz-r46-sim: hanging up after %d commands\n", server.Commands());
        break;
    case SimServer::End::Failed: std::fprintf(stderr, "qz-r46-sim: %s\n", error.c_str()); break;
    }

    if (log)
        std::fclose(log);
    if (!options.savePath.empty() && !Save(radio, options.savePath))
        return 1;
    return 0;
}
