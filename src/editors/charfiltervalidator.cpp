#include "charfiltervalidator.h"

CharFilterValidator::CharFilterValidator(QString allowed, bool upperCase, QObject* parent)
    : QValidator(parent), m_allowed(std::move(allowed)), m_upperCase(upperCase)
{
}

QValidator::State CharFilterValidator::validate(QString& input, int& pos) const
{
    QString kept;
    int keptBeforeCursor = 0;
    for (int i = 0; i < input.size(); ++i) {
        QChar c = input[i];
        if (m_upperCase && c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = c.toUpper();
        if (!m_allowed.contains(c))
            continue;
        kept += c;
        if (i < pos)
            ++keptBeforeCursor;
    }
    input = kept;
    pos = keptBeforeCursor;
    return Acceptable;
}
