// The main window's data exchange: CSV in and out, the channel list as PDF,
// the backup of every complete read, and the read-back after a write,
// against the simulated radio on its pseudo-terminal.
#include "backupfolder.h"
#include "channeldocument.h"
#include "channellistlayout.h"
#include "commentcodec.h"
#include "dataexchangecommands.h"
#include "datafile.h"
#include "fakemessageservice.h"
#include "guitestfiles.h"
#include "guitestmain.h"
#include "recordtext.h"
#include "simoncom1.h"
#include "tmainform.h"
#include "treadform.h"
#include "tstringgrid.h"
#include "twriteform.h"
#include "writeplancommands.h"
#include "writepreviewdialog.h"

#include <QAction>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

namespace {

using GuiTest::ReadAll;
using GuiTest::WaitClosed;
using GuiTest::WriteAll;
using Sim = SimOnCom1;

// A radio of type 0,1 with one repeater channel in slot 12, whose write is
// the first write commands with data: MW 0,0,012,... (1st), MW 0,1,012,...
// (2nd), MNA 0,012,RPT1 (3rd).
void FillRepeater(ChannelDocument& doc)
{
    doc.StoreRadioType("0,1,00,1,1,,");
    doc.ClearDocument();
    doc.StoreMemory(12, "012,00145500000,3,2,0,1,0,,09,,12,000600000,1,,00144900000,3,,RPT1");
}

QStringList BackupFiles()
{
    return QDir(BackupFolder::Path()).entryList(QDir::Files);
}

} // namespace

class TestDataExchange : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    FakeMessageService m_messages;
    std::unique_ptr<TMainForm> m_form;
    std::unique_ptr<TReadForm> m_read;
    std::unique_ptr<TWriteForm> m_write;
    int m_cancelAt = -1; // progress at which a read is cancelled
    // What the user does in the preview window: a key on its list
    // (Qt::Key_Return, Qt::Key_Escape), or 0 to click its write button.
    int m_previewKey = Qt::Key_Escape;
    QStringList m_previewRows;  // what the preview listed, group titles and rows
    QString m_previewWriteText; // its write button

    QString TempPath(const QString& name) const { return m_dir.filePath(name); }

    void Trigger(const char* action)
    {
        auto* item = m_form->findChild<QAction*>(QLatin1String(action));
        QVERIFY2(item, action);
        item->trigger();
    }

    void MakeForm()
    {
        m_read.reset();
        m_write.reset();
        m_form = std::make_unique<TMainForm>(m_messages);
        m_read = std::make_unique<TReadForm>(*m_form, m_form.get());
        m_write = std::make_unique<TWriteForm>(*m_form, m_form.get());
        TMainForm::Dialogs dialogs;
        dialogs.read = m_read.get();
        dialogs.write = m_write.get();
        m_form->SetDialogs(dialogs);
    }

