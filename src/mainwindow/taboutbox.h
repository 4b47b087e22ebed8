#pragma once

#include <QDialog>

// The About box: program icon, product line, version and a line about this
// edition, with an OK button. It keeps no state and can be shown any number
// of times.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);
};
