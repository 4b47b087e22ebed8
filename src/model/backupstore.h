#pragma once

#include <ctime>
#include <string>

class ChannelDocument;

// Copies of what the radio held, one data file per complete read, so that
// no later write can lose a radio's contents. Files are named by the local
// time of the read, YYYYMMDD-HHMMSS.46; a second read within the same
// second gets "-2", "-3", ... and no backup is ever overwritten.
class BackupStore
{
public:
    // `folder` is created, with its parents, on the first save.
    explicit BackupStore(std::string folder);

    struct Result {
        bool ok = false;
        std::string path;  // the backup written
        std::string error; // why none was, with the system's reason
    };
    Result Save(const ChannelDocument& doc, std::time_t when) const;

    const std::string& Folder() const { return m_folder; }
    // "20240501-093005.46", or with `copy` 2 and above "20240501-093005-2.46".
    static std::string FileName(std::time_t when, int copy);

private:
    std::string m_folder;
};
