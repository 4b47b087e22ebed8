#pragma once

class QMenuBar;

// F10 opens the first menu of a window's menu bar, as on most Linux
// desktops, so that every command can be reached without a mouse; the
// arrow keys then move through the menus.
class MenuBarKey
{
public:
    static void Install(QMenuBar& bar);
};
