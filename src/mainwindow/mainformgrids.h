#pragma once

class DocumentSession;
class GridTableModel;
class QFont;
class QGroupBox;
class QWidget;
class TStringGrid;

// The main window's four captioned grids (memory, VFO, CALL, DTMF) at their
// fixed places, each a view of the document session through its model.
struct MainFormGrids {
    QGroupBox* groups[4] = {};
    TStringGrid* grids[4] = {};
    GridTableModel* models[4] = {};

    // `font` is the window's, kept regular inside the captions that turn bold.
    static MainFormGrids Build(QWidget& client, DocumentSession& session, const QFont& font);
};
