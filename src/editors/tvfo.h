#pragma once

#include "tselectordialog.h"

#include <vector>

// The VFO editor: edits the VFO setting of one band at a time; a band
// selector switches between the bands the radio has.
class TVFO : public TSelectorDialog
{
    Q_OBJECT

public:
    explicit TVFO(DocumentHost& host, QWidget* parent = nullptr);

    // The band being edited, 0..4.
    int Band() const;

    void LoadBand(int band);
    bool StoreBand() { return StoreShown(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    ChannelForm LoadItem(int item) override;
    ChannelRules::StoreResult StoreItem(ChannelDocument& doc, int item, const ChannelForm& form) override;
    ChannelRules::EntryResult EntryItem(int item, const ChannelForm& form) override;
    int BandOfItem(int item) const;

    std::vector<int> m_bands;
};
