// Drives a whole read and a whole write against the simulated radio, with
// replies taken from the fuzz input: the input is cut at line feeds, and the
// n-th piece, with a carriage return added, is what the port delivers next
// (an empty piece lets the simulated radio answer the command outstanding).
// A piece may hold several lines, or none that is the reply. Whatever the
// radio says, the transfers must not crash, must not overflow a slot, must
// not keep a control character in a record, must not put a carriage return
// inside a command line and must come to an end.
#include "channeldocument.h"
#include "radiosim.h"
#include "readtransfer.h"
#include "replyreader.h"
#include "slotchecks.h"
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

    bool Exhausted() const { return m_rest.empty(); }

    std::string Next(RadioSim& radio, const std::string& command)
    {
        const std::string real = radio.Answer(command) + "\r";
        if (m_rest.empty())
            return real;
        const std::size_t lf = m_rest.find('\n');
        const std::string_view piece = m_rest.substr(0, lf);
        m_rest = lf == std::string_view::npos ? std::string_view{} : m_rest.substr(lf + 1);
        return piece.empty() ? real : std::string(piece) + "\r";
    }

private:
    std::string_view m_rest;
};

template <typename Transfer> void Run(Transfer& transfer, RadioSim& radio, Replies& replies)
{
    ReplyReader reader;
    TransferStep step = transfer.Start();
    std::string command;
    int sent = 0;
    int realAnswers = 0; // to the command outstanding, once the input is used up
    while (step.action == TransferStep::Action::Send || step.action == TransferStep::Action::Wait) {
        if (step.action == TransferStep::Action::Send) {
            if (++sent > 2000 || step.command.find('\r') != std::string::npos)
                std::abort();
            command = step.command;
            realAnswers = 0;
        }
        // The radio's own answer, behind at most one unfinished line, is
        // always a reply: a transfer still waiting after two never ends.
        if (replies.Exhausted() && ++realAnswers > 2)
            std::abort();
        step = reader.Feed(replies.Next(radio, command), [&](std::string_view line) { return transfer.OnReply(line); });
    }
}

void CheckNoControlCharacters(const ChannelDocument& doc)
{
    const auto clean = [](std::string_view record) {
        for (char c : record)
            if (static_cast<unsigned char>(c) < 0x20)
                std::abort();
    };
    for (int s = 0; s < ChannelDocument::MemorySlots; ++s)
        clean(doc.Record(RecordKind::Memory, s));
    for (int s = 0; s < ChannelDocument::CallSlots; ++s)
        clean(doc.Record(RecordKind::Call, s));
    for (int s = 0; s < ChannelDocument::VfoSlots; ++s)
        clean(doc.Record(RecordKind::Vfo, s));
    for (int s = 0; s < ChannelDocument::DtmfSlots; ++s)
        clean(doc.Record(RecordKind::Dtmf, s));
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
    CheckNoControlCharacters(doc);

    WriteTransfer write(doc);
    Run(write, radio, replies);
    CheckSlots(radio.Memory());
    return 0;
}
