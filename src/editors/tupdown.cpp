#include "tupdown.h"

#include <QToolButton>
#include <QVBoxLayout>

TUpDown::TUpDown(QWidget* parent) : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_up->setObjectName(QStringLiteral("UpArrow"));
    m_down->setObjectName(QStringLiteral("DownArrow"));
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setFixedSize(17, 12);
        b->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(b);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { emit Clicked(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { emit Clicked(-1); });
}

void TUpDown::SetRange(int min, int max)
{
    m_min = min;
    m_max = max;
    SetPosition(m_position);
}

void TUpDown::SetPosition(int position)
{
    m_position = position < m_min ? m_min : (position > m_max ? m_max : position);
}
