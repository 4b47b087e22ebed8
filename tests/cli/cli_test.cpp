// End-to-end runs of qxp-r46-cli as a separate process, with its own empty
// settings store.
#include "smalldisk.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

class CliTest : public TempFolderTest
{
protected:
    // Runs the tool with XDG_CONFIG_HOME inside the test folder. A file size
    // limit makes writes fail even for root, which ignores permissions.
    CliRun Cli(std::vector<std::string> args, long fileSizeLimit = -1) const
    {
        const std::string outPath = Path(".stdout"), errPath = Path(".stderr");
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::setenv("XDG_CONFIG_HOME", Path("config").c_str(), 1);
            if (!std::freopen(outPath.c_str(), "w", stdout) || !std::freopen(errPath.c_str(), "w", stderr))
                ::_exit(127);
            ::alarm(60); // a tool that blocks fails the test instead of hanging it
            if (fileSizeLimit >= 0) {
                std::signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{static_cast<rlim_t>(fileSizeLimit), static_cast<rlim_t>(fileSizeLimit)};
                ::setrlimit(RLIMIT_FSIZE, &limit);
            }
            std::vector<char*> argv;
            static std::string tool = QXP_CLI_PATH;
            argv.push_back(tool.data());
            for (auto& a : args)
                argv.push_back(a.data());
            argv.push_back(nullptr);
            ::execv(tool.c_str(), argv.data());
            ::_exit(127);
        }
        CliRun run;
        int status = 0;
        ::waitpid(pid, &status, 0);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.out = Slurp(outPath);
        run.err = Slurp(errPath);
        return run;
    }
};

const char* const kCurrentFile = "COMMENT\r\n"
                                 "\xC4\xE3\xBA\xC3 club\r\n" // GBK for the two characters of "hello"
                                 "MEMORY\r\n"
                                 "012\t00145500000\t3\t2\t0\t1\t0\t\t09\t\t09\t000600000\t1\t\t\t\t\tRPT1\r\n"
                                 "PR\t00433000000\t6\t0\t0\t0\t0\t\t09\t\t09\t005000000\t\t\t\t\t\t\r\n"
                                 "DTMF\r\n"
                                 "03\t123A\r\n"
                                 "04\t\r\n";

