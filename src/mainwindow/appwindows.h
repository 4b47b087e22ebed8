#pragma once

#include <QStringList>

#include <memory>

class MessageService;
class PortMap;
class PortProbe;
class TAboutBox;
class TCALL;
class TDTMF;
class TMainForm;
class TMemory;
class TPortSetupForm;
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
//
// The port map behind all of them is made first: the main window's port
// items, the transfer dialogs and the port set-up dialog all lead port
// names to devices through it, and it runs the built-in simulated radio.
// "--simulated-radio" on the command line puts that radio on the chosen
// port for this run (nothing is stored); the rest names a data file.
class AppWindows
{
public:
    static constexpr const char* SimulatedRadioOption = "--simulated-radio";

    AppWindows(MessageService& messages, const QStringList& commandLine);
    ~AppWindows();
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    TWelcome& Welcome() const { return *m_welcome; }
    TMainForm& MainForm() const { return *m_mainForm; }
    TAboutBox& AboutBox() const { return *m_aboutBox; }
    PortMap& Ports() const { return *m_ports; }

private:
    std::unique_ptr<PortMap> m_ports;
    std::unique_ptr<PortProbe> m_portProbe;
    std::unique_ptr<TWelcome> m_welcome;
    std::unique_ptr<TMainForm> m_mainForm;
    std::unique_ptr<TMemory> m_memory;
    std::unique_ptr<TVFO> m_vfo;
    std::unique_ptr<TCALL> m_call;
    std::unique_ptr<TDTMF> m_dtmf;
    std::unique_ptr<TReadForm> m_readForm;
    std::unique_ptr<TWriteForm> m_writeForm;
    std::unique_ptr<TAboutBox> m_aboutBox;
    std::unique_ptr<TPortSetupForm> m_portSetupForm;
};
