#pragma once

#include <functional>
#include <optional>
#include <string>

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
// stays a link.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string* error);

// Writes a file that must never replace another: to a temporary file in
// `folder`, flushed to disk, then moved under the first name of
// nameOf(1) .. nameOf(attempts) that is still free, without replacing
// anything. So a file exists under its name only whole, even when the
// program is killed midway. Returns the path taken.
std::optional<std::string> WriteNewFile(const std::string& folder, const std::function<std::string(int)>& nameOf,
                                        int attempts, const std::string& bytes, std::string* error);

} // namespace FileIo
