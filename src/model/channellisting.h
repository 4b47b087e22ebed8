#pragma once

#include "channeldocument.h"

#include <string>
#include <string_view>
#include <vector>

// The texts of the printed channel list: one line per used channel, VFO,
// CALL channel and DTMF memory, such as
// "012 145.500MHz 12.5kHz - T:88.5Hz Offset:0.60MHz Name:RPT1 *".
namespace ChannelListing {

// Memory, VFO or CALL record as a list line; the label depends on the kind.
std::string ChannelLine(RecordKind kind, std::string_view record, const BandPlan& plan);
// "03 123A" for a DTMF memory record; empty when the memory holds no code.
std::string DtmfLine(std::string_view record);

// "67.0Hz".."250.3Hz" for codes 1..39 (code 2 prints "69.4Hz").
std::string ToneName(std::string_view code);
std::string StepName(std::string_view index);

// A channel or DTMF slot that produces a list line.
bool IsListed(RecordKind kind, std::string_view record);

// The whole list without page layout: "Comment" and the comment (when there
// is one; as stored, in code page 936), "Memory Channel" and its lines,
// "VFO", "CALL Channel", "DTMF Memory" and theirs.
std::vector<std::string> ListLines(const ChannelDocument& doc);

} // namespace ChannelListing
