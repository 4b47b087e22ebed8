#pragma once

#include "fakedocumenthost.h"
#include "guitestmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// Helpers for driving an editor the way a user does: by its controls'
// names, with keys sent to the focused control.
namespace EditorTest {

template <typename T> T* Child(QWidget& dialog, const char* name)
{
    T* child = dialog.findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

// Replaces the box's text as typing would: select all, then type.
inline void Type(QWidget& dialog, const char* box, const QString& text)
{
    auto* edit = Child<QLineEdit>(dialog, box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

inline void Key(QWidget& dialog, const char* control, Qt::Key key)
{
    QTest::keyClick(Child<QWidget>(dialog, control), key);
}

// Check boxes and radio buttons take clicks on their indicator and
// caption only, so those are clicked near their left edge.
inline void Click(QWidget& dialog, const char* button)
{
    auto* b = Child<QAbstractButton>(dialog, button);
    const bool indicator = qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b);
    QTest::mouseClick(b, Qt::LeftButton, {}, indicator ? QPoint(6, b->height() / 2) : QPoint());
}

inline void Open(QDialog& dialog)
{
    dialog.show();
    QCoreApplication::processEvents();
}

inline QStringList Answers(std::initializer_list<bool> yes)
{
    QStringList out;
    for (bool y : yes)
        out << (y ? QStringLiteral("yes") : QStringLiteral("no"));
    return out;
}

inline void Script(FakeDocumentHost& host, const QStringList& answers)
{
    host.messages.answers.clear();
    for (const QString& a : answers)
        host.messages.answers.push_back(a == QLatin1String("yes") ? QMessageBox::Yes : QMessageBox::No);
}

const QString kAsk = QStringLiteral("ask The contents has been changed.\nDo you want to change?");
const QString kAskClose = QStringLiteral("ask The contents has been changed.\nDo you want to change? ");
const QString kRounded = QStringLiteral("info Frequency is rounded.");
const QString kBadFrequency = QStringLiteral("info Invalid Frequency.\nPlease check and try again.");
const QString kBadOffset = QStringLiteral("info Invalid Offset.\nPlease check and try again.");

} // namespace EditorTest
