#include "backupstore.h"

#include "channeldocument.h"
#include "datafile.h"
#include "fileio.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <optional>
#include <set>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kMostCopiesPerSecond = 999;
constexpr std::time_t kSecondsPerDay = 24 * 60 * 60;
constexpr const char* kWritesFile = "writes";
constexpr std::string_view kBeforeWrite = "-before-write";

struct Backup {
    std::time_t time = 0;
    int copy = 1;
    std::string name;
    bool operator<(const Backup& other) const { return time != other.time ? time < other.time : copy < other.copy; }
};

bool Digits(const std::string& text, std::size_t from, std::size_t count)
{
    if (from + count > text.size())
        return false;
    return std::all_of(text.begin() + long(from), text.begin() + long(from + count),
                       [](char c) { return c >= '0' && c <= '9'; });
}

int Number(const std::string& text, std::size_t from, std::size_t count)
{
    return std::stoi(text.substr(from, count));
}

// "YYYYMMDD-HHMMSS.46", or "YYYYMMDD-HHMMSS-before-write.46", with "_NNN"
// (or "-N", as older versions named them) before ".46" for further copies
// within the second.
std::optional<Backup> BackupOfName(const std::string& name)
{
    const std::string extension = ".46";
    if (name.size() < 15 + extension.size() || !Digits(name, 0, 8) || name[8] != '-' || !Digits(name, 9, 6) ||
        name.compare(name.size() - extension.size(), extension.size(), extension) != 0)
        return std::nullopt;
    Backup backup;
    backup.name = name;
    std::size_t copyStart = 15;
    if (name.compare(copyStart, kBeforeWrite.size(), kBeforeWrite) == 0)
        copyStart += kBeforeWrite.size();
    if (copyStart + extension.size() > name.size())
        return std::nullopt;
    const std::size_t copyLength = name.size() - extension.size() - copyStart;
    if (copyLength > 0) {
        if ((name[copyStart] != '_' && name[copyStart] != '-') || copyLength < 2 || copyLength > 4 ||
            !Digits(name, copyStart + 1, copyLength - 1))
            return std::nullopt;
        backup.copy = Number(name, copyStart + 1, copyLength - 1);
    }
    std::tm local{};
    local.tm_year = Number(name, 0, 4) - 1900;
    local.tm_mon = Number(name, 4, 2) - 1;
    local.tm_mday = Number(name, 6, 2);
    local.tm_hour = Number(name, 9, 2);
    local.tm_min = Number(name, 11, 2);
    local.tm_sec = Number(name, 13, 2);
    local.tm_isdst = -1;
    backup.time = std::mktime(&local);
    return backup;
}

std::vector<std::time_t> WriteTimes(const std::string& contents)
{
    std::vector<std::time_t> times;
    std::size_t start = 0;
    while (start < contents.size()) {
        std::size_t end = contents.find('\n', start);
        if (end == std::string::npos)
            end = contents.size();
        const std::string line = contents.substr(start, end - start);
        if (!line.empty() && line.size() <= 18 && Digits(line, 0, line.size()))
            times.push_back(static_cast<std::time_t>(std::stoll(line)));
        start = end + 1;
    }
    return times;
}

// mkdir -p; backups are the user's own, so new folders are private.
bool MakeFolders(const std::string& folder, std::string* error)
{
    for (std::size_t slash = 1; slash <= folder.size(); ++slash) {
        if (slash < folder.size() && folder[slash] != '/')
            continue;
        const std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            *error = part + ": " + std::strerror(errno);
            return false;
        }
    }
    struct stat st {
    };
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        *error = folder + ": not a folder";
        return false;
    }
    return true;
}

} // namespace

BackupStore::BackupStore(std::string folder, int keep) : m_folder(std::move(folder)), m_keep(keep)
{
    while (m_folder.size() > 1 && m_folder.back() == '/')
        m_folder.pop_back();
}

std::string BackupStore::FileName(std::time_t when, int copy, Occasion occasion)
{
    std::tm local{};
    ::localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    std::string name = stamp;
    if (occasion == Occasion::BeforeWrite)
        name += kBeforeWrite;
    if (copy >= 2) {
        // "_" sorts after ".", and three digits keep _010 after _002.
        char suffix[8];
        std::snprintf(suffix, sizeof suffix, "_%03d", std::min(copy, kMostCopiesPerSecond));
        name += suffix;
    }
    return name + ".46";
}

BackupStore::Result BackupStore::Save(const ChannelDocument& doc, std::time_t when, Occasion occasion) const
{
    Result result;
    if (m_folder.empty()) {
        result.error = "no folder for backups";
        return result;
    }
    if (!MakeFolders(m_folder, &result.error))
        return result;

    // The file is written whole under a temporary name and only then given
    // the first free name of its second, without replacing anything: two
    // reads finishing in the same second (two programs, or two ports) never
    // share a file, and a backup that exists is complete.
    const std::optional<std::string> path = FileIo::WriteNewFile(
        m_folder, [when, occasion](int copy) { return FileName(when, copy, occasion); }, kMostCopiesPerSecond,
        DataFile::WriteDataFile(doc), &result.error);
    if (!path)
        return result;
    result.ok = true;
    result.path = *path;
    Prune(when);
    return result;
}

bool BackupStore::NoteWrite(std::time_t when, std::string* error) const
{
    if (!MakeFolders(m_folder, error))
        return false;
    const std::string path = m_folder + "/" + kWritesFile;
    std::string contents;
    if (!FileIo::ReadWholeFile(path, &contents, nullptr))
        contents.clear();
    std::string kept;
    for (const std::time_t time : WriteTimes(contents))
        if (time >= when - ProtectedDays * kSecondsPerDay)
            kept += std::to_string(static_cast<long long>(time)) + "\n";
    kept += std::to_string(static_cast<long long>(when)) + "\n";
    return FileIo::WriteFileAtomically(path, kept, error);
}

// Best effort: a backup that cannot be deleted now is tried again after the
// next read.
void BackupStore::Prune(std::time_t now) const
{
    if (m_keep <= 0)
        return;
    std::vector<Backup> backups;
    if (DIR* dir = ::opendir(m_folder.c_str())) {
        while (const dirent* entry = ::readdir(dir))
            if (std::optional<Backup> backup = BackupOfName(entry->d_name))
                backups.push_back(std::move(*backup));
        ::closedir(dir);
    }
    if (backups.size() <= static_cast<std::size_t>(m_keep))
        return;
    std::sort(backups.begin(), backups.end());

    std::string contents;
    if (!FileIo::ReadWholeFile(m_folder + "/" + kWritesFile, &contents, nullptr))
        contents.clear();
    std::set<std::size_t> kept;
    for (const std::time_t write : WriteTimes(contents)) {
        if (write < now - ProtectedDays * kSecondsPerDay)
            continue;
        // The newest backup not after the write.
        const auto after = std::upper_bound(backups.begin(), backups.end(), write,
                                            [](std::time_t time, const Backup& b) { return time < b.time; });
        if (after != backups.begin())
            kept.insert(static_cast<std::size_t>(after - backups.begin()) - 1);
    }
    const std::size_t oldest = backups.size() - static_cast<std::size_t>(m_keep);
    for (std::size_t i = 0; i < oldest; ++i)
        if (kept.count(i) == 0)
            ::unlink((m_folder + "/" + backups[i].name).c_str());
}
