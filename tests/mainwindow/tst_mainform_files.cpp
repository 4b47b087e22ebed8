// The file commands of the main window: New, Open, Save, Save As, closing,
// the unsaved-changes prompt and the file named on the command line.
#include "datafile.h"
#include "fakemessageservice.h"
#include "guitestfiles.h"
#include "guitestmain.h"
#include "tchanneltableform.h"
#include "tmainform.h"
#include "tportsetupform.h"
#include "tstringgrid.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "smalldisk.h"

#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

const QString kPrompt = QStringLiteral("ask Data is changed.\nDo you want to save the changes?");
const QString kFileError = QStringLiteral("error File Open error.");

QString DataPath(const char* name)
{
    return QStringLiteral(QXP_TEST_DATA "/") + QLatin1String(name);
}

using GuiTest::ReadAll;
using GuiTest::WriteAll;

// Contents that stand for what is no file in the file tables: a FIFO, a
// folder, a device that never ends (made only by root, so the test skips
// it otherwise), and links to each.
const QByteArray kFifo = QByteArrayLiteral("<fifo>");
const QByteArray kFolder = QByteArrayLiteral("<folder>");
const QByteArray kDevice = QByteArrayLiteral("<device>");
const QByteArray kLinkToFifo = QByteArrayLiteral("<link to a fifo>");
const QByteArray kLinkToFolder = QByteArrayLiteral("<link to a folder>");
const QByteArray kLinkToDevice = QByteArrayLiteral("<link to a device>");

// Empty contents leave no file at all.
bool MakeFile(const QString& path, const QByteArray& contents)
{
    const QByteArray name = QFile::encodeName(path);
    const QByteArray target = name + ".target";
    for (const QByteArray& old : {name, target}) // what an earlier row left
        if (::unlink(old.constData()) != 0)
            ::rmdir(old.constData());
    if (contents == kFifo)
        return ::mkfifo(name.constData(), 0600) == 0;
    if (contents == kFolder)
        return ::mkdir(name.constData(), 0700) == 0;
    if (contents == kDevice) // what /dev/zero is
        return ::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 5)) == 0;
    if (contents == kLinkToFifo)
        return ::mkfifo(target.constData(), 0600) == 0 && ::symlink(target.constData(), name.constData()) == 0;
    if (contents == kLinkToFolder)
        return ::mkdir(target.constData(), 0700) == 0 && ::symlink(target.constData(), name.constData()) == 0;
    if (contents == kLinkToDevice)
        return ::symlink("/dev/zero", name.constData()) == 0;
    return contents.isEmpty() || WriteAll(path, contents);
}

// The kind of file at `path`, links not followed, to see that nothing was
// replaced.
mode_t KindOf(const QString& path)
{
    struct stat st {
    };
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

// A V1.00 file: comment, 221 memory lines (only channel 000 used), names.
QByteArray V100File()
{
    QByteArray bytes = "old comment\r\n";
    bytes += "x,x,x,00145500000,5,2,0,0,0,,09,,09,000600000,0\r\n";
    for (int i = 1; i < 221; ++i)
        bytes += "\r\n";
    bytes += "OLDNM\r\n";
    return bytes;
}

} // namespace

class TestMainFormFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    FakeMessageService m_messages;
    std::unique_ptr<TMainForm> m_form;

    QString TempPath(const QString& name) const { return m_dir.filePath(name); }

    // A form showing a saved file, with an edited comment so that the
    // changed flag is set as a user would set it.
    void MakeChangedNamedDocument(const QString& path)
    {
        QFile::remove(path);
        QVERIFY(QFile::copy(DataPath("sample.46"), path));
        m_form->SetCommandLine({path});
        m_form->show();
        QTRY_COMPARE(m_form->DocumentName(), path);
        QTest::keyClicks(m_form->CommentBox(), QStringLiteral("x"));
        QVERIFY(m_form->Changed());
        m_messages.log.clear();
    }

