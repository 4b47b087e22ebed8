#include "portholders.h"

#include "visibletext.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

struct Node {
    std::string path;
    dev_t rdev = 0;
    dev_t dev = 0; // the file system the node lives on, for /proc/locks
    ino_t ino = 0;
};

bool IsPid(const char* name, pid_t* pid)
{
    char* end = nullptr;
    const long value = std::strtol(name, &end, 10);
    if (end == name || *end != '\0' || value <= 0)
        return false;
    *pid = static_cast<pid_t>(value);
    return true;
}

// The name may hold any byte but NUL, a line feed included; only the one
// the kernel adds at the end is not part of it.
std::string ProgramName(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/comm", std::ios::binary);
    std::string name((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!name.empty() && name.back() == '\n')
        name.pop_back();
    return name;
}

void AddHolder(std::vector<PortHolders::Holder>& holders, pid_t pid, bool locked)
{
    for (auto& holder : holders) {
        if (holder.pid == pid) {
            holder.locked = holder.locked || locked;
            return;
        }
    }
    holders.push_back({pid, ProgramName(pid), locked});
}

// Every descriptor of every process we may look into. Only links into /dev
// are looked at more closely: the rest (sockets, pipes, files) cannot be a
// serial device, and a stat() for each would make a busy desktop slow.
void ScanDescriptors(const std::vector<Node>& nodes, std::vector<std::vector<PortHolders::Holder>>& found)
{
    const DirHandle proc(::opendir("/proc"));
    if (!proc)
        return;
    const pid_t self = ::getpid();
    while (const dirent* process = ::readdir(proc.get())) {
        pid_t pid = 0;
        if (!IsPid(process->d_name, &pid) || pid == self)
            continue;
        const std::string fdFolder = std::string("/proc/") + process->d_name + "/fd/";
        const DirHandle fds(::opendir(fdFolder.c_str()));
        if (!fds)
            continue; // another user's process, or gone meanwhile
        while (const dirent* fd = ::readdir(fds.get())) {
            if (fd->d_name[0] == '.')
                continue;
            const std::string entry = fdFolder + fd->d_name;
            char target[64];
            const ssize_t length = ::readlink(entry.c_str(), target, sizeof target);
            if (length < 5 || std::string(target, 5) != "/dev/")
                continue;
            struct stat info = {};
            if (::stat(entry.c_str(), &info) != 0 || !S_ISCHR(info.st_mode))
                continue;
            for (std::size_t i = 0; i < nodes.size(); ++i)
                if (nodes[i].rdev == info.st_rdev)
                    AddHolder(found[i], pid, false);
        }
    }
}

// Lines such as "3: FLOCK  ADVISORY  WRITE 1234 00:05:87 0 EOF"; the file
// system's device in hex major:minor, then the inode. Waiters ("3: -> FLOCK
// ...") hold nothing yet.
void ScanLocks(const std::vector<Node>& nodes, std::vector<std::vector<PortHolders::Holder>>& found)
{
    std::ifstream in("/proc/locks");
    const pid_t self = ::getpid();
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string number, kind, mode, access, where;
        long pid = 0;
        if (!(fields >> number >> kind) || kind == "->")
            continue;
        if (!(fields >> mode >> access >> pid >> where) || pid <= 0 || pid == self)
            continue;
        unsigned major = 0, minor = 0;
        unsigned long long inode = 0;
        if (std::sscanf(where.c_str(), "%x:%x:%llu", &major, &minor, &inode) != 3)
            continue;
        for (std::size_t i = 0; i < nodes.size(); ++i)
            if (::major(nodes[i].dev) == major && ::minor(nodes[i].dev) == minor && nodes[i].ino == inode)
                AddHolder(found[i], static_cast<pid_t>(pid), true);
    }
}

} // namespace

std::vector<PortHolders::Holder> PortHolders::Of(const std::string& path)
{
    auto all = Of(std::vector<std::string>{path});
    return std::move(all[path]);
}

std::map<std::string, std::vector<PortHolders::Holder>> PortHolders::Of(const std::vector<std::string>& paths)
{
    std::map<std::string, std::vector<Holder>> result;
    std::vector<Node> nodes;
    for (const std::string& path : paths) {
        result[path];
        struct stat info = {};
        if (::stat(path.c_str(), &info) == 0 && S_ISCHR(info.st_mode))
            nodes.push_back({path, info.st_rdev, info.st_dev, info.st_ino});
    }
    if (nodes.empty())
        return result;
    std::vector<std::vector<Holder>> found(nodes.size());
    ScanDescriptors(nodes, found);
    ScanLocks(nodes, found);
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        std::sort(found[i].begin(), found[i].end(), [](const Holder& a, const Holder& b) { return a.pid < b.pid; });
        result[nodes[i].path] = std::move(found[i]);
    }
    return result;
}

std::string PortHolders::Describe(const Holder& holder)
{
    const std::string process = "process " + std::to_string(holder.pid);
    return holder.program.empty() ? process : VisibleText::Of(holder.program) + " (" + process + ")";
}
