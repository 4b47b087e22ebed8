#pragma once

#include "channelrules.h"
#include "editorhost.h"

#include <QDialog>

class DocumentHost;
class QLineEdit;

// What the four editors share as dialogs: one key handler for the dialog
// and every control in it (Esc is the Close button; Page Up, Page Down,
// Home and End move to another item; typed characters go through the
// boxes' key filters), Close for Esc and the title bar, and the message
// boxes.
class TEditorDialog : public QDialog
{
    Q_OBJECT

protected:
    TEditorDialog(DocumentHost& host, QWidget* parent);

    // Call once every control exists.
    void InstallKeyHandler();

    virtual void Navigate(NavKey key) = 0;
    // The Close button ("关闭").
    virtual void Button1Click() = 0;
    // A character typed into one of the dialog's edit boxes (see
    // EditorWidgets::TypedChar); true when the filter consumed the key.
    virtual bool EditKeyPress(QLineEdit* edit, char c) = 0;

    bool AskQuestion(EditorHost::Question question);
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

private:
    bool DialogKey(const QKeyEvent& key);
};
