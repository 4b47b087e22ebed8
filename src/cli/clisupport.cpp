#include "clisupport.h"

#include "clicommands.h"
#include "clioptions.h"

#include "appsettings.h"
#include "channeldocument.h"
#include "documentsession.h"
#include "visibletext.h"

#include <cstdio>

namespace CliCommands {

int FileError()
{
    std::fprintf(stderr, "File Open error.\n");
    return ExitFileError;
}

int FileError(const std::string& cause)
{
    FileError();
    std::fprintf(stderr, "qxp-r46-cli: %s\n", VisibleText::Of(cause).c_str());
    return ExitFileError;
}

int FileError(const QString& cause)
{
    return FileError(cause.toLocal8Bit().toStdString());
}

void PrintVisibleLine(std::FILE* out, const std::string& text)
{
    std::fprintf(out, "%s\n", VisibleText::Of(text).c_str());
}

int UsageError(const std::string& detail, int status)
{
    if (!detail.empty())
        std::fprintf(stderr, "qxp-r46-cli: %s\n", detail.c_str());
    PrintUsage(true);
    return status;
}

int PrintLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
        std::perror("qxp-r46-cli: standard output");
        return ExitFileError;
    }
    return ExitOk;
}

void ApplyRadioType(const CliOptions& options, ChannelDocument& doc)
{
    if (auto type = options.Value("--type"))
        doc.StoreRadioType(*type);
    else
        doc.StoreRadioType(AppSettings().RadioType().toLatin1().toStdString());
}

void ApplyRadioPlan(const CliOptions& options, ChannelDocument& doc)
{
    ApplyRadioType(options, doc);
    if (options.Value("--type"))
        return;
    AppSettings settings;
    for (int band = 0; band < BandPlan::BandCount; ++band) {
        const QString limit = settings.Store().value(QStringLiteral("Limit%1").arg(band)).toString();
        if (doc.Plan().BandExists(band) && !limit.isEmpty())
            doc.Plan().SetLimitRecord(band, limit.toLatin1().toStdString());
    }
}

BandPlan RadioPlan(const CliOptions& options)
{
    ChannelDocument doc;
    ApplyRadioType(options, doc);
    return doc.Plan();
}

int LoadSession(DocumentSession& session, const CliOptions& options, const std::string& path)
{
    session.StartWith(RadioPlan(options));
    const DocumentSession::FileResult loaded = session.Load(path, DocumentSession::Layouts::CurrentOrOld);
    return loaded.ok ? ExitOk : FileError(loaded.error);
}

bool HasExtension(const std::string& path, const std::string& extension)
{
    if (path.size() < extension.size())
        return false;
    for (std::size_t i = 0; i < extension.size(); ++i) {
        char c = path[path.size() - extension.size() + i];
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
        if (c != extension[i])
            return false;
    }
    return true;
}

} // namespace CliCommands
