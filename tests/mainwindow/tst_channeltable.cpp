// The channel table beside the main window: cells typed in, one value set on
// many rows, sorting, the search box, the row commands, undo, and what the
// window remembers.
#include "channelcells.h"
#include "datafile.h"
#include "document/channeltablefilter.h"
#include "document/channeltablemodel.h"
#include "fakemessageservice.h"
#include "guitestmain.h"
#include "recordtext.h"
#include "tchanneltableform.h"
#include "tmainform.h"
#include "tstringgrid.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
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
