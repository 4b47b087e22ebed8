#pragma once

#include "appsettings.h"
#include "documenthistory.h"
#include "documenthost.h"
#include "documentsession.h"
#include "mainformmenus.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

namespace ChannelCommands {
struct Outcome;
}
class CommentField;
class DataExchangeCommands;
class FileCommands;
class GridTableModel;
class MessageService;
class QAction;
class QPagedPaintDevice;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class TAboutBox;
class TCALL;
class TChannelTableForm;
class TDTMF;
class THelpViewer;
class TMemory;
class TReadForm;
class TStatusBar;
class TStringGrid;
class TVFO;
class TWriteForm;
class WritePlanCommands;

// The program's working surface: it shows the document session in four
// grids (memory, VFO, CALL, DTMF), keeps the chosen port and the settings
// store, and carries the file, radio, edit and help commands. The session
// owns the document, its name and the changed flag; every change goes
// through it as one undoable step, and the grids, the status bar and the
// comment box follow its signals.
//
// The window is built hidden; the splash shows it. Every message box and
// file dialog goes through the MessageService given at construction, and
// every modal dialog is run through it too.
class TMainForm : public QMainWindow, public DocumentHost
{
    Q_OBJECT

public:
    // The windows the commands open. They are created after the main window
    // (it must have read the settings and built the document first), so they
    // are handed in afterwards; a missing one makes its command do nothing.
    struct Dialogs {
        TMemory* memory = nullptr;
        TVFO* vfo = nullptr;
        TCALL* call = nullptr;
        TDTMF* dtmf = nullptr;
        TReadForm* read = nullptr;
        TWriteForm* write = nullptr;
        TAboutBox* about = nullptr;
        QDialog* portSetup = nullptr;
    };

    // Whether a port ("COM1", "COM2") can be opened right now.
    using PortChecker = std::function<bool(const QString& portName)>;
    // A line about a port ("COM1", "COM2"): the device it leads to, or why
    // it cannot be used now.
    using PortText = std::function<QString(const QString& portName)>;
    // Whether the system has a printer installed.
    using PrinterCheck = std::function<bool()>;

    static const QString& ProductTitle();
    static const QString& Untitled();

    explicit TMainForm(MessageService& messages, QWidget* parent = nullptr);
    ~TMainForm() override;

    void SetDialogs(const Dialogs& dialogs) { m_dialogs = dialogs; }
    void SetPortChecker(PortChecker checker) { m_portChecker = std::move(checker); }
    // The port items' tool tips name the device; the messages that refuse a
    // port say why below their fixed text. Without these, neither is added.
    void SetPortTexts(PortText device, PortText cause);
    void SetPrinterCheck(PrinterCheck check) { m_printerCheck = std::move(check); }
    // The private clipboard format of one record (commas as TABs).
    static const QString& ClipboardFormat();
    // Several records, one per line, each with commas as TABs: what a copy
    // of several rows puts on the clipboard instead of the one-record format.
    static const QString& RowsClipboardFormat();
    // Prints the channel list, headed by the window caption, on a printer
    // or PDF writer; false when the device could not be painted on.
    bool PrintTo(QPagedPaintDevice& device) const;
    // Re-reads the clipboard into the paste buffer and enables the Cut,
    // Paste and Delete commands that apply to the active grid's row.
    void UpdateClipboardCommands();
    // Program arguments (without the program name), looked at when the
    // window is first shown.
    void SetCommandLine(const QStringList& arguments) { m_commandLine = arguments; }

    DocumentSession& Session() override { return m_session; }
    const ChannelDocument& Document() const { return m_session.Document(); }
    DocumentHistory& History() { return m_history; }
    bool Changed() const { return m_session.Changed(); }
    const QString& DocumentName() const { return m_session.FileName(); }
    const QString& PortChoice() const override { return m_portChoice; }
    int SelectedPortNumber() const { return m_portChoice == QLatin1String("COM2") ? 2 : 1; }
    int ActiveGrid() const { return m_activeGrid; }
    TStringGrid* Grid(int number) const;
    int GridRow(int grid) const override;
    MessageService& Messages() override { return m_messages; }
    TStatusBar* StatusBar() const { return m_statusBar; }
    QLineEdit* CommentBox() const;
    AppSettings& Settings() { return m_settings; }
    DataExchangeCommands& DataExchange() const { return *m_dataExchange; }
    WritePlanCommands& WritePlan() const { return *m_writePlan; }

    void RefreshStatusBar();
    // What a finished (or cancelled) read from the radio leaves behind: its
    // type and band limits are remembered for the next start.
    void AfterReadUpdate() override;

public slots:
    void New1Click();
    void Open1Click();
    void Save1Click();
    // Returns whether the document was saved.
    bool Save2Click();
    void Exit1Click();
    void Print1Click();
    void Read1Click();
    void Write1Click();
    void Com1_MnuClick();
    void Com2_MnuClick();
    void OpenPortSetup();
    // "频道表...": the channel table beside this window, made on first use.
    void OpenChannelTable();
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void Delete1Click();
    // The memory grid's row commands, each one step of the undo history.
    void InsertEmptyRow();
    void DeleteAndShiftUp();
    // Ctrl+Up (-1) and Ctrl+Down (+1): the selected channels move one slot.
    void MoveRows(int by);
    void Help2Click();
    void About1Click();

signals:
    // The window was closed for good; the program ends.
    void Closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildGrids();
    void UpdateCaption();
    // The grids of this program take several rows at once in the memory and
    // DTMF grids; the others act on the current row.
    std::vector<int> SelectedSlots() const;
    void StringGridEnter(int grid);
    void StringGrid2Click();
    void OpenEditor(int grid);
    void SelectPort(const QString& port, QAction* item, QAction* other);
    void UpdatePortTips();
    // The fixed message, then a blank line and the cause, when one is known.
    QString WithPortCause(const QString& message, const QString& port) const;
    // Whether the chosen port can be opened; when not, `refusal` is shown
    // with the cause.
    bool PortUsable(const QString& refusal);
    void FormShow();
    int VfoSlotOfRow(int row) const;
    int CurrentSlot() const;
    RecordKind ActiveKind() const;
    // Rows for the clipboard go there, a message to a box.
    void ShowOutcome(const ChannelCommands::Outcome& outcome);
    // Rows read from the clipboard become the paste rows and the paste
    // buffer; nothing read keeps them.
    void TakeClipboardRows(std::optional<std::vector<std::string>> rows);
    void DocumentChanged();

    MessageService& m_messages;
    DocumentSession m_session;
    // After the session, which it records into.
    DocumentHistory m_history{m_session};
    AppSettings m_settings;
    QString m_portChoice;
    int m_activeGrid = 1;
    TChannelTableForm* m_channelTable = nullptr; // a child window, made on first use
    // What the private clipboard formats held when last read, one record
    // (with commas) per copied row; the paste buffer keeps the first.
    std::vector<std::string> m_pasteRows;
    bool m_shownOnce = false;
    QStringList m_commandLine;
    Dialogs m_dialogs;
    PortChecker m_portChecker;
    PortText m_portDevice;
    PortText m_portCause;
    PrinterCheck m_printerCheck;

    QGroupBox* m_groups[4] = {};
    TStringGrid* m_grids[4] = {};
    GridTableModel* m_models[4] = {};
    TStatusBar* m_statusBar = nullptr;
    CommentField* m_comment = nullptr;
    MainFormMenus::Actions m_actions;
    THelpViewer* m_help = nullptr;
    DataExchangeCommands* m_dataExchange = nullptr;
    FileCommands* m_files = nullptr;
    WritePlanCommands* m_writePlan = nullptr;
};
