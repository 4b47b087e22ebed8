#include "commandlines.h"
#include "simfaults.h"
#include "simoptions.h"

#include <gtest/gtest.h>

#include <vector>

TEST(SimFaults, CountsCommandsToEachFault)
{
    using Reply = SimFaults::Reply;
    const struct {
        int stopAfter, garbageAfter, hangUpAfter;
        std::vector<Reply> replies; // for commands 1, 2, 3, 4
        int hangUpAt;               // 0: never
    } cases[] = {
        {-1, -1, -1, {Reply::Answer, Reply::Answer, Reply::Answer, Reply::Answer}, 0},
        {2, -1, -1, {Reply::Answer, Reply::Answer, Reply::Silent, Reply::Silent}, 0},
        {0, -1, -1, {Reply::Silent, Reply::Silent, Reply::Silent, Reply::Silent}, 0},
        {-1, 0, -1, {Reply::Garbage, Reply::Garbage, Reply::Garbage, Reply::Garbage}, 0},
        {-1, 1, -1, {Reply::Answer, Reply::Garbage, Reply::Garbage, Reply::Garbage}, 0},
        {-1, -1, 3, {Reply::Answer, Reply::Answer, Reply::Answer, Reply::Answer}, 3},
        {3, 1, 4, {Reply::Answer, Reply::Garbage, Reply::Garbage, Reply::Silent}, 4},
    };
    for (const auto& c : cases) {
        SimFaults faults(c.stopAfter, c.garbageAfter, c.hangUpAfter);
        for (int n = 1; n <= 4; ++n) {
            const SimFaults::Decision decision = faults.Next();
            EXPECT_EQ(decision.reply, c.replies[n - 1]) << "command " << n << " of case stop " << c.stopAfter;
            EXPECT_EQ(decision.hangUpAfter, c.hangUpAt != 0 && n >= c.hangUpAt) << "command " << n;
        }
    }
}

TEST(SimFaults, GlitchesShapeTheRepliesOfTheirCommands)
{
    SimFaults faults;
    faults.AddStrayLine(2);
    faults.AddControlChars(2);
    faults.AddPadding(3, 8);
    const struct {
        std::string reply;
        bool stray;
        std::string sent;
    } cases[] = {
        {"ID QZ-R46", false, "ID QZ-R46\r"},
        {"PC 0,1", true, std::string("P\nC\t ") + '\0' + "0\n,\t1" + '\0' + "\r"},
        {"VR 1", false, "VR 1    \r"},
        {"N", false, "N\r"},
    };
    for (const auto& c : cases) {
        const SimFaults::Decision decision = faults.Next();
        EXPECT_EQ(decision.strayLine, c.stray) << c.reply;
        EXPECT_EQ(SimFaults::Shape(decision, c.reply), c.sent) << c.reply;
    }
}

TEST(SimFaults, LosesOnlyTheNthWriteCommand)
{
    const struct {
        const char* command;
        bool write;
    } commands[] = {
        {"MR 0,0,005", false},
        {"MW 0,0,005", false}, // empties the slot: no data
        {"MW 0,0,005,00145000000,5", true},
        {"MW 0,1,005,00144400000,5", true},
        {"MNA 0,005", false},
        {"MNA 0,005,RPT", true},
        {"MNA 0,005,", true},
        {"PC 0", false},
        {"PC 0,2", true},
        {"DM 03", false},
        {"DM 03,12E", true},
        {"CW 0,0,00145000000", true},
        {"VW 2,00146000000", true},
        {"VMC 0,0", false},
        {"ID", false},
        {"MW", false},
    };
    SimFaults faults(SimFaults::Never, SimFaults::Never, SimFaults::Never, 3);
    int writes = 0;
    for (const auto& c : commands) {
        EXPECT_EQ(SimFaults::IsWriteCommand(c.command), c.write) << c.command;
        writes += c.write;
        EXPECT_EQ(faults.IgnoreWrite(c.command), c.write && writes == 3) << c.command;
    }
}

