// Verify after write: a write to the simulated radio, a read back, and the
// comparison through the read's rules.
#include "writeverification.h"

#include "channeldocument.h"
#include "readtransfer.h"
#include "tracelog.h"
#include "transfertestsupport.h"
#include "writetransfer.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Records the read gives back in another form than they were written in:
// an empty offset (filled in by the read), a name of seven blanks (dropped),
// a DTMF code with the radio's own "E" (read back as "*"), a control
// character (never sent), a memory power (no command carries it).
ChannelDocument Written()
{
    ChannelDocument doc;
    doc.StoreRadioType("0,1,00,1,1,,");
    doc.ClearDocument();
    doc.StoreMemory(12, "012,00145500000,3,2,0,1,0,,09,,12,000600000,1,,00144900000,3,,RPT1");
    doc.StoreMemory(150, "150,00435000000,6,1,1,0,1,,15,,15,,0,,,,1,       ");
    doc.StoreMemory(207, "U3,00430000000,6,0,0,0,0,,09,,09,005000000,0,,,,,ED\x01GE");
    doc.StoreVfo(1, "2,00146000000,3,0,0,0,0,,09,,09,000600000,,,,,3,");
    doc.StoreDtmf(2, "02,12*#");
    doc.StoreDtmf(4, "04,1E");
    return doc;
}

TEST(WriteVerification, ConfirmsAFaithfulRadioAndNamesWhatALosingOneLost)
{
    const struct {
        const char* what;
        std::function<void(ChannelDocument&)> lose; // done to the radio's memory after the write
        std::vector<std::string> lines;
    } cases[] = {
        {"faithful", [](ChannelDocument&) {}, {}},
        {"slots the write passed over are no concern",
         [](ChannelDocument& m) {
             m.StoreDtmf(7, "07,999");
             m.StoreVfo(4, "8,00870000000,3,0,0,0,0,,09,,09,005000000,,,,,,");
         },
         {}},
        {"a channel lost",
         [](ChannelDocument& m) { m.ClearMemory(12); },
         {"012: channel: written 145.500 MHz \"RPT1\", read back (none)"}},
        {"fields lost",
         [](ChannelDocument& m) {
             m.StoreMemory(12, "012,00145600000,3,2,0,1,0,,09,,12,000600000,1,,,,,RPT1");
             m.StoreVfo(1, "2,00146000000,3,0,0,0,0,,09,,09,000600000,,,,,0,");
             m.StoreDtmf(2, "02,9");
         },
         {"012: frequency: written 145.500 MHz, read back 145.600 MHz",
          "012: transmit frequency: written 144.900 MHz, read back (empty)",
          "012: transmit step: written 12.5kHz, read back (empty)", "VFO 1: power: written EL, read back High",
          "DTMF 2: code: written \"12*#\", read back \"9\""}},
    };
    for (const auto& c : cases) {
        const ChannelDocument written = Written();
        ScriptedRadio radio;
        radio.sim.SetRadioType("0,1,00,1,1,,");
        WriteTransfer write(written);
        ASSERT_EQ(RunAgainst(write, radio).action, TransferStep::Action::Finished) << c.what;
        c.lose(radio.sim.Memory());
        ChannelDocument back;
        ReadTransfer read(back);
        ASSERT_EQ(RunAgainst(read, radio).action, TransferStep::Action::Finished) << c.what;

        const WriteVerification::Result result = WriteVerification::Compare(written, back);
        EXPECT_EQ(result.Lines(), c.lines) << c.what;
        EXPECT_EQ(result.Confirmed(), c.lines.empty()) << c.what;
        // 221 memory slots, both CALL slots, VFO slots 0, 1, 3 and two DTMF memories.
        EXPECT_EQ(result.recordsCompared, 221 + 2 + 3 + 2) << c.what;
    }
}

TEST(TraceLog, OneEscapedLinePerEventWithItsMilliseconds)
{
    std::int64_t now = 1000;
    TraceLog log([&] { return now; });
    now += 12;
    log.Sent("AI 0\r");
    now += 2031;
    log.Received(std::string("ID QZ-R46\r\x11\\\xC3\xA9\n\t", 16));
    log.Note("no reply within 2000 ms");
    EXPECT_EQ(log.Text(), "      12 > AI 0\\r\n"
                          "    2043 < ID QZ-R46\\r\\x11\\\\\\xC3\\xA9\\n\\t\n"
                          "    2043 # no reply within 2000 ms\n");
}

} // namespace
