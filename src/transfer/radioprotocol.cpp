#include "radioprotocol.h"

#include "bandplan.h"
#include "recordtext.h"

#include <algorithm>
#include <vector>

namespace RadioProtocol {

namespace {

using namespace RecordLayout;

bool IsMemoryChannel(int slot)
{
    return RecordLayout::MemorySlot::IsChannel(slot);
}

std::vector<std::string_view> SplitFields(std::string_view text)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos) {
            fields.push_back(text.substr(start));
            return fields;
        }
        fields.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
}

std::size_t FieldCount(std::string_view text)
{
    std::size_t count = 1;
    for (char c : text)
        count += c == ',';
    return count;
}

// Names are padded with blanks by the radio when unset; seven of them can
// never be a name the user gave (names are at most six characters).
bool IsBlankName(std::string_view text)
{
    return text.substr(0, 7) == "       ";
}

// Control characters never go on the line: CR ends a command, DC1/DC3 are
// the flow control, and none of them has a meaning inside a field.
std::string Sendable(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F)
            out += c;
    }
    return out;
}

std::string Field(const ChannelDocument& doc, RecordKind kind, int slot, int field)
{
    return SendableField(doc, kind, slot, field);
}

void AppendFields(std::string& line, const ChannelDocument& doc, RecordKind kind, int slot, int first, int last)
{
    for (int n = first; n <= last; ++n) {
        line += ',';
        line += Field(doc, kind, slot, n);
    }
}

} // namespace

std::size_t TransmitEcho(int slot)
{
    return IsMemoryChannel(slot) ? 11 : 10;
}

std::size_t NameEcho(int slot)
{
    return IsMemoryChannel(slot) ? 10 : 9;
}

std::string ReplyText(std::string_view reply, std::size_t echo, std::size_t capacity)
{
    std::string text;
    std::size_t skipped = 0;
    for (char c : reply) {
        if (static_cast<unsigned char>(c) < 0x20)
            continue;
        if (skipped < echo) {
            ++skipped;
            continue;
        }
        if (text.size() >= capacity)
            break;
        text += c;
    }
    return text;
}

std::string_view WithoutPadding(std::string_view text)
{
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? text : text.substr(0, last + 1);
}

bool IsStrayLine(std::string_view line)
{
    return ReplyText(line, 0, 1).empty();
}

bool IsReplyTo(std::string_view line, std::string_view command, std::size_t echo)
{
    if (IsStrayLine(line))
        return false;
    const std::string head = ReplyText(line, 0, echo);
    if (head.size() < echo)
        return true;
    const std::size_t own = std::min(echo, command.size());
    return head.compare(0, own, command, 0, own) == 0;
}

std::string SlotLabel(int slot)
{
    return RecordText::ChannelLabel(slot);
}

char VfoBandCode(int vfoSlot)
{
    return ChannelDocument::VfoCodeOfSlot(vfoSlot);
}

std::string DtmfFromRadio(std::string_view text)
{
    return RecordText::Swapped(text, "EF", "*#");
}

std::string DtmfToRadio(std::string_view text)
{
    return RecordText::Swapped(text, "*#", "EF");
}

std::string MemoryMainCommand(int slot)
{
    return "MR 0,0," + SlotLabel(slot);
}

std::string MemoryTransmitCommand(int slot)
{
    return "MR 0,1," + SlotLabel(slot);
}

std::string MemoryNameCommand(int slot)
{
    return "MNA 0," + SlotLabel(slot);
}

std::string CallReadCommand(int callSlot, int part)
{
    return "CR " + std::to_string(callSlot) + "," + std::to_string(part);
}

std::string VfoReadCommand(int vfoSlot)
{
    return std::string("VR ") + VfoBandCode(vfoSlot);
}

std::string PowerReadCommand(int vfoSlot)
{
    return vfoSlot == 1 ? "PC 0" : "PC 1";
}

std::string DtmfReadCommand(int index)
{
    return "DM 0" + std::to_string(index);
}

bool IsEmptyMainReply(std::string_view text)
{
    return text.size() < 5;
}

std::string MemoryRecordStart(std::string_view mainText, const BandPlan& plan)
{
    const std::vector<std::string_view> fields = SplitFields(mainText);
    std::string record;
    for (std::size_t n = 0; n < fields.size(); ++n) {
        if (n > 0)
            record += ',';
        if (n == 11 && fields[n].empty())
            record += plan.DefaultOffsetRecord(fields[1]);
        else
            record += fields[n];
    }
    return record;
}

