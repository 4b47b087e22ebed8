// qxp-r46-cli read and write against the simulated radio binary on its
// pseudo-terminal, each run as a separate process with its own settings.
#include "builtinradio.h"
#include "channeldocument.h"
#include "datafile.h"
#include "holderprocess.h"
#include "simprocess.h"
#include "tempfolder.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <sys/ioctl.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The simulator at full speed.
class Sim : public SimProcess
{
public:
    explicit Sim(std::vector<std::string> options) : SimProcess(FullSpeed(std::move(options))) {}

private:
    static std::vector<std::string> FullSpeed(std::vector<std::string> options)
    {
        options.insert(options.begin(), {"--baud", "0"});
        return options;
    }
};

struct CliRun {
    int status = -1;
    std::string err;
    std::string out;
};

class TransferCli : public TempFolderTest
{
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        m_dataHome = Path("data");
    }

    // The tool with its own settings and data folders; `prefix` runs it
    // through another program first (setpriv).
    // The tool started and left running; its standard error goes to `errPath`.
    pid_t Spawn(std::vector<std::string> args, const std::string& errPath) const
    {
        args.insert(args.begin(), QXP_CLI_PATH);
        std::vector<std::string> env = {"XDG_CONFIG_HOME=" + Path("config"), "XDG_DATA_HOME=" + m_dataHome,
                                        "HOME=" + Path("home"), "PATH=/usr/bin:/bin"};
        auto argv = Argv(args);
        auto envp = Argv(env);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        pid_t pid = -1;
        if (::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
            pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        return pid;
    }

    CliRun Cli(std::vector<std::string> args, const std::vector<std::string>& prefix = {}) const
    {
        args.insert(args.begin(), QXP_CLI_PATH);
        args.insert(args.begin(), prefix.begin(), prefix.end());
        const std::string errPath = Path(".stderr");
        const std::string outPath = Path(".stdout");
        std::vector<std::string> env = {"XDG_CONFIG_HOME=" + Path("config"), "XDG_DATA_HOME=" + m_dataHome,
                                        "HOME=" + Path("home"), "PATH=/usr/bin:/bin"};
        auto argv = Argv(args);
        auto envp = Argv(env);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        CliRun run;
        pid_t pid = -1;
        if (::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
            int status = 0;
            ::waitpid(pid, &status, 0);
            run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        run.err = Slurp(errPath);
        run.out = Slurp(outPath);
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

    std::string m_dataHome; // XDG_DATA_HOME, where the backups go
};

// The file holds what the radio holds, whatever line noise came with the
// replies. Commands: 1 "AI 0", 2 "ID", 3 "TYD", 4 "FL", 5..16 the empty
// slots 000..011, 17 "MR 0,0,012", 18 "MR 0,1,012", 19 "MNA 0,012".
TEST_F(TransferCli, ReadsTheRadioIntoAFile)
{
    const struct {
        const char* what;
        std::vector<std::string> simOptions;
    } cases[] = {
        {"clean line", {}},
        {"lone carriage returns before replies",
         {"--stray-cr", "2", "--stray-cr", "5", "--stray-cr", "17", "--stray-cr", "19", "--stray-cr", "250"}},
        {"line feeds, TABs and NULs inside replies",
         {"--control-chars", "3", "--control-chars", "17", "--control-chars", "19"}},
        {"a reply longer than the input queue", {"--pad-reply", "1:2000"}},
    };
    Spit(Path("image.46"), SampleFile());
    for (const auto& c : cases) {
        std::vector<std::string> options = {"--type", "0,1,00,1,1,,", "--image", Path("image.46")};
        options.insert(options.end(), c.simOptions.begin(), c.simOptions.end());
        Sim sim(options);
        ASSERT_FALSE(sim.Device().empty());
        const CliRun run = Cli({"read", "--port", sim.Device(), Path("out.46")});
        EXPECT_EQ(run.status, 0) << c.what << ": " << run.err;
        EXPECT_EQ(run.err.rfind("Read 4 channels from the radio.\nBackup: ", 0), 0u)
            << "no progress when stderr is not a terminal: " << run.err;
        EXPECT_EQ(Slurp(Path("out.46")), Slurp(Path("image.46"))) << c.what;
        ::unlink(Path("out.46").c_str());
    }
}

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
    // Slots 000 .. 011 are only emptied; the writes with data begin with
    // channel 012: MW 0,0,012,... (1st), MW 0,1,012,... (2nd), MNA 0,012,RPT1 (3rd).
    const struct {
        const char* lost; // --ignore-write
        int status;
        std::string verdict;
    } cases[] = {
        {nullptr, 0, "Verified: every channel confirmed (227 records compared).\n"},
        {"3", 4,
         "Verification failed: 1 difference between the file and the radio:\n"
         "012: name: written \"RPT1\", read back \"\"\n"},
        {"1", 4,
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

// A trace that stops growing (a full disk; here a file size limit, which
// holds for root too) is said to be incomplete, with the reason.
TEST_F(TransferCli, ATraceCutShortIsSaidToBeIncomplete)
{
    Sim sim({});
    ASSERT_FALSE(sim.Device().empty());
    const CliRun run = Cli({"read", "--trace", Path("trace.txt"), "--port", sim.Device(), Path("out.46")},
                           {"/bin/sh", "-c", "trap '' XFSZ; ulimit -f 2; exec \"$@\"", "sh"});
    EXPECT_NE(run.err.find("qxp-r46-cli: trace incomplete: " + Path("trace.txt") + ": File too large\n"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(Slurp(Path("trace.txt")).rfind("       0 # qxp-r46-cli read, ", 0), 0u);
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

// Whether the kernel refuses further opens of the device (TIOCEXCL).
bool ExclusiveModeSet(const std::string& device)
{
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == EBUSY;
    int exclusive = 0;
    ::ioctl(fd, TIOCGEXCL, &exclusive);
    ::close(fd);
    return exclusive != 0;
}

// A read stopped by a signal while it waits on the radio gives the port back
// as it found it, writes no file and keeps its trace to the last line; one
// killed outright leaves the port in exclusive mode, which the next run
// clears, as no program holds the port any more.
TEST_F(TransferCli, StoppedReadsLeaveThePortFreeAndTheTraceWhole)
{
    const struct {
        int signal;
        int status; // -1: killed
    } cases[] = {{SIGINT, 130}, {SIGTERM, 143}, {SIGHUP, 129}, {SIGKILL, -1}};
    for (const auto& c : cases) {
        const std::string name = ::strsignal(c.signal);
        Sim sim({"--stop-after", "8"});
        ASSERT_FALSE(sim.Device().empty());
        const std::string tracePath = Path("trace.txt");
        ::unlink(tracePath.c_str());
        const pid_t pid = Spawn({"read", "--trace", tracePath, "--port", sim.Device(), Path("out.46")}, Path(".err"));
        ASSERT_GT(pid, 0);
        // The ninth command goes unanswered; the tool waits for its reply.
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        while (std::chrono::steady_clock::now() < until && Slurp(tracePath).find("> MR 0,0,004") == std::string::npos)
            ::usleep(10000);
        ::kill(pid, c.signal);
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, c.status) << name << ": " << Slurp(Path(".err"));
        const std::string trace = Slurp(tracePath);
        EXPECT_NE(trace.find("> MR 0,0,004\\r\n"), std::string::npos) << name << ": " << trace;
        EXPECT_NE(::access(Path("out.46").c_str(), F_OK), 0) << name;
        if (c.status >= 0) {
            EXPECT_NE(trace.find("# stopped by "), std::string::npos) << name << ": " << trace;
            EXPECT_FALSE(ExclusiveModeSet(sim.Device())) << name;
        }
        // The radio answers nothing now, but the port opens.
        const CliRun next = Cli({"read", "--port", sim.Device(), Path("out.46")});
        EXPECT_EQ(next.status, 3) << name;
        EXPECT_EQ(next.err.rfind("Communication timeout error.\n", 0), 0u) << name << ": " << next.err;
    }
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
         "Communication timeout error.\nDEV. The radio did not answer within 2 seconds: check that it is switched on, "
         "that the cable sits firmly at both ends, and that the radio is not transmitting.\n"},
        // The stray line comes 1500 ms after "ID", the (wrong) identity
        // 1500 ms later: past the 2000 ms the command was given.
        {"a stray line does not buy the radio time",
         {"--latency-ms", "1500", "--stray-cr", "2", "--id", "QZ-R99"},
         {"read", "--port", "DEV"},
         3,
         "Communication timeout error.\nDEV. The radio did not answer within 2 seconds: check that it is switched on, "
         "that the cable sits firmly at both ends, and that the radio is not transmitting.\n"},
        {"identity longer than the input queue",
         {"--pad-reply", "2:3000"},
         {"read", "--port", "DEV"},
         3,
         "The radio is invalid.\nPlease check and try again.\n"},
        {"identity longer than the input queue on write",
         {"--pad-reply", "2:3000"},
         {"write", "--port", "DEV", "IN"},
         3,
         "The radio is invalid.\nPlease check and try again.\n"},
        {"no such port",
         {},
         {"read", "--port", "/dev/qxp-no-such-port"},
         3,
         "COM port is invalid.\nPlease check and try again.\n/dev/qxp-no-such-port. It does not exist: the cable is "
         "unplugged, or the name is wrong.\n"},
        {"port assigned to a missing device",
         {},
         {"write", "--port", "COM2", "IN"},
         3,
         "COM port is invalid.\nPlease check and try again.\nCOM2 = /dev/qxp-no-such-port. It does not exist: the "
         "cable is unplugged, or the name is wrong.\n"},
        {"another program has the port open",
         {},
         {"read", "--port", "DEV", "HELD"},
         3,
         "COM port is invalid.\nPlease check and try again.\nDEV. Another program has it open without a lock, and "
         "would take the radio's replies: sleep (process PID); close that program first.\n"},
        {"output not .46",
         {},
         {"read", "--port", "DEV", "OUT.txt"},
         2,
         "File Open error.\nqxp-r46-cli: OUT.txt: the output needs the extension .46\n"},
        {"input missing",
         {},
         {"write", "--port", "DEV", "MISSING.46"},
         2,
         "File Open error.\nqxp-r46-cli: MISSING.46: No such file or directory\n"},
    };
    Spit(Path("in.46"), SampleFile());
    std::system(("mkdir -p '" + Path("config/QUELDOR") + "'").c_str());
    Spit(Path("config/QUELDOR/QXP-R46.conf"), "[Ports]\nCOM2=/dev/qxp-no-such-port\n");
    for (const auto& c : cases) {
        Sim sim(c.simOptions);
        ASSERT_FALSE(sim.Device().empty());
        std::unique_ptr<HolderProcess> holder;
        std::vector<std::string> args;
        for (const std::string& arg : c.args) {
            if (arg == "HELD")
                holder = std::make_unique<HolderProcess>(std::vector<std::string>{"/bin/sleep", "30"}, sim.Device());
            else
                args.push_back(arg == "DEV"          ? sim.Device()
                               : arg == "IN"         ? Path("in.46")
                               : arg == "OUT.txt"    ? Path("out.txt")
                               : arg == "MISSING.46" ? Path("missing.46")
                                                     : arg);
        }
        if (c.args.front() == "read" && c.status == 3)
            args.push_back(Path("out.46"));
        const CliRun run = Cli(args);
        std::string err = c.err;
        for (const auto& [mark, text] : {std::pair<std::string, std::string>{"DEV", sim.Device()},
                                         {"PID", holder ? std::to_string(holder->Pid()) : ""},
                                         {"OUT.txt", Path("out.txt")},
                                         {"MISSING.46", Path("missing.46")}})
            for (std::size_t at; (at = err.find(mark)) != std::string::npos;)
                err.replace(at, mark.size(), text);
        EXPECT_EQ(run.status, c.status) << c.what << ": " << run.err;
        EXPECT_EQ(run.err, err) << c.what;
        EXPECT_NE(::access(Path("out.46").c_str(), F_OK), 0) << c.what;
        EXPECT_NE(::access(Path("out.txt").c_str(), F_OK), 0) << c.what;
    }
}

// The command lines the simulator logged, one per element.
std::vector<std::string> LogLines(const std::string& path)
{
    std::vector<std::string> lines;
    std::istringstream in(Slurp(path));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool AnyWrite(const std::vector<std::string>& log)
{
    for (const std::string& line : log)
        if (line.rfind("MW ", 0) == 0 || line.rfind("VMC", 0) == 0)
            return true;
    return false;
}

// The sample with channel 005 added, 012 renamed and 150 gone.
std::string ChangedSampleFile()
{
    ChannelDocument doc;
    doc.StoreRadioType("0,1,00,1,1,,");
    doc.ClearDocument();
    doc.StoreMemory(5, "005,00146000000,3,0,0,0,0,,09,,09,000600000,0,,,,,NEW");
    doc.StoreMemory(12, "012,00145500000,3,2,0,1,0,,09,,12,000600000,1,,00144900000,3,,RPT9");
    doc.StoreMemory(207, "U3,00430000000,6,0,0,0,0,,09,,09,005000000,0,,,,,EDGE");
    doc.StoreMemory(220, "PR,00433000000,6,0,0,0,0,,09,,09,005000000,1,,00438000000,6,,PRIO");
    doc.StoreVfo(1, "2,00146000000,3,0,0,0,0,,09,,09,000600000,,,,,3,");
    doc.StoreDtmf(2, "02,12*#");
    return DataFile::WriteDataFile(doc);
}

// --preview reads the radio, keeps it and says what a write would change,
// in the words of diff, writing nothing; --backup-first does the same read
// and then exactly the plain write: the radio sees one whole read, then the
// write's commands.
TEST_F(TransferCli, PreviewAndBackupFirstKeepTheRadioBeforeWriting)
{
    const std::string backups = Path("data/QUELDOR/QXP-R46/backups/");
    Spit(Path("image.46"), SampleFile());
    Spit(Path("changed.46"), ChangedSampleFile());
    const CliRun diff = Cli({"diff", Path("image.46"), Path("changed.46")});
    ASSERT_EQ(diff.status, 1);

    // The plain verbs, for the commands they send.
    std::vector<std::string> plainLog;
    for (const char* verb : {"read", "write"}) {
        Sim sim({"--type", "0,1,00,1,1,,", "--image", Path("image.46"), "--log", Path("plain.log")});
        ASSERT_FALSE(sim.Device().empty());
        const std::string target = std::string(verb) == "read" ? Path("read.46") : Path("changed.46");
        ASSERT_EQ(Cli({verb, "--type", "0,1,00,1,1,,", "--port", sim.Device(), target}).status, 0);
    }
    plainLog = LogLines(Path("plain.log"));

    const struct {
        const char* what;
        const char* option;
        const char* file;
        int status;
        std::string out;
        std::string count;
    } cases[] = {
        {"preview of what the radio holds", "--preview", "image.46", 0, "",
         "The radio already holds what this write sends: nothing changes.\n"},
        {"preview of changes", "--preview", "changed.46", 1, diff.out,
         "1 channel changes, 1 is added, 1 is removed.\n"},
        {"backup first", "--backup-first", "changed.46", 0, "", "1 channel changes, 1 is added, 1 is removed.\n"},
    };
    for (const auto& c : cases) {
        const std::string log = Path(std::string(c.option) + c.file + ".log");
        Sim sim({"--type", "0,1,00,1,1,,", "--image", Path("image.46"), "--log", log});
        ASSERT_FALSE(sim.Device().empty());
        const CliRun run = Cli({"write", c.option, "--type", "0,1,00,1,1,,", "--port", sim.Device(), Path(c.file)});
        EXPECT_EQ(run.status, c.status) << c.what << ": " << run.err;
        EXPECT_EQ(run.out, c.out) << c.what;
        const std::string head = "Backup: " + backups;
        ASSERT_EQ(run.err.rfind(head, 0), 0u) << c.what << ": " << run.err;
        const std::string path = run.err.substr(8, run.err.find('\n') - 8);
        // YYYYMMDD-HHMMSS-before-write.46, or _002.46 and on within a second.
        EXPECT_EQ(path.find("-before-write", backups.size()), backups.size() + 15) << path;
        EXPECT_EQ(Slurp(path), Slurp(Path("image.46"))) << c.what;
        EXPECT_NE(run.err.find("\n" + c.count), std::string::npos) << c.what << ": " << run.err;
        const std::vector<std::string> sent = LogLines(log);
        if (std::string(c.option) == "--preview")
            EXPECT_FALSE(AnyWrite(sent)) << c.what;
        else
            EXPECT_EQ(sent, plainLog) << c.what;
    }
}

// A file made for another radio type, or with records outside the radio's
// bands, is refused before anything is written, unless --force; and a
// radio whose contents cannot be kept is not written to at all.
TEST_F(TransferCli, WritesTheRadioCannotTakeAreRefused)
{
    Spit(Path("in.46"), SampleFile());
    const std::string typeLine =
        "The radio's type record is \"0,1,00,1,0,,\"; the file was made for \"0,1,00,1,1,,\".\n";
    const struct {
        const char* what;
        std::vector<std::string> options;
        bool backupFolderBroken;
        int status;
        bool written;
        std::string said;
    } cases[] = {
        {"preview refuses", {"--preview"}, false, 5, false, typeLine},
        {"backup first refuses",
         {"--backup-first"},
         false,
         5,
         false,
         "VFO 0: frequency 118.000 MHz is outside the radio's 144MHz band"},
        {"forced",
         {"--backup-first", "--force"},
         false,
         0,
         true,
         "Written with --force; the radio cannot hold these records as they are:\n" + typeLine},
        {"no backup, no write",
         {"--backup-first", "--force"},
         true,
         2,
         false,
         "qxp-r46-cli: no backup of the radio was written, so nothing was written to it: "},
    };
    for (const auto& c : cases) {
        m_dataHome = c.backupFolderBroken ? Path("in.46") : Path("data");
        ::unlink(Path("radio.log").c_str());
        // A radio without the 118 MHz band, which the file's type has.
        Sim sim({"--type", "0,1,00,1,0,,", "--log", Path("radio.log")});
        ASSERT_FALSE(sim.Device().empty());
        std::vector<std::string> args = {"write", "--type", "0,1,00,1,1,,", "--port", sim.Device()};
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.push_back(Path("in.46"));
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, c.status) << c.what << ": " << run.err;
        EXPECT_NE(run.err.find(c.said), std::string::npos) << c.what << ": " << run.err;
        EXPECT_EQ(AnyWrite(LogLines(Path("radio.log"))), c.written) << c.what;
    }
    EXPECT_EQ(Cli({"write", "--force", "--port", "sim", Path("in.46")}).status, 1) << "--force alone";
}

// The radio built into the tool: a write in one run is there to read in
// the next, kept in the user's data folder.
TEST_F(TransferCli, SimulatedRadioKeepsWhatWasWrittenBetweenRuns)
{
    const CliRun fresh = Cli({"read", "--port", "sim", Path("fresh.46")});
    ASSERT_EQ(fresh.status, 0) << fresh.err;
    ChannelDocument expected;
    expected.ClearDocument();
    BuiltInRadio::FillFresh(expected);
    EXPECT_EQ(Slurp(Path("fresh.46")), DataFile::WriteDataFile(expected));

    Spit(Path("in.46"), SampleFile());
    const CliRun written = Cli({"write", "--port", "sim", Path("in.46")});
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(Slurp(Path("data/QUELDOR/QXP-R46/simulated-radio.46")), Slurp(Path("in.46")));
    const CliRun read = Cli({"read", "--port", "sim", Path("back.46")});
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(Slurp(Path("back.46")), Slurp(Path("in.46")));

    const CliRun ports = Cli({"ports"});
    EXPECT_EQ(ports.status, 0) << ports.err;
    EXPECT_EQ(ports.out.rfind("COM1 = /dev/ttyS0, the default: no device assigned\n"
                              "COM2 = /dev/ttyS1, the default: no device assigned\n\nsim\n",
                              0),
              0u)
        << ports.out;
}

// A built-in radio that cannot keep its memory (its file a link to nothing)
// still reads whole: the file and the backup are written, and a warning
// names the memory file and why.
TEST_F(TransferCli, SimulatedRadioThatCannotKeepItsMemoryStillReads)
{
    const std::string memory = Path("data/QUELDOR/QXP-R46/simulated-radio.46");
    std::system(("mkdir -p '" + Path("data/QUELDOR/QXP-R46") + "'").c_str());
    ASSERT_EQ(::symlink(Path("nowhere/radio.46").c_str(), memory.c_str()), 0);
    const CliRun run = Cli({"read", "--port", "sim", Path("out.46")});
    EXPECT_EQ(run.status, 0) << run.err;
    ChannelDocument expected;
    expected.ClearDocument();
    BuiltInRadio::FillFresh(expected);
    EXPECT_EQ(Slurp(Path("out.46")), DataFile::WriteDataFile(expected));
    const std::string warning = "qxp-r46-cli: warning: the simulated radio's memory cannot be kept in " + memory +
                                ": " + memory + ": No such file or directory\n";
    ASSERT_EQ(
        run.err.rfind(warning + "Read 3 channels from the radio.\nBackup: " + Path("data/QUELDOR/QXP-R46/backups/"), 0),
        0u)
        << run.err;
}

// A device the user may not open, tried as an unprivileged user: the cause
// names the group that owns it and the fix.
TEST_F(TransferCli, PermissionDeniedNamesTheGroupAndTheFix)
{
    if (::geteuid() != 0 || ::access("/usr/bin/setpriv", X_OK) != 0)
        GTEST_SKIP() << "needs root and setpriv to try as another user";
    Sim sim({});
    ASSERT_FALSE(sim.Device().empty());
    ASSERT_EQ(::chown(sim.Device().c_str(), 0, 20), 0); // group dialout on Debian
    ASSERT_EQ(::chmod(sim.Device().c_str(), 0660), 0);
    ASSERT_EQ(::chmod(m_dir.c_str(), 0777), 0);
    const CliRun run = Cli({"read", "--port", sim.Device(), Path("out.46")},
                           {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, "COM port is invalid.\nPlease check and try again.\n" + sim.Device() +
                           ". Permission denied: it belongs to the group \"dialout\", and nobody is not in it. Run  "
                           "sudo usermod -aG dialout nobody  and log out and in again.\n");
}

// The fault run: the radio fails in one way from (or at) its N-th command,
// for many N across the whole transfer, the write's check included. Every
// run ends within 2.5 s of what a clean one takes, with the tool's message
// or, where the fault was line noise only, as a clean run ends. A read
// that ends well wrote exactly the radio's records; one that fails wrote
// no file at all. Each case is a test of its own, so ctest runs them side
// by side.
struct Fault {
    const char* verb;  // "read", or "write" (with --verify)
    const char* kind;  // the simulator's option
    int command;       // N
    const char* extra; // appended to N: the length of a padded reply
};

void PrintTo(const Fault& fault, std::ostream* out)
{
    *out << fault.verb << ' ' << fault.kind << ' ' << fault.command << fault.extra;
}

std::string FaultName(const ::testing::TestParamInfo<Fault>& info)
{
    std::string name = std::string(info.param.verb) + "_" + info.param.kind + "_" + std::to_string(info.param.command);
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

std::vector<Fault> Faults()
{
    // Read: 1 "AI 0", 2 "ID", 3 "TYD", 4 "FL", 5..16 empty slots, 17..19
    // channel 12, 157..159 channel 150, 216..218 edge U3, 231..233 "PR",
    // 234..237 "CR", 238..244 "VR"/"PC", 245..254 "DM". Write: 1, 2, then
    // "MW"/"MNA" to 229, "CW", "VW", "PC", "DM", "VMC" at 238; its check
    // reads on from there (read command n is 238 + n).
    const struct {
        const char* verb;
        std::vector<int> silences; // where the line goes dead
        std::vector<int> glitches; // where one reply is noisy
    } plans[] = {
        {"read", {0, 2, 17, 233, 253}, {2, 3, 4, 18, 19, 159, 218, 237, 240, 254}},
        {"write", {0, 17, 246}, {2, 17, 264}},
    };
    std::vector<Fault> faults;
    for (const auto& plan : plans) {
        for (const int n : plan.silences)
            for (const char* kind : {"--stop-after", "--garbage-after", "--hangup-after"})
                if (n > 0 || std::string(kind) != "--hangup-after") // it hangs up after a reply
                    faults.push_back({plan.verb, kind, n, ""});
        for (const int n : plan.glitches) {
            faults.push_back({plan.verb, "--stray-cr", n, ""});
            faults.push_back({plan.verb, "--control-chars", n, ""});
            faults.push_back({plan.verb, "--pad-reply", n, ":3000"});
        }
    }
    return faults;
}

class TransferCliFaults : public TransferCli, public ::testing::WithParamInterface<Fault>
{
protected:
    struct Timed {
        CliRun run;
        long ms;
    };
    Timed Run(const std::vector<std::string>& simOptions, const std::string& verb)
    {
        std::vector<std::string> options = {"--type", "0,1,00,1,1,,", "--image", Path("image.46")};
        options.insert(options.end(), simOptions.begin(), simOptions.end());
        Sim sim(options);
        EXPECT_FALSE(sim.Device().empty());
        const std::vector<std::string> args =
            verb == "read" ? std::vector<std::string>{"read", "--port", sim.Device(), Path("out.46")}
                           : std::vector<std::string>{"write", "--verify", "--port", sim.Device(), Path("image.46")};
        const auto start = std::chrono::steady_clock::now();
        Timed timed{Cli(args), 0};
        timed.ms = static_cast<long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
        return timed;
    }
};

TEST_P(TransferCliFaults, EndsInTimeWithItsMessageOrTheRadiosRecords)
{
    const Fault& fault = GetParam();
    Spit(Path("image.46"), SampleFile());
    const Timed clean = Run({}, fault.verb);
    ASSERT_EQ(clean.run.status, 0) << clean.run.err;
    ::unlink(Path("out.46").c_str());

    const Timed faulty = Run({fault.kind, std::to_string(fault.command) + fault.extra}, fault.verb);
    // Within 2.5 s of where a clean run would end; twice the clean time
    // leaves room for a loaded machine or a sanitizer build, where the
    // process itself starts and runs slower, while a wait that went on
    // past the reply time-out still shows.
    EXPECT_LE(faulty.ms, 2 * clean.ms + 2500) << faulty.run.err;
    const bool reading = std::string(fault.verb) == "read";
    if (faulty.run.status == 0) {
        if (reading)
            EXPECT_EQ(Slurp(Path("out.46")), Slurp(Path("image.46"))) << "a read that ends well has every record";
        else
            EXPECT_NE(faulty.run.err.find("\nVerified: every channel confirmed"), std::string::npos) << faulty.run.err;
        return;
    }
    EXPECT_EQ(faulty.run.status, 3) << "ended by a signal or with another status: " << faulty.run.err;
    // After "Wrote N channels" when the write's check failed.
    const std::string err = "\n" + faulty.run.err;
    const bool known = err.find("\nCommunication timeout error.\n") != std::string::npos ||
                       err.find("\nThe radio is invalid.\nPlease check and try again.\n") != std::string::npos;
    EXPECT_TRUE(known) << faulty.run.err;
    EXPECT_NE(::access(Path("out.46").c_str(), F_OK), 0) << "no file, not even part of one";
}

INSTANTIATE_TEST_SUITE_P(FaultRun, TransferCliFaults, ::testing::ValuesIn(Faults()), FaultName);

} // namespace
