// The device list, the port map's lines and the port set-up dialog's logic,
// without a window: pseudo-terminals behind a folder of by-id symlinks, and
// a settings store of the test's own.
#include "holderprocess.h"
#include "portmap.h"
#include "portsetupmodel.h"
#include "ptypair.h"
#include "serialportlist.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Before the first QSettings: the store lives in a folder of the test's.
QTemporaryDir& ConfigFolder()
{
    static QTemporaryDir folder;
    return folder;
}
const bool g_configured = [] {
    qputenv("XDG_CONFIG_HOME", ConfigFolder().path().toLocal8Bit());
    return true;
}();

QSettings Store()
{
    return QSettings(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46"));
}

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

class SerialPorts : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Store().clear();
        m_byId = m_folder.filePath(QStringLiteral("by-id"));
        ASSERT_TRUE(QDir().mkpath(m_byId));
        Link(m_first, "usb-FTDI_A1-if00-port0");
        Link(m_second, "usb-FTDI_B2-if00-port0");
    }

    void Link(const PtyPair& pty, const char* name)
    {
        ASSERT_TRUE(QFile::link(Q(pty.Path()), m_byId + QLatin1Char('/') + QLatin1String(name)));
    }
    QString ById(const char* name) const { return m_byId + QLatin1Char('/') + QLatin1String(name); }

    QTemporaryDir m_folder;
    QString m_byId;
    PtyPair m_first;
    PtyPair m_second;
};

const SerialPortList::Entry* Find(const std::vector<SerialPortList::Entry>& entries, const QString& name)
{
    for (const auto& entry : entries)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

} // namespace

TEST_F(SerialPorts, SerialPortListNamesDevicesByIdWithTheirState)
{
    const HolderProcess holder({"/bin/sleep", "30"}, m_second.Path());
    const auto entries = SerialPortList::Scan(m_byId);
    const SerialPortList::Entry* first = Find(entries, ById("usb-FTDI_A1-if00-port0"));
    const SerialPortList::Entry* second = Find(entries, ById("usb-FTDI_B2-if00-port0"));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->systemPath, Q(m_first.Path()));
    EXPECT_EQ(first->StateText(), QStringLiteral("usable: it is free."));
    EXPECT_EQ(second->StateText(), QStringLiteral("in use: another program has it open without a lock, and would take "
                                                  "the radio's replies: sleep (process %1); close that program first.")
                                       .arg(holder.Pid()));
    EXPECT_FALSE(Find(entries, Q(m_first.Path()))) << "a device is listed once, by its by-id name";
}

TEST_F(SerialPorts, PortMapSaysWhereEachNameLeads)
{
    {
        QSettings store = Store();
        store.setValue(QStringLiteral("Ports/COM2"), QStringLiteral("usb-FTDI_A1-if00-port0"));
        store.setValue(QStringLiteral("Ports/COM3"), QStringLiteral("sim"));
        store.setValue(QStringLiteral("Ports/COM4"), QStringLiteral("/dev/qxp-no-such-port"));
    }
    PortMap ports(m_folder.filePath(QStringLiteral("data/simulated-radio.46")), m_byId);
    const QString first = ById("usb-FTDI_A1-if00-port0");

    EXPECT_EQ(ports.DeviceLine(QStringLiteral("COM1")),
              QStringLiteral("COM1 = /dev/ttyS0, the default: no device assigned"));
    EXPECT_EQ(ports.DevicePath(QStringLiteral("COM2")), first) << "a bare by-id name";
    EXPECT_EQ(ports.DeviceLine(QStringLiteral("COM2")), QStringLiteral("COM2 = %1 (%2)").arg(first, Q(m_first.Path())));
    // A port left at its default sends the user to the port set-up first,
    // whatever the default device says; an assigned one does not.
    const QString unassigned = QStringLiteral("COM1 = /dev/ttyS0, the default: no device assigned. Choose the radio's "
                                              "cable for COM1 in 设备 → 端口设置... first. ");
    EXPECT_TRUE(ports.InvalidCause(QStringLiteral("COM1")).startsWith(unassigned))
        << ports.InvalidCause(QStringLiteral("COM1")).toStdString();
    EXPECT_TRUE(ports.TimeoutCause(QStringLiteral("COM1")).startsWith(unassigned));
    PortMap cli(m_folder.filePath(QStringLiteral("data/simulated-radio.46")), m_byId);
    cli.SetAssignAdvice(QStringLiteral("Name it with --port, or give %1 one."));
    EXPECT_TRUE(cli.InvalidCause(QStringLiteral("COM1"))
                    .startsWith(QStringLiteral("COM1 = /dev/ttyS0, the default: no device assigned. Name it with "
                                               "--port, or give COM1 one. ")));
    EXPECT_EQ(ports.InvalidCause(QStringLiteral("COM4")),
              QStringLiteral("COM4 = /dev/qxp-no-such-port. It does not exist: the cable is unplugged, or the name is "
                             "wrong."));
    EXPECT_EQ(ports.DeviceLine(QStringLiteral("COM3")), QStringLiteral("COM3 = the built-in simulated radio"))
        << "named without being started";

    const QString radio = ports.DevicePath(QStringLiteral("COM3"));
    EXPECT_TRUE(radio.startsWith(QLatin1String("/dev/pts/"))) << radio.toStdString();
    EXPECT_EQ(ports.DevicePath(QStringLiteral("sim")), radio) << "one radio for every name that leads to it";
    ports.SetSimulatedRadioOn(QStringLiteral("COM1"));
    EXPECT_EQ(ports.DeviceLine(QStringLiteral("COM1")),
              QStringLiteral("COM1 = the built-in simulated radio (%1), for this run").arg(radio));
    EXPECT_FALSE(Store().contains(QStringLiteral("Ports/COM1"))) << "nothing stored for this run";
    QString error;
    EXPECT_TRUE(ports.StopSimulatedRadio(&error)) << error.toStdString();
    EXPECT_TRUE(QFile::exists(m_folder.filePath(QStringLiteral("data/simulated-radio.46"))));
}

