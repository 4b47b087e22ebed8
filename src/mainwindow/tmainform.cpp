#include "tmainform.h"

#include "commentcodec.h"
#include "dataexchangecommands.h"
#include "datafile.h"
#include "fileio.h"
#include "messageservice.h"
#include "channellisting.h"
#include "channellistlayout.h"
#include "channellistpainter.h"
#include "clipboardrules.h"
#include "recordtext.h"
#include "taboutbox.h"
#include "tcall.h"
#include "tdtmf.h"
#include "thelpviewer.h"
#include "tmemory.h"
#include "toolicons.h"
#include "treadform.h"
#include "tstatusbar.h"
#include "tstringgrid.h"
#include "tvfo.h"
#include "twriteform.h"

#include <QAction>
#include <QClipboard>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace {

const QString kDataChanged = QStringLiteral("Data is changed.\nDo you want to save the changes?");
const QString kFileOpenError = QStringLiteral("File Open error.");

constexpr int kClientWidth = 487;
constexpr int kClientHeight = 358;

std::string Bytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString Text(const std::string& ascii)
{
    return QString::fromLatin1(ascii.data(), static_cast<qsizetype>(ascii.size()));
}

// Tone texts of the status bar, codes 1 to 39, as the printed list names
// them, except code 02: a tone the editors never offer, which the status bar
// has always shown as a bare "69.0".
QString StatusToneText(const std::string& code)
{
    const auto value = RecordText::DecimalValue(code, 39);
    if (!value || *value < 1)
        return {};
    if (*value == 2)
        return QStringLiteral("69.0");
    return QString::fromStdString(ChannelListing::ToneName(code));
}

} // namespace

const QString& TMainForm::ProductTitle()
{
    static const QString title = QStringLiteral("QXP-R46");
    return title;
}

const QString& TMainForm::Untitled()
{
    static const QString name = QStringLiteral("Untitled");
    return name;
}

