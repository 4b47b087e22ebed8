#pragma once

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <string>

// A small file system of its own (tmpfs over a folder), so that a test can
// fill it, run it out of inodes or make it read-only under a file it holds.
// Mounting needs root (Mounted() says whether it worked); the folder is
// unmounted when the object goes, whatever happened.
class SmallDisk
{
public:
    // `options` as for mount -o: "size=64k", "nr_inodes=2" (the folder
    // itself takes one).
    explicit SmallDisk(std::string folder, std::string options = "size=64k")
        : m_folder(std::move(folder)), m_options(std::move(options))
    {
        m_mounted = ::geteuid() == 0 && ::mount("tmpfs", m_folder.c_str(), "tmpfs", 0, m_options.c_str()) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(m_folder.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return m_mounted; }

    // Writes a file until the disk refuses more.
    void Fill() const
    {
        const std::string filler = m_folder + "/filler";
        const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        const std::string block(4096, 'f');
        while (fd >= 0 && ::write(fd, block.data(), block.size()) > 0) {
        }
        if (fd >= 0)
            ::close(fd);
    }

    // What is there stays readable; nothing can be written or created.
    bool MakeReadOnly() const
    {
        return ::mount("tmpfs", m_folder.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, m_options.c_str()) == 0;
    }

private:
    std::string m_folder;
    std::string m_options;
    bool m_mounted = false;
};
