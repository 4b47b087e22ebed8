#include "radiosim.h"

#include "recordlayout.h"
#include "recordtext.h"

#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

namespace {

namespace ChannelField = RecordLayout::ChannelField;
constexpr int RecordFields = ChannelField::Count;
constexpr const char* Refused = "N";
constexpr const char* Unknown = "?";

std::vector<std::string> Split(std::string_view text)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        parts.emplace_back(
            text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos)
            return parts;
        start = comma + 1;
    }
}

// Fields first..last of a record, comma-separated; absent fields are empty.
std::string JoinFields(std::string_view record, int first, int last)
{
    std::string out;
    for (int n = first; n <= last; ++n) {
        if (n > first)
            out += ',';
        out += RecordText::Field(record, n);
    }
    return out;
}

std::vector<std::string> FieldsOf(std::string_view record)
{
    std::vector<std::string> fields;
    for (int n = 0; n < RecordFields; ++n)
        fields.emplace_back(RecordText::Field(record, n));
    return fields;
}

std::string RecordOf(const std::vector<std::string>& fields)
{
    std::string out;
    for (std::size_t n = 0; n < fields.size(); ++n) {
        if (n > 0)
            out += ',';
        out += fields[n];
    }
    return out;
}

// A full 18-field record: key, then the given fields from field 1 on.
std::optional<std::string> BuildRecord(const std::string& key, const std::vector<std::string>& params, std::size_t from,
                                       int lastField)
{
    if (params.size() - from > static_cast<std::size_t>(lastField))
        return std::nullopt;
    std::vector<std::string> fields(RecordFields);
    fields[0] = key;
    for (std::size_t n = from; n < params.size(); ++n)
        fields[n - from + 1] = params[n];
    return RecordOf(fields);
}

// The transmit frequency and step of a channel after `prefix`; refused for
// a channel without one.
std::string TransmitAnswer(std::string_view record, const std::string& prefix)
{
    if (RecordText::Field(record, ChannelField::TxFrequency).empty())
        return Refused;
    return prefix + JoinFields(record, ChannelField::TxFrequency, ChannelField::TxStep);
}

// `record` with some of its fields replaced ({field, text}, ...).
std::string WithFields(std::string_view record, std::initializer_list<std::pair<int, std::string_view>> changes)
{
    auto fields = FieldsOf(record);
    for (const auto& [field, text] : changes)
        fields[static_cast<std::size_t>(field)] = text;
    return RecordOf(fields);
}

// The memory slot of a label as the radio spells it: "007", not "7".
std::optional<int> MemorySlot(std::string_view label)
{
    const auto slot = RecordText::SlotOfLabel(label);
    if (slot && RecordText::ChannelLabel(*slot) == label)
        return slot;
    return std::nullopt;
}

std::optional<int> BinaryParam(std::string_view text)
{
    if (text == "0")
        return 0;
    if (text == "1")
        return 1;
    return std::nullopt;
}

bool IsEmptyChannel(std::string_view record)
{
    return RecordText::Field(record, 1).empty();
}

} // namespace

RadioSim::RadioSim() = default;

void RadioSim::SetRadioType(std::string_view record)
{
    m_memory.Plan().SetRadioType(record);
    m_memory.ApplyBandDefaults();
}

std::string RadioSim::BandLimits() const
{
    if (!m_bandLimits.empty())
        return m_bandLimits;
    std::string answer;
    for (int band = 0; band < BandPlan::BandCount; ++band) {
        if (!m_memory.Plan().BandExists(band))
            continue;
        if (!answer.empty())
            answer += ',';
        answer += BandPlan::DefaultLimitRecord(band);
    }
    return answer;
}

std::string RadioSim::Answer(std::string_view command)
{
    const std::size_t space = command.find(' ');
    const std::string_view word = command.substr(0, space);
    const bool hasParams = space != std::string_view::npos;
    const std::string params = hasParams ? std::string(command.substr(space + 1)) : std::string();

    if (word == "AI" || word == "VMC")
        return std::string(command);
    if (!hasParams) {
        if (word == "ID")
            return "ID " + m_id;
        if (word == "TYD")
            return "TYD " + std::string(m_memory.Plan().RadioType());
        if (word == "FL")
            return "FL " + BandLimits();
        return Unknown;
    }
    using Reader = std::string (RadioSim::*)(std::string_view, const std::string&) const;
    using Writer = std::string (RadioSim::*)(std::string_view, const std::string&);
    static constexpr std::pair<std::string_view, Reader> kReaders[] = {
        {"MR", &RadioSim::MemoryRead}, {"CR", &RadioSim::CallRead}, {"VR", &RadioSim::VfoRead}};
    static constexpr std::pair<std::string_view, Writer> kWriters[] = {
        {"MW", &RadioSim::MemoryWrite}, {"MNA", &RadioSim::MemoryName}, {"CW", &RadioSim::CallWrite},
        {"VW", &RadioSim::VfoWrite},    {"PC", &RadioSim::Power},       {"DM", &RadioSim::Dtmf}};
    for (const auto& [name, reader] : kReaders)
        if (word == name)
            return (this->*reader)(word, params);
    for (const auto& [name, writer] : kWriters)
        if (word == name)
            return (this->*writer)(word, params);
    return Unknown;
}

