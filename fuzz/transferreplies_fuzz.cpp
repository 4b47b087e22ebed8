// Drives a whole read and a whole write against the simulated radio, with
// replies taken from the fuzz input: the input is cut at line feeds, and the
// n-th piece answers the n-th command (an empty piece lets the simulated
// radio answer). Whatever the radio says, the transfers must not crash,
// must not overflow a slot, must not put a carriage return inside a command
// line and must come to an end.
#include "channeldocument.h"
#include "slotchecks.h"
#include "radiosim.h"
#include "readtransfer.h"
#include "writetransfer.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

class Replies
{
public:
    explicit Replies(std::string_view input) : m_rest(input) {}

    std::string Next(RadioSim& radio, const std::string& command)
    {
        const std::string real = radio.Answer(command) + "\r";
        if (m_rest.empty())
            return real;
        const std::size_t lf = m_rest.find('\n');
        const std::string_view piece = m_rest.substr(0, lf);
        m_rest = lf == std::string_view::npos ? std::string_view{} : m_rest.substr(lf + 1);
        return piece.empty() ? real : std::string(piece);
    }

private:
    std::string_view m_rest;
};

template <typename Transfer>
void Run(Transfer& transfer, RadioSim& radio, Replies& replies)
{
    TransferStep step = transfer.Start();
    for (int sent = 0; step.action == TransferStep::Action::Send; ++sent) {
        if (sent > 2000 || step.command.find('\r') != std::string::npos)
            std::abort();
        step = transfer.OnReply(replies.Next(radio, step.command));
    }
}


} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    RadioSim radio;
    radio.Memory().StoreMemory(3, "003,00145000000,5,2,0,1,0,,09,,09,000600000,0,,00440000000,6,,HOME");
    radio.Memory().StoreMemory(220, "PR,00433000000,6,0,0,0,0,,09,,09,005000000,,,,,,PRI");
    radio.Memory().StoreDtmf(1, "01,12*#");

    Replies replies(input);
    ChannelDocument doc;
    ReadTransfer read(doc);
    Run(read, radio, replies);
    CheckSlots(doc);

    WriteTransfer write(doc);
    Run(write, radio, replies);
    CheckSlots(radio.Memory());
    return 0;
}
