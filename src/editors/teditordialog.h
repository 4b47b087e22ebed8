#pragma once

#include "channelrules.h"
#include "editorhost.h"

#include <QDialog>

#include <initializer_list>

class DocumentHost;
class QLayout;
class QLineEdit;
class QPushButton;

// What the four editors share as dialogs: one key handler for the dialog
// and every control in it (Esc is the Close button; Page Up, Page Down,
// Home and End move to another item; typed characters go through the
// boxes' key filters), the OK and Close buttons, Close for Esc and the
// title bar, the unsaved-changes flag and the message boxes. A subclass
// stores and loads its items (EditorHost).
//
// EditorHost is a virtual base, so that the memory editor's navigator host,
// itself an EditorHost, shares the one the dialog implements here.
class TEditorDialog : public QDialog, protected virtual EditorHost
{
    Q_OBJECT

public:
    bool IsModified() const { return m_modified; }

protected:
    TEditorDialog(DocumentHost& host, QWidget* parent);

    struct Buttons {
        QPushButton* ok;    // Button2
        QPushButton* close; // Button1
    };
    // Lays the dialog out top to bottom at a fixed size: `top`, the `boxes`,
    // then OK and Close at the right. OK stores the shown item and closes;
    // Close asks about unsaved changes first. The captions come translated
    // by the dialog.
    Buttons LayOut(QLayout* top, std::initializer_list<QWidget*> boxes, const QString& okCaption,
                   const QString& closeCaption);
    // Call once every control exists.
    void InstallKeyHandler();

    virtual void Navigate(NavKey key) = 0;
    // A character typed into one of the dialog's edit boxes (see
    // EditorWidgets::TypedChar); true when the filter consumed the key.
    virtual bool EditKeyPress(QLineEdit* edit, char c) = 0;

    void SetModified()
    {
        if (!m_loading)
            m_modified = true;
    }

    // EditorHost
    bool Modified() const override { return m_modified; }
    void DropChanges() override { m_modified = false; }
    bool AskYes(Question question) override;

    // Shows the message of a refused frequency or offset entry; true when
    // the entry was refused.
    bool Refused(ChannelRules::Outcome outcome);
    void Inform(const QString& text);
    // Ends the dialog without asking anything.
    void CloseDialog();
    // Inserts a filtered character that differs from the typed one (an
    // upper-cased letter) in place of the key press.
    static bool InsertInstead(QLineEdit* edit, char typed, char wanted);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Esc and the title bar's close button ask about unsaved changes first.
    void reject() override;

    DocumentHost& m_host;
    // Set while the controls are filled from a record, so that filling
    // them does not count as the user's change.
    bool m_loading = false;
    bool m_modified = false;

    // The OK button ("确定"): stores the shown item and closes.
    void Button2Click();

private:
    bool DialogKey(const QKeyEvent& key);
    // The Close button ("关闭").
    void Button1Click();
};
