#include "channeldocument.h"
#include "clipboardrules.h"
#include "recordtext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

using ClipboardRules::Grid;

const char* const kMemory000 = "000,00145000000,5,0,0,1,0,,09,,09,000600000,0,,,,,HOME";
const char* const kUhf = "001,00435000000,6,2,0,0,1,,09,,12,005000000,1,,,,,";

BandPlan Plan(const char* type = "0,2,00,1,1,,")
{
    BandPlan plan;
    plan.SetRadioType(type);
    for (int band = 0; band < BandPlan::BandCount; ++band)
        if (plan.BandExists(band))
            plan.SetLimitRecord(band, BandPlan::DefaultLimitRecord(band));
    return plan;
}

struct OfferCase {
    const char* type;
    const char* buffer;
    Grid grid;
    int row;
    int rowBand;
    bool offered;
};

TEST(ClipboardPasteOffered, ChannelsGoWhereTheirBandFits)
{
    const OfferCase cases[] = {
        {"0,2,00,1,1,,", kMemory000, Grid::Memory, 5, 0, true},
        {"0,2,00,1,1,,", kMemory000, Grid::Vfo, 2, 1, true},
        {"0,2,00,1,1,,", kMemory000, Grid::Vfo, 3, 3, false},
        {"0,2,00,1,1,,", kMemory000, Grid::Call, 1, 0, true},
        {"0,2,00,1,1,,", kMemory000, Grid::Call, 2, 0, false},
        {"0,2,00,1,1,,", kMemory000, Grid::Dtmf, 3, 0, false},
        {"0,2,00,1,1,,", kUhf, Grid::Vfo, 3, 3, true},
        {"0,2,00,1,1,,", kUhf, Grid::Call, 2, 0, true},
        {"0,2,00,1,1,,", kUhf, Grid::Call, 1, 0, false},
        // Outside the band limits (136..173 MHz): nowhere.
        {"0,2,00,1,1,,", "000,00180000000,5,0,0,0,0,,09,,09,000600000,0,,,,,", Grid::Memory, 1, 0, false},
        // 118 MHz channels go to CALL row 1 only where the band exists.
        {"0,2,00,1,1,,", "000,00120000000,3,0,0,0,0,,09,,09,000600000,0,,,,,", Grid::Call, 1, 0, true},
        // 800 MHz channels go to CALL row 2 only for type field 6 "1".
        {"0,1,00,1,0,,1", "000,00870000000,3,0,0,0,0,,09,,09,005000000,0,,,,,", Grid::Call, 2, 0, true},
        {"0,1,00,1,0,,2", "000,00870000000,3,0,0,0,0,,09,,09,005000000,0,,,,,", Grid::Call, 2, 0, false},
        // DTMF memories only on the DTMF grid.
        {"0,2,00,1,1,,", "02,123A", Grid::Dtmf, 6, 0, true},
        {"0,2,00,1,1,,", "02,123A", Grid::Memory, 6, 0, false},
        {"0,2,00,1,1,,", "", Grid::Dtmf, 6, 0, false},
        {"0,2,00,1,1,,", "", Grid::Memory, 6, 0, false},
        // A record whose frequency is not digits is offered nowhere.
        {"0,2,00,1,1,,", "000,xx,5,0,0,0,0,,09,,09,000600000,0,,,", Grid::Memory, 1, 0, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClipboardRules::PasteOffered(c.buffer, c.grid, c.row, c.rowBand, Plan(c.type)), c.offered)
            << c.type << " " << c.buffer << " grid " << int(c.grid) << " row " << c.row;
}

struct PasteCase {
    const char* type;
    Grid grid;
    const char* key;
    const char* buffer;
    const char* record;
};

TEST(ClipboardPastedChannel, KeepsTheTargetsIdentityAndNormalises)
{
    const PasteCase cases[] = {
        {"0,2,00,1,1,,", Grid::Memory, "L3", kMemory000, "L3,00145000000,5,0,0,1,0,,09,,09,000600000,,,,,,HOME"},
        {"0,2,00,1,1,,", Grid::Memory, "012", kMemory000, "012,00145000000,5,0,0,1,0,,09,,09,000600000,0,,,,,HOME"},
        {"0,2,00,1,1,,", Grid::Memory, "PR", kUhf, "PR,00435000000,6,2,0,0,1,,09,,12,005000000,,,,,,"},
        // Shift 3 (-7.6 MHz) only survives on variant "3" radios.
        {"0,2,00,1,1,,", Grid::Memory, "020", "000,00435000000,6,3,0,0,0,,09,,09,,1,,,,,",
         "020,00435000000,6,0,0,0,0,,09,,09,005000000,1,,,,,"},
        {"0,3,00,1,1,,", Grid::Memory, "020", "000,00435000000,6,3,0,0,0,,09,,09,,1,,,,,",
         "020,00435000000,6,3,0,0,0,,09,,09,001600000,1,,,,,"},
        // Empty offset at 145 MHz; empty lockout becomes "0"; names: upper case, six at most.
        {"0,2,00,1,1,,", Grid::Memory, "004", "000,00145000000,5,0,0,0,0,,09,,09,,,,,,,REPEATER1",
         "004,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,REPEAT"},
        {"0,2,00,1,1,,", Grid::Memory, "004", "000,00145000000,5,0,0,0,0,,09,,09,,,,,,,abc",
         "004,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,"},
        {"0,2,00,1,1,,", Grid::Memory, "004", "000,00145000000,5,0,0,0,0,,09,,09,,,,00440000000,6,,A-1/ 2",
         "004,00145000000,5,0,0,0,0,,09,,09,000600000,0,,00440000000,6,,A-1/ 2"},
        // VFO rows: power only for band codes 2 and 6; "1" (Mid) becomes "0".
        {"0,2,00,1,1,,", Grid::Vfo, "2", kMemory000, "2,00145000000,5,0,0,1,0,,09,,09,000600000,,,,,0,"},
        {"0,2,00,1,1,,", Grid::Vfo, "2", "2,00145000000,5,0,0,1,0,,09,,09,000600000,,,,,1,",
         "2,00145000000,5,0,0,1,0,,09,,09,000600000,,,,,0,"},
        {"0,2,00,1,1,,", Grid::Vfo, "6", "6,00435000000,5,0,0,1,0,,09,,09,005000000,,,,,3,",
         "6,00435000000,5,0,0,1,0,,09,,09,005000000,,,,,3,"},
        {"0,2,00,1,1,,", Grid::Vfo, "1", "000,00120000000,3,0,0,0,0,,09,,09,000600000,0,,,,,",
         "1,00120000000,3,0,0,0,0,,09,,09,000600000,,,,,,"},
        // CALL rows keep the transmit frequency and step, drop lockout and name.
        {"0,2,00,1,1,,", Grid::Call, "1", "000,00435000000,6,0,0,0,0,,09,,09,,1,,00440000000,6,,NAME",
         "1,00435000000,6,0,0,0,0,,09,,09,005000000,,,00440000000,6,,"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClipboardRules::PastedChannel(c.grid, c.key, c.buffer, Plan(c.type)), c.record)
            << c.key << " <- " << c.buffer;
        // Every pasted channel record has the full 18 fields.
        const std::string record = ClipboardRules::PastedChannel(c.grid, c.key, c.buffer, Plan(c.type));
        EXPECT_EQ(std::count(record.begin(), record.end(), ','), 17) << record;
    }
}

TEST(ClipboardPasteRows, TakeOnlyWhatRecordsCanHold)
{
    using Rows = std::optional<std::vector<std::string>>;
    const std::string manyRows = [] {
        std::string rows;
        for (int i = 0; i < ChannelDocument::MemorySlots; ++i)
            rows += "0\n";
        return rows;
    }();
    const struct {
        std::string content;
        bool severalRows;
        Rows rows;
    } cases[] = {
        {"012\t00145500000\t3", false, Rows{{"012,00145500000,3"}}},
        {std::string("02\t12*#\0junk", 12), false, Rows{{"02,12*#"}}},
        // Control characters from another program never reach a record.
        {"000\t0014\x03"
         "5000000\t5\r\n",
         false, Rows{{"000,00145000000,5"}}},
        {"012\t1\r\n\n013\t2", true, Rows{{"012,1", "", "013,2"}}},
        {std::string(100, '1'), false, std::nullopt},
        {"1\n" + std::string(100, '1'), true, std::nullopt},
        {std::string(99, '1') + std::string(1, '\0') + "tail", false, Rows{{std::string(99, '1')}}},
        // One row more than the memory grid has: the last line after the
        // final line feed.
        {manyRows, true, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClipboardRules::PasteRows(c.content, c.severalRows), c.rows) << c.content;
}

TEST(ClipboardPastedDtmf, TakesTheTargetSlotAndTheCode)
{
    EXPECT_EQ(ClipboardRules::PastedDtmf(5, "02,123A"), "05,123A");
    EXPECT_EQ(ClipboardRules::PastedDtmf(0, "09,*#"), "00,*#");
}

} // namespace

// A copied row is judged field by field before it is pasted, whoever put it
// on the clipboard; the name is left to the paste, which cuts it.
TEST(ClipboardRowProblem, RefusesFieldsTheRadioDoesNotTake)
{
    const struct {
        const char* row;
        Grid grid;
        const char* problem; // part of the reason; "" when sound
    } cases[] = {
        {kMemory000, Grid::Memory, ""},
        {kUhf, Grid::Vfo, ""},
        {"000,00145000000,5,0,0,0,0,,09,,09,,,,,,,REPEATER1", Grid::Memory, ""},
        {"000,0014500x000,5,0,0,0,0,,09,,09,000600000,0,,,,,", Grid::Memory, "receive frequency \"0014500x000\""},
        {"000,145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,", Grid::Memory, "receive frequency"},
        {"000,00145000000,5,0,0,0,0,,45,,09,000600000,0,,,,,", Grid::Memory, "tone code \"45\""},
        {"000,00145000000,5,0,0,0,0,,09,,00,000600000,0,,,,,", Grid::Call, "tone code \"00\""},
        {"000,00145000000,12,0,0,0,0,,09,,09,000600000,0,,,,,", Grid::Memory, "step \"12\""},
        {"000,00145000000,5,7,0,0,0,,09,,09,000600000,0,,,,,", Grid::Memory, "shift \"7\""},
        {"000,00145000000,5,0,2,0,0,,09,,09,000600000,0,,,,,", Grid::Memory, "on/off field \"2\""},
        {"000,00145000000,5,0,0,0,0,,09,,09,0006000,0,,,,,", Grid::Memory, "offset"},
        {"000,00145000000,5,0,0,0,0,,09,,09,000600000,0,,0043500000A,6,,", Grid::Memory, "transmit frequency"},
        {"000,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,NAME,EXTRA", Grid::Memory, "more fields"},
        {"02,123A*#", Grid::Dtmf, ""},
        {"02,12E", Grid::Dtmf, "DTMF code \"12E\""},
    };
    for (const auto& c : cases) {
        const std::string problem = ClipboardRules::RowProblem(c.row, c.grid);
        if (*c.problem == '\0')
            EXPECT_EQ(problem, "") << c.row;
        else
            EXPECT_NE(problem.find(c.problem), std::string::npos) << c.row << ": " << problem;
    }
}
