#include "mainformgrids.h"

#include "captionindentstyle.h"
#include "gridtablemodel.h"
#include "gridtext.h"
#include "tstringgrid.h"

#include <QCoreApplication>
#include <QGroupBox>

MainFormGrids MainFormGrids::Build(QWidget& client, DocumentSession& session, const QFont& font)
{
    MainFormGrids made;
    struct Group {
        const char* name;
        const char* caption;
        QRect geometry;
        int visibleRows;
        QList<int> widths;
    };
    const Group groups[4] = {
        {"GroupBox1", QT_TRANSLATE_NOOP("TMainForm", "记忆频道"), {0, 30, 262, 284}, 15, {10, 27, 84}},
        {"GroupBox2", "VFO", {264, 30, 193, 81}, 3, {10, 58}},
        {"GroupBox3", QT_TRANSLATE_NOOP("TMainForm", "呼叫频道"), {264, 115, 193, 81}, 3, {10, 59}},
        {"GroupBox4", QT_TRANSLATE_NOOP("TMainForm", "双音声多频率"), {264, 201, 223, 113}, 5, {10, 23}},
    };
    static const char* const gridNames[4] = {"StringGrid1", "StringGrid2", "StringGrid3", "StringGrid4"};
    for (int i = 0; i < 4; ++i) {
        const Group& g = groups[i];
        const int number = i + 1;
        auto* box = new QGroupBox(QCoreApplication::translate("TMainForm", g.caption), &client);
        box->setObjectName(QLatin1String(g.name));
        box->setGeometry(g.geometry);
        auto* grid = new TStringGrid(QLatin1String(gridNames[i]), box);
        // The grid keeps the window's regular font when its caption turns
        // bold: a font set with an explicit weight does not follow the parent.
        QFont regular = font;
        regular.setBold(false);
        grid->setFont(regular);
        // A screen reader names the grid by its group's caption.
        grid->setAccessibleName(box->title());
        grid->setAccessibleDescription(QCoreApplication::translate("TMainForm", "回车键打开编辑器"));
        auto* model = new GridTableModel(session, static_cast<GridText::Grid>(number), grid);
        grid->setModel(model);
        grid->SetColumnWidths(g.widths);
        grid->SetMultiSelection(number == 1 || number == 4);
        grid->Place(8, 16, g.geometry.width() - 16, g.geometry.height() - 24, g.visibleRows);
        made.groups[i] = box;
        made.grids[i] = grid;
        made.models[i] = model;
    }
    // Made after the boxes, so that it outlives them when the window goes.
    auto* captions = new CaptionIndentStyle(&client);
    for (QGroupBox* box : made.groups)
        box->setStyle(captions);
    return made;
}
