#include "writepreview.h"

#include "recordlayout.h"
#include "recordtext.h"
#include "writeverification.h"

#include <algorithm>

namespace {

namespace Field = RecordLayout::ChannelField;

// The record with field n replaced by `value`.
std::string WithField(std::string_view record, int n, std::string_view value)
{
    RecordLayout::ChannelFields fields;
    for (int i = 0; i < Field::Count; ++i)
        fields[static_cast<std::size_t>(i)] = std::string(RecordText::Field(record, i));
    fields[static_cast<std::size_t>(n)] = std::string(value);
    return RecordLayout::Join(fields);
}

std::string Trimmed(std::string_view name)
{
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    return std::string(name);
}

std::string Plural(int count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

} // namespace

ChannelDocument WritePreview::AfterWrite(const ChannelDocument& file, const ChannelDocument& radio)
{
    ChannelDocument after = radio;
    const BandPlan& plan = radio.Plan();
    for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot) {
        std::string record = WriteVerification::AsRead(file, RecordKind::Memory, slot, plan);
        // A radio that pads names gives "AB    " back for "AB": the same
        // name on its display, so no change.
        const std::string_view now = radio.Record(RecordKind::Memory, slot);
        const std::string_view nameNow = RecordText::Field(now, Field::Name);
        if (!record.empty() && nameNow != RecordText::Field(record, Field::Name) &&
            Trimmed(nameNow) == Trimmed(RecordText::Field(record, Field::Name)))
            record = WithField(record, Field::Name, nameNow);
        after.StoreMemory(slot, record);
    }
    for (int slot = 0; slot < ChannelDocument::CallSlots; ++slot) {
        const std::string record = WriteVerification::AsRead(file, RecordKind::Call, slot, plan);
        if (!record.empty())
            after.StoreCall(slot, record);
    }
    for (int slot = 0; slot < ChannelDocument::VfoSlots; ++slot) {
        std::string record = WriteVerification::AsRead(file, RecordKind::Vfo, slot, plan);
        if (record.empty())
            continue;
        // No power in the file: the radio keeps its own.
        if (file.GetField(RecordKind::Vfo, slot, Field::Power).empty())
            record = WithField(record, Field::Power, radio.GetField(RecordKind::Vfo, slot, Field::Power));
        after.StoreVfo(slot, record);
    }
    for (int slot = 0; slot < ChannelDocument::DtmfSlots; ++slot) {
        const std::string record = WriteVerification::AsRead(file, RecordKind::Dtmf, slot, plan);
        if (!record.empty())
            after.StoreDtmf(slot, record);
    }
    return after;
}

WritePreview::Group WritePreview::GroupOf(const DocumentDiff::RecordChange& change)
{
    if (change.kind != RecordKind::Memory)
        return Group::Other;
    // DocumentDiff names a record that only one side has as one "channel"
    // field with "(none)" on the other side.
    const bool whole = change.fields.size() == 1 && change.fields[0].field == "channel";
    if (whole && change.fields[0].before == "(none)")
        return Group::Added;
    if (whole && change.fields[0].after == "(none)")
        return Group::Removed;
    return Group::Changed;
}

WritePreview::Result WritePreview::Build(const ChannelDocument& file, const ChannelDocument& radio)
{
    Result result;
    result.changes = DocumentDiff::Compare(radio, AfterWrite(file, radio));
    for (const DocumentDiff::RecordChange& change : result.changes) {
        switch (GroupOf(change)) {
        case Group::Added: ++result.added; break;
        case Group::Removed: ++result.removed; break;
        case Group::Changed: ++result.changed; break;
        case Group::Other: ++result.others; break;
        }
    }
    result.radioType = std::string(radio.Plan().RadioType());
    result.fileType = std::string(file.Plan().RadioType());
    result.typeDiffers = result.radioType != result.fileType;
    result.hasComment = !file.Comment().empty();
    result.findings = PlanCheck::CheckAgainst(file, radio.Plan());
    return result;
}

bool WritePreview::Result::NeedsConfirmation() const
{
    return typeDiffers || PlanCheck::HasErrors(findings);
}

std::vector<PlanCheck::Finding> WritePreview::Result::CannotHold() const
{
    std::vector<PlanCheck::Finding> errors;
    std::copy_if(findings.begin(), findings.end(), std::back_inserter(errors),
                 [](const PlanCheck::Finding& f) { return f.severity == PlanCheck::Severity::Error; });
    return errors;
}

std::string WritePreview::Result::CountLine() const
{
    if (NothingToChange())
        return "The radio already holds what this write sends: nothing changes.";
    std::string line = Plural(changed, "channel changes", "channels change") + ", " +
                       Plural(added, "is added", "are added") + ", " + Plural(removed, "is removed", "are removed");
    if (others > 0)
        line += "; " + Plural(others, "other record changes", "other records change") + " (VFO, CALL, DTMF)";
    return line + ".";
}

std::vector<std::string> WritePreview::Result::ChangeLines() const
{
    std::vector<std::string> lines;
    for (const DocumentDiff::RecordChange& change : changes)
        lines.push_back(DocumentDiff::Line(change));
    return lines;
}

std::vector<std::string> WritePreview::Result::RefusalLines() const
{
    std::vector<std::string> lines;
    if (typeDiffers)
        lines.push_back("The radio's type record is \"" + RecordText::ShowControls(radioType) +
                        "\"; the file was made for \"" + RecordText::ShowControls(fileType) + "\".");
    for (const PlanCheck::Finding& finding : CannotHold())
        lines.push_back(finding.label + ": " + finding.reason);
    return lines;
}
