#pragma once

#include "channeldocument.h"
#include "radiotransfer.h"
#include "tqcomm.h"
#include "transferrunner.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class DocumentHost;
class QLabel;
class QProgressBar;
class QPushButton;

// What the read and write dialogs share: the small progress window, the
// port QComm1 with the radio's line settings, and the flow around a
// transfer state machine.
//
// Principles of operation
//
// Each showing is one transfer. FormShow picks the port from the main
// window's choice, snapshots the main window's document, and has the
// TransferRunner open the port and send the first command. From then on
// the transfer runs on the port's event thread: each reply line is handled
// there and the next command goes out at once, without waiting for this
// thread; the reply time (2000 ms) and the cancel grace (300 ms) are the
// runner's. Only the progress and the end are posted here, queued, in the
// order they happened. The transfer works on the snapshot, so the main
// window can repaint from its document meanwhile; the read dialog puts the
// snapshot back only when the transfer has run to its end.
//
// The transfer ends in one of three ways: the state machine finishes
// (End), it fails or a reply is late (a message, then the dialog closes),
// or the user cancels. Cancel does not cut the line at once: it lets the
// outstanding reply arrive, and whichever comes first, that reply or the
// end of the grace, ends the transfer. Escape and the window manager's
// close act as Cancel, so the dialog can never go away with the port open;
// destroying the dialog mid-transfer stops the transfer first.
//
// A port that cannot be had, or a port error while sending, is reported
// and leaves nothing running: the dialog then waits for Cancel.
class TransferDialog : public QDialog
{
    Q_OBJECT

public:
    TransferDialog(DocumentHost& host, const QString& caption, const QString& label, QWidget* parent);
    ~TransferDialog() override;

    // Cancel while a transfer runs; closes the dialog only once it has ended.
    void reject() override;
    // The last transfer ran to its end: not cancelled, not failed.
    bool Finished() const { return m_finished; }

    // Where port names lead. Without one, the settings' port map decides.
    void SetPortResolver(TQComm::PortResolver resolver);
    // A line saying why the port failed, for below "COM port is invalid."
    // and "Communication timeout error."; asked after the port was closed.
    enum class PortTrouble { Invalid, NoReply };
    using PortCause = std::function<QString(const QString& portName, PortTrouble trouble)>;
    void SetPortCause(PortCause cause) { m_portCause = std::move(cause); }

protected:
    void showEvent(QShowEvent* event) override;

    // A new transfer over the snapshot of the main window's document, which
    // stays the dialog's until the next showing.
    virtual std::unique_ptr<RadioTransfer> MakeTransfer(ChannelDocument& snapshot) = 0;
    // The transfer ended by finishing (Finished()) or by Cancel; not
    // called for a failed one.
    virtual void TransferEnded() {}

    DocumentHost& Host() { return m_host; }
    ChannelDocument& Snapshot() { return m_snapshot; }

private:
    void FormShow();
    void Button1Click();
    void TransferDone(const TransferRunner::Result& result);

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
    TQComm m_qcomm1;
    PortCause m_portCause;
    ChannelDocument m_snapshot;
    std::unique_ptr<RadioTransfer> m_transfer;
    // Declared last, so it is gone, its threads with it, before anything
    // they touch.
    TransferRunner m_runner{m_qcomm1};
    // Whether the runner has the transfer (from FormShow until its end is
    // handled here).
    bool m_running = false;
    bool m_cancel = false;
    bool m_finished = false;
    // Until the first showing, and from the end of a transfer to the next
    // showing: late posts and Cancel find nothing to do.
    bool m_ended = true;
};
