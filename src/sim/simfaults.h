#pragma once

#include <string_view>

// The line faults the simulated radio can be told to show, counted in
// received commands: stop answering after N, answer without the closing
// carriage return after N, hang up after answering N. And one memory
// fault, counted in write commands: take the Nth as usual but lose it.
class SimFaults
{
public:
    static constexpr int Never = -1;

    enum class Reply {
        Answer,  // the reply and its carriage return
        Garbage, // the reply without carriage return: the program never sees a line end
        Silent,  // nothing
    };
    struct Decision {
        Reply reply = Reply::Answer;
        bool hangUpAfter = false; // close the line once this command is dealt with
    };

    SimFaults(int stopAfter = Never, int garbageAfter = Never, int hangUpAfter = Never, int ignoreWrite = Never);

    // For the next command received.
    Decision Next();
    int Commands() const { return m_commands; }

    // Counts the write commands; true for the one to be lost.
    bool IgnoreWrite(std::string_view command);
    // A command that changes the radio's memory: MW, CW, VW, and MNA, PC and
    // DM with the data their reading forms lack.
    static bool IsWriteCommand(std::string_view command);

private:
    int m_stopAfter;
    int m_garbageAfter;
    int m_hangUpAfter;
    int m_ignoreWrite;
    int m_commands = 0;
    int m_writes = 0;
};
