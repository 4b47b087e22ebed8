#include "teditordialog.h"

#include "documenthost.h"
#include "editorwidgets.h"
#include "messageservice.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TEditorDialog::TEditorDialog(DocumentHost& host, QWidget* parent) : QDialog(parent), m_host(host)
{
    setModal(true);
}

TEditorDialog::Buttons TEditorDialog::LayOut(QLayout* top, std::initializer_list<QWidget*> boxes,
                                             const QString& okCaption, const QString& closeCaption)
{
    auto* ok = EditorWidgets::Button(this, "Button2", okCaption);
    auto* close = EditorWidgets::Button(this, "Button1", closeCaption);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(top);
    for (QWidget* box : boxes)
        layout->addWidget(box);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &TEditorDialog::Button2Click);
    connect(close, &QPushButton::clicked, this, &TEditorDialog::Button1Click);
    return {ok, close};
}

void TEditorDialog::InstallKeyHandler()
{
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool TEditorDialog::AskYes(Question question)
{
    const QString& text = question == Question::Close ? EditorWidgets::CloseQuestion : EditorWidgets::ChangeQuestion;
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

void TEditorDialog::Button2Click()
{
    if (Store())
        CloseDialog();
}

void TEditorDialog::Button1Click()
{
    if (CloseAllowed())
        CloseDialog();
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
