// The write transfer driven by the simulated radio's command handling, and
// the round trip write-then-read.
#include "writetransfer.h"

#include "channeldocument.h"
#include "radioprotocol.h"
#include "readtransfer.h"
#include "transfertestsupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<std::string> After(const std::vector<std::string>& sent, const std::string& first)
{
    const auto it = std::find(sent.begin(), sent.end(), first);
    return {it, sent.end()};
}

// A document with no channels and no DTMF memories, only the VFO and CALL
// defaults of the radio type "0,2,00,1,1,,".
ChannelDocument EmptyDocument()
{
    ChannelDocument doc;
    doc.ClearDocument();
    return doc;
}

TEST(TransferWrite, EmptyDocumentSendsBareMainCommandsAndClosesOnce)
{
    ScriptedRadio radio;
    const ChannelDocument doc = EmptyDocument();
    WriteTransfer write(doc);
    std::vector<int> progress;
    EXPECT_EQ(RunAgainst(write, radio, &progress).action, TransferStep::Action::Finished);

    ASSERT_GE(radio.sent.size(), 2u + 221u);
    EXPECT_EQ(radio.sent[0], "AI 0");
    EXPECT_EQ(radio.sent[1], "ID");
    for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot)
        EXPECT_EQ(radio.sent[2 + slot], "MW 0,0," + RadioProtocol::SlotLabel(slot));
    EXPECT_EQ(CountPrefix(radio.sent, "MNA"), 0);
    EXPECT_EQ(CountPrefix(radio.sent, "MW 0,1"), 0);
    EXPECT_EQ(std::count(radio.sent.begin(), radio.sent.end(), "VMC 0,0"), 1);
    // Default type: VFO slots 0, 1, 3 and both CALL slots hold records.
    EXPECT_EQ(After(radio.sent, "CW 0,0,00144000000,0,0,0,0,0,,09,,09,000600000"),
              (std::vector<std::string>{
                  "CW 0,0,00144000000,0,0,0,0,0,,09,,09,000600000", "CW 1,0,00440000000,6,0,0,0,0,,09,,09,005000000",
                  "VW 1,00118000000,3,0,0,0,0,,09,,09,000600000", "VW 2,00144000000,0,0,0,0,0,,09,,09,000600000",
                  "PC 0,0", "VW 6,00440000000,6,0,0,0,0,,09,,09,005000000", "PC 1,0", "VMC 0,0"}));
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(progress.back(), RadioProtocol::ProgressMaximum);
}

TEST(TransferWrite, WhichCommandsASlotCosts)
{
    const std::string main = ",00145000000,5,0,0,0,0,,09,,09,000600000,0";
    const struct {
        const char* what;
        int slot;
        std::string record;
        std::vector<std::string> expected; // everything sent for the slot
    } cases[] = {
        {"empty memory channel", 12, "", {"MW 0,0,012"}},
        {"channel with a key but no frequency", 12, "012,,5,0", {"MW 0,0,012"}},
        {"memory channel without transmit or name", 12, "012" + main + ",,,,,", {"MW 0,0,012" + main, "MNA 0,012,"}},
        {"memory channel with everything",
         12,
         "012" + main + ",,00145600000,5,,RPT",
         {"MW 0,0,012" + main, "MW 0,1,012,00145600000,5", "MNA 0,012,RPT"}},
        {"edge slot without transmit or name", 200, "L0" + main + ",,,,,", {"MW 0,0,L0" + main}},
        {"edge slot with a name", 219, "U9" + main + ",,,,,EDGE", {"MW 0,0,U9" + main, "MNA 0,U9,EDGE"}},
        {"priority with transmit",
         220,
         "PR" + main + ",,00145600000,5,,",
         {"MW 0,0,PR" + main, "MW 0,1,PR,00145600000,5"}},
    };
    for (const auto& c : cases) {
        ChannelDocument doc = EmptyDocument();
        doc.StoreMemory(c.slot, c.record);
        ScriptedRadio radio;
        WriteTransfer write(doc);
        RunAgainst(write, radio);
        const std::string label = RadioProtocol::SlotLabel(c.slot);
        const auto first = std::find(radio.sent.begin(), radio.sent.end(), c.expected.front());
        ASSERT_NE(first, radio.sent.end()) << c.what;
        const std::vector<std::string> got(first, first + static_cast<long>(c.expected.size()));
        EXPECT_EQ(got, c.expected) << c.what;
        EXPECT_EQ(first[static_cast<long>(c.expected.size())].find(label), std::string::npos) << c.what;
    }
}

TEST(TransferWrite, VfoCallAndDtmfSteps)
{
    ChannelDocument doc = EmptyDocument();
    doc.StoreVfo(1, "");
    doc.StoreCall(1, "");
    doc.StoreDtmf(1, "01,12*#");
    doc.StoreDtmf(4, "04,");
    doc.StoreDtmf(9, "09,D");
    ScriptedRadio radio;
    WriteTransfer write(doc);
    EXPECT_EQ(RunAgainst(write, radio).action, TransferStep::Action::Finished);
    EXPECT_EQ(After(radio.sent, "CW 0,0,00144000000,0,0,0,0,0,,09,,09,000600000"),
              (std::vector<std::string>{
                  "CW 0,0,00144000000,0,0,0,0,0,,09,,09,000600000", "VW 1,00118000000,3,0,0,0,0,,09,,09,000600000",
                  "VW 6,00440000000,6,0,0,0,0,,09,,09,005000000", "PC 1,0", "DM 01,12EF", "DM 09,D", "VMC 0,0"}));
    EXPECT_EQ(write.Progress(), RadioProtocol::ProgressMaximum);
}

