#pragma once

#include "bandplan.h"

#include <QString>

#include <cstdio>
#include <string>
#include <vector>

class ChannelDocument;
class CliOptions;
class DocumentSession;

// What every verb of qxp-r46-cli does alike.
namespace CliCommands {

// "File Open error." alone on standard error, whatever the cause, as the
// desktop program says it; returns the file-error exit status.
int FileError();
// The same, followed by the cause ("PATH: No such file or directory") on
// the next line, its control characters escaped.
int FileError(const std::string& cause);
int FileError(const QString& cause);
// `text` and a line feed, with the control characters of the names and
// paths in it as visible escapes (VisibleText).
void PrintVisibleLine(std::FILE* out, const std::string& text);
// The detail and the usage on standard error; returns `status`, the usage
// exit status unless 1 has a meaning of its own for the verb.
int UsageError(const std::string& detail, int status = 1);
// `lines` on standard output, each ending in a line feed; the file-error
// exit status (with the reason on standard error) when they cannot all be
// written, as into a full disk or a closed pipe, else 0.
int PrintLines(const std::vector<std::string>& lines);
// The radio type decides the band defaults and the offsets of converted
// V1.00 channels, so it is set before a file is read: --type, else the
// settings store's "Type", else the default record.
void ApplyRadioType(const CliOptions& options, ChannelDocument& doc);
// The same, and which frequencies are in band: with --type its bands'
// usual edges, else the edges the desktop program last read from the radio.
void ApplyRadioPlan(const CliOptions& options, ChannelDocument& doc);
// The band plan of that radio type, for a document session to start with.
BandPlan RadioPlan(const CliOptions& options);

// `path`, a data file of the current or the old layout, opened in
// `session`, which starts with the band plan of that radio type; the
// file-error exit status when it cannot be, else ExitOk.
int LoadSession(DocumentSession& session, const CliOptions& options, const std::string& path);

// Whether `path` ends with `extension` (".pdf"), ignoring ASCII case: an
// output of the wrong kind must not land over another file by a slip of
// the arguments.
bool HasExtension(const std::string& path, const std::string& extension);

} // namespace CliCommands
