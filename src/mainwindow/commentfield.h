#pragma once

#include <QLineEdit>

class DocumentSession;

// The main window's "评论" box over the document session: it shows the
// comment and stores what is typed, a run of typing as one step of the
// history. Only what code page 936 can hold may be typed; a longer comment
// from a file is shown whole and may not grow. Ctrl+Z and Ctrl+Y here are
// the window's Undo and Redo: a history of the box's own beside the
// document's would undo the same typing twice.
class CommentField : public QLineEdit
{
    Q_OBJECT

public:
    CommentField(DocumentSession& session, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;

private:
    void Show();
    void Typed(const QString& text);

    DocumentSession& m_session;
};
