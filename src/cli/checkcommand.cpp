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

int Check(const std::vector<std::string>& args)
{
    // 1 means "warnings" here, so a usage error takes 2 with the errors.
    CliOptions options;
    if (!options.Parse(args, {"--type"}, 1, "check needs FILE")) {
        UsageError(options.Error());
        return ExitFileError;
    }
    ChannelDocument doc;
    ApplyRadioPlan(options, doc);
    const DataFile::LoadResult loaded = DataFile::Load(options.Positional()[0], doc);
    if (!loaded.ok)
        return FileError(loaded.error);

    const std::vector<PlanCheck::Finding> findings = PlanCheck::CheckAll(doc);
    std::string text;
    for (const PlanCheck::Finding& finding : findings)
        text += PlanCheck::Line(finding) + "\n";
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
        std::perror("qxp-r46-cli: standard output");
        return ExitFileError;
    }
    if (PlanCheck::HasErrors(findings))
        return ExitFileError;
    return PlanCheck::HasWarnings(findings) ? ExitDifferent : ExitOk;
}

} // namespace CliCommands