private slots:
    void init()
    {
        GuiTest::ClearStore();
        QDir(BackupFolder::Path()).removeRecursively();
        m_messages = FakeMessageService();
        m_cancelAt = -1;
        m_previewKey = Qt::Key_Escape;
        m_previewRows.clear();
        m_messages.onModal = [this](QDialog& dialog) -> int {
            dialog.open();
            if (auto* preview = qobject_cast<WritePreviewDialog*>(&dialog)) {
                m_previewWriteText = preview->WriteButton()->text();
                m_previewRows.clear();
                for (QTreeWidgetItemIterator it(preview->ChangeList()); *it; ++it) {
                    QStringList columns;
                    for (int c = 0; c < (*it)->columnCount(); ++c)
                        columns << (*it)->text(c);
                    m_previewRows << columns.join(QLatin1Char('|'));
                }
                if (m_previewKey == 0) {
                    QTest::mouseClick(preview->WriteButton(), Qt::LeftButton);
                } else {
                    // The list has the focus: the keys land there first.
                    if (preview->focusWidget() != preview->ChangeList())
                        qWarning("the change list does not have the focus");
                    QTest::keyClick(preview->ChangeList(), Qt::Key(m_previewKey));
                }
            }
            if (m_cancelAt >= 0) {
                auto* progress = dialog.findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
                if (!QTest::qWaitFor([&] { return progress->value() >= m_cancelAt; }, 10000))
                    qWarning("the read never came as far as the cancel");
                dialog.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
            }
            WaitClosed(dialog, 15000);
            return dialog.result();
        };
        MakeForm();
    }

    void cleanup()
    {
        m_read.reset();
        m_write.reset();
        m_form.reset();
    }

    void importCsv_data()
    {
        QTest::addColumn<QByteArray>("csv"); // empty: the other tool's export in tests/data
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("nameOfSlot0");

        QTest::newRow("other tool's export")
            << QByteArray()
            << QStringLiteral("warning 11 channels imported, 5 rows changed, 3 rows skipped.\n\n"
                              "columns not kept, the radio has no place for them: Comment, Power\n"
                              "line 5 (003): mode NFM: the radio uses FM here\n"
                              "line 6 (004): DTCS is not available on this radio; stored without tone\n"
                              "line 9 (007): cross mode Tone->Tone is not available on this radio; stored as "
                              "tone 100.0 Hz\n"
                              "line 11 (009): skipped: mode USB is not available on this radio\n"
                              "line 12 (010): mode NFM: the radio uses FM here; step 12.5kHz stored as 6.25kHz\n"
                              "line 13 (011): skipped: frequency 52.525000 MHz is outside the radio's bands\n"
                              "line 14 (012): skipped: duplex \"off\" (transmit inhibited) is not available on "
                              "this radio\n"
                              "line 15 (013): tone 69.3 Hz stored as 67.0 Hz")
            << "W1AW";

        QByteArray many = "Location,Name,Frequency,Mode\r\n0,KEEP,145.500000,FM\r\n";
        for (int row = 1; row <= 35; ++row)
            many += QByteArray::number(row) + ",SSB,144.300000,USB\r\n";
        QString listed;
        for (int line = 3; line < 3 + 30; ++line)
            listed += QStringLiteral("\nline %1 (%2): skipped: mode USB is not available on this radio")
                          .arg(line)
                          .arg(line - 2, 3, 10, QLatin1Char('0'));
        QTest::newRow("many rows reported")
            << many
            << QStringLiteral("warning 1 channel imported, 0 rows changed, 35 rows skipped.\n") + listed +
                   QStringLiteral("\n... and 5 more")
            << "KEEP";

        QTest::newRow("no location column")
            << QByteArray("Name,Frequency\r\nA,145.500000\r\n")
            << QStringLiteral("error File Open error.\n\nPATH: the header line has no Location column (found 2 columns "
                              "in UTF-8 separated by commas: \"Name\", \"Frequency\")")
            << QString();

        QTest::newRow("semicolons and decimal commas")
            << QByteArray("Location;Name;Frequency;TStep\r\n0;EURO;145,5;12,5\r\n")
            << QStringLiteral("info 1 channel imported, 0 rows changed, 0 rows skipped.") << "EURO";
    }

    void importCsv()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, message);
        QFETCH(QString, nameOfSlot0);
        QString path = QStringLiteral(QXP_CSV_DATA "/tool-export.csv");
        if (!csv.isEmpty()) {
            path = TempPath(QStringLiteral("in.csv"));
            QVERIFY(WriteAll(path, csv));
        }
        message.replace(QLatin1String("PATH"), path);
        m_messages.fileNames = {path};
        Trigger("ImportCsv1");

        QCOMPARE(m_messages.log, (QStringList{QStringLiteral("open"), message}));
        QCOMPARE(m_form->Changed(), !nameOfSlot0.isEmpty());
        QCOMPARE(m_form->Grid(1)->Cell(3, 1), nameOfSlot0);
    }

    // The box names the channel the import puts over another.
    void importNamesReplacedChannels()
    {
        m_form->Session().Edit(QString(), [](ChannelDocument& doc) {
            doc.StoreMemory(0, "000,00146520000,0,0,0,0,0,,09,,09,000000000,0,,,,,OLD");
        });
        const QString path = TempPath(QStringLiteral("over.csv"));
        QVERIFY(WriteAll(path, "Location,Name,Frequency,TStep\r\n0,NEW,145.000000,5\r\n"));
        m_messages.fileNames = {path};
        Trigger("ImportCsv1");
        QCOMPARE(m_messages.log,
                 (QStringList{QStringLiteral("open"),
                              QStringLiteral("info 1 channel imported, 1 channel replaced, 0 rows changed, 0 rows "
                                             "skipped.\n\nline 2 (000): replaces 146.520 MHz \"OLD\" with 145.000 "
                                             "MHz \"NEW\"")}));
    }

    // A file too large to read at once is read behind a progress dialog:
    // its Cancel leaves the document as it was; left to run, it imports.
    void largeCsvHasProgressAndCancel()
    {
        QByteArray big = "Location,Frequency\r\n";
        int rows = 0;
        for (; big.size() <= int(DataExchangeCommands::ProgressFromBytes); ++rows)
            big += "5,146.520000\r\n";
        const QString path = TempPath(QStringLiteral("big.csv"));
        QVERIFY(WriteAll(path, big));

        m_messages.onModal = [](QDialog& dialog) -> int {
            dialog.open();
            auto* cancel = dialog.findChild<QPushButton*>();
            if (cancel)
                cancel->click();
            WaitClosed(dialog, 15000);
            return dialog.result();
        };
        m_messages.fileNames = {path};
        Trigger("ImportCsv1");
        QCOMPARE(m_messages.log, (QStringList{QStringLiteral("open"), QStringLiteral("modal CsvImportProgress")}));
        QVERIFY(!m_form->Changed());

        m_messages.log.clear();
        m_messages.onModal = [](QDialog& dialog) -> int {
            dialog.open();
            WaitClosed(dialog, 15000);
            return dialog.result();
        };
        m_messages.fileNames = {path};
        Trigger("ImportCsv1");
        QCOMPARE(m_messages.log.size(), 3);
        QCOMPARE(m_messages.log[2].section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("info 1 channel imported, %1 rows changed, 0 rows skipped.").arg(rows - 1));
        QVERIFY(m_form->Changed());
    }

    // What one export writes, an import into an empty document brings back:
    // exported again, the file is the same.
    void exportedCsvImportsAgain()
    {
        m_form->SetCommandLine({QStringLiteral(QXP_TEST_DATA "/sample.46")});
        m_form->show();
        QTRY_VERIFY(m_form->windowTitle().contains(QLatin1String("sample.46")));
        const QString first = TempPath(QStringLiteral("first.csv"));
        const QString second = TempPath(QStringLiteral("second.csv"));
        m_messages.fileNames = {first};
        Trigger("ExportCsv1");

        MakeForm();
        m_messages.fileNames = {first, second};
        Trigger("ImportCsv1");
        Trigger("ExportCsv1");
        const QByteArray written = ReadAll(first);
        QCOMPARE(written.count("\r\n"), 8); // the header and sample.46's 7 channels
        QCOMPARE(ReadAll(second), written);
    }

    void pdfHasThePrintedPages()
    {
        m_form->Session().Edit(QString(), [](ChannelDocument& doc) {
            for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot)
                doc.StoreMemory(slot,
                                RecordText::ChannelLabel(slot) + ",00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,CH");
        });
        const QString path = TempPath(QStringLiteral("list.pdf"));
        m_messages.fileNames = {path};
        Trigger("ExportPdf1");

        const QByteArray pdf = ReadAll(path);
        QVERIFY(pdf.startsWith("%PDF"));
        const auto pages = ChannelListLayout::Layout(m_form->Document(), m_form->windowTitle().toStdString(),
                                                     CommentCodec::Decode(m_form->Document().Comment()).toStdString());
        QVERIFY(pages.size() > 1);
        QCOMPARE(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))),
                 static_cast<int>(pages.size()));
    }

    // Only a complete read replaces the document (and leaves a backup); a
    // cancelled or failed one leaves the document, its caption, changed
    // flag and undo history as they were. Undo of a read puts all of them
    // back.
    void backupAfterACompleteRead_data()
    {
        QTest::addColumn<int>("cancelAt");
        QTest::addColumn<QString>("stopAfter");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("notice");
        QTest::newRow("complete") << -1 << QString() << QString() << QString();
        QTest::newRow("cancelled") << 20 << QString() << QString()
                                   << QStringLiteral("Read cancelled: nothing was changed.");
        QTest::newRow("radio stops answering")
            << -1 << QStringLiteral("20") << QStringLiteral("error Communication timeout error.")
            << QStringLiteral("Read failed: nothing was changed.");
    }

    void backupAfterACompleteRead()
    {
        QFETCH(int, cancelAt);
        QFETCH(QString, stopAfter);
        QFETCH(QString, error);
        QFETCH(QString, notice);
        ChannelDocument image;
        FillRepeater(image);
        const QString imagePath = TempPath(QStringLiteral("image.46"));
        QVERIFY(WriteAll(imagePath, QByteArray::fromStdString(DataFile::WriteDataFile(image))));
        QStringList options{QStringLiteral("--image"), imagePath, QStringLiteral("--latency-ms"),
                            cancelAt >= 0 ? QStringLiteral("5") : QStringLiteral("0")};
        if (!stopAfter.isEmpty())
            options << QStringLiteral("--stop-after") << stopAfter;
        Sim sim(options);
        QVERIFY(sim.Ok());

        // The user's own unsaved channel, one step of the history.
        m_form->Session().Edit(QStringLiteral("edit"), [](ChannelDocument& doc) {
            doc.StoreMemory(150, "150,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,OWN");
        });
        const std::string before = DataFile::WriteDataFile(m_form->Document());
        m_messages.answers = {QMessageBox::No};
        m_cancelAt = cancelAt;
        Trigger("Read1");

        QCOMPARE(m_messages.log.mid(0, 2),
                 (QStringList{QStringLiteral("ask Data is changed.\nDo you want to save the changes?"),
                              QStringLiteral("modal TReadForm")}));
        const QStringList files = BackupFiles();
        if (!notice.isEmpty()) {
            QCOMPARE(m_messages.log.size(), error.isEmpty() ? 2 : 3);
            if (!error.isEmpty())
                QVERIFY2(m_messages.log[2].startsWith(error), qPrintable(m_messages.log[2]));
            QCOMPARE(files.size(), 0);
            QCOMPARE(m_form->DataExchange().NoticeText(), notice);
            QCOMPARE(DataFile::WriteDataFile(m_form->Document()), before);
            QVERIFY(m_form->Changed());
            QCOMPARE(m_form->windowTitle(), QStringLiteral("QXP-R46 [Untitled]"));
            QCOMPARE(m_form->History().count(), 1);
            return;
        }
        QCOMPARE(m_messages.log.size(), 2);
        QCOMPARE(files.size(), 1);
        QCOMPARE(ReadAll(BackupFolder::Path() + QLatin1Char('/') + files[0]),
                 QByteArray::fromStdString(DataFile::WriteDataFile(image)));
        QCOMPARE(m_form->DataExchange().NoticeText(),
                 QStringLiteral("Read 1 channel from the radio. Backup: ") + files[0]);
        QCOMPARE(DataFile::WriteDataFile(m_form->Document()), DataFile::WriteDataFile(image));
        QVERIFY(!m_form->Changed());
        QCOMPARE(m_form->windowTitle(), QStringLiteral("QXP-R46 [Radio]"));
        QCOMPARE(m_form->History().count(), 2);

        m_form->History().undo();
        QCOMPARE(DataFile::WriteDataFile(m_form->Document()), before);
        QCOMPARE(m_form->windowTitle(), QStringLiteral("QXP-R46 [Untitled]"));
        m_form->History().redo();
        QCOMPARE(m_form->windowTitle(), QStringLiteral("QXP-R46 [Radio]"));
        QVERIFY(!m_form->Changed());
    }

    void openBackupStartsInTheBackupFolder()
    {
        Trigger("OpenBackup1");
        QCOMPARE(m_messages.requests.size(), 1);
        QCOMPARE(m_messages.requests[0].directory, BackupFolder::Path());
    }

    void verifyAfterWrite_data()
    {
        QTest::addColumn<bool>("verify");
        QTest::addColumn<QString>("lostWrite");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("notice");

        const QString wrote = QStringLiteral("Wrote 1 channel to the radio.");
        QTest::newRow("off") << false << QString() << QString() << wrote;
        QTest::newRow("every write taken")
            << true << QString() << QString()
            << wrote + QStringLiteral(" Verified: every channel confirmed (226 records compared).");
        QTest::newRow("name lost") << true << "3"
                                   << "warning Verification failed: 1 difference between the file and the radio:\n"
                                      "012: name: written \"RPT1\", read back \"\""
                                   << wrote + QStringLiteral(
                                                  " Verification failed: 1 difference between the file and the radio.");
    }

    void verifyAfterWrite()
    {
        QFETCH(bool, verify);
        QFETCH(QString, lostWrite);
        QFETCH(QString, box);
        QFETCH(QString, notice);
        QStringList options{QStringLiteral("--type"), QStringLiteral("0,1,00,1,1,,")};
        if (!lostWrite.isEmpty())
            options << QStringLiteral("--ignore-write") << lostWrite;
        Sim sim(options);
        QVERIFY(sim.Ok());
        // The plain write, without the read and preview before it.
        m_form->WritePlan().SetPreviewBeforeWrite(false);

        auto* item = m_form->findChild<QAction*>(QStringLiteral("VerifyAfterWrite1"));
        QVERIFY(item->isCheckable());
        QVERIFY(!item->isChecked());
        if (verify)
            item->trigger();
        // Kept for the next start.
        MakeForm();
        QCOMPARE(m_form->findChild<QAction*>(QStringLiteral("VerifyAfterWrite1"))->isChecked(), verify);

        m_form->Session().Edit(QString(), [](ChannelDocument& doc) { FillRepeater(doc); });
        m_form->Session().TakeAsSaved();
        m_messages.answers = {QMessageBox::Yes};
        Trigger("Write1");

        QStringList expected{m_messages.log.value(0), QStringLiteral("modal TWriteForm")};
        if (verify) {
            expected << QStringLiteral("modal ReadBackForm");
            // The read-back says what it is for.
            const TransferDialog& readBack = m_form->DataExchange().ReadBackForm();
            QCOMPARE(readBack.windowTitle(), QStringLiteral("校验"));
            QCOMPARE(readBack.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                     QStringLiteral("正在从设备读回数据以校验。。。"));
        }
        if (!box.isEmpty())
            expected << box;
        QCOMPARE(m_messages.log, expected);
        QCOMPARE(m_form->DataExchange().NoticeText(), notice);
        QCOMPARE(m_form->Changed(), false);

        // The verdict outlives the short notices' time, is kept in the
        // status line's tool tip with its time, and goes with the next
        // command.
        auto* timer = m_form->DataExchange().findChild<QTimer*>(QStringLiteral("NoticeTimer"));
        QVERIFY(timer);
        QVERIFY(!timer->isActive());
        const QStringList history = m_form->DataExchange().History();
        QCOMPARE(history.size(), 1);
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d ")).match(history[0]).hasMatch(),
                 qPrintable(history[0]));
        QCOMPARE(history[0].mid(9), notice);
        QCOMPARE(m_form->findChild<QLabel*>(QStringLiteral("TransferNotice"))->toolTip(), history[0]);
        Trigger("ExportCsv1"); // its file dialog is cancelled
        QCOMPARE(m_form->DataExchange().NoticeText(), QString());
        QCOMPARE(m_form->DataExchange().History(), history);
    }

    // 编辑 → 检查频道... lists the findings in one box, the worst deciding
    // its icon, and leaves the document alone.
    void checkChannels()
    {
        m_form->Session().Edit(QString(), [](ChannelDocument& doc) { FillRepeater(doc); });
        m_form->Session().TakeAsSaved();
        Trigger("CheckChannels1");
        m_form->Session().Edit(QString(), [](ChannelDocument& doc) {
            doc.StoreMemory(12, "012,00145500000,3,2,0,1,0,,09,,12,000600000,0,,00144900000,3,,RPT1");
            doc.StoreMemory(220, "PR,00145500000,3,0,0,0,0,,09,,09,000600000,,,,,,");
        });
        Trigger("CheckChannels1");
        QCOMPARE(m_messages.log,
                 (QStringList{"warning 2 findings:\n"
                              "warning: 000-199: every memory channel is locked out: a memory scan finds nothing\n"
                              "warning: PR: the priority channel is empty while there are memory channels",
                              "info No findings: the channels can go into the radio as they are."}));
        QVERIFY(m_form->Changed());
    }

    // 写入 with 写入前备份并预览 on (the default): the radio is read and
    // kept, the preview lists what changes, and only its write button (or
    // Enter, where writing is the default) lets the write go out; a file
    // for another radio needs a second yes; a radio that cannot be kept is
    // not written to.
    void previewBeforeWrite_data()
    {
        QTest::addColumn<QString>("radioType");
        QTest::addColumn<bool>("holdsTheFile"); // the radio holds what the write sends
        QTest::addColumn<bool>("backupBroken");
        QTest::addColumn<int>("previewKey");
        QTest::addColumn<QList<int>>("answers"); // to the question, then to the second yes
        QTest::addColumn<QStringList>("log");    // after the question
        QTest::addColumn<QStringList>("rows");   // the preview's list, empty: not looked at
        QTest::addColumn<bool>("written");
        QTest::addColumn<QString>("writeText"); // the preview's write button

        const QStringList shown{"modal BeforeWriteReadForm", "modal WritePreviewDialog"};
        const QString sameType = QStringLiteral("0,1,00,1,1,,");
        const QString no118 = QStringLiteral("0,1,00,1,0,,");
        const QString second =
            QStringLiteral("ask This file was not made for the radio, which cannot hold these records as they are:\n"
                           "The radio's type record is \"0,1,00,1,0,,\"; the file was made for \"0,1,00,1,1,,\".\n"
                           "VFO 0: frequency 118.000 MHz is outside the radio's 144MHz band (136-173 MHz)\n\n"
                           "Write all the same?");
        const int yes = QMessageBox::Yes;
        const int no = QMessageBox::No;
        QTest::newRow("Enter writes") << sameType << false << false << int(Qt::Key_Return) << QList<int>{yes}
                                      << (QStringList(shown) << "modal TWriteForm")
                                      << QStringList{"新增的频道 (1)", "012|channel|(none)|145.500 MHz \"RPT1\"",
                                                     "检查结果 (2)",
                                                     "000-199|warning|every memory channel is locked out: a memory "
                                                     "scan finds nothing",
                                                     "PR|warning|the priority channel is empty while there are "
                                                     "memory channels"}
                                      << true << QStringLiteral("写入");
        QTest::newRow("nothing to change, Enter writes nothing")
            << sameType << true << false << int(Qt::Key_Return) << QList<int>{yes} << shown << QStringList() << false
            << QStringLiteral("仍然写入");
        QTest::newRow("Esc writes nothing") << sameType << false << false << int(Qt::Key_Escape) << QList<int>{yes}
                                            << shown << QStringList() << false << QString();
        QTest::newRow("another radio, second yes")
            << no118 << false << false << 0 << QList<int>{yes, yes}
            << (QStringList(shown) << second << "modal TWriteForm"
                                   << "warning Written, although the radio cannot hold these records as they are:\n"
                                      "The radio's type record is \"0,1,00,1,0,,\"; the file was made for "
                                      "\"0,1,00,1,1,,\".\n"
                                      "VFO 0: frequency 118.000 MHz is outside the radio's 144MHz band (136-173 MHz)")
            << QStringList() << true << QString();
        QTest::newRow("another radio, second no")
            << no118 << false << false << 0 << QList<int>{yes, no} << (QStringList(shown) << second) << QStringList()
            << false << QString();
        QTest::newRow("another radio, Enter does not write")
            << no118 << false << false << int(Qt::Key_Return) << QList<int>{yes} << shown << QStringList() << false
            << QString();
        QTest::newRow("backup cannot be written")
            << sameType << false << true << 0 << QList<int>{yes}
            << QStringList{"modal BeforeWriteReadForm",
                           "error No backup of the radio was written, so nothing was written to it.\n\n" +
                               BackupFolder::Path() + ": not a folder"}
            << QStringList() << false << QString();
    }

    void previewBeforeWrite()
    {
        QFETCH(QString, radioType);
        QFETCH(bool, holdsTheFile);
        QFETCH(bool, backupBroken);
        QFETCH(int, previewKey);
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, log);
        QFETCH(QStringList, rows);
        QFETCH(bool, written);
        QFETCH(QString, writeText);
        const QString commands = TempPath(QStringLiteral("radio.log"));
        QFile::remove(commands);
        QStringList options{QStringLiteral("--type"), radioType, QStringLiteral("--log"), commands};
        if (holdsTheFile) {
            ChannelDocument doc;
            FillRepeater(doc);
            QVERIFY(WriteAll(TempPath(QStringLiteral("image.46")),
                             QByteArray::fromStdString(DataFile::WriteDataFile(doc))));
            options << QStringLiteral("--image") << TempPath(QStringLiteral("image.46"));
        }
        Sim sim(options);
        QVERIFY(sim.Ok());
        if (backupBroken) {
            QVERIFY(QDir().mkpath(QFileInfo(BackupFolder::Path()).path()));
            QVERIFY(WriteAll(BackupFolder::Path(), "a file where the folder should be"));
        }
        QVERIFY(m_form->WritePlan().PreviewBeforeWrite());
        m_form->Session().Edit(QString(), [](ChannelDocument& doc) { FillRepeater(doc); });
        m_form->Session().TakeAsSaved();
        m_previewKey = previewKey;
        for (const int answer : answers)
            m_messages.answers.push_back(QMessageBox::StandardButton(answer));
        Trigger("Write1");

        QCOMPARE(m_messages.log.mid(1), log);
        if (!writeText.isEmpty())
            QCOMPARE(m_previewWriteText, writeText);
        if (!rows.isEmpty())
            QCOMPARE(m_previewRows.join(QLatin1Char('\n')), rows.join(QLatin1Char('\n')));
        // The radio heard one whole read, then the write or nothing.
        const QStringList sent = QString::fromLatin1(ReadAll(commands)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const qsizetype firstWrite = sent.indexOf(QRegularExpression(QStringLiteral("MW .*")));
        QCOMPARE(firstWrite >= 0, written);
        QCOMPARE(sent.count(QStringLiteral("VMC 0,0")), written ? 1 : 0);
        QVERIFY(sent.lastIndexOf(QRegularExpression(QStringLiteral("MR .*"))) >= 0);
        if (written)
            QVERIFY(sent.lastIndexOf(QRegularExpression(QStringLiteral("MR .*"))) < firstWrite);
        // What the radio held is kept, under its own name.
        if (!backupBroken) {
            const QStringList kept = BackupFiles().filter(QStringLiteral("-before-write"));
            QCOMPARE(kept.size(), 1);
            QVERIFY2(QRegularExpression(QStringLiteral("^\\d{8}-\\d{6}-before-write\\.46$")).match(kept[0]).hasMatch(),
                     qPrintable(kept[0]));
        }
    }
};

QXP_GUI_TEST_MAIN(TestDataExchange)
#include "tst_dataexchange.moc"
