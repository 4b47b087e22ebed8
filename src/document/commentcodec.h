#pragma once

#include <QString>

#include <optional>
#include <string>

// The comment travels in files and to the radio as code page 936 (GBK)
// bytes; the window edits it as Unicode. These convert between the two and
// keep the user from typing what code page 936 cannot hold, since such a
// character could never be written back.
namespace CommentCodec {

// What the box lets the user type up to; a longer comment from a file is
// shown whole and may not grow.
constexpr int MaxCharacters = 50;

// Bytes that are not code page 936 become the replacement character U+FFFD.
// Without a code page 936 codec each byte is read as Latin-1, so the text
// is still valid Unicode (and valid UTF-8 on a terminal).
QString Decode(const std::string& bytes);
// Nothing when a character has no code page 936 form or is a line end. A
// replacement character becomes "?": the bytes it stood for are unknown, and
// without it an edited comment could not be stored at all.
std::optional<std::string> Encode(const QString& text);

} // namespace CommentCodec
