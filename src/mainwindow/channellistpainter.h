#pragma once

#include "channellistlayout.h"

#include <QString>

#include <vector>

class QPagedPaintDevice;

// Draws laid-out channel list pages on a printer or a PDF writer: each page
// is divided into 60 equal line positions, every string starts 200 device
// units from the left, and the text is the device's default typeface with a
// character cell of one line position less 5 units.
namespace ChannelListPainter {

// Returns false when the device could not be painted on (no printer, an
// unwritable file).
bool Paint(QPagedPaintDevice& device, const std::vector<ChannelListLayout::Page>& pages);

} // namespace ChannelListPainter
