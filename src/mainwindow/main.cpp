// qxp-r46: the desktop program that programs the QZ-R46's channel memory.
#include "appsettings.h"
#include "appwindows.h"
#include "messageservice.h"
#include "tmainform.h"
#include "twelcome.h"

#include <QApplication>
#include <QFileInfo>

namespace {

// Until the serial component is wired in, a port counts as usable when its
// device exists and this user may read and write it.
bool PortDeviceUsable(const QString& portName)
{
    const QFileInfo device(AppSettings().PortDevice(portName));
    return device.exists() && device.isReadable() && device.isWritable();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QXP-R46"));
    // The program ends when the splash closes, not when the last visible
    // window does: the splash is hidden while the main window runs.
    QApplication::setQuitOnLastWindowClosed(false);

    MessageService messages;
    AppWindows windows(messages, QApplication::arguments().mid(1));
    windows.MainForm().SetPortChecker(PortDeviceUsable);
    QObject::connect(&windows.Welcome(), &TWelcome::Closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    windows.Welcome().show();
    return QApplication::exec();
}
