// 端口设置 offscreen: choosing from the list and typing a name store the
// ports, and the main window's port items then name their devices.
#include "fakemessageservice.h"
#include "fakesystem.h"
#include "guitestmain.h"
#include "portmap.h"
#include "tmainform.h"
#include "tportsetupform.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTest>

#include <pty.h>
#include <unistd.h>

class TestPortSetup : public QObject
{
    Q_OBJECT

private slots:
    void init() { GuiTest::ClearStore(); }

    void storesTheChoicesAndTheWindowNamesThem()
    {
        int master = -1;
        int slave = -1;
        char name[128] = {};
        QCOMPARE(::openpty(&master, &slave, name, nullptr, nullptr), 0);
        ::close(slave);
        QTemporaryDir byId;
        QVERIFY(QFile::link(QString::fromLocal8Bit(name), byId.filePath(QStringLiteral("usb-FTDI_A1-if00-port0"))));

        FakeMessageService messages;
        TMainForm form(messages);
        TPortSetupForm setup(&form, byId.path());
        TMainForm::Dialogs dialogs;
        dialogs.portSetup = &setup;
        form.SetDialogs(dialogs);
        PortMap ports;
        form.SetPortTexts([&ports](const QString& port) { return ports.DeviceLine(port); }, {});
        QAction* com1 = form.findChild<QAction*>(QStringLiteral("Com1_Mnu"));
        QCOMPARE(com1->toolTip(), QStringLiteral("COM1 = /dev/ttyS0, the default: no device assigned"));

        // The item sits below the two port items, after a separator.
        const QList<QAction*> items = form.findChild<QMenu*>(QStringLiteral("Device1"))->actions();
        QVERIFY(items.size() >= 2);
        QAction* portSetup = items.constLast();
        QVERIFY(items[items.size() - 2]->isSeparator());
        QCOMPARE(portSetup->text(), QStringLiteral("端口设置..."));

        QString state2;
        messages.onModal = [&](QDialog& dialog) {
            dialog.show();
            auto* choice1 = dialog.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
            auto* choice2 = dialog.findChild<QComboBox*>(QStringLiteral("ComboBox2"));
            choice1->setCurrentIndex(choice1->findText(QStringLiteral("模拟电台")));
            choice2->setEditText(QStringLiteral("usb-FTDI_A1-if00-port0"));
            emit choice2->lineEdit()->editingFinished();
            state2 = dialog.findChild<QLabel*>(QStringLiteral("State2"))->text();
            dialog.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
            return dialog.result();
        };
        portSetup->trigger();
        QCOMPARE(messages.log, QStringList{"modal TPortSetupForm"});
        QCOMPARE(setup.result(), int(QDialog::Accepted));
        QCOMPARE(state2, QStringLiteral("usable: it is free."));

        QSettings store(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46"));
        QCOMPARE(store.value(QStringLiteral("Ports/COM1")).toString(), QStringLiteral("sim"));
        QCOMPARE(store.value(QStringLiteral("Ports/COM2")).toString(),
                 byId.filePath(QStringLiteral("usb-FTDI_A1-if00-port0")));
        QCOMPARE(com1->toolTip(), QStringLiteral("COM1 = the built-in simulated radio"));
        QCOMPARE(form.findChild<QAction*>(QStringLiteral("Com2_Mnu"))->toolTip(),
                 QStringLiteral("COM2 = %1 (%2)")
                     .arg(byId.filePath(QStringLiteral("usb-FTDI_A1-if00-port0")), QString::fromLocal8Bit(name)));
        ::close(master);
    }

    // What the states say neither moves the list nor resizes the window, and
    // an advised command stands on one line of its own, to copy whole.
    void keepsItsSizeAndGivesTheFixToCopy()
    {
        FakeSystem system;
        system.Process(431, "brltty");
        system.UsbAdapter("1-1", "1a86:7523", "");
        QTemporaryDir byId;
        TPortSetupForm setup(nullptr, byId.path(), system.Roots());
        setup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&setup));
        auto* list = setup.findChild<QTableView*>(QStringLiteral("DeviceList"));
        auto* choice1 = setup.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
        auto* state1 = setup.findChild<QLabel*>(QStringLiteral("State1"));
        auto* command1 = setup.findChild<QLineEdit*>(QStringLiteral("Command1"));
        auto* unlisted = setup.findChild<QLabel*>(QStringLiteral("Unlisted"));
        auto* unlistedCommand = setup.findChild<QLineEdit*>(QStringLiteral("UnlistedCommand"));
        QVERIFY(list && choice1 && state1 && command1 && unlisted && unlistedCommand);

        QVERIFY(unlisted->isVisible());
        QVERIFY2(unlisted->text().startsWith(QStringLiteral("A USB serial adapter (1a86:7523) is plugged in without a "
                                                            "serial device: brltty")),
                 qPrintable(unlisted->text()));
        QVERIFY(unlistedCommand->isVisible());
        QCOMPARE(unlistedCommand->text(), QStringLiteral("sudo apt-get remove brltty"));
        QCoreApplication::processEvents();
        const QSize size = setup.size();
        const QRect listArea = list->geometry();

        const struct {
            const char* typed;
            QString command;
        } steps[] = {
            {"/dev/qxp-no-such-port-behind-a-rather-long-name-that-a-user-typed-in-by-hand",
             QStringLiteral("sudo apt-get remove brltty")},
            {"模拟电台", QString()},
            {"/dev/qxp-no-such-port", QStringLiteral("sudo apt-get remove brltty")},
        };
        for (const auto& step : steps) {
            choice1->setEditText(QString::fromUtf8(step.typed));
            emit choice1->lineEdit()->editingFinished();
            QCoreApplication::processEvents();
            QCOMPARE(setup.size(), size);
            QCOMPARE(list->geometry(), listArea);
            QVERIFY(!state1->geometry().intersects(listArea));
            QVERIFY(!unlisted->geometry().intersects(listArea));
            QCOMPARE(command1->isVisible(), !step.command.isEmpty());
            QCOMPARE(command1->text(), step.command);
            if (step.command.isEmpty())
                QVERIFY(state1->heightForWidth(state1->width()) <= state1->height());
        }
        QVERIFY(state1->text().contains(QStringLiteral("brltty")));
        QVERIFY(unlisted->heightForWidth(unlisted->width()) <= unlisted->height());
        QVERIFY(command1->isReadOnly());
        command1->selectAll();
        QCOMPARE(command1->selectedText(), QStringLiteral("sudo apt-get remove brltty"));
    }
};

QXP_GUI_TEST_MAIN(TestPortSetup)
#include "tst_portsetup.moc"
