#pragma once

#include "serialportlist.h"

#include <QAbstractTableModel>
#include <QString>

#include <vector>

class AppSettings;

// What the port set-up dialog shows and does, without a window: the list of
// what a port can lead to (the built-in simulated radio first, then the
// serial devices with their details, state and reason) and the assignment
// of COM1 and COM2, stored as "Ports/COM1" and "Ports/COM2" in the
// settings, the mapping the serial component already reads.
//
// An assignment is "sim", a device path (a by-id path for a device that
// has one), or empty for the port's default /dev/ttyS0 or /dev/ttyS1.
// Typed text counts as a path; a bare by-id name becomes its path.
class PortSetupModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { DeviceColumn, DetailsColumn, StateColumn, ColumnCount };
    // On every column: the assignment the row stands for.
    static constexpr int ValueRole = Qt::UserRole;
    static constexpr int PortCount = 2;

    // The reasons come from the system files under `roots`.
    explicit PortSetupModel(AppSettings& settings, const QString& byIdFolder = QString::fromLatin1(SerialById::Folder),
                            const PortDiagnosis::Roots& roots = PortDiagnosis::Roots(), QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Looks at the devices again (they come and go, and other programs take
    // and release them); true when anything shown changed.
    bool Refresh();

    // Port 1 is COM1, port 2 COM2.
    QString Assignment(int port) const;
    void Assign(int port, const QString& choice);
    // The row that stands for an assignment, or -1 (a typed path, the
    // default). A device's system path finds its by-id row.
    int RowOf(const QString& assignment) const;
    // "usable: it is free." for what the port would lead to.
    QString StateOf(int port, const QString& assignment) const;
    // What the port would lead to, with its state, reason and the command
    // the reason advises (Entry::command), in one look.
    SerialPortList::Entry EntryOf(int port, const QString& assignment) const;
    // Why a plugged-in cable is not listed (SerialPortList::Unlisted), as
    // of the last look; its reason empty when nothing keeps one back.
    const CableDoctor::Finding& Unlisted() const { return m_unlisted; }
    // Both assignments into the settings; an empty one is removed, so the
    // port falls back to its default.
    void Store();

    // What the default of a port is: "/dev/ttyS0" for port 1.
    static QString DefaultDevice(int port);

private:
    bool ValidPort(int port) const { return port >= 1 && port <= PortCount; }

    AppSettings& m_settings;
    QString m_byIdFolder;
    PortDiagnosis::Roots m_roots;
    CableDoctor::Finding m_unlisted;
    std::vector<SerialPortList::Entry> m_entries;
    QString m_assignments[PortCount];
};
