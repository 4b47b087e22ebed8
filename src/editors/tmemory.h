#pragma once

#include <QDialog>

class DocumentHost;

// The memory channel editor: edits one memory channel at a time.
class TMemory : public QDialog
{
    Q_OBJECT

public:
    explicit TMemory(DocumentHost& host, QWidget* parent = nullptr);

private:
    DocumentHost& m_host;
};
