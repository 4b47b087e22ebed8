#pragma once

#include "channelform.h"
#include "channelnavigator.h"
#include "teditordialog.h"

class ChannelControls;
class QCheckBox;
class QLineEdit;
class TUpDown;

// The memory channel editor: edits one memory channel at a time and moves
// between all 221 without closing. It opens on the memory grid's current
// row and writes whole records back into the document.
class TMemory : public TEditorDialog, private ChannelNavigator::Host
{
    Q_OBJECT

public:
    explicit TMemory(DocumentHost& host, QWidget* parent = nullptr);

    int Position() const { return m_navigator.Position(); }

    // Fills the controls from memory slot n and clears Modified.
    void LoadChannel(int slot);
    // Writes the shown channel into the document; false when a frequency or
    // the offset was refused (the user has been told).
    bool StoreChannel();
    // Enter in the receive, transmit or offset box.
    void ApplyEntry();

protected:
    void showEvent(QShowEvent* event) override;
    void Navigate(NavKey key) override;
    bool EditKeyPress(QLineEdit* edit, char c) override;

private:
    void ApplyForm(const ChannelForm& form);
    ChannelForm ReadForm() const;

    // ChannelNavigator::Host
    bool Store() override { return StoreChannel(); }
    void Load(int item) override { LoadChannel(item); }
    void ShowNumber(const std::string& text) override;
    void InvalidNumber() override;

    ChannelNavigator m_navigator;
    ChannelControls* m_controls;
    QLineEdit* m_number;  // Edit6
    TUpDown* m_upDown;    // UpDown1
    QLineEdit* m_name;    // Edit5
    QCheckBox* m_lockout; // CheckBox3
};
