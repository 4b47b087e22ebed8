#pragma once

#include "channelcontrols.h"
#include "channelform.h"
#include "channelrules.h"
#include "editorhost.h"
#include "selectornavigator.h"
#include "teditordialog.h"

#include <QStringList>

class QComboBox;
class QLineEdit;

// What the VFO and CALL editors share: a selector (ComboBox5, labelled
// "波段") over a few fixed records, the channel controls, OK and Close, and
// the store, Enter and navigation flows. A subclass says which records the
// items are and which rules load, store and fit them.
class TSelectorDialog : public TEditorDialog
{
    Q_OBJECT

public:
    // The Enter action of the frequency and offset boxes.
    void ApplyEntry();

protected:
    TSelectorDialog(DocumentHost& host, QWidget* parent, const char* objectName, const QString& caption,
                    const ChannelControls::Options& options);

    // The record of selector item n, as controls, and its rules.
    virtual ChannelForm LoadItem(int item) = 0;
    // Stores into `doc`, the document of the session's store step.
    virtual ChannelRules::StoreResult StoreItem(ChannelDocument& doc, int item, const ChannelForm& form) = 0;
    virtual ChannelRules::EntryResult EntryItem(int item, const ChannelForm& form) = 0;

    // Fills the selector and opens it on the grid row's item.
    void OpenSelector(const QStringList& items, int gridRow);
    int CurrentItem() const { return m_navigator.Current(); }
    bool StoreShown();
    void LoadShown(int item);

    void Navigate(NavKey key) override;
    bool EditKeyPress(QLineEdit* edit, char c) override;

    ChannelControls* m_controls;

private:
    void ComboBox5Click(int index);

    // EditorHost
    bool Store() override { return StoreShown(); }
    void Load(int item) override { LoadShown(item); }

    SelectorNavigator m_navigator;
    QComboBox* m_list; // ComboBox5
};