TMainForm::TMainForm(MessageService& messages, QWidget* parent) : QMainWindow(parent), m_messages(messages)
{
    setObjectName(QStringLiteral("TMainForm"));
    m_documentName = Untitled();
    UpdateCaption();
    setWindowIcon(QIcon(ToolIcons::RadioEmblem(32)));
    // A fixed-size window with neither a minimise nor a maximise box; window
    // managers follow the button hints only with CustomizeWindowHint.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(9);
    setFont(font);

    const AppSettings::Startup startup = m_settings.LoadAtStartup(m_document.Plan(), QDir::currentPath());
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
    m_com2->setChecked(m_portChoice == QLatin1String("COM2"));
    m_com1->setChecked(!m_com2->isChecked());

    m_document.ApplyBandDefaults();
    RebuildBandRows();
    RefreshGrids();
    StringGridEnter(1);

    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            UpdateClipboardCommands();
    });

    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TMainForm::~TMainForm() = default;

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

    QMenu* file = bar->addMenu(QStringLiteral("文件"));
    file->setObjectName(QStringLiteral("File1"));
    QAction* newItem = MakeAction("New1", QStringLiteral("新建"), &TMainForm::New1Click);
    newItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* open = MakeAction("Open1", QStringLiteral("打开"), &TMainForm::Open1Click);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* save = MakeAction("Save1", QStringLiteral("保存"), &TMainForm::Save1Click);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    auto* saveAs = new QAction(QStringLiteral("另存为..."), this);
    saveAs->setObjectName(QStringLiteral("Save2"));
    connect(saveAs, &QAction::triggered, this, [this] { Save2Click(); });
    m_print = MakeAction("Print1", QStringLiteral("打印..."), &TMainForm::Print1Click);
    QAction* exitItem = MakeAction("Exit1", QStringLiteral("退出"), &TMainForm::Exit1Click);
    file->addActions({newItem, open, save, saveAs});
    file->addSeparator();
    file->addAction(m_print);
    file->addSeparator();
    file->addAction(exitItem);

    QMenu* device = bar->addMenu(QStringLiteral("设备"));
    device->setObjectName(QStringLiteral("Device1"));
    QAction* read = MakeAction("Read1", QStringLiteral("读取"), &TMainForm::Read1Click);
    QAction* write = MakeAction("Write1", QStringLiteral("写入"), &TMainForm::Write1Click);
    m_com1 = MakeAction("Com1_Mnu", QStringLiteral("使用端口Com1"), &TMainForm::Com1_MnuClick);
    m_com2 = MakeAction("Com2_Mnu", QStringLiteral("使用端口Com2"), &TMainForm::Com2_MnuClick);
    m_com1->setCheckable(true);
    m_com2->setCheckable(true);
    device->addActions({read, write});
    device->addSeparator();
    device->addActions({m_com1, m_com2});
    device->addSeparator();
    device->addAction(MakeAction("PortSetup1", QStringLiteral("端口设置..."), &TMainForm::PortSetup1Click));
    device->setToolTipsVisible(true);

    QMenu* edit = bar->addMenu(QStringLiteral("编辑"));
    edit->setObjectName(QStringLiteral("Edit1"));
    QAction* cut = MakeAction("Cut1", QStringLiteral("剪切"), &TMainForm::Cut1Click);
    cut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    QAction* copy = MakeAction("Copy1", QStringLiteral("复制"), &TMainForm::Copy1Click);
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    QAction* paste = MakeAction("Paste1", QStringLiteral("粘贴"), &TMainForm::Paste1Click);
    paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    QAction* del = MakeAction("Delete1", QStringLiteral("删除"), &TMainForm::Delete1Click);
    del->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    edit->addActions({cut, copy, paste, del});

    QMenu* help = bar->addMenu(QStringLiteral("帮助"));
    help->setObjectName(QStringLiteral("Help1"));
    help->addAction(MakeAction("Help2", QStringLiteral("帮助主题"), &TMainForm::Help2Click));
    help->addSeparator();
    help->addAction(MakeAction("About1", QStringLiteral("关于..."), &TMainForm::About1Click));

    // The grids own their short-cut-free pop-up menus; the shortcuts live on
    // the main menu only, so Ctrl+C in the comment box still copies text.
    for (QAction* a : {cut, copy, paste, del})
        a->setShortcutContext(Qt::WindowShortcut);

    m_popup1 = new QMenu(this);
    m_popup1->setObjectName(QStringLiteral("PopupMenu1"));
    m_popup1->addAction(MakeAction("Cut2", QStringLiteral("剪切"), &TMainForm::Cut1Click));
    m_popup1->addAction(MakeAction("Copy2", QStringLiteral("复制"), &TMainForm::Copy1Click));
    m_popup1->addAction(MakeAction("Paste2", QStringLiteral("粘贴"), &TMainForm::Paste1Click));
    m_popup1->addAction(MakeAction("Delete2", QStringLiteral("删除"), &TMainForm::Delete1Click));
    m_popup2 = new QMenu(this);
    m_popup2->setObjectName(QStringLiteral("PopupMenu2"));
    m_popup2->addAction(MakeAction("Copy3", QStringLiteral("复制"), &TMainForm::Copy1Click));
    m_popup2->addAction(MakeAction("Paste3", QStringLiteral("粘贴"), &TMainForm::Paste1Click));

    m_cutActions = {cut, findChild<QAction*>(QStringLiteral("Cut2")), del, findChild<QAction*>(QStringLiteral("Delete2"))};
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
        {"SpeedButton7", "New1", ToolIcons::Picture::New, "新建", 4},
        {"SpeedButton6", "Open1", ToolIcons::Picture::Open, "打开", 29},
        {"SpeedButton8", "Save1", ToolIcons::Picture::Save, "保存", 54},
        {"SpeedButton9", "Print1", ToolIcons::Picture::Print, "打印", 92},
        {"SpeedButton4", "Read1", ToolIcons::Picture::Read, "读取", 132},
        {"SpeedButton5", "Write1", ToolIcons::Picture::Write, "写入", 157},
        {"SpeedButton2", "Cut1", ToolIcons::Picture::Cut, "剪切", 196},
        {"SpeedButton1", "Copy1", ToolIcons::Picture::Copy, "复制", 221},
        {"SpeedButton3", "Paste1", ToolIcons::Picture::Paste, "粘贴", 246},
    };
    for (const Button& b : buttons) {
        auto* button = new QToolButton(client);
        button->setObjectName(QLatin1String(b.name));
        button->setToolTip(QString::fromUtf8(b.hint));
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
        QStringList titles;
        int rows;
    };
    const Group groups[4] = {
        {"GroupBox1",
         "记忆频道",
         {0, 30, 262, 284},
         15,
         {10, 27, 84},
         {QString(), QStringLiteral(" ch."), QStringLiteral(" RX Frequency"), QStringLiteral(" Name")},
         ChannelDocument::MemorySlots + 1},
        {"GroupBox2",
         "VFO",
         {264, 30, 193, 81},
         3,
         {10, 58},
         {QString(), QStringLiteral("Band"), QStringLiteral("Rx Frequency")},
         3},
        {"GroupBox3",
         "呼叫频道",
         {264, 115, 193, 81},
         3,
         {10, 59},
         {QString(), QStringLiteral("Band"), QStringLiteral("Rx Frequency")},
         3},
        {"GroupBox4",
         "双音声多频率",
         {264, 201, 223, 113},
         5,
         {10, 23},
         {QString(), QStringLiteral("No."), QStringLiteral("DTMF Code")},
         ChannelDocument::DtmfSlots + 1},
    };
    static const char* const gridNames[4] = {"StringGrid1", "StringGrid2", "StringGrid3", "StringGrid4"};
    for (int i = 0; i < 4; ++i) {
        const Group& g = groups[i];
        auto* box = new QGroupBox(QString::fromUtf8(g.caption), client);
        box->setObjectName(QLatin1String(g.name));
        box->setGeometry(g.geometry);
        auto* grid = new TStringGrid(QLatin1String(gridNames[i]), box);
        // The grid keeps the window's regular font when its caption turns
        // bold: a font set with an explicit weight does not follow the parent.
        QFont regular = font();
        regular.setBold(false);
        grid->setFont(regular);
        grid->SetColumnWidths(g.widths);
        grid->SetRowCount(g.rows);
        for (int c = 0; c < g.titles.size(); ++c)
            grid->SetCell(c, 0, g.titles[c]);
        grid->Place(8, 16, g.geometry.width() - 16, g.geometry.height() - 24, g.visibleRows);
        m_groups[i] = box;
        m_grids[i] = grid;

        const int number = i + 1;
        connect(grid, &TStringGrid::Entered, this, [this, number] { StringGridEnter(number); });
        connect(grid, &TStringGrid::EnterPressed, this, [this, number] { OpenEditor(number); });
        connect(grid, &QTableWidget::cellDoubleClicked, this, [this, number] { OpenEditor(number); });
        QMenu* popup = (number == 1 || number == 4) ? m_popup1 : m_popup2;
        connect(grid, &TStringGrid::PopupRequested, popup, [popup](const QPoint& pos) { popup->popup(pos); });
    }
    for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot)
        m_grids[0]->SetCell(1, slot + 1, QString::fromStdString(RecordText::ChannelLabel(slot)));
    for (int slot = 0; slot < ChannelDocument::DtmfSlots; ++slot)
        m_grids[3]->SetCell(1, slot + 1, QString::number(slot));

    // A click, or the keyboard moving the current row, updates the status bar.
    connect(m_grids[0], &QTableWidget::cellPressed, this, [this] { StringGridEnter(1); });
    connect(m_grids[0], &QTableWidget::currentCellChanged, this, [this] {
        if (m_grids[0]->hasFocus())
            StringGridEnter(1);
    });
    // A click on the row that is already current moves nothing, yet the
    // clipboard may have changed since: it counts as a click all the same.
    for (TStringGrid* grid : {m_grids[1], m_grids[2]}) {
        connect(grid, &QTableWidget::currentCellChanged, this, &TMainForm::StringGrid2Click);
        connect(grid, &QTableWidget::cellPressed, this, &TMainForm::StringGrid2Click);
    }

    auto* label = new QLabel(QStringLiteral("评论"), client);
    label->setObjectName(QStringLiteral("Label1"));
    label->move(7, 320);
    label->adjustSize();

    m_comment = new QLineEdit(client);
    m_comment->setObjectName(QStringLiteral("Edit2"));
    m_comment->setGeometry(64, 317, 418, 23);
    m_comment->setMaxLength(CommentCodec::MaxCharacters);
    m_comment->setValidator(new CommentValidator(m_comment));
    connect(m_comment, &QLineEdit::textEdited, this, &TMainForm::Edit2Change);

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
    setWindowTitle(ProductTitle() + QStringLiteral(" [") + m_documentName + QStringLiteral("]"));
}

