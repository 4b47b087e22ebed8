// Feeds arbitrary bytes from the line to the simulated radio: the line
// splitter and the command interpreter must never crash or overflow a slot,
// and every reply must be a single line (no carriage return inside it, or
// the program would read two replies for one command).
#include "commandlines.h"
#include "radiosim.h"
#include "slotchecks.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    RadioSim radio;
    CommandLines lines;
    for (const std::string& line : lines.Feed(bytes)) {
        const std::string reply = radio.Answer(line);
        if (reply.find('\r') != std::string::npos)
            std::abort();
    }
    CheckSlots(radio.Memory());
    return 0;
}
