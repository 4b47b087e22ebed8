#include "csvtable.h"

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

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

} // namespace

std::vector<CsvTable::Row> CsvTable::Parse(std::string_view text)
{
    if (text.substr(0, kBom.size()) == kBom)
        text.remove_prefix(kBom.size());

    std::vector<Row> rows;
    std::size_t i = 0;
    int line = 1;
    // A line end at i: LF, CR LF or CR. Returns its length, 0 for none.
    auto lineEnd = [&](std::size_t at) -> std::size_t {
        if (at >= text.size())
            return 0;
        if (text[at] == '\n')
            return 1;
        if (text[at] == '\r')
            return at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
        return 0;
    };

    while (i < text.size()) {
        if (text[i] == '#') {
            while (i < text.size() && !lineEnd(i))
                ++i;
            i += lineEnd(i);
            ++line;
            continue;
        }
        Row row;
        row.line = line;
        std::string field;
        bool quoted = false;
        bool opened = false;
        bool rowDone = false;
        while (!rowDone) {
            if (i >= text.size()) {
                row.unclosedQuote = quoted;
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
                if (const std::size_t end = lineEnd(i)) {
                    // A line break inside quotes belongs to the field and
                    // counts as one line whatever its form.
                    field += '\n';
                    i += end;
                    ++line;
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
            if (c == ',') {
                row.fields.push_back(std::move(field));
                row.quoted.push_back(opened);
                field.clear();
                opened = false;
                ++i;
                continue;
            }
            if (const std::size_t end = lineEnd(i)) {
                i += end;
                ++line;
                rowDone = true;
                continue;
            }
            field += c;
            ++i;
        }
        row.fields.push_back(std::move(field));
        row.quoted.push_back(opened);
        bool blank = true;
        for (const std::string& f : row.fields)
            blank = blank && IsBlank(f);
        if (!blank || row.unclosedQuote)
            rows.push_back(std::move(row));
    }
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
