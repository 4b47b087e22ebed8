#include "tcall.h"

#include "channelcontrols.h"
#include "channeldocument.h"
#include "channelrules.h"
#include "documenthost.h"
#include "editorkeys.h"
#include "editorwidgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace EditorWidgets;

TCALL::TCALL(DocumentHost& host, QWidget* parent) : TEditorDialog(host, parent), m_navigator(*this)
{
    setObjectName(QStringLiteral("TCALL"));
    setWindowTitle(QStringLiteral("CALL Channel"));

    auto* top = new QHBoxLayout;
    top->addWidget(Label(this, "Label11", QStringLiteral("波段")));
    m_channelList = List(this, "ComboBox5", {});
    m_channelList->setMinimumWidth(90);
    top->addWidget(m_channelList);
    top->addStretch(1);

    // CALL frequencies have always been typed without a length limit.
    m_controls = new ChannelControls(this, {true, false, 0});

    auto* ok = Button(this, "Button2", QStringLiteral("确定"));
    auto* close = Button(this, "Button1", QStringLiteral("关闭"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(top);
    layout->addWidget(m_controls->GroupBox1);
    layout->addWidget(m_controls->GroupBox2);
    layout->addLayout(buttons);

    connect(m_controls, &ChannelControls::Edited, this, &TCALL::SetModified);
    connect(m_channelList, &QComboBox::activated, this, &TCALL::ComboBox5Click);
    connect(ok, &QPushButton::clicked, this, &TCALL::Button2Click);
    connect(close, &QPushButton::clicked, this, &TCALL::Button1Click);
    InstallKeyHandler();
}

void TCALL::showEvent(QShowEvent* event)
{
    TEditorDialog::showEvent(event);
    const BandPlan& plan = m_host.Document().Plan();
    m_channelList->clear();
    m_channelList->addItem(QString::fromStdString(plan.BandName(1)));
    m_channelList->addItem(QString::fromStdString(plan.BandName(3)));
    m_navigator.Open(ChannelDocument::CallSlots, m_host.GridRow(3) - 1);
    ShowSelection();
    m_controls->Edit1->setFocus();
}

void TCALL::ShowSelection()
{
    m_channelList->setCurrentIndex(m_navigator.Selected());
}

void TCALL::LoadCall(int channel)
{
    m_loading = true;
    m_controls->Apply(ChannelRules::LoadCall(m_host.Document(), channel));
    m_loading = false;
    m_modified = false;
}

bool TCALL::StoreCall()
{
    m_host.SetChanged(true);
    const int channel = Channel();
    const ChannelRules::StoreResult result = ChannelRules::StoreCall(m_host.Document(), channel, m_controls->Read());
    if (result.outcome == ChannelRules::Outcome::BadFrequency) {
        Inform(InvalidFrequency);
        return false;
    }
    if (result.outcome == ChannelRules::Outcome::BadOffset) {
        Inform(InvalidOffset);
        return false;
    }
    m_host.RefreshGrids();
    LoadCall(channel);
    if (result.rounded)
        Inform(Rounded);
    return true;
}

void TCALL::ApplyEntry()
{
    const ChannelForm form = m_controls->Read();
    const ChannelRules::EntryResult result = ChannelRules::ApplyCallEntry(m_host.Document().Plan(), Channel(), form);
    if (result.outcome == ChannelRules::Outcome::BadFrequency) {
        Inform(InvalidFrequency);
        return;
    }
    if (result.outcome == ChannelRules::Outcome::BadOffset) {
        Inform(InvalidOffset);
        return;
    }
    if (result.form != form) {
        m_controls->Apply(result.form);
        m_modified = true;
    }
    if (result.rounded)
        Inform(Rounded);
}

void TCALL::ComboBox5Click(int index)
{
    if (index != m_navigator.Current())
        m_navigator.Pick(index);
    ShowSelection();
}

void TCALL::Navigate(NavKey key)
{
    m_navigator.Navigate(key);
    ShowSelection();
}

void TCALL::Button2Click()
{
    if (StoreCall())
        CloseDialog();
}

void TCALL::Button1Click()
{
    if (CloseAllowed())
        CloseDialog();
}

bool TCALL::EditKeyPress(QLineEdit* edit, char c)
{
    if (!m_controls->IsFrequencyBox(edit))
        return false;
    const EditorKeys::KeyResult key = EditorKeys::FrequencyKey(c);
    if (key.action == EditorKeys::Action::Apply)
        ApplyEntry();
    return key.action != EditorKeys::Action::Insert;
}
