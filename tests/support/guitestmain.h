#pragma once

#include "qtpoolthreads.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// Every GUI test runs with its own settings store: XDG_CONFIG_HOME points
// into a temporary folder before the first QSettings is made, so a test can
// never read or change the user's real settings; XDG_DATA_HOME likewise, for
// the built-in simulated radio's memory. Under ThreadSanitizer, Qt's own
// painting threads are left out (qtpoolthreads.h).
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
        [[maybe_unused]] GuiTest::QtPoolThreadsIgnored qtPainting;                                                     \
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

} // namespace GuiTest
