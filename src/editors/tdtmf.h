#pragma once

#include "editorhost.h"
#include "selectornavigator.h"
#include "teditordialog.h"

class QComboBox;
class QLineEdit;

// The DTMF memory editor: edits one of the ten DTMF memories at a time and
// moves between them without closing.
class TDTMF : public TEditorDialog
{
    Q_OBJECT

public:
    explicit TDTMF(DocumentHost& host, QWidget* parent = nullptr);

    // The memory shown, 0..9: the one a store writes to.
    int Index() const { return m_navigator.Current(); }

    void LoadDtmf();
    void StoreDtmf();

protected:
    void showEvent(QShowEvent* event) override;
    void Navigate(NavKey key) override;
    bool EditKeyPress(QLineEdit* edit, char c) override;

private:
    void ComboBox1Click(int index);

    // EditorHost
    bool Store() override;
    void Load(int item) override;

    SelectorNavigator m_navigator;
    QComboBox* m_list; // ComboBox1
    QLineEdit* m_code; // Edit1
};
