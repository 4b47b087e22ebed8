// Cut, Copy, Paste and Delete through the private clipboard format, and
// printing the channel list, on the main window run offscreen.
#include "channellistlayout.h"
#include "datafile.h"
#include "fakemessageservice.h"
#include "guitestmain.h"
#include "recordlayout.h"
#include "recordtext.h"
#include "rowsclipboard.h"
#include "tmainform.h"
#include "tstringgrid.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QThread>
#include <QToolButton>

#include <functional>
#include <memory>

namespace {

const char* const kMemory000 = "000,00145000000,5,0,0,1,0,,09,,09,000600000,0,,,,,HOME";
const char* const kUhf = "001,00435000000,6,2,0,0,1,,09,,12,005000000,1,,,,,";

// Clipboard content owned by a program that answers slowly or not at all:
// every question about it is counted and takes `delay` ms.
class SlowClipboardData : public QMimeData
{
public:
    explicit SlowClipboardData(int delay, int* asked) : m_delay(delay), m_asked(asked) {}
    QStringList formats() const override { return Answer(QStringList()); }
    bool hasFormat(const QString&) const override { return Answer(false); }

protected:
    QVariant retrieveData(const QString&, QMetaType) const override { return Answer(QVariant()); }

private:
    template <typename T> T Answer(T value) const
    {
        ++*m_asked;
        QThread::msleep(static_cast<unsigned long>(m_delay));
        return value;
    }
    int m_delay;
    int* m_asked;
};

} // namespace

class TestMainFormClipboard : public QObject
{
    Q_OBJECT

private:
    FakeMessageService m_messages;
    std::unique_ptr<TMainForm> m_form;

    const ChannelDocument& Doc() { return m_form->Document(); }

    // Puts records in place as a file would: the windows hear of it, and
    // the document is not changed.
    void Load(const std::function<void(ChannelDocument&)>& fill)
    {
        fill(m_form->Session().BeginLongChange());
        m_form->Session().EndLongChange(QString(), true);
    }

    // Makes a grid active the way a user does, by giving it the focus, and
    // puts its current row on `row`.
    void Activate(int grid, int row)
    {
        TStringGrid* g = m_form->Grid(grid);
        g->SetRow(row);
        g->setFocus();
        QTRY_COMPARE(m_form->ActiveGrid(), grid);
        // Row changes of the VFO and CALL grids refresh the commands; the
        // memory and DTMF grids do it on entry.
        m_form->UpdateClipboardCommands();
    }

    bool Enabled(const char* name) { return m_form->findChild<QAction*>(QLatin1String(name))->isEnabled(); }

    QByteArray ClipboardBytes(const QString& format = TMainForm::ClipboardFormat())
    {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return data ? data->data(format) : QByteArray();
    }

    // The document and what the memory and DTMF grids and the comment box
    // show of it.
    QString Whole()
    {
        QString text = QString::fromStdString(DataFile::WriteDataFile(Doc()));
        for (int grid : {1, 4})
            for (int row = 1; row < m_form->Grid(grid)->RowCount(); ++row)
                text += m_form->Grid(grid)->Cell(0, row) + m_form->Grid(grid)->Cell(2, row) +
                        m_form->Grid(grid)->Cell(3, row) + QLatin1Char('|');
        return text + m_form->CommentBox()->text();
    }

private slots:
    void init()
    {
        GuiTest::ClearStore();
        QGuiApplication::clipboard()->clear();
        m_messages = FakeMessageService();
        m_form = std::make_unique<TMainForm>(m_messages);
        m_form->show();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        Load([](ChannelDocument& doc) {
            doc.StoreMemory(0, kMemory000);
            doc.StoreMemory(1, kUhf);
            doc.StoreDtmf(2, "02,123A");
        });
        m_form->History().clear();
    }

