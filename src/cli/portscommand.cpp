// The ports verb: where COM1 and COM2 lead, and every device a port can
// lead to, with its state and the reason; and a cable that brltty keeps
// from becoming a device.
#include "clicommands.h"
#include "clioptions.h"
#include "clisupport.h"

#include "portmap.h"
#include "serialportlist.h"

#include <cstdio>

namespace CliCommands {

namespace {

void Line(const QString& text)
{
    PrintVisibleLine(stdout, text.toLocal8Bit().toStdString());
}

} // namespace

int Ports(const CliOptions&)
{
    PortMap ports;
    for (const char* port : {"COM1", "COM2"})
        Line(ports.DeviceLine(QLatin1String(port)));
    std::printf("\n");
    Line(PortMap::SimulatedRadio());
    Line(QStringLiteral("    the built-in simulated radio, memory in ") + PortMap::DefaultSimulatedRadioFile());
    Line(QStringLiteral("    usable"));
    for (const SerialPortList::Entry& entry : SerialPortList::Scan()) {
        Line(entry.name == entry.systemPath ? entry.name
                                            : entry.name + QStringLiteral(" (") + entry.systemPath + QLatin1Char(')'));
        if (!entry.Details().isEmpty())
            Line(QStringLiteral("    ") + entry.Details());
        Line(QStringLiteral("    ") + entry.StateText());
    }
    // A cable that never became a device is in no list above.
    const CableDoctor::Finding unlisted = SerialPortList::Unlisted();
    if (unlisted.Found()) {
        std::printf("\n");
        Line(QString::fromStdString(unlisted.reason));
    }
    std::fflush(stdout);
    return ExitOk;
}

} // namespace CliCommands
