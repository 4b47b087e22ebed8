#pragma once

#include "channelrows.h"
#include "clipboardrules.h"

#include <QString>

#include <string>
#include <vector>

class DocumentSession;

// The row commands of the main window's memory and DTMF grids and of the
// channel table, once, over the document session: Cut, Copy, Paste, Delete,
// Insert, Delete-and-shift-up, Move up/down and Sort. Each takes the slots
// the window has selected (in slot order) and gives back what became of
// them; each change is one step of the session, named `step` by the window
// in its own language. The windows only gather the selection and show the
// outcome.
namespace ChannelCommands {

struct Outcome {
    bool changed = false;                 // the document took a step
    QString message;                      // for a box; empty: nothing to say
    std::vector<std::string> clipboard;   // Copy and Cut: the rows for the clipboard
    int selectFirst = -1, selectLast = -1; // Move: the slots to select afterwards
};

// The fixed texts the windows show.
const QString& InvalidFunction();
const QString& LastChannelInUse();

// The records of the slots, for the clipboard; nothing changes.
Outcome Copy(const DocumentSession& session, RecordKind kind, const std::vector<int>& chosen);
// Copy, then empties the slots as one step. Cut and Delete refuse the VFO
// and CALL channels with "Invalid function.".
Outcome Cut(DocumentSession& session, RecordKind kind, const std::vector<int>& chosen, const QString& step);
// Empties the slots as one step.
Outcome Delete(DocumentSession& session, RecordKind kind, const std::vector<int>& chosen, const QString& step);
// Copied rows into consecutive slots of the memory or DTMF grid from
// `firstSlot` on (the current row), through the paste rules; the message
// names every row that was refused and why. On the VFO and CALL grids the
// first row goes onto slot `firstSlot` when it fits that row's band.
Outcome Paste(DocumentSession& session, ClipboardRules::Grid grid, int firstSlot,
              const std::vector<std::string>& rows, const QString& step);
// An empty channel at `slot` (000..199); the later ones move down.
Outcome InsertEmpty(DocumentSession& session, int slot, const QString& step);
// Deletes the numbered channels among the slots and closes the gaps.
Outcome DeleteAndShiftUp(DocumentSession& session, const std::vector<int>& chosen, const QString& step);
// A block of neighbouring channels one slot up (-1) or down (+1) within
// 000..199; anything else does nothing.
Outcome Move(DocumentSession& session, const std::vector<int>& chosen, int by, const QString& step);
// Sorts the channels of the slots within the slots they occupy; one slot or
// none means all of 000..199. No step when they are in order already.
Outcome Sort(DocumentSession& session, std::vector<int> chosen, ChannelRows::SortKey key, const QString& step);

// The message after a paste that refused some of the copied `rows`
// (indices into them, with the reason for each as ChannelRows::Paste gives
// it), naming each by its label.
QString RefusedText(const std::vector<std::string>& rows, const std::vector<int>& refused,
                    const std::vector<std::string>& reasons = {});

} // namespace ChannelCommands
