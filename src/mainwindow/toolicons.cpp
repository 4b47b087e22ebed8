#include "toolicons.h"

#include <QPainter>
#include <QPainterPath>

#include <QPixmap>
#include <algorithm>
#include <cmath>

namespace ToolIcons {

namespace {

const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 255);
const QColor kFolder(230, 180, 60);
const QColor kBlue(40, 90, 170);
const QColor kGreen(40, 140, 60);
const QColor kRed(190, 50, 40);

void Sheet(QPainter& p, const QRectF& r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 3, r.top());
    path.lineTo(r.right(), r.top() + 3);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawPath(path);
}

void TextLines(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(QColor(120, 120, 120), 1));
    for (qreal y = r.top() + 4; y < r.bottom() - 1; y += 2.5)
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& color)
{
    p.setPen(QPen(color, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF d = to - from;
    const qreal len = std::max(1.0, std::hypot(d.x(), d.y()));
    const QPointF u(d.x() / len, d.y() / len);
    const QPointF n(-u.y(), u.x());
    QPolygonF head;
    head << to + u * 1.5 << to - u * 3 + n * 3 << to - u * 3 - n * 3;
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(head);
}

// A small radio: body, antenna and display.
void Radio(QPainter& p, const QRectF& body)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(70, 70, 80));
    p.drawRect(QRectF(body.left() + 1.5, body.top() - 4, 1.5, 4));
    p.drawRoundedRect(body, 1.5, 1.5);
    p.setBrush(QColor(150, 210, 150));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(body.left() + 1.5, body.top() + 1.5, body.width() - 3, body.height() * 0.3));
    p.setBrush(QColor(200, 200, 200));
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            p.drawRect(QRectF(body.left() + 1.5 + j * 2.5, body.top() + body.height() * 0.5 + i * 2.5, 1.5, 1.5));
}

void Draw(QPainter& p, Picture picture)
{
    switch (picture) {
    case Picture::New:
        Sheet(p, QRectF(3.5, 1.5, 9, 13));
        p.setPen(QPen(QColor(220, 170, 0), 1.5));
        p.drawLine(QPointF(11, 9), QPointF(15, 13));
        p.drawLine(QPointF(15, 9), QPointF(11, 13));
        p.drawLine(QPointF(13, 8.5), QPointF(13, 13.5));
        break;
    case Picture::Open: {
        p.setPen(QPen(kInk, 1));
        p.setBrush(kFolder.darker(115));
        p.drawRect(QRectF(1.5, 4.5, 11, 9));
        p.drawRect(QRectF(1.5, 3, 5, 1.5));
        QPolygonF flap;
        flap << QPointF(3.5, 7.5) << QPointF(14.5, 7.5) << QPointF(12.5, 13.5) << QPointF(1.5, 13.5);
        p.setBrush(kFolder);
        p.drawPolygon(flap);
        break;
    }
    case Picture::Save:
        p.setPen(QPen(kInk, 1));
        p.setBrush(kBlue);
        p.drawRect(QRectF(2.5, 2.5, 11, 11));
        p.setBrush(kPaper);
        p.drawRect(QRectF(4.5, 2.5, 7, 5));
        p.setBrush(QColor(180, 180, 190));
        p.drawRect(QRectF(5.5, 9.5, 5, 4));
        break;
    case Picture::Print:
        Sheet(p, QRectF(4.5, 1.5, 7, 6));
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(160, 160, 170));
        p.drawRect(QRectF(1.5, 6.5, 13, 5));
        p.setBrush(kPaper);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
        p.setPen(kGreen);
        p.drawPoint(QPointF(12.5, 8.5));
        break;
    case Picture::Read:
        Radio(p, QRectF(1.5, 5.5, 6, 9));
        Sheet(p, QRectF(10.5, 6.5, 5, 8));
        Arrow(p, QPointF(7.5, 3.5), QPointF(13, 3.5), kGreen);
        break;
    case Picture::Write:
        Sheet(p, QRectF(1.5, 6.5, 5, 8));
        Radio(p, QRectF(9.5, 5.5, 6, 9));
        Arrow(p, QPointF(2.5, 3.5), QPointF(8.5, 3.5), kRed);
        break;
    case Picture::Cut:
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(5, 1.5), QPointF(10, 10));
        p.drawLine(QPointF(11, 1.5), QPointF(6, 10));
        p.setPen(QPen(kRed, 1.3));
        p.drawEllipse(QRectF(2.5, 10, 4, 4));
        p.drawEllipse(QRectF(9.5, 10, 4, 4));
        break;
    case Picture::Copy:
        Sheet(p, QRectF(1.5, 1.5, 8, 10));
        TextLines(p, QRectF(1.5, 1.5, 8, 10));
        Sheet(p, QRectF(6.5, 4.5, 8, 10));
        TextLines(p, QRectF(6.5, 4.5, 8, 10));
        break;
    case Picture::Paste:
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(180, 130, 70));
        p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1, 1);
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(4.5, 1.5, 4, 2.5));
        Sheet(p, QRectF(7.5, 6.5, 7, 8));
        TextLines(p, QRectF(7.5, 6.5, 7, 8));
        break;
    }
}

QPixmap Render(Picture picture, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    Draw(p, picture);
    return pixmap;
}

} // namespace

QIcon Icon(Picture picture)
{
    QIcon icon;
    icon.addPixmap(Render(picture, 16));
    icon.addPixmap(Render(picture, 32));
    return icon;
}

QPixmap RadioEmblem(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    // Antenna, body, display, keypad.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 70));
    p.drawRoundedRect(QRectF(9, 1, 3, 10), 1.5, 1.5);
    p.setBrush(QColor(35, 35, 45));
    p.drawRoundedRect(QRectF(7, 8, 18, 23), 3, 3);
    p.setBrush(QColor(120, 200, 255));
    p.drawRect(QRectF(10, 11, 12, 6));
    p.setBrush(QColor(200, 200, 210));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(10.5 + col * 4, 19.5 + row * 3.5, 2.5, 2));
    p.setBrush(QColor(230, 60, 40));
    p.drawEllipse(QRectF(20, 3, 3, 3));
    return pixmap;
}

} // namespace ToolIcons
