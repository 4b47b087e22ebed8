#pragma once

#include <QString>

class QSettings;

// Which language the interface speaks. The user's choice is kept as
// "Language" in the settings store ("zh" or "en"); without one, the
// program speaks English when the system's locale names a language other
// than Chinese, and Chinese, the program's own, for a Chinese locale and
// for the plain C/POSIX locale (which names no language at all).
//
// Plain data: deciding needs no window, so it can be decided before any
// window is built and the whole interface speaks one language.
class LanguageChoice
{
public:
    enum class Language { Chinese, English };

    // The locale variables the way QLocale::system() reads them on Unix:
    // LC_ALL beats LC_MESSAGES beats LANG; unless that names the C or POSIX
    // locale, the first entry of LANGUAGE overrides it.
    struct Environment {
        QString language;   // LANGUAGE, entries separated by ':'
        QString lcAll;      // LC_ALL
        QString lcMessages; // LC_MESSAGES
        QString lang;       // LANG
        static Environment OfProcess();
    };

    static Language ForEnvironment(const Environment& environment);
    // The stored choice when the store holds a known one, else the system's.
    static Language Effective(const QSettings& store, const Environment& environment);
    // False, with "FILE: reason" in `error`, when the store cannot be written.
    static bool Store(QSettings& store, Language language, QString* error);

    // The value kept in the store, also the suffix of the translation file.
    static QString Code(Language language);
};
