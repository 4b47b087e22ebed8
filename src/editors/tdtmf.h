#pragma once

#include "editorhost.h"
#include "selectornavigator.h"
#include "teditordialog.h"

class QComboBox;
class QLineEdit;

// The DTMF memory editor: edits one of the ten DTMF memories at a time and
// moves between them without closing.
class TDTMF : public TEditorDialog, private EditorHost
{
    Q_OBJECT

public:
    explicit TDTMF(DocumentHost& host, QWidget* parent = nullptr);

    // The memory shown, 0..9: the one a store writes to.
    int Index() const { return m_navigator.Current(); }
    bool IsModified() const { return m_modified; }

    void LoadDtmf();
    void StoreDtmf();

protected:
    void showEvent(QShowEvent* event) override;
    void Navigate(NavKey key) override;
    void Button1Click() override;
    bool EditKeyPress(QLineEdit* edit, char c) override;

private:
    void Button2Click();
    void ComboBox1Click(int index);

    // EditorHost
    bool Modified() const override { return m_modified; }
    void DropChanges() override { m_modified = false; }
    bool AskYes(Question question) override { return AskQuestion(question); }
    bool Store() override;
    void Load(int item) override;

    SelectorNavigator m_navigator;
    QComboBox* m_list; // ComboBox1
    QLineEdit* m_code; // Edit1
    bool m_modified = false;
};
