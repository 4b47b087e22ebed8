#include "tchanneltableform.h"

#include "menubarkey.h"

#include "channelcelldelegate.h"
#include "channelcells.h"
#include "channelcommands.h"
#include "channeldocument.h"
#include "channeltablefilter.h"
#include "channeltablemodel.h"
#include "channeltableview.h"
#include "clipboardrules.h"
#include "documenthost.h"
#include "messageservice.h"
#include "recordlayout.h"
#include "recordtext.h"
#include "rowsclipboard.h"
#include "windowplacement.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using ChannelCells::Column;
using RecordLayout::MemorySlot::IsChannel;

const QString kGeometryKey = QStringLiteral("ChannelTable/Geometry");
const QString kHeaderKey = QStringLiteral("ChannelTable/Columns");

QString Label(int slot)
{
    return QString::fromStdString(RecordText::ChannelLabel(slot));
}

} // namespace

TChannelTableForm::TChannelTableForm(DocumentHost& host, QUndoStack& history, QSettings& store, QWidget* parent)
    : QMainWindow(parent, Qt::Window), m_host(host), m_store(store)
{
    setObjectName(QStringLiteral("TChannelTableForm"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    m_model = new ChannelTableModel(host.Session(), this);
    m_filter = new ChannelTableFilter(this);
    m_filter->setSourceModel(m_model);

    m_table = new ChannelTableView(this);
    m_table->setObjectName(QStringLiteral("ChannelTable1"));
    m_table->setModel(m_filter);
    m_table->setItemDelegate(new ChannelCellDelegate(host.Session(), m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionsMovable(false);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_table->setAccessibleName(tr("频道表"));
    m_table->setAccessibleDescription(tr("每行一个记忆频道；F2 编辑单元格"));

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("Search1"));
    m_search->setPlaceholderText(tr("查找名称或频率"));
    m_search->setClearButtonEnabled(true);
    m_search->setAccessibleName(tr("查找"));
    connect(m_search, &QLineEdit::textChanged, m_filter, &ChannelTableFilter::SetText);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("查找"), this));
    top->addWidget(m_search, 1);
    top->addSpacing(12);
    top->addWidget(BuildBulkBar());

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addLayout(top);
    layout->addWidget(m_table, 1);
    setCentralWidget(central);

    m_report = new QLabel(this);
    m_report->setObjectName(QStringLiteral("Report1"));
    m_report->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_report->setAccessibleName(tr("报告"));
    statusBar()->addWidget(m_report, 1);
    connect(m_model, &ChannelTableModel::CellReport, this, &TChannelTableForm::Report);
    // A read or an opened file may bring a radio with other shifts.
    connect(&host.Session(), &DocumentSession::DocumentReset, this, &TChannelTableForm::FillValueChoices);

    BuildMenus(history);

    m_table->resizeColumnsToContents();
    for (int column = 0; column < ChannelCells::ColumnCount; ++column)
        m_table->setColumnWidth(column, std::max(m_table->columnWidth(column), 64));
    resize(900, 560);
    WindowPlacement::Restore(*this, m_store.value(kGeometryKey).toByteArray());
    m_table->horizontalHeader()->restoreState(m_store.value(kHeaderKey).toByteArray());
    SetMainCaption(QString());
}

TChannelTableForm::~TChannelTableForm()
{
    // A cell box still open stores what it holds as the window goes; what
    // the model says about it then has no window left to show it in.
    m_model->disconnect(this);
    if (isVisible())
        SaveLayout();
}

void TChannelTableForm::SetMainCaption(const QString& caption)
{
    setWindowTitle(tr("频道表 - ") + caption);
}

QWidget* TChannelTableForm::BuildBulkBar()
{
    auto* bar = new QWidget(this);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("所选行的"), bar));
    m_bulkColumn = new QComboBox(bar);
    m_bulkColumn->setObjectName(QStringLiteral("BulkColumn1"));
    for (int column = 0; column < ChannelCells::ColumnCount; ++column)
        if (ChannelCells::SetsManyRows(static_cast<Column>(column)))
            m_bulkColumn->addItem(QString::fromStdString(ChannelCells::Title(static_cast<Column>(column))), column);
    layout->addWidget(m_bulkColumn);
    m_bulkValue = new QComboBox(bar);
    m_bulkValue->setObjectName(QStringLiteral("BulkValue1"));
    m_bulkValue->setEditable(true);
    m_bulkValue->setMinimumContentsLength(8);
    m_bulkValue->setMaxVisibleItems(20);
    layout->addWidget(m_bulkValue);
    auto* set = new QPushButton(tr("设置"), bar);
    set->setObjectName(QStringLiteral("BulkSet1"));
    layout->addWidget(set);
    connect(m_bulkColumn, &QComboBox::currentIndexChanged, this, &TChannelTableForm::FillValueChoices);
    connect(set, &QPushButton::clicked, this,
            [this] { SetSelectedRows(m_bulkColumn->currentData().toInt(), m_bulkValue->currentText()); });
    FillValueChoices();
    return bar;
}

