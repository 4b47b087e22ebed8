#include "csvexport.h"

#include "csvimport.h"
#include "csvtable.h"
#include "documentdiff.h"
#include "frequencyrules.h"
#include "recordtext.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string_view>

namespace {

using RecordText::MhzText;

// Whole digit texts only: a record field with anything else in it is not
// a number the radio would take, and guessing would put a wrong channel in
// the file.
std::optional<std::int64_t> DigitsValue(std::string_view digits)
{
    return RecordText::DigitsValue(digits, 12);
}

// "88.5Hz" -> "88.5"
std::string ToneText(int index)
{
    std::string name = FrequencyRules::ToneNames[static_cast<std::size_t>(index)];
    name.resize(name.size() - 2);
    return name;
}

std::string KhzText(std::int32_t hz)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d.%02d", hz / 1000, hz % 1000 / 10);
    return buf;
}

} // namespace

CsvExport::Result CsvExport::Write(const ChannelDocument& doc)
{
    using RecordText::Field;
    Result result;
    result.text = Header;
    result.text += "\r\n";

    for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot) {
        const std::string_view record = doc.Record(RecordKind::Memory, slot);
        const std::string_view rxField = Field(record, 1);
        if (rxField.empty())
            continue;
        const std::string label = RecordText::ChannelLabel(slot);
        auto note = [&](const std::string& text) { result.notes.push_back(label + ": " + text); };

        const auto rx = DigitsValue(rxField);
        if (!rx || *rx == 0) {
            note("left out: the frequency \"" + std::string(rxField) + "\" is not a frequency in Hz");
            continue;
        }

        std::string duplex;
        std::string offset;
        const std::string_view shift = Field(record, 3);
        const std::string_view txField = Field(record, 14);
        const auto offsetHz = DigitsValue(Field(record, 11));
        if (shift == "3") {
            duplex = "-";
            offset = MhzText(7600000);
        } else if (shift == "1" || shift == "2") {
            duplex = shift == "1" ? "+" : "-";
            offset = MhzText(offsetHz.value_or(0));
            if (!offsetHz)
                note("the offset \"" + std::string(Field(record, 11)) + "\" is not a number; 0 written");
        } else if (!txField.empty()) {
            const auto tx = DigitsValue(txField);
            if (tx && *tx > 0) {
                duplex = "split";
                offset = MhzText(*tx);
            } else {
                offset = MhzText(offsetHz.value_or(0));
                note("the transmit frequency \"" + std::string(txField) + "\" is not a frequency; written as simplex");
            }
        } else {
            offset = MhzText(offsetHz.value_or(0));
        }
        if (Field(record, 4) == "1")
            note("reverse is on; the CSV layout has no column for it");

        // The tone squelch sends its tone too, so it is the mode to name when
        // a record has both flags.
        const std::string tone = Field(record, 6) == "1" ? "TSQL" : Field(record, 5) == "1" ? "Tone" : "";

        auto toneOf = [&](int field, const char* what) {
            const std::string_view code = Field(record, field);
            const auto value = RecordText::DecimalValue(code, 39);
            if (!code.empty() && (!value || *value < 1))
                note(std::string("the ") + what + " code \"" + std::string(code) + "\" is unknown; 88.5 written");
            return ToneText(FrequencyRules::ToneIndex(code));
        };
        const std::string rTone = toneOf(8, "tone");
        const std::string cTone = toneOf(10, "CTCSS");

        const auto stepIndex = RecordText::DecimalValue(Field(record, 2), 9);
        std::string step;
        if (stepIndex) {
            step = KhzText(FrequencyRules::StepTable[static_cast<std::size_t>(*stepIndex)]);
        } else {
            step = KhzText(FrequencyRules::StepTable[0]);
            note("the step \"" + std::string(Field(record, 2)) + "\" is unknown; 5.00 kHz written");
        }

        // Names the radio shows are ASCII; anything else in a damaged file
        // is no UTF-8 a spreadsheet could read.
        std::string name;
        const std::string_view stored = Field(record, 17);
        for (char c : stored) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 0x20 && byte < 0x7F)
                name += c;
        }
        if (name.size() != stored.size())
            note("the name holds characters other than ASCII; written as \"" + name + "\"");

        result.text += CsvTable::FormatRow({
            std::to_string(slot),
            name,
            MhzText(*rx),
            duplex,
            offset,
            tone,
            rTone,
            cTone,
            "023",
            "NN",
            "023",
            "Tone->Tone",
            *rx < 136000000 ? "AM" : "FM",
            step,
            Field(record, 12) == "1" ? "S" : "",
            "",
            "",
            "",
            "",
            "",
            "",
        });
        ++result.channels;
    }
    NameWhatAnImportChanges(doc, &result);
    return result;
}

// The layout has no column for some of what a record holds: a split
// channel's transmit step and its hidden offset, a shifted channel's hidden
// transmit frequency. Reading the written text back as an import would shows
// exactly what would not come back; each such field is named, so nothing is
// lost in silence. Other fields an import would change (a name with
// characters the name box refuses) are named only where the channel has no
// note of its own above; reverse has one always.
void CsvExport::NameWhatAnImportChanges(const ChannelDocument& doc, Result* result)
{
    using namespace RecordLayout;
    const CsvImport::Result again = CsvImport::Read(result->text, doc.Plan());
    std::vector<std::pair<int, std::string>> notes; // slot, note
    for (const std::string& note : result->notes)
        notes.emplace_back(RecordText::SlotOfLabel(note.substr(0, note.find(':'))).value_or(0), note);
    const std::size_t own = notes.size();
    for (const CsvImport::Channel& channel : again.channels) {
        const std::string label = RecordText::ChannelLabel(channel.slot);
        bool noted = false;
        for (std::size_t i = 0; i < own; ++i)
            noted = noted || notes[i].first == channel.slot;
        const std::string_view stored = doc.Record(RecordKind::Memory, channel.slot);
        for (int n = ChannelField::RxFrequency; n < ChannelField::Count; ++n) {
            const std::string_view before = RecordText::Field(stored, n);
            const std::string_view after = RecordText::Field(channel.record, n);
            const bool hidden =
                n == ChannelField::Offset || n == ChannelField::TxFrequency || n == ChannelField::TxStep;
            if (before == after || n == ChannelField::Reverse || (!hidden && noted))
                continue;
            auto shown = [n](std::string_view value) {
                return value.empty() ? std::string("(empty)") : DocumentDiff::ValueText(RecordKind::Memory, n, value);
            };
            const std::string field = DocumentDiff::FieldName(RecordKind::Memory, n);
            notes.emplace_back(
                channel.slot,
                label + (hidden ? ": the " + field + " " + shown(before) +
                                      " has no column in the CSV layout; an import gives " + shown(after)
                                : ": an import gives the " + field + " " + shown(after) + " for " + shown(before)));
        }
    }
    std::stable_sort(notes.begin(), notes.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    result->notes.clear();
    for (auto& note : notes)
        result->notes.push_back(std::move(note.second));
}
