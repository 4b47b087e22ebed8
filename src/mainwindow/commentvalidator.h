#pragma once

#include <QValidator>

// The comment box's check: refuses what CommentCodec::Encode() cannot store, or what would make the comment too long
// for a data file; line ends (pasted text) become spaces. The character
// count is the box's own maximum length.
class CommentValidator : public QValidator
{
public:
    explicit CommentValidator(QObject* parent = nullptr) : QValidator(parent) {}
    State validate(QString& input, int& pos) const override;
};
