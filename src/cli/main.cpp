// qxp-r46-cli: the channel data tools of QXP-R46 from a shell.
#include "clicommands.h"
#include "clioptions.h"
#include "clisupport.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace CliCommands {

void PrintUsage(bool toStderr)
{
    std::FILE* out = toStderr ? stderr : stdout;
    std::fputs("Usage: qxp-r46-cli VERB [OPTIONS] ARGS\n"
               "\n"
               "Verbs:\n"
               "  convert [--type RECORD] IN OUT.46\n"
               "      Read IN (a .46 data file, or an older .r46 file) and write it to\n"
               "      OUT in the current .46 layout. OUT is replaced atomically: a\n"
               "      failure leaves an existing OUT as it was.\n"
               "  list [--type RECORD] FILE\n"
               "      Print the channel list of a .46 or .r46 file, one line per used\n"
               "      memory channel, VFO, CALL channel and DTMF memory. The comment is\n"
               "      printed in UTF-8.\n"
               "  read [--port PORT] [--type RECORD] [--trace FILE] OUT.46\n"
               "      Read the whole radio (radio type, band limits, memory channels,\n"
               "      CALL channels, VFOs and DTMF memories) and write it to OUT. OUT is\n"
               "      written only when the read is complete, atomically. --type gives\n"
               "      the VFO and CALL defaults that stay where the radio reports\n"
               "      nothing; the file gets the radio's own type. The settings store\n"
               "      is not changed. Every complete read is also kept as a backup in\n"
               "      $XDG_DATA_HOME/QUELDOR/QXP-R46/backups (~/.local/share/... by\n"
               "      default), named YYYYMMDD-HHMMSS.46 and never overwritten; its\n"
               "      path and the number of channels read go to standard error.\n"
               "  write [--port PORT] [--type RECORD] [--trace FILE] [--verify]\n"
               "        [--preview | --backup-first] [--force] IN\n"
               "      Write a .46 or .r46 file into the radio, closing with \"VMC 0,0\".\n"
               "      The radio's replies are not checked beyond its identity. With\n"
               "      --verify the radio is read back afterwards and compared with the\n"
               "      file record by record; the records that differ (label, field,\n"
               "      written, read back) go to standard error, with exit status 4.\n"
               "      --backup-first reads the whole radio first and keeps it as a\n"
               "      backup, YYYYMMDD-HHMMSS-before-write.46; a backup that cannot be\n"
               "      written stops the write (exit status 2). --preview does the same\n"
               "      and writes nothing: it prints what the write would change, one\n"
               "      line each in the words of diff, and exits 0 when the radio holds\n"
               "      the file already, 1 when it differs. Both refuse a file made for\n"
               "      another radio type, or with records outside the radio's bands or\n"
               "      band limits, with exit status 5 and those records on standard\n"
               "      error, unless --force is given.\n"
               "  diff [--type RECORD] A B\n"
               "      Print the records that differ between two .46 or .r46 files, one\n"
               "      line each: its label (005, L0, PR, CALL 0, VFO 1, DTMF 3) and the\n"
               "      changed fields, old \u2192 new. The comments are not compared. Exit\n"
               "      status 0 same channels, 1 different, 2 a file could not be read\n"
               "      or a usage error.\n"
               "  check [--type RECORD] FILE\n"
               "      List what in a .46 or .r46 file the radio cannot hold (error),\n"
               "      what will not work as meant (warning: a scan edge pair with one\n"
               "      edge, edges in two bands or upside down, duplicate channels, one\n"
               "      name on two frequencies, every channel locked out, no priority\n"
               "      channel) and unusual repeater offsets (info), one line each:\n"
               "      severity, label, reason. Exit status 0 no errors or warnings, 1\n"
               "      warnings only, 2 errors, a file that cannot be read or a usage\n"
               "      error.\n"
               "  export-csv [--type RECORD] FILE OUT.csv\n"
               "      Write the memory channels of a .46 or .r46 file as CSV in the\n"
               "      21-column layout other radio programming tools exchange\n"
               "      (Location,Name,Frequency,Duplex,...). What the layout cannot\n"
               "      hold (reverse) is named on standard error.\n"
               "  import-csv [--type RECORD] [--into BASE.46] IN.csv OUT.46\n"
               "      Read memory channels from such a CSV file into OUT: into the\n"
               "      channels of BASE (.46 or .r46), else into an empty set with the\n"
               "      radio type's VFO and CALL defaults. Each row is fitted to the\n"
               "      radio's bands and steps; rows it cannot hold are skipped and\n"
               "      every skipped or changed row is reported on standard error with\n"
               "      its line number and why. Exit status 0 even with skipped rows.\n"
               "  print [--type RECORD] FILE OUT.pdf\n"
               "      Print the channel list of a .46 or .r46 file into a PDF, as the\n"
               "      desktop program prints it: 60 lines a page, each page headed by\n"
               "      \"QXP-R46 [FILE]\". OUT is replaced atomically.\n"
               "  ports\n"
               "      List where COM1 and COM2 lead, the built-in simulated radio and\n"
               "      the serial devices (USB adapters with their /dev/serial/by-id\n"
               "      names, makers and serial numbers), each with its state: usable,\n"
               "      missing, no permission (and the fix), in use (and by which\n"
               "      program).\n"
               "  help, --help\n"
               "      Show this text.\n"
               "\n"
               "Options:\n"
               "  --type RECORD   radio type record, such as \"0,2,00,1,1,,\". It decides\n"
               "                  the VFO and CALL defaults, the band names and the offsets\n"
               "                  of converted .r46 channels. Without it the \"Type\" value\n"
               "                  of the settings store is used, else \"0,2,00,1,1,,\".\n"
               "                  For import-csv it also decides the bands a frequency\n"
               "                  must lie in; without it the band edges the desktop\n"
               "                  program last read from the radio are used as well.\n"
               "  --trace FILE    write every line sent to and received from the radio\n"
               "                  to FILE, with milliseconds since the start and the\n"
               "                  direction (> sent, < received, # note); control\n"
               "                  characters are escaped (\\r, \\x11).\n"
               "  --port PORT     COM1 or COM2 (mapped to a device by the settings group\n"
               "                  \"Ports\", else /dev/ttyS0 and /dev/ttyS1), a device\n"
               "                  path, a name from /dev/serial/by-id, or sim: the\n"
               "                  built-in simulated radio, which keeps its memory in\n"
               "                  the user's data folder between runs. Without it the\n"
               "                  \"CommPort\" value of the settings store is used, else\n"
               "                  COM1.\n"
               "\n"
               "Progress of read and write goes to standard error when it is a terminal.\n"
               "\n"
               "Exit status: 0 done, 1 usage error, 2 a file could not be read or written\n"
               "(\"File Open error.\" on standard error; the next line says which file\n"
               "and why), 3 the port could not be used or the radio failed (\"COM port\n"
               "is invalid.\", \"The radio is invalid.\", \"Communication timeout error.\"\n"
               "or the port's own error on standard error; the next line says which\n"
               "device the port led to and why it failed, or the system's reason),\n"
               "4 write --verify found the radio holding\n"
               "something else, 5 write --preview or --backup-first refused a file the\n"
               "radio cannot take. diff has its own: 0 same, 1 different, 2 trouble;\n"
               "and so has check: 0 clean, 1 warnings, 2 errors or trouble.\n",
               out);
}

} // namespace CliCommands

