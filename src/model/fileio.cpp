#include "fileio.h"

#include "uniquefd.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace FileIo {

namespace {

std::string ErrnoText(const std::string& what)
{
    return what + ": " + std::strerror(errno);
}

// Callers that only care whether it worked may pass no error text.
bool Fail(std::string* error, std::string text)
{
    if (error)
        *error = std::move(text);
    return false;
}

// Removes the temporary file unless the rename went through.
class TemporaryPath
{
public:
    explicit TemporaryPath(std::string path) : m_path(std::move(path)) {}
    ~TemporaryPath()
    {
        if (!m_kept)
            ::unlink(m_path.c_str());
    }
    const std::string& Path() const { return m_path; }
    void Keep() { m_kept = true; }

private:
    std::string m_path;
    bool m_kept = false;
};

// The process's file creation mask. The kernel tells it in /proc without
// changing it; umask(2) can only be read by setting it, and for that moment
// every file another thread creates would get the wrong mode. So it is read
// once, while the program loads and no thread of ours runs yet.
mode_t ReadCreationMask()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8)) & 0777;
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

mode_t CreationMask()
{
    static const mode_t mask = ReadCreationMask();
    return mask;
}

// Read while the program loads, before any thread of ours runs.
[[maybe_unused]] const mode_t CreationMaskAtLoad = CreationMask();

constexpr std::size_t TemporarySuffixLength = 6; // mkostemp's XXXXXX
constexpr std::time_t StaleTemporaryAge = 60 * 60;

bool IsTemporaryNameOf(const std::string& entry, const std::string& base)
{
    if (entry.size() != base.size() + 1 + TemporarySuffixLength || entry.compare(0, base.size(), base) != 0 ||
        entry[base.size()] != '.')
        return false;
    for (std::size_t i = base.size() + 1; i < entry.size(); ++i) {
        const char c = entry[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

} // namespace

int CreateGrowingFile(const std::string& path, std::string* error)
{
    // Non-blocking so that a FIFO without a reader is refused, not waited on.
    UniqueFd fd(
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | O_APPEND, 0666));
    if (fd.Get() < 0) {
        Fail(error, ErrnoText(path));
        return -1;
    }
    struct stat st {
    };
    if (::fstat(fd.Get(), &st) != 0) {
        Fail(error, ErrnoText(path));
        return -1;
    }
    if (!S_ISREG(st.st_mode) && !S_ISCHR(st.st_mode)) {
        Fail(error, path + ": not a regular file");
        return -1;
    }
    ::fcntl(fd.Get(), F_SETFL, O_APPEND);
    return fd.Release();
}

bool AppendToFile(int fd, const std::string& path, std::string_view bytes, std::string* error)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Fail(error, ErrnoText(path));
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void RemoveStaleTemporaries(const std::string& path, std::time_t now)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    if (base.empty())
        return;
    const std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.c_str()));
    if (!dir)
        return;
    const uid_t self = ::geteuid();
    while (const dirent* entry = ::readdir(dir.get())) {
        if (!IsTemporaryNameOf(entry->d_name, base))
            continue;
        struct stat st {
        };
        if (::fstatat(::dirfd(dir.get()), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        // Only our own plain files, and only when no write can still be on
        // its way into them: a save in progress touches its file every moment.
        if (!S_ISREG(st.st_mode) || st.st_uid != self || now - st.st_mtime < StaleTemporaryAge)
            continue;
        ::unlinkat(::dirfd(dir.get()), entry->d_name, 0);
    }
}

bool ReadWholeFile(const std::string& path, std::string* contents, std::string* error)
{
    // Without O_NONBLOCK, opening a FIFO waits for a writer and a serial
    // device for its carrier; the file type is known only after the open.
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0)
        return Fail(error, ErrnoText(path));
    struct stat st {
    };
    if (::fstat(fd.Get(), &st) != 0)
        return Fail(error, ErrnoText(path));
    if (!S_ISREG(st.st_mode))
        return Fail(error, path + ": not a regular file");
    contents->clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Fail(error, ErrnoText(path));
        }
        if (n == 0)
            break;
        if (contents->size() + static_cast<std::size_t>(n) > MaxFileSize)
            return Fail(error, path + ": too large for a data file");
        contents->append(buffer, static_cast<std::size_t>(n));
    }
    return true;
}

bool WriteFileAtomically(const std::string& requested, const std::string& bytes, std::string* error)
{
    // A symbolic link stays a link: the file it points to is replaced. A
    // link to nothing is refused rather than replaced by a file.
    std::string path = requested;
    struct stat lst {
    };
    if (::lstat(requested.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode)) {
        char resolved[PATH_MAX];
        if (!::realpath(requested.c_str(), resolved))
            return Fail(error, ErrnoText(requested));
        path = resolved;
    }

    // The rename would put a file in place of a device, a FIFO or a socket
    // (as root, of /dev/null itself), so only regular files are replaced.
    struct stat old {
    };
    const bool existed = ::stat(path.c_str(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode))
        return Fail(error, path + ": not a regular file");

    RemoveStaleTemporaries(path, std::time(nullptr));

    std::string name = path + ".XXXXXX";
    UniqueFd fd(::mkostemp(name.data(), O_CLOEXEC));
    if (fd.Get() < 0)
        return Fail(error, ErrnoText(path));
    TemporaryPath temporary(name);

    ::fchmod(fd.Get(), existed ? (old.st_mode & 07777) : (0666 & ~CreationMask()));

    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd.Get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Fail(error, ErrnoText(path));
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd.Get()) != 0 || !fd.Close())
        return Fail(error, ErrnoText(path));
    if (::rename(temporary.Path().c_str(), path.c_str()) != 0)
        return Fail(error, ErrnoText(path));
    temporary.Keep();
    return true;
}

std::optional<std::string> WriteNewFile(const std::string& folder, const std::function<std::string(int)>& nameOf,
                                        int attempts, const std::string& bytes, std::string* error)
{
    std::string name = folder + "/.new-XXXXXX";
    UniqueFd fd(::mkostemp(name.data(), O_CLOEXEC));
    if (fd.Get() < 0) {
        Fail(error, ErrnoText(folder));
        return std::nullopt;
    }
    TemporaryPath temporary(name);
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd.Get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            Fail(error, ErrnoText(name));
            return std::nullopt;
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd.Get()) != 0 || !fd.Close()) {
        Fail(error, ErrnoText(name));
        return std::nullopt;
    }
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        const std::string path = folder + "/" + nameOf(attempt);
        // Moves without replacing; where the file system cannot, a hard link
        // does the same, and the temporary name goes with `temporary`.
        bool moved = ::renameat2(AT_FDCWD, name.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0;
        if (!moved && (errno == EINVAL || errno == ENOSYS))
            moved = ::link(name.c_str(), path.c_str()) == 0;
        else if (moved)
            temporary.Keep();
        if (moved) {
            // The new name itself must survive a power cut.
            UniqueFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
            if (dir.Get() >= 0)
                ::fsync(dir.Get());
            return path;
        }
        if (errno != EEXIST) {
            Fail(error, ErrnoText(path));
            return std::nullopt;
        }
    }
    Fail(error, folder + ": every name is taken");
    return std::nullopt;
}

} // namespace FileIo
