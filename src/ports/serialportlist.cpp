#include "serialportlist.h"

#include "filepath.h"
#include "portholders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>
#include <cctype>
#include <map>

namespace {

// The 8250 driver makes ttyS0..ttyS3 whether or not a UART answers at
// their addresses; the kernel says which do in the port's "type" (0: none),
// readable by anyone, without opening the device.
bool HasUart(const QString& systemPath)
{
    const QString name = QFileInfo(systemPath).fileName();
    if (!name.startsWith(QLatin1String("ttyS")))
        return true;
    QFile type(QStringLiteral("/sys/class/tty/%1/type").arg(name));
    if (!type.open(QIODevice::ReadOnly))
        return true;
    return type.readAll().trimmed() != "0";
}

void Diagnose(SerialPortList::Entry& entry, const std::vector<PortHolders::Holder>& holders,
              const PortDiagnosis::Roots& roots)
{
    const PortDiagnosis::Result result = PortDiagnosis::Diagnose(FilePath::Bytes(entry.name), holders, roots);
    entry.state = result.state;
    entry.reason = QString::fromStdString(result.reason);
    entry.command = QString::fromStdString(result.command);
}

} // namespace

QString SerialPortList::Entry::Details() const
{
    QStringList parts;
    for (const QString& part : {description, manufacturer})
        if (!part.isEmpty() && !parts.contains(part))
            parts << part;
    if (!serialNumber.isEmpty())
        parts << QStringLiteral("serial ") + serialNumber;
    if (!vidPid.isEmpty())
        parts << vidPid;
    return parts.join(QStringLiteral(", "));
}

QString SerialPortList::Entry::StateText() const
{
    return QString::fromLatin1(PortDiagnosis::StateText(state)) + QStringLiteral(": ") + reason;
}

std::vector<SerialPortList::Entry> SerialPortList::Scan(const QString& byIdFolder, const PortDiagnosis::Roots& roots)
{
    std::map<QString, Entry> bySystemPath;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        Entry entry;
        entry.systemPath = info.systemLocation();
        if (!HasUart(entry.systemPath))
            continue;
        entry.description = info.description();
        entry.manufacturer = info.manufacturer();
        entry.serialNumber = info.serialNumber();
        if (info.hasVendorIdentifier() && info.hasProductIdentifier())
            entry.vidPid = QStringLiteral("%1:%2")
                               .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                               .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
        bySystemPath[entry.systemPath] = entry;
    }
    // by-id entries whose device Qt did not report (udev knows more than
    // Qt asks for, and tests stand in pseudo-terminals).
    for (const QFileInfo& link : QDir(byIdFolder).entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        const QString target = link.canonicalFilePath();
        if (!target.isEmpty() && !bySystemPath.count(target))
            bySystemPath[target].systemPath = target;
    }

    std::vector<Entry> entries;
    std::vector<std::string> paths;
    for (auto& [systemPath, entry] : bySystemPath) {
        const std::string byId = SerialById::NameOf(FilePath::Bytes(systemPath), FilePath::Bytes(byIdFolder));
        entry.name = byId.empty() ? systemPath : FilePath::FromBytes(byId);
        paths.push_back(FilePath::Bytes(entry.name));
        entries.push_back(entry);
    }
    const auto holders = PortHolders::Of(paths);
    for (Entry& entry : entries)
        Diagnose(entry, holders.at(FilePath::Bytes(entry.name)), roots);
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return entries;
}

SerialPortList::Entry SerialPortList::Examine(const QString& name, const QString& byIdFolder,
                                              const PortDiagnosis::Roots& roots)
{
    Entry entry;
    entry.name = name;
    const std::string byId = SerialById::PathOf(FilePath::Bytes(name), FilePath::Bytes(byIdFolder));
    if (!byId.empty())
        entry.name = FilePath::FromBytes(byId);
    const QString target = QFileInfo(entry.name).canonicalFilePath();
    entry.systemPath = target.isEmpty() ? entry.name : target;
    Diagnose(entry, PortHolders::Of(FilePath::Bytes(entry.name)), roots);
    return entry;
}

CableDoctor::Finding SerialPortList::Unlisted(const PortDiagnosis::Roots& roots)
{
    CableDoctor::Finding finding = CableDoctor::BrlttyTookAdapter(roots);
    if (finding.Found())
        finding.reason[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(finding.reason[0])));
    return finding;
}
