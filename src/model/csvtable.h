#pragma once

#include <string>
#include <string_view>
#include <vector>

// Comma-separated text as spreadsheets and other radio programming tools
// write it. Reading is lenient, since such files come from many hands: a
// UTF-8 byte order mark, LF, CR LF or a lone CR as line end, quoted fields
// with doubled quotes and line breaks inside. Writing quotes only where a
// field needs it and ends every row with CR LF.
class CsvTable
{
public:
    struct Row {
        int line = 0; // 1-based line of the file where the row begins
        std::vector<std::string> fields;
        // Per field: it opened with a quote, so blanks at its start are the
        // writer's and not a slip of the hand.
        std::vector<bool> quoted;
        bool unclosedQuote = false; // a quote ran to the end of the text
    };

    // Every row in order. Blank lines, rows whose fields are all blank (a
    // spreadsheet's trailing ",,,,") and lines beginning with "#" are left
    // out; line numbers still count them.
    static std::vector<Row> Parse(std::string_view text);

    // The fields joined by commas, each quoted when it holds a comma, a
    // quote, a line break or blanks at either end, and CR LF.
    static std::string FormatRow(const std::vector<std::string>& fields);
};
