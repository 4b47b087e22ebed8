#pragma once

#include "documentsession.h"

#include <QString>

class MessageService;

// What the editors and the transfer dialogs need of the main window: the
// document session (every change goes through it, and the windows follow
// its signals), the grids' current rows, the chosen port, and the message
// service. The main window implements it; tests implement it without one.
class DocumentHost
{
public:
    virtual ~DocumentHost() = default;

    virtual DocumentSession& Session() = 0;
    // The document as it is now, for reading.
    const ChannelDocument& Document() { return Session().Document(); }
    // Current row of grid 1 (memory), 2 (VFO), 3 (CALL) or 4 (DTMF); row 0
    // is the title row, so the first data row is 1.
    virtual int GridRow(int grid) const = 0;
    // "COM1" or "COM2".
    virtual const QString& PortChoice() const = 0;
    // After a read from the radio ends normally or by Cancel: the radio's
    // type and band limits are remembered in the settings.
    virtual void AfterReadUpdate() = 0;
    virtual MessageService& Messages() = 0;
};
