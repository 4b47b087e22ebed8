#include "channeldocument.h"
#include "channelrules.h"
#include "editorkeys.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace ChannelRules;

constexpr const char* kDefaultType = "0,2,00,1,1,,";

ChannelDocument Document(const char* type)
{
    ChannelDocument doc;
    doc.StoreRadioType(type);
    doc.ClearDocument();
    return doc;
}

struct StoreCase {
    const char* what;
    const char* type;
    int slot;
    const char* record; // the slot's record before loading ("" = empty)
    std::function<void(ChannelForm&)> edit;
    Outcome outcome;
    const char* stored; // the slot's record afterwards
    bool rounded;
};

const auto kAsLoaded = [](ChannelForm&) {};

TEST(MemoryChannel, LoadEditStoreGivesTheWholeRecord)
{
    const StoreCase cases[] = {
        {"empty slot stores the defaults", kDefaultType, 5, "", kAsLoaded, Outcome::Done,
         "005,00144000000,0,0,0,0,0,,09,,09,000600000,0,,,,,", false},
        {"variant 0 defaults", "0,0,00,1,0,0,0", 0, "", kAsLoaded, Outcome::Done,
         "000,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,", false},
        {"a full record survives a round trip", kDefaultType, 12,
         "012,00145500000,3,2,1,1,0,,12,,09,000600000,1,,,,,RPT1", kAsLoaded, Outcome::Done,
         "012,00145500000,3,2,1,1,0,,12,,09,000600000,1,,,,,RPT1", false},
        {"split channel survives a round trip", kDefaultType, 13,
         "013,00435000000,6,0,0,0,1,,09,,14,005000000,0,,00145000000,3,,SAT", kAsLoaded, Outcome::Done,
         "013,00435000000,6,0,0,0,1,,09,,14,005000000,0,,00145000000,3,,SAT", false},
        {"split switched to simplex empties 14 to 16", kDefaultType, 13,
         "013,00435000000,6,0,0,0,1,,09,,14,005000000,0,,00145000000,3,,SAT",
         [](ChannelForm& f) { f.shift = ShiftMode::Simplex; }, Outcome::Done,
         "013,00435000000,6,0,0,0,1,,09,,14,005000000,0,,,,,SAT", false},
        {"tone code 02 is stored back as 03", kDefaultType, 1, "001,00145000000,0,0,0,1,0,,02,,02,000600000,0,,,,,",
         kAsLoaded, Outcome::Done, "001,00145000000,0,0,0,1,0,,03,,03,000600000,0,,,,,", false},
        {"tone and CTCSS both on load as CTCSS only", kDefaultType, 1,
         "001,00145000000,0,0,0,1,1,,09,,09,000600000,0,,,,,", kAsLoaded, Outcome::Done,
         "001,00145000000,0,0,0,0,1,,09,,09,000600000,0,,,,,", false},
        {"edge channels never lock out", kDefaultType, 200, "L0,00145000000,0,0,0,0,0,,09,,09,000600000,1,,,,,",
         [](ChannelForm& f) { f.lockout = true; }, Outcome::Done, "L0,00145000000,0,0,0,0,0,,09,,09,000600000,0,,,,,",
         false},
        {"fitted receive frequency is stored, rounded", kDefaultType, 7, "",
         [](ChannelForm& f) {
             f.rx = "144.5123";
             f.rxStep = 3;
         },
         Outcome::Done, "007,00144500000,3,0,0,0,0,,09,,09,000600000,0,,,,,", true},
        {"1445 is clamped to band 3's top on a radio without 800 MHz", kDefaultType, 7, "",
         [](ChannelForm& f) { f.rx = "1445"; }, Outcome::Done, "007,00469995000,0,0,0,0,0,,09,,09,000600000,0,,,,,",
         true},
        {"empty box goes to band 0's lower edge", kDefaultType, 7, "", [](ChannelForm& f) { f.rx = ""; }, Outcome::Done,
         "007,00118000000,0,0,0,0,0,,09,,09,000600000,0,,,,,", true},
        {"14.5 goes to band 1's edge without the 118 MHz band", "0,1,00,1,0,0,0", 7, "",
         [](ChannelForm& f) { f.rx = "14.5"; }, Outcome::Done, "007,00136000000,3,0,0,0,0,,09,,09,000600000,0,,,,,",
         true},
        {"the transmit frequency is fitted to its own band", kDefaultType, 8, "",
         [](ChannelForm& f) {
             f.shift = ShiftMode::Split;
             f.tx = "440.0123";
             f.txStep = 6;
         },
         Outcome::Done, "008,00144000000,0,0,0,0,0,,09,,09,000600000,0,,00440000000,6,,", true},
        {"offset is rounded down to 50 kHz", kDefaultType, 9, "", [](ChannelForm& f) { f.offset = ".07"; },
         Outcome::Done, "009,00144000000,0,0,0,0,0,,09,,09,000050000,0,,,,,", false},
        {"offset above 29.95 MHz is cut", kDefaultType, 9, "", [](ChannelForm& f) { f.offset = "35"; }, Outcome::Done,
         "009,00144000000,0,0,0,0,0,,09,,09,029950000,0,,,,,", false},
        {"two dots in the receive box are refused", kDefaultType, 3, "", [](ChannelForm& f) { f.rx = "144.5.0"; },
         Outcome::BadFrequency, "", false},
        {"the hidden transmit box is not checked", kDefaultType, 3, "", [](ChannelForm& f) { f.tx = "1..4"; },
         Outcome::Done, "003,00144000000,0,0,0,0,0,,09,,09,000600000,0,,,,,", false},
        {"a split channel's hidden offset box is not checked; the record keeps its offset", kDefaultType, 13,
         "013,00435000000,6,0,0,0,1,,09,,14,005000000,0,,00145000000,3,,SAT",
         [](ChannelForm& f) { f.offset = "1.2.3"; }, Outcome::Done,
         "013,00435000000,6,0,0,0,1,,09,,14,005000000,0,,00145000000,3,,SAT", false},
        {"-7.6 MHz left on a frequency moved below 300 MHz is stored as simplex", "0,3,00,1,1,1,1", 4,
         "004,00433000000,6,3,0,0,0,,09,,09,001600000,0,,,,,", [](ChannelForm& f) { f.rx = "145.000"; }, Outcome::Done,
         "004,00145000000,6,0,0,0,0,,09,,09,001600000,0,,,,,", false},
        {"a loaded name longer than six is written back whole", kDefaultType, 3,
         "003,00144000000,0,0,0,0,0,,09,,09,000600000,0,,,,,a.b+c-long", kAsLoaded, Outcome::Done,
         "003,00144000000,0,0,0,0,0,,09,,09,000600000,0,,,,,a.b+c-long", false},
        {"two dots in the offset are refused", kDefaultType, 3, "", [](ChannelForm& f) { f.offset = "0.6.0"; },
         Outcome::BadOffset, "", false},
        {"a pasted foreign character is refused", kDefaultType, 3, "", [](ChannelForm& f) { f.rx = "145,5"; },
         Outcome::BadFrequency, "", false},
        {"a name is cut to six characters", kDefaultType, 3, "", [](ChannelForm& f) { f.name = "ABCDEFGH"; },
         Outcome::Done, "003,00144000000,0,0,0,0,0,,09,,09,000600000,0,,,,,ABCDEF", false},
    };
    for (const auto& c : cases) {
        ChannelDocument doc = Document(c.type);
        doc.StoreMemory(c.slot, c.record);
        ChannelForm form = LoadChannel(doc, c.slot);
        c.edit(form);
        const StoreResult result = StoreChannel(doc, c.slot, form);
        EXPECT_EQ(result.outcome, c.outcome) << c.what;
        EXPECT_EQ(doc.Record(RecordKind::Memory, c.slot), c.outcome == Outcome::Done ? c.stored : c.record) << c.what;
        EXPECT_EQ(result.rounded, c.rounded) << c.what;
    }
}

