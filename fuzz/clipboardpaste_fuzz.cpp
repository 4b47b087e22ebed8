// Feeds arbitrary clipboard content under the program's own formats to
// Paste: another program may put anything there. The first byte picks the
// radio type (with and without the 300 and 800 MHz bands, variant "3") and
// the format: one record, or several rows. Wherever the paste is offered,
// on every grid and from several starting rows, each pasted record must
// carry its own slot's label or band code, hold no control character, and
// the document must survive a data file round trip.
#include "channeldocument.h"
#include "channelrows.h"
#include "clipboardrules.h"
#include "datafile.h"
#include "recordtext.h"
#include "slotchecks.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void CheckRecord(std::string_view record, std::string_view key)
{
    if (!record.empty() && RecordText::Field(record, 0) != key)
        std::abort();
    for (char c : record)
        if (static_cast<unsigned char>(c) < 0x20)
            std::abort();
}

// Every record names its own slot, whatever was pasted where.
void CheckLabels(const ChannelDocument& doc)
{
    for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot)
        CheckRecord(doc.Record(RecordKind::Memory, slot), RecordText::ChannelLabel(slot));
    for (int slot = 0; slot < ChannelDocument::DtmfSlots; ++slot)
        CheckRecord(doc.Record(RecordKind::Dtmf, slot), "0" + std::to_string(slot));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const char* const types[] = {"0,2,00,1,1,,", "0,3,00,1,1,1,2", "0,1,00,1,0,0,1", "0,3,05,0,1,1,,"};
    if (size == 0)
        return 0;
    const bool severalRows = (data[0] / 4) % 2 == 1;
    const std::string_view content(reinterpret_cast<const char*>(data) + 1, size - 1);

    ChannelDocument doc;
    doc.StoreRadioType(types[data[0] % 4]);
    doc.ClearDocument();
    const auto rows = ClipboardRules::PasteRows(content, severalRows);
    if (!rows)
        return 0;
    doc.StorePasteBuffer(rows->front());
    const std::string paste(doc.Record(RecordKind::PasteBuffer, 0));
    const BandPlan& plan = doc.Plan();

    using ClipboardRules::Grid;
    // Memory and DTMF rows: from a numbered channel, near the end of the
    // numbered ones, an edge and the priority channel, which differ in
    // their lock-out rule and in how many rows fit below them.
    for (const int first : {0, 12, 198, 200, 219, 220})
        ChannelRows::Paste(doc, Grid::Memory, first, *rows);
    for (const int first : {0, 8})
        ChannelRows::Paste(doc, Grid::Dtmf, first, *rows);
    // The VFO grid has a row for each band the radio has, labelled by the
    // band code its slot holds; VFO and CALL rows take one record.
    for (int slot = 0; slot < ChannelDocument::VfoSlots; ++slot) {
        const std::string key = doc.GetField(RecordKind::Vfo, slot, 0);
        if (!plan.BandExists(slot) || key.empty() ||
            !ClipboardRules::PasteOffered(paste, Grid::Vfo, slot + 1, plan.BandOf(key), plan))
            continue;
        doc.StoreVfo(slot, ClipboardRules::PastedChannel(Grid::Vfo, key, paste, plan));
        CheckRecord(doc.Record(RecordKind::Vfo, slot), key);
    }
    for (int slot = 0; slot < ChannelDocument::CallSlots; ++slot) {
        const std::string key = doc.GetField(RecordKind::Call, slot, 0);
        if (!ClipboardRules::PasteOffered(paste, Grid::Call, slot + 1, 0, plan))
            continue;
        doc.StoreCall(slot, ClipboardRules::PastedChannel(Grid::Call, key, paste, plan));
        CheckRecord(doc.Record(RecordKind::Call, slot), key);
    }
    CheckSlots(doc);
    CheckLabels(doc);

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
