// The read transfer driven by the simulated radio's command handling.
#include "readtransfer.h"

#include "channeldocument.h"
#include "datafile.h"
#include "documentdiff.h"
#include "radioprotocol.h"
#include "recordtext.h"
#include "replyreader.h"
#include "transfersummary.h"
#include "transfertestsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace {

// A document that a read must wipe: anything left of it is a fault.
void Dirty(ChannelDocument& doc)
{
    doc.StoreMemory(150, "150,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,OLD");
    doc.StoreDtmf(9, "09,999");
}

TEST(TransferRead, EmptyRadioCostsOneMainCommandPerSlot)
{
    ScriptedRadio radio;
    ChannelDocument doc;
    Dirty(doc);
    ReadTransfer read(doc);
    std::vector<int> progress;
    const TransferStep end = RunAgainst(read, radio, &progress);

    EXPECT_EQ(end.action, TransferStep::Action::Finished);
    EXPECT_EQ(CountPrefix(radio.sent, "MR 0,0,"), 221);
    EXPECT_EQ(CountPrefix(radio.sent, "MR 0,1,"), 0);
    EXPECT_EQ(CountPrefix(radio.sent, "MNA"), 0);
    const std::vector<std::string> head(radio.sent.begin(), radio.sent.begin() + 5);
    EXPECT_EQ(head, (std::vector<std::string>{"AI 0", "ID", "TYD", "FL", "MR 0,0,000"}));
    const std::vector<std::string> tail(radio.sent.end() - 21, radio.sent.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"CR 0,0", "CR 0,1", "CR 1,0", "CR 1,1", "VR 1",  "VR 2",  "PC 0",
                                              "VR 5",   "VR 6",   "PC 1",   "VR 8",   "DM 00", "DM 01", "DM 02",
                                              "DM 03",  "DM 04",  "DM 05",  "DM 06",  "DM 07", "DM 08", "DM 09"}));
    EXPECT_EQ(radio.sent[4 + 220], "MR 0,0,PR");
    EXPECT_EQ(radio.sent[4 + 200], "MR 0,0,L0");

    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(progress.back(), RadioProtocol::ProgressMaximum);
    EXPECT_EQ(progress[4 + 220], (4 + 221) * RadioProtocol::ProgressMaximum / 246)
        << "the memory slots end at their share of the 246 replies";

    EXPECT_EQ(doc.Record(RecordKind::Memory, 150), "");
    EXPECT_EQ(doc.Record(RecordKind::Dtmf, 9), "");
    EXPECT_EQ(doc.Record(RecordKind::Vfo, 1), radio.sim.Memory().Record(RecordKind::Vfo, 1));
    EXPECT_EQ(doc.Record(RecordKind::Call, 1), radio.sim.Memory().Record(RecordKind::Call, 1));
}

// The bar never lags the share of the replies taken, whatever the channels'
// places: a radio full at its start must not sit near 0 while its channels
// come in and then jump.
TEST(TransferRead, ProgressFollowsTheReplies)
{
    const std::pair<int, int> filled[] = {{0, 100}, {150, 200}, {0, 200}, {0, 0}, {199, 200}};
    for (const auto& [first, end] : filled) {
        ScriptedRadio radio;
        for (int slot = first; slot < end; ++slot)
            radio.sim.Memory().StoreMemory(slot, RecordText::ChannelLabel(slot) +
                                                     ",00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,CH");
        ChannelDocument doc;
        ReadTransfer read(doc);
        std::vector<int> progress;
        ASSERT_EQ(RunAgainst(read, radio, &progress).action, TransferStep::Action::Finished);
        const int replies = static_cast<int>(progress.size());
        EXPECT_EQ(replies, 246 + 2 * (end - first));
        EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
        EXPECT_EQ(progress.back(), RadioProtocol::ProgressMaximum);
        EXPECT_GT(progress[4], 0) << "the first slot moves the bar";
        for (int i = 0; i < replies; ++i)
            ASSERT_GE(progress[i], (i + 1) * RadioProtocol::ProgressMaximum / replies)
                << "reply " << i << " of " << replies << ", channels " << first << ".." << end;
    }
}

