#pragma once

#include <QSettings>
#include <QString>

class BandPlan;

// The per-user settings store: QSettings("QUELDOR", "QXP-R46"), on Linux
// $XDG_CONFIG_HOME/QUELDOR/QXP-R46.conf. String values "Path", "CommPort",
// "Type", "Limit0".."Limit4", and the group "Ports" that maps the port names
// COM1..COM4 to devices. Values longer than their slots are cut when used.
class AppSettings
{
public:
    AppSettings();
    // The same values in the given INI file instead of the user's store.
    explicit AppSettings(const QString& iniFile);

    // Read-only look-ups: nothing is written back.
    QString RadioType() const; // "Type", or the default record when empty
    // Device of a port name: "Ports/COMn" when set, else /dev/ttyS(n-1).
    // A name that is already a path is returned as it is.
    QString PortDevice(const QString& portName) const;

    // The main window's start-up reading: each value is read, an empty one
    // takes its default, and the defaults are written back, as a first start
    // must leave them in the store. Fills the band plan with the type and the
    // limit records of the bands the radio has.
    struct Startup {
        QString path;
        QString commPort;
    };
    Startup LoadAtStartup(BandPlan& plan, const QString& workingFolder);

    void SetPath(const QString& folder);
    void SetCommPort(const QString& port);
    // After a read from the radio: "Type" and "Limit0".."Limit4".
    void StoreBandPlan(const BandPlan& plan);

    // Writes the store out now, where a choice of the user's must last.
    // False when its file cannot be written; then *firstTrouble gets
    // "FILE: reason" the first time in this object's life and stays empty
    // after, so that the user hears of it once, not at every choice.
    bool Keep(QString* firstTrouble);

    QSettings& Store() { return m_settings; }

private:
    QSettings m_settings;
    bool m_troubleTold = false;
};
