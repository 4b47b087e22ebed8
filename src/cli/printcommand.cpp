// The print verb: the printed channel list as a PDF file.
#include "clicommands.h"
#include "clioptions.h"
#include "clisupport.h"

#include "channeldocument.h"
#include "channellistlayout.h"
#include "channellistpainter.h"
#include "commentcodec.h"
#include "documentsession.h"
#include "fileio.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>

#include <cstdio>

namespace CliCommands {

int Print(const CliOptions& options)
{
    const std::string& in = options.Positional()[0];
    const std::string& out = options.Positional()[1];
    DocumentSession session;
    if (const int status = LoadSession(session, options, in); status != ExitOk)
        return status;
    const ChannelDocument& doc = session.Document();

    // Fonts need a GUI application; without a display it runs offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own notices (a missing runtime folder, font fallbacks) are not
    // the user's business on a command line.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    int argc = 1;
    char name[] = "qxp-r46-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    const auto pages =
        ChannelListLayout::Layout(doc, "QXP-R46 [" + in + "]", CommentCodec::Decode(doc.Comment()).toStdString());

    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle(QStringLiteral("QXP-R46"));
        writer.setCreator(QStringLiteral("qxp-r46-cli"));
        if (!ChannelListPainter::Paint(writer, pages))
            return FileError(out + ": the pages could not be drawn");
    }
    std::string error;
    if (!FileIo::WriteFileAtomically(out, pdf.data().toStdString(), &error))
        return FileError(error);
    return ExitOk;
}

} // namespace CliCommands
