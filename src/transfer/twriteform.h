#pragma once

#include "transferdialog.h"
#include "writetransfer.h"

#include <optional>

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
    TransferStep StartTransfer() override;
    TransferStep HandleReply(std::string_view reply) override;
    int Progress() const override;

    std::optional<WriteTransfer> m_transfer;
};