void TChannelTableForm::FillValueChoices()
{
    const auto column = static_cast<Column>(m_bulkColumn->currentData().toInt());
    m_bulkValue->clear();
    for (const std::string& choice : ChannelCells::Choices(m_host.Document().Plan(), column))
        m_bulkValue->addItem(QString::fromStdString(choice));
    if (column == Column::Offset)
        m_bulkValue->setEditText(QStringLiteral("0.60"));
}

void TChannelTableForm::BuildMenus(QUndoStack& history)
{
    QMenu* edit = menuBar()->addMenu(tr("编辑"));
    MenuBarKey::Install(*menuBar());
    edit->setObjectName(QStringLiteral("TableEdit1"));
    auto add = [this, edit](const char* name, const QString& text, const QKeySequence& key, auto handler) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        if (!key.isEmpty())
            action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, handler);
        edit->addAction(action);
        return action;
    };
    QAction* undo = add("TableUndo1", tr("撤销"), QKeySequence(Qt::CTRL | Qt::Key_Z), [&history] { history.undo(); });
    QAction* redo = add("TableRedo1", tr("重做"), QKeySequence(Qt::CTRL | Qt::Key_Y), [&history] { history.redo(); });
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    undo->setEnabled(history.canUndo());
    redo->setEnabled(history.canRedo());
    connect(&history, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&history, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    edit->addSeparator();

    const QList<QAction*> rowActions = {
        add("TableCut1", tr("剪切"), QKeySequence(Qt::CTRL | Qt::Key_X), [this] { CutRows(); }),
        add("TableCopy1", tr("复制"), QKeySequence(Qt::CTRL | Qt::Key_C), [this] { CopyRows(); }),
        add("TablePaste1", tr("粘贴"), QKeySequence(Qt::CTRL | Qt::Key_V), [this] { PasteRows(); }),
        add("TableDelete1", tr("删除"), QKeySequence(Qt::CTRL | Qt::Key_Delete), [this] { DeleteRows(); }),
        add("TableInsertRow1", tr("插入空行"), QKeySequence(), [this] { InsertRow(); }),
        add("TableDeleteShift1", tr("删除并上移"), QKeySequence(), [this] { DeleteAndShiftUp(); }),
        add("TableMoveUp1", tr("上移"), QKeySequence(Qt::CTRL | Qt::Key_Up), [this] { MoveRows(-1); }),
        add("TableMoveDown1", tr("下移"), QKeySequence(Qt::CTRL | Qt::Key_Down), [this] { MoveRows(1); }),
    };
    edit->insertSeparator(rowActions[4]);
    edit->insertSeparator(rowActions[6]);
    edit->addSeparator();
    QAction* byFrequency = add("TableSortFrequency1", tr("按接收频率排序"), QKeySequence(),
                               [this] { SortSelected(ChannelRows::SortKey::RxFrequency); });
    QAction* byName =
        add("TableSortName1", tr("按名称排序"), QKeySequence(), [this] { SortSelected(ChannelRows::SortKey::Name); });
    edit->addSeparator();
    add("TableFind1", tr("查找"), QKeySequence(Qt::CTRL | Qt::Key_F), [this] {
        m_search->setFocus();
        m_search->selectAll();
    });

    m_table->addActions(rowActions);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    m_table->addAction(separator);
    m_table->addActions({byFrequency, byName});
}

