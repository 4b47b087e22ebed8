#include "lineconfig.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A line as a terminal often starts: canonical, echoing, 7 bits with even
// parity, hardware handshake and Xon/Xoff with IXANY.
termios CookedLine()
{
    termios settings{};
    settings.c_iflag = ICRNL | IXON | IXOFF | IXANY | ISTRIP | INPCK;
    settings.c_oflag = OPOST | ONLCR;
    settings.c_lflag = ICANON | ECHO | ECHOE | ISIG | IEXTEN;
    settings.c_cflag = CS7 | PARENB | CSTOPB | CRTSCTS;
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 5;
    return settings;
}

} // namespace

TEST(SerialLineConfig, RawPassesBytesUntouched)
{
    termios line = CookedLine();
    LineConfig::SetRaw(line);
    EXPECT_EQ(line.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    EXPECT_EQ(line.c_iflag & (ICRNL | ISTRIP | IXON), 0u);
    EXPECT_EQ(line.c_oflag & OPOST, 0u);
    EXPECT_EQ(line.c_cflag & (CSIZE | PARENB | CLOCAL | CREAD), tcflag_t{CS8 | CLOCAL | CREAD});
    EXPECT_EQ(line.c_cc[VMIN], 1);
    EXPECT_EQ(line.c_cc[VTIME], 0);
}

TEST(SerialLineConfig, ParityByteSizeAndStopBitsChangeOnlyTheirOwnBits)
{
    const struct {
        TParity parity;
        tcflag_t bits;
    } parities[] = {
        {TParity::None, 0},
        {TParity::Odd, PARENB | PARODD},
        {TParity::Even, PARENB},
        {TParity::Mark, PARENB | CMSPAR | PARODD},
        {TParity::Space, PARENB | CMSPAR},
    };
    for (const auto& c : parities) {
        termios line = CookedLine();
        LineConfig::SetParity(line, c.parity);
        EXPECT_EQ(line.c_cflag & (PARENB | PARODD | CMSPAR), c.bits) << static_cast<int>(c.parity);
        EXPECT_EQ(line.c_cflag & ~(PARENB | PARODD | CMSPAR), CookedLine().c_cflag & ~tcflag_t{PARENB});
        EXPECT_EQ(line.c_iflag & INPCK, tcflag_t{INPCK}) << "parity checking stays as the driver had it";
    }

    const struct {
        TByteSize size;
        tcflag_t bits;
    } sizes[] = {{TByteSize::_5bit, CS5}, {TByteSize::_6bit, CS6}, {TByteSize::_7bit, CS7}, {TByteSize::_8bit, CS8}};
    for (const auto& c : sizes) {
        termios line = CookedLine();
        LineConfig::SetByteSize(line, c.size);
        EXPECT_EQ(line.c_cflag & CSIZE, c.bits) << static_cast<int>(c.size);
        EXPECT_EQ(line.c_cflag & ~CSIZE, CookedLine().c_cflag & ~CSIZE);
    }
    termios unchanged = CookedLine();
    LineConfig::SetByteSize(unchanged, static_cast<TByteSize>(9));
    EXPECT_EQ(unchanged.c_cflag, CookedLine().c_cflag) << "an unknown size changes nothing";

    const struct {
        TStopBits stop;
        tcflag_t bits;
    } stops[] = {{TStopBits::_1bit, 0}, {TStopBits::_1_5bit, CSTOPB}, {TStopBits::_2bit, CSTOPB}};
    for (const auto& c : stops) {
        termios line = CookedLine();
        LineConfig::SetStopBits(line, c.stop);
        EXPECT_EQ(line.c_cflag & CSTOPB, c.bits) << static_cast<int>(c.stop);
    }
}

TEST(SerialLineConfig, FlowControlStartsFromNoHandshake)
{
    const struct {
        TFlowControl flow;
        tcflag_t input;
        tcflag_t control;
    } cases[] = {
        {TFlowControl::Disable, 0, 0},
        {TFlowControl::DtrDsr, 0, 0},
        {TFlowControl::XonXoff, IXON | IXOFF, 0},
        {TFlowControl::RtsCts, 0, CRTSCTS},
    };
    for (const auto& c : cases) {
        termios line = CookedLine();
        LineConfig::SetFlowControl(line, c.flow, 17, 19);
        EXPECT_EQ(line.c_iflag & (IXON | IXOFF | IXANY), c.input) << static_cast<int>(c.flow);
        EXPECT_EQ(line.c_cflag & CRTSCTS, c.control) << static_cast<int>(c.flow);
        if (c.flow == TFlowControl::XonXoff) {
            EXPECT_EQ(line.c_cc[VSTART], 17);
            EXPECT_EQ(line.c_cc[VSTOP], 19);
        }
    }
}
