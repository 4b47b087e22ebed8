// How fast the two ways of reading the radio turn a reply into the next
// command: the read dialog (TReadForm, in this process, its event loop
// running) and the command-line tool (qxp-r46-cli read, as a process of its
// own). Both read the same simulated radio, which answers on a
// pseudo-terminal at the pace of a 9600 bit/s line (ten bits a byte).
//
// The radio side measures: the turnaround is the time from the moment the
// last byte of a reply (its carriage return) has gone out to the moment the
// first byte of the next command comes in; the wire time is the replies'
// bytes at 9600 bit/s. The commands themselves cross the pseudo-terminal
// unpaced. The full read is the dialog from open() to closed, and the tool
// from its start to its exit (process start-up included).
//
// Usage: qxp_transfer_bench [READS]   (3 reads per path unless given)
// Runs offscreen unless QT_QPA_PLATFORM names a platform. Settings and
// backups go to a temporary folder, never the user's.
#include "builtinradio.h"
#include "channeldocument.h"
#include "documenthost.h"
#include "messageservice.h"
#include "radiosim.h"
#include "simport.h"
#include "treadform.h"
#include "uniquefd.h"

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <poll.h>
#include <spawn.h>
#include <sys/eventfd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr unsigned Baud = 9600;

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// The simulated radio on a pseudo-terminal, answering one line at a time
// at the line's pace and timing each turnaround.
class PacedRadio
{
public:
    PacedRadio()
    {
        std::string error;
        m_stop.Reset(::eventfd(0, EFD_CLOEXEC));
        if (!m_stop.Valid() || !m_port.Open(&error)) {
            std::fprintf(stderr, "no pseudo-terminal: %s\n", error.c_str());
            return;
        }
        m_radio.SetRadioType("0,1,00,1,1,,");
        BuiltInRadio::FillFresh(m_radio.Memory());
        m_thread = std::thread([this] { Serve(); });
    }
    ~PacedRadio()
    {
        if (!m_thread.joinable())
            return;
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(m_stop.Get(), &one, sizeof one);
        m_thread.join();
    }
    const std::string& Device() const { return m_port.DevicePath(); }

    struct Figures {
        std::vector<double> turnaroundMs;
        double wireMs = 0;
        int commands = 0;
    };
    Figures Take()
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        Figures figures = std::move(m_figures);
        m_figures = {};
        m_awaiting = false;
        return figures;
    }

private:
    void Serve()
    {
        std::string pending;
        for (;;) {
            pollfd fds[2] = {{m_stop.Get(), POLLIN, 0}, {m_port.MasterFd(), POLLIN, 0}};
            if (::poll(fds, 2, -1) < 0 && errno != EINTR)
                return;
            if (fds[0].revents)
                return;
            char bytes[512];
            const ssize_t got = (fds[1].revents & POLLIN) ? ::read(m_port.MasterFd(), bytes, sizeof bytes) : -1;
            if (got <= 0) {
                // No client has the device open: the master reports a
                // hang-up until one does.
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                continue;
            }
            const Clock::time_point arrived = Clock::now();
            const std::lock_guard<std::mutex> lock(m_mutex);
            if (m_awaiting)
                m_figures.turnaroundMs.push_back(Ms(arrived - m_replyEnd));
            m_awaiting = false;
            pending.append(bytes, static_cast<std::size_t>(got));
            for (std::size_t end; (end = pending.find('\r')) != std::string::npos;) {
                const std::string reply = m_radio.Answer(pending.substr(0, end)) + "\r";
                pending.erase(0, end + 1);
                SendPaced(reply);
                m_replyEnd = Clock::now();
                m_awaiting = true;
                m_figures.wireMs += reply.size() * 10.0 * 1000.0 / Baud;
                ++m_figures.commands;
            }
        }
    }

    // Each byte goes out once its ten bits would have crossed the line, so
    // the carriage return leaves when a real line would deliver it.
    void SendPaced(const std::string& bytes)
    {
        const auto perByte = std::chrono::nanoseconds(10LL * 1000000000LL / Baud);
        Clock::time_point due = Clock::now();
        for (const char byte : bytes) {
            due += perByte;
            std::this_thread::sleep_until(due);
            while (::write(m_port.MasterFd(), &byte, 1) != 1) {
                if (errno != EAGAIN && errno != EINTR)
                    return;
                pollfd out{m_port.MasterFd(), POLLOUT, 0};
                ::poll(&out, 1, 10);
            }
        }
    }

    SimPort m_port;
    RadioSim m_radio;
    UniqueFd m_stop;
    std::thread m_thread;
    std::mutex m_mutex;
    Figures m_figures;
    Clock::time_point m_replyEnd;
    bool m_awaiting = false;
};

