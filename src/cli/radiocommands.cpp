// The radio verbs: read and write, over the same transfer state machines
// as the desktop program's dialogs.
#include "clicommands.h"
#include "clioptions.h"
#include "clisupport.h"
#include "clitrace.h"
#include "transferreport.h"

#include "appsettings.h"
#include "channeldocument.h"
#include "datafile.h"
#include "ecommerror.h"
#include "fileio.h"
#include "portlink.h"
#include "portmap.h"
#include "radioprotocol.h"
#include "readtransfer.h"
#include "replyreader.h"
#include "tqcomm.h"
#include "transfertrace.h"
#include "writetransfer.h"

#include <QFile>

#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <mutex>

namespace CliCommands {

namespace {

// The fixed message, then the cause on a line of its own when there is one.
int RadioError(const std::string& message, const QString& cause = QString(), TransferTrace* trace = nullptr)
{
    if (trace)
        trace->Note(message);
    std::fprintf(stderr, "%s\n", message.c_str());
    if (!cause.isEmpty())
        std::fprintf(stderr, "%s\n", cause.toLocal8Bit().constData());
    return ExitRadioError;
}

// --port, else the desktop program's chosen port, else COM1.
QString PortName(const CliOptions& options)
{
    QString port = QString::fromStdString(options.Value("--port").value_or(std::string()));
    if (port.isEmpty())
        port = AppSettings().Store().value(QStringLiteral("CommPort")).toString();
    if (port.isEmpty())
        port = QStringLiteral("COM1");
    return port;
}

// One command at a time over a TQComm: the event thread only says that a
// line has come; this thread reads it and sends the next command.
class RadioLink
{
public:
    RadioLink()
    {
        PortLink::ApplyTransferSettings(m_comm);
        m_comm.SetOnCommEvent([this](TQComm&, std::uint32_t&) {
            {
                const std::lock_guard<std::mutex> lock(m_mutex);
                m_arrived = true;
            }
            m_wake.notify_all();
        });
        m_comm.SetExceptionReport([](const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); });
    }
    ~RadioLink() { m_comm.CloseCommport(); }

    TQComm& Comm() { return m_comm; }

    void Send(const std::string& line)
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_arrived = false;
        }
        PortLink::SendLine(m_comm, line);
    }

    // False when no line came before the deadline. A line that comes after
    // this returns is announced to the next call.
    bool WaitForLine(std::chrono::steady_clock::time_point deadline)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (!m_wake.wait_until(lock, deadline, [this] { return m_arrived; }))
            return false;
        m_arrived = false;
        return true;
    }

private:
    TQComm m_comm;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_arrived = false;
};

class ProgressLine
{
public:
    explicit ProgressLine(const char* what) : m_what(what), m_shown(::isatty(STDERR_FILENO) == 1) {}
    ~ProgressLine()
    {
        if (m_shown && m_last >= 0)
            std::fputc('\n', stderr);
    }
    void Show(int position)
    {
        if (!m_shown || position == m_last)
            return;
        m_last = position;
        std::fprintf(stderr, "\r%s %3d/%d", m_what, position, RadioProtocol::ProgressMaximum);
        std::fflush(stderr);
    }

private:
    const char* m_what;
    bool m_shown;
    int m_last = -1;
};

struct Transfer {
    std::function<TransferStep()> start;
    ReplyReader::Handler reply;
    std::function<int()> progress;
    bool discardAfterReply = false;
    TransferTrace* trace = nullptr; // --trace
};

