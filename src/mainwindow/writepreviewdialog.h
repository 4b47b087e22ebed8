#pragma once

#include "writepreview.h"

#include <QDialog>

class QPushButton;
class QTreeWidget;

// Shows what a write will change in the radio before anything is sent:
// the counts on top, then, when the file was not made for this radio, the
// records it cannot hold, and below them the changes grouped as channels
// added, removed and changed, the VFO, CALL and DTMF records, the findings
// of the plan check and the comment, which stays behind. Each change is a
// row: label, field, in the radio now, after the write.
//
// 写入 accepts, 取消 (or Esc) rejects. When nothing would change, the
// write button reads 仍然写入 and Cancel is the default. The list takes the
// focus first, so the arrow keys scroll it and Enter presses the default
// button.
class WritePreviewDialog : public QDialog
{
    Q_OBJECT

public:
    // `backupName` is the file the radio was kept in.
    WritePreviewDialog(const WritePreview::Result& preview, const QString& backupName, QWidget* parent = nullptr);

    QTreeWidget* ChangeList() const { return m_list; }
    QPushButton* WriteButton() const { return m_write; }
    QPushButton* CancelButton() const { return m_cancel; }

private:
    QTreeWidget* m_list = nullptr;
    QPushButton* m_write = nullptr;
    QPushButton* m_cancel = nullptr;
};
