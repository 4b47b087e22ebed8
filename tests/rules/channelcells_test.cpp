#include "channelcells.h"
#include "channeldocument.h"
#include "typedentrycases.h"

#include <gtest/gtest.h>

namespace {

using namespace ChannelCells;

ChannelDocument Document(const char* type, std::initializer_list<std::pair<int, const char*>> memory)
{
    ChannelDocument doc;
    doc.StoreRadioType(type);
    doc.ClearDocument();
    for (const auto& [slot, record] : memory)
        doc.StoreMemory(slot, record);
    return doc;
}

TEST(ChannelCells, ATypedCellStoresWhatTheMemoryEditorStores)
{
    using namespace TypedEntryCases;
    for (const Case& c : kCases) {
        const ChannelDocument doc = Document(c.type, {{kSlot, c.before}});
        const Result result = Evaluate(doc, kSlot, c.column, c.typed);
        if (!c.stored) {
            EXPECT_EQ(result.verdict, Verdict::Refused) << c.what;
            EXPECT_FALSE(result.reason.empty()) << c.what;
            continue;
        }
        EXPECT_NE(result.verdict, Verdict::Refused) << c.what << ": " << result.reason;
        EXPECT_EQ(result.record, c.stored) << c.what;
    }
}

// What the editor's layout keeps the user from choosing, the table refuses
// or coerces with a reason; the neighbouring fields the editor would change
// with it change too.
TEST(ChannelCells, CellsTheEditorHasNoBoxFor)
{
    constexpr const char* kSplit = "005,00435000000,6,0,1,0,0,,09,,09,005000000,0,,00145000000,6,,SAT";
    constexpr const char* kToneOn = "005,00145000000,3,2,1,1,0,,12,,09,000600000,0,,,,,RPT";
    struct Case {
        const char* what;
        const char* type;
        int slot;
        const char* before;
        Column column;
        const char* typed;
        Verdict verdict;
        const char* stored; // for Stored and Coerced
    };
    const Case cases[] = {
        {"CTCSS goes off when a tone is chosen", TypedEntryCases::kDefaultType, 5, kToneOn, Column::Ctcss, "100.0",
         Verdict::Coerced, "005,00145000000,3,2,1,0,1,,12,,13,000600000,0,,,,,RPT"},
        {"a tone typed without its unit", TypedEntryCases::kDefaultType, 5, kToneOn, Column::Tone, "67.0",
         Verdict::Stored, "005,00145000000,3,2,1,1,0,,01,,09,000600000,0,,,,,RPT"},
        {"tone off keeps its frequency", TypedEntryCases::kDefaultType, 5, kToneOn, Column::Tone, "Off",
         Verdict::Stored, "005,00145000000,3,2,1,0,0,,12,,09,000600000,0,,,,,RPT"},
        {"code 02 is no tone the lists offer", TypedEntryCases::kDefaultType, 5, kToneOn, Column::Tone, "69.0",
         Verdict::Refused, nullptr},
        {"the same value again stores nothing", TypedEntryCases::kDefaultType, 5, kToneOn, Column::Shift, "-",
         Verdict::Unchanged, nullptr},
        {"a step re-fits the frequency", TypedEntryCases::kDefaultType, 5,
         "005,00145006250,1,0,0,0,0,,09,,09,000600000,0,,,,,", Column::Step, "12.5", Verdict::Coerced,
         "005,00145000000,3,0,0,0,0,,09,,09,000600000,0,,,,,"},
        {"split takes the receive frequency to transmit on and ends reverse", TypedEntryCases::kDefaultType, 5, kToneOn,
         Column::Shift, "Split", Verdict::Coerced, "005,00145000000,3,0,0,1,0,,12,,09,000600000,0,,00145000000,3,,RPT"},
        {"an emptied transmit frequency ends the split", TypedEntryCases::kDefaultType, 5, kSplit, Column::TxFrequency,
         "", Verdict::Stored, "005,00435000000,6,0,0,0,0,,09,,09,005000000,0,,,,,SAT"},
        {"a split channel is not reversed", TypedEntryCases::kDefaultType, 5, kSplit, Column::Reverse, "On",
         Verdict::Refused, nullptr},
        {"-7.6 MHz on a radio without it", TypedEntryCases::kDefaultType, 5, kToneOn, Column::Shift, "-7.6",
         Verdict::Refused, nullptr},
        {"-7.6 MHz below 300 MHz is stored as simplex", TypedEntryCases::kMinus76Type, 5, kToneOn, Column::Shift,
         "-7.6", Verdict::Coerced, "005,00145000000,3,0,1,1,0,,12,,09,000600000,0,,,,,RPT"},
        {"scan edges have no lock-out", TypedEntryCases::kDefaultType, 200,
         "L0,00145000000,3,0,0,0,0,,09,,09,000600000,0,,,,,", Column::Lockout, "On", Verdict::Refused, nullptr},
        {"only the frequency makes a channel of an empty slot", TypedEntryCases::kDefaultType, 5, "", Column::Name,
         "NEW", Verdict::Refused, nullptr},
        {"an empty slot takes the defaults of the typed frequency's band", TypedEntryCases::kDefaultType, 5, "",
         Column::RxFrequency, "435", Verdict::Stored, "005,00435000000,6,0,0,0,0,,09,,09,005000000,0,,,,,"},
        {"an empty receive frequency is refused, not a channel at 118 MHz", TypedEntryCases::kDefaultType, 5, kToneOn,
         Column::RxFrequency, "", Verdict::Refused, nullptr},
        {"a tone by its first digits", TypedEntryCases::kDefaultType, 5, kToneOn, Column::Tone, "123", Verdict::Stored,
         "005,00145000000,3,2,1,1,0,,19,,09,000600000,0,,,,,RPT"},
        {"a step by its first digits", TypedEntryCases::kDefaultType, 5, kToneOn, Column::Step, "12",
         Verdict::Unchanged, nullptr},
        {"a shift by its first letters", TypedEntryCases::kDefaultType, 5, kToneOn, Column::Shift, "sim",
         Verdict::Stored, "005,00145000000,3,0,1,1,0,,12,,09,000600000,0,,,,,RPT"},
        {"a copied row pasted into a frequency cell", TypedEntryCases::kDefaultType, 5, kToneOn, Column::RxFrequency,
         "001\t00145500000\t3\t0\n002\t00433000000", Verdict::Refused, nullptr},
        {"comma-separated fields in a name", TypedEntryCases::kDefaultType, 5, kToneOn, Column::Name, "AB,CD",
         Verdict::Refused, nullptr},
        {"more digits than a frequency has", TypedEntryCases::kDefaultType, 5, kToneOn, Column::RxFrequency,
         "00145500000", Verdict::Refused, nullptr},
        {"leading zeros are no extra digits", TypedEntryCases::kDefaultType, 5, kToneOn, Column::RxFrequency, "0145.5",
         Verdict::Stored, "005,00145500000,3,2,1,1,0,,12,,09,000600000,0,,,,,RPT"},
    };
    for (const Case& c : cases) {
        const ChannelDocument doc = Document(c.type, {{c.slot, c.before}});
        const Result result = Evaluate(doc, c.slot, c.column, c.typed);
        EXPECT_EQ(result.verdict, c.verdict) << c.what << ": " << result.reason;
        if (c.stored) {
            EXPECT_EQ(result.record, c.stored) << c.what;
        }
        EXPECT_EQ(result.reason.empty(), c.verdict == Verdict::Stored || c.verdict == Verdict::Unchanged) << c.what;
    }
}

TEST(ChannelCells, ManyRowsLeaveEmptySlotsOutAndRefuseRowByRow)
{
    ChannelDocument doc =
        Document(TypedEntryCases::kDefaultType, {{0, "000,00145000000,3,0,0,0,0,,09,,09,000600000,0,,,,,"},
                                                 {2, "002,00145000000,3,0,0,0,0,,09,,09,000600000,1,,,,,"},
                                                 {200, "L0,00145000000,3,0,0,0,0,,09,,09,000600000,0,,,,,"}});
    const std::vector<RowResult> rows = EvaluateRows(doc, {0, 1, 2, 200}, Column::Lockout, "On");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].result.verdict, Verdict::Stored);
    EXPECT_EQ(rows[1].result.verdict, Verdict::Unchanged);
    EXPECT_EQ(rows[2].slot, 200);
    EXPECT_EQ(rows[2].result.verdict, Verdict::Refused);
}

} // namespace
