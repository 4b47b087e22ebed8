#include "radiosim.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Exchange {
    const char* command;
    const char* reply;
};

void ExpectReplies(RadioSim& radio, std::initializer_list<Exchange> exchanges)
{
    for (const auto& e : exchanges)
        EXPECT_EQ(radio.Answer(e.command), e.reply) << e.command;
}

constexpr const char* Main017 = "00145000000,5,0,0,0,0,,09,,09,000600000,0";

} // namespace

TEST(SimCommands, FreshRadioAnswersItsDefaults)
{
    RadioSim radio; // radio type 0,2,00,1,1,,: bands 0, 1 and 3
    ExpectReplies(radio, {
        {"AI 0", "AI 0"},
        {"ID", "ID QZ-R46"},
        {"TYD", "TYD 0,2,00,1,1,,"},
        {"FL", "FL 00118,00135,00136,00173,00410,00469"},
        {"MR 0,0,000", "N"},
        {"MR 0,1,000", "N"},
        {"MNA 0,000", "N"},
        {"MR 0,0,PR", "N"},
        {"CR 0,0", "CR 0,0,00144000000,0,0,0,0,0,,09,,09,000600000"},
        {"CR 0,1", "N"},
        {"CR 1,0", "CR 1,0,00440000000,6,0,0,0,0,,09,,09,005000000"},
        {"CR 1,1", "N"},
        {"VR 1", "VR 1,00118000000,3,0,0,0,0,,09,,09,000600000"},
        {"VR 2", "VR 2,00144000000,0,0,0,0,0,,09,,09,000600000"},
        {"VR 5", "N"},
        {"VR 6", "VR 6,00440000000,6,0,0,0,0,,09,,09,005000000"},
        {"VR 8", "N"},
        {"PC 0", "PC 0,0"},
        {"PC 1", "PC 1,0"},
        {"DM 00", "N"},
        {"DM 09", "N"},
        {"VMC 0,0", "VMC 0,0"},
    });
}

TEST(SimCommands, MalformedCommandsAreRefused)
{
    RadioSim radio;
    radio.Answer(std::string("MW 0,0,017,") + Main017);
    ExpectReplies(radio, {
        {"XYZ", "?"},
        {"ID 1", "?"},
        {"MR 0,0,17", "N"},   // labels are spelled as the radio spells them
        {"MR 0,0,200", "N"},  // slot 200 is L0
        {"MR 1,0,017", "N"},
        {"MR 0,2,017", "N"},
        {"MR 0,0,017,1", "N"},
        {"MW 0,1,017,00146000000", "N"},
        {"MW 0,0,017,1,2,3,4,5,6,7,8,9,10,11,12,13", "N"}, // more than fields 1..12
        {"MNA 1,017,A", "N"},
        {"MNA 0,017,A,B", "N"}, // a comma would split the record
        {"CR 2,0", "N"},
        {"VR 3", "N"},
        {"VR 22", "N"},
        {"PC 2", "N"},
        {"PC 0,4", "N"},
        {"DM 3", "N"},
        {"DM 10", "N"},
        {"DM 03,12G", "N"},
        {"DM 03,12345678901234567", "N"},
    });
    EXPECT_EQ(radio.Memory().Record(RecordKind::Memory, 17), std::string("017,") + Main017 + ",,,,,");
}