TEST_F(CliTest, ListPrintsTheSectionsWithTheCommentInUtf8)
{
    Spit(Path("club.46"), kCurrentFile);
    const CliRun run = Cli({"list", Path("club.46")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Comment\n"
                       "\xE4\xBD\xA0\xE5\xA5\xBD club\n"
                       "Memory Channel\n"
                       "012 145.500MHz 12.5kHz - T:88.5Hz Offset:0.60MHz Name:RPT1 *\n"
                       "PR 433.000MHz 25kHz\n"
                       "VFO\n"
                       "118MHz 118.000MHz 12.5kHz\n"
                       "144MHz 144.000MHz 5kHz RF:High\n"
                       "440MHz 440.000MHz 25kHz RF:High\n"
                       "CALL Channel\n"
                       "144MHz 144.000MHz 5kHz\n"
                       "440MHz 440.000MHz 25kHz\n"
                       "DTMF Memory\n"
                       "03 123A\n");
}

TEST_F(CliTest, RadioTypeComesFromTheOptionThenTheSettingsStore)
{
    Spit(Path("club.46"), "C\r\n\r\nMEMORY\r\n");
    const CliRun byOption = Cli({"list", "--type", "0,1,00,1,0,,", Path("club.46")});
    EXPECT_EQ(byOption.out, "Memory Channel\nVFO\n144MHz 144.000MHz 12.5kHz RF:High\n"
                            "430MHz 430.000MHz 25kHz RF:High\nCALL Channel\n144MHz 144.000MHz 12.5kHz\n"
                            "430MHz 430.000MHz 25kHz\nDTMF Memory\n");

    ::mkdir(Path("config").c_str(), 0700);
    ::mkdir(Path("config/QUELDOR").c_str(), 0700);
    Spit(Path("config/QUELDOR/QXP-R46.conf"), "[General]\nType=\"0,1,00,1,0,,\"\n");
    EXPECT_EQ(Cli({"list", Path("club.46")}).out, byOption.out);
}

TEST_F(CliTest, ConvertTurnsAnOldFileIntoTheCurrentLayout)
{
    std::string old = "old\r\na,b,c,00145000000,5,2,0,0,0,,09,,09,,0,p,q,,\r\n";
    for (int line = 3; line <= 222; ++line)
        old += "\r\n";
    old += "HOME\r\n";
    Spit(Path("OLD.R46"), old);
    const CliRun run = Cli({"convert", "--type=0,2,00,1,1,,", Path("OLD.R46"), Path("new.46")});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string written = Slurp(Path("new.46"));
    EXPECT_EQ(written.rfind("COMMENT\r\nold\r\nMEMORY\r\n"
                            "000\t00145000000\t5\t2\t0\t0\t0\t\t09\t\t09\t000600000\t0\t\t\t\t\tHOME\r\n"
                            "CALL\r\n",
                            0),
              0u);
    EXPECT_EQ(Cli({"list", Path("new.46")})
                  .out.rfind("Comment\nold\nMemory Channel\n000 145.000MHz 20kHz - Offset:0.60MHz Name:HOME\nVFO\n", 0),
              0u);
}

TEST_F(CliTest, FileErrorsSayFileOpenErrorAndExitTwo)
{
    Spit(Path("club.46"), kCurrentFile);
    Spit(Path("club.txt"), kCurrentFile);
    const std::string notData = ": not a .46 or .r46 data file\n";
    const std::string missing = ": No such file or directory\n";
    // The fixed message, then which file and why, with the control
    // characters of a path escaped.
    const struct {
        std::vector<std::string> args;
        std::string cause;
    } cases[] = {
        {{"list", Path("missing.46")}, Path("missing.46") + missing},
        {{"list", Path("club.txt")}, Path("club.txt") + notData},
        {{"list", m_dir}, m_dir + notData},
        {{"list", Path("\x1b]0;TITLE\a\x1b[31m.46")}, Path("\\e]0;TITLE\\a\\e[31m.46") + missing},
        {{"convert", Path("club.46"), Path("out.txt")}, Path("out.txt") + ": the output needs the extension .46\n"},
        {{"convert", Path("missing.r46"), Path("out.46")}, Path("missing.r46") + missing},
        {{"convert", Path("club.46"), Path("no/such/dir/out.46")}, Path("no/such/dir/out.46") + missing},
        {{"write", "--port", "sim", Path("missing.46")}, Path("missing.46") + missing},
        {{"read", "--port", "sim", Path("out.txt")}, Path("out.txt") + ": the output needs the extension .46\n"},
#ifdef QXP_CLI_PRINT
        {{"print", Path("missing.46"), Path("list.pdf")}, Path("missing.46") + missing},
        {{"print", Path("club.46"), Path("list.txt")}, Path("list.txt") + ": the output needs the extension .pdf\n"},
        {{"print", Path("club.46"), Path("no/such/list.pdf")}, Path("no/such/list.pdf") + missing},
#endif
    };
    for (const auto& c : cases) {
        const CliRun run = Cli(c.args);
        EXPECT_EQ(run.status, 2) << c.args[0] << " " << c.args.back();
        EXPECT_EQ(run.err, "File Open error.\nqxp-r46-cli: " + c.cause);
        EXPECT_EQ(run.out, "");
    }
    EXPECT_NE(::access(Path("out.txt").c_str(), F_OK), 0) << "a wrong extension touches no file";
}

TEST_F(CliTest, AFailedConvertLeavesTheOldOutputIntact)
{
    Spit(Path("club.46"), kCurrentFile);
    Spit(Path("out.46"), "precious");
    const CliRun run = Cli({"convert", Path("club.46"), Path("out.46")}, 64);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(Slurp(Path("out.46")), "precious");
    EXPECT_EQ(Cli({"convert", Path("club.46"), Path("out.46")}).status, 0);
    EXPECT_NE(Slurp(Path("out.46")), "precious");
    // No temporary files are left beside the output.
    const CliRun ls = Cli({"list", Path("out.46")});
    EXPECT_EQ(ls.status, 0);
    EXPECT_EQ(std::system(("test $(ls -A '" + m_dir + "' | grep -c 'out.46.') -eq 0").c_str()), 0);
}

TEST_F(CliTest, SpecialFilesAreRefusedWithoutWaitingOrBeingReplaced)
{
    Spit(Path("club.46"), kCurrentFile);
    ASSERT_EQ(::mkfifo(Path("pipe.46").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(Path("pipe.txt").c_str(), 0600), 0);
    ASSERT_EQ(::symlink(Path("pipe.46").c_str(), Path("to-pipe.46").c_str()), 0);
    ASSERT_EQ(::symlink(Path("missing.46").c_str(), Path("dangling.46").c_str()), 0);
    ASSERT_EQ(::mkdir(Path("folder.46").c_str(), 0700), 0);
    ASSERT_EQ(::symlink(Path("folder.46").c_str(), Path("to-folder.46").c_str()), 0);
    // A device that never ends: read through, it would never let go.
    ASSERT_EQ(::symlink("/dev/zero", Path("to-zero.46").c_str()), 0);
    const bool device = ::mknod(Path("zero.46").c_str(), S_IFCHR | 0600, makedev(1, 5)) == 0; // only as root
    std::vector<std::vector<std::string>> runs = {
        {"list", Path("pipe.46")},
        {"list", Path("pipe.txt")},
        {"list", Path("folder.46")},
        {"list", Path("to-folder.46")},
        {"list", Path("to-zero.46")},
        {"convert", Path("pipe.46"), Path("out.46")},
        {"convert", Path("to-zero.46"), Path("out.46")},
        {"convert", Path("club.46"), Path("pipe.46")},
        {"convert", Path("club.46"), Path("to-pipe.46")},
        {"convert", Path("club.46"), Path("dangling.46")},
        {"convert", Path("club.46"), Path("folder.46")},
        {"convert", Path("club.46"), Path("to-folder.46")},
        {"convert", Path("club.46"), Path("to-zero.46")},
    };
    if (device) {
        runs.push_back({"list", Path("zero.46")});
        runs.push_back({"convert", Path("club.46"), Path("zero.46")});
    }
#ifdef QXP_CLI_PRINT
    runs.push_back({"print", Path("pipe.46"), Path("list.pdf")});
#endif
    for (const auto& args : runs) {
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, 2) << args[0] << " " << args[1] << " " << args.back();
        // A link is named by where it leads.
        EXPECT_EQ(run.err.rfind("File Open error.\nqxp-r46-cli: /", 0), 0u) << run.err;
    }
    const struct {
        const char* name;
        mode_t kind; // as lstat sees it
    } kept[] = {{"pipe.46", S_IFIFO},
                {"to-pipe.46", S_IFLNK},
                {"dangling.46", S_IFLNK},
                {"folder.46", S_IFDIR},
                {"to-folder.46", S_IFLNK},
                {"to-zero.46", S_IFLNK},
                {"zero.46", static_cast<mode_t>(device ? S_IFCHR : 0)}};
    for (const auto& k : kept) {
        struct stat st {
        };
        const mode_t kind = ::lstat(Path(k.name).c_str(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
        EXPECT_EQ(kind, k.kind) << k.name << " was replaced";
    }
    EXPECT_NE(::access(Path("out.46").c_str(), F_OK), 0);
    struct stat st {
    };

    // A link to a regular file is written through and stays a link.
    Spit(Path("target.46"), "old");
    ASSERT_EQ(::symlink("target.46", Path("alias.46").c_str()), 0);
    EXPECT_EQ(Cli({"convert", Path("club.46"), Path("alias.46")}).status, 0);
    ASSERT_EQ(::lstat(Path("alias.46").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(Slurp(Path("target.46")).rfind("COMMENT\r\n", 0), 0u);
}

// As root only, on a file system of the test's own: the output that was
// there stays as it was, byte for byte, and nothing else is left behind.
TEST_F(CliTest, FailingFileSystemsKeepTheOldOutput)
{
    const struct {
        const char* what;
        const char* options;
        const char* failure;
    } cases[] = {
        {"full", "size=64k", "fill"},
        {"read-only", "size=64k", "read-only"},
        // The folder and the old output take the only two inodes.
        {"no inodes left", "size=64k,nr_inodes=2", ""},
    };
    Spit(Path("club.46"), kCurrentFile);
    for (const auto& c : cases) {
        const std::string folder = Path(std::string("disk-") + c.failure);
        ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
        SmallDisk disk(folder, c.options);
        if (!disk.Mounted())
            GTEST_SKIP() << "needs root to mount a small tmpfs";
        const std::string out = folder + "/out.46";
        Spit(out, "precious");
        if (std::string(c.failure) == "fill") {
            disk.Fill();
        } else if (std::string(c.failure) == "read-only") {
            ASSERT_TRUE(disk.MakeReadOnly());
        }
        const CliRun run = Cli({"convert", Path("club.46"), out});
        EXPECT_EQ(run.status, 2) << c.what;
        EXPECT_EQ(run.err.rfind("File Open error.\nqxp-r46-cli: " + out + ": ", 0), 0u) << c.what << ": " << run.err;
        EXPECT_EQ(Slurp(out), "precious") << c.what;
        EXPECT_EQ(std::system(("test $(ls -A '" + folder + "' | grep -c 'out.46.') -eq 0").c_str()), 0) << c.what;
    }
}

TEST_F(CliTest, WhatConvertWritesListReadsBack)
{
    // A comment that fills a data file: written back with the default
    // records it would no longer fit, so the file is refused as it comes in.
    const std::string huge = "COMMENT\r\n" + std::string(16 * 1024 * 1024 - 64, 'c') + "\r\nMEMORY\r\n";
    Spit(Path("huge.46"), huge);
    EXPECT_EQ(Cli({"convert", Path("huge.46"), Path("out.46")}).status, 2);
    EXPECT_NE(::access(Path("out.46").c_str(), F_OK), 0);
    EXPECT_EQ(Cli({"list", Path("huge.46")}).status, 2);
}

TEST_F(CliTest, UsageErrorsExitOneAndHelpDescribesEveryVerb)
{
    for (const CliRun& run : {Cli({}), Cli({"list"}), Cli({"convert", "a.46"}), Cli({"frobnicate"}),
                              Cli({"list", "--bogus", "a.46"}), Cli({"list", "a.46", "--type"})}) {
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find("Usage:"), std::string::npos);
    }
    const CliRun help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* verb : {"convert", "list", "--type"})
        EXPECT_NE(help.out.find(verb), std::string::npos) << verb;
}

TEST_F(CliTest, CsvBothWaysAndDiffOfTheResults)
{
    const std::string data = QXP_TEST_DATA_DIR;
    const CliRun imported = Cli({"import-csv", "--type", "0,2,00,1,1,,", data + "/tool-export.csv", Path("a.46")});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_NE(imported.err.find("line 14 (012): skipped: duplex \"off\""), std::string::npos) << imported.err;
    EXPECT_NE(imported.err.find("\n11 channels imported, 5 rows changed, 3 rows skipped.\n"), std::string::npos);

    const CliRun merged = Cli({"import-csv", "--into", Path("a.46"), data + "/spreadsheet.csv", Path("b.46")});
    EXPECT_EQ(merged.status, 0) << merged.err;
    const CliRun diff = Cli({"diff", Path("a.46"), Path("b.46")});
    EXPECT_EQ(diff.status, 1);
    EXPECT_EQ(diff.out, "020: channel (none) \u2192 145.500 MHz \"CALLIN\"\n"
                        "021: channel (none) \u2192 433.400 MHz \"RPT2\"\n"
                        "023: channel (none) \u2192 144.8125 MHz \"PACKET\"\n"
                        "L0: channel (none) \u2192 144.000 MHz \"LOW2M\"\n"
                        "U0: channel (none) \u2192 148.000 MHz \"UP2M\"\n"
                        "PR: channel (none) \u2192 146.520 MHz \"CALL\"\n");

    const CliRun exported = Cli({"export-csv", Path("b.46"), Path("b.csv")});
    EXPECT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.err, "17 channels written to " + Path("b.csv") + ".\n");
    EXPECT_EQ(Cli({"import-csv", Path("b.csv"), Path("c.46")}).status, 0);
    const CliRun same = Cli({"diff", Path("b.46"), Path("c.46")});
    EXPECT_EQ(same.status, 0) << same.out;
    EXPECT_EQ(same.out, "");

    // A channel the import puts over another is named.
    Spit(Path("over.csv"), "Location,Name,Frequency,TStep\r\n0,NEW,145.000000,5\r\n");
    const CliRun over = Cli({"import-csv", "--into", Path("a.46"), Path("over.csv"), Path("d.46")});
    EXPECT_EQ(over.status, 0);
    EXPECT_EQ(over.err, "line 2 (000): replaces 146.520 MHz \"W1AW\" with 145.000 MHz \"NEW\"\n"
                        "1 channel imported, 1 channel replaced, 0 rows changed, 0 rows skipped.\n");
}

TEST_F(CliTest, CsvAndDiffFailuresExitTwoWithTheCause)
{
    Spit(Path("club.46"), kCurrentFile);
    Spit(Path("names.csv"), "Name,Frequency\r\nA,146.0\r\n");
    const struct {
        std::vector<std::string> args;
        std::string err; // after "File Open error.\n"; "" for a usage error
    } cases[] = {
        {{"import-csv", Path("missing.csv"), Path("out.46")},
         "qxp-r46-cli: " + Path("missing.csv") + ": No such file or directory\n"},
        {{"import-csv", Path("names.csv"), Path("out.46")},
         "qxp-r46-cli: " + Path("names.csv") +
             ": the header line has no Location column (found 2 columns in UTF-8 separated by commas: \"Name\", "
             "\"Frequency\")\n"},
        {{"import-csv", "--into", Path("missing.46"), Path("names.csv"), Path("out.46")},
         "qxp-r46-cli: " + Path("missing.46") + ": No such file or directory\n"},
        {{"import-csv", Path("names.csv"), Path("out.csv")},
         "qxp-r46-cli: " + Path("out.csv") + ": the output needs the extension .46\n"},
        {{"export-csv", Path("club.46"), Path("out.46")},
         "qxp-r46-cli: " + Path("out.46") + ": the output needs the extension .csv\n"},
        {{"export-csv", Path("club.46"), Path("no/such/out.csv")}, ""},
        {{"diff", Path("club.46"), Path("missing.46")},
         "qxp-r46-cli: " + Path("missing.46") + ": No such file or directory\n"},
        {{"diff", Path("club.46")}, ""},
        {{"check", Path("missing.46")}, "qxp-r46-cli: " + Path("missing.46") + ": No such file or directory\n"},
        {{"check", Path("club.46"), Path("club.46")}, ""},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli(c.args);
        EXPECT_EQ(run.status, 2) << c.args[0] << " " << c.args[1] << ": " << run.err;
        if (c.args.size() == 2 || c.args[0] == "check")
            EXPECT_NE(run.err.find(c.err.empty() ? "Usage:" : "File Open error."), std::string::npos) << run.err;
        else if (!c.err.empty())
            EXPECT_EQ(run.err, "File Open error.\n" + c.err);
        else
            EXPECT_EQ(run.err.rfind("File Open error.\n", 0), 0u) << run.err;
    }
    EXPECT_NE(::access(Path("out.46").c_str(), F_OK), 0);
    EXPECT_NE(::access(Path("out.csv").c_str(), F_OK), 0);

    // Without --type the bands are those the desktop program last read.
    ::mkdir(Path("config").c_str(), 0700);
    ::mkdir(Path("config/QUELDOR").c_str(), 0700);
    Spit(Path("config/QUELDOR/QXP-R46.conf"), "[General]\nType=\"0,2,00,1,1,,\"\nLimit1=\"00144,00148\"\n");
    Spit(Path("in.csv"), "Location,Frequency\n1,146.0\n2,150.0\n");
    const CliRun narrow = Cli({"import-csv", Path("in.csv"), Path("out.46")});
    EXPECT_EQ(narrow.status, 0);
    EXPECT_EQ(narrow.err, "line 3 (002): skipped: frequency 150.000000 MHz is outside the radio's bands\n"
                          "1 channel imported, 0 rows changed, 1 row skipped.\n");
}

// Findings with their severity; the exit status is the worst of them, and
// the band edges are those of --type, else of the radio last read.
TEST_F(CliTest, CheckListsFindingsWithTheirSeverity)
{
    const std::string locked = kCurrentFile;
    std::string open = locked;
    open.replace(open.find("000600000\t1"), 11, "000600000\t0");
    const struct {
        const char* what;
        std::string file;
        std::string settings;
        std::vector<std::string> options;
        int status;
        std::string out;
    } cases[] = {
        {"clean", open, "", {}, 0, ""},
        {"warning",
         locked,
         "",
         {},
         1,
         "warning: 000-199: every memory channel is locked out: a memory scan finds nothing\n"},
        {"error by the band edges last read",
         open,
         "[General]\nType=\"0,2,00,1,1,,\"\nLimit1=\"00146,00148\"\n",
         {},
         2,
         "error: 012: frequency 145.500 MHz is outside the radio's 144MHz band (146-148 MHz)\n"
         "error: CALL 0: frequency 144.000 MHz is outside the radio's 144MHz band (146-148 MHz)\n"
         "error: VFO 1: frequency 144.000 MHz is outside the radio's 144MHz band (146-148 MHz)\n"},
        {"--type takes the usual edges",
         open,
         "[General]\nLimit1=\"00146,00148\"\n",
         {"--type", "0,2,00,1,1,,"},
         0,
         ""},
    };
    ::mkdir(Path("config").c_str(), 0700);
    ::mkdir(Path("config/QUELDOR").c_str(), 0700);
    for (const auto& c : cases) {
        Spit(Path("plan.46"), c.file);
        Spit(Path("config/QUELDOR/QXP-R46.conf"), c.settings);
        std::vector<std::string> args = {"check"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.push_back(Path("plan.46"));
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, c.status) << c.what << ": " << run.err;
        EXPECT_EQ(run.out, c.out) << c.what;
        EXPECT_EQ(Slurp(Path("plan.46")), c.file) << "a check changes nothing";
    }
}

#ifdef QXP_CLI_PRINT
TEST_F(CliTest, PrintWritesOnePdfPagePerListPage)
{
    std::string file = "COMMENT\r\n\r\nMEMORY\r\n";
    for (int slot = 0; slot < 120; ++slot) {
        char line[80];
        std::snprintf(line, sizeof line, "%03d\t00145000000\t5\t0\t0\t0\t0\t\t09\t\t09\t000600000\t0\r\n", slot);
        file += line;
    }
    Spit(Path("full.46"), file);
    const CliRun run = Cli({"print", Path("full.46"), Path("list.pdf")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string pdf = Slurp(Path("list.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    // 120 channels: 57 on the first page, 58 on the second, the rest and the
    // other sections on the third.
    EXPECT_NE(pdf.find("/Count 3"), std::string::npos);

    EXPECT_EQ(Cli({"print", Path("full.46"), Path("list.txt")}).status, 2);
    EXPECT_EQ(Cli({"print", Path("missing.46"), Path("list.pdf")}).status, 2);
}
#endif

} // namespace
