#include "settingssync.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace {

QString Because(const QString& path, int error)
{
    return path + QStringLiteral(": ") +
           QString::fromStdString(std::error_code(error, std::generic_category()).message());
}

// Why no file can be made in `folder` (created with its parents, as
// QSettings does); empty when nothing is seen.
QString WhyNoFolder(const QString& folder)
{
    const QByteArray name = QFile::encodeName(folder);
    struct stat info {
    };
    if (::stat(name.constData(), &info) == 0) {
        if (!S_ISDIR(info.st_mode))
            return Because(folder, ENOTDIR);
        // Root may write anywhere but on a read-only file system, which
        // access() still reports.
        if (::access(name.constData(), W_OK | X_OK) != 0)
            return Because(folder, errno);
        return QString();
    }
    const int error = errno;
    const QString parent = QFileInfo(folder).path();
    // A file further up gives ENOTDIR here: the walk up names it.
    if (error != ENOENT && error != ENOTDIR)
        return Because(folder, error);
    return parent == folder ? Because(folder, ENOENT) : WhyNoFolder(parent);
}

} // namespace

bool SettingsSync::Sync(QSettings& store, QString* error)
{
    store.sync();
    const QSettings fresh(store.fileName(), store.format());
    switch (fresh.status()) {
    case QSettings::NoError: return true;
    case QSettings::FormatError:
        if (error)
            *error = store.fileName() + QStringLiteral(": not readable as settings");
        return false;
    case QSettings::AccessError: break;
    }
    if (error) {
        const QString file = store.fileName();
        const QString why = WhyNotWritable(file);
        *error = why.startsWith(file + QLatin1Char(':')) ? why : file + QStringLiteral(": ") + why;
    }
    return false;
}

QString SettingsSync::WhyNotWritable(const QString& file)
{
    const QByteArray name = QFile::encodeName(file);
    struct stat info {
    };
    if (::stat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode))
        return Because(file, EISDIR);
    QString why = WhyNoFolder(QFileInfo(file).path());
    if (why.isEmpty() && ::access(name.constData(), F_OK) == 0 && ::access(name.constData(), W_OK) != 0)
        why = Because(file, errno);
    return why.isEmpty() ? file + QStringLiteral(": cannot be written") : why;
}
