#pragma once

#include "commtypes.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

class SerialDevice;
class TReadThread;

// TQComm: one serial port, its line settings and its arrival events.
//
// Principles of operation
//
// The port is a termios device opened non-blocking and claimed exclusively
// (flock plus TIOCEXCL) for as long as it is open; its original settings
// are put back when it closes. The line runs raw (no echo, no line editing,
// no character translation) with the rate, framing and flow control of the
// properties. Setters store their value and, while the port is open, push
// it to the driver at once; the driver's own answer is read back.
//
// Received bytes are never read straight from the device by the owner.
// The event thread (TReadThread) moves them from the device into the
// component's input queue as they arrive and notes whether the event
// character came with them; CountInBuff and ReadData work on that queue.
// Both sides top the queue up from the device under the one queue lock, so
// no byte is lost or reordered whichever thread gets to the device first.
// The queue holds at most InBuffSize bytes; beyond that the bytes stay in
// the driver, whose own Xon/Xoff thresholds then hold the sender back. One
// exception: with EventType CharEvent, a queue filled by a single line
// without its event character would never raise an event, so nobody would
// ever make room. Such a line is cut instead: its further bytes are read
// and dropped, and its event character takes the place of the queue's last
// byte, so the line ends as it would have and what follows it is kept.
//
// Reads wait for bytes with the port time-outs: a read of n bytes ends when
// n bytes have come, when 1000 ms pass between two bytes, or after
// 5*n + 1000 ms in all, and returns what it has. Writes may take at most
// 5*n + 1000 ms. All waits use the monotonic clock. Every failure raises
// ECommError with one of its fixed messages.
//
// Threads: the owner opens, closes, reads and writes from its own thread;
// OnCommEvent runs on the event thread, and a handler may read, write, purge
// and even close the port from there. One read and one write may be under
// way at the same time, not two of either. The device and the event thread
// of an opening are swapped in and out under the queue lock, and every
// operation works on the ones it found when it began, holding the device
// until it ends: a handler that closes the port while the owner reads ends
// that read at once with what it had (a write waiting for room raises
// "Have not started communications"), and the device is let go when the
// owner's operation returns.
class TQComm
{
public:
    // Sender, and the number of bytes waiting in the input queue.
    using TCommEvent = std::function<void(TQComm& sender, std::uint32_t& size)>;
    // Device path of a port name ("COM1" -> "/dev/ttyS0").
    using PortResolver = std::function<std::string(const std::string& portName)>;
    // Where an exception out of OnCommEvent goes: the application's report.
    using ExceptionReport = std::function<void(const std::string& message)>;

    TQComm();
    virtual ~TQComm();
    TQComm(const TQComm&) = delete;
    TQComm& operator=(const TQComm&) = delete;

    // Properties.
    TCommPort CommPort() const { return m_commPort; }
    TBaudRate BaudRate() const { return m_baudRate; }
    TParity Parity() const { return m_parity; }
    TByteSize ByteSize() const { return m_byteSize; }
    TStopBits StopBits() const { return m_stopBits; }
    TFlowControl FlowControl() const { return m_flowControl; }
    TEventType EventType() const { return m_eventType; }
    std::uint32_t InBuffSize() const { return m_inBuffSize; }
    std::uint32_t OutBuffSize() const { return m_outBuffSize; }
    std::uint32_t RxThreshold() const { return m_rxThreshold; }
    std::uint16_t XonSendSize() const { return m_xonSendSize; }
    std::uint16_t XoffSendSize() const { return m_xoffSendSize; }
    std::uint16_t EventChar() const { return m_eventChar; }

    // A port number outside Com1..Com4 is stored but keeps the port name.
    // Does not reopen an open port.
    virtual void SetCommPort(TCommPort value);
    // These reach the driver at once while the port is open; failures of
    // the driver calls are ignored.
    virtual void SetBaudRate(TBaudRate value);
    virtual void SetParity(TParity value);
    virtual void SetByteSize(TByteSize value);
    virtual void SetStopBits(TStopBits value);
    virtual void SetFlowControl(TFlowControl value);
    // The event character is looked for by the event thread, so a new one
    // counts from the next arrival on.
    virtual void SetEventChar(std::uint16_t value);
    // These take effect at the next OpenCommport (the two send sizes also at
    // the next SetFlowControl); RxThreshold at the next arrival.
    virtual void SetEventType(TEventType value);
    virtual void SetInBuffSize(std::uint32_t value);
    virtual void SetOutBuffSize(std::uint32_t value);
    virtual void SetRxThreshold(std::uint32_t value);
    virtual void SetXonSendSize(std::uint16_t value);
    virtual void SetXoffSendSize(std::uint16_t value);

    // Called on the event thread. Safe to change while the port is open.
    void SetOnCommEvent(TCommEvent handler);

    // "COM1".."COM4", following CommPort, or a device path set directly
    // (command-line tool, tests, simulated radio); used by OpenCommport.
    const std::string& PortName() const { return m_portName; }
    void SetPortName(const std::string& name) { m_portName = name; }

    // How port names become devices: a name beginning with '/' is a device
    // path; otherwise the resolver is asked, or, without one, "COM1".."COM4"
    // become "/dev/ttyS0".."/dev/ttyS3". The desktop program plugs in its
    // settings ("Ports/COMn").
    void SetPortResolver(PortResolver resolver) { m_portResolver = std::move(resolver); }
    std::string DevicePath(const std::string& portName) const;

    // Taken by the event thread when the port opens. Without one, messages
    // go to stderr.
    void SetExceptionReport(ExceptionReport report) { m_exceptionReport = std::move(report); }

