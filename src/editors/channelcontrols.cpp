#include "channelcontrols.h"

#include "editorwidgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

using namespace EditorWidgets;

// The split and offset rows share their cells; whichever is hidden keeps
// its room, so switching layouts never moves the other controls.
void KeepRoomWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

ChannelControls::ChannelControls(QWidget* parent, const Options& options) : QObject(parent), m_options(options)
{
    GroupBox1 = Group(parent, "GroupBox1", tr("频率"));
    auto* freq = new QGridLayout(GroupBox1);
    freq->setHorizontalSpacing(8);

    auto* label1 = Label(GroupBox1, "Label1", tr("接收频率"));
    Edit1 = Edit(GroupBox1, "Edit1", options.frequencyLength, FrequencyChars, false);
    Edit1->setText(QStringLiteral("144.000"));
    auto* label2 = Label(GroupBox1, "Label2", QStringLiteral("MHz"));
    auto* label3 = Label(GroupBox1, "Label3", tr("步进"));
    ComboBox3 = List(GroupBox1, "ComboBox3", StepItems());
    freq->addWidget(label1, 0, 0);
    freq->addWidget(Edit1, 0, 1);
    freq->addWidget(label2, 0, 2);
    freq->addWidget(label3, 0, 3);
    freq->addWidget(ComboBox3, 0, 4);

    if (options.split) {
        Label5 = Label(GroupBox1, "Label5", tr("发射频率"));
        Edit3 = Edit(GroupBox1, "Edit3", options.frequencyLength, FrequencyChars, false);
        Label6 = Label(GroupBox1, "Label6", QStringLiteral("MHz"));
        Label4 = Label(GroupBox1, "Label4", tr("步进"));
        ComboBox4 = List(GroupBox1, "ComboBox4", StepItems());
        freq->addWidget(Label5, 1, 0);
        freq->addWidget(Edit3, 1, 1);
        freq->addWidget(Label6, 1, 2);
        freq->addWidget(Label4, 1, 3);
        freq->addWidget(ComboBox4, 1, 4);
        for (QWidget* w : {static_cast<QWidget*>(Label5), static_cast<QWidget*>(Edit3), static_cast<QWidget*>(Label6),
                           static_cast<QWidget*>(Label4), static_cast<QWidget*>(ComboBox4)})
            KeepRoomWhenHidden(w);
    } else if (options.power) {
        Label6 = Label(GroupBox1, "Label6", tr("输出功率"));
        ComboBox4 = List(GroupBox1, "ComboBox4", {tr("高功率"), tr("低功率"), tr("经济档（最低）")});
        freq->addWidget(Label6, 1, 3);
        freq->addWidget(ComboBox4, 1, 4);
    }
    Label7 = Label(GroupBox1, "Label7", tr("频差"));
    Edit2 = Edit(GroupBox1, "Edit2", 5, FrequencyChars, false);
    Label8 = Label(GroupBox1, "Label8", QStringLiteral("MHz"));
    freq->addWidget(Label7, 1, 0);
    freq->addWidget(Edit2, 1, 1);
    freq->addWidget(Label8, 1, 2);
    for (QLineEdit* e : {Edit1, Edit2, Edit3}) {
        if (e)
            e->setFixedWidth(86);
    }
    freq->setColumnStretch(2, 1);
    for (QWidget* w : {static_cast<QWidget*>(Label7), static_cast<QWidget*>(Edit2), static_cast<QWidget*>(Label8)})
        KeepRoomWhenHidden(w);

    RadioButton1 = Radio(GroupBox1, "RadioButton1", QStringLiteral("Simplex"));
    RadioButton2 = Radio(GroupBox1, "RadioButton2", QStringLiteral("Plus Shift"));
    RadioButton3 = Radio(GroupBox1, "RadioButton3", QStringLiteral("Minus Shift"));
    RadioButton5 = Radio(GroupBox1, "RadioButton5", QStringLiteral("-7.6MHz Shift"));
    KeepRoomWhenHidden(RadioButton5);
    CheckBox4 = Check(GroupBox1, "CheckBox4", tr("反转"));
    freq->addWidget(RadioButton1, 2, 0, 1, 1);
    freq->addWidget(RadioButton2, 2, 1, 1, 2);
    freq->addWidget(RadioButton3, 2, 3, 1, 2);
    if (options.split) {
        RadioButton4 = Radio(GroupBox1, "RadioButton4", QStringLiteral("Split Channel"));
        freq->addWidget(RadioButton4, 3, 0, 1, 1);
        freq->addWidget(RadioButton5, 3, 1, 1, 2);
        freq->addWidget(CheckBox4, 3, 3, 1, 2);
    } else {
        freq->addWidget(RadioButton5, 3, 0, 1, 1);
        freq->addWidget(CheckBox4, 3, 1, 1, 2);
    }
    m_shift = new QButtonGroup(this);
    for (QRadioButton* r : {RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5}) {
        if (!r)
            continue;
        m_shift->addButton(r);
        connect(r, &QRadioButton::toggled, this, &ChannelControls::OnShiftToggled);
    }
    RadioButton1->setChecked(true);

    GroupBox2 = Group(parent, "GroupBox2", tr("亚音/音声编码静噪"));
    auto* tones = new QGridLayout(GroupBox2);
    CheckBox1 = Check(GroupBox2, "CheckBox1", tr("亚音"));
    CheckBox2 = Check(GroupBox2, "CheckBox2", tr("音声编码静噪"));
    auto* label9 = Label(GroupBox2, "Label9", tr("亚音频率"));
    auto* label10 = Label(GroupBox2, "Label10", tr("音声编码静噪频率"));
    ComboBox1 = List(GroupBox2, "ComboBox1", ToneItems());
    ComboBox2 = List(GroupBox2, "ComboBox2", ToneItems());
    ComboBox1->setCurrentIndex(7);
    ComboBox2->setCurrentIndex(7);
    tones->addWidget(CheckBox1, 0, 0);
    tones->addWidget(label9, 0, 1);
    tones->addWidget(ComboBox1, 0, 2);
    tones->addWidget(CheckBox2, 1, 0);
    tones->addWidget(label10, 1, 1);
    tones->addWidget(ComboBox2, 1, 2);
    tones->setColumnStretch(1, 1);

    // The radio encodes a tone or squelches on one, never both.
    connect(CheckBox1, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            CheckBox2->setChecked(false);
        Changed();
    });
    connect(CheckBox2, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            CheckBox1->setChecked(false);
        Changed();
    });
    connect(CheckBox4, &QCheckBox::toggled, this, &ChannelControls::Changed);
    for (QLineEdit* e : {Edit1, Edit2, Edit3}) {
        if (e)
            connect(e, &QLineEdit::textChanged, this, &ChannelControls::Changed);
    }
    for (QComboBox* c : {ComboBox1, ComboBox2, ComboBox3, ComboBox4}) {
        if (c)
            connect(c, &QComboBox::currentIndexChanged, this, &ChannelControls::Changed);
    }
    SetSplitLayout(false);
}

