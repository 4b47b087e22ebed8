#pragma once

#include <ctime>
#include <string>

class ChannelDocument;

// Copies of what the radio held, one data file per complete read, so that
// no later write can lose a radio's contents. Files are named by the local
// time of the read, YYYYMMDD-HHMMSS.46, or YYYYMMDD-HHMMSS-before-write.46
// for the read a write makes first; further reads within the same second
// get "_002", "_003", ..., so that names sort in time order, and no backup
// is ever overwritten. A backup appears under its name only whole.
//
// After each backup the oldest ones beyond the newest `keep` are deleted,
// except the last backup taken before each write to the radio of the last
// ProtectedDays days: what the radio held before it was overwritten.
class BackupStore
{
public:
    static constexpr int DefaultKeep = 200;
    static constexpr int ProtectedDays = 30;

    // `folder` is created, with its parents, on the first save. `keep` 0
    // keeps every backup.
    explicit BackupStore(std::string folder, int keep = DefaultKeep);

    // Why the radio was read: a plain read, or the read before a write.
    enum class Occasion { Read, BeforeWrite };

    struct Result {
        bool ok = false;
        std::string path;  // the backup written
        std::string error; // why none was, with the system's reason
    };
    Result Save(const ChannelDocument& doc, std::time_t when, Occasion occasion = Occasion::Read) const;
    // Notes a write to the radio at `when` (in the file "writes" of the
    // folder), so that the backup before it outlives the count.
    bool NoteWrite(std::time_t when, std::string* error) const;

    const std::string& Folder() const { return m_folder; }
    // "20240501-093005.46", or with `copy` 2 and above "20240501-093005_002.46";
    // before a write "20240501-093005-before-write.46".
    static std::string FileName(std::time_t when, int copy, Occasion occasion = Occasion::Read);

private:
    void Prune(std::time_t now) const;

    std::string m_folder;
    int m_keep;
};