// Everything the radio holds comes back record for record.
TEST(TransferRead, FullRadioGivesBackEveryRecord)
{
    ScriptedRadio radio;
    radio.sim.SetRadioType("0,1,00,1,1,1,1");
    ChannelDocument& mem = radio.sim.Memory();
    mem.StoreMemory(0, "000,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,");
    mem.StoreMemory(12, "012,00145500000,3,2,0,1,0,,09,,12,000600000,1,,00144900000,3,,RPT1");
    mem.StoreMemory(199, "199,00435000000,6,1,1,0,1,,15,,15,005000000,0,,,,,  AB");
    mem.StoreMemory(200, "L0,00144000000,5,0,0,0,0,,09,,09,000600000,0,,,,,");
    mem.StoreMemory(205, "U2,00430000000,6,0,0,0,0,,09,,09,005000000,0,,00431000000,6,,EDGE");
    mem.StoreMemory(220, "PR,00433000000,6,0,0,0,0,,09,,09,005000000,1,,00438000000,6,,PRIO");
    mem.StoreCall(1, "1,00431000000,6,2,0,1,1,,20,,21,005000000,,,00436000000,6,,");
    mem.StoreVfo(1, "2,00146000000,3,0,0,0,0,,09,,09,000600000,,,,,2,");
    mem.StoreVfo(4, "8,00870000000,3,0,0,0,0,,09,,09,005000000,,,,,,");
    mem.StoreDtmf(0, "00,0123456789ABCD*#");
    mem.StoreDtmf(4, "04,");
    mem.StoreDtmf(7, "07,*");

    ChannelDocument doc;
    ReadTransfer read(doc);
    ASSERT_EQ(RunAgainst(read, radio).action, TransferStep::Action::Finished);

    EXPECT_EQ(doc.Plan().RadioType(), "0,1,00,1,1,1,1");
    EXPECT_EQ(doc.Plan().LimitRecord(4), "00800,00999");
    for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot)
        EXPECT_EQ(doc.Record(RecordKind::Memory, slot), mem.Record(RecordKind::Memory, slot)) << slot;
    for (int slot = 0; slot < ChannelDocument::CallSlots; ++slot)
        EXPECT_EQ(doc.Record(RecordKind::Call, slot), mem.Record(RecordKind::Call, slot)) << slot;
    for (int slot = 0; slot < ChannelDocument::VfoSlots; ++slot)
        EXPECT_EQ(doc.Record(RecordKind::Vfo, slot), mem.Record(RecordKind::Vfo, slot)) << slot;
    for (int slot = 0; slot < ChannelDocument::DtmfSlots; ++slot)
        EXPECT_EQ(doc.Record(RecordKind::Dtmf, slot), mem.Record(RecordKind::Dtmf, slot)) << slot;

    // Stray line ends and lines without the command's echo before every
    // reply change nothing.
    radio.strays = {"", "\r", std::string("\n\t\0\r", 4), "XX 9,9,999,NOT A REPLY\r"};
    ChannelDocument again;
    ReadTransfer second(again);
    const TransferStep end = RunAgainst(second, radio);
    EXPECT_EQ(end.action, TransferStep::Action::Finished) << end.message;
    EXPECT_EQ(DataFile::WriteDataFile(again), DataFile::WriteDataFile(doc));
}

