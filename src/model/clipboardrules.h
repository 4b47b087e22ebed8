#pragma once

#include "bandplan.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the private clipboard format may carry and where it may go. A
// clipboard text is one record with its commas as TABs. A channel record
// (20 characters or more) pastes onto a memory row, onto the VFO row of its
// own band or onto the CALL row that serves its band, and only while its
// receive frequency lies inside the band limits; a shorter text is a DTMF
// memory and pastes onto DTMF rows only. Pasting builds a new record that
// keeps the target's identity (label or band code) and normalises a few
// values, never a verbatim copy.
namespace ClipboardRules {

enum class Grid { Memory = 1, Vfo = 2, Call = 3, Dtmf = 4 };

bool IsChannelRecord(std::string_view pasteBuffer);

// The rows a paste takes from what another program may have put on the
// clipboard under one of our formats: one record, or several, one to a line
// (`severalRows`). The content is cut at a NUL, TABs become commas again,
// and other control characters are dropped (a line feed or carriage return
// in a record would split its line in the data file). Nothing when a row is
// longer than a record can be or there are more rows than the memory grid
// has: the paste buffer then keeps what it had rather than cut records.
std::optional<std::vector<std::string>> PasteRows(std::string_view content, bool severalRows);

// What makes a copied row unfit to paste, whoever put it on the clipboard:
// a field of a channel record that is not one the radio takes (letters in a
// frequency, a code out of range, more fields than a channel has) or a key a
// DTMF memory cannot hold. Empty when the row is sound. The name is not
// judged here: pasting cuts it and drops what the radio cannot show.
std::string RowProblem(std::string_view row, Grid grid);

// Whether Paste is offered for the current row of the grid. `row` is the
// grid row (1 = first data row); for the VFO grid `rowBand` is the band of
// the row's label.
bool PasteOffered(std::string_view pasteBuffer, Grid grid, int row, int rowBand, const BandPlan& plan);

// The record a paste writes. `key` is the target's field 0: the memory
// row's channel label, or the band code of the target VFO or CALL slot.
std::string PastedChannel(Grid grid, std::string_view key, std::string_view pasteBuffer, const BandPlan& plan);
// "0" + slot + "," + the pasted code.
std::string PastedDtmf(int slot, std::string_view pasteBuffer);

} // namespace ClipboardRules
