#include "channeldocument.h"
#include "plancheck.h"
#include "recordlayout.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Rule = std::function<std::vector<PlanCheck::Finding>(const ChannelDocument&)>;

// A memory record: label, receive frequency (11 digits), step, shift,
// offset, lock-out, name, and the transmit frequency of a split channel.
std::string Channel(const std::string& label, const std::string& rx, const std::string& step = "5",
                    const std::string& shift = "0", const std::string& offset = "000600000",
                    const std::string& lockout = "0", const std::string& name = "", const std::string& tx = "")
{
    RecordLayout::ChannelFields f;
    namespace F = RecordLayout::ChannelField;
    f[F::Key] = label;
    f[F::RxFrequency] = rx;
    f[F::Step] = step;
    f[F::Shift] = shift;
    f[F::Reverse] = "0";
    f[F::Tone] = "0";
    f[F::Ctcss] = "0";
    f[F::ToneCode] = "09";
    f[F::CtcssCode] = "09";
    f[F::Offset] = offset;
    f[F::Lockout] = lockout;
    f[F::TxFrequency] = tx;
    f[F::TxStep] = tx.empty() ? "" : step;
    f[F::Name] = name;
    return RecordLayout::Join(f);
}

struct Slot {
    int slot;
    std::string record;
};

struct Case {
    const char* what;
    const char* type;
    std::vector<Slot> memory;
    std::vector<std::string> lines;
};

ChannelDocument DocumentOf(const Case& c)
{
    ChannelDocument doc;
    doc.StoreRadioType(c.type);
    doc.ClearDocument();
    for (int vfo = 0; vfo < ChannelDocument::VfoSlots; ++vfo)
        doc.StoreVfo(vfo, "");
    for (int call = 0; call < ChannelDocument::CallSlots; ++call)
        doc.StoreCall(call, "");
    for (const Slot& s : c.memory)
        doc.StoreMemory(s.slot, s.record);
    return doc;
}

void Expect(const Rule& rule, const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        const ChannelDocument doc = DocumentOf(c);
        std::vector<std::string> lines;
        for (const PlanCheck::Finding& finding : rule(doc))
            lines.push_back(PlanCheck::Line(finding));
        EXPECT_EQ(lines, c.lines) << c.what;
        // Findings never change what they look at.
        const ChannelDocument again = DocumentOf(c);
        for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot)
            EXPECT_EQ(doc.Record(RecordKind::Memory, slot), again.Record(RecordKind::Memory, slot));
    }
}

constexpr const char* kPlain = "0,2,00,1,1,,";         // 118, 144, 430 MHz
constexpr const char* kNo118 = "0,1,00,1,0,,";         // 144, 430 MHz
constexpr const char* kCellular800 = "0,1,00,1,0,0,2"; // 800 MHz without the cellular ranges
constexpr const char* kMinus76 = "0,3,00,1,0,1,";      // -7.6 MHz shift, 300 MHz band

TEST(PlanCheck, RecordsTheRadioCannotHold)
{
    Expect([](const ChannelDocument& doc) { return PlanCheck::RecordsOutsideRadio(doc, doc.Plan()); },
           {
               {"channels inside their bands",
                kPlain,
                {{0, Channel("000", "00145000000")},
                 {1, Channel("001", "00120000000")},
                 {2, Channel("002", "00433000000", "5", "2", "005000000")}},
                {}},
               {"a band the radio lacks",
                kNo118,
                {{0, Channel("000", "00120000000")}},
                {"error: 000: frequency 120.000 MHz is outside the radio's 144MHz band (136-173 MHz)"}},
               {"beyond every band",
                kPlain,
                {{5, Channel("005", "00999000000")}},
                {"error: 005: frequency 999.000 MHz is outside the radio's 440MHz band (410-469 MHz)"}},
               {"split transmit frequency outside",
                kPlain,
                {{7, Channel("007", "00145000000", "5", "0", "000000000", "0", "", "00300000000")}},
                {"error: 007: transmit frequency 300.000 MHz is outside the radio's 440MHz band (410-469 MHz)"}},
               {"cellular range and a step the 800 MHz band lacks",
                kCellular800,
                {{0, Channel("000", "00830000000", "5")}, {1, Channel("001", "00860000000", "0")}},
                {"error: 000: frequency 830.000 MHz lies in 824-848 MHz, which this radio leaves out",
                 "error: 001: the 800MHz band does not offer the 5kHz step"}},
               {"a step index past the table",
                kPlain,
                {{0, Channel("000", "00145000000", "12")}},
                {"error: 000: step \"12\" is no step of the radio"}},
               {"offsets off the grid or too large",
                kPlain,
                {{0, Channel("000", "00145000000", "5", "1", "000620000")},
                 {1, Channel("001", "00145000000", "5", "1", "030000000")}},
                {"error: 000: offset 0.62 MHz is not offered (50 kHz steps up to 29.95 MHz)",
                 "error: 001: offset 30.00 MHz is not offered (50 kHz steps up to 29.95 MHz)"}},
               {"-7.6 MHz shift only where offered",
                kMinus76,
                {{0, Channel("000", "00145000000", "5", "3")}, {1, Channel("001", "00439000000", "5", "3")}},
                {"error: 000: the 144MHz band of this radio has no -7.6 MHz shift"}},
           });
}

