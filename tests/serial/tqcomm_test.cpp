#include "ecommerror.h"
#include "linespeed.h"
#include "portlink.h"
#include "ptypair.h"
#include "tqcomm.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <time.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

using namespace std::chrono_literals;

std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const ECommError& e) {
        return e.what();
    }
    return "(nothing raised)";
}

// A pseudo-terminal always reports an empty output queue; a UART with
// bytes still going out is played by this stand-in.
class QueuedComm : public TQComm
{
public:
    int queued = 0;

protected:
    int DriverOutQueue() const override { return queued; }
};

double CpuSeconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

} // namespace

TEST(SerialPort, CommPortNamesThePortAndIgnoresNumbersOutOfRange)
{
    TQComm comm;
    const struct {
        TCommPort port;
        const char* name;
    } cases[] = {
        {TCommPort::Com2, "COM2"}, {TCommPort::Com4, "COM4"},           {TCommPort::Com3, "COM3"},
        {TCommPort::Com1, "COM1"}, {static_cast<TCommPort>(4), "COM1"}, {static_cast<TCommPort>(200), "COM1"},
    };
    for (const auto& c : cases) {
        comm.SetCommPort(c.port);
        EXPECT_EQ(comm.CommPort(), c.port);
        EXPECT_EQ(comm.PortName(), c.name) << static_cast<int>(c.port);
    }
}

TEST(SerialPort, PortNamesBecomeDevices)
{
    TQComm comm;
    const struct {
        const char* name;
        const char* device;
    } defaults[] = {
        {"COM1", "/dev/ttyS0"},
        {"COM2", "/dev/ttyS1"},
        {"COM3", "/dev/ttyS2"},
        {"COM4", "/dev/ttyS3"},
        {"/dev/pts/7", "/dev/pts/7"},
        {"COM5", "COM5"},
        {"", ""},
    };
    for (const auto& c : defaults)
        EXPECT_EQ(comm.DevicePath(c.name), c.device) << c.name;

    comm.SetPortResolver([](const std::string& name) { return "/dev/ttyUSB" + name.substr(3); });
    EXPECT_EQ(comm.DevicePath("COM2"), "/dev/ttyUSB2");
    EXPECT_EQ(comm.DevicePath("/dev/pts/7"), "/dev/pts/7") << "a path is never resolved";
}

TEST(SerialPort, ClosedPortRaisesAndCountsMinusOne)
{
    TQComm comm;
    char byte = 'x';
    EXPECT_EQ(MessageOf([&] { comm.ReadData(&byte, 1); }), "Have not started communications");
    EXPECT_EQ(MessageOf([&] { comm.WriteData(&byte, 1); }), "Have not started communications");
    EXPECT_EQ(MessageOf([&] { comm.ReadStringData(4); }), "Have not started communications");
    EXPECT_EQ(MessageOf([&] { comm.WriteStringData("ID"); }), "Have not started communications");
    EXPECT_EQ(comm.CountInBuff(), -1);
    EXPECT_EQ(comm.CountOutBuff(), -1);
    // The line operations quietly do nothing.
    comm.WriteStop();
    comm.WriteRestart();
    comm.ClearInBuff();
    comm.ClearOutBuff();
    comm.CloseCommport();
    EXPECT_FALSE(comm.GetPortStatus());
}

TEST(SerialPort, FailedOpenRaisesTheOpenMessageAndStaysClosed)
{
    char regularFile[] = "/tmp/qxp-serial-XXXXXX";
    const int fd = ::mkstemp(regularFile);
    ASSERT_GE(fd, 0);
    ::close(fd);

    const struct {
        const char* name;
        const char* message;
    } cases[] = {
        {"/dev/qxp-no-such-device", "CommOpen Error,invalid HANDLE:0xFFFFFFFF"},
        {regularFile, "CommOpen Error,invalid HANDLE:0xFFFFFFFF"},
        {"COM9", "CommOpen Error,invalid HANDLE:0xFFFFFFFF"},
    };
    for (const auto& c : cases) {
        TQComm comm;
        comm.SetPortName(c.name);
        EXPECT_EQ(MessageOf([&] { comm.OpenCommport(); }), c.message) << c.name;
        EXPECT_FALSE(comm.GetPortStatus());
        EXPECT_EQ(comm.ReadThread(), nullptr);
    }

    TQComm unmapped;
    unmapped.SetPortResolver([](const std::string&) { return std::string(); });
    EXPECT_EQ(MessageOf([&] { unmapped.OpenCommport(); }), "CommOpen Error,invalid HANDLE:NULL");
    ::unlink(regularFile);
}