TEST(TransferWrite, WrongRadioGetsNothingWritten)
{
    for (const std::string id : {"ID QZ-R47", "QZ-R46", "ID QZ-R46 AND MORE TEXT", "ID QZ-R4"}) {
        ScriptedRadio radio;
        radio.replies["ID"] = id;
        const ChannelDocument doc = EmptyDocument();
        WriteTransfer write(doc);
        const TransferStep end = RunAgainst(write, radio);
        EXPECT_EQ(end.action, TransferStep::Action::Failed) << id;
        EXPECT_EQ(end.message, "The radio is invalid.\nPlease check and try again.");
        EXPECT_EQ(radio.sent, (std::vector<std::string>{"AI 0", "ID"})) << id;
    }
    ScriptedRadio radio;
    radio.replies["ID"] = "\rID QZ-R46\r";
    const ChannelDocument doc = EmptyDocument();
    WriteTransfer write(doc);
    EXPECT_EQ(RunAgainst(write, radio).action, TransferStep::Action::Finished) << "carriage returns do not count";
}

// Writing a document and reading it back gives the same document.
TEST(TransferWrite, RoundTripThroughTheRadio)
{
    ChannelDocument doc;
    doc.StoreRadioType("0,3,00,1,1,1,1");
    doc.ClearDocument();
    doc.StoreMemory(0, "000,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,");
    doc.StoreMemory(77, "077,00145500000,3,2,0,1,0,,09,,12,000600000,1,,00144900000,3,,RPT1");
    doc.StoreMemory(199, "199,00435000000,6,1,1,0,1,,15,,15,001600000,0,,,,,  AB");
    doc.StoreMemory(202, "L1,00144000000,5,0,0,0,0,,09,,09,000600000,0,,,,,");
    doc.StoreMemory(211, "U5,00430000000,6,0,0,0,0,,09,,09,001600000,0,,00431000000,6,,EDGE");
    doc.StoreMemory(220, "PR,00433000000,6,0,0,0,0,,09,,09,001600000,1,,00438000000,6,,PRIO");
    doc.StoreCall(0, "0,00145000000,5,0,0,0,0,,09,,09,000600000,,,00145600000,5,,");
    doc.StoreVfo(1, "2,00146000000,3,0,0,0,0,,09,,09,000600000,,,,,3,");
    doc.StoreVfo(3, "6,00432000000,6,0,0,0,0,,09,,09,001600000,,,,,2,");
    doc.StoreDtmf(0, "00,0123456789ABCD*#");
    doc.StoreDtmf(5, "05,#*");

    ScriptedRadio radio;
    radio.sim.SetRadioType("0,3,00,1,1,1,1");
    radio.sim.Memory().StoreMemory(50, "050,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,GONE");
    // A stray line end before every reply is no reply, either way.
    radio.strays = {"", "\r", std::string("\n\0\r", 3)};
    WriteTransfer write(doc);
    const TransferStep written = RunAgainst(write, radio);
    ASSERT_EQ(written.action, TransferStep::Action::Finished) << written.message;

    ChannelDocument back;
    ReadTransfer read(back);
    const TransferStep readBack = RunAgainst(read, radio);
    ASSERT_EQ(readBack.action, TransferStep::Action::Finished) << readBack.message;
    for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot)
        EXPECT_EQ(back.Record(RecordKind::Memory, slot), doc.Record(RecordKind::Memory, slot)) << slot;
    for (int slot = 0; slot < ChannelDocument::CallSlots; ++slot)
        EXPECT_EQ(back.Record(RecordKind::Call, slot), doc.Record(RecordKind::Call, slot)) << slot;
    for (int slot = 0; slot < ChannelDocument::VfoSlots; ++slot)
        EXPECT_EQ(back.Record(RecordKind::Vfo, slot), doc.Record(RecordKind::Vfo, slot)) << slot;
    for (int slot = 0; slot < ChannelDocument::DtmfSlots; ++slot)
        EXPECT_EQ(back.Record(RecordKind::Dtmf, slot), doc.Record(RecordKind::Dtmf, slot)) << slot;
}

// A carriage return inside a field must not split the command: the radio
// would otherwise take the rest of the field as a command of its own.
TEST(TransferWrite, ControlCharactersNeverReachTheLine)
{
    ChannelDocument doc = EmptyDocument();
    doc.StoreMemory(3, "003,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,A\rB\x13");
    doc.StoreDtmf(2, "02,1\r\n2");
    doc.StoreMemory(4, "004,\r,5");
    ScriptedRadio radio;
    WriteTransfer write(doc);
    ASSERT_EQ(RunAgainst(write, radio).action, TransferStep::Action::Finished);
    for (const std::string& line : radio.sent)
        EXPECT_EQ(std::count_if(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }),
                  0)
            << line;
    EXPECT_NE(std::find(radio.sent.begin(), radio.sent.end(), "MNA 0,003,AB"), radio.sent.end());
    EXPECT_NE(std::find(radio.sent.begin(), radio.sent.end(), "DM 02,12"), radio.sent.end());
    EXPECT_NE(std::find(radio.sent.begin(), radio.sent.end(), "MW 0,0,004"), radio.sent.end());
}

} // namespace
