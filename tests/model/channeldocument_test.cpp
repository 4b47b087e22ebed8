#include "channeldocument.h"

#include <gtest/gtest.h>

namespace {

TEST(ChannelDocumentDefaults, DefaultTypeGivesTheExpectedVfoAndCallRecords)
{
    ChannelDocument doc;
    doc.StoreMemory(5, "005,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,");
    doc.ClearDocument();
    EXPECT_EQ(doc.Record(RecordKind::Memory, 5), "");
    EXPECT_EQ(doc.Record(RecordKind::Vfo, 0), "1,00118000000,3,0,0,0,0,,09,,09,000600000,,,,,,");
    EXPECT_EQ(doc.Record(RecordKind::Vfo, 1), "2,00144000000,0,0,0,0,0,,09,,09,000600000,,,,,0,");
    EXPECT_EQ(doc.Record(RecordKind::Vfo, 2), "");
    EXPECT_EQ(doc.Record(RecordKind::Vfo, 3), "6,00440000000,6,0,0,0,0,,09,,09,005000000,,,,,0,");
    EXPECT_EQ(doc.Record(RecordKind::Vfo, 4), "");
    EXPECT_EQ(doc.Record(RecordKind::Call, 0), "0,00144000000,0,0,0,0,0,,09,,09,000600000,,,,,,");
    EXPECT_EQ(doc.Record(RecordKind::Call, 1), "1,00440000000,6,0,0,0,0,,09,,09,005000000,,,,,,");
    EXPECT_EQ(doc.Plan().BandName(3), "440MHz");
}

struct DefaultsCase {
    const char* type;
    const char* vfo1;
    const char* vfo3;
    const char* vfo0;
    const char* vfo2;
    const char* vfo4;
};

TEST(ChannelDocumentDefaults, EachVariantFillsItsOwnRecords)
{
    const DefaultsCase cases[] = {
        {"0,0,00,1,0,0,0", "2,00145000000,5,0,0,0,0,,09,,09,000600000,,,,,0,",
         "6,00433000000,5,0,0,0,0,,09,,09,005000000,,,,,0,", "", "", ""},
        {"0,1,00,1,1,1,1", "2,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,0,",
         "6,00430000000,6,0,0,0,0,,09,,09,005000000,,,,,0,", "1,00118000000,3,0,0,0,0,,09,,09,000600000,,,,,,",
         "5,00340000000,3,0,0,0,0,,09,,09,005000000,,,,,,", "8,00870000000,3,0,0,0,0,,09,,09,005000000,,,,,,"},
        {"0,3,05,1,0,1,1", "2,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,0,",
         "6,00432000000,6,0,0,0,0,,09,,09,001600000,,,,,0,", "", "5,00340000000,3,0,0,0,0,,09,,09,001600000,,,,,,",
         "8,00870000000,3,0,0,0,0,,09,,09,001600000,,,,,,"},
        {"0,3,00,1,0,0,2", "2,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,0,",
         "6,00430000000,6,0,0,0,0,,09,,09,001600000,,,,,0,", "", "", "8,00860000000,3,0,0,0,0,,09,,09,005000000,,,,,,"},
    };
    for (const auto& c : cases) {
        ChannelDocument doc;
        doc.StoreRadioType(c.type);
        doc.ClearDocument();
        EXPECT_EQ(doc.Record(RecordKind::Vfo, 1), c.vfo1) << c.type;
        EXPECT_EQ(doc.Record(RecordKind::Vfo, 3), c.vfo3) << c.type;
        EXPECT_EQ(doc.Record(RecordKind::Vfo, 0), c.vfo0) << c.type;
        EXPECT_EQ(doc.Record(RecordKind::Vfo, 2), c.vfo2) << c.type;
        EXPECT_EQ(doc.Record(RecordKind::Vfo, 4), c.vfo4) << c.type;
    }
}

TEST(ChannelDocumentDefaults, UnknownVariantLeavesTheRecordsAlone)
{
    ChannelDocument doc;
    doc.StoreVfo(1, "2,00146000000");
    doc.StoreRadioType("0,9,00,1,0,0,0");
    doc.ApplyBandDefaults();
    EXPECT_EQ(doc.Record(RecordKind::Vfo, 1), "2,00146000000");
}

TEST(ChannelDocumentSlots, StoresAreCutToTheSlotAndNeverLeaveIt)
{
    ChannelDocument doc;
    const std::string huge(100000, '7');
    doc.StoreMemory(0, huge);
    doc.StoreCall(1, huge);
    doc.StoreVfo(4, huge);
    doc.StoreDtmf(9, huge);
    doc.StorePasteBuffer(huge);
    doc.StoreRadioType(huge);
    EXPECT_EQ(doc.Record(RecordKind::Memory, 0).size(), 99u);
    EXPECT_EQ(doc.Record(RecordKind::Memory, 1).size(), 0u) << "the neighbour slot is untouched";
    EXPECT_EQ(doc.Record(RecordKind::Call, 1).size(), 99u);
    EXPECT_EQ(doc.Record(RecordKind::Vfo, 4).size(), 99u);
    EXPECT_EQ(doc.Record(RecordKind::Dtmf, 9).size(), 19u);
    EXPECT_EQ(doc.Record(RecordKind::PasteBuffer, 0).size(), 99u);
    EXPECT_EQ(doc.Record(RecordKind::RadioType, 0).size(), 19u);

    // Out-of-range slots are ignored on store and read as empty.
    doc.StoreMemory(221, "221,x");
    doc.StoreMemory(-1, "x");
    doc.StoreDtmf(10, "10,1");
    EXPECT_EQ(doc.Record(RecordKind::Memory, 221), "");
    EXPECT_EQ(doc.GetField(RecordKind::Dtmf, 10, 0), "");
}

TEST(ChannelDocumentSlots, ClearEmptiesOneSlotAndKeepsTypeAndCommentOnClearDocument)
{
    ChannelDocument doc;
    doc.StoreMemory(3, "003,00145000000");
    doc.StoreMemory(4, "004,00145000000");
    doc.StoreDtmf(2, "02,123");
    doc.ClearMemory(3);
    doc.ClearDtmf(2);
    EXPECT_EQ(doc.Record(RecordKind::Memory, 3), "");
    EXPECT_EQ(doc.Record(RecordKind::Memory, 4), "004,00145000000");
    EXPECT_EQ(doc.Record(RecordKind::Dtmf, 2), "");

    doc.StoreRadioType("0,1,00,1,0,,");
    doc.Plan().StoreBandLimits("00136,00174,00400,00470");
    doc.StorePasteBuffer("keep");
    doc.ClearDocument();
    EXPECT_EQ(doc.Record(RecordKind::RadioType, 0), "0,1,00,1,0,,");
    EXPECT_EQ(doc.Record(RecordKind::BandLimit, 1), "00136,00174");
    EXPECT_EQ(doc.Record(RecordKind::PasteBuffer, 0), "keep");
    EXPECT_EQ(doc.Record(RecordKind::Memory, 4), "");
}

TEST(ChannelDocumentSlots, VfoCodesMapToSlots)
{
    const std::pair<char, int> cases[] = {{'1', 0}, {'2', 1}, {'5', 2}, {'6', 3}, {'8', 4}, {'x', 4}, {'\0', 4}};
    for (const auto& [code, slot] : cases)
        EXPECT_EQ(ChannelDocument::VfoSlotOfCode(code), slot) << code;
}

} // namespace
