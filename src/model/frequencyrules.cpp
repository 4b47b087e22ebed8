#include "frequencyrules.h"

#include "recordtext.h"

#include <cstdio>

namespace FrequencyRules {

const std::array<std::int32_t, 10> StepTable = {5000, 6250, 10000, 12500, 15000, 20000, 25000, 30000, 50000, 100000};

const std::array<const char*, 10> StepNames = {"5kHz", "6.25kHz", "10kHz", "12.5kHz", "15kHz",
                                               "20kHz", "25kHz", "30kHz", "50kHz", "100kHz"};

const std::array<const char*, 38> ToneNames = {
    "67.0Hz", "71.9Hz", "74.4Hz", "77.0Hz", "79.7Hz", "82.5Hz", "85.4Hz", "88.5Hz",
    "91.5Hz", "94.8Hz", "97.4Hz", "100.0Hz", "103.5Hz", "107.2Hz", "110.9Hz", "114.8Hz",
    "118.8Hz", "123.0Hz", "127.3Hz", "131.8Hz", "136.5Hz", "141.3Hz", "146.2Hz", "151.4Hz",
    "156.7Hz", "162.2Hz", "167.9Hz", "173.8Hz", "179.9Hz", "186.2Hz", "192.8Hz", "203.5Hz",
    "210.7Hz", "218.1Hz", "225.7Hz", "233.6Hz", "241.8Hz", "250.3Hz"};

namespace {

constexpr std::int32_t kTooHigh = 999999990;

bool OnlyDigitsAndDots(std::string_view text, std::size_t* dots)
{
    *dots = 0;
    for (char c : text) {
        if (c == '.')
            ++*dots;
        else if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// Drops leading zeros while the next character is not the ".", so "0144.5"
// becomes "144.5" and "0.5" stays.
std::string_view StripLeadingZeros(std::string_view text)
{
    while (text.size() >= 2 && text[0] == '0' && text[1] != '.')
        text.remove_prefix(1);
    return text;
}

// Right-pads a digit text with zeros to `width` and reads it.
std::int32_t PadAndRead(std::string digits, std::size_t width)
{
    digits.resize(width, '0');
    std::int32_t value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

} // namespace

std::optional<std::int32_t> NormalizeFrequency(std::string_view text)
{
    std::size_t dots = 0;
    if (!OnlyDigitsAndDots(text, &dots) || dots > 1)
        return std::nullopt;
    if (dots == 1) {
        text = StripLeadingZeros(text);
        const std::size_t point = text.find('.');
        if (point < 3)
            return 0;
        if (point > 3)
            return kTooHigh;
        std::string digits(text.substr(0, 3));
        digits += text.substr(4, 6);
        return PadAndRead(digits, 9);
    }
    if (text.empty())
        return 0;
    text = StripLeadingZeros(text);
    if (text.size() > 3)
        return kTooHigh;
    const int n = *RecordText::DecimalValue(text, 999);
    if (n < 100)
        return 0;
    return PadAndRead(std::string(text), 9);
}

Fit FitToBand(std::int32_t frequency, int band, int stepIndex, const BandPlan& plan)
{
    if (stepIndex < 0 || stepIndex >= static_cast<int>(StepTable.size()))
        stepIndex = 0;
    std::int64_t f = frequency;
    bool rounded = false;
    const std::int64_t mhz = f / 1000000;

    const char area = plan.TypeFlag(6);
    if (band == 4 && (area == '1' || area == '2')) {
        if (stepIndex == 0 || stepIndex == 4)
            stepIndex = 2;
        else if (stepIndex == 1)
            stepIndex = 3;
    }
    if (band == 4 && area == '2') {
        if (mhz >= 824 && mhz <= 848)
            f = 823000000;
        else if (mhz >= 866 && mhz <= 893)
            f = 865000000;
    }

    const BandPlan::MhzRange limits = plan.Limits(band);
    if (mhz < limits.lower) {
        f = std::int64_t(limits.lower) * 1000000;
        rounded = true;
    } else if (mhz > limits.upper) {
        f = std::int64_t(limits.upper) * 1000000 + 999999;
        rounded = true;
    }

    const std::int64_t step = StepTable[static_cast<std::size_t>(stepIndex)];
    const std::int64_t rest = f % step;
    if (rest != 0)
        rounded = true;
    f -= rest;
    // A step that does not divide the band edge (15 or 30 kHz) can round
    // below it; the next step up is the lowest frequency inside the band.
    if (f / 1000000 < limits.lower)
        f += step;
    return {static_cast<std::int32_t>(f), stepIndex, rounded};
}

std::optional<std::int32_t> NormalizeOffset(std::string_view text)
{
    std::size_t dots = 0;
    if (!OnlyDigitsAndDots(text, &dots) || dots > 1)
        return std::nullopt;
    std::string digits;
    if (dots == 1) {
        text = StripLeadingZeros(text);
        const std::size_t point = text.find('.');
        const std::string_view decimals = text.substr(point + 1, 2);
        switch (point) {
        case 0: digits = "00" + std::string(decimals); break;
        case 1: digits = "0" + std::string(text.substr(0, 1)) + std::string(decimals); break;
        case 2:
            digits = text[0] > '2' ? "2995" : std::string(text.substr(0, 2)) + std::string(decimals);
            break;
        default: digits = "2995"; break;
        }
    } else if (text.empty()) {
        digits = "00";
    } else {
        const auto value = RecordText::DecimalValue(text, 29);
        if (!value)
            digits = "2995";
        else
            digits = (*value < 10 ? "0" : "") + std::to_string(*value);
    }
    digits.resize(8, '0');
    digits[3] = digits[3] >= '5' ? '5' : '0';
    return PadAndRead(digits, 8);
}

std::string RecordFrequency(std::int32_t hz)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%011ld", static_cast<long>(hz));
    return buf;
}

std::string RecordOffset(std::int32_t hz)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%09ld", static_cast<long>(hz));
    return buf;
}

std::string ToneCode(int index)
{
    if (index < 0 || index >= static_cast<int>(ToneNames.size()))
        index = 7;
    const int code = index == 0 ? 1 : index + 2;
    char buf[4] = {char('0' + code / 10), char('0' + code % 10), 0};
    return buf;
}

int ToneIndex(std::string_view code)
{
    const auto c = RecordText::DecimalValue(code, 39);
    if (!c || *c < 1)
        return 7;
    return *c <= 2 ? *c - 1 : *c - 2;
}

bool Minus76Enabled(const BandPlan& plan, int band) { return plan.Minus76Offered() && band >= 2; }

} // namespace FrequencyRules
