#include "writeverification.h"

#include "documentdiff.h"
#include "fixedtext.h"
#include "radioprotocol.h"
#include "recordtext.h"

namespace {

using RadioProtocol::SendableField;

std::string Fields(const ChannelDocument& doc, RecordKind kind, int slot, int first, int last)
{
    std::string out;
    for (int n = first; n <= last; ++n) {
        if (n > first)
            out += ',';
        out += SendableField(doc, kind, slot, n);
    }
    return out;
}

// A reply as the read keeps it: cut to its buffer.
std::string Reply(const std::string& text)
{
    return RadioProtocol::ReplyText(text, 0);
}

// Whether the write sends anything for the record.
bool Sent(const ChannelDocument& doc, RecordKind kind, int slot)
{
    if (kind == RecordKind::Memory)
        return true;
    return !SendableField(doc, kind, slot, 1).empty();
}

// Some radios pad a short name with blanks when they give it back; "AB"
// and "AB    " are the same name on the display.
std::string WithoutNamePadding(std::string_view record)
{
    std::size_t start = 0;
    for (int comma = 0; comma < 17; ++comma) {
        start = record.find(',', start);
        if (start == std::string_view::npos)
            return std::string(record);
        ++start;
    }
    std::size_t end = record.find(',', start);
    if (end == std::string_view::npos)
        end = record.size();
    std::size_t trimmed = end;
    while (trimmed > start && record[trimmed - 1] == ' ')
        --trimmed;
    return std::string(record.substr(0, trimmed)) + std::string(record.substr(end));
}

std::vector<int> ComparedFields(const ChannelDocument& written, RecordKind kind, int slot)
{
    switch (kind) {
    case RecordKind::Memory: return {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 17};
    case RecordKind::Call: return {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14, 15};
    case RecordKind::Vfo: {
        std::vector<int> fields = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
        // "PC n," goes out after VFO slots 1 and 3; with no power in the
        // document the radio keeps its own, which is no failure.
        if ((slot == 1 || slot == 3) && !SendableField(written, kind, slot, 16).empty())
            fields.push_back(16);
        return fields;
    }
    default: return {0, 1};
    }
}

} // namespace

std::string WriteVerification::AsRead(const ChannelDocument& doc, RecordKind kind, int slot, const BandPlan& plan)
{
    FixedText<100> record;
    switch (kind) {
    case RecordKind::Memory: {
        if (SendableField(doc, kind, slot, 1).empty())
            return {};
        const std::string main = Reply(RadioProtocol::SlotLabel(slot) + "," + Fields(doc, kind, slot, 1, 12));
        record.Assign(RadioProtocol::MemoryRecordStart(main, plan));
        const std::string tx = SendableField(doc, kind, slot, 14);
        record.Append(RadioProtocol::MemoryTransmitPart(
            slot, tx.empty() ? std::string() : Reply(tx + "," + SendableField(doc, kind, slot, 15))));
        record.Append(RadioProtocol::MemoryNamePart(slot, Reply(SendableField(doc, kind, slot, 17))));
        break;
    }
    case RecordKind::Call: {
        if (!Sent(doc, kind, slot))
            return {};
        record.Assign(RadioProtocol::CallRecordStart(slot, Reply(Fields(doc, kind, slot, 1, 11)), plan));
        const std::string tx = SendableField(doc, kind, slot, 14);
        record.Append(RadioProtocol::CallTransmitPart(
            tx.empty() ? std::string() : Reply(tx + "," + SendableField(doc, kind, slot, 15))));
        break;
    }
    case RecordKind::Vfo: {
        if (!Sent(doc, kind, slot))
            return {};
        const std::string text = Reply(Fields(doc, kind, slot, 0, 11));
        if (slot == 1 || slot == 3)
            record.Assign(RadioProtocol::VfoRecordWithPower(text, Reply(SendableField(doc, kind, slot, 16))));
        else
            record.Assign(RadioProtocol::VfoRecord(text));
        break;
    }
    case RecordKind::Dtmf: {
        if (!Sent(doc, kind, slot))
            return {};
        FixedText<20> dtmf;
        dtmf.Assign(RadioProtocol::DtmfFromRadio(Reply(SendableField(doc, kind, slot, 0) + "," +
                                                       RadioProtocol::DtmfToRadio(SendableField(doc, kind, slot, 1)))));
        return std::string(dtmf.View());
    }
    default: return {};
    }
    return std::string(record.View());
}

WriteVerification::Result WriteVerification::Compare(const ChannelDocument& written, const ChannelDocument& readBack)
{
    const BandPlan& plan = readBack.Plan();
    Result result;
    auto compare = [&](RecordKind kind, int count) {
        for (int slot = 0; slot < count; ++slot) {
            if (!Sent(written, kind, slot))
                continue;
            ++result.recordsCompared;
            DocumentDiff::RecordChange change;
            if (!DocumentDiff::CompareRecord(kind, slot, WithoutNamePadding(AsRead(written, kind, slot, plan)),
                                             WithoutNamePadding(AsRead(readBack, kind, slot, plan)),
                                             ComparedFields(written, kind, slot), &change))
                continue;
            for (const DocumentDiff::FieldChange& field : change.fields)
                result.differences.push_back({change.label, field.field, field.before, field.after});
        }
    };
    compare(RecordKind::Memory, ChannelDocument::MemorySlots);
    compare(RecordKind::Call, ChannelDocument::CallSlots);
    compare(RecordKind::Vfo, ChannelDocument::VfoSlots);
    compare(RecordKind::Dtmf, ChannelDocument::DtmfSlots);
    return result;
}

std::string WriteVerification::Result::Verdict() const
{
    if (Confirmed())
        return "Verified: every channel confirmed (" + std::to_string(recordsCompared) +
               (recordsCompared == 1 ? " record" : " records") + " compared).";
    const std::size_t count = differences.size();
    return "Verification failed: " + std::to_string(count) + (count == 1 ? " difference" : " differences") +
           " between the file and the radio:";
}

std::vector<std::string> WriteVerification::Result::Lines() const
{
    std::vector<std::string> lines;
    for (const Difference& d : differences)
        lines.push_back(d.label + ": " + d.field + ": written " + d.written + ", read back " + d.readBack);
    return lines;
}
