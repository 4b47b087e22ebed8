// The main window's grids, status bar, comment box, settings and the
// commands that open other windows.
#include "commentcodec.h"
#include "fakemessageservice.h"
#include "guitestmain.h"
#include "tcall.h"
#include "tdtmf.h"
#include "tmainform.h"
#include "tmemory.h"
#include "treadform.h"
#include "tstatusbar.h"
#include "tstringgrid.h"
#include "tvfo.h"
#include "twriteform.h"
#include "writeplancommands.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStyleOptionGroupBox>
#include <QToolButton>

#include <functional>
#include <memory>

namespace {

struct Editors {
    explicit Editors(DocumentHost& host) : memory(host), vfo(host), call(host), dtmf(host), read(host), write(host) {}

    TMemory memory;
    TVFO vfo;
    TCALL call;
    TDTMF dtmf;
    TReadForm read;
    TWriteForm write;

    TMainForm::Dialogs Dialogs()
    {
        TMainForm::Dialogs d;
        d.memory = &memory;
        d.vfo = &vfo;
        d.call = &call;
        d.dtmf = &dtmf;
        d.read = &read;
        d.write = &write;
        return d;
    }
};

// Changes the document as the program does, through the session: the
// windows hear of it.
void Change(TMainForm& form, const std::function<void(ChannelDocument&)>& change)
{
    form.Session().Edit(QString(), change);
}

QStringList Column(const TStringGrid* grid, int column)
{
    QStringList texts;
    for (int row = 1; row < grid->RowCount(); ++row)
        texts << grid->Cell(column, row);
    return texts;
}

} // namespace

class TestMainFormGrids : public QObject
{
    Q_OBJECT

private:
    FakeMessageService m_messages;
    std::unique_ptr<TMainForm> m_form;
    std::unique_ptr<Editors> m_editors;

    void ShowActive()
    {
        m_form->show();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }

    void Recreate()
    {
        m_editors.reset();
        m_form = std::make_unique<TMainForm>(m_messages);
        m_editors = std::make_unique<Editors>(*m_form);
        m_form->SetDialogs(m_editors->Dialogs());
    }

private slots:
    void init()
    {
        GuiTest::ClearStore();
        QGuiApplication::clipboard()->clear(); // read when the window is made
        m_messages = FakeMessageService();
        Recreate();
    }

    void cleanup() { m_form.reset(); }

    void firstStartWritesTheDefaults()
    {
        QSettings store(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46"));
        const QStringList keys = {"CommPort", "Limit0", "Limit1", "Limit2", "Limit3", "Limit4", "Path", "Type"};
        QCOMPARE(store.allKeys(), keys);
        QCOMPARE(store.value("Path").toString(), QDir::currentPath() + QLatin1Char('/'));
        QCOMPARE(store.value("CommPort").toString(), QStringLiteral("COM1"));
        QCOMPARE(store.value("Type").toString(), QStringLiteral("0,2,00,1,1,,"));
        QCOMPARE(store.value("Limit0").toString(), QStringLiteral("00118,00135"));
        QCOMPARE(store.value("Limit1").toString(), QStringLiteral("00136,00173"));
        QCOMPARE(store.value("Limit2").toString(), QString());
        QCOMPARE(store.value("Limit3").toString(), QStringLiteral("00410,00469"));
        QCOMPARE(store.value("Limit4").toString(), QString());

        QCOMPARE(m_form->windowTitle(), QStringLiteral("QXP-R46 [Untitled]"));
        QCOMPARE(m_form->Grid(2)->RowCount(), 4);
        QCOMPARE(Column(m_form->Grid(2), 1), QStringList({"118MHz", "144MHz", "440MHz"}));
        QCOMPARE(Column(m_form->Grid(2), 2), QStringList({"118.000", "144.000", "440.000"}));
        QCOMPARE(Column(m_form->Grid(3), 1), QStringList({"144MHz", "440MHz"}));
        QCOMPARE(m_form->findChild<QAction*>("Com1_Mnu")->isChecked(), true);
        QCOMPARE(m_form->findChild<QAction*>("Com2_Mnu")->isChecked(), false);
        QCOMPARE(m_form->ActiveGrid(), 1);
        QVERIFY(m_form->findChild<QGroupBox*>("GroupBox1")->font().bold());
    }

    void storedSettingsShapeTheWindow_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QStringList>("vfoBands");
        QTest::addColumn<QStringList>("vfoFrequencies");
        QTest::addColumn<QString>("callBand");
        QTest::addColumn<QStringList>("limits");
        QTest::newRow("all five bands, 430 MHz variant")
            << "0,1,00,1,1,1,1"
            << "COM2" << QStringList{"118MHz", "144MHz", "300MHz", "430MHz", "800MHz"}
            << QStringList{"118.000", "144.000", "340.000", "430.000", "870.000"} << "430MHz"
            << QStringList{"00118,00135", "00136,00173", "00300,00399", "00410,00469", "00800,00999"};
        QTest::newRow("two bands, 145 MHz variant")
            << "0,0,00,1,0,0,0"
            << "COM1" << QStringList{"144MHz", "430MHz"} << QStringList{"145.000", "433.000"} << "430MHz"
            << QStringList{"", "00136,00173", "", "00410,00469", ""};
        QTest::newRow("860 MHz band") << "0,3,05,1,0,0,2"
                                      << "COM1" << QStringList{"144MHz", "430MHz", "800MHz"}
                                      << QStringList{"144.000", "432.000", "860.000"} << "430MHz"
                                      << QStringList{"", "00136,00173", "", "00410,00469", "00800,00999"};
    }

