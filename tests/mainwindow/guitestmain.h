#pragma once

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Every GUI test runs with its own settings store: XDG_CONFIG_HOME points
// into a temporary folder before the first QSettings is made, so a test can
// never read or change the user's real settings; XDG_DATA_HOME likewise, for
// the built-in simulated radio's memory.
#define QXP_GUI_TEST_MAIN(TestClass)                                                                                   \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        QTemporaryDir config;                                                                                          \
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());                                                       \
        QTemporaryDir data;                                                                                            \
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());                                                           \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                            \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                                   \
        QApplication app(argc, argv);                                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }

namespace GuiTest {

inline void ClearStore()
{
    QSettings store(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46"));
    store.clear();
    store.sync();
}

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
