#pragma once

#include <string>
#include <string_view>

class TQComm;

// The framing of the radio link on a TQComm, shared by the transfer
// dialogs and the command-line tool.
namespace PortLink {

// The radio's line: 9600 8N1 (the component's defaults), Xon/Xoff both
// ways, 1024-byte queues, and an event for every carriage return.
void ApplyTransferSettings(TQComm& comm);

// The command text, then its carriage return, as two writes. Raises
// ECommError.
void SendLine(TQComm& comm, std::string_view line);

// Every byte waiting in the input queue (at most its 1024 bytes), as it
// came; ReplyReader cuts them into lines. Raises ECommError.
std::string TakeWaiting(TQComm& comm);

} // namespace PortLink
