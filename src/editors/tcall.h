#pragma once

#include "channelform.h"
#include "editorhost.h"
#include "selectornavigator.h"
#include "teditordialog.h"

class ChannelControls;
class QComboBox;
class QLineEdit;

// The CALL channel editor: edits the two CALL channels, 0 on the 144 MHz
// band and 1 on the 430/440 MHz band; a selector switches between them.
class TCALL : public TEditorDialog, private EditorHost
{
    Q_OBJECT

public:
    explicit TCALL(DocumentHost& host, QWidget* parent = nullptr);

    // The CALL channel being edited, 0 or 1.
    int Channel() const { return m_navigator.Current(); }
    bool IsModified() const { return m_modified; }

    void LoadCall(int channel);
    bool StoreCall();
    void ApplyEntry();

protected:
    void showEvent(QShowEvent* event) override;
    void Navigate(NavKey key) override;
    void Button1Click() override;
    bool EditKeyPress(QLineEdit* edit, char c) override;

private:
    void Button2Click();
    void ComboBox5Click(int index);
    void ShowSelection();
    void SetModified()
    {
        if (!m_loading)
            m_modified = true;
    }

    // EditorHost
    bool Modified() const override { return m_modified; }
    void DropChanges() override { m_modified = false; }
    bool AskYes(Question question) override { return AskQuestion(question); }
    bool Store() override { return StoreCall(); }
    void Load(int item) override { LoadCall(item); }

    SelectorNavigator m_navigator;
    ChannelControls* m_controls;
    QComboBox* m_channelList; // ComboBox5
    bool m_modified = false;
};
