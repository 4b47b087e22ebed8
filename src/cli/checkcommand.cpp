// The check verb: what in a channel plan the radio cannot hold or will not
// do as meant, before it is written.
#include "clicommands.h"
#include "clioptions.h"
#include "clisupport.h"

#include "channeldocument.h"
#include "datafile.h"
#include "plancheck.h"

#include <cstdio>

namespace CliCommands {

int Check(const CliOptions& options)
{
    ChannelDocument doc;
    ApplyRadioPlan(options, doc);
    const DataFile::LoadResult loaded = DataFile::Load(options.Positional()[0], doc);
    if (!loaded.ok)
        return FileError(loaded.error);

    const std::vector<PlanCheck::Finding> findings = PlanCheck::CheckAll(doc);
    std::vector<std::string> lines;
    for (const PlanCheck::Finding& finding : findings)
        lines.push_back(PlanCheck::Line(finding));
    if (const int status = PrintLines(lines); status != ExitOk)
        return status;
    if (PlanCheck::HasErrors(findings))
        return ExitFileError;
    return PlanCheck::HasWarnings(findings) ? ExitDifferent : ExitOk;
}

} // namespace CliCommands
