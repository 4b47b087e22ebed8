#include "channelrows.h"
#include "datafile.h"
#include "recordtext.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using ClipboardRules::Grid;

std::string Channel(int slot, const char* rx = "00145000000")
{
    return RecordText::ChannelLabel(slot) + "," + rx + ",5,0,0,0,0,,09,,09,000600000,0,,,,,";
}

// A document whose memory slots hold the given records, and nothing else.
ChannelDocument With(const std::map<int, std::string>& memory)
{
    ChannelDocument doc;
    doc.ClearDocument();
    for (const auto& [slot, record] : memory)
        doc.StoreMemory(slot, record);
    for (int band = 0; band < BandPlan::BandCount; ++band)
        doc.Plan().SetLimitRecord(band, BandPlan::DefaultLimitRecord(band));
    return doc;
}

std::string Whole(const ChannelDocument& doc)
{
    return DataFile::WriteDataFile(doc);
}

struct ShiftCase {
    const char* name;
    std::map<int, std::string> before;
    bool (*operation)(ChannelDocument&);
    bool done;
    std::map<int, std::string> after;
};

TEST(ChannelRows, InsertAndDeleteWithShiftAtTheEndsOfTheNumberedChannels)
{
    const ShiftCase cases[] = {
        {"insert at 000",
         {{0, Channel(0)}, {198, Channel(198)}},
         [](ChannelDocument& d) { return ChannelRows::InsertEmpty(d, 0); },
         true,
         {{1, Channel(1)}, {199, Channel(199)}}},
        {"insert at 199",
         {{198, Channel(198)}},
         [](ChannelDocument& d) { return ChannelRows::InsertEmpty(d, 199); },
         true,
         {{198, Channel(198)}}},
        {"insert refused while 199 is in use",
         {{5, Channel(5)}, {199, Channel(199)}},
         [](ChannelDocument& d) { return ChannelRows::InsertEmpty(d, 0); },
         false,
         {{5, Channel(5)}, {199, Channel(199)}}},
        {"insert leaves the scan edges alone",
         {{198, Channel(198)}, {200, "L0,00145000000"}},
         [](ChannelDocument& d) { return ChannelRows::InsertEmpty(d, 198); },
         true,
         {{199, Channel(199)}, {200, "L0,00145000000"}}},
        {"insert refused on L0",
         {{200, "L0,00145000000"}},
         [](ChannelDocument& d) { return ChannelRows::InsertEmpty(d, 200); },
         false,
         {{200, "L0,00145000000"}}},
        {"delete 000",
         {{0, Channel(0)}, {1, Channel(1)}, {199, Channel(199)}, {200, "L0,00145000000"}},
         [](ChannelDocument& d) { return ChannelRows::DeleteAndShiftUp(d, 0, 1); },
         true,
         {{0, Channel(0)}, {198, Channel(198)}, {200, "L0,00145000000"}}},
        {"delete 199",
         {{198, Channel(198)}, {199, Channel(199)}},
         [](ChannelDocument& d) { return ChannelRows::DeleteAndShiftUp(d, 199, 1); },
         true,
         {{198, Channel(198)}}},
        {"delete past 199 stops there",
         {{197, Channel(197)}, {198, Channel(198)}, {199, Channel(199)}},
         [](ChannelDocument& d) { return ChannelRows::DeleteAndShiftUp(d, 198, 5); },
         true,
         {{197, Channel(197)}}},
        {"move 000..001 down",
         {{0, Channel(0, "00145000000")}, {1, Channel(1, "00146000000")}, {2, Channel(2, "00147000000")}},
         [](ChannelDocument& d) { return ChannelRows::MoveBlock(d, 0, 2, 1); },
         true,
         {{0, Channel(0, "00147000000")}, {1, Channel(1, "00145000000")}, {2, Channel(2, "00146000000")}}},
        {"move 000 up refused",
         {{0, Channel(0)}},
         [](ChannelDocument& d) { return ChannelRows::MoveBlock(d, 0, 1, -1); },
         false,
         {{0, Channel(0)}}},
        {"move 199 down refused",
         {{199, Channel(199)}},
         [](ChannelDocument& d) { return ChannelRows::MoveBlock(d, 199, 1, 1); },
         false,
         {{199, Channel(199)}}},
    };
    for (const ShiftCase& c : cases) {
        ChannelDocument doc = With(c.before);
        EXPECT_EQ(c.operation(doc), c.done) << c.name;
        EXPECT_EQ(Whole(doc), Whole(With(c.after))) << c.name;
    }
}

