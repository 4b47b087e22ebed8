#include "transferdialog.h"

#include "appsettings.h"
#include "documenthost.h"
#include "filepath.h"
#include "messageservice.h"
#include "portlink.h"
#include "radioprotocol.h"
#include "visibletext.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

TransferDialog::TransferDialog(DocumentHost& host, const QString& caption, const QString& label, QWidget* parent)
    : QDialog(parent), m_host(host)
{
    setWindowTitle(caption);
    // A fixed frame with a title and no buttons: the only way out is Cancel.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);

    m_label1 = new QLabel(label, this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_progressBar1 = new QProgressBar(this);
    m_progressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar1->setRange(0, RadioProtocol::ProgressMaximum);
    m_progressBar1->setValue(0);
    m_progressBar1->setTextVisible(false);
    m_progressBar1->setMinimumWidth(280);
    m_button1 = new QPushButton(tr("取消"), this);
    m_button1->setObjectName(QStringLiteral("Button1"));
    m_button1->setAutoDefault(false);
    connect(m_button1, &QPushButton::clicked, this, &TransferDialog::Button1Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label1);
    layout->addWidget(m_progressBar1);
    layout->addWidget(m_button1, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    PortLink::ApplyTransferSettings(m_qcomm1);
    SetPortResolver({});
    // The event thread takes the report when the port opens; the port is
    // closed, and that thread gone, before this dialog is.
    m_qcomm1.SetExceptionReport([this](const std::string& message) {
        const QString text = QString::fromStdString(message);
        QMetaObject::invokeMethod(
            this, [this, text] { ReportException(text); }, Qt::QueuedConnection);
    });
    // Called on the port's event thread: only posts. Unchanged positions
    // are not posted again.
    m_runner.SetProgressHook([this, last = -1](int position) mutable {
        if (position == last)
            return;
        last = position;
        QMetaObject::invokeMethod(
            this, [this, position] { m_progressBar1->setValue(position); }, Qt::QueuedConnection);
    });
}

void TransferDialog::SetPortResolver(TQComm::PortResolver resolver)
{
    if (!resolver)
        resolver = [](const std::string& name) {
            return FilePath::Bytes(AppSettings().PortDevice(QString::fromStdString(name)));
        };
    m_qcomm1.SetPortResolver(std::move(resolver));
}

QString TransferDialog::WithPortCause(const QString& message, PortTrouble trouble) const
{
    const QString cause = m_portCause ? m_portCause(QString::fromStdString(m_qcomm1.PortName()), trouble) : QString();
    return cause.isEmpty() ? message : message + QStringLiteral("\n\n") + cause;
}

// The runner, a member, stops a transfer still running before the rest goes.
TransferDialog::~TransferDialog() = default;

void TransferDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    // After the window is up, so a message from FormShow has it as parent.
    QMetaObject::invokeMethod(this, &TransferDialog::FormShow, Qt::QueuedConnection);
}

void TransferDialog::FormShow()
{
    m_progressBar1->setValue(0);
    m_cancel = false;
    m_finished = false;
    m_ended = false;
    m_qcomm1.SetCommPort(m_host.PortChoice() == QLatin1String("COM2") ? TCommPort::Com2 : TCommPort::Com1);
    m_snapshot = m_host.Document();
    m_transfer = MakeTransfer(m_snapshot);
    if (const std::optional<TransferRunner::Result> early = m_runner.Begin(*m_transfer)) {
        TransferDone(*early);
        return;
    }
    m_running = true;
    m_runner.Start([this](TransferRunner::Result result) {
        QMetaObject::invokeMethod(
            this, [this, result = std::move(result)] { TransferDone(result); }, Qt::QueuedConnection);
    });
}

void TransferDialog::TransferDone(const TransferRunner::Result& result)
{
    m_running = false;
    if (m_ended)
        return;
    const QString message = QString::fromUtf8(result.message.c_str());
    switch (result.outcome) {
    case TransferRunner::Outcome::Finished:
        m_finished = true;
        End();
        break;
    case TransferRunner::Outcome::Cancelled: End(); break;
    case TransferRunner::Outcome::Failed: Fail(message); break;
    case TransferRunner::Outcome::NoReply: Fail(message, PortTrouble::NoReply); break;
    // Nothing runs any more; the dialog waits for Cancel.
    case TransferRunner::Outcome::PortInvalid:
        m_host.Messages().Inform(this, MessageService::Icon::Error, WithPortCause(message, PortTrouble::Invalid));
        break;
    // The fixed text as it always was; the system's reason (a device path
    // among it) below, where the user can see what to fix.
    case TransferRunner::Outcome::PortError:
        ReportException(result.cause.empty()
                            ? message
                            : message + QStringLiteral("\n\n") + QString::fromStdString(VisibleText::Of(result.cause)));
        break;
    }
}

void TransferDialog::Button1Click()
{
    m_cancel = true;
    if (m_running) {
        m_runner.Cancel();
        return;
    }
    // Nothing outstanding that could answer: the grace runs out alone.
    QTimer::singleShot(RadioProtocol::CancelDelayMs, this, [this] {
        if (!m_ended && !m_running)
            End();
    });
}

// The runner has closed the port by now.
void TransferDialog::Stop()
{
    m_ended = true;
}

void TransferDialog::End()
{
    Stop();
    TransferEnded();
    done(QDialog::Accepted);
}

void TransferDialog::Fail(const QString& message, std::optional<PortTrouble> trouble)
{
    Stop();
    m_host.Messages().Inform(this, MessageService::Icon::Error, trouble ? WithPortCause(message, *trouble) : message);
    done(QDialog::Rejected);
}

void TransferDialog::ReportException(const QString& message)
{
    m_host.Messages().Inform(this, MessageService::Icon::Error, message);
}

void TransferDialog::reject()
{
    if (m_ended) {
        QDialog::reject();
        return;
    }
    if (!m_cancel)
        Button1Click();
}
