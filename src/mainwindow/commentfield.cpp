#include "commentfield.h"

#include "commentcodec.h"
#include "commentvalidator.h"
#include "documentsession.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <algorithm>

namespace {

// Typing in the box merges into one step of the history.
constexpr int kCommentTyping = 1;

} // namespace

CommentField::CommentField(DocumentSession& session, QWidget* parent) : QLineEdit(parent), m_session(session)
{
    setMaxLength(CommentCodec::MaxCharacters);
    // The label beside the box is the window's; a screen reader needs the
    // name on the box itself.
    setAccessibleName(QCoreApplication::translate("TMainForm", "评论"));
    setValidator(new CommentValidator(this));
    connect(this, &QLineEdit::textEdited, this, &CommentField::Typed);
    connect(&session, &DocumentSession::DocumentReset, this, &CommentField::Show);
    connect(&session, &DocumentSession::CommentChanged, this, [this] {
        // While the user types, the box already shows what the document
        // holds (an undecodable character there stands for the "?" stored).
        if (CommentCodec::Encode(text()) != m_session.Document().Comment())
            Show();
    });
    Show();
}

bool CommentField::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Not taken here, so the window's short-cuts get the key.
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo))
            return false;
    }
    return QLineEdit::event(event);
}

void CommentField::Show()
{
    // A longer comment from a file is shown whole, so an edit can keep its
    // tail; typing may not make it longer than it came.
    const QString shown = CommentCodec::Decode(m_session.Document().Comment());
    setMaxLength(std::max<int>(CommentCodec::MaxCharacters, static_cast<int>(shown.size())));
    setText(shown);
}

void CommentField::Typed(const QString& text)
{
    // The validator has already refused what code page 936 cannot hold.
    const auto bytes = CommentCodec::Encode(text);
    m_session.Edit(
        // The step keeps the name it has in the main window's translation.
        QCoreApplication::translate("TMainForm", "评论"),
        [&](ChannelDocument& doc) {
            if (bytes)
                doc.SetComment(*bytes);
        },
        kCommentTyping);
}