std::string MemoryTransmitPart(int slot, std::string_view transmitText)
{
    if (IsMemoryChannel(slot))
        return transmitText.empty() ? std::string(",,,") : ",," + std::string(transmitText);
    // Scan and priority slots close the transmit part up to the name.
    return transmitText.size() < 5 ? std::string(",,,,,") : ",," + std::string(transmitText) + ",,";
}

std::string MemoryNamePart(int slot, std::string_view nameText)
{
    if (IsMemoryChannel(slot))
        return ",," + std::string(IsBlankName(nameText) ? std::string_view() : nameText);
    if (slot == PrioritySlot)
        return IsBlankName(nameText) ? std::string() : std::string(nameText);
    return std::string(nameText);
}

std::string CallRecordStart(int callSlot, std::string_view mainText, const BandPlan& plan)
{
    std::string record = std::to_string(callSlot) + "," + std::string(mainText);
    if (FieldCount(record) <= 11)
        record += "," + plan.DefaultOffsetRecord(RecordText::Field(record, RecordLayout::ChannelField::RxFrequency));
    return record;
}

std::string CallTransmitPart(std::string_view transmitText)
{
    return transmitText.empty() ? std::string(",,,,,,") : ",,," + std::string(transmitText) + ",,";
}

std::string VfoTextOfSlot(int vfoSlot, std::string_view vfoText)
{
    const std::size_t comma = vfoText.find(',');
    std::string text(1, VfoBandCode(vfoSlot));
    if (comma != std::string_view::npos)
        text += vfoText.substr(comma);
    else
        text += std::string(RecordLayout::ChannelField::Offset, ',');
    return text;
}

std::string VfoRecord(std::string_view vfoText)
{
    return std::string(vfoText) + ",,,,,,";
}

std::string VfoRecordWithPower(std::string_view vfoText, std::string_view powerText)
{
    return std::string(vfoText) + ",,,,," + std::string(powerText) + ",";
}

std::string SendableField(const ChannelDocument& doc, RecordKind kind, int slot, int field)
{
    return Sendable(doc.GetField(kind, slot, field));
}

std::string MemoryWriteCommand(const ChannelDocument& doc, int slot)
{
    std::string line = "MW 0,0," + SlotLabel(slot);
    if (Field(doc, RecordKind::Memory, slot, ChannelField::RxFrequency).empty())
        return line;
    AppendFields(line, doc, RecordKind::Memory, slot, ChannelField::RxFrequency, ChannelField::Lockout);
    return line;
}

std::string MemoryTransmitWriteCommand(const ChannelDocument& doc, int slot)
{
    std::string line = "MW 0,1," + SlotLabel(slot);
    AppendFields(line, doc, RecordKind::Memory, slot, ChannelField::TxFrequency, ChannelField::TxStep);
    return line;
}

std::string MemoryNameWriteCommand(const ChannelDocument& doc, int slot)
{
    std::string line = "MNA 0," + SlotLabel(slot);
    AppendFields(line, doc, RecordKind::Memory, slot, ChannelField::Name, ChannelField::Name);
    return line;
}

std::string CallWriteCommand(const ChannelDocument& doc, int callSlot)
{
    std::string line = "CW " + Field(doc, RecordKind::Call, callSlot, ChannelField::Key) + ",0";
    AppendFields(line, doc, RecordKind::Call, callSlot, ChannelField::RxFrequency, ChannelField::Offset);
    return line;
}

std::string CallTransmitWriteCommand(const ChannelDocument& doc, int callSlot)
{
    std::string line = "CW " + Field(doc, RecordKind::Call, callSlot, ChannelField::Key) + ",1";
    AppendFields(line, doc, RecordKind::Call, callSlot, ChannelField::TxFrequency, ChannelField::TxStep);
    return line;
}

std::string VfoWriteCommand(const ChannelDocument& doc, int vfoSlot)
{
    std::string line = "VW " + Field(doc, RecordKind::Vfo, vfoSlot, ChannelField::Key);
    AppendFields(line, doc, RecordKind::Vfo, vfoSlot, ChannelField::RxFrequency, ChannelField::Offset);
    return line;
}

std::string PowerWriteCommand(const ChannelDocument& doc, int vfoSlot)
{
    return std::string(vfoSlot == 1 ? "PC 0," : "PC 1,") + Field(doc, RecordKind::Vfo, vfoSlot, ChannelField::Power);
}

std::string DtmfWriteCommand(const ChannelDocument& doc, int index)
{
    return "DM " + Field(doc, RecordKind::Dtmf, index, DtmfField::Number) + "," +
           DtmfToRadio(Field(doc, RecordKind::Dtmf, index, DtmfField::Code));
}

} // namespace RadioProtocol
