#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

// Every message box, file dialog and modal dialog of the program goes
// through one MessageService, so that a test can answer them from a script
// instead of a person clicking. Message boxes always carry the caption
// "QXP-R46".
class MessageService
{
public:
    enum class Icon { Information, Warning, Error, Question };

    struct FileRequest {
        QString directory;     // initial folder
        QString proposedName;  // file name shown in the name box, may be empty
        QStringList filters;   // Qt filter texts, first one selected
        QString defaultSuffix; // appended when the typed name has none ("46")
    };

    virtual ~MessageService() = default;

    // A question box with the question icon; returns the button pressed, or
    // QMessageBox::Cancel (or No when there is no Cancel) if it was closed.
    virtual QMessageBox::StandardButton Ask(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons);
    // A notice with an OK button.
    virtual void Inform(QWidget* parent, Icon icon, const QString& text);
    // Full path of the chosen file; empty when the dialog was cancelled.
    virtual QString OpenFileName(QWidget* parent, const FileRequest& request);
    virtual QString SaveFileName(QWidget* parent, const FileRequest& request);
    // Shows a dialog modally and returns its result code.
    virtual int RunModal(QDialog& dialog);

    static const QString& Caption();
};
