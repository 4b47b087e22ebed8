#pragma once

#include <QDialog>

class DocumentHost;

// The DTMF memory editor: edits one of the ten DTMF memories at a time.
class TDTMF : public QDialog
{
    Q_OBJECT

public:
    explicit TDTMF(DocumentHost& host, QWidget* parent = nullptr);

private:
    DocumentHost& m_host;
};
