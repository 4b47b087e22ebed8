#include "channeldocument.h"
#include "datafile.h"
#include "fileio.h"
#include "recordtext.h"

#include <gtest/gtest.h>

#include <random>

namespace {

const char* const kMemory000 = "000,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,REPEAT";

std::string Crlf(std::initializer_list<const char*> lines)
{
    std::string out;
    for (const char* l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

ChannelDocument Read(const std::string& contents, const char* type = "0,2,00,1,1,,")
{
    ChannelDocument doc;
    doc.StoreRadioType(type);
    doc.ClearDocument();
    DataFile::ReadDataFile(contents, doc);
    return doc;
}

TEST(DataFileWrite, NewDocumentWritesTheDefaultsInOrder)
{
    ChannelDocument doc;
    doc.ClearDocument();
    EXPECT_EQ(DataFile::WriteDataFile(doc),
              Crlf({"COMMENT", "", "MEMORY", "CALL", "0\t00144000000\t0\t0\t0\t0\t0\t\t09\t\t09\t000600000\t\t\t\t\t\t",
                    "1\t00440000000\t6\t0\t0\t0\t0\t\t09\t\t09\t005000000\t\t\t\t\t\t", "VFO",
                    "1\t00118000000\t3\t0\t0\t0\t0\t\t09\t\t09\t000600000\t\t\t\t\t\t",
                    "2\t00144000000\t0\t0\t0\t0\t0\t\t09\t\t09\t000600000\t\t\t\t\t0\t",
                    "6\t00440000000\t6\t0\t0\t0\t0\t\t09\t\t09\t005000000\t\t\t\t\t0\t", "DTMF"}));
}

TEST(DataFileWrite, SkipsShortSlotsAndKeepsTabsInTheComment)
{
    ChannelDocument doc;
    doc.ClearDocument();
    doc.SetComment("a\tb \xC4\xE3\xBA\xC3");
    doc.StoreMemory(0, kMemory000);
    doc.StoreMemory(1, "001,");  // 4 characters: shown, never written
    doc.StoreMemory(2, "002,0"); // 5 characters: written
    doc.StoreDtmf(0, "0");
    doc.StoreDtmf(1, "01");
    const std::string text = DataFile::WriteDataFile(doc);
    EXPECT_NE(text.find("COMMENT\r\na\tb \xC4\xE3\xBA\xC3\r\nMEMORY\r\n000\t"), std::string::npos);
    EXPECT_EQ(text.find("001\t"), std::string::npos);
    EXPECT_NE(text.find("\r\n002\t0\r\n"), std::string::npos);
    EXPECT_NE(text.find("DTMF\r\n01\r\n"), std::string::npos);

    const ChannelDocument back = Read(text);
    EXPECT_EQ(back.Comment(), doc.Comment());
}

TEST(DataFileWrite, AFullDocumentWithTheLongestCommentStaysReadable)
{
    ChannelDocument doc;
    doc.SetComment(std::string(ChannelDocument::CommentCapacity + 1, 'c'));
    EXPECT_EQ(doc.Comment().size(), ChannelDocument::CommentCapacity);
    const std::string record(ChannelDocument::RecordCapacity, '1');
    for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot)
        doc.StoreMemory(slot, record);
    for (int slot = 0; slot < ChannelDocument::CallSlots; ++slot)
        doc.StoreCall(slot, record);
    for (int slot = 0; slot < ChannelDocument::VfoSlots; ++slot)
        doc.StoreVfo(slot, record);
    for (int slot = 0; slot < ChannelDocument::DtmfSlots; ++slot)
        doc.StoreDtmf(slot, record);
    EXPECT_LE(DataFile::WriteDataFile(doc).size(), FileIo::MaxFileSize);
}

TEST(DataFileRoundTrip, EveryUsedSlotComesBackInItsPlace)
{
    std::mt19937 random(46);
    ChannelDocument doc;
    doc.StoreRadioType("0,3,00,1,1,1,1");
    doc.ClearDocument();
    doc.SetComment("Field day 2026");
    for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot) {
        const std::string label = RecordText::ChannelLabel(slot);
        const std::string mhz = std::to_string(144 + random() % 300);
        doc.StoreMemory(slot, label + ",00" + mhz + "012500,3,1,0,1,0,,09,,12,000600000," + (slot < 200 ? "1" : "") +
                                  ",,,,,N" + std::to_string(slot % 100));
    }
    for (int slot = 0; slot < ChannelDocument::DtmfSlots; ++slot)
        doc.StoreDtmf(slot, "0" + std::to_string(slot) + ",1234567890ABCD*#");
    const ChannelDocument back = Read(DataFile::WriteDataFile(doc), "0,3,00,1,1,1,1");
    EXPECT_EQ(back.Comment(), doc.Comment());
    for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot)
        EXPECT_EQ(back.Record(RecordKind::Memory, slot), doc.Record(RecordKind::Memory, slot)) << slot;
    for (int slot = 0; slot < ChannelDocument::VfoSlots; ++slot)
        EXPECT_EQ(back.Record(RecordKind::Vfo, slot), doc.Record(RecordKind::Vfo, slot)) << slot;
    for (int slot = 0; slot < ChannelDocument::CallSlots; ++slot)
        EXPECT_EQ(back.Record(RecordKind::Call, slot), doc.Record(RecordKind::Call, slot)) << slot;
    for (int slot = 0; slot < ChannelDocument::DtmfSlots; ++slot)
        EXPECT_EQ(back.Record(RecordKind::Dtmf, slot), doc.Record(RecordKind::Dtmf, slot)) << slot;
}

