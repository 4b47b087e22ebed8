#include "charfiltervalidator.h"

#include <QLineEdit>

#include <algorithm>

CharFilterValidator::CharFilterValidator(QString allowed, bool upperCase, QLineEdit* edit)
    : QValidator(edit), m_edit(edit), m_allowed(std::move(allowed)), m_upperCase(upperCase),
      m_maxLength(edit->maxLength()), m_accepted(edit->text())
{
}

void CharFilterValidator::Load(const QString& text)
{
    // Shortening the limit cuts the old text and checks it against the old
    // baseline; the new baseline applies from the loaded text on.
    m_edit->setMaxLength(std::max(m_maxLength, static_cast<int>(text.size())));
    m_loaded = text;
    m_accepted = text;
    m_edit->setText(text);
}

bool CharFilterValidator::Allowed(QChar* c) const
{
    if (m_upperCase && *c >= QLatin1Char('a') && *c <= QLatin1Char('z'))
        *c = c->toUpper();
    return m_allowed.contains(*c);
}

QValidator::State CharFilterValidator::validate(QString& input, int& pos) const
{
    // Undo can bring back the loaded text whole.
    if (input == m_accepted || input == m_loaded) {
        m_accepted = input;
        return Acceptable;
    }
    const QString& before = m_accepted;
    const qsizetype size = input.size();
    // An insertion leaves the cursor after the inserted text, so the old
    // text goes on from the cursor; when it does not, the longest common
    // ending marks where the edit stopped.
    qsizetype suffix = size - pos;
    if (suffix < 0 || suffix > before.size() || QStringView(input).right(suffix) != QStringView(before).right(suffix)) {
        suffix = 0;
        while (suffix < size && suffix < before.size() &&
               input[size - 1 - suffix] == before[before.size() - 1 - suffix])
            ++suffix;
    }
    const qsizetype prefixLimit = std::min(size, before.size()) - suffix;
    qsizetype prefix = 0;
    while (prefix < prefixLimit && input[prefix] == before[prefix])
        ++prefix;

    const qsizetype added = size - suffix;
    QString kept = input.left(prefix);
    qsizetype cursor = std::min<qsizetype>(pos, prefix);
    for (qsizetype i = prefix; i < added; ++i) {
        QChar c = input[i];
        if (!Allowed(&c))
            continue;
        kept += c;
        if (i < pos)
            ++cursor;
    }
    if (pos > added)
        cursor += pos - added;
    kept += QStringView(input).mid(added);
    input = kept;
    pos = static_cast<int>(cursor);
    m_accepted = kept;
    return Acceptable;
}
