#include "simoptions.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

// A reply far longer than any serial queue; more would only cost memory.
constexpr long MaxPadding = 1000000;

bool ParseCount(const std::string& text, long maximum, long* value)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    errno = 0;
    const long parsed = std::strtol(text.c_str(), nullptr, 10);
    if (errno != 0 || parsed > maximum)
        return false;
    *value = parsed;
    return true;
}

} // namespace

const char* SimOptions::Usage()
{
    return "Usage: qz-r46-sim [options]\n"
           "Simulated QZ-R46 radio on a pseudo-terminal. Prints the terminal's device\n"
           "path as the first line on stdout, then answers the radio's commands until\n"
           "interrupted.\n"
           "\n"
           "  --image FILE        load the radio's memory from a data file (.46 or .r46)\n"
           "  --save FILE         write the memory to a data file (.46) when ending\n"
           "  --type RECORD       radio type record answered to TYD (default 0,2,00,1,1,,)\n"
           "  --limits TEXT       band limits answered to FL (default: the type's bands)\n"
           "  --id TEXT           identity answered to ID (default QZ-R46)\n"
           "  --baud RATE         send replies at the pace of a line of RATE bit/s\n"
           "  --latency-ms MS     wait MS milliseconds before each reply\n"
           "  --log FILE          append every received command line to FILE\n"
           "  --stop-after N      answer N commands, then nothing more\n"
           "  --garbage           send every reply without its carriage return\n"
           "  --garbage-after N   the same after N good replies\n"
           "  --hangup-after N    hang up the line after answering N commands\n"
           "  --stray-cr N        send a lone carriage return before the reply to\n"
           "                      command N (the first command is 1)\n"
           "  --control-chars N   put line feeds, TABs and NULs into the reply to command N\n"
           "  --pad-reply N:LEN   pad the reply to command N with blanks to LEN characters\n"
           "                      (these three may be given more than once)\n"
           "  --ignore-write N    answer the Nth write command with data (MW, MNA, CW,\n"
           "                      VW, PC, DM; counted from 1, a clearing MW is not)\n"
           "                      as usual but do not store it, as a radio that lost\n"
           "                      it would\n"
           "  --help              show this text\n";
}

bool SimOptions::Parse(const std::vector<std::string>& args, SimOptions* options, std::string* error)
{
    SimOptions parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool hasValue = false;
        const std::size_t equals = name.find('=');
        if (name.compare(0, 2, "--") == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
            hasValue = true;
        }
        auto takeValue = [&]() {
            if (!hasValue && i + 1 < args.size()) {
                value = args[++i];
                hasValue = true;
            }
            if (!hasValue)
                *error = "option " + name + " needs a value";
            return hasValue;
        };
        auto takeCount = [&](long maximum, long* count) {
            if (!takeValue())
                return false;
            if (!ParseCount(value, maximum, count)) {
                *error = "option " + name + " needs a number, not \"" + value + "\"";
                return false;
            }
            return true;
        };

        long count = 0;
        if (name == "--help" || name == "-h") {
            parsed.help = true;
        } else if (name == "--garbage" && !hasValue) {
            parsed.garbageAfter = 0;
        } else if (name == "--image" || name == "--save" || name == "--type" || name == "--limits" || name == "--id" ||
                   name == "--log") {
            if (!takeValue())
                return false;
            std::string* target = name == "--image"    ? &parsed.imagePath
                                  : name == "--save"   ? &parsed.savePath
                                  : name == "--type"   ? &parsed.radioType
                                  : name == "--limits" ? &parsed.bandLimits
                                  : name == "--id"     ? &parsed.id
                                                       : &parsed.logPath;
            *target = value;
        } else if (name == "--baud") {
            if (!takeCount(4000000, &count))
                return false;
            parsed.baud = static_cast<unsigned>(count);
        } else if (name == "--latency-ms") {
            if (!takeCount(60000, &count))
                return false;
            parsed.latencyMs = static_cast<unsigned>(count);
        } else if (name == "--stop-after" || name == "--garbage-after" || name == "--hangup-after" ||
                   name == "--ignore-write") {
            if (!takeCount(INT_MAX, &count))
                return false;
            int& target = name == "--stop-after"      ? parsed.stopAfter
                          : name == "--garbage-after" ? parsed.garbageAfter
                          : name == "--hangup-after"  ? parsed.hangUpAfter
                                                      : parsed.ignoreWrite;
            target = static_cast<int>(count);
        } else if (name == "--stray-cr" || name == "--control-chars") {
            if (!takeCount(INT_MAX, &count))
                return false;
            (name == "--stray-cr" ? parsed.strayLineBefore : parsed.controlChars).push_back(static_cast<int>(count));
        } else if (name == "--pad-reply") {
            if (!takeValue())
                return false;
            const std::size_t colon = value.find(':');
            long length = 0;
            if (colon == std::string::npos || !ParseCount(value.substr(0, colon), INT_MAX, &count) ||
                !ParseCount(value.substr(colon + 1), MaxPadding, &length)) {
                *error = "option --pad-reply needs N:LEN, not \"" + value + "\"";
                return false;
            }
            parsed.padding.push_back({static_cast<int>(count), static_cast<std::size_t>(length)});
        } else {
            *error = "unknown option " + args[i];
            return false;
        }
    }
    if (parsed.hangUpAfter == 0 || parsed.ignoreWrite == 0) {
        *error = parsed.hangUpAfter == 0 ? "--hangup-after needs at least 1" : "--ignore-write needs at least 1";
        return false;
    }
    *options = parsed;
    return true;
}
