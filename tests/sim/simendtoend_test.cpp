// The simulator binary on a real pseudo-terminal, driven through the serial
// port component as the transfer dialogs drive a radio.

#include "builtinradio.h"
#include "channeldocument.h"
#include "datafile.h"
#include "ecommerror.h"
#include "fileio.h"
#include "portholders.h"
#include "portlink.h"
#include "simprocess.h"
#include "tempfolder.h"
#include "tqcomm.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

// The program's side: one command at a time, each reply announced by its
// carriage return.
class Link
{
public:
    explicit Link(const std::string& device)
    {
        PortLink::ApplyTransferSettings(m_comm);
        m_comm.SetPortName(device);
        m_comm.SetOnCommEvent([this](TQComm& sender, std::uint32_t&) {
            std::string reply;
            while (sender.CountInBuff() > 0) {
                char byte;
                sender.ReadData(&byte, 1);
                if (byte != '\r')
                    reply += byte;
            }
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_replies.push_back(reply);
            }
            m_arrived.notify_all();
        });
        m_comm.OpenCommport();
    }

    TQComm& Comm() { return m_comm; }

    void Send(const std::string& command)
    {
        m_comm.WriteStringData(command);
        m_comm.WriteStringData("\r");
    }

    // The reply, or "(none)" when none came within the time.
    std::string Ask(const std::string& command, std::chrono::milliseconds timeout = 2000ms)
    {
        Send(command);
        std::unique_lock<std::mutex> lock(m_mutex);
        if (!m_arrived.wait_for(lock, timeout, [this] { return !m_replies.empty(); }))
            return "(none)";
        std::string reply = m_replies.front();
        m_replies.pop_front();
        return reply;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::deque<std::string> m_replies;
    TQComm m_comm;
};

class SimEndToEnd : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_FALSE(m_folder.empty()) << "no folder under /tmp"; }

    TempFolder m_temp;
    const std::string m_folder = m_temp.Path();
};

} // namespace

TEST_F(SimEndToEnd, WritesReachTheMemoryAndAreSavedOnTermination)
{
    SimProcess sim({"--save", m_folder + "/saved.46", "--log", m_folder + "/rx.log"});
    const std::string device = sim.Device();
    ASSERT_EQ(device.rfind("/dev/pts/", 0), 0u) << device;
    {
        Link link(device);
        EXPECT_EQ(link.Ask("AI 0"), "AI 0");
        EXPECT_EQ(link.Ask("ID"), "ID QZ-R46");
        EXPECT_EQ(link.Ask("MW 0,0,017,00145000000,5,0,0,0,0,,09,,09,000600000,0"), "MW 0,0,017");
        EXPECT_EQ(link.Ask("MNA 0,017,HOME"), "MNA 0,017");
        EXPECT_EQ(link.Ask("MR 0,0,017"), "MR 0,0,017,00145000000,5,0,0,0,0,,09,,09,000600000,0");
        EXPECT_EQ(link.Ask("DM 03,12EF"), "DM 03");
        EXPECT_EQ(link.Ask("VMC 0,0"), "VMC 0,0");
    }
    EXPECT_EQ(sim.Wait(SIGTERM), 0);

    ChannelDocument saved;
    const DataFile::LoadResult loaded = DataFile::Load(m_folder + "/saved.46", saved);
    ASSERT_TRUE(loaded.ok) << loaded.error;
    EXPECT_EQ(saved.Record(RecordKind::Memory, 17), "017,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,HOME");
    EXPECT_EQ(saved.Record(RecordKind::Dtmf, 3), "03,12*#");

    std::string log;
    ASSERT_TRUE(FileIo::ReadWholeFile(m_folder + "/rx.log", &log, nullptr));
    EXPECT_EQ(log, "AI 0\nID\nMW 0,0,017,00145000000,5,0,0,0,0,,09,,09,000600000,0\nMNA 0,017,HOME\n"
                   "MR 0,0,017\nDM 03,12EF\nVMC 0,0\n");
}

TEST_F(SimEndToEnd, AnswersFromAnImageAcrossReconnects)
{
    ChannelDocument image;
    image.StoreMemory(5, "005,00433500000,6,0,0,0,0,,09,,09,005000000,0,,,,,SAT");
    ASSERT_TRUE(FileIo::WriteFileAtomically(m_folder + "/image.46", DataFile::WriteDataFile(image), nullptr));

    SimProcess sim({"--image", m_folder + "/image.46", "--id", "QZ-R99", "--type", "0,1,00,1,1,1,1"});
    const std::string device = sim.Device();
    for (int connection = 0; connection < 2; ++connection) {
        EXPECT_TRUE(PortHolders::Of(device).empty()) << "the simulator holds only the master side";
        Link link(device);
        EXPECT_EQ(link.Ask("ID"), "ID QZ-R99");
        EXPECT_EQ(link.Ask("MR 0,0,005"), "MR 0,0,005,00433500000,6,0,0,0,0,,09,,09,005000000,0");
        EXPECT_EQ(link.Ask("MNA 0,005"), "MNA 0,005,SAT");
        EXPECT_EQ(link.Ask("VR 5"), "VR 5,00340000000,3,0,0,0,0,,09,,09,005000000");
    }
    EXPECT_EQ(sim.Wait(SIGINT), 0);
}

