#include "documentdiff.h"

#include "channellisting.h"
#include "recordtext.h"

namespace {

// GetField names fields 0..18.
constexpr int kChannelFields = 19;
constexpr int kDtmfFields = 2;

bool AllDigits(std::string_view text, std::size_t most)
{
    if (text.empty() || text.size() > most)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// Control characters of a damaged record are shown, not sent to the
// terminal.
std::string Quoted(std::string_view text)
{
    return "\"" + RecordText::ShowControls(text) + "\"";
}

std::string OnOff(std::string_view value)
{
    if (value == "0")
        return "off";
    if (value == "1")
        return "on";
    return Quoted(value);
}

std::string Summary(RecordKind kind, std::string_view record)
{
    if (kind == RecordKind::Dtmf)
        return Quoted(RecordText::Field(record, 1));
    std::string text = DocumentDiff::ValueText(kind, 1, RecordText::Field(record, 1));
    const std::string_view name = RecordText::Field(record, 17);
    if (!name.empty())
        text += " " + Quoted(name);
    return text;
}

} // namespace

std::string DocumentDiff::Label(RecordKind kind, int slot)
{
    switch (kind) {
    case RecordKind::Memory: return RecordText::ChannelLabel(slot);
    case RecordKind::Call: return "CALL " + std::to_string(slot);
    case RecordKind::Vfo: return "VFO " + std::to_string(slot);
    case RecordKind::Dtmf: return "DTMF " + std::to_string(slot);
    default: return std::to_string(slot);
    }
}

std::string DocumentDiff::FieldName(RecordKind kind, int field)
{
    if (kind == RecordKind::Dtmf)
        return field == 0 ? "number" : "code";
    switch (field) {
    case 0: return kind == RecordKind::Memory ? "label" : "band code";
    case 1: return "frequency";
    case 2: return "step";
    case 3: return "shift";
    case 4: return "reverse";
    case 5: return "tone";
    case 6: return "CTCSS";
    case 8: return "tone frequency";
    case 10: return "CTCSS frequency";
    case 11: return "offset";
    case 12: return "lockout";
    case 14: return "transmit frequency";
    case 15: return "transmit step";
    case 16: return "power";
    case 17: return "name";
    default: return "field " + std::to_string(field);
    }
}

std::string DocumentDiff::ValueText(RecordKind kind, int field, std::string_view value)
{
    if (kind == RecordKind::Dtmf || field == 17)
        return Quoted(value);
    if (value.empty())
        return "(empty)";
    switch (field) {
    case 1:
    case 14: return AllDigits(value, 11) ? RecordText::FormatFrequency(value) + " MHz" : Quoted(value);
    case 2:
    case 15: return AllDigits(value, 1) ? ChannelListing::StepName(value) : Quoted(value);
    case 3:
        if (value == "0")
            return "simplex";
        if (value == "1")
            return "plus";
        if (value == "2")
            return "minus";
        if (value == "3")
            return "-7.6MHz";
        return Quoted(value);
    case 4:
    case 5:
    case 6:
    case 12: return OnOff(value);
    case 8:
    case 10: return AllDigits(value, 2) ? ChannelListing::ToneName(value) : Quoted(value);
    case 11: return AllDigits(value, 9) ? RecordText::FormatOffset(value) + " MHz" : Quoted(value);
    case 16: {
        static const char* const powers[] = {"High", "Mid", "Low", "EL"};
        if (value.size() == 1 && value[0] >= '0' && value[0] <= '3')
            return powers[value[0] - '0'];
        return Quoted(value);
    }
    default: return Quoted(value);
    }
}

bool DocumentDiff::HasChannel(RecordKind kind, std::string_view record)
{
    (void)kind; // every kind keeps what the radio is sent in field 1
    return !RecordText::Field(record, 1).empty();
}

int DocumentDiff::ChannelCount(const ChannelDocument& doc)
{
    int count = 0;
    for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot)
        count += HasChannel(RecordKind::Memory, doc.Record(RecordKind::Memory, slot)) ? 1 : 0;
    return count;
}

bool DocumentDiff::CompareRecord(RecordKind kind, int slot, std::string_view before, std::string_view after,
                                 const std::vector<int>& fields, RecordChange* change)
{
    change->kind = kind;
    change->slot = slot;
    change->label = Label(kind, slot);
    change->fields.clear();

    const bool had = HasChannel(kind, before);
    const bool has = HasChannel(kind, after);
    if (!had && !has)
        return false;
    if (had != has) {
        change->fields.push_back(
            {"channel", had ? Summary(kind, before) : "(none)", has ? Summary(kind, after) : "(none)"});
        return true;
    }

    std::vector<int> all;
    if (fields.empty()) {
        const int count = kind == RecordKind::Dtmf ? kDtmfFields : kChannelFields;
        for (int n = 0; n < count; ++n)
            all.push_back(n);
    }
    for (int n : fields.empty() ? all : fields) {
        const std::string_view a = RecordText::Field(before, n);
        const std::string_view b = RecordText::Field(after, n);
        if (a == b)
            continue;
        std::string shownA = ValueText(kind, n, a);
        std::string shownB = ValueText(kind, n, b);
        // Two stored forms of one value ("600000" and "000600000") must not
        // read as "0.60 MHz → 0.60 MHz".
        if (shownA == shownB) {
            shownA = Quoted(a);
            shownB = Quoted(b);
        }
        change->fields.push_back({FieldName(kind, n), shownA, shownB});
    }
    return !change->fields.empty();
}

std::vector<DocumentDiff::RecordChange> DocumentDiff::Compare(const ChannelDocument& before,
                                                              const ChannelDocument& after)
{
    std::vector<RecordChange> changes;
    auto compare = [&](RecordKind kind, int count) {
        for (int slot = 0; slot < count; ++slot) {
            RecordChange change;
            if (CompareRecord(kind, slot, before.Record(kind, slot), after.Record(kind, slot), {}, &change))
                changes.push_back(std::move(change));
        }
    };
    compare(RecordKind::Memory, ChannelDocument::MemorySlots);
    compare(RecordKind::Call, ChannelDocument::CallSlots);
    compare(RecordKind::Vfo, ChannelDocument::VfoSlots);
    compare(RecordKind::Dtmf, ChannelDocument::DtmfSlots);
    return changes;
}

std::string DocumentDiff::Line(const RecordChange& change)
{
    std::string line = change.label + ":";
    for (std::size_t n = 0; n < change.fields.size(); ++n) {
        const FieldChange& field = change.fields[n];
        line += n == 0 ? " " : ", ";
        // A VFO is no channel: it has a frequency or none ("VFO 3: 440.000 MHz → (none)").
        if (change.kind != RecordKind::Vfo || field.field != "channel")
            line += field.field + " ";
        line += field.before + " \u2192 " + field.after;
    }
    return line;
}
