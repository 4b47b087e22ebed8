#pragma once

#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Whole-file reads and atomic replacement, for both programs and the tests.
// Both report failure through their result and an errno text (`error` may be
// null when the caller needs only the result).
namespace FileIo {

// Data files are a few tens of kilobytes; anything above this is not one.
constexpr std::size_t MaxFileSize = 16 * 1024 * 1024;

// Reads a regular file only: a FIFO, device or socket is refused at once,
// without waiting for it.
bool ReadWholeFile(const std::string& path, std::string* contents, std::string* error);

// Writes to a temporary file beside `path`, flushes it to disk and renames it
// over `path`: on any failure the old file stays as it was and no partial
// file is left behind. An existing file's permissions are kept. Only a
// regular file is replaced; a symbolic link to one is written through and
// stays a link. A new file gets 0666 less the umask the program started
// with; the umask itself is never changed. Temporary files of an earlier
// run that was killed are cleared first (RemoveStaleTemporaries).
bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string* error);

// Writes a file that must never replace another: to a temporary file in
// `folder`, flushed to disk, then moved under the first name of
// nameOf(1) .. nameOf(attempts) that is still free, without replacing
// anything. So a file exists under its name only whole, even when the
// program is killed midway. Returns the path taken.
std::optional<std::string> WriteNewFile(const std::string& folder, const std::function<std::string(int)>& nameOf,
                                        int attempts, const std::string& bytes, std::string* error);
// A log that must keep what it had when the program is killed (a trace)
// cannot be replaced atomically at the end: it is created (or truncated)
// here and grows with AppendToFile. Returns the descriptor, or -1 with the
// errno text in *error. Only regular files and character devices (a
// terminal, /dev/null) are taken.
int CreateGrowingFile(const std::string& path, std::string* error);
// Writes all of `bytes` to `fd` at once, retrying partial writes; false
// with "PATH: reason" in *error (a full disk: "No space left on device").
bool AppendToFile(int fd, const std::string& path, std::string_view bytes, std::string* error);

// Removes the leftovers of writes to `path` that never finished: regular
// files of ours named "PATH.XXXXXX" (six letters or digits, the temporary
// name this writer uses) last changed an hour or more before `now`. Newer
// ones may belong to a write still going on. Failures are ignored.
void RemoveStaleTemporaries(const std::string& path, std::time_t now);

} // namespace FileIo
