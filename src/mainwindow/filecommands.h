#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class AppSettings;
class DocumentSession;
class MessageService;
class TStatusBar;
class QWidget;

// New, Open, Save and Save As on the document session, with the
// unsaved-changes question before anything that would drop the document.
// A file that cannot be read or written shows the fixed "File Open error."
// and leaves its cause on the status bar. The folder of the last file opened
// or saved is remembered in the settings.
class FileCommands : public QObject
{
    Q_OBJECT

public:
    FileCommands(QWidget& window, DocumentSession& session, MessageService& messages, AppSettings& settings,
                 TStatusBar& statusBar, const QString& folder);

    // The unsaved-changes question; false when the user cancelled or the
    // save they asked for was not made.
    bool ConfirmDiscard();
    void New();
    // The open dialog on `folder`, or on the remembered folder.
    void Open();
    void OpenFromFolder(const QString& folder);
    void Save();
    // Returns whether the document was saved.
    bool SaveAs();
    // A file named on the program's command line, in the current layout
    // only: an old file must go through Open, which converts it and says so.
    void OpenNamed(const QString& path);

    const QString& Folder() const { return m_folder; }

private:
    void ReportFileError(const QString& cause);
    void RememberFolderOf(const QString& path);

    QWidget& m_window;
    DocumentSession& m_session;
    MessageService& m_messages;
    AppSettings& m_settings;
    TStatusBar& m_statusBar;
    QString m_folder;
};
