#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The simulated radio's command line.
struct SimOptions {
    std::string imagePath;  // data file (.46 or .r46) to load the memory from
    std::string savePath;   // data file (.46) to write the memory to at exit
    std::string radioType;  // "TYD" answer; empty: the program's default
    std::string bandLimits; // "FL" answer; empty: defaults of the type's bands
    std::string id;         // "ID" answer; empty: the real radio's
    std::string logPath;    // received command lines, one per line
    unsigned baud = 0;      // pace replies like a line of this rate; 0: no pacing
    unsigned latencyMs = 0; // before each reply
    int stopAfter = -1;
    int garbageAfter = -1;
    int hangUpAfter = -1;
    // Glitches of single replies, by command number (1 = the first command).
    std::vector<int> strayLineBefore; // a lone carriage return before the reply
    std::vector<int> controlChars;    // line feeds, TABs and NULs inside the reply
    struct Padding {
        int command;
        std::size_t length;
    };
    std::vector<Padding> padding; // the reply padded with blanks to a length
    int ignoreWrite = -1;         // the Nth write command (from 1) is answered but not stored
    bool help = false;

    // Nothing usable (with the reason in *error) for an unknown option, a
    // missing value or a malformed number.
    static bool Parse(const std::vector<std::string>& args, SimOptions* options, std::string* error);
    static const char* Usage();
};
