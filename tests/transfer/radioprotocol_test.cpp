// The radio's command lines and the turning of replies into records, with
// the simulated radio's replies as the reference for the echo lengths.
#include "radioprotocol.h"

#include "bandplan.h"
#include "channeldocument.h"
#include "radiosim.h"

#include <gtest/gtest.h>

using namespace RadioProtocol;

namespace {

TEST(ProtocolLabels, SlotsAndCommandLines)
{
    const struct {
        std::string got;
        std::string expected;
    } cases[] = {
        {SlotLabel(0), "000"},
        {SlotLabel(7), "007"},
        {SlotLabel(199), "199"},
        {SlotLabel(200), "L0"},
        {SlotLabel(201), "U0"},
        {SlotLabel(218), "L9"},
        {SlotLabel(219), "U9"},
        {SlotLabel(220), "PR"},
        {MemoryMainCommand(7), "MR 0,0,007"},
        {MemoryTransmitCommand(201), "MR 0,1,U0"},
        {MemoryNameCommand(220), "MNA 0,PR"},
        {CallReadCommand(1, 0), "CR 1,0"},
        {CallReadCommand(0, 1), "CR 0,1"},
        {VfoReadCommand(0), "VR 1"},
        {VfoReadCommand(1), "VR 2"},
        {VfoReadCommand(2), "VR 5"},
        {VfoReadCommand(3), "VR 6"},
        {VfoReadCommand(4), "VR 8"},
        {PowerReadCommand(1), "PC 0"},
        {PowerReadCommand(3), "PC 1"},
        {DtmfReadCommand(3), "DM 03"},
        {DtmfReadCommand(0), "DM 00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, c.expected);
}

TEST(ProtocolReplies, EchoIsDroppedAndTheRestBounded)
{
    const struct {
        std::string reply;
        std::size_t echo;
        std::size_t capacity;
        std::string expected;
    } cases[] = {
        {"ID QZ-R46\r", 3, ReplyCapacity, "QZ-R46"},
        {"\rID \rQZ-R46\r", 3, ReplyCapacity, "QZ-R46"}, // CRs never count towards the echo
        {"N\r", 7, ReplyCapacity, ""},                   // shorter than its echo
        {"", 11, ReplyCapacity, ""},
        {"\r\r", 0, ReplyCapacity, ""},
        {"MR 0,0," + std::string(150, 'x'), 7, ReplyCapacity, std::string(99, 'x')},
        {"ID QZ-R46 and a long tail", 0, IdentityCapacity, "ID QZ-R46 and a lon"},
        // No control character survives, nor counts towards the echo.
        {"MNA 0,000,AB\nVFO\n9\r", 10, ReplyCapacity, "ABVFO9"},
        {std::string("M\tR\0 0,0,012\x1f,1\x7f", 16), 7, ReplyCapacity, "012,1\x7f"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReplyText(c.reply, c.echo, c.capacity), c.expected) << c.reply;
}

TEST(ProtocolReplies, WhichLinesAreReplies)
{
    const struct {
        std::string line;
        std::string command;
        std::size_t echo;
        bool reply;
    } cases[] = {
        {"ID QZ-R46", "ID", IdentityEcho, true},
        {"QZ-R46", "ID", IdentityEcho, false}, // as long as the echo, without it
        {"?", "ID", IdentityEcho, true},       // short: a refusal
        {"N", "MR 0,1,000", TransmitEcho(0), true},
        {"MR 0,1,000,00145600000,5", "MR 0,1,000", TransmitEcho(0), true},
        {"MR 0,1,001,00145600000,5", "MR 0,1,000", TransmitEcho(0), false},
        {"MR 0,0,000,00145", "MR 0,0,012", MainEcho, true}, // the label is not part of the echo
        {"CR 1,0,00430", "CR 0,0", CallEcho, false},
        {"AI 0", "AI 0", HelloEcho, true},
        {"", "ID", IdentityEcho, false},
        {"\r", "N", 1, false},
        {std::string("\n\0\t", 3), "ID", IdentityEcho, false},
        {std::string("I\0D QZ", 6), "ID", IdentityEcho, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsReplyTo(c.line, c.command, c.echo), c.reply) << c.line << " to " << c.command;
}

// The echo lengths must fit the radio's replies exactly: one character off
// and every record would lose or gain a character.
TEST(ProtocolReplies, EchoLengthsMatchTheRadio)
{
    RadioSim radio;
    ChannelDocument& mem = radio.Memory();
    mem.StoreMemory(5, "005,00145000000,5,0,0,0,0,,09,,09,000600000,0,,00145600000,5,,RPT");
    mem.StoreMemory(200, "L0,00144000000,5,0,0,0,0,,09,,09,000600000,0,,00146000000,5,,EDGE");
    mem.StoreMemory(220, "PR,00433000000,6,0,0,0,0,,09,,09,005000000,0,,00438000000,6,,PRIO");
    mem.StoreDtmf(3, "03,12*#");
    const auto text = [&](const std::string& command, std::size_t echo) {
        return ReplyText(radio.Answer(command), echo);
    };
    EXPECT_EQ(text(MemoryMainCommand(5), MainEcho).substr(0, 4), "005,");
    EXPECT_EQ(text(MemoryTransmitCommand(5), TransmitEcho(5)), "00145600000,5");
    EXPECT_EQ(text(MemoryNameCommand(5), NameEcho(5)), "RPT");
    EXPECT_EQ(text(MemoryMainCommand(200), MainEcho).substr(0, 3), "L0,");
    EXPECT_EQ(text(MemoryTransmitCommand(200), TransmitEcho(200)), "00146000000,5");
    EXPECT_EQ(text(MemoryNameCommand(200), NameEcho(200)), "EDGE");
    EXPECT_EQ(text(MemoryTransmitCommand(220), TransmitEcho(220)), "00438000000,6");
    EXPECT_EQ(text(MemoryNameCommand(220), NameEcho(220)), "PRIO");
    EXPECT_EQ(text(CallReadCommand(0, 0), CallEcho).substr(0, 12), "00144000000,");
    EXPECT_EQ(text(VfoReadCommand(1), VfoEcho).substr(0, 2), "2,");
    EXPECT_EQ(text(PowerReadCommand(1), PowerEcho), "0");
    EXPECT_EQ(text(DtmfReadCommand(3), DtmfEcho), "03,12EF");
    EXPECT_EQ(text("TYD", RadioTypeEcho), "0,2,00,1,1,,");
}

TEST(ProtocolRecords, DefaultOffsetByBandAndVariant)
{
    BandPlan plain;
    plain.SetRadioType("0,2,00,1,1,,");
    BandPlan variant3;
    variant3.SetRadioType("0,3,00,1,1,,");
    const struct {
        std::string mainText;
        const BandPlan* plan;
        std::string expected;
    } cases[] = {
        {"012,00145000000,5,0,0,0,0,,09,,09,,0", &plain, "012,00145000000,5,0,0,0,0,,09,,09,000600000,0"},
        {"012,00118500000,5,0,0,0,0,,09,,09,,0", &variant3, "012,00118500000,5,0,0,0,0,,09,,09,000600000,0"},
        {"012,00435000000,6,0,0,0,0,,09,,09,,0", &plain, "012,00435000000,6,0,0,0,0,,09,,09,005000000,0"},
        {"012,00435000000,6,0,0,0,0,,09,,09,,0", &variant3, "012,00435000000,6,0,0,0,0,,09,,09,001600000,0"},
        {"012,00345000000,3,0,0,0,0,,09,,09,,", &plain, "012,00345000000,3,0,0,0,0,,09,,09,005000000,"},
        // An offset the radio gave is kept; a reply stopping before field 11
        // is kept as it came.
        {"012,00435000000,6,0,0,0,0,,09,,09,002000000,0", &variant3, "012,00435000000,6,0,0,0,0,,09,,09,002000000,0"},
        {"012,00435000000,6", &plain, "012,00435000000,6"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MemoryRecordStart(c.mainText, *c.plan), c.expected) << c.mainText;

    // CALL records: the default is appended only when the offset is absent.
    EXPECT_EQ(CallRecordStart(1, "00435000000,6,0,0,0,0,,09,,09", plain), "1,00435000000,6,0,0,0,0,,09,,09,005000000");
    EXPECT_EQ(CallRecordStart(0, "00145000000,5,0,0,0,0,,09,,09,", plain), "0,00145000000,5,0,0,0,0,,09,,09,");
    EXPECT_EQ(CallRecordStart(0, "", plain), "0,,000600000");
}

TEST(ProtocolRecords, TransmitAndNameParts)
{
    const struct {
        std::string got;
        std::string expected;
    } cases[] = {
        {MemoryTransmitPart(12, ""), ",,,"},
        {MemoryTransmitPart(12, "00145600000,5"), ",,00145600000,5"},
        {MemoryTransmitPart(200, "0014"), ",,,,,"}, // scan: under 5 characters is nothing
        {MemoryTransmitPart(220, "00438000000,6"), ",,00438000000,6,,"},
        {MemoryNamePart(12, "       "), ",,"},
        {MemoryNamePart(12, "        X"), ",,"},
        {MemoryNamePart(12, "  AB"), ",,  AB"},
        {MemoryNamePart(12, "      "), ",,      "}, // six blanks are a name
        {MemoryNamePart(220, "       "), ""},
        {MemoryNamePart(220, "PRIO"), "PRIO"},
        {MemoryNamePart(205, "       "), "       "}, // scan names are kept whatever they hold
        {CallTransmitPart(""), ",,,,,,"},
        {CallTransmitPart("00145600000,5"), ",,,00145600000,5,,"},
        {VfoRecord("1,00118000000,3,0,0,0,0,,09,,09,000600000"), "1,00118000000,3,0,0,0,0,,09,,09,000600000,,,,,,"},
        {VfoRecordWithPower("2,00144000000,0,0,0,0,0,,09,,09,000600000", "2"),
         "2,00144000000,0,0,0,0,0,,09,,09,000600000,,,,,2,"},
        {DtmfFromRadio("01,12EF"), "01,12*#"},
        {DtmfToRadio("01,12*#"), "01,12EF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, c.expected);
}

TEST(ProtocolWriteCommands, FromTheDocument)
{
    ChannelDocument doc;
    doc.ClearDocument();
    doc.StoreMemory(3, "003,00145000000,5,0,0,0,0,,09,,09,000600000,1,,00145600000,5,,RPT");
    doc.StoreMemory(4, "004,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,");
    doc.StoreMemory(6, "006,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,NA\rME");
    doc.StoreDtmf(1, "01,12*#");
    doc.StoreVfo(1, "2,00144000000,0,0,0,0,0,,09,,09,000600000,,,,,3,");
    doc.StoreCall(0, "0,00145000000,5,0,0,0,0,,09,,09,000600000,,,00145600000,5,,");
    const struct {
        std::string got;
        std::string expected;
    } cases[] = {
        {MemoryWriteCommand(doc, 12), "MW 0,0,012"},
        {MemoryWriteCommand(doc, 219), "MW 0,0,U9"},
        {MemoryWriteCommand(doc, 3), "MW 0,0,003,00145000000,5,0,0,0,0,,09,,09,000600000,1"},
        {MemoryTransmitWriteCommand(doc, 3), "MW 0,1,003,00145600000,5"},
        {MemoryNameWriteCommand(doc, 3), "MNA 0,003,RPT"},
        {MemoryNameWriteCommand(doc, 4), "MNA 0,004,"},
        // A carriage return in a field would end the line early.
        {MemoryNameWriteCommand(doc, 6), "MNA 0,006,NAME"},
        {CallWriteCommand(doc, 0), "CW 0,0,00145000000,5,0,0,0,0,,09,,09,000600000"},
        {CallTransmitWriteCommand(doc, 0), "CW 0,1,00145600000,5"},
        {VfoWriteCommand(doc, 1), "VW 2,00144000000,0,0,0,0,0,,09,,09,000600000"},
        {PowerWriteCommand(doc, 1), "PC 0,3"},
        {PowerWriteCommand(doc, 3), "PC 1,0"},
        {DtmfWriteCommand(doc, 1), "DM 01,12EF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, c.expected);
}

} // namespace
