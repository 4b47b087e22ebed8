#pragma once

#include <QWidget>

class QToolButton;

// A pair of arrow buttons beside a number box, without a box of its own.
// Each click (on release, so the mouse is free again before any question the
// click raises) reports one step; the owner decides whether and where to
// move and shows the new position.
class TUpDown : public QWidget
{
    Q_OBJECT

public:
    explicit TUpDown(QWidget* parent = nullptr);

    void SetRange(int min, int max);
    int Min() const { return m_min; }
    int Max() const { return m_max; }
    int Position() const { return m_position; }
    void SetPosition(int position);

    QToolButton* UpButton() const { return m_up; }
    QToolButton* DownButton() const { return m_down; }

signals:
    // +1 for the up arrow, -1 for the down arrow.
    void Clicked(int delta);

private:
    QToolButton* m_up;
    QToolButton* m_down;
    int m_min = 0;
    int m_max = 0;
    int m_position = 0;
};
