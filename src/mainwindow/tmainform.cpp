#include "tmainform.h"

#include "channellistlayout.h"
#include "channelrows.h"
#include "clipboardrules.h"
#include "commentcodec.h"
#include "dataexchangecommands.h"
#include "document/gridtablemodel.h"
#include "gridtext.h"
#include "recordlayout.h"
#include "recordtext.h"
#include "shared/channellistpainter.h"
#include "shared/messageservice.h"
#include "shared/rowsclipboard.h"
#include "taboutbox.h"
#include "tcall.h"
#include "tchanneltableform.h"
#include "tdtmf.h"
#include "thelpviewer.h"
#include "tmemory.h"
#include "toolicons.h"
#include "treadform.h"
#include "tstatusbar.h"
#include "tstringgrid.h"
#include "tvfo.h"
#include "twriteform.h"
#include "uilanguage.h"
#include "writeplancommands.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <optional>

namespace {

const QString kDataChanged = QStringLiteral("Data is changed.\nDo you want to save the changes?");
const QString kFileOpenError = QStringLiteral("File Open error.");

constexpr int kClientWidth = 487;
constexpr int kClientHeight = 358;

// Merges the steps of typing in the comment box into one.
constexpr int kCommentTyping = 1;

QString Latin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

const QString& TMainForm::ProductTitle()
{
    static const QString title = QStringLiteral("QXP-R46");
    return title;
}

const QString& TMainForm::Untitled()
{
    return DocumentSession::Untitled();
}

TMainForm::TMainForm(MessageService& messages, QWidget* parent) : QMainWindow(parent), m_messages(messages)
{
    setObjectName(QStringLiteral("TMainForm"));
    UpdateCaption();
    setWindowIcon(QIcon(ToolIcons::RadioEmblem(32)));
    // A fixed-size window with neither a minimise nor a maximise box; window
    // managers follow the button hints only with CustomizeWindowHint.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(9);
    setFont(font);

    BandPlan plan;
    const AppSettings::Startup startup = m_settings.LoadAtStartup(plan, QDir::currentPath());
    m_session.StartWith(plan);
    m_folder = startup.path;
    m_portChoice = startup.commPort;

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    BuildMenus();
    BuildToolButtons();
    BuildGrids();
    m_dataExchange = new DataExchangeCommands(*this, m_messages, *this, m_settings, *m_statusBar);
    m_dataExchange->SetOpenInFolder([this](const QString& folder) { OpenFromFolder(folder); });
    m_dataExchange->SetPagePainter([this](QPagedPaintDevice& device) { return PrintTo(device); });
    m_dataExchange->InstallInMenus();
    m_writePlan = new WritePlanCommands(*this, m_messages, *this, m_settings);
    m_writePlan->InstallInMenus();
    m_com2->setChecked(m_portChoice == QLatin1String("COM2"));
    m_com1->setChecked(!m_com2->isChecked());

    connect(&m_session, &DocumentSession::SlotChanged, this, &TMainForm::DocumentChanged);
    connect(&m_session, &DocumentSession::DocumentReset, this, [this] {
        ShowComment();
        DocumentChanged();
    });
    connect(&m_session, &DocumentSession::CommentChanged, this, [this] {
        // While the user types, the box already shows what the document
        // holds (an undecodable character there stands for the "?" stored).
        if (CommentCodec::Encode(m_comment->text()) != m_session.Document().Comment())
            ShowComment();
    });
    connect(&m_session, &DocumentSession::FileNameChanged, this, &TMainForm::UpdateCaption);
    StringGridEnter(1);

    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            UpdateClipboardCommands();
    });

    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TMainForm::~TMainForm()
{
    // The channel table uses the session, history and settings, which go
    // before the base class deletes the children.
    delete m_channelTable;
}

TStringGrid* TMainForm::Grid(int number) const
{
    return number >= 1 && number <= 4 ? m_grids[number - 1] : nullptr;
}

