#pragma once

#include <QDialog>

class DocumentHost;

// The CALL channel editor: edits the two CALL channels.
class TCALL : public QDialog
{
    Q_OBJECT

public:
    explicit TCALL(DocumentHost& host, QWidget* parent = nullptr);

private:
    DocumentHost& m_host;
};
