#include "plancheck.h"

#include "channeldocument.h"
#include "documentdiff.h"
#include "frequencyrules.h"
#include "recordlayout.h"
#include "recordtext.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>

namespace PlanCheck {

namespace {

namespace Field = RecordLayout::ChannelField;
namespace Slot = RecordLayout::MemorySlot;

constexpr int kMostHz = 999999999;
constexpr std::int32_t kOffsetGridHz = 50000;
constexpr std::int32_t kMostOffsetHz = 29950000;
// The 800 MHz ranges the radio leaves out where the type says so.
constexpr BandPlan::MhzRange kExcludedRanges[] = {{824, 848}, {866, 893}};

struct Record {
    RecordKind kind;
    int slot;
};

// Every memory, CALL and VFO record that holds a channel, in the order the
// write sends them.
std::vector<Record> ChannelRecords(const ChannelDocument& doc)
{
    std::vector<Record> records;
    auto add = [&](RecordKind kind, int count) {
        for (int slot = 0; slot < count; ++slot)
            if (DocumentDiff::HasChannel(kind, doc.Record(kind, slot)))
                records.push_back({kind, slot});
    };
    add(RecordKind::Memory, ChannelDocument::MemorySlots);
    add(RecordKind::Call, ChannelDocument::CallSlots);
    add(RecordKind::Vfo, ChannelDocument::VfoSlots);
    return records;
}

std::optional<int> Hz(std::string_view text)
{
    return RecordText::DecimalValue(text, kMostHz);
}

std::string MhzDigits(int hz)
{
    char text[8];
    std::snprintf(text, sizeof text, "%03d", hz / 1000000);
    return text;
}

std::string Mhz(std::string_view text)
{
    return DocumentDiff::ValueText(RecordKind::Memory, Field::RxFrequency, text);
}

std::string Range(const BandPlan::MhzRange& range)
{
    return std::to_string(range.lower) + "-" + std::to_string(range.upper) + " MHz";
}

bool AreaExcludes(const BandPlan& plan)
{
    return plan.TypeFlag(6) == '2';
}

bool StepOffered(const BandPlan& plan, int band, int step)
{
    const char area = plan.TypeFlag(6);
    // The 800 MHz band of these radios tunes in 10, 12.5 kHz and coarser.
    if (band == 4 && (area == '1' || area == '2'))
        return step != 0 && step != 1 && step != 4;
    return true;
}

// One frequency of a record: its band, or nothing (and a finding) when the
// radio cannot tune it.
std::optional<int> FrequencyBand(const BandPlan& plan, const std::string& label, const char* what,
                                 std::string_view text, std::vector<Finding>& out)
{
    const std::optional<int> hz = Hz(text);
    if (!hz) {
        out.push_back({Severity::Error, label,
                       std::string(what) + " \"" + RecordText::ShowControls(text) + "\" is not a frequency"});
        return std::nullopt;
    }
    const int mhz = *hz / 1000000;
    const int band = plan.BandOf(MhzDigits(*hz));
    const BandPlan::MhzRange limits = plan.Limits(band);
    if (mhz < limits.lower || mhz > limits.upper) {
        out.push_back({Severity::Error, label,
                       std::string(what) + " " + Mhz(text) + " is outside the radio's " + plan.BandName(band) +
                           " band (" + Range(limits) + ")"});
        return std::nullopt;
    }
    if (band == 4 && AreaExcludes(plan))
        for (const BandPlan::MhzRange& range : kExcludedRanges)
            if (mhz >= range.lower && mhz <= range.upper) {
                out.push_back({Severity::Error, label,
                               std::string(what) + " " + Mhz(text) + " lies in " + Range(range) +
                                   ", which this radio leaves out"});
                return std::nullopt;
            }
    return band;
}

void CheckStep(const BandPlan& plan, const std::string& label, int band, std::string_view text,
               std::vector<Finding>& out)
{
    if (text.empty())
        return;
    const std::optional<int> step =
        RecordText::DecimalValue(text, static_cast<int>(FrequencyRules::StepTable.size()) - 1);
    if (!step || text.size() != 1)
        out.push_back(
            {Severity::Error, label, "step \"" + RecordText::ShowControls(text) + "\" is no step of the radio"});
    else if (!StepOffered(plan, band, *step))
        out.push_back({Severity::Error, label,
                       "the " + plan.BandName(band) + " band does not offer the " +
                           FrequencyRules::StepNames[static_cast<std::size_t>(*step)] + " step"});
}

bool IsRepeaterShift(std::string_view shift)
{
    return shift == "1" || shift == "2";
}

std::string TrimmedName(std::string_view name)
{
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    return std::string(name);
}

} // namespace

std::vector<Finding> RecordsOutsideRadio(const ChannelDocument& doc, const BandPlan& radio)
{
    std::vector<Finding> out;
    for (const Record& r : ChannelRecords(doc)) {
        const std::string label = DocumentDiff::Label(r.kind, r.slot);
        auto field = [&](int n) { return doc.GetField(r.kind, r.slot, n); };
        const std::optional<int> band = FrequencyBand(radio, label, "frequency", field(Field::RxFrequency), out);
        if (!band)
            continue;
        CheckStep(radio, label, *band, field(Field::Step), out);
        const std::string tx = field(Field::TxFrequency);
        if (!tx.empty())
            if (const std::optional<int> txBand = FrequencyBand(radio, label, "transmit frequency", tx, out))
                CheckStep(radio, label, *txBand, field(Field::TxStep), out);
        const std::string offset = field(Field::Offset);
        if (!offset.empty()) {
            const std::optional<int> hz = RecordText::DecimalValue(offset, kMostHz);
            if (!hz || offset.size() > 9 || *hz % kOffsetGridHz != 0 || *hz > kMostOffsetHz)
                out.push_back({Severity::Error, label,
                               "offset " + DocumentDiff::ValueText(r.kind, Field::Offset, offset) +
                                   " is not offered (50 kHz steps up to 29.95 MHz)"});
        }
        if (field(Field::Shift) == "3" && !FrequencyRules::Minus76Enabled(radio, *band))
            out.push_back(
                {Severity::Error, label, "the " + radio.BandName(*band) + " band of this radio has no -7.6 MHz shift"});
    }
    return out;
}

std::vector<Finding> ScanEdgePairs(const ChannelDocument& doc)
{
    std::vector<Finding> out;
    const BandPlan& plan = doc.Plan();
    for (int lower = Slot::FirstScanEdge; lower < Slot::LastScanEdge; lower += 2) {
        const int upper = lower + 1;
        const std::string lowerLabel = RecordText::ChannelLabel(lower);
        const std::string upperLabel = RecordText::ChannelLabel(upper);
        const bool hasLower = DocumentDiff::HasChannel(RecordKind::Memory, doc.Record(RecordKind::Memory, lower));
        const bool hasUpper = DocumentDiff::HasChannel(RecordKind::Memory, doc.Record(RecordKind::Memory, upper));
        if (hasLower != hasUpper) {
            out.push_back({Severity::Warning, hasLower ? lowerLabel : upperLabel,
                           (hasLower ? upperLabel : lowerLabel) + " is empty: a program scan needs both edges"});
            continue;
        }
        if (!hasLower)
            continue;
        const std::string lowText = doc.GetField(RecordKind::Memory, lower, Field::RxFrequency);
        const std::string highText = doc.GetField(RecordKind::Memory, upper, Field::RxFrequency);
        const std::optional<int> low = Hz(lowText);
        const std::optional<int> high = Hz(highText);
        if (!low || !high)
            continue;
        const int lowBand = plan.BandOf(MhzDigits(*low));
        const int highBand = plan.BandOf(MhzDigits(*high));
        if (lowBand != highBand)
            out.push_back({Severity::Warning, lowerLabel,
                           lowerLabel + " and " + upperLabel + " lie in different bands (" + plan.BandName(lowBand) +
                               ", " + plan.BandName(highBand) + ")"});
        else if (*low > *high)
            out.push_back(
                {Severity::Warning, lowerLabel,
                 "the lower edge " + Mhz(lowText) + " lies above the upper edge " + upperLabel + " " + Mhz(highText)});
    }
    return out;
}

std::vector<Finding> DuplicateChannels(const ChannelDocument& doc)
{
    std::vector<Finding> out;
    std::map<std::string, int> first;
    for (int slot = Slot::FirstChannel; slot <= Slot::LastChannel; ++slot) {
        const std::string_view record = doc.Record(RecordKind::Memory, slot);
        if (!DocumentDiff::HasChannel(RecordKind::Memory, record))
            continue;
        const std::size_t comma = record.find(',');
        const std::string fields(record.substr(comma == std::string_view::npos ? record.size() : comma));
        const auto [seen, added] = first.emplace(fields, slot);
        if (!added)
            out.push_back({Severity::Warning, RecordText::ChannelLabel(slot),
                           "the same channel as " + RecordText::ChannelLabel(seen->second) + " in every field"});
    }
    return out;
}

std::vector<Finding> SharedNames(const ChannelDocument& doc)
{
    std::vector<Finding> out;
    std::map<std::string, int> first;
    for (int slot = Slot::FirstChannel; slot <= Slot::LastChannel; ++slot) {
        if (!DocumentDiff::HasChannel(RecordKind::Memory, doc.Record(RecordKind::Memory, slot)))
            continue;
        const std::string name = TrimmedName(doc.GetField(RecordKind::Memory, slot, Field::Name));
        if (name.find_first_not_of(' ') == std::string::npos)
            continue;
        const auto [seen, added] = first.emplace(name, slot);
        if (added)
            continue;
        const std::string here = doc.GetField(RecordKind::Memory, slot, Field::RxFrequency);
        const std::string there = doc.GetField(RecordKind::Memory, seen->second, Field::RxFrequency);
        if (Hz(here) != Hz(there) || !Hz(here))
            out.push_back({Severity::Warning, RecordText::ChannelLabel(slot),
                           "named \"" + RecordText::ShowControls(name) + "\" as " +
                               RecordText::ChannelLabel(seen->second) + ", on another frequency (" + Mhz(here) +
                               ", not " + Mhz(there) + ")"});
    }
    return out;
}

std::vector<Finding> ScanAndPriority(const ChannelDocument& doc)
{
    std::vector<Finding> out;
    int channels = 0;
    int lockedOut = 0;
    for (int slot = Slot::FirstChannel; slot <= Slot::LastChannel; ++slot) {
        if (!DocumentDiff::HasChannel(RecordKind::Memory, doc.Record(RecordKind::Memory, slot)))
            continue;
        ++channels;
        if (doc.GetField(RecordKind::Memory, slot, Field::Lockout) == "1")
            ++lockedOut;
    }
    if (channels == 0)
        return out;
    if (lockedOut == channels)
        out.push_back({Severity::Warning,
                       RecordText::ChannelLabel(Slot::FirstChannel) + "-" + RecordText::ChannelLabel(Slot::LastChannel),
                       "every memory channel is locked out: a memory scan finds nothing"});
    if (!DocumentDiff::HasChannel(RecordKind::Memory, doc.Record(RecordKind::Memory, Slot::Priority)))
        out.push_back({Severity::Warning, RecordText::ChannelLabel(Slot::Priority),
                       "the priority channel is empty while there are memory channels"});
    return out;
}

std::vector<Finding> UnusualOffsets(const ChannelDocument& doc)
{
    std::vector<Finding> out;
    const BandPlan& plan = doc.Plan();
    for (const Record& r : ChannelRecords(doc)) {
        if (!IsRepeaterShift(doc.GetField(r.kind, r.slot, Field::Shift)))
            continue;
        const std::string offset = doc.GetField(r.kind, r.slot, Field::Offset);
        const std::optional<int> hz = RecordText::DecimalValue(offset, kMostHz);
        const std::optional<int> rx = Hz(doc.GetField(r.kind, r.slot, Field::RxFrequency));
        if (!hz || !rx)
            continue;
        const int band = plan.BandOf(MhzDigits(*rx));
        const std::string usual = plan.DefaultOffsetRecord(doc.GetField(r.kind, r.slot, Field::RxFrequency));
        if (RecordText::DecimalValue(usual, kMostHz) == hz)
            continue;
        out.push_back({Severity::Info, DocumentDiff::Label(r.kind, r.slot),
                       "repeater offset " + RecordText::FormatOffset(offset) + " MHz; the " + plan.BandName(band) +
                           " band's usual offset is " + RecordText::FormatOffset(usual) + " MHz"});
    }
    return out;
}

std::vector<Finding> CheckAll(const ChannelDocument& doc)
{
    return CheckAgainst(doc, doc.Plan());
}

std::vector<Finding> CheckAgainst(const ChannelDocument& doc, const BandPlan& radio)
{
    std::vector<Finding> all;
    for (std::vector<Finding> part : {RecordsOutsideRadio(doc, radio), ScanEdgePairs(doc), DuplicateChannels(doc),
                                      SharedNames(doc), ScanAndPriority(doc), UnusualOffsets(doc)})
        all.insert(all.end(), part.begin(), part.end());
    std::stable_sort(all.begin(), all.end(),
                     [](const Finding& a, const Finding& b) { return a.severity > b.severity; });
    return all;
}

std::string SeverityName(Severity severity)
{
    switch (severity) {
    case Severity::Error: return "error";
    case Severity::Warning: return "warning";
    default: return "info";
    }
}

std::string Line(const Finding& finding)
{
    return SeverityName(finding.severity) + ": " + finding.label + ": " + finding.reason;
}

bool HasErrors(const std::vector<Finding>& findings)
{
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& f) { return f.severity == Severity::Error; });
}

bool HasWarnings(const std::vector<Finding>& findings)
{
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& f) { return f.severity == Severity::Warning; });
}

} // namespace PlanCheck
