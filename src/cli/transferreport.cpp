#include "transferreport.h"

#include "clicommands.h"

#include "backupfolder.h"
#include "backupstore.h"
#include "channeldocument.h"
#include "transfersummary.h"
#include "writeverification.h"

#include <cstdio>
#include <ctime>
#include <string>

namespace CliCommands {

void ReportRead(const ChannelDocument& doc)
{
    std::fprintf(stderr, "%s\n", TransferSummary::Read(doc).c_str());
    const BackupStore store = BackupFolder::Store();
    const BackupStore::Result backup = store.Save(doc, std::time(nullptr));
    if (backup.ok)
        std::fprintf(stderr, "Backup: %s\n", backup.path.c_str());
    else
        std::fprintf(stderr, "qxp-r46-cli: no backup written: %s\n", backup.error.c_str());
}

bool KeepBeforeWrite(const ChannelDocument& radio)
{
    const BackupStore store = BackupFolder::Store();
    const BackupStore::Result backup = store.Save(radio, std::time(nullptr), BackupStore::Occasion::BeforeWrite);
    if (backup.ok) {
        std::fprintf(stderr, "Backup: %s\n", backup.path.c_str());
        return true;
    }
    std::fprintf(stderr, "qxp-r46-cli: no backup of the radio was written, so nothing was written to it: %s\n",
                 backup.error.c_str());
    return false;
}

void NoteWrite()
{
    std::string error;
    const BackupStore store = BackupFolder::Store();
    if (!store.NoteWrite(std::time(nullptr), &error))
        std::fprintf(stderr, "qxp-r46-cli: the write was not noted for the backups: %s\n", error.c_str());
}

void ReportWritten(const ChannelDocument& doc)
{
    std::fprintf(stderr, "%s\n", TransferSummary::Written(doc).c_str());
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