TEST(SimCommands, MemoryWritesAndReadsBack)
{
    RadioSim radio;
    ExpectReplies(radio, {
        {"MW 0,0,017,00145000000,5,0,0,0,0,,09,,09,000600000,0", "MW 0,0,017"},
        {"MR 0,0,017", "MR 0,0,017,00145000000,5,0,0,0,0,,09,,09,000600000,0"},
        {"MR 0,1,017", "N"},
        {"MNA 0,017", "MNA 0,017,"},
        {"MW 0,1,017,00146000000,5", "MW 0,1,017"},
        {"MR 0,1,017", "MR 0,1,017,00146000000,5"},
        {"MNA 0,017,  AB", "MNA 0,017"},
        {"MNA 0,017", "MNA 0,017,  AB"},
    });
    EXPECT_EQ(radio.Memory().Record(RecordKind::Memory, 17),
              "017,00145000000,5,0,0,0,0,,09,,09,000600000,0,,00146000000,5,,  AB");

    // A main write drops the transmit frequency and the name.
    ExpectReplies(radio, {
        {"MW 0,0,017,00145500000,5,1,0,1,0,,12,,09,000600000,1", "MW 0,0,017"},
        {"MR 0,0,017", "MR 0,0,017,00145500000,5,1,0,1,0,,12,,09,000600000,1"},
        {"MR 0,1,017", "N"},
        {"MNA 0,017", "MNA 0,017,"},
        {"MNA 0,017,X", "MNA 0,017"},
        {"MNA 0,017,", "MNA 0,017"},
        {"MNA 0,017", "MNA 0,017,"},
    });
    EXPECT_EQ(radio.Memory().Record(RecordKind::Memory, 17),
              "017,00145500000,5,1,0,1,0,,12,,09,000600000,1,,,,,");

    // The label alone empties the slot; transmit and name need a channel.
    ExpectReplies(radio, {
        {"MW 0,0,017", "MW 0,0,017"},
        {"MR 0,0,017", "N"},
        {"MW 0,1,017,00146000000,5", "N"},
        {"MNA 0,017,ABC", "N"},
    });
    EXPECT_EQ(radio.Memory().Record(RecordKind::Memory, 17), "");
}

TEST(SimCommands, ScanAndPriorityChannelsUseTheirLabels)
{
    RadioSim radio;
    ExpectReplies(radio, {
        {"MW 0,0,L0,00144000000,3,0,0,0,0,,09,,09,000600000,0", "MW 0,0,L0"},
        {"MW 0,1,L0,00144500000,3", "MW 0,1,L0"},
        {"MNA 0,L0,EDGE", "MNA 0,L0"},
        {"MW 0,0,PR,00433000000,6,0,0,0,0,,09,,09,005000000,0", "MW 0,0,PR"},
        {"MR 0,0,L0", "MR 0,0,L0,00144000000,3,0,0,0,0,,09,,09,000600000,0"},
        {"MR 0,1,L0", "MR 0,1,L0,00144500000,3"},
        {"MNA 0,L0", "MNA 0,L0,EDGE"},
        {"MR 0,0,U0", "N"},
        {"MR 0,0,PR", "MR 0,0,PR,00433000000,6,0,0,0,0,,09,,09,005000000,0"},
        {"MR 0,1,PR", "N"},
    });
    EXPECT_EQ(radio.Memory().Record(RecordKind::Memory, 200),
              "L0,00144000000,3,0,0,0,0,,09,,09,000600000,0,,00144500000,3,,EDGE");
    EXPECT_EQ(radio.Memory().Record(RecordKind::Memory, 220), "PR,00433000000,6,0,0,0,0,,09,,09,005000000,0,,,,,");
}

TEST(SimCommands, CallVfoPowerAndDtmfWritesReadBack)
{
    RadioSim radio;
    ExpectReplies(radio, {
        {"CW 0,0,00145000000,5,0,0,0,0,,09,,09,000600000", "CW 0,0"},
        {"CW 0,1,00146000000,5", "CW 0,1"},
        {"CR 0,0", "CR 0,0,00145000000,5,0,0,0,0,,09,,09,000600000"},
        {"CR 0,1", "CR 0,1,00146000000,5"},
        {"PC 0,2", "PC 0"},
        {"VW 2,00145500000,5,0,0,0,0,,09,,09,000600000", "VW 2"},
        {"VR 2", "VR 2,00145500000,5,0,0,0,0,,09,,09,000600000"},
        {"PC 0", "PC 0,2"}, // the VFO write keeps the power
        {"PC 1,3", "PC 1"},
        {"PC 1", "PC 1,3"},
        {"VW 5,00340000000,3,0,0,0,0,,09,,09,005000000", "N"}, // no 300 MHz band
        {"VW 1,00120000000,3,0,0,0,0,,09,,09,000600000", "VW 1"},
        {"DM 03,12EF", "DM 03"},
        {"DM 03", "DM 03,12EF"},
        {"DM 04,", "DM 04"},
        {"DM 04", "DM 04,"},
        {"VMC 0,0", "VMC 0,0"},
    });
    EXPECT_EQ(radio.Memory().Record(RecordKind::Call, 0),
              "0,00145000000,5,0,0,0,0,,09,,09,000600000,,,00146000000,5,,");
    EXPECT_EQ(radio.Memory().Record(RecordKind::Vfo, 1), "2,00145500000,5,0,0,0,0,,09,,09,000600000,,,,,2,");
    EXPECT_EQ(radio.Memory().Record(RecordKind::Vfo, 0), "1,00120000000,3,0,0,0,0,,09,,09,000600000,,,,,,");
    EXPECT_EQ(radio.Memory().Record(RecordKind::Dtmf, 3), "03,12*#");
}