namespace {

using namespace CliCommands;

// What a verb accepts, checked before it runs: its options, how many
// files it names, the extension the file it writes must have (the last
// one named), and the status of a usage error, which is 2 where 1 already
// means something (diff: different, check: warnings, as diff(1) does).
struct Verb {
    const char* name;
    int (*run)(const CliOptions& options);
    std::vector<std::string> valued;
    std::size_t files;
    const char* usage;
    const char* output = nullptr;
    int usageStatus = ExitUsage;
    std::vector<std::string> flags = {};
};

const std::vector<Verb>& Verbs()
{
    static const std::vector<Verb> verbs = {
        {"convert", Convert, {"--type"}, 2, "convert needs IN and OUT", ".46"},
        {"list", List, {"--type"}, 1, "list needs one FILE"},
        {"read", Read, {"--port", "--type", "--trace"}, 1, "read needs OUT.46", ".46"},
#ifdef QXP_CLI_PRINT
        {"print", Print, {"--type"}, 2, "print needs FILE and OUT.pdf", ".pdf"},
#endif
        {"write",
         Write,
         {"--port", "--type", "--trace"},
         1,
         "write needs IN",
         nullptr,
         ExitUsage,
         {"--verify", "--preview", "--backup-first", "--force"}},
        {"ports", Ports, {}, 0, "ports takes no arguments"},
        {"diff", Diff, {"--type"}, 2, "diff needs two files", nullptr, ExitFileError},
        {"check", Check, {"--type"}, 1, "check needs FILE", nullptr, ExitFileError},
        // A slip of the arguments must not put CSV over a data file.
        {"export-csv", ExportCsv, {"--type"}, 2, "export-csv needs FILE and OUT.csv", ".csv"},
        {"import-csv", ImportCsv, {"--type", "--into"}, 2, "import-csv needs IN.csv and OUT.46", ".46"},
    };
    return verbs;
}

int Run(const Verb& verb, const std::vector<std::string>& args)
{
    CliOptions options;
    if (!options.Parse(args, verb.valued, verb.files, verb.usage, verb.flags))
        return UsageError(options.Error(), verb.usageStatus);
    if (verb.output) {
        const std::string& out = options.Positional().back();
        if (!HasExtension(out, verb.output))
            return FileError(out + ": the output needs the extension " + verb.output);
    }
    return verb.run(options);
}

} // namespace

int main(int argc, char** argv)
{
    // The built-in simulated radio keeps its memory under these names, as
    // the desktop program does.
    QCoreApplication::setOrganizationName(QStringLiteral("QUELDOR"));
    QCoreApplication::setApplicationName(QStringLiteral("QXP-R46"));
    if (argc < 2) {
        PrintUsage(true);
        return ExitUsage;
    }
    const std::string name = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (name == "--help" || name == "-h" || name == "help") {
        PrintUsage(false);
        return ExitOk;
    }
    for (const Verb& verb : Verbs())
        if (name == verb.name)
            return Run(verb, args);
    std::fprintf(stderr, "qxp-r46-cli: unknown verb %s\n", name.c_str());
    PrintUsage(true);
    return ExitUsage;
}
