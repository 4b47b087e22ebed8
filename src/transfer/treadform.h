#pragma once

#include <QDialog>

class DocumentHost;

// The progress dialog that reads the whole radio into the document.
class TReadForm : public QDialog
{
    Q_OBJECT

public:
    explicit TReadForm(DocumentHost& host, QWidget* parent = nullptr);

private:
    DocumentHost& m_host;
};
