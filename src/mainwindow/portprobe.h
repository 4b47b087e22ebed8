#pragma once

#include "appsettings.h"
#include "tqcomm.h"

#include <QString>

// Answers the main window's question "can this port be opened now?" with the
// serial component's own exclusive-access test, mapping COM1..COM4 to
// devices through the settings store's "Ports" group.
class PortProbe
{
public:
    PortProbe();
    bool operator()(const QString& portName);

private:
    AppSettings m_settings;
    TQComm m_comm;
};
