// qxp-r46-cli read and write against the simulated radio binary on its
// pseudo-terminal, each run as a separate process with its own settings.
#include "channeldocument.h"
#include "datafile.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void Spit(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<char*> Argv(std::vector<std::string>& args)
{
    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    return argv;
}

// The simulator as a child process; its first stdout line is the device.
class Sim
{
public:
    explicit Sim(std::vector<std::string> options)
    {
        int out[2];
        if (::pipe2(out, O_CLOEXEC) != 0)
            return;
        options.insert(options.begin(), {QXP_SIM_EXECUTABLE, "--baud", "0"});
        auto argv = Argv(options);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        if (::posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        m_device = FirstLine(out[0]);
        ::close(out[0]);
    }
    ~Sim()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    const std::string& Device() const { return m_device; }

private:
    static std::string FirstLine(int fd)
    {
        std::string line;
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < until) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0)
                continue;
            char c;
            if (::read(fd, &c, 1) != 1 || c == '\n')
                break;
            line += c;
        }
        return line;
    }

    pid_t m_pid = -1;
    std::string m_device;
};

struct CliRun {
    int status = -1;
    std::string err;
};

class TransferCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/qxp-xfer-cli-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        m_dir = pattern;
        m_dataHome = Path("data");
    }
    void TearDown() override { std::system(("rm -rf '" + m_dir + "'").c_str()); }

    std::string Path(const std::string& name) const { return m_dir + "/" + name; }

    CliRun Cli(std::vector<std::string> args) const
    {
        args.insert(args.begin(), QXP_CLI_PATH);
        const std::string errPath = Path(".stderr");
        std::vector<std::string> env = {"XDG_CONFIG_HOME=" + Path("config"), "XDG_DATA_HOME=" + m_dataHome,
                                        "PATH=/usr/bin:/bin"};
        auto argv = Argv(args);
        auto envp = Argv(env);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        CliRun run;
        pid_t pid = -1;
        if (::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
            int status = 0;
            ::waitpid(pid, &status, 0);
            run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        run.err = Slurp(errPath);
        return run;
    }

    // A channel set that exercises every kind of slot.
    static std::string SampleFile()
    {
        ChannelDocument doc;
        doc.StoreRadioType("0,1,00,1,1,,");
        doc.ClearDocument();
        doc.StoreMemory(12, "012,00145500000,3,2,0,1,0,,09,,12,000600000,1,,00144900000,3,,RPT1");
        doc.StoreMemory(150, "150,00435000000,6,1,1,0,1,,15,,15,005000000,0,,,,,");
        doc.StoreMemory(207, "U3,00430000000,6,0,0,0,0,,09,,09,005000000,0,,,,,EDGE");
        doc.StoreMemory(220, "PR,00433000000,6,0,0,0,0,,09,,09,005000000,1,,00438000000,6,,PRIO");
        doc.StoreVfo(1, "2,00146000000,3,0,0,0,0,,09,,09,000600000,,,,,3,");
        doc.StoreDtmf(2, "02,12*#");
        return DataFile::WriteDataFile(doc);
    }

    std::string m_dir;
    std::string m_dataHome; // XDG_DATA_HOME, where the backups go
};

TEST_F(TransferCli, ReadsTheRadioIntoAFileAndKeepsEveryReadAsABackup)
{
    const std::string backups = Path("data/QUELDOR/QXP-R46/backups/");
    Spit(Path("image.46"), SampleFile());
    Sim sim({"--type", "0,1,00,1,1,,", "--image", Path("image.46")});
    ASSERT_FALSE(sim.Device().empty());
    std::vector<std::string> paths;
    for (int read = 0; read < 2; ++read) {
        const CliRun run = Cli({"read", "--port", sim.Device(), Path("out.46")});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Slurp(Path("out.46")), Slurp(Path("image.46")));
        // No progress when stderr is not a terminal, only how it ended.
        const std::string head = "Read 4 channels from the radio.\nBackup: ";
        ASSERT_EQ(run.err.rfind(head + backups, 0), 0u) << run.err;
        paths.push_back(run.err.substr(head.size(), run.err.size() - head.size() - 1));
        EXPECT_EQ(Slurp(paths.back()), Slurp(Path("image.46"))) << paths.back();
    }
    EXPECT_NE(paths[0], paths[1]);
    EXPECT_EQ(paths[0].size(), backups.size() + std::string("YYYYMMDD-HHMMSS.46").size()) << paths[0];

    // A backup that cannot be written is said; the read itself stands.
    m_dataHome = Path("image.46");
    const CliRun run = Cli({"read", "--port", sim.Device(), Path("out.46")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "Read 4 channels from the radio.\nqxp-r46-cli: no backup written: " + Path("image.46") +
                           "/QUELDOR: Not a directory\n");
}

