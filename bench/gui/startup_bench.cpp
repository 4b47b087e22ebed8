// Start-up cost of the desktop program: the time from entering main() to
// the nine windows constructed (the splash's three seconds excluded), the
// same construction repeated warm, and the peak memory of the program idling
// with its main window shown and a data file loaded.
//
// Usage: qxp_gui_startup_bench [DATAFILE.46]
// Runs on whatever display QT_QPA_PLATFORM names (xcb under xvfb-run, or
// offscreen). Settings go to a temporary folder, never the user's.
#include "appwindows.h"
#include "messageservice.h"
#include "tmainform.h"
#include "twelcome.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

long PeakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLong();
    return -1;
}

double Milliseconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

} // namespace

int main(int argc, char** argv)
{
    const auto start = std::chrono::steady_clock::now();
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());

    QApplication app(argc, argv);
    const auto appReady = std::chrono::steady_clock::now();
    const QStringList files = QApplication::arguments().mid(1);

    MessageService messages;
    auto windows = std::make_unique<AppWindows>(messages, files);
    const auto constructed = std::chrono::steady_clock::now();

    std::printf("platform                       %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("main() to QApplication ready   %8.1f ms\n", Milliseconds(appReady - start));
    std::printf("nine windows constructed       %8.1f ms\n", Milliseconds(constructed - appReady));
    std::printf("main() to main window built    %8.1f ms  (goal < 150 ms)\n", Milliseconds(constructed - start));

    std::vector<double> warm;
    for (int i = 0; i < 20; ++i) {
        windows.reset();
        const auto t0 = std::chrono::steady_clock::now();
        windows = std::make_unique<AppWindows>(messages, files);
        warm.push_back(Milliseconds(std::chrono::steady_clock::now() - t0));
    }
    std::sort(warm.begin(), warm.end());
    std::printf("windows constructed, warm      %8.1f ms median, %.1f ms max of %zu\n", warm[warm.size() / 2],
                warm.back(), warm.size());

    // Idle: the splash hands over at once, the main window shows and loads
    // the file; then the event loop runs on its own for a while.
    windows->Welcome().show();
    QTimer::singleShot(50, &windows->Welcome(), &TWelcome::Timer1Timer);
    QTimer::singleShot(2000, &app, &QCoreApplication::quit);
    QApplication::exec();
    std::printf("document shown                 %s\n", qPrintable(windows->MainForm().windowTitle()));
    std::printf("peak resident memory, idle     %8.1f MB  (goal < 60 MB)\n", PeakResidentKiB() / 1024.0);
    return 0;
}
