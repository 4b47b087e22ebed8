#include "filecommands.h"

#include "appsettings.h"
#include "documentsession.h"
#include "messageservice.h"
#include "tstatusbar.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace {

const QString kDataChanged = QStringLiteral("Data is changed.\nDo you want to save the changes?");
const QString kFileOpenError = QStringLiteral("File Open error.");

} // namespace

FileCommands::FileCommands(QWidget& window, DocumentSession& session, MessageService& messages, AppSettings& settings,
                           TStatusBar& statusBar, const QString& folder)
    : QObject(&window), m_window(window), m_session(session), m_messages(messages), m_settings(settings),
      m_statusBar(statusBar), m_folder(folder)
{
}

bool FileCommands::ConfirmDiscard()
{
    if (!m_session.Changed())
        return true;
    switch (m_messages.Ask(&m_window, kDataChanged, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        // Asked to save first: without the save, going on would drop the
        // very work the user wanted kept.
        return SaveAs();
    case QMessageBox::No: return true;
    default: return false;
    }
}

void FileCommands::New()
{
    if (ConfirmDiscard())
        m_session.New();
}

void FileCommands::Open()
{
    OpenFromFolder(m_folder);
}

void FileCommands::OpenFromFolder(const QString& folder)
{
    if (!ConfirmDiscard())
        return;
    MessageService::FileRequest request;
    request.directory = folder;
    request.filters = {QStringLiteral("QXP-R46 Files(*.46)"),
                       QCoreApplication::translate("TMainForm", "QXP-R46 V1.00 文件(*.r46)")};
    request.defaultSuffix = QStringLiteral("46");
    const QString path = m_messages.OpenFileName(&m_window, request);
    if (path.isEmpty())
        return;

    const DocumentSession::FileResult loaded = m_session.Load(path, DocumentSession::Layouts::CurrentOrOld);
    if (!loaded.ok) {
        ReportFileError(loaded.error);
        return;
    }
    RememberFolderOf(path);
    if (loaded.format == DataFile::Format::V100)
        m_messages.Inform(&m_window, MessageService::Icon::Information, QStringLiteral("File format changed."));
}

void FileCommands::Save()
{
    const QString name = m_session.FileName();
    if (name == DocumentSession::Untitled() || !QFileInfo(name).isFile()) {
        SaveAs();
        return;
    }
    const DocumentSession::FileResult saved = m_session.Save(name);
    if (!saved.ok) {
        ReportFileError(saved.error);
        return;
    }
    RememberFolderOf(name);
}

bool FileCommands::SaveAs()
{
    MessageService::FileRequest request;
    request.directory = m_folder;
    request.proposedName = m_session.FileName();
    request.filters = {QCoreApplication::translate("TMainForm", "QXP-R46 文件(*.46)")};
    request.defaultSuffix = QStringLiteral("46");
    const QString path = m_messages.SaveFileName(&m_window, request);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix() != QLatin1String("46")) {
        ReportFileError(path + QStringLiteral(": not a .46 data file"));
        return false;
    }
    // Written beside the old file, flushed, and renamed over it only when
    // all of it is on disk, so a full disk leaves the user's file as it was.
    const DocumentSession::FileResult saved = m_session.Save(path);
    if (!saved.ok) {
        ReportFileError(saved.error);
        return false;
    }
    RememberFolderOf(path);
    return true;
}

void FileCommands::OpenNamed(const QString& path)
{
    const DocumentSession::FileResult loaded = m_session.Load(path, DocumentSession::Layouts::CurrentOnly);
    if (!loaded.ok) {
        ReportFileError(loaded.error);
        return;
    }
    RememberFolderOf(path);
}

void FileCommands::ReportFileError(const QString& cause)
{
    m_messages.Inform(&m_window, MessageService::Icon::Error, kFileOpenError);
    // The box says what it always said; the status bar says why, until the
    // next row is shown there.
    m_statusBar.SetPanelText(0, cause);
    m_statusBar.setToolTip(cause);
}

void FileCommands::RememberFolderOf(const QString& path)
{
    m_folder = QFileInfo(path).absolutePath();
    if (!m_folder.endsWith(QLatin1Char('/')))
        m_folder += QLatin1Char('/');
    m_settings.SetPath(m_folder);
    m_settings.Store().sync();
}
