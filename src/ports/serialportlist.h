#pragma once

#include "portdiagnosis.h"
#include "serialbyid.h"

#include <QString>

#include <vector>

// The serial devices of this computer as a user chooses among them: USB
// adapters (ttyUSB*, ttyACM*) with what they say about themselves, and
// ttyS* only where a UART is behind them (every PC has four ttyS nodes,
// most of them empty). Discovery is Qt SerialPort's; each device is named
// by its /dev/serial/by-id path where it has one, since that name survives
// replugging, and carries its state and the reason (PortDiagnosis).
class SerialPortList
{
public:
    struct Entry {
        QString name;       // by-id path where there is one, else the system path
        QString systemPath; // "/dev/ttyUSB0"
        QString description;
        QString manufacturer;
        QString serialNumber;
        QString vidPid; // "0403:6001", or empty when the device has none
        PortDiagnosis::State state = PortDiagnosis::State::Usable;
        QString reason;
        QString command; // what the reason advises to run, to copy; may be empty

        // "FT232R USB UART, FTDI, serial A12345, 0403:6001" (what is known).
        QString Details() const;
        // "usable: it is free."
        QString StateText() const;
    };

    // The devices present now, by name. Devices that appear only in the
    // by-id folder are listed too: a by-id name means a serial device.
    // The system files the reasons come from are `roots`.
    static std::vector<Entry> Scan(const QString& byIdFolder = QString::fromLatin1(SerialById::Folder),
                                   const PortDiagnosis::Roots& roots = PortDiagnosis::Roots());

    // A device the user named (a path, or a bare by-id name), with its state.
    static Entry Examine(const QString& name, const QString& byIdFolder = QString::fromLatin1(SerialById::Folder),
                         const PortDiagnosis::Roots& roots = PortDiagnosis::Roots());

    // What keeps a cable from being listed at all (brltty holding a USB
    // adapter back), its reason a sentence; nothing when nothing does.
    static CableDoctor::Finding Unlisted(const PortDiagnosis::Roots& roots = PortDiagnosis::Roots());
};
