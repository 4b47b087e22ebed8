#include "csvimport.h"

#include "csvtable.h"
#include "documentdiff.h"
#include "frequencyrules.h"
#include "recordlayout.h"
#include "recordtext.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <utility>

namespace {

using FrequencyRules::StepTable;
using FrequencyRules::ToneNames;
using RecordText::MhzText;
using RecordText::ShowControls;

constexpr int kDefaultTone = 7; // 88.5 Hz, what such tools write for "no tone"

std::string Trim(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

std::string Upper(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return text;
}

// A decimal text ("146.52", "12.50", "88.5") in units of 10^-decimals:
// exact integer arithmetic, no floating point. Digits beyond `decimals`
// are dropped; *exact tells whether any of them was not 0.
std::optional<std::int64_t> Scaled(std::string_view text, int decimals, bool* exact = nullptr)
{
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    std::int64_t value = 0;
    if (!whole.empty()) {
        const auto digits = RecordText::DigitsValue(whole, 9);
        if (!digits)
            return std::nullopt;
        value = *digits;
    }
    bool dropped = false;
    for (int n = 0; n < static_cast<int>(fraction.size()); ++n) {
        const char c = fraction[static_cast<std::size_t>(n)];
        if (c < '0' || c > '9')
            return std::nullopt;
        if (n < decimals)
            value = value * 10 + (c - '0');
        else
            dropped = dropped || c != '0';
    }
    for (int n = static_cast<int>(fraction.size()); n < decimals; ++n)
        value *= 10;
    if (exact)
        *exact = !dropped;
    return value;
}

// A step in Hz as the report shows it; a value past any step a radio could
// have is shown as it was typed (`typed` in kHz).
std::string Khz(std::int64_t hz, std::string_view typed = {})
{
    for (std::size_t i = 0; i < StepTable.size(); ++i)
        if (StepTable[i] == hz)
            return FrequencyRules::StepNames[i];
    constexpr std::int64_t kShownUpTo = 1000000000;
    if ((hz < 0 || hz >= kShownUpTo) && !typed.empty())
        return std::string(typed) + "kHz";
    char buf[48];
    std::snprintf(buf, sizeof buf, "%lld.%03lldkHz", static_cast<long long>(hz / 1000),
                  static_cast<long long>(hz % 1000));
    return buf;
}

std::string ToneText(int index)
{
    std::string name = ToneNames[static_cast<std::size_t>(index)];
    name.insert(name.size() - 2, " ");
    return name;
}

// The tone list in hundredths of a hertz, read once.
const std::array<std::int64_t, 38>& CentiHzTones()
{
    static const std::array<std::int64_t, 38> tones = [] {
        std::array<std::int64_t, 38> t{};
        for (std::size_t i = 0; i < ToneNames.size(); ++i) {
            const std::string_view name(ToneNames[i]);
            t[i] = *Scaled(name.substr(0, name.size() - 2), 2);
        }
        return t;
    }();
    return tones;
}

// Tone list index nearest to a tone in hundredths of a hertz; a tie goes to
// the lower tone.
int NearestTone(std::int64_t centiHz)
{
    const auto& tones = CentiHzTones();
    int best = 0;
    for (std::size_t i = 1; i < tones.size(); ++i)
        if (std::llabs(tones[i] - centiHz) < std::llabs(tones[static_cast<std::size_t>(best)] - centiHz))
            best = static_cast<int>(i);
    return best;
}

std::optional<int> StepIndexOf(std::int64_t hz)
{
    for (std::size_t i = 0; i < StepTable.size(); ++i)
        if (StepTable[i] == hz)
            return static_cast<int>(i);
    return std::nullopt;
}

// The columns of the layout that the radio has no place for; a file that
// fills them is told so once.
const char* const kUnkeptColumns[] = {"POWER", "COMMENT", "URCALL", "RPT1CALL", "RPT2CALL", "DVCODE"};

// Columns this reader looks at or knows to be of no use to the radio.
const char* const kKnownColumns[] = {"LOCATION",   "NAME",      "FREQUENCY", "DUPLEX",   "OFFSET",
                                     "TONE",       "RTONEFREQ", "CTONEFREQ", "DTCSCODE", "DTCSPOLARITY",
                                     "RXDTCSCODE", "CROSSMODE", "MODE",      "TSTEP",    "SKIP"};

class RowReader
{
public:
    // `decimalComma`: the file's separator is no comma, so a comma in a
    // number is its decimal mark, as spreadsheets of many locales write it.
    RowReader(const std::map<std::string, std::size_t, std::less<>>& columns, const BandPlan& plan, bool decimalComma)
        : m_columns(columns), m_plan(plan), m_decimalComma(decimalComma)
    {
    }

    // Builds the record of one row; false with the reason in m_skip when
    // the row cannot become a channel.
    bool Read(const CsvTable::Row& row)
    {
        m_row = &row;
        m_changes.clear();
        m_skip.clear();
        m_label.clear();
        m_empty = false;
        return ReadRow();
    }

    int Slot() const { return m_slot; }
    const std::string& Label() const { return m_label; }
    const std::string& Record() const { return m_record; }
    bool Empty() const { return m_empty; }
    const std::string& SkipReason() const { return m_skip; }
    const std::vector<std::string>& Changes() const { return m_changes; }

private:
    std::string Get(const char* column) const
    {
        const auto it = m_columns.find(column);
        if (it == m_columns.end() || it->second >= m_row->fields.size())
            return {};
        std::string text = Trim(m_row->fields[it->second]);
        if (m_decimalComma)
            for (char& c : text)
                if (c == ',')
                    c = '.';
        return text;
    }

    // A quoted name keeps its blanks at either end: the radio shows them
    // (and pads names with blanks of its own), and an export quotes a name
    // that begins or ends with one so that it comes back as it was.
    bool NameQuoted() const
    {
        const auto it = m_columns.find("NAME");
        return it != m_columns.end() && it->second < m_row->quoted.size() && m_row->quoted[it->second];
    }

    std::string Name() const
    {
        const auto it = m_columns.find("NAME");
        if (it == m_columns.end() || it->second >= m_row->fields.size())
            return {};
        const std::string& text = m_row->fields[it->second];
        return NameQuoted() ? text : Trim(text);
    }

    bool Skip(std::string reason)
    {
        m_skip = std::move(reason);
        return false;
    }

    void Changed(std::string what) { m_changes.push_back(std::move(what)); }

    struct FittedFrequency {
        std::int32_t hz = 0;
        int band = 0;
        int step = 0;
    };

    // A frequency text in MHz fitted to its band and a step; false (with
    // the skip reason set) when the radio has no band for it.
    bool Frequency(const std::string& text, const char* what, const std::optional<int>& givenStep, FittedFrequency* out)
    {
        if (text.empty())
            return Skip(std::string("no ") + what);
        bool exact = true;
        const auto hz = Scaled(text, 6, &exact);
        if (!hz)
            return Skip(std::string(what) + " \"" + text + "\" is not a number");
        if (*hz >= 1000000000)
            return Skip(std::string(what) + " " + text + " MHz is outside the radio's bands");
        const auto f = static_cast<std::int32_t>(*hz);
        const int band = m_plan.BandOf(FrequencyRules::RecordFrequency(f).substr(2));
        const BandPlan::MhzRange limits = m_plan.Limits(band);
        const int mhz = f / 1000000;
        if (mhz < limits.lower || mhz > limits.upper)
            return Skip(std::string(what) + " " + MhzText(f) + " MHz is outside the radio's bands");
        if (band == 4 && m_plan.TypeFlag(6) == '2' && ((mhz >= 824 && mhz <= 848) || (mhz >= 866 && mhz <= 893)))
            return Skip(std::string(what) + " " + MhzText(f) + " MHz is in a range this radio leaves out");

        // The step of the file (or the one the band uses in its place) when
        // the frequency lies on it; else the coarsest step the band offers
        // that the frequency lies on, which keeps the frequency as it is.
        auto onStep = [f](int i) { return f % StepTable[static_cast<std::size_t>(i)] == 0; };
        int step = -1;
        if (givenStep) {
            const int used = FrequencyRules::FitToBand(f, band, *givenStep, m_plan).stepIndex;
            if (onStep(used))
                step = used;
        }
        for (int i = static_cast<int>(StepTable.size()) - 1; step < 0 && i >= 0; --i)
            if (onStep(i) && FrequencyRules::FitToBand(f, band, i, m_plan).stepIndex == i)
                step = i;
        if (step < 0)
            step = givenStep ? *givenStep : m_plan.DefaultStepIndex(band);

        const FrequencyRules::Fit fit = FrequencyRules::FitToBand(f, band, step, m_plan);
        if (fit.rounded || !exact)
            Changed(std::string(what) + " " + text + " MHz stored as " + MhzText(fit.frequency) + " MHz");
        out->hz = fit.frequency;
        out->band = band;
        out->step = fit.stepIndex;
        return true;
    }

    // Tone list index of a tone column; an empty column is the default tone.
    int Tone(const char* column, const char* what)
    {
        const std::string text = Get(column);
        if (text.empty())
            return kDefaultTone;
        bool exact = true;
        const auto centiHz = Scaled(text, 2, &exact);
        if (!centiHz) {
            Changed(std::string(what) + " \"" + text + "\" is not a number; " + ToneText(kDefaultTone) + " stored");
            return kDefaultTone;
        }
        const int index = NearestTone(*centiHz);
        if (!exact || CentiHzTones()[static_cast<std::size_t>(index)] != *centiHz)
            Changed(std::string(what) + " " + text + " Hz stored as " + ToneText(index));
        return index;
    }

    bool ReadRow()
    {
        const std::string location = Get("LOCATION");
        if (location.empty())
            return Skip("no location");
        std::optional<int> slot;
        if (location.find_first_not_of("0123456789") == std::string::npos) {
            slot = RecordText::DecimalValue(location, 220);
            if (!slot)
                return Skip("location " + location + " is outside 0..220");
        } else {
            slot = RecordText::SlotOfLabel(Upper(location));
            if (!slot)
                return Skip("location \"" + location + "\" is not a channel number");
        }
        m_slot = *slot;
        m_label = RecordText::ChannelLabel(m_slot);

        const std::string frequencyText = Get("FREQUENCY");
        if (frequencyText.empty())
            return Skip("no frequency");
        const auto rxHz = Scaled(frequencyText, 6);
        if (rxHz && *rxHz == 0) {
            m_empty = true;
            return false;
        }

        const std::string mode = Upper(Get("MODE"));
        const bool fmMode = mode == "FM" || mode == "NFM" || mode == "WFM";
        if (!mode.empty() && !fmMode && mode != "AM")
            return Skip("mode " + mode + " is not available on this radio");

        std::optional<int> givenStep;
        const std::string stepText = Get("TSTEP");
        std::optional<std::int64_t> stepHz;
        if (!stepText.empty()) {
            stepHz = Scaled(stepText, 3);
            if (stepHz)
                givenStep = StepIndexOf(*stepHz);
        }

        FittedFrequency rx;
        if (!Frequency(frequencyText, "frequency", givenStep, &rx))
            return false;

        // The radio picks the mode by band: AM below 136 MHz, FM above.
        const bool radioAm = rx.hz < 136000000;
        if ((mode == "AM" && !radioAm) || (fmMode && radioAm) || mode == "NFM" || mode == "WFM")
            Changed("mode " + mode + ": the radio uses " + (radioAm ? "AM" : "FM") + " here");

        const std::string duplex = Upper(Get("DUPLEX"));
        const std::string offsetText = Get("OFFSET");
        std::string shift = "0";
        std::int32_t offset = 0;
        FittedFrequency tx;
        bool split = false;
        if (duplex == "SPLIT") {
            if (!Frequency(offsetText, "transmit frequency", givenStep, &tx))
                return false;
            split = true;
            offset = 0;
        } else if (duplex.empty() || duplex == "+" || duplex == "-") {
            // An empty offset box shows the band's usual shift in the
            // editor; an import that names no offset gets the same.
            const std::int32_t usual = BandPlan::EditorOffsetHz(rx.band);
            bool offsetExact = true;
            const auto exactHz = Scaled(offsetText, 6, &offsetExact);
            const auto normal = FrequencyRules::NormalizeOffset(offsetText);
            if (offsetText.empty()) {
                offset = usual;
                if (!duplex.empty())
                    Changed("no offset given; " + MhzText(usual) + " MHz stored");
            } else if (!exactHz || !normal) {
                if (!duplex.empty())
                    return Skip("offset \"" + offsetText + "\" is not a number");
                offset = usual;
                Changed("offset \"" + offsetText + "\" is not a number; " + MhzText(usual) + " MHz stored");
            } else {
                offset = *normal;
                if (*exactHz != *normal || !offsetExact)
                    Changed("offset " + offsetText + " MHz stored as " + MhzText(*normal) + " MHz");
            }
            if (duplex == "+")
                shift = "1";
            else if (duplex == "-")
                shift = exactHz && *exactHz == 7600000 && FrequencyRules::Minus76Enabled(m_plan, rx.band) ? "3" : "2";
        } else if (duplex == "OFF") {
            return Skip("duplex \"off\" (transmit inhibited) is not available on this radio");
        } else {
            return Skip("duplex \"" + Get("DUPLEX") + "\" is unknown");
        }

        if (!stepText.empty()) {
            const std::int32_t used = StepTable[static_cast<std::size_t>(rx.step)];
            if (!stepHz)
                Changed("step \"" + stepText + "\" is not a number; " + Khz(used) + " used");
            else if (*stepHz != used)
                Changed("step " + Khz(*stepHz, stepText) + " stored as " + Khz(used));
        }

        const int rTone = Tone("RTONEFREQ", "tone");
        const int cTone = Tone("CTONEFREQ", "CTCSS tone");
        bool toneOn = false;
        bool squelchOn = false;
        ReadToneMode(rTone, cTone, &toneOn, &squelchOn);

        std::string lockout = "0";
        const std::string skip = Upper(Get("SKIP"));
        if (skip == "S") {
            if (m_slot < 200)
                lockout = "1";
            else
                Changed("scan skip is not available on " + m_label + "; not stored");
        } else if (skip == "P") {
            Changed("priority scan mark is not available; not stored");
        } else if (!skip.empty()) {
            Changed("skip \"" + skip + "\" is unknown; not stored");
        }

        const std::string rawName = Name();
        std::string name;
        for (char c : Upper(rawName)) {
            if (name.size() == RecordLayout::ChannelName::Length)
                break;
            if (RecordLayout::ChannelName::IsCharacter(c))
                name += c;
        }
        // Blanks the cut leaves at the end of an unquoted name name nothing;
        // the radio pads names with blanks of its own.
        while (!NameQuoted() && !name.empty() && name.back() == ' ')
            name.pop_back();
        if (name != rawName)
            Changed("name \"" + rawName + "\" stored as \"" + name + "\"");

        const std::string fields[] = {
            m_label,
            FrequencyRules::RecordFrequency(rx.hz),
            std::to_string(rx.step),
            shift,
            "0",
            toneOn ? "1" : "0",
            squelchOn ? "1" : "0",
            "",
            FrequencyRules::ToneCode(rTone),
            "",
            FrequencyRules::ToneCode(cTone),
            FrequencyRules::RecordOffset(offset),
            lockout,
            "",
            split ? FrequencyRules::RecordFrequency(tx.hz) : "",
            split ? std::to_string(tx.step) : "",
            "",
            name,
        };
        m_record.clear();
        for (const std::string& field : fields) {
            if (&field != &fields[0])
                m_record += ',';
            m_record += field;
        }
        return true;
    }

    // The radio has a tone encoder and a tone squelch that also sends its
    // tone; DTCS and the cross modes are brought down to what keeps the
    // channel usable: the tone that opens a repeater stays.
    void ReadToneMode(int rTone, int cTone, bool* toneOn, bool* squelchOn)
    {
        const std::string mode = Upper(Get("TONE"));
        if (mode.empty())
            return;
        if (mode == "TONE") {
            *toneOn = true;
        } else if (mode == "TSQL") {
            *squelchOn = true;
        } else if (mode == "DTCS" || mode == "DTCS-R") {
            Changed("DTCS is not available on this radio; stored without tone");
        } else if (mode == "TSQL-R") {
            Changed("reverse tone squelch is not available on this radio; stored without tone");
        } else if (mode == "CROSS") {
            const std::string cross = Upper(Get("CROSSMODE"));
            const std::size_t arrow = cross.find("->");
            const std::string sends = cross.substr(0, arrow);
            const std::string hears = arrow == std::string::npos ? std::string() : cross.substr(arrow + 2);
            if (sends == "TONE" && hears == "TONE" && rTone == cTone) {
                *squelchOn = true;
            } else if (sends == "TONE" && hears.empty()) {
                *toneOn = true;
            } else if (sends == "TONE") {
                *toneOn = true;
                Changed("cross mode " + Get("CROSSMODE") + " is not available on this radio; stored as tone " +
                        ToneText(rTone));
            } else {
                Changed("cross mode " + Get("CROSSMODE") + " is not available on this radio; stored without tone");
            }
        } else {
            Changed("tone mode \"" + Get("TONE") + "\" is unknown; stored without tone");
        }
    }

    const std::map<std::string, std::size_t, std::less<>>& m_columns;
    const BandPlan& m_plan;
    bool m_decimalComma = false;
    const CsvTable::Row* m_row = nullptr;
    int m_slot = 0;
    std::string m_label;
    std::string m_record;
    std::string m_skip;
    bool m_empty = false;
    std::vector<std::string> m_changes;
};

} // namespace

namespace {

constexpr int kProgressRows = 4096;      // rows between two calls of the progress callback
constexpr std::size_t kFoundColumns = 8; // header fields a refusal names

std::string SeparatorName(char separator)
{
    return separator == ';' ? "semicolons" : separator == '\t' ? "tabs" : "commas";
}

// At most `bytes` of a text, cut before a UTF-8 sequence, and "..." when
// something was left out: one field of a file may be the whole file long.
std::string Shortened(std::string text, std::size_t bytes)
{
    if (text.size() <= bytes)
        return text;
    std::size_t cut = bytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    text.resize(cut);
    return text + "...";
}

// Why a header is refused, with what it holds, so a file of some other kind
// can be told from one whose columns are named otherwise.
std::string HeaderError(const char* missing, const CsvTable::Row& header, char separator, const std::string& encoding)
{
    std::string found;
    for (std::size_t n = 0; n < header.fields.size() && n < kFoundColumns; ++n)
        found += (n == 0 ? "\"" : ", \"") + ShowControls(Shortened(Trim(header.fields[n]), 40)) + "\"";
    if (header.fields.size() > kFoundColumns || header.fieldsDropped)
        found += ", ...";
    const std::size_t count = header.fields.size();
    return std::string("the header line has no ") + missing + " column (found " + std::to_string(count) +
           (count == 1 ? " column" : " columns") + " in " + encoding + " separated by " + SeparatorName(separator) +
           ": " + found + ")";
}

void AddNote(CsvImport::Result* result, CsvImport::Note note)
{
    constexpr std::size_t kNoteBytes = 400;
    if (result->notes.size() < CsvImport::ListedNotes) {
        note.text = Shortened(std::move(note.text), kNoteBytes);
        result->notes.push_back(std::move(note));
    } else {
        ++result->unlisted;
    }
}

std::string ChannelText(std::string_view record)
{
    using Kind = RecordKind;
    return DocumentDiff::ValueText(Kind::Memory, RecordLayout::ChannelField::RxFrequency,
                                   RecordText::Field(record, RecordLayout::ChannelField::RxFrequency)) +
           " " +
           DocumentDiff::ValueText(Kind::Memory, RecordLayout::ChannelField::Name,
                                   RecordText::Field(record, RecordLayout::ChannelField::Name));
}

} // namespace

CsvImport::Result CsvImport::Read(std::string_view bytes, const BandPlan& plan, const Progress& progress)
{
    Result result;
    std::string converted;
    std::string encoding;
    const std::string_view text = CsvTable::Utf8Text(bytes, &converted, &encoding);
    const char separator = CsvTable::Separator(text);
    CsvTable table(text, separator);
    CsvTable::Row header;
    if (!table.Next(&header)) {
        result.error = "the file holds no header line";
        return result;
    }

    std::map<std::string, std::size_t, std::less<>> columns;
    for (std::size_t n = 0; n < header.fields.size(); ++n)
        columns.emplace(Upper(Trim(header.fields[n])), n);
    for (const char* required : {"LOCATION", "FREQUENCY"}) {
        if (!columns.count(required)) {
            result.error = HeaderError(required[0] == 'L' ? "Location" : "Frequency", header, separator, encoding);
            return result;
        }
    }

    RowReader reader(columns, plan, separator != ',');
    std::array<int, RecordLayout::MemorySlot::Count> channelOfSlot;
    channelOfSlot.fill(-1);
    std::vector<bool> filled(header.fields.size(), false); // columns that hold something
    CsvTable::Row row;
    int rows = 0;
    while (table.Next(&row)) {
        if (progress && ++rows % kProgressRows == 0 && !progress(table.Position(), text.size())) {
            Result cancelled;
            cancelled.cancelled = true;
            cancelled.error = "the import was cancelled";
            return cancelled;
        }
        for (std::size_t n = 0; n < row.fields.size() && n < filled.size(); ++n)
            if (!filled[n] && !Trim(row.fields[n]).empty())
                filled[n] = true;

        const bool ok = reader.Read(row);
        if (row.unclosedQuote)
            AddNote(&result,
                    {row.line, reader.Label(), "a quote is never closed; the rest of the file is part of this row"});
        if (reader.Empty()) {
            ++result.empty;
            continue;
        }
        if (!ok) {
            ++result.skipped;
            if (result.notes.size() < ListedNotes)
                AddNote(&result, {row.line, reader.Label(), "skipped: " + ShowControls(reader.SkipReason())});
            else
                ++result.unlisted;
            continue;
        }
        int& index = channelOfSlot[static_cast<std::size_t>(reader.Slot())];
        if (!reader.Changes().empty() || index >= 0) {
            ++result.changed;
            if (result.notes.size() < ListedNotes) {
                std::string changes;
                for (const std::string& change : reader.Changes())
                    changes += (changes.empty() ? "" : "; ") + change;
                if (index >= 0)
                    changes += (changes.empty() ? "" : "; ") + std::string("replaces the row of line ") +
                               std::to_string(result.channels[static_cast<std::size_t>(index)].line) +
                               " for the same location";
                AddNote(&result, {row.line, reader.Label(), ShowControls(changes)});
            } else {
                ++result.unlisted;
            }
        }
        // A later row for a slot replaces the earlier one where it stands:
        // the result never holds more than one channel a slot.
        const Channel channel{row.line, reader.Slot(), reader.Record()};
        if (index >= 0) {
            result.channels[static_cast<std::size_t>(index)] = channel;
        } else {
            index = static_cast<int>(result.channels.size());
            result.channels.push_back(channel);
        }
    }

    std::string unkept;
    for (const auto& [name, index] : columns) {
        bool known = false;
        for (const char* k : kKnownColumns)
            known = known || name == k;
        bool useless = !known;
        for (const char* u : kUnkeptColumns)
            useless = useless || name == u;
        if (useless && filled[index])
            unkept += (unkept.empty() ? "" : ", ") + Trim(header.fields[index]);
    }
    if (header.fieldsDropped)
        unkept += (unkept.empty() ? "" : ", ") + std::string("every column after the ") +
                  std::to_string(CsvTable::MaxFields) + "th";
    if (!unkept.empty())
        result.notes.insert(
            result.notes.begin(),
            {0, "", "columns not kept, the radio has no place for them: " + ShowControls(Shortened(unkept, 400))});
    result.ok = true;
    return result;
}

CsvImport::Result CsvImport::Read(std::string_view bytes, const ChannelDocument& target, const Progress& progress)
{
    Result result = Read(bytes, target.Plan(), progress);
    std::vector<const Channel*> bySlot;
    for (const Channel& channel : result.channels)
        bySlot.push_back(&channel);
    std::sort(bySlot.begin(), bySlot.end(), [](const Channel* a, const Channel* b) { return a->slot < b->slot; });
    for (const Channel* channel : bySlot) {
        const std::string_view before = target.Record(RecordKind::Memory, channel->slot);
        if (!DocumentDiff::HasChannel(RecordKind::Memory, before) || before == channel->record)
            continue;
        result.replaced.push_back({channel->line, RecordText::ChannelLabel(channel->slot),
                                   "replaces " + ChannelText(before) + " with " + ChannelText(channel->record)});
    }
    return result;
}

void CsvImport::Apply(const Result& result, ChannelDocument& doc)
{
    for (const Channel& channel : result.channels)
        doc.StoreMemory(channel.slot, channel.record);
}

std::string CsvImport::Result::Report(std::size_t limit) const
{
    std::string out;
    std::size_t listed = 0;
    auto add = [&](const Note& note) {
        if (listed++ >= limit)
            return;
        if (note.line > 0) {
            out += "line " + std::to_string(note.line);
            if (!note.label.empty())
                out += " (" + note.label + ")";
            out += ": ";
        }
        out += note.text + "\n";
    };
    // Notes about the whole file come first, then what the import
    // overwrites, then the rows.
    std::size_t n = 0;
    for (; n < notes.size() && notes[n].line == 0; ++n)
        add(notes[n]);
    for (const Note& note : replaced)
        add(note);
    for (; n < notes.size(); ++n)
        add(notes[n]);
    const std::size_t all = notes.size() + replaced.size() + static_cast<std::size_t>(unlisted);
    if (all > limit)
        out += "... and " + std::to_string(all - limit) + " more\n";

    const int slots = static_cast<int>(channels.size());
    const int swapped = static_cast<int>(replaced.size());
    out += std::to_string(slots) + (slots == 1 ? " channel" : " channels") + " imported, ";
    if (swapped > 0)
        out += std::to_string(swapped) + (swapped == 1 ? " channel" : " channels") + " replaced, ";
    out += std::to_string(changed) + (changed == 1 ? " row" : " rows") + " changed, " + std::to_string(skipped) +
           (skipped == 1 ? " row" : " rows") + " skipped";
    if (empty > 0)
        out +=
            ", " + std::to_string(empty) + (empty == 1 ? " empty row" : " empty rows") + " (frequency 0) passed over";
    out += ".\n";
    return out;
}
