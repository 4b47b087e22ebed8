#include "ecommerror.h"
#include "portlink.h"
#include "ptypair.h"
#include "tqcomm.h"
#include "treadthread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <thread>

namespace {

using namespace std::chrono_literals;

// A handler as the dialogs write it: take every waiting byte.
TQComm::TCommEvent ReadWholeReply(EventLog& log)
{
    return [&log](TQComm& sender, std::uint32_t& size) {
        std::string bytes;
        for (int waiting = sender.CountInBuff(); waiting > 0; waiting = sender.CountInBuff()) {
            char byte;
            sender.ReadData(&byte, 1);
            bytes += byte;
        }
        log.Add({size, bytes});
    };
}

// Waits until the component has taken `count` bytes off the line.
bool WaitForQueued(TQComm& comm, int count)
{
    const auto until = std::chrono::steady_clock::now() + 5s;
    while (comm.CountInBuff() < count) {
        if (std::chrono::steady_clock::now() > until)
            return false;
        std::this_thread::sleep_for(2ms);
    }
    return true;
}

class SerialEvents : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_line.Valid());
        PortLink::ApplyTransferSettings(m_comm);
        m_comm.SetPortName(m_line.Path());
    }

    // The component goes first, so its thread is gone before what its
    // handlers use.
    PtyPair m_line;
    EventLog m_log;
    TQComm m_comm;
};

} // namespace

TEST_F(SerialEvents, CharEventComesOnlyWithTheEventCharacterAndCarriesTheWholeLine)
{
    m_comm.SetOnCommEvent(ReadWholeReply(m_log));
    m_comm.OpenCommport();

    m_line.Send("ID QZ");
    ASSERT_TRUE(WaitForQueued(m_comm, 5));
    m_line.Send("-R4");
    ASSERT_TRUE(WaitForQueued(m_comm, 8));
    EXPECT_FALSE(m_log.WaitFor(1, 100ms)) << "no carriage return yet";

    m_line.Send("6\r");
    ASSERT_TRUE(m_log.WaitFor(1));
    const auto events = m_log.Events();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].size, 10u);
    EXPECT_EQ(events[0].bytes, "ID QZ-R46\r");
}

TEST_F(SerialEvents, EventCharacterTakenOffTheLineByTheOwnerStillRaisesOneEvent)
{
    m_comm.SetOnCommEvent([this](TQComm&, std::uint32_t& size) { m_log.Add({size, {}}); });
    m_comm.OpenCommport();
    m_line.Send("AI 0\r");
    // The owner may get to the device before the event thread does.
    ASSERT_TRUE(WaitForQueued(m_comm, 5));
    ASSERT_TRUE(m_log.WaitFor(1));
    EXPECT_EQ(m_log.Events()[0].size, 5u);
    EXPECT_FALSE(m_log.WaitFor(2, 100ms));
}

TEST_F(SerialEvents, WakeUpWithAnEmptiedQueueDeliversNothing)
{
    // The first event holds the thread in its handler while the owner
    // takes the next line (and its event character) away.
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    m_comm.SetOnCommEvent([&](TQComm&, std::uint32_t& size) {
        m_log.Add({size, {}});
        if (m_log.Events().size() == 1)
            released.wait();
    });
    m_comm.OpenCommport();

    m_line.Send("one\r");
    ASSERT_TRUE(m_log.WaitFor(1));
    m_line.Send("two\r");
    ASSERT_TRUE(WaitForQueued(m_comm, 8));
    EXPECT_EQ(m_comm.ReadStringData(8), "one\rtwo\r");
    const_cast<TReadThread*>(m_comm.ReadThread())->Kick(); // and a bare wake-up on top
    release.set_value();

    m_line.Send("three\r");
    ASSERT_TRUE(m_log.WaitFor(2));
    const auto events = m_log.Events();
    ASSERT_EQ(events.size(), 2u) << "nothing for the emptied queue or the bare wake-up";
    EXPECT_EQ(events[1].size, 6u);
}

TEST_F(SerialEvents, RxEventWaitsForTheThreshold)
{
    TQComm comm;
    comm.SetPortName(m_line.Path());
    comm.SetEventType(TEventType::RxEvent);
    comm.SetRxThreshold(256);
    comm.SetOnCommEvent([this](TQComm&, std::uint32_t& size) { m_log.Add({size, {}}); });
    comm.OpenCommport();

    m_line.Send(std::string(255, 'a'));
    ASSERT_TRUE(WaitForQueued(comm, 255));
    EXPECT_FALSE(m_log.WaitFor(1, 100ms)) << "255 bytes are below the threshold";
    m_line.Send("b");
    ASSERT_TRUE(m_log.WaitFor(1));
    const auto events = m_log.Events();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].size, 256u);
}

TEST_F(SerialEvents, HandlerExceptionIsReportedOnceAndTheThreadGoesOn)
{
    std::vector<std::string> reports;
    std::mutex reportsMutex;
    m_comm.SetExceptionReport([&](const std::string& message) {
        std::lock_guard<std::mutex> lock(reportsMutex);
        reports.push_back(message);
    });
    std::atomic<int> calls{0};
    m_comm.SetOnCommEvent([&](TQComm& sender, std::uint32_t& size) {
        sender.ClearInBuff();
        if (++calls == 1)
            throw ECommError(ECommError::TooMuchWriteData);
        m_log.Add({size, {}});
    });
    m_comm.OpenCommport();

    m_line.Send("first\r");
    const auto until = std::chrono::steady_clock::now() + 5s;
    while (calls == 0 && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(2ms);
    m_line.Send("second\r");
    ASSERT_TRUE(m_log.WaitFor(1));
    EXPECT_EQ(calls.load(), 2);
    m_comm.CloseCommport();
    std::lock_guard<std::mutex> lock(reportsMutex);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "Too much write data");
}

