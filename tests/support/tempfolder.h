#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

// A folder of the test's own under /tmp, removed with all it holds when the
// object goes; its path is empty when none could be made.
class TempFolder
{
public:
    TempFolder()
    {
        char pattern[] = "/tmp/qxp-test-XXXXXX";
        if (::mkdtemp(pattern))
            m_path = pattern;
    }
    ~TempFolder()
    {
        if (!m_path.empty())
            std::system(("rm -rf '" + m_path + "'").c_str());
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// A test whose files live in a TempFolder made for it alone.
class TempFolderTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_FALSE(m_dir.empty()) << "no folder under /tmp"; }

    std::string Path(const std::string& name) const { return m_dir + "/" + name; }

    TempFolder m_folder;
    const std::string m_dir = m_folder.Path();
};

// A file's bytes, or nothing when it cannot be read.
inline std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void Spit(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}
