#include "bandplan.h"

#include <gtest/gtest.h>

namespace {

BandPlan PlanOf(const char* type)
{
    BandPlan plan;
    plan.SetRadioType(type);
    return plan;
}

struct BandOfCase {
    const char* type;
    const char* text;
    int band;
};

TEST(BandPlanBandOf, FollowsTheBandsTheRadioHas)
{
    const BandOfCase cases[] = {
        // 118 MHz band present (field 4 "1"): below 136 MHz is band 0.
        {"0,2,00,1,1,,", "118.000", 0},
        {"0,2,00,1,1,,", "135.995", 0},
        {"0,2,00,1,1,,", "136.000", 1},
        {"0,2,00,1,1,,", "129MHz", 0},
        {"0,2,00,1,1,,", "118MHz", 0},
        {"0,2,00,1,1,,", "144MHz", 1},
        {"0,2,00,1,1,,", "145000000", 1},
        {"0,2,00,1,1,,", "099.000", 1},
        // Without it everything below 300 MHz is band 1.
        {"0,1,00,1,0,,", "118.000", 1},
        {"0,1,00,1,0,,", "250.000", 1},
        // 300 MHz band only when field 5 says so.
        {"0,1,00,1,0,1,", "340.000", 2},
        {"0,1,00,1,0,0,", "340.000", 3},
        {"0,1,00,1,0,,", "430.000", 3},
        {"0,1,00,1,0,,", "700.000", 3},
        // 800 MHz band for field 6 "1" or "2".
        {"0,1,00,1,0,,1", "870.000", 4},
        {"0,1,00,1,0,,2", "999.999", 4},
        {"0,1,00,1,0,,", "870.000", 3},
        {"0,1,00,1,0,,", "", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlanOf(c.type).BandOf(c.text), c.band) << c.type << " / " << c.text;
}

TEST(BandPlanNames, BandThreeFollowsTheVariant)
{
    EXPECT_EQ(PlanOf("0,2,00,1,1,,").BandName(3), "440MHz");
    EXPECT_EQ(PlanOf("0,1,00,1,1,,").BandName(3), "430MHz");
    EXPECT_EQ(PlanOf("0,2,00,1,1,,").BandName(0), "118MHz");
}

TEST(BandPlanLimits, StoreBandLimitsFilesEachPairUnderItsBand)
{
    BandPlan plan;
    for (int b = 0; b < 5; ++b)
        plan.SetLimitRecord(b, "00001,00002");
    plan.StoreBandLimits("00118,00135,00136,00173,00410,00469");
    EXPECT_EQ(plan.LimitRecord(0), "00118,00135");
    EXPECT_EQ(plan.LimitRecord(1), "00136,00173");
    EXPECT_EQ(plan.LimitRecord(2), "");
    EXPECT_EQ(plan.LimitRecord(3), "00410,00469");
    EXPECT_EQ(plan.LimitRecord(4), "");

    plan.StoreBandLimits("00300,00399,00800,00999,00600");
    EXPECT_EQ(plan.LimitRecord(2), "00300,00399");
    EXPECT_EQ(plan.LimitRecord(4), "00800,00999");
    EXPECT_EQ(plan.LimitRecord(0), "") << "every record is emptied first";
}

TEST(BandPlanLimits, OverlongAnswersAreCutToTheirSlots)
{
    BandPlan plan;
    plan.StoreBandLimits(std::string(5000, '7') + "," + std::string(5000, '8'));
    EXPECT_EQ(plan.LimitRecord(4).size(), 14u);
    plan.SetRadioType(std::string(300, 'x'));
    EXPECT_EQ(plan.RadioType().size(), 19u);
}

TEST(BandPlanLimits, MalformedRecordsFallBackToTheDefaultEdges)
{
    BandPlan plan;
    plan.SetLimitRecord(1, "00140,00150");
    EXPECT_EQ(plan.Limits(1).lower, 140);
    EXPECT_EQ(plan.Limits(1).upper, 150);
    for (const char* bad : {"", "00150,00140", "abc,def", "00144", "00050,01500"}) {
        plan.SetLimitRecord(1, bad);
        EXPECT_EQ(plan.Limits(1).lower, 136) << bad;
        EXPECT_EQ(plan.Limits(1).upper, 173) << bad;
    }
}

TEST(BandPlanDefaults, FrequencyAndStepFollowVariantAndSubVariant)
{
    struct Case {
        const char* type;
        int band;
        const char* frequency;
        int step;
    } cases[] = {
        {"0,0,00,1,1,,", 1, "145.000", 5},  {"0,2,00,1,1,,", 1, "144.000", 0},  {"0,1,00,1,1,,", 1, "144.000", 3},
        {"0,3,00,1,1,,", 1, "144.000", 3},  {"0,0,00,1,1,,", 3, "433.000", 5},  {"0,2,00,1,1,,", 3, "440.000", 6},
        {"0,3,05,1,1,,", 3, "432.000", 6},  {"0,3,04,1,1,,", 3, "430.000", 6},  {"0,1,05,1,1,,", 3, "432.000", 6},
        {"0,1,00,1,1,,2", 4, "860.000", 3}, {"0,1,00,1,1,,1", 4, "870.000", 3},
    };
    for (const auto& c : cases) {
        const BandPlan plan = PlanOf(c.type);
        EXPECT_EQ(plan.DefaultFrequencyText(c.band), c.frequency) << c.type << " band " << c.band;
        EXPECT_EQ(plan.DefaultStepIndex(c.band), c.step) << c.type << " band " << c.band;
    }
}

// One rule for every record that arrives without an offset (a read, a paste,
// an old data file), and one for the editors' empty box, which ignores the
// variant.
TEST(BandPlanDefaults, OffsetFollowsTheReceiveFrequencyAndTheVariant)
{
    struct Case {
        const char* type;
        const char* rx;
        const char* record;
    } cases[] = {
        {"0,1,00,1,1,,", "00145000000", "000600000"},
        {"0,3,00,1,1,,", "00299999999", "000600000"},
        {"0,1,00,1,1,,", "00300000000", "005000000"},
        {"0,3,00,1,1,,", "00435000000", "001600000"},
        {"0,3,05,1,1,,", "00870000000", "001600000"},
        {"0,2,00,1,1,,", "00440000000", "005000000"},
        {"0,3,00,1,1,,", "", "000600000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlanOf(c.type).DefaultOffsetRecord(c.rx), c.record) << c.type << " " << c.rx;
    const char* const editor[BandPlan::BandCount] = {"0.60", "0.60", "5.00", "5.00", "5.00"};
    for (int band = 0; band < BandPlan::BandCount; ++band) {
        EXPECT_EQ(BandPlan::EditorOffsetText(band), editor[band]) << band;
        EXPECT_EQ(BandPlan::EditorOffsetHz(band), band <= 1 ? 600000 : 5000000) << band;
    }
}

TEST(BandPlanMinus76, OfferedOnVariantThreeExceptSubVariant05)
{
    EXPECT_TRUE(PlanOf("0,3,00,1,1,,").Minus76Offered());
    EXPECT_FALSE(PlanOf("0,3,05,1,1,,").Minus76Offered());
    EXPECT_FALSE(PlanOf("0,2,00,1,1,,").Minus76Offered());
}

} // namespace
