// The printed channel list as it lands on an A4 page: painted through the
// real painter onto a device with the page size and resolution of a PDF
// writer, whose engine notes where each piece of text goes.
#include "channeldocument.h"
#include "channellistlayout.h"
#include "channellistpainter.h"
#include "guitestmain.h"

#include <QBuffer>
#include <QPageSize>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QTextItem>

#include <algorithm>
#include <climits>
#include <vector>

namespace {

// A piece of text as the page receives it, in device units.
struct DrawnText {
    QString text;
    qreal baseline;
    QRectF cell; // from the ascent line to the descent line, as wide as the advance
    QRectF clip; // the painter's clip, or null when it does not clip
};

class RecordingEngine : public QPaintEngine
{
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    std::vector<DrawnText> drawn;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    Type type() const override { return QPaintEngine::User; }

    void drawTextItem(const QPointF& baseline, const QTextItem& item) override
    {
        const QTransform toDevice = painter()->combinedTransform();
        const QRectF cell(baseline.x(), baseline.y() - item.ascent(), item.width(), item.ascent() + item.descent());
        const QRectF clip = painter()->hasClipping() ? toDevice.mapRect(painter()->clipBoundingRect()) : QRectF();
        drawn.push_back({item.text(), toDevice.map(baseline).y(), toDevice.mapRect(cell), clip});
    }
};

// An A4 page with the printable size and resolution a PDF writer reports.
class A4Page : public QPaintDevice
{
public:
    explicit A4Page(int dpi)
    {
        QBuffer sink;
        sink.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&sink);
        pdf.setResolution(dpi);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        m_width = pdf.width();
        m_height = pdf.height();
        m_dpi = dpi;
    }

    mutable RecordingEngine engine;

    QPaintEngine* paintEngine() const override { return &engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return m_width;
        case PdmHeight: return m_height;
        case PdmWidthMM: return qRound(m_width * 25.4 / m_dpi);
        case PdmHeightMM: return qRound(m_height * 25.4 / m_dpi);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return m_dpi;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    int m_width = 0;
    int m_height = 0;
    int m_dpi = 0;
};

} // namespace

class TestChannelListPainter : public QObject
{
    Q_OBJECT

private slots:
    // The longest lines a channel can give: both tones, split with 6.25 kHz
    // steps, a full name, power and the lock-out mark at the very end.
    void everyLineFitsThePageAndLinesDoNotTouch_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::newRow("PDF from the command line") << 600;
        QTest::newRow("high-resolution printer") << 1200;
        QTest::newRow("coarse printer") << 300;
    }
    void everyLineFitsThePageAndLinesDoNotTouch()
    {
        QFETCH(int, dpi);
        ChannelDocument doc;
        doc.ClearDocument();
        for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot)
            doc.StoreMemory(slot, "000,00145006250,1,0,1,1,1,,39,,39,029950000,1,,00435006250,1,0,WWWWWW");
        const auto pages = ChannelListLayout::Layout(doc, "QXP-R46 [/home/user/channels.46]", "Club repeaters");
        QVERIFY(pages.size() > 1);

        A4Page page(dpi);
        QPainter painter(&page);
        for (const ChannelListLayout::Page& laidOut : pages) {
            page.engine.drawn.clear();
            ChannelListPainter::PaintPage(painter, laidOut);

            QString expected, printed;
            for (const ChannelListLayout::Line& line : laidOut)
                expected += QString::fromStdString(line.text);
            qreal tallest = 0;
            std::vector<qreal> baselines;
            for (const DrawnText& d : page.engine.drawn) {
                printed += d.text;
                QVERIFY2(d.cell.left() >= 0 && d.cell.right() <= page.width(),
                         qPrintable(
                             QStringLiteral("%1 ends at %2 of %3").arg(d.text).arg(d.cell.right()).arg(page.width())));
                QVERIFY2(d.clip.isNull() || d.clip.contains(d.cell), qPrintable(d.text + QStringLiteral(" is cut")));
                tallest = qMax(tallest, d.cell.height());
                baselines.push_back(d.baseline);
            }
            QCOMPARE(printed, expected);
            std::sort(baselines.begin(), baselines.end());
            qreal spacing = page.height();
            for (std::size_t i = 1; i < baselines.size(); ++i) {
                if (baselines[i] > baselines[i - 1])
                    spacing = qMin(spacing, baselines[i] - baselines[i - 1]);
            }
            QVERIFY2(spacing > tallest,
                     qPrintable(QStringLiteral("lines %1 apart, text %2 high").arg(spacing).arg(tallest)));
        }
    }
};

QXP_GUI_TEST_MAIN(TestChannelListPainter)
#include "tst_channellistpainter.moc"