// Runs the transfer over the port; returns the exit status. Causes are
// looked up after the port is closed, so our own lock does not hide them.
int RunOnPort(PortMap& ports, const QString& port, const Transfer& transfer, const char* what)
{
    const std::string device = QFile::encodeName(ports.DevicePath(port)).toStdString();
    TransferTrace* const trace = transfer.trace;
    if (trace)
        trace->Note(std::string(what) + " on " + device);
    RadioLink link;
    if (device.empty() || !link.Comm().CheckCommportValid(device))
        return RadioError(RadioProtocol::PortInvalidMessage, ports.InvalidCause(port), trace);
    link.Comm().SetPortName(device);
    ProgressLine progress(what);
    try {
        link.Comm().OpenCommport();
        ReplyReader replies;
        TransferStep step = transfer.start();
        while (step.action == TransferStep::Action::Send) {
            if (trace)
                trace->Sent(step.command + "\r");
            link.Send(step.command);
            // Lines that are not the reply do not buy the radio more time.
            const auto deadline =
                std::chrono::steady_clock::now() + std::chrono::milliseconds(RadioProtocol::ReplyTimeoutMs);
            do {
                if (!link.WaitForLine(deadline)) {
                    link.Comm().CloseCommport();
                    return RadioError(RadioProtocol::TimeoutMessage, ports.TimeoutCause(port), trace);
                }
                const std::string received = PortLink::TakeWaiting(link.Comm());
                if (trace)
                    trace->Received(received);
                step = replies.Feed(received, transfer.reply);
            } while (step.action == TransferStep::Action::Wait);
            if (transfer.discardAfterReply)
                link.Comm().ClearInBuff();
            progress.Show(transfer.progress());
        }
        if (step.action == TransferStep::Action::Failed)
            return RadioError(step.message, QString(), trace);
    } catch (const ECommError& error) {
        return RadioError(error.what(), QString(), trace);
    }
    return ExitOk;
}

int Run(const CliOptions& options, const Transfer& transfer, const char* what)
{
    PortMap ports;
    const int status = RunOnPort(ports, PortName(options), transfer, what);
    // The simulated radio keeps what was written only once it has stopped.
    QString error;
    if (!ports.StopSimulatedRadio(&error)) {
        std::fprintf(stderr, "qxp-r46-cli: %s\n", error.toLocal8Bit().constData());
        return status == ExitOk ? ExitFileError : status;
    }
    return status;
}

} // namespace

int Read(const std::vector<std::string>& args)
{
    CliOptions options;
    if (!options.Parse(args, {"--port", "--type", "--trace"}))
        return UsageError(options.Error());
    if (options.Positional().size() != 1)
        return UsageError("read needs OUT.46");
    const std::string& out = options.Positional()[0];
    if (DataFile::FormatOfPath(out) != DataFile::Format::Current) {
        return FileError();
    }
    CliTrace trace(options.Value("--trace").value_or(std::string()), "read");
    std::string traceError;
    if (!trace.Begin(&traceError))
        return FileError(traceError);

    ChannelDocument doc;
    ApplyRadioType(options, doc);
    ReadTransfer reading(doc);
    const int status = Run(options,
                           {[&] { return reading.Start(); }, [&](std::string_view r) { return reading.OnReply(r); },
                            [&] { return reading.Progress(); }, false, trace.Sink()},
                           "Reading");
    if (status != ExitOk)
        return status;
    ReportRead(doc);
    std::string error;
    if (!FileIo::WriteFileAtomically(out, DataFile::WriteDataFile(doc), &error)) {
        return FileError();
    }
    return ExitOk;
}

int Write(const std::vector<std::string>& args)
{
    CliOptions options;
    if (!options.Parse(args, {"--port", "--type", "--trace"}, {"--verify"}))
        return UsageError(options.Error());
    if (options.Positional().size() != 1)
        return UsageError("write needs IN");

    ChannelDocument doc;
    ApplyRadioType(options, doc);
    if (!DataFile::Load(options.Positional()[0], doc).ok) {
        return FileError();
    }
    CliTrace trace(options.Value("--trace").value_or(std::string()), "write");
    std::string traceError;
    if (!trace.Begin(&traceError))
        return FileError(traceError);
    WriteTransfer writing(doc);
    int status = Run(options,
                     {[&] { return writing.Start(); }, [&](std::string_view r) { return writing.OnReply(r); },
                      [&] { return writing.Progress(); }, true, trace.Sink()},
                     "Writing");
    if (status != ExitOk)
        return status;
    ReportWritten(doc);
    if (!options.Flag("--verify"))
        return ExitOk;

    // The radio is read back as a read from the radio reads it, into a
    // document of its own; no backup of it, it holds what was just written.
    ChannelDocument back;
    ApplyRadioType(options, back);
    ReadTransfer reading(back);
    status = Run(options,
                 {[&] { return reading.Start(); }, [&](std::string_view r) { return reading.OnReply(r); },
                  [&] { return reading.Progress(); }, false, trace.Sink()},
                 "Verifying");
    if (status != ExitOk)
        return status;
    return ReportVerification(doc, back);
}

} // namespace CliCommands