void TMainForm::SetCaptionRadio()
{
    setWindowTitle(ProductTitle() + QStringLiteral(" [Radio]"));
}

void TMainForm::RebuildBandRows()
{
    const BandPlan& plan = m_document.Plan();
    TStringGrid* vfo = m_grids[1];
    int rows = 3;
    for (int band : {0, 2, 4})
        if (plan.BandExists(band))
            ++rows;
    vfo->SetRowCount(rows);
    int row = 1;
    for (int band = 0; band < BandPlan::BandCount; ++band)
        if (plan.BandExists(band))
            vfo->SetCell(1, row++, Text(plan.BandName(band)));
    TStringGrid* call = m_grids[2];
    call->SetCell(1, 1, Text(plan.BandName(1)));
    call->SetCell(1, 2, Text(plan.BandName(3)));
    // A frequency left from the old labels would stand under the wrong band
    // until its slot is filled again.
    for (TStringGrid* grid : {vfo, call})
        for (int r = 1; r < grid->RowCount(); ++r)
            grid->SetCell(2, r, QString());
}

void TMainForm::RefreshGrids()
{
    TStringGrid* memory = m_grids[0];
    for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot) {
        const int row = slot + 1;
        if (m_document.Record(RecordKind::Memory, slot).size() < 2) {
            memory->SetCell(0, row, QString());
            memory->SetCell(2, row, QString());
            memory->SetCell(3, row, QString());
            continue;
        }
        memory->SetCell(2, row, Text(RecordText::FormatFrequency(m_document.GetField(RecordKind::Memory, slot, 1))));
        memory->SetCell(3, row, Text(m_document.GetField(RecordKind::Memory, slot, 17)));
        if (slot < 200) {
            const bool locked = m_document.GetField(RecordKind::Memory, slot, 12) == "1";
            memory->SetCell(0, row, locked ? QStringLiteral("*") : QString());
        }
    }

    for (int slot = 0; slot < ChannelDocument::CallSlots; ++slot) {
        const std::string frequency = m_document.GetField(RecordKind::Call, slot, 1);
        if (frequency.size() >= 2)
            m_grids[2]->SetCell(2, slot + 1, Text(RecordText::FormatFrequency(frequency)));
    }

    // One row per band the radio has, in band order. A band whose record is
    // empty keeps its row, so the next band's frequency cannot slide onto it.
    const BandPlan& plan = m_document.Plan();
    int row = 1;
    for (int slot = 0; slot < ChannelDocument::VfoSlots; ++slot) {
        if (!plan.BandExists(slot))
            continue;
        const std::string frequency = m_document.GetField(RecordKind::Vfo, slot, 1);
        if (frequency.size() >= 2)
            m_grids[1]->SetCell(2, row, Text(RecordText::FormatFrequency(frequency)));
        ++row;
    }

    for (int slot = 0; slot < ChannelDocument::DtmfSlots; ++slot)
        m_grids[3]->SetCell(2, slot + 1, Text(m_document.GetField(RecordKind::Dtmf, slot, 1)));

    RefreshStatusBar();
}

