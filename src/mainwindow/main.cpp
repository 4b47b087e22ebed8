// qxp-r46: the desktop program that programs the QZ-R46's channel memory.
#include "appwindows.h"
#include "languagechoice.h"
#include "messageservice.h"
#include "tmainform.h"
#include "twelcome.h"
#include "uilanguage.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstring>

namespace {

const char Usage[] = "Usage: qxp-r46 [--simulated-radio] [FILE]\n"
                     "       qxp-r46 --help | --version\n"
                     "\n"
                     "Programs the channel memory of the QZ-R46 hand-held radio.\n"
                     "\n"
                     "  FILE                open this .46 or .r46 file at start\n"
                     "  --simulated-radio   put the built-in simulated radio on the chosen port\n"
                     "                      for this run only (the settings are not changed)\n"
                     "  --help              show this text\n"
                     "  --version           show the version\n";

// Answered before any window or display is needed, so they work from a
// plain terminal too.
bool AnsweredOnTheTerminal(int argc, char** argv, int* status)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(Usage, stdout);
            *status = 0;
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("qxp-r46 %s\n", QXP_VERSION);
            *status = 0;
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    int status = 0;
    if (AnsweredOnTheTerminal(argc, argv, &status))
        return status;
    QApplication app(argc, argv);
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("qxp-r46"), QIcon(QStringLiteral(":/icons/qxp-r46-64.png"))));
    // Lets the desktop match the windows to the launcher entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.queldor.QxpR46"));
    // The built-in simulated radio keeps its memory under these names, in
    // the user's data folder, as the command-line tool does.
    QApplication::setOrganizationName(QStringLiteral("QUELDOR"));
    QApplication::setApplicationName(QStringLiteral("QXP-R46"));
    // The program ends when the splash closes, not when the last visible
    // window does: the splash is hidden while the main window runs.
    QApplication::setQuitOnLastWindowClosed(false);
    // Before the first window: each one takes its captions when it is built.
    {
        AppSettings settings;
        const auto language = LanguageChoice::Effective(settings.Store(), LanguageChoice::Environment::OfProcess());
        if (!UiLanguage::Install(app, language))
            qWarning("qxp-r46: no English translation found; the interface stays Chinese.");
    }

    MessageService messages;
    AppWindows windows(messages, QApplication::arguments().mid(1));
    QObject::connect(&windows.Welcome(), &TWelcome::Closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    windows.Welcome().show();
    return QApplication::exec();
}
