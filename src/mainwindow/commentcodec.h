#pragma once

#include <QValidator>

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
QString Decode(const std::string& bytes);
// Nothing when a character has no code page 936 form or is a line end. A
// replacement character becomes "?": the bytes it stood for are unknown, and
// without it an edited comment could not be stored at all.
std::optional<std::string> Encode(const QString& text);

} // namespace CommentCodec

// Refuses what Encode() cannot store, or what would make the comment too long
// for a data file; line ends (pasted text) become spaces. The character
// count is the box's own maximum length.
class CommentValidator : public QValidator
{
public:
    explicit CommentValidator(QObject* parent = nullptr) : QValidator(parent) {}
    State validate(QString& input, int& pos) const override;
};