void TMainForm::RefreshStatusBar()
{
    if (m_activeGrid == 4) {
        for (int panel = 0; panel < 3; ++panel)
            m_statusBar->SetPanelText(panel, QString());
        return;
    }
    RecordKind kind = RecordKind::Memory;
    int slot = 0;
    switch (m_activeGrid) {
    case 2:
        kind = RecordKind::Vfo;
        slot = m_document.Plan().BandOf(m_grids[1]->Cell(1, m_grids[1]->Row()).toStdString());
        break;
    case 3:
        kind = RecordKind::Call;
        slot = m_grids[2]->Row() - 1;
        break;
    default: slot = m_grids[0]->Row() - 1; break;
    }
    auto field = [&](int n) { return m_document.GetField(kind, slot, n); };
    const std::string transmit = field(14);
    const std::string shift = field(3);
    const bool split = transmit.size() >= 2;

    QString details;
    if (split) {
        details =
            QStringLiteral("Tx Frequency : ") + Text(RecordText::FormatFrequency(transmit)) + QStringLiteral("MHz");
    } else if (shift.empty() || (shift[0] != '0' && shift[0] != '3')) {
        const std::string offset = field(11);
        if (offset.size() >= 2)
            details = QStringLiteral("Offset : ") + Text(RecordText::FormatOffset(offset)) + QStringLiteral("MHz");
    }
    m_statusBar->SetPanelText(0, details);

    QString direction;
    if (shift == "1")
        direction = QStringLiteral("+");
    else if (shift == "2")
        direction = QStringLiteral("-");
    else if (shift == "3")
        direction = QStringLiteral("-7.6");
    else if (split)
        direction = QStringLiteral("+-");
    if (direction != QLatin1String("+-") && field(4).rfind('1', 0) == 0)
        direction += QStringLiteral(" R");
    m_statusBar->SetPanelText(1, direction);

    QString tone;
    if (field(6).rfind('1', 0) == 0)
        tone = QStringLiteral("CT : ") + StatusToneText(field(10));
    else if (field(5).rfind('1', 0) == 0)
        tone = QStringLiteral("T : ") + StatusToneText(field(8));
    m_statusBar->SetPanelText(2, tone);
}