TEST_F(SerialEvents, CloseReturnsAtOnceWhileTheThreadWaits)
{
    m_comm.OpenCommport();
    const auto start = std::chrono::steady_clock::now();
    m_comm.CloseCommport();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 200ms);
}

TEST_F(SerialEvents, CloseReturnsAtOnceWhileTheHandlerWaitsForBytes)
{
    std::promise<void> entered;
    m_comm.SetExceptionReport([](const std::string&) {});
    m_comm.SetOnCommEvent([&](TQComm& sender, std::uint32_t&) {
        sender.ClearInBuff();
        entered.set_value();
        char bytes[200];
        sender.ReadData(bytes, sizeof bytes); // would wait 2 s for bytes that never come
    });
    m_comm.OpenCommport();
    m_line.Send("\r");
    entered.get_future().wait();

    const auto start = std::chrono::steady_clock::now();
    m_comm.CloseCommport();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 300ms);
    EXPECT_FALSE(m_comm.GetPortStatus());
}

TEST_F(SerialEvents, HandlerMayCloseThePortAndTheOwnerReopensIt)
{
    m_comm.SetOnCommEvent([this](TQComm& sender, std::uint32_t& size) {
        sender.CloseCommport();
        m_log.Add({size, {}});
    });
    m_comm.OpenCommport();
    m_line.Send("bye\r");
    ASSERT_TRUE(m_log.WaitFor(1));
    EXPECT_FALSE(m_comm.GetPortStatus());

    m_comm.SetOnCommEvent(ReadWholeReply(m_log));
    m_comm.OpenCommport();
    m_line.Send("again\r");
    ASSERT_TRUE(m_log.WaitFor(2));
    EXPECT_EQ(m_log.Events()[1].bytes, "again\r");
}

// A line too long for the input queue (1024 bytes) keeps its head and its
// carriage return; the bytes between are dropped, and the next line comes
// whole.
TEST_F(SerialEvents, LineLongerThanTheQueueIsCutButStillEnds)
{
    m_comm.SetOnCommEvent(ReadWholeReply(m_log));
    m_comm.OpenCommport();
    m_line.Send("ID " + std::string(3000, 'x') + "\r");
    ASSERT_TRUE(m_log.WaitFor(1)) << "the carriage return was never seen";
    EXPECT_EQ(m_log.Events()[0].bytes, "ID " + std::string(1020, 'x') + "\r");
    m_line.Send("TYD 0\r");
    ASSERT_TRUE(m_log.WaitFor(2));
    EXPECT_EQ(m_log.Events()[1].bytes, "TYD 0\r");
}

// The handler closes the port while the owner waits inside a read on its
// own thread: the read ends at once with what it had, and nothing of the
// closed opening is touched afterwards (the ThreadSanitizer build checks
// the second part).
TEST_F(SerialEvents, HandlerClosesThePortWhileTheOwnerReads)
{
    for (int round = 0; round < 5; ++round) {
        std::promise<void> inHandler;
        std::promise<void> reading;
        std::promise<void> closed;
        std::shared_future<void> ownerReads = reading.get_future().share();
        m_comm.SetOnCommEvent([&](TQComm& sender, std::uint32_t&) {
            inHandler.set_value();
            ownerReads.wait();
            std::this_thread::sleep_for(20ms); // the owner is in its wait by now
            sender.CloseCommport();
            closed.set_value();
        });
        m_comm.OpenCommport();
        m_line.Send("x\r");
        ASSERT_EQ(inHandler.get_future().wait_for(5s), std::future_status::ready);

        reading.set_value();
        char bytes[64];
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(m_comm.ReadData(bytes, sizeof bytes), 2u) << "round " << round;
        EXPECT_LT(std::chrono::steady_clock::now() - start, 500ms) << "not the 1000 ms between bytes";
        EXPECT_FALSE(m_comm.GetPortStatus());
        EXPECT_EQ(m_comm.CountInBuff(), -1);
        ASSERT_EQ(closed.get_future().wait_for(5s), std::future_status::ready);
    }
    EXPECT_TRUE(TQComm().CheckCommportValid(m_line.Path())) << "the device was released";
}

TEST_F(SerialEvents, HandlerMayDestroyTheComponent)
{
    auto comm = std::make_unique<TQComm>();
    PortLink::ApplyTransferSettings(*comm);
    comm->SetPortName(m_line.Path());
    std::promise<void> destroyed;
    comm->SetOnCommEvent([&](TQComm&, std::uint32_t&) {
        comm.reset();
        destroyed.set_value();
    });
    comm->OpenCommport();
    m_line.Send("end\r");
    ASSERT_EQ(destroyed.get_future().wait_for(5s), std::future_status::ready);

    // The device was released with the component.
    TQComm next;
    EXPECT_TRUE(next.CheckCommportValid(m_line.Path()));
}

TEST_F(SerialEvents, HandlerRepliesFromTheEventThread)
{
    // The transfer pattern: each reply triggers the next command.
    std::atomic<int> replies{0};
    m_comm.SetOnCommEvent([&](TQComm& sender, std::uint32_t& size) {
        sender.ReadStringData(size);
        if (++replies < 3)
            sender.WriteStringData("NEXT\r");
        m_log.Add({size, {}});
    });
    m_comm.OpenCommport();
    for (int i = 0; i < 3; ++i) {
        m_line.Send("R\r");
        if (i < 2) {
            EXPECT_EQ(m_line.Receive(5, 5s), "NEXT\r");
        }
    }
    ASSERT_TRUE(m_log.WaitFor(3));
}
