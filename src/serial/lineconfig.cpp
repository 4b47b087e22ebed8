#include "lineconfig.h"

#include <iterator>

namespace LineConfig {

void SetRaw(termios& settings)
{
    ::cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
}

void SetParity(termios& settings, TParity parity)
{
    settings.c_cflag &= ~(PARENB | PARODD | CMSPAR);
    switch (parity) {
    case TParity::None: break;
    case TParity::Odd: settings.c_cflag |= PARENB | PARODD; break;
    case TParity::Even: settings.c_cflag |= PARENB; break;
    case TParity::Mark: settings.c_cflag |= PARENB | CMSPAR | PARODD; break;
    case TParity::Space: settings.c_cflag |= PARENB | CMSPAR; break;
    }
}

void SetByteSize(termios& settings, TByteSize size)
{
    static const tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
    const auto index = static_cast<std::size_t>(size);
    if (index >= std::size(sizes))
        return;
    settings.c_cflag &= ~CSIZE;
    settings.c_cflag |= sizes[index];
}

void SetStopBits(termios& settings, TStopBits stop)
{
    // termios knows one or two stop bits; a UART sends 1.5 when asked for
    // two with 5 data bits, the only width at which 1.5 is valid.
    if (stop == TStopBits::_1bit)
        settings.c_cflag &= ~CSTOPB;
    else
        settings.c_cflag |= CSTOPB;
}

void SetFlowControl(termios& settings, TFlowControl flow, unsigned char xonChar, unsigned char xoffChar)
{
    settings.c_cflag &= ~CRTSCTS;
    settings.c_iflag &= ~(IXON | IXOFF | IXANY);
    switch (flow) {
    case TFlowControl::Disable: break;
    case TFlowControl::DtrDsr:
        // Linux drivers have no DTR/DSR handshake; with the lines raised
        // the line runs as without handshake.
        break;
    case TFlowControl::XonXoff:
        // Both directions; IXANY stays off so only Xon restarts our output.
        settings.c_iflag |= IXON | IXOFF;
        settings.c_cc[VSTART] = xonChar;
        settings.c_cc[VSTOP] = xoffChar;
        break;
    case TFlowControl::RtsCts: settings.c_cflag |= CRTSCTS; break;
    }
}

unsigned BitsPerSecond(TBaudRate rate)
{
    static const unsigned rates[] = {600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600, 115200, 128000};
    const auto index = static_cast<std::size_t>(rate);
    return index < std::size(rates) ? rates[index] : 0;
}

} // namespace LineConfig