// One channel in slot 12 (or an edge or priority slot), read from replies
// the radio might give; the stored record is compared whole.
TEST(TransferRead, RecordsFromOddReplies)
{
    const struct {
        const char* what;
        const char* type;
        int slot;
        std::map<std::string, std::string> replies;
        std::string expected;
    } cases[] = {
        {"main reply of 4 characters is an empty slot", nullptr, 12, {{"MR 0,0,012", "MR 0,0,0123"}}, ""},
        {"main reply of 5 characters is a channel",
         nullptr,
         12,
         {{"MR 0,0,012", "MR 0,0,012,1"}, {"MR 0,1,012", "N"}, {"MNA 0,012", "MNA 0,012,"}},
         "012,1,,,,,"},
        {"seven blanks are no name",
         nullptr,
         12,
         {{"MR 0,0,012", "MR 0,0,012,00145000000,5,0,0,0,0,,09,,09,000600000,0"}, {"MNA 0,012", "MNA 0,012,       "}},
         "012,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,"},
        {"leading blanks of a name are kept",
         nullptr,
         12,
         {{"MR 0,0,012", "MR 0,0,012,00145000000,5,0,0,0,0,,09,,09,000600000,0"}, {"MNA 0,012", "MNA 0,012,  AB"}},
         "012,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,  AB"},
        {"empty offset at 145 MHz",
         nullptr,
         12,
         {{"MR 0,0,012", "MR 0,0,012,00145000000,5,0,0,0,0,,09,,09,,0"}},
         "012,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,"},
        {"empty offset at 435 MHz",
         nullptr,
         12,
         {{"MR 0,0,012", "MR 0,0,012,00435000000,6,0,0,0,0,,09,,09,,0"}},
         "012,00435000000,6,0,0,0,0,,09,,09,005000000,0,,,,,"},
        {"empty offset at 435 MHz on a variant 3 radio",
         "0,3,00,1,1,,",
         12,
         {{"MR 0,0,012", "MR 0,0,012,00435000000,6,0,0,0,0,,09,,09,,0"}},
         "012,00435000000,6,0,0,0,0,,09,,09,001600000,0,,,,,"},
        {"priority name of seven blanks",
         nullptr,
         220,
         {{"MR 0,0,PR", "MR 0,0,PR,00433000000,6,0,0,0,0,,09,,09,005000000,0"}, {"MNA 0,PR", "MNA 0,PR,       "}},
         "PR,00433000000,6,0,0,0,0,,09,,09,005000000,0,,,,,"},
        {"edge name of seven blanks is kept",
         nullptr,
         201,
         {{"MR 0,0,U0", "MR 0,0,U0,00433000000,6,0,0,0,0,,09,,09,005000000,0"}, {"MNA 0,U0", "MNA 0,U0,       "}},
         "U0,00433000000,6,0,0,0,0,,09,,09,005000000,0,,,,,       "},
        {"control characters are dropped, not kept in the record",
         nullptr,
         12,
         {{"MR 0,0,012", std::string("MR 0,0,012,00145000000,5,0,0,0,0,,09,\t,09,000600000,0\0", 54)},
          {"MNA 0,012", "MNA 0,012,AB\nVFO\n9"}},
         "012,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,ABVFO9"},
        {"NULs do not make a main reply a channel",
         nullptr,
         12,
         {{"MR 0,0,012", std::string("MR 0,0,01\0\0\0\0", 13)}},
         ""},
        {"blanks padding the replies are no part of the record",
         nullptr,
         12,
         {{"MR 0,0,012", "MR 0,0,012,00145000000,5,0,0,0,0,,09,,09,000600000,0" + std::string(30, ' ')},
          {"MR 0,1,012", "MR 0,1,012,00144900000,3   "},
          {"MNA 0,012", "MNA 0,012,  AB" + std::string(3000, ' ')}},
         "012,00145000000,5,0,0,0,0,,09,,09,000600000,0,,00144900000,3,,  AB"},
        {"over-long replies are cut to the slot",
         nullptr,
         12,
         {{"MR 0,0,012", "MR 0,0,012," + std::string(200, '9')},
          {"MR 0,1,012", "MR 0,1,012," + std::string(200, '8')},
          {"MNA 0,012", "MNA 0,012," + std::string(200, '7')}},
         "012," + std::string(95, '9')},
    };
    for (const auto& c : cases) {
        ScriptedRadio radio;
        if (c.type)
            radio.sim.SetRadioType(c.type);
        radio.replies = c.replies;
        ChannelDocument doc;
        ReadTransfer read(doc);
        EXPECT_EQ(RunAgainst(read, radio).action, TransferStep::Action::Finished) << c.what;
        EXPECT_EQ(doc.Record(RecordKind::Memory, c.slot), c.expected) << c.what;
        const bool empty = c.expected.empty();
        EXPECT_EQ(CountPrefix(radio.sent, "MNA"), empty ? 0 : 1) << c.what;
    }
}

