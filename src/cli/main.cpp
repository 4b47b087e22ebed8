// qxp-r46-cli: the channel data tools of QXP-R46 from a shell.
#include "clicommands.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace CliCommands {

void PrintUsage(bool toStderr)
{
    std::FILE* out = toStderr ? stderr : stdout;
    std::fputs(
        "Usage: qxp-r46-cli VERB [OPTIONS] ARGS\n"
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
        "  help, --help\n"
        "      Show this text.\n"
        "\n"
        "Options:\n"
        "  --type RECORD   radio type record, such as \"0,2,00,1,1,,\". It decides\n"
        "                  the VFO and CALL defaults, the band names and the offsets\n"
        "                  of converted .r46 channels. Without it the \"Type\" value\n"
        "                  of the settings store is used, else \"0,2,00,1,1,,\".\n"
        "\n"
        "Exit status: 0 done, 1 usage error, 2 a file could not be read or written\n"
        "(\"File Open error.\" on standard error).\n",
        out);
}

} // namespace CliCommands

int main(int argc, char** argv)
{
    using namespace CliCommands;
    if (argc < 2) {
        PrintUsage(true);
        return ExitUsage;
    }
    const std::string verb = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (verb == "--help" || verb == "-h" || verb == "help") {
        PrintUsage(false);
        return ExitOk;
    }
    if (verb == "convert")
        return Convert(args);
    if (verb == "list")
        return List(args);
    std::fprintf(stderr, "qxp-r46-cli: unknown verb %s\n", verb.c_str());
    PrintUsage(true);
    return ExitUsage;
}
