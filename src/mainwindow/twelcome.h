#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// The splash screen. It is the first window of the program and the only
// one shown during the first three seconds; then it hides for good and
// shows the main window. Closing it ends the program, whether the user
// closes it early or the main window closes it at the end.
class TWelcome : public QWidget
{
    Q_OBJECT

public:
    explicit TWelcome(QWidget* parent = nullptr);

    // The window shown when the splash time is over.
    void SetNextWindow(QWidget* next) { m_next = next; }
    QTimer* Timer() const { return m_timer; }

public slots:
    void Timer1Timer();

signals:
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* m_next = nullptr;
    QTimer* m_timer = nullptr;
};
