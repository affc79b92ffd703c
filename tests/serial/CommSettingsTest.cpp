// The settings block → termios translation, without a port.
#include "serial/CommSettings.h"

#include <gtest/gtest.h>

#include <termios.h>

using namespace tevo;

namespace {

termios startingPoint()
{
    termios t{};
    t.c_iflag = ICRNL | IXON | BRKINT;
    t.c_oflag = OPOST | ONLCR;
    t.c_lflag = ICANON | ECHO | ISIG | IEXTEN;
    t.c_cflag = CS7 | HUPCL;
    t.c_cc[VSTART] = 0x11;
    t.c_cc[VSTOP] = 0x13;
    t.c_cc[VEOF] = 0x04;
    return t;
}

DCB with(quint8 byteSize, quint8 parity, quint8 stopBits)
{
    DCB d;
    d.ByteSize = byteSize;
    d.Parity = parity;
    d.StopBits = stopBits;
    d.XonChar = 0x11;
    d.XoffChar = 0x13;
    return d;
}

} // namespace

TEST(CommSettings, DefaultBlockGivesARawEightBitLine)
{
    termios t = startingPoint();
    ASSERT_TRUE(dcbToTermios(with(8, 0, 0), t));
    EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B9600));
    EXPECT_EQ(cfgetispeed(&t), static_cast<speed_t>(B9600));
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_FALSE(t.c_cflag & (PARENB | CSTOPB | CRTSCTS));
    EXPECT_TRUE(t.c_cflag & CLOCAL);
    EXPECT_TRUE(t.c_cflag & CREAD);
    // Raw: no translation of any byte, no echo, no signals, no parity marking.
    EXPECT_FALSE(t.c_iflag & (ICRNL | INLCR | IGNCR | ISTRIP | IXON | IXOFF | PARMRK | INPCK | BRKINT | IGNBRK));
    EXPECT_FALSE(t.c_oflag & OPOST);
    EXPECT_FALSE(t.c_lflag & (ICANON | ECHO | ISIG | IEXTEN));
    EXPECT_EQ(t.c_cc[VMIN], 1);
    EXPECT_EQ(t.c_cc[VTIME], 0);
}

TEST(CommSettings, DataBitsParityAndStopBits)
{
    const struct {
        quint8 size;
        tcflag_t cs;
    } sizes[] = {{5, CS5}, {6, CS6}, {7, CS7}, {8, CS8}};
    for (const auto &s : sizes) {
        termios t = startingPoint();
        ASSERT_TRUE(dcbToTermios(with(s.size, 0, 0), t)) << int(s.size);
        EXPECT_EQ(t.c_cflag & CSIZE, s.cs);
    }

    const tcflag_t parityBits = PARENB | PARODD | CMSPAR;
    const tcflag_t parities[] = {0, PARENB | PARODD, PARENB, PARENB | PARODD | CMSPAR, PARENB | CMSPAR};
    for (quint8 p = 0; p < 5; ++p) {
        termios t = startingPoint();
        ASSERT_TRUE(dcbToTermios(with(8, p, 0), t));
        EXPECT_EQ(t.c_cflag & parityBits, parities[p]) << int(p);
    }

    termios t = startingPoint();
    ASSERT_TRUE(dcbToTermios(with(8, 0, 2), t));
    EXPECT_TRUE(t.c_cflag & CSTOPB);
    t = startingPoint();
    ASSERT_TRUE(dcbToTermios(with(5, 0, 1), t)); // 1.5 stop bits exist with 5 data bits
    EXPECT_TRUE(t.c_cflag & CSTOPB);
}

TEST(CommSettings, BlocksAPortCannotRunWithAreRefusedUntouched)
{
    const DCB bad[] = {
        with(4, 0, 0), with(9, 0, 0), with(8, 5, 0), with(8, 0, 3), with(8, 0, 1), // 1.5 stop bits with 8 data bits
        with(5, 0, 2),                                                             // 2 stop bits with 5 data bits
    };
    for (const DCB &d : bad) {
        termios t = startingPoint();
        EXPECT_FALSE(dcbToTermios(d, t));
        EXPECT_EQ(t.c_lflag, startingPoint().c_lflag);
        EXPECT_EQ(t.c_cflag, startingPoint().c_cflag);
    }
    DCB odd = with(8, 0, 0);
    odd.BaudRate = 12345;
    termios t = startingPoint();
    EXPECT_FALSE(dcbToTermios(odd, t));
}

TEST(CommSettings, SpeedsOfTheTerminalLayer)
{
    EXPECT_EQ(speedConstant(50), static_cast<unsigned>(B50));
    EXPECT_EQ(speedConstant(9600), static_cast<unsigned>(B9600));
    EXPECT_EQ(speedConstant(115200), static_cast<unsigned>(B115200));
    EXPECT_EQ(speedConstant(4000000), static_cast<unsigned>(B4000000));
    EXPECT_EQ(speedConstant(0), 0u);
    EXPECT_EQ(speedConstant(14400), 0u);
    EXPECT_EQ(speedConstant(9601), 0u);
}

TEST(CommSettings, FlowControlFlags)
{
    DCB d = with(8, 0, 0);
    d.Flags = kDcbBinary | kDcbHardwareFlow;
    termios t = startingPoint();
    ASSERT_TRUE(dcbToTermios(d, t));
    EXPECT_TRUE(t.c_cflag & CRTSCTS);
    EXPECT_FALSE(t.c_iflag & (IXON | IXOFF));

    // CTS output flow alone is not the handshake.
    d.Flags = kDcbBinary | kDcbOutxCtsFlow;
    t = startingPoint();
    ASSERT_TRUE(dcbToTermios(d, t));
    EXPECT_FALSE(t.c_cflag & CRTSCTS);

    d.Flags = kDcbBinary | kDcbSoftwareFlow;
    d.XonChar = 0x21;
    d.XoffChar = 0x22;
    t = startingPoint();
    ASSERT_TRUE(dcbToTermios(d, t));
    EXPECT_FALSE(t.c_cflag & CRTSCTS);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | IXANY), static_cast<tcflag_t>(IXON | IXOFF));
    EXPECT_EQ(t.c_cc[VSTART], 0x21);
    EXPECT_EQ(t.c_cc[VSTOP], 0x22);
}

TEST(CommSettings, ThePortKeepsItsOwnCharacters)
{
    DCB d;
    takePortCharacters(startingPoint(), d);
    EXPECT_EQ(d.XonChar, 0x11);
    EXPECT_EQ(d.XoffChar, 0x13);
    EXPECT_EQ(d.EofChar, 0x04);
    EXPECT_EQ(d.EvtChar, 0);
    EXPECT_EQ(d.BaudRate, 9600u);
}
