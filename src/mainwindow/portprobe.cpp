#include "portprobe.h"

PortProbe::PortProbe()
{
    m_comm.SetPortResolver([this](const std::string& name) {
        // Read at every check, so a port mapped while the program runs counts.
        m_settings.Store().sync();
        return m_settings.PortDevice(QString::fromStdString(name)).toStdString();
    });
}

bool PortProbe::operator()(const QString& portName) { return m_comm.CheckCommportValid(portName.toStdString()); }
