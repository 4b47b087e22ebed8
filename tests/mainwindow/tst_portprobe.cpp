// The main window's port items against real pseudo-terminals: the port names
// map to devices through the settings store, and a port another program
// holds is refused.
#include "fakemessageservice.h"
#include "guitestmain.h"
#include "portmap.h"
#include "portprobe.h"
#include "tmainform.h"

#include <QAction>
#include <QSettings>

#include <fcntl.h>
#include <pty.h>
#include <sys/file.h>
#include <unistd.h>

class TestPortProbe : public QObject
{
    Q_OBJECT

private:
    // Only the master stays open: the far end of the line, not a holder.
    struct Pty {
        int master = -1;
        QString path;
        Pty()
        {
            int slave = -1;
            char name[128] = {};
            if (::openpty(&master, &slave, name, nullptr, nullptr) == 0) {
                path = QString::fromLocal8Bit(name);
                ::close(slave);
            }
        }
        ~Pty()
        {
            if (master >= 0)
                ::close(master);
        }
    };

private slots:
    void init() { GuiTest::ClearStore(); }

    void mappedPortsAreProbedExclusively()
    {
        Pty com2;
        QVERIFY(!com2.path.isEmpty());
        {
            QSettings store(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46"));
            store.setValue(QStringLiteral("Ports/COM2"), com2.path);
            store.setValue(QStringLiteral("Ports/COM1"), QStringLiteral("/nonexistent/tty"));
        }
        PortMap ports;
        PortProbe probe(ports);
        QVERIFY(probe(QStringLiteral("COM2")));
        QVERIFY(!probe(QStringLiteral("COM1")));
        QVERIFY2(probe(com2.path), "a device path is a port name too");

        // Another program holding the port: the lock root cannot bypass.
        const int other = ::open(com2.path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
        QVERIFY(other >= 0);
        QCOMPARE(::flock(other, LOCK_EX | LOCK_NB), 0);
        QVERIFY(!probe(QStringLiteral("COM2")));
        ::close(other);
        QVERIFY(probe(QStringLiteral("COM2")));
    }

    void portItemFollowsTheProbe()
    {
        Pty com2;
        {
            QSettings store(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46"));
            store.setValue(QStringLiteral("Ports/COM2"), com2.path);
            store.setValue(QStringLiteral("Ports/COM1"), QStringLiteral("/nonexistent/tty"));
        }
        FakeMessageService messages;
        TMainForm form(messages);
        PortMap ports;
        PortProbe probe(ports);
        form.SetPortChecker([&probe](const QString& port) { return probe(port); });
        form.SetPortTexts([&ports](const QString& port) { return ports.DeviceLine(port); },
                          [&ports](const QString& port) { return ports.InvalidCause(port); });
        QCOMPARE(form.findChild<QAction*>(QStringLiteral("Com2_Mnu"))->toolTip(),
                 QStringLiteral("COM2 = ") + com2.path);

        form.findChild<QAction*>(QStringLiteral("Com2_Mnu"))->trigger();
        QCOMPARE(form.PortChoice(), QStringLiteral("COM2"));
        QVERIFY(messages.log.isEmpty());

        form.findChild<QAction*>(QStringLiteral("Com1_Mnu"))->trigger();
        QCOMPARE(form.PortChoice(), QStringLiteral("COM2"));
        QCOMPARE(messages.log, QStringList{"warning COM1 is invalid.\nPlease check comport status.\n\n"
                                           "COM1 = /nonexistent/tty. It does not exist: the cable is unplugged, or the "
                                           "name is wrong."});
    }
};

QXP_GUI_TEST_MAIN(TestPortProbe)
#include "tst_portprobe.moc"