void ChannelControls::Changed()
{
    if (!m_applying)
        emit Edited();
}

void ChannelControls::OnShiftToggled(bool checked)
{
    if (!checked || m_applying)
        return;
    SetSplitLayout(RadioButton4 && RadioButton4->isChecked());
    emit Edited();
}

void ChannelControls::SetSplitLayout(bool split)
{
    if (!m_options.split)
        return;
    for (QWidget* w : {static_cast<QWidget*>(Label5), static_cast<QWidget*>(Edit3), static_cast<QWidget*>(Label6),
                       static_cast<QWidget*>(Label4), static_cast<QWidget*>(ComboBox4)})
        w->setVisible(split);
    for (QWidget* w : {static_cast<QWidget*>(Label7), static_cast<QWidget*>(Edit2), static_cast<QWidget*>(Label8)})
        w->setVisible(!split);
    if (split)
        CheckBox4->setChecked(false);
    CheckBox4->setEnabled(!split);
}

bool ChannelControls::IsFrequencyBox(const QLineEdit* edit) const
{
    return edit && (edit == Edit1 || edit == Edit2 || edit == Edit3);
}

void ChannelControls::Apply(const ChannelForm& form)
{
    m_applying = true;
    ShowLoaded(Edit1, QString::fromStdString(form.rx));
    ComboBox3->setCurrentIndex(form.rxStep);
    QRadioButton* shift = RadioButton1;
    switch (form.shift) {
    case ShiftMode::Plus: shift = RadioButton2; break;
    case ShiftMode::Minus: shift = RadioButton3; break;
    case ShiftMode::Minus76: shift = RadioButton5; break;
    case ShiftMode::Split: shift = RadioButton4 ? RadioButton4 : RadioButton1; break;
    default: break;
    }
    shift->setChecked(true);
    RadioButton5->setVisible(form.minus76Visible);
    RadioButton5->setEnabled(form.minus76Enabled);
    if (m_options.split) {
        ShowLoaded(Edit3, QString::fromStdString(form.tx));
        ComboBox4->setCurrentIndex(form.txStep);
    }
    SetSplitLayout(form.Split());
    CheckBox4->setChecked(form.reverse);
    CheckBox4->setEnabled(form.reverseEnabled);
    ShowLoaded(Edit2, QString::fromStdString(form.offset));
    CheckBox1->setChecked(form.tone);
    CheckBox2->setChecked(form.ctcss);
    ComboBox1->setCurrentIndex(form.toneIndex);
    ComboBox2->setCurrentIndex(form.ctcssIndex);
    if (m_options.power) {
        ComboBox4->setCurrentIndex(form.powerEnabled ? form.power : 0);
        ComboBox4->setEnabled(form.powerEnabled);
        Label6->setEnabled(form.powerEnabled);
    }
    m_applying = false;
}

ChannelForm ChannelControls::Read() const
{
    ChannelForm form;
    form.rx = Edit1->text().toStdString();
    form.rxStep = ComboBox3->currentIndex();
    if (RadioButton2->isChecked())
        form.shift = ShiftMode::Plus;
    else if (RadioButton3->isChecked())
        form.shift = ShiftMode::Minus;
    else if (RadioButton5->isChecked())
        form.shift = ShiftMode::Minus76;
    else if (RadioButton4 && RadioButton4->isChecked())
        form.shift = ShiftMode::Split;
    form.reverse = CheckBox4->isChecked();
    form.reverseEnabled = CheckBox4->isEnabled();
    form.tone = CheckBox1->isChecked();
    form.ctcss = CheckBox2->isChecked();
    form.toneIndex = ComboBox1->currentIndex();
    form.ctcssIndex = ComboBox2->currentIndex();
    form.tx = m_options.split ? Edit3->text().toStdString() : form.rx;
    form.txStep = m_options.split ? ComboBox4->currentIndex() : form.rxStep;
    form.offset = Edit2->text().toStdString();
    form.minus76Visible = !RadioButton5->isHidden();
    form.minus76Enabled = RadioButton5->isEnabled();
    form.lockoutEnabled = false;
    if (m_options.power) {
        form.powerEnabled = ComboBox4->isEnabled();
        form.power = ComboBox4->currentIndex();
    }
    return form;
}
