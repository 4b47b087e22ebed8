// The channel table beside the main window: cells typed in, one value set on
// many rows, sorting, the search box, the row commands, undo, and what the
// window remembers.
#include "channelcells.h"
#include "channeltablefilter.h"
#include "channeltablemodel.h"
#include "datafile.h"
#include "fakemessageservice.h"
#include "guitestmain.h"
#include "recordtext.h"
#include "tchanneltableform.h"
#include "tmainform.h"
#include "tstringgrid.h"
#include "windowplacement.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTableView>

#include <memory>

namespace {

const char* const kType = "0,2,00,1,1,,";

std::string Channel(int slot, const char* rx, const char* name = "")
{
    return RecordText::ChannelLabel(slot) + "," + rx + ",3,0,0,0,0,,09,,09,000600000,0,,,,," + name;
}

} // namespace

class TestChannelTable : public QObject
{
    Q_OBJECT

private:
    FakeMessageService m_messages;
    std::unique_ptr<TMainForm> m_form;

    TChannelTableForm* Open()
    {
        m_form->show();
        m_form->activateWindow();
        if (!QTest::qWaitForWindowActive(m_form.get()))
            qFatal("main window not active");
        QTest::keyClick(m_form.get(), Qt::Key_T, Qt::ControlModifier);
        auto* table = m_form->findChild<TChannelTableForm*>();
        if (!table)
            qFatal("channel table not open");
        // The window a user then works in, as a click on it would make it.
        table->activateWindow();
        if (!QTest::qWaitFor([table] { return QApplication::activeWindow() == table; }))
            qFatal("channel table not active");
        return table;
    }

    void Fill(const std::map<int, std::string>& memory)
    {
        m_form->Session().Edit(QString(), [&](ChannelDocument& doc) {
            for (const auto& [slot, record] : memory)
                doc.StoreMemory(slot, record);
        });
        m_form->History().clear();
    }

    std::string Record(int slot) const { return std::string(m_form->Document().Record(RecordKind::Memory, slot)); }

    static QPoint CellCentre(TChannelTableForm& table, int slot, ChannelCells::Column column)
    {
        const auto* filter = static_cast<const ChannelTableFilter*>(table.Table()->model());
        const QModelIndex index = filter->mapFromSource(table.Model().index(slot, static_cast<int>(column)));
        table.Table()->scrollTo(index);
        return table.Table()->visualRect(index).center();
    }

    // A click on the cell, then typing: the first key opens the cell's box,
    // the rest go to the box, and Enter stores.
    static void TypeInto(TChannelTableForm& table, int slot, ChannelCells::Column column, const QString& text)
    {
        QTest::mouseClick(table.Table()->viewport(), Qt::LeftButton, {}, CellCentre(table, slot, column));
        QTest::keyClicks(table.Table(), text.left(1));
        QWidget* box = QApplication::focusWidget();
        QTest::keyClicks(box, text.mid(1));
        QTest::keyClick(box, Qt::Key_Return);
        // The view stores the box's text after the key has been handled.
        QCoreApplication::processEvents();
    }

    // Keys as a person types them, each to whatever has the focus then, `delay`
    // ms apart; Enter at the end when `enter`.
    static void TypeKeys(const QString& text, int delay, bool enter = true)
    {
        // Press and release each go to the focus of their moment: Enter
        // closes the box that took its press.
        auto key = [delay](auto which) {
            QTest::keyPress(QApplication::focusWidget(), which, {}, delay);
            QTest::keyRelease(QApplication::focusWidget(), which);
        };
        for (const QChar c : text)
            key(c.toLatin1());
        if (enter)
            key(Qt::Key_Return);
        QCoreApplication::processEvents();
    }

    static void ClickCell(TChannelTableForm& table, int slot, ChannelCells::Column column)
    {
        QTest::mouseClick(table.Table()->viewport(), Qt::LeftButton, {}, CellCentre(table, slot, column));
    }

