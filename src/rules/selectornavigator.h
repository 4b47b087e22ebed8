#pragma once

#include "editorhost.h"

// How the VFO, CALL and DTMF editors move between the items of their
// selector list without losing typing by surprise.
//
// How it works. Leaving the shown item takes two steps, as a list box
// reports them: a click (the user picked an item) and a change (the list's
// index has moved). The click asks the change question when there are
// unsaved changes; Yes stores, and a refused store sends the list back to
// the shown item and withholds permission to switch. The change switches
// only with that permission. The four navigation keys run the click, move
// the list, run the click again (so typing answered No the first time is
// offered once more, and Yes stores it into the item still shown), then the
// change. The key is consumed whatever happens.
class SelectorNavigator
{
public:
    explicit SelectorNavigator(EditorHost& host) : m_host(host) {}

    // Shows item `item` of `count` (clamped into range).
    void Open(int count, int item);
    int Count() const { return m_count; }
    // The item being edited: the one a store writes to.
    int Current() const { return m_current; }
    // Where the list stands; the dialog shows this index after each call.
    int Selected() const { return m_selected; }

    // The user picked an item in the list.
    void Pick(int item);
    void Navigate(NavKey key);

private:
    void Click();
    void Change();

    EditorHost& m_host;
    int m_count = 1;
    int m_current = 0;
    int m_selected = 0;
    bool m_switchAllowed = true;
};
