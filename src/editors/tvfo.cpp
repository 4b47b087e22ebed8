#include "tvfo.h"

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

TVFO::TVFO(DocumentHost& host, QWidget* parent) : TEditorDialog(host, parent), m_navigator(*this)
{
    setObjectName(QStringLiteral("TVFO"));
    setWindowTitle(QStringLiteral("VFO"));

    auto* top = new QHBoxLayout;
    top->addWidget(Label(this, "Label11", QStringLiteral("波段")));
    m_bandList = List(this, "ComboBox5", {});
    m_bandList->setMinimumWidth(90);
    top->addWidget(m_bandList);
    top->addStretch(1);

    m_controls = new ChannelControls(this, {false, true, 9});

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

    connect(m_controls, &ChannelControls::Edited, this, &TVFO::SetModified);
    connect(m_bandList, &QComboBox::activated, this, &TVFO::ComboBox5Click);
    connect(ok, &QPushButton::clicked, this, &TVFO::Button2Click);
    connect(close, &QPushButton::clicked, this, &TVFO::Button1Click);
    InstallKeyHandler();
}

void TVFO::showEvent(QShowEvent* event)
{
    TEditorDialog::showEvent(event);
    // The bands can change between showings: a read from another radio.
    const ChannelDocument& doc = m_host.Document();
    m_bands = ChannelRules::VfoBands(doc.Plan());
    m_bandList->clear();
    for (int band : m_bands)
        m_bandList->addItem(QString::fromStdString(doc.Plan().BandName(band)));
    m_navigator.Open(static_cast<int>(m_bands.size()), m_host.GridRow(2) - 1);
    ShowSelection();
    m_controls->Edit1->setFocus();
}

int TVFO::Band() const
{
    const int item = m_navigator.Current();
    return item < static_cast<int>(m_bands.size()) ? m_bands[static_cast<std::size_t>(item)] : 1;
}

void TVFO::ShowSelection()
{
    m_bandList->setCurrentIndex(m_navigator.Selected());
}

void TVFO::Load(int item)
{
    if (item >= 0 && item < static_cast<int>(m_bands.size()))
        LoadBand(m_bands[static_cast<std::size_t>(item)]);
}

void TVFO::LoadBand(int band)
{
    m_loading = true;
    m_controls->Apply(ChannelRules::LoadBand(m_host.Document(), band));
    m_loading = false;
    m_modified = false;
}

bool TVFO::StoreBand()
{
    m_host.SetChanged(true);
    const int band = Band();
    const ChannelRules::StoreResult result = ChannelRules::StoreBand(m_host.Document(), band, m_controls->Read());
    if (result.outcome == ChannelRules::Outcome::BadFrequency) {
        Inform(InvalidFrequency);
        return false;
    }
    if (result.outcome == ChannelRules::Outcome::BadOffset) {
        Inform(InvalidOffset);
        return false;
    }
    m_host.RefreshGrids();
    LoadBand(band);
    if (result.rounded)
        Inform(Rounded);
    return true;
}

void TVFO::ApplyEntry()
{
    const ChannelForm form = m_controls->Read();
    const ChannelRules::EntryResult result = ChannelRules::ApplyBandEntry(m_host.Document().Plan(), Band(), form);
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

void TVFO::ComboBox5Click(int index)
{
    if (index != m_navigator.Current())
        m_navigator.Pick(index);
    ShowSelection();
}

void TVFO::Navigate(NavKey key)
{
    m_navigator.Navigate(key);
    ShowSelection();
}

void TVFO::Button2Click()
{
    if (StoreBand())
        CloseDialog();
}

void TVFO::Button1Click()
{
    if (CloseAllowed())
        CloseDialog();
}

bool TVFO::EditKeyPress(QLineEdit* edit, char c)
{
    if (!m_controls->IsFrequencyBox(edit))
        return false;
    const EditorKeys::KeyResult key = EditorKeys::FrequencyKey(c);
    if (key.action == EditorKeys::Action::Apply)
        ApplyEntry();
    return key.action != EditorKeys::Action::Insert;
}
