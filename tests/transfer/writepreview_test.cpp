// The preview before a write: what it says will change is what a write
// then changes, record for record, in DocumentDiff's words.
#include "writepreview.h"

#include "channeldocument.h"
#include "readtransfer.h"
#include "transfertestsupport.h"
#include "writetransfer.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr const char* kType = "0,1,00,1,1,,";

ChannelDocument File()
{
    ChannelDocument doc;
    doc.StoreRadioType(kType);
    doc.ClearDocument();
    doc.StoreMemory(12, "012,00145500000,3,2,0,1,0,,09,,12,000600000,1,,00144900000,3,,RPT1");
    doc.StoreMemory(150, "150,00435000000,6,1,1,0,1,,15,,15,,0,,,,,");
    doc.StoreMemory(220, "PR,00433000000,6,0,0,0,0,,09,,09,005000000,1,,,,,PRIO");
    doc.StoreDtmf(2, "02,12*#");
    // No power: the radio keeps its own.
    doc.StoreVfo(3, "6,00430000000,6,0,0,0,0,,09,,09,005000000,,,,,,");
    doc.SetComment("not for the radio");
    return doc;
}

ChannelDocument Read(ScriptedRadio& radio)
{
    ChannelDocument doc;
    ReadTransfer read(doc);
    EXPECT_EQ(RunAgainst(read, radio).action, TransferStep::Action::Finished);
    return doc;
}

std::vector<std::string> Lines(const std::vector<DocumentDiff::RecordChange>& changes)
{
    std::vector<std::string> lines;
    for (const DocumentDiff::RecordChange& change : changes)
        lines.push_back(DocumentDiff::Line(change));
    return lines;
}

TEST(WritePreview, ListsWhatTheWriteThenChanges)
{
    const struct {
        const char* what;
        std::function<void(ChannelDocument&)> radioHolds; // besides its type's defaults
        std::string counts;
    } cases[] = {
        {"an empty radio", [](ChannelDocument&) {},
         "0 channels change, 3 are added, 0 are removed; 1 other record changes (VFO, CALL, DTMF)."},
        {"the file already",
         [](ChannelDocument& m) {
             ScriptedRadio earlier;
             earlier.sim.SetRadioType(kType);
             const ChannelDocument file = File();
             WriteTransfer write(file);
             RunAgainst(write, earlier);
             m = earlier.sim.Memory();
         },
         "The radio already holds what this write sends: nothing changes."},
        {"other channels, and what the write passes over",
         [](ChannelDocument& m) {
             m.StoreMemory(12, "012,00145500000,3,2,0,1,0,,09,,12,000600000,1,,,,,OLD");
             m.StoreMemory(40, "040,00146000000,3,0,0,0,0,,09,,09,000600000,0,,,,,GONE");
             m.StoreDtmf(7, "07,999");
             m.StoreVfo(1, "2,00146000000,3,0,0,0,0,,09,,09,000600000,,,,,1,");
             m.StoreVfo(3, "6,00430000000,6,0,0,0,0,,09,,09,005000000,,,,,2,");
         },
         "1 channel changes, 2 are added, 1 is removed; 2 other records change (VFO, CALL, DTMF)."},
    };
    for (const auto& c : cases) {
        ScriptedRadio radio;
        radio.sim.SetRadioType(kType);
        c.radioHolds(radio.sim.Memory());
        const ChannelDocument before = Read(radio);
        const ChannelDocument file = File();
        const WritePreview::Result preview = WritePreview::Build(file, before);

        WriteTransfer write(file);
        ASSERT_EQ(RunAgainst(write, radio).action, TransferStep::Action::Finished) << c.what;
        const ChannelDocument after = Read(radio);
        EXPECT_EQ(preview.ChangeLines(), Lines(DocumentDiff::Compare(before, after))) << c.what;
        EXPECT_EQ(preview.CountLine(), c.counts) << c.what;
        EXPECT_TRUE(preview.hasComment);
        EXPECT_FALSE(preview.NeedsConfirmation()) << c.what;
    }
}

// Another type, or records outside the radio's bands: named, and the write
// then needs a second yes.
TEST(WritePreview, NamesWhatAnotherRadioCannotHold)
{
    ScriptedRadio radio;
    radio.sim.SetRadioType("0,1,00,1,0,,");
    radio.sim.SetBandLimits("00144,00148,00430,00434");
    const ChannelDocument before = Read(radio);
    const WritePreview::Result preview = WritePreview::Build(File(), before);
    EXPECT_TRUE(preview.NeedsConfirmation());
    EXPECT_EQ(preview.RefusalLines(),
              (std::vector<std::string>{
                  "The radio's type record is \"0,1,00,1,0,,\"; the file was made for \"0,1,00,1,1,,\".",
                  "150: frequency 435.000 MHz is outside the radio's 430MHz band (430-434 MHz)",
                  "VFO 0: frequency 118.000 MHz is outside the radio's 144MHz band (144-148 MHz)"}));

    ChannelDocument same = File();
    same.StoreRadioType("0,1,00,1,0,,");
    same.ClearMemory(150);
    same.StoreVfo(0, "");
    EXPECT_FALSE(WritePreview::Build(same, before).NeedsConfirmation());
}

} // namespace
