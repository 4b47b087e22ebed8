#include "fileio.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

std::string ErrnoText(const std::string& what) { return what + ": " + std::strerror(errno); }

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
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) {
        *error = ErrnoText(path);
        return false;
    }
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0) {
        *error = ErrnoText(path);
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        *error = path + ": is a directory";
        return false;
    }
    contents->clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *error = ErrnoText(path);
            return false;
        }
        if (n == 0)
            break;
        if (contents->size() + static_cast<std::size_t>(n) > MaxFileSize) {
            *error = path + ": too large for a data file";
            return false;
        }
        contents->append(buffer, static_cast<std::size_t>(n));
    }
    return true;
}

bool WriteFileAtomically(const std::string& requested, const std::string& bytes, std::string* error)
{
    // Replace the file a symbolic link points to, not the link.
    std::string path = requested;
    char resolved[PATH_MAX];
    struct stat lst {};
    if (::lstat(requested.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode) && ::realpath(requested.c_str(), resolved))
        path = resolved;

    struct stat old {};
    const bool existed = ::stat(path.c_str(), &old) == 0;
    if (existed && S_ISDIR(old.st_mode)) {
        *error = path + ": is a directory";
        return false;
    }

    std::string name = path + ".XXXXXX";
    FileDescriptor fd(::mkostemp(name.data(), O_CLOEXEC));
    if (fd.Get() < 0) {
        *error = ErrnoText(path);
        return false;
    }
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
            *error = ErrnoText(path);
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd.Get()) != 0 || !fd.Close()) {
        *error = ErrnoText(path);
        return false;
    }
    if (::rename(temporary.Path().c_str(), path.c_str()) != 0) {
        *error = ErrnoText(path);
        return false;
    }
    temporary.Keep();
    return true;
}

} // namespace FileIo
