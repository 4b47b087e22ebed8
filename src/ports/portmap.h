#pragma once

#include "appsettings.h"
#include "serialbyid.h"

#include <QString>

#include <memory>

class BuiltInRadio;

// Where a port name leads, and what to tell a user when it cannot be used.
//
// "COM1".."COM4" go through the settings' "Ports" group, else to
// /dev/ttyS0..3. What stands there, like a name given directly, is a device
// path, a bare /dev/serial/by-id name, or "sim": the simulated radio built
// into this program, started the first time it is needed and kept running
// until the map goes. The settings are read afresh at each look-up, so a
// port assigned meanwhile counts.
//
// The causes are one line each, for after the fixed messages: the device
// the name led to ("COM1 = /dev/ttyS0, the default: no device assigned"),
// then why it cannot be used (PortDiagnosis), found after the port was
// closed, so the program's own lock does not hide the reason. A COM port
// that has no device assigned is sent to the port set-up first: its
// default /dev/ttyS0 is rarely where the radio's cable is.
class PortMap
{
public:
    // The name of the built-in simulated radio: "sim".
    static const QString& SimulatedRadio();
    // Where the simulated radio keeps its memory: the user's data folder.
    static QString DefaultSimulatedRadioFile();

    explicit PortMap(const QString& simulatedRadioFile = DefaultSimulatedRadioFile(),
                     const QString& byIdFolder = QString::fromLatin1(SerialById::Folder));
    ~PortMap();
    PortMap(const PortMap&) = delete;
    PortMap& operator=(const PortMap&) = delete;

    // For this run only: the port leads to the simulated radio, whatever
    // the settings say; nothing is stored.
    void SetSimulatedRadioOn(const QString& port) { m_simulatedPort = port; }
    const QString& SimulatedRadioPort() const { return m_simulatedPort; }

    // What a COM name is assigned ("sim", a path, a by-id name), empty when
    // nothing is; any other name stands for itself.
    QString Assignment(const QString& portName);
    // The device to open; empty when there is none (the simulated radio
    // could not start: see InvalidCause).
    QString DevicePath(const QString& portName);

    // "COM1 = /dev/serial/by-id/usb-FTDI_A1-if00-port0 (/dev/ttyUSB0)",
    // "COM1 = the built-in simulated radio (/dev/pts/4)", ...
    QString DeviceLine(const QString& portName);
    // After "COM port is invalid." and the port items' refusal.
    QString InvalidCause(const QString& portName);
    // After "Communication timeout error.".
    QString TimeoutCause(const QString& portName);
    // Where a user assigns a device to a COM port, said after the line of a
    // port that has none; "%1" stands for the port. The desktop program's
    // port set-up in its menu's words unless set.
    void SetAssignAdvice(const QString& advice) { m_assignAdvice = advice; }

    // Stops the simulated radio, which writes its memory; false with the
    // reason when that failed. Nothing when it was not started.
    bool StopSimulatedRadio(QString* error);
    // Once a run: that the simulated radio cannot keep its memory, with the
    // file and the cause; empty otherwise, and after it was told once.
    QString TakeSimulatedRadioWarning();

private:
    bool IsComName(const QString& name) const;
    // The running radio, started on first use; nullptr when it cannot start.
    BuiltInRadio* Radio();
    QString SimulatedRadioLine();
    // The device line, and the advice to assign one where it is the default.
    QString CauseHead(const QString& portName);

    AppSettings m_settings;
    QString m_simulatedRadioFile;
    QString m_byIdFolder;
    QString m_simulatedPort;
    QString m_assignAdvice;
    std::unique_ptr<BuiltInRadio> m_radio;
    QString m_radioError;
    bool m_keepWarned = false;
};
