#include "fileio.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace FileIo {

namespace {

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }
    // Closes now so that a failing close (a full disk on NFS) can be seen.
    bool Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

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

} // namespace

bool ReadWholeFile(const std::string& path, std::string* contents, std::string* error)
{
    // Without O_NONBLOCK, opening a FIFO waits for a writer and a serial
    // device for its carrier; the file type is known only after the open.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
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

    std::string name = path + ".XXXXXX";
    FileDescriptor fd(::mkostemp(name.data(), O_CLOEXEC));
    if (fd.Get() < 0)
        return Fail(error, ErrnoText(path));
    TemporaryPath temporary(name);

    mode_t mode = 0;
    if (existed) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd.Get(), mode);

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
    FileDescriptor fd(::mkostemp(name.data(), O_CLOEXEC));
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
            FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
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
