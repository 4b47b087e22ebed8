// The diff verb: which channels two data files hold differently.
#include "clicommands.h"
#include "clioptions.h"
#include "clisupport.h"

#include "channeldocument.h"
#include "datafile.h"
#include "documentdiff.h"

#include <cstdio>

namespace CliCommands {

int Diff(const CliOptions& options)
{
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
    std::vector<std::string> lines;
    for (const DocumentDiff::RecordChange& change : changes)
        lines.push_back(DocumentDiff::Line(change));
    if (const int status = PrintLines(lines); status != ExitOk)
        return status;
    return changes.empty() ? ExitOk : ExitDifferent;
}

} // namespace CliCommands