std::string RadioSim::Keep(void (ChannelDocument::*store)(int, std::string_view), int slot, const std::string& record,
                           const std::string& reply)
{
    if (record.size() > ChannelDocument::RecordCapacity)
        return Refused;
    (m_memory.*store)(slot, record);
    return reply;
}

std::string RadioSim::KeepTransmit(RecordKind kind, int slot, const std::vector<std::string>& params, std::size_t from,
                                   const std::string& reply)
{
    const std::string_view current = m_memory.Record(kind, slot);
    if (params.size() != from + 2 || IsEmptyChannel(current))
        return Refused;
    const std::string record =
        WithFields(current, {{ChannelField::TxFrequency, params[from]}, {ChannelField::TxStep, params[from + 1]}});
    return Keep(kind == RecordKind::Call ? &ChannelDocument::StoreCall : &ChannelDocument::StoreMemory, slot, record,
                reply);
}

// "MR 0,0,<label>": the main fields 0..12; "MR 0,1,<label>": the transmit
// frequency and its step.
std::string RadioSim::MemoryRead(std::string_view head, const std::string& params) const
{
    const auto p = Split(params);
    const auto part = p.size() == 3 && p[0] == "0" ? BinaryParam(p[1]) : std::nullopt;
    const auto slot = part ? MemorySlot(p[2]) : std::nullopt;
    if (!slot)
        return Refused;
    const std::string_view record = m_memory.Record(RecordKind::Memory, *slot);
    if (IsEmptyChannel(record))
        return Refused;
    if (*part == 0)
        return std::string(head) + " 0,0," + JoinFields(record, 0, 12);
    return TransmitAnswer(record, std::string(head) + " " + params + ",");
}

// "MW 0,0,<label>[,fields 1..12]" replaces the channel, dropping its
// transmit frequency and name until their own commands set them again;
// the label alone empties the slot. "MW 0,1,<label>,<f14>,<f15>" sets the
// transmit frequency of a channel in use.
std::string RadioSim::MemoryWrite(std::string_view head, const std::string& params)
{
    const auto p = Split(params);
    const auto part = p.size() >= 3 && p[0] == "0" ? BinaryParam(p[1]) : std::nullopt;
    const auto slot = part ? MemorySlot(p[2]) : std::nullopt;
    if (!slot)
        return Refused;
    const std::string reply = std::string(head) + " " + p[0] + "," + p[1] + "," + p[2];

    if (*part == 0) {
        if (p.size() == 3) {
            m_memory.ClearMemory(*slot);
            return reply;
        }
        const auto record = BuildRecord(p[2], p, 3, 12);
        return record ? Keep(&ChannelDocument::StoreMemory, *slot, *record, reply) : Refused;
    }

    return KeepTransmit(RecordKind::Memory, *slot, p, 3, reply);
}

// "MNA 0,<label>" reads the name, "MNA 0,<label>,<name>" sets it (an empty
// name clears it). Everything after the second comma is the name, blanks
// included.
std::string RadioSim::MemoryName(std::string_view head, const std::string& params)
{
    const std::size_t first = params.find(',');
    if (first == std::string::npos || params.compare(0, first, "0") != 0)
        return Refused;
    const std::size_t second = params.find(',', first + 1);
    const std::string label =
        params.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
    const auto slot = MemorySlot(label);
    if (!slot)
        return Refused;
    const std::string_view current = m_memory.Record(RecordKind::Memory, *slot);
    if (IsEmptyChannel(current))
        return Refused;
    const std::string reply = std::string(head) + " 0," + label;

    if (second == std::string::npos)
        return reply + "," + std::string(RecordText::Field(current, 17));

    const std::string name = params.substr(second + 1);
    if (name.find(',') != std::string::npos)
        return Refused;
    return Keep(&ChannelDocument::StoreMemory, *slot, WithFields(current, {{ChannelField::Name, name}}), reply);
}

// "CR n,0": fields 1..11 of CALL channel n; "CR n,1": its transmit
// frequency and step.
std::string RadioSim::CallRead(std::string_view head, const std::string& params) const
{
    const auto p = Split(params);
    const auto slot = p.size() == 2 ? BinaryParam(p[0]) : std::nullopt;
    const auto part = p.size() == 2 ? BinaryParam(p[1]) : std::nullopt;
    if (!slot || !part)
        return Refused;
    const std::string_view record = m_memory.Record(RecordKind::Call, *slot);
    if (IsEmptyChannel(record))
        return Refused;
    const std::string prefix = std::string(head) + " " + params + ",";
    if (*part == 0)
        return prefix + JoinFields(record, 1, 11);
    return TransmitAnswer(record, prefix);
}

