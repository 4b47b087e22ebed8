#include "channelcells.h"

#include "channeldocument.h"
#include "channelrules.h"
#include "editorkeys.h"
#include "frequencyrules.h"
#include "recordlayout.h"
#include "recordtext.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <iterator>
#include <optional>

namespace ChannelCells {

namespace {

using namespace RecordLayout;

constexpr const char* kOn = "On";
constexpr const char* kOff = "Off";
constexpr const char* kShiftNames[] = {"Simplex", "+", "-", "-7.6", "Split"};
constexpr ShiftMode kShiftModes[] = {ShiftMode::Simplex, ShiftMode::Plus, ShiftMode::Minus, ShiftMode::Minus76,
                                     ShiftMode::Split};

const char* const kBadFrequency = "Invalid Frequency.";
const char* const kBadOffset = "Invalid Offset.";
const char* const kRounded = "Frequency is rounded.";

std::string Lower(std::string_view text)
{
    std::string out;
    for (char c : text)
        if (c != ' ')
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// What a box of the editor would hold after `text` was typed into it: keys
// the box's filter drops are dropped, letters the name box upper-cases are
// upper-cased.
std::string Filtered(std::string_view text, EditorKeys::KeyResult (*filter)(char))
{
    std::string out;
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 32)
            continue;
        const EditorKeys::KeyResult key = filter(c);
        if (key.action == EditorKeys::Action::Insert && key.ch != '\b')
            out += key.ch;
    }
    return out;
}

// The MHz value of a typed text in Hz, when it has no more decimals than a
// Hz can show; used only to tell whether the rules changed a value.
std::optional<std::int64_t> ExactHz(std::string_view text)
{
    std::int64_t whole = 0;
    std::int64_t fraction = 0;
    int decimals = -1;
    for (char c : text) {
        if (c == '.') {
            if (decimals >= 0)
                return std::nullopt;
            decimals = 0;
        } else if (c >= '0' && c <= '9') {
            if (decimals < 0) {
                if (whole > 100000)
                    return std::nullopt;
                whole = whole * 10 + (c - '0');
            } else if (decimals < 6) {
                fraction = fraction * 10 + (c - '0');
                ++decimals;
            } else if (c != '0') {
                return std::nullopt;
            }
        } else {
            return std::nullopt;
        }
    }
    for (int d = std::max(decimals, 0); d < 6; ++d)
        fraction *= 10;
    return whole * 1000000 + fraction;
}

// A list entry named by typed text: the entry itself, with or without its
// unit ("88.5", "88.5Hz", "12.5 khz"), or else the first entry that starts
// with the text, as a list picks by its first keys ("123" is 123.0 Hz).
template <typename Names>
std::optional<int> IndexOfName(const Names& names, std::string_view text, std::string_view unit)
{
    const std::string typed = Lower(text);
    if (typed.empty())
        return std::nullopt;
    for (std::size_t i = 0; i < std::size(names); ++i) {
        const std::string name = Lower(names[i]);
        if (typed == name || typed + std::string(unit) == name)
            return static_cast<int>(i);
    }
    for (std::size_t i = 0; i < std::size(names); ++i)
        if (Lower(names[i]).compare(0, typed.size(), typed) == 0)
            return static_cast<int>(i);
    return std::nullopt;
}

// Text that holds more than one value: fields of a copied row, lines of a
// pasted page. A cell takes one value and refuses these rather than make a
// value out of their digits.
bool SeveralValues(std::string_view text)
{
    return text.find_first_of(",;\t\r\n") != std::string_view::npos;
}

// More digits than a frequency in MHz has: four before the point (leading
// zeros aside), six after it.
bool TooManyDigits(std::string_view text)
{
    int whole = 0;
    int decimals = 0;
    bool point = false;
    for (char c : text) {
        if (c == '.')
            point = true;
        else if (c >= '0' && c <= '9' && point)
            ++decimals;
        else if (c >= '0' && c <= '9' && (whole > 0 || c != '0'))
            ++whole;
    }
    return whole > 4 || decimals > 6;
}

std::optional<bool> FlagOf(std::string_view text)
{
    const std::string typed = Lower(text);
    if (typed == "on" || typed == "1" || typed == "yes" || typed == "y" || typed == "x" || typed == "*")
        return true;
    if (typed == "off" || typed == "0" || typed == "no" || typed == "n" || typed.empty())
        return false;
    return std::nullopt;
}

std::optional<ShiftMode> ShiftOf(std::string_view text)
{
    const std::string typed = Lower(text);
    if (typed == "simplex" || typed == "s" || typed == "0" || typed.empty())
        return ShiftMode::Simplex;
    if (typed == "+" || typed == "plus")
        return ShiftMode::Plus;
    if (typed == "-" || typed == "minus")
        return ShiftMode::Minus;
    if (typed == "-7.6" || typed == "-7.6mhz")
        return ShiftMode::Minus76;
    if (typed == "split" || typed == "+-")
        return ShiftMode::Split;
    if (const auto index = IndexOfName(kShiftNames, typed, ""))
        return kShiftModes[static_cast<std::size_t>(*index)];
    return std::nullopt;
}

const char* ShiftName(ShiftMode mode)
{
    for (std::size_t i = 0; i < std::size(kShiftModes); ++i)
        if (kShiftModes[i] == mode)
            return kShiftNames[i];
    return kShiftNames[0];
}

bool InUse(const ChannelDocument& doc, int slot)
{
    return doc.Record(RecordKind::Memory, slot).size() >= 2;
}

// The form an empty slot starts from when a frequency is typed into it:
// the step and offset the band of that frequency starts with.
ChannelForm NewChannel(const ChannelDocument& doc, int slot, const std::string& rx)
{
    const BandPlan& plan = doc.Plan();
    ChannelForm form = ChannelRules::LoadChannel(doc, slot);
    const int band = plan.BandOf(rx);
    form.rxStep = form.txStep = plan.DefaultStepIndex(band);
    form.offset = BandPlan::EditorOffsetText(band);
    return form;
}

Result Refused(std::string reason)
{
    Result result;
    result.reason = std::move(reason);
    return result;
}

// Puts a changed form through the store rules and tells what they changed.
Result Store(const ChannelDocument& doc, int slot, const ChannelForm& before, const ChannelForm& form,
             std::vector<std::string> notes)
{
    std::string record;
    const ChannelRules::StoreResult stored = ChannelRules::ChannelRecord(doc, slot, form, &record);
    if (stored.outcome == ChannelRules::Outcome::BadFrequency)
        return Refused(kBadFrequency);
    if (stored.outcome == ChannelRules::Outcome::BadOffset)
        return Refused(kBadOffset);
    if (stored.rounded)
        notes.insert(notes.begin(), kRounded);
    if (stored.rxStep != form.rxStep)
        notes.push_back(std::string("Step ") + FrequencyRules::StepNames[static_cast<std::size_t>(form.rxStep)] +
                        " does not fit this frequency: stored with " +
                        FrequencyRules::StepNames[static_cast<std::size_t>(stored.rxStep)] + ".");
    const bool minus76Kept = RecordText::Field(record, ChannelField::Shift) == "3";
    if (form.shift == ShiftMode::Minus76 && !minus76Kept)
        notes.push_back("The radio has no -7.6 MHz shift below 300 MHz: stored as simplex.");
    if (before.reverse && form.Split())
        notes.push_back("A split channel cannot be reversed: reverse is off.");

    Result result;
    if (record == doc.Record(RecordKind::Memory, slot)) {
        result.verdict = Verdict::Unchanged;
        return result;
    }
    result.record = std::move(record);
    result.verdict = notes.empty() ? Verdict::Stored : Verdict::Coerced;
    for (const std::string& note : notes)
        result.reason += (result.reason.empty() ? "" : " ") + note;
    return result;
}

} // namespace

