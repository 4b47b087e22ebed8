#pragma once

#include "channeldocument.h"

#include <string>
#include <string_view>

// The channel data file. Current layout (".46"): CR LF text lines,
// "COMMENT", the comment, then the sections "MEMORY", "CALL", "VFO" and
// "DTMF", each record line being the record with its commas as TABs. Every
// record line begins with its slot key, so empty slots need no place-holder.
// The older V1.00 layout (".r46") is read only.
//
// Readers take the whole file contents and never fail: lines they cannot
// place are ignored and over-long lines are cut to their slot.
namespace DataFile {

std::string WriteDataFile(const ChannelDocument& doc);

// The caller has run ClearDocument() first.
void ReadDataFile(std::string_view contents, ChannelDocument& doc);
void ReadV100File(std::string_view contents, ChannelDocument& doc);

enum class Format { Current, V100, Unknown };
// By extension, without regard to case: ".46" or ".r46".
Format FormatOfPath(std::string_view path);

struct LoadResult {
    bool ok = false;
    Format format = Format::Unknown;
    std::string error; // why the file could not be used, for a log or stderr
};
// Opens a data file by its extension: clears the document and reads the
// file in its layout. On failure (neither ".46" nor ".r46", not a readable
// regular file, or a comment longer than the document holds) the document is
// left untouched; the name is checked before the file is opened.
LoadResult Load(const std::string& path, ChannelDocument& doc);

} // namespace DataFile
