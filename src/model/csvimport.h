#pragma once

#include "channeldocument.h"

#include <functional>
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
// silently. A frequency that lies on a step its band offers keeps that
// step's grid and is never moved.
//
// Reading builds the records without touching a document, so a window can
// show the report first and apply the whole import as one step.
class CsvImport
{
public:
    // Notes a result keeps with their text; further ones are only counted,
    // so a file of a million bad rows costs no more than one of a few.
    static constexpr std::size_t ListedNotes = 300;

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
        bool cancelled = false;        // the progress callback asked to stop; nothing was read
        std::string error;             // why nothing could be read (no usable header)
        std::vector<Channel> channels; // one per slot: the last row of the file for it
        std::vector<Note> notes;       // the first ListedNotes notes, in file order
        int unlisted = 0;              // notes beyond those
        // Slots whose channel in the target document the import replaces
        // with a different one, in slot order, as report lines.
        std::vector<Note> replaced;
        int skipped = 0;
        int changed = 0;
        int empty = 0; // rows with frequency 0, which such tools write for unused slots

        // The replaced channels, then the notes, one a line
        // ("line 7 (012): ..."), at most `limit` of them, then
        // "... and N more" for the rest, and a closing summary line.
        std::string Report(std::size_t limit = ListedNotes) const;
    };

    // Called now and then with the bytes read and the whole size; returning
    // false stops the reading (Result::cancelled).
    using Progress = std::function<bool(std::size_t done, std::size_t total)>;

    // `bytes` is the file as it was read: UTF-8, or UTF-16 with its byte
    // order mark; comma, semicolon or tab separated (found from the header
    // line). `plan` decides the bands, their edges and the offered steps
    // and shifts.
    static Result Read(std::string_view bytes, const BandPlan& plan, const Progress& progress = {});
    // The same, and names in Result::replaced every channel of `target`
    // that the import would replace with a different one.
    static Result Read(std::string_view bytes, const ChannelDocument& target, const Progress& progress = {});
    // Stores every channel of the result into its memory slot; other slots
    // are left as they are.
    static void Apply(const Result& result, ChannelDocument& doc);
};
