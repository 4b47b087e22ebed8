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

int Channels(const ChannelDocument& doc)
{
    int count = 0;
    for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot)
        count += DocumentDiff::HasChannel(RecordKind::Memory, doc.Record(RecordKind::Memory, slot)) ? 1 : 0;
    return count;
}

const char* Plural(int n)
{
    return n == 1 ? "" : "s";
}

} // namespace

void ReportRead(const ChannelDocument& doc)
{
    const int channels = Channels(doc);
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
    const int channels = Channels(doc);
    std::fprintf(stderr, "Wrote %d channel%s to the radio.\n", channels, Plural(channels));
}

int ReportVerification(const ChannelDocument& written, const ChannelDocument& readBack)
{
    const WriteVerification::Result result = WriteVerification::Compare(written, readBack);
    if (result.Confirmed()) {
        std::fprintf(stderr, "Verified: every channel confirmed (%d record%s compared).\n", result.recordsCompared,
                     Plural(result.recordsCompared));
        return ExitOk;
    }
    const int count = static_cast<int>(result.differences.size());
    std::fprintf(stderr, "Verification failed: %d difference%s between the file and the radio:\n", count,
                 Plural(count));
    for (const std::string& line : result.Lines())
        std::fprintf(stderr, "%s\n", line.c_str());
    return ExitVerifyFailed;
}

} // namespace CliCommands
