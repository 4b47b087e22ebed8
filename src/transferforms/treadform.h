#pragma once

#include "readtransfer.h"
#include "transferdialog.h"

class DocumentHost;

// The progress dialog that reads the whole radio into the main window's
// document. The read goes into the dialog's snapshot of the document,
// which is cleared at the radio's first reply and filled record by record.
// Only a read that ran to its end replaces the session's document, as one
// step of the undo history (the windows follow its signals, and Undo puts
// back what was there, its name included), and the main window's after-read
// update remembers the radio type and band limits. The document is not
// marked changed: it holds what the radio holds. A cancelled or failed read
// leaves the session as it was: part of a radio is no copy of it, and
// writing it back would empty the rest.
class TReadForm : public TransferDialog
{
    Q_OBJECT

public:
    explicit TReadForm(DocumentHost& host, QWidget* parent = nullptr);
    // The same read under a caption and label of its own (the read-back
    // that checks a write is no second 读取).
    TReadForm(DocumentHost& host, const QString& caption, const QString& label, QWidget* parent = nullptr);

private:
    std::unique_ptr<RadioTransfer> MakeTransfer(ChannelDocument& snapshot) override;
    void TransferEnded() override;
};
