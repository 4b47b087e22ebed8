#pragma once

#include <QFrame>

class QLabel;

// The main window's status bar: four sunken panels 170, 50, 90 and 50
// pixels wide from the left edge, the second with centred text, and no size
// grip (the window cannot be resized).
class TStatusBar : public QFrame
{
    Q_OBJECT

public:
    static constexpr int PanelCount = 4;

    explicit TStatusBar(QWidget* parent = nullptr);

    void SetPanelText(int panel, const QString& text);
    QString PanelText(int panel) const;
    // The last panel shows "已修改" while the document differs from its
    // file; the caption stays as it is, so this is where the user (and a
    // screen reader) finds out.
    void ShowModified(bool modified);

private:
    QLabel* m_panels[PanelCount] = {};
};
