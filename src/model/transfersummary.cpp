#include "transfersummary.h"

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
    return "Read " + Channels(DocumentDiff::ChannelCount(doc)) + " from the radio.";
}

std::string Written(const ChannelDocument& doc)
{
    return "Wrote " + Channels(DocumentDiff::ChannelCount(doc)) + " to the radio.";
}

} // namespace TransferSummary
