#include "channellistpainter.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>

namespace ChannelListPainter {

bool Paint(QPagedPaintDevice& device, const std::vector<ChannelListLayout::Page>& pages)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const int pitch = device.height() / ChannelListLayout::LinesPerPage;
    QFont font = painter.font();
    font.setPixelSize(qMax(1, pitch - 5));
    painter.setFont(font);
    constexpr int kLeft = 200;
    const int width = qMax(1, device.width() - kLeft);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            device.newPage();
        for (const ChannelListLayout::Line& line : pages[p])
            painter.drawText(QRect(kLeft, line.position * pitch, width, pitch), Qt::AlignLeft | Qt::AlignTop,
                             QString::fromStdString(line.text));
    }
    return painter.end();
}

} // namespace ChannelListPainter
