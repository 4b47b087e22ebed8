#include "editortest.h"
#include "tmemory.h"
#include "typedentrycases.h"

#include <QApplication>
#include <QClipboard>

using namespace EditorTest;

class TestTMemory : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_host = std::make_unique<FakeDocumentHost>();
        m_dialog = std::make_unique<TMemory>(*m_host);
    }
    void cleanup()
    {
        m_dialog.reset();
        m_host.reset();
    }

    void opensOnTheGridRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("lockoutEnabled");
        QTest::newRow("first channel") << 1 << "0" << true;
        QTest::newRow("channel 12") << 13 << "12" << true;
        QTest::newRow("L0") << 201 << "L0" << false;
        QTest::newRow("PR") << 221 << "PR" << false;
        QTest::newRow("title row") << 0 << "0" << true;
    }
    void opensOnTheGridRow()
    {
        QFETCH(int, row);
        QFETCH(QString, number);
        QFETCH(bool, lockoutEnabled);
        m_host->rows[1] = row;
        Open(*m_dialog);
        QCOMPARE(Child<QLineEdit>(*m_dialog, "Edit6")->text(), number);
        QCOMPARE(Child<QCheckBox>(*m_dialog, "CheckBox3")->isEnabled(), lockoutEnabled);
        QCOMPARE(Child<QLineEdit>(*m_dialog, "Edit1")->text(), QStringLiteral("144.000"));
        QVERIFY(Child<QLineEdit>(*m_dialog, "Edit1")->hasFocus());
        QVERIFY(!m_dialog->IsModified());
    }

    void enterFitsWhatWasTyped_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("rx");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("on the step") << "Edit1"
                                     << "144.5" << 0 << "144.500"
                                     << "0.60" << QStringList{};
        QTest::newRow("rounded") << "Edit1"
                                 << "144.5123" << 3 << "144.500"
                                 << "0.60" << QStringList{kRounded};
        QTest::newRow("too low") << "Edit1"
                                 << "14.5" << 0 << "118.000"
                                 << "0.60" << QStringList{kRounded};
        QTest::newRow("two dots") << "Edit1"
                                  << "144.5.0" << 0 << "144.5.0"
                                  << "0.60" << QStringList{kBadFrequency};
        QTest::newRow("offset") << "Edit2"
                                << "35" << 0 << "144.000"
                                << "29.95" << QStringList{};
        QTest::newRow("offset two dots") << "Edit2"
                                         << "0.6.0" << 0 << "144.000"
                                         << "0.6.0" << QStringList{kBadOffset};
        QTest::newRow("filtered keys") << "Edit1"
                                       << "14x5,.6a" << 0 << "145.600"
                                       << "0.60" << QStringList{};
    }
    void enterFitsWhatWasTyped()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(int, step);
        QFETCH(QString, rx);
        QFETCH(QString, offset);
        QFETCH(QStringList, log);
        Open(*m_dialog);
        Child<QComboBox>(*m_dialog, "ComboBox3")->setCurrentIndex(step);
        Type(*m_dialog, box.toLatin1(), typed);
        Key(*m_dialog, box.toLatin1(), Qt::Key_Return);
        QCOMPARE(Child<QLineEdit>(*m_dialog, "Edit1")->text(), rx);
        QCOMPARE(Child<QLineEdit>(*m_dialog, "Edit2")->text(), offset);
        QCOMPARE(m_host->messages.log, log);
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(m_host->doc.Record(RecordKind::Memory, 0), std::string_view{});
        QVERIFY(!m_host->Changed());
    }

    void okStoresTheWholeRecord_data()
    {
        QTest::addColumn<bool>("enterInName");
        QTest::newRow("确定 clicked") << false;
        QTest::newRow("Enter in the name box") << true;
    }

    void okStoresTheWholeRecord()
    {
        QFETCH(bool, enterInName);
        m_host->rows[1] = 13;
        Open(*m_dialog);
        Type(*m_dialog, "Edit1", QStringLiteral("145.5"));
        Child<QComboBox>(*m_dialog, "ComboBox3")->setCurrentIndex(3);
        Click(*m_dialog, "RadioButton3");
        Click(*m_dialog, "CheckBox1");
        Child<QComboBox>(*m_dialog, "ComboBox1")->setCurrentIndex(10);
        Type(*m_dialog, "Edit5", QStringLiteral("rpt/1"));
        Click(*m_dialog, "CheckBox3");
        if (enterInName)
            Key(*m_dialog, "Edit5", Qt::Key_Return);
        else
            Click(*m_dialog, "Button2");
        QCOMPARE(m_host->doc.Record(RecordKind::Memory, 12),
                 std::string_view("012,00145500000,3,2,0,1,0,,12,,09,000600000,1,,,,,RPT/1"));
        QVERIFY(m_host->Changed());
        QVERIFY(m_host->refreshes > 0);
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_host->messages.log, QStringList{});
    }

    void splitLayoutAndToneExclusion()
    {
        Open(*m_dialog);
        Click(*m_dialog, "CheckBox4");
        Click(*m_dialog, "RadioButton4");
        QVERIFY(Child<QLineEdit>(*m_dialog, "Edit3")->isVisible());
        QVERIFY(Child<QComboBox>(*m_dialog, "ComboBox4")->isVisible());
        QVERIFY(!Child<QLineEdit>(*m_dialog, "Edit2")->isVisible());
        QVERIFY(!Child<QCheckBox>(*m_dialog, "CheckBox4")->isChecked());
        QVERIFY(!Child<QCheckBox>(*m_dialog, "CheckBox4")->isEnabled());
        Click(*m_dialog, "CheckBox1");
        QVERIFY(Child<QCheckBox>(*m_dialog, "CheckBox1")->isChecked());
        Click(*m_dialog, "CheckBox2");
        QVERIFY(!Child<QCheckBox>(*m_dialog, "CheckBox1")->isChecked());
        Type(*m_dialog, "Edit3", QStringLiteral("440"));
        Click(*m_dialog, "Button2");
        QCOMPARE(m_host->doc.Record(RecordKind::Memory, 0),
                 std::string_view("000,00144000000,0,0,0,0,1,,09,,09,000600000,0,,00440000000,0,,"));
        m_dialog->show();
        QCoreApplication::processEvents();
        Click(*m_dialog, "RadioButton1");
        QVERIFY(!Child<QLineEdit>(*m_dialog, "Edit3")->isVisible());
        QVERIFY(Child<QLineEdit>(*m_dialog, "Edit2")->isVisible());
        QVERIFY(Child<QCheckBox>(*m_dialog, "CheckBox4")->isEnabled());
    }

    void navigationAsksBeforeLeaving_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("stored");
        QTest::newRow("Page Up, No") << int(Qt::Key_PageUp) << Answers({false}) << "6" << false;
        QTest::newRow("Page Up, Yes") << int(Qt::Key_PageUp) << Answers({true}) << "6" << true;
        QTest::newRow("Page Down, Yes") << int(Qt::Key_PageDown) << Answers({true}) << "4" << true;
        QTest::newRow("End, No") << int(Qt::Key_End) << Answers({false}) << "PR" << false;
        QTest::newRow("Home, Yes") << int(Qt::Key_Home) << Answers({true}) << "0" << true;
    }
    void navigationAsksBeforeLeaving()
    {
        QFETCH(int, key);
        QFETCH(QStringList, answers);
        QFETCH(QString, number);
        QFETCH(bool, stored);
        m_host->rows[1] = 6;
        Open(*m_dialog);
        const std::string before = m_host->Whole();
        Type(*m_dialog, "Edit5", QStringLiteral("NEW"));
        Script(*m_host, answers);
        Key(*m_dialog, "Edit5", Qt::Key(key));
        QCOMPARE(m_host->messages.log, QStringList{kAsk});
        QCOMPARE(Child<QLineEdit>(*m_dialog, "Edit6")->text(), number);
        QCOMPARE(m_host->doc.GetField(RecordKind::Memory, 5, 17), stored ? std::string("NEW") : std::string());
        QVERIFY(!m_dialog->IsModified());
        // A store on the way to another channel is one step of its own.
        QCOMPARE(m_host->history.count(), stored ? 1 : 0);
        const std::string after = m_host->Whole();
        m_host->history.undo();
        QCOMPARE(m_host->Whole(), before);
        m_host->history.redo();
        QCOMPARE(m_host->Whole(), after);
    }

    // The same typing the channel table's cell tests use (typedentrycases.h).
    void typedValuesStoreWhatTheChannelTableStores_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(TypedEntryCases::kCases)); ++i)
            QTest::newRow(TypedEntryCases::kCases[i].what) << i;
    }
    void typedValuesStoreWhatTheChannelTableStores()
    {
        QFETCH(int, index);
        const TypedEntryCases::Case& c = TypedEntryCases::kCases[index];
        m_host->doc.StoreRadioType(c.type);
        m_host->doc.ClearDocument();
        m_host->doc.StoreMemory(TypedEntryCases::kSlot, c.before);
        m_host->rows[1] = TypedEntryCases::kSlot + 1;
        Open(*m_dialog);
        Type(*m_dialog, c.box, QString::fromLatin1(c.typed));
        Click(*m_dialog, "Button2");
        const std::string_view stored = m_host->doc.Record(RecordKind::Memory, TypedEntryCases::kSlot);
        QCOMPARE(stored, std::string_view(c.stored ? c.stored : c.before));
        QCOMPARE(m_dialog->isVisible(), c.stored == nullptr);
    }

    void aRefusedStoreKeepsTheChannelAndTheTyping()
    {
        m_host->rows[1] = 6;
        Open(*m_dialog);
        Type(*m_dialog, "Edit1", QStringLiteral("1.4.5"));
        Script(*m_host, Answers({true}));
        Key(*m_dialog, "ComboBox3", Qt::Key_PageUp);
        QCOMPARE(m_host->messages.log, (QStringList{kAsk, kBadFrequency}));
        QCOMPARE(Child<QLineEdit>(*m_dialog, "Edit6")->text(), QStringLiteral("5"));
        QCOMPARE(Child<QLineEdit>(*m_dialog, "Edit1")->text(), QStringLiteral("1.4.5"));
        QVERIFY(m_host->Changed()); // marked changed even though refused
        QCOMPARE(m_host->doc.Record(RecordKind::Memory, 5), std::string_view{});
    }

    void numberBoxAndUpDown()
    {
        Open(*m_dialog);
        auto* number = Child<QLineEdit>(*m_dialog, "Edit6");
        Type(*m_dialog, "Edit6", QStringLiteral("l"));
        QCOMPARE(m_dialog->Position(), 0);
        QTest::keyClicks(number, QStringLiteral("0"));
        QCOMPARE(m_dialog->Position(), 200);
        QVERIFY(!Child<QCheckBox>(*m_dialog, "CheckBox3")->isEnabled());
        Type(*m_dialog, "Edit6", QStringLiteral("25"));
        QCOMPARE(m_dialog->Position(), 25);
        QTest::keyClicks(number, QStringLiteral("0"));
        QCOMPARE(m_host->messages.log,
                 QStringList{QStringLiteral("info Invalid channel Number.\nPlease check and try again.")});
        QCOMPARE(m_dialog->Position(), 25);
        // A rejected key swallows the next change.
        Type(*m_dialog, "Edit6", QStringLiteral("1x2"));
        QCOMPARE(number->text(), QStringLiteral("12"));
        QCOMPARE(m_dialog->Position(), 1);
        QTest::keyClicks(number, QStringLiteral("9"));
        QCOMPARE(m_dialog->Position(), 129);

        auto* upDown = Child<QWidget>(*m_dialog, "UpDown1");
        Type(*m_dialog, "Edit6", QStringLiteral("PR"));
        QTest::mouseClick(upDown->findChild<QAbstractButton*>(QStringLiteral("UpArrow")), Qt::LeftButton);
        QCOMPARE(number->text(), QStringLiteral("0"));
        QTest::mouseClick(upDown->findChild<QAbstractButton*>(QStringLiteral("DownArrow")), Qt::LeftButton);
        QCOMPARE(number->text(), QStringLiteral("PR"));
    }

    void closeAsksOnlyWhenChanged_data()
    {
        QTest::addColumn<bool>("change");
        QTest::addColumn<QString>("rx");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("unchanged") << false << "" << QStringList{} << QStringList{} << true << "";
        QTest::newRow("No") << true << "145" << Answers({false}) << QStringList{kAskClose} << true << "";
        QTest::newRow("Yes") << true << "145" << Answers({true}) << QStringList{kAskClose} << true
                             << "000,00145000000,0,0,0,0,0,,09,,09,000600000,0,,,,,";
        QTest::newRow("Yes, refused") << true << "1.4.5" << Answers({true}) << QStringList{kAskClose, kBadFrequency}
                                      << false << "";
    }
    void closeAsksOnlyWhenChanged()
    {
        QFETCH(bool, change);
        QFETCH(QString, rx);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, log);
        QFETCH(bool, closed);
        QFETCH(QString, stored);
        for (const char* how : {"Button1", "Escape"}) {
            init();
            Open(*m_dialog);
            if (change)
                Type(*m_dialog, "Edit1", rx);
            Script(*m_host, answers);
            if (QLatin1String(how) == QLatin1String("Escape"))
                Key(*m_dialog, "Edit1", Qt::Key_Escape);
            else
                Click(*m_dialog, "Button1");
            QCOMPARE(m_host->messages.log, log);
            QCOMPARE(m_dialog->isVisible(), !closed);
            QCOMPARE(QString::fromLatin1(m_host->doc.Record(RecordKind::Memory, 0).data(),
                                         int(m_host->doc.Record(RecordKind::Memory, 0).size())),
                     stored);
        }
    }

    // The filters keep what the user adds to the key filter's characters;
    // a name the record holds is shown and stored as it is.
    void loadedNameIsNotFiltered_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("name");
        QTest::newRow("untouched") << ""
                                   << ""
                                   << "a.b+c";
        QTest::newRow("typed after it") << "x"
                                        << ""
                                        << "a.b+cX";
        QTest::newRow("pasted after it") << ""
                                         << "y;z"
                                         << "a.b+cY";
    }
    void loadedNameIsNotFiltered()
    {
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(QString, name);
        m_host->doc.StoreMemory(4, "004,00145000000,0,0,0,0,0,,09,,09,000600000,0,,,,,a.b+c");
        m_host->rows[1] = 5;
        Open(*m_dialog);
        auto* box = Child<QLineEdit>(*m_dialog, "Edit5");
        QCOMPARE(box->text(), QStringLiteral("a.b+c"));
        box->setFocus();
        box->end(false);
        QTest::keyClicks(box, typed);
        if (!pasted.isEmpty()) {
            QApplication::clipboard()->setText(pasted);
            box->paste();
        }
        QCOMPARE(box->text(), name);
        Click(*m_dialog, "Button2");
        QCOMPARE(QString::fromStdString(m_host->doc.GetField(RecordKind::Memory, 4, 17)), name);
    }

    void pastedTextIsFilteredLikeTyping()
    {
        Open(*m_dialog);
        QApplication::clipboard()->setText(QStringLiteral("a,b;c"));
        auto* name = Child<QLineEdit>(*m_dialog, "Edit5");
        name->setFocus();
        name->paste();
        QCOMPARE(name->text(), QStringLiteral("ABC"));
        auto* rx = Child<QLineEdit>(*m_dialog, "Edit1");
        rx->clear();
        QApplication::clipboard()->setText(QStringLiteral("145,5 MHz"));
        rx->paste();
        QCOMPARE(rx->text(), QStringLiteral("1455"));
    }

private:
    std::unique_ptr<FakeDocumentHost> m_host;
    std::unique_ptr<TMemory> m_dialog;
};

QXP_GUI_TEST_MAIN(TestTMemory)
#include "tst_tmemory.moc"