std::vector<int> TChannelTableForm::SelectedSlots() const
{
    std::vector<int> chosen;
    for (const QModelIndex& row : m_table->selectionModel()->selectedRows())
        chosen.push_back(m_filter->mapToSource(row).row());
    if (chosen.empty() && m_table->currentIndex().isValid())
        chosen.push_back(m_filter->mapToSource(m_table->currentIndex()).row());
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

void TChannelTableForm::SelectSlots(int first, int last)
{
    QItemSelection selection;
    for (int slot = first; slot <= last; ++slot) {
        const QModelIndex shown = m_filter->mapFromSource(m_model->index(slot, 0));
        if (shown.isValid())
            selection.select(shown, shown.siblingAtColumn(ChannelCells::ColumnCount - 1));
    }
    const QModelIndex current = m_filter->mapFromSource(
        m_model->index(first, std::max(m_table->currentIndex().column(), static_cast<int>(Column::RxFrequency))));
    if (current.isValid())
        m_table->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    m_table->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void TChannelTableForm::Report(const QString& text)
{
    m_report->setText(text);
}

void TChannelTableForm::SetSelectedRows(int column, const QString& value)
{
    const std::vector<int> chosen = SelectedSlots();
    const auto which = static_cast<Column>(column);
    if (chosen.empty() || !ChannelCells::SetsManyRows(which))
        return;
    const std::vector<ChannelCells::RowResult> rows = m_model->SetColumn(chosen, which, value);
    int set = 0;
    QStringList refused;
    QStringList changed;
    for (const ChannelCells::RowResult& row : rows) {
        const QString line = Label(row.slot) + QStringLiteral(": ") + QString::fromStdString(row.result.reason);
        switch (row.result.verdict) {
        case ChannelCells::Verdict::Refused: refused << line; break;
        case ChannelCells::Verdict::Coerced:
            changed << line;
            ++set;
            break;
        case ChannelCells::Verdict::Stored: ++set; break;
        case ChannelCells::Verdict::Unchanged: break;
        }
    }
    const QString title = QString::fromStdString(ChannelCells::Title(which));
    const int empty = static_cast<int>(chosen.size() - rows.size());
    QString summary = QStringLiteral("%1 set to \"%2\" on %3 channel(s)").arg(title, value).arg(set);
    if (!refused.isEmpty())
        summary += QStringLiteral(", refused on %1").arg(refused.size());
    if (empty > 0)
        summary += QStringLiteral("; %1 empty row(s) left empty").arg(empty);
    Report(summary + QLatin1Char('.'));
    if (refused.isEmpty() && changed.isEmpty())
        return;
    QString text = summary + QLatin1Char('.');
    if (!refused.isEmpty())
        text += QStringLiteral("\n\nNot set:\n") + refused.join(QLatin1Char('\n'));
    if (!changed.isEmpty())
        text += QStringLiteral("\n\nSet, with changes:\n") + changed.join(QLatin1Char('\n'));
    m_host.Messages().Inform(this, MessageService::Icon::Information, text);
}

void TChannelTableForm::SortSelected(ChannelRows::SortKey key)
{
    const ChannelCommands::Outcome sorted = ChannelCommands::Sort(m_host.Session(), SelectedSlots(), key, tr("排序"));
    Report(sorted.changed ? QStringLiteral("Sorted.") : QStringLiteral("The channels are in this order already."));
}

void TChannelTableForm::ShowOutcome(const ChannelCommands::Outcome& outcome)
{
    if (!outcome.clipboard.empty()) {
        RowsClipboard::Put(outcome.clipboard);
        emit RowsCopied();
    }
    if (!outcome.message.isEmpty())
        m_host.Messages().Inform(this, MessageService::Icon::Information, outcome.message);
}

void TChannelTableForm::CopyRows()
{
    const std::vector<int> chosen = SelectedSlots();
    if (!chosen.empty())
        ShowOutcome(ChannelCommands::Copy(m_host.Session(), RecordKind::Memory, chosen));
}

void TChannelTableForm::CutRows()
{
    const std::vector<int> chosen = SelectedSlots();
    if (!chosen.empty())
        ShowOutcome(ChannelCommands::Cut(m_host.Session(), RecordKind::Memory, chosen, tr("剪切")));
}

void TChannelTableForm::DeleteRows()
{
    ShowOutcome(ChannelCommands::Delete(m_host.Session(), RecordKind::Memory, SelectedSlots(), tr("删除")));
}

void TChannelTableForm::PasteRows()
{
    const std::vector<int> chosen = SelectedSlots();
    const RowsClipboard::PasteRead read = RowsClipboard::ReadForPaste();
    if (!read.answered) {
        m_host.Messages().Inform(this, MessageService::Icon::Information, RowsClipboard::NoAnswerText());
        return;
    }
    if (chosen.empty() || !read.rows) {
        Report(QStringLiteral("The clipboard holds no channels."));
        return;
    }
    // The rows go from the current row on, wherever the selection starts.
    const QModelIndex current = m_table->currentIndex();
    const int first = current.isValid() ? m_filter->mapToSource(current).row() : chosen.front();
    ShowOutcome(ChannelCommands::Paste(m_host.Session(), ClipboardRules::Grid::Memory, first, *read.rows, tr("粘贴")));
}

void TChannelTableForm::InsertRow()
{
    // No row is no channel: the command says "Invalid function." for it.
    const std::vector<int> chosen = SelectedSlots();
    ShowOutcome(ChannelCommands::InsertEmpty(m_host.Session(), chosen.empty() ? -1 : chosen.front(), tr("插入空行")));
}

void TChannelTableForm::DeleteAndShiftUp()
{
    ShowOutcome(ChannelCommands::DeleteAndShiftUp(m_host.Session(), SelectedSlots(), tr("删除并上移")));
}

void TChannelTableForm::MoveRows(int by)
{
    const ChannelCommands::Outcome moved = ChannelCommands::Move(m_host.Session(), SelectedSlots(), by, tr("移动"));
    if (moved.changed)
        SelectSlots(moved.selectFirst, moved.selectLast);
}

void TChannelTableForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Now that the frame is known, the whole window is kept on the screen.
    WindowPlacement::Restore(*this, QByteArray());
}

void TChannelTableForm::hideEvent(QHideEvent* event)
{
    SaveLayout();
    QMainWindow::hideEvent(event);
}

// Written out when the user closes the window. Hidden with the main window
// as the program ends, it is written by the store's own end, with nobody
// left to tell.
void TChannelTableForm::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    SaveLayout();
    emit LayoutSaved();
}

void TChannelTableForm::SaveLayout()
{
    m_store.setValue(kGeometryKey, saveGeometry());
    m_store.setValue(kHeaderKey, m_table->horizontalHeader()->saveState());
}
