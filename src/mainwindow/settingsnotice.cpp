#include "settingsnotice.h"

#include "appsettings.h"
#include "messageservice.h"

bool SettingsNotice::Keep(AppSettings& settings, MessageService& messages, QWidget* parent)
{
    QString trouble;
    if (settings.Keep(&trouble))
        return true;
    if (!trouble.isEmpty())
        messages.Inform(parent, MessageService::Icon::Warning,
                        QStringLiteral("The settings cannot be saved: the choices made now last only until "
                                       "QXP-R46 is closed.\n") +
                            trouble);
    return false;
}
