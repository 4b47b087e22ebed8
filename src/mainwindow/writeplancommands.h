#pragma once

#include "readbackhost.h"
#include "settingtoggle.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class AppSettings;
class DocumentHost;
class MessageService;
class QAction;
class QDialog;
class QWidget;
class TReadForm;
class TransferDialog;

// What stands between 写入 and the radio: before the write the whole radio
// is read (with a progress dialog of its own) and kept as a backup
// (YYYYMMDD-HHMMSS-before-write.46), and a preview window lists what the
// write will change, the plan check's findings and, for a file made for
// another radio, the records the radio cannot hold; those need a second
// yes, and are named again after the write. The step can be switched off
// (设备 → 写入前备份并预览, "PreviewBeforeWrite" in the settings, on by
// default); then the write is the plain write. It also carries 编辑 → 检查频道...,
// the plan check of the open document.
//
// Boxes and dialogs go through the message service; the read goes into a
// document of its own, so the main window's document is never touched.
class WritePlanCommands : public QObject
{
    Q_OBJECT

public:
    static const QString& PreviewBeforeWriteKey();

    // `window` parents the boxes and dialogs; all must outlive this object.
    WritePlanCommands(QWidget& window, MessageService& messages, DocumentHost& host, AppSettings& settings);
    ~WritePlanCommands() override;

    // The menu items, for the window's menus to place: 写入前备份并预览
    // (PreviewBeforeWrite1) after 写入, and 检查频道... (CheckChannels1).
    struct MenuItems {
        QAction* previewBeforeWrite;
        QAction* checkChannels;
    };
    MenuItems Items() const { return {m_preview, m_check}; }

    // The dialog of the read before a write; its port set-up is the
    // caller's, as for the other transfer dialogs.
    TransferDialog& BeforeWriteForm();

    // Called when the user has said yes to writing: true when the write
    // may go ahead (the step is off, or the radio was kept and the user
    // confirmed the preview).
    bool BeforeWrite();
    // Called when the write dialog has closed with `result`: a complete
    // write of records the radio cannot hold names them again.
    void AfterWrite(const QDialog& writeForm, int result);

    void CheckChannels();
    bool PreviewBeforeWrite() const;
    void SetPreviewBeforeWrite(bool on);

private:
    QWidget& m_window;
    MessageService& m_messages;
    DocumentHost& m_host;
    AppSettings& m_settings;
    SettingToggle* m_preview = nullptr;
    QAction* m_check = nullptr;
    ReadBackHost m_radioHost;
    std::unique_ptr<TReadForm> m_readForm;
    QStringList m_refused; // what the write going on now was confirmed with
};
