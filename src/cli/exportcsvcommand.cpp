// The export-csv verb: the memory channels of a data file as CSV for other
// radio programming tools and spreadsheets.
#include "clicommands.h"
#include "clioptions.h"
#include "clisupport.h"

#include "channeldocument.h"
#include "csvexport.h"
#include "datafile.h"
#include "fileio.h"

#include <cstdio>

namespace CliCommands {

int ExportCsv(const CliOptions& options)
{
    const std::string& in = options.Positional()[0];
    const std::string& out = options.Positional()[1];
    ChannelDocument doc;
    ApplyRadioType(options, doc);
    const DataFile::LoadResult loaded = DataFile::Load(in, doc);
    if (!loaded.ok)
        return FileError(loaded.error);

    const CsvExport::Result result = CsvExport::Write(doc);
    std::string error;
    if (!FileIo::WriteFileAtomically(out, result.text, &error))
        return FileError(error);
    for (const std::string& note : result.notes)
        std::fprintf(stderr, "%s\n", note.c_str());
    std::fprintf(stderr, "%d channel%s written to %s.\n", result.channels, result.channels == 1 ? "" : "s",
                 out.c_str());
    return ExitOk;
}

} // namespace CliCommands
