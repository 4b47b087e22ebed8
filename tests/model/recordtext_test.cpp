#include "recordtext.h"

#include <gtest/gtest.h>

namespace {

struct FieldCase {
    const char* record;
    int field;
    const char* expected;
};

TEST(RecordTextField, TakesTheTextBetweenCommasAndGivesEmptyWhenAbsent)
{
    const FieldCase cases[] = {
        {"2,00145000000", 0, "2"},
        {"2,00145000000", 1, "00145000000"},
        {"2,00145000000", 2, ""},
        {"2,00145000000", 18, ""},
        {"a,,c", 1, ""},
        {"a,,c", 2, "c"},
        {",", 0, ""},
        {",", 1, ""},
        {"", 0, ""},
        // 19 fields are counted at most: field 19 never exists.
        {"0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19", 18, "18"},
        {"0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19", 19, ""},
        {"x", -1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RecordText::Field(c.record, c.field), c.expected) << c.record << " field " << c.field;
}

TEST(RecordTextLabels, MapSlotsToLabelsAndBack)
{
    const std::pair<int, const char*> cases[] = {
        {0, "000"}, {7, "007"}, {17, "017"}, {199, "199"}, {200, "L0"},
        {201, "U0"}, {202, "L1"}, {218, "L9"}, {219, "U9"}, {220, "PR"},
    };
    for (const auto& [slot, label] : cases) {
        EXPECT_EQ(RecordText::ChannelLabel(slot), label);
        EXPECT_EQ(RecordText::SlotOfLabel(label), slot) << label;
    }
    EXPECT_EQ(RecordText::ChannelLabel(-1), "");
    EXPECT_EQ(RecordText::ChannelLabel(221), "");
}

TEST(RecordTextLabels, ReadDigitLabelsAsNumbersAndRefuseEverythingElse)
{
    EXPECT_EQ(RecordText::SlotOfLabel("5"), 5);
    EXPECT_EQ(RecordText::SlotOfLabel("0017"), 17);
    EXPECT_EQ(RecordText::SlotOfLabel("220"), 220);
    for (const char* bad : {"221", "999999999999999999999", "12a", "l0", "PR ", "X1", "", "-1"})
        EXPECT_FALSE(RecordText::SlotOfLabel(bad).has_value()) << bad;
}

TEST(RecordTextFormat, FrequenciesShowThreeToSixDecimals)
{
    const std::pair<const char*, const char*> cases[] = {
        {"00144000000", "144.000"}, {"00144000500", "144.0005"}, {"00145006250", "145.00625"},
        {"00144006251", "144.006251"}, {"00999999990", "999.99999"},
        // Short texts read as zero-padded on the left instead of running off the end.
        {"145000000", "145.000"}, {"", "000.000"},
    };
    for (const auto& [record, display] : cases)
        EXPECT_EQ(RecordText::FormatFrequency(record), display) << record;
}

TEST(RecordTextFormat, OffsetsShowTwoDecimals)
{
    const std::pair<const char*, const char*> cases[] = {
        {"000600000", "0.60"}, {"005000000", "5.00"}, {"029950000", "29.95"},
        {"001600000", "1.60"}, {"010000000", "10.00"}, {"600000", "0.60"}, {"", "0.00"},
    };
    for (const auto& [record, display] : cases)
        EXPECT_EQ(RecordText::FormatOffset(record), display) << record;
}

} // namespace
