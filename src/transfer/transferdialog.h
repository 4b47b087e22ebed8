#pragma once

#include "replyreader.h"
#include "tqcomm.h"
#include "transferstep.h"

#include <QDialog>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

class CommEventBridge;
class DocumentHost;
class QLabel;
class QProgressBar;
class QPushButton;

// What the read and write dialogs share: the small progress window, the
// port QComm1 with the radio's line settings, the reply timer Timer1
// (2000 ms) and the cancel timer Timer3 (300 ms), and the flow around a
// transfer state machine.
//
// Principles of operation
//
// Each showing is one transfer. FormShow picks the port from the main
// window's choice, opens it and sends the first command. Every reply line
// is announced by the port's event thread and handed, through
// CommEventBridge, to the user-interface thread, so QComm1CommEvent, the
// timers and the Cancel button run one after another and never beside each
// other. QComm1CommEvent gives the lines that came (ReplyReader) to the
// state machine; once one of them is the reply, it stops the reply timer
// and sends what the machine asks for, restarting the reply timer. Lines
// that are not the reply leave the timer running.
//
// The transfer ends in one of three ways: the state machine finishes
// (End), it fails or the reply timer runs out (a message, then the dialog
// closes), or the user cancels. Cancel does not cut the line at once: it
// lets the outstanding reply arrive, and whichever comes first, that reply
// or the cancel timer, ends the transfer; the other finds it ended and does
// nothing. Escape and the window manager's close act as Cancel, so the
// dialog can never go away with the port open.
//
// A port error while sending is reported and leaves no command outstanding
// and no timer running: the dialog then waits for Cancel.
class TransferDialog : public QDialog
{
    Q_OBJECT

public:
    TransferDialog(DocumentHost& host, const QString& caption, const QString& label, QWidget* parent);
    ~TransferDialog() override;

    // Cancel while a transfer runs; closes the dialog only once it has ended.
    void reject() override;

    // Where port names lead. Without one, the settings' port map decides.
    void SetPortResolver(TQComm::PortResolver resolver);
    // A line saying why the port failed, for below "COM port is invalid."
    // and "Communication timeout error."; asked after the port was closed.
    enum class PortTrouble { Invalid, NoReply };
    using PortCause = std::function<QString(const QString& portName, PortTrouble trouble)>;
    void SetPortCause(PortCause cause) { m_portCause = std::move(cause); }

protected:
    void showEvent(QShowEvent* event) override;

    // The first command of a new transfer.
    virtual TransferStep StartTransfer() = 0;
    // One line from the radio, without its carriage return; Wait when it
    // was not the reply to the command outstanding.
    virtual TransferStep HandleReply(std::string_view reply) = 0;
    virtual int Progress() const = 0;
    // The transfer ended by finishing or by Cancel.
    virtual void TransferEnded() {}
    // The transfer failed; the message follows.
    virtual void TransferFailed() {}

    DocumentHost& Host() { return m_host; }
    TQComm& QComm1() { return m_qcomm1; }

private:
    void FormShow();
    void QComm1CommEvent(TQComm& sender, std::uint32_t size);
    void Button1Click();
    void Timer1Timer();
    void Timer3Timer();

    void Carry(const TransferStep& step);
    void End();
    // The cause of a port trouble is looked up once the port is closed.
    void Fail(const QString& message, std::optional<PortTrouble> trouble = std::nullopt);
    QString WithPortCause(const QString& message, PortTrouble trouble) const;
    void ReportException(const QString& message);
    void Stop();

    DocumentHost& m_host;
    QLabel* m_label1 = nullptr;
    QProgressBar* m_progressBar1 = nullptr;
    QPushButton* m_button1 = nullptr;
    QTimer m_timer1;
    QTimer m_timer3;
    // The bridge takes over the port's event handler; it goes before the
    // port does.
    TQComm m_qcomm1;
    std::unique_ptr<CommEventBridge> m_bridge;
    ReplyReader m_replies;
    PortCause m_portCause;
    bool m_cancel = false;
    // Until the first showing, and from the end of a transfer to the next
    // showing: late replies and timers find nothing to do.
    bool m_ended = true;
};
