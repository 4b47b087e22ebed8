#include "tmainform.h"

#include "channelcommands.h"
#include "channellistlayout.h"
#include "channellistpainter.h"
#include "clipboardrules.h"
#include "commentcodec.h"
#include "commentfield.h"
#include "dataexchangecommands.h"
#include "filecommands.h"
#include "gridtablemodel.h"
#include "gridtext.h"
#include "mainformgrids.h"
#include "mainformmenus.h"
#include "messageservice.h"
#include "rowsclipboard.h"
#include "settingsnotice.h"
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
#include "writeplancommands.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kClientWidth = 487;
constexpr int kClientHeight = 358;

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
    m_portChoice = startup.commPort;

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    BuildGrids();
    m_dataExchange = new DataExchangeCommands(*this, m_messages, *this, m_settings, *m_statusBar);
    m_files = new FileCommands(*this, m_session, m_messages, m_settings, *m_statusBar, startup.path);
    m_dataExchange->SetOpenInFolder([this](const QString& folder) { m_files->OpenFromFolder(folder); });
    m_dataExchange->SetPagePainter([this](QPagedPaintDevice& device) { return PrintTo(device); });
    m_writePlan = new WritePlanCommands(*this, m_messages, *this, m_settings);
    m_actions = MainFormMenus::BuildMenus(*this, m_history, *m_dataExchange, *m_writePlan, m_settings, m_messages);
    MainFormMenus::BuildToolButtons(*client, kClientWidth, m_actions);
    m_actions.com2->setChecked(m_portChoice == QLatin1String("COM2"));
    m_actions.com1->setChecked(!m_actions.com2->isChecked());

    connect(&m_session, &DocumentSession::SlotChanged, this, &TMainForm::DocumentChanged);
    connect(&m_session, &DocumentSession::DocumentReset, this, &TMainForm::DocumentChanged);
    connect(&m_session, &DocumentSession::FileNameChanged, this, &TMainForm::UpdateCaption);
    connect(&m_session, &DocumentSession::ChangedFlagChanged, m_statusBar, &TStatusBar::ShowModified);
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

QLineEdit* TMainForm::CommentBox() const
{
    return m_comment;
}

TStringGrid* TMainForm::Grid(int number) const
{
    return number >= 1 && number <= 4 ? m_grids[number - 1] : nullptr;
}

