#include "transfersummary.h"

#include "channeldocument.h"
#include "documentdiff.h"

namespace TransferSummary {

namespace {

std::string Channels(int count)
{
    return std::to_string(count) + (count == 1 ? " channel" : " channels");
}

} // namespace

std::string Read(const ChannelDocument& doc)
{
    std::string text = "Read " + Channels(DocumentDiff::ChannelCount(doc)) + " from the radio.";
    // A band of the radio without a frequency is kept empty; say so, as a
    // write of the read would leave that VFO as the radio has it.
    std::string missing;
    for (int slot = 0; slot < ChannelDocument::VfoSlots; ++slot) {
        if (!doc.Plan().BandExists(slot) ||
            DocumentDiff::HasChannel(RecordKind::Vfo, doc.Record(RecordKind::Vfo, slot)))
            continue;
        missing += (missing.empty() ? "" : ", ") + DocumentDiff::Label(RecordKind::Vfo, slot);
    }
    if (!missing.empty())
        text += " The radio gave no frequency for " + missing + ".";
    return text;
}

std::string Written(const ChannelDocument& doc)
{
    return "Wrote " + Channels(DocumentDiff::ChannelCount(doc)) + " to the radio.";
}

} // namespace TransferSummary
