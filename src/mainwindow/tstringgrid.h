#pragma once

#include <QTableView>

// A read-only grid of the main window, addressed by row and column: row 0
// is the fixed title row (drawn by the horizontal header), rows 1.. hold the
// data, column 0 is a narrow fixed column, and there are no grid lines.
// Whole rows are selected; a grid that edits several channels at once takes
// extended selections (Shift and Ctrl with clicks and arrows), the others
// one row at a time. The texts come from the table model set on it.
//
// All row numbers in this interface count the title row as row 0.
class TStringGrid : public QTableView
{
    Q_OBJECT

public:
    explicit TStringGrid(const QString& objectName, QWidget* parent = nullptr);

    // Also puts the current row on the first data row.
    void setModel(QAbstractItemModel* model) override;
    void SetMultiSelection(bool multi);

    // Total rows including the title row.
    int RowCount() const;
    // Widths of all but the last column; the last one takes the rest.
    void SetColumnWidths(const QList<int>& widths);

    QString Cell(int column, int row) const;

    int Row() const;
    void SetRow(int row);
    // The selected rows, top to bottom; the current row when none is
    // selected.
    QList<int> SelectedRows() const;
    // Selects rows first..last (inclusive) and makes `current` the current
    // row among them.
    void SelectRows(int first, int last, int current);
    // First data row shown at the top of the grid.
    int TopRow() const;
    int DefaultRowHeight() const { return m_rowHeight; }

    // Places the grid at left, top in its parent, `width` wide and at most
    // `height` high; the height is cut to a whole multiple of `visibleRows`
    // (title row included) and every row gets that height divided by the count.
    void Place(int left, int top, int width, int height, int visibleRows);

    // The row a right-button press at `y` (grid client coordinates, title row
    // at the top) selects: the top data row on the title row, else the row
    // under the pointer counted from the top data row.
    int RowAtPointer(int y) const;

signals:
    void Entered();
    void EnterPressed();
    void PopupRequested(const QPoint& globalPos);
    // Ctrl+Up (-1) or Ctrl+Down (+1) on the grid.
    void MoveRequested(int by);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SelectForPopup(int y, const QPoint& globalPos);

    int m_rowHeight = 17;
};
