#include "bandplan.h"

#include "frequencyrules.h"
#include "recordtext.h"

#include <optional>
#include <vector>

namespace {

constexpr const char* kDefaultLimits[BandPlan::BandCount] = {"00118,00135", "00136,00173", "00300,00399", "00410,00469",
                                                             "00800,00999"};

bool ValidBand(int band)
{
    return band >= 0 && band < BandPlan::BandCount;
}

// The offsets a channel without one of its own takes.
constexpr std::int32_t kShortOffsetHz = 600000;
constexpr std::int32_t kVariant3OffsetHz = 1600000;
constexpr std::int32_t kLongOffsetHz = 5000000;

} // namespace

BandPlan::BandPlan()
{
    SetRadioType(DefaultRadioType);
}

void BandPlan::SetRadioType(std::string_view record)
{
    m_type.Assign(record);
}

char BandPlan::TypeFlag(int field) const
{
    const std::string_view f = RecordText::Field(m_type.View(), field);
    return f.empty() ? '\0' : f[0];
}

std::string_view BandPlan::SubVariant() const
{
    return RecordText::Field(m_type.View(), 2);
}

bool BandPlan::BandExists(int band) const
{
    switch (band) {
    case 0: return TypeFlag(4) == '1';
    case 1:
    case 3: return true;
    case 2: return TypeFlag(5) == '1';
    case 4: return TypeFlag(6) == '1' || TypeFlag(6) == '2';
    default: return false;
    }
}

std::string BandPlan::BandName(int band) const
{
    switch (band) {
    case 0: return "118MHz";
    case 1: return "144MHz";
    case 2: return "300MHz";
    case 3: return Variant() == '2' ? "440MHz" : "430MHz";
    case 4: return "800MHz";
    default: return {};
    }
}

void BandPlan::SetLimitRecord(int band, std::string_view record)
{
    if (ValidBand(band))
        m_limits[band].Assign(record);
}

std::string_view BandPlan::LimitRecord(int band) const
{
    return ValidBand(band) ? m_limits[band].View() : std::string_view{};
}

std::string BandPlan::DefaultLimitRecord(int band)
{
    return ValidBand(band) ? kDefaultLimits[band] : "";
}

void BandPlan::StoreBandLimits(std::string_view answer)
{
    for (auto& limit : m_limits)
        limit.Clear();
    std::vector<std::string_view> values;
    while (!answer.empty() && values.size() < 2 * BandCount * 2) {
        const std::size_t comma = answer.find(',');
        values.push_back(answer.substr(0, comma));
        answer = comma == std::string_view::npos ? std::string_view{} : answer.substr(comma + 1);
    }
    for (std::size_t i = 0; i + 1 < values.size(); i += 2) {
        const std::string_view lower = values[i];
        const std::string_view upper = values[i + 1];
        int band = 4;
        if (lower < "00136")
            band = 0;
        else if (lower < "00200")
            band = 1;
        else if (lower < "00400")
            band = 2;
        else if (lower < "00600")
            band = 3;
        std::string record(lower);
        record += ',';
        record += upper;
        m_limits[band].Assign(record);
    }
}

BandPlan::MhzRange BandPlan::Limits(int band) const
{
    if (!ValidBand(band))
        band = 1;
    auto parse = [](std::string_view record) -> std::optional<MhzRange> {
        const auto lower = RecordText::DecimalValue(RecordText::Field(record, 0), 99999);
        const auto upper = RecordText::DecimalValue(RecordText::Field(record, 1), 99999);
        if (!lower || !upper || *lower < 100 || *upper > 999 || *lower > *upper)
            return std::nullopt;
        return MhzRange{*lower, *upper};
    };
    if (auto range = parse(m_limits[band].View()))
        return *range;
    return *parse(kDefaultLimits[band]);
}

int BandPlan::BandOf(std::string_view text) const
{
    const char c0 = text.size() > 0 ? text[0] : '\0';
    const char c1 = text.size() > 1 ? text[1] : '\0';
    const char c2 = text.size() > 2 ? text[2] : '\0';
    switch (c0) {
    case '0':
    case '1':
        if (TypeFlag(4) == '1') {
            if (c1 < '3' || (c1 == '3' && c2 <= '5'))
                return 0;
        }
        return 1;
    case '2': return 1;
    case '3': return TypeFlag(5) == '1' ? 2 : 3;
    case '4':
    case '5':
    case '6':
    case '7': return 3;
    case '8':
    case '9': return (TypeFlag(6) == '1' || TypeFlag(6) == '2') ? 4 : 3;
    default: return 1;
    }
}

std::string BandPlan::DefaultFrequencyText(int band) const
{
    switch (band) {
    case 0: return "118.000";
    case 1: return Variant() == '0' ? "145.000" : "144.000";
    case 2: return "340.000";
    case 3:
        if (Variant() == '0')
            return "433.000";
        if (Variant() == '2')
            return "440.000";
        return SubVariant() == "05" ? "432.000" : "430.000";
    case 4: return TypeFlag(6) == '2' ? "860.000" : "870.000";
    default: return "144.000";
    }
}

int BandPlan::DefaultStepIndex(int band) const
{
    switch (band) {
    case 1:
        if (Variant() == '0')
            return 5;
        return Variant() == '2' ? 0 : 3;
    case 3: return Variant() == '0' ? 5 : 6;
    default: return 3;
    }
}

bool BandPlan::Minus76Offered() const
{
    return Variant() == '3' && SubVariant() != "05";
}

std::string BandPlan::DefaultOffsetRecord(std::string_view rxRecordFrequency) const
{
    // "00145000000": the third digit is the hundreds of MHz.
    const char hundreds = rxRecordFrequency.size() > 2 ? rxRecordFrequency[2] : '\0';
    if (hundreds < '3')
        return FrequencyRules::RecordOffset(kShortOffsetHz);
    return FrequencyRules::RecordOffset(Variant() == '3' ? kVariant3OffsetHz : kLongOffsetHz);
}

std::int32_t BandPlan::EditorOffsetHz(int band)
{
    return band <= 1 ? kShortOffsetHz : kLongOffsetHz;
}

std::string BandPlan::EditorOffsetText(int band)
{
    return RecordText::FormatOffset(FrequencyRules::RecordOffset(EditorOffsetHz(band)));
}
