#pragma once

#include <QDialog>

class DocumentHost;

// The progress dialog that writes the document into the radio.
class TWriteForm : public QDialog
{
    Q_OBJECT

public:
    explicit TWriteForm(DocumentHost& host, QWidget* parent = nullptr);

private:
    DocumentHost& m_host;
};