TEST(MemoryChannel, EmptyRecordLoadsAsSimplexOnTheDefaults)
{
    const ChannelDocument doc = Document(kDefaultType);
    const ChannelForm form = LoadChannel(doc, 0);
    EXPECT_EQ(form.rx, "144.000");
    EXPECT_EQ(form.rxStep, 0);
    EXPECT_EQ(form.shift, ShiftMode::Simplex);
    EXPECT_EQ(form.tx, "144.000");
    EXPECT_EQ(form.offset, "0.60");
    EXPECT_FALSE(form.reverse || form.tone || form.ctcss || form.lockout);
    EXPECT_EQ(form.toneIndex, 7);
    EXPECT_EQ(form.ctcssIndex, 7);
    EXPECT_EQ(form.name, "");
    EXPECT_TRUE(form.lockoutEnabled);
    EXPECT_FALSE(form.minus76Visible);
}

struct Minus76Case {
    const char* type;
    const char* record;
    bool visible;
    bool enabled;
};

TEST(MemoryChannel, MinusSevenSixIsOfferedOnVariantThreeFromThreeHundredMegahertz)
{
    const Minus76Case cases[] = {
        {"0,3,00,1,1,1,1", "004,00435000000,6,3,0,0,0,,09,,09,001600000,0,,,,,", true, true},
        {"0,3,00,1,1,1,1", "004,00145000000,6,0,0,0,0,,09,,09,001600000,0,,,,,", true, false},
        // Split: the transmit frequency decides.
        {"0,3,00,1,1,1,1", "004,00145000000,3,0,0,0,0,,09,,09,001600000,0,,00435000000,6,,", true, true},
        {"0,3,05,1,1,1,1", "004,00435000000,6,0,0,0,0,,09,,09,001600000,0,,,,,", false, false},
        {"0,1,00,1,1,1,1", "004,00435000000,6,0,0,0,0,,09,,09,001600000,0,,,,,", false, false},
    };
    for (const auto& c : cases) {
        ChannelDocument doc = Document(c.type);
        doc.StoreMemory(4, c.record);
        const ChannelForm form = LoadChannel(doc, 4);
        EXPECT_EQ(form.minus76Visible, c.visible) << c.type << " " << c.record;
        EXPECT_EQ(form.minus76Enabled, c.enabled) << c.type << " " << c.record;
    }
}

