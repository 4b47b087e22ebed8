#pragma once

#include "channeldocument.h"
#include "documentdiff.h"
#include "plancheck.h"

#include <string>
#include <vector>

// What a write would change in the radio, worked out from a complete read
// of it made just before: the records the write sends, as the radio will
// hold them (the rules a read applies, as WriteVerification sees them),
// compared with what it holds now. Records the write passes over (a CALL or
// VFO slot without frequency, a DTMF memory without code, a VFO power the
// file leaves open) keep what the radio has and do not count as changes.
//
// It also says when the file was not made for this radio: another type
// record, or records outside the bands and band limits the radio reported,
// which the radio cannot hold. The file's plan is checked against the
// radio's bands as well. Nothing here changes either document.
class WritePreview
{
public:
    struct Result {
        // Each record that changes: `before` as the radio holds it now,
        // `after` as it will after the write, in DocumentDiff's words.
        std::vector<DocumentDiff::RecordChange> changes;
        int added = 0;   // memory channels the radio does not have yet
        int removed = 0; // memory channels the write empties
        int changed = 0; // memory channels with other fields
        int others = 0;  // CALL, VFO and DTMF records
        bool typeDiffers = false;
        std::string radioType;
        std::string fileType;
        bool hasComment = false; // the file's comment, which stays behind
        // The plan check of the file against the radio's bands; its errors
        // are the records the radio cannot hold.
        std::vector<PlanCheck::Finding> findings;

        bool NothingToChange() const { return changes.empty(); }
        // Another radio type, or records it cannot hold: writing needs a
        // second, explicit yes (or --force).
        bool NeedsConfirmation() const;
        std::vector<PlanCheck::Finding> CannotHold() const;
        // "12 channels change, 3 are added, 1 is removed." and the other
        // records, or that nothing changes.
        std::string CountLine() const;
        // DocumentDiff lines, one per record.
        std::vector<std::string> ChangeLines() const;
        // The type line, when the types differ, then each record the radio
        // cannot hold: "005: frequency 500.000 MHz is outside ...".
        std::vector<std::string> RefusalLines() const;
    };

    // Which group of the preview a change belongs to: a memory channel the
    // radio gains, loses or keeps with other fields, or a CALL, VFO or DTMF
    // record.
    enum class Group { Added, Removed, Changed, Other };
    static Group GroupOf(const DocumentDiff::RecordChange& change);

    // `radio` comes from a complete read; its band plan is the radio's own.
    static Result Build(const ChannelDocument& file, const ChannelDocument& radio);
    // The radio's records as they will be after writing `file`.
    static ChannelDocument AfterWrite(const ChannelDocument& file, const ChannelDocument& radio);
};
