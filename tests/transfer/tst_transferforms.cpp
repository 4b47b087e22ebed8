// The read and write dialogs against the simulated radio binary on its
// pseudo-terminal, and against the radio built into the program, with a
// host that stands in for the main window.
#include "treadform.h"
#include "twriteform.h"

#include "builtinradio.h"
#include "channeldocument.h"
#include "datafile.h"
#include "documenthistory.h"
#include "documenthost.h"
#include "fakemessageservice.h"
#include "guitestfiles.h"
#include "guitestmain.h"
#include "holderprocess.h"
#include "portmap.h"
#include "simoncom1.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/stat.h>

#include <memory>

namespace {

class FakeHost : public DocumentHost
{
public:
    DocumentSession session;
    DocumentHistory history{session};
    // The session's document, for setting up a test and looking at the
    // result; changes made through it directly are not steps.
    ChannelDocument& doc;
    FakeMessageService messages;
    QString port = QStringLiteral("COM1");
    int afterReadUpdates = 0;
    // Whole-document changes the windows heard of.
    int refreshes = 0;

    FakeHost() : doc(session.BeginLongChange())
    {
        session.EndLongChange(QString(), true);
        QObject::connect(&session, &DocumentSession::DocumentReset, [this] { ++refreshes; });
        QObject::connect(&session, &DocumentSession::ChangedFlagChanged,
                         [this](bool changed) { changedCalls << changed; });
    }

    DocumentSession& Session() override { return session; }
    int GridRow(int) const override { return 1; }
    const QString& PortChoice() const override { return port; }
    void AfterReadUpdate() override { ++afterReadUpdates; }
    MessageService& Messages() override { return messages; }

    QList<bool> changedCalls;
};

// The simulator with the given options; its device becomes COM1 (and COM2
// a port that does not exist) in the test's settings store.
class Sim : public SimOnCom1
{
public:
    explicit Sim(QStringList options) : SimOnCom1(std::move(options))
    {
        QSettings store(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46"));
        store.setValue(QStringLiteral("Ports/COM2"), QStringLiteral("/dev/qxp-no-such-port"));
        store.sync();
    }
};

// A document with a channel of every kind, on a radio of type 0,1.
void FillSample(ChannelDocument& doc)
{
    doc.StoreRadioType("0,1,00,1,1,,");
    doc.ClearDocument();
    doc.StoreMemory(12, "012,00145500000,3,2,0,1,0,,09,,12,000600000,1,,00144900000,3,,RPT1");
    doc.StoreMemory(150, "150,00435000000,6,1,1,0,1,,15,,15,005000000,0,,,,,");
    doc.StoreMemory(207, "U3,00430000000,6,0,0,0,0,,09,,09,005000000,0,,,,,EDGE");
    doc.StoreMemory(220, "PR,00433000000,6,0,0,0,0,,09,,09,005000000,1,,00438000000,6,,PRIO");
    doc.StoreVfo(1, "2,00146000000,3,0,0,0,0,,09,,09,000600000,,,,,3,");
    doc.StoreDtmf(2, "02,12*#");
}

using GuiTest::WaitClosed;

QProgressBar* Progress(QDialog& form)
{
    return form.findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
}

// Whether this process still has the device open, under any name.
bool HoldsDevice(const QString& device)
{
    struct stat target {
    };
    if (::stat(QFile::encodeName(device).constData(), &target) != 0)
        return false;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : fds.entryList(QDir::Files | QDir::System)) {
        struct stat open {
        };
        if (::stat(QFile::encodeName(fds.filePath(fd)).constData(), &open) == 0 && S_ISCHR(open.st_mode) &&
            open.st_rdev == target.st_rdev)
            return true;
    }
    return false;
}

// Rows of the fault run for this ctest shard: QXP_FAULT_SHARD is "k/n"
// (row i belongs to shard i % n + 1), or "none" for the run of the other
// test functions; unset, every row runs.
bool InThisShard(int row)
{
    const QByteArray shard = qgetenv("QXP_FAULT_SHARD");
    if (shard.isEmpty())
        return true;
    const QList<QByteArray> parts = shard.split('/');
    if (parts.size() != 2 || parts[1].toInt() <= 0)
        return false;
    return row % parts[1].toInt() + 1 == parts[0].toInt();
}

void WriteImage(const QString& path)
{
    ChannelDocument image;
    FillSample(image);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray::fromStdString(DataFile::WriteDataFile(image)));
}

} // namespace

class TransferFormsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { GuiTest::ClearStore(); }

    // Line noise with the replies changes nothing in what is read.
    // Commands: 1 "AI 0", 2 "ID", 3 "TYD", 4 "FL", 5..16 the empty slots
    // 000..011, 17..19 the main, transmit and name commands of slot 12.
    void readsTheWholeRadio_data()
    {
        QTest::addColumn<QStringList>("glitches");
        QTest::newRow("clean line") << QStringList{};
        QTest::newRow("lone carriage returns")
            << QStringList{"--stray-cr", "2", "--stray-cr", "5", "--stray-cr", "17", "--stray-cr", "19"};
        QTest::newRow("control characters") << QStringList{"--control-chars", "17", "--control-chars", "19"};
        QTest::newRow("reply longer than the input queue") << QStringList{"--pad-reply", "1:3000"};
    }

    void readsTheWholeRadio()
    {
        QFETCH(QStringList, glitches);
        ChannelDocument image;
        FillSample(image);
        QTemporaryDir dir;
        const QString imagePath = dir.filePath(QStringLiteral("image.46"));
        {
            QFile file(imagePath);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray::fromStdString(DataFile::WriteDataFile(image)));
        }
        Sim sim(QStringList{QStringLiteral("--type"), QStringLiteral("0,1,00,1,1,,"), QStringLiteral("--image"),
                            imagePath} +
                glitches);
        QVERIFY(sim.Ok());

        FakeHost host;
        host.doc.StoreMemory(100, "100,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,OLD");
        const QString before = QString::fromStdString(DataFile::WriteDataFile(host.doc));
        const std::string typeBefore(host.doc.Plan().RadioType());
        TReadForm form(host);
        QCOMPARE(form.windowTitle(), QStringLiteral("读取"));
        QCOMPARE(Progress(form)->maximum(), 237);
        form.open();
        QVERIFY(WaitClosed(form, 10000));

        QCOMPARE(host.messages.log, QStringList());
        QCOMPARE(host.afterReadUpdates, 1);
        QCOMPARE(host.changedCalls, QList<bool>());
        QCOMPARE(Progress(form)->value(), 237);
        QCOMPARE(QString::fromStdString(DataFile::WriteDataFile(host.doc)),
                 QString::fromStdString(DataFile::WriteDataFile(image)));
        QCOMPARE(host.doc.Plan().RadioType(), std::string_view("0,1,00,1,1,,"));

        // The whole read is one step: undone, the document and the radio
        // type are what they were; redone, what the radio holds.
        QCOMPARE(host.history.count(), 1);
        host.history.undo();
        QCOMPARE(QString::fromStdString(DataFile::WriteDataFile(host.doc)), before);
        QCOMPARE(std::string(host.doc.Plan().RadioType()), typeBefore);
        QCOMPARE(host.changedCalls, QList<bool>{true});
        host.history.redo();
        QCOMPARE(QString::fromStdString(DataFile::WriteDataFile(host.doc)),
                 QString::fromStdString(DataFile::WriteDataFile(image)));
        QCOMPARE(host.changedCalls, QList<bool>({true, false}));
    }

    void writesTheDocumentAndReadsItBack()
    {
        Sim sim({QStringLiteral("--type"), QStringLiteral("0,1,00,1,1,,")});
        QVERIFY(sim.Ok());
        FakeHost writer;
        FillSample(writer.doc);
        TWriteForm write(writer);
        QCOMPARE(write.windowTitle(), QStringLiteral("写入"));
        write.open();
        QVERIFY(WaitClosed(write, 10000));
        QCOMPARE(writer.messages.log, QStringList());
        QCOMPARE(Progress(write)->value(), 237);

        FakeHost reader;
        TReadForm read(reader);
        read.open();
        QVERIFY(WaitClosed(read, 10000));
        QCOMPARE(reader.messages.log, QStringList());
        QCOMPARE(QString::fromStdString(DataFile::WriteDataFile(reader.doc)),
                 QString::fromStdString(DataFile::WriteDataFile(writer.doc)));
    }

    // The radio answers slowly, so Cancel comes in the middle of the memory
    // channels: part of a radio is no copy of it, so the document stays as
    // it was, with nothing to undo, and no after-read update runs.
    void cancelLeavesTheDocumentAsItWas()
    {
        ChannelDocument image;
        FillSample(image);
        QTemporaryDir dir;
        const QString imagePath = dir.filePath(QStringLiteral("image.46"));
        {
            QFile file(imagePath);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray::fromStdString(DataFile::WriteDataFile(image)));
        }
        Sim sim({QStringLiteral("--type"), QStringLiteral("0,1,00,1,1,,"), QStringLiteral("--image"), imagePath,
                 QStringLiteral("--latency-ms"), QStringLiteral("10")});
        QVERIFY(sim.Ok());

        FakeHost host;
        host.doc.StoreMemory(100, "100,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,OLD");
        const std::string before = DataFile::WriteDataFile(host.doc);
        TReadForm form(host);
        form.open();
        QTRY_VERIFY_WITH_TIMEOUT(Progress(form)->value() >= 20, 10000);
        form.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 1000);
        QTest::qWait(400); // the cancel timer and a late reply both come by
        QCOMPARE(host.afterReadUpdates, 0);
        QCOMPARE(host.messages.log, QStringList());
        QCOMPARE(DataFile::WriteDataFile(host.doc), before);
        QCOMPARE(host.history.count(), 0);
        QVERIFY(!form.Finished());
        QVERIFY(Progress(form)->value() < 150);
    }

    // The next command goes out from the port's event thread, so a read
    // runs to its end while the user-interface thread is busy; only the
    // progress and the end wait for it.
    void readGoesOnWhileTheWindowIsBusy()
    {
        Sim sim({QStringLiteral("--type"), QStringLiteral("0,1,00,1,1,,")});
        QVERIFY(sim.Ok());
        FakeHost host;
        TReadForm form(host);
        form.open();
        QTRY_VERIFY(Progress(form)->value() > 0);
        QTest::qSleep(3000);
        for (int round = 0; round < 3 && form.isVisible(); ++round)
            QCoreApplication::processEvents();
        QVERIFY(!form.isVisible());
        QCOMPARE(host.messages.log, QStringList());
        QCOMPARE(Progress(form)->value(), 237);
    }

    // The radio built into the program, behind COM1: a newcomer's first read.
    void readsTheBuiltInRadio()
    {
        QSettings(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46")).setValue(QStringLiteral("Ports/COM1"), "sim");
        QTemporaryDir dir;
        PortMap ports(dir.filePath(QStringLiteral("simulated-radio.46")));
        FakeHost host;
        TReadForm form(host);
        form.SetPortResolver(
            [&ports](const std::string& name) { return ports.DevicePath(QString::fromStdString(name)).toStdString(); });
        form.open();
        QVERIFY(WaitClosed(form, 10000));
        QCOMPARE(host.messages.log, QStringList());
        QCOMPARE(host.afterReadUpdates, 1);
        ChannelDocument fresh;
        fresh.ClearDocument();
        BuiltInRadio::FillFresh(fresh);
        QCOMPARE(QString::fromStdString(DataFile::WriteDataFile(host.doc)),
                 QString::fromStdString(DataFile::WriteDataFile(fresh)));
    }

    void failures_data()
    {
        QTest::addColumn<bool>("reading");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QStringList>("simOptions");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("waitsForCancel");
        QTest::addColumn<int>("afterReadUpdates");
        QTest::addColumn<int>("refreshes");

        // DEV: the simulator's device.
        const QString timeout = QStringLiteral(
            "error Communication timeout error.\n\nCOM1 = DEV. The radio did not answer within 2 seconds: check that "
            "it is switched on, that the cable sits firmly at both ends, and that the radio is not transmitting.");
        const QString invalid = QStringLiteral("error The radio is invalid.\nPlease check and try again.");
        const QString port = QStringLiteral("error COM port is invalid.\nPlease check and try again.\n\nCOM2 = "
                                            "/dev/qxp-no-such-port. It does not exist: the cable is unplugged, or the "
                                            "name is wrong.");
        // A broken read leaves neither settings nor any change behind.
        QTest::newRow("read time-out") << true << "COM1" << QStringList{"--stop-after", "40"} << timeout << false << 0
                                       << 0;
        QTest::newRow("read wrong radio")
            << true << "COM1" << QStringList{"--id", "QZ-R99"} << invalid << false << 0 << 0;
        QTest::newRow("write time-out") << false << "COM1" << QStringList{"--stop-after", "40"} << timeout << false << 0
                                        << 0;
        QTest::newRow("write wrong radio")
            << false << "COM1" << QStringList{"--id", "QZ-R99"} << invalid << false << 0 << 0;
        // A lone carriage return 1500 ms after "ID" is no reply and does not
        // restart the reply timer: the identity 1500 ms later is too late.
        const QStringList strayThenLate{"--latency-ms", "1500", "--stray-cr", "2", "--id", "QZ-R99"};
        QTest::newRow("read stray line") << true << "COM1" << strayThenLate << timeout << false << 0 << 0;
        QTest::newRow("write stray line") << false << "COM1" << strayThenLate << timeout << false << 0 << 0;
        // An identity longer than the input queue is cut, not waited for.
        const QStringList longIdentity{"--pad-reply", "2:3000"};
        QTest::newRow("read long identity") << true << "COM1" << longIdentity << invalid << false << 0 << 0;
        QTest::newRow("write long identity") << false << "COM1" << longIdentity << invalid << false << 0 << 0;
        // Port unusable: the dialog stays until Cancel, which changes nothing.
        QTest::newRow("read port invalid") << true << "COM2" << QStringList{} << port << true << 0 << 0;
        QTest::newRow("write port invalid") << false << "COM2" << QStringList{} << port << true << 0 << 0;
    }

    void failures()
    {
        QFETCH(bool, reading);
        QFETCH(QString, port);
        QFETCH(QStringList, simOptions);
        QFETCH(QString, message);
        QFETCH(bool, waitsForCancel);
        QFETCH(int, afterReadUpdates);
        QFETCH(int, refreshes);

        Sim sim(simOptions);
        QVERIFY(sim.Ok());
        message.replace(QLatin1String("DEV"), sim.Device());
        FakeHost host;
        host.port = port;
        // Something for a read's clearing to take away.
        host.doc.StoreMemory(100, "100,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,OLD");
        const std::string before = DataFile::WriteDataFile(host.doc);
        std::unique_ptr<TransferDialog> form;
        if (reading)
            form = std::make_unique<TReadForm>(host);
        else
            form = std::make_unique<TWriteForm>(host);
        PortMap ports;
        form->SetPortCause([&ports](const QString& name, TransferDialog::PortTrouble trouble) {
            return trouble == TransferDialog::PortTrouble::NoReply ? ports.TimeoutCause(name)
                                                                   : ports.InvalidCause(name);
        });
        form->open();
        QTRY_COMPARE_WITH_TIMEOUT(host.messages.log, QStringList{message}, 5000);
        if (waitsForCancel) {
            QTest::qWait(100);
            QVERIFY(form->isVisible());
            form->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!form->isVisible(), 1000);
        QCOMPARE(host.afterReadUpdates, afterReadUpdates);
        QCOMPARE(host.refreshes, refreshes);
        QCOMPARE(host.messages.log, QStringList{message});
        QCOMPARE(DataFile::WriteDataFile(host.doc), before);
        QCOMPARE(host.history.count(), 0);
    }

    // A device that goes between the check and the open: the fixed text,
    // then the system's reason below it.
    void portErrorShowsTheReason_data()
    {
        QTest::addColumn<bool>("reading");
        QTest::newRow("read") << true;
        QTest::newRow("write") << false;
    }

    void portErrorShowsTheReason()
    {
        QFETCH(bool, reading);
        Sim sim({});
        QVERIFY(sim.Ok());
        FakeHost host;
        std::unique_ptr<TransferDialog> form;
        if (reading)
            form = std::make_unique<TReadForm>(host);
        else
            form = std::make_unique<TWriteForm>(host);
        int lookups = 0;
        form->SetPortResolver([&sim, &lookups](const std::string&) {
            return ++lookups == 1 ? sim.Device().toStdString() : std::string("/dev/null");
        });
        form->open();
        QTRY_COMPARE_WITH_TIMEOUT(host.messages.log.size(), 1, 5000);
        QCOMPARE(host.messages.log.first(),
                 QStringLiteral("error CommOpen Error,invalid HANDLE:0xFFFFFFFF\n\n/dev/null: not a serial device"));
        form->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!form->isVisible(), 1000);
        QCOMPARE(host.messages.log.size(), 1);
        QCOMPARE(host.afterReadUpdates, 0);
    }

    // The fault run: the radio fails in one way from (or at) its N-th
    // command, for many N, or the port cannot be had. Every transfer ends
    // within 2.5 s of what a clean one takes, with one of its messages or,
    // where the fault was line noise only, as a clean one ends; the port is
    // closed afterwards; a read that ends without a message holds exactly
    // the radio's records. Commands of a read: 1 "AI 0", 2 "ID", 3 "TYD",
    // 4 "FL", 17..19 channel 12, 216..218 edge U3, 231..233 "PR", 234..237
    // "CR", 238..244 "VR"/"PC", 245..254 "DM"; a write's 230 is its
    // first "CW", 238 its "VMC 0,0".
    void faultRun_data()
    {
        QTest::addColumn<bool>("reading");
        QTest::addColumn<QStringList>("simOptions");
        QTest::addColumn<QString>("port"); // HELD: COM1 with another program on it

        struct Plan {
            bool reading;
            QList<int> silences;
            QList<int> glitches;
        };
        const Plan plans[] = {
            {true, {0, 17, 233, 253}, {2, 3, 19, 218, 237, 244, 254}},
            {false, {0, 17, 230}, {2, 17}},
        };
        int row = 0;
        const auto add = [&row](bool reading, const QString& what, const QStringList& options, const QString& port) {
            if (InThisShard(row++))
                QTest::newRow(qPrintable((reading ? QStringLiteral("read ") : QStringLiteral("write ")) + what))
                    << reading << options << port;
        };
        for (const Plan& plan : plans) {
            for (const int n : plan.silences)
                for (const char* kind : {"--stop-after", "--garbage-after", "--hangup-after"})
                    if (n > 0 || qstrcmp(kind, "--hangup-after") != 0) // it hangs up after a reply
                        add(plan.reading, QStringLiteral("%1 %2").arg(QLatin1String(kind)).arg(n),
                            {QLatin1String(kind), QString::number(n)}, QStringLiteral("COM1"));
            for (const int n : plan.glitches) {
                add(plan.reading, QStringLiteral("--stray-cr %1").arg(n), {"--stray-cr", QString::number(n)}, "COM1");
                add(plan.reading, QStringLiteral("--control-chars %1").arg(n), {"--control-chars", QString::number(n)},
                    "COM1");
                add(plan.reading, QStringLiteral("--pad-reply %1:3000").arg(n),
                    {"--pad-reply", QStringLiteral("%1:3000").arg(n)}, "COM1");
            }
            add(plan.reading, QStringLiteral("missing device"), {}, QStringLiteral("COM2"));
            add(plan.reading, QStringLiteral("device held by another program"), {}, QStringLiteral("HELD"));
        }
        if (qgetenv("QXP_FAULT_SHARD") == "none")
            QTest::newRow("left to the shards") << true << QStringList() << QString();
    }

    void faultRun()
    {
        if (qgetenv("QXP_FAULT_SHARD") == "none")
            QSKIP("run by the tst_transferforms_faults_* tests");
        QFETCH(bool, reading);
        QFETCH(QStringList, simOptions);
        QFETCH(QString, port);
        QTemporaryDir dir;
        const QString imagePath = dir.filePath(QStringLiteral("image.46"));
        WriteImage(imagePath);
        ChannelDocument image;
        FillSample(image);
        const QStringList common{QStringLiteral("--type"), QStringLiteral("0,1,00,1,1,,"), QStringLiteral("--image"),
                                 imagePath};

        struct Outcome {
            QStringList messages;
            qint64 ms = 0;
            int afterReadUpdates = 0;
            QString document;
        };
        const auto run = [&](const QStringList& options, const QString& portName) {
            Sim sim(common + options);
            Outcome outcome;
            if (!sim.Ok()) {
                outcome.messages << QStringLiteral("the simulator did not start");
                return outcome;
            }
            std::unique_ptr<HolderProcess> holder;
            if (portName == QLatin1String("HELD"))
                holder = std::make_unique<HolderProcess>(std::vector<std::string>{"/bin/sleep", "30"},
                                                         sim.Device().toStdString());
            FakeHost host;
            host.port = portName == QLatin1String("COM2") ? portName : QStringLiteral("COM1");
            std::unique_ptr<QDialog> form;
            if (reading)
                form = std::make_unique<TReadForm>(host);
            else
                form = std::make_unique<TWriteForm>(host);
            QElapsedTimer clock;
            clock.start();
            form->open();
            while (form->isVisible() && host.messages.log.isEmpty() && clock.elapsed() < 10000)
                QTest::qWait(5);
            outcome.ms = clock.elapsed();
            // A port that cannot be had leaves the dialog waiting for Cancel.
            if (form->isVisible() && host.messages.log.size() == 1 &&
                host.messages.log.first().startsWith(QLatin1String("error COM port is invalid.")))
                form->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
            if (!WaitClosed(*form, 1000))
                outcome.messages << QStringLiteral("dialog still open");
            QTest::qWait(50); // a late reply or the cancel timer would come now
            if (HoldsDevice(sim.Device()))
                outcome.messages << QStringLiteral("port still open");
            outcome.messages += host.messages.log;
            outcome.afterReadUpdates = host.afterReadUpdates;
            outcome.document = QString::fromStdString(DataFile::WriteDataFile(host.doc));
            return outcome;
        };

        static qint64 cleanMs = -1;
        if (cleanMs < 0) {
            const Outcome clean = run({}, QStringLiteral("COM1"));
            QCOMPARE(clean.messages, QStringList());
            cleanMs = clean.ms;
        }
        const Outcome faulty = run(simOptions, port);
        QVERIFY2(faulty.ms <= 2 * cleanMs + 2500, qPrintable(QStringLiteral("%1 ms").arg(faulty.ms)));
        if (faulty.messages.isEmpty()) {
            if (reading) {
                QCOMPARE(faulty.afterReadUpdates, 1);
                QCOMPARE(faulty.document, QString::fromStdString(DataFile::WriteDataFile(image)));
            }
            return;
        }
        QCOMPARE(faulty.messages.size(), 1);
        const QString& message = faulty.messages.first();
        QVERIFY2(message == QLatin1String("error Communication timeout error.") ||
                     message == QLatin1String("error The radio is invalid.\nPlease check and try again.") ||
                     message == QLatin1String("error COM port is invalid.\nPlease check and try again."),
                 qPrintable(message));
    }
};

QXP_GUI_TEST_MAIN(TransferFormsTest)
#include "tst_transferforms.moc"
