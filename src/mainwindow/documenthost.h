#pragma once

#include <QString>

class ChannelDocument;
class MessageService;

// What the editors and the transfer dialogs need of the main window: the
// one document, its changed flag, the grids' current rows and their redraw,
// the chosen port, and the message service. The main window implements it;
// tests implement it without a window.
class DocumentHost
{
public:
    virtual ~DocumentHost() = default;

    virtual ChannelDocument& Document() = 0;
    virtual void SetChanged(bool changed) = 0;
    // Redraws all four grids from the document, then the status bar.
    virtual void RefreshGrids() = 0;
    // Current row of grid 1 (memory), 2 (VFO), 3 (CALL) or 4 (DTMF); row 0
    // is the title row, so the first data row is 1.
    virtual int GridRow(int grid) const = 0;
    // "COM1" or "COM2".
    virtual const QString& PortChoice() const = 0;
    // After a read from the radio ends normally or by Cancel: band rows,
    // grids, and the radio type and band limits remembered in the settings.
    virtual void AfterReadUpdate() = 0;
    virtual MessageService& Messages() = 0;
};
