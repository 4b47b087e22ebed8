// CSV interchange: the text layer, export, and import of files written the
// way other radio programming tools and spreadsheets write them.
#include "channeldocument.h"
#include "csvexport.h"
#include "csvimport.h"
#include "csvtable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

namespace {

std::string Fixture(const std::string& name)
{
    std::ifstream in(std::string(QXP_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The same text with CR LF turned into LF, or LF into CR LF.
std::string FlipLineEnds(const std::string& text)
{
    std::string out;
    const bool crlf = text.find("\r\n") != std::string::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (crlf && text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        if (!crlf && text[i] == '\n')
            out += '\r';
        out += text[i];
    }
    return out;
}

ChannelDocument Document(const char* type)
{
    ChannelDocument doc;
    doc.StoreRadioType(type);
    doc.ClearDocument();
    return doc;
}

std::map<int, std::string> MemorySlots(const ChannelDocument& doc)
{
    std::map<int, std::string> slots;
    for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot)
        if (!doc.Record(RecordKind::Memory, slot).empty())
            slots[slot] = std::string(doc.Record(RecordKind::Memory, slot));
    return slots;
}

TEST(CsvTable, ReadsWhatSpreadsheetsWrite)
{
    using Rows = std::vector<std::pair<int, std::vector<std::string>>>;
    const struct {
        const char* what;
        std::string text;
        Rows rows; // line, fields
    } cases[] = {
        {"BOM, CR LF, last line without end",
         "\xEF\xBB\xBF"
         "a,b\r\n1,2",
         {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        {"lone CR", "a\r1\r", {{1, {"a"}}, {2, {"1"}}}},
        {"quotes, doubled quotes, commas and a line break inside",
         "x,\"say \"\"hi\"\", then\r\ngo\",y\nz\n",
         {{1, {"x", "say \"hi\", then\ngo", "y"}}, {3, {"z"}}}},
        {"comment lines, blank lines and blank rows counted but left out", "# note\n\n , ,\na\n", {{4, {"a"}}}},
        {"blanks before a quote", "a,  \"b,c\"\n", {{1, {"a", "b,c"}}}},
        {"empty fields kept", ",x,\n", {{1, {"", "x", ""}}}},
    };
    for (const auto& c : cases) {
        Rows rows;
        for (const CsvTable::Row& row : CsvTable::Parse(c.text)) {
            rows.emplace_back(row.line, row.fields);
            EXPECT_FALSE(row.unclosedQuote) << c.what;
        }
        EXPECT_EQ(rows, c.rows) << c.what;
    }
    const auto open = CsvTable::Parse("a\n\"b,\nc");
    ASSERT_EQ(open.size(), 2u);
    EXPECT_TRUE(open[1].unclosedQuote);
    EXPECT_EQ(open[1].fields, std::vector<std::string>{"b,\nc"});

    EXPECT_EQ(CsvTable::FormatRow({"plain", "", "a,b", "say \"x\"", "two\nlines", " pad"}),
              "plain,,\"a,b\",\"say \"\"x\"\"\",\"two\nlines\",\" pad\"\r\n");
}

TEST(CsvExport, WritesTheGenericLayout)
{
    ChannelDocument doc = Document("0,3,00,1,1,1,1");
    doc.StoreMemory(5, "005,00145500000,3,1,0,1,0,,13,,09,000600000,1,,,,,RPT");
    doc.StoreMemory(7, "007,00435000000,6,3,1,0,1,,09,,21,007600000,0,,,,,MINUS");
    doc.StoreMemory(9, "009,00145800000,0,0,0,0,0,,09,,09,000600000,0,,00437800000,0,,A\"B");
    doc.StoreMemory(10, "010,00145800000,0,0,0,0,0,,09,,09,000000000,0,,00437800000,6,,AB  ");
    doc.StoreMemory(12, "012,abc");
    doc.StoreMemory(15, "015");
    doc.StoreMemory(200, "L0,00121500000,6,0,0,0,0,,09,,09,000600000,0,,,,,");

    const CsvExport::Result result = CsvExport::Write(doc);
    EXPECT_EQ(result.text,
              std::string(CsvExport::Header) + "\r\n" +
                  "5,RPT,145.500000,+,0.600000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,12.50,S,,,,,,\r\n"
                  "7,MINUS,435.000000,-,7.600000,TSQL,88.5,131.8,023,NN,023,Tone->Tone,FM,25.00,,,,,,,\r\n"
                  "9,\"A\"\"B\",145.800000,split,437.800000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\r\n"
                  "10,\"AB  \",145.800000,split,437.800000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\r\n"
                  "200,,121.500000,,0.600000,,88.5,88.5,023,NN,023,Tone->Tone,AM,25.00,,,,,,,\r\n");
    EXPECT_EQ(result.channels, 5);
    EXPECT_EQ(result.notes, (std::vector<std::string>{
                                "007: reverse is on; the CSV layout has no column for it",
                                "009: the offset 0.60 MHz has no column in the CSV layout; an import gives 0.00 MHz",
                                "009: an import gives the name \"AB\" for \"A\"B\"",
                                "010: the transmit step 25kHz has no column in the CSV layout; an import gives 5kHz",
                                "012: left out: the frequency \"abc\" is not a frequency in Hz"}));
}

// Both fixtures are read as they are and with their line ends flipped; what
// they give must survive an export and a second import unchanged.
TEST(CsvImport, FilesOfOtherToolsBothWays)
{
    const struct {
        const char* file;
        std::map<int, std::string> slots;
        std::string report;
    } cases[] = {
        {"tool-export.csv",
         {{0, "000,00146520000,0,0,0,0,0,,09,,09,000000000,0,,,,,W1AW"},
          {1, "001,00146940000,0,2,0,1,0,,13,,09,000600000,0,,,,,RPT1"},
          {2, "002,00147330000,4,1,0,0,1,,09,,21,000600000,0,,,,,RPT2"},
          {3, "003,00442125000,3,1,0,1,0,,19,,09,005000000,1,,,,,UHF"},
          {4, "004,00443450000,6,1,0,0,0,,09,,09,005000000,0,,,,,DTCSRP"},
          {5, "005,00121500000,6,0,0,0,0,,09,,09,000000000,0,,,,,AIRPRT"},
          {6, "006,00145800000,0,0,0,0,0,,09,,09,000000000,0,,00437800000,0,,SPLIT"},
          {7, "007,00146790000,0,2,0,1,0,,13,,22,000600000,0,,,,,CROSS"},
          {8, "008,00162550000,6,0,0,0,0,,09,,09,000000000,1,,,,,NOAA1"},
          {10, "010,00446006250,1,0,0,0,0,,09,,09,000000000,0,,,,,PMR1"},
          {13, "013,00147120000,0,1,0,1,0,,01,,09,000600000,0,,,,,ODDTN"}},
         "columns not kept, the radio has no place for them: Comment, Power\n"
         "line 5 (003): mode NFM: the radio uses FM here\n"
         "line 6 (004): DTCS is not available on this radio; stored without tone\n"
         "line 9 (007): cross mode Tone->Tone is not available on this radio; stored as tone 100.0 Hz\n"
         "line 11 (009): skipped: mode USB is not available on this radio\n"
         "line 12 (010): mode NFM: the radio uses FM here; step 12.5kHz stored as 6.25kHz\n"
         "line 13 (011): skipped: frequency 52.525000 MHz is outside the radio's bands\n"
         "line 14 (012): skipped: duplex \"off\" (transmit inhibited) is not available on this radio\n"
         "line 15 (013): tone 69.3 Hz stored as 67.0 Hz\n"
         "11 channels imported, 5 rows changed, 3 rows skipped.\n"},
        {"spreadsheet.csv",
         {{20, "020,00145500000,9,0,0,0,0,,09,,09,000600000,0,,,,,CALLIN"},
          {21, "021,00433400000,9,0,0,0,0,,09,,09,005000000,0,,,,,RPT2"},
          {23, "023,00144812500,3,0,0,0,0,,09,,09,000600000,0,,,,,PACKET"},
          {200, "L0,00144000000,9,0,0,0,0,,09,,09,000600000,0,,,,,LOW2M"},
          {201, "U0,00148000000,9,0,0,0,0,,09,,09,000600000,0,,,,,UP2M"},
          {220, "PR,00146520000,0,0,0,0,0,,09,,09,000600000,0,,,,,CALL"}},
         "columns not kept, the radio has no place for them: Comment\n"
         "line 3 (020): name \"calling, 2m\" stored as \"CALLIN\"\n"
         "line 4 (021): name \"Mr \"X\"\" stored as \"MR X\"\n"
         "line 9 (U0): scan skip is not available on U0; not stored\n"
         "line 12 (021): replaces the row of line 4 for the same location\n"
         "6 channels imported, 4 rows changed, 0 rows skipped, 1 empty row (frequency 0) passed over.\n"},
    };
    for (const auto& c : cases) {
        const std::string text = Fixture(c.file);
        ASSERT_FALSE(text.empty()) << c.file;
        for (const std::string& variant : {text, FlipLineEnds(text)}) {
            ChannelDocument doc = Document(BandPlan::DefaultRadioType);
            const CsvImport::Result result = CsvImport::Read(variant, doc.Plan());
            ASSERT_TRUE(result.ok) << c.file << ": " << result.error;
            CsvImport::Apply(result, doc);
            EXPECT_EQ(MemorySlots(doc), c.slots) << c.file;
            EXPECT_EQ(result.Report(), c.report) << c.file;

            ChannelDocument again = Document(BandPlan::DefaultRadioType);
            const CsvImport::Result second = CsvImport::Read(CsvExport::Write(doc).text, again.Plan());
            CsvImport::Apply(second, again);
            EXPECT_EQ(MemorySlots(again), c.slots) << c.file << " exported and read again";
            EXPECT_TRUE(second.notes.empty()) << c.file << ": " << second.Report();
        }
    }
}

TEST(CsvImport, EachRowRule)
{
    const std::string header =
        "Location,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,CrossMode,Mode,TStep,Skip,Name\r\n";
    const char* const plain = BandPlan::DefaultRadioType;
    const char* const minus76 = "0,3,00,1,1,1,1";
    const char* const cellular = "0,3,00,1,1,1,2";
    const char* const band800 = "0,1,00,1,0,0,1";
    const std::string tail146 = ",0,0,0,0,,09,,09,000600000,0,,,,,";
    const struct {
        const char* type;
        const char* row;
        std::string record; // "" when skipped
        std::string note;
    } cases[] = {
        {minus76, "5,435.000000,-,7.600000,,,,,,25.00,,", "005,00435000000,6,3,0,0,0,,09,,09,007600000,0,,,,,", ""},
        {minus76, "5,145.000000,-,7.600000,,,,,,5.00,,", "005,00145000000,0,2,0,0,0,,09,,09,007600000,0,,,,,", ""},
        {plain, "5,146.000000,+,30.000000,,,,,,5.00,,", "005,00146000000,0,1,0,0,0,,09,,09,029950000,0,,,,,",
         "offset 30.000000 MHz stored as 29.950000 MHz"},
        {plain, "5,146.000000,+,,,,,,,5.00,,", "005,00146000000,0,1,0,0,0,,09,,09,000600000,0,,,,,",
         "no offset given; 0.600000 MHz stored"},
        {plain, "5,146.000000,-,abc,,,,,,5.00,,", "", "skipped: offset \"abc\" is not a number"},
        {plain, "5,146.5225,,0,,,,,,5.00,,", "005,00146520000,0,0,0,0,0,,09,,09,000000000,0,,,,,",
         "frequency 146.5225 MHz stored as 146.520000 MHz"},
        {plain, "5,146.5200001,,0,,,,,,,,", "005,00146520000,7,0,0,0,0,,09,,09,000000000,0,,,,,",
         "frequency 146.5200001 MHz stored as 146.520000 MHz"},
        {plain, "5,146.525000,,,,,,,,2.50,,", "005,00146525000,6" + tail146, "step 2.500kHz stored as 25kHz"},
        {plain, "5,146.0,,,,,,,,3567587.328,,", "005,00146000000,9" + tail146, "step 3567587.328kHz stored as 100kHz"},
        {band800, "5,870.025000,,,,,,,,5.00,,", "005,00870025000,6,0,0,0,0,,09,,09,005000000,0,,,,,",
         "step 5kHz stored as 25kHz"},
        {band800, "5,965.000000,split,965.025000,,,,,,5.00,,",
         "005,00965000000,2,0,0,0,0,,09,,09,000000000,0,,00965025000,6,,", "step 5kHz stored as 10kHz"},
        {plain, "5,146.0,,,,,,,,,,\"AB  \"", "005,00146000000,9" + tail146 + "AB  ", ""},
        {plain, "221,146.0,,,,,,,,,,", "", "skipped: location 221 is outside 0..220"},
        {plain, "-1,146.0,,,,,,,,,,", "", "skipped: location \"-1\" is not a channel number"},
        {plain, "u9,146.0,,,,,,,,,,", "U9,00146000000,9" + tail146, ""},
        {plain, "5,14x.5,,,,,,,,,,", "", "skipped: frequency \"14x.5\" is not a number"},
        {plain, "5,,,,,,,,,,,", "", "skipped: no frequency"},
        {plain, "5,146.0,x,,,,,,,,,", "", "skipped: duplex \"x\" is unknown"},
        {plain, "5,146.0,split,50.000000,,,,,,,,", "",
         "skipped: transmit frequency 50.000000 MHz is outside the radio's bands"},
        {cellular, "5,830.000000,,,,,,,,,,", "",
         "skipped: frequency 830.000000 MHz is in a range this radio leaves out"},
        {cellular, "5,860.000000,,,,,,,,5.00,,", "005,00860000000,2,0,0,0,0,,09,,09,005000000,0,,,,,",
         "step 5kHz stored as 10kHz"},
        {plain, "5,146.0,,,TSQL-R,,,,,,,", "005,00146000000,9" + tail146,
         "reverse tone squelch is not available on this radio; stored without tone"},
        {plain, "5,146.0,,,Cross,,100.0,->Tone,,,,", "005,00146000000,9,0,0,0,0,,09,,13,000600000,0,,,,,",
         "cross mode ->Tone is not available on this radio; stored without tone"},
        {plain, "5,146.0,,,Cross,100.0,,Tone->,,,,", "005,00146000000,9,0,0,1,0,,13,,09,000600000,0,,,,,", ""},
        {plain, "5,146.0,,,Cross,100.0,100.0,Tone->Tone,,,,", "005,00146000000,9,0,0,0,1,,13,,13,000600000,0,,,,,", ""},
        {plain, "5,146.0,,,Tone,abc,,,,,,", "005,00146000000,9,0,0,1,0,,09,,09,000600000,0,,,,,",
         "tone \"abc\" is not a number; 88.5 Hz stored"},
        {plain, "5,146.0,,,,,,,AM,,P,", "005,00146000000,9" + tail146,
         "mode AM: the radio uses FM here; priority scan mark is not available; not stored"},
        {plain, "5,146.0,,,,,,,,,,ab/c-9 x", "005,00146000000,9" + tail146 + "AB/C-9",
         "name \"ab/c-9 x\" stored as \"AB/C-9\""},
        {plain, "5,146.0,,,,,,,,,,2m-us   b", "005,00146000000,9" + tail146 + "2M-US",
         "name \"2m-us   b\" stored as \"2M-US\""},
        {plain, "5,146.0,,,x\x01,,,,,,,", "005,00146000000,9" + tail146,
         "tone mode \"x\\x01\" is unknown; stored without tone"},
        {plain, "5,146.0,,,,,,,,,,\"\x9d\x9e\xd6 2m\"", "005,00146000000,9" + tail146 + " 2M",
         "name \"\x9d\x9e\xd6 2m\" stored as \" 2M\""},
    };
    for (const auto& c : cases) {
        BandPlan plan;
        plan.SetRadioType(c.type);
        const CsvImport::Result result = CsvImport::Read(header + c.row + "\r\n", plan);
        ASSERT_TRUE(result.ok) << c.row;
        std::string note;
        for (const CsvImport::Note& n : result.notes)
            note += (note.empty() ? "" : " | ") + n.text;
        EXPECT_EQ(result.channels.empty() ? "" : result.channels[0].record, c.record) << c.row;
        EXPECT_EQ(note, c.note) << c.row;

        // What was stored must come back unchanged from an export.
        ChannelDocument doc = Document(c.type);
        CsvImport::Apply(result, doc);
        const CsvImport::Result again = CsvImport::Read(CsvExport::Write(doc).text, plan);
        EXPECT_EQ(again.channels.empty() ? "" : again.channels[0].record, c.record) << c.row << " exported";
    }
}

TEST(CsvImport, RefusesFilesWithoutItsColumns)
{
    using namespace std::string_literals;
    const struct {
        std::string text;
        const char* error;
    } cases[] = {
        {"", "the file holds no header line"},
        {"\xEF\xBB\xBF# only a comment\r\n", "the file holds no header line"},
        {"Name,Frequency\n1,146.0\n",
         "the header line has no Location column (found 2 columns in UTF-8 separated by commas: \"Name\", "
         "\"Frequency\")"},
        {"Location;Name\n1;A\n",
         "the header line has no Frequency column (found 2 columns in UTF-8 separated by semicolons: \"Location\", "
         "\"Name\")"},
        {"\xFF\xFE\x07\x00"
         "a\x00\r\x00"s,
         "the header line has no Location column (found 1 column in UTF-16LE separated by commas: \"\\x07a\")"},
    };
    for (const auto& c : cases) {
        const CsvImport::Result result = CsvImport::Read(c.text, BandPlan());
        EXPECT_FALSE(result.ok) << c.text;
        EXPECT_EQ(result.error, c.error) << c.text;
    }
}

// UTF-8 text (ASCII here) as UTF-16 with its byte order mark.
std::string Utf16(const std::string& text, bool bigEndian)
{
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : text) {
        out += bigEndian ? '\0' : c;
        out += bigEndian ? c : '\0';
    }
    return out;
}

// The files European spreadsheets write (semicolons, decimal commas), tab
// separated text and UTF-16 of either byte order read as the comma file does.
TEST(CsvImport, ReadsOtherLocalesAndEncodings)
{
    const std::string comma = "Location,Name,Frequency,Duplex,Offset,TStep\r\n"
                              "1,\"A, B\",145.500000,-,0.600000,12.50\r\n"
                              "2,Zz,433.400000,,,25.00\r\n";
    const std::string semicolon = "Location;Name;Frequency;Duplex;Offset;TStep\r\n"
                                  "1;A, B;145,500000;-;0,600000;12,50\r\n"
                                  "2;Zz;433,4;;;25\r\n";
    const std::string tab = "Location\tName\tFrequency\tDuplex\tOffset\tTStep\n"
                            "1\tA, B\t145.5\t-\t0.6\t12.5\n"
                            "2\tZz\t433,4\t\t\t25\n";
    const CsvImport::Result expected = CsvImport::Read(comma, BandPlan());
    ASSERT_TRUE(expected.ok) << expected.error;
    ASSERT_EQ(expected.channels.size(), 2u);
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"semicolons", semicolon},
        {"tabs", tab},
        {"UTF-16LE", Utf16(comma, false)},
        {"UTF-16BE with semicolons", Utf16(semicolon, true)},
    };
    for (const auto& c : cases) {
        const CsvImport::Result result = CsvImport::Read(c.bytes, BandPlan());
        ASSERT_TRUE(result.ok) << c.what << ": " << result.error;
        ASSERT_EQ(result.channels.size(), 2u) << c.what;
        for (std::size_t n = 0; n < 2; ++n)
            EXPECT_EQ(result.channels[n].record, expected.channels[n].record) << c.what;
        EXPECT_EQ(result.Report(), expected.Report()) << c.what;
    }
}

// Every channel the import overwrites with another is named with what was
// there and what comes; one it writes again unchanged is not.
TEST(CsvImport, NamesTheChannelsItReplaces)
{
    ChannelDocument doc = Document(BandPlan::DefaultRadioType);
    doc.StoreMemory(1, "001,00146520000,0,0,0,0,0,,09,,09,000000000,0,,,,,OLD");
    doc.StoreMemory(2, "002,00145000000,0,0,0,0,0,,09,,09,000600000,0,,,,,SAME");
    doc.StoreMemory(200, "L0,00144000000,9,0,0,0,0,,09,,09,000600000,0,,,,,");
    const CsvImport::Result result = CsvImport::Read("Location,Name,Frequency,Offset,TStep\r\n"
                                                     "200,LOW,144.000000,0.6,100\r\n"
                                                     "1,NEW,145.500000,0,5\r\n"
                                                     "2,SAME,145.000000,0.6,5\r\n"
                                                     "3,FREE,146.000000,0.6,5\r\n",
                                                     doc);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.Report(), "line 3 (001): replaces 146.520 MHz \"OLD\" with 145.500 MHz \"NEW\"\n"
                               "line 2 (L0): replaces 144.000 MHz \"\" with 144.000 MHz \"LOW\"\n"
                               "4 channels imported, 2 channels replaced, 0 rows changed, 0 rows skipped.\n");
}

// A file of millions of useless rows keeps the report short and every count
// whole, holds one channel a slot however often a slot comes, and can be
// stopped.
TEST(CsvImport, LargeFilesKeepTheResultBounded)
{
    std::string text = "Location,Frequency\n";
    constexpr int kRows = 20000;
    for (int row = 0; row < kRows; ++row)
        text += row % 2 ? "x\n" : "7,146.000000\n";
    const CsvImport::Result result = CsvImport::Read(text, BandPlan());
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.skipped, kRows / 2);
    EXPECT_EQ(result.changed, kRows / 2 - 1); // each later row for slot 7 replaces the one before
    EXPECT_EQ(result.channels.size(), 1u);
    EXPECT_EQ(result.notes.size(), CsvImport::ListedNotes);
    EXPECT_EQ(result.notes.size() + static_cast<std::size_t>(result.unlisted), std::size_t(kRows - 1));
    const std::string report = result.Report(2);
    EXPECT_EQ(report.substr(report.find("... and")),
              "... and 19997 more\n1 channel imported, 9999 rows changed, 10000 rows skipped.\n");

