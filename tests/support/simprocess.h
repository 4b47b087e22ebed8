#pragma once

#include "argv.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

extern char** environ;

// The simulated radio binary (QXP_SIM_EXECUTABLE) as a child process,
// killed when the object goes; the first line it prints names its device.
// Its standard error goes to /dev/null: a child that held the test's own
// output open would keep ctest waiting after the test has ended.
class SimProcess
{
public:
    explicit SimProcess(std::vector<std::string> options)
    {
        int out[2];
        if (::pipe2(out, O_CLOEXEC) != 0)
            return;
        options.insert(options.begin(), QXP_SIM_EXECUTABLE);
        const std::vector<char*> argv = Argv(options);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        if (::posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        m_stdout = out[0];
    }
    ~SimProcess()
    {
        Wait(SIGKILL);
        if (m_stdout >= 0)
            ::close(m_stdout);
    }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Empty when the simulator named none within 10 s.
    const std::string& Device()
    {
        if (!m_deviceRead)
            m_device = FirstLine();
        m_deviceRead = true;
        return m_device;
    }

    // Exit status after the signal, or after the simulator ended by itself.
    int Wait(int signal = 0)
    {
        if (m_pid <= 0)
            return -1;
        if (signal)
            ::kill(m_pid, signal);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

private:
    std::string FirstLine() const
    {
        std::string line;
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (line.empty() || line.back() != '\n') {
            pollfd fd{m_stdout, POLLIN, 0};
            if (m_stdout < 0 || std::chrono::steady_clock::now() > until || ::poll(&fd, 1, 100) < 0)
                return {};
            char c;
            if (fd.revents && ::read(m_stdout, &c, 1) != 1)
                return {};
            if (fd.revents)
                line += c;
        }
        line.pop_back();
        return line;
    }

    pid_t m_pid = -1;
    int m_stdout = -1;
    bool m_deviceRead = false;
    std::string m_device;
};
