#pragma once

#include "channeldocument.h"

#include <string>
#include <vector>

// The memory channels as the generic 21-column CSV that other radio
// programming tools and spreadsheets exchange: comma-separated, "."
// decimals, UTF-8 without byte order mark, CR LF line ends.
//
// One row per memory slot that holds a channel (a receive frequency), in
// slot order; Location is the slot index 0..220. The radio keeps things the
// layout has no column for (reverse, a split channel's transmit step and its
// hidden offset) and the layout has columns the radio has no use for (DTCS,
// power, D-STAR calls); the first are named in the notes, with what an import
// of the file gives instead, the second are written with the values such
// tools use for "none".
class CsvExport
{
public:
    static constexpr const char* Header =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
        "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

    struct Result {
        std::string text;
        int channels = 0;
        // One line per channel that could not go into the file as it is,
        // such as "012: reverse is on; the CSV layout has no column for it".
        std::vector<std::string> notes;
    };

    static Result Write(const ChannelDocument& doc);

private:
    static void NameWhatAnImportChanges(const ChannelDocument& doc, Result* result);
};
