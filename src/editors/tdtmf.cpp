#include "tdtmf.h"

#include "channeldocument.h"
#include "channelrules.h"
#include "documenthost.h"
#include "editorkeys.h"
#include "editorwidgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

using namespace EditorWidgets;

TDTMF::TDTMF(DocumentHost& host, QWidget* parent) : TEditorDialog(host, parent), m_navigator(*this)
{
    setObjectName(QStringLiteral("TDTMF"));
    setWindowTitle(tr("双音声多频率"));
    // A fixed border without title-bar buttons: the dialog is left by its
    // own buttons or Esc, which ask about unsaved typing.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* top = new QHBoxLayout;
    top->addWidget(Label(this, "Label2", tr("频道序号")));
    QStringList numbers;
    for (int i = 0; i < ChannelDocument::DtmfSlots; ++i)
        numbers << QString::number(i);
    m_list = List(this, "ComboBox1", numbers);
    m_list->setMinimumWidth(60);
    top->addWidget(m_list);
    top->addStretch(1);

    auto* group = Group(this, "GroupBox1", tr("双音声多频率声码"));
    auto* groupLayout = new QHBoxLayout(group);
    m_code = Edit(group, "Edit1", 16, DtmfChars, true);
    m_code->setMinimumWidth(190);
    groupLayout->addWidget(m_code);

    const Buttons buttons = LayOut(top, {group}, tr("确定"), tr("关闭"));

    setTabOrder(m_code, buttons.ok);
    setTabOrder(buttons.ok, buttons.close);
    setTabOrder(buttons.close, m_list);

    connect(m_code, &QLineEdit::textChanged, this, &TDTMF::SetModified);
    connect(m_list, &QComboBox::activated, this, &TDTMF::ComboBox1Click);
    InstallKeyHandler();
}

void TDTMF::showEvent(QShowEvent* event)
{
    TEditorDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_navigator.Open(ChannelDocument::DtmfSlots, m_host.GridRow(4) - 1);
    m_list->setCurrentIndex(m_navigator.Selected());
    m_code->setFocus();
}

void TDTMF::Load(int)
{
    LoadDtmf();
}

void TDTMF::LoadDtmf()
{
    m_loading = true;
    ShowLoaded(m_code, QString::fromStdString(
                           m_host.Document().GetField(RecordKind::Dtmf, Index(), RecordLayout::DtmfField::Code)));
    m_loading = false;
    m_modified = false;
}

void TDTMF::StoreDtmf()
{
    const std::string record = ChannelRules::DtmfRecord(Index(), m_code->text().toStdString());
    m_host.Session().Edit(windowTitle(), [&](ChannelDocument& doc) { doc.StoreDtmf(Index(), record); });
    m_modified = false;
}

// A DTMF code is never refused, so OK and Close always close the dialog.
bool TDTMF::Store()
{
    StoreDtmf();
    return true;
}

void TDTMF::ComboBox1Click(int index)
{
    PickInList(m_navigator, m_list, index);
}

void TDTMF::Navigate(NavKey key)
{
    NavigateList(m_navigator, m_list, key);
}

bool TDTMF::EditKeyPress(QLineEdit* edit, char c)
{
    if (edit != m_code)
        return false;
    const EditorKeys::KeyResult key = EditorKeys::DtmfKey(c);
    switch (key.action) {
    case EditorKeys::Action::Insert: return InsertInstead(edit, c, key.ch);
    case EditorKeys::Action::Complain: Inform(InvalidCharacter); return true;
    default: return true;
    }
}
