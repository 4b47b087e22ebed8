#pragma once

#include "commandlines.h"
#include "simfaults.h"

#include <cstdio>
#include <functional>
#include <string>

class RadioSim;
class SimPort;

// The simulated radio at work: answers every command line that arrives on
// its pseudo-terminal, one reply per line, until told to stop. The
// qz-r46-sim program and the radio built into the desktop program and the
// command-line tool both serve through this.
//
// Principles of operation
//
// One poll() loop on the terminal's master side and a stop descriptor.
// Received bytes are cut into lines at each carriage return; each line is
// logged, taken in by the RadioSim (unless the fault plan silences it),
// handed to the command hook, and answered. Between clients the master reports a
// hang-up, because we do not keep the device side open (SimPort): reads
// fail with EIO until a client opens the device again. A pseudo-terminal
// gives no event for that opening, so the loop then sleeps on the stop
// descriptor alone and looks at the master again every few milliseconds
// instead of spinning on a descriptor that stays ready.
class SimServer
{
public:
    struct Settings {
        unsigned baud = 0;      // pace replies like a line of this rate; 0: at once
        unsigned latencyMs = 0; // before each reply
        SimFaults faults;
        std::FILE* log = nullptr; // received lines, one per line; not owned
    };
    enum class End {
        Stopped, // the stop descriptor became readable
        HungUp,  // the fault plan hung up the line
        Failed,  // the terminal failed; the reason is in *error
    };
    // Called on the serving thread for each command line once the radio has
    // taken it in, before the reply goes out: when the program sees the
    // reply, whatever the hook did is done.
    using CommandHook = std::function<void(const std::string& line)>;

    SimServer(SimPort& port, RadioSim& radio, Settings settings);

    void SetCommandHook(CommandHook hook) { m_hook = std::move(hook); }

    // Serves until one of the ends above. `stopFd` is only waited on, never
    // read.
    End Run(int stopFd, std::string* error);

    // Commands received so far.
    int Commands() const { return m_settings.faults.Commands(); }

private:
    // False when the fault plan hung up the line after this line.
    bool Answer(const std::string& line);

    SimPort& m_port;
    RadioSim& m_radio;
    Settings m_settings;
    CommandLines m_lines;
    CommandHook m_hook;
};
