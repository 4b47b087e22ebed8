// Feeds arbitrary clipboard content under the program's own format to
// Paste: another program may put anything there. For every grid row the
// paste is offered on, the record it builds must keep the target's label or
// band code, hold no control character and survive a data file round
// trip. The first byte picks the radio type, so pastes meet
// radios with and without the 300 and 800 MHz bands and variant "3".
#include "channeldocument.h"
#include "clipboardrules.h"
#include "datafile.h"
#include "recordtext.h"
#include "slotchecks.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// A pasted record may be longer than its slot (the slot cuts it on
// storing), but it names its target and carries no line noise.
void CheckPasted(std::string_view pasted, std::string_view key)
{
    if (RecordText::Field(pasted, 0) != key)
        std::abort();
    for (char c : pasted)
        if (static_cast<unsigned char>(c) < 0x20)
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const char* const types[] = {"0,2,00,1,1,,", "0,3,00,1,1,1,2", "0,1,00,1,0,0,1", "0,3,05,0,1,1,,"};
    if (size == 0)
        return 0;
    const std::string_view content(reinterpret_cast<const char*>(data) + 1, size - 1);

    ChannelDocument doc;
    doc.StoreRadioType(types[data[0] % 4]);
    doc.ClearDocument();
    const auto buffer = ClipboardRules::PasteBufferFromClipboard(content);
    if (!buffer)
        return 0;
    doc.StorePasteBuffer(*buffer);
    const std::string paste(doc.Record(RecordKind::PasteBuffer, 0));
    const BandPlan& plan = doc.Plan();

    using ClipboardRules::Grid;
    // Memory rows: a numbered channel, a scan edge and the priority channel
    // differ in their lock-out rule.
    for (const int slot : {0, 12, 200, 219, 220}) {
        if (!ClipboardRules::PasteOffered(paste, Grid::Memory, slot + 1, 0, plan))
            continue;
        const std::string label = RecordText::ChannelLabel(slot);
        const std::string pasted = ClipboardRules::PastedChannel(Grid::Memory, label, paste, plan);
        CheckPasted(pasted, label);
        doc.StoreMemory(slot, pasted);
    }
    // The VFO grid has a row for each band the radio has, labelled by the
    // band code its slot holds.
    for (int slot = 0; slot < ChannelDocument::VfoSlots; ++slot) {
        const std::string key = doc.GetField(RecordKind::Vfo, slot, 0);
        if (!plan.BandExists(slot) || key.empty())
            continue;
        if (!ClipboardRules::PasteOffered(paste, Grid::Vfo, slot + 1, plan.BandOf(key), plan))
            continue;
        const std::string pasted = ClipboardRules::PastedChannel(Grid::Vfo, key, paste, plan);
        CheckPasted(pasted, key);
        doc.StoreVfo(slot, pasted);
    }
    for (int slot = 0; slot < ChannelDocument::CallSlots; ++slot) {
        const std::string key = doc.GetField(RecordKind::Call, slot, 0);
        if (!ClipboardRules::PasteOffered(paste, Grid::Call, slot + 1, 0, plan))
            continue;
        const std::string pasted = ClipboardRules::PastedChannel(Grid::Call, key, paste, plan);
        CheckPasted(pasted, key);
        doc.StoreCall(slot, pasted);
    }
    if (ClipboardRules::PasteOffered(paste, Grid::Dtmf, 4, 0, plan)) {
        const std::string pasted = ClipboardRules::PastedDtmf(3, paste);
        if (RecordText::Field(pasted, 0) != "03")
            std::abort();
        doc.StoreDtmf(3, pasted);
    }
    CheckSlots(doc);

    // Whatever was pasted is saved and opened again unchanged.
    const std::string file = DataFile::WriteDataFile(doc);
    ChannelDocument reopened;
    reopened.StoreRadioType(doc.Plan().RadioType());
    reopened.ClearDocument();
    DataFile::ReadDataFile(file, reopened);
    if (DataFile::WriteDataFile(reopened) != file)
        std::abort();
    return 0;
}