TEST(SimCommands, RepliesGiveTheReaderItsDataAfterTheReplyPrefix)
{
    // The reader drops a fixed number of leading characters from each reply
    // (the head of its command) and takes the rest as data.
    RadioSim radio;
    for (const char* write : {"MW 0,0,017,00145000000,5,0,0,0,0,,09,,09,000600000,0", "MW 0,1,017,00146000000,5",
                              "MNA 0,017,  AB", "MW 0,0,L0,00144000000,3,0,0,0,0,,09,,09,000600000,0",
                              "MW 0,1,L0,00144500000,3", "MNA 0,L0,EDGE",
                              "MW 0,0,PR,00433000000,6,0,0,0,0,,09,,09,005000000,0", "MW 0,1,PR,00433500000,6",
                              "MNA 0,PR,PRIO", "CW 1,1,00435000000,6", "DM 03,1EF"})
        radio.Answer(write);

    const struct {
        const char* command;
        std::size_t prefix;
        const char* data;
    } cases[] = {
        {"ID", 3, "QZ-R46"},
        {"TYD", 4, "0,2,00,1,1,,"},
        {"FL", 3, "00118,00135,00136,00173,00410,00469"},
        {"MR 0,0,017", 7, "017,00145000000,5,0,0,0,0,,09,,09,000600000,0"},
        {"MR 0,1,017", 11, "00146000000,5"},
        {"MNA 0,017", 10, "  AB"},
        {"MR 0,0,018", 7, ""},
        {"MR 0,0,L0", 7, "L0,00144000000,3,0,0,0,0,,09,,09,000600000,0"},
        {"MR 0,1,L0", 10, "00144500000,3"},
        {"MNA 0,L0", 9, "EDGE"},
        {"MR 0,1,U0", 10, ""},
        {"MR 0,1,PR", 10, "00433500000,6"},
        {"MNA 0,PR", 9, "PRIO"},
        {"CR 1,0", 7, "00440000000,6,0,0,0,0,,09,,09,005000000"},
        {"CR 1,1", 7, "00435000000,6"},
        {"CR 0,1", 7, ""},
        {"VR 6", 3, "6,00440000000,6,0,0,0,0,,09,,09,005000000"},
        {"VR 5", 3, ""},
        {"PC 1", 5, "0"},
        {"DM 03", 3, "03,1EF"},
        {"DM 04", 3, ""},
    };
    for (const auto& c : cases) {
        const std::string reply = radio.Answer(c.command);
        const std::string data = reply.size() > c.prefix ? reply.substr(c.prefix) : std::string();
        EXPECT_EQ(data, c.data) << c.command << " -> " << reply;
    }

    // Put together as the reader does, the three replies of a memory channel
    // give back the stored record.
    const std::string main = radio.Answer("MR 0,0,017").substr(7);
    const std::string transmit = radio.Answer("MR 0,1,017").substr(11);
    const std::string name = radio.Answer("MNA 0,017").substr(10);
    EXPECT_EQ(main + ",," + transmit + ",," + name, radio.Memory().Record(RecordKind::Memory, 17));
}

TEST(SimCommands, RadioTypeDecidesTheBands)
{
    RadioSim radio;
    radio.SetRadioType("0,3,05,1,1,1,2"); // every band, 860 MHz variant
    ExpectReplies(radio, {
        {"TYD", "TYD 0,3,05,1,1,1,2"},
        {"FL", "FL 00118,00135,00136,00173,00300,00399,00410,00469,00800,00999"},
        {"VR 5", "VR 5,00340000000,3,0,0,0,0,,09,,09,001600000"},
        {"VR 8", "VR 8,00860000000,3,0,0,0,0,,09,,09,005000000"},
        {"CR 1,0", "CR 1,0,00432000000,6,0,0,0,0,,09,,09,001600000"},
    });
    radio.SetBandLimits("00136,00174,00420,00450");
    radio.SetId("QZ-R99");
    ExpectReplies(radio, {{"FL", "FL 00136,00174,00420,00450"}, {"ID", "ID QZ-R99"}});
}