private slots:
    void init()
    {
        GuiTest::ClearStore();
        m_messages = FakeMessageService();
        m_form = std::make_unique<TMainForm>(m_messages);
    }

    void cleanup() { m_form.reset(); }

    void newOnUnchangedDocumentAsksNothing()
    {
        m_form->New1Click();
        QVERIFY(m_messages.log.isEmpty());
        QCOMPARE(m_form->windowTitle(), QStringLiteral("QXP-R46 [Untitled]"));
        QVERIFY(!m_form->Changed());
    }

    void promptInNew_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("expectedLog");
        QTest::addColumn<bool>("goesOn");
        // A save asked for and not made stops the command.
        QTest::newRow("yes, save dialog cancelled")
            << int(QMessageBox::Yes) << QStringList{kPrompt, QString()} << false;
        QTest::newRow("no") << int(QMessageBox::No) << QStringList{kPrompt} << true;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << QStringList{kPrompt} << false;
    }

    void promptInNew()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, expectedLog);
        QFETCH(bool, goesOn);
        const QString path = TempPath(QStringLiteral("prompt-new.46"));
        MakeChangedNamedDocument(path);
        if (expectedLog.size() > 1)
            expectedLog[1] = QStringLiteral("save ") + path; // Save As always asks, proposing the name
        m_messages.answers = {QMessageBox::StandardButton(answer)};

        m_form->New1Click();

        QCOMPARE(m_messages.log, expectedLog);
        QCOMPARE(m_messages.lastButtons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (goesOn) {
            QCOMPARE(m_form->windowTitle(), QStringLiteral("QXP-R46 [Untitled]"));
            QVERIFY(!m_form->Changed());
            QCOMPARE(m_form->CommentBox()->text(), QString());
            QCOMPARE(m_form->Grid(1)->Cell(2, 1), QString());
            QCOMPARE(m_form->Grid(4)->Cell(2, 4), QString());
        } else {
            QCOMPARE(m_form->windowTitle(), QStringLiteral("QXP-R46 [") + path + QStringLiteral("]"));
            QVERIFY(m_form->Changed());
            QCOMPARE(m_form->Grid(1)->Cell(2, 1), QStringLiteral("145.500"));
        }
    }

    void promptYesSavesBeforeNew()
    {
        const QString path = TempPath(QStringLiteral("prompt-yes.46"));
        MakeChangedNamedDocument(path);
        const QString target = TempPath(QStringLiteral("prompt-yes-saved.46"));
        m_messages.answers = {QMessageBox::Yes};
        m_messages.fileNames = {target};
        m_form->New1Click();
        const QByteArray saved = ReadAll(target);
        QVERIFY(saved.contains("\r\n000\t00145500000\t"));
        QVERIFY(saved.startsWith("COMMENT\r\n"));
        QCOMPARE(m_form->windowTitle(), QStringLiteral("QXP-R46 [Untitled]"));
    }

    void saveNotMadeStopsTheCommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("saveAs");
        QTest::addColumn<QString>("afterPrompt");
        for (const char* command : {"New1", "Open1", "Read1", "Exit1"}) {
            QTest::addRow("%s, save dialog cancelled", command) << command << QString() << QString();
            QTest::addRow("%s, save fails", command) << command << "no/such/folder/x.46" << kFileError;
        }
    }

    void saveNotMadeStopsTheCommand()
    {
        QFETCH(QString, command);
        QFETCH(QString, saveAs);
        QFETCH(QString, afterPrompt);
        const QString path = TempPath(QStringLiteral("not-saved.46"));
        MakeChangedNamedDocument(path);
        QSignalSpy closed(m_form.get(), &TMainForm::Closed);
        m_messages.answers = {QMessageBox::Yes};
        m_messages.fileNames = {saveAs.isEmpty() ? QString() : TempPath(saveAs)};

        m_form->findChild<QAction*>(command)->trigger();

        QStringList expected{kPrompt, QStringLiteral("save ") + path};
        if (!afterPrompt.isEmpty())
            expected << afterPrompt;
        QCOMPARE(m_messages.log, expected);
        QCOMPARE(closed.count(), 0);
        QVERIFY(m_form->isVisible());
        QVERIFY(m_form->Changed());
        QCOMPARE(m_form->windowTitle(), QStringLiteral("QXP-R46 [") + path + QStringLiteral("]"));
        QCOMPARE(m_form->CommentBox()->text(), QStringLiteral("家用电台 testx"));
        QCOMPARE(m_form->Grid(1)->Cell(2, 1), QStringLiteral("145.500"));
    }

    void open_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("expectedName");
        QTest::addColumn<QStringList>("expectedLog");
        QTest::addColumn<QString>("memory000");

        const QByteArray sample = ReadAll(DataPath("sample.46"));
        QTest::newRow("current layout") << "a.46" << sample << "a.46" << QStringList{"open"} << "145.500";
        QTest::newRow("old layout, capitals")
            << "OLD.R46" << V100File() << "OLD.46" << QStringList{"open", "info File format changed."} << "145.500";
        QTest::newRow("old layout, lower case")
            << "old.r46" << V100File() << "old.46" << QStringList{"open", "info File format changed."} << "145.500";
        QTest::newRow("wrong extension") << "a.txt" << sample << QString() << QStringList{"open", kFileError}
                                         << QString();
        QTest::newRow("unreadable") << "missing.46" << QByteArray() << QString() << QStringList{"open", kFileError}
                                    << QString();
        QTest::newRow("FIFO") << "pipe.46" << kFifo << QString() << QStringList{"open", kFileError} << QString();
        QTest::newRow("FIFO, old layout")
            << "pipe.r46" << kFifo << QString() << QStringList{"open", kFileError} << QString();
        QTest::newRow("FIFO, wrong extension")
            << "pipe.txt" << kFifo << QString() << QStringList{"open", kFileError} << QString();
        QTest::newRow("folder") << "folder.46" << kFolder << QString() << QStringList{"open", kFileError} << QString();
        QTest::newRow("device") << "zero.46" << kDevice << QString() << QStringList{"open", kFileError} << QString();
        QTest::newRow("link to a FIFO") << "to-pipe.46" << kLinkToFifo << QString() << QStringList{"open", kFileError}
                                        << QString();
        QTest::newRow("link to a folder")
            << "to-folder.46" << kLinkToFolder << QString() << QStringList{"open", kFileError} << QString();
        QTest::newRow("link to a device")
            << "to-zero.r46" << kLinkToDevice << QString() << QStringList{"open", kFileError} << QString();
    }

    void open()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, contents);
        QFETCH(QString, expectedName);
        QFETCH(QStringList, expectedLog);
        QFETCH(QString, memory000);

        const QString path = TempPath(fileName);
        if (contents == kDevice && ::geteuid() != 0)
            QSKIP("only root makes device nodes");
        QVERIFY(MakeFile(path, contents));
        m_messages.fileNames = {path};

        m_form->Open1Click();

        QCOMPARE(m_messages.log, expectedLog);
        QCOMPARE(m_messages.requests.size(), 1);
        const MessageService::FileRequest request = m_messages.requests.constFirst();
        QCOMPARE(request.filters,
                 QStringList({QStringLiteral("QXP-R46 Files(*.46)"), QStringLiteral("QXP-R46 V1.00 文件(*.r46)")}));
        QCOMPARE(request.defaultSuffix, QStringLiteral("46"));
        QVERIFY(!m_form->Changed());
        QCOMPARE(m_form->Grid(1)->Cell(2, 1), memory000);
        QSettings store(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46"));
        if (expectedName.isEmpty()) {
            QCOMPARE(m_form->windowTitle(), QStringLiteral("QXP-R46 [Untitled]"));
            QCOMPARE(store.value(QStringLiteral("Path")).toString(), QDir::currentPath() + QLatin1Char('/'));
            return;
        }
        QCOMPARE(m_form->DocumentName(), TempPath(expectedName));
        QCOMPARE(m_form->windowTitle(), QStringLiteral("QXP-R46 [") + TempPath(expectedName) + QStringLiteral("]"));
        QCOMPARE(store.value(QStringLiteral("Path")).toString(), m_dir.path() + QLatin1Char('/'));
        // The converted document is not written until the user saves it.
        if (expectedName != fileName)
            QVERIFY(!QFile::exists(TempPath(expectedName)));
    }

    void openUsesTheRememberedFolder()
    {
        QSettings store(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46"));
        store.setValue(QStringLiteral("Path"), m_dir.path() + QLatin1Char('/'));
        store.sync();
        TMainForm form(m_messages);
        form.Open1Click();
        QCOMPARE(m_messages.requests.size(), 1);
        QCOMPARE(m_messages.requests.constFirst().directory, m_dir.path() + QLatin1Char('/'));
    }

    void openCancelledKeepsTheDocument()
    {
        const QString path = TempPath(QStringLiteral("keep.46"));
        MakeChangedNamedDocument(path);
        m_messages.answers = {QMessageBox::No};
        m_form->Open1Click();
        QCOMPARE(m_messages.log, QStringList({kPrompt, QStringLiteral("open")}));
        QCOMPARE(m_form->DocumentName(), path);
        QCOMPARE(m_form->Grid(1)->Cell(2, 1), QStringLiteral("145.500"));
    }

    void promptCancelInOpenShowsNoDialog()
    {
        MakeChangedNamedDocument(TempPath(QStringLiteral("cancel-open.46")));
        m_messages.answers = {QMessageBox::Cancel};
        m_form->Open1Click();
        QCOMPARE(m_messages.log, QStringList{kPrompt});
    }

    void openClearsRowsOfThePreviousFile()
    {
        const QString first = TempPath(QStringLiteral("first.46"));
        QVERIFY(QFile::copy(DataPath("sample.46"), first));
        m_messages.fileNames = {first};
        m_form->Open1Click();
        QCOMPARE(m_form->Grid(1)->Cell(0, 2), QStringLiteral("*"));

        const QString second = TempPath(QStringLiteral("second.46"));
        QVERIFY(
            WriteAll(second, "COMMENT\r\n\r\nMEMORY\r\n005\t00146000000\t5\t0\t0\t0\t0\t\t09\t\t09\t000600000\t0\r\n"));
        m_messages.fileNames = {second};
        m_form->Open1Click();
        QCOMPARE(m_form->Grid(1)->Cell(2, 1), QString());
        QCOMPARE(m_form->Grid(1)->Cell(0, 2), QString());
        QCOMPARE(m_form->Grid(1)->Cell(3, 2), QString());
        QCOMPARE(m_form->Grid(1)->Cell(2, 6), QStringLiteral("146.000"));
        QCOMPARE(m_form->CommentBox()->text(), QString());
    }

    void saveOnUntitledAsksForAName()
    {
        m_form->Save1Click();
        QCOMPARE(m_messages.log, QStringList{QStringLiteral("save Untitled")});
        QCOMPARE(m_messages.requests.constFirst().filters, QStringList{QStringLiteral("QXP-R46 文件(*.46)")});
        QCOMPARE(m_messages.requests.constFirst().defaultSuffix, QStringLiteral("46"));
    }

    void saveOnDeletedFileAsksForAName()
    {
        const QString path = TempPath(QStringLiteral("deleted.46"));
        MakeChangedNamedDocument(path);
        QVERIFY(QFile::remove(path));
        m_form->Save1Click();
        QCOMPARE(m_messages.log, QStringList{QStringLiteral("save ") + path});
        QVERIFY(m_form->Changed());
        QVERIFY(!QFile::exists(path));
    }

    void saveOnNamedFileWritesIt()
    {
        const QString path = TempPath(QStringLiteral("named.46"));
        MakeChangedNamedDocument(path);
        m_form->Save1Click();
        QVERIFY(m_messages.log.isEmpty());
        QVERIFY(!m_form->Changed());
        const QByteArray saved = ReadAll(path);
        QCOMPARE(saved, QByteArray::fromStdString(DataFile::WriteDataFile(m_form->Document())));
        // The typed character is in the saved comment, in code page 936.
        QVERIFY(saved.startsWith(QByteArray("COMMENT\r\n") + QByteArray("\xbc\xd2\xd3\xc3\xb5\xe7\xcc\xa8 testx\r\n")));
    }

    void saveAs_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QByteArray>("there"); // what the chosen name already is
        QTest::addColumn<bool>("saved");
        QTest::newRow("extension .46") << "fine.46" << QByteArray() << true;
        QTest::newRow("wrong extension") << "wrong.txt" << QByteArray() << false;
        QTest::newRow("no extension") << "bare" << QByteArray() << false;
        QTest::newRow("folder missing") << "no/such/folder/x.46" << QByteArray() << false;
        // Refused at once and left as they are.
        QTest::newRow("FIFO") << "pipe.46" << kFifo << false;
        QTest::newRow("folder") << "folder.46" << kFolder << false;
        QTest::newRow("device") << "zero.46" << kDevice << false;
        QTest::newRow("link to a FIFO") << "to-pipe.46" << kLinkToFifo << false;
        QTest::newRow("link to a folder") << "to-folder.46" << kLinkToFolder << false;
        QTest::newRow("link to a device") << "to-zero.46" << kLinkToDevice << false;
    }

    void saveAs()
    {
        QFETCH(QString, chosen);
        QFETCH(QByteArray, there);
        QFETCH(bool, saved);
        if (there == kDevice && ::geteuid() != 0)
            QSKIP("only root makes device nodes");
        const QString path = TempPath(QStringLiteral("source.46"));
        MakeChangedNamedDocument(path);
        const QString target = TempPath(chosen);
        QVERIFY(MakeFile(target, there));
        const mode_t kind = KindOf(target);
        m_messages.fileNames = {target};

        QCOMPARE(m_form->Save2Click(), saved);

        QCOMPARE(KindOf(target), saved ? mode_t(S_IFREG) : kind);
        QCOMPARE(m_form->Changed(), !saved);
        QCOMPARE(m_form->DocumentName(), saved ? target : path);
        if (saved) {
            QCOMPARE(m_messages.log, QStringList{QStringLiteral("save ") + path});
            QCOMPARE(m_form->windowTitle(), QStringLiteral("QXP-R46 [") + target + QStringLiteral("]"));
        } else {
            QCOMPARE(m_messages.log, QStringList({QStringLiteral("save ") + path, kFileError}));
        }
    }

    void failedSaveKeepsTheOldFile()
    {
        if (::geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kept.46"));
        MakeChangedNamedDocument(path);
        const QByteArray before = ReadAll(path);
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        m_form->Save1Click();
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(m_messages.log, QStringList{kFileError});
        QCOMPARE(ReadAll(path), before);
        QVERIFY(m_form->Changed());
    }

    // As root only, on a file system of the test's own. Read-only as a
    // folder without write permission is failedSaveKeepsTheOldFile's case
    // (which root writes into).
    void failingFileSystemKeepsTheOldFileAndTheChangedFlag_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("failure");
        QTest::newRow("full") << "size=64k"
                              << "fill";
        QTest::newRow("read-only") << "size=64k"
                                   << "read-only";
        // The folder and the file take the only two: the new copy that
        // would replace the file finds none.
        QTest::newRow("no inodes left") << "size=64k,nr_inodes=2" << QString();
    }

    void failingFileSystemKeepsTheOldFileAndTheChangedFlag()
    {
        QFETCH(QString, options);
        QFETCH(QString, failure);
        QTemporaryDir mountPoint;
        SmallDisk disk(QFile::encodeName(mountPoint.path()).toStdString(), options.toStdString());
        if (!disk.Mounted())
            QSKIP("needs root to mount a small tmpfs");
        const QString path = mountPoint.filePath(QStringLiteral("full.46"));
        MakeChangedNamedDocument(path);
        const QByteArray before = ReadAll(path);
        if (failure == QLatin1String("fill")) {
            disk.Fill();
        } else if (failure == QLatin1String("read-only")) {
            QVERIFY(disk.MakeReadOnly());
        }

        m_form->Save1Click();

        QCOMPARE(m_messages.log, QStringList{kFileError});
        QCOMPARE(ReadAll(path), before);
        QVERIFY(m_form->Changed());
        m_messages.answers = {QMessageBox::Cancel};
        m_form->New1Click();
        QCOMPARE(m_messages.log, QStringList({kFileError, kPrompt}));
    }

    void editedComment_data()
    {
        QTest::addColumn<QByteArray>("loaded");
        QTest::addColumn<int>("backspaces");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("saved");
        const QString cafe = QStringLiteral("Caf") + QChar(QChar::ReplacementCharacter) + QStringLiteral(" list");
        const QByteArray longComment = QByteArray(59, 'a') + "Z";
        QTest::newRow("undecodable, untouched")
            << QByteArray("Caf\xE9 list") << 0 << "" << cafe << QByteArray("Caf\xE9 list");
        QTest::newRow("undecodable, edited")
            << QByteArray("Caf\xE9 list") << 0 << "!" << cafe + "!" << QByteArray("Caf? list!");
        QTest::newRow("long, untouched") << longComment << 0 << "" << QString::fromLatin1(longComment) << longComment;
        QTest::newRow("long, cannot grow")
            << longComment << 0 << "xy" << QString::fromLatin1(longComment) << longComment;
        QTest::newRow("long, edited at its end")
            << longComment << 1 << "yz" << QString(59, QLatin1Char('a')) + "y" << QByteArray(59, 'a') + "y";
        QTest::newRow("short, grows to 50") << QByteArray("ab") << 0 << QString(60, QLatin1Char('x'))
                                            << "ab" + QString(48, QLatin1Char('x')) << "ab" + QByteArray(48, 'x');
    }

    void editedComment()
    {
        QFETCH(QByteArray, loaded);
        QFETCH(int, backspaces);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QByteArray, saved);
        const QString path = TempPath(QStringLiteral("comment.46"));
        QVERIFY(WriteAll(path, "COMMENT\r\n" + loaded + "\r\nMEMORY\r\n"));
        m_messages.fileNames = {path};
        m_form->Open1Click();
        m_form->show();
        QLineEdit* box = m_form->CommentBox();
        for (int i = 0; i < backspaces; ++i)
            QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, typed);
        QCOMPARE(box->text(), shown);

        m_form->Save1Click();

        QCOMPARE(m_messages.log, QStringList{QStringLiteral("open")});
        QCOMPARE(ReadAll(path).split('\n').value(1), saved + '\r');
    }

    void closing_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("yes, save dialog cancelled") << int(QMessageBox::Yes) << false;
        QTest::newRow("no") << int(QMessageBox::No) << true;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << false;
    }

    void closing()
    {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        const QString path = TempPath(QStringLiteral("closing.46"));
        QFile::remove(path);
        MakeChangedNamedDocument(path);
        QSignalSpy closed(m_form.get(), &TMainForm::Closed);
        m_messages.answers = {QMessageBox::StandardButton(answer)};

        m_form->Exit1Click();

        QCOMPARE(closed.count(), closes ? 1 : 0);
        QCOMPARE(m_form->isVisible(), !closes);
        QCOMPARE(m_messages.log.constFirst(), kPrompt);
        QCOMPARE(m_messages.log.size(), answer == QMessageBox::Yes ? 2 : 1);
    }

    void closingUnchangedAsksNothing()
    {
        m_form->show();
        QSignalSpy closed(m_form.get(), &TMainForm::Closed);
        m_form->close();
        QCOMPARE(closed.count(), 1);
        QVERIFY(m_messages.log.isEmpty());
    }

    void commandLine_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("loads");
        const QByteArray sample = ReadAll(DataPath("sample.46"));
        QTest::newRow("current layout, name with spaces") << "my radio file.46" << sample << true;
        QTest::newRow("capital extension") << "UPPER.46" << sample << true;
        QTest::newRow("old layout is not converted here") << "old.r46" << V100File() << false;
        QTest::newRow("missing file") << "absent.46" << QByteArray() << false;
        QTest::newRow("FIFO") << "pipe.46" << kFifo << false;
    }

    void commandLine()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, contents);
        QFETCH(bool, loads);
        const QString path = TempPath(fileName);
        QVERIFY(MakeFile(path, contents));
        // The shell splits a name with spaces into several arguments.
        m_form->SetCommandLine(path.split(QLatin1Char(' ')));
        QTest::qWait(10);
        QCOMPARE(m_form->Grid(1)->Cell(2, 1), QString()); // nothing before the window shows

        m_form->show();

        if (loads) {
            QTRY_COMPARE(m_form->windowTitle(), QStringLiteral("QXP-R46 [") + path + QStringLiteral("]"));
            QCOMPARE(m_form->Grid(1)->Cell(2, 1), QStringLiteral("145.500"));
            QCOMPARE(m_form->CommentBox()->text(), QStringLiteral("家用电台 test"));
            QVERIFY(!m_form->Changed());
            QVERIFY(m_messages.log.isEmpty());
            QSettings store(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46"));
            QCOMPARE(store.value(QStringLiteral("Path")).toString(), m_dir.path() + QLatin1Char('/'));
        } else {
            QTRY_COMPARE(m_messages.log, QStringList{kFileError});
            QCOMPARE(m_form->windowTitle(), QStringLiteral("QXP-R46 [Untitled]"));
            QCOMPARE(m_form->Grid(1)->Cell(2, 1), QString());
        }
    }

    void commandLineIsReadOnlyOnTheFirstShow()
    {
        const QString path = TempPath(QStringLiteral("once.46"));
        QVERIFY(QFile::copy(DataPath("sample.46"), path));
        m_form->SetCommandLine({path});
        m_form->show();
        QTRY_COMPARE(m_form->DocumentName(), path);
        m_form->New1Click();
        m_form->hide();
        m_form->show();
        QTest::qWait(20);
        QCOMPARE(m_form->DocumentName(), QStringLiteral("Untitled"));
    }

    // A settings file that cannot be written (here a file stands where its
    // folder should be, which stops root too) is told once, with the file
    // and the reason, whichever choices are made and however often.
    void unkeptSettingsAreToldOnce_data()
    {
        QTest::addColumn<QStringList>("choices");
        QTest::newRow("port") << QStringList{"Com2_Mnu", "Com1_Mnu"};
        QTest::newRow("port set-up") << QStringList{"PortSetup1", "PortSetup1"};
        QTest::newRow("verify after write") << QStringList{"VerifyAfterWrite1", "VerifyAfterWrite1"};
        QTest::newRow("table layout") << QStringList{"ChannelTable1", "ChannelTable1"};
        QTest::newRow("all of them") << QStringList{"VerifyAfterWrite1", "ChannelTable1", "PortSetup1", "Com2_Mnu"};
    }

    void unkeptSettingsAreToldOnce()
    {
        QFETCH(QStringList, choices);
        TPortSetupForm setup(m_form.get());
        TMainForm::Dialogs dialogs;
        dialogs.portSetup = &setup;
        m_form->SetDialogs(dialogs);
        m_messages.onModal = [](QDialog& dialog) {
            dialog.show();
            auto* choice1 = dialog.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
            choice1->setCurrentIndex(choice1->findText(QStringLiteral("模拟电台")));
            dialog.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
            return dialog.result();
        };
        m_form->show();

        const QString file = QSettings(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46")).fileName();
        const QString folder = QFileInfo(file).path();
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(WriteAll(folder, "in the way"));
        const auto unblock = qScopeGuard([&folder] { QFile::remove(folder); });

        for (const QString& choice : choices) {
            m_form->findChild<QAction*>(choice)->trigger();
            if (auto* table = m_form->findChild<TChannelTableForm*>(); table && table->isVisible())
                table->close();
        }
        QStringList warnings = m_messages.log.filter(QRegularExpression(QStringLiteral("^warning ")));
        QCOMPARE(warnings, QStringList{QStringLiteral("warning The settings cannot be saved: the choices made now "
                                                      "last only until QXP-R46 is closed.\n") +
                                       file + QStringLiteral(": ") + folder + QStringLiteral(": Not a directory")});
    }
};

QXP_GUI_TEST_MAIN(TestMainFormFiles)
#include "tst_mainform_files.moc"