class QuietMessages : public MessageService
{
public:
    void Inform(QWidget*, Icon, const QString& text) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
};

class BenchHost : public DocumentHost
{
public:
    DocumentSession session;
    QuietMessages messages;
    QString port = QStringLiteral("COM1");

    DocumentSession& Session() override { return session; }
    int GridRow(int) const override { return 1; }
    const QString& PortChoice() const override { return port; }
    void AfterReadUpdate() override {}
    MessageService& Messages() override { return messages; }
};

// qxp-r46-cli read; false when it did not exit with 0.
bool RunCli(const std::string& device, const QTemporaryDir& home)
{
    const std::string dir = home.path().toStdString();
    std::vector<std::string> args = {QXP_CLI_PATH, "read", "--port", device, dir + "/read.46"};
    std::vector<std::string> env = {"XDG_CONFIG_HOME=" + dir + "/config", "XDG_DATA_HOME=" + dir + "/data",
                                    "HOME=" + dir, "PATH=/usr/bin:/bin"};
    auto pointers = [](std::vector<std::string>& strings) {
        std::vector<char*> p;
        for (auto& s : strings)
            p.push_back(s.data());
        p.push_back(nullptr);
        return p;
    };
    auto argv = pointers(args);
    auto envp = pointers(env);
    pid_t pid = -1;
    if (::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0)
        return false;
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct PathFigures {
    std::vector<double> turnaroundMs;
    std::vector<double> readMs;
    double wireMs = 0;
    int commands = 0;
};

void Print(const char* name, PathFigures f)
{
    if (f.turnaroundMs.empty() || f.readMs.empty()) {
        std::printf("%-8s no complete read\n", name);
        return;
    }
    std::sort(f.turnaroundMs.begin(), f.turnaroundMs.end());
    std::sort(f.readMs.begin(), f.readMs.end());
    const double mean =
        std::accumulate(f.turnaroundMs.begin(), f.turnaroundMs.end(), 0.0) / static_cast<double>(f.turnaroundMs.size());
    const double turnaroundSum = mean * f.commands;
    std::printf("%-8s turnaround %6.3f ms median, %6.3f ms mean, %6.3f ms 99th of %zu; full read %7.1f ms median "
                "(%d commands, wire %7.1f ms, (wire + turnaround) / wire %.4f)\n",
                name, f.turnaroundMs[f.turnaroundMs.size() / 2], mean, f.turnaroundMs[f.turnaroundMs.size() * 99 / 100],
                f.turnaroundMs.size(), f.readMs[f.readMs.size() / 2], f.commands, f.wireMs,
                (f.wireMs + turnaroundSum) / f.wireMs);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    QApplication app(argc, argv);
    const int reads = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    PacedRadio radio;
    if (radio.Device().empty())
        return 1;
    std::printf("simulated radio on %s at %u bit/s, %d reads per path\n", radio.Device().c_str(), Baud, reads);

    PathFigures dialog;
    BenchHost host;
    TReadForm form(host);
    const std::string device = radio.Device();
    form.SetPortResolver([device](const std::string&) { return device; });
    for (int i = 0; i < reads; ++i) {
        radio.Take();
        QEventLoop loop;
        QObject::connect(&form, &QDialog::finished, &loop, &QEventLoop::quit);
        const Clock::time_point start = Clock::now();
        form.open();
        loop.exec();
        dialog.readMs.push_back(Ms(Clock::now() - start));
        PacedRadio::Figures f = radio.Take();
        dialog.turnaroundMs.insert(dialog.turnaroundMs.end(), f.turnaroundMs.begin(), f.turnaroundMs.end());
        dialog.wireMs = f.wireMs;
        dialog.commands = f.commands;
    }

    PathFigures cli;
    for (int i = 0; i < reads; ++i) {
        radio.Take();
        const Clock::time_point start = Clock::now();
        if (!RunCli(device, home)) {
            std::fprintf(stderr, "qxp-r46-cli read failed\n");
            return 1;
        }
        cli.readMs.push_back(Ms(Clock::now() - start));
        PacedRadio::Figures f = radio.Take();
        cli.turnaroundMs.insert(cli.turnaroundMs.end(), f.turnaroundMs.begin(), f.turnaroundMs.end());
        cli.wireMs = f.wireMs;
        cli.commands = f.commands;
    }

    Print("dialog", dialog);
    Print("cli", cli);
    return 0;
}
