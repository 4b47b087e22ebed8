#pragma once

#include "channeldocument.h"

#include <string>
#include <vector>

// Did the radio take the write? Compares the document a write sent with the
// document read back from the radio afterwards.
//
// A read does not give back the bytes a write sent: it fills in default
// offsets, drops names of blanks, spells the DTMF keys its own way, cuts
// replies to their buffers, and the write leaves out fields the radio has
// no command for (field 13, the memory channels' power). So the written
// document is first put through what the read would make of it, record by
// record, with the same RadioProtocol rules the read uses, and only what
// the write sent is compared:
//   every memory slot (its main command always goes out, and empties the
//     slot when it has no frequency);
//   CALL and VFO slots with a frequency, and the power of VFO slots 1 and 3;
//   DTMF memories with a code.
// Slots the write passed over keep whatever the radio had and are not
// looked at.
class WriteVerification
{
public:
    struct Difference {
        std::string label;   // "005", "L0", "PR", "CALL 0", "VFO 1", "DTMF 3"
        std::string field;   // "frequency", "name", or "channel" when one side has none
        std::string written; // as shown to the user
        std::string readBack;
    };
    struct Result {
        std::vector<Difference> differences;
        int recordsCompared = 0;
        bool Confirmed() const { return differences.empty(); }
        // One line for a status bar or a log: "Verified: every channel
        // confirmed (227 records compared)." or "Verification failed: 2
        // differences between the file and the radio:" (Lines() follow).
        std::string Verdict() const;
        // "005: name: written \"RPT1\", read back \"\"", one per difference.
        std::vector<std::string> Lines() const;
    };

    // `readBack` comes from a complete read; its radio type (the radio's
    // own) decides the default offsets for both sides.
    static Result Compare(const ChannelDocument& written, const ChannelDocument& readBack);

    // What a read should give back for one record of `doc` as the write
    // sends it: "" for a slot the write empties. Exposed for the tests.
    static std::string AsRead(const ChannelDocument& doc, RecordKind kind, int slot, const BandPlan& plan);
};
