// The radio verbs: read and write, over the same transfer state machines
// as the desktop program's dialogs.
#include "clicommands.h"
#include "cliinterrupt.h"
#include "clioptions.h"
#include "clisupport.h"
#include "clitrace.h"
#include "transferreport.h"

#include "appsettings.h"
#include "channeldocument.h"
#include "datafile.h"
#include "fileio.h"
#include "filepath.h"
#include "portlink.h"
#include "portmap.h"
#include "radioprotocol.h"
#include "readtransfer.h"
#include "tqcomm.h"
#include "transferrunner.h"
#include "transfertrace.h"
#include "writepreview.h"
#include "writetransfer.h"

#include <QFile>

#include <unistd.h>

#include <cstdio>
#include <optional>

namespace CliCommands {

namespace {

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

// Runs the transfer over the port; returns the exit status.
int RunOnPort(PortMap& ports, const QString& port, RadioTransfer& transfer, TransferTrace* trace, const char* what,
              CliInterrupt& interrupt)
{
    const std::string device = FilePath::Bytes(ports.DevicePath(port));
    if (trace)
        trace->Note(std::string(what) + " on " + device);
    TQComm comm;
    PortLink::ApplyTransferSettings(comm);
    comm.SetExceptionReport([](const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); });
    comm.SetPortName(device);
    ProgressLine progress(what);
    TransferRunner runner(comm);
    runner.SetTrace(trace);
    runner.SetProgressHook([&progress](int position) { progress.Show(position); });
    runner.SetPortCause([&ports, &port](TransferRunner::Outcome trouble) {
        const QString cause =
            trouble == TransferRunner::Outcome::NoReply ? ports.TimeoutCause(port) : ports.InvalidCause(port);
        return cause.toStdString();
    });
    std::optional<TransferRunner::Result> early = runner.Begin(transfer);
    if (!early) {
        // Abort works only once the transfer has begun.
        interrupt.SetStop([&runner] { runner.Abort(); });
        early = runner.WaitForEnd();
        interrupt.SetStop(nullptr);
    }
    const TransferRunner::Result result = runner.Conclude(std::move(*early));
    if (interrupt.Signal() != 0) {
        if (trace)
            trace->Note(std::string("stopped by ") + CliInterrupt::Name(interrupt.Signal()));
        std::fprintf(stderr, "qxp-r46-cli: stopped by %s\n", CliInterrupt::Name(interrupt.Signal()));
        return interrupt.ExitStatus();
    }
    switch (result.outcome) {
    case TransferRunner::Outcome::Finished:
    case TransferRunner::Outcome::Cancelled: return ExitOk;
    default: break;
    }
    // The message is one of our own; the cause names a device and a program.
    std::fprintf(stderr, "%s\n", result.message.c_str());
    if (!result.cause.empty())
        PrintVisibleLine(stderr, QString::fromStdString(result.cause).toLocal8Bit().toStdString());
    return ExitRadioError;
}

// `writes`: the transfer changes the radio's memory, so a simulated radio
// that cannot keep it has lost the write. A read is whole all the same.
int Run(const CliOptions& options, RadioTransfer& transfer, TransferTrace* trace, const char* what, bool writes,
        CliInterrupt& interrupt)
{
    PortMap ports;
    ports.SetAssignAdvice(QStringLiteral("Name the radio's cable with --port (qxp-r46-cli ports lists the devices), "
                                         "or give %1 one in the desktop program's 设备 → 端口设置... first."));
    const int status = RunOnPort(ports, PortName(options), transfer, trace, what, interrupt);
    // The simulated radio keeps what was written only once it has stopped.
    QString error;
    if (!ports.StopSimulatedRadio(&error)) {
        PrintVisibleLine(stderr, std::string("qxp-r46-cli: ") + (writes ? "" : "warning: ") +
                                     error.toLocal8Bit().toStdString());
        return status == ExitOk && writes ? ExitFileError : status;
    }
    return status;
}

void PrintLines(std::FILE* out, const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        PrintVisibleLine(out, line);
}

// What the write would change, and whether it may go ahead: the changes
// (with --preview) on standard output, the counts, the plan's findings and
// what the radio cannot hold on standard error. ExitOk when the write may
// go ahead, else the exit status.
int ReportPlan(const WritePreview::Result& plan, bool listChanges, bool force)
{
    if (listChanges) {
        for (const std::string& line : plan.ChangeLines())
            std::fprintf(stdout, "%s\n", line.c_str());
        if (std::fflush(stdout) != 0) {
            std::perror("qxp-r46-cli: standard output");
            return ExitFileError;
        }
    }
    std::fprintf(stderr, "%s\n", plan.CountLine().c_str());
    for (const PlanCheck::Finding& finding : plan.findings)
        if (finding.severity != PlanCheck::Severity::Error)
            PrintVisibleLine(stderr, PlanCheck::Line(finding));
    if (!plan.NeedsConfirmation())
        return ExitOk;
    std::fprintf(stderr, "This file was not made for the radio: it cannot hold these records as they are:\n");
    PrintLines(stderr, plan.RefusalLines());
    if (force)
        return ExitOk;
    std::fprintf(stderr, "Nothing was written to the radio; --force writes all the same.\n");
    return ExitRefused;
}

} // namespace

