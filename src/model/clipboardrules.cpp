#include "clipboardrules.h"

#include "channeldocument.h"
#include "recordlayout.h"
#include "recordtext.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

namespace ClipboardRules {

namespace {

char First(std::string_view field)
{
    return field.empty() ? '\0' : field[0];
}

// What a field of a channel record may hold: a number of exactly `digits`
// digits from `low` to `high`, or, where `mayBeEmpty`, nothing.
struct FieldRule {
    std::size_t digits;
    bool mayBeEmpty;
    std::int64_t low;
    std::int64_t high;
    const char* what;
};

std::optional<FieldRule> RuleOf(int field)
{
    using namespace RecordLayout;
    constexpr std::int64_t any = std::numeric_limits<std::int64_t>::max();
    switch (field) {
    case ChannelField::RxFrequency: return FieldRule{11, false, 0, any, "receive frequency"};
    case ChannelField::TxFrequency: return FieldRule{11, true, 0, any, "transmit frequency"};
    case ChannelField::Offset: return FieldRule{9, true, 0, any, "offset"};
    case ChannelField::Step:
    case ChannelField::TxStep: return FieldRule{1, true, 0, 9, "step"};
    case ChannelField::Shift: return FieldRule{1, true, 0, 3, "shift"};
    case ChannelField::Reverse:
    case ChannelField::Tone:
    case ChannelField::Ctcss:
    case ChannelField::Lockout: return FieldRule{1, true, 0, 1, "on/off field"};
    case ChannelField::Power: return FieldRule{1, true, 0, 3, "power"};
    case ChannelField::ToneCode:
    case ChannelField::CtcssCode: return FieldRule{2, true, 1, 39, "tone code"};
    default: return std::nullopt;
    }
}

// What is wrong with one field of a pasted channel record, or nothing.
std::string FieldProblem(int n, std::string_view value)
{
    const std::optional<FieldRule> rule = RuleOf(n);
    if (!rule || (value.empty() && rule->mayBeEmpty))
        return {};
    const std::optional<std::int64_t> number =
        value.size() == rule->digits ? RecordText::DigitsValue(value, rule->digits) : std::nullopt;
    if (number && *number >= rule->low && *number <= rule->high)
        return {};
    return std::string(rule->what) + " \"" + RecordText::ShowControls(value) + "\" is not one the radio takes";
}

} // namespace

std::string RowProblem(std::string_view row, Grid grid)
{
    using namespace RecordLayout;
    if (grid == Grid::Dtmf && !IsChannelRecord(row)) {
        const std::string_view code = RecordText::Field(row, DtmfField::Code);
        for (char c : code)
            if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'D') || c == '*' || c == '#'))
                return "DTMF code \"" + RecordText::ShowControls(code) + "\" holds a key the radio has not";
        return {};
    }
    if (!IsChannelRecord(row))
        return {};
    if (std::count(row.begin(), row.end(), ',') >= ChannelField::Count)
        return "more fields than a channel has";
    for (int n = ChannelField::RxFrequency; n < ChannelField::Count; ++n) {
        std::string problem = FieldProblem(n, RecordText::Field(row, n));
        if (!problem.empty())
            return problem;
    }
    return {};
}

bool IsChannelRecord(std::string_view pasteBuffer)
{
    return pasteBuffer.size() >= 20;
}

std::optional<std::vector<std::string>> PasteRows(std::string_view content, bool severalRows)
{
    content = content.substr(0, content.find('\0'));
    std::vector<std::string> rows;
    for (;;) {
        const std::size_t end = severalRows ? content.find('\n') : std::string_view::npos;
        const std::string_view line = content.substr(0, end);
        if (line.size() > ChannelDocument::RecordCapacity ||
            rows.size() >= static_cast<std::size_t>(ChannelDocument::MemorySlots))
            return std::nullopt;
        std::string row = RecordText::TabsToCommas(line);
        row.erase(std::remove_if(row.begin(), row.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }),
                  row.end());
        rows.push_back(std::move(row));
        if (end == std::string_view::npos)
            return rows;
        content.remove_prefix(end + 1);
    }
}

