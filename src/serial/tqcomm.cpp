#include "tqcomm.h"

#include "ecommerror.h"
#include "lineconfig.h"
#include "linespeed.h"
#include "portholders.h"
#include "serialdevice.h"
#include "treadthread.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::milliseconds;

// The port time-outs: between two bytes of a read, and per byte plus a
// constant for a whole read or write.
constexpr int ReadIntervalTimeoutMs = 1000;
constexpr int ReadTotalMultiplierMs = 5;
constexpr int ReadTotalConstantMs = 1000;
constexpr int WriteTotalMultiplierMs = 5;
constexpr int WriteTotalConstantMs = 1000;
// After this much per byte a failed transfer counts as timed out rather
// than as a line error.
constexpr int FailureDeadlinePerByteMs = 100;

// How long a waiting reader sleeps in one go. The event thread may move the
// bytes it waits for into the queue while it is in poll() on the now empty
// device; the slice bounds how late it notices.
constexpr int ReaderSliceMs = 20;

constexpr std::uint32_t MaxStringRead = 4096;

int MillisecondsUntil(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<Milliseconds>(deadline - Clock::now()).count();
    return left <= 0 ? 0 : static_cast<int>(std::min<long long>(left, 1 << 30));
}

// tcsetattr() succeeds when any one of the changes took, so the driver's
// answer is read back and compared.
bool ChangeLineState(int fd, termios& wanted)
{
    if (::tcsetattr(fd, TCSANOW, &wanted) != 0)
        return false;
    termios held{};
    if (::tcgetattr(fd, &held) != 0)
        return false;
    return held.c_iflag == wanted.c_iflag && held.c_oflag == wanted.c_oflag && held.c_lflag == wanted.c_lflag &&
           (held.c_cflag & ~CBAUD) == (wanted.c_cflag & ~CBAUD) &&
           std::memcmp(held.c_cc, wanted.c_cc, sizeof held.c_cc) == 0;
}

} // namespace

TQComm::TQComm() = default;

TQComm::~TQComm()
{
    CloseCommport();
    ReapRetiredThread();
}

// --- properties -------------------------------------------------------------

void TQComm::SetCommPort(TCommPort value)
{
    m_commPort = value;
    const int number = static_cast<int>(value);
    if (number >= 0 && number <= 3)
        m_portName = "COM" + std::to_string(number + 1);
}

void TQComm::SetBaudRate(TBaudRate value)
{
    m_baudRate = value;
    if (const auto device = CurrentOpening().device)
        ApplyLineSetting(LineSetting::BaudRate, device->Fd());
}

void TQComm::SetParity(TParity value)
{
    m_parity = value;
    if (const auto device = CurrentOpening().device)
        ApplyLineSetting(LineSetting::Parity, device->Fd());
}

void TQComm::SetByteSize(TByteSize value)
{
    m_byteSize = value;
    if (const auto device = CurrentOpening().device)
        ApplyLineSetting(LineSetting::ByteSize, device->Fd());
}

void TQComm::SetStopBits(TStopBits value)
{
    m_stopBits = value;
    if (const auto device = CurrentOpening().device)
        ApplyLineSetting(LineSetting::StopBits, device->Fd());
}

void TQComm::SetFlowControl(TFlowControl value)
{
    m_flowControl = value;
    if (const auto device = CurrentOpening().device)
        ApplyLineSetting(LineSetting::FlowControl, device->Fd());
}

void TQComm::SetEventType(TEventType value)
{
    m_eventType = value;
}
void TQComm::SetInBuffSize(std::uint32_t value)
{
    m_inBuffSize = value;
}
void TQComm::SetOutBuffSize(std::uint32_t value)
{
    m_outBuffSize = value;
}
void TQComm::SetRxThreshold(std::uint32_t value)
{
    m_rxThreshold = value;
}
void TQComm::SetXonSendSize(std::uint16_t value)
{
    m_xonSendSize = value;
}
void TQComm::SetXoffSendSize(std::uint16_t value)
{
    m_xoffSendSize = value;
}

// The event character is looked for by the event thread, not by the
// driver, so the new one counts from the next arrival on.
void TQComm::SetEventChar(std::uint16_t value)
{
    m_eventChar = value;
}

