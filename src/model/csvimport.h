#pragma once

#include "channeldocument.h"

#include <string>
#include <string_view>
#include <vector>

// Memory channels from the generic 21-column CSV of other radio programming
// tools (see CsvExport for the layout).
//
// Columns are found by their header name in any order; Location and
// Frequency must be there, the others are taken when present. Each row
// becomes one memory record built as the memory editor builds it: the
// frequency fitted to its band and step, the offset normalised, tones moved
// to the nearest tone the radio has, the name kept to the characters and
// length of the name box. What the radio cannot hold is simplified where a
// sound channel remains (a DTCS or cross-tone mode, a mode name) and the row
// is skipped where none does (a location outside 0..220, a frequency outside
// the radio's bands, a duplex it does not know). Every skipped or changed
// row is named in the notes with its line and the reason: nothing changes
// silently.
//
// Reading builds the records without touching a document, so a window can
// show the report first and apply the whole import as one step.
class CsvImport
{
public:
    struct Note {
        int line = 0;      // 0 for a note about the whole file
        std::string label; // channel label of the row, "" when it has none
        std::string text;
    };
    struct Channel {
        int line = 0;
        int slot = 0;
        std::string record;
    };
    struct Result {
        bool ok = false;
        std::string error;             // why nothing could be read (no usable header)
        std::vector<Channel> channels; // in file order; a later row for a slot replaces an earlier one
        std::vector<Note> notes;
        int skipped = 0;
        int changed = 0;
        int empty = 0; // rows with frequency 0, which such tools write for unused slots

        // The notes, one a line ("line 7 (012): ..."), and a closing
        // summary line.
        std::string Report() const;
    };

    // `plan` decides the bands, their edges and the offered shifts.
    static Result Read(std::string_view text, const BandPlan& plan);
    // Stores every channel of the result into its memory slot; other slots
    // are left as they are.
    static void Apply(const Result& result, ChannelDocument& doc);
};
