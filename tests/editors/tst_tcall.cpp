#include "editortest.h"
#include "tcall.h"

using namespace EditorTest;

class TestTCALL : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_host = std::make_unique<FakeDocumentHost>();
        m_dialog = std::make_unique<TCALL>(*m_host);
    }
    void cleanup()
    {
        m_dialog.reset();
        m_host.reset();
    }

    void opensOnTheGridRowWithTheBandNames()
    {
        m_host->rows[3] = 2;
        Open(*m_dialog);
        auto* list = Child<QComboBox>(*m_dialog, "ComboBox5");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->itemText(0), QStringLiteral("144MHz"));
        QCOMPARE(list->itemText(1), QStringLiteral("440MHz"));
        QCOMPARE(m_dialog->Channel(), 1);
        QCOMPARE(Child<QLineEdit>(*m_dialog, "Edit1")->text(), QStringLiteral("440.000"));
        Key(*m_dialog, "Edit1", Qt::Key_PageUp);
        QCOMPARE(m_dialog->Channel(), 0);
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(Child<QLineEdit>(*m_dialog, "Edit1")->text(), QStringLiteral("144.000"));
    }

    void storeKeepsTheChannelsBand_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("split");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("435 into CALL 0") << 1 << "435.000" << false << "0,00173995000,0,0,0,0,0,,09,,09,000600000,,,,,,"
                                         << QStringList{kRounded};
        QTest::newRow("split CALL 1") << 2 << "" << true
                                      << "1,00440000000,6,0,0,0,0,,09,,09,005000000,,,00145000000,0,," << QStringList{};
    }
    void storeKeepsTheChannelsBand()
    {
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(bool, split);
        QFETCH(QString, record);
        QFETCH(QStringList, log);
        m_host->rows[3] = row;
        Open(*m_dialog);
        if (!typed.isEmpty())
            Type(*m_dialog, "Edit1", typed);
        if (split) {
            Click(*m_dialog, "RadioButton4");
            QVERIFY(Child<QLineEdit>(*m_dialog, "Edit3")->isVisible());
            QVERIFY(!Child<QLineEdit>(*m_dialog, "Edit2")->isVisible());
            Type(*m_dialog, "Edit3", QStringLiteral("145.000"));
            Child<QComboBox>(*m_dialog, "ComboBox4")->setCurrentIndex(0);
        }
        Click(*m_dialog, "Button2");
        const std::string_view stored = m_host->doc.Record(RecordKind::Call, row - 1);
        QCOMPARE(QString::fromLatin1(stored.data(), int(stored.size())), record);
        QCOMPARE(m_host->messages.log, log);
    }

    void callFrequenciesHaveNoLengthLimit()
    {
        Open(*m_dialog);
        Type(*m_dialog, "Edit1", QStringLiteral("0000144.50000"));
        QCOMPARE(Child<QLineEdit>(*m_dialog, "Edit1")->text(), QStringLiteral("0000144.50000"));
        Key(*m_dialog, "Edit1", Qt::Key_Return);
        QCOMPARE(Child<QLineEdit>(*m_dialog, "Edit1")->text(), QStringLiteral("144.500"));
    }

private:
    std::unique_ptr<FakeDocumentHost> m_host;
    std::unique_ptr<TCALL> m_dialog;
};

QXP_GUI_TEST_MAIN(TestTCALL)
#include "tst_tcall.moc"