void TQComm::SetOnCommEvent(TCommEvent handler)
{
    std::lock_guard<std::mutex> lock(m_handlerMutex);
    m_onCommEvent = std::move(handler);
}

std::string TQComm::DevicePath(const std::string& portName) const
{
    if (portName.empty() || portName.front() == '/')
        return portName;
    if (m_portResolver)
        return m_portResolver(portName);
    static const char* const devices[] = {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3"};
    if (portName.size() == 4 && portName.compare(0, 3, "COM") == 0 && portName[3] >= '1' && portName[3] <= '4')
        return devices[portName[3] - '1'];
    return portName;
}

// --- line settings ----------------------------------------------------------

void TQComm::ApplyRawMode(int fd)
{
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0)
        throw ECommError(ECommError::OpenInvalid, "cannot read the line settings");
    LineConfig::SetRaw(settings);
    if (!ChangeLineState(fd, settings))
        throw ECommError(ECommError::OpenInvalid, "the device refused raw mode");
}

void TQComm::ApplyLineSetting(LineSetting which, int fd)
{
    if (which == LineSetting::BaudRate) {
        if (const unsigned rate = LineConfig::BitsPerSecond(m_baudRate))
            LineSpeed::Set(fd, rate);
        return;
    }

    termios settings{};
    if (::tcgetattr(fd, &settings) != 0)
        return;
    switch (which) {
    case LineSetting::BaudRate: break;
    case LineSetting::Parity: LineConfig::SetParity(settings, m_parity); break;
    case LineSetting::ByteSize: LineConfig::SetByteSize(settings, m_byteSize); break;
    case LineSetting::StopBits: LineConfig::SetStopBits(settings, m_stopBits); break;
    case LineSetting::FlowControl: {
        // Every mode raises DTR and RTS (a pseudo-terminal has no modem
        // lines and refuses, which is fine).
        int lines = TIOCM_DTR | TIOCM_RTS;
        ::ioctl(fd, TIOCMBIS, &lines);
        LineConfig::SetFlowControl(settings, m_flowControl, XonChar, XoffChar);
        if (m_flowControl == TFlowControl::XonXoff) {
            // The driver sends Xoff and Xon at its own fill thresholds,
            // which stand in for these.
            m_xonLimit = m_xonSendSize;
            m_xoffLimit = static_cast<std::uint16_t>(m_inBuffSize - m_xoffSendSize);
        }
        break;
    }
    }
    // Failures are ignored: the line keeps whatever the driver accepted.
    ChangeLineState(fd, settings);
}

// --- open and close ---------------------------------------------------------

bool TQComm::CheckCommportValid(const std::string& portName)
{
    if (m_portStatus && portName == m_portName)
        return true;
    const std::string path = DevicePath(portName);
    // A program that has the device open without locking it (ModemManager,
    // brltty) would read the radio's replies away from us, so it counts as
    // holding the port as much as one with a lock.
    return !path.empty() && SerialDevice::Probe(path, nullptr) && PortHolders::Of(path).empty();
}

void TQComm::OpenCommport()
{
    if (m_portStatus)
        return;
    ReapRetiredThread();

    const std::string path = DevicePath(m_portName);
    if (path.empty())
        throw ECommError(ECommError::OpenNull, "no device for port " + m_portName);
    std::string error;
    const std::shared_ptr<SerialDevice> device = SerialDevice::Open(path, &error);
    if (!device)
        throw ECommError(ECommError::OpenInvalid, error);

    try {
        const int fd = device->Fd();
        ApplyRawMode(fd);
        ApplyLineSetting(LineSetting::BaudRate, fd);
        ApplyLineSetting(LineSetting::Parity, fd);
        ApplyLineSetting(LineSetting::ByteSize, fd);
        ApplyLineSetting(LineSetting::StopBits, fd);
        ApplyLineSetting(LineSetting::FlowControl, fd);
        const auto thread = std::make_shared<TReadThread>(*this, fd, m_exceptionReport);

        {
            std::lock_guard<std::mutex> lock(m_queueMutex);
            ::tcflush(fd, TCIOFLUSH);
            m_inQueue.clear();
            m_queueLimit = std::max<std::uint32_t>(1, m_inBuffSize);
            m_activeEventType = m_eventType.load();
            m_eventPending = false;
            m_deviceFailed = false;
            m_deviceErrno = 0;
            m_device = device;
            m_thread = thread;
            // Open before the thread runs, so that a reply arriving at once
            // is not dropped as an event of a closed port.
            m_portStatus = true;
        }
        thread->Start();
    } catch (const std::system_error& e) {
        ForgetOpening();
        throw ECommError(ECommError::OpenInvalid, e.what());
    } catch (...) {
        ForgetOpening();
        throw;
    }
}

