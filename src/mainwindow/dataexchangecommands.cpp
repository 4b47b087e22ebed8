#include "dataexchangecommands.h"

#include "appsettings.h"
#include "backupfolder.h"
#include "backupstore.h"
#include "channeldocument.h"
#include "csvexport.h"
#include "documenthost.h"
#include "fileio.h"
#include "filepath.h"
#include "messageservice.h"
#include "settingtoggle.h"
#include "transfersummary.h"
#include "treadform.h"
#include "writeverification.h"

#include <QAction>
#include <QBuffer>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPageSize>
#include <QPdfWriter>
#include <QProgressBar>
#include <QProgressDialog>
#include <QTime>

#include <atomic>
#include <ctime>
#include <thread>

namespace {

const QString kFileOpenError = QStringLiteral("File Open error.");

// How often a CSV import's progress dialog looks at its worker.
constexpr int kImportPollMs = 100;

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// The dialogs end a finished transfer and a cancelled one alike, with
// Accepted; only a finished one has moved its bar to the end, since the
// last step is counted when the radio's last reply has been taken.
bool TransferCompleted(const QDialog& form, int result)
{
    const auto* transfer = qobject_cast<const TransferDialog*>(&form);
    return result == QDialog::Accepted && transfer && transfer->Finished();
}

// The first `limit` lines, then how many more there are: a box taller than
// the screen would hide its own OK button.
QString ListedLines(const QStringList& lines, int limit)
{
    if (lines.size() <= limit)
        return lines.join(QLatin1Char('\n'));
    return lines.mid(0, limit).join(QLatin1Char('\n')) + QStringLiteral("\n... and %1 more").arg(lines.size() - limit);
}

bool HasSuffix(const QString& path, const QString& suffix)
{
    return QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) == 0;
}

} // namespace

const QString& DataExchangeCommands::VerifyAfterWriteKey()
{
    static const QString key = QStringLiteral("VerifyAfterWrite");
    return key;
}

DataExchangeCommands::DataExchangeCommands(QWidget& window, MessageService& messages, DocumentHost& host,
                                           AppSettings& settings, QWidget& statusArea)
    : QObject(&window), m_window(window), m_messages(messages), m_host(host), m_settings(settings),
      m_statusArea(statusArea), m_readBackHost(host)
{
    setObjectName(QStringLiteral("DataExchangeCommands"));
    m_importCsv = MakeAction("ImportCsv1", tr("导入CSV..."), &DataExchangeCommands::ImportCsv);
    m_exportCsv = MakeAction("ExportCsv1", tr("导出CSV..."), &DataExchangeCommands::ExportCsv);
    m_exportPdf = MakeAction("ExportPdf1", tr("导出PDF..."), &DataExchangeCommands::ExportPdf);
    m_openBackup = MakeAction("OpenBackup1", tr("打开备份..."), &DataExchangeCommands::OpenBackup);
    m_verify =
        new SettingToggle(tr("写入后校验"), VerifyAfterWriteKey(), false, m_settings, m_messages, m_window, this);
    m_verify->setObjectName(QStringLiteral("VerifyAfterWrite1"));

    // Over the status panels, so the window keeps its fixed size; the
    // panels show again when the notice has had its time.
    m_notice = new QLabel(&m_statusArea);
    m_notice->setObjectName(QStringLiteral("TransferNotice"));
    m_notice->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_notice->setAutoFillBackground(true);
    m_notice->setIndent(3);
    m_notice->hide();
    m_noticeTimer = new QTimer(this);
    m_noticeTimer->setObjectName(QStringLiteral("NoticeTimer"));
    m_noticeTimer->setSingleShot(true);
    m_noticeTimer->setInterval(NoticeMs);
    connect(m_noticeTimer, &QTimer::timeout, this, &DataExchangeCommands::EndNotice);

    m_readBackForm =
        std::make_unique<TReadForm>(m_readBackHost, tr("校验"), tr("正在从设备读回数据以校验。。。"), &m_window);
    m_readBackForm->setObjectName(QStringLiteral("ReadBackForm"));
}

