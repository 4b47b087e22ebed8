// qxp-r46: the desktop program that programs the QZ-R46's channel memory.
#include "appsettings.h"
#include "appwindows.h"
#include "shared/messageservice.h"
#include "portprobe.h"
#include "tmainform.h"
#include "twelcome.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QXP-R46"));
    // The program ends when the splash closes, not when the last visible
    // window does: the splash is hidden while the main window runs.
    QApplication::setQuitOnLastWindowClosed(false);

    MessageService messages;
    AppWindows windows(messages, QApplication::arguments().mid(1));
    PortProbe portProbe;
    windows.MainForm().SetPortChecker([&portProbe](const QString& port) { return portProbe(port); });
    QObject::connect(&windows.Welcome(), &TWelcome::Closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    windows.Welcome().show();
    return QApplication::exec();
}
