#include "channeldocument.h"

#include "recordtext.h"

namespace {

template <typename Slot, std::size_t N> Slot* At(Slot (&slots)[N], int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < N ? &slots[index] : nullptr;
}

// A slot out of range takes nothing.
template <typename Slot, std::size_t N> void AssignAt(Slot (&slots)[N], int index, std::string_view record)
{
    if (Slot* slot = At(slots, index))
        slot->Assign(record);
}

struct BandDefaults {
    const char* vfo;
    const char* call;
};

// Defaults of the 144 MHz VFO (slot 1) and CALL slot 0, by variant code.
BandDefaults Defaults144(char variant)
{
    switch (variant) {
    case '0':
        return {"2,00145000000,5,0,0,0,0,,09,,09,000600000,,,,,0,", "0,00145000000,5,0,0,0,0,,09,,09,000600000,,,,,,"};
    case '1':
    case '3':
        return {"2,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,0,", "0,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,,"};
    case '2':
        return {"2,00144000000,0,0,0,0,0,,09,,09,000600000,,,,,0,", "0,00144000000,0,0,0,0,0,,09,,09,000600000,,,,,,"};
    default: return {nullptr, nullptr};
    }
}

// Defaults of the 430/440 MHz VFO (slot 3) and CALL slot 1.
BandDefaults Defaults430(char variant, std::string_view subVariant)
{
    switch (variant) {
    case '0':
        return {"6,00433000000,5,0,0,0,0,,09,,09,005000000,,,,,0,", "1,00433000000,5,0,0,0,0,,09,,09,005000000,,,,,,"};
    case '1':
        return {"6,00430000000,6,0,0,0,0,,09,,09,005000000,,,,,0,", "1,00430000000,6,0,0,0,0,,09,,09,005000000,,,,,,"};
    case '2':
        return {"6,00440000000,6,0,0,0,0,,09,,09,005000000,,,,,0,", "1,00440000000,6,0,0,0,0,,09,,09,005000000,,,,,,"};
    case '3':
        if (subVariant == "05")
            return {"6,00432000000,6,0,0,0,0,,09,,09,001600000,,,,,0,",
                    "1,00432000000,6,0,0,0,0,,09,,09,001600000,,,,,,"};
        return {"6,00430000000,6,0,0,0,0,,09,,09,001600000,,,,,0,", "1,00430000000,6,0,0,0,0,,09,,09,001600000,,,,,,"};
    default: return {nullptr, nullptr};
    }
}

} // namespace

ChannelDocument::ChannelDocument()
{
    ApplyBandDefaults();
}

std::string_view ChannelDocument::Record(RecordKind kind, int slot) const
{
    auto view = [](const auto* text) { return text ? text->View() : std::string_view{}; };
    switch (kind) {
    case RecordKind::Memory: return view(At(m_memory, slot));
    case RecordKind::Vfo: return view(At(m_vfo, slot));
    case RecordKind::Call: return view(At(m_call, slot));
    case RecordKind::Dtmf: return view(At(m_dtmf, slot));
    case RecordKind::RadioType: return m_plan.RadioType();
    case RecordKind::BandLimit: return m_plan.LimitRecord(slot);
    case RecordKind::PasteBuffer: return m_pasteBuffer.View();
    case RecordKind::LineBuffer: return m_lineBuffer.View();
    }
    return {};
}

std::string ChannelDocument::GetField(RecordKind kind, int slot, int field) const
{
    return std::string(RecordText::Field(Record(kind, slot), field));
}

void ChannelDocument::StoreMemory(int slot, std::string_view record)
{
    AssignAt(m_memory, slot, record);
}
void ChannelDocument::StoreCall(int slot, std::string_view record)
{
    AssignAt(m_call, slot, record);
}
void ChannelDocument::StoreVfo(int slot, std::string_view record)
{
    AssignAt(m_vfo, slot, record);
}
void ChannelDocument::StoreDtmf(int slot, std::string_view record)
{
    AssignAt(m_dtmf, slot, record);
}

void ChannelDocument::StoreRadioType(std::string_view record)
{
    m_plan.SetRadioType(record);
}
void ChannelDocument::StorePasteBuffer(std::string_view text)
{
    m_pasteBuffer.Assign(text);
}
void ChannelDocument::StoreLineBuffer(std::string_view text)
{
    m_lineBuffer.Assign(text);
}

std::string ChannelDocument::ReadMemory(int slot) const
{
    return std::string(Record(RecordKind::Memory, slot));
}

void ChannelDocument::ClearMemory(int slot)
{
    if (auto* text = At(m_memory, slot))
        text->Clear();
}

void ChannelDocument::ClearDtmf(int slot)
{
    if (auto* text = At(m_dtmf, slot))
        text->Clear();
}

void ChannelDocument::ClearDocument()
{
    for (auto& t : m_memory)
        t.Clear();
    for (auto& t : m_call)
        t.Clear();
    for (auto& t : m_vfo)
        t.Clear();
    for (auto& t : m_dtmf)
        t.Clear();
    ApplyBandDefaults();
}

void ChannelDocument::ApplyBandDefaults()
{
    const char variant = m_plan.Variant();
    const BandDefaults b144 = Defaults144(variant);
    if (b144.vfo) {
        m_vfo[1].Assign(b144.vfo);
        m_call[0].Assign(b144.call);
    }
    const BandDefaults b430 = Defaults430(variant, m_plan.SubVariant());
    if (b430.vfo) {
        m_vfo[3].Assign(b430.vfo);
        m_call[1].Assign(b430.call);
    }
    if (m_plan.TypeFlag(4) == '1')
        m_vfo[0].Assign("1,00118000000,3,0,0,0,0,,09,,09,000600000,,,,,,");
    if (m_plan.TypeFlag(5) == '1')
        m_vfo[2].Assign(variant == '3' ? "5,00340000000,3,0,0,0,0,,09,,09,001600000,,,,,,"
                                       : "5,00340000000,3,0,0,0,0,,09,,09,005000000,,,,,,");
    if (m_plan.TypeFlag(6) == '1')
        m_vfo[4].Assign(variant == '3' ? "8,00870000000,3,0,0,0,0,,09,,09,001600000,,,,,,"
                                       : "8,00870000000,3,0,0,0,0,,09,,09,005000000,,,,,,");
    else if (m_plan.TypeFlag(6) == '2')
        m_vfo[4].Assign("8,00860000000,3,0,0,0,0,,09,,09,005000000,,,,,,");
}

int ChannelDocument::VfoSlotOfCode(char code)
{
    switch (code) {
    case '1': return 0;
    case '2': return 1;
    case '5': return 2;
    case '6': return 3;
    default: return 4;
    }
}

char ChannelDocument::VfoCodeOfSlot(int slot)
{
    static constexpr char kCodes[VfoSlots] = {'1', '2', '5', '6', '8'};
    return slot >= 0 && slot < VfoSlots ? kCodes[slot] : '8';
}