    void storedSettingsShapeTheWindow()
    {
        QFETCH(QString, type);
        QFETCH(QString, port);
        QFETCH(QStringList, vfoBands);
        QFETCH(QStringList, vfoFrequencies);
        QFETCH(QString, callBand);
        QFETCH(QStringList, limits);
        {
            QSettings store(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46"));
            store.clear();
            store.setValue("Type", type);
            store.setValue("CommPort", port);
            // A band the radio lacks loses whatever the store held for it.
            store.setValue("Limit0", "00118,00135");
            store.setValue("Limit2", "00300,00399");
            store.sync();
        }
        Recreate();
        QCOMPARE(Column(m_form->Grid(2), 1), vfoBands);
        QCOMPARE(Column(m_form->Grid(2), 2), vfoFrequencies);
        QCOMPARE(m_form->Grid(3)->Cell(1, 2), callBand);
        QCOMPARE(m_form->PortChoice(), port);
        QCOMPARE(m_form->SelectedPortNumber(), port == QLatin1String("COM2") ? 2 : 1);
        QCOMPARE(m_form->findChild<QAction*>("Com2_Mnu")->isChecked(), port == QLatin1String("COM2"));
        QSettings store(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46"));
        for (int band = 0; band < 5; ++band)
            QCOMPARE(store.value(QStringLiteral("Limit%1").arg(band)).toString(), limits[band]);
    }

    void overlongSettingsAreCut()
    {
        {
            QSettings store(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46"));
            store.setValue("Type", "0,2,00,1,1,,ABCDEFGHIJKLMNOP");
            store.setValue("Limit1", "00136,00173,00999,00999");
            store.sync();
        }
        Recreate();
        QCOMPARE(m_form->Document().Plan().RadioType(), std::string_view("0,2,00,1,1,,ABCDEFG"));
        QCOMPARE(m_form->Document().Plan().LimitRecord(1), std::string_view("00136,00173,00"));
    }

    void gridLayout()
    {
        struct Expect {
            const char* group;
            QRect geometry;
            int rows;
            QList<int> widths;
            QStringList titles;
        };
        const Expect expects[4] = {
            {"GroupBox1", {0, 30, 262, 284}, 222, {10, 27, 84}, {"", " ch.", " RX Frequency", " Name"}},
            {"GroupBox2", {264, 30, 193, 81}, 4, {10, 58}, {"", "Band", "Rx Frequency"}},
            {"GroupBox3", {264, 115, 193, 81}, 3, {10, 59}, {"", "Band", "Rx Frequency"}},
            {"GroupBox4", {264, 201, 223, 113}, 11, {10, 23}, {"", "No.", "DTMF Code"}},
        };
        const int visible[4] = {15, 3, 3, 5};
        QCOMPARE(m_form->centralWidget()->size(), QSize(487, 358));
        // Fixed size: the window manager is told which boxes to draw, and
        // neither minimise nor maximise is among them.
        const Qt::WindowFlags flags = m_form->windowFlags();
        QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        for (int i = 0; i < 4; ++i) {
            const TStringGrid* grid = m_form->Grid(i + 1);
            QCOMPARE(grid->objectName(), QStringLiteral("StringGrid%1").arg(i + 1));
            QCOMPARE(grid->parentWidget()->objectName(), QLatin1String(expects[i].group));
            QCOMPARE(grid->parentWidget()->geometry(), expects[i].geometry);
            QCOMPARE(grid->pos(), QPoint(8, 16));
            QCOMPARE(grid->RowCount(), expects[i].rows);
            for (int c = 0; c < expects[i].widths.size(); ++c)
                QCOMPARE(grid->columnWidth(c), expects[i].widths[c]);
            for (int c = 0; c < expects[i].titles.size(); ++c)
                QCOMPARE(grid->Cell(c, 0), expects[i].titles[c]);
            // Rows fill the grid exactly: title row plus the visible rows.
            QCOMPARE(grid->height() - 2 * grid->frameWidth(), grid->DefaultRowHeight() * visible[i]);
            QVERIFY(grid->geometry().bottom() <= grid->parentWidget()->height());
            QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
            QVERIFY(!grid->showGrid());
            // The caption keeps clear of the box's left edge: the first box
            // stands at the window's edge, which would cut its first character.
            const auto* box = static_cast<const QGroupBox*>(grid->parentWidget());
            QStyleOptionGroupBox option;
            option.initFrom(box);
            option.text = box->title();
            option.textAlignment = box->alignment();
            option.lineWidth = 1;
            option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            const QRect caption =
                box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
            QVERIFY2(caption.left() >= 3, qPrintable(box->title()));
        }
        const TStringGrid* memory = m_form->Grid(1);
        QCOMPARE(memory->Cell(1, 1), QStringLiteral("000"));
        QCOMPARE(memory->Cell(1, 200), QStringLiteral("199"));
        QCOMPARE(memory->Cell(1, 201), QStringLiteral("L0"));
        QCOMPARE(memory->Cell(1, 220), QStringLiteral("U9"));
        QCOMPARE(memory->Cell(1, 221), QStringLiteral("PR"));
        QCOMPARE(Column(m_form->Grid(4), 1), QStringList({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));

        const int lefts[] = {4, 29, 54, 92, 132, 157, 196, 221, 246};
        const char* const names[] = {"SpeedButton7", "SpeedButton6", "SpeedButton8", "SpeedButton9", "SpeedButton4",
                                     "SpeedButton5", "SpeedButton2", "SpeedButton1", "SpeedButton3"};
        // Each hint names the key that does the same.
        const char* const hints[] = {"新建 (Ctrl+N)", "打开 (Ctrl+O)", "保存 (Ctrl+S)", "打印",         "读取 (Ctrl+R)",
                                     "写入 (Ctrl+W)", "剪切 (Ctrl+X)", "复制 (Ctrl+C)", "粘贴 (Ctrl+V)"};
        for (int i = 0; i < 9; ++i) {
            const auto* button = m_form->findChild<QToolButton*>(QLatin1String(names[i]));
            QVERIFY2(button, names[i]);
            QCOMPARE(button->geometry(), QRect(lefts[i], 4, 25, 25));
            QCOMPARE(button->toolTip(), QString::fromUtf8(hints[i]));
        }
    }

    void gridTextsAfterLoading()
    {
        m_form->SetCommandLine({QStringLiteral(QXP_TEST_DATA "/sample.46")});
        m_form->show();
        QTRY_VERIFY(!m_form->Grid(1)->Cell(2, 1).isEmpty());
        const TStringGrid* memory = m_form->Grid(1);
        const QStringList row1 = {memory->Cell(0, 1), memory->Cell(2, 1), memory->Cell(3, 1)};
        QCOMPARE(row1, QStringList({"", "145.500", "RPT1"}));
        QCOMPARE(memory->Cell(0, 2), QStringLiteral("*"));
        QCOMPARE(memory->Cell(3, 2), QStringLiteral("HOME"));
        QCOMPARE(memory->Cell(2, 12), QStringLiteral("145.125"));
        QCOMPARE(memory->Cell(2, 4), QString());
        QCOMPARE(memory->Cell(2, 201), QStringLiteral("144.000"));
        QCOMPARE(memory->Cell(2, 221), QStringLiteral("145.800"));
        QCOMPARE(Column(m_form->Grid(2), 2), QStringList({"118.000", "145.650", "440.000"}));
        QCOMPARE(Column(m_form->Grid(3), 2), QStringList({"145.500", "440.000"}));
        QCOMPARE(Column(m_form->Grid(4), 2), QStringList({"", "", "", "123A", "", "", "", "", "", "#*0"}));
    }

    void lockoutMarkIsForNumberedChannelsOnly()
    {
        Change(*m_form, [](ChannelDocument& doc) {
            doc.StoreMemory(199, "199,00145000000,5,0,0,0,0,,09,,09,000600000,1,,,,,");
            doc.StoreMemory(200, "L0,00145000000,5,0,0,0,0,,09,,09,000600000,1,,,,,");
            doc.StoreMemory(5, "x");
        });
        QCOMPARE(m_form->Grid(1)->Cell(0, 200), QStringLiteral("*"));
        QCOMPARE(m_form->Grid(1)->Cell(0, 201), QString());
        QCOMPARE(m_form->Grid(1)->Cell(2, 6), QString()); // shorter than 2 characters: empty
    }

    void statusBar_data()
    {
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QStringList>("panels");
        const QString base = QStringLiteral("000,00145000000,5,%1,%2,%3,%4,,%5,,%6,000600000,0,,%7,%8,,");
        auto rec = [&](const char* shift, const char* rev, const char* tone, const char* ct, const char* toneCode,
                       const char* ctCode, const char* tx = "", const char* txStep = "") {
            return base.arg(shift, rev, tone, ct, toneCode, ctCode, tx, txStep);
        };
        QTest::newRow("simplex") << 1 << 1 << rec("0", "0", "0", "0", "09", "09") << QStringList{"", "", ""};
        QTest::newRow("plus shift") << 1 << 1 << rec("1", "0", "0", "0", "09", "09")
                                    << QStringList{"Offset : 0.60MHz", "+", ""};
        QTest::newRow("minus shift, reverse")
            << 1 << 1 << rec("2", "1", "0", "0", "09", "09") << QStringList{"Offset : 0.60MHz", "- R", ""};
        QTest::newRow("-7.6 shows no offset")
            << 1 << 1 << rec("3", "0", "0", "0", "09", "09") << QStringList{"", "-7.6", ""};
        QTest::newRow("simplex, reverse") << 1 << 1 << rec("0", "1", "0", "0", "09", "09") << QStringList{"", " R", ""};
        QTest::newRow("split") << 1 << 1 << rec("0", "0", "0", "0", "09", "09", "00144506250", "1")
                               << QStringList{"Tx Frequency : 144.50625MHz", "+-", ""};
        QTest::newRow("split, reverse has no R") << 1 << 1 << rec("0", "1", "0", "0", "09", "09", "00144500000", "5")
                                                 << QStringList{"Tx Frequency : 144.500MHz", "+-", ""};
        QTest::newRow("tone") << 1 << 1 << rec("0", "0", "1", "0", "09", "13") << QStringList{"", "", "T : 88.5Hz"};
        QTest::newRow("CTCSS wins over tone")
            << 1 << 1 << rec("0", "0", "1", "1", "09", "13") << QStringList{"", "", "CT : 100.0Hz"};
        QTest::newRow("tone code 02") << 1 << 1 << rec("0", "0", "1", "0", "02", "09")
                                      << QStringList{"", "", "T : 69.0"};
        QTest::newRow("last tone code") << 1 << 1 << rec("0", "0", "0", "1", "09", "39")
                                        << QStringList{"", "", "CT : 250.3Hz"};
        QTest::newRow("PR row") << 1 << 221 << rec("1", "0", "0", "0", "09", "09")
                                << QStringList{"Offset : 0.60MHz", "+", ""};
        QTest::newRow("CALL row 2") << 3 << 2 << rec("2", "0", "0", "1", "09", "01")
                                    << QStringList{"Offset : 0.60MHz", "-", "CT : 67.0Hz"};
        QTest::newRow("VFO 440MHz row") << 2 << 3 << rec("1", "0", "1", "0", "03", "09")
                                        << QStringList{"Offset : 0.60MHz", "+", "T : 71.9Hz"};
        QTest::newRow("DTMF clears") << 4 << 1 << rec("1", "1", "1", "0", "09", "09") << QStringList{"", "", ""};
    }

    void statusBar()
    {
        QFETCH(int, grid);
        QFETCH(int, row);
        QFETCH(QString, record);
        QFETCH(QStringList, panels);
        const std::string text = record.toStdString();
        Change(*m_form, [&](ChannelDocument& doc) {
            switch (grid) {
            case 1: doc.StoreMemory(row - 1, text); break;
            case 2:
                doc.StoreVfo(row, text); // row 3 of the default VFO grid is the 440 MHz band, slot 3
                break;
            case 3: doc.StoreCall(row - 1, text); break;
            }
        });
        m_form->StatusBar()->SetPanelText(3, QStringLiteral("untouched"));
        ShowActive();
        TStringGrid* target = m_form->Grid(grid);
        target->setFocus();
        QTRY_COMPARE(m_form->ActiveGrid(), grid);
        target->SetRow(row);
        const QStringList shown = {m_form->StatusBar()->PanelText(0), m_form->StatusBar()->PanelText(1),
                                   m_form->StatusBar()->PanelText(2)};
        QCOMPARE(shown, panels);
        QCOMPARE(m_form->StatusBar()->PanelText(3), QStringLiteral("untouched"));
    }

    void keyboardMovesTheStatusBar()
    {
        Change(*m_form,
               [](ChannelDocument& doc) { doc.StoreMemory(1, "001,00145000000,5,1,0,0,0,,09,,09,000600000,0,,,,,"); });
        ShowActive();
        m_form->Grid(1)->setFocus();
        QTRY_VERIFY(m_form->Grid(1)->hasFocus());
        QCOMPARE(m_form->StatusBar()->PanelText(1), QString());
        QTest::keyClick(m_form->Grid(1), Qt::Key_Down);
        QCOMPARE(m_form->Grid(1)->Row(), 2);
        QCOMPARE(m_form->StatusBar()->PanelText(1), QStringLiteral("+"));
    }

    void enteringAGridMakesItActive()
    {
        ShowActive();
        for (int grid : {3, 2, 4, 1}) {
            m_form->Grid(grid)->setFocus();
            QTRY_COMPARE(m_form->ActiveGrid(), grid);
            for (int other = 1; other <= 4; ++other)
                QCOMPARE(m_form->findChild<QGroupBox*>(QStringLiteral("GroupBox%1").arg(other))->font().bold(),
                         other == grid);
            // The grid itself keeps the regular font.
            QVERIFY(!m_form->Grid(grid)->font().bold());
        }
    }

    void rightButtonSelectsTheRowUnderThePointer_data()
    {
        QTest::addColumn<int>("grid");
        QTest::addColumn<bool>("onTitle");
        QTest::addColumn<int>("rowsDown");
        QTest::addColumn<QString>("popup");
        QTest::newRow("memory, title row") << 1 << true << 0 << "PopupMenu1";
        QTest::newRow("memory, fourth visible row") << 1 << false << 3 << "PopupMenu1";
        QTest::newRow("DTMF, title row") << 4 << true << 0 << "PopupMenu1";
        QTest::newRow("VFO, second row") << 2 << false << 1 << "PopupMenu2";
        QTest::newRow("CALL, title row") << 3 << true << 0 << "PopupMenu2";
    }

    void rightButtonSelectsTheRowUnderThePointer()
    {
        QFETCH(int, grid);
        QFETCH(bool, onTitle);
        QFETCH(int, rowsDown);
        QFETCH(QString, popup);
        ShowActive();
        TStringGrid* target = m_form->Grid(grid);
        if (grid == 1)
            target->scrollTo(target->model()->index(59, 1), QAbstractItemView::PositionAtTop);
        else if (grid == 4)
            target->scrollTo(target->model()->index(3, 1), QAbstractItemView::PositionAtTop);
        const int top = target->TopRow();
        QCOMPARE(top, grid == 1 ? 60 : grid == 4 ? 4 : 1);
        target->SetRow(top == 1 ? 2 : 1); // somewhere else first
        const int h = target->DefaultRowHeight();
        if (onTitle) // where a real click lands: the header's viewport
            QTest::mousePress(target->horizontalHeader()->viewport(), Qt::RightButton, {}, QPoint(20, h / 2));
        else
            QTest::mousePress(target->viewport(), Qt::RightButton, {}, QPoint(20, rowsDown * h + h / 2));
        QCOMPARE(target->Row(), top + rowsDown);
        QCOMPARE(m_form->ActiveGrid(), grid);
        auto* menu = m_form->findChild<QMenu*>(popup);
        QTRY_VERIFY(menu->isVisible());
        menu->hide();
    }

    void rowUnderPointerFollowsTheRowHeight()
    {
        const TStringGrid* memory = m_form->Grid(1);
        const int h = memory->DefaultRowHeight();
        QCOMPARE(memory->RowAtPointer(0), 1);
        QCOMPARE(memory->RowAtPointer(h - 1), 1);
        QCOMPARE(memory->RowAtPointer(h), 1);
        QCOMPARE(memory->RowAtPointer(2 * h), 2);
        QCOMPARE(memory->RowAtPointer(15 * h - 1), 14);
    }

    void doubleClickOrEnterOpensTheEditor_data()
    {
        QTest::addColumn<int>("grid");
        QTest::addColumn<QString>("editor");
        QTest::newRow("memory") << 1 << "TMemory";
        QTest::newRow("VFO") << 2 << "TVFO";
        QTest::newRow("CALL") << 3 << "TCALL";
        QTest::newRow("DTMF") << 4 << "TDTMF";
    }

    void doubleClickOrEnterOpensTheEditor()
    {
        QFETCH(int, grid);
        QFETCH(QString, editor);
        ShowActive();
        TStringGrid* target = m_form->Grid(grid);
        const int h = target->DefaultRowHeight();
        QTest::mouseClick(target->viewport(), Qt::LeftButton, {}, QPoint(30, h + h / 2));
        QTest::mouseDClick(target->viewport(), Qt::LeftButton, {}, QPoint(30, h + h / 2));
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(m_messages.log, QStringList({"modal " + editor, "modal " + editor}));
    }

    void commentBoxKeepsCodePage936_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("ASCII") << "Club 2m"
                               << "Club 2m" << QByteArray("Club 2m");
        QTest::newRow("Chinese") << "中继台"
                                 << "中继台" << QByteArray("\xd6\xd0\xbc\xcc\xcc\xa8");
        QTest::newRow("emoji refused") << "ab\U0001F600c"
                                       << "abc" << QByteArray("abc");
        QTest::newRow("Hangul refused") << "a한b"
                                        << "ab" << QByteArray("ab");
        QTest::newRow("cut at 50") << QString(60, QLatin1Char('x')) << QString(50, QLatin1Char('x'))
                                   << QByteArray(50, 'x');
        QTest::newRow("50 Chinese characters")
            << QString(55, QChar(0x4e2d)) << QString(50, QChar(0x4e2d)) << QByteArray("\xd6\xd0").repeated(50);
    }

    void commentBoxKeepsCodePage936()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QByteArray, stored);
        ShowActive();
        QLineEdit* box = m_form->CommentBox();
        QCOMPARE(box->objectName(), QStringLiteral("Edit2"));
        // Typed characters arrive one by one, as an input method commits them.
        for (int i = 0; i < typed.size(); ++i) {
            const int n = typed.at(i).isHighSurrogate() ? 2 : 1;
            QInputMethodEvent commit;
            commit.setCommitString(typed.mid(i, n));
            QApplication::sendEvent(box, &commit);
            i += n - 1;
        }
        QCOMPARE(box->text(), shown);
        QCOMPARE(QByteArray::fromStdString(m_form->Document().Comment()), stored);
        QVERIFY(m_form->Changed());
    }

    void commentCodecRoundTrip()
    {
        const std::string bytes = "\xbc\xd2\xd3\xc3 A";
        QCOMPARE(CommentCodec::Decode(bytes), QStringLiteral("家用 A"));
        QCOMPARE(*CommentCodec::Encode(QStringLiteral("家用 A")), bytes);
        QVERIFY(!CommentCodec::Encode(QStringLiteral("line\nbreak")));
    }

    void portItems_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("COM2 valid") << "Com2_Mnu" << true << "COM2" << QStringList();
        QTest::newRow("COM2 invalid") << "Com2_Mnu" << false << "COM1"
                                      << QStringList{"warning COM2 is invalid.\nPlease check comport status."};
        QTest::newRow("COM1 invalid") << "Com1_Mnu" << false << "COM1"
                                      << QStringList{"warning COM1 is invalid.\nPlease check comport status."};
    }

