#include "portsetupmodel.h"

#include "appsettings.h"
#include "filepath.h"
#include "portmap.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The simulated radio's row comes first, before the devices.
constexpr int FirstDeviceRow = 1;

QString SimulatedRadioReason()
{
    return QStringLiteral("built into this program; it keeps its memory between runs.");
}

QString SimulatedRadioState()
{
    return QStringLiteral("usable: ") + SimulatedRadioReason();
}

bool SameShown(const SerialPortList::Entry& a, const SerialPortList::Entry& b)
{
    return a.name == b.name && a.Details() == b.Details() && a.state == b.state && a.reason == b.reason;
}

} // namespace

PortSetupModel::PortSetupModel(AppSettings& settings, const QString& byIdFolder, const PortDiagnosis::Roots& roots,
                               QObject* parent)
    : QAbstractTableModel(parent), m_settings(settings), m_byIdFolder(byIdFolder), m_roots(roots)
{
    m_settings.Store().sync();
    for (int port = 1; port <= PortCount; ++port)
        m_assignments[port - 1] = m_settings.Store().value(QStringLiteral("Ports/COM%1").arg(port)).toString();
    m_entries = SerialPortList::Scan(m_byIdFolder, m_roots);
    m_unlisted = SerialPortList::Unlisted(m_roots);
}

QString PortSetupModel::DefaultDevice(int port)
{
    return QStringLiteral("/dev/ttyS%1").arg(port - 1);
}

int PortSetupModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : FirstDeviceRow + static_cast<int>(m_entries.size());
}

int PortSetupModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PortSetupModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (index.row() < FirstDeviceRow) {
        if (role == ValueRole)
            return PortMap::SimulatedRadio();
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
            return {};
        switch (index.column()) {
        case DeviceColumn: return tr("模拟电台");
        case DetailsColumn: return tr("内置的模拟电台，无需电缆");
        default: return SimulatedRadioState();
        }
    }
    const SerialPortList::Entry& entry = m_entries[static_cast<std::size_t>(index.row() - FirstDeviceRow)];
    if (role == ValueRole)
        return entry.name;
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case DeviceColumn:
        return role == Qt::ToolTipRole && entry.systemPath != entry.name
                   ? entry.name + QStringLiteral(" (") + entry.systemPath + QLatin1Char(')')
                   : entry.name;
    case DetailsColumn: return entry.Details();
    default: return entry.StateText();
    }
}

QVariant PortSetupModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case DeviceColumn: return tr("设备");
    case DetailsColumn: return tr("说明");
    case StateColumn: return tr("状态");
    default: return {};
    }
}

bool PortSetupModel::Refresh()
{
    std::vector<SerialPortList::Entry> entries = SerialPortList::Scan(m_byIdFolder, m_roots);
    CableDoctor::Finding unlisted = SerialPortList::Unlisted(m_roots);
    const bool unlistedChanged = unlisted.reason != m_unlisted.reason;
    m_unlisted = std::move(unlisted);
    bool sameRows = entries.size() == m_entries.size();
    for (std::size_t i = 0; sameRows && i < entries.size(); ++i)
        sameRows = entries[i].name == m_entries[i].name;
    if (!sameRows) {
        beginResetModel();
        m_entries = std::move(entries);
        endResetModel();
        return true;
    }
    bool changed = unlistedChanged;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (SameShown(entries[i], m_entries[i]))
            continue;
        m_entries[i] = entries[i];
        const int row = FirstDeviceRow + static_cast<int>(i);
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
        changed = true;
    }
    return changed;
}

QString PortSetupModel::Assignment(int port) const
{
    return ValidPort(port) ? m_assignments[port - 1] : QString();
}

void PortSetupModel::Assign(int port, const QString& choice)
{
    if (!ValidPort(port))
        return;
    QString value = choice.trimmed();
    // The shown name of the simulated radio, typed or picked, in either language.
    if (value == QStringLiteral("模拟电台") || value == tr("模拟电台"))
        value = PortMap::SimulatedRadio();
    const std::string byId = SerialById::PathOf(FilePath::Bytes(value), FilePath::Bytes(m_byIdFolder));
    if (!byId.empty())
        value = FilePath::FromBytes(byId);
    m_assignments[port - 1] = value;
}

int PortSetupModel::RowOf(const QString& assignment) const
{
    if (assignment == PortMap::SimulatedRadio())
        return 0;
    if (assignment.isEmpty())
        return -1;
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].name == assignment || m_entries[i].systemPath == assignment)
            return FirstDeviceRow + static_cast<int>(i);
    return -1;
}

SerialPortList::Entry PortSetupModel::EntryOf(int port, const QString& assignment) const
{
    const int row = RowOf(assignment);
    if (row == 0) {
        SerialPortList::Entry radio;
        radio.name = radio.systemPath = PortMap::SimulatedRadio();
        radio.reason = SimulatedRadioReason();
        return radio;
    }
    if (row >= FirstDeviceRow)
        return m_entries[static_cast<std::size_t>(row - FirstDeviceRow)];
    const QString device = assignment.isEmpty() ? DefaultDevice(port) : assignment;
    return SerialPortList::Examine(device, m_byIdFolder, m_roots);
}

QString PortSetupModel::StateOf(int port, const QString& assignment) const
{
    return EntryOf(port, assignment).StateText();
}

void PortSetupModel::Store()
{
    for (int port = 1; port <= PortCount; ++port) {
        const QString key = QStringLiteral("Ports/COM%1").arg(port);
        if (m_assignments[port - 1].isEmpty())
            m_settings.Store().remove(key);
        else
            m_settings.Store().setValue(key, m_assignments[port - 1]);
    }
    m_settings.Store().sync();
}