TEST(SerialPort, OpensClosesAndReopens)
{
    PtyPair line;
    ASSERT_TRUE(line.Valid());
    TQComm comm;
    comm.SetPortName(line.Path());

    for (int round = 0; round < 3; ++round) {
        comm.OpenCommport();
        ASSERT_TRUE(comm.GetPortStatus());
        ASSERT_NE(comm.ReadThread(), nullptr);
        comm.WriteStringData("ID\r");
        EXPECT_EQ(line.Receive(3, 2s), "ID\r");
        line.Send("ok");
        char reply[2] = {};
        EXPECT_EQ(comm.ReadData(reply, 2), 2u);
        EXPECT_EQ(std::string(reply, 2), "ok");
        comm.CloseCommport();
        EXPECT_FALSE(comm.GetPortStatus());
        EXPECT_EQ(comm.ReadThread(), nullptr);
        EXPECT_EQ(comm.CountInBuff(), -1);
    }
}

TEST(SerialPort, OpeningAnOpenPortKeepsItsThread)
{
    PtyPair line;
    TQComm comm;
    comm.SetPortName(line.Path());
    comm.OpenCommport();
    const TReadThread* thread = comm.ReadThread();
    comm.OpenCommport();
    EXPECT_EQ(comm.ReadThread(), thread);
    EXPECT_TRUE(comm.GetPortStatus());
}

TEST(SerialPort, CheckCommportValidTestsExclusiveAccess)
{
    PtyPair line;
    PtyPair other;
    TQComm comm;
    comm.SetPortName(line.Path());

    EXPECT_TRUE(comm.CheckCommportValid(line.Path())) << "a free device";
    EXPECT_FALSE(comm.CheckCommportValid("/dev/qxp-no-such-device"));

    comm.OpenCommport();
    EXPECT_TRUE(comm.CheckCommportValid(line.Path())) << "its own open port";
    TQComm second;
    EXPECT_FALSE(second.CheckCommportValid(line.Path())) << "held by another component";
    comm.CloseCommport();
    EXPECT_TRUE(second.CheckCommportValid(line.Path())) << "released on close";

    // Another program holding the device with flock only...
    {
        UniqueFd holder(::open(other.Path().c_str(), O_RDWR | O_NOCTTY));
        ASSERT_EQ(::flock(holder.Get(), LOCK_EX | LOCK_NB), 0);
        EXPECT_FALSE(comm.CheckCommportValid(other.Path()));
        EXPECT_EQ(MessageOf([&] {
                      comm.SetPortName(other.Path());
                      comm.OpenCommport();
                  }),
                  "CommOpen Error,invalid HANDLE:0xFFFFFFFF");
    }
    EXPECT_TRUE(comm.CheckCommportValid(other.Path()));
    // ...or with exclusive mode only (root may open it regardless).
    {
        const UniqueFd holder = other.OpenSlave();
        ASSERT_EQ(::ioctl(holder.Get(), TIOCEXCL), 0);
        EXPECT_FALSE(comm.CheckCommportValid(other.Path()));
        ::ioctl(holder.Get(), TIOCNXCL);
        EXPECT_TRUE(comm.CheckCommportValid(other.Path()));
    }
}

TEST(SerialPort, CheckCommportValidLeavesTheDeviceAsItWas)
{
    PtyPair line;
    termios before = line.SlaveSettings();
    before.c_lflag |= ICANON | ECHO;
    ASSERT_EQ(::tcsetattr(line.SettingsFd(), TCSANOW, &before), 0);

    TQComm comm;
    ASSERT_TRUE(comm.CheckCommportValid(line.Path()));
    const termios after = line.SlaveSettings();
    EXPECT_EQ(after.c_lflag, before.c_lflag);
    EXPECT_EQ(after.c_iflag, before.c_iflag);
    EXPECT_EQ(after.c_cflag, before.c_cflag);
}

