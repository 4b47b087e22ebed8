#pragma once

#include <QByteArray>
#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QString>
#include <QTimer>

namespace GuiTest {

// A file's bytes, or nothing when it cannot be read.
inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Runs the event loop until the dialog closes: QTRY_ sleeps between its
// polls, which would cost a full poll interval per reply line.
inline bool WaitClosed(QDialog& form, int timeoutMs)
{
    if (form.isVisible()) {
        QEventLoop loop;
        QObject::connect(&form, &QDialog::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return !form.isVisible();
}

} // namespace GuiTest
