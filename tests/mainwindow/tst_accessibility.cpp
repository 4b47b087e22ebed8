// What a screen reader finds: every control a user can reach with the
// keyboard has a name, in every window of the program, and the grids' cells
// say which channel and which column they belong to. Read through Qt's
// accessibility interface, as assistive technology reads it.
#include "appwindows.h"
#include "channeldocument.h"
#include "fakemessageservice.h"
#include "guitestmain.h"
#include "tmainform.h"
#include "tstringgrid.h"
#include "writepreviewdialog.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QMainWindow>
#include <QMenu>
#include <QTableView>

namespace {

// The window's controls that take keyboard focus and have no accessible
// name: "<window>: <class>/<object name>". The line edit inside a combo
// box or spin box is read as part of its owner and is left out.
QStringList Nameless(QWidget& window)
{
    QStringList found;
    QList<QWidget*> widgets{&window};
    widgets += window.findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (w != &window && w->window() != &window)
            continue; // a window of its own, walked by itself
        if (w->focusPolicy() == Qt::NoFocus || qobject_cast<QMenu*>(w))
            continue;
        if (qobject_cast<QComboBox*>(w->parentWidget()) || qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
            continue;
        // A table's viewport and its scroll bars are read through the table.
        if (qobject_cast<QAbstractScrollArea*>(w->parentWidget() ? w->parentWidget()->parentWidget() : nullptr) &&
            !qobject_cast<QAbstractScrollArea*>(w))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
            found << window.objectName() + QStringLiteral(": ") + QLatin1String(w->metaObject()->className()) +
                         QLatin1Char('/') + w->objectName();
    }
    return found;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private:
    FakeMessageService m_messages;

private slots:
    void init() { GuiTest::ClearStore(); }

    void everyFocusableControlHasAName()
    {
        AppWindows windows(m_messages, {QStringLiteral(QXP_TEST_DATA "/sample.46")});
        TMainForm& form = windows.MainForm();
        form.findChild<QAction*>(QStringLiteral("ChannelTable1"))->trigger();
        form.findChild<QAction*>(QStringLiteral("Help2"))->trigger();
        QList<QWidget*> toWalk{&form};
        // The pop-up lists of combo boxes are read through their boxes.
        for (QWidget* w : form.findChildren<QWidget*>())
            if (w->isWindow() && !qobject_cast<QMenu*>(w) && !qobject_cast<QComboBox*>(w->parentWidget()))
                toWalk << w;
        QVERIFY2(toWalk.size() >= 11, "the editors, transfer dialogs, port set-up, About, table and help");
        // The preview before a write is made for each write; one with a
        // change of every kind.
        ChannelDocument radio;
        radio.ClearDocument();
        ChannelDocument file = radio;
        file.StoreMemory(0, "000,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,NEW");
        file.StoreDtmf(1, "01,123");
        file.SetComment("comment");
        WritePreviewDialog preview(WritePreview::Build(file, radio), QStringLiteral("backup.46"), &form);
        toWalk << &preview;
        QStringList nameless;
        for (QWidget* window : toWalk)
            nameless += Nameless(*window);
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QLatin1Char('\n'))));
    }

    void gridCellsSayTheirRowAndColumn()
    {
        AppWindows windows(m_messages, {QStringLiteral(QXP_TEST_DATA "/sample.46")});
        TMainForm& form = windows.MainForm();
        form.show();
        QTRY_VERIFY(!form.Grid(1)->Cell(2, 1).isEmpty());
        form.findChild<QAction*>(QStringLiteral("ChannelTable1"))->trigger();
        auto* table = form.findChild<QTableView*>(QStringLiteral("ChannelTable1"));
        QVERIFY(table);

        struct Case {
            QAbstractItemView* view;
            int row, column;
            QString spoken;
        };
        const QString tableTitle = table->model()->headerData(1, Qt::Horizontal).toString();
        const Case cases[] = {
            {form.Grid(1), 0, 1, QStringLiteral("000")},
            {form.Grid(1), 0, 2, QStringLiteral("000, RX Frequency: ") + form.Grid(1)->Cell(2, 1)},
            {table, 0, 1,
             QStringLiteral("000, ") + tableTitle + QStringLiteral(": ") +
                 table->model()->index(0, 1).data().toString()},
        };
        for (const Case& c : cases) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(c.view);
            QVERIFY(face && face->tableInterface());
            QAccessibleInterface* cell = face->tableInterface()->cellAt(c.row, c.column);
            QVERIFY(cell);
            QCOMPARE(cell->text(QAccessible::Name), c.spoken);
        }
    }
};

QXP_GUI_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
