// Start-up: the splash and its hand-over to the main window, the end of the
// program, the About box and the help window.
#include "appwindows.h"
#include "fakemessageservice.h"
#include "guitestmain.h"
#include "taboutbox.h"
#include "thelpviewer.h"
#include "tmainform.h"
#include "tstringgrid.h"
#include "twelcome.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTimer>

#include <memory>

class TestStartup : public QObject
{
    Q_OBJECT

private:
    FakeMessageService m_messages;

private slots:
    void init()
    {
        GuiTest::ClearStore();
        m_messages = FakeMessageService();
    }

    void splashAloneForThreeSeconds()
    {
        AppWindows windows(m_messages, {QStringLiteral(QXP_TEST_DATA "/sample.46")});
        TWelcome& splash = windows.Welcome();
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));

        QCOMPARE(splash.windowTitle(), QStringLiteral("欢迎"));
        QCOMPARE(splash.size(), QSize(322, 139));
        QCOMPARE(splash.palette().color(QPalette::Window), QColor(Qt::black));
        const auto* picture = splash.findChild<QLabel*>("Image1");
        QCOMPARE(picture->pixmap().size(), QSize(283, 50));
        QCOMPARE(picture->geometry().center().x(), 322 / 2 - 1);
        for (const char* name : {"Label1", "Label2"}) {
            const auto* line = splash.findChild<QLabel*>(name);
            QVERIFY(line->font().bold());
            QCOMPARE(line->font().pixelSize(), 16);
            QCOMPARE(line->palette().color(QPalette::WindowText), QColor(Qt::white));
        }
        QCOMPARE(splash.findChild<QLabel*>("Label2")->text(), QStringLiteral("QZ-R46记忆控制程序"));
        const QTimer* timer = splash.findChild<QTimer*>("Timer1");
        QCOMPARE(timer->interval(), 3000);
        QVERIFY(timer->isActive());

        // The main window has done its start-up work but is not shown, and
        // the file named on the command line waits for it.
        QTest::qWait(50);
        QVERIFY(!windows.MainForm().isVisible());
        QCOMPARE(windows.MainForm().DocumentName(), QStringLiteral("Untitled"));
        QSettings store(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46"));
        QCOMPARE(store.value("Type").toString(), QStringLiteral("0,2,00,1,1,,"));

        splash.Timer1Timer();
        QVERIFY(!timer->isActive());
        QVERIFY(!splash.isVisible());
        QVERIFY(windows.MainForm().isVisible());
        QTRY_COMPARE(windows.MainForm().DocumentName(), QStringLiteral(QXP_TEST_DATA "/sample.46"));
        QCOMPARE(windows.MainForm().Grid(1)->Cell(2, 1), QStringLiteral("145.500"));
    }

    void closingTheSplashEarlyEndsTheProgram()
    {
        AppWindows windows(m_messages, {});
        QSignalSpy ended(&windows.Welcome(), &TWelcome::Closed);
        windows.Welcome().show();
        QVERIFY(windows.Welcome().close());
        QCOMPARE(ended.count(), 1);
        QVERIFY(!windows.Welcome().findChild<QTimer*>("Timer1")->isActive());
        QVERIFY(!windows.MainForm().isVisible());
    }

    void closingTheMainWindowEndsTheProgram()
    {
        AppWindows windows(m_messages, {});
        QSignalSpy ended(&windows.Welcome(), &TWelcome::Closed);
        windows.Welcome().show();
        windows.Welcome().Timer1Timer();
        windows.MainForm().Session().Edit(QString(), [](ChannelDocument& doc) { doc.SetComment("edited"); });

        m_messages.answers = {QMessageBox::Cancel};
        windows.MainForm().close();
        QCOMPARE(ended.count(), 0);
        QVERIFY(windows.MainForm().isVisible());

        m_messages.answers = {QMessageBox::No};
        windows.MainForm().close();
        QCOMPARE(ended.count(), 1);
    }

    // The simulated radio for this run only: not a file to open, and not
    // stored; the chosen port's item says where it leads.
    void simulatedRadioForThisRun()
    {
        AppWindows windows(m_messages, {QStringLiteral("--simulated-radio")});
        windows.Welcome().show();
        windows.Welcome().Timer1Timer();
        QTest::qWait(50);
        QCOMPARE(m_messages.log, QStringList());
        QCOMPARE(windows.MainForm().DocumentName(), QStringLiteral("Untitled"));
        QCOMPARE(windows.MainForm().findChild<QAction*>("Com1_Mnu")->toolTip(),
                 QStringLiteral("COM1 = the built-in simulated radio, for this run"));
        QSettings store(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46"));
        QVERIFY(!store.contains(QStringLiteral("Ports/COM1")));
    }

    void aboutBox()
    {
        AppWindows windows(m_messages, {});
        TAboutBox& about = windows.AboutBox();
        QCOMPARE(about.windowTitle(), QStringLiteral("About QXP-R46"));
        QCOMPARE(about.size(), QSize(298, 164));
        QCOMPARE(about.findChild<QLabel*>("ProductName")->text(), QStringLiteral("QZ-R46频率写码程序"));
        QCOMPARE(about.findChild<QLabel*>("Version")->text(), QStringLiteral("版本：2.00"));
        QCOMPARE(about.findChild<QLabel*>("ProgramIcon")->pixmap().size(), QSize(32, 32));
        const auto* ok = about.findChild<QPushButton*>("OKButton");
        QCOMPARE(ok->text(), QStringLiteral("确定"));
        QVERIFY(ok->isDefault());

        // Shown modally as often as asked; OK closes it with Accepted.
        int results = 0;
        m_messages.onModal = [&](QDialog& dialog) {
            QTimer::singleShot(0, dialog.findChild<QPushButton*>("OKButton"), &QPushButton::click);
            results += dialog.exec() == QDialog::Accepted ? 1 : 0;
            return dialog.result();
        };
        QAction* item = windows.MainForm().findChild<QAction*>("About1");
        item->trigger();
        item->trigger();
        QCOMPARE(m_messages.log, QStringList({"modal TAboutBox", "modal TAboutBox"}));
        QCOMPARE(results, 2);
    }

    void helpOpensOnItsContents()
    {
        AppWindows windows(m_messages, {});
        windows.MainForm().findChild<QAction*>("Help2")->trigger();
        auto* viewer = windows.MainForm().findChild<THelpViewer*>();
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QTextBrowser* browser = viewer->Browser();
        QCOMPARE(browser->source().fileName(), QStringLiteral("index.html"));
        const QString text = browser->toPlainText();
        QVERIFY(text.contains(QStringLiteral("目录")));
        for (const char* topic :
             {"从电台读取", "编辑频道", "写入电台", "剪切、复制、粘贴", "打印", "选择串口", "qz-r46-sim"})
            QVERIFY2(text.contains(QString::fromUtf8(topic)), topic);
        // The look both pages share comes from their style sheet beside them.
        QTextBlock block = browser->document()->begin();
        while (block.isValid() && block.blockFormat().headingLevel() != 1)
            block = block.next();
        QVERIFY(block.isValid());
        QCOMPARE(QTextCursor(block).charFormat().foreground().color(), QColor(0x1a, 0x3a, 0x78));
        // and the body font from the page, for its language's script.
        const QStringList families = QTextCursor(block.next()).charFormat().fontFamilies().toStringList();
        QVERIFY2(families.startsWith(QStringLiteral("Noto Sans CJK SC")), qPrintable(families.join(',')));

        // Browsing away and asking again brings the contents back.
        browser->setSource(QUrl(QStringLiteral("#write")));
        windows.MainForm().findChild<QAction*>("Help2")->trigger();
        QVERIFY(browser->source().fragment().isEmpty());
        QCOMPARE(windows.MainForm().findChildren<THelpViewer*>().size(), 1);
    }

    void helpLinksAllLand_data()
    {
        QTest::addColumn<QString>("page");
        QTest::newRow("Chinese") << QStringLiteral("index.html");
        QTest::newRow("English") << QStringLiteral("index_en.html");
    }

    void helpLinksAllLand()
    {
        QFETCH(QString, page);
        THelpViewer viewer;
        viewer.ShowContents();
        const QString html = viewer.Browser()->toHtml();
        QFile source(QStringLiteral(":/help/") + page);
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(source.readAll());
        QSet<QString> anchors;
        for (const auto& m : QRegularExpression(QStringLiteral("<a name=\"([^\"]+)\"")).globalMatch(text))
            anchors << m.captured(1);
        int links = 0;
        for (const auto& m : QRegularExpression(QStringLiteral("<a href=\"#([^\"]+)\"")).globalMatch(text)) {
            QVERIFY2(anchors.contains(m.captured(1)), qPrintable(m.captured(1)));
            ++links;
        }
        QVERIFY(links >= 10);
        QVERIFY(!html.isEmpty());

        // Each page translates the Chinese one, section for section.
        QFile chinese(QStringLiteral(":/help/index.html"));
        QVERIFY(chinese.open(QIODevice::ReadOnly));
        QSet<QString> chineseAnchors;
        for (const auto& m : QRegularExpression(QStringLiteral("<a name=\"([^\"]+)\""))
                                 .globalMatch(QString::fromUtf8(chinese.readAll())))
            chineseAnchors << m.captured(1);
        QCOMPARE(anchors, chineseAnchors);
    }
};

QXP_GUI_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
