#include "editortest.h"
#include "tdtmf.h"

using namespace EditorTest;

namespace {
const QString kInvalidCharacter = QStringLiteral("info Invalid character.\nPlease check and try again.");
}

class TestTDTMF : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_host = std::make_unique<FakeDocumentHost>();
        m_dialog = std::make_unique<TDTMF>(*m_host);
    }
    void cleanup()
    {
        m_dialog.reset();
        m_host.reset();
    }

    // `loaded` is the memory's code before the editor opens: what the
    // editor loads is never filtered, only what is typed.
    void typingIsFilteredAndUpperCased_data()
    {
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("complaints");
        QTest::newRow("abcd") << ""
                              << "abcd"
                              << "ABCD" << 0;
        QTest::newRow("keys") << ""
                              << "0123456789*#"
                              << "0123456789*#" << 0;
        QTest::newRow("E") << ""
                           << "1E2"
                           << "12" << 1;
        QTest::newRow("space") << ""
                               << "1 2e"
                               << "12" << 2;
        QTest::newRow("sixteen at most") << ""
                                         << "0123456789ABCD*#0"
                                         << "0123456789ABCD*#" << 0;
        QTest::newRow("loaded code kept") << "12e4"
                                          << ""
                                          << "12e4" << 0;
        QTest::newRow("typed after a loaded code") << "12e4"
                                                   << "a"
                                                   << "12e4A" << 0;
    }
    void typingIsFilteredAndUpperCased()
    {
        QFETCH(QString, loaded);
        QFETCH(QString, typed);
        QFETCH(QString, code);
        QFETCH(int, complaints);
        if (!loaded.isEmpty())
            m_host->doc.StoreDtmf(3, "03," + loaded.toStdString());
        m_host->rows[4] = 4;
        Open(*m_dialog);
        QCOMPARE(m_dialog->Index(), 3);
        QCOMPARE(Child<QComboBox>(*m_dialog, "ComboBox1")->currentText(), QStringLiteral("3"));
        // Type after the loaded code, not over it.
        Child<QLineEdit>(*m_dialog, "Edit1")->end(false);
        QTest::keyClicks(Child<QLineEdit>(*m_dialog, "Edit1"), typed);
        QCOMPARE(Child<QLineEdit>(*m_dialog, "Edit1")->text(), code);
        QCOMPARE(m_host->messages.log.count(kInvalidCharacter), complaints);
        Click(*m_dialog, "Button2");
        QCOMPARE(m_host->doc.Record(RecordKind::Dtmf, 3), ("03," + code).toStdString());
        QVERIFY(!m_dialog->isVisible());
    }

    void okAlwaysMarksChangedCloseOnlyWhenTyped()
    {
        Open(*m_dialog);
        Click(*m_dialog, "Button2");
        QVERIFY(m_host->Changed());
        QCOMPARE(m_host->doc.Record(RecordKind::Dtmf, 0), std::string_view("00,"));
        m_host->history.undo();
        QCOMPARE(m_host->doc.Record(RecordKind::Dtmf, 0), std::string_view());
        QVERIFY(!m_host->Changed());

        init();
        Open(*m_dialog);
        Click(*m_dialog, "Button1");
        QVERIFY(!m_host->Changed());
        QCOMPARE(m_host->messages.log, QStringList{});
        QVERIFY(!m_dialog->isVisible());
    }

    void escAsksWithTheClosingWords_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void escAsksWithTheClosingWords()
    {
        QFETCH(bool, yes);
        Open(*m_dialog);
        QTest::keyClicks(Child<QLineEdit>(*m_dialog, "Edit1"), QStringLiteral("12"));
        Script(*m_host, Answers({yes}));
        Key(*m_dialog, "Edit1", Qt::Key_Escape);
        QCOMPARE(m_host->messages.log, QStringList{kAskClose});
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_host->doc.Record(RecordKind::Dtmf, 0), yes ? std::string_view("00,12") : std::string_view());
    }

    void navigationAsksTwice_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("stored");
        QTest::newRow("No, No: lost") << 3 << int(Qt::Key_PageUp) << Answers({false, false}) << 2 << 4 << false;
        QTest::newRow("Yes") << 3 << int(Qt::Key_PageUp) << Answers({true}) << 1 << 4 << true;
        QTest::newRow("No, Yes") << 3 << int(Qt::Key_PageDown) << Answers({false, true}) << 2 << 2 << true;
        QTest::newRow("9 wraps to 0") << 9 << int(Qt::Key_PageUp) << Answers({true}) << 1 << 0 << true;
        QTest::newRow("0 wraps to 9") << 0 << int(Qt::Key_PageDown) << Answers({true}) << 1 << 9 << true;
        QTest::newRow("Home") << 5 << int(Qt::Key_Home) << Answers({false, false}) << 2 << 0 << false;
        QTest::newRow("End") << 5 << int(Qt::Key_End) << Answers({true}) << 1 << 9 << true;
    }
    void navigationAsksTwice()
    {
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(QStringList, answers);
        QFETCH(int, asked);
        QFETCH(int, index);
        QFETCH(bool, stored);
        m_host->doc.StoreDtmf(index, "0" + std::to_string(index) + ",777");
        m_host->rows[4] = start + 1;
        Open(*m_dialog);
        QTest::keyClicks(Child<QLineEdit>(*m_dialog, "Edit1"), QStringLiteral("#1"));
        Script(*m_host, answers);
        Key(*m_dialog, "Edit1", Qt::Key(key));
        QCOMPARE(m_host->messages.log.count(kAsk), asked);
        QCOMPARE(m_dialog->Index(), index);
        QCOMPARE(Child<QComboBox>(*m_dialog, "ComboBox1")->currentIndex(), index);
        QCOMPARE(Child<QLineEdit>(*m_dialog, "Edit1")->text(), QStringLiteral("777"));
        const std::string left = m_host->doc.GetField(RecordKind::Dtmf, start, 1);
        QCOMPARE(QString::fromStdString(left), stored ? QStringLiteral("#1") : QString());
    }

    void tabOrder()
    {
        Open(*m_dialog);
        QWidget* w = Child<QLineEdit>(*m_dialog, "Edit1");
        QStringList order;
        for (int i = 0; i < 4; ++i) {
            order << w->objectName();
            w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus || !w->isVisible())
                w = w->nextInFocusChain();
        }
        QCOMPARE(order, (QStringList{"Edit1", "Button2", "Button1", "ComboBox1"}));
    }

private:
    std::unique_ptr<FakeDocumentHost> m_host;
    std::unique_ptr<TDTMF> m_dialog;
};

QXP_GUI_TEST_MAIN(TestTDTMF)
#include "tst_tdtmf.moc"
