#pragma once

#include "channeldocument.h"
#include "clipboardrules.h"

#include <array>
#include <string>

// What the main window's four grids and its status bar show for a
// document. Rows count from 1 (the first data row; row 0 is the title row)
// as the grids and the paste rules count them.
namespace GridText {

using Grid = ClipboardRules::Grid;

RecordKind KindOf(Grid grid);
int ColumnCount(Grid grid);
// Data rows, title row excluded: 221 memory slots, one VFO row per band the
// radio has, 2 CALL channels, 10 DTMF memories.
int RowCount(Grid grid, const BandPlan& plan);
std::string Title(Grid grid, int column);

// The slot a data row stands for; for the VFO grid, the band of the row
// (the rows list the bands the radio has, in band order). -1 outside.
int SlotOfRow(Grid grid, int row, const BandPlan& plan);
// The data row that shows a slot; -1 when no row does (a VFO of a band the
// radio lacks).
int RowOfSlot(Grid grid, int slot, const BandPlan& plan);

// The text of one cell. A slot shorter than 2 characters shows nothing; the
// lock-out mark "*" is for the numbered channels only.
std::string Cell(const ChannelDocument& doc, Grid grid, int row, int column);

// Status bar panels 0 to 2 for a row of a grid: offset or transmit
// frequency, shift direction, tone. The DTMF grid shows nothing.
std::array<std::string, 3> StatusPanels(const ChannelDocument& doc, Grid grid, int row);

// A tone code as the status bar names it: the printed list's names, except
// code 02, which the status bar has always shown as a bare "69.0".
std::string StatusToneText(std::string_view code);

} // namespace GridText
