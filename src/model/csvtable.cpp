#include "csvtable.h"

#include <cstdint>

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";
constexpr char32_t kReplacement = 0xFFFD;

bool IsBlank(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

bool NeedsQuotes(std::string_view field)
{
    if (field.empty())
        return false;
    return field.find_first_of(",\"\r\n") != std::string_view::npos || field.front() == ' ' || field.back() == ' ';
}

void AppendUtf8(char32_t c, std::string* out)
{
    if (c < 0x80) {
        *out += static_cast<char>(c);
    } else if (c < 0x800) {
        *out += static_cast<char>(0xC0 | (c >> 6));
        *out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out += static_cast<char>(0xE0 | (c >> 12));
        *out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *out += static_cast<char>(0xF0 | (c >> 18));
        *out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// UTF-16 without its mark to UTF-8; a lone surrogate or an odd last byte
// becomes U+FFFD, so nothing of the file vanishes unseen.
void Utf16ToUtf8(std::string_view bytes, bool bigEndian, std::string* out)
{
    out->clear();
    out->reserve(bytes.size() + bytes.size() / 2);
    auto unit = [&](std::size_t at) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[at]);
        const auto b = static_cast<unsigned char>(bytes[at + 1]);
        return bigEndian ? char32_t(a << 8 | b) : char32_t(b << 8 | a);
    };
    std::size_t i = 0;
    while (i + 1 < bytes.size()) {
        const char32_t u = unit(i);
        i += 2;
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < bytes.size()) {
            const char32_t low = unit(i);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                i += 2;
                AppendUtf8(0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00), out);
                continue;
            }
        }
        AppendUtf8(u >= 0xD800 && u <= 0xDFFF ? kReplacement : u, out);
    }
    if (i < bytes.size())
        AppendUtf8(kReplacement, out);
}

} // namespace

CsvTable::CsvTable(std::string_view text, char separator) : m_text(text), m_separator(separator) {}

std::string_view CsvTable::Utf8Text(std::string_view bytes, std::string* storage, std::string* encoding)
{
    const bool little = bytes.substr(0, kUtf16LeBom.size()) == kUtf16LeBom;
    const bool big = bytes.substr(0, kUtf16BeBom.size()) == kUtf16BeBom;
    if (little || big) {
        *encoding = little ? "UTF-16LE" : "UTF-16BE";
        Utf16ToUtf8(bytes.substr(2), big, storage);
        return *storage;
    }
    *encoding = "UTF-8";
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom)
        bytes.remove_prefix(kUtf8Bom.size());
    return bytes;
}

char CsvTable::Separator(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == '#' || text[i] == '\r' || text[i] == '\n')) {
        if (text[i] == '#')
            while (i < text.size() && text[i] != '\r' && text[i] != '\n')
                ++i;
        else
            ++i;
    }
    std::size_t commas = 0;
    std::size_t semicolons = 0;
    std::size_t tabs = 0;
    bool quoted = false;
    for (; i < text.size() && (quoted || (text[i] != '\r' && text[i] != '\n')); ++i) {
        const char c = text[i];
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ',')
            ++commas;
        else if (!quoted && c == ';')
            ++semicolons;
        else if (!quoted && c == '\t')
            ++tabs;
    }
    if (semicolons > commas && semicolons >= tabs)
        return ';';
    if (tabs > commas && tabs > semicolons)
        return '\t';
    return ',';
}

// A line end at `at`: LF, CR LF or CR. Returns its length, 0 for none.
std::size_t CsvTable::LineEnd(std::size_t at) const
{
    if (at >= m_text.size())
        return 0;
    if (m_text[at] == '\n')
        return 1;
    if (m_text[at] == '\r')
        return at + 1 < m_text.size() && m_text[at + 1] == '\n' ? 2 : 1;
    return 0;
}

void CsvTable::EndField(Row* row, std::string* field, bool* opened) const
{
    if (row->fields.size() < MaxFields) {
        row->fields.push_back(std::move(*field));
        row->quoted.push_back(*opened);
    } else {
        row->fieldsDropped = true;
    }
    field->clear();
    *opened = false;
}

bool CsvTable::Next(Row* row)
{
    const std::string_view& text = m_text;
    std::size_t& i = m_pos;
    while (i < text.size()) {
        if (text[i] == '#') {
            while (i < text.size() && !LineEnd(i))
                ++i;
            i += LineEnd(i);
            ++m_line;
            continue;
        }
        row->line = m_line;
        row->fields.clear();
        row->quoted.clear();
        row->unclosedQuote = false;
        row->fieldsDropped = false;
        std::string field;
        bool quoted = false;
        bool opened = false;
        bool rowDone = false;
        while (!rowDone) {
            if (i >= text.size()) {
                row->unclosedQuote = quoted;
                break;
            }
            const char c = text[i];
            if (quoted) {
                if (c == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        i += 2;
                    } else {
                        quoted = false;
                        ++i;
                    }
                    continue;
                }
                if (const std::size_t end = LineEnd(i)) {
                    // A line break inside quotes belongs to the field and
                    // counts as one line whatever its form.
                    field += '\n';
                    i += end;
                    ++m_line;
                    continue;
                }
                field += c;
                ++i;
                continue;
            }
            if (c == '"' && IsBlank(field)) {
                // A quote opens a field only at its start; blanks before it
                // are a common slip and are dropped with the quote.
                field.clear();
                quoted = true;
                opened = true;
                ++i;
                continue;
            }
            if (c == m_separator) {
                EndField(row, &field, &opened);
                ++i;
                continue;
            }
            if (const std::size_t end = LineEnd(i)) {
                i += end;
                ++m_line;
                rowDone = true;
                continue;
            }
            field += c;
            ++i;
        }
        EndField(row, &field, &opened);
        bool blank = true;
        for (const std::string& f : row->fields)
            blank = blank && IsBlank(f);
        if (!blank || row->unclosedQuote)
            return true;
    }
    return false;
}

std::vector<CsvTable::Row> CsvTable::Parse(std::string_view text)
{
    std::string storage;
    std::string encoding;
    CsvTable table(Utf8Text(text, &storage, &encoding));
    std::vector<Row> rows;
    Row row;
    while (table.Next(&row))
        rows.push_back(row);
    return rows;
}

std::string CsvTable::FormatRow(const std::vector<std::string>& fields)
{
    std::string out;
    for (std::size_t n = 0; n < fields.size(); ++n) {
        if (n > 0)
            out += ',';
        const std::string& field = fields[n];
        if (!NeedsQuotes(field)) {
            out += field;
            continue;
        }
        out += '"';
        for (char c : field) {
            if (c == '"')
                out += '"';
            out += c;
        }
        out += '"';
    }
    out += "\r\n";
    return out;
}