    // True at once for the component's own open port under the same name;
    // otherwise whether the named device could be opened exclusively now
    // (it is opened, tested and closed again, its settings untouched) and
    // no other process has it open, locked or not. Raises nothing.
    bool CheckCommportValid(const std::string& portName);

    // Opens PortName() with the properties and starts the event thread.
    // Nothing if already open. Raises ECommError; a failed open stays closed.
    void OpenCommport();
    // Stops the event thread, purges both queues, restores the device and
    // closes it. Returns at once even while the event thread waits; from
    // inside OnCommEvent the thread is left to finish on its own and is
    // joined at the next open, close or destruction. Safe from either
    // thread while the other reads or writes (see Threads above).
    void CloseCommport();
    bool GetPortStatus() const { return m_portStatus; }

    // Reads up to count bytes into buffer within the read time-outs and
    // returns how many came. Raises ECommError when closed, or when the
    // device fails before enough bytes have come.
    std::size_t ReadData(void* buffer, std::uint32_t count);
    // At most 4096 bytes; returns the bytes received.
    std::string ReadStringData(std::uint32_t count);
    // Writes all count bytes within the write time-out, or raises.
    void WriteData(const void* buffer, std::uint32_t count);
    void WriteStringData(const std::string& text);

    // Break on and off the line. Nothing while closed.
    void WriteStop();
    void WriteRestart();
    // Discard received or unsent bytes. Nothing while closed.
    void ClearInBuff();
    void ClearOutBuff();
    // Bytes in the input queue, or in the driver's output queue; -1 while
    // closed.
    int CountInBuff();
    int CountOutBuff();

    // Decides whether an arrival is delivered to OnCommEvent; the event
    // thread calls it.
    void CreateCommEvent();

    // The Xon/Xoff limits computed the last time XonXoff flow control was
    // applied to an open port. The driver works with its own thresholds;
    // these are kept to show what was asked for.
    std::uint16_t XonLimit() const { return m_xonLimit; }
    std::uint16_t XoffLimit() const { return m_xoffLimit; }

    // The event thread of the current opening, nullptr while closed.
    const TReadThread* ReadThread() const;

    static constexpr unsigned char XonChar = 17;
    static constexpr unsigned char XoffChar = 19;

protected:
    // Bytes waiting in the driver's output queue. Virtual so tests can stand
    // in for a UART: a pseudo-terminal always reports 0.
    virtual int DriverOutQueue() const;

private:
    friend class TReadThread;

    // What one opening uses: the device and its event thread.
    struct Opening {
        std::shared_ptr<SerialDevice> device;
        std::shared_ptr<TReadThread> thread;
    };
    // The current opening, both empty while closed.
    Opening CurrentOpening() const;
    void ForgetOpening();

    enum class LineSetting { BaudRate, Parity, ByteSize, StopBits, FlowControl };
    void ApplyLineSetting(LineSetting which, int fd);
    void ApplyRawMode(int fd);
    void RetireThread(std::shared_ptr<TReadThread> thread);
    void ReapRetiredThread();

    // Moves what the device has into the input queue; the caller holds
    // m_queueMutex. Returns false once the device has hung up or failed, or
    // the port was closed.
    bool PullFromDeviceLocked();
    // A full queue holding no event character: its line is being cut.
    bool LineStuckLocked(unsigned char eventChar) const;
    // For the event thread: pull, and report whether the device is still
    // worth watching.
    bool PullFromDevice();
    // Whether the device's bytes are wanted now: room in the queue, or a
    // line being cut.
    bool InputRoom() const;
    // True once after an arrival that should raise an event, if the queue
    // still holds bytes then.
    bool TakeEventPending();
    static void KickThreadIf(bool kick, const std::shared_ptr<TReadThread>& thread);
    // Waits for the device or for the opening to be closed; false once it
    // was closed.
    static bool WaitForDevice(const Opening& opening, short events, int timeoutMs);

    std::string m_portName = "COM1";
    std::atomic<bool> m_portStatus{false};

    TCommPort m_commPort = TCommPort::Com1;
    TBaudRate m_baudRate = TBaudRate::___9600bps;
    TParity m_parity = TParity::None;
    TByteSize m_byteSize = TByteSize::_8bit;
    TStopBits m_stopBits = TStopBits::_1bit;
    TFlowControl m_flowControl = TFlowControl::Disable;
    std::atomic<TEventType> m_eventType{TEventType::RxEvent};
    // EventType as it was at the last OpenCommport: it decides what the
    // event thread watches for during that opening.
    std::atomic<TEventType> m_activeEventType{TEventType::RxEvent};
    std::atomic<std::uint32_t> m_inBuffSize{4096};
    std::atomic<std::uint32_t> m_outBuffSize{4096};
    std::atomic<std::uint32_t> m_rxThreshold{256};
    std::uint16_t m_xonSendSize = 1024;
    std::uint16_t m_xoffSendSize = 2048;
    std::atomic<std::uint16_t> m_eventChar{65};
    std::uint16_t m_xonLimit = 0;
    std::uint16_t m_xoffLimit = 0;

    mutable std::mutex m_handlerMutex;
    TCommEvent m_onCommEvent;
    PortResolver m_portResolver;
    ExceptionReport m_exceptionReport;

    // The opening, the input queue and what the device last told us, under
    // one lock.
    mutable std::mutex m_queueMutex;
    std::shared_ptr<SerialDevice> m_device;
    std::shared_ptr<TReadThread> m_thread;
    // A thread whose port was closed from inside its own handler: it
    // cannot be joined from itself, so it waits here.
    std::shared_ptr<TReadThread> m_retiredThread;
    std::deque<unsigned char> m_inQueue;
    std::size_t m_queueLimit = 4096;
    bool m_eventPending = false;
    bool m_deviceFailed = false;
    int m_deviceErrno = 0;
};
