#include "editorwidgets.h"

#include "charfiltervalidator.h"
#include "frequencyrules.h"
#include "recordlayout.h"
#include "selectornavigator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace EditorWidgets {

const QString ChangeQuestion = QStringLiteral("The contents has been changed.\nDo you want to change?");
const QString CloseQuestion = QStringLiteral("The contents has been changed.\nDo you want to change? ");
const QString Rounded = QStringLiteral("Frequency is rounded.");
const QString InvalidFrequency = QStringLiteral("Invalid Frequency.\nPlease check and try again.");
const QString InvalidOffset = QStringLiteral("Invalid Offset.\nPlease check and try again.");
const QString InvalidCharacter = QStringLiteral("Invalid character.\nPlease check and try again.");
const QString InvalidChannel = QStringLiteral("Invalid channel Number.\nPlease check and try again.");

const QString FrequencyChars = QStringLiteral("0123456789.");
const QString NameChars = QString::fromLatin1(RecordLayout::ChannelName::Characters.data(),
                                              static_cast<qsizetype>(RecordLayout::ChannelName::Characters.size()));
const QString NumberChars = QStringLiteral("0123456789LUPR");
const QString DtmfChars = QStringLiteral("0123456789ABCD*#");

QStringList StepItems()
{
    QStringList items;
    for (const char* name : FrequencyRules::StepNames)
        items << QLatin1String(name);
    return items;
}

QStringList ToneItems()
{
    QStringList items;
    for (const char* name : FrequencyRules::ToneNames)
        items << QLatin1String(name);
    return items;
}

QLabel* Label(QWidget* parent, const char* name, const QString& caption)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLineEdit* Edit(QWidget* parent, const char* name, int maxLength, const QString& chars, bool upperCase)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    edit->setValidator(new CharFilterValidator(chars, upperCase, edit));
    return edit;
}

void ShowLoaded(QLineEdit* edit, const QString& text)
{
    if (auto* filter = edit->findChild<CharFilterValidator*>(QString(), Qt::FindDirectChildrenOnly))
        filter->Load(text);
    else
        edit->setText(text);
}

QComboBox* List(QWidget* parent, const char* name, const QStringList& items)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->addItems(items);
    list->setMaxVisibleItems(12);
    return list;
}

QCheckBox* Check(QWidget* parent, const char* name, const QString& caption)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QRadioButton* Radio(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    // Enter belongs to the frequency boxes (ApplyEntry); no button takes it.
    button->setAutoDefault(false);
    return button;
}

QGroupBox* Group(QWidget* parent, const char* name, const QString& caption)
{
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(QLatin1String(name));
    return group;
}

void PickInList(SelectorNavigator& navigator, QComboBox* list, int index)
{
    if (index != navigator.Current())
        navigator.Pick(index);
    list->setCurrentIndex(navigator.Selected());
}

void NavigateList(SelectorNavigator& navigator, QComboBox* list, NavKey key)
{
    navigator.Navigate(key);
    list->setCurrentIndex(navigator.Selected());
}

std::optional<char> TypedChar(const QKeyEvent& key)
{
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (key.key()) {
    case Qt::Key_Backspace: return '\b';
    case Qt::Key_Return:
    case Qt::Key_Enter: return '\r';
    case Qt::Key_Escape: return '\x1b';
    default: break;
    }
    const QString text = key.text();
    if (text.isEmpty())
        return std::nullopt;
    const char16_t c = text.at(0).unicode();
    if (c < 0x20 || c == 0x7f)
        return std::nullopt;
    if (text.size() > 1 || c > 0x7e)
        return '\x01';
    return static_cast<char>(c);
}

} // namespace EditorWidgets
