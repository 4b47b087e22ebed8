// The import-csv verb: memory channels from the CSV of other radio
// programming tools into a data file.
#include "clicommands.h"
#include "clioptions.h"
#include "clisupport.h"

#include "appsettings.h"
#include "channeldocument.h"
#include "csvimport.h"
#include "datafile.h"
#include "fileio.h"

#include <cstdio>

namespace CliCommands {

int ImportCsv(const CliOptions& options)
{
    const std::string& in = options.Positional()[0];
    const std::string& out = options.Positional()[1];
    ChannelDocument doc;
    ApplyRadioPlan(options, doc);
    if (const auto base = options.Value("--into")) {
        const DataFile::LoadResult loaded = DataFile::Load(*base, doc);
        if (!loaded.ok)
            return FileError(loaded.error);
    } else {
        doc.ClearDocument();
    }

    std::string text;
    std::string error;
    if (!FileIo::ReadWholeFile(in, &text, &error))
        return FileError(error);
    const CsvImport::Result result = CsvImport::Read(text, doc);
    if (!result.ok)
        return FileError(in + ": " + result.error);
    CsvImport::Apply(result, doc);
    if (!FileIo::WriteFileAtomically(out, DataFile::WriteDataFile(doc), &error))
        return FileError(error);
    std::fputs(result.Report().c_str(), stderr);
    return ExitOk;
}

} // namespace CliCommands
