#pragma once

class AppSettings;
class MessageService;
class QWidget;

// The user's choices that must outlast the run (the port, the port set-up,
// verify after write, the channel table's layout) are written out as they
// are made. When the settings file cannot be written, the user is told so
// once in the run, with the file and the reason: the choices then hold
// only until the program ends, and a box at every choice would say nothing
// new.
class SettingsNotice
{
public:
    // Writes `settings` out now; false when it could not. The first trouble
    // of `settings` is shown over `parent`, later ones are not.
    static bool Keep(AppSettings& settings, MessageService& messages, QWidget* parent);
};
