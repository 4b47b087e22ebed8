// The transfer runner on its worker thread against the simulated radio on a
// pseudo-terminal, stopped mid-transfer: Cancel and the owner going away
// must end it promptly, keep what was read, and leave the port closed.
// Run under ThreadSanitizer with the other transfer tests.
#include "channeldocument.h"
#include "portlink.h"
#include "radiosim.h"
#include "readtransfer.h"
#include "simport.h"
#include "simserver.h"
#include "tqcomm.h"
#include "transferrunner.h"
#include "uniquefd.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// The simulated radio served by a thread of its own while the object lives.
class PtyRadio
{
public:
    explicit PtyRadio(SimServer::Settings settings)
    {
        std::string error;
        m_stop.Reset(::eventfd(0, EFD_CLOEXEC));
        if (!m_stop.Valid() || !m_port.Open(&error))
            return;
        m_radio.SetRadioType("0,1,00,1,1,,");
        m_radio.Memory().StoreMemory(12, "012,00145500000,3,2,0,1,0,,09,,12,000600000,1,,00144900000,3,,RPT1");
        m_radio.Memory().StoreMemory(150, "150,00435000000,6,1,1,0,1,,15,,15,005000000,0,,,,,");
        m_server = std::make_unique<SimServer>(m_port, m_radio, std::move(settings));
        m_thread = std::thread([this] {
            std::string ignored;
            m_server->Run(m_stop.Get(), &ignored);
        });
    }
    ~PtyRadio()
    {
        if (!m_thread.joinable())
            return;
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(m_stop.Get(), &one, sizeof one);
        m_thread.join();
    }
    const std::string& Device() const { return m_port.DevicePath(); }
    const ChannelDocument& Memory() const { return m_radio.Memory(); }

private:
    SimPort m_port;
    RadioSim m_radio;
    UniqueFd m_stop;
    std::unique_ptr<SimServer> m_server;
    std::thread m_thread;
};

enum class Stop { Cancel, CancelSilent, Destroy };

struct StopCase {
    const char* name;
    Stop how;
    int stopAfter; // the radio falls silent after this many commands
    // How long the end may take after the stop, in ms.
    int atLeastMs;
    int withinMs;
};

class TransferRunnerStop : public ::testing::TestWithParam<StopCase>
{
};

TEST_P(TransferRunnerStop, EndsPromptlyKeepsWhatWasReadAndClosesThePort)
{
    const StopCase& c = GetParam();
    SimServer::Settings settings;
    settings.latencyMs = 5;
    settings.faults = SimFaults(c.stopAfter);
    PtyRadio radio(std::move(settings));
    ASSERT_FALSE(radio.Device().empty());

    TQComm comm;
    PortLink::ApplyTransferSettings(comm);
    comm.SetPortName(radio.Device());
    ChannelDocument doc;
    ReadTransfer reading(doc);
    std::atomic<int> position{0};
    std::promise<TransferRunner::Result> ended;
    auto runner = std::make_unique<TransferRunner>(comm);
    runner->SetProgressHook([&position](int value) { position = value; });
    ASSERT_FALSE(runner->Begin(reading).has_value());
    runner->Start([&ended](TransferRunner::Result result) { ended.set_value(std::move(result)); });

    // Past slot 12, well before slot 150; a silent radio has stopped by then.
    const auto until = Clock::now() + std::chrono::seconds(5);
    while (position < 20 && Clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_GE(position, 20);
    if (c.how == Stop::CancelSilent)
        std::this_thread::sleep_for(std::chrono::milliseconds(200));

    const auto stopped = Clock::now();
    if (c.how == Stop::Destroy)
        runner.reset();
    else
        runner->Cancel();
    std::future<TransferRunner::Result> result = ended.get_future();
    ASSERT_EQ(result.wait_for(std::chrono::milliseconds(c.withinMs)), std::future_status::ready);
    const auto tookMs = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - stopped).count();
    EXPECT_GE(tookMs, c.atLeastMs);
    EXPECT_EQ(result.get().outcome, TransferRunner::Outcome::Cancelled);
    runner.reset();

    EXPECT_FALSE(comm.GetPortStatus());
    EXPECT_TRUE(comm.CheckCommportValid(radio.Device()));
    EXPECT_EQ(doc.Record(RecordKind::Memory, 12), radio.Memory().Record(RecordKind::Memory, 12));
    EXPECT_EQ(doc.Record(RecordKind::Memory, 150), std::string_view());
}

// A radio that goes on answering ends the cancelled transfer at its next
// reply; a silent one at the end of the grace, not at the reply deadline.
INSTANTIATE_TEST_SUITE_P(, TransferRunnerStop,
                         ::testing::Values(StopCase{"CancelAtTheNextReply", Stop::Cancel, SimFaults::Never, 0, 250},
                                           StopCase{"CancelWithoutReplyAfterTheGrace", Stop::CancelSilent, 40, 290,
                                                    1000},
                                           StopCase{"OwnerGoingAway", Stop::Destroy, SimFaults::Never, 0, 250}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
