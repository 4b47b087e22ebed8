#include "uilanguage.h"

#include "appsettings.h"
#include "messageservice.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

bool UiLanguage::Install(QCoreApplication& app, LanguageChoice::Language language)
{
    if (language == LanguageChoice::Language::Chinese)
        return true;
    const QString file = QStringLiteral("qxp-r46_") + LanguageChoice::Code(language);
    const QString dir = QCoreApplication::applicationDirPath();
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : {dir + QStringLiteral("/translations"),
                                  dir + QStringLiteral("/../share/qxp-r46/translations"), QStringLiteral(":/i18n")}) {
        if (translator->load(file, folder)) {
            translator->setParent(&app);
            return QCoreApplication::installTranslator(translator.release());
        }
    }
    return false;
}

void UiLanguage::Choose(LanguageChoice::Language language, MessageService& messages, QWidget* parent)
{
    AppSettings settings;
    QString error;
    if (LanguageChoice::Store(settings.Store(), language, &error))
        messages.Inform(parent, MessageService::Icon::Information,
                        QStringLiteral("The language changes when QXP-R46 is started again."));
    else
        messages.Inform(parent, MessageService::Icon::Error, QStringLiteral("The language cannot be kept.\n") + error);
}
