// The file verbs: convert and list.
#include "clicommands.h"
#include "clioptions.h"
#include "clisupport.h"

#include "channellisting.h"
#include "commentcodec.h"
#include "documentsession.h"

namespace CliCommands {

int Convert(const CliOptions& options)
{
    DocumentSession session;
    if (const int status = LoadSession(session, options, options.Positional()[0]); status != ExitOk)
        return status;
    const DocumentSession::FileResult saved = session.Save(options.Positional()[1]);
    if (!saved.ok)
        return FileError(saved.error);
    return ExitOk;
}

int List(const CliOptions& options)
{
    DocumentSession session;
    if (const int status = LoadSession(session, options, options.Positional()[0]); status != ExitOk)
        return status;
    const ChannelDocument& doc = session.Document();

    std::vector<std::string> lines = ChannelListing::ListLines(doc);
    if (!doc.Comment().empty())
        lines[1] = CommentCodec::Decode(doc.Comment()).toStdString();
    return PrintLines(lines);
}

} // namespace CliCommands
