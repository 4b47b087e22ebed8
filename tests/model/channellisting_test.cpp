#include "channellisting.h"
#include "gridtext.h"

#include <gtest/gtest.h>

#include <array>

namespace {

struct LineCase {
    RecordKind kind;
    const char* type;
    const char* record;
    const char* line;
};

TEST(ChannelListingLine, AppendsEachPartUnderItsCondition)
{
    const LineCase cases[] = {
        {RecordKind::Memory, "0,2,00,1,1,,", "012,00145500000,3,2,0,1,0,,09,,09,000600000,1,,,,,RPT1",
         "012 145.500MHz 12.5kHz - T:88.5Hz Offset:0.60MHz Name:RPT1 *"},
        {RecordKind::Memory, "0,2,00,1,1,,", "013,00145500000,0,1,1,0,1,,09,,02,005000000,0,,,,,",
         "013 145.500MHz 5kHz + R CT:69.4Hz Offset:5.00MHz"},
        // -7.6 MHz shift prints no offset part; a split channel prints its transmit part instead.
        {RecordKind::Memory, "0,3,00,1,1,,", "L3,00439000000,6,3,0,0,0,,09,,09,001600000,,,,,,",
         "L3 439.000MHz 25kHz -7.6"},
        {RecordKind::Memory, "0,2,00,1,1,,", "PR,00145000000,5,1,0,0,0,,09,,09,000600000,,,00440000000,6,,",
         "PR 145.000MHz 20kHz + TX:440.000MHz 25kHz"},
        {RecordKind::Vfo, "0,2,00,1,1,,", "1,00118000000,3,0,0,0,0,,09,,09,000600000,,,,,,",
         "118MHz 118.000MHz 12.5kHz"},
        {RecordKind::Vfo, "0,2,00,1,1,,", "6,00440000000,6,0,0,0,0,,09,,09,005000000,,,,,3,",
         "440MHz 440.000MHz 25kHz RF:EL"},
        {RecordKind::Vfo, "0,1,00,1,1,,", "6,00430000000,6,0,0,0,0,,09,,09,005000000,,,,,2,",
         "430MHz 430.000MHz 25kHz RF:Low"},
        {RecordKind::Vfo, "0,1,00,1,1,,", "9,00830000000,1,0,0,0,0,,09,,09,005000000,,,,,1,",
         "9 830.000MHz 6.25kHz RF:Mid"},
        {RecordKind::Call, "0,2,00,1,1,,", "1,00440000000,6,0,0,0,0,,09,,09,005000000,,,,,,",
         "440MHz 440.000MHz 25kHz"},
        {RecordKind::Call, "0,1,00,1,1,,", "1,00430000000,6,0,0,0,0,,09,,09,005000000,,,,,,",
         "430MHz 430.000MHz 25kHz"},
        {RecordKind::Call, "0,1,00,1,1,,", "0,00144000000,0,0,0,0,0,,09,,09,000600000,,,,,,", "144MHz 144.000MHz 5kHz"},
        // Values outside the tables print as they are stored.
        {RecordKind::Memory, "0,2,00,1,1,,", "020,00145000000,x,0,0,1,0,,,,09,000600000,0,,,,,", "020 145.000MHz x T:"},
    };
    for (const auto& c : cases) {
        BandPlan plan;
        plan.SetRadioType(c.type);
        EXPECT_EQ(ChannelListing::ChannelLine(c.kind, c.record, plan), c.line) << c.record;
    }
}

TEST(ChannelListingLine, DtmfMemoriesWithoutCodeAreNotListed)
{
    EXPECT_EQ(ChannelListing::DtmfLine("03,123A"), "03 123A");
    EXPECT_EQ(ChannelListing::DtmfLine("03,"), "");
    EXPECT_FALSE(ChannelListing::IsListed(RecordKind::Dtmf, "03,"));
    EXPECT_TRUE(ChannelListing::IsListed(RecordKind::Dtmf, "03,*"));
    EXPECT_FALSE(ChannelListing::IsListed(RecordKind::Memory, "000,1"));
    EXPECT_TRUE(ChannelListing::IsListed(RecordKind::Memory, "000,14"));
}

TEST(ChannelListingList, SectionsInOrderWithCommentOnlyWhenPresent)
{
    ChannelDocument doc;
    doc.ClearDocument();
    doc.StoreMemory(1, "001,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,");
    doc.StoreMemory(2, "002,0");
    doc.StoreDtmf(4, "04,#*");
    const std::vector<std::string> expected = {"Memory Channel",
                                               "001 145.000MHz 20kHz",
                                               "VFO",
                                               "118MHz 118.000MHz 12.5kHz",
                                               "144MHz 144.000MHz 5kHz RF:High",
                                               "440MHz 440.000MHz 25kHz RF:High",
                                               "CALL Channel",
                                               "144MHz 144.000MHz 5kHz",
                                               "440MHz 440.000MHz 25kHz",
                                               "DTMF Memory",
                                               "04 #*"};
    EXPECT_EQ(ChannelListing::ListLines(doc), expected);

    doc.SetComment("note");
    const auto withComment = ChannelListing::ListLines(doc);
    ASSERT_GE(withComment.size(), 3u);
    EXPECT_EQ(withComment[0], "Comment");
    EXPECT_EQ(withComment[1], "note");
    EXPECT_EQ(withComment[2], "Memory Channel");
}

// What the grids and the status bar show, without a window.
TEST(GridText, CellsAndStatusPanelsOfARow)
{
    struct Case {
        GridText::Grid grid;
        int row;
        const char* record;
        std::array<const char*, 4> cells;
        std::array<const char*, 3> panels;
    };
    using G = GridText::Grid;
    const Case cases[] = {
        {G::Memory,
         200,
         "199,00145000000,5,1,1,0,0,,09,,09,000600000,1,,,,,RPT",
         {"*", "199", "145.000", "RPT"},
         {"Offset : 0.60MHz", "+ R", ""}},
        // The lock-out mark is for the numbered channels only.
        {G::Memory,
         201,
         "L0,00145000000,5,0,0,1,0,,02,,09,000600000,1,,,,,",
         {"", "L0", "145.000", ""},
         {"", "", "T : 69.0"}},
        {G::Memory, 6, "x", {"", "005", "", ""}, {"", "", ""}},
        {G::Memory,
         221,
         "PR,00145000000,5,0,1,0,1,,09,,13,000600000,,,00144500000,5,,",
         {"", "PR", "145.000", ""},
         {"Tx Frequency : 144.500MHz", "+-", "CT : 100.0Hz"}},
        // VFO rows list the bands the radio has: 118, 144, 440 MHz.
        {G::Vfo,
         3,
         "6,00435000000,6,3,0,0,0,,09,,09,005000000,,,,,0,",
         {"", "440MHz", "435.000", ""},
         {"", "-7.6", ""}},
        {G::Call,
         2,
         "1,00440000000,6,2,0,0,0,,09,,09,005000000,,,,,,",
         {"", "440MHz", "440.000", ""},
         {"Offset : 5.00MHz", "-", ""}},
        {G::Dtmf, 4, "03,123A", {"", "3", "123A", ""}, {"", "", ""}},
    };
    for (const Case& c : cases) {
        ChannelDocument doc;
        doc.ClearDocument();
        const int slot = GridText::SlotOfRow(c.grid, c.row, doc.Plan());
        switch (c.grid) {
        case G::Memory: doc.StoreMemory(slot, c.record); break;
        case G::Vfo: doc.StoreVfo(slot, c.record); break;
        case G::Call: doc.StoreCall(slot, c.record); break;
        case G::Dtmf: doc.StoreDtmf(slot, c.record); break;
        }
        for (int column = 0; column < GridText::ColumnCount(c.grid); ++column)
            EXPECT_EQ(GridText::Cell(doc, c.grid, c.row, column), c.cells[column]) << c.record << " column " << column;
        const auto panels = GridText::StatusPanels(doc, c.grid, c.row);
        for (int panel = 0; panel < 3; ++panel)
            EXPECT_EQ(panels[panel], c.panels[panel]) << c.record << " panel " << panel;
    }
}

} // namespace
