#pragma once

#include <QIcon>

// The tool-bar pictures, drawn at run time so that the program needs no
// image files and looks the same under every desktop theme.
namespace ToolIcons {

enum class Picture { New, Open, Save, Print, Read, Write, Cut, Copy, Paste };

QIcon Icon(Picture picture);
// The program's own emblem: a hand-held radio, used for the window icon,
// the About box and the splash.
QPixmap RadioEmblem(int size);

} // namespace ToolIcons
