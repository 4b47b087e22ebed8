#pragma once

#include "readtransfer.h"
#include "transferdialog.h"

class DocumentHost;

// The progress dialog that reads the whole radio into the main window's
// document. The read goes into the dialog's snapshot of the document,
// which is cleared at the radio's first reply and filled record by record;
// when the read ends, by finishing or by Cancel, the snapshot becomes the
// session's document as one step of the undo history (the windows follow
// its signals, and Undo puts back what was there), and the main window's
// after-read update remembers the radio type and band limits. The document
// is not marked changed: it holds what the radio holds.
class TReadForm : public TransferDialog
{
    Q_OBJECT

public:
    explicit TReadForm(DocumentHost& host, QWidget* parent = nullptr);

private:
    std::unique_ptr<RadioTransfer> MakeTransfer(ChannelDocument& snapshot) override;
    void TransferEnded() override;
    void TransferFailed() override;
    // What the read has left in the snapshot, into the main window's
    // document; nothing before the radio's first reply.
    bool TakeWhatWasRead();

    // Owned by the base, for as long as the snapshot.
    const ReadTransfer* m_transfer = nullptr;
};
