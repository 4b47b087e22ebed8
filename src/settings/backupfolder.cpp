#include "backupfolder.h"

#include "appsettings.h"
#include "backupstore.h"
#include "filepath.h"

#include <QStandardPaths>

QString BackupFolder::Path()
{
    // QStandardPaths::AppDataLocation would be the same folder, but only
    // where the organisation and application names are set on the
    // application object, which the command-line tool never creates; the
    // generic folder with the names of the settings store is the same
    // place in both programs.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/QUELDOR/QXP-R46/backups");
}

int BackupFolder::KeepCount()
{
    bool number = false;
    const int keep = AppSettings().Store().value(QStringLiteral("KeepBackups")).toInt(&number);
    return number && keep >= 0 ? keep : BackupStore::DefaultKeep;
}

BackupStore BackupFolder::Store()
{
    return BackupStore(FilePath::Bytes(Path()), KeepCount());
}
