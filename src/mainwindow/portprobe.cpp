#include "portprobe.h"

#include "filepath.h"
#include "portmap.h"

#include <QFile>

PortProbe::PortProbe(PortMap& ports)
{
    // Asked at every check, so a port mapped while the program runs counts.
    m_comm.SetPortResolver(
        [&ports](const std::string& name) { return FilePath::Bytes(ports.DevicePath(QString::fromStdString(name))); });
}

bool PortProbe::operator()(const QString& portName)
{
    return m_comm.CheckCommportValid(portName.toStdString());
}
