#include "languagechoice.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Language = LanguageChoice::Language;

struct EnvironmentCase {
    const char* language;
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    Language expected;
};

LanguageChoice::Environment Env(const EnvironmentCase& c)
{
    return {QString::fromLatin1(c.language), QString::fromLatin1(c.lcAll), QString::fromLatin1(c.lcMessages),
            QString::fromLatin1(c.lang)};
}

TEST(LanguageChoice, SystemLocaleDecidesWhenNothingIsStored)
{
    constexpr Language zh = Language::Chinese;
    constexpr Language en = Language::English;
    const EnvironmentCase cases[] = {
        // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        {"", "", "", "", zh},
        {"", "", "", "C", zh},
        {"", "", "", "POSIX", zh},
        {"", "", "", "C.UTF-8", zh},
        {"en_GB:en", "", "", "C", zh}, // the C locale ignores LANGUAGE
        {"", "", "", "zh_CN.UTF-8", zh},
        {"", "", "", "zh_TW.Big5", zh},
        {"", "", "", "zh_HK.UTF-8@stroke", zh},
        {"", "", "", "en_US.UTF-8", en},
        {"", "", "", "de_DE.UTF-8", en},
        {"", "", "", "ja_JP.UTF-8", en},
        {"", "en_US.UTF-8", "zh_CN.UTF-8", "zh_CN.UTF-8", en}, // LC_ALL first
        {"", "", "en_US.UTF-8", "zh_CN.UTF-8", en},            // then LC_MESSAGES
        {"", "", "zh_CN.UTF-8", "en_US.UTF-8", zh},
        {"en:zh_CN", "", "", "zh_CN.UTF-8", en}, // LANGUAGE's first entry overrides
        {"zh_CN:en", "", "", "en_US.UTF-8", zh},
        {"fr", "", "", "C.UTF-8", en},
        {":de", "", "", "zh_CN.UTF-8", zh}, // an empty first entry says nothing
    };
    for (const EnvironmentCase& c : cases)
        EXPECT_EQ(LanguageChoice::ForEnvironment(Env(c)), c.expected)
            << "LANGUAGE=" << c.language << " LC_ALL=" << c.lcAll << " LC_MESSAGES=" << c.lcMessages
            << " LANG=" << c.lang;
}

TEST(LanguageChoice, StoredChoiceBeatsTheLocaleUnlessUnknown)
{
    QTemporaryDir dir;
    QSettings store(dir.filePath(QStringLiteral("QXP-R46.conf")), QSettings::IniFormat);
    const LanguageChoice::Environment chinese{{}, {}, {}, QStringLiteral("zh_CN.UTF-8")};
    const LanguageChoice::Environment german{{}, {}, {}, QStringLiteral("de_DE.UTF-8")};
    const struct {
        const char* stored;
        Language onChinese;
        Language onGerman;
    } cases[] = {
        {nullptr, Language::Chinese, Language::English},
        {"en", Language::English, Language::English},
        {"zh", Language::Chinese, Language::Chinese},
        {"EN", Language::English, Language::English}, // as a hand edit may spell it
        {"fr", Language::Chinese, Language::English},
        {"", Language::Chinese, Language::English},
    };
    for (const auto& c : cases) {
        if (c.stored)
            store.setValue(QStringLiteral("Language"), QString::fromLatin1(c.stored));
        else
            store.remove(QStringLiteral("Language"));
        EXPECT_EQ(LanguageChoice::Effective(store, chinese), c.onChinese) << (c.stored ? c.stored : "(unset)");
        EXPECT_EQ(LanguageChoice::Effective(store, german), c.onGerman) << (c.stored ? c.stored : "(unset)");
    }
}

TEST(LanguageChoice, StoreWritesTheChoiceOrNamesTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("QXP-R46.conf"));
    {
        QSettings store(path, QSettings::IniFormat);
        QString error;
        ASSERT_TRUE(LanguageChoice::Store(store, Language::English, &error)) << error.toStdString();
    }
    QSettings reread(path, QSettings::IniFormat);
    EXPECT_EQ(reread.value(QStringLiteral("Language")).toString(), QStringLiteral("en"));

    // A folder where the file should be cannot be written, even by root.
    QSettings blocked(dir.path(), QSettings::IniFormat);
    QString error;
    EXPECT_FALSE(LanguageChoice::Store(blocked, Language::Chinese, &error));
    EXPECT_EQ(error.toStdString(), dir.path().toStdString() + ": Is a directory");
}

} // namespace