// "CW n,0,<fields 1..11>" replaces CALL channel n; "CW n,1,<f14>,<f15>" sets
// its transmit frequency.
std::string RadioSim::CallWrite(std::string_view head, const std::string& params)
{
    const auto p = Split(params);
    const auto slot = p.size() >= 2 ? BinaryParam(p[0]) : std::nullopt;
    const auto part = p.size() >= 2 ? BinaryParam(p[1]) : std::nullopt;
    if (!slot || !part)
        return Refused;
    const std::string reply = std::string(head) + " " + p[0] + "," + p[1];

    if (*part == 0) {
        const auto record = BuildRecord(p[0], p, 2, 11);
        return record ? Keep(&ChannelDocument::StoreCall, *slot, *record, reply) : Refused;
    }
    return KeepTransmit(RecordKind::Call, *slot, p, 2, reply);
}

namespace {

// The VFO slot of a band code, if the code is one of the five and the
// radio has that band.
std::optional<int> VfoSlot(const ChannelDocument& memory, std::string_view code)
{
    if (code.size() != 1 || std::string_view("12568").find(code[0]) == std::string_view::npos)
        return std::nullopt;
    const int slot = ChannelDocument::VfoSlotOfCode(code[0]);
    if (!memory.Plan().BandExists(slot))
        return std::nullopt;
    return slot;
}

} // namespace

// "VR <code>": fields 0..11 of that band's VFO.
std::string RadioSim::VfoRead(std::string_view head, const std::string& params) const
{
    const auto slot = VfoSlot(m_memory, params);
    if (!slot)
        return Refused;
    const std::string_view record = m_memory.Record(RecordKind::Vfo, *slot);
    if (IsEmptyChannel(record))
        return Refused;
    return std::string(head) + " " + JoinFields(record, 0, 11);
}

// "VW <code>,<fields 1..11>": the output power is kept; "PC" sets it.
std::string RadioSim::VfoWrite(std::string_view head, const std::string& params)
{
    const auto p = Split(params);
    const auto slot = VfoSlot(m_memory, p[0]);
    if (!slot)
        return Refused;
    const std::string_view power = RecordText::Field(m_memory.Record(RecordKind::Vfo, *slot), ChannelField::Power);
    const auto record = BuildRecord(p[0], p, 1, 11);
    if (!record)
        return Refused;
    return Keep(&ChannelDocument::StoreVfo, *slot, WithFields(*record, {{ChannelField::Power, power}}),
                std::string(head) + " " + p[0]);
}

// "PC 0" and "PC 1": output power of the 144 MHz and 430/440 MHz VFO;
// "PC n,<digit>" sets it.
std::string RadioSim::Power(std::string_view head, const std::string& params)
{
    const auto p = Split(params);
    const auto which = BinaryParam(p[0]);
    if (!which || p.size() > 2)
        return Refused;
    const int slot = *which == 0 ? 1 : 3;
    const std::string_view current = m_memory.Record(RecordKind::Vfo, slot);
    const std::string reply = std::string(head) + " " + p[0];
    if (p.size() == 1)
        return reply + "," + std::string(RecordText::Field(current, ChannelField::Power));
    if (p[1].size() != 1 || p[1][0] < '0' || p[1][0] > '3' || IsEmptyChannel(current))
        return Refused;
    return Keep(&ChannelDocument::StoreVfo, slot, WithFields(current, {{ChannelField::Power, p[1]}}), reply);
}

// "DM nn" reads DTMF memory nn, "DM nn,<code>" stores it. On the line the
// radio spells "*" and "#" as "E" and "F".
std::string RadioSim::Dtmf(std::string_view head, const std::string& params)
{
    const auto p = Split(params);
    const std::string& index = p[0];
    if (p.size() > 2 || index.size() != 2 || index[0] != '0' || index[1] < '0' || index[1] > '9')
        return Refused;
    const int slot = index[1] - '0';
    if (p.size() == 1) {
        const std::string_view record = m_memory.Record(RecordKind::Dtmf, slot);
        if (record.size() < 2)
            return Refused;
        return std::string(head) + " " + RecordText::Swapped(record, "*#", "EF");
    }
    const std::string& code = p[1];
    if (code.size() > 16)
        return Refused;
    for (const char c : code) {
        const bool digit = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
        if (!digit)
            return Refused;
    }
    m_memory.StoreDtmf(slot, index + "," + RecordText::Swapped(code, "EF", "*#"));
    return std::string(head) + " " + index;
}
