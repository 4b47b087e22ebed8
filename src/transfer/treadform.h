#pragma once

#include <QDialog>

// The progress dialog that reads the whole radio into the document.
class TReadForm : public QDialog
{
    Q_OBJECT

public:
    explicit TReadForm(QWidget* parent = nullptr);
};
