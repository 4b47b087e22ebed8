#pragma once

#include <QDialog>

// The progress dialog that writes the document into the radio.
class TWriteForm : public QDialog
{
    Q_OBJECT

public:
    explicit TWriteForm(QWidget* parent = nullptr);
};
