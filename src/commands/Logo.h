#pragma once
// The 64 × 64 dot logo a scale prints, and its 512-byte wire form: rows top to bottom,
// 8 bytes a row, the leftmost dot of each byte in bit 7.
//   write request 0x8C + 512 bytes; read request 0x97; read reply 0xAA + 512 bytes.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <array>

namespace tevo {

inline constexpr uchar kLogoWriteCommand = 0x8C;
inline constexpr uchar kLogoReadCommand = 0x97;
inline constexpr int kLogoSide = 64;
inline constexpr int kLogoDataLength = 512;
inline constexpr int kLogoPacketLength = 513; // request and reply alike

// The logo dots. Columns x and rows y count from 1 (x = 1 … 64 left to right, y = 1 … 64
// top to bottom) as the rest of the program speaks of them; true is a printed (dark) dot.
// A fresh logo is blank.
class LogoPixels {
public:
    bool at(int x, int y) const { return m_dots[index(x, y)] != 0; }
    void set(int x, int y, bool dark) { m_dots[index(x, y)] = dark ? 1 : 0; }
    bool isBlank() const;
    bool operator==(const LogoPixels &o) const { return m_dots == o.m_dots; }
    bool operator!=(const LogoPixels &o) const { return !(*this == o); }

private:
    static int index(int x, int y) { return (y - 1) * kLogoSide + (x - 1); }
    std::array<quint8, std::size_t{kLogoSide} * kLogoSide> m_dots{};
};

// Eight flags to one byte, the first in bit 7; any non-zero flag counts as set.
uchar packBits(const std::array<quint8, 8> &flags);

// Reduces a picture to the logo: dot (x, y) samples the pixel
// (round(W / 64 · (x − 1)), round(H / 64 · (y − 1))), halves rounded to even, kept inside the
// picture. Only exactly white (255, 255, 255) stays blank; every other colour is a dot.
// A null picture gives a blank logo.
LogoPixels logoFromImage(const QImage &image);

// Opens a picture file and reduces it; throws FileError when it cannot be read.
LogoPixels logoFromFile(const QString &fileName);

// The 512 data bytes.
QByteArray logoData(const LogoPixels &logo);
// 0x8C and the 512 data bytes.
QByteArray buildLogoWriteRequest(const LogoPixels &logo);
// The logo of a read reply (0xAA + 512 bytes; byte 0 is not looked at). Needs at least 513
// bytes (throws InputError otherwise).
LogoPixels logoFromReply(const QByteArray &reply);

// Paints the logo into the top-left 64 × 64 pixels of the picture: dots black, the rest
// white; pixels beyond stay as they are. A null picture becomes a white 64 × 64 one first, a
// smaller one is first widened to 64 × 64 with white. Indexed pictures keep their format
// when their colour table has black and white, and turn into 32-bit RGB otherwise.
void drawLogo(QImage &image, const LogoPixels &logo);

} // namespace tevo
