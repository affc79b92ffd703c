#include "serial/CommSettings.h"

#include <termios.h>

namespace tevo {

unsigned speedConstant(quint32 baudRate)
{
    struct Speed {
        quint32 bps;
        speed_t constant;
    };
    static const Speed speeds[] = {
        {50, B50},           {75, B75},           {110, B110},         {134, B134},         {150, B150},
        {200, B200},         {300, B300},         {600, B600},         {1200, B1200},       {1800, B1800},
        {2400, B2400},       {4800, B4800},       {9600, B9600},       {19200, B19200},     {38400, B38400},
        {57600, B57600},     {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
        {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000}, {1500000, B1500000},
        {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000}, {3500000, B3500000}, {4000000, B4000000},
    };
    for (const Speed &s : speeds) {
        if (s.bps == baudRate)
            return s.constant;
    }
    return 0;
}

bool dcbToTermios(const DCB &dcb, termios &t)
{
    const speed_t speed = speedConstant(dcb.BaudRate);
    if (speed == 0)
        return false;

    tcflag_t size;
    switch (dcb.ByteSize) {
    case 5:
        size = CS5;
        break;
    case 6:
        size = CS6;
        break;
    case 7:
        size = CS7;
        break;
    case 8:
        size = CS8;
        break;
    default:
        return false;
    }

    tcflag_t parity;
    switch (dcb.Parity) {
    case 0:
        parity = 0;
        break;
    case 1:
        parity = PARENB | PARODD;
        break;
    case 2:
        parity = PARENB;
        break;
    case 3:
        parity = PARENB | PARODD | CMSPAR;
        break;
    case 4:
        parity = PARENB | CMSPAR;
        break;
    default:
        return false;
    }

    // A UART sends one and a half stop bits when asked for two with 5 data bits; the other
    // sizes have no such length, and 5 data bits have no two.
    switch (dcb.StopBits) {
    case 0:
        break;
    case 1:
        if (dcb.ByteSize != 5)
            return false;
        break;
    case 2:
        if (dcb.ByteSize == 5)
            return false;
        break;
    default:
        return false;
    }

    termios n = t;
    cfmakeraw(&n);
    n.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    n.c_cflag |= size | parity | CLOCAL | CREAD;
    if (dcb.StopBits != 0)
        n.c_cflag |= CSTOPB;
    if ((dcb.Flags & kDcbHardwareFlow) == kDcbHardwareFlow)
        n.c_cflag |= CRTSCTS;

    n.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK | IGNPAR | PARMRK | IGNBRK | BRKINT);
    if (dcb.Flags & kDcbOutX)
        n.c_iflag |= IXON;
    if (dcb.Flags & kDcbInX)
        n.c_iflag |= IXOFF;
    n.c_cc[VSTART] = static_cast<cc_t>(dcb.XonChar);
    n.c_cc[VSTOP] = static_cast<cc_t>(dcb.XoffChar);
    n.c_cc[VMIN] = 1;
    n.c_cc[VTIME] = 0;

    cfsetispeed(&n, speed);
    cfsetospeed(&n, speed);
    t = n;
    return true;
}

void takePortCharacters(const termios &t, DCB &dcb)
{
    dcb.XonChar = static_cast<char>(t.c_cc[VSTART]);
    dcb.XoffChar = static_cast<char>(t.c_cc[VSTOP]);
    dcb.EofChar = static_cast<char>(t.c_cc[VEOF]);
}

} // namespace tevo
