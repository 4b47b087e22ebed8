// The whole day's work with the keyboard alone: open a file, read the
// radio, edit a channel, save, write back, each by its key, at a person's
// pace, against the built-in simulated radio. Boxes and file dialogs are
// answered by the fake message service; everything else is keys.
#include "appwindows.h"
#include "channeldocument.h"
#include "datafile.h"
#include "fakemessageservice.h"
#include "guitestmain.h"
#include "recordlayout.h"
#include "tmainform.h"
#include "tstatusbar.h"
#include "tstringgrid.h"

#include <QAction>
#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace {

// A key to whatever has the focus, then a pause as a person would make.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    QVERIFY(target);
    QTest::keyClick(target, key, modifiers);
    QTest::qWait(10);
}

void Type(const QString& text)
{
    for (const QChar c : text) {
        QTest::keyClicks(QApplication::focusWidget(), QString(c));
        QTest::qWait(5);
    }
}

// Tab through the dialog until the named control has the focus.
bool TabTo(const char* name)
{
    for (int i = 0; i < 40; ++i) {
        if (QApplication::focusWidget() && QApplication::focusWidget()->objectName() == QLatin1String(name))
            return true;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return false;
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    FakeMessageService m_messages;
    std::function<void(QDialog&)> m_inDialog; // keys typed into the next modal dialog

private slots:
    void init()
    {
        GuiTest::ClearStore();
        m_messages = FakeMessageService();
        m_messages.onModal = [this](QDialog& dialog) -> int {
            dialog.open();
            // Offscreen, a window opened from a key press is not made the
            // active one by itself.
            QApplication::setActiveWindow(&dialog);
            if (!QTest::qWaitForWindowActive(&dialog))
                qWarning("%s never became active", qPrintable(dialog.objectName()));
            if (auto keys = std::exchange(m_inDialog, {}))
                keys(dialog);
            else if (dialog.objectName() == QLatin1String("WritePreviewDialog"))
                Press(Qt::Key_Return); // the list has the focus; Enter is 写入
            if (dialog.isVisible()) {
                QEventLoop loop;
                connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
                QTimer::singleShot(30000, &loop, &QEventLoop::quit);
                loop.exec();
            }
            // The offscreen platform has no window manager to give the focus
            // back to the window below; do what one would.
            if (QWidget* below = dialog.parentWidget()) {
                QApplication::setActiveWindow(below->window());
                if (!QTest::qWaitForWindowActive(below->window()))
                    qWarning("the window below never came back");
            }
            return dialog.result();
        };
    }

    void openReadEditSaveWriteByKeys()
    {
        const QString opened = m_dir.filePath(QStringLiteral("start.46"));
        const QString saved = m_dir.filePath(QStringLiteral("edited.46"));
        QFile::remove(opened);
        QVERIFY(QFile::copy(QStringLiteral(QXP_TEST_DATA "/sample.46"), opened));
        AppWindows windows(m_messages, {QStringLiteral("--simulated-radio")});
        TMainForm& form = windows.MainForm();
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.Grid(1)->setFocus();
        const TStatusBar& status = *form.StatusBar();

        // F10 opens the first menu; Escape closes it again.
        Press(Qt::Key_F10);
        QMenu* fileMenu = form.findChild<QMenu*>(QStringLiteral("File1"));
        QTRY_VERIFY(fileMenu->isVisible());
        QTest::keyClick(fileMenu, Qt::Key_Escape);
        QTest::keyClick(form.menuBar(), Qt::Key_Escape);
        QTRY_VERIFY(!fileMenu->isVisible());
        form.Grid(1)->setFocus();

        m_messages.fileNames = {opened};
        Press(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(form.DocumentName(), opened);

        Press(Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(m_messages.log, (QStringList{QStringLiteral("open"), QStringLiteral("modal TReadForm")}));
        QCOMPARE(form.windowTitle(), QStringLiteral("QXP-R46 [Radio]"));
        QCOMPARE(status.PanelText(3), QString());

        // Channel 001: a new receive frequency, a name, and Enter in the name
        // box to store it.
        form.Grid(1)->setFocus();
        Press(Qt::Key_Down);
        m_inDialog = [](QDialog&) {
            QVERIFY(TabTo("Edit1"));
            Press(Qt::Key_A, Qt::ControlModifier);
            Type(QStringLiteral("146.52"));
            QVERIFY(TabTo("Edit5"));
            Press(Qt::Key_A, Qt::ControlModifier);
            Type(QStringLiteral("keys"));
            Press(Qt::Key_Return);
        };
        Press(Qt::Key_Return);
        QCOMPARE(m_messages.log.last(), QStringLiteral("modal TMemory"));
        const std::string edited(form.Document().Record(RecordKind::Memory, 1));
        QVERIFY2(edited.find(",00146520000,") != std::string::npos && edited.find(",KEYS") != std::string::npos,
                 edited.c_str());
        QVERIFY(form.Changed());
        QCOMPARE(status.PanelText(3), QStringLiteral("已修改"));
        QCOMPARE(form.windowTitle(), QStringLiteral("QXP-R46 [Radio]"));

        m_messages.fileNames = {saved};
        Press(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(form.DocumentName(), saved);
        QVERIFY(!form.Changed());
        QCOMPARE(status.PanelText(3), QString());

        m_messages.answers = {QMessageBox::Yes};
        m_messages.log.clear();
        Press(Qt::Key_W, Qt::ControlModifier);
        QVERIFY2(m_messages.log.size() >= 2 && m_messages.log.last() == QStringLiteral("modal TWriteForm"),
                 qPrintable(m_messages.log.join(QLatin1Char('|'))));

        // What the radio holds now is what was saved.
        m_messages.log.clear();
        Press(Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(m_messages.log, QStringList{QStringLiteral("modal TReadForm")});
        QCOMPARE(form.windowTitle(), QStringLiteral("QXP-R46 [Radio]")); // the read replaced the saved file
        QCOMPARE(form.Document().Record(RecordKind::Memory, 1), std::string_view(edited));
    }
};

QXP_GUI_TEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