TEST(SerialPort, OpenSetsRawLineWithXonXoffAndCloseRestoresTheDevice)
{
    PtyPair line;
    termios original = line.SlaveSettings();
    original.c_lflag |= ICANON | ECHO | ISIG;
    original.c_iflag |= ICRNL | IXANY;
    ASSERT_EQ(::tcsetattr(line.SettingsFd(), TCSANOW, &original), 0);
    original = line.SlaveSettings();

    TQComm comm;
    PortLink::ApplyTransferSettings(comm);
    comm.SetPortName(line.Path());
    comm.OpenCommport();
    const termios open = line.SlaveSettings();
    EXPECT_EQ(open.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u) << "no line editing or signals";
    EXPECT_EQ(open.c_iflag & (ICRNL | INLCR | IGNCR | ISTRIP | IXANY), 0u) << "bytes untouched";
    EXPECT_EQ(open.c_iflag & (IXON | IXOFF), tcflag_t{IXON | IXOFF}) << "Xon/Xoff both ways";
    EXPECT_EQ(open.c_oflag & OPOST, 0u);
    EXPECT_EQ(open.c_cflag & (CSIZE | PARENB | CSTOPB | CLOCAL | CREAD | CRTSCTS), tcflag_t{CS8 | CLOCAL | CREAD});
    EXPECT_EQ(open.c_cc[VSTART], 17);
    EXPECT_EQ(open.c_cc[VSTOP], 19);
    EXPECT_EQ(LineSpeed::Get(line.SettingsFd()), 9600u);

    comm.CloseCommport();
    const termios closed = line.SlaveSettings();
    EXPECT_EQ(closed.c_lflag, original.c_lflag);
    EXPECT_EQ(closed.c_iflag, original.c_iflag);
    EXPECT_EQ(closed.c_cflag, original.c_cflag);
}

TEST(SerialPort, SettersReachAnOpenLine)
{
    // Only what a pseudo-terminal keeps: it forces 8 bits without parity,
    // so the mappings are checked on the structure (SerialLineConfig).
    PtyPair line;
    TQComm comm;
    comm.SetPortName(line.Path());
    comm.OpenCommport();

    const struct {
        TStopBits stop;
        tcflag_t bits;
    } stops[] = {{TStopBits::_2bit, CSTOPB}, {TStopBits::_1bit, 0}, {TStopBits::_1_5bit, CSTOPB}};
    for (const auto& c : stops) {
        comm.SetStopBits(c.stop);
        EXPECT_EQ(line.SlaveSettings().c_cflag & CSTOPB, c.bits) << static_cast<int>(c.stop);
    }

    const unsigned rates[] = {600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600, 115200, 128000};
    for (unsigned i = 0; i < std::size(rates); ++i) {
        comm.SetBaudRate(static_cast<TBaudRate>(i));
        EXPECT_EQ(LineSpeed::Get(line.SettingsFd()), rates[i]);
    }

    // Set while closed, applied at the next opening.
    comm.CloseCommport();
    comm.SetBaudRate(TBaudRate::__19200bps);
    EXPECT_NE(LineSpeed::Get(line.SettingsFd()), 19200u);
    comm.OpenCommport();
    EXPECT_EQ(LineSpeed::Get(line.SettingsFd()), 19200u);
}

TEST(SerialPort, XonXoffLimitsFollowTheSendSizes)
{
    PtyPair line;
    const struct {
        std::uint32_t inBuff;
        std::uint16_t xoffSend;
        std::uint16_t xonSend;
        std::uint16_t xonLimit;
        std::uint16_t xoffLimit;
    } cases[] = {
        {1024, 768, 256, 256, 256},     // the transfer dialogs
        {4096, 2048, 1024, 1024, 2048}, // the defaults
        {100, 200, 5, 5, 65436},        // 16-bit arithmetic wraps
    };
    for (const auto& c : cases) {
        TQComm comm;
        comm.SetPortName(line.Path());
        comm.SetFlowControl(TFlowControl::XonXoff);
        comm.SetInBuffSize(c.inBuff);
        comm.SetXoffSendSize(c.xoffSend);
        comm.SetXonSendSize(c.xonSend);
        comm.OpenCommport();
        EXPECT_EQ(comm.XonLimit(), c.xonLimit);
        EXPECT_EQ(comm.XoffLimit(), c.xoffLimit);
    }
}