    static void SelectRows(TChannelTableForm& table, int first, int last)
    {
        QTest::mouseClick(table.Table()->viewport(), Qt::LeftButton, {},
                          CellCentre(table, first, ChannelCells::Column::Channel));
        QTest::mouseClick(table.Table()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          CellCentre(table, last, ChannelCells::Column::Channel));
    }

private slots:
    void init()
    {
        GuiTest::ClearStore();
        QGuiApplication::clipboard()->clear();
        m_messages = FakeMessageService();
        m_form = std::make_unique<TMainForm>(m_messages);
        m_form->Session().Edit(QString(), [](ChannelDocument& doc) {
            doc.StoreRadioType(kType);
            doc.ClearDocument();
        });
    }

    void cleanup() { m_form.reset(); }

    void opensBesideTheMainWindowAndFollowsItsCaption()
    {
        TChannelTableForm* table = Open();
        QVERIFY(table->isVisible());
        QVERIFY(!table->isModal());
        QVERIFY(table->isWindow());
        QCOMPARE(table->windowTitle(), QStringLiteral("频道表 - ") + m_form->windowTitle());
        QCOMPARE(table->Model().rowCount(), 221);
        QCOMPARE(table->Model().columnCount(), 11);
        QVERIFY(table->minimumSize() != table->maximumSize());
        m_form->Session().SetFileName(QStringLiteral("/tmp/club.46"));
        QCOMPARE(table->windowTitle(), QStringLiteral("频道表 - ") + m_form->windowTitle());
        QVERIFY(table->windowTitle().contains(QLatin1String("club.46")));
    }

