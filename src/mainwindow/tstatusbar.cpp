#include "tstatusbar.h"

#include <QLabel>

TStatusBar::TStatusBar(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    static constexpr int widths[PanelCount] = {170, 50, 90, 50};
    int left = 0;
    for (int i = 0; i < PanelCount; ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setLineWidth(1);
        panel->setIndent(2);
        panel->setAlignment((i == 1 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        // Each panel keeps a 2-pixel gap to the next, as status bars draw them.
        panel->setGeometry(left, 2, widths[i] - 2, 17);
        left += widths[i];
        m_panels[i] = panel;
    }
    setAccessibleName(tr("状态栏"));
}

void TStatusBar::SetPanelText(int panel, const QString& text)
{
    if (panel >= 0 && panel < PanelCount)
        m_panels[panel]->setText(text);
}

QString TStatusBar::PanelText(int panel) const
{
    return panel >= 0 && panel < PanelCount ? m_panels[panel]->text() : QString();
}

void TStatusBar::ShowModified(bool modified)
{
    m_panels[PanelCount - 1]->setText(modified ? tr("已修改") : QString());
}
