#pragma once

#include <QDialog>

// The VFO editor: edits the VFO setting of one band.
class TVFO : public QDialog
{
    Q_OBJECT

public:
    explicit TVFO(QWidget* parent = nullptr);
};