std::string Title(Column column)
{
    static const char* const kTitles[] = {"ch.",  "RX Frequency", "Shift",   "Offset",   "TX Frequency", "Step",
                                          "Tone", "CTCSS",        "Reverse", "Lock Out", "Name"};
    const int n = static_cast<int>(column);
    return n >= 0 && n < ColumnCount ? kTitles[n] : "";
}

bool IsFlag(Column column)
{
    return column == Column::Reverse || column == Column::Lockout;
}

bool SetsManyRows(Column column)
{
    switch (column) {
    case Column::Shift:
    case Column::Offset:
    case Column::Step:
    case Column::Tone:
    case Column::Ctcss:
    case Column::Reverse:
    case Column::Lockout: return true;
    default: return false;
    }
}

std::vector<std::string> Choices(const BandPlan& plan, Column column)
{
    std::vector<std::string> choices;
    switch (column) {
    case Column::Shift:
        for (std::size_t i = 0; i < std::size(kShiftModes); ++i)
            if (kShiftModes[i] != ShiftMode::Minus76 || plan.Minus76Offered())
                choices.emplace_back(kShiftNames[i]);
        break;
    case Column::Step: choices.assign(FrequencyRules::StepNames.begin(), FrequencyRules::StepNames.end()); break;
    case Column::Tone:
    case Column::Ctcss:
        choices.emplace_back(kOff);
        choices.insert(choices.end(), FrequencyRules::ToneNames.begin(), FrequencyRules::ToneNames.end());
        break;
    case Column::Reverse:
    case Column::Lockout: choices = {kOff, kOn}; break;
    default: break;
    }
    return choices;
}

