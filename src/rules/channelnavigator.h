#pragma once

#include "editorhost.h"
#include "recordlayout.h"

#include <string>
#include <string_view>

// The memory editor's ways between its 221 channels: the channel number
// box, the up-down beside it and the navigation keys.
//
// How it works. The number box is acted on at each keystroke: once its text
// names a channel (a number below 200 or one of the 21 edge labels), the
// editor leaves the shown channel (asking first when there are unsaved
// changes) and loads that one. A rejected keystroke sets
// SuppressNumberChange, which swallows the next change of the box. The
// up-down asks before it moves; the navigation keys run the number box's
// procedure on its current text, then move one channel or to either end.
//
// A store refused while leaving (a malformed frequency or offset) always
// keeps the shown channel with the user's text in place, so a Yes answer
// can never lose the typing.
class ChannelNavigator
{
public:
    // EditorHost is virtual, so that a dialog can implement its part once.
    class Host : public virtual EditorHost
    {
    public:
        // Puts a channel's number or label back into the number box.
        virtual void ShowNumber(const std::string& text) = 0;
        // "Invalid channel Number.\nPlease check and try again."
        virtual void InvalidNumber() = 0;
    };

    static constexpr int LastSlot = RecordLayout::MemorySlot::Priority;

    explicit ChannelNavigator(Host& host) : m_host(host) {}

    void Open(int slot);
    int Position() const { return m_position; }

    // A character typed into the number box: the character to insert, or
    // nothing when it is discarded.
    bool NumberKey(char* c);
    // The number box's text after a keystroke.
    void NumberChanged(std::string_view text);
    // An up-down arrow: +1 or -1, wrapping at both ends.
    void Step(int delta);
    void Navigate(NavKey key, std::string_view numberText);

    bool SuppressNumberChange() const { return m_suppressNumberChange; }

private:
    enum class Leave { Stay, Left };
    Leave LeaveFor(int slot);
    Leave RunNumberChange(std::string_view text);

    Host& m_host;
    int m_position = 0;
    bool m_suppressNumberChange = false;
};
