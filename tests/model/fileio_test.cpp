#include "fileio.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/time.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

namespace {

std::atomic<int> umaskCalls{0};

} // namespace

// Every umask(2) of this test program passes here: a save must not set the
// process's mask even for a moment, since another thread (the built-in
// radio's) may be creating files meanwhile.
extern "C" mode_t umask(mode_t mask) noexcept
{
    ++umaskCalls;
    return static_cast<mode_t>(::syscall(SYS_umask, mask));
}

namespace {

using FileIoTest = TempFolderTest;

TEST_F(FileIoTest, ANewFileTakesTheUmaskWithoutTheUmaskBeingChanged)
{
    const mode_t mask = static_cast<mode_t>(::syscall(SYS_umask, 027));
    const int before = umaskCalls;
    std::string error;
    ASSERT_TRUE(FileIo::WriteFileAtomically(Path("new.46"), "x", &error)) << error;
    EXPECT_EQ(umaskCalls - before, 0);
    struct stat st {
    };
    ASSERT_EQ(::stat(Path("new.46").c_str(), &st), 0);
    // The mask the program started with, not the one set since.
    EXPECT_EQ(st.st_mode & 0777, 0666 & ~mask);
    ::syscall(SYS_umask, mask);
}

TEST_F(FileIoTest, LeftoversOfKilledWritesGoWhenTheTargetIsWrittenNext)
{
    const struct {
        const char* name;
        bool old; // last changed two hours ago
        bool folder;
        bool removed;
    } cases[] = {
        {"out.46.Ab3xYz", true, false, true},   {"out.46.Fresh1", false, false, false}, // may be a save going on now
        {"out.46.bak", true, false, false},     {"out.46.Ab3xY_", true, false, false},
        {"out.46.Ab3xYz1", true, false, false}, {"other.46.Ab3xYz", true, false, false},
        {"out.46.Dir123", true, true, false},
    };
    const std::time_t twoHoursAgo = std::time(nullptr) - 2 * 60 * 60;
    for (const auto& c : cases) {
        if (c.folder)
            ASSERT_EQ(::mkdir(Path(c.name).c_str(), 0700), 0);
        else
            std::ofstream(Path(c.name)) << "partial";
        if (c.old) {
            const timeval times[2] = {{twoHoursAgo, 0}, {twoHoursAgo, 0}};
            ASSERT_EQ(::utimes(Path(c.name).c_str(), times), 0);
        }
    }
    std::string error;
    ASSERT_TRUE(FileIo::WriteFileAtomically(Path("out.46"), "new", &error)) << error;
    for (const auto& c : cases)
        EXPECT_EQ(::access(Path(c.name).c_str(), F_OK) != 0, c.removed) << c.name;
}

} // namespace
