#include "editortest.h"
#include "tvfo.h"

using namespace EditorTest;

class TestTVFO : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_host = std::make_unique<FakeDocumentHost>();
        m_dialog = std::make_unique<TVFO>(*m_host);
    }
    void cleanup()
    {
        m_dialog.reset();
        m_host.reset();
    }

    void selectorListsTheRadiosBands_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("band");
        QTest::addColumn<bool>("power");
        QTest::newRow("default radio, 144")
            << "0,2,00,1,1,," << 2 << QStringList{"118MHz", "144MHz", "440MHz"} << 1 << true;
        QTest::newRow("default radio, 118")
            << "0,2,00,1,1,," << 1 << QStringList{"118MHz", "144MHz", "440MHz"} << 0 << false;
        QTest::newRow("two bands") << "0,1,00,1,0,0,0" << 2 << QStringList{"144MHz", "430MHz"} << 3 << true;
        QTest::newRow("with 800") << "0,1,00,1,0,0,2" << 3 << QStringList{"144MHz", "430MHz", "800MHz"} << 4 << false;
    }
    void selectorListsTheRadiosBands()
    {
        QFETCH(QString, type);
        QFETCH(int, row);
        QFETCH(QStringList, items);
        QFETCH(int, band);
        QFETCH(bool, power);
        m_host->doc.StoreRadioType(type.toStdString());
        m_host->doc.ClearDocument();
        m_host->rows[2] = row;
        Open(*m_dialog);
        auto* list = Child<QComboBox>(*m_dialog, "ComboBox5");
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->itemText(i);
        QCOMPARE(shown, items);
        QCOMPARE(list->currentIndex(), row - 1);
        QCOMPARE(m_dialog->Band(), band);
        QCOMPARE(Child<QComboBox>(*m_dialog, "ComboBox4")->isEnabled(), power);
        QCOMPARE(Child<QLabel>(*m_dialog, "Label6")->isEnabled(), power);
    }

    void storeClampsIntoTheEditedBand()
    {
        m_host->rows[2] = 2;
        Open(*m_dialog);
        Type(*m_dialog, "Edit1", QStringLiteral("430.000"));
        Child<QComboBox>(*m_dialog, "ComboBox4")->setCurrentIndex(2);
        Click(*m_dialog, "Button2");
        QCOMPARE(m_host->doc.Record(RecordKind::Vfo, 1),
                 std::string_view("2,00173995000,0,0,0,0,0,,09,,09,000600000,,,,,3,"));
        QCOMPARE(m_host->messages.log, QStringList{kRounded});
        QCOMPARE(Child<QLineEdit>(*m_dialog, "Edit1")->text(), QStringLiteral("173.995"));
        QVERIFY(m_host->Changed());
        QVERIFY(!m_dialog->isVisible());
    }

    void enterFitsToTheBand()
    {
        m_host->rows[2] = 1;
        Open(*m_dialog);
        Type(*m_dialog, "Edit1", QStringLiteral("145"));
        Key(*m_dialog, "Edit1", Qt::Key_Enter);
        QCOMPARE(Child<QLineEdit>(*m_dialog, "Edit1")->text(), QStringLiteral("135.9875"));
        QCOMPARE(m_host->messages.log, QStringList{kRounded});
        QVERIFY(m_dialog->IsModified());
        QVERIFY(!m_host->Changed());
    }

    void pageUpAsksTwice_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("band");
        QTest::addColumn<bool>("stored");
        QTest::newRow("No, No: lost") << Answers({false, false}) << 2 << 3 << false;
        QTest::newRow("Yes") << Answers({true}) << 1 << 3 << true;
        QTest::newRow("No, Yes") << Answers({false, true}) << 2 << 3 << true;
    }
    void pageUpAsksTwice()
    {
        QFETCH(QStringList, answers);
        QFETCH(int, asked);
        QFETCH(int, band);
        QFETCH(bool, stored);
        m_host->rows[2] = 2;
        Open(*m_dialog);
        const std::string before = m_host->Whole();
        Type(*m_dialog, "Edit2", QStringLiteral("1.2"));
        Script(*m_host, answers);
        Key(*m_dialog, "Edit2", Qt::Key_PageUp);
        QCOMPARE(m_host->messages.log.count(kAsk), asked);
        QCOMPARE(m_dialog->Band(), band);
        QCOMPARE(Child<QComboBox>(*m_dialog, "ComboBox5")->currentText(), QStringLiteral("440MHz"));
        QCOMPARE(m_host->doc.GetField(RecordKind::Vfo, 1, 11), stored ? std::string("001200000") : "000600000");
        QCOMPARE(m_host->history.count(), stored ? 1 : 0);
        m_host->history.undo();
        QCOMPARE(m_host->Whole(), before);
    }

    void bandsWithoutPowerStoreNone()
    {
        m_host->rows[2] = 1;
        Open(*m_dialog);
        Click(*m_dialog, "Button2");
        QCOMPARE(m_host->doc.Record(RecordKind::Vfo, 0),
                 std::string_view("1,00118000000,3,0,0,0,0,,09,,09,000600000,,,,,,"));
    }

private:
    std::unique_ptr<FakeDocumentHost> m_host;
    std::unique_ptr<TVFO> m_dialog;
};

QXP_GUI_TEST_MAIN(TestTVFO)
#include "tst_tvfo.moc"