TEST(SimOptions, ParsesEveryOptionAndRefusesBadOnes)
{
    SimOptions options;
    std::string error;
    ASSERT_TRUE(SimOptions::Parse({"--image",
                                   "in.46",
                                   "--save=out.46",
                                   "--type",
                                   "0,1,00,1,1,1,1",
                                   "--limits",
                                   "00136,00174",
                                   "--id",
                                   "QZ-R99",
                                   "--log",
                                   "rx.log",
                                   "--baud",
                                   "9600",
                                   "--latency-ms=25",
                                   "--stop-after",
                                   "5",
                                   "--garbage-after",
                                   "3",
                                   "--hangup-after",
                                   "7",
                                   "--ignore-write",
                                   "12"},
                                  &options, &error))
        << error;
    EXPECT_EQ(options.imagePath, "in.46");
    EXPECT_EQ(options.savePath, "out.46");
    EXPECT_EQ(options.radioType, "0,1,00,1,1,1,1");
    EXPECT_EQ(options.bandLimits, "00136,00174");
    EXPECT_EQ(options.id, "QZ-R99");
    EXPECT_EQ(options.logPath, "rx.log");
    EXPECT_EQ(options.baud, 9600u);
    EXPECT_EQ(options.latencyMs, 25u);
    EXPECT_EQ(options.stopAfter, 5);
    EXPECT_EQ(options.garbageAfter, 3);
    EXPECT_EQ(options.hangUpAfter, 7);
    EXPECT_EQ(options.ignoreWrite, 12);
    ASSERT_TRUE(SimOptions::Parse({"--stray-cr", "5", "--stray-cr=9", "--control-chars", "19", "--pad-reply", "2:3000"},
                                  &options, &error))
        << error;
    EXPECT_EQ(options.strayLineBefore, (std::vector<int>{5, 9}));
    EXPECT_EQ(options.controlChars, std::vector<int>{19});
    ASSERT_EQ(options.padding.size(), 1u);
    EXPECT_EQ(options.padding[0].command, 2);
    EXPECT_EQ(options.padding[0].length, 3000u);

    ASSERT_TRUE(SimOptions::Parse({"--garbage"}, &options, &error));
    EXPECT_EQ(options.garbageAfter, 0);
    EXPECT_EQ(options.stopAfter, -1) << "every parse starts from the defaults";
    ASSERT_TRUE(SimOptions::Parse({"--help"}, &options, &error));
    EXPECT_TRUE(options.help);

    const std::vector<std::vector<std::string>> bad = {
        {"--baud"},
        {"--baud", "fast"},
        {"--baud", "-1"},
        {"--stop-after", "99999999999999"},
        {"--hangup-after", "0"},
        {"--frobnicate"},
        {"image.46"},
        {"--latency-ms", "1e3"},
        {"--pad-reply", "2"},
        {"--pad-reply", "2:"},
        {"--pad-reply", "x:9"},
        {"--stray-cr", "-1"},
        {"--ignore-write", "0"},
    };
    for (const auto& args : bad) {
        error.clear();
        EXPECT_FALSE(SimOptions::Parse(args, &options, &error)) << args[0];
        EXPECT_FALSE(error.empty()) << args[0];
    }
}

TEST(SimCommandLines, CarriageReturnEndsALineAcrossReads)
{
    CommandLines lines;
    EXPECT_TRUE(lines.Feed("MR 0,0,").empty());
    EXPECT_EQ(lines.Feed("017\rID\r\rAI"), (std::vector<std::string>{"MR 0,0,017", "ID", ""}));
    // Line feeds and Xon/Xoff from the far side's line discipline are no
    // part of a command.
    EXPECT_EQ(lines.Feed(std::string(" 0\n\x13\r\x11TYD\r")), (std::vector<std::string>{"AI 0", "TYD"}));
    // Noise without a carriage return is cut, not hoarded.
    EXPECT_TRUE(lines.Feed(std::string(5000, 'x')).empty());
    const auto cut = lines.Feed("\r");
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].size(), 1024u);
}
