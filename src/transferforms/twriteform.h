#pragma once

#include "transferdialog.h"

class DocumentHost;

// The progress dialog that writes the main window's document into the
// radio. Only the radio's identity is checked; the replies to the write
// commands are discarded unread. The document is not changed.
class TWriteForm : public TransferDialog
{
    Q_OBJECT

public:
    explicit TWriteForm(DocumentHost& host, QWidget* parent = nullptr);

private:
    std::unique_ptr<RadioTransfer> MakeTransfer(ChannelDocument& snapshot) override;
};