// A VFO record goes under the band code of the command that asked for it,
// so that the file written from the read loads it back into the same slot;
// a band of the radio without a frequency stays empty under its own code,
// and a comparison with the radio says so.
TEST(TransferRead, VfoRecordsStayUnderTheBandAskedFor)
{
    const struct {
        const char* what;
        std::map<std::string, std::string> replies;
        int slot;
        std::string expected;
        std::vector<std::string> diff; // the radio's memory against the file of the read
        std::string summary;
    } cases[] = {
        {"lost 440 MHz frequency",
         {{"VR 6", "N"}, {"PC 1", "PC 1,0"}},
         3,
         "6,,,,,,,,,,,,,,,,0,",
         {"VFO 3: 440.000 MHz \u2192 (none)"},
         "Read 0 channels from the radio. The radio gave no frequency for VFO 3."},
        {"code alone for 144 MHz",
         {{"VR 2", "VR 2"}},
         1,
         "2,,,,,,,,,,,,,,,,2,",
         {"VFO 1: 146.000 MHz \u2192 (none)"},
         "Read 0 channels from the radio. The radio gave no frequency for VFO 1."},
        {"another band's code",
         {{"VR 6", "VR 8,00440500000,6,0,0,0,0,,09,,09,005000000"}},
         3,
         "6,00440500000,6,0,0,0,0,,09,,09,005000000,,,,,1,",
         {"VFO 3: frequency 440.000 MHz \u2192 440.500 MHz"},
         "Read 0 channels from the radio."},
        {"band the radio lacks", {{"VR 5", "N"}}, 2, "", {}, "Read 0 channels from the radio."},
    };
    for (const auto& c : cases) {
        ScriptedRadio radio;
        radio.sim.SetRadioType("0,1,00,1,1,,");
        radio.sim.Memory().StoreVfo(1, "2,00146000000,3,0,0,0,0,,09,,09,000600000,,,,,2,");
        radio.sim.Memory().StoreVfo(3, "6,00440000000,6,0,0,0,0,,09,,09,005000000,,,,,1,");
        radio.replies = c.replies;
        ChannelDocument doc;
        ReadTransfer read(doc);
        ASSERT_EQ(RunAgainst(read, radio).action, TransferStep::Action::Finished) << c.what;
        EXPECT_EQ(doc.Record(RecordKind::Vfo, c.slot), c.expected) << c.what;
        EXPECT_EQ(TransferSummary::Read(doc), c.summary) << c.what;

        ChannelDocument loaded;
        loaded.StoreRadioType("0,1,00,1,1,,");
        loaded.ClearDocument(); // as loading a file does: the band defaults first
        DataFile::ReadDataFile(DataFile::WriteDataFile(doc), loaded);
        for (int slot = 0; slot < ChannelDocument::VfoSlots; ++slot)
            EXPECT_EQ(loaded.Record(RecordKind::Vfo, slot), doc.Record(RecordKind::Vfo, slot)) << c.what << slot;
        std::vector<std::string> lines;
        for (const DocumentDiff::RecordChange& change : DocumentDiff::Compare(radio.sim.Memory(), loaded))
            lines.push_back(DocumentDiff::Line(change));
        EXPECT_EQ(lines, c.diff) << c.what;
    }
}

