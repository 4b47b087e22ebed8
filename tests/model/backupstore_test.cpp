#include "backupstore.h"
#include "channeldocument.h"
#include "datafile.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class BackupStoreTest : public TempFolderTest
{
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
};

std::vector<std::string> Listing(const std::string& folder)
{
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir))
            if (entry->d_name[0] != '.')
                names.emplace_back(entry->d_name);
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(BackupStoreTest, NamedByTimeAndNeverOverwritten)
{
    const std::time_t when = 1714555805; // 2024-05-01 09:30:05 UTC
    const BackupStore store(m_dir + "/new/backups/");
    ChannelDocument doc;
    doc.ClearDocument();
    std::vector<std::string> contents;
    for (const char* name : {"20240501-093005.46", "20240501-093005_002.46", "20240501-093005_003.46"}) {
        doc.SetComment(name);
        contents.push_back(DataFile::WriteDataFile(doc));
        const BackupStore::Result saved = store.Save(doc, when);
        ASSERT_TRUE(saved.ok) << saved.error;
        EXPECT_EQ(saved.path, m_dir + "/new/backups/" + name);
    }
    EXPECT_EQ(Slurp(m_dir + "/new/backups/20240501-093005.46"), contents[0]);
    EXPECT_EQ(Slurp(m_dir + "/new/backups/20240501-093005_002.46"), contents[1]);
    EXPECT_EQ(Slurp(m_dir + "/new/backups/20240501-093005_003.46"), contents[2]);
}

// Names sort as the backups were taken: copy 10 after copy 2, and every
// copy of a second before the next second.
TEST_F(BackupStoreTest, NamesSortInTimeOrder)
{
    const std::time_t when = 1714555805;
    std::vector<std::string> names;
    for (int copy = 1; copy <= 12; ++copy)
        names.push_back(BackupStore::FileName(when, copy));
    names.push_back(BackupStore::FileName(when + 1, 1, BackupStore::Occasion::BeforeWrite));
    names.push_back(BackupStore::FileName(when + 1, 2, BackupStore::Occasion::BeforeWrite));
    names.push_back(BackupStore::FileName(when + 2, 1));
    EXPECT_EQ(names[12], "20240501-093006-before-write.46");
    std::vector<std::string> sorted = names;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, names);
}

// A backup exists only whole: a program killed while writing it (here by
// the file size limit, in a child) leaves no file under a backup's name.
TEST_F(BackupStoreTest, AKilledSaveLeavesNoBackup)
{
    const BackupStore store(m_dir);
    ChannelDocument doc;
    doc.ClearDocument();
    doc.SetComment(std::string(500, 'x'));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::signal(SIGXFSZ, SIG_DFL);
        store.Save(doc, 1714555805);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the size limit did not stop the save";
    EXPECT_EQ(Listing(m_dir), std::vector<std::string>());
}

// The newest `keep` backups stay, and so does the last one before each
// write of the last 30 days (the one the write took of the radio first);
// 0 keeps every backup.
TEST_F(BackupStoreTest, OldBackupsArePrunedButNotTheOneBeforeARecentWrite)
{
    constexpr std::time_t day = 24 * 60 * 60;
    const std::time_t base = 1714555805;
    for (const int keep : {3, 0}) {
        const std::string folder = m_dir + "/keep" + std::to_string(keep);
        const BackupStore store(folder, keep);
        ChannelDocument doc;
        doc.ClearDocument();
        std::vector<std::string> all;
        auto save = [&](std::time_t when, BackupStore::Occasion occasion = BackupStore::Occasion::Read) {
            const BackupStore::Result saved = store.Save(doc, when, occasion);
            ASSERT_TRUE(saved.ok) << saved.error;
            EXPECT_EQ(saved.path, folder + "/" + BackupStore::FileName(when, 1, occasion));
            all.push_back(BackupStore::FileName(when, 1, occasion));
        };
        std::string error;
        save(base - 40 * day);
        ASSERT_TRUE(store.NoteWrite(base - 40 * day + 1, &error)) << error; // too long ago
        save(base + day, BackupStore::Occasion::BeforeWrite);
        ASSERT_TRUE(store.NoteWrite(base + day + 10, &error)) << error;
        for (int n = 2; n <= 6; ++n)
            save(base + n * day);

        std::vector<std::string> expected = all;
        if (keep == 3)
            expected = {all[1], all[4], all[5], all[6]};
        expected.push_back("writes");
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(Listing(folder), expected) << keep;
    }
}

TEST_F(BackupStoreTest, AFolderThatCannotBeMadeIsReportedWithItsCause)
{
    std::ofstream(m_dir + "/file") << "x";
    const BackupStore::Result saved = BackupStore(m_dir + "/file/backups").Save(ChannelDocument(), 0);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.error, m_dir + "/file/backups: Not a directory");
}

} // namespace