struct EntryCase {
    const char* what;
    const char* type;
    std::function<void(ChannelForm&)> edit;
    Outcome outcome;
    const char* rx;
    int rxStep;
    const char* tx;
    const char* offset;
    ShiftMode shift;
    bool minus76Enabled;
    bool rounded;
};

TEST(MemoryChannel, ApplyEntryShowsTheFittedTextsAndStoresNothing)
{
    const EntryCase cases[] = {
        {"on the step: no message", kDefaultType,
         [](ChannelForm& f) {
             f.rx = "144.5";
             f.rxStep = 0;
         },
         Outcome::Done, "144.500", 0, "144.500", "0.60", ShiftMode::Simplex, false, false},
        {"6.25 kHz keeps five decimals", kDefaultType,
         [](ChannelForm& f) {
             f.rx = "145.00625";
             f.rxStep = 1;
         },
         Outcome::Done, "145.00625", 1, "145.00625", "0.60", ShiftMode::Simplex, false, false},
        {"1445 with 800 MHz shows U.995", "0,1,00,1,0,0,1",
         [](ChannelForm& f) {
             f.rx = "1445";
             f.rxStep = 0;
         },
         Outcome::Done, "999.990", 2, "999.990", "0.60", ShiftMode::Simplex, false, true},
        {"cellular range skipped, step coarsened", "0,1,00,1,0,0,2",
         [](ChannelForm& f) {
             f.rx = "830.000";
             f.rxStep = 0;
         },
         Outcome::Done, "823.000", 2, "823.000", "0.60", ShiftMode::Simplex, false, false},
        {"-7.6 selected below 300 MHz falls back to simplex", "0,3,00,1,1,1,1",
         [](ChannelForm& f) {
             f.shift = ShiftMode::Minus76;
             f.rx = "145";
             f.rxStep = 3;
         },
         Outcome::Done, "145.000", 3, "145.000", "0.60", ShiftMode::Simplex, false, false},
        {"-7.6 stays at 430 MHz", "0,3,00,1,1,1,1",
         [](ChannelForm& f) {
             f.shift = ShiftMode::Minus76;
             f.rx = "435";
             f.rxStep = 6;
         },
         Outcome::Done, "435.000", 6, "435.000", "0.60", ShiftMode::Minus76, true, false},
        {"split transmit is fitted too", kDefaultType,
         [](ChannelForm& f) {
             f.shift = ShiftMode::Split;
             f.tx = "433.0126";
             f.txStep = 3;
         },
         Outcome::Done, "144.000", 0, "433.0125", "0.60", ShiftMode::Split, false, true},
        {"offset text is formatted", kDefaultType, [](ChannelForm& f) { f.offset = ".6"; }, Outcome::Done, "144.000", 0,
         "144.000", "0.60", ShiftMode::Simplex, false, false},
        {"empty offset is 0.00", kDefaultType, [](ChannelForm& f) { f.offset = ""; }, Outcome::Done, "144.000", 0,
         "144.000", "0.00", ShiftMode::Simplex, false, false},
        {"two dots: nothing changes", kDefaultType, [](ChannelForm& f) { f.rx = "144.5.0"; }, Outcome::BadFrequency,
         "144.5.0", 0, "144.000", "0.60", ShiftMode::Simplex, false, false},
        {"offset two dots: nothing changes", kDefaultType, [](ChannelForm& f) { f.offset = "0.6.0"; },
         Outcome::BadOffset, "144.000", 0, "144.000", "0.6.0", ShiftMode::Simplex, false, false},
        {"hidden transmit box: not checked", kDefaultType, [](ChannelForm& f) { f.tx = "1..4"; }, Outcome::Done,
         "144.000", 0, "144.000", "0.60", ShiftMode::Simplex, false, false},
        {"hidden offset box of a split channel: not checked", kDefaultType,
         [](ChannelForm& f) {
             f.shift = ShiftMode::Split;
             f.offset = "1.2.3";
         },
         Outcome::Done, "144.000", 0, "144.000", "1.2.3", ShiftMode::Split, false, false},
    };
    for (const auto& c : cases) {
        ChannelDocument doc = Document(c.type);
        ChannelForm form = LoadChannel(doc, 0);
        c.edit(form);
        const EntryResult result = ApplyChannelEntry(doc.Plan(), form);
        EXPECT_EQ(result.outcome, c.outcome) << c.what;
        EXPECT_EQ(result.form.rx, c.rx) << c.what;
        EXPECT_EQ(result.form.rxStep, c.rxStep) << c.what;
        EXPECT_EQ(result.form.tx, c.tx) << c.what;
        EXPECT_EQ(result.form.offset, c.offset) << c.what;
        EXPECT_EQ(result.form.shift, c.shift) << c.what;
        EXPECT_EQ(result.form.minus76Enabled, c.minus76Enabled) << c.what;
        EXPECT_EQ(result.rounded, c.rounded) << c.what;
        EXPECT_EQ(doc.Record(RecordKind::Memory, 0), "") << c.what;
    }
}

