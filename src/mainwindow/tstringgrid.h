#pragma once

#include <QTableWidget>

// A read-only grid addressed like the grids of the original program: row 0
// is the fixed title row (drawn by the horizontal header), rows 1.. hold the
// data, column 0 is a narrow fixed column. Whole rows are selected one at a
// time and there are no grid lines.
//
// All row numbers in this interface count the title row as row 0.
class TStringGrid : public QTableWidget
{
    Q_OBJECT

public:
    explicit TStringGrid(const QString& objectName, QWidget* parent = nullptr);

    // Total rows including the title row; keeps existing cell texts.
    void SetRowCount(int rows);
    int RowCount() const { return rowCount() + 1; }
    // Widths of all but the last column; the last one takes the rest.
    void SetColumnWidths(const QList<int>& widths);

    void SetCell(int column, int row, const QString& text);
    QString Cell(int column, int row) const;

    int Row() const;
    void SetRow(int row);
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

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SelectForPopup(int y, const QPoint& globalPos);

    int m_rowHeight = 17;
};
