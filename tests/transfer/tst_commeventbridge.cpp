// Port events reach the transfer dialogs on the user-interface thread, one
// at a time, and errors reach the report instead of the event loop.
#include "commeventbridge.h"
#include "ecommerror.h"
#include "tqcomm.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>

#include <cstring>
#include <pty.h>
#include <unistd.h>

class TestCommEventBridge : public QObject
{
    Q_OBJECT

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_path;

    void Send(const char* bytes) { QVERIFY(::write(m_master, bytes, std::strlen(bytes)) > 0); }

    static void UseDialogSettings(TQComm& comm, const std::string& path)
    {
        comm.SetFlowControl(TFlowControl::XonXoff);
        comm.SetEventType(TEventType::CharEvent);
        comm.SetInBuffSize(1024);
        comm.SetOutBuffSize(1024);
        comm.SetEventChar(13);
        comm.SetPortName(path);
    }

private slots:
    void init()
    {
        char name[128] = {};
        QCOMPARE(::openpty(&m_master, &m_slave, name, nullptr, nullptr), 0);
        m_path = name;
    }

    void cleanup()
    {
        ::close(m_slave);
        ::close(m_master);
    }

    void linesArriveOnTheUserInterfaceThread()
    {
        TQComm comm;
        UseDialogSettings(comm, m_path);
        QStringList lines;
        bool onUiThread = true;
        CommEventBridge bridge(
            comm,
            [&](TQComm& sender, std::uint32_t size) {
                onUiThread = onUiThread && QThread::currentThread() == QCoreApplication::instance()->thread();
                std::string line(size, '\0');
                sender.ReadData(line.data(), size);
                lines << QString::fromStdString(line);
            },
            [](const QString&) {});
        comm.OpenCommport();

        Send("ID QZ");
        QTest::qWait(100);
        QVERIFY2(lines.isEmpty(), "no event before the carriage return");
        Send("-R46\r");
        QTRY_COMPARE(lines, QStringList{"ID QZ-R46\r"});
        Send("TYD 0,2\r");
        QTRY_COMPARE(lines.size(), 2);
        QCOMPARE(lines[1], QStringLiteral("TYD 0,2\r"));
        QVERIFY(onUiThread);
        comm.CloseCommport();
    }

    void errorsGoToTheReportAndEventsGoOn()
    {
        TQComm comm;
        UseDialogSettings(comm, m_path);
        QStringList reports;
        int calls = 0;
        CommEventBridge bridge(
            comm,
            [&](TQComm& sender, std::uint32_t) {
                ++calls;
                sender.ClearInBuff();
                if (calls == 1)
                    throw ECommError("Read data Timeout");
            },
            [&](const QString& message) { reports << message; });
        comm.OpenCommport();
        Send("A\r");
        QTRY_COMPARE(calls, 1);
        QCOMPARE(reports, QStringList{"Read data Timeout"});
        Send("B\r");
        QTRY_COMPARE(calls, 2);
        QCOMPARE(reports.size(), 1);
        comm.CloseCommport();
    }

    void eventsAfterCloseOrDestructionAreDropped()
    {
        TQComm comm;
        UseDialogSettings(comm, m_path);
        int calls = 0;
        {
            CommEventBridge bridge(
                comm, [&](TQComm&, std::uint32_t) { ++calls; }, [](const QString&) {});
            comm.OpenCommport();
            Send("A\r");
            // Let the event thread post, but close before the post is handled.
            QTest::qSleep(200);
            comm.CloseCommport();
            QCoreApplication::processEvents();
            QCOMPARE(calls, 0);

            comm.OpenCommport();
            Send("B\r");
            QTest::qSleep(200);
        }
        // The bridge is gone with a post still queued.
        QCoreApplication::processEvents();
        QCOMPARE(calls, 0);
        comm.CloseCommport();
    }
};

QTEST_GUILESS_MAIN(TestCommEventBridge)
#include "tst_commeventbridge.moc"
