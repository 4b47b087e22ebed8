#pragma once

#include <QByteArray>
#include <QRect>

class QWidget;

// Where a window with a remembered or default place opens: never larger than
// the screen's free area and never outside it, whatever the settings hold
// (another screen size, another scale, a value edited by hand).
namespace WindowPlacement {

// `wanted` moved and, if it must be, shrunk so that it lies in `available`.
// An empty `wanted` takes the middle of `available`.
QRect Fit(const QRect& wanted, const QRect& available);

// Restores `window`'s geometry from `saved` (or keeps its present one when
// `saved` is unusable) and fits its frame into the free area of the screen
// it is on, or else the screen of its parent, or else the primary screen.
void Restore(QWidget& window, const QByteArray& saved);

} // namespace WindowPlacement
