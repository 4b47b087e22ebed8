// Feeds arbitrary bytes to the CSV import: nothing may crash or overflow a
// slot, and whatever it imports must export to a CSV that imports again
// with no row skipped or changed and the same channels (the layout has no
// column for a split channel's transmit step, so that field may differ).
#include "channeldocument.h"
#include "csvexport.h"
#include "csvimport.h"
#include "recordtext.h"
#include "slotchecks.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first byte picks a radio: with or without the 300 MHz band, the
    // -7.6 MHz shift, the 800 MHz band with its cellular gaps.
    static const char* const types[] = {"0,2,00,1,1,,", "0,3,00,1,1,1,2", "0,1,00,1,0,0,1", "0,3,05,0,1,1,,"};
    if (size == 0)
        return 0;
    const char* type = types[data[0] % 4];
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    ChannelDocument doc;
    doc.StoreRadioType(type);
    doc.ClearDocument();
    const CsvImport::Result first = CsvImport::Read(text, doc.Plan());
    (void)first.Report();
    CsvImport::Apply(first, doc);
    CheckSlots(doc);

    ChannelDocument again;
    again.StoreRadioType(type);
    again.ClearDocument();
    const CsvImport::Result second = CsvImport::Read(CsvExport::Write(doc).text, again.Plan());
    if (!second.ok || second.skipped != 0 || second.changed != 0)
        std::abort();
    CsvImport::Apply(second, again);
    for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot) {
        const std::string_view a = doc.Record(RecordKind::Memory, slot);
        const std::string_view b = again.Record(RecordKind::Memory, slot);
        for (int field = 0; field <= 18; ++field)
            if (field != 15 && RecordText::Field(a, field) != RecordText::Field(b, field))
                std::abort();
    }
    return 0;
}