void TQComm::ForgetOpening()
{
    std::lock_guard<std::mutex> lock(m_queueMutex);
    m_portStatus = false;
    m_thread.reset();
    m_device.reset();
}

void TQComm::CloseCommport()
{
    std::shared_ptr<SerialDevice> device;
    std::shared_ptr<TReadThread> thread;
    {
        // Taken out under the lock: an owner's read or write under way
        // holds its own reference to the device, and finds the port closed
        // at its next look.
        std::lock_guard<std::mutex> lock(m_queueMutex);
        if (!m_device)
            return;
        m_portStatus = false;
        device = std::move(m_device);
        thread = std::move(m_thread);
        ::tcflush(device->Fd(), TCIOFLUSH);
        m_inQueue.clear();
        m_eventPending = false;
    }
    if (!thread)
        return;
    if (thread->IsCurrentThread()) {
        // From inside the handler, which cannot join its own thread: the
        // device goes now (or when the owner's read or write that holds it
        // ends, which the stop descriptor makes at once), the thread ends
        // when the handler returns.
        device.reset();
        thread->Terminate();
        RetireThread(std::move(thread));
    } else {
        // Joined before the device goes, so a handler still running never
        // works on a closed descriptor.
        thread->Terminate();
        thread->Join();
    }
}

void TQComm::RetireThread(std::shared_ptr<TReadThread> thread)
{
    std::shared_ptr<TReadThread> earlier;
    {
        std::lock_guard<std::mutex> lock(m_queueMutex);
        earlier = std::exchange(m_retiredThread, std::move(thread));
    }
    if (earlier)
        earlier->Join();
}

void TQComm::ReapRetiredThread()
{
    std::shared_ptr<TReadThread> retired;
    {
        std::lock_guard<std::mutex> lock(m_queueMutex);
        retired = std::move(m_retiredThread);
    }
    if (!retired)
        return;
    if (retired->IsCurrentThread())
        retired->Detach();
    else
        retired->Join();
}

TQComm::Opening TQComm::CurrentOpening() const
{
    std::lock_guard<std::mutex> lock(m_queueMutex);
    return {m_device, m_thread};
}

const TReadThread* TQComm::ReadThread() const
{
    return CurrentOpening().thread.get();
}

// --- the input queue --------------------------------------------------------