TEST(DataFileRead, PlacesRecordsBySlotKeyInAnyOrder)
{
    const ChannelDocument doc = Read("anything at all\n"
                                     "my comment\n"
                                     "000\t00145000000\tbefore any section\n"
                                     "DTMF\n"
                                     "03\t123A\r\n"
                                     "VFO\n"
                                     "2\t00146000000\t3\n"
                                     "5\t00340000000\t3\n"
                                     "MEMORY\n"
                                     "017\t00145500000\t5\n"
                                     "PR\t00433000000\t6\n"
                                     "U9\t00430000000\t6\n"
                                     "L0\t00431000000\t6\n"
                                     "xyz\t00145000000\n"
                                     "221\t00145000000\n"
                                     "\n"
                                     "CALL\n"
                                     "0\t00145500000\n"
                                     "7\t00435000000\n"
                                     "MEMORY\n"
                                     "017\t00146000000\t5\n"
                                     "DTMF\n"
                                     "10\t999\n"
                                     "x1\t999\n"
                                     "01\t55");
    EXPECT_EQ(doc.Comment(), "my comment");
    EXPECT_EQ(doc.Record(RecordKind::Memory, 0), "") << "a record before MEMORY is ignored";
    EXPECT_EQ(doc.Record(RecordKind::Memory, 17), "017,00146000000,5") << "a later line replaces an earlier one";
    EXPECT_EQ(doc.Record(RecordKind::Memory, 220), "PR,00433000000,6");
    EXPECT_EQ(doc.Record(RecordKind::Memory, 219), "U9,00430000000,6");
    EXPECT_EQ(doc.Record(RecordKind::Memory, 200), "L0,00431000000,6");
    EXPECT_EQ(doc.Record(RecordKind::Vfo, 1), "2,00146000000,3");
    EXPECT_EQ(doc.Record(RecordKind::Vfo, 2), "5,00340000000,3");
    EXPECT_EQ(doc.Record(RecordKind::Call, 0), "0,00145500000");
    EXPECT_EQ(doc.Record(RecordKind::Call, 1), "7,00435000000");
    EXPECT_EQ(doc.Record(RecordKind::Dtmf, 3), "03,123A");
    EXPECT_EQ(doc.Record(RecordKind::Dtmf, 1), "01,55") << "the last line counts without a line end";
    EXPECT_EQ(doc.Record(RecordKind::Dtmf, 0), "");
    // Defaults stay where the file names nothing.
    EXPECT_EQ(doc.Record(RecordKind::Vfo, 3), "6,00440000000,6,0,0,0,0,,09,,09,005000000,,,,,0,");
}

TEST(DataFileRead, SectionNamesMustMatchTheWholeLine)
{
    const ChannelDocument doc = Read("C\nc\nmemory\n000\t1\nMEMORY \n001\t1\nMEMORY\n002\t00145000000\n");
    EXPECT_EQ(doc.Record(RecordKind::Memory, 0), "");
    EXPECT_EQ(doc.Record(RecordKind::Memory, 1), "");
    EXPECT_EQ(doc.Record(RecordKind::Memory, 2), "002,00145000000");
}

TEST(DataFileRead, MalformedInputNeverOverflowsASlot)
{
    static const char kCall[] = "\nCALL\n0\t\0\t1\n";
    static const char kBinary[] = "MEMORY\n001\t\x01\x02\xff\xfe\t\0bin\n";
    std::string contents = "C\n\nMEMORY\n000\t" + std::string(100000, '9') + "\nDTMF\n05\t" + std::string(5000, '1') +
                           "\nVFO\n2" + std::string(3000, '\t');
    contents.append(kCall, sizeof kCall - 1);
    contents.append(kBinary, sizeof kBinary - 1);
    const ChannelDocument doc = Read(contents);
    EXPECT_EQ(doc.Record(RecordKind::Memory, 0).size(), 99u);
    EXPECT_EQ(doc.Record(RecordKind::Memory, 0).substr(0, 5), "000,9");
    EXPECT_EQ(doc.Record(RecordKind::Dtmf, 5).size(), 19u);
    EXPECT_EQ(doc.Record(RecordKind::Vfo, 1).size(), 99u);
    EXPECT_EQ(doc.Record(RecordKind::Call, 0), "0,") << "a NUL byte ends the record";
    EXPECT_EQ(doc.Record(RecordKind::Memory, 1), "001,\x01\x02\xff\xfe,");
}

