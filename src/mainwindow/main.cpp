// qxp-r46: the desktop program that programs the QZ-R46's channel memory.
#include "appwindows.h"
#include "messageservice.h"
#include "tmainform.h"
#include "twelcome.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The built-in simulated radio keeps its memory under these names, in
    // the user's data folder, as the command-line tool does.
    QApplication::setOrganizationName(QStringLiteral("QUELDOR"));
    QApplication::setApplicationName(QStringLiteral("QXP-R46"));
    // The program ends when the splash closes, not when the last visible
    // window does: the splash is hidden while the main window runs.
    QApplication::setQuitOnLastWindowClosed(false);

    MessageService messages;
    AppWindows windows(messages, QApplication::arguments().mid(1));
    QObject::connect(&windows.Welcome(), &TWelcome::Closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    windows.Welcome().show();
    return QApplication::exec();
}
