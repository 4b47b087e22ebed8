#include "readtransfer.h"

#include "channeldocument.h"
#include "radioprotocol.h"

#include <algorithm>

using namespace RadioProtocol;

namespace {

// The fewest commands a read can take: the greeting (AI 0, ID, TYD, FL),
// one command per memory slot, two per CALL slot, the VFO slots with their
// two power commands, and the DTMF memories. A slot that holds a channel
// adds its transmit and name commands.
constexpr int GreetingCommands = 4;
constexpr int CommandsPerCallSlot = 2;
constexpr int PowerCommands = 2;
constexpr int CommandsPerChannel = 2;
constexpr int FewestCommands = GreetingCommands + ChannelDocument::MemorySlots +
                               CommandsPerCallSlot * ChannelDocument::CallSlots + ChannelDocument::VfoSlots +
                               PowerCommands + ChannelDocument::DtmfSlots;

} // namespace

ReadTransfer::ReadTransfer(ChannelDocument& doc) : m_doc(doc) {}

TransferStep ReadTransfer::Start()
{
    m_slot = 0;
    m_band = 0;
    m_progress = 0;
    m_replies = 0;
    m_commands = FewestCommands;
    m_cleared = false;
    m_record.Clear();
    return Send(Step::Hello, HelloCommand);
}

TransferStep ReadTransfer::Send(Step step, std::string line)
{
    m_last = step;
    m_command = line;
    return TransferStep::Send(std::move(line));
}

TransferStep ReadTransfer::End(TransferStep result)
{
    m_last = Step::Ended;
    return result;
}

std::size_t ReadTransfer::EchoOf(Step step) const
{
    switch (step) {
    case Step::Hello: return HelloEcho;
    case Step::Identity: return IdentityEcho;
    case Step::RadioType: return RadioTypeEcho;
    case Step::BandLimits: return BandLimitsEcho;
    case Step::MemoryMain: return MainEcho;
    case Step::MemoryTransmit: return TransmitEcho(m_slot);
    case Step::MemoryName: return NameEcho(m_slot);
    case Step::CallMain:
    case Step::CallTransmit: return CallEcho;
    case Step::Vfo: return VfoEcho;
    case Step::Power: return PowerEcho;
    case Step::Dtmf: return DtmfEcho;
    case Step::Idle:
    case Step::Ended: break;
    }
    return 0;
}

TransferStep ReadTransfer::OnReply(std::string_view reply)
{
    if (!Running())
        return TransferStep::Finish();
    const std::size_t echo = EchoOf(m_last);
    if (!IsReplyTo(reply, m_command, echo))
        return TransferStep::KeepWaiting();
    // The identity is compared as it comes, blanks and all.
    const std::string whole = ReplyText(reply, echo);
    const std::string text(m_last == Step::Identity ? whole : WithoutPadding(whole));
    ++m_replies;
    const TransferStep next = Take(text);
    // The bar follows the replies taken out of the commands known so far:
    // it moves with every reply from the first, runs ahead a little where
    // channels are still to come, and stands still rather than go back.
    m_progress = std::max(m_progress, m_replies * RadioProtocol::ProgressMaximum / m_commands);
    return next;
}

TransferStep ReadTransfer::Take(const std::string& text)
{
    switch (m_last) {
    case Step::Hello:
        m_doc.ClearDocument();
        m_cleared = true;
        return Send(Step::Identity, IdentityCommand);

    case Step::Identity:
        if (text != RadioId)
            return End(TransferStep::Fail(RadioInvalidMessage));
        return Send(Step::RadioType, RadioTypeCommand);

    case Step::RadioType: m_doc.StoreRadioType(text); return Send(Step::BandLimits, BandLimitsCommand);

    case Step::BandLimits:
        m_doc.StoreBandLimits(text);
        m_slot = 0;
        return Send(Step::MemoryMain, MemoryMainCommand(m_slot));

    case Step::MemoryMain:
        if (IsEmptyMainReply(text))
            return NextMemorySlot();
        m_commands += CommandsPerChannel;
        m_record.Assign(MemoryRecordStart(text, m_doc.Plan()));
        return Send(Step::MemoryTransmit, MemoryTransmitCommand(m_slot));

    case Step::MemoryTransmit:
        m_record.Append(MemoryTransmitPart(m_slot, text));
        return Send(Step::MemoryName, MemoryNameCommand(m_slot));

    case Step::MemoryName: m_record.Append(MemoryNamePart(m_slot, text)); return StoreMemoryRecord();

    case Step::CallMain:
        m_record.Assign(CallRecordStart(m_band, text, m_doc.Plan()));
        return Send(Step::CallTransmit, CallReadCommand(m_band, 1));

    case Step::CallTransmit:
        m_record.Append(CallTransmitPart(text));
        m_doc.StoreCall(m_band, m_record.View());
        if (m_band == 1) {
            m_band = 0;
            return Send(Step::Vfo, VfoReadCommand(m_band));
        }
        m_band = 1;
        return Send(Step::CallMain, CallReadCommand(m_band, 0));

    case Step::Vfo:
        // A band the radio has but gives no frequency for is kept empty
        // under its own code; a band it lacks keeps what clearing left.
        m_vfoKept = text.size() > 1 || m_doc.Plan().BandExists(m_band);
        m_record.Assign(VfoTextOfSlot(m_band, text));
        if (m_band == 1 || m_band == 3)
            return Send(Step::Power, PowerReadCommand(m_band));
        if (m_vfoKept)
            m_doc.StoreVfo(m_band, VfoRecord(m_record.View()));
        return AfterVfoSlot();

    case Step::Power:
        if (m_vfoKept)
            m_doc.StoreVfo(m_band, VfoRecordWithPower(m_record.View(), text));
        return AfterVfoSlot();

    case Step::Dtmf:
        m_doc.StoreDtmf(m_slot, text.size() > 1 ? DtmfFromRadio(text) : text);
        ++m_slot;
        if (m_slot < ChannelDocument::DtmfSlots)
            return Send(Step::Dtmf, DtmfReadCommand(m_slot));
        return End(TransferStep::Finish());

    case Step::Idle:
    case Step::Ended: break;
    }
    return TransferStep::Finish();
}

TransferStep ReadTransfer::StoreMemoryRecord()
{
    m_doc.StoreMemory(m_slot, m_record.View());
    return NextMemorySlot();
}

TransferStep ReadTransfer::NextMemorySlot()
{
    ++m_slot;
    if (m_slot < ChannelDocument::MemorySlots)
        return Send(Step::MemoryMain, MemoryMainCommand(m_slot));
    m_band = 0;
    return Send(Step::CallMain, CallReadCommand(m_band, 0));
}

TransferStep ReadTransfer::AfterVfoSlot()
{
    ++m_band;
    if (m_band < ChannelDocument::VfoSlots)
        return Send(Step::Vfo, VfoReadCommand(m_band));
    m_slot = 0;
    return Send(Step::Dtmf, DtmfReadCommand(m_slot));
}
