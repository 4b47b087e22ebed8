#include "backupstore.h"

#include "channeldocument.h"
#include "datafile.h"
#include "fileio.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kMostCopiesPerSecond = 999;

// mkdir -p; backups are the user's own, so new folders are private.
bool MakeFolders(const std::string& folder, std::string* error)
{
    for (std::size_t slash = 1; slash <= folder.size(); ++slash) {
        if (slash < folder.size() && folder[slash] != '/')
            continue;
        const std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            *error = part + ": " + std::strerror(errno);
            return false;
        }
    }
    struct stat st {
    };
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        *error = folder + ": not a folder";
        return false;
    }
    return true;
}

} // namespace

BackupStore::BackupStore(std::string folder) : m_folder(std::move(folder))
{
    while (m_folder.size() > 1 && m_folder.back() == '/')
        m_folder.pop_back();
}

std::string BackupStore::FileName(std::time_t when, int copy)
{
    std::tm local{};
    ::localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    std::string name = stamp;
    if (copy >= 2)
        name += "-" + std::to_string(copy);
    return name + ".46";
}

BackupStore::Result BackupStore::Save(const ChannelDocument& doc, std::time_t when) const
{
    Result result;
    if (m_folder.empty()) {
        result.error = "no folder for backups";
        return result;
    }
    if (!MakeFolders(m_folder, &result.error))
        return result;

    // The name is claimed with O_EXCL before anything is written, so two
    // reads finishing in the same second (two programs, or two ports) can
    // never pick the same file; the atomic writer then replaces the empty
    // claim with the whole file.
    for (int copy = 1; copy <= kMostCopiesPerSecond; ++copy) {
        const std::string path = m_folder + "/" + FileName(when, copy);
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            result.error = path + ": " + std::strerror(errno);
            return result;
        }
        ::close(fd);
        if (!FileIo::WriteFileAtomically(path, DataFile::WriteDataFile(doc), &result.error)) {
            ::unlink(path.c_str());
            return result;
        }
        result.ok = true;
        result.path = path;
        return result;
    }
    result.error = m_folder + ": too many backups within one second";
    return result;
}
