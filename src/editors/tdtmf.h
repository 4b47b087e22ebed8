#pragma once

#include <QDialog>

// The DTMF memory editor: edits one of the ten DTMF memories at a time.
class TDTMF : public QDialog
{
    Q_OBJECT

public:
    explicit TDTMF(QWidget* parent = nullptr);
};