// The read-back dialog is a child of the window; it goes first so that the
// window does not delete it a second time.
DataExchangeCommands::~DataExchangeCommands()
{
    m_readBackForm.reset();
}

QAction* DataExchangeCommands::MakeAction(const char* objectName, const QString& text,
                                          void (DataExchangeCommands::*handler)())
{
    auto* action = new QAction(text, this);
    action->setObjectName(QLatin1String(objectName));
    connect(action, &QAction::triggered, this, handler);
    return action;
}

DataExchangeCommands::MenuItems DataExchangeCommands::Items() const
{
    return {m_openBackup, m_importCsv, m_exportCsv, m_exportPdf, m_verify};
}

TransferDialog& DataExchangeCommands::ReadBackForm()
{
    return *m_readBackForm;
}

QString DataExchangeCommands::Folder() const
{
    return m_settings.Store().value(QStringLiteral("Path")).toString();
}

void DataExchangeCommands::ReportFileError(const QString& cause)
{
    m_messages.Inform(&m_window, MessageService::Icon::Error,
                      cause.isEmpty() ? kFileOpenError : kFileOpenError + QStringLiteral("\n\n") + cause);
}

bool DataExchangeCommands::WriteFile(const QString& path, const std::string& bytes)
{
    std::string error;
    if (FileIo::WriteFileAtomically(FilePath::Bytes(path), bytes, &error))
        return true;
    ReportFileError(path + QStringLiteral(": ") + Text(error));
    return false;
}

QString DataExchangeCommands::SaveName(const QString& filter, const QString& suffix)
{
    MessageService::FileRequest request;
    request.directory = Folder();
    request.filters = {filter};
    request.defaultSuffix = suffix;
    const QString path = m_messages.SaveFileName(&m_window, request);
    if (path.isEmpty())
        return {};
    // A slip of the name must not put another format over a data file.
    if (!HasSuffix(path, suffix)) {
        ReportFileError(path + QStringLiteral(": the file needs the extension .") + suffix);
        return {};
    }
    return path;
}

