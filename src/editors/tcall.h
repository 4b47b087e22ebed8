#pragma once

#include <QDialog>

// The CALL channel editor: edits the two CALL channels.
class TCALL : public QDialog
{
    Q_OBJECT

public:
    explicit TCALL(QWidget* parent = nullptr);
};
