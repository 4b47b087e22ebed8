#pragma once

#include <string>
#include <vector>

class ChannelDocument;

// What the radio verbs say on standard error when a transfer has ended
// well: how many channels went across, where the backup of a read went,
// and the result of a verification.
namespace CliCommands {

// "Read N channels from the radio." and the backup of the document as read
// ("Backup: PATH"). A backup that cannot be written is reported, and the
// read still counts as done.
void ReportRead(const ChannelDocument& doc);
// Keeps what the radio held before a write ("Backup: PATH"); false, with
// the cause on standard error, when it could not be kept: then nothing may
// be written.
bool KeepBeforeWrite(const ChannelDocument& radio);
// Notes a write to the radio, however it ended, so that the backup of what
// the radio held before is kept past the count of backups.
void NoteWrite();
// "Wrote N channels to the radio."
void ReportWritten(const ChannelDocument& doc);
// Compares the written document with the one read back; returns ExitOk
// when the radio holds what was written, else ExitVerifyFailed after
// listing the differences.
int ReportVerification(const ChannelDocument& written, const ChannelDocument& readBack);

} // namespace CliCommands
