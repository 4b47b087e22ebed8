// The file verbs: convert and list.
#include "clicommands.h"
#include "clioptions.h"

#include "appsettings.h"
#include "channeldocument.h"
#include "channellisting.h"
#include "datafile.h"
#include "fileio.h"

#include <QStringDecoder>

#include <cstdio>

namespace CliCommands {

namespace {

constexpr const char* kFileError = "File Open error.";

// The message is the program's own, alone on its line, whatever the cause;
// the cause itself is not shown, as in the desktop program.
int FileError(const std::string& /*detail*/)
{
    std::fprintf(stderr, "%s\n", kFileError);
    return ExitFileError;
}

int UsageError(const std::string& detail)
{
    if (!detail.empty())
        std::fprintf(stderr, "qxp-r46-cli: %s\n", detail.c_str());
    PrintUsage(true);
    return ExitUsage;
}

// The radio type decides the band defaults and the offsets of converted
// V1.00 channels, so it is set before the file is read.
void ApplyRadioType(const CliOptions& options, ChannelDocument& doc)
{
    if (auto type = options.Value("--type"))
        doc.StoreRadioType(*type);
    else
        doc.StoreRadioType(AppSettings().RadioType().toLatin1().toStdString());
}

std::string ToUtf8FromCp936(const std::string& bytes)
{
    QStringDecoder decoder("GBK");
    if (!decoder.isValid())
        return bytes;
    const QString text = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return text.toStdString();
}

} // namespace

int Convert(const std::vector<std::string>& args)
{
    CliOptions options;
    if (!options.Parse(args, {"--type"}))
        return UsageError(options.Error());
    if (options.Positional().size() != 2)
        return UsageError("convert needs IN and OUT");
    const std::string& in = options.Positional()[0];
    const std::string& out = options.Positional()[1];
    if (DataFile::FormatOfPath(out) != DataFile::Format::Current)
        return FileError(out + ": the output must end in .46");

    ChannelDocument doc;
    ApplyRadioType(options, doc);
    const DataFile::LoadResult loaded = DataFile::Load(in, doc);
    if (!loaded.ok)
        return FileError(loaded.error);
    std::string error;
    if (!FileIo::WriteFileAtomically(out, DataFile::WriteDataFile(doc), &error))
        return FileError(error);
    return ExitOk;
}

int List(const std::vector<std::string>& args)
{
    CliOptions options;
    if (!options.Parse(args, {"--type"}))
        return UsageError(options.Error());
    if (options.Positional().size() != 1)
        return UsageError("list needs one FILE");

    ChannelDocument doc;
    ApplyRadioType(options, doc);
    const DataFile::LoadResult loaded = DataFile::Load(options.Positional()[0], doc);
    if (!loaded.ok)
        return FileError(loaded.error);

    std::vector<std::string> lines = ChannelListing::ListLines(doc);
    if (!doc.Comment().empty())
        lines[1] = ToUtf8FromCp936(doc.Comment());
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
