#pragma once

#include <QDialog>

// The memory channel editor: edits one memory channel at a time.
class TMemory : public QDialog
{
    Q_OBJECT

public:
    explicit TMemory(QWidget* parent = nullptr);
};