TEST_F(TransferCli, VerifyAfterWriteNamesWhatTheRadioLost)
{
    // Writes in order: MW 0,0,000 .. MW 0,0,011, then channel 012 with
    // MW 0,0,012 (13th), MW 0,1,012 (14th), MNA 0,012,RPT1 (15th).
    const struct {
        const char* lost; // --ignore-write
        int status;
        std::string verdict;
    } cases[] = {
        {nullptr, 0, "Verified: every channel confirmed (227 records compared).\n"},
        {"15", 4,
         "Verification failed: 1 difference between the file and the radio:\n"
         "012: name: written \"RPT1\", read back \"\"\n"},
        {"13", 4,
         "Verification failed: 1 difference between the file and the radio:\n"
         "012: channel: written 145.500 MHz \"RPT1\", read back (none)\n"},
    };
    Spit(Path("in.46"), SampleFile());
    for (const auto& c : cases) {
        std::vector<std::string> options = {"--type", "0,1,00,1,1,,"};
        if (c.lost)
            options.insert(options.end(), {"--ignore-write", c.lost});
        Sim sim(options);
        ASSERT_FALSE(sim.Device().empty());
        const CliRun run = Cli({"write", "--verify", "--port", sim.Device(), Path("in.46")});
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.err, "Wrote 4 channels to the radio.\n" + c.verdict);
    }
}

TEST_F(TransferCli, TraceOfAShortRead)
{
    Sim sim({"--id", "QZ-R99"});
    ASSERT_FALSE(sim.Device().empty());
    const CliRun run = Cli({"read", "--trace", Path("trace.txt"), "--port", sim.Device(), Path("out.46")});
    EXPECT_EQ(run.status, 3);
    std::istringstream trace(Slurp(Path("trace.txt")));
    std::string line;
    std::vector<std::string> events;
    while (std::getline(trace, line)) {
        ASSERT_GT(line.size(), 9u) << line;
        EXPECT_NE(line.find_first_of("0123456789"), std::string::npos) << "milliseconds first: " << line;
        events.push_back(line.substr(9));
    }
    ASSERT_EQ(events.size(), 7u);
    EXPECT_EQ(events[0].rfind("# qxp-r46-cli read, ", 0), 0u) << events[0];
    EXPECT_EQ(std::vector<std::string>(events.begin() + 1, events.end()),
              (std::vector<std::string>{"# Reading on " + sim.Device(), "> AI 0\\r", "< AI 0\\r", "> ID\\r",
                                        "< ID QZ-R99\\r", "# The radio is invalid.\\nPlease check and try again."}));

    const CliRun unwritable =
        Cli({"read", "--trace", Path("no/such/trace.txt"), "--port", sim.Device(), Path("out.46")});
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_EQ(unwritable.err.rfind("File Open error.\n", 0), 0u) << unwritable.err;
}

TEST_F(TransferCli, WriteThenReadBackThroughMappedPorts)
{
    Sim sim({"--type", "0,1,00,1,1,,"});
    ASSERT_FALSE(sim.Device().empty());
    // COM2 through the settings' port map, and the chosen port as default.
    std::system(("mkdir -p '" + Path("config/QUELDOR") + "'").c_str());
    Spit(Path("config/QUELDOR/QXP-R46.conf"), "[General]\nCommPort=COM2\n\n[Ports]\nCOM2=" + sim.Device() + "\n");
    Spit(Path("in.46"), SampleFile());

    const CliRun written = Cli({"write", "--port", "COM2", Path("in.46")});
    EXPECT_EQ(written.status, 0) << written.err;
    const CliRun read = Cli({"read", Path("back.46")});
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(Slurp(Path("back.46")), Slurp(Path("in.46")));
    EXPECT_EQ(Slurp(Path("config/QUELDOR/QXP-R46.conf")),
              "[General]\nCommPort=COM2\n\n[Ports]\nCOM2=" + sim.Device() + "\n")
        << "the tool leaves the settings alone";
}

TEST_F(TransferCli, FailuresEndWithTheirMessageAndNoFile)
{
    const struct {
        const char* what;
        std::vector<std::string> simOptions;
        std::vector<std::string> args; // "DEV" stands for the simulator's device
        int status;
        std::string err;
    } cases[] = {
        {"wrong radio",
         {"--id", "QZ-R99"},
         {"read", "--port", "DEV"},
         3,
         "The radio is invalid.\nPlease check and try again.\n"},
        {"wrong radio on write",
         {"--id", "QZ-R99"},
         {"write", "--port", "DEV", "IN"},
         3,
         "The radio is invalid.\nPlease check and try again.\n"},
        {"radio stops answering",
         {"--stop-after", "30"},
         {"read", "--port", "DEV"},
         3,
         "Communication timeout error.\n"},
        {"no such port",
         {},
         {"read", "--port", "/dev/qxp-no-such-port"},
         3,
         "COM port is invalid.\nPlease check and try again.\n"},
        {"output not .46", {}, {"read", "--port", "DEV", "OUT.txt"}, 2, "File Open error.\n"},
        {"input missing", {}, {"write", "--port", "DEV", "MISSING.46"}, 2, "File Open error.\n"},
    };
    Spit(Path("in.46"), SampleFile());
    for (const auto& c : cases) {
        Sim sim(c.simOptions);
        ASSERT_FALSE(sim.Device().empty());
        std::vector<std::string> args;
        for (const std::string& arg : c.args)
            args.push_back(arg == "DEV"          ? sim.Device()
                           : arg == "IN"         ? Path("in.46")
                           : arg == "OUT.txt"    ? Path("out.txt")
                           : arg == "MISSING.46" ? Path("missing.46")
                                                 : arg);
        if (c.args.front() == "read" && c.status == 3)
            args.push_back(Path("out.46"));
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, c.status) << c.what << ": " << run.err;
        EXPECT_EQ(run.err, c.err) << c.what;
        EXPECT_NE(::access(Path("out.46").c_str(), F_OK), 0) << c.what;
        EXPECT_NE(::access(Path("out.txt").c_str(), F_OK), 0) << c.what;
    }
}

} // namespace
