#pragma once

#include "csvimport.h"
#include "readbackhost.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

class AppSettings;
class DocumentHost;
class MessageService;
class QAction;
class QDialog;
class QLabel;
class QPagedPaintDevice;
class QWidget;
class SettingToggle;
class TReadForm;
class TransferDialog;

// The main window's commands that take channels in and out of the program
// and say how a transfer to or from the radio ended: CSV import and export,
// the channel list as PDF, the backups of every complete read, and the
// read-back that checks a write.
//
// Captions are Chinese inside tr(); message boxes are English, as the
// program's others are. Every box and file dialog goes through the message
// service, and every file is written through the atomic writer.
class DataExchangeCommands : public QObject
{
    Q_OBJECT

public:
    // The settings value that switches the read-back after a write on.
    static const QString& VerifyAfterWriteKey();
    // How long the status bar keeps a short notice (a file written). How a
    // transfer ended stays until the next command.
    static constexpr int NoticeMs = 6000;
    // How many endings of transfers the status bar's tool tip lists.
    static constexpr int HistoryLines = 10;
    // Rows of the import report listed in its box; the rest are counted.
    static constexpr int ReportLines = 30;
    // CSV files from this size on are read on a worker thread behind a
    // progress dialog with Cancel.
    static constexpr std::size_t ProgressFromBytes = 1024 * 1024;

    // `window` parents the boxes and dialogs and heads the printed pages
    // with its caption; `statusArea` is covered by the notices. All must
    // outlive this object.
    DataExchangeCommands(QWidget& window, MessageService& messages, DocumentHost& host, AppSettings& settings,
                         QWidget& statusArea);
    ~DataExchangeCommands() override;

    // Opens a data file with a dialog that starts in `folder`, as 打开 does.
    void SetOpenInFolder(std::function<void(const QString& folder)> open) { m_openInFolder = std::move(open); }
    // Paints the channel list as printing does; false when it could not.
    void SetPagePainter(std::function<bool(QPagedPaintDevice&)> paint) { m_paintPages = std::move(paint); }
    // A warning about the port's far end to add to the notice after a
    // transfer (the simulated radio cannot keep its memory), empty for none.
    void SetTransferWarning(std::function<QString()> warning) { m_transferWarning = std::move(warning); }

    // The commands' menu items, for the window's menus "文件" and "设备".
    struct MenuItems {
        QAction* openBackup;
        QAction* importCsv;
        QAction* exportCsv;
        QAction* exportPdf;
        QAction* verify;
    };
    MenuItems Items() const;

    // The dialog that reads the radio back after a write, into a document
    // of its own. Its port set-up is the caller's, as for the other
    // transfer dialogs.
    TransferDialog& ReadBackForm();

    // Called when the read dialog has closed with `result`: a complete read
    // leaves a backup and a notice.
    void ReadEnded(const QDialog& readForm, int result);
    // Called when the write dialog has closed with `result`: a complete
    // write is read back and compared when that is switched on, and a
    // notice says how it went.
    void WriteEnded(const QDialog& writeForm, int result);

    QString NoticeText() const;
    // The latest endings of transfers, oldest first, each with its time.
    const QStringList& History() const { return m_history; }

    void ImportCsv();
    void ExportCsv();
    void ExportPdf();
    // Printing found no printer: says so, and offers the PDF export instead.
    void OfferPdfForPrinting();
    void OpenBackup();
    void SetVerifyAfterWrite(bool on);
    bool VerifyAfterWrite() const;

private:
    QAction* MakeAction(const char* objectName, const QString& text, void (DataExchangeCommands::*handler)());
    // Reads a large CSV file behind a progress dialog; false when it was
    // cancelled.
    bool ReadWithProgress(const std::string& text, const QString& name, CsvImport::Result* result);
    // The one place an import changes the document.
    void ApplyImport(const CsvImport::Result& result);
    QString SaveName(const QString& filter, const QString& suffix);
    bool WriteFile(const QString& path, const std::string& bytes);
    void ReportFileError(const QString& cause);
    void ShowNotice(const QString& text);
    // Hides the notice now, and forgets the commands that would.
    void EndNotice();
    // The notice with the transfer warning, if there is one.
    void ShowTransferNotice(const QString& text);
    QString VerifyWrite();
    QString Folder() const;

    QWidget& m_window;
    MessageService& m_messages;
    DocumentHost& m_host;
    AppSettings& m_settings;
    QWidget& m_statusArea;
    std::function<void(const QString&)> m_openInFolder;
    std::function<bool(QPagedPaintDevice&)> m_paintPages;
    std::function<QString()> m_transferWarning;

    QAction* m_importCsv = nullptr;
    QAction* m_exportCsv = nullptr;
    QAction* m_exportPdf = nullptr;
    QAction* m_openBackup = nullptr;
    SettingToggle* m_verify = nullptr;
    QLabel* m_notice = nullptr;
    QTimer* m_noticeTimer = nullptr;
    QStringList m_history;
    // The window's commands, each of which ends a transfer's notice.
    QList<QMetaObject::Connection> m_endOnCommand;
    ReadBackHost m_readBackHost;
    std::unique_ptr<TReadForm> m_readBackForm;
};
