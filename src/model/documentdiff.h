#pragma once

#include "channeldocument.h"

#include <string>
#include <string_view>
#include <vector>

// Record-by-record comparison of two documents, in the words a user reads:
// each record named by its channel label ("005", "L0", "PR") or as
// "CALL 0", "VFO 1", "DTMF 3", each field by its name and its value as the
// editors show it ("145.000 MHz", "12.5kHz", "88.5Hz").
//
// A memory, CALL or VFO record without a receive frequency, and a DTMF
// memory without a code, is no channel: the radio is sent nothing for it,
// so such records compare equal whatever else they hold. The comment is no
// channel and is not compared.
class DocumentDiff
{
public:
    struct FieldChange {
        std::string field;  // "frequency", "name", or "channel" when one side has none
        std::string before; // as shown to the user; "(none)" for no channel, "" for an empty field
        std::string after;
    };
    struct RecordChange {
        RecordKind kind = RecordKind::Memory;
        int slot = 0;
        std::string label;
        std::vector<FieldChange> fields;
    };

    // Every memory slot, CALL slot, VFO slot and DTMF memory that differs,
    // in that order.
    static std::vector<RecordChange> Compare(const ChannelDocument& before, const ChannelDocument& after);

    // One record of `kind` and `slot`; only the listed fields are compared
    // (an empty list: all of them). Nothing when they agree.
    static bool CompareRecord(RecordKind kind, int slot, std::string_view before, std::string_view after,
                              const std::vector<int>& fields, RecordChange* change);

    // "005", "L0", "PR", "CALL 0", "VFO 1", "DTMF 3".
    static std::string Label(RecordKind kind, int slot);
    static std::string FieldName(RecordKind kind, int field);
    // A field's value as the user knows it; the stored text when it is not
    // in the form the field should have.
    static std::string ValueText(RecordKind kind, int field, std::string_view value);
    static bool HasChannel(RecordKind kind, std::string_view record);
    // Memory slots 0..220 that hold a channel: what "N channels read" counts.
    static int ChannelCount(const ChannelDocument& doc);

    // "005: frequency 145.000 MHz → 145.500 MHz, name \"A\" → \"B\""
    static std::string Line(const RecordChange& change);
};