bool TQComm::PullFromDeviceLocked()
{
    if (!m_device || m_deviceFailed)
        return false;
    const int fd = m_device->Fd();
    const auto eventChar = static_cast<unsigned char>(m_eventChar.load() & 0xff);
    const bool anyByte = m_activeEventType.load() == TEventType::RxEvent;
    unsigned char bytes[256];
    bool cutting = false;
    for (;;) {
        if (!cutting && m_inQueue.size() >= m_queueLimit) {
            if (!LineStuckLocked(eventChar))
                return true;
            cutting = true;
        }
        // While a line is cut, one byte at a time: the bytes after its end
        // begin the next line and stay in the driver until there is room.
        const std::size_t want = cutting ? 1 : std::min(sizeof bytes, m_queueLimit - m_inQueue.size());
        const ssize_t got = ::read(fd, bytes, want);
        if (got > 0 && cutting) {
            if (bytes[0] == eventChar) {
                m_inQueue.back() = eventChar;
                m_eventPending = true;
                return true;
            }
            continue;
        }
        if (got > 0) {
            m_inQueue.insert(m_inQueue.end(), bytes, bytes + got);
            if (anyByte || std::memchr(bytes, eventChar, static_cast<std::size_t>(got)))
                m_eventPending = true;
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return true;
        // A read of 0 bytes is a hang-up; anything else a line failure.
        m_deviceFailed = true;
        m_deviceErrno = got < 0 ? errno : 0;
        return false;
    }
}

bool TQComm::LineStuckLocked(unsigned char eventChar) const
{
    return m_activeEventType.load() == TEventType::CharEvent && m_inQueue.size() >= m_queueLimit &&
           std::find(m_inQueue.begin(), m_inQueue.end(), eventChar) == m_inQueue.end();
}

bool TQComm::PullFromDevice()
{
    std::lock_guard<std::mutex> lock(m_queueMutex);
    return PullFromDeviceLocked();
}

bool TQComm::InputRoom() const
{
    std::lock_guard<std::mutex> lock(m_queueMutex);
    return m_inQueue.size() < m_queueLimit || LineStuckLocked(static_cast<unsigned char>(m_eventChar.load() & 0xff));
}

bool TQComm::TakeEventPending()
{
    std::lock_guard<std::mutex> lock(m_queueMutex);
    const bool deliver = m_eventPending && !m_inQueue.empty();
    m_eventPending = false;
    return deliver;
}

void TQComm::KickThreadIf(bool kick, const std::shared_ptr<TReadThread>& thread)
{
    if (kick && thread)
        thread->Kick();
}

bool TQComm::WaitForDevice(const Opening& opening, short events, int timeoutMs)
{
    pollfd fds[2] = {
        {opening.device->Fd(), events, 0},
        {opening.thread ? opening.thread->StopFd() : -1, POLLIN, 0},
    };
    int ready;
    do
        ready = ::poll(fds, 2, timeoutMs);
    while (ready < 0 && errno == EINTR);
    return (fds[1].revents & POLLIN) == 0;
}

// --- reading and writing ----------------------------------------------------

std::size_t TQComm::ReadData(void* buffer, std::uint32_t count)
{
    const Opening opening = CurrentOpening();
    if (!opening.device)
        throw ECommError(ECommError::NotStarted);

    auto* out = static_cast<unsigned char*>(buffer);
    const auto start = Clock::now();
    const auto total = start + Milliseconds(ReadTotalConstantMs + std::int64_t{ReadTotalMultiplierMs} * count);
    const auto failureDeadline = start + Milliseconds(std::int64_t{FailureDeadlinePerByteMs} * count);
    auto lastByte = start;
    std::size_t got = 0;
    while (got < count && m_portStatus) {
        std::size_t taken = 0;
        bool failed = false;
        int failure = 0;
        bool kick = false;
        {
            std::lock_guard<std::mutex> lock(m_queueMutex);
            const bool pendingBefore = m_eventPending;
            const bool wasFull = m_inQueue.size() >= m_queueLimit;
            PullFromDeviceLocked();
            taken = std::min<std::size_t>(m_inQueue.size(), count - got);
            std::copy_n(m_inQueue.begin(), taken, out + got);
            m_inQueue.erase(m_inQueue.begin(), m_inQueue.begin() + static_cast<std::ptrdiff_t>(taken));
            failed = m_deviceFailed;
            failure = m_deviceErrno;
            // Wake the thread for an event character we took from the
            // device ourselves, or for room in a queue it stopped watching.
            kick = (m_eventPending && !pendingBefore) || (wasFull && taken > 0);
        }
        KickThreadIf(kick, opening.thread);
        if (taken > 0) {
            got += taken;
            lastByte = Clock::now();
            continue;
        }
        if (failed) {
            if (Clock::now() > failureDeadline)
                throw ECommError(ECommError::ReadTimeout);
            throw ECommError(ECommError::ReadError, failure,
                             failure ? std::error_code(failure, std::generic_category()).message() : "hang-up");
        }
        auto deadline = total;
        if (got > 0)
            deadline = std::min(deadline, lastByte + Milliseconds(ReadIntervalTimeoutMs));
        const int left = MillisecondsUntil(deadline);
        if (left == 0 || !WaitForDevice(opening, POLLIN, std::min(left, ReaderSliceMs)))
            break;
    }
    return got;
}

std::string TQComm::ReadStringData(std::uint32_t count)
{
    std::string text(std::min(count, MaxStringRead), '\0');
    text.resize(ReadData(text.data(), static_cast<std::uint32_t>(text.size())));
    return text;
}

void TQComm::WriteData(const void* buffer, std::uint32_t count)
{
    const Opening opening = CurrentOpening();
    if (!opening.device)
        throw ECommError(ECommError::NotStarted);
    // There must be more than count bytes free, as the driver needs room
    // for the whole write.
    const std::int64_t free = std::int64_t{m_outBuffSize} - DriverOutQueue();
    if (free <= std::int64_t{count})
        throw ECommError(ECommError::TooMuchWriteData);

    const auto* bytes = static_cast<const unsigned char*>(buffer);
    const auto start = Clock::now();
    const auto total = start + Milliseconds(WriteTotalConstantMs + std::int64_t{WriteTotalMultiplierMs} * count);
    const auto failureDeadline = start + Milliseconds(std::int64_t{FailureDeadlinePerByteMs} * count);
    std::size_t sent = 0;
    while (sent < count) {
        const ssize_t written = ::write(opening.device->Fd(), bytes + sent, count - sent);
        if (written > 0) {
            sent += static_cast<std::size_t>(written);
            continue;
        }
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // Held back by flow control or a full driver queue.
            const int left = MillisecondsUntil(total);
            if (left == 0)
                throw ECommError(ECommError::WriteTimeout);
            if (!WaitForDevice(opening, POLLOUT, left))
                throw ECommError(ECommError::NotStarted, "the port was closed during the write");
            continue;
        }
        const int failure = written < 0 ? errno : 0;
        if (Clock::now() > failureDeadline)
            throw ECommError(ECommError::WriteTimeout);
        throw ECommError(ECommError::WriteError, failure, std::error_code(failure, std::generic_category()).message());
    }
}

