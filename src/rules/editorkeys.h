#pragma once

#include <optional>
#include <string>
#include <string_view>

// What the editors' boxes do with one typed character. Control characters
// other than Backspace and Enter never reach these (the dialogs pass them
// to the box untouched), so these filters see only printable characters,
// Backspace ('\b') and Enter ('\r').
namespace EditorKeys {

enum class Action {
    Insert,   // insert `ch` (possibly turned to upper case)
    Apply,    // Enter in a frequency or offset box: ApplyEntry
    Discard,  // drop silently
    Complain, // drop and say "Invalid character."
};

struct KeyResult {
    Action action;
    char ch;
};

// Receive, transmit and offset boxes: digits, "." and Backspace.
KeyResult FrequencyKey(char c);
// Memory name: upper-cased letters, digits, "-", "/", space, Backspace.
KeyResult NameKey(char c);
// Channel number box: digits, Backspace and the letters of "L0".."PR".
KeyResult NumberKey(char c);
// DTMF code: "0"-"9", "A"-"D" (typed in either case), "*", "#", Backspace;
// Enter is let through; anything else is complained about.
KeyResult DtmfKey(char c);

// What the channel number box's text names.
enum class NumberKind { Channel, Partial, Invalid };
struct NumberMeaning {
    NumberKind kind;
    int slot; // for Channel
};
// Digits name channels 0..199; "L0".."U9" and "PR" name 200..220; a lone
// "L", "U" or "P" is the start of such a label.
NumberMeaning ParseChannelNumber(std::string_view text);
// "5" for slot 5, "L0" for slot 200: the box's way of showing a channel.
std::string ChannelNumberText(int slot);

} // namespace EditorKeys