void TMainForm::AfterReadUpdate()
{
    RebuildBandRows();
    RefreshGrids();
    m_settings.StoreBandPlan(m_document.Plan());
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

void TMainForm::UpdateClipboardCommands()
{
    if (const QMimeData* data = QGuiApplication::clipboard()->mimeData(); data && data->hasFormat(ClipboardFormat())) {
        QByteArray text = data->data(ClipboardFormat());
        const int nul = text.indexOf('\0');
        if (nul >= 0)
            text.truncate(nul);
        // A record never exceeds 99 characters; longer content is not ours
        // to cut, and the paste buffer keeps what it had.
        if (text.size() <= static_cast<int>(ChannelDocument::RecordCapacity))
            m_document.StorePasteBuffer(RecordText::TabsToCommas(std::string_view(text.constData(), text.size())));
    }

    const std::string_view buffer = m_document.Record(RecordKind::PasteBuffer, 0);
    const auto grid = static_cast<ClipboardRules::Grid>(m_activeGrid);
    const int row = m_grids[m_activeGrid - 1]->Row();
    const int rowBand = m_activeGrid == 2 ? VfoSlotOfRow(row) : 0;
    const bool offered = ClipboardRules::PasteOffered(buffer, grid, row, rowBand, m_document.Plan());
    const bool memoryOrDtmf = m_activeGrid == 1 || m_activeGrid == 4;
    m_pasteMain->setEnabled(offered);
    m_pastePopup1->setEnabled(offered && memoryOrDtmf);
    m_pastePopup2->setEnabled(offered && !memoryOrDtmf);
    for (QAction* action : m_cutActions)
        action->setEnabled(memoryOrDtmf);
}

const QString& TMainForm::ClipboardFormat()
{
    static const QString format = QStringLiteral("application/x-qxp-r46-cf-qxp");
    return format;
}

int TMainForm::VfoSlotOfRow(int row) const
{
    return m_document.Plan().BandOf(m_grids[1]->Cell(1, row).toStdString());
}

// The slot the current row of the active grid stands for.
int TMainForm::CurrentSlot() const
{
    const int row = m_grids[m_activeGrid - 1]->Row();
    return m_activeGrid == 2 ? VfoSlotOfRow(row) : row - 1;
}

RecordKind TMainForm::ActiveKind() const
{
    switch (m_activeGrid) {
    case 2: return RecordKind::Vfo;
    case 3: return RecordKind::Call;
    case 4: return RecordKind::Dtmf;
    default: return RecordKind::Memory;
    }
}

void TMainForm::PutOnClipboard(std::string_view record)
{
    auto* data = new QMimeData;
    const std::string text = RecordText::CommasToTabs(record);
    data->setData(ClipboardFormat(), QByteArray(text.data(), static_cast<int>(text.size())));
    QGuiApplication::clipboard()->setMimeData(data);
    UpdateClipboardCommands();
}

void TMainForm::Copy1Click()
{
    PutOnClipboard(std::string(m_document.Record(ActiveKind(), CurrentSlot())));
}

void TMainForm::Cut1Click()
{
    m_changed = true;
    if (m_activeGrid == 2 || m_activeGrid == 3) {
        m_messages.Inform(this, MessageService::Icon::Information, QStringLiteral("Invalid function."));
        return;
    }
    const int slot = CurrentSlot();
    const std::string record(m_document.Record(ActiveKind(), slot));
    if (m_activeGrid == 1)
        m_document.ClearMemory(slot);
    else
        m_document.ClearDtmf(slot);
    PutOnClipboard(record);
    RefreshGrids();
}

void TMainForm::Delete1Click()
{
    m_changed = true;
    if (m_activeGrid == 2 || m_activeGrid == 3) {
        m_messages.Inform(this, MessageService::Icon::Information, QStringLiteral("Invalid function."));
        return;
    }
    if (m_activeGrid == 1)
        m_document.ClearMemory(CurrentSlot());
    else
        m_document.ClearDtmf(CurrentSlot());
    RefreshGrids();
}

void TMainForm::Paste1Click()
{
    // Disabled commands do nothing, whichever way they are reached.
    if (!m_pasteMain->isEnabled())
        return;
    m_changed = true;
    const std::string buffer(m_document.Record(RecordKind::PasteBuffer, 0));
    const int slot = CurrentSlot();
    const auto grid = static_cast<ClipboardRules::Grid>(m_activeGrid);
    switch (grid) {
    case ClipboardRules::Grid::Dtmf: m_document.StoreDtmf(slot, ClipboardRules::PastedDtmf(slot, buffer)); break;
    case ClipboardRules::Grid::Memory:
        m_document.StoreMemory(slot, ClipboardRules::PastedChannel(grid, RecordText::ChannelLabel(slot), buffer,
                                                                   m_document.Plan()));
        break;
    case ClipboardRules::Grid::Vfo:
        m_document.StoreVfo(slot, ClipboardRules::PastedChannel(grid, m_document.GetField(RecordKind::Vfo, slot, 0),
                                                                buffer, m_document.Plan()));
        break;
    case ClipboardRules::Grid::Call:
        m_document.StoreCall(slot, ClipboardRules::PastedChannel(grid, m_document.GetField(RecordKind::Call, slot, 0),
                                                                 buffer, m_document.Plan()));
        break;
    }
    RefreshGrids();
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
    RefreshGrids();
}

bool TMainForm::ConfirmDiscard()
{
    if (!m_changed)
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

void TMainForm::ReportFileError()
{
    m_messages.Inform(this, MessageService::Icon::Error, kFileOpenError);
}

bool TMainForm::WriteDocument(const QString& path)
{
    // The command-line tool's writer: written beside the old file, flushed,
    // and renamed over it only when all of it is on disk, so a full disk
    // leaves the user's file as it was (QSaveFile of Qt 6.4 renames even
    // when its final flush failed). The user is told only "File Open error.".
    return FileIo::WriteFileAtomically(Bytes(path), DataFile::WriteDataFile(m_document), nullptr);
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
    const QString text = CommentCodec::Decode(m_document.Comment());
    m_comment->setMaxLength(std::max<int>(CommentCodec::MaxCharacters, static_cast<int>(text.size())));
    m_comment->setText(text);
}

void TMainForm::Edit2Change(const QString& text)
{
    // The validator has already refused what code page 936 cannot hold.
    if (const auto bytes = CommentCodec::Encode(text))
        m_document.SetComment(*bytes);
    m_changed = true;
}

void TMainForm::New1Click()
{
    if (!ConfirmDiscard())
        return;
    m_documentName = Untitled();
    UpdateCaption();
    m_document.ClearDocument();
    m_document.SetComment(std::string());
    for (int row = 1; row < m_grids[0]->RowCount(); ++row)
        for (int column : {0, 2, 3})
            m_grids[0]->SetCell(column, row, QString());
    for (int grid = 1; grid < 4; ++grid)
        for (int row = 1; row < m_grids[grid]->RowCount(); ++row)
            m_grids[grid]->SetCell(2, row, QString());
    ShowComment();
    RefreshGrids();
    m_changed = false;
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
    request.filters = {QStringLiteral("QXP-R46 Files(*.46)"), QStringLiteral("QXP-R46 V1.00 文件(*.r46)")};
    request.defaultSuffix = QStringLiteral("46");
    const QString path = m_messages.OpenFileName(this, request);
    if (path.isEmpty())
        return;

    const DataFile::LoadResult loaded = DataFile::Load(Bytes(path), m_document);
    if (!loaded.ok) {
        ReportFileError();
        return;
    }
    const DataFile::Format format = loaded.format;
    if (format == DataFile::Format::Current) {
        m_documentName = path;
    } else {
        const QFileInfo info(path);
        m_documentName = info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".46");
    }
    UpdateCaption();
    ShowComment();
    RefreshGrids();
    RememberFolderOf(path);
    m_changed = false;
    if (format == DataFile::Format::V100)
        m_messages.Inform(this, MessageService::Icon::Information, QStringLiteral("File format changed."));
}

void TMainForm::Save1Click()
{
    if (m_documentName != Untitled() && QFileInfo(m_documentName).isFile()) {
        if (!WriteDocument(m_documentName)) {
            ReportFileError();
            return;
        }
        m_changed = false;
        RememberFolderOf(m_documentName);
        return;
    }
    Save2Click();
}

bool TMainForm::Save2Click()
{
    MessageService::FileRequest request;
    request.directory = m_folder;
    request.proposedName = m_documentName;
    request.filters = {QStringLiteral("QXP-R46 文件(*.46)")};
    request.defaultSuffix = QStringLiteral("46");
    const QString path = m_messages.SaveFileName(this, request);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix() != QLatin1String("46") || !WriteDocument(path)) {
        ReportFileError();
        return false;
    }
    m_documentName = path;
    UpdateCaption();
    m_changed = false;
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
    if (DataFile::FormatOfPath(Bytes(path)) != DataFile::Format::Current ||
        !DataFile::Load(Bytes(path), m_document).ok) {
        ReportFileError();
        return;
    }
    m_documentName = path;
    UpdateCaption();
    ShowComment();
    RefreshGrids();
    RememberFolderOf(path);
    m_changed = false;
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
    const auto pages = ChannelListLayout::Layout(m_document, windowTitle().toStdString(),
                                                 CommentCodec::Decode(m_document.Comment()).toStdString());
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
    m_changed = false;
    m_documentName = Untitled();
    SetCaptionRadio();
    if (!m_dialogs.read)
        return;
    const int result = m_messages.RunModal(*m_dialogs.read);
    // A read that fails after the radio's type came in (a time-out, a port
    // error) ends without the after-read update; the VFO rows must still
    // follow the bands the document now has.
    RebuildBandRows();
    RefreshGrids();
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
    if (answer == QMessageBox::Yes && m_dialogs.write)
        m_dataExchange->WriteEnded(*m_dialogs.write, m_messages.RunModal(*m_dialogs.write));
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