bool PasteOffered(std::string_view buffer, Grid grid, int row, int rowBand, const BandPlan& plan)
{
    if (buffer.empty())
        return false;
    if (!IsChannelRecord(buffer))
        return grid == Grid::Dtmf;
    if (grid == Grid::Dtmf)
        return false;

    // Characters 2 to 4 of the receive frequency are its whole MHz.
    const std::string_view rx = RecordText::Field(buffer, RecordLayout::ChannelField::RxFrequency);
    const std::string_view mhzText = rx.size() >= 5 ? rx.substr(2, 3) : std::string_view{};
    const auto mhz = RecordText::DecimalValue(mhzText, 999);
    if (!mhz)
        return false;
    const int band = plan.BandOf(mhzText);
    // A band the radio lacks has no limits to paste into.
    if (!plan.BandExists(band))
        return false;
    const BandPlan::MhzRange limits = plan.Limits(band);
    if (*mhz < limits.lower || *mhz > limits.upper)
        return false;

    switch (grid) {
    case Grid::Memory: return true;
    case Grid::Vfo: return band == rowBand;
    case Grid::Call:
        if (row == 1)
            return band == 1 || (band == 0 && plan.TypeFlag(4) == '1');
        if (row == 2)
            return band == 3 || (band == 2 && plan.TypeFlag(5) == '1') || (band == 4 && plan.TypeFlag(6) == '1');
        return false;
    case Grid::Dtmf: return false;
    }
    return false;
}

std::string PastedChannel(Grid grid, std::string_view key, std::string_view buffer, const BandPlan& plan)
{
    using namespace RecordLayout;
    auto pasted = [&](int n) { return std::string(RecordText::Field(buffer, n)); };
    const char area = plan.Variant();

    ChannelFields f;
    f[ChannelField::Key] = std::string(key);
    const std::string rx = pasted(ChannelField::RxFrequency);
    f[ChannelField::RxFrequency] = rx;
    f[ChannelField::Step] = pasted(ChannelField::Step);
    std::string shift = pasted(ChannelField::Shift);
    if (First(shift) > '2' && area != '3')
        shift = "0";
    f[ChannelField::Shift] = shift;
    for (int n : {ChannelField::Reverse, ChannelField::Tone, ChannelField::Ctcss, ChannelField::ToneCode,
                  ChannelField::CtcssCode})
        f[n] = pasted(n);
    std::string offset = pasted(ChannelField::Offset);
    if (offset.empty())
        offset = plan.DefaultOffsetRecord(rx);
    f[ChannelField::Offset] = offset;

    switch (grid) {
    case Grid::Vfo: {
        const char code = First(key);
        if (code == '2' || code == '6') {
            const char power = First(pasted(ChannelField::Power));
            f[ChannelField::Power] =
                (power == '0' || power == '2' || power == '3') ? std::string(1, power) : std::string("0");
        }
        break;
    }
    case Grid::Call:
        f[ChannelField::TxFrequency] = pasted(ChannelField::TxFrequency);
        f[ChannelField::TxStep] = pasted(ChannelField::TxStep);
        break;
    default: {
        std::string lockout = pasted(ChannelField::Lockout);
        const char first = First(key);
        if (first == 'L' || first == 'U' || first == 'P')
            lockout.clear();
        else if (lockout.empty())
            lockout = "0";
        f[ChannelField::Lockout] = lockout;
        f[ChannelField::TxFrequency] = pasted(ChannelField::TxFrequency);
        f[ChannelField::TxStep] = pasted(ChannelField::TxStep);
        std::string name = pasted(ChannelField::Name).substr(0, ChannelName::Length);
        for (char c : name)
            if (!ChannelName::IsCharacter(c)) {
                name.clear();
                break;
            }
        f[ChannelField::Name] = name;
        break;
    }
    }
    return Join(f);
}

std::string PastedDtmf(int slot, std::string_view buffer)
{
    return "0" + std::to_string(slot) + "," + std::string(RecordText::Field(buffer, RecordLayout::DtmfField::Code));
}

} // namespace ClipboardRules
