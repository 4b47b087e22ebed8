#include "backupstore.h"
#include "channeldocument.h"
#include "datafile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class BackupStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/qxp-backup-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        m_dir = pattern;
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
    void TearDown() override { std::system(("rm -rf '" + m_dir + "'").c_str()); }

    std::string m_dir;
};

TEST_F(BackupStoreTest, NamedByTimeAndNeverOverwritten)
{
    const std::time_t when = 1714555805; // 2024-05-01 09:30:05 UTC
    const BackupStore store(m_dir + "/new/backups/");
    ChannelDocument doc;
    doc.ClearDocument();
    std::vector<std::string> contents;
    for (const char* name : {"20240501-093005.46", "20240501-093005-2.46", "20240501-093005-3.46"}) {
        doc.SetComment(name);
        contents.push_back(DataFile::WriteDataFile(doc));
        const BackupStore::Result saved = store.Save(doc, when);
        ASSERT_TRUE(saved.ok) << saved.error;
        EXPECT_EQ(saved.path, m_dir + "/new/backups/" + name);
    }
    EXPECT_EQ(Slurp(m_dir + "/new/backups/20240501-093005.46"), contents[0]);
    EXPECT_EQ(Slurp(m_dir + "/new/backups/20240501-093005-2.46"), contents[1]);
    EXPECT_EQ(Slurp(m_dir + "/new/backups/20240501-093005-3.46"), contents[2]);
}

TEST_F(BackupStoreTest, AFolderThatCannotBeMadeIsReportedWithItsCause)
{
    std::ofstream(m_dir + "/file") << "x";
    const BackupStore::Result saved = BackupStore(m_dir + "/file/backups").Save(ChannelDocument(), 0);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.error, m_dir + "/file/backups: Not a directory");
}

} // namespace
