#include "appwindows.h"

#include "dataexchangecommands.h"
#include "filepath.h"
#include "portmap.h"
#include "portprobe.h"
#include "taboutbox.h"
#include "tcall.h"
#include "tdtmf.h"
#include "tmainform.h"
#include "tmemory.h"
#include "tportsetupform.h"
#include "treadform.h"
#include "tvfo.h"
#include "twelcome.h"
#include "twriteform.h"
#include "writeplancommands.h"

#include <QFile>

AppWindows::AppWindows(MessageService& messages, const QStringList& commandLine)
{
    QStringList fileArguments = commandLine;
    const bool simulatedRadio = fileArguments.removeAll(QLatin1String(SimulatedRadioOption)) > 0;
    m_ports = std::make_unique<PortMap>();
    m_portProbe = std::make_unique<PortProbe>(*m_ports);

    m_welcome = std::make_unique<TWelcome>();
    m_mainForm = std::make_unique<TMainForm>(messages);
    // The dialogs are children of the main window so that they open centred
    // over it and stay above it.
    m_memory = std::make_unique<TMemory>(*m_mainForm, m_mainForm.get());
    m_vfo = std::make_unique<TVFO>(*m_mainForm, m_mainForm.get());
    m_call = std::make_unique<TCALL>(*m_mainForm, m_mainForm.get());
    m_dtmf = std::make_unique<TDTMF>(*m_mainForm, m_mainForm.get());
    m_readForm = std::make_unique<TReadForm>(*m_mainForm, m_mainForm.get());
    m_writeForm = std::make_unique<TWriteForm>(*m_mainForm, m_mainForm.get());
    m_aboutBox = std::make_unique<TAboutBox>(m_mainForm.get());
    m_portSetupForm = std::make_unique<TPortSetupForm>(m_mainForm.get());

    if (simulatedRadio)
        m_ports->SetSimulatedRadioOn(m_mainForm->PortChoice());
    PortMap* ports = m_ports.get();
    PortProbe* probe = m_portProbe.get();
    m_mainForm->SetPortChecker([probe](const QString& port) { return (*probe)(port); });
    m_mainForm->SetPortTexts([ports](const QString& port) { return ports->DeviceLine(port); },
                             [ports](const QString& port) { return ports->InvalidCause(port); });
    for (TransferDialog* transfer :
         {static_cast<TransferDialog*>(m_readForm.get()), static_cast<TransferDialog*>(m_writeForm.get()),
          &m_mainForm->DataExchange().ReadBackForm(), &m_mainForm->WritePlan().BeforeWriteForm()}) {
        transfer->SetPortResolver([ports](const std::string& name) {
            return FilePath::Bytes(ports->DevicePath(QString::fromStdString(name)));
        });
        transfer->SetPortCause([ports](const QString& port, TransferDialog::PortTrouble trouble) {
            return trouble == TransferDialog::PortTrouble::NoReply ? ports->TimeoutCause(port)
                                                                   : ports->InvalidCause(port);
        });
    }

    m_mainForm->DataExchange().SetTransferWarning([ports] { return ports->TakeSimulatedRadioWarning(); });

    TMainForm::Dialogs dialogs;
    dialogs.memory = m_memory.get();
    dialogs.vfo = m_vfo.get();
    dialogs.call = m_call.get();
    dialogs.dtmf = m_dtmf.get();
    dialogs.read = m_readForm.get();
    dialogs.write = m_writeForm.get();
    dialogs.about = m_aboutBox.get();
    dialogs.portSetup = m_portSetupForm.get();
    m_mainForm->SetDialogs(dialogs);
    m_mainForm->SetCommandLine(fileArguments);

    m_welcome->SetNextWindow(m_mainForm.get());
    TWelcome* welcome = m_welcome.get();
    QObject::connect(m_mainForm.get(), &TMainForm::Closed, welcome, [welcome] { welcome->close(); });
}

// The dialogs are children of the main window; they go first so that it
// does not delete them a second time.
AppWindows::~AppWindows()
{
    m_portSetupForm.reset();
    m_aboutBox.reset();
    m_writeForm.reset();
    m_readForm.reset();
    m_dtmf.reset();
    m_call.reset();
    m_vfo.reset();
    m_memory.reset();
    m_mainForm.reset();
    m_welcome.reset();
    m_portProbe.reset();
    m_ports.reset();
}