TEST_F(SimEndToEnd, StopsAnsweringAfterN)
{
    SimProcess sim({"--stop-after", "1"});
    Link link(sim.Device());
    EXPECT_EQ(link.Ask("AI 0"), "AI 0");
    EXPECT_EQ(link.Ask("ID", 300ms), "(none)");
}

TEST_F(SimEndToEnd, GarbageHasNoCarriageReturn)
{
    SimProcess sim({"--garbage-after", "1"});
    Link link(sim.Device());
    EXPECT_EQ(link.Ask("AI 0"), "AI 0");
    EXPECT_EQ(link.Ask("ID", 300ms), "(none)");
    EXPECT_EQ(link.Comm().ReadStringData(9), "ID QZ-R46") << "the bytes came, the line end did not";
}

TEST_F(SimEndToEnd, HangsUpAfterN)
{
    SimProcess sim({"--hangup-after", "2"});
    Link link(sim.Device());
    EXPECT_EQ(link.Ask("AI 0"), "AI 0");
    EXPECT_EQ(link.Ask("ID"), "ID QZ-R46");
    EXPECT_EQ(sim.Wait(), 0) << "the simulator ends after hanging up";
    try {
        link.Send("TYD");
        ADD_FAILURE() << "a write to a hung-up line went through";
    } catch (const ECommError& e) {
        EXPECT_STREQ(e.what(), "Communication Write Error  ErrorMask=5");
    }
}

TEST_F(SimEndToEnd, PacesRepliesLikeASlowLine)
{
    // "ID QZ-R46" and its carriage return: 10 bytes of 10 bits at 1200 bit/s
    // take 83 ms; the latency comes on top.
    SimProcess sim({"--baud", "1200", "--latency-ms", "50"});
    Link link(sim.Device());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(link.Ask("ID"), "ID QZ-R46");
    EXPECT_GE(std::chrono::steady_clock::now() - start, 125ms);
}

// The radio inside the program: fresh channels the first time, what was
// written kept across a stop and a new start, an idle line costs no CPU,
// and a memory file it cannot read is left alone.
TEST_F(SimEndToEnd, BuiltInRadioKeepsItsMemoryBetweenRuns)
{
    const std::string memory = m_folder + "/saved.46";
    std::string error;
    {
        BuiltInRadio radio(memory);
        ASSERT_TRUE(radio.Start(&error)) << error;
        {
            Link link(radio.DevicePath());
            EXPECT_EQ(link.Ask("MNA 0,000"), "MNA 0,000,CALL") << "a fresh radio has channels to look at";
            EXPECT_EQ(link.Ask("MW 0,0,017,00145000000,5,0,0,0,0,,09,,09,000600000,0"), "MW 0,0,017");
            EXPECT_EQ(link.Ask("VMC 0,0"), "VMC 0,0");
        }
        ChannelDocument saved;
        ASSERT_TRUE(DataFile::Load(memory, saved).ok) << "written at the end of a write";
        EXPECT_EQ(saved.Record(RecordKind::Memory, 17), "017,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,");

        timespec before{};
        timespec after{};
        ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &before);
        ::usleep(300000);
        ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &after);
        EXPECT_LT((after.tv_sec - before.tv_sec) * 1000 + (after.tv_nsec - before.tv_nsec) / 1000000, 60)
            << "waiting for the next client without spinning";
        EXPECT_EQ(Link(radio.DevicePath()).Ask("MW 0,0,018,00145500000,5,0,0,0,0,,09,,09,000600000,0"), "MW 0,0,018")
            << "a second client is served";
        ASSERT_TRUE(radio.Stop(&error)) << error;
    }
    BuiltInRadio again(memory);
    ASSERT_TRUE(again.Start(&error)) << error;
    EXPECT_EQ(Link(again.DevicePath()).Ask("MR 0,0,018"), "MR 0,0,018,00145500000,5,0,0,0,0,,09,,09,000600000,0");

    ASSERT_EQ(::mkdir((m_folder + "/image.46").c_str(), 0700), 0);
    BuiltInRadio unreadable(m_folder + "/image.46");
    EXPECT_FALSE(unreadable.Start(&error));
    EXPECT_NE(error.find(m_folder + "/image.46 cannot be read"), std::string::npos) << error;
}