TEST_F(SerialPorts, PortSetupModelListsAndStoresTheChoices)
{
    Store().setValue(QStringLiteral("Ports/COM2"), Q(m_first.Path()));
    AppSettings settings;
    PortSetupModel model(settings, m_byId);
    const QString first = ById("usb-FTDI_A1-if00-port0");
    const QString second = ById("usb-FTDI_B2-if00-port0");

    EXPECT_EQ(model.index(0, PortSetupModel::DeviceColumn).data().toString(), QStringLiteral("模拟电台"));
    EXPECT_EQ(model.index(0, 0).data(PortSetupModel::ValueRole).toString(), QStringLiteral("sim"));
    const int firstRow = model.RowOf(first);
    ASSERT_GT(firstRow, 0);
    EXPECT_EQ(model.index(firstRow, PortSetupModel::StateColumn).data().toString(),
              QStringLiteral("usable: it is free."));
    EXPECT_EQ(model.Assignment(2), Q(m_first.Path()));
    EXPECT_EQ(model.RowOf(Q(m_first.Path())), firstRow) << "a system path finds its by-id row";
    EXPECT_EQ(model.StateOf(1, QStringLiteral("/dev/qxp-no-such-port")),
              QStringLiteral("missing: it does not exist: the cable is unplugged, or the name is wrong."));

    // Devices come and go while the dialog is open.
    const HolderProcess holder({"/bin/sleep", "30"}, m_second.Path());
    int changedRows = 0;
    QObject::connect(&model, &QAbstractItemModel::dataChanged, [&](const QModelIndex& top, const QModelIndex& bottom) {
        changedRows += bottom.row() - top.row() + 1;
    });
    EXPECT_TRUE(model.Refresh());
    EXPECT_EQ(changedRows, 1);
    EXPECT_TRUE(model.index(model.RowOf(second), PortSetupModel::StateColumn)
                    .data()
                    .toString()
                    .startsWith(QLatin1String("in use: ")));
    const int rows = model.rowCount();
    ASSERT_TRUE(QFile::remove(second));
    EXPECT_TRUE(model.Refresh());
    EXPECT_EQ(model.rowCount(), rows - 1);
    EXPECT_FALSE(model.Refresh()) << "nothing changed since";

    model.Assign(1, QStringLiteral("sim"));
    model.Assign(2, QStringLiteral(" usb-FTDI_A1-if00-port0 "));
    model.Store();
    EXPECT_EQ(Store().value(QStringLiteral("Ports/COM1")).toString(), QStringLiteral("sim"));
    EXPECT_EQ(Store().value(QStringLiteral("Ports/COM2")).toString(), first) << "a bare by-id name is stored as a path";
    model.Assign(1, QString());
    model.Store();
    EXPECT_FALSE(Store().contains(QStringLiteral("Ports/COM1"))) << "back to the default";
}

// A simulated radio whose memory cannot be kept still starts, and says so
// once, with the file and the cause; one that can says nothing.
TEST_F(SerialPorts, SimulatedRadioThatCannotKeepItsMemorySaysSoOnce)
{
    const QString memory = m_folder.filePath(QStringLiteral("data/simulated-radio.46"));
    ASSERT_TRUE(QDir().mkpath(m_folder.filePath(QStringLiteral("data"))));
    ASSERT_TRUE(QFile::link(m_folder.filePath(QStringLiteral("nowhere/radio.46")), memory));
    PortMap ports(memory, m_byId);
    EXPECT_TRUE(ports.DevicePath(QStringLiteral("sim")).startsWith(QLatin1String("/dev/pts/")));
    EXPECT_EQ(ports.TakeSimulatedRadioWarning(),
              QStringLiteral("The simulated radio's memory cannot be kept in %1: %1: No such file or directory.")
                  .arg(memory));
    EXPECT_EQ(ports.TakeSimulatedRadioWarning(), QString()) << "told once";

    PortMap keeping(m_folder.filePath(QStringLiteral("kept/simulated-radio.46")), m_byId);
    EXPECT_TRUE(keeping.DevicePath(QStringLiteral("sim")).startsWith(QLatin1String("/dev/pts/")));
    EXPECT_EQ(keeping.TakeSimulatedRadioWarning(), QString());
}