QAction* TMainForm::MakeAction(const char* objectName, const QString& text, void (TMainForm::*handler)())
{
    auto* action = new QAction(text, this);
    action->setObjectName(QLatin1String(objectName));
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void TMainForm::BuildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* file = bar->addMenu(tr("文件"));
    file->setObjectName(QStringLiteral("File1"));
    QAction* newItem = MakeAction("New1", tr("新建"), &TMainForm::New1Click);
    newItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* open = MakeAction("Open1", tr("打开"), &TMainForm::Open1Click);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* save = MakeAction("Save1", tr("保存"), &TMainForm::Save1Click);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    auto* saveAs = new QAction(tr("另存为..."), this);
    saveAs->setObjectName(QStringLiteral("Save2"));
    connect(saveAs, &QAction::triggered, this, [this] { Save2Click(); });
    m_print = MakeAction("Print1", tr("打印..."), &TMainForm::Print1Click);
    QAction* exitItem = MakeAction("Exit1", tr("退出"), &TMainForm::Exit1Click);
    file->addActions({newItem, open, save, saveAs});
    file->addSeparator();
    file->addAction(m_print);
    file->addSeparator();
    file->addAction(exitItem);

    QMenu* device = bar->addMenu(tr("设备"));
    device->setObjectName(QStringLiteral("Device1"));
    QAction* read = MakeAction("Read1", tr("读取"), &TMainForm::Read1Click);
    QAction* write = MakeAction("Write1", tr("写入"), &TMainForm::Write1Click);
    m_com1 = MakeAction("Com1_Mnu", tr("使用端口Com1"), &TMainForm::Com1_MnuClick);
    m_com2 = MakeAction("Com2_Mnu", tr("使用端口Com2"), &TMainForm::Com2_MnuClick);
    m_com1->setCheckable(true);
    m_com2->setCheckable(true);
    device->addActions({read, write});
    device->addSeparator();
    device->addActions({m_com1, m_com2});
    device->addSeparator();
    device->addAction(MakeAction("PortSetup1", tr("端口设置..."), &TMainForm::PortSetup1Click));
    device->setToolTipsVisible(true);

    QMenu* edit = bar->addMenu(tr("编辑"));
    edit->setObjectName(QStringLiteral("Edit1"));
    auto* undo = new QAction(tr("撤销"), this);
    undo->setObjectName(QStringLiteral("Undo1"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo->setEnabled(false);
    connect(undo, &QAction::triggered, &m_history, &QUndoStack::undo);
    connect(&m_history, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    auto* redo = new QAction(tr("重做"), this);
    redo->setObjectName(QStringLiteral("Redo1"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    redo->setEnabled(false);
    connect(redo, &QAction::triggered, &m_history, &QUndoStack::redo);
    connect(&m_history, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    edit->addActions({undo, redo});
    edit->addSeparator();
    QAction* cut = MakeAction("Cut1", tr("剪切"), &TMainForm::Cut1Click);
    cut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    QAction* copy = MakeAction("Copy1", tr("复制"), &TMainForm::Copy1Click);
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    QAction* paste = MakeAction("Paste1", tr("粘贴"), &TMainForm::Paste1Click);
    paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    QAction* del = MakeAction("Delete1", tr("删除"), &TMainForm::Delete1Click);
    del->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    edit->addActions({cut, copy, paste, del});
    edit->addSeparator();
    QAction* insertRow = MakeAction("InsertRow1", tr("插入空行"), &TMainForm::InsertRow1Click);
    QAction* deleteShift = MakeAction("DeleteShift1", tr("删除并上移"), &TMainForm::DeleteShift1Click);
    edit->addActions({insertRow, deleteShift});
    edit->addSeparator();
    QAction* table = MakeAction("ChannelTable1", tr("频道表..."), &TMainForm::ChannelTable1Click);
    table->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    edit->addAction(table);

    QMenu* help = bar->addMenu(tr("帮助"));
    help->setObjectName(QStringLiteral("Help1"));
    help->addAction(MakeAction("Help2", tr("帮助主题"), &TMainForm::Help2Click));
    help->addSeparator();
    help->addAction(MakeAction("About1", tr("关于..."), &TMainForm::About1Click));
    help->addSeparator();
    // Left out of the translation: whoever cannot read the current language
    // still finds the way back to their own.
    QMenu* language = help->addMenu(QStringLiteral("语言 / Language"));
    language->setObjectName(QStringLiteral("Language1"));
    auto* languages = new QActionGroup(language);
    const LanguageChoice::Language current =
        LanguageChoice::Effective(m_settings.Store(), LanguageChoice::Environment::OfProcess());
    struct LanguageItem {
        const char* name;
        QString caption;
        LanguageChoice::Language language;
    };
    const LanguageItem items[] = {
        {"LanguageChinese1", QStringLiteral("中文"), LanguageChoice::Language::Chinese},
        {"LanguageEnglish1", QStringLiteral("English"), LanguageChoice::Language::English},
    };
    for (const LanguageItem& item : items) {
        QAction* action = language->addAction(item.caption);
        action->setObjectName(QLatin1String(item.name));
        action->setCheckable(true);
        action->setChecked(item.language == current);
        languages->addAction(action);
        const LanguageChoice::Language chosen = item.language;
        connect(action, &QAction::triggered, this, [this, chosen] { UiLanguage::Choose(chosen, m_messages, this); });
    }

    // The grids own their short-cut-free pop-up menus; the shortcuts live on
    // the main menu only, so Ctrl+C in the comment box still copies text.
    for (QAction* a : {cut, copy, paste, del, undo, redo})
        a->setShortcutContext(Qt::WindowShortcut);

    m_popup1 = new QMenu(this);
    m_popup1->setObjectName(QStringLiteral("PopupMenu1"));
    m_popup1->addAction(MakeAction("Cut2", tr("剪切"), &TMainForm::Cut1Click));
    m_popup1->addAction(MakeAction("Copy2", tr("复制"), &TMainForm::Copy1Click));
    m_popup1->addAction(MakeAction("Paste2", tr("粘贴"), &TMainForm::Paste1Click));
    m_popup1->addAction(MakeAction("Delete2", tr("删除"), &TMainForm::Delete1Click));
    // The memory grid's row commands; hidden while the DTMF grid has the menu.
    QAction* rowSeparator = m_popup1->addSeparator();
    m_popup1->addAction(MakeAction("InsertRow2", tr("插入空行"), &TMainForm::InsertRow1Click));
    m_popup1->addAction(MakeAction("DeleteShift2", tr("删除并上移"), &TMainForm::DeleteShift1Click));
    m_popup2 = new QMenu(this);
    m_popup2->setObjectName(QStringLiteral("PopupMenu2"));
    m_popup2->addAction(MakeAction("Copy3", tr("复制"), &TMainForm::Copy1Click));
    m_popup2->addAction(MakeAction("Paste3", tr("粘贴"), &TMainForm::Paste1Click));

    m_cutActions = {cut, findChild<QAction*>(QStringLiteral("Cut2")), del,
                    findChild<QAction*>(QStringLiteral("Delete2"))};
    m_rowActions = {insertRow, deleteShift, rowSeparator, findChild<QAction*>(QStringLiteral("InsertRow2")),
                    findChild<QAction*>(QStringLiteral("DeleteShift2"))};
    m_pasteMain = paste;
    m_pastePopup1 = findChild<QAction*>(QStringLiteral("Paste2"));
    m_pastePopup2 = findChild<QAction*>(QStringLiteral("Paste3"));
}

void TMainForm::BuildToolButtons()
{
    QWidget* client = centralWidget();
    auto* line = new QFrame(client);
    line->setObjectName(QStringLiteral("Bevel1"));
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(0, 0, kClientWidth, 2);

    struct Button {
        const char* name;
        const char* action;
        ToolIcons::Picture picture;
        const char* hint;
        int left;
    };
    static const Button buttons[] = {
        {"SpeedButton7", "New1", ToolIcons::Picture::New, QT_TR_NOOP("新建"), 4},
        {"SpeedButton6", "Open1", ToolIcons::Picture::Open, QT_TR_NOOP("打开"), 29},
        {"SpeedButton8", "Save1", ToolIcons::Picture::Save, QT_TR_NOOP("保存"), 54},
        {"SpeedButton9", "Print1", ToolIcons::Picture::Print, QT_TR_NOOP("打印"), 92},
        {"SpeedButton4", "Read1", ToolIcons::Picture::Read, QT_TR_NOOP("读取"), 132},
        {"SpeedButton5", "Write1", ToolIcons::Picture::Write, QT_TR_NOOP("写入"), 157},
        {"SpeedButton2", "Cut1", ToolIcons::Picture::Cut, QT_TR_NOOP("剪切"), 196},
        {"SpeedButton1", "Copy1", ToolIcons::Picture::Copy, QT_TR_NOOP("复制"), 221},
        {"SpeedButton3", "Paste1", ToolIcons::Picture::Paste, QT_TR_NOOP("粘贴"), 246},
    };
    for (const Button& b : buttons) {
        auto* button = new QToolButton(client);
        button->setObjectName(QLatin1String(b.name));
        button->setToolTip(tr(b.hint));
        button->setIcon(ToolIcons::Icon(b.picture));
        button->setIconSize(QSize(16, 16));
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(b.left, 4, 25, 25);
        QAction* action = findChild<QAction*>(QLatin1String(b.action));
        connect(button, &QToolButton::clicked, action, &QAction::trigger);
        button->setEnabled(action->isEnabled());
        connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
    }
}

void TMainForm::BuildGrids()
{
    QWidget* client = centralWidget();
    struct Group {
        const char* name;
        const char* caption;
        QRect geometry;
        int visibleRows;
        QList<int> widths;
    };
    const Group groups[4] = {
        {"GroupBox1", QT_TR_NOOP("记忆频道"), {0, 30, 262, 284}, 15, {10, 27, 84}},
        {"GroupBox2", "VFO", {264, 30, 193, 81}, 3, {10, 58}},
        {"GroupBox3", QT_TR_NOOP("呼叫频道"), {264, 115, 193, 81}, 3, {10, 59}},
        {"GroupBox4", QT_TR_NOOP("双音声多频率"), {264, 201, 223, 113}, 5, {10, 23}},
    };
    static const char* const gridNames[4] = {"StringGrid1", "StringGrid2", "StringGrid3", "StringGrid4"};
    for (int i = 0; i < 4; ++i) {
        const Group& g = groups[i];
        const int number = i + 1;
        auto* box = new QGroupBox(tr(g.caption), client);
        box->setObjectName(QLatin1String(g.name));
        box->setGeometry(g.geometry);
        auto* grid = new TStringGrid(QLatin1String(gridNames[i]), box);
        // The grid keeps the window's regular font when its caption turns
        // bold: a font set with an explicit weight does not follow the parent.
        QFont regular = font();
        regular.setBold(false);
        grid->setFont(regular);
        auto* model = new GridTableModel(m_session, static_cast<GridText::Grid>(number), grid);
        grid->setModel(model);
        grid->SetColumnWidths(g.widths);
        grid->SetMultiSelection(number == 1 || number == 4);
        grid->Place(8, 16, g.geometry.width() - 16, g.geometry.height() - 24, g.visibleRows);
        m_groups[i] = box;
        m_grids[i] = grid;
        m_models[i] = model;

        connect(grid, &TStringGrid::Entered, this, [this, number] { StringGridEnter(number); });
        connect(grid, &TStringGrid::EnterPressed, this, [this, number] { OpenEditor(number); });
        connect(grid, &QAbstractItemView::doubleClicked, this, [this, number] { OpenEditor(number); });
        QMenu* popup = (number == 1 || number == 4) ? m_popup1 : m_popup2;
        connect(grid, &TStringGrid::PopupRequested, popup, [popup](const QPoint& pos) { popup->popup(pos); });
    }
    connect(m_grids[0], &TStringGrid::MoveRequested, this, &TMainForm::MoveRows);

    // A click, or the keyboard moving the current row, updates the status bar.
    connect(m_grids[0], &QAbstractItemView::pressed, this, [this] { StringGridEnter(1); });
    connect(m_grids[0]->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (m_grids[0]->hasFocus())
            StringGridEnter(1);
    });
    // A click on the row that is already current moves nothing, yet the
    // clipboard may have changed since: it counts as a click all the same.
    for (TStringGrid* grid : {m_grids[1], m_grids[2]}) {
        connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TMainForm::StringGrid2Click);
        connect(grid, &QAbstractItemView::pressed, this, &TMainForm::StringGrid2Click);
    }

    auto* label = new QLabel(tr("评论"), client);
    label->setObjectName(QStringLiteral("Label1"));
    label->move(7, 320);
    label->adjustSize();

    m_comment = new QLineEdit(client);
    m_comment->setObjectName(QStringLiteral("Edit2"));
    m_comment->setGeometry(64, 317, 418, 23);
    m_comment->setMaxLength(CommentCodec::MaxCharacters);
    m_comment->setValidator(new CommentValidator(m_comment));
    connect(m_comment, &QLineEdit::textEdited, this, &TMainForm::Edit2Change);
    // Ctrl+Z in the comment box is the window's Undo, as everywhere else:
    // the box's own undo would keep a second history beside the document's.
    m_comment->installEventFilter(this);

    m_statusBar = new TStatusBar(client);
    m_statusBar->setGeometry(0, kClientHeight - 19, kClientWidth, 19);

    setTabOrder(m_grids[0], m_grids[1]);
    setTabOrder(m_grids[1], m_grids[2]);
    setTabOrder(m_grids[2], m_grids[3]);
    setTabOrder(m_grids[3], m_comment);
}

int TMainForm::GridRow(int grid) const
{
    const TStringGrid* g = Grid(grid);
    return g ? g->Row() : 0;
}

void TMainForm::UpdateCaption()
{
    setWindowTitle(ProductTitle() + QStringLiteral(" [") + m_session.Title() + QStringLiteral("]"));
}

void TMainForm::RefreshStatusBar()
{
    m_statusBar->setToolTip(QString());
    const auto grid = static_cast<GridText::Grid>(m_activeGrid);
    const auto panels = GridText::StatusPanels(m_session.Document(), grid, m_grids[m_activeGrid - 1]->Row());
    for (int panel = 0; panel < 3; ++panel)
        m_statusBar->SetPanelText(panel, Latin1(panels[static_cast<std::size_t>(panel)]));
}

void TMainForm::DocumentChanged()
{
    // The grids follow the session through their models; the status bar
    // shows the current row's record, which may be the one that changed.
    RefreshStatusBar();
}

void TMainForm::AfterReadUpdate()
{
    m_settings.StoreBandPlan(m_session.Document().Plan());
}

void TMainForm::StringGridEnter(int grid)
{
    m_activeGrid = grid;
    for (int i = 0; i < 4; ++i) {
        QFont caption = font();
        caption.setBold(i == grid - 1);
        m_groups[i]->setFont(caption);
    }
    UpdateClipboardCommands();
    RefreshStatusBar();
}

void TMainForm::StringGrid2Click()
{
    UpdateClipboardCommands();
    RefreshStatusBar();
}

void TMainForm::TakeClipboardRows(std::optional<std::vector<std::string>> rows)
{
    if (!rows)
        return;
    m_pasteRows = std::move(*rows);
    m_session.SetPasteBuffer(m_pasteRows.front());
}

void TMainForm::UpdateClipboardCommands()
{
    TakeClipboardRows(RowsClipboard::Kept());
    const std::string_view buffer = m_session.Document().Record(RecordKind::PasteBuffer, 0);
    const auto grid = static_cast<ClipboardRules::Grid>(m_activeGrid);
    const int row = m_grids[m_activeGrid - 1]->Row();
    const int rowBand = m_activeGrid == 2 ? VfoSlotOfRow(row) : 0;
    const bool offered = ClipboardRules::PasteOffered(buffer, grid, row, rowBand, m_session.Document().Plan());
    const bool memoryOrDtmf = m_activeGrid == 1 || m_activeGrid == 4;
    m_pasteMain->setEnabled(offered);
    m_pastePopup1->setEnabled(offered && memoryOrDtmf);
    m_pastePopup2->setEnabled(offered && !memoryOrDtmf);
    for (QAction* action : m_cutActions)
        action->setEnabled(memoryOrDtmf);
    for (QAction* action : m_rowActions) {
        action->setEnabled(m_activeGrid == 1);
        // The pop-up menu is shared with the DTMF grid, which has no row
        // commands; the main menu keeps them, disabled.
        if (m_popup1->actions().contains(action))
            action->setVisible(m_activeGrid == 1);
    }
}

const QString& TMainForm::ClipboardFormat()
{
    return RowsClipboard::OneRowFormat();
}

const QString& TMainForm::RowsClipboardFormat()
{
    return RowsClipboard::SeveralRowsFormat();
}

int TMainForm::VfoSlotOfRow(int row) const
{
    return GridText::SlotOfRow(GridText::Grid::Vfo, row, m_session.Document().Plan());
}

// The slot the current row of the active grid stands for.
int TMainForm::CurrentSlot() const
{
    const int row = m_grids[m_activeGrid - 1]->Row();
    return m_activeGrid == 2 ? VfoSlotOfRow(row) : row - 1;
}

QList<int> TMainForm::SelectedSlots() const
{
    if (m_activeGrid != 1 && m_activeGrid != 4)
        return {CurrentSlot()};
    QList<int> chosen;
    for (int row : m_grids[m_activeGrid - 1]->SelectedRows())
        chosen << row - 1;
    return chosen;
}

RecordKind TMainForm::ActiveKind() const
{
    return GridText::KindOf(static_cast<GridText::Grid>(m_activeGrid));
}

std::vector<std::string> TMainForm::RowsForClipboard(const QList<int>& chosen) const
{
    std::vector<std::string> records;
    for (int slot : chosen)
        records.emplace_back(m_session.Document().Record(ActiveKind(), slot));
    return records;
}

void TMainForm::PutOnClipboard(const std::vector<std::string>& records)
{
    RowsClipboard::Put(records);
    UpdateClipboardCommands();
}

void TMainForm::Copy1Click()
{
    PutOnClipboard(RowsForClipboard(SelectedSlots()));
}

void TMainForm::Cut1Click()
{
    if (m_activeGrid == 2 || m_activeGrid == 3) {
        // An attempted change that changes nothing: the document counts as
        // changed all the same, as it always has.
        m_session.Edit(QString(), [](ChannelDocument&) {});
        m_messages.Inform(this, MessageService::Icon::Information, QStringLiteral("Invalid function."));
        return;
    }
    const QList<int> chosen = SelectedSlots();
    const std::vector<std::string> records = RowsForClipboard(chosen);
    const bool memory = m_activeGrid == 1;
    m_session.Edit(tr("剪切"), [&](ChannelDocument& doc) {
        for (int slot : chosen) {
            if (memory)
                doc.ClearMemory(slot);
            else
                doc.ClearDtmf(slot);
        }
    });
    PutOnClipboard(records);
}

void TMainForm::Delete1Click()
{
    if (m_activeGrid == 2 || m_activeGrid == 3) {
        m_session.Edit(QString(), [](ChannelDocument&) {});
        m_messages.Inform(this, MessageService::Icon::Information, QStringLiteral("Invalid function."));
        return;
    }
    const QList<int> chosen = SelectedSlots();
    const bool memory = m_activeGrid == 1;
    m_session.Edit(tr("删除"), [&](ChannelDocument& doc) {
        for (int slot : chosen) {
            if (memory)
                doc.ClearMemory(slot);
            else
                doc.ClearDtmf(slot);
        }
    });
}

void TMainForm::Paste1Click()
{
    // Disabled commands do nothing, whichever way they are reached.
    if (!m_pasteMain->isEnabled())
        return;
    RowsClipboard::PasteRead read = RowsClipboard::ReadForPaste();
    if (!read.answered) {
        m_messages.Inform(this, MessageService::Icon::Information, RowsClipboard::NoAnswerText());
        return;
    }
    TakeClipboardRows(std::move(read.rows));
    const std::string buffer(m_session.Document().Record(RecordKind::PasteBuffer, 0));
    const int slot = CurrentSlot();
    const auto grid = static_cast<ClipboardRules::Grid>(m_activeGrid);
    std::vector<int> refused;
    std::vector<std::string> reasons;
    if (grid == ClipboardRules::Grid::Vfo || grid == ClipboardRules::Grid::Call) {
        // The clipboard may have changed since Paste was offered.
        std::string problem = ClipboardRules::RowProblem(buffer, grid);
        const int row = m_grids[m_activeGrid - 1]->Row();
        if (problem.empty() &&
            !ClipboardRules::PasteOffered(buffer, grid, row, grid == ClipboardRules::Grid::Vfo ? slot : 0,
                                          m_session.Document().Plan()))
            problem = "does not fit the band of this row";
        if (!problem.empty()) {
            m_messages.Inform(this, MessageService::Icon::Information,
                              RowsClipboard::RefusedText({buffer}, {0}, {problem}));
            return;
        }
    }
    m_session.Edit(tr("粘贴"), [&](ChannelDocument& doc) {
        switch (grid) {
        case ClipboardRules::Grid::Dtmf:
        case ClipboardRules::Grid::Memory: {
            // Copied rows go to consecutive rows from the current row on,
            // wherever the selection around it starts.
            const std::vector<std::string> rows =
                m_pasteRows.size() > 1 ? m_pasteRows : std::vector<std::string>{buffer};
            refused = ChannelRows::Paste(doc, grid, slot, rows, &reasons);
            break;
        }
        case ClipboardRules::Grid::Vfo:
            doc.StoreVfo(slot, ClipboardRules::PastedChannel(
                                   grid, doc.GetField(RecordKind::Vfo, slot, RecordLayout::ChannelField::Key), buffer,
                                   doc.Plan()));
            break;
        case ClipboardRules::Grid::Call:
            doc.StoreCall(slot, ClipboardRules::PastedChannel(
                                    grid, doc.GetField(RecordKind::Call, slot, RecordLayout::ChannelField::Key), buffer,
                                    doc.Plan()));
            break;
        }
    });
    ReportRefusedRows(refused, reasons);
}

void TMainForm::ReportRefusedRows(const std::vector<int>& refused, const std::vector<std::string>& reasons)
{
    if (refused.empty())
        return;
    const std::vector<std::string> rows =
        m_pasteRows.size() > 1
            ? m_pasteRows
            : std::vector<std::string>{std::string(m_session.Document().Record(RecordKind::PasteBuffer, 0))};
    m_messages.Inform(this, MessageService::Icon::Information, RowsClipboard::RefusedText(rows, refused, reasons));
}

void TMainForm::InsertRow1Click()
{
    if (m_activeGrid != 1) {
        m_messages.Inform(this, MessageService::Icon::Information, QStringLiteral("Invalid function."));
        return;
    }
    const int slot = CurrentSlot();
    if (!RecordLayout::MemorySlot::IsChannel(slot)) {
        m_messages.Inform(this, MessageService::Icon::Information, QStringLiteral("Invalid function."));
        return;
    }
    if (ChannelRows::InUse(m_session.Document(), RecordKind::Memory, RecordLayout::MemorySlot::LastChannel)) {
        m_messages.Inform(this, MessageService::Icon::Information,
                          QStringLiteral("Channel 199 is in use.\nPlease delete it first."));
        return;
    }
    m_session.Edit(tr("插入空行"), [&](ChannelDocument& doc) { ChannelRows::InsertEmpty(doc, slot); });
}

void TMainForm::DeleteShift1Click()
{
    const QList<int> chosen = SelectedSlots();
    if (m_activeGrid != 1 || !RecordLayout::MemorySlot::IsChannel(chosen.front())) {
        m_messages.Inform(this, MessageService::Icon::Information, QStringLiteral("Invalid function."));
        return;
    }
    // Each selected channel goes; those of the scan edges and the priority
    // channel are not numbered channels and stay.
    m_session.Edit(tr("删除并上移"), [&](ChannelDocument& doc) {
        for (int i = static_cast<int>(chosen.size()) - 1; i >= 0; --i)
            if (RecordLayout::MemorySlot::IsChannel(chosen[i]))
                ChannelRows::DeleteAndShiftUp(doc, chosen[i], 1);
    });
}

void TMainForm::MoveRows(int by)
{
    if (m_activeGrid != 1)
        return;
    const QList<int> chosen = SelectedSlots();
    const int first = chosen.front();
    const int count = chosen.back() - first + 1;
    // Only a block of neighbouring rows moves, and only within 000..199:
    // the scan edges and the priority channel are no places to move to.
    using RecordLayout::MemorySlot::IsChannel;
    if (count != chosen.size() || !IsChannel(first + by) || !IsChannel(first + count - 1 + by))
        return;
    m_session.Edit(tr("移动"), [&](ChannelDocument& doc) { ChannelRows::MoveBlock(doc, first, count, by); });
    const int current = CurrentSlot() + by;
    m_grids[0]->SelectRows(first + by + 1, first + by + count, current + 1);
}

void TMainForm::OpenEditor(int grid)
{
    QDialog* editor = nullptr;
    switch (grid) {
    case 1: editor = m_dialogs.memory; break;
    case 2: editor = m_dialogs.vfo; break;
    case 3: editor = m_dialogs.call; break;
    default: editor = m_dialogs.dtmf; break;
    }
    if (!editor)
        return;
    m_messages.RunModal(*editor);
}

bool TMainForm::ConfirmDiscard()
{
    if (!m_session.Changed())
        return true;
    switch (m_messages.Ask(this, kDataChanged, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        // Asked to save first: without the save, going on would drop the
        // very work the user wanted kept.
        return Save2Click();
    case QMessageBox::No: return true;
    default: return false;
    }
}

void TMainForm::ReportFileError(const QString& cause)
{
    m_messages.Inform(this, MessageService::Icon::Error, kFileOpenError);
    // The box says what it always said; the status bar says why, until the
    // next row is shown there.
    m_statusBar->SetPanelText(0, cause);
    m_statusBar->setToolTip(cause);
}
void TMainForm::RememberFolderOf(const QString& path)
{
    m_folder = QFileInfo(path).absolutePath();
    if (!m_folder.endsWith(QLatin1Char('/')))
        m_folder += QLatin1Char('/');
    m_settings.SetPath(m_folder);
    m_settings.Store().sync();
}

void TMainForm::ShowComment()
{
    // A longer comment from a file is shown whole, so an edit can keep its
    // tail; typing may not make it longer than it came.
    const QString text = CommentCodec::Decode(m_session.Document().Comment());
    m_comment->setMaxLength(std::max<int>(CommentCodec::MaxCharacters, static_cast<int>(text.size())));
    m_comment->setText(text);
}
void TMainForm::Edit2Change(const QString& text)
{
    // The validator has already refused what code page 936 cannot hold.
    const auto bytes = CommentCodec::Encode(text);
    m_session.Edit(
        tr("评论"),
        [&](ChannelDocument& doc) {
            if (bytes)
                doc.SetComment(*bytes);
        },
        kCommentTyping);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_comment && event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Not taken here, so the window's short-cuts get the key.
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
void TMainForm::New1Click()
{
    if (!ConfirmDiscard())
        return;
    m_session.New();
    UpdateCaption();
}
void TMainForm::Open1Click()
{
    OpenFromFolder(m_folder);
}

void TMainForm::OpenFromFolder(const QString& folder)
{
    if (!ConfirmDiscard())
        return;
    MessageService::FileRequest request;
    request.directory = folder;
    request.filters = {QStringLiteral("QXP-R46 Files(*.46)"), tr("QXP-R46 V1.00 文件(*.r46)")};
    request.defaultSuffix = QStringLiteral("46");
    const QString path = m_messages.OpenFileName(this, request);
    if (path.isEmpty())
        return;

    const DocumentSession::FileResult loaded = m_session.Load(path, DocumentSession::Layouts::CurrentOrOld);
    if (!loaded.ok) {
        ReportFileError(loaded.error);
        return;
    }
    UpdateCaption();
    RememberFolderOf(path);
    if (loaded.format == DataFile::Format::V100)
        m_messages.Inform(this, MessageService::Icon::Information, QStringLiteral("File format changed."));
}
void TMainForm::Save1Click()
{
    const QString name = m_session.FileName();
    if (name != Untitled() && QFileInfo(name).isFile()) {
        const DocumentSession::FileResult saved = m_session.Save(name);
        if (!saved.ok) {
            ReportFileError(saved.error);
            return;
        }
        RememberFolderOf(name);
        return;
    }
    Save2Click();
}
bool TMainForm::Save2Click()
{
    MessageService::FileRequest request;
    request.directory = m_folder;
    request.proposedName = m_session.FileName();
    request.filters = {tr("QXP-R46 文件(*.46)")};
    request.defaultSuffix = QStringLiteral("46");
    const QString path = m_messages.SaveFileName(this, request);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix() != QLatin1String("46")) {
        ReportFileError(path + QStringLiteral(": not a .46 data file"));
        return false;
    }
    // Written beside the old file, flushed, and renamed over it only when
    // all of it is on disk, so a full disk leaves the user's file as it was.
    const DocumentSession::FileResult saved = m_session.Save(path);
    if (!saved.ok) {
        ReportFileError(saved.error);
        return false;
    }
    UpdateCaption();
    RememberFolderOf(path);
    return true;
}
void TMainForm::Exit1Click()
{
    close();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (!ConfirmDiscard()) {
        event->ignore();
        return;
    }
    event->accept();
    emit Closed();
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // After the window is on screen, so that an error box has a window to
    // sit on.
    QTimer::singleShot(0, this, &TMainForm::FormShow);
}

void TMainForm::FormShow()
{
    if (m_commandLine.isEmpty())
        return;
    const QString path = m_commandLine.join(QLatin1Char(' '));
    // Only the current layout: an old file must go through Open, which
    // converts it and says so.
    const DocumentSession::FileResult loaded = m_session.Load(path, DocumentSession::Layouts::CurrentOnly);
    if (!loaded.ok) {
        ReportFileError(loaded.error);
        return;
    }
    UpdateCaption();
    RememberFolderOf(path);
}
void TMainForm::Print1Click()
{
    const bool hasPrinter = m_printerCheck ? m_printerCheck() : !QPrinterInfo::availablePrinterNames().isEmpty();
    if (!hasPrinter) {
        m_messages.Inform(this, MessageService::Icon::Warning, QStringLiteral("There is no default printer."));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    if (m_messages.RunModal(dialog) != QDialog::Accepted)
        return;
    printer.setDocName(ProductTitle());
    PrintTo(printer);
}

bool TMainForm::PrintTo(QPagedPaintDevice& device) const
{
    const ChannelDocument& doc = m_session.Document();
    const auto pages =
        ChannelListLayout::Layout(doc, windowTitle().toStdString(), CommentCodec::Decode(doc.Comment()).toStdString());
    return ChannelListPainter::Paint(device, pages);
}

void TMainForm::Read1Click()
{
    if (m_portChecker && !m_portChecker(m_portChoice)) {
        m_messages.Inform(
            this, MessageService::Icon::Warning,
            WithPortCause(QStringLiteral("COM port is invalid.\nPlease check comport status."), m_portChoice));
        return;
    }
    if (!ConfirmDiscard())
        return;
    if (!m_dialogs.read)
        return;
    // A complete read is one step of the session, which then stands for the
    // radio; anything less leaves the session as it was.
    const int result = m_messages.RunModal(*m_dialogs.read);
    m_dataExchange->ReadEnded(*m_dialogs.read, result);
}

void TMainForm::Write1Click()
{
    if (m_portChecker && !m_portChecker(m_portChoice)) {
        m_messages.Inform(
            this, MessageService::Icon::Warning,
            WithPortCause(QStringLiteral("COM port is invalid.\nPlease check and try again."), m_portChoice));
        return;
    }
    const auto answer =
        m_messages.Ask(this,
                       QStringLiteral("Do you want to write the data to the radio?\n"
                                      "For DTMF memory channels you do not program with DTMF codes using the QXP-R46,\n"
                                      "the contents of the channels on the radio will remain unchanged."),
                       QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes || !m_dialogs.write || !m_writePlan->BeforeWrite())
        return;
    const int result = m_messages.RunModal(*m_dialogs.write);
    m_dataExchange->WriteEnded(*m_dialogs.write, result);
    m_writePlan->AfterWrite(*m_dialogs.write, result);
}

void TMainForm::SelectPort(const QString& port, QAction* item, QAction* other)
{
    if (m_portChecker && !m_portChecker(port)) {
        m_messages.Inform(this, MessageService::Icon::Warning,
                          WithPortCause(port + QStringLiteral(" is invalid.\nPlease check comport status."), port));
        item->setChecked(false);
        return;
    }
    item->setChecked(true);
    other->setChecked(false);
    m_portChoice = port;
    m_settings.SetCommPort(port);
    m_settings.Store().sync();
}

void TMainForm::Com1_MnuClick()
{
    SelectPort(QStringLiteral("COM1"), m_com1, m_com2);
}

void TMainForm::Com2_MnuClick()
{
    SelectPort(QStringLiteral("COM2"), m_com2, m_com1);
}

void TMainForm::ChannelTable1Click()
{
    if (!m_channelTable) {
        m_channelTable = new TChannelTableForm(*this, m_history, m_settings.Store(), this);
        m_channelTable->SetMainCaption(windowTitle());
        connect(this, &QWidget::windowTitleChanged, m_channelTable, &TChannelTableForm::SetMainCaption);
        connect(m_channelTable, &TChannelTableForm::RowsCopied, this, &TMainForm::UpdateClipboardCommands);
    }
    m_channelTable->show();
    m_channelTable->raise();
    m_channelTable->activateWindow();
}

void TMainForm::PortSetup1Click()
{
    if (m_dialogs.portSetup)
        m_messages.RunModal(*m_dialogs.portSetup);
    UpdatePortTips();
}

void TMainForm::SetPortTexts(PortText device, PortText cause)
{
    m_portDevice = std::move(device);
    m_portCause = std::move(cause);
    UpdatePortTips();
}

void TMainForm::UpdatePortTips()
{
    if (!m_portDevice)
        return;
    m_com1->setToolTip(m_portDevice(QStringLiteral("COM1")));
    m_com2->setToolTip(m_portDevice(QStringLiteral("COM2")));
}

QString TMainForm::WithPortCause(const QString& message, const QString& port) const
{
    const QString cause = m_portCause ? m_portCause(port) : QString();
    return cause.isEmpty() ? message : message + QStringLiteral("\n\n") + cause;
}

void TMainForm::Help2Click()
{
    if (!m_help)
        m_help = new THelpViewer(this);
    m_help->ShowContents();
}

void TMainForm::About1Click()
{
    if (m_dialogs.about)
        m_messages.RunModal(*m_dialogs.about);
}
