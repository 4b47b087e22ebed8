#pragma once

#include "tselectordialog.h"

// The CALL channel editor: edits the two CALL channels, 0 on the 144 MHz
// band and 1 on the 430/440 MHz band; a selector switches between them.
class TCALL : public TSelectorDialog
{
    Q_OBJECT

public:
    explicit TCALL(DocumentHost& host, QWidget* parent = nullptr);

    // The CALL channel being edited, 0 or 1.
    int Channel() const { return CurrentItem(); }

    void LoadCall(int channel) { LoadShown(channel); }
    bool StoreCall() { return StoreShown(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    ChannelForm LoadItem(int item) override;
    ChannelRules::StoreResult StoreItem(ChannelDocument& doc, int item, const ChannelForm& form) override;
    ChannelRules::EntryResult EntryItem(int item, const ChannelForm& form) override;
};