TEST(ChannelRows, PasteOfSeveralRowsReportsTheRowsItRefused)
{
    struct PasteCase {
        const char* name;
        Grid grid;
        int firstSlot;
        std::vector<std::string> rows;
        std::vector<int> refused;
        std::map<int, std::string> memory;
        std::map<int, std::string> dtmf;
    };
    const PasteCase cases[] = {
        {"label and lockout rule of each target",
         Grid::Memory,
         199,
         {Channel(0), Channel(1)},
         {},
         {{199, Channel(199)}, {200, "L0,00145000000,5,0,0,0,0,,09,,09,000600000,,,,,,"}},
         {}},
        {"empty rows leave their slot, out-of-band and DTMF rows refused",
         Grid::Memory,
         10,
         {Channel(0), "", Channel(2, "00600000000"), "03,12", Channel(4)},
         {2, 3},
         {{10, Channel(10)}, {14, Channel(14)}},
         {}},
        {"past the last row",
         Grid::Memory,
         220,
         {Channel(0), Channel(1)},
         {1},
         {{220, "PR,00145000000,5,0,0,0,0,,09,,09,000600000,,,,,,"}},
         {}},
        {"DTMF memories renumbered, channels refused",
         Grid::Dtmf,
         8,
         {"02,123A", Channel(0), "04,#"},
         {1, 2},
         {},
         {{8, "08,123A"}}},
    };
    for (const PasteCase& c : cases) {
        ChannelDocument doc = With({});
        EXPECT_EQ(ChannelRows::Paste(doc, c.grid, c.firstSlot, c.rows), c.refused) << c.name;
        ChannelDocument expected = With(c.memory);
        for (const auto& [slot, record] : c.dtmf)
            expected.StoreDtmf(slot, record);
        EXPECT_EQ(Whole(doc), Whole(expected)) << c.name;
    }
}

} // namespace

namespace {

std::string Named(int slot, const char* rx, const char* name)
{
    return Channel(slot, rx) + name;
}

struct SortCase {
    const char* what;
    std::map<int, std::string> before;
    std::vector<int> slots;
    ChannelRows::SortKey key;
    bool moved;
    std::map<int, std::string> after;
};

// Channels move only among the slots they occupied; equal keys keep their
// order; what is outside the chosen numbered channels stays.
TEST(ChannelRows, SortWithinTheOccupiedSlots)
{
    using ChannelRows::SortKey;
    const SortCase cases[] = {
        {"by frequency, empty slots stay empty",
         {{0, Channel(0, "00146000000")}, {2, Channel(2, "00145000000")}, {5, Channel(5, "00144000000")}},
         {0, 1, 2, 3, 4, 5},
         SortKey::RxFrequency,
         true,
         {{0, Channel(0, "00144000000")}, {2, Channel(2, "00145000000")}, {5, Channel(5, "00146000000")}}},
        {"equal frequencies keep their order",
         {{0, Named(0, "00145000000", "B")}, {1, Named(1, "00144000000", "X")}, {2, Named(2, "00145000000", "A")}},
         {0, 1, 2},
         SortKey::RxFrequency,
         true,
         {{0, Named(0, "00144000000", "X")}, {1, Named(1, "00145000000", "B")}, {2, Named(2, "00145000000", "A")}}},
        {"by name, unnamed channels last",
         {{3, Channel(3, "00144000000")}, {4, Named(4, "00145000000", "ZED")}, {5, Named(5, "00146000000", "ABE")}},
         {3, 4, 5},
         SortKey::Name,
         true,
         {{3, Named(3, "00146000000", "ABE")}, {4, Named(4, "00145000000", "ZED")}, {5, Channel(5, "00144000000")}}},
        {"only the chosen slots; scan edges never move",
         {{0, Channel(0, "00146000000")},
          {1, Channel(1, "00145000000")},
          {9, Channel(9, "00144000000")},
          {200, Channel(200, "00118000000")}},
         {0, 1, 200},
         SortKey::RxFrequency,
         true,
         {{0, Channel(0, "00145000000")},
          {1, Channel(1, "00146000000")},
          {9, Channel(9, "00144000000")},
          {200, Channel(200, "00118000000")}}},
        {"in order already",
         {{0, Channel(0, "00144000000")}, {7, Channel(7, "00145000000")}},
         {0, 7},
         SortKey::RxFrequency,
         false,
         {{0, Channel(0, "00144000000")}, {7, Channel(7, "00145000000")}}},
    };
    for (const SortCase& c : cases) {
        ChannelDocument doc = With(c.before);
        EXPECT_EQ(ChannelRows::Sort(doc, c.slots, c.key), c.moved) << c.what;
        EXPECT_EQ(Whole(doc), Whole(With(c.after))) << c.what;
    }
}

} // namespace
