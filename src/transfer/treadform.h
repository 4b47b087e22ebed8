#pragma once

#include "readtransfer.h"
#include "transferdialog.h"

#include <optional>

class DocumentHost;

// The progress dialog that reads the whole radio into the main window's
// document. The document is cleared at the radio's first reply and filled
// record by record; when the read ends, by finishing or by Cancel, the main
// window's after-read update remembers the radio type and band limits. The
// whole read is one step of the session (the windows follow its signals,
// and Undo puts back what was there), and the document is not marked
// changed: it holds what the radio holds.
class TReadForm : public TransferDialog
{
    Q_OBJECT

public:
    explicit TReadForm(DocumentHost& host, QWidget* parent = nullptr);

private:
    TransferStep StartTransfer() override;
    TransferStep HandleReply(std::string_view reply) override;
    int Progress() const override;
    void TransferEnded() override;
    void TransferFailed() override;

    std::optional<ReadTransfer> m_transfer;
};
