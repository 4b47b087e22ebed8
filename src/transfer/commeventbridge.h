#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class TQComm;

// Hands a serial port's events to the user-interface thread.
//
// Principles of operation
//
// The port's event thread announces each line. A window that wants to
// handle the lines itself, beside its timers and buttons, would otherwise
// have to lock every piece of its state; instead each announcement is
// posted to the user-interface thread and handled there, one after another
// with the other events, so the handler never runs beside them. (The
// transfer dialogs do not use it: their TransferRunner handles the replies
// on the event thread, so the next command never waits for this thread.)
//
// The event thread only posts and returns, so closing the port (which waits
// for that thread) can never wait for the user-interface thread. An event
// that arrives after the port was closed, or finds the input queue already
// empty, is dropped. Errors the handler raises, and errors the event thread
// reports, reach the report function on the user-interface thread: the
// program shows them in a message box.
class CommEventBridge : public QObject
{
    Q_OBJECT

public:
    // Called on the user-interface thread with the bytes waiting.
    using Handler = std::function<void(TQComm& sender, std::uint32_t size)>;
    using Report = std::function<void(const QString& message)>;

    // Takes over the port's event handler and exception report for the
    // bridge's lifetime. Make the bridge before opening the port: the event
    // thread takes the exception report when the port opens.
    CommEventBridge(TQComm& comm, Handler handler, Report report, QObject* parent = nullptr);
    ~CommEventBridge() override;

private:
    void Deliver();
    void ShowReport(const QString& message);

    // What the event thread holds: the bridge to post to, under a lock the
    // destructor takes, so no post can reach a bridge being destroyed.
    struct Relay;

    TQComm& m_comm;
    std::shared_ptr<Relay> m_relay;
    Handler m_handler;
    Report m_report;
};
