// The file verbs: convert and list.
#include "clicommands.h"
#include "clioptions.h"
#include "clisupport.h"

#include "channellisting.h"
#include "commentcodec.h"
#include "datafile.h"
#include "documentsession.h"

#include <cstdio>

namespace CliCommands {

int Convert(const std::vector<std::string>& args)
{
    CliOptions options;
    if (!options.Parse(args, {"--type"}, 2, "convert needs IN and OUT"))
        return UsageError(options.Error());
    const std::string& in = options.Positional()[0];
    const std::string& out = options.Positional()[1];
    if (DataFile::FormatOfPath(out) != DataFile::Format::Current)
        return FileError(out + ": the output needs the extension .46");

    DocumentSession session;
    if (const int status = LoadSession(session, options, in); status != ExitOk)
        return status;
    const DocumentSession::FileResult saved = session.Save(out);
    if (!saved.ok)
        return FileError(saved.error);
    return ExitOk;
}

int List(const std::vector<std::string>& args)
{
    CliOptions options;
    if (!options.Parse(args, {"--type"}, 1, "list needs one FILE"))
        return UsageError(options.Error());

    DocumentSession session;
    if (const int status = LoadSession(session, options, options.Positional()[0]); status != ExitOk)
        return status;
    const ChannelDocument& doc = session.Document();

    std::vector<std::string> lines = ChannelListing::ListLines(doc);
    if (!doc.Comment().empty())
        lines[1] = CommentCodec::Decode(doc.Comment()).toStdString();
    std::string text;
    text.reserve(lines.size() * 64);
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

} // namespace CliCommands
