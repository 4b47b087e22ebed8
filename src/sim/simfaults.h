#pragma once

#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>

// The line faults the simulated radio can be told to show, counted in
// received commands: stop answering after N, answer without the closing
// carriage return after N, hang up after answering N; and glitches of the
// reply to command N: a stray line end before it, control characters
// inside it, blanks padding it to a length. And one memory fault, counted
// in write commands: take the Nth as usual but lose it.
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
        bool hangUpAfter = false;  // close the line once this command is dealt with
        bool strayLine = false;    // a lone carriage return goes out first, even when the reply does not
        bool controlChars = false; // a line feed, TAB or NUL after each character of the reply
        std::size_t padTo = 0;     // blanks added up to this many characters
    };

    SimFaults(int stopAfter = Never, int garbageAfter = Never, int hangUpAfter = Never, int ignoreWrite = Never);

    // Commands are counted from 1.
    void AddStrayLine(int command) { m_strayLines.insert(command); }
    void AddControlChars(int command) { m_controlChars.insert(command); }
    void AddPadding(int command, std::size_t length) { m_padding[command] = length; }

    // For the next command received.
    Decision Next();
    int Commands() const { return m_commands; }

    // The reply as the decision sends it: padded, with control characters,
    // and with its carriage return unless it is garbage.
    static std::string Shape(const Decision& decision, std::string reply);
    // Counts the write commands; true for the one to be lost.
    bool IgnoreWrite(std::string_view command);
    // A command that writes data into the radio's memory: CW, VW, and MW,
    // MNA, PC and DM with data ("MW 0,0,005", which empties a slot, is none).
    static bool IsWriteCommand(std::string_view command);

private:
    int m_stopAfter;
    int m_garbageAfter;
    int m_hangUpAfter;
    int m_ignoreWrite;
    int m_commands = 0;
    std::set<int> m_strayLines;
    std::set<int> m_controlChars;
    std::map<int, std::size_t> m_padding;
    int m_writes = 0;
};