struct BandCase {
    const char* what;
    const char* type;
    int band;
    const char* record; // nullptr: keep the default record
    std::function<void(ChannelForm&)> edit;
    const char* stored;
    bool rounded;
};

TEST(VfoBand, LoadEditStoreGivesTheWholeRecord)
{
    const BandCase cases[] = {
        {"144 MHz default round trip", kDefaultType, 1, nullptr, kAsLoaded,
         "2,00144000000,0,0,0,0,0,,09,,09,000600000,,,,,0,", false},
        {"a frequency from another band is clamped into this one", kDefaultType, 1, nullptr,
         [](ChannelForm& f) { f.rx = "430.000"; }, "2,00173995000,0,0,0,0,0,,09,,09,000600000,,,,,0,", true},
        {"empty band-0 record loads its defaults", kDefaultType, 0, "", kAsLoaded,
         "1,00118000000,3,0,0,0,0,,09,,09,000600000,,,,,,", false},
        {"empty band-2 record: 340 MHz, 5.00", "0,1,00,1,0,1,0", 2, "", kAsLoaded,
         "5,00340000000,3,0,0,0,0,,09,,09,005000000,,,,,,", false},
        {"power list index 1 stores Low", kDefaultType, 3, nullptr, [](ChannelForm& f) { f.power = 1; },
         "6,00440000000,6,0,0,0,0,,09,,09,005000000,,,,,2,", false},
        {"power list index 2 stores EL", kDefaultType, 3, nullptr, [](ChannelForm& f) { f.power = 2; },
         "6,00440000000,6,0,0,0,0,,09,,09,005000000,,,,,3,", false},
        {"bands without power store an empty field 16", "0,1,00,1,0,0,1", 4, nullptr,
         [](ChannelForm& f) { f.power = 2; }, "8,00870000000,3,0,0,0,0,,09,,09,005000000,,,,,,", false},
        {"-7.6 is kept on the VFO", "0,3,00,1,0,0,0", 3, nullptr, [](ChannelForm& f) { f.shift = ShiftMode::Minus76; },
         "6,00430000000,6,3,0,0,0,,09,,09,001600000,,,,,0,", false},
        {"-7.6 cannot be stored on the 144 MHz VFO", "0,3,00,1,0,0,0", 1, nullptr,
         [](ChannelForm& f) { f.shift = ShiftMode::Minus76; }, "2,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,0,",
         false},
    };
    for (const auto& c : cases) {
        ChannelDocument doc = Document(c.type);
        if (c.record)
            doc.StoreVfo(c.band, c.record);
        ChannelForm form = LoadBand(doc, c.band);
        c.edit(form);
        const StoreResult result = StoreBand(doc, c.band, form);
        EXPECT_EQ(result.outcome, Outcome::Done) << c.what;
        EXPECT_EQ(doc.Record(RecordKind::Vfo, c.band), c.stored) << c.what;
        EXPECT_EQ(result.rounded, c.rounded) << c.what;
    }
}

