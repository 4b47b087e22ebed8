#pragma once

#include <QString>

class QSettings;

// Writes a settings store out now and says why it could not be. QSettings
// reports only that its file could not be written, keeps no errno, and its
// status stays at the first error for the object's whole life; so the
// verdict comes from a fresh look at the same file (which also retries the
// changes still waiting), and the reason from the file system.
class SettingsSync
{
public:
    // False, with "FILE: reason" in *error (may be null), when the store's
    // file cannot be written or read back as settings. When the fault lies
    // in a folder above the file (a file where the folder should be, a
    // read-only file system), the reason starts with that folder:
    // "FILE: FOLDER: Not a directory".
    static bool Sync(QSettings& store, QString* error);

    // "PATH: reason" for the first part of `file`'s path that stands in the
    // way of writing it, as far as can be seen without writing; "FILE:
    // cannot be written" when nothing can be seen.
    static QString WhyNotWritable(const QString& file);
};
