#pragma once

#include <string>
#include <string_view>
#include <vector>

class BandPlan;
class ChannelDocument;

// The channel table: every field of a memory channel as a cell of its own.
// A cell shows what the memory editor would show for the channel, and a
// value typed into a cell goes through the memory editor's rules, as if it
// had been typed into the editor's box and stored with OK: the same key
// filters, the same fitting to band and step, the same -7.6 MHz rule, the
// same name length. Nothing here stores: Evaluate gives the record the
// caller stores as one change.
namespace ChannelCells {

enum class Column {
    Channel,
    RxFrequency,
    Shift,
    Offset,
    TxFrequency,
    Step,
    Tone,
    Ctcss,
    Reverse,
    Lockout,
    Name,
    Count
};
constexpr int ColumnCount = static_cast<int>(Column::Count);

// The column's title, in the main window's memory grid's words.
std::string Title(Column column);
// Reverse and lock-out are check boxes: "On" or "Off".
bool IsFlag(Column column);
// Columns that can be set on many rows at once.
bool SetsManyRows(Column column);
// The values a column offers in its list, in the editor's order; empty for
// the columns that take typed text. "-7.6" is offered where the radio has it.
std::vector<std::string> Choices(const BandPlan& plan, Column column);

// The cell's text. An empty slot shows nothing but its label.
std::string Text(const ChannelDocument& doc, int slot, Column column);

enum class Verdict {
    Stored,    // the value is stored as typed
    Coerced,   // stored, but the rules changed it or a neighbouring field: see `reason`
    Unchanged, // the channel already has this value; nothing to store
    Refused,   // nothing is stored: see `reason`
};

struct Result {
    Verdict verdict = Verdict::Refused;
    std::string record; // Stored and Coerced: the slot's new record
    std::string reason; // Coerced and Refused: for the user
};

// What typing `text` into a cell of memory slot 0..220 does. A receive
// frequency typed into an empty slot makes a channel with the defaults of
// that frequency's band; other cells of an empty slot refuse.
Result Evaluate(const ChannelDocument& doc, int slot, Column column, std::string_view text);

struct RowResult {
    int slot;
    Result result;
};
// The same value for many slots, each through the rules on its own. Empty
// slots are left out: setting a tone on a block of rows gives the channels
// in it the tone and makes no new ones.
std::vector<RowResult> EvaluateRows(const ChannelDocument& doc, const std::vector<int>& slots, Column column,
                                    std::string_view text);

} // namespace ChannelCells
