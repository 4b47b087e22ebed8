#pragma once

#include <string>

// The shift buttons of the channel editors. Split is a layout, not a record
// value: a split channel stores shift "0" and its own transmit frequency.
enum class ShiftMode { Simplex, Plus, Minus, Minus76, Split };

// What the controls of a memory, VFO or CALL editor hold, as plain values:
// the texts exactly as they stand in the boxes and the list indices. The
// rules in ChannelRules turn records into forms and forms back into records;
// the dialogs only copy forms to and from their widgets.
struct ChannelForm {
    std::string rx; // receive box, MHz text as typed
    int rxStep = 0; // receive step list index 0..9
    ShiftMode shift = ShiftMode::Simplex;
    bool reverse = false;
    bool reverseEnabled = true; // split channels cannot be reversed
    bool tone = false;
    bool ctcss = false;
    int toneIndex = 7; // 38-item tone list; 7 is 88.5 Hz
    int ctcssIndex = 7;
    std::string tx; // transmit box; holds the receive text unless split
    int txStep = 0;
    std::string offset; // offset box, MHz text
    bool minus76Visible = false;
    bool minus76Enabled = false;
    // Memory channels only.
    std::string name;
    bool lockout = false;
    bool lockoutEnabled = true;
    // VFO bands 1 and 3 only: list index 0 High, 1 Low, 2 EL.
    int power = 0;
    bool powerEnabled = false;

    bool Split() const { return shift == ShiftMode::Split; }
    bool operator==(const ChannelForm& other) const;
    bool operator!=(const ChannelForm& other) const { return !(*this == other); }
};