    void portItems()
    {
        QFETCH(QString, item);
        QFETCH(bool, valid);
        QFETCH(QString, choice);
        QFETCH(QStringList, log);
        QStringList asked;
        m_form->SetPortChecker([&](const QString& port) {
            asked << port;
            return valid;
        });
        QAction* action = m_form->findChild<QAction*>(item);
        action->trigger();
        QCOMPARE(asked, QStringList{item.left(4).toUpper()});
        QCOMPARE(m_messages.log, log);
        QCOMPARE(m_form->PortChoice(), choice);
        QCOMPARE(action->isChecked(), valid);
        QSettings store(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46"));
        QCOMPARE(store.value("CommPort").toString(), choice);
        if (valid)
            QVERIFY(
                !m_form->findChild<QAction*>(item == QLatin1String("Com1_Mnu") ? "Com2_Mnu" : "Com1_Mnu")->isChecked());
    }

    void readCommand()
    {
        bool portValid = false;
        m_form->SetPortChecker([&](const QString&) { return portValid; });
        Change(*m_form,
               [](ChannelDocument& doc) { doc.StoreMemory(0, "000,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,"); });

        m_form->Read1Click();
        QCOMPARE(m_messages.log, QStringList{"warning COM port is invalid.\nPlease check comport status."});

        portValid = true;
        m_messages.log.clear();
        m_messages.answers = {QMessageBox::Cancel};
        m_form->Read1Click();
        QCOMPARE(m_messages.log, QStringList{"ask Data is changed.\nDo you want to save the changes?"});
        QVERIFY(m_form->Changed());

        m_messages.log.clear();
        m_messages.answers = {QMessageBox::No};
        m_form->Read1Click();
        QCOMPARE(m_messages.log,
                 QStringList({"ask Data is changed.\nDo you want to save the changes?", "modal TReadForm"}));
        // The read did not complete: nothing changed, the caption included
        // (a complete read is in tst_dataexchange).
        QVERIFY(m_form->Changed());
        QCOMPARE(m_form->windowTitle(), QStringLiteral("QXP-R46 [Untitled]"));
        QCOMPARE(m_form->DocumentName(), QStringLiteral("Untitled"));

        // An unnamed document has no file to write to.
        m_messages.log.clear();
        m_form->Save1Click();
        QCOMPARE(m_messages.log, QStringList{"save Untitled"});
    }

    void writeCommand_data()
    {
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("preview"); // 写入前备份并预览
        QTest::addColumn<QStringList>("log");
        const QString question =
            QStringLiteral("ask Do you want to write the data to the radio?\n"
                           "For DTMF memory channels you do not program with DTMF codes using the QXP-R46,\n"
                           "the contents of the channels on the radio will remain unchanged.");
        QTest::newRow("invalid port") << false << 0 << true
                                      << QStringList{"warning COM port is invalid.\nPlease check and try again."};
        QTest::newRow("no") << true << int(QMessageBox::No) << true << QStringList{question};
        QTest::newRow("yes") << true << int(QMessageBox::Yes) << false << QStringList{question, "modal TWriteForm"};
        // The radio is read and kept first; a read that does not finish
        // writes nothing.
        QTest::newRow("yes, preview first")
            << true << int(QMessageBox::Yes) << true << QStringList{question, "modal BeforeWriteReadForm"};
    }

    void writeCommand()
    {
        QFETCH(bool, valid);
        QFETCH(int, answer);
        QFETCH(bool, preview);
        QFETCH(QStringList, log);
        m_form->SetPortChecker([&](const QString&) { return valid; });
        m_form->WritePlan().SetPreviewBeforeWrite(preview);
        m_messages.answers = {QMessageBox::StandardButton(answer)};
        m_form->Write1Click();
        QCOMPARE(m_messages.log, log);
        if (valid)
            QCOMPARE(m_messages.lastButtons, QMessageBox::Yes | QMessageBox::No);
    }

    void afterReadUpdateRemembersTheRadio()
    {
        Change(*m_form, [](ChannelDocument& doc) {
            doc.StoreRadioType("0,1,00,0,0,1,2");
            doc.StoreBandLimits("00136,00173,00300,00399,00410,00469,00800,00999");
            doc.ClearDocument();
        });
        m_form->AfterReadUpdate();
        QCOMPARE(Column(m_form->Grid(2), 1), QStringList({"144MHz", "300MHz", "430MHz", "800MHz"}));
        QCOMPARE(Column(m_form->Grid(2), 2), QStringList({"144.000", "340.000", "430.000", "860.000"}));
        QCOMPARE(Column(m_form->Grid(3), 1), QStringList({"144MHz", "430MHz"}));
        QSettings store(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46"));
        QCOMPARE(store.value("Type").toString(), QStringLiteral("0,1,00,0,0,1,2"));
        QCOMPARE(store.value("Limit0").toString(), QString());
        QCOMPARE(store.value("Limit2").toString(), QStringLiteral("00300,00399"));
        QCOMPARE(store.value("Limit4").toString(), QStringLiteral("00800,00999"));
    }

    void aFailedReadStillFollowsTheRadiosBands_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QStringList>("vfoBands");
        QTest::addColumn<QStringList>("vfoFrequencies");
        QTest::addColumn<QStringList>("callFrequencies");
        QTest::newRow("other bands") << "0,1,00,0,0,1,2" << QStringList({"144MHz", "300MHz", "430MHz", "800MHz"})
                                     << QStringList({"144.000", "340.000", "430.000", "860.000"})
                                     << QStringList({"144.000", "430.000"});
        QTest::newRow("bands without defaults") << "0,9,00,1,1,," << QStringList({"118MHz", "144MHz", "430MHz"})
                                                << QStringList({"118.000", "", ""}) << QStringList({"", ""});
    }

    void aFailedReadStillFollowsTheRadiosBands()
    {
        QFETCH(QString, type);
        QFETCH(QStringList, vfoBands);
        QFETCH(QStringList, vfoFrequencies);
        QFETCH(QStringList, callFrequencies);
        // The read stores the radio's type, clears the document, then times
        // out: no after-read update runs.
        m_messages.onModal = [&](QDialog&) {
            ChannelDocument& doc = m_form->Session().BeginLongChange();
            doc.StoreRadioType(type.toStdString());
            doc.ClearDocument();
            m_form->Session().EndLongChange(QString(), true);
            return int(QDialog::Rejected);
        };
        m_form->Read1Click();
        QCOMPARE(m_messages.log, QStringList{"modal TReadForm"});
        QCOMPARE(Column(m_form->Grid(2), 1), vfoBands);
        QCOMPARE(Column(m_form->Grid(2), 2), vfoFrequencies);
        QCOMPARE(Column(m_form->Grid(3), 2), callFrequencies);
    }

    void clickOnTheCurrentRowRereadsTheClipboard_data()
    {
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("row");
        QTest::newRow("VFO, 144MHz") << 2 << 2;
        QTest::newRow("CALL, 144MHz") << 3 << 1;
    }

    void clickOnTheCurrentRowRereadsTheClipboard()
    {
        QFETCH(int, grid);
        QFETCH(int, row);
        auto copyChannel = [](const QByteArray& frequency) {
            auto* data = new QMimeData;
            data->setData(TMainForm::ClipboardFormat(),
                          "000\t" + frequency + "\t5\t0\t0\t0\t0\t\t09\t\t09\t000600000\t0\t\t\t\t\t");
            QGuiApplication::clipboard()->setMimeData(data);
        };
        copyChannel("00435000000"); // fits neither row
        ShowActive();
        TStringGrid* target = m_form->Grid(grid);
        target->SetRow(row);
        target->setFocus();
        QTRY_COMPARE(m_form->ActiveGrid(), grid);
        QAction* paste = m_form->findChild<QAction*>(QStringLiteral("Paste1"));
        QVERIFY(!paste->isEnabled());

        copyChannel("00145000000"); // meanwhile, in another copy of the program
        const int h = target->DefaultRowHeight();
        QTest::mouseClick(target->viewport(), Qt::LeftButton, {}, QPoint(30, (row - 1) * h + h / 2));
        QCOMPARE(target->Row(), row);
        QVERIFY(paste->isEnabled());
    }

    void vfoRowsStayWithTheirBand()
    {
        // A radio type without defaults for its variant leaves VFO slots
        // empty; a later band's frequency must not move up into their rows.
        Change(*m_form, [](ChannelDocument& doc) {
            doc.StoreRadioType("0,9,00,1,1,,");
            doc.ClearDocument();
            doc.StoreVfo(3, "6,00435000000,6,0,0,0,0,,09,,09,005000000,,,,,0,");
        });
        m_messages.answers = {QMessageBox::No};
        m_form->New1Click();
        Change(*m_form,
               [](ChannelDocument& doc) { doc.StoreVfo(3, "6,00435000000,6,0,0,0,0,,09,,09,005000000,,,,,0,"); });
        QCOMPARE(Column(m_form->Grid(2), 1), QStringList({"118MHz", "144MHz", "430MHz"}));
        QCOMPARE(Column(m_form->Grid(2), 2), QStringList({"118.000", "", "435.000"}));
    }

    void editCommandsAtStartFollowTheMemoryGrid()
    {
        // The memory grid is active and nothing of ours is on the clipboard.
        for (const char* name : {"Cut1", "Copy1", "Delete1", "Print1", "Cut2", "Delete2", "Copy2", "Copy3"})
            QVERIFY2(m_form->findChild<QAction*>(QLatin1String(name))->isEnabled(), name);
        for (const char* name : {"Paste1", "Paste2", "Paste3"})
            QVERIFY2(!m_form->findChild<QAction*>(QLatin1String(name))->isEnabled(), name);
        QVERIFY(m_form->findChild<QToolButton*>("SpeedButton9")->isEnabled());
        QVERIFY(!m_form->findChild<QToolButton*>("SpeedButton3")->isEnabled());
    }

    void menusAndShortcuts()
    {
        struct Item {
            const char* name;
            const char* text;
            QKeySequence keys;
        };
        const Item items[] = {
            {"New1", "新建", QKeySequence(Qt::CTRL | Qt::Key_N)},
            {"Open1", "打开", QKeySequence(Qt::CTRL | Qt::Key_O)},
            {"Save1", "保存", QKeySequence(Qt::CTRL | Qt::Key_S)},
            {"Save2", "另存为...", QKeySequence()},
            {"Print1", "打印...", QKeySequence()},
            {"Exit1", "退出", QKeySequence()},
            {"Read1", "读取", QKeySequence(Qt::CTRL | Qt::Key_R)},
            {"Write1", "写入", QKeySequence(Qt::CTRL | Qt::Key_W)},
            {"Com1_Mnu", "使用端口Com1", QKeySequence()},
            {"Com2_Mnu", "使用端口Com2", QKeySequence()},
            {"Undo1", "撤销", QKeySequence(Qt::CTRL | Qt::Key_Z)},
            {"Redo1", "重做", QKeySequence(Qt::CTRL | Qt::Key_Y)},
            {"Cut1", "剪切", QKeySequence(Qt::CTRL | Qt::Key_X)},
            {"Copy1", "复制", QKeySequence(Qt::CTRL | Qt::Key_C)},
            {"Paste1", "粘贴", QKeySequence(Qt::CTRL | Qt::Key_V)},
            {"Delete1", "删除", QKeySequence(Qt::CTRL | Qt::Key_Delete)},
            {"InsertRow1", "插入空行", QKeySequence()},
            {"DeleteShift1", "删除并上移", QKeySequence()},
            {"Help2", "帮助主题", QKeySequence()},
            {"About1", "关于...", QKeySequence()},
        };
        for (const Item& item : items) {
            const QAction* action = m_form->findChild<QAction*>(QLatin1String(item.name));
            QVERIFY2(action, item.name);
            QCOMPARE(action->text(), QString::fromUtf8(item.text));
            QCOMPARE(action->shortcut(), item.keys);
        }
        QStringList titles;
        for (const QAction* menu : m_form->menuBar()->actions())
            titles << menu->text();
        QCOMPARE(titles, QStringList({"文件", "设备", "编辑", "帮助"}));
        QStringList popup1, popup2;
        for (const QAction* a : m_form->findChild<QMenu*>("PopupMenu1")->actions())
            popup1 << a->text();
        for (const QAction* a : m_form->findChild<QMenu*>("PopupMenu2")->actions())
            popup2 << a->text();
        QCOMPARE(popup1, QStringList({"剪切", "复制", "粘贴", "删除", "", "插入空行", "删除并上移"}));
        const QList<QKeySequence> redoKeys = {QKeySequence(Qt::CTRL | Qt::Key_Y),
                                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
        QCOMPARE(m_form->findChild<QAction*>("Redo1")->shortcuts(), redoKeys);
        QStringList edit;
        for (const QAction* a : m_form->findChild<QMenu*>("Edit1")->actions())
            edit << a->text();
        QCOMPARE(edit.mid(0, 3), QStringList({"撤销", "重做", ""}));
        QCOMPARE(popup2, QStringList({"复制", "粘贴"}));
    }
};

QXP_GUI_TEST_MAIN(TestMainFormGrids)
#include "tst_mainform_grids.moc"
