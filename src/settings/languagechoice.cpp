#include "languagechoice.h"

#include "settingssync.h"

#include <QLocale>
#include <QSettings>

namespace {

const QString kKey = QStringLiteral("Language");

LanguageChoice::Language ForLocaleName(const QString& name)
{
    // QLocale reads "zh_TW.UTF-8@x" as well as "zh"; a name it cannot read
    // gives the C locale, and so Chinese, like C itself. Cantonese users
    // read the same characters.
    switch (QLocale(name).language()) {
    case QLocale::C:
    case QLocale::Chinese:
    case QLocale::Cantonese: return LanguageChoice::Language::Chinese;
    default: return LanguageChoice::Language::English;
    }
}

} // namespace

LanguageChoice::Environment LanguageChoice::Environment::OfProcess()
{
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
            qEnvironmentVariable("LANG")};
}

LanguageChoice::Language LanguageChoice::ForEnvironment(const Environment& environment)
{
    QString name = environment.lcAll;
    if (name.isEmpty())
        name = environment.lcMessages;
    if (name.isEmpty())
        name = environment.lang;
    // As the C library does, the C locale ignores LANGUAGE: a session that
    // asks for no locale gets the program's own captions.
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return Language::Chinese;
    const QString first = environment.language.section(QLatin1Char(':'), 0, 0);
    return ForLocaleName(first.isEmpty() ? name : first);
}

LanguageChoice::Language LanguageChoice::Effective(const QSettings& store, const Environment& environment)
{
    const QString stored = store.value(kKey).toString();
    for (Language language : {Language::Chinese, Language::English}) {
        if (stored.compare(Code(language), Qt::CaseInsensitive) == 0)
            return language;
    }
    return ForEnvironment(environment);
}

bool LanguageChoice::Store(QSettings& store, Language language, QString* error)
{
    store.setValue(kKey, Code(language));
    return SettingsSync::Sync(store, error);
}

QString LanguageChoice::Code(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
}
