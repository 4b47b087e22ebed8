#include "writetransfer.h"

#include "channeldocument.h"
#include "radioprotocol.h"

using namespace RadioProtocol;

namespace {

bool Has(const ChannelDocument& doc, RecordKind kind, int slot, int field)
{
    return !SendableField(doc, kind, slot, field).empty();
}

} // namespace

WriteTransfer::WriteTransfer(const ChannelDocument& doc) : m_doc(doc) {}

TransferStep WriteTransfer::Start()
{
    m_slot = 0;
    m_band = 0;
    m_progress = 0;
    return Send(Step::Hello, HelloCommand);
}

TransferStep WriteTransfer::Send(Step step, std::string line)
{
    m_last = step;
    return TransferStep::Send(std::move(line));
}

TransferStep WriteTransfer::OnReply(std::string_view reply)
{
    if (Running() && IsStrayLine(reply))
        return TransferStep::KeepWaiting();
    switch (m_last) {
    case Step::Hello: return Send(Step::Identity, IdentityCommand);
    case Step::Identity:
        if (ReplyText(reply, 0, IdentityCapacity) != IdentityLine) {
            m_last = Step::Ended;
            return TransferStep::Fail(RadioInvalidMessage);
        }
        return MemorySlotFrom(0);
    case Step::EmptySlot: return EndMemorySlot();
    case Step::MemoryMain:
        if (Has(m_doc, RecordKind::Memory, m_slot, 14))
            return Send(Step::MemoryTransmit, MemoryTransmitWriteCommand(m_doc, m_slot));
        return MemoryNameOrEnd();
    case Step::MemoryTransmit: return MemoryNameOrEnd();
    case Step::MemoryName: return EndMemorySlot();
    case Step::CallMain:
        if (Has(m_doc, RecordKind::Call, m_band, 14))
            return Send(Step::CallTransmit, CallTransmitWriteCommand(m_doc, m_band));
        return LeaveCallSlot();
    case Step::CallTransmit: return LeaveCallSlot();
    case Step::Vfo:
        if (m_band == 1 || m_band == 3)
            return Send(Step::Power, PowerWriteCommand(m_doc, m_band));
        return LeaveVfoSlot();
    case Step::Power: return LeaveVfoSlot();
    case Step::Dtmf: ++m_progress; return DtmfFrom(m_slot + 1);
    case Step::Closing: m_last = Step::Ended; return TransferStep::Finish();
    case Step::Idle:
    case Step::Ended: break;
    }
    return TransferStep::Finish();
}

TransferStep WriteTransfer::MemorySlotFrom(int slot)
{
    m_slot = slot;
    if (m_slot >= ChannelDocument::MemorySlots)
        return CallSlotFrom(0);
    const bool empty = !Has(m_doc, RecordKind::Memory, m_slot, 1);
    return Send(empty ? Step::EmptySlot : Step::MemoryMain, MemoryWriteCommand(m_doc, m_slot));
}

TransferStep WriteTransfer::MemoryNameOrEnd()
{
    // Memory channels always get their name written, so an old name in the
    // radio goes when the channel has none; edge and priority slots only
    // when they carry one.
    if (m_slot < MemoryChannels || Has(m_doc, RecordKind::Memory, m_slot, 17))
        return Send(Step::MemoryName, MemoryNameWriteCommand(m_doc, m_slot));
    return EndMemorySlot();
}

TransferStep WriteTransfer::EndMemorySlot()
{
    m_progress = m_slot;
    return MemorySlotFrom(m_slot + 1);
}

TransferStep WriteTransfer::CallSlotFrom(int callSlot)
{
    m_band = callSlot;
    if (m_band >= ChannelDocument::CallSlots)
        return VfoSlotFrom(0);
    if (Has(m_doc, RecordKind::Call, m_band, 1))
        return Send(Step::CallMain, CallWriteCommand(m_doc, m_band));
    if (Has(m_doc, RecordKind::Call, m_band, 14))
        return Send(Step::CallTransmit, CallTransmitWriteCommand(m_doc, m_band));
    return LeaveCallSlot();
}

TransferStep WriteTransfer::LeaveCallSlot()
{
    ++m_progress;
    return CallSlotFrom(m_band + 1);
}

TransferStep WriteTransfer::VfoSlotFrom(int vfoSlot)
{
    m_band = vfoSlot;
    if (m_band >= ChannelDocument::VfoSlots)
        return DtmfFrom(0);
    if (Has(m_doc, RecordKind::Vfo, m_band, 1))
        return Send(Step::Vfo, VfoWriteCommand(m_doc, m_band));
    // Without a VFO setting there is no power to go with it either.
    return LeaveVfoSlot();
}

TransferStep WriteTransfer::LeaveVfoSlot()
{
    ++m_progress;
    return VfoSlotFrom(m_band + 1);
}

TransferStep WriteTransfer::DtmfFrom(int index)
{
    for (m_slot = index; m_slot < ChannelDocument::DtmfSlots; ++m_slot) {
        if (Has(m_doc, RecordKind::Dtmf, m_slot, 1))
            return Send(Step::Dtmf, DtmfWriteCommand(m_doc, m_slot));
        ++m_progress;
    }
    return Send(Step::Closing, ClosingCommand);
}