std::string Text(const ChannelDocument& doc, int slot, Column column)
{
    if (column == Column::Channel)
        return RecordText::ChannelLabel(slot);
    if (!InUse(doc, slot))
        return {};
    const ChannelForm form = ChannelRules::LoadChannel(doc, slot);
    switch (column) {
    case Column::RxFrequency: return form.rx;
    case Column::Shift: return ShiftName(form.shift);
    case Column::Offset: return form.Split() ? std::string() : form.offset;
    case Column::TxFrequency: return form.Split() ? form.tx : std::string();
    case Column::Step: return FrequencyRules::StepNames[static_cast<std::size_t>(form.rxStep)];
    case Column::Tone: return form.tone ? FrequencyRules::ToneNames[static_cast<std::size_t>(form.toneIndex)] : kOff;
    case Column::Ctcss: return form.ctcss ? FrequencyRules::ToneNames[static_cast<std::size_t>(form.ctcssIndex)] : kOff;
    case Column::Reverse: return form.reverse ? kOn : kOff;
    case Column::Lockout: return form.lockout ? kOn : kOff;
    case Column::Name: return form.name;
    default: return {};
    }
}

Result Evaluate(const ChannelDocument& doc, int slot, Column column, std::string_view text)
{
    if (slot < 0 || slot >= ChannelDocument::MemorySlots || column == Column::Channel)
        return Refused("This cell cannot be edited.");
    if (SeveralValues(text))
        return Refused("A cell takes one value: this text holds several fields.");
    const bool frequency = column == Column::RxFrequency || column == Column::TxFrequency || column == Column::Offset;
    if (frequency && TooManyDigits(text))
        return Refused("Not a frequency: it has more digits than a frequency in MHz.");
    const bool inUse = InUse(doc, slot);
    if (!inUse && column != Column::RxFrequency)
        return Refused("The channel is empty: type its receive frequency first.");

    const ChannelForm before = ChannelRules::LoadChannel(doc, slot);
    ChannelForm form = before;
    std::vector<std::string> notes;
    switch (column) {
    case Column::RxFrequency: {
        const std::string rx = Filtered(text, EditorKeys::FrequencyKey);
        if (rx.empty())
            return Refused("Type a frequency. Delete empties a channel.");
        if (!inUse)
            form = NewChannel(doc, slot, rx);
        form.rx = rx;
        if (!form.Split())
            form.tx = rx;
        break;
    }
    case Column::TxFrequency: {
        const std::string tx = Filtered(text, EditorKeys::FrequencyKey);
        if (tx.empty()) {
            // An emptied transmit frequency ends the split.
            if (!form.Split())
                return Result{Verdict::Unchanged, {}, {}};
            form.shift = ShiftMode::Simplex;
            form.tx = form.rx;
            break;
        }
        if (!form.Split()) {
            form.shift = ShiftMode::Split;
            form.txStep = form.rxStep;
        }
        form.tx = tx;
        break;
    }
    case Column::Offset: {
        const std::string offset = Filtered(text, EditorKeys::FrequencyKey);
        const auto wanted = ExactHz(offset);
        const auto normalized = FrequencyRules::NormalizeOffset(offset);
        if (!normalized)
            return Refused(kBadOffset);
        if (!wanted || *wanted != *normalized)
            notes.push_back("Offset is stored as " +
                            RecordText::FormatOffset(FrequencyRules::RecordOffset(*normalized)) +
                            " MHz: the radio takes 0 to 29.95 MHz in 50 kHz steps.");
        form.offset = offset;
        break;
    }
    case Column::Shift: {
        const auto shift = ShiftOf(text);
        if (!shift)
            return Refused("Type Simplex, +, -, -7.6 or Split.");
        if (*shift == ShiftMode::Minus76 && !doc.Plan().Minus76Offered())
            return Refused("This radio has no -7.6 MHz shift.");
        if (*shift == ShiftMode::Split && !form.Split()) {
            form.tx = form.rx;
            form.txStep = form.rxStep;
        }
        form.shift = *shift;
        break;
    }
    case Column::Step: {
        const auto step = IndexOfName(FrequencyRules::StepNames, text, "khz");
        if (!step)
            return Refused("Not a step the radio has.");
        form.rxStep = *step;
        break;
    }
    case Column::Tone:
    case Column::Ctcss: {
        const bool tone = column == Column::Tone;
        bool& on = tone ? form.tone : form.ctcss;
        bool& other = tone ? form.ctcss : form.tone;
        const auto flag = FlagOf(text);
        if (flag && !*flag) {
            on = false;
            break;
        }
        const auto index = IndexOfName(FrequencyRules::ToneNames, text, "hz");
        if (!index)
            return Refused("Not a tone the radio has: choose one from the list, or Off.");
        on = true;
        (tone ? form.toneIndex : form.ctcssIndex) = *index;
        if (other)
            notes.push_back(tone ? "CTCSS is off: a channel has either tone or CTCSS."
                                 : "Tone is off: a channel has either tone or CTCSS.");
        other = false;
        break;
    }
    case Column::Reverse:
    case Column::Lockout: {
        const auto flag = FlagOf(text);
        if (!flag)
            return Refused("Type On or Off.");
        if (column == Column::Reverse) {
            if (*flag && form.Split())
                return Refused("A split channel cannot be reversed.");
            form.reverse = *flag;
        } else {
            if (*flag && !MemorySlot::IsChannel(slot))
                return Refused("Only the channels 000 to 199 can be locked out.");
            form.lockout = *flag;
        }
        break;
    }
    case Column::Name: {
        form.name = Filtered(text, EditorKeys::NameKey);
        const std::size_t typed = static_cast<std::size_t>(
            std::count_if(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 32; }));
        if (form.name.size() < typed)
            notes.push_back("Only letters, digits, space, \"-\" and \"/\" are kept.");
        const std::size_t length = std::max(ChannelName::Length, before.name.size());
        if (form.name.size() > length) {
            form.name.resize(length);
            notes.push_back("The name is cut to " + std::to_string(length) + " characters.");
        }
        break;
    }
    default: break;
    }
    return Store(doc, slot, before, form, std::move(notes));
}

std::vector<RowResult> EvaluateRows(const ChannelDocument& doc, const std::vector<int>& slots, Column column,
                                    std::string_view text)
{
    std::vector<RowResult> rows;
    for (int slot : slots)
        if (slot >= 0 && slot < ChannelDocument::MemorySlots && InUse(doc, slot))
            rows.push_back({slot, Evaluate(doc, slot, column, text)});
    return rows;
}

} // namespace ChannelCells