TEST(DataFileRead, NoLineEndsAndEmptyFilesLeaveTheDocumentDefaulted)
{
    for (const std::string& contents : {std::string(), std::string("COMMENT"), std::string("\n"),
                                        std::string(200000, 'x'), std::string("\r\r\r\n\r\n")}) {
        const ChannelDocument doc = Read(contents);
        EXPECT_EQ(doc.Record(RecordKind::Memory, 0), "");
        EXPECT_EQ(doc.Record(RecordKind::Vfo, 1), "2,00144000000,0,0,0,0,0,,09,,09,000600000,,,,,0,");
    }
    EXPECT_EQ(Read("x\r\nlast comment\r").Comment(), "last comment");
}

const char* const kV100Memory =
    // old fields: 0-2 unused, 3 rx, 4..12, 13 offset, 14 lockout, 15, 16, 17 tx, 18 tx step
    "a,b,c,00433000000,6,2,0,1,0,,09,,09,,1x,p,q,00438000000,6\r\n";

TEST(DataFileV100, BuildsCurrentRecordsFromOldLines)
{
    std::string file = "old comment\r\n";
    file += kV100Memory;                                                   // slot 0
    file += "a,b,c,00145000000,5,1,0,0,0,,09,,09,000700000,0,p,q,r,s\r\n"; // slot 1
    file += "\r\n";                                                        // slot 2 empty
    for (int line = 5; line <= 222; ++line)
        file += line == 222 ? "a,b,c,00146000000,5,0,0,0,0,,09,,09,,,\r\n" : "\r\n"; // slot 220
    file += "NAME0\r\n";                                                             // name of slot 0
    file += "\r\n";
    file += "ORPHAN\r\n"; // name of empty slot 2
    for (int line = 226; line <= 442; ++line)
        file += "\r\n";
    file += "PRNAME\r\n"; // line 443: slot 220
    file += "AFTER\r\n";  // line 444: past the end of the layout

    ChannelDocument doc;
    doc.ClearDocument();
    DataFile::ReadV100File(file, doc);
    EXPECT_EQ(doc.Comment(), "old comment");
    EXPECT_EQ(doc.Record(RecordKind::Memory, 0), "000,00433000000,6,2,0,1,0,,09,,09,005000000,1,,00438000000,6,,NAME0");
    EXPECT_EQ(doc.Record(RecordKind::Memory, 1), "001,00145000000,5,1,0,0,0,,09,,09,000700000,0,,,,,");
    EXPECT_EQ(doc.Record(RecordKind::Memory, 2), "") << "a name alone does not make a channel";
    EXPECT_EQ(doc.Record(RecordKind::Memory, 220), "PR,00146000000,5,0,0,0,0,,09,,09,000600000,,,,,,PRNAME");

    ChannelDocument variant3;
    variant3.StoreRadioType("0,3,00,1,1,,");
    variant3.ClearDocument();
    DataFile::ReadV100File(std::string("c\r\n") + kV100Memory, variant3);
    EXPECT_EQ(variant3.GetField(RecordKind::Memory, 0, 11), "001600000");
}

TEST(DataFileV100, LongAndBinaryLinesStayInsideTheirSlots)
{
    std::string file = "c\n" + std::string(100000, ',') + "\n" + std::string(5000, 'Z') + "\n";
    static const char kBinary[] = "\0\0,\xff,\n";
    file.append(kBinary, sizeof kBinary - 1);
    ChannelDocument doc;
    doc.ClearDocument();
    DataFile::ReadV100File(file, doc);
    EXPECT_LE(doc.Record(RecordKind::Memory, 0).size(), 99u);
    EXPECT_EQ(doc.Record(RecordKind::Memory, 0).substr(0, 4), "000,");
    EXPECT_LE(doc.Record(RecordKind::Memory, 1).size(), 99u);
}

TEST(DataFileFormat, ExtensionsAreComparedWithoutCase)
{
    using DataFile::Format;
    const std::pair<const char*, Format> cases[] = {
        {"a.46", Format::Current},     {"/x/y/A.46", Format::Current},   {"b.r46", Format::V100},
        {"B.R46", Format::V100},       {"c.R46", Format::V100},          {"d.txt", Format::Unknown},
        {"noext", Format::Unknown},    {"dir.46/file", Format::Unknown}, {"x.460", Format::Unknown},
        {"x.46.bak", Format::Unknown},
    };
    for (const auto& [path, format] : cases)
        EXPECT_EQ(DataFile::FormatOfPath(path), format) << path;
}

} // namespace