TEST(TransferRead, WrongRadioFailsAfterTheDocumentWasCleared)
{
    for (const std::string& id :
         std::vector<std::string>{"ID QZ-R47", "ID QZ-R46X", "ID QZ-R4", "ID " + std::string(3000, ' '), "?"}) {
        ScriptedRadio radio;
        radio.replies["ID"] = id;
        ChannelDocument doc;
        Dirty(doc);
        ReadTransfer read(doc);
        const TransferStep end = RunAgainst(read, radio);
        EXPECT_EQ(end.action, TransferStep::Action::Failed) << id;
        EXPECT_EQ(end.message, "The radio is invalid.\nPlease check and try again.");
        EXPECT_EQ(radio.sent, (std::vector<std::string>{"AI 0", "ID"})) << id;
        EXPECT_TRUE(read.DocumentCleared());
        EXPECT_EQ(doc.Record(RecordKind::Memory, 150), "");
        EXPECT_EQ(read.OnReply("late\r").action, TransferStep::Action::Finished) << "a late reply is ignored";
    }
}

// A line without the echo of its command, or with nothing in it, is not the
// reply: the transfer waits on (the dialog's reply timer ends it).
TEST(TransferRead, LinesThatAreNoReplyLeaveTheCommandOutstanding)
{
    for (const std::string id : {"QZ-R46", "", "\r", "\n", "IX QZ-R46"}) {
        ScriptedRadio radio;
        ChannelDocument doc;
        ReadTransfer read(doc);
        ASSERT_EQ(read.Start().command, "AI 0");
        ASSERT_EQ(read.OnReply("AI 0\r").command, "ID");
        EXPECT_EQ(read.OnReply(id).action, TransferStep::Action::Wait) << id;
        EXPECT_TRUE(read.Running());
        EXPECT_EQ(read.OnReply("ID QZ-R46").command, "TYD") << "the reply still counts after " << id;
    }
}

// The port's deliveries as the dialogs and the command-line tool get them:
// a stray line end with the head of the reply, the rest of the reply later.
TEST(TransferRead, ReplyReaderFindsTheReplyAcrossDeliveries)
{
    ChannelDocument doc;
    ReadTransfer read(doc);
    ReplyReader reader;
    const auto deliver = [&](std::string_view bytes) {
        return reader.Feed(bytes, [&](std::string_view line) { return read.OnReply(line); });
    };
    ASSERT_EQ(read.Start().command, "AI 0");
    EXPECT_EQ(deliver("\rAI").action, TransferStep::Action::Wait);
    EXPECT_EQ(deliver(" 0\r\rID QZ-R46\r").command, "ID") << "what came after the reply is dropped";
    EXPECT_EQ(deliver("XX QZ-R46\rID QZ").action, TransferStep::Action::Wait);
    EXPECT_EQ(deliver("-R46\r").command, "TYD");
    EXPECT_EQ(deliver(std::string(5000, 'x')).action, TransferStep::Action::Wait);
    EXPECT_EQ(reader.Pending(), ReplyReader::MaxLine) << "noise without a line end is cut";
}

// Whatever the radio answers, the transfer runs to its end within the
// command bound, or waits for a reply that never comes, and every record
// stays within its slot.
TEST(TransferRead, GarbageRepliesNeverBreakTheTransfer)
{
    const std::string garbage[] = {"",
                                   "\r",
                                   "N",
                                   ",,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,",
                                   std::string(3000, 'E'),
                                   std::string("\0\0\0\0\0\0\0\0\0\0\0\0", 12)};
    for (const std::string& garbage : garbage) {
        // As it comes, and behind the echo of each command.
        for (const bool echoed : {false, true}) {
            ScriptedRadio radio;
            ChannelDocument doc;
            ReadTransfer read(doc);
            TransferStep step = read.Start();
            int commands = 0;
            while (step.action == TransferStep::Action::Send && commands++ < 2000) {
                const std::string reply = echoed ? step.command + garbage : garbage;
                step = read.OnReply(step.command == "ID" ? "ID QZ-R46\r" : reply);
            }
            if (echoed)
                EXPECT_EQ(step.action, TransferStep::Action::Finished) << garbage.size();
            else
                EXPECT_NE(step.action, TransferStep::Action::Send) << garbage.size();
            EXPECT_LE(read.Progress(), RadioProtocol::ProgressMaximum);
            for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot)
                EXPECT_LE(doc.Record(RecordKind::Memory, slot).size(), 99u);
        }
    }
}

} // namespace
