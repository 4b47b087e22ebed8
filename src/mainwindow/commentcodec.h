#pragma once

#include <QValidator>

#include <optional>
#include <string>

// The comment travels in files and to the radio as code page 936 (GBK)
// bytes; the window edits it as Unicode. These convert between the two and
// keep the user from typing what code page 936 cannot hold, since such a
// character could never be written back.
namespace CommentCodec {

constexpr int MaxCharacters = 50;

QString Decode(const std::string& bytes);
// Nothing when a character has no code page 936 form.
std::optional<std::string> Encode(const QString& text);

} // namespace CommentCodec

class CommentValidator : public QValidator
{
public:
    explicit CommentValidator(QObject* parent = nullptr) : QValidator(parent) {}
    State validate(QString& input, int& pos) const override;
};
