#pragma once

#include "channellistlayout.h"

#include <QString>

#include <vector>

class QPagedPaintDevice;
class QPainter;

// Draws laid-out channel list pages on a printer or a PDF writer: each page
// is divided into 60 equal line positions, every string starts 200 device
// units from the left, and the text is the device's default typeface with a
// character cell (ascent + descent) of one line position less 5 units, so
// the lines never touch. A line wider than the page is drawn condensed to
// the page's width rather than cut.
namespace ChannelListPainter {

// Returns false when the device could not be painted on (no printer, an
// unwritable file).
bool Paint(QPagedPaintDevice& device, const std::vector<ChannelListLayout::Page>& pages);

// Draws one page with an active painter, whose device is the page's
// printable area.
void PaintPage(QPainter& painter, const ChannelListLayout::Page& page);

} // namespace ChannelListPainter
