#include "backupstore.h"
#include "channeldocument.h"
#include "datafile.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
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

TEST_F(BackupStoreTest, NamedByTimeAndNeverOverwritten)
{
    const std::time_t when = 1714555805; // 2024-05-01 09:30:05 UTC
    const BackupStore store(Path("new/backups/"));
    ChannelDocument doc;
    doc.ClearDocument();
    std::vector<std::string> contents;
    for (const char* name : {"20240501-093005.46", "20240501-093005-2.46", "20240501-093005-3.46"}) {
        doc.SetComment(name);
        contents.push_back(DataFile::WriteDataFile(doc));
        const BackupStore::Result saved = store.Save(doc, when);
        ASSERT_TRUE(saved.ok) << saved.error;
        EXPECT_EQ(saved.path, Path("new/backups/") + name);
    }
    EXPECT_EQ(Slurp(Path("new/backups/20240501-093005.46")), contents[0]);
    EXPECT_EQ(Slurp(Path("new/backups/20240501-093005-2.46")), contents[1]);
    EXPECT_EQ(Slurp(Path("new/backups/20240501-093005-3.46")), contents[2]);
}

TEST_F(BackupStoreTest, AFolderThatCannotBeMadeIsReportedWithItsCause)
{
    Spit(Path("file"), "x");
    const BackupStore::Result saved = BackupStore(Path("file/backups")).Save(ChannelDocument(), 0);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.error, Path("file/backups") + ": Not a directory");
}

} // namespace
