#pragma once

#include <QString>

#include <optional>
#include <string>
#include <vector>

// Rows of the memory and DTMF grids on the system clipboard, shared by the
// main window and the channel table so that rows copied in one paste in the
// other. One row travels in the format it always has; several rows in a
// format of their own, which older copies of the program do not take. Every
// copy also carries plain text, one line per row and a tab between fields,
// for spreadsheets.
namespace RowsClipboard {

const QString& OneRowFormat();
const QString& SeveralRowsFormat();

// Puts records (comma-separated, as stored) on the clipboard.
void Put(const std::vector<std::string>& records);
// The rows on the clipboard as records, when it holds rows of ours that the
// paste rules take; nothing otherwise.
std::optional<std::vector<std::string>> Read();

// The message after a paste that refused some of the copied `rows` (indices
// into them), naming each refused row by its label.
QString RefusedText(const std::vector<std::string>& rows, const std::vector<int>& refused);

} // namespace RowsClipboard
