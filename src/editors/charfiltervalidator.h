#pragma once

#include <QString>
#include <QValidator>

// Keeps an edit box to the characters its key filter lets through, for the
// texts that do not arrive as key presses (paste, drag and drop, input
// methods): foreign characters are dropped, letters optionally upper-cased.
// A record field thus never receives a "," or a character the radio rejects.
class CharFilterValidator : public QValidator
{
public:
    CharFilterValidator(QString allowed, bool upperCase, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    QString m_allowed;
    bool m_upperCase;
};