int Read(const CliOptions& options)
{
    const std::string& out = options.Positional()[0];
    CliTrace trace(options.Value("--trace").value_or(std::string()), "read");
    std::string traceError;
    if (!trace.Begin(&traceError))
        return FileError(traceError);

    CliInterrupt interrupt;
    ChannelDocument doc;
    ApplyRadioType(options, doc);
    ReadTransfer reading(doc);
    const int status = Run(options, reading, trace.Sink(), "Reading", false, interrupt);
    if (status != ExitOk)
        return status;
    // The backup is written even when OUT cannot be: what was read is kept.
    ReportRead(doc);
    std::string error;
    if (!FileIo::WriteFileAtomically(out, DataFile::WriteDataFile(doc), &error))
        return FileError(error);
    return ExitOk;
}

int Write(const CliOptions& options)
{
    const bool preview = options.Flag("--preview");
    const bool readFirst = preview || options.Flag("--backup-first");
    const bool force = options.Flag("--force");
    if (preview && options.Flag("--backup-first"))
        return UsageError("write takes --preview or --backup-first, not both");
    if (force && !readFirst)
        return UsageError("--force goes with --preview or --backup-first");

    ChannelDocument doc;
    ApplyRadioType(options, doc);
    const DataFile::LoadResult loaded = DataFile::Load(options.Positional()[0], doc);
    if (!loaded.ok)
        return FileError(loaded.error);
    CliTrace trace(options.Value("--trace").value_or(std::string()), "write");
    std::string traceError;
    if (!trace.Begin(&traceError))
        return FileError(traceError);
    CliInterrupt interrupt;
    std::vector<std::string> refused;
    if (readFirst) {
        // The radio is kept before anything is written to it, and the write
        // is weighed against what it holds and the bands it reports.
        ChannelDocument radio;
        ApplyRadioType(options, radio);
        ReadTransfer reading(radio);
        int status = Run(options, reading, trace.Sink(), "Reading", false, interrupt);
        if (status != ExitOk)
            return status;
        if (!KeepBeforeWrite(radio))
            return ExitFileError;
        const WritePreview::Result plan = WritePreview::Build(doc, radio);
        status = ReportPlan(plan, preview, force);
        if (status != ExitOk)
            return status;
        if (preview)
            return plan.NothingToChange() ? ExitOk : ExitDifferent;
        if (plan.NeedsConfirmation())
            refused = plan.RefusalLines();
    }
    WriteTransfer writing(doc);
    int status = Run(options, writing, trace.Sink(), "Writing", true, interrupt);
    NoteWrite();
    if (status != ExitOk)
        return status;
    ReportWritten(doc);
    if (!refused.empty()) {
        std::fprintf(stderr, "Written with --force; the radio cannot hold these records as they are:\n");
        PrintLines(stderr, refused);
    }
    if (!options.Flag("--verify"))
        return ExitOk;

    // The radio is read back as a read from the radio reads it, into a
    // document of its own; no backup of it, it holds what was just written.
    ChannelDocument back;
    ApplyRadioType(options, back);
    ReadTransfer reading(back);
    status = Run(options, reading, trace.Sink(), "Verifying", false, interrupt);
    if (status != ExitOk)
        return status;
    return ReportVerification(doc, back);
}

} // namespace CliCommands
