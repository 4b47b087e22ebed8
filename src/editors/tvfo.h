#pragma once

#include "channelform.h"
#include "editorhost.h"
#include "selectornavigator.h"
#include "teditordialog.h"

#include <vector>

class ChannelControls;
class QComboBox;
class QLineEdit;

// The VFO editor: edits the VFO setting of one band at a time; a band
// selector switches between the bands the radio has.
class TVFO : public TEditorDialog, private EditorHost
{
    Q_OBJECT

public:
    explicit TVFO(DocumentHost& host, QWidget* parent = nullptr);

    // The band being edited, 0..4.
    int Band() const;
    bool IsModified() const { return m_modified; }

    void LoadBand(int band);
    bool StoreBand();
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
    bool Store() override { return StoreBand(); }
    void Load(int item) override;

    SelectorNavigator m_navigator;
    ChannelControls* m_controls;
    QComboBox* m_bandList; // ComboBox5
    std::vector<int> m_bands;
    bool m_modified = false;
};