void DataExchangeCommands::ImportCsv()
{
    MessageService::FileRequest request;
    request.directory = Folder();
    request.filters = {tr("CSV 文件(*.csv)"), tr("所有文件(*)")};
    request.defaultSuffix = QStringLiteral("csv");
    const QString path = m_messages.OpenFileName(&m_window, request);
    if (path.isEmpty())
        return;
    std::string text;
    std::string error;
    if (!FileIo::ReadWholeFile(FilePath::Bytes(path), &text, &error)) {
        ReportFileError(path + QStringLiteral(": ") + Text(error));
        return;
    }
    CsvImport::Result result;
    if (text.size() < ProgressFromBytes)
        result = CsvImport::Read(text, m_host.Document());
    else if (!ReadWithProgress(text, QFileInfo(path).fileName(), &result))
        return;
    if (!result.ok) {
        ReportFileError(path + QStringLiteral(": ") + Text(result.error));
        return;
    }
    ApplyImport(result);

    // The report ends with its count; the rows it names come first.
    QStringList lines = Text(result.Report(ReportLines)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QString summary = lines.isEmpty() ? QString() : lines.takeLast();
    QString message = summary;
    if (!lines.isEmpty())
        message += QStringLiteral("\n\n") + lines.join(QLatin1Char('\n'));
    m_messages.Inform(&m_window, result.skipped > 0 ? MessageService::Icon::Warning : MessageService::Icon::Information,
                      message);
}

// A large file is read on a worker thread while a progress dialog keeps the
// window alive; its Cancel stops the reading at the next batch of rows. The
// worker reads its own copy of the document, and the two sides share only
// the three atomics below and the result, which the window reads after it
// has joined the worker. The dialog's timer carries the progress over and
// closes the dialog once the worker is done, so every hand-over is a
// std::atomic or the join: nothing passes through Qt's own thread machinery.
bool DataExchangeCommands::ReadWithProgress(const std::string& text, const QString& name, CsvImport::Result* result)
{
    const ChannelDocument target = m_host.Document();
    std::atomic<bool> cancel{false};
    std::atomic<bool> done{false};
    std::atomic<int> permille{0};
    QProgressDialog dialog(&m_window);
    dialog.setObjectName(QStringLiteral("CsvImportProgress"));
    dialog.setWindowTitle(MessageService::Caption());
    dialog.setLabelText(name);
    dialog.setRange(0, 1000);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(0);
    connect(&dialog, &QProgressDialog::canceled, &dialog, [&cancel] { cancel = true; });

    std::thread worker;
    QTimer poll;
    poll.setInterval(kImportPollMs);
    connect(&poll, &QTimer::timeout, &dialog, [&dialog, &permille, &done, &poll] {
        dialog.setValue(permille);
        if (done) {
            poll.stop();
            dialog.accept();
        }
    });
    // Started from the dialog's own event loop, so a Cancel that comes at
    // once is seen before the first batch.
    QTimer::singleShot(0, &dialog, [&] {
        poll.start();
        worker = std::thread([&] {
            *result = CsvImport::Read(text, target, [&](std::size_t read, std::size_t total) {
                permille = total == 0 ? 1000 : static_cast<int>(read * 1000 / total);
                return !cancel;
            });
            done = true;
        });
    });
    m_messages.RunModal(dialog);
    cancel = true; // closed in any other way: the worker stops too
    if (!worker.joinable())
        return false; // closed before the worker started
    worker.join();
    return !result->cancelled;
}

void DataExchangeCommands::ApplyImport(const CsvImport::Result& result)
{
    if (result.channels.empty())
        return;
    // One step of the undo history; the windows follow the session.
    m_host.Session().Edit(tr("导入CSV"), [&result](ChannelDocument& doc) { CsvImport::Apply(result, doc); });
}

void DataExchangeCommands::ExportCsv()
{
    const QString path = SaveName(tr("CSV 文件(*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    const CsvExport::Result result = CsvExport::Write(m_host.Document());
    if (!WriteFile(path, result.text))
        return;
    const QString written = QStringLiteral("%1 channel%2 written to %3.")
                                .arg(result.channels)
                                .arg(result.channels == 1 ? QString() : QStringLiteral("s"), path);
    if (result.notes.empty()) {
        ShowNotice(written);
        return;
    }
    // Written all the same: what the layout cannot hold must not go unsaid.
    QStringList notes;
    for (const std::string& note : result.notes)
        notes << Text(note);
    m_messages.Inform(&m_window, MessageService::Icon::Information,
                      written + QStringLiteral("\n\n") + ListedLines(notes, ReportLines));
}

void DataExchangeCommands::ExportPdf()
{
    if (!m_paintPages)
        return;
    const QString path = SaveName(tr("PDF 文件(*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle(MessageService::Caption());
        writer.setCreator(QStringLiteral("qxp-r46"));
        if (!m_paintPages(writer)) {
            ReportFileError(QString());
            return;
        }
    }
    if (WriteFile(path, pdf.data().toStdString()))
        ShowNotice(QStringLiteral("Channel list written to %1.").arg(path));
}

void DataExchangeCommands::OfferPdfForPrinting()
{
    // The menu item's own caption, so the offer reads as the menu does in
    // either language.
    const QString item = m_exportPdf->text().remove(QLatin1Char('&'));
    const QString text = QStringLiteral("There is no default printer.\n\nSave the channel list as a PDF file "
                                        "instead (%1)?")
                             .arg(item);
    if (m_messages.Ask(&m_window, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
        ExportPdf();
}

void DataExchangeCommands::OpenBackup()
{
    if (!m_openInFolder)
        return;
    // Before the first read there is no folder yet; the dialog should
    // still open where backups will be.
    const QString folder = BackupFolder::Path();
    QDir().mkpath(folder);
    m_openInFolder(folder);
}

bool DataExchangeCommands::VerifyAfterWrite() const
{
    return m_verify->On();
}

void DataExchangeCommands::SetVerifyAfterWrite(bool on)
{
    m_verify->Set(on);
}

void DataExchangeCommands::ReadEnded(const QDialog& readForm, int result)
{
    if (!TransferCompleted(readForm, result)) {
        // The dialog has said why; the status line says what it left.
        ShowTransferNotice(result == QDialog::Accepted ? QStringLiteral("Read cancelled: nothing was changed.")
                                                       : QStringLiteral("Read failed: nothing was changed."));
        return;
    }
    const ChannelDocument& doc = m_host.Document();
    QString text = Text(TransferSummary::Read(doc));
    const BackupStore store = BackupFolder::Store();
    const BackupStore::Result backup = store.Save(doc, std::time(nullptr));
    if (backup.ok) {
        text += QStringLiteral(" Backup: ") + QFileInfo(FilePath::FromBytes(backup.path)).fileName();
    } else {
        // The read counts all the same; the user should know the copy that
        // would survive a bad write is missing.
        m_messages.Inform(&m_window, MessageService::Icon::Warning,
                          QStringLiteral("No backup of the radio was written.\n\n") + Text(backup.error));
    }
    ShowTransferNotice(text);
}

void DataExchangeCommands::WriteEnded(const QDialog& writeForm, int result)
{
    // Even a broken write may have changed the radio: the backup of what it
    // held before must outlive the pruning of old backups.
    std::string noteError;
    const bool noted = BackupFolder::Store().NoteWrite(std::time(nullptr), &noteError);
    if (!TransferCompleted(writeForm, result))
        return;
    QString text = Text(TransferSummary::Written(m_host.Document()));
    if (!noted)
        text += QStringLiteral(" The write was not noted for the backups: ") + Text(noteError);
    if (VerifyAfterWrite())
        text += QLatin1Char(' ') + VerifyWrite();
    ShowTransferNotice(text);
}

// Reads the radio back and says what differs; returns the verdict for the
// notice.
QString DataExchangeCommands::VerifyWrite()
{
    m_readBackHost.Session().BeginLongChange().ClearDocument();
    m_readBackHost.Session().EndLongChange(QString(), true);
    const int result = m_messages.RunModal(*m_readBackForm);
    if (!TransferCompleted(*m_readBackForm, result))
        return QStringLiteral("Not verified: the radio was not read back to the end.");
    const WriteVerification::Result verification =
        WriteVerification::Compare(m_host.Document(), m_readBackHost.Document());
    QString verdict = Text(verification.Verdict());
    if (verification.Confirmed())
        return verdict;
    QStringList lines;
    for (const std::string& line : verification.Lines())
        lines << Text(line);
    m_messages.Inform(&m_window, MessageService::Icon::Warning,
                      verdict + QLatin1Char('\n') + ListedLines(lines, ReportLines));
    if (verdict.endsWith(QLatin1Char(':')))
        verdict.chop(1);
    return verdict + QLatin1Char('.');
}

// How a transfer ended stays on the status line until the next command: a
// user who looked away during a long write must still find the verdict. The
// tool tip lists the latest endings with their times.
void DataExchangeCommands::ShowTransferNotice(const QString& text)
{
    const QString warning = m_transferWarning ? m_transferWarning() : QString();
    const QString notice = warning.isEmpty() ? text : text + QLatin1Char(' ') + warning;
    ShowNotice(notice);
    m_noticeTimer->stop();
    m_history << QTime::currentTime().toString(QStringLiteral("HH:mm:ss ")) + notice;
    if (m_history.size() > HistoryLines)
        m_history.removeFirst();
    m_notice->setToolTip(m_history.join(QLatin1Char('\n')));
    for (QAction* command : m_window.findChildren<QAction*>())
        m_endOnCommand << connect(command, &QAction::triggered, this, &DataExchangeCommands::EndNotice);
}

void DataExchangeCommands::ShowNotice(const QString& text)
{
    EndNotice();
    m_notice->setGeometry(m_statusArea.rect());
    m_notice->setText(text);
    m_notice->setToolTip(text);
    m_notice->show();
    m_notice->raise();
    m_noticeTimer->start();
}

void DataExchangeCommands::EndNotice()
{
    for (const QMetaObject::Connection& connection : std::as_const(m_endOnCommand))
        disconnect(connection);
    m_endOnCommand.clear();
    m_noticeTimer->stop();
    m_notice->hide();
}

QString DataExchangeCommands::NoticeText() const
{
    return m_notice->isHidden() ? QString() : m_notice->text();
}
