#include "channellistpainter.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace ChannelListPainter {

namespace {

constexpr int kLeft = 200;
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;

int CellHeight(const QFont& font, QPaintDevice* device)
{
    const QFontMetrics metrics(font, device);
    return metrics.ascent() + metrics.descent();
}

// The largest pixel size whose character cell fits `cell` device units. A
// font's cell is taller than its pixel (em) size by its own proportion, so
// that proportion gives the first guess and the device's metrics the rest.
QFont FontWithCell(QFont font, int cell, QPaintDevice* device)
{
    cell = std::max(1, cell);
    font.setPixelSize(cell);
    const int measured = CellHeight(font, device);
    int size = measured > 0 ? std::max(1, static_cast<int>(qint64(cell) * cell / measured)) : cell;
    font.setPixelSize(size);
    while (size > 1 && CellHeight(font, device) > cell)
        font.setPixelSize(--size);
    // Cells grow in whole units, so the guess may be a size or two short.
    for (int tries = 0; tries < 8; ++tries) {
        font.setPixelSize(size + 1);
        if (CellHeight(font, device) > cell)
            break;
        ++size;
    }
    font.setPixelSize(size);
    return font;
}

} // namespace

void PaintPage(QPainter& painter, const ChannelListLayout::Page& page)
{
    QPaintDevice* device = painter.device();
    const int pitch = device->height() / ChannelListLayout::LinesPerPage;
    painter.setFont(FontWithCell(painter.font(), pitch - 5, device));
    const QFontMetricsF metrics(painter.font(), device);
    const qreal room = std::max(1, device->width() - kLeft);
    for (const ChannelListLayout::Line& line : page) {
        const QString text = QString::fromStdString(line.text);
        const qreal width = metrics.size(kTextFlags, text).width();
        const QRectF cell(0, 0, std::max(width, room), pitch);
        painter.save();
        painter.translate(kLeft, line.position * pitch);
        // A line too long for the page is squeezed, not cut: the name and
        // the lock-out mark at its end matter.
        if (width > room)
            painter.scale(room / width, 1.0);
        painter.drawText(cell, kTextFlags, text);
        painter.restore();
    }
}

bool Paint(QPagedPaintDevice& device, const std::vector<ChannelListLayout::Page>& pages)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            device.newPage();
        PaintPage(painter, pages[p]);
    }
    return painter.end();
}

} // namespace ChannelListPainter
