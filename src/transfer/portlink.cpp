#include "portlink.h"

#include "tqcomm.h"

namespace PortLink {

void ApplyTransferSettings(TQComm& comm)
{
    comm.SetFlowControl(TFlowControl::XonXoff);
    comm.SetEventType(TEventType::CharEvent);
    comm.SetInBuffSize(1024);
    comm.SetOutBuffSize(1024);
    comm.SetXonSendSize(256);
    comm.SetXoffSendSize(768);
    comm.SetEventChar(13);
}

void SendLine(TQComm& comm, std::string_view line)
{
    comm.WriteData(line.data(), static_cast<std::uint32_t>(line.size()));
    const char cr = '\r';
    comm.WriteData(&cr, 1);
}

std::string TakeWaiting(TQComm& comm)
{
    const int waiting = comm.CountInBuff();
    if (waiting <= 0)
        return {};
    std::string bytes(static_cast<std::size_t>(waiting), '\0');
    bytes.resize(comm.ReadData(bytes.data(), static_cast<std::uint32_t>(waiting)));
    return bytes;
}

} // namespace PortLink
