#pragma once

#include "channeldocument.h"
#include "clipboardrules.h"

#include <string>
#include <vector>

// Editing several rows of the memory and DTMF grids at once. Every record
// carries its own label or number in field 0, so a record that moves to
// another slot is relabelled on the way; a record is never left under
// another slot's name.
namespace ChannelRows {

// The record with field 0 made the label of memory slot `slot`; an empty
// record stays empty.
std::string Relabeled(std::string_view record, int slot);

// Puts copied rows (records with commas) into consecutive slots of the
// memory or DTMF grid from `firstSlot` on, each through the paste rules, as
// one paste of one row would. Empty copied rows leave their slot as it is.
// Returns the indices of the copied rows that were refused: they are not
// sound records (ClipboardRules::RowProblem), do not fit the band limits or
// the kind of the grid, or run past its last row. `reasons`, when given,
// gets one entry for each: the row's problem, or empty for one that does
// not fit.
std::vector<int> Paste(ChannelDocument& doc, ClipboardRules::Grid grid, int firstSlot,
                       const std::vector<std::string>& rows, std::vector<std::string>* reasons = nullptr);

// Inserts an empty channel at `slot` (0..199), moving the later channels
// of 000..199 down by one. Refused (false, nothing changed) when channel 199
// is in use or the slot is not a numbered channel.
bool InsertEmpty(ChannelDocument& doc, int slot);
// Deletes `count` channels from `slot` on (within 0..199) and moves the
// later ones up; the freed channels at the end of 000..199 are empty.
bool DeleteAndShiftUp(ChannelDocument& doc, int slot, int count);
// Moves the block of `count` channels at `slot` one channel up (by -1) or
// down (+1) within 000..199; the neighbour it passes takes the freed slot.
// False at the ends.
bool MoveBlock(ChannelDocument& doc, int slot, int count, int by);

enum class SortKey { RxFrequency, Name };
// Puts the channels of the given numbered slots that are in use into the
// order of `key`, within the slots they occupy: empty slots stay empty, and
// channels with the same key keep their order. Scan edges and the priority
// channel are left where they are. False when nothing moved.
bool Sort(ChannelDocument& doc, const std::vector<int>& slots, SortKey key);
// The same as moves, without changing the document, for a caller that
// stores nothing when the channels are in order already: each slot with the
// record it is to take (relabelled on the way in).
struct Move {
    int slot;
    std::string record;
};
std::vector<Move> SortMoves(const ChannelDocument& doc, const std::vector<int>& slots, SortKey key);
void ApplyMoves(ChannelDocument& doc, const std::vector<Move>& moves);

// A slot "in use" shows in the grid: 2 characters or more.
bool InUse(const ChannelDocument& doc, RecordKind kind, int slot);

} // namespace ChannelRows
