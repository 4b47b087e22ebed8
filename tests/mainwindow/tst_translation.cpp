// The English interface: the translation is complete, and every window runs
// without a Chinese caption once it is installed. The other test programs
// run without it, so they hold the Chinese captions.
#include "../editors/fakedocumenthost.h"
#include "fakemessageservice.h"
#include "guitestmain.h"
#include "taboutbox.h"
#include "tcall.h"
#include "tchanneltableform.h"
#include "tdtmf.h"
#include "thelpviewer.h"
#include "tmainform.h"
#include "tmemory.h"
#include "tportsetupform.h"
#include "treadform.h"
#include "tvfo.h"
#include "twelcome.h"
#include "twriteform.h"
#include "uilanguage.h"
#include "untranslatedtexts.h"
#include "writepreviewdialog.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTranslator>
#include <QXmlStreamReader>

#include <functional>
#include <memory>

namespace {

// The windows a user meets, each built as the program builds it. A window
// added to the program gets a row here.
struct Window {
    const char* name;
    std::function<std::unique_ptr<QWidget>(FakeDocumentHost&)> build;
    QStringList dataNames; // widgets that show data, not captions
    bool show = true;      // the transfer windows start talking to the radio when shown
};

const Window kWindows[] = {
    {"TWelcome", [](FakeDocumentHost&) { return std::make_unique<TWelcome>(); }, {}},
    {"TAboutBox", [](FakeDocumentHost&) { return std::make_unique<TAboutBox>(); }, {}},
    {"THelpViewer", [](FakeDocumentHost&) { return std::make_unique<THelpViewer>(); }, {}},
    {"TMemory", [](FakeDocumentHost& host) { return std::make_unique<TMemory>(host); }, {}},
    {"TVFO", [](FakeDocumentHost& host) { return std::make_unique<TVFO>(host); }, {}},
    {"TCALL", [](FakeDocumentHost& host) { return std::make_unique<TCALL>(host); }, {}},
    {"TDTMF", [](FakeDocumentHost& host) { return std::make_unique<TDTMF>(host); }, {}},
    // The language menu reads the same in both languages, so that either
    // reader finds it.
    {"TMainForm", [](FakeDocumentHost& host) { return std::make_unique<TMainForm>(host.messages); }, {"Language1"}},
    {"TReadForm", [](FakeDocumentHost& host) { return std::make_unique<TReadForm>(host); }, {}, false},
    {"TWriteForm", [](FakeDocumentHost& host) { return std::make_unique<TWriteForm>(host); }, {}, false},
    {"TPortSetupForm", [](FakeDocumentHost&) { return std::make_unique<TPortSetupForm>(nullptr); }, {}},
    {"WritePreviewDialog",
     [](FakeDocumentHost&) {
         // A preview with every part: each group of changes, the records
         // another radio cannot hold, findings and the comment.
         ChannelDocument radio;
         radio.ClearDocument();
         radio.StoreMemory(1, "001,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,OLD");
         radio.StoreMemory(2, "002,00146000000,5,0,0,0,0,,09,,09,000600000,0,,,,,GONE");
         ChannelDocument file = radio;
         file.StoreRadioType("0,1,00,1,0,,");
         file.StoreMemory(0, "000,00999000000,5,0,0,0,0,,09,,09,000600000,0,,,,,NEW");
         file.StoreMemory(1, "001,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,NEWER");
         file.ClearMemory(2);
         file.StoreDtmf(1, "01,123");
         file.SetComment("comment");
         return std::make_unique<WritePreviewDialog>(WritePreview::Build(file, radio), "backup.46");
     },
     {}},
    {"TChannelTableForm",
     [](FakeDocumentHost& host) {
         static QSettings store;
         return std::make_unique<TChannelTableForm>(host, host.history, store);
     },
     {}},
};

} // namespace

