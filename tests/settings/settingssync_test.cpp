#include "appsettings.h"
#include "settingssync.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

bool MakeFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

// What stands in the way, made in a temporary folder, and the reason given.
// Root ignores permissions, so only what stops root too is used here.
TEST(SettingsSync, NamesTheFileAndWhatStandsInTheWay)
{
    const struct {
        const char* what;
        const char* file;      // the store, below the temporary folder
        const char* blocker;   // a plain file made there first, if any
        const char* folder;    // a folder made there first, if any
        const char* reasonFor; // the path the reason names, "" when none
        const char* reason;
    } cases[] = {
        {"a file where the folder should be", "QUELDOR/QXP-R46.conf", "QUELDOR", nullptr, "QUELDOR", "Not a directory"},
        {"a file further up", "a/b/c/QXP-R46.conf", "a", nullptr, "a", "Not a directory"},
        {"a folder where the file should be", "QXP-R46.conf", nullptr, "QXP-R46.conf", "QXP-R46.conf",
         "Is a directory"},
        {"folders still to be made", "x/y/QXP-R46.conf", nullptr, nullptr, "", ""},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        if (c.blocker) {
            ASSERT_TRUE(MakeFile(dir.filePath(QLatin1String(c.blocker)))) << c.what;
        }
        if (c.folder) {
            ASSERT_TRUE(QDir().mkpath(dir.filePath(QLatin1String(c.folder)))) << c.what;
        }
        const QString file = dir.filePath(QLatin1String(c.file));
        QSettings store(file, QSettings::IniFormat);
        store.setValue(QStringLiteral("CommPort"), QStringLiteral("COM2"));
        QString error;
        const bool kept = SettingsSync::Sync(store, &error);
        if (*c.reason == '\0') {
            EXPECT_TRUE(kept) << c.what << ": " << error.toStdString();
            EXPECT_EQ(QSettings(file, QSettings::IniFormat).value(QStringLiteral("CommPort")).toString(),
                      QStringLiteral("COM2"));
            continue;
        }
        EXPECT_FALSE(kept) << c.what;
        const QString at = dir.filePath(QLatin1String(c.reasonFor));
        const QString expected =
            (at == file ? file : file + QStringLiteral(": ") + at) + QStringLiteral(": ") + QLatin1String(c.reason);
        EXPECT_EQ(error.toStdString(), expected.toStdString()) << c.what;
    }
}

// A QSettings keeps its first error for good; a store that can be written
// again is seen as kept, with what waited written, and the trouble is told
// only the first time.
TEST(SettingsSync, TellsTheTroubleOnceAndSeesItGo)
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("QUELDOR"));
    ASSERT_TRUE(MakeFile(blocker));
    const QString file = blocker + QStringLiteral("/QXP-R46.conf");
    AppSettings settings(file);
    settings.SetCommPort(QStringLiteral("COM2"));
    QString trouble;
    EXPECT_FALSE(settings.Keep(&trouble));
    EXPECT_EQ(trouble.toStdString(), (file + ": " + blocker + ": Not a directory").toStdString());
    trouble.clear();
    EXPECT_FALSE(settings.Keep(&trouble));
    EXPECT_TRUE(trouble.isEmpty()) << trouble.toStdString();

    ASSERT_TRUE(QFile::remove(blocker));
    EXPECT_TRUE(settings.Keep(&trouble));
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value(QStringLiteral("CommPort")).toString(),
              QStringLiteral("COM2"));
}

} // namespace
