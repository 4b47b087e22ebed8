#pragma once

// The line faults the simulated radio can be told to show, counted in
// received commands: stop answering after N, answer without the closing
// carriage return after N, hang up after answering N.
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

    SimFaults(int stopAfter = Never, int garbageAfter = Never, int hangUpAfter = Never);

    // For the next command received.
    Decision Next();
    int Commands() const { return m_commands; }

private:
    int m_stopAfter;
    int m_garbageAfter;
    int m_hangUpAfter;
    int m_commands = 0;
};
