#pragma once

#include <string>

class ChannelDocument;

// How a transfer ended, in the words both programs use: the command-line
// tool on standard error, the desktop program in its status bar.
namespace TransferSummary {

// "Read 12 channels from the radio.", naming the VFO bands of the radio
// that came without a frequency.
std::string Read(const ChannelDocument& doc);
// "Wrote 12 channels to the radio."
std::string Written(const ChannelDocument& doc);

} // namespace TransferSummary
