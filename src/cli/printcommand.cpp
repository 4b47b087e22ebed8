// The print verb: the printed channel list as a PDF file.
#include "clicommands.h"
#include "clioptions.h"

#include "appsettings.h"
#include "channeldocument.h"
#include "channellistlayout.h"
#include "channellistpainter.h"
#include "datafile.h"
#include "fileio.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QStringDecoder>

#include <cstdio>

namespace CliCommands {

namespace {

bool EndsWithPdf(const std::string& path)
{
    if (path.size() < 4)
        return false;
    std::string ext = path.substr(path.size() - 4);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return ext == ".pdf";
}

} // namespace

int Print(const std::vector<std::string>& args)
{
    CliOptions options;
    if (!options.Parse(args, {"--type"}) || options.Positional().size() != 2) {
        if (!options.Error().empty())
            std::fprintf(stderr, "qxp-r46-cli: %s\n", options.Error().c_str());
        PrintUsage(true);
        return ExitUsage;
    }
    const std::string& in = options.Positional()[0];
    const std::string& out = options.Positional()[1];
    if (!EndsWithPdf(out)) {
        std::fprintf(stderr, "File Open error.\n");
        return ExitFileError;
    }

    ChannelDocument doc;
    doc.StoreRadioType(options.Value("--type") ? *options.Value("--type")
                                               : AppSettings().RadioType().toLatin1().toStdString());
    if (!DataFile::Load(in, doc).ok) {
        std::fprintf(stderr, "File Open error.\n");
        return ExitFileError;
    }

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

    QStringDecoder decoder("GBK");
    const QByteArray commentBytes(doc.Comment().data(), static_cast<qsizetype>(doc.Comment().size()));
    const std::string comment =
        decoder.isValid() ? QString(decoder.decode(commentBytes)).toStdString() : doc.Comment();
    const auto pages = ChannelListLayout::Layout(doc, "QXP-R46 [" + in + "]", comment);

    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle(QStringLiteral("QXP-R46"));
        writer.setCreator(QStringLiteral("qxp-r46-cli"));
        if (!ChannelListPainter::Paint(writer, pages)) {
            std::fprintf(stderr, "File Open error.\n");
            return ExitFileError;
        }
    }
    std::string error;
    if (!FileIo::WriteFileAtomically(out, pdf.data().toStdString(), &error)) {
        std::fprintf(stderr, "File Open error.\n");
        return ExitFileError;
    }
    return ExitOk;
}

} // namespace CliCommands
