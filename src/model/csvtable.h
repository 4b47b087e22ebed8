#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Separated text as spreadsheets and other radio programming tools write
// it. Reading is lenient, since such files come from many hands: a byte
// order mark (UTF-8, or UTF-16 of either order, which is turned into
// UTF-8), a comma, semicolon or tab between fields, LF, CR LF or a lone CR
// as line end, quoted fields with doubled quotes and line breaks inside.
// Writing uses commas, quotes only where a field needs it and ends every
// row with CR LF.
//
// Rows are read one at a time into a Row the caller keeps, so a file of
// millions of rows costs no more memory than its longest row; a row keeps
// at most MaxFields fields.
class CsvTable
{
public:
    // Columns a row keeps; a layout that needs more is no channel list.
    static constexpr std::size_t MaxFields = 256;

    struct Row {
        int line = 0; // 1-based line of the file where the row begins
        std::vector<std::string> fields;
        // Per field: it opened with a quote, so blanks at either end are the
        // writer's and not a slip of the hand.
        std::vector<bool> quoted;
        bool unclosedQuote = false; // a quote ran to the end of the text
        bool fieldsDropped = false; // the row had more than MaxFields fields
    };

    // Reads `text` (UTF-8 without byte order mark, see Utf8Text), which
    // must outlive the reader, with `separator` between fields.
    explicit CsvTable(std::string_view text, char separator = ',');

    // The next row into *row; false at the end of the text. Blank lines,
    // rows whose fields are all blank (a spreadsheet's trailing ",,,,") and
    // lines beginning with "#" are passed over; line numbers still count
    // them.
    bool Next(Row* row);
    // Bytes of the text read so far.
    std::size_t Position() const { return m_pos; }

    // Every row of a comma-separated UTF-8 text, for small texts.
    static std::vector<Row> Parse(std::string_view text);

    // The bytes of a file as UTF-8 without byte order mark: a UTF-16 file
    // (by its mark) is converted into *storage, which the result then
    // views; anything else is taken as UTF-8. *encoding names what was
    // found ("UTF-8", "UTF-16LE", "UTF-16BE").
    static std::string_view Utf8Text(std::string_view bytes, std::string* storage, std::string* encoding);
    // The separator of the first line that is no comment: whichever of
    // comma, semicolon and tab it holds most often outside quotes, comma
    // when it holds none.
    static char Separator(std::string_view text);

    // The fields joined by commas, each quoted when it holds a comma, a
    // quote, a line break or blanks at either end, and CR LF.
    static std::string FormatRow(const std::vector<std::string>& fields);

private:
    std::size_t LineEnd(std::size_t at) const;
    void EndField(Row* row, std::string* field, bool* opened) const;

    std::string_view m_text;
    char m_separator;
    std::size_t m_pos = 0;
    int m_line = 1;
};