void TQComm::WriteStringData(const std::string& text)
{
    WriteData(text.data(), static_cast<std::uint32_t>(text.size()));
}

// --- line control -----------------------------------------------------------

void TQComm::WriteStop()
{
    if (const auto device = CurrentOpening().device)
        ::ioctl(device->Fd(), TIOCSBRK);
}

void TQComm::WriteRestart()
{
    if (const auto device = CurrentOpening().device)
        ::ioctl(device->Fd(), TIOCCBRK);
}

void TQComm::ClearInBuff()
{
    bool kick;
    std::shared_ptr<TReadThread> thread;
    {
        std::lock_guard<std::mutex> lock(m_queueMutex);
        if (!m_device)
            return;
        thread = m_thread;
        kick = m_inQueue.size() >= m_queueLimit;
        ::tcflush(m_device->Fd(), TCIFLUSH);
        m_inQueue.clear();
        m_eventPending = false;
    }
    KickThreadIf(kick, thread);
}

void TQComm::ClearOutBuff()
{
    if (const auto device = CurrentOpening().device)
        ::tcflush(device->Fd(), TCOFLUSH);
}

int TQComm::CountInBuff()
{
    std::size_t count;
    bool kick;
    std::shared_ptr<TReadThread> thread;
    {
        std::lock_guard<std::mutex> lock(m_queueMutex);
        if (!m_device)
            return -1;
        thread = m_thread;
        const bool pendingBefore = m_eventPending;
        PullFromDeviceLocked();
        count = m_inQueue.size();
        kick = m_eventPending && !pendingBefore;
    }
    KickThreadIf(kick, thread);
    return static_cast<int>(count);
}

int TQComm::CountOutBuff()
{
    return m_portStatus ? DriverOutQueue() : -1;
}

int TQComm::DriverOutQueue() const
{
    int queued = 0;
    const auto device = CurrentOpening().device;
    if (!device || ::ioctl(device->Fd(), TIOCOUTQ, &queued) != 0)
        return 0;
    return queued;
}

// --- events -----------------------------------------------------------------

void TQComm::CreateCommEvent()
{
    if (!m_portStatus)
        return;
    const int count = CountInBuff();
    if (count < 0)
        return;
    std::uint32_t size = static_cast<std::uint32_t>(count);
    if (m_activeEventType.load() == TEventType::RxEvent && size < m_rxThreshold.load())
        return;
    TCommEvent handler;
    {
        std::lock_guard<std::mutex> lock(m_handlerMutex);
        handler = m_onCommEvent;
    }
    // Nothing of the component may be touched after the handler: it may
    // have closed the port or destroyed the component.
    if (handler)
        handler(*this, size);
}
