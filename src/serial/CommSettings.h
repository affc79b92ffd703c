#pragma once
// The serial driver's settings block and its translation to the line settings of a POSIX
// terminal. The block keeps the layout and the values of the classic 28-byte device control
// block (speed, a flag word, data bits, parity, stop bits, the special characters), so the
// rules for flow control and for the defaults read the same as they always have; only the
// last step, handing it to the port, speaks termios.
#include <QtGlobal>

struct termios;

namespace tevo {

struct DCB {
    quint32 DCBlength = 28;
    quint32 BaudRate = 9600;
    quint32 Flags = 0x0001; // bit 0: binary mode, always on
    quint16 wReserved = 0;
    quint16 XonLim = 0;
    quint16 XoffLim = 0;
    quint8 ByteSize = 8; // 4 … 8
    quint8 Parity = 0;   // 0 none, 1 odd, 2 even, 3 mark, 4 space
    quint8 StopBits = 0; // 0 one, 1 one and a half, 2 two
    char XonChar = 0;
    char XoffChar = 0;
    char ErrorChar = 0;
    char EofChar = 0;
    char EvtChar = 0;
    quint16 wReserved1 = 0;
};
static_assert(sizeof(DCB) == 28, "the settings block is 28 bytes");

// Bits of DCB::Flags the driver uses.
inline constexpr quint32 kDcbBinary = 0x0001;
inline constexpr quint32 kDcbOutxCtsFlow = 0x0004;
inline constexpr quint32 kDcbDtrControlMask = 0x0030;
inline constexpr quint32 kDcbDtrControlEnable = 0x0010;
inline constexpr quint32 kDcbOutX = 0x0100;
inline constexpr quint32 kDcbInX = 0x0200;
inline constexpr quint32 kDcbRtsControlMask = 0x3000;
inline constexpr quint32 kDcbRtsControlEnable = 0x1000;
inline constexpr quint32 kDcbRtsControlHandshake = 0x2000;

// Flow control groups of the flag word: hardware is CTS output flow plus RTS handshake,
// software is XON/XOFF in both directions.
inline constexpr quint32 kDcbHardwareFlow = kDcbOutxCtsFlow | kDcbRtsControlHandshake; // 0x2004
inline constexpr quint32 kDcbSoftwareFlow = kDcbOutX | kDcbInX;                        // 0x0300

// Speed in bit/s → termios speed constant; 0 when the terminal layer has no such speed.
unsigned speedConstant(quint32 baudRate);

// Writes the block into `t` (raw mode, receiver on, modem lines ignored for open/close):
// speed, data bits, parity, stop bits, RTS/CTS and XON/XOFF flow control, the XON/XOFF
// characters. Returns false, leaving `t` untouched, when the port cannot run with the
// block: a speed the terminal layer lacks, 4 data bits, parity or stop bits out of range,
// one and a half stop bits with other than 5 data bits, two stop bits with 5 data bits.
bool dcbToTermios(const DCB &dcb, termios &t);

// The values of the block the port keeps as its own at open: the XON, XOFF and EOF
// characters of its current termios.
void takePortCharacters(const termios &t, DCB &dcb);

} // namespace tevo