TEST(VfoBand, PowerCodesLoadAsTheirListItems)
{
    const std::pair<const char*, int> cases[] = {{"0", 0}, {"", 0}, {"1", 0}, {"2", 1}, {"3", 2}, {"4", 0}, {"x", 0}};
    for (const auto& [code, index] : cases) {
        ChannelDocument doc = Document(kDefaultType);
        doc.StoreVfo(1, std::string("2,00144000000,0,0,0,0,0,,09,,09,000600000,,,,,") + code + ",");
        const ChannelForm form = LoadBand(doc, 1);
        EXPECT_EQ(form.power, index) << code;
        EXPECT_TRUE(form.powerEnabled);
    }
    EXPECT_FALSE(LoadBand(Document(kDefaultType), 0).powerEnabled);
}

TEST(VfoBand, SelectorListsTheBandsTheRadioHas)
{
    const std::pair<const char*, std::vector<int>> cases[] = {
        {"0,2,00,1,1,,", {0, 1, 3}},
        {"0,1,00,1,0,0,0", {1, 3}},
        {"0,1,00,1,0,0,2", {1, 3, 4}},
        {"0,1,00,1,1,1,1", {0, 1, 2, 3, 4}},
    };
    for (const auto& [type, bands] : cases)
        EXPECT_EQ(VfoBands(Document(type).Plan()), bands) << type;
}

TEST(VfoBand, ApplyEntryFitsToTheEditedBandAndLeavesMinusSevenSixAlone)
{
    ChannelDocument doc = Document("0,3,00,1,1,1,1");
    ChannelForm form = LoadBand(doc, 1);
    form.shift = ShiftMode::Minus76;
    form.rx = "435";
    form.offset = "5";
    const EntryResult result = ApplyBandEntry(doc.Plan(), 1, form);
    EXPECT_EQ(result.form.rx, "173.9875");
    EXPECT_EQ(result.form.offset, "5.00");
    EXPECT_EQ(result.form.shift, ShiftMode::Minus76);
    EXPECT_TRUE(result.rounded);
}

TEST(CallChannel, LoadEditStoreGivesTheWholeRecord)
{
    const BandCase cases[] = {
        {"default round trip keeps 12 and 17 empty", kDefaultType, 0, nullptr, kAsLoaded,
         "0,00144000000,0,0,0,0,0,,09,,09,000600000,,,,,,", false},
        {"435 into CALL 0 is clamped to band 1", kDefaultType, 0, nullptr, [](ChannelForm& f) { f.rx = "435.000"; },
         "0,00173995000,0,0,0,0,0,,09,,09,000600000,,,,,,", true},
        {"118 MHz is CALL 0's when the band exists", kDefaultType, 0, nullptr, [](ChannelForm& f) { f.rx = "120.000"; },
         "0,00120000000,0,0,0,0,0,,09,,09,000600000,,,,,,", false},
        {"870 into CALL 1 with field 6 = 2 stays in band 3", "0,1,00,1,0,0,2", 1, nullptr,
         [](ChannelForm& f) { f.rx = "870.000"; }, "1,00469975000,6,0,0,0,0,,09,,09,005000000,,,,,,", true},
        {"870 into CALL 1 with field 6 = 1 reaches band 4", "0,1,00,1,0,0,1", 1, nullptr,
         [](ChannelForm& f) { f.rx = "870.000"; }, "1,00870000000,6,0,0,0,0,,09,,09,005000000,,,,,,", false},
        {"split CALL stores shift 0 and fields 14, 15", kDefaultType, 1, nullptr,
         [](ChannelForm& f) {
             f.shift = ShiftMode::Split;
             f.tx = "145.000";
             f.txStep = 3;
         },
         "1,00440000000,6,0,0,0,0,,09,,09,005000000,,,00145000000,3,,", false},
        {"empty CALL 1 takes band 3's defaults and 5.00", "0,0,00,1,0,0,0", 1, "", kAsLoaded,
         "1,00433000000,5,0,0,0,0,,09,,09,005000000,,,,,,", false},
        {"-7.6 cannot be stored on CALL 0", "0,3,00,1,0,0,0", 0, "0,00145000000,5,3,0,0,0,,09,,09,000600000,,,,,,",
         kAsLoaded, "0,00145000000,5,0,0,0,0,,09,,09,000600000,,,,,,", false},
    };
    for (const auto& c : cases) {
        ChannelDocument doc = Document(c.type);
        if (c.record)
            doc.StoreCall(c.band, c.record);
        ChannelForm form = LoadCall(doc, c.band);
        c.edit(form);
        const StoreResult result = StoreCall(doc, c.band, form);
        EXPECT_EQ(result.outcome, Outcome::Done) << c.what;
        EXPECT_EQ(doc.Record(RecordKind::Call, c.band), c.stored) << c.what;
        EXPECT_EQ(result.rounded, c.rounded) << c.what;
    }
}

