#include "transferdialog.h"

#include "appsettings.h"
#include "commeventbridge.h"
#include "shared/documenthost.h"
#include "ecommerror.h"
#include "shared/messageservice.h"
#include "portlink.h"
#include "radioprotocol.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
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
    m_button1 = new QPushButton(QStringLiteral("取消"), this);
    m_button1->setObjectName(QStringLiteral("Button1"));
    m_button1->setAutoDefault(false);
    connect(m_button1, &QPushButton::clicked, this, &TransferDialog::Button1Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label1);
    layout->addWidget(m_progressBar1);
    layout->addWidget(m_button1, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(RadioProtocol::ReplyTimeoutMs);
    m_timer1.setSingleShot(false);
    connect(&m_timer1, &QTimer::timeout, this, &TransferDialog::Timer1Timer);
    m_timer3.setObjectName(QStringLiteral("Timer3"));
    m_timer3.setInterval(RadioProtocol::CancelDelayMs);
    connect(&m_timer3, &QTimer::timeout, this, &TransferDialog::Timer3Timer);

    PortLink::ApplyTransferSettings(m_qcomm1);
    m_qcomm1.SetPortResolver(
        [](const std::string& name) { return AppSettings().PortDevice(QString::fromStdString(name)).toStdString(); });
    // Before any opening: the event thread takes the report when it starts.
    m_bridge = std::make_unique<CommEventBridge>(
        m_qcomm1, [this](TQComm& sender, std::uint32_t size) { QComm1CommEvent(sender, size); },
        [this](const QString& message) { ReportException(message); }, this);
}

TransferDialog::~TransferDialog()
{
    m_bridge.reset();
    m_qcomm1.CloseCommport();
}

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
    m_ended = false;
    m_qcomm1.SetCommPort(m_host.PortChoice() == QLatin1String("COM2") ? TCommPort::Com2 : TCommPort::Com1);
    if (!m_qcomm1.CheckCommportValid(m_qcomm1.PortName())) {
        m_host.Messages().Inform(this, MessageService::Icon::Error,
                                 QString::fromLatin1(RadioProtocol::PortInvalidMessage));
        return;
    }
    try {
        m_qcomm1.OpenCommport();
    } catch (const ECommError& error) {
        ReportException(QString::fromUtf8(error.what()));
        return;
    }
    Carry(StartTransfer());
    m_progressBar1->setValue(Progress());
}

void TransferDialog::QComm1CommEvent(TQComm& sender, std::uint32_t /*size*/)
{
    if (m_ended)
        return;
    m_timer1.stop();
    if (m_cancel) {
        End();
        return;
    }
    const std::string reply = PortLink::TakeWaiting(sender);
    const TransferStep next = HandleReply(reply);
    m_progressBar1->setValue(Progress());
    Carry(next);
}

void TransferDialog::Carry(const TransferStep& step)
{
    switch (step.action) {
    case TransferStep::Action::Send:
        try {
            PortLink::SendLine(m_qcomm1, step.command);
            m_timer1.start();
        } catch (const ECommError& error) {
            m_timer1.stop();
            ReportException(QString::fromUtf8(error.what()));
        }
        break;
    case TransferStep::Action::Finished: End(); break;
    case TransferStep::Action::Failed: Fail(QString::fromUtf8(step.message.c_str())); break;
    }
}

void TransferDialog::Button1Click()
{
    m_timer1.stop();
    m_cancel = true;
    m_timer3.start();
}

void TransferDialog::Timer1Timer()
{
    m_timer1.stop();
    if (m_ended)
        return;
    Fail(QString::fromLatin1(RadioProtocol::TimeoutMessage));
}

void TransferDialog::Timer3Timer()
{
    m_timer3.stop();
    if (m_ended)
        return;
    End();
}

void TransferDialog::Stop()
{
    m_ended = true;
    m_timer1.stop();
    m_timer3.stop();
    m_qcomm1.CloseCommport();
}

void TransferDialog::End()
{
    Stop();
    TransferEnded();
    done(QDialog::Accepted);
}

void TransferDialog::Fail(const QString& message)
{
    // The port is closed before the message box: no late reply can be
    // handled while the box waits for the user.
    Stop();
    TransferFailed();
    m_host.Messages().Inform(this, MessageService::Icon::Error, message);
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
