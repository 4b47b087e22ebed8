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

// The rows on the clipboard as records, as last seen, when it holds rows of
// ours that the paste rules take; nothing otherwise. This never asks the
// clipboard: what it holds is read once each time it changes hands, so a
// program that owns the clipboard and stops answering cannot hold up a
// click on a row.
std::optional<std::vector<std::string>> Kept();

// The longest a paste waits for the clipboard's owner to answer.
constexpr int kPasteWaitMs = 1000;

struct PasteRead {
    std::optional<std::vector<std::string>> rows; // as Kept()
    bool answered = true; // false: the clipboard's owner did not answer in time; nothing was read
};
// What a paste takes: the rows this program put, or else what the clipboard
// holds now, read once.
PasteRead ReadForPaste();

// The message when the clipboard's owner did not answer a paste in time.
QString NoAnswerText();

} // namespace RowsClipboard
