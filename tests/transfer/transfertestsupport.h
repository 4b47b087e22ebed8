#pragma once

#include "radiosim.h"
#include "transferstep.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// The simulated radio's command handling as the far end of a transfer,
// with single replies replaced where a test wants the radio to misbehave.
struct ScriptedRadio {
    RadioSim sim;
    std::map<std::string, std::string> replies; // command -> reply, CR added
    std::vector<std::string> sent;
    // Lines that come before every reply and are no reply: the transfer
    // must go on waiting and change nothing.
    std::vector<std::string> strays;

    std::string Answer(const std::string& command)
    {
        sent.push_back(command);
        const auto it = replies.find(command);
        return (it != replies.end() ? it->second : sim.Answer(command)) + "\r";
    }
};

// Runs a transfer to its end against the radio; a bound on the number of
// commands turns a transfer that never ends into a failure, not a hang.
template <class Transfer>
TransferStep RunAgainst(Transfer& transfer, ScriptedRadio& radio, std::vector<int>* progress = nullptr)
{
    TransferStep step = transfer.Start();
    for (int n = 0; step.action == TransferStep::Action::Send && n < 2000; ++n) {
        const std::string reply = radio.Answer(step.command);
        for (const std::string& stray : radio.strays) {
            const int before = transfer.Progress();
            if (transfer.OnReply(stray).action != TransferStep::Action::Wait || transfer.Progress() != before)
                return TransferStep::Fail("taken as the reply to " + step.command + ": " + stray);
        }
        step = transfer.OnReply(reply);
        if (progress)
            progress->push_back(transfer.Progress());
    }
    return step;
}

inline int CountPrefix(const std::vector<std::string>& lines, const std::string& prefix)
{
    int n = 0;
    for (const auto& line : lines)
        n += line.compare(0, prefix.size(), prefix) == 0;
    return n;
}
