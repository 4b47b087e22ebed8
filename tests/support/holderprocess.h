#pragma once

#include "argv.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

// Another program holding a device, as ModemManager or a terminal program
// would: a child process that runs `argv` and, when `openOnFd3` names a
// device, has it open on descriptor 3 from before its first instruction.
// The child runs in a process group of its own, killed as a whole when the
// object goes, so nothing it started (flock's command) outlives the test.
class HolderProcess
{
public:
    explicit HolderProcess(std::vector<std::string> argv, const std::string& openOnFd3 = {})
    {
        const std::vector<char*> args = Argv(argv);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (!openOnFd3.empty())
            posix_spawn_file_actions_addopen(&actions, 3, openOnFd3.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK, 0);
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
        posix_spawnattr_setpgroup(&attributes, 0);
        if (::posix_spawn(&m_pid, args[0], &actions, &attributes, args.data(), environ) != 0)
            m_pid = -1;
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&actions);
    }
    ~HolderProcess()
    {
        if (m_pid > 0) {
            ::kill(-m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    HolderProcess(const HolderProcess&) = delete;
    HolderProcess& operator=(const HolderProcess&) = delete;

    pid_t Pid() const { return m_pid; }

private:
    pid_t m_pid = -1;
};
