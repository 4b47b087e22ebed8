#pragma once

#include "channelrows.h"

#include <QMainWindow>

#include <string>
#include <vector>

namespace ChannelCommands {
struct Outcome;
}
class ChannelTableFilter;
class ChannelTableModel;
class DocumentHost;
class QComboBox;
class QLabel;
class QLineEdit;
class QSettings;
class QTableView;
class QUndoStack;

// "频道表": every field of every memory channel in one resizable window
// beside the main window, over the same document session. Cells are edited
// in place; several rows take one value at once, are sorted, copied, cut,
// pasted, deleted, inserted and moved; each of these is one undo step of
// the session's history, shared with the main window. Its size, place and
// column widths are kept in the settings store.
class TChannelTableForm : public QMainWindow
{
    Q_OBJECT

public:
    TChannelTableForm(DocumentHost& host, QUndoStack& history, QSettings& store, QWidget* parent = nullptr);
    ~TChannelTableForm() override;

    // The caption follows the main window's: "频道表 - " and its caption.
    void SetMainCaption(const QString& caption);

    QTableView* Table() const { return m_table; }
    ChannelTableModel& Model() const { return *m_model; }
    // The slots of the selected rows, in slot order.
    std::vector<int> SelectedSlots() const;
    // Selects the rows of these slots (those the filter shows) and makes the
    // first one current.
    void SelectSlots(int first, int last);

    // The commands, as the menu runs them.
    void SetSelectedRows(int column, const QString& value);
    void SortSelected(ChannelRows::SortKey key);
    void CopyRows();
    void CutRows();
    void PasteRows();
    void DeleteRows();
    void InsertRow();
    void DeleteAndShiftUp();
    void MoveRows(int by);

signals:
    // Rows went to the clipboard: the main window's Paste follows.
    void RowsCopied();
    // The user closed the window and its layout went into the settings
    // store, for the store's owner to write out.
    void LayoutSaved();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus(QUndoStack& history);
    QWidget* BuildBulkBar();
    void FillValueChoices();
    void Report(const QString& text);
    // Rows for the clipboard go there, a message to a box.
    void ShowOutcome(const ChannelCommands::Outcome& outcome);
    void SaveLayout();

    DocumentHost& m_host;
    QSettings& m_store;
    ChannelTableModel* m_model = nullptr;
    ChannelTableFilter* m_filter = nullptr;
    QTableView* m_table = nullptr;
    QLineEdit* m_search = nullptr;
    QComboBox* m_bulkColumn = nullptr;
    QComboBox* m_bulkValue = nullptr;
    QLabel* m_report = nullptr;
};
