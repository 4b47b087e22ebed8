#include "transferreport.h"

#include "clicommands.h"

#include "backupfolder.h"
#include "backupstore.h"
#include "channeldocument.h"
#include "documentdiff.h"
#include "writeverification.h"

#include <cstdio>
#include <ctime>
#include <string>

namespace CliCommands {

namespace {

const char* Plural(int n)
{
    return n == 1 ? "" : "s";
}

} // namespace

void ReportRead(const ChannelDocument& doc)
{
    const int channels = DocumentDiff::ChannelCount(doc);
    std::fprintf(stderr, "Read %d channel%s from the radio.\n", channels, Plural(channels));
    const BackupStore store(BackupFolder::Path().toStdString());
    const BackupStore::Result backup = store.Save(doc, std::time(nullptr));
    if (backup.ok)
        std::fprintf(stderr, "Backup: %s\n", backup.path.c_str());
    else
        std::fprintf(stderr, "qxp-r46-cli: no backup written: %s\n", backup.error.c_str());
}

void ReportWritten(const ChannelDocument& doc)
{
    const int channels = DocumentDiff::ChannelCount(doc);
    std::fprintf(stderr, "Wrote %d channel%s to the radio.\n", channels, Plural(channels));
}

int ReportVerification(const ChannelDocument& written, const ChannelDocument& readBack)
{
    const WriteVerification::Result result = WriteVerification::Compare(written, readBack);
    std::fprintf(stderr, "%s\n", result.Verdict().c_str());
    for (const std::string& line : result.Lines())
        std::fprintf(stderr, "%s\n", line.c_str());
    return result.Confirmed() ? ExitOk : ExitVerifyFailed;
}

} // namespace CliCommands
