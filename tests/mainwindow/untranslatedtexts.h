#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QStringList>
#include <QTabWidget>
#include <QWidget>

// Finds the captions a window still shows in Chinese, for the tests that run
// the interface in English. Every text a user reads as part of the
// interface is looked at: titles, labels, buttons, group boxes, list
// entries, tab and header captions, menus and actions, tool tips, status
// texts. Line edits and text documents hold data and are left out, as are
// widgets whose object names the caller lists (say, a label that shows a
// channel's name), together with the menu items that open such a menu.
namespace GuiTest {

inline bool HasCjk(const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFE30 && u <= 0xFE4F) ||
            (u >= 0xFF00 && u <= 0xFFEF))
            return true;
    }
    return false;
}

// One line per Chinese text: "<class>/<object name> <what>: <text>".
inline QStringList UntranslatedTexts(QWidget& root, const QStringList& dataNames = {})
{
    QStringList found;
    QList<QWidget*> widgets{&root};
    widgets += root.findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (dataNames.contains(w->objectName()))
            continue;
        const QString where = QLatin1String(w->metaObject()->className()) + QLatin1Char('/') + w->objectName();
        auto check = [&](const char* what, const QString& text) {
            if (HasCjk(text))
                found << where + QLatin1Char(' ') + QLatin1String(what) + QStringLiteral(": ") + text;
        };
        check("title", w->windowTitle());
        check("tool tip", w->toolTip());
        check("status tip", w->statusTip());
        check("what's this", w->whatsThis());
        check("accessible name", w->accessibleName());
        check("accessible description", w->accessibleDescription());
        if (auto* label = qobject_cast<QLabel*>(w))
            check("text", label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            check("text", button->text());
        if (auto* group = qobject_cast<QGroupBox*>(w))
            check("title", group->title());
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            check("placeholder", edit->placeholderText());
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                check("item", combo->itemText(i));
        }
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                check("tab", tabs->tabText(i));
        }
        if (auto* menu = qobject_cast<QMenu*>(w))
            check("title", menu->title());
        if (auto* bar = qobject_cast<QStatusBar*>(w))
            check("message", bar->currentMessage());
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
            const QAbstractItemModel* model = view->model();
            for (int i = 0; i < model->columnCount(); ++i)
                check("header", model->headerData(i, Qt::Horizontal).toString());
            for (int i = 0; i < model->rowCount(); ++i)
                check("header", model->headerData(i, Qt::Vertical).toString());
        }
        for (const QAction* action : w->actions()) {
            if (action->menu() && dataNames.contains(action->menu()->objectName()))
                continue;
            check("action", action->text());
            check("action tool tip", action->toolTip());
            check("action status tip", action->statusTip());
        }
    }
    return found;
}

} // namespace GuiTest