TEST(SerialPort, WriteNeedsMoreFreeBytesThanItWrites)
{
    PtyPair line;
    QueuedComm comm;
    comm.SetOutBuffSize(1024);
    comm.SetPortName(line.Path());
    comm.OpenCommport();
    const std::string data(1024, 'x');

    const struct {
        int queued;
        std::uint32_t count;
        bool refused;
    } cases[] = {
        {1014, 10, true},                  // exactly 10 free
        {1014, 9, false},                  // 10 free for 9
        {0, 1024, true},                   // all free, but not more than the write
        {0, 1023, false}, {1030, 1, true}, // a driver holding more than we asked for
    };
    for (const auto& c : cases) {
        comm.queued = c.queued;
        EXPECT_EQ(comm.CountOutBuff(), c.queued);
        const std::string message = MessageOf([&] { comm.WriteData(data.data(), c.count); });
        if (c.refused) {
            EXPECT_EQ(message, "Too much write data") << c.queued << " queued, " << c.count << " written";
        } else {
            EXPECT_EQ(message, "(nothing raised)") << c.queued << " queued, " << c.count << " written";
            EXPECT_EQ(line.Receive(c.count, 2s).size(), c.count);
        }
    }
}

TEST(SerialPort, ReadTakesQueuedBytesInOrderAndClearInBuffDiscardsThem)
{
    PtyPair line;
    TQComm comm;
    comm.SetPortName(line.Path());
    comm.OpenCommport();

    line.Send("MR 0,0,017\r");
    std::string got;
    for (int i = 0; i < 11; ++i) {
        char byte;
        ASSERT_EQ(comm.ReadData(&byte, 1), 1u);
        got += byte;
    }
    EXPECT_EQ(got, "MR 0,0,017\r");

    line.Send("stale");
    const auto until = std::chrono::steady_clock::now() + 2s;
    while (comm.CountInBuff() < 5 && std::chrono::steady_clock::now() < until)
        line.Receive(1, 5ms);
    ASSERT_EQ(comm.CountInBuff(), 5);
    comm.ClearInBuff();
    EXPECT_EQ(comm.CountInBuff(), 0);
    line.Send("new");
    EXPECT_EQ(comm.ReadStringData(3), "new");
}

TEST(SerialPort, ShortReadEndsAfterTheIntervalTimeOut)
{
    PtyPair line;
    TQComm comm;
    comm.SetPortName(line.Path());
    comm.OpenCommport();

    line.Send("abc");
    char bytes[10];
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(comm.ReadData(bytes, sizeof bytes), 3u);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, 900ms) << "1000 ms between bytes are allowed";
    EXPECT_LT(waited, 1800ms) << "well before the 5*n + 1000 ms total";
}

TEST(SerialPort, HungUpLineRaisesLineErrorsWithoutSpinning)
{
    PtyPair line;
    TQComm comm;
    comm.SetPortName(line.Path());
    comm.OpenCommport();
    line.Send("tail");
    ASSERT_EQ(comm.ReadStringData(2), "ta");
    line.CloseMaster();

    // The event thread sees the hang-up and must then sleep, not spin on a
    // descriptor that stays ready.
    const double cpuBefore = CpuSeconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - wallBefore < 300ms)
        ::usleep(10000);
    EXPECT_LT(CpuSeconds() - cpuBefore, 0.1);

    EXPECT_EQ(comm.ReadStringData(2), "il") << "bytes that came before the hang-up are kept";
    char byte;
    EXPECT_EQ(MessageOf([&] { comm.ReadData(&byte, 1); }).rfind("Communication Read Error  ErrorMask=", 0), 0u);
    EXPECT_EQ(MessageOf([&] { comm.WriteStringData("ID\r"); }), "Communication Write Error  ErrorMask=5");
    EXPECT_TRUE(comm.GetPortStatus()) << "a failed transfer leaves the port open";
    comm.CloseCommport();
}
