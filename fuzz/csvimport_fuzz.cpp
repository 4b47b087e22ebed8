// Feeds arbitrary bytes to the CSV import: nothing may crash or overflow a
// slot, and whatever it imports must export to a CSV that imports again
// with no row skipped and the same channels, field for field, except for a
// split channel's transmit step where the export names it.
//
// The same bytes also make channels as the editors make them (a frequency
// fitted to its band and step, on every band up to the 800 MHz one, names
// padded with blanks as the radio returns them, split channels with a step
// of their own): exported and imported, each comes back exactly or the
// export names what it cannot carry.
#include "channeldocument.h"
#include "csvexport.h"
#include "csvimport.h"
#include "frequencyrules.h"
#include "recordlayout.h"
#include "recordtext.h"
#include "slotchecks.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using RecordLayout::ChannelField::Count;

// Whether the export names the slot. The only thing a channel of the
// program may lose to the layout is a split channel's transmit step; any
// other note on such a channel is a fault.
bool Named(const CsvExport::Result& exported, int slot)
{
    const std::string label = RecordText::ChannelLabel(slot) + ": ";
    bool named = false;
    for (const std::string& note : exported.notes) {
        if (note.rfind(label, 0) != 0)
            continue;
        if (note.rfind(label + "the transmit step ", 0) != 0)
            std::abort();
        named = true;
    }
    return named;
}

// Every slot of `doc` comes back from its own export, unless the export
// names the slot.
void CheckRoundTrip(const ChannelDocument& doc, const char* type)
{
    const CsvExport::Result exported = CsvExport::Write(doc);
    ChannelDocument again;
    again.StoreRadioType(type);
    again.ClearDocument();
    const CsvImport::Result second = CsvImport::Read(exported.text, again);
    if (!second.ok || second.skipped != 0)
        std::abort();
    CsvImport::Apply(second, again);
    for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot) {
        if (Named(exported, slot))
            continue;
        const std::string_view a = doc.Record(RecordKind::Memory, slot);
        const std::string_view b = again.Record(RecordKind::Memory, slot);
        for (int field = 0; field < Count; ++field)
            if (RecordText::Field(a, field) != RecordText::Field(b, field))
                std::abort();
    }
}

// Channels built from the bytes the way the memory editor builds them.
void HeldChannels(std::string_view bytes, const char* type)
{
    ChannelDocument doc;
    doc.StoreRadioType(type);
    doc.ClearDocument();
    const BandPlan& plan = doc.Plan();
    auto next = [&bytes]() -> unsigned {
        if (bytes.empty())
            return 0;
        const auto b = static_cast<unsigned char>(bytes.front());
        bytes.remove_prefix(1);
        return b;
    };
    static const char kNameChars[] = "AZ09-/ ";
    for (int slot = 0; slot < 8 && bytes.size() >= 8; ++slot) {
        int band = static_cast<int>(next() % BandPlan::BandCount);
        if (!plan.BandExists(band))
            band = 1;
        const BandPlan::MhzRange limits = plan.Limits(band);
        const std::int64_t span = std::int64_t(limits.upper - limits.lower + 1) * 1000000;
        const std::int64_t offset = (std::int64_t(next()) << 16 | next() << 8 | next()) * 125 % span;
        const int step = static_cast<int>(next() % FrequencyRules::StepTable.size());
        const auto rx =
            FrequencyRules::FitToBand(static_cast<std::int32_t>(limits.lower * 1000000LL + offset), band, step, plan);
        RecordLayout::ChannelFields f;
        f[0] = RecordText::ChannelLabel(slot);
        f[1] = FrequencyRules::RecordFrequency(rx.frequency);
        f[2] = std::to_string(rx.stepIndex);
        f[3] = "0";
        f[4] = "0";
        f[5] = "0";
        f[6] = "0";
        f[8] = "09";
        f[10] = "09";
        f[11] = FrequencyRules::RecordOffset(band <= 1 ? 600000 : 5000000);
        f[12] = "0";
        const unsigned kind = next();
        if (kind % 3 == 1) {
            // A split channel: the transmit frequency on a step of its own.
            const auto tx = FrequencyRules::FitToBand(
                static_cast<std::int32_t>(limits.lower * 1000000LL + (offset + kind * 5000) % span), band,
                static_cast<int>(next() % FrequencyRules::StepTable.size()), plan);
            f[11] = FrequencyRules::RecordOffset(0);
            f[14] = FrequencyRules::RecordFrequency(tx.frequency);
            f[15] = std::to_string(tx.stepIndex);
        } else if (kind % 3 == 2) {
            f[3] = kind & 4 ? "1" : "2";
        }
        // Up to six characters the name box takes, blanks at the end as the
        // radio pads them.
        const unsigned length = next() % 7;
        for (unsigned n = 0; n < length; ++n)
            f[17] += kNameChars[next() % (sizeof kNameChars - 1)];
        f[17].resize(f[17].size() + next() % (7 - length), ' ');
        doc.StoreMemory(slot, RecordLayout::Join(f));
    }
    CheckRoundTrip(doc, type);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first byte picks a radio: with or without the 300 MHz band, the
    // -7.6 MHz shift, the 800 MHz band with its cellular gaps or without.
    static const char* const types[] = {"0,2,00,1,1,,", "0,3,00,1,1,1,2", "0,1,00,1,0,0,1", "0,3,05,0,1,1,,"};
    if (size == 0)
        return 0;
    const char* type = types[data[0] % 4];
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    ChannelDocument doc;
    doc.StoreRadioType(type);
    doc.ClearDocument();
    const CsvImport::Result first = CsvImport::Read(text, doc);
    (void)first.Report();
    CsvImport::Apply(first, doc);
    CheckSlots(doc);
    CheckRoundTrip(doc, type);

    HeldChannels(text, type);
    return 0;
}