    void typingInACell_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored"); // empty: refused, nothing stored
        QTest::addColumn<bool>("reported");
        using C = ChannelCells::Column;
        QTest::newRow("frequency as typed") << 0 << int(C::RxFrequency) << "145.25"
                                            << QString::fromStdString(Channel(0, "00145250000", "RPT")) << false;
        QTest::newRow("frequency rounded, and said so")
            << 0 << int(C::RxFrequency) << "145.2561" << QString::fromStdString(Channel(0, "00145250000", "RPT"))
            << true;
        QTest::newRow("name upper-cased")
            << 0 << int(C::Name) << "club" << QString::fromStdString(Channel(0, "00145000000", "CLUB")) << false;
        QTest::newRow("an empty row becomes a channel")
            << 3 << int(C::RxFrequency) << "145.5"
            << "003,00145500000,0,0,0,0,0,,09,,09,000600000,0,,,,," << false;
        QTest::newRow("two dots refused") << 0 << int(C::RxFrequency) << "145.5.5" << QString() << true;
    }
    void typingInACell()
    {
        QFETCH(int, slot);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(bool, reported);
        Fill({{0, Channel(0, "00145000000", "RPT")}});
        const std::string before = Record(slot);
        TChannelTableForm* table = Open();
        const auto which = static_cast<ChannelCells::Column>(column);
        TypeInto(*table, slot, which, typed);

        const auto* report = table->findChild<QLabel*>(QStringLiteral("Report1"));
        QCOMPARE(!report->text().isEmpty(), reported);
        if (stored.isEmpty()) {
            QCOMPARE(Record(slot), before);
            QVERIFY(table->Model().IsRefused(slot, which));
            QCOMPARE(table->Model().index(slot, column).data().toString(), typed);
            QCOMPARE(m_form->History().count(), 0);
            return;
        }
        QCOMPARE(QString::fromStdString(Record(slot)), stored);
        // The main window's grid follows at once.
        QCOMPARE(m_form->Grid(1)->Cell(2, slot + 1),
                 QString::fromStdString(RecordText::FormatFrequency(RecordText::Field(Record(slot), 1))));
        QCOMPARE(m_form->History().count(), 1);
        QTest::keyClick(table->Table(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Record(slot), before);
    }

    // A click on a row that is already selected, then keys at once or at a
    // person's pace: the keys edit the clicked cell, never another row the
    // view's keyboard search would find.
    void keysTypedAfterAClickEditTheClickedCell_data()
    {
        QTest::addColumn<int>("delay");
        QTest::newRow("at once") << 0;
        QTest::newRow("a person's pace") << 90;
    }
    void keysTypedAfterAClickEditTheClickedCell()
    {
        QFETCH(int, delay);
        using C = ChannelCells::Column;
        Fill({{0, Channel(0, "00145000000", "ALPHA")}, {1, Channel(1, "00146000000", "BRAVO")}});
        TChannelTableForm* table = Open();
        ClickCell(*table, 3, C::RxFrequency);
        TypeKeys(QStringLiteral("145.5"), delay);
        ClickCell(*table, 3, C::Name);
        TypeKeys(QStringLiteral("bob"), delay);
        ClickCell(*table, 3, C::RxFrequency);
        TypeKeys(QStringLiteral("146.940"), delay);
        QCOMPARE(Record(0), Channel(0, "00145000000", "ALPHA"));
        QCOMPARE(Record(1), Channel(1, "00146000000", "BRAVO"));
        QCOMPARE(ChannelCells::Text(m_form->Document(), 3, C::Name), std::string("BOB"));
        QCOMPARE(ChannelCells::Text(m_form->Document(), 3, C::RxFrequency), std::string("146.940"));
        QCOMPARE(table->Table()->currentIndex().row(), 3);
    }

    // Tab moves along the selected row: the cell the keys go to looks unlike
    // the rest of its row.
    void currentCellStandsOutOfItsRow()
    {
        using C = ChannelCells::Column;
        Fill({{0, Channel(0, "00145000000", "ALPHA")}});
        TChannelTableForm* table = Open();
        ClickCell(*table, 0, C::RxFrequency);
        QTest::keyClick(table->Table(), Qt::Key_Tab);
        QCOMPARE(table->Table()->currentIndex().column(), int(C::Shift));
        const QImage shot = table->Table()->viewport()->grab().toImage();
        auto inside = [&](C column) {
            const QRect cell = table->Table()->visualRect(table->Table()->model()->index(0, int(column)));
            return shot.pixelColor(cell.left() + 4, cell.top() + 3);
        };
        QVERIFY(inside(C::Shift) != inside(C::Offset));
        QCOMPARE(inside(C::Offset), inside(C::Step)); // the rest of the row alike
    }

    // A list cell stays open while its entry is typed, and stores the entry
    // the text names when the typing ends.
    void listCellsTakeTypedEntries_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored"); // empty: refused
        QTest::addColumn<int>("finish");     // the key that ends the typing; 0: a click on another row
        using C = ChannelCells::Column;
        QTest::newRow("tone") << int(C::Tone) << "123.0"
                              << "123.0Hz" << int(Qt::Key_Return);
        QTest::newRow("tone by its first digits") << int(C::Tone) << "123"
                                                  << "123.0Hz" << int(Qt::Key_Return);
        QTest::newRow("tone, then Tab") << int(C::Tone) << "131.8"
                                        << "131.8Hz" << int(Qt::Key_Tab);
        QTest::newRow("CTCSS, then a click away") << int(C::Ctcss) << "88.5"
                                                  << "88.5Hz" << 0;
        QTest::newRow("step") << int(C::Step) << "12"
                              << "12.5kHz" << int(Qt::Key_Return);
        QTest::newRow("shift") << int(C::Shift) << "split"
                               << "Split" << int(Qt::Key_Return);
        QTest::newRow("no such tone") << int(C::Tone) << "999" << QString() << int(Qt::Key_Return);
    }
    void listCellsTakeTypedEntries()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(int, finish);
        const auto which = static_cast<ChannelCells::Column>(column);
        Fill({{0, Channel(0, "00145000000", "ALPHA")}});
        const std::string before = Record(0);
        TChannelTableForm* table = Open();
        ClickCell(*table, 0, which);
        TypeKeys(typed, 150, false);
        QCOMPARE(Record(0), before); // nothing stored while typing
        if (finish)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(finish));
        else
            ClickCell(*table, 6, ChannelCells::Column::Name);
        QCoreApplication::processEvents();
        if (stored.isEmpty()) {
            QCOMPARE(Record(0), before);
            QVERIFY(table->Model().IsRefused(0, which));
            return;
        }
        QCOMPARE(QString::fromStdString(ChannelCells::Text(m_form->Document(), 0, which)), stored);
    }

    // Rows pasted with a cell of a selected row current land from that row
    // on, and never as text in a cell.
    void pasteStartsAtTheCurrentRow()
    {
        Fill({{1, Channel(1, "00145500000", "HOME")}, {2, Channel(2, "00433000000", "CLUB")}});
        TChannelTableForm* table = Open();
        SelectRows(*table, 1, 2);
        QTest::keyClick(table->Table(), Qt::Key_C, Qt::ControlModifier);
        SelectRows(*table, 0, 4);
        ClickCell(*table, 3, ChannelCells::Column::RxFrequency);
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(Record(3), Channel(3, "00145500000", "HOME"));
        QCOMPARE(Record(4), Channel(4, "00433000000", "CLUB"));
        QCOMPARE(Record(0), std::string());

        // A block selected from the top with the current row moved up into
        // it, as after a sort: the paste still starts at the current row.
        m_form->History().undo();
        SelectRows(*table, 0, 4);
        QTest::keyClick(table->Table(), Qt::Key_Up, Qt::ShiftModifier);
        QTest::keyClick(table->Table(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Record(3), Channel(3, "00145500000", "HOME"));
        QCOMPARE(Record(0), std::string());
    }

    void setsOneValueOnManyRowsAsOneStep()
    {
        std::map<int, std::string> memory;
        for (int slot = 0; slot < 20; ++slot)
            memory[slot] = Channel(slot, "00145000000");
        memory[20] = "020,00435000000,6,0,0,0,0,,09,,09,005000000,0,,00145000000,6,,SAT";
        Fill(memory);
        TChannelTableForm* table = Open();
        const std::string whole = DataFile::WriteDataFile(m_form->Document());
        SelectRows(*table, 0, 22);

        auto* column = table->findChild<QComboBox*>(QStringLiteral("BulkColumn1"));
        auto* value = table->findChild<QComboBox*>(QStringLiteral("BulkValue1"));
        auto* set = table->findChild<QPushButton*>(QStringLiteral("BulkSet1"));
        column->setCurrentText(QStringLiteral("Tone"));
        value->setCurrentText(QStringLiteral("88.5Hz"));
        QTest::mouseClick(set, Qt::LeftButton);
        for (int slot = 0; slot <= 20; ++slot)
            QCOMPARE(ChannelCells::Text(m_form->Document(), slot, ChannelCells::Column::Tone), std::string("88.5Hz"));
        QCOMPARE(Record(21), std::string()); // empty rows stay empty
        QCOMPARE(m_form->History().count(), 1);
        QCOMPARE(m_messages.log, QStringList());

        // A split channel is never reversed: that row is refused and named.
        column->setCurrentText(QStringLiteral("Reverse"));
        value->setCurrentText(QStringLiteral("On"));
        QTest::mouseClick(set, Qt::LeftButton);
        QCOMPARE(ChannelCells::Text(m_form->Document(), 19, ChannelCells::Column::Reverse), std::string("On"));
        QCOMPARE(ChannelCells::Text(m_form->Document(), 20, ChannelCells::Column::Reverse), std::string("Off"));
        QCOMPARE(m_messages.log.size(), 1);
        QVERIFY(m_messages.log[0].contains(QLatin1String("020: A split channel cannot be reversed.")));
        QCOMPARE(m_form->History().count(), 2);

        m_form->History().undo();
        m_form->History().undo();
        QCOMPARE(DataFile::WriteDataFile(m_form->Document()), whole);
    }

    void sortsABankByFrequencyAsOneStep()
    {
        Fill({{0, Channel(0, "00146000000", "C")},
              {1, Channel(1, "00144000000", "A")},
              {3, Channel(3, "00145000000", "B")},
              {8, Channel(8, "00144000000", "A2")}});
        TChannelTableForm* table = Open();
        const std::string whole = DataFile::WriteDataFile(m_form->Document());
        SelectRows(*table, 0, 3);
        table->findChild<QAction*>(QStringLiteral("TableSortFrequency1"))->trigger();
        QCOMPARE(Record(0), Channel(0, "00144000000", "A"));
        QCOMPARE(Record(1), Channel(1, "00145000000", "B"));
        QCOMPARE(Record(2), std::string());
        QCOMPARE(Record(3), Channel(3, "00146000000", "C"));
        QCOMPARE(Record(8), Channel(8, "00144000000", "A2")); // not selected
        QCOMPARE(m_form->Grid(1)->Cell(3, 1), QStringLiteral("A"));
        QCOMPARE(m_form->History().count(), 1);
        m_form->History().undo();
        QCOMPARE(DataFile::WriteDataFile(m_form->Document()), whole);
    }

    void searchShowsMatchingRows()
    {
        Fill({{0, Channel(0, "00145500000", "HOME")}, {1, Channel(1, "00433000000", "CLUB")}});
        TChannelTableForm* table = Open();
        auto* search = table->findChild<QLineEdit*>(QStringLiteral("Search1"));
        QTest::keyClicks(search, QStringLiteral("home"));
        QCOMPARE(table->Table()->model()->rowCount(), 1);
        search->clear();
        QTest::keyClicks(search, QStringLiteral("433"));
        QCOMPARE(table->Table()->model()->rowCount(), 1);
        QCOMPARE(table->Table()->model()->index(0, 0).data().toString(), QStringLiteral("001"));
        search->clear();
        QCOMPARE(table->Table()->model()->rowCount(), 221);
    }

    void rowsCopiedHerePasteInBothWindows()
    {
        Fill({{0, Channel(0, "00145500000", "HOME")}, {1, Channel(1, "00433000000", "CLUB")}});
        TChannelTableForm* table = Open();
        SelectRows(*table, 0, 1);
        QTest::keyClick(table->Table(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->mimeData()->hasFormat(TMainForm::RowsClipboardFormat()));
        QVERIFY(m_form->findChild<QAction*>(QStringLiteral("Paste1"))->isEnabled());
        QTest::mouseClick(table->Table()->viewport(), Qt::LeftButton, {},
                          CellCentre(*table, 10, ChannelCells::Column::Channel));
        QTest::keyClick(table->Table(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Record(10), Channel(10, "00145500000", "HOME"));
        QCOMPARE(Record(11), Channel(11, "00433000000", "CLUB"));
        QTest::keyClick(table->Table(), Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(Record(11), Channel(11, "00145500000", "HOME"));
        QCOMPARE(m_form->History().count(), 2);
    }

    void fitsIntoTheScreen_data()
    {
        QTest::addColumn<QRect>("wanted");
        QTest::addColumn<QRect>("fitted");
        const QRect screen(0, 0, 800, 500);
        QTest::newRow("fits already") << QRect(10, 20, 300, 200) << QRect(10, 20, 300, 200);
        QTest::newRow("larger than the screen") << QRect(0, 0, 900, 560) << QRect(0, 0, 800, 500);
        QTest::newRow("off the left and top") << QRect(-32767, -32767, 300, 200) << QRect(0, 0, 300, 200);
        QTest::newRow("off the right and bottom") << QRect(790, 490, 300, 200) << QRect(500, 300, 300, 200);
        QTest::newRow("at the ends of int") << QRect(2147483000, 10, 300, 200) << QRect(500, 10, 300, 200);
        QTest::newRow("nothing remembered") << QRect() << QRect(399, 249, 1, 1);
    }
    void fitsIntoTheScreen()
    {
        QFETCH(QRect, wanted);
        QFETCH(QRect, fitted);
        QCOMPARE(WindowPlacement::Fit(wanted, QRect(0, 0, 800, 500)), fitted);
    }

    void opensOnTheScreenWhateverTheSettingsSay()
    {
        QWidget far;
        far.setGeometry(-32767, -32767, 5000, 4000);
        QSettings store(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46"));
        store.setValue(QStringLiteral("ChannelTable/Geometry"), far.saveGeometry());
        store.sync();
        m_form = std::make_unique<TMainForm>(m_messages);
        TChannelTableForm* table = Open();
        const QRect screen = table->screen()->availableGeometry();
        QVERIFY2(screen.contains(table->frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                         .arg(table->frameGeometry().x())
                                                                         .arg(table->frameGeometry().y())
                                                                         .arg(table->width())
                                                                         .arg(table->height())));
    }

    void remembersItsSizeAndColumns()
    {
        TChannelTableForm* table = Open();
        table->resize(640, 420);
        table->Table()->setColumnWidth(int(ChannelCells::Column::Offset), 150);
        table->close();
        m_form = std::make_unique<TMainForm>(m_messages);
        table = Open();
        QCOMPARE(table->size(), QSize(640, 420));
        QCOMPARE(table->Table()->columnWidth(int(ChannelCells::Column::Offset)), 150);
    }
};

QXP_GUI_TEST_MAIN(TestChannelTable)
#include "tst_channeltable.moc"
