#include "windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace WindowPlacement {

QRect Fit(const QRect& wanted, const QRect& available)
{
    if (!available.isValid())
        return wanted;
    const QSize size = wanted.size().expandedTo(QSize(1, 1)).boundedTo(available.size());
    QPoint place =
        wanted.isEmpty() ? available.center() - QPoint(size.width() / 2, size.height() / 2) : wanted.topLeft();
    // Computed in 64 bits: a hand-edited place may sit near the ends of int.
    const auto clamp = [](int value, int low, int high) {
        return static_cast<int>(std::clamp<long long>(value, low, std::max(low, high)));
    };
    place.setX(clamp(place.x(), available.left(), available.right() + 1 - size.width()));
    place.setY(clamp(place.y(), available.top(), available.bottom() + 1 - size.height()));
    return QRect(place, size);
}

void Restore(QWidget& window, const QByteArray& saved)
{
    if (!saved.isEmpty())
        window.restoreGeometry(saved);
    const QRect frame = window.frameGeometry();
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen && window.parentWidget())
        screen = window.parentWidget()->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame around the window (title bar, borders) is fitted too; before
    // the window is first shown it is not known and counts as none.
    const QMargins margins(window.geometry().left() - frame.left(), window.geometry().top() - frame.top(),
                           frame.right() - window.geometry().right(), frame.bottom() - window.geometry().bottom());
    const QRect fitted = Fit(frame, screen->availableGeometry());
    if (fitted == frame)
        return;
    window.resize(fitted.size().shrunkBy(margins).expandedTo(window.minimumSizeHint()).boundedTo(fitted.size()));
    window.move(fitted.topLeft());
}

} // namespace WindowPlacement
