#include "datafile.h"

#include "fileio.h"
#include "recordlayout.h"
#include "recordtext.h"

#include <optional>
#include <utility>

namespace DataFile {

namespace {

// Splits file contents into lines: a line ends at LF, and one CR before the
// LF (or before the end of a last line without LF) is dropped.
class LineSplitter
{
public:
    explicit LineSplitter(std::string_view contents) : m_rest(contents) {}

    bool Next(std::string_view* line)
    {
        if (m_rest.empty())
            return false;
        const std::size_t lf = m_rest.find('\n');
        std::string_view l = m_rest.substr(0, lf);
        m_rest = lf == std::string_view::npos ? std::string_view{} : m_rest.substr(lf + 1);
        if (!l.empty() && l.back() == '\r')
            l.remove_suffix(1);
        *line = l;
        return true;
    }

private:
    std::string_view m_rest;
};

enum class Section { None, Memory, Call, Vfo, Dtmf };

// The section a title line opens; nothing for a record line.
std::optional<Section> SectionTitled(std::string_view line)
{
    static constexpr std::pair<std::string_view, Section> kTitles[] = {
        {"MEMORY", Section::Memory}, {"CALL", Section::Call}, {"VFO", Section::Vfo}, {"DTMF", Section::Dtmf}};
    for (const auto& [title, section] : kTitles)
        if (line == title)
            return section;
    return std::nullopt;
}

// The most that the writer puts around the comment: every slot full, each
// line with its CR LF, and the section titles.
constexpr std::size_t kLongestRecordLines =
    std::string_view("COMMENT\r\n\r\nMEMORY\r\nCALL\r\nVFO\r\nDTMF\r\n").size() +
    (ChannelDocument::MemorySlots + ChannelDocument::CallSlots + ChannelDocument::VfoSlots) *
        (ChannelDocument::RecordCapacity + 2) +
    ChannelDocument::DtmfSlots * (ChannelDocument::DtmfCapacity + 2);
static_assert(ChannelDocument::CommentCapacity + kLongestRecordLines <= FileIo::MaxFileSize,
              "a document the readers accept must write a file they accept");

// The comment line as the reader of `format` takes it.
std::string_view CommentLine(std::string_view contents, Format format)
{
    LineSplitter lines(contents);
    std::string_view line;
    if (format == Format::Current && !lines.Next(&line))
        return {};
    return lines.Next(&line) ? line : std::string_view{};
}

void AppendLine(std::string& out, std::string_view line)
{
    out.append(line);
    out.append("\r\n");
}

} // namespace

std::string WriteDataFile(const ChannelDocument& doc)
{
    std::string out;
    out.reserve(32 * 1024);
    AppendLine(out, "COMMENT");
    // A line feed inside the comment would split it and shift every later
    // line; code page 936 never uses the byte inside a character.
    std::string comment = doc.Comment();
    for (char& c : comment)
        if (c == '\n')
            c = ' ';
    AppendLine(out, comment);
    auto section = [&](const char* title, RecordKind kind, int count, std::size_t minLength) {
        AppendLine(out, title);
        for (int slot = 0; slot < count; ++slot) {
            const std::string_view record = doc.Record(kind, slot);
            if (record.size() > minLength)
                AppendLine(out, RecordText::CommasToTabs(record));
        }
    };
    section("MEMORY", RecordKind::Memory, ChannelDocument::MemorySlots, 4);
    section("CALL", RecordKind::Call, ChannelDocument::CallSlots, 4);
    section("VFO", RecordKind::Vfo, ChannelDocument::VfoSlots, 4);
    section("DTMF", RecordKind::Dtmf, ChannelDocument::DtmfSlots, 1);
    return out;
}

void ReadDataFile(std::string_view contents, ChannelDocument& doc)
{
    LineSplitter lines(contents);
    std::string_view line;
    if (!lines.Next(&line))
        return;
    if (!lines.Next(&line))
        return;
    doc.SetComment(std::string(line));

    Section section = Section::None;
    while (lines.Next(&line)) {
        // Only the first 99 characters can reach a slot. The slot key is taken
        // from the text as it will be stored, so that writing the document
        // and reading it again puts every record back in the same slot.
        const std::string record = RecordText::TabsToCommas(line.substr(0, ChannelDocument::RecordCapacity));
        if (const auto title = SectionTitled(line)) {
            section = *title;
            continue;
        }
        if (record.empty())
            continue;
        switch (section) {
        case Section::None: break;
        case Section::Memory:
            if (auto slot = RecordText::SlotOfLabel(RecordText::Field(record, RecordLayout::ChannelField::Key)))
                doc.StoreMemory(*slot, record);
            break;
        case Section::Call: doc.StoreCall(record[0] == '0' ? 0 : 1, record); break;
        case Section::Vfo: doc.StoreVfo(ChannelDocument::VfoSlotOfCode(record[0]), record); break;
        case Section::Dtmf:
            if (auto slot = RecordText::DecimalValue(
                    RecordText::Field(std::string_view(record).substr(0, ChannelDocument::DtmfCapacity), 0),
                    ChannelDocument::DtmfSlots - 1))
                doc.StoreDtmf(*slot, record);
            break;
        }
    }
}

void ReadV100File(std::string_view contents, ChannelDocument& doc)
{
    LineSplitter lines(contents);
    std::string_view line;
    if (!lines.Next(&line))
        return;
    doc.SetComment(std::string(line));

    for (int number = 2; number <= 443 && lines.Next(&line); ++number) {
        if (line.empty())
            continue;
        if (number <= 222) {
            const int slot = number - 2;
            // The old record is built in the line buffer, which bounds it to
            // a channel slot however long the old line is.
            auto old = [&](int k) { return RecordText::Field(line, k); };
            std::string record = RecordText::ChannelLabel(slot);
            for (int k = 3; k <= 12; ++k) {
                record += ',';
                record += old(k);
            }
            record += ',';
            const std::string_view offset = old(13);
            record += offset.empty() ? doc.Plan().DefaultOffsetRecord(old(3)) : std::string(offset);
            record += ',';
            record += old(14).substr(0, 1);
            record += ',';
            if (!offset.empty()) {
                record += ",,,,";
            } else {
                record += ',';
                record += old(17);
                record += ',';
                record += old(18);
                record += ",,";
            }
            doc.StoreLineBuffer(record);
            doc.StoreMemory(slot, doc.Record(RecordKind::LineBuffer, 0));
        } else {
            const int slot = number - 223;
            // A name for a slot without a channel would become a record
            // without a label; it is dropped instead.
            std::string record = doc.ReadMemory(slot);
            if (record.empty())
                continue;
            record += line;
            doc.StoreMemory(slot, record);
        }
    }
}

Format FormatOfPath(std::string_view path)
{
    const std::size_t slash = path.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos)
        return Format::Unknown;
    std::string ext(name.substr(dot));
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    if (ext == ".46")
        return Format::Current;
    if (ext == ".r46")
        return Format::V100;
    return Format::Unknown;
}

LoadResult Load(const std::string& path, ChannelDocument& doc)
{
    LoadResult result;
    // The name first: opening a file is not harmless when it is a device.
    result.format = FormatOfPath(path);
    if (result.format == Format::Unknown) {
        result.error = path + ": not a .46 or .r46 data file";
        return result;
    }
    std::string contents;
    if (!FileIo::ReadWholeFile(path, &contents, &result.error))
        return result;
    // Refused rather than cut: saving it again would lose the rest.
    if (CommentLine(contents, result.format).size() > ChannelDocument::CommentCapacity) {
        result.error = path + ": comment too long for a data file";
        return result;
    }
    doc.ClearDocument();
    if (result.format == Format::Current)
        ReadDataFile(contents, doc);
    else
        ReadV100File(contents, doc);
    result.ok = true;
    return result;
}

} // namespace DataFile
