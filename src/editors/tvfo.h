#pragma once

#include <QDialog>

class DocumentHost;

// The VFO editor: edits the VFO setting of one band.
class TVFO : public QDialog
{
    Q_OBJECT

public:
    explicit TVFO(DocumentHost& host, QWidget* parent = nullptr);

private:
    DocumentHost& m_host;
};
