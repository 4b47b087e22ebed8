#include "twelcome.h"

#include "toolicons.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int kWidth = 322;
constexpr int kHeight = 139;
constexpr int kPictureWidth = 283;
constexpr int kPictureHeight = 50;

// A banner of our own: the radio emblem, the product name and a row of
// channel "bars" on a dark blue band.
QPixmap BannerPicture()
{
    QPixmap pixmap(kPictureWidth, kPictureHeight);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 0, kPictureHeight);
    band.setColorAt(0, QColor(20, 50, 110));
    band.setColorAt(1, QColor(5, 15, 45));
    p.fillRect(pixmap.rect(), band);
    p.drawPixmap(6, 5, ToolIcons::RadioEmblem(40));

    QFont title(QStringLiteral("Liberation Sans"));
    title.setPixelSize(26);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(255, 210, 60));
    p.drawText(QRect(52, 2, 170, 34), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("QXP-R46"));

    QFont small(QStringLiteral("Liberation Sans"));
    small.setPixelSize(10);
    p.setFont(small);
    p.setPen(QColor(170, 200, 240));
    p.drawText(QRect(54, 33, 170, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("144 / 430 MHz  ·  200 CH"));

    // Signal-strength bars, tallest at the right.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        const int h = 8 + i * 6;
        p.setBrush(QColor(60 + i * 25, 200, 120));
        p.drawRect(QRect(210 + i * 11, kPictureHeight - 6 - h, 7, h));
    }
    return pixmap;
}

QLabel* WhiteLine(const char* objectName, const QString& text, int top, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(objectName));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(16);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(0, top, kWidth, 24);
    return label;
}

} // namespace

TWelcome::TWelcome(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TWelcome"));
    setWindowTitle(tr("欢迎"));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(BannerPicture());
    picture->setGeometry((kWidth - kPictureWidth) / 2, 12, kPictureWidth, kPictureHeight);

    WhiteLine("Label1", tr("频道存储编程 · 读取 · 编辑 · 写入"), 72, this);
    WhiteLine("Label2", tr("QZ-R46记忆控制程序"), 102, this);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    // Runs from the creation of the splash, not from its showing: the splash
    // time covers the program's own start-up work.
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(3000);
    connect(m_timer, &QTimer::timeout, this, &TWelcome::Timer1Timer);
    m_timer->start();
}

void TWelcome::Timer1Timer()
{
    m_timer->stop();
    hide();
    if (m_next)
        m_next->show();
}

void TWelcome::closeEvent(QCloseEvent* event)
{
    m_timer->stop();
    event->accept();
    emit Closed();
}
