#pragma once

#include "backupstore.h"

#include <QString>

// Where the copies of every complete read from the radio go (BackupStore):
// "backups" in the per-user data folder of QUELDOR/QXP-R46, on Linux
// $XDG_DATA_HOME/QUELDOR/QXP-R46/backups (~/.local/share/... by default).
// The desktop program and the command-line tool share it.
class BackupFolder
{
public:
    static QString Path();
    // How many backups to keep: the settings' "KeepBackups", 200 when it is
    // absent or not a number; 0 keeps them all.
    static int KeepCount();
    // The store over that folder, keeping KeepCount() backups.
    static BackupStore Store();
};
