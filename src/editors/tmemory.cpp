#include "tmemory.h"

#include "channelcontrols.h"
#include "channeldocument.h"
#include "channelrules.h"
#include "documenthost.h"
#include "editorkeys.h"
#include "editorwidgets.h"
#include "recordlayout.h"
#include "tupdown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

using namespace EditorWidgets;

TMemory::TMemory(DocumentHost& host, QWidget* parent) : TEditorDialog(host, parent), m_navigator(*this)
{
    setObjectName(QStringLiteral("TMemory"));
    setWindowTitle(tr("记忆频道"));

    auto* top = new QHBoxLayout;
    QLabel* numberLabel = Label(this, "Label12", tr("记忆频道序号"));
    top->addWidget(numberLabel);
    m_number = Edit(this, "Edit6", 3, NumberChars, true);
    numberLabel->setBuddy(m_number); // the box's name for a screen reader
    m_number->setFixedWidth(44);
    top->addWidget(m_number);
    m_upDown = new TUpDown(this);
    m_upDown->setObjectName(QStringLiteral("UpDown1"));
    m_upDown->SetRange(0, ChannelNavigator::LastSlot);
    top->addWidget(m_upDown);
    top->addStretch(1);

    m_controls = new ChannelControls(this, {true, false, 9});

    auto* options = Group(this, "GroupBox3", tr("选项"));
    auto* optionsLayout = new QGridLayout(options);
    optionsLayout->addWidget(Label(options, "Label11", tr("记忆名称")), 0, 0);
    m_name = Edit(options, "Edit5", static_cast<int>(RecordLayout::ChannelName::Length), NameChars, true);
    m_name->setFixedWidth(80);
    optionsLayout->addWidget(m_name, 0, 1);
    m_lockout = Check(options, "CheckBox3", QStringLiteral("Lock Out"));
    optionsLayout->addWidget(m_lockout, 0, 2);
    optionsLayout->setColumnStretch(2, 1);
    optionsLayout->setColumnMinimumWidth(1, 90);

    LayOut(top, {m_controls->GroupBox1, m_controls->GroupBox2, options}, tr("确定"), tr("关闭"));

    connect(m_controls, &ChannelControls::Edited, this, &TMemory::SetModified);
    connect(m_name, &QLineEdit::textChanged, this, &TMemory::SetModified);
    connect(m_lockout, &QCheckBox::toggled, this, &TMemory::SetModified);
    connect(m_number, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!m_loading)
            m_navigator.NumberChanged(text.toStdString());
    });
    connect(m_upDown, &TUpDown::Clicked, this, [this](int delta) { m_navigator.Step(delta); });
    InstallKeyHandler();
}

void TMemory::showEvent(QShowEvent* event)
{
    TEditorDialog::showEvent(event);
    // Grid row 1 is channel 0.
    m_navigator.Open(m_host.GridRow(1) - 1);
    m_controls->Edit1->setFocus();
}

ChannelForm TMemory::ReadForm() const
{
    ChannelForm form = m_controls->Read();
    form.name = m_name->text().toStdString();
    form.lockout = m_lockout->isChecked();
    form.lockoutEnabled = m_lockout->isEnabled();
    return form;
}

void TMemory::ApplyForm(const ChannelForm& form)
{
    m_controls->Apply(form);
    const bool loading = m_loading;
    m_loading = true;
    ShowLoaded(m_name, QString::fromStdString(form.name));
    m_lockout->setChecked(form.lockout);
    m_lockout->setEnabled(form.lockoutEnabled);
    m_loading = loading;
}

void TMemory::LoadChannel(int slot)
{
    m_loading = true;
    m_number->setText(QString::fromStdString(EditorKeys::ChannelNumberText(slot)));
    m_upDown->SetPosition(slot);
    ApplyForm(ChannelRules::LoadChannel(m_host.Document(), slot));
    m_loading = false;
    m_modified = false;
}

bool TMemory::StoreChannel()
{
    // The document counts as changed even when the entry is refused; the
    // session marks it so.
    const ChannelForm form = ReadForm();
    ChannelRules::StoreResult result;
    m_host.Session().Edit(windowTitle(),
                          [&](ChannelDocument& doc) { result = ChannelRules::StoreChannel(doc, Position(), form); });
    if (Refused(result.outcome))
        return false;
    // The boxes keep the typed text; only the steps show what was stored.
    m_loading = true;
    m_controls->ComboBox3->setCurrentIndex(result.rxStep);
    if (form.Split())
        m_controls->ComboBox4->setCurrentIndex(result.txStep);
    m_loading = false;
    m_modified = false;
    if (result.rounded)
        Inform(Rounded);
    return true;
}

void TMemory::ApplyEntry()
{
    const ChannelForm form = ReadForm();
    const ChannelRules::EntryResult result = ChannelRules::ApplyChannelEntry(m_host.Document().Plan(), form);
    if (Refused(result.outcome))
        return;
    if (result.form != form) {
        ApplyForm(result.form);
        m_modified = true;
    }
    if (result.rounded)
        Inform(Rounded);
}

void TMemory::Navigate(NavKey key)
{
    m_navigator.Navigate(key, m_number->text().toStdString());
}

bool TMemory::EditKeyPress(QLineEdit* edit, char c)
{
    if (m_controls->IsFrequencyBox(edit)) {
        const EditorKeys::KeyResult key = EditorKeys::FrequencyKey(c);
        if (key.action == EditorKeys::Action::Apply)
            ApplyEntry();
        return key.action != EditorKeys::Action::Insert;
    }
    if (edit == m_name) {
        // Enter after the name is the end of the edit: it stores and closes
        // as 确定 does (the frequency boxes keep their own Enter).
        if (c == '\r') {
            Button2Click();
            return true;
        }
        const EditorKeys::KeyResult key = EditorKeys::NameKey(c);
        if (key.action != EditorKeys::Action::Insert)
            return true;
        return InsertInstead(edit, c, key.ch);
    }
    if (edit == m_number) {
        char wanted = c;
        if (!m_navigator.NumberKey(&wanted))
            return true;
        return InsertInstead(edit, c, wanted);
    }
    return false;
}

void TMemory::ShowNumber(const std::string& text)
{
    m_loading = true;
    m_number->setText(QString::fromStdString(text));
    m_loading = false;
}

void TMemory::InvalidNumber()
{
    Inform(InvalidChannel);
}
