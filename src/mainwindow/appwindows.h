#pragma once

#include <QStringList>

#include <memory>

class MessageService;
class TAboutBox;
class TCALL;
class TDTMF;
class TMainForm;
class TMemory;
class TReadForm;
class TVFO;
class TWelcome;
class TWriteForm;

// The program's windows, created once in a fixed order and kept for the
// whole run: the splash first (it is shown at once and its timer runs from
// here), then the main window, which reads the settings and builds the
// document, then the editors, the transfer dialogs and the About box, which
// reach the document only when they are shown.
//
// Closing the main window closes the splash; the splash's Closed signal is
// the end of the program.
class AppWindows
{
public:
    AppWindows(MessageService& messages, const QStringList& commandLine);
    ~AppWindows();
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    TWelcome& Welcome() const { return *m_welcome; }
    TMainForm& MainForm() const { return *m_mainForm; }
    TAboutBox& AboutBox() const { return *m_aboutBox; }

private:
    std::unique_ptr<TWelcome> m_welcome;
    std::unique_ptr<TMainForm> m_mainForm;
    std::unique_ptr<TMemory> m_memory;
    std::unique_ptr<TVFO> m_vfo;
    std::unique_ptr<TCALL> m_call;
    std::unique_ptr<TDTMF> m_dtmf;
    std::unique_ptr<TReadForm> m_readForm;
    std::unique_ptr<TWriteForm> m_writeForm;
    std::unique_ptr<TAboutBox> m_aboutBox;
};
