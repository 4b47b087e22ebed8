#include "writeplancommands.h"

#include "appsettings.h"
#include "backupfolder.h"
#include "backupstore.h"
#include "documenthost.h"
#include "messageservice.h"
#include "plancheck.h"
#include "settingtoggle.h"
#include "treadform.h"
#include "writepreview.h"
#include "writepreviewdialog.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>

#include <ctime>
#include <utility>

namespace {

// Lines listed in a box; the rest are counted.
constexpr int kListedLines = 30;

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QString Listed(const QStringList& lines)
{
    if (lines.size() <= kListedLines)
        return lines.join(QLatin1Char('\n'));
    return lines.mid(0, kListedLines).join(QLatin1Char('\n')) +
           QStringLiteral("\n... and %1 more").arg(lines.size() - kListedLines);
}

bool Completed(const QDialog& form, int result)
{
    const auto* transfer = qobject_cast<const TransferDialog*>(&form);
    return result == QDialog::Accepted && transfer && transfer->Finished();
}

} // namespace

const QString& WritePlanCommands::PreviewBeforeWriteKey()
{
    static const QString key = QStringLiteral("PreviewBeforeWrite");
    return key;
}

WritePlanCommands::WritePlanCommands(QWidget& window, MessageService& messages, DocumentHost& host,
                                     AppSettings& settings)
    : QObject(&window), m_window(window), m_messages(messages), m_host(host), m_settings(settings), m_radioHost(host)
{
    setObjectName(QStringLiteral("WritePlanCommands"));
    m_preview = new SettingToggle(tr("写入前备份并预览"), PreviewBeforeWriteKey(), true, m_settings, m_messages,
                                  m_window, this);
    m_preview->setObjectName(QStringLiteral("PreviewBeforeWrite1"));
    m_check = new QAction(tr("检查频道..."), this);
    m_check->setObjectName(QStringLiteral("CheckChannels1"));
    connect(m_check, &QAction::triggered, this, &WritePlanCommands::CheckChannels);

    m_readForm = std::make_unique<TReadForm>(m_radioHost, &m_window);
    m_readForm->setObjectName(QStringLiteral("BeforeWriteReadForm"));
    m_readForm->setWindowTitle(tr("写入前读取"));
}

// The read dialog is a child of the window; it goes first so that the
// window does not delete it a second time.
WritePlanCommands::~WritePlanCommands()
{
    m_readForm.reset();
}

TransferDialog& WritePlanCommands::BeforeWriteForm()
{
    return *m_readForm;
}

bool WritePlanCommands::PreviewBeforeWrite() const
{
    return m_preview->On();
}

void WritePlanCommands::SetPreviewBeforeWrite(bool on)
{
    m_preview->Set(on);
}

bool WritePlanCommands::BeforeWrite()
{
    m_refused.clear();
    if (!PreviewBeforeWrite())
        return true;

    // The radio's own type comes with the read; the defaults of the type
    // the user works with stand where the radio reports nothing.
    ChannelDocument& radio = m_radioHost.Session().BeginLongChange();
    radio = ChannelDocument();
    radio.Plan() = m_host.Document().Plan();
    radio.ClearDocument();
    m_radioHost.Session().EndLongChange(QString(), true);
    const int result = m_messages.RunModal(*m_readForm);
    // A failed read has said why in its dialog; a cancelled one was the
    // user's choice. Either way nothing is written.
    if (!Completed(*m_readForm, result))
        return false;

    const BackupStore store = BackupFolder::Store();
    const BackupStore::Result backup =
        store.Save(m_radioHost.Document(), std::time(nullptr), BackupStore::Occasion::BeforeWrite);
    if (!backup.ok) {
        m_messages.Inform(&m_window, MessageService::Icon::Error,
                          QStringLiteral("No backup of the radio was written, so nothing was written to it.\n\n") +
                              Text(backup.error));
        return false;
    }

    const WritePreview::Result preview = WritePreview::Build(m_host.Document(), m_radioHost.Document());
    WritePreviewDialog dialog(preview, QFileInfo(QFile::decodeName(backup.path.c_str())).fileName(), &m_window);
    if (m_messages.RunModal(dialog) != QDialog::Accepted)
        return false;
    if (!preview.NeedsConfirmation())
        return true;

    QStringList lines;
    for (const std::string& line : preview.RefusalLines())
        lines << Text(line);
    const auto answer = m_messages.Ask(
        &m_window,
        QStringLiteral("This file was not made for the radio, which cannot hold these records as they are:\n") +
            Listed(lines) + QStringLiteral("\n\nWrite all the same?"),
        QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return false;
    m_refused = lines;
    return true;
}

void WritePlanCommands::AfterWrite(const QDialog& writeForm, int result)
{
    const QStringList refused = std::exchange(m_refused, QStringList());
    if (refused.isEmpty() || !Completed(writeForm, result))
        return;
    m_messages.Inform(&m_window, MessageService::Icon::Warning,
                      QStringLiteral("Written, although the radio cannot hold these records as they are:\n") +
                          Listed(refused));
}

void WritePlanCommands::CheckChannels()
{
    const std::vector<PlanCheck::Finding> findings = PlanCheck::CheckAll(m_host.Document());
    if (findings.empty()) {
        m_messages.Inform(&m_window, MessageService::Icon::Information,
                          QStringLiteral("No findings: the channels can go into the radio as they are."));
        return;
    }
    QStringList lines;
    for (const PlanCheck::Finding& finding : findings)
        lines << Text(PlanCheck::Line(finding));
    const bool errors = PlanCheck::HasErrors(findings);
    m_messages.Inform(
        &m_window,
        errors ? MessageService::Icon::Error
               : (PlanCheck::HasWarnings(findings) ? MessageService::Icon::Warning : MessageService::Icon::Information),
        QStringLiteral("%1 finding%2:\n")
                .arg(findings.size())
                .arg(findings.size() == 1 ? QString() : QStringLiteral("s")) +
            Listed(lines));
}
