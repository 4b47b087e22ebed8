#pragma once

#include "tqcomm.h"

#include <QString>

class PortMap;

// Answers the main window's question "can this port be opened now?" with the
// serial component's own exclusive-access test, the port names leading to
// devices through the program's port map.
class PortProbe
{
public:
    explicit PortProbe(PortMap& ports);
    bool operator()(const QString& portName);

private:
    TQComm m_comm;
};
