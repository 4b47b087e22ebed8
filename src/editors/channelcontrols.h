#pragma once

#include "channelform.h"

#include <QObject>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

// The frequency and tone groups that the memory, VFO and CALL editors have
// in common, with the names the dialogs give them, and the copying of a
// ChannelForm into them and back. It also keeps the two layouts (split:
// transmit box and step shown, offset hidden, no reverse) and the tone and
// CTCSS boxes' exclusion, and says when the user changed something.
class ChannelControls : public QObject
{
    Q_OBJECT

public:
    struct Options {
        bool split = false;      // "Split Channel" with the transmit box and step
        bool power = false;      // the VFO's output power list
        int frequencyLength = 9; // 0: the boxes take any length
    };

    ChannelControls(QWidget* parent, const Options& options);

    // Fills the controls; does not count as the user's change. The boxes
    // show the form's texts as they are: the key filters are for typing.
    void Apply(const ChannelForm& form);
    // The controls' values; name and lock-out are left empty.
    ChannelForm Read() const;

    // Receive, transmit (split only) and offset: the boxes where Enter runs
    // ApplyEntry and the frequency key filter applies.
    bool IsFrequencyBox(const QLineEdit* edit) const;

    QGroupBox* GroupBox1 = nullptr; // "频率"
    QGroupBox* GroupBox2 = nullptr; // tone and CTCSS
    QLineEdit* Edit1 = nullptr;     // receive
    QComboBox* ComboBox3 = nullptr; // receive step
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QRadioButton* RadioButton4 = nullptr; // split; null on the VFO editor
    QRadioButton* RadioButton5 = nullptr; // -7.6 MHz
    QCheckBox* CheckBox4 = nullptr;       // reverse
    QLabel* Label5 = nullptr;
    QLineEdit* Edit3 = nullptr; // transmit; null on the VFO editor
    QLabel* Label6 = nullptr;   // transmit "MHz", or the VFO's power caption
    QLabel* Label4 = nullptr;
    QComboBox* ComboBox4 = nullptr; // transmit step, or the VFO's power list
    QLabel* Label7 = nullptr;
    QLineEdit* Edit2 = nullptr; // offset
    QLabel* Label8 = nullptr;
    QCheckBox* CheckBox1 = nullptr; // tone
    QCheckBox* CheckBox2 = nullptr; // CTCSS
    QComboBox* ComboBox1 = nullptr; // tone frequency
    QComboBox* ComboBox2 = nullptr; // CTCSS frequency

signals:
    // The user changed a box, a list, a shift button or a check box.
    void Edited();

private:
    void SetSplitLayout(bool split);
    void OnShiftToggled(bool checked);
    void Changed();

    Options m_options;
    QButtonGroup* m_shift = nullptr;
    bool m_applying = false;
};
