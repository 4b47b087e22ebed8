#include "teditordialog.h"

#include "editorwidgets.h"
#include "shared/documenthost.h"
#include "shared/messageservice.h"

#include <QKeyEvent>
#include <QLineEdit>

TEditorDialog::TEditorDialog(DocumentHost& host, QWidget* parent) : QDialog(parent), m_host(host)
{
    setModal(true);
}

void TEditorDialog::InstallKeyHandler()
{
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool TEditorDialog::AskQuestion(EditorHost::Question question)
{
    const QString& text =
        question == EditorHost::Question::Close ? EditorWidgets::CloseQuestion : EditorWidgets::ChangeQuestion;
    return m_host.Messages().Ask(this, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void TEditorDialog::Inform(const QString& text)
{
    m_host.Messages().Inform(this, MessageService::Icon::Information, text);
}

void TEditorDialog::CloseDialog()
{
    QDialog::reject();
}

bool TEditorDialog::InsertInstead(QLineEdit* edit, char typed, char wanted)
{
    if (typed == wanted)
        return false;
    edit->insert(QString(QLatin1Char(wanted)));
    return true;
}

bool TEditorDialog::DialogKey(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Escape: Button1Click(); return true;
    case Qt::Key_PageUp: Navigate(NavKey::PageUp); return true;
    case Qt::Key_PageDown: Navigate(NavKey::PageDown); return true;
    case Qt::Key_Home: Navigate(NavKey::Home); return true;
    case Qt::Key_End: Navigate(NavKey::End); return true;
    default: return false;
    }
}

bool TEditorDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (DialogKey(key))
            return true;
        if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
            if (const auto c = EditorWidgets::TypedChar(key))
                return EditKeyPress(edit, *c);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TEditorDialog::keyPressEvent(QKeyEvent* event)
{
    if (!DialogKey(*event))
        QDialog::keyPressEvent(event);
}

void TEditorDialog::reject()
{
    Button1Click();
}

bool TEditorDialog::Refused(ChannelRules::Outcome outcome)
{
    if (outcome == ChannelRules::Outcome::BadFrequency) {
        Inform(EditorWidgets::InvalidFrequency);
        return true;
    }
    if (outcome == ChannelRules::Outcome::BadOffset) {
        Inform(EditorWidgets::InvalidOffset);
        return true;
    }
    return false;
}
