// The diff verb: which channels two data files hold differently.
#include "clicommands.h"
#include "clioptions.h"
#include "clisupport.h"

#include "channeldocument.h"
#include "datafile.h"
#include "documentdiff.h"

#include <cstdio>

namespace CliCommands {

int Diff(const std::vector<std::string>& args)
{
    // 1 means "different" here, so a usage error takes 2 with the other
    // kinds of trouble, as diff(1) does.
    CliOptions options;
    if (!options.Parse(args, {"--type"}, 2, "diff needs two files")) {
        UsageError(options.Error());
        return ExitFileError;
    }

    ChannelDocument a;
    ChannelDocument b;
    ApplyRadioType(options, a);
    ApplyRadioType(options, b);
    for (auto [path, doc] : {std::pair{options.Positional()[0], &a}, std::pair{options.Positional()[1], &b}}) {
        const DataFile::LoadResult loaded = DataFile::Load(path, *doc);
        if (!loaded.ok)
            return FileError(loaded.error);
    }

    const std::vector<DocumentDiff::RecordChange> changes = DocumentDiff::Compare(a, b);
    std::string text;
    for (const DocumentDiff::RecordChange& change : changes)
        text += DocumentDiff::Line(change) + "\n";
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
        std::perror("qxp-r46-cli: standard output");
        return ExitFileError;
    }
    return changes.empty() ? ExitOk : ExitDifferent;
}

} // namespace CliCommands