TEST(CallChannel, MinusSevenSixIsEnabledOnlyForChannelOne)
{
    const ChannelDocument doc = Document("0,3,00,1,1,1,1");
    EXPECT_TRUE(LoadCall(doc, 0).minus76Visible);
    EXPECT_FALSE(LoadCall(doc, 0).minus76Enabled);
    EXPECT_TRUE(LoadCall(doc, 1).minus76Enabled);
}

TEST(DtmfMemory, RecordIsTheNumberAndTheCode)
{
    EXPECT_EQ(DtmfRecord(3, "123"), "03,123");
    EXPECT_EQ(DtmfRecord(0, ""), "00,");
    EXPECT_EQ(DtmfRecord(9, "0123456789ABCD*#EXTRA"), "09,0123456789ABCD*#");
}

struct KeyCase {
    const char* filter;
    std::function<EditorKeys::KeyResult(char)> run;
    const char* accepted; // each inserted as itself
    const char* upper;    // typed lower case, inserted upper case
    const char* discarded;
    const char* complained;
};

TEST(EditorKeys, EachBoxLetsThroughItsOwnCharacters)
{
    const KeyCase cases[] = {
        {"frequency", EditorKeys::FrequencyKey, "0123456789.\b", "", "a-, /\x01", ""},
        {"name", EditorKeys::NameKey, "09AZ-/ \b", "az", ".,*#\r\x01", ""},
        {"number", EditorKeys::NumberKey, "0189LUPR\b", "lupr", "AXx. \r", ""},
        {"dtmf", EditorKeys::DtmfKey, "0123456789ABCD*#\b\r", "abcd", "\x1b", "EeZ .,-\x01"},
    };
    using EditorKeys::Action;
    for (const auto& c : cases) {
        for (const char* p = c.accepted; *p; ++p) {
            const auto r = c.run(*p);
            EXPECT_TRUE(r.action == Action::Insert && r.ch == *p) << c.filter << " '" << *p << "'";
        }
        for (const char* p = c.upper; *p; ++p) {
            const auto r = c.run(*p);
            EXPECT_TRUE(r.action == Action::Insert && r.ch == *p - 'a' + 'A') << c.filter << " '" << *p << "'";
        }
        for (const char* p = c.discarded; *p; ++p)
            EXPECT_EQ(c.run(*p).action, Action::Discard) << c.filter << " '" << *p << "'";
        for (const char* p = c.complained; *p; ++p)
            EXPECT_EQ(c.run(*p).action, Action::Complain) << c.filter << " '" << *p << "'";
    }
    EXPECT_EQ(EditorKeys::FrequencyKey('\r').action, Action::Apply);
}

TEST(EditorKeys, ChannelNumberTexts)
{
    const std::pair<int, const char*> cases[] = {{0, "0"},    {5, "5"},    {199, "199"},
                                                 {200, "L0"}, {219, "U9"}, {220, "PR"}};
    for (const auto& [slot, text] : cases) {
        EXPECT_EQ(EditorKeys::ChannelNumberText(slot), text);
        const auto meaning = EditorKeys::ParseChannelNumber(text);
        EXPECT_EQ(meaning.kind, EditorKeys::NumberKind::Channel) << text;
        EXPECT_EQ(meaning.slot, slot) << text;
    }
}

} // namespace
