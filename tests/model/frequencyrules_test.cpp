#include "frequencyrules.h"

#include "recordtext.h"

#include <gtest/gtest.h>

namespace {

using namespace FrequencyRules;

TEST(NormalizeFrequency, TurnsTypedTextIntoNineDigitsOrFails)
{
    const std::pair<const char*, std::int32_t> cases[] = {
        {"144.5", 144500000},     {"0144.5", 144500000},     {"144.12345", 144123450},
        {"145.00625", 145006250}, {"144.1234567", 144123456}, {"144", 144000000},
        {"144.", 144000000},      {"00144", 144000000},       {"14.5", 0},
        {"0.5", 0},               {".5", 0},                  {"", 0},
        {"99", 0},                {"1445", 999999990},        {"1445.0", 999999990},
        {"0000000144", 144000000}, {"99999999999999999999", 999999990},
    };
    for (const auto& [text, hz] : cases)
        EXPECT_EQ(NormalizeFrequency(text), hz) << text;
    for (const char* bad : {"144.5.0", "..", "14a.5", "144,5", "-144"})
        EXPECT_FALSE(NormalizeFrequency(bad).has_value()) << bad;
}

struct FitCase {
    const char* type;
    const char* limits; // band limit record for the band
    int band;
    const char* text;
    int step;
    std::int32_t hz;
    int stepAfter;
    bool rounded;
};

TEST(FitToBand, ClampsToTheBandAndRoundsDownToTheStep)
{
    const FitCase cases[] = {
        {"0,2,00,1,1,,", "00136,00173", 1, "144.5", 0, 144500000, 0, false},
        {"0,2,00,1,1,,", "00136,00173", 1, "144.5123", 3, 144500000, 3, true},
        {"0,2,00,1,1,,", "00136,00173", 1, "145.00625", 1, 145006250, 1, false},
        {"0,2,00,1,1,,", "00136,00173", 1, "14.5", 0, 136000000, 0, true},
        {"0,2,00,1,1,,", "00136,00173", 1, "430.000", 0, 173995000, 0, true},
        {"0,2,00,1,1,,", "00136,00173", 1, "430.000", 3, 173987500, 3, true},
        // 15 kHz does not divide the band edge: one step up stays inside.
        {"0,2,00,1,1,,", "00118,00135", 0, "118.000", 4, 118005000, 4, true},
        {"0,2,00,1,1,,", "00410,00469", 3, "1445", 0, 469995000, 0, true},
        // 800 MHz band: fine steps are coarsened, cellular ranges skipped.
        {"0,1,00,1,0,,2", "00800,00999", 4, "830.000", 0, 823000000, 2, false},
        {"0,1,00,1,0,,2", "00800,00999", 4, "870.000", 1, 865000000, 3, false},
        {"0,1,00,1,0,,2", "00800,00999", 4, "849.000", 4, 849000000, 2, false},
        {"0,1,00,1,0,,1", "00800,00999", 4, "830.000", 4, 830000000, 2, false},
        {"0,1,00,1,0,,1", "00800,00999", 4, "830.0125", 4, 830010000, 2, true},
    };
    for (const auto& c : cases) {
        BandPlan plan;
        plan.SetRadioType(c.type);
        plan.SetLimitRecord(c.band, c.limits);
        const Fit fit = FitToBand(*NormalizeFrequency(c.text), c.band, c.step, plan);
        EXPECT_EQ(fit.frequency, c.hz) << c.text << " band " << c.band;
        EXPECT_EQ(fit.stepIndex, c.stepAfter) << c.text;
        EXPECT_EQ(fit.rounded, c.rounded) << c.text;
    }
}

TEST(FitToBand, RecordTextOfTheResultHasElevenDigits)
{
    BandPlan plan;
    plan.SetLimitRecord(1, "00136,00173");
    const Fit fit = FitToBand(*NormalizeFrequency("145.00625"), 1, 1, plan);
    EXPECT_EQ(RecordFrequency(fit.frequency), "00145006250");
    EXPECT_EQ(RecordText::FormatFrequency(RecordFrequency(fit.frequency)), "145.00625");
}

TEST(NormalizeOffset, GivesMultiplesOfFiftyKilohertzUpTo2995)
{
    const std::pair<const char*, const char*> cases[] = {
        {".6", "0.60"},   {".07", "0.05"}, {"5", "5.00"},    {"35", "29.95"}, {"29.99", "29.95"},
        {"", "0.00"},     {"0.6", "0.60"}, {"00.6", "0.60"}, {"9.5", "9.50"}, {"12.34", "12.30"},
        {"31.0", "29.95"}, {"123.4", "29.95"}, {"1.999", "1.95"}, {"007", "7.00"}, {"29", "29.00"},
        {"99999999999", "29.95"},
    };
    for (const auto& [text, display] : cases) {
        const auto hz = NormalizeOffset(text);
        ASSERT_TRUE(hz.has_value()) << text;
        EXPECT_EQ(RecordText::FormatOffset(RecordOffset(*hz)), display) << text;
    }
    for (const char* bad : {"0.6.0", "..", "1a"})
        EXPECT_FALSE(NormalizeOffset(bad).has_value()) << bad;
}

TEST(ToneCodes, SkipCodeTwoBothWays)
{
    EXPECT_EQ(ToneCode(0), "01");
    EXPECT_EQ(ToneCode(1), "03");
    EXPECT_EQ(ToneCode(7), "09");
    EXPECT_EQ(ToneCode(37), "39");
    for (int index = 0; index < 38; ++index)
        EXPECT_EQ(ToneIndex(ToneCode(index)), index);
    EXPECT_EQ(ToneIndex("02"), 1);
    EXPECT_EQ(ToneIndex(""), 7) << "an empty code is the 88.5 Hz default";
    EXPECT_EQ(ToneIndex("40"), 7);
    EXPECT_EQ(ToneIndex("xx"), 7);
    EXPECT_STREQ(ToneNames[static_cast<std::size_t>(ToneIndex("09"))], "88.5Hz");
}

TEST(Minus76Shift, EnabledFromThe300MHzBandUpWhereOffered)
{
    BandPlan plan;
    plan.SetRadioType("0,3,00,1,1,1,");
    EXPECT_FALSE(Minus76Enabled(plan, 1));
    EXPECT_TRUE(Minus76Enabled(plan, 2));
    EXPECT_TRUE(Minus76Enabled(plan, 3));
    plan.SetRadioType("0,3,05,1,1,1,");
    EXPECT_FALSE(Minus76Enabled(plan, 3));
}

} // namespace