void TMainForm::BuildGrids()
{
    QWidget* client = centralWidget();
    const MainFormGrids made = MainFormGrids::Build(*client, m_session, font());
    for (int i = 0; i < 4; ++i) {
        const int number = i + 1;
        m_groups[i] = made.groups[i];
        m_grids[i] = made.grids[i];
        m_models[i] = made.models[i];
        TStringGrid* grid = m_grids[i];
        connect(grid, &TStringGrid::Entered, this, [this, number] { StringGridEnter(number); });
        connect(grid, &TStringGrid::EnterPressed, this, [this, number] { OpenEditor(number); });
        connect(grid, &QAbstractItemView::doubleClicked, this, [this, number] { OpenEditor(number); });
        // The pop-up menus are made with the other menus, after the grids.
        connect(grid, &TStringGrid::PopupRequested, this, [this, number](const QPoint& pos) {
            ((number == 1 || number == 4) ? m_actions.popup1 : m_actions.popup2)->popup(pos);
        });
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

    m_comment = new CommentField(m_session, client);
    m_comment->setObjectName(QStringLiteral("Edit2"));
    m_comment->setGeometry(64, 317, 418, 23);

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
    m_actions.paste->setEnabled(offered);
    m_actions.pastePopup1->setEnabled(offered && memoryOrDtmf);
    m_actions.pastePopup2->setEnabled(offered && !memoryOrDtmf);
    for (QAction* action : m_actions.cutActions)
        action->setEnabled(memoryOrDtmf);
    for (QAction* action : m_actions.rowActions) {
        action->setEnabled(m_activeGrid == 1);
        // The pop-up menu is shared with the DTMF grid, which has no row
        // commands; the main menu keeps them, disabled.
        if (m_actions.popup1->actions().contains(action))
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

std::vector<int> TMainForm::SelectedSlots() const
{
    if (m_activeGrid != 1 && m_activeGrid != 4)
        return {CurrentSlot()};
    std::vector<int> chosen;
    for (int row : m_grids[m_activeGrid - 1]->SelectedRows())
        chosen.push_back(row - 1);
    if (chosen.empty())
        chosen.push_back(CurrentSlot());
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

RecordKind TMainForm::ActiveKind() const
{
    return GridText::KindOf(static_cast<GridText::Grid>(m_activeGrid));
}

void TMainForm::ShowOutcome(const ChannelCommands::Outcome& outcome)
{
    if (!outcome.clipboard.empty()) {
        RowsClipboard::Put(outcome.clipboard);
        UpdateClipboardCommands();
    }
    if (!outcome.message.isEmpty())
        m_messages.Inform(this, MessageService::Icon::Information, outcome.message);
}

void TMainForm::Copy1Click()
{
    ShowOutcome(ChannelCommands::Copy(m_session, ActiveKind(), SelectedSlots()));
}

void TMainForm::Cut1Click()
{
    ShowOutcome(ChannelCommands::Cut(m_session, ActiveKind(), SelectedSlots(), tr("剪切")));
}

void TMainForm::Delete1Click()
{
    ShowOutcome(ChannelCommands::Delete(m_session, ActiveKind(), SelectedSlots(), tr("删除")));
}

void TMainForm::Paste1Click()
{
    // Disabled commands do nothing, whichever way they are reached.
    if (!m_actions.paste->isEnabled())
        return;
    RowsClipboard::PasteRead read = RowsClipboard::ReadForPaste();
    if (!read.answered) {
        m_messages.Inform(this, MessageService::Icon::Information, RowsClipboard::NoAnswerText());
        return;
    }
    TakeClipboardRows(std::move(read.rows));
    // Several copied rows go from the current row on, wherever the selection
    // around it starts; one row is the paste buffer.
    const auto grid = static_cast<ClipboardRules::Grid>(m_activeGrid);
    const bool severalRows = m_pasteRows.size() > 1 && (m_activeGrid == 1 || m_activeGrid == 4);
    const std::vector<std::string> rows =
        severalRows ? m_pasteRows
                    : std::vector<std::string>{std::string(m_session.Document().Record(RecordKind::PasteBuffer, 0))};
    ShowOutcome(ChannelCommands::Paste(m_session, grid, CurrentSlot(), rows, tr("粘贴")));
}

void TMainForm::InsertEmptyRow()
{
    // Only the memory grid has row commands; elsewhere there is no channel
    // to act on, which the commands answer with "Invalid function.".
    const int slot = m_activeGrid == 1 ? CurrentSlot() : -1;
    ShowOutcome(ChannelCommands::InsertEmpty(m_session, slot, tr("插入空行")));
}

void TMainForm::DeleteAndShiftUp()
{
    const std::vector<int> chosen = m_activeGrid == 1 ? SelectedSlots() : std::vector<int>();
    ShowOutcome(ChannelCommands::DeleteAndShiftUp(m_session, chosen, tr("删除并上移")));
}

void TMainForm::MoveRows(int by)
{
    if (m_activeGrid != 1)
        return;
    const int current = CurrentSlot() + by;
    const ChannelCommands::Outcome moved = ChannelCommands::Move(m_session, SelectedSlots(), by, tr("移动"));
    if (moved.changed)
        m_grids[0]->SelectRows(moved.selectFirst + 1, moved.selectLast + 1, current + 1);
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

void TMainForm::New1Click()
{
    m_files->New();
}

void TMainForm::Open1Click()
{
    m_files->Open();
}

void TMainForm::Save1Click()
{
    m_files->Save();
}

bool TMainForm::Save2Click()
{
    return m_files->SaveAs();
}

void TMainForm::Exit1Click()
{
    close();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (!m_files->ConfirmDiscard()) {
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
    if (!m_commandLine.isEmpty())
        m_files->OpenNamed(m_commandLine.join(QLatin1Char(' ')));
}

void TMainForm::Print1Click()
{
    const bool hasPrinter = m_printerCheck ? m_printerCheck() : !QPrinterInfo::availablePrinterNames().isEmpty();
    if (!hasPrinter) {
        m_dataExchange->OfferPdfForPrinting();
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

bool TMainForm::PortUsable(const QString& refusal)
{
    if (!m_portChecker || m_portChecker(m_portChoice))
        return true;
    m_messages.Inform(this, MessageService::Icon::Warning, WithPortCause(refusal, m_portChoice));
    return false;
}

void TMainForm::Read1Click()
{
    if (!PortUsable(QStringLiteral("COM port is invalid.\nPlease check comport status.")))
        return;
    if (!m_files->ConfirmDiscard())
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
    if (!PortUsable(QStringLiteral("COM port is invalid.\nPlease check and try again.")))
        return;
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
    SettingsNotice::Keep(m_settings, m_messages, this);
}

void TMainForm::Com1_MnuClick()
{
    SelectPort(QStringLiteral("COM1"), m_actions.com1, m_actions.com2);
}

void TMainForm::Com2_MnuClick()
{
    SelectPort(QStringLiteral("COM2"), m_actions.com2, m_actions.com1);
}

void TMainForm::OpenChannelTable()
{
    if (!m_channelTable) {
        m_channelTable = new TChannelTableForm(*this, m_history, m_settings.Store(), this);
        m_channelTable->SetMainCaption(windowTitle());
        connect(this, &QWidget::windowTitleChanged, m_channelTable, &TChannelTableForm::SetMainCaption);
        connect(m_channelTable, &TChannelTableForm::RowsCopied, this, &TMainForm::UpdateClipboardCommands);
        connect(m_channelTable, &TChannelTableForm::LayoutSaved, this,
                [this] { SettingsNotice::Keep(m_settings, m_messages, this); });
    }
    m_channelTable->show();
    m_channelTable->raise();
    m_channelTable->activateWindow();
}

void TMainForm::OpenPortSetup()
{
    // The dialog stores through its own settings object, into the same file.
    if (m_dialogs.portSetup && m_messages.RunModal(*m_dialogs.portSetup) == QDialog::Accepted)
        SettingsNotice::Keep(m_settings, m_messages, this);
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
    m_actions.com1->setToolTip(m_portDevice(QStringLiteral("COM1")));
    m_actions.com2->setToolTip(m_portDevice(QStringLiteral("COM2")));
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