class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        GuiTest::ClearStore();
        QVERIFY(UiLanguage::Install(*qApp, LanguageChoice::Language::English));
    }

    // Every entry of the .ts has its English text: lupdate marks new and
    // changed captions "unfinished", and lrelease would leave them Chinese.
    void translationFileIsFinished()
    {
        QFile file(QStringLiteral(QXP_TS_FILE));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QXmlStreamReader xml(&file);
        QString source;
        int messages = 0;
        QStringList unfinished;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                ++messages;
                const QString type = xml.attributes().value(QLatin1String("type")).toString();
                const QString text = xml.readElementText();
                if (!type.isEmpty() || text.isEmpty() || GuiTest::HasCjk(text))
                    unfinished << source + QStringLiteral(" -> [") + type + QStringLiteral("] ") + text;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(messages >= 40);
        QVERIFY2(unfinished.isEmpty(), qPrintable(unfinished.join(QLatin1Char('\n'))));
    }

    // The program itself carries the translation, for a copy run without its
    // share folder.
    void translationIsBuiltIn()
    {
        QTranslator builtIn;
        QVERIFY(builtIn.load(QStringLiteral("qxp-r46_en"), QStringLiteral(":/i18n")));
        QCOMPARE(builtIn.translate("TWelcome", "欢迎"), QStringLiteral("Welcome"));
    }

    void windowsShowNoChinese_data()
    {
        QTest::addColumn<int>("window");
        for (int i = 0; i < int(std::size(kWindows)); ++i)
            QTest::newRow(kWindows[i].name) << i;
    }

    void windowsShowNoChinese()
    {
        QFETCH(int, window);
        FakeDocumentHost host;
        host.doc.StoreRadioType("0,3,00,1,1,1,1");
        host.doc.ClearDocument();
        std::unique_ptr<QWidget> widget = kWindows[window].build(host);
        if (kWindows[window].show)
            widget->show();
        QCoreApplication::processEvents();
        const QStringList chinese = GuiTest::UntranslatedTexts(*widget, kWindows[window].dataNames);
        QVERIFY2(chinese.isEmpty(), qPrintable(chinese.join(QLatin1Char('\n'))));
        widget->hide();
    }

    void splashSaysWelcome()
    {
        TWelcome splash;
        QCOMPARE(splash.windowTitle(), QStringLiteral("Welcome"));
    }

    // The help follows the translation; only the language menu's own
    // captions are left in Chinese, as the menu shows them in both languages.
    void helpIsInEnglish()
    {
        THelpViewer viewer;
        viewer.ShowContents();
        QCOMPARE(viewer.Browser()->source().fileName(), QStringLiteral("index_en.html"));
        QString text = viewer.Browser()->toPlainText();
        QVERIFY(text.contains(QStringLiteral("Reading from the radio")));
        text.remove(QStringLiteral("语言 / Language")).remove(QStringLiteral("\"中文\""));
        QVERIFY2(!GuiTest::HasCjk(text), qPrintable(text));
    }

    // Both help pages have the same sections, under the same anchors and
    // numbers, and the same tables and lists of causes: neither language
    // falls behind the other.
    void bothHelpPagesHaveTheSameSections()
    {
        auto outline = [](const QString& page) {
            QFile file(QStringLiteral(":/help/") + page);
            if (!file.open(QIODevice::ReadOnly))
                return QStringList{QStringLiteral("cannot open ") + page};
            const QString html = QString::fromUtf8(file.readAll());
            static const QRegularExpression mark(
                QStringLiteral("<a name=\"[^\"]+\">|<h[1-3]>(\\d+[a-z]?\\.)?|<(table|pre|ol|ul)\\b"));
            QStringList found;
            for (auto match = mark.globalMatch(html); match.hasNext();)
                found << match.next().captured(0);
            return found;
        };
        QCOMPARE(outline(QStringLiteral("index_en.html")), outline(QStringLiteral("index.html")));
    }

    void languageChoiceAppliesAtTheNextStart()
    {
        FakeMessageService messages;
        UiLanguage::Choose(LanguageChoice::Language::English, messages, nullptr);
        QCOMPARE(messages.log, QStringList{QStringLiteral("info The language changes when QXP-R46 is started again.")});
        QSettings store(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46"));
        QCOMPARE(store.value(QStringLiteral("Language")).toString(), QStringLiteral("en"));
    }
};

QXP_GUI_TEST_MAIN(TestTranslation)
#include "tst_translation.moc"
