#include "portprobe.h"

#include "portmap.h"

#include <QFile>

PortProbe::PortProbe(PortMap& ports)
{
    // Asked at every check, so a port mapped while the program runs counts.
    m_comm.SetPortResolver([&ports](const std::string& name) {
        return QFile::encodeName(ports.DevicePath(QString::fromStdString(name))).toStdString();
    });
}

bool PortProbe::operator()(const QString& portName)
{
    return m_comm.CheckCommportValid(portName.toStdString());
}