    std::size_t calls = 0;
    const CsvImport::Result stopped = CsvImport::Read(text, BandPlan(), [&](std::size_t done, std::size_t total) {
        EXPECT_LE(done, total);
        return ++calls < 2;
    });
    EXPECT_FALSE(stopped.ok);
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_EQ(calls, 2u);
    EXPECT_TRUE(stopped.channels.empty());
}

// Export then import gives back every channel the program can hold, or the
// export names what the layout cannot carry.
TEST(CsvExport, WhatAnImportCannotGiveBackIsNamed)
{
    const char* const band800 = "0,1,00,1,0,0,1";
    const struct {
        const char* type;
        const char* record;
        const char* note; // "" when the record comes back as it is
    } cases[] = {
        {BandPlan::DefaultRadioType, "005,00146520000,0,0,0,0,0,,09,,09,000600000,0,,,,,AB    ", ""},
        {BandPlan::DefaultRadioType, "005,00146520000,0,0,0,0,0,,09,,09,000600000,0,,,,, 2M   ", ""},
        {band800, "005,00870025000,3,0,0,0,0,,09,,09,005000000,0,,,,,CELL", ""},
        {band800, "005,00965000000,2,0,0,0,0,,09,,09,000000000,0,,00965025000,6,,SPLIT", ""},
        {band800, "005,00999975000,6,1,0,0,0,,09,,09,005000000,0,,,,,TOP", ""},
        {band800, "005,00965000000,2,0,0,0,0,,09,,09,000000000,0,,00965030000,7,,",
         "005: the transmit step 30kHz has no column in the CSV layout; an import gives 10kHz"},
        {BandPlan::DefaultRadioType, "005,00146520000,0,2,0,0,0,,09,,09,000600000,0,,00147000000,0,,",
         "005: the transmit frequency 147.000 MHz has no column in the CSV layout; an import gives (empty) | "
         "005: the transmit step 5kHz has no column in the CSV layout; an import gives (empty)"},
    };
    for (const auto& c : cases) {
        ChannelDocument doc = Document(c.type);
        doc.StoreMemory(5, c.record);
        const CsvExport::Result exported = CsvExport::Write(doc);
        std::string notes;
        for (const std::string& note : exported.notes)
            notes += (notes.empty() ? "" : " | ") + note;
        EXPECT_EQ(notes, c.note) << c.record;
        if (*c.note)
            continue;
        const CsvImport::Result again = CsvImport::Read(exported.text, doc);
        ASSERT_EQ(again.channels.size(), 1u) << c.record;
        EXPECT_EQ(again.channels[0].record, c.record);
        EXPECT_EQ(again.Report(), "1 channel imported, 0 rows changed, 0 rows skipped.\n") << c.record;
    }
}

} // namespace
