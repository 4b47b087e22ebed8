#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

// Keeps an edit box to the characters its key filter lets through, for the
// texts that do not arrive as key presses (paste, drag and drop, input
// methods): foreign characters are dropped, letters optionally upper-cased.
// A record field thus never receives a "," or a character the radio rejects
// from the user.
//
// Only what the user adds is filtered. A text the editor loads from a record
// (Load) is shown as it stands, even with characters the filter would drop,
// and those characters stay when the user types or pastes beside them:
// an untouched box stores exactly what was loaded.
class CharFilterValidator : public QValidator
{
    Q_OBJECT

public:
    // Filters `edit`, whose length limit must already be set.
    CharFilterValidator(QString allowed, bool upperCase, QLineEdit* edit);

    // Puts a record's text into the box unfiltered; the length limit grows
    // to hold a longer text, so typing can replace it but not make it longer.
    void Load(const QString& text);

    State validate(QString& input, int& pos) const override;

private:
    bool Allowed(QChar* c) const;

    QLineEdit* m_edit;
    QString m_allowed;
    bool m_upperCase;
    int m_maxLength;
    QString m_loaded;
    // The box's text as last accepted: what an edit is compared with to
    // find the part the user added.
    mutable QString m_accepted;
};