TEST(PlanCheck, VfoAndCallRecordsAreCheckedToo)
{
    ChannelDocument doc;
    doc.StoreRadioType(kPlain);
    doc.ClearDocument();
    ChannelDocument radio;
    radio.StoreRadioType(kNo118);
    std::vector<std::string> labels;
    for (const PlanCheck::Finding& f : PlanCheck::RecordsOutsideRadio(doc, radio.Plan()))
        labels.push_back(f.label);
    // The 118 MHz VFO of the file has no band in a radio without it.
    EXPECT_EQ(labels, std::vector<std::string>{"VFO 0"});
}

TEST(PlanCheck, ProgramScanPairs)
{
    Expect(PlanCheck::ScanEdgePairs,
           {
               {"a whole pair", kPlain, {{200, Channel("L0", "00144000000")}, {201, Channel("U0", "00146000000")}}, {}},
               {"one edge",
                kPlain,
                {{203, Channel("U1", "00146000000")}},
                {"warning: U1: L1 is empty: a program scan needs both edges"}},
               {"edges in two bands",
                kPlain,
                {{204, Channel("L2", "00144000000")}, {205, Channel("U2", "00440000000")}},
                {"warning: L2: L2 and U2 lie in different bands (144MHz, 440MHz)"}},
               {"edges the wrong way round",
                kPlain,
                {{218, Channel("L9", "00146000000")}, {219, Channel("U9", "00144000000")}},
                {"warning: L9: the lower edge 146.000 MHz lies above the upper edge U9 144.000 MHz"}},
           });
}

TEST(PlanCheck, DuplicatesAndSharedNames)
{
    Expect(PlanCheck::DuplicateChannels, {
                                             {"same in every field",
                                              kPlain,
                                              {{3, Channel("003", "00145000000", "5", "0", "000600000", "0", "A")},
                                               {9, Channel("009", "00145000000", "5", "0", "000600000", "0", "A")}},
                                              {"warning: 009: the same channel as 003 in every field"}},
                                             {"another name",
                                              kPlain,
                                              {{3, Channel("003", "00145000000", "5", "0", "000600000", "0", "A")},
                                               {9, Channel("009", "00145000000", "5", "0", "000600000", "0", "B")}},
                                              {}},
                                         });
    Expect(PlanCheck::SharedNames,
           {
               {"one name, two frequencies",
                kPlain,
                {{3, Channel("003", "00145000000", "5", "0", "000600000", "0", "RPT")},
                 {9, Channel("009", "00145500000", "5", "0", "000600000", "0", "RPT   ")}},
                {"warning: 009: named \"RPT\" as 003, on another frequency (145.500 MHz, not 145.000 MHz)"}},
               {"one name, one frequency (another tone), and blank names",
                kPlain,
                {{3, Channel("003", "00145000000", "5", "0", "000600000", "0", "RPT")},
                 {9, Channel("009", "00145000000", "5", "1", "000600000", "0", "RPT")},
                 {10, Channel("010", "00146000000", "5", "0", "000600000", "0", "  ")},
                 {11, Channel("011", "00147000000", "5", "0", "000600000", "0", "  ")}},
                {}},
           });
}

TEST(PlanCheck, ScanAndPriority)
{
    Expect(PlanCheck::ScanAndPriority,
           {
               {"no channels at all", kPlain, {}, {}},
               {"all locked out, no priority",
                kPlain,
                {{0, Channel("000", "00145000000", "5", "0", "000600000", "1")},
                 {1, Channel("001", "00146000000", "5", "0", "000600000", "1")}},
                {"warning: 000-199: every memory channel is locked out: a memory scan finds nothing",
                 "warning: PR: the priority channel is empty while there are memory channels"}},
               {"one left to scan, priority set",
                kPlain,
                {{0, Channel("000", "00145000000", "5", "0", "000600000", "1")},
                 {1, Channel("001", "00146000000")},
                 {220, Channel("PR", "00146000000")}},
                {}},
           });
}

TEST(PlanCheck, UnusualRepeaterOffsets)
{
    Expect(PlanCheck::UnusualOffsets,
           {
               {"usual offsets and simplex",
                kPlain,
                {{0, Channel("000", "00145000000", "5", "2", "000600000")},
                 {1, Channel("001", "00439000000", "5", "2", "005000000")},
                 {2, Channel("002", "00145000000", "5", "0", "001000000")}},
                {}},
               {"another offset",
                kPlain,
                {{0, Channel("000", "00145000000", "5", "1", "001000000")}},
                {"info: 000: repeater offset 1.00 MHz; the 144MHz band's usual offset is 0.60 MHz"}},
               {"variant 3 radios use 1.6 MHz above 300 MHz",
                kMinus76,
                {{0, Channel("000", "00439000000", "5", "2", "001600000")}},
                {}},
           });
}

TEST(PlanCheck, CheckAllPutsErrorsFirst)
{
    ChannelDocument doc;
    doc.StoreRadioType(kPlain);
    doc.ClearDocument();
    doc.StoreMemory(0, Channel("000", "00145000000", "5", "1", "001000000"));
    doc.StoreMemory(1, Channel("001", "00999000000"));
    doc.StoreMemory(220, Channel("PR", "00145000000"));
    std::vector<PlanCheck::Severity> order;
    for (const PlanCheck::Finding& f : PlanCheck::CheckAll(doc))
        order.push_back(f.severity);
    EXPECT_EQ(order, (std::vector<PlanCheck::Severity>{PlanCheck::Severity::Error, PlanCheck::Severity::Info}));
}

} // namespace