    void eachEditIsOneStepOfTheHistory_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QStringList>("log");
        const QStringList none;
        for (const char* edit : {"paste", "cut", "delete several", "cut several DTMF", "insert row", "delete and shift",
                                 "move down", "comment typing"})
            QTest::newRow(edit) << edit << none;
        QTest::newRow("paste several, one refused") << "paste several"
                                                    << QStringList{"info 1 copied row(s) were not pasted: 001.\n"
                                                                   "They do not fit the band limits or the rows."};
    }

    // Apply, undo: the whole document and the grids as before, and not
    // changed (the document was as loaded); redo: as after.
    void eachEditIsOneStepOfTheHistory()
    {
        QFETCH(QString, edit);
        QFETCH(QStringList, log);
        auto trigger = [&](const char* name) { m_form->findChild<QAction*>(QLatin1String(name))->trigger(); };
        const QString before = Whole();
        if (edit == QLatin1String("paste")) {
            Activate(1, 1);
            trigger("Copy1");
            Activate(1, 5);
            trigger("Paste1");
        } else if (edit == QLatin1String("cut")) {
            Activate(1, 2);
            trigger("Cut1");
        } else if (edit == QLatin1String("delete several")) {
            Activate(1, 1);
            m_form->Grid(1)->SelectRows(1, 2, 1);
            trigger("Delete1");
        } else if (edit == QLatin1String("cut several DTMF")) {
            Activate(4, 3);
            m_form->Grid(4)->SelectRows(2, 4, 3);
            trigger("Cut1");
            QCOMPARE(ClipboardBytes(QStringLiteral("application/x-qxp-r46-rows")), QByteArray("\n02\t123A\n"));
        } else if (edit == QLatin1String("paste several")) {
            Activate(1, 1);
            m_form->Grid(1)->SelectRows(1, 2, 1);
            trigger("Copy1");
            Activate(1, 221);
            trigger("Paste1");
        } else if (edit == QLatin1String("insert row")) {
            Activate(1, 1);
            trigger("InsertRow1");
            QCOMPARE(Doc().ReadMemory(2), std::string(kUhf).replace(0, 3, "002"));
        } else if (edit == QLatin1String("delete and shift")) {
            Activate(1, 1);
            trigger("DeleteShift1");
            QCOMPARE(Doc().ReadMemory(0), std::string(kUhf).replace(0, 3, "000"));
        } else if (edit == QLatin1String("move down")) {
            Activate(1, 1);
            QTest::keyClick(m_form->Grid(1), Qt::Key_Down, Qt::ControlModifier);
            QCOMPARE(m_form->Grid(1)->Row(), 2);
        } else if (edit == QLatin1String("comment typing")) {
            m_form->CommentBox()->setFocus();
            QTest::keyClicks(m_form->CommentBox(), QStringLiteral("abc"));
        }
        QCOMPARE(m_messages.log, log);
        const QString after = Whole();
        QVERIFY(after != before);
        QVERIFY(m_form->Changed());
        QCOMPARE(m_form->History().count(), 1);
        if (edit == QLatin1String("comment typing"))
            QTest::keyClick(m_form->CommentBox(), Qt::Key_Z, Qt::ControlModifier);
        else
            m_form->History().undo();
        QCOMPARE(Whole(), before);
        QVERIFY(!m_form->Changed());
        m_form->History().redo();
        QCOMPARE(Whole(), after);
        QVERIFY(m_form->Changed());
    }

    void copyPutsTheRecordWithTabsInThePrivateFormatAndAsText()
    {
        Activate(1, 1);
        m_form->findChild<QAction*>("Copy1")->trigger();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data);
        QCOMPARE(data->formats(), QStringList({TMainForm::ClipboardFormat(), QStringLiteral("text/plain")}));
        QCOMPARE(data->text(), QString::fromLatin1(QByteArray(kMemory000).replace(',', '\t')));
        const QByteArray bytes = data->data(TMainForm::ClipboardFormat());
        QCOMPARE(bytes, QByteArray(kMemory000).replace(',', '\t'));
        QCOMPARE(bytes.count('\t'), 17);
        QVERIFY(!m_form->Changed());
        QVERIFY(Enabled("Paste1"));
        QVERIFY(m_form->findChild<QToolButton*>("SpeedButton3")->isEnabled());
    }

    void pasteKeepsTheTargetLabelAndItsLockoutRule_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("record");
        QTest::newRow("012") << 13 << "012,00145000000,5,0,0,1,0,,09,,09,000600000,0,,,,,HOME";
        QTest::newRow("L3") << 207 << "L3,00145000000,5,0,0,1,0,,09,,09,000600000,,,,,,HOME";
        QTest::newRow("PR") << 221 << "PR,00145000000,5,0,0,1,0,,09,,09,000600000,,,,,,HOME";
    }

    void pasteKeepsTheTargetLabelAndItsLockoutRule()
    {
        QFETCH(int, row);
        QFETCH(QString, record);
        Activate(1, 1);
        m_form->findChild<QAction*>("Copy1")->trigger();
        Activate(1, row);
        m_form->findChild<QAction*>("Paste1")->trigger();
        QCOMPARE(QString::fromStdString(Doc().ReadMemory(row - 1)), record);
        QVERIFY(m_form->Changed());
        QCOMPARE(m_form->Grid(1)->Cell(2, row), QStringLiteral("145.000"));
        // The same content can be pasted again.
        QVERIFY(Enabled("Paste1"));
    }

    void pasteIsOfferedOnlyWhereTheBandFits()
    {
        Activate(1, 1); // 145 MHz
        m_form->findChild<QAction*>("Copy1")->trigger();
        Activate(2, 2); // VFO rows: 118MHz, 144MHz, 440MHz
        QCOMPARE(m_form->Grid(2)->Cell(1, 2), QStringLiteral("144MHz"));
        QVERIFY(Enabled("Paste1"));
        QVERIFY(Enabled("Paste3"));
        QVERIFY(!Enabled("Paste2"));
        QVERIFY(!Enabled("Cut1"));
        QVERIFY(!Enabled("Delete1"));
        QVERIFY(!m_form->findChild<QToolButton*>("SpeedButton2")->isEnabled());
        Activate(2, 3);
        QVERIFY(!Enabled("Paste1"));
        Activate(3, 1);
        QVERIFY(Enabled("Paste1"));
        Activate(3, 2);
        QVERIFY(!Enabled("Paste1"));
        Activate(4, 1);
        QVERIFY(!Enabled("Paste1"));

        // A 145 MHz channel on the 144MHz VFO row gets output power "0".
        Activate(2, 2);
        m_form->findChild<QAction*>("Paste1")->trigger();
        QCOMPARE(QString::fromStdString(std::string(Doc().Record(RecordKind::Vfo, 1))),
                 QStringLiteral("2,00145000000,5,0,0,1,0,,09,,09,000600000,,,,,0,"));
        QCOMPARE(m_form->Grid(2)->Cell(2, 2), QStringLiteral("145.000"));
    }

    void dtmfMemoriesMoveBetweenDtmfRows()
    {
        Activate(4, 3);
        m_form->findChild<QAction*>("Copy1")->trigger();
        QCOMPARE(ClipboardBytes(), QByteArray("02\t123A"));
        Activate(4, 6);
        QVERIFY(Enabled("Paste2"));
        m_form->findChild<QAction*>("Paste2")->trigger();
        QCOMPARE(QString::fromStdString(std::string(Doc().Record(RecordKind::Dtmf, 5))), QStringLiteral("05,123A"));
        Activate(1, 1);
        QVERIFY(!Enabled("Paste1"));
    }

    void cutEmptiesTheRowAndOffersPasteAtOnce()
    {
        Activate(1, 2);
        m_form->findChild<QAction*>("Cut1")->trigger();
        QCOMPARE(Doc().ReadMemory(1), std::string());
        QCOMPARE(m_form->Grid(1)->Cell(2, 2), QString());
        QCOMPARE(ClipboardBytes(), QByteArray(kUhf).replace(',', '\t'));
        QVERIFY(m_form->Changed());
        QVERIFY(Enabled("Paste1"));
        m_form->findChild<QAction*>("Paste1")->trigger();
        QCOMPARE(Doc().ReadMemory(1), std::string(kUhf));
    }

    // Rows pasted go from the current row on, wherever the selection
    // around it starts.
    void severalRowsPasteFromTheCurrentRow()
    {
        TStringGrid* grid = m_form->Grid(1);
        grid->setFocus();
        QTRY_COMPARE(m_form->ActiveGrid(), 1);
        grid->SelectRows(1, 2, 2);
        m_form->findChild<QAction*>("Copy1")->trigger();
        grid->SelectRows(1, 5, 4);
        m_form->findChild<QAction*>("Paste1")->trigger();
        QCOMPARE(Doc().ReadMemory(3), "003" + std::string(kMemory000).substr(3));
        QCOMPARE(Doc().ReadMemory(4), "004" + std::string(kUhf).substr(3));
        QCOMPARE(Doc().ReadMemory(0), std::string(kMemory000));
    }

    // Moving between rows never asks the clipboard's owner; only a paste
    // does, and it gives up on one that does not answer, saying so.
    void rowChangesNeverWaitOnTheClipboardsOwner()
    {
        Activate(1, 1);
        m_form->findChild<QAction*>("Copy1")->trigger();
        int asked = 0;
        QGuiApplication::clipboard()->setMimeData(new SlowClipboardData(0, &asked));
        asked = 0;
        for (int row : {2, 3, 1})
            Activate(1, row);
        Activate(2, 2);
        QTest::mouseClick(m_form->Grid(2)->viewport(), Qt::LeftButton, {},
                          QPoint(30, m_form->Grid(2)->DefaultRowHeight() / 2));
        Activate(4, 1);
        QCOMPARE(asked, 0);

        QGuiApplication::clipboard()->setMimeData(new SlowClipboardData(RowsClipboard::kPasteWaitMs + 200, &asked));
        Activate(1, 5);
        QVERIFY(Enabled("Paste1")); // from the rows copied before
        const std::string whole = DataFile::WriteDataFile(Doc());
        m_form->findChild<QAction*>("Paste1")->trigger();
        QCOMPARE(m_messages.log, QStringList{"info " + RowsClipboard::NoAnswerText()});
        QCOMPARE(DataFile::WriteDataFile(Doc()), whole);
    }

    // A row another program put under our format with fields the radio does
    // not take is refused and named, never stored as it came.
    void malformedRowsAreRefusedWithTheirReason()
    {
        auto* data = new QMimeData;
        data->setData(TMainForm::RowsClipboardFormat(),
                      "000\t00145000000\t5\t0\t0\t0\t0\t\t09\t\t09\t000600000\t0\t\t\t\t\tGOOD\n"
                      "001\t1234x\t5\t0\t0\t0\t0\t\t77\t\t09\t000600000\t0\t\t\t\t\tBAD");
        QGuiApplication::clipboard()->setMimeData(data);
        Activate(1, 11);
        m_form->findChild<QAction*>("Paste1")->trigger();
        QCOMPARE(RecordText::Field(Doc().ReadMemory(10), RecordLayout::ChannelField::Name), "GOOD");
        QCOMPARE(Doc().ReadMemory(11), std::string());
        QCOMPARE(m_messages.log.size(), 1);
        QVERIFY2(m_messages.log[0].contains(QLatin1String("001: receive frequency \"1234x\"")),
                 qPrintable(m_messages.log[0]));
    }

    void deleteClearsWithoutTouchingTheClipboard()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("someone else's text"));
        Activate(4, 3);
        m_form->findChild<QAction*>("Delete1")->trigger();
        QCOMPARE(Doc().Record(RecordKind::Dtmf, 2), std::string_view());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("someone else's text"));
        QVERIFY(m_form->Changed());
    }

    void cutAndDeleteOnVfoOrCallSayInvalidFunction()
    {
        Activate(3, 1);
        const std::string before(Doc().Record(RecordKind::Call, 0));
        m_form->Cut1Click();
        m_form->Delete1Click();
        QCOMPARE(m_messages.log, QStringList({"info Invalid function.", "info Invalid function."}));
        QCOMPARE(std::string(Doc().Record(RecordKind::Call, 0)), before);
        QVERIFY(m_form->Changed());
    }

    void foreignOrOverlongContentKeepsThePasteBuffer()
    {
        Activate(1, 1);
        m_form->findChild<QAction*>("Copy1")->trigger();
        QGuiApplication::clipboard()->setText(QStringLiteral("plain text"));
        Activate(1, 5);
        QVERIFY(Enabled("Paste1"));
        auto* data = new QMimeData;
        data->setData(TMainForm::ClipboardFormat(), QByteArray(150, '1'));
        QGuiApplication::clipboard()->setMimeData(data);
        m_form->UpdateClipboardCommands();
        QCOMPARE(std::string(Doc().Record(RecordKind::PasteBuffer, 0)), std::string(kMemory000));

        // Copying an empty slot withdraws Paste everywhere.
        Activate(1, 100);
        m_form->findChild<QAction*>("Copy1")->trigger();
        QVERIFY(!Enabled("Paste1"));
    }

    void printWithoutPrinterOffersThePdf()
    {
        const QString offer = QStringLiteral("ask There is no default printer.\n\nSave the channel list as a PDF "
                                             "file instead (导出PDF...)?");
        m_form->SetPrinterCheck([] { return false; });
        m_messages.answers = {QMessageBox::No};
        m_form->Print1Click();
        QCOMPARE(m_messages.log, QStringList{offer});

        // Yes goes on as 导出PDF... does, to the file.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.pdf"));
        m_messages.log.clear();
        m_messages.answers = {QMessageBox::Yes};
        m_messages.fileNames = {path};
        m_form->Print1Click();
        QCOMPARE(m_messages.log, QStringList({offer, QStringLiteral("save ")}));
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(4) == "%PDF");

        m_messages.log.clear();
        m_form->SetPrinterCheck([] { return true; });
        m_form->Print1Click(); // the fake cancels the print dialog
        QCOMPARE(m_messages.log, QStringList{"modal PrintDialog1"});
    }

    void printedListHasOnePdfPagePerLayoutPage()
    {
        Load([](ChannelDocument& doc) {
            for (int slot = 0; slot < 200; ++slot)
                doc.StoreMemory(slot, kMemory000);
        });
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QPdfWriter writer(&pdf);
        QVERIFY(m_form->PrintTo(writer));
        const auto pages = ChannelListLayout::Layout(Doc(), m_form->windowTitle().toStdString(), std::string());
        QCOMPARE(int(pages.size()), 4);
        QVERIFY(pdf.data().startsWith("%PDF"));
        QVERIFY2(pdf.data().contains("/Count 4"), "four pages in the PDF");
    }
};

QXP_GUI_TEST_MAIN(TestMainFormClipboard)
#include "tst_mainform_clipboard.moc"
