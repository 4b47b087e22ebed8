// qxp-r46: the desktop program that programs the QZ-R46's channel memory.
#include "appwindows.h"
#include "languagechoice.h"
#include "messageservice.h"
#include "tmainform.h"
#include "twelcome.h"
#include "uilanguage.h"

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
