#include "serialbyid.h"

#include <dirent.h>
#include <sys/stat.h>

#include <memory>

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

} // namespace

std::string SerialById::NameOf(const std::string& devicePath, const std::string& folder)
{
    struct stat device = {};
    if (::stat(devicePath.c_str(), &device) != 0 || !S_ISCHR(device.st_mode))
        return {};
    const std::unique_ptr<DIR, DirCloser> entries(::opendir(folder.c_str()));
    if (!entries)
        return {};
    // The first in name order, so the same device gets the same name each
    // time (an adapter with two names shows the same one everywhere).
    std::string best;
    while (const dirent* entry = ::readdir(entries.get())) {
        if (entry->d_name[0] == '.')
            continue;
        const std::string path = folder + "/" + entry->d_name;
        struct stat target = {};
        if (::stat(path.c_str(), &target) == 0 && S_ISCHR(target.st_mode) && target.st_rdev == device.st_rdev &&
            (best.empty() || path < best))
            best = path;
    }
    return best;
}

std::string SerialById::PathOf(const std::string& name, const std::string& folder)
{
    if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..")
        return {};
    const std::string path = folder + "/" + name;
    struct stat entry = {};
    return ::lstat(path.c_str(), &entry) == 0 ? path : std::string();
}
