#pragma once

#include "languagechoice.h"

class MessageService;
class QCoreApplication;
class QWidget;

// The language of this run's interface. The Chinese captions are the
// source texts, so Chinese needs nothing installed; English comes from the
// translation qxp-r46_en.qm. The language is settled once, before the first
// window is built: every window is built at start-up and kept, so a new
// choice takes effect at the next start.
class UiLanguage
{
public:
    // Installs the translation for `language` in `app`. It is looked up
    // beside the program (the build tree), then in the installed share
    // folder, then in the copy built into the program, so a corrected file
    // needs no rebuild. False when none could be loaded: the interface then
    // stays Chinese.
    static bool Install(QCoreApplication& app, LanguageChoice::Language language);

    // The items of the language menu: keeps the choice in the settings store
    // and tells the user that it applies at the next start (or why it could
    // not be kept).
    static void Choose(LanguageChoice::Language language, MessageService& messages, QWidget* parent);
};
