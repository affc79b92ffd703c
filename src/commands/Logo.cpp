#include "commands/Logo.h"

#include "common/Error.h"
#include "common/PacketBytes.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <optional>

namespace {
// The texts of this unit, translated under the context "Logo".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Logo)
};
} // namespace

namespace tevo {
namespace {

// round(side / 64 · i) with halves to even, in whole numbers, kept below side.
int sampleIndex(int side, int i)
{
    const qint64 scaled = static_cast<qint64>(side) * i;
    qint64 q = scaled / kLogoSide;
    const qint64 r = scaled % kLogoSide;
    if (r > kLogoSide / 2 || (r == kLogoSide / 2 && (q & 1)))
        ++q;
    return static_cast<int>(std::min<qint64>(q, side - 1)); // a side under 32 can round up to itself
}

bool isExactlyWhite(QRgb rgb) { return qRed(rgb) == 255 && qGreen(rgb) == 255 && qBlue(rgb) == 255; }

// Uncompressed bitmaps of 24 and 32 bits per pixel are the big ones (a 4000 × 4000 picture
// is 48 MB); of those only the 64 sampled rows are read. Anything else, or anything odd about
// the file, is left to the image reader.
std::optional<LogoPixels> logoFromPlainBitmap(QFile &file)
{
    constexpr int kHeadLength = 54; // file header and the common part of the info header
    const PacketReader head(file.read(kHeadLength));
    if (head.size() < kHeadLength || head.byte(0) != 'B' || head.byte(1) != 'M')
        return std::nullopt;
    const quint32 dataOffset = head.unsigned32(10);
    const quint32 infoSize = head.unsigned32(14);
    const auto width = static_cast<qint32>(head.unsigned32(18));
    const auto height = static_cast<qint32>(head.unsigned32(22));
    const quint16 planes = head.unsigned16(26);
    const quint16 bits = head.unsigned16(28);
    const quint32 compression = head.unsigned32(30);
    if (infoSize < 40 || planes != 1 || compression != 0 || (bits != 24 && bits != 32))
        return std::nullopt;
    if (width <= 0 || width > 1 << 20 || height == 0 || height < -(1 << 20) || height > 1 << 20)
        return std::nullopt;
    const bool topDown = height < 0;
    const int rows = topDown ? -height : height;
    const int pixelBytes = bits / 8;
    const qint64 stride = (static_cast<qint64>(width) * bits + 31) / 32 * 4;
    if (dataOffset < kHeadLength || dataOffset + stride * rows > file.size())
        return std::nullopt;

    std::array<int, kLogoSide> columns{};
    for (int x = 1; x <= kLogoSide; ++x)
        columns[x - 1] = sampleIndex(width, x - 1);
    const qint64 rowBytes = static_cast<qint64>(columns[kLogoSide - 1] + 1) * pixelBytes;

    LogoPixels logo;
    QByteArray row;
    int rowRead = -1;
    for (int y = 1; y <= kLogoSide; ++y) {
        const int py = sampleIndex(rows, y - 1);
        if (py != rowRead) {
            const int fileRow = topDown ? py : rows - 1 - py;
            if (!file.seek(dataOffset + stride * fileRow))
                return std::nullopt;
            row = file.read(rowBytes);
            if (row.size() != rowBytes)
                return std::nullopt;
            rowRead = py;
        }
        for (int x = 1; x <= kLogoSide; ++x) {
            const char *p = row.constData() + static_cast<qsizetype>(columns[x - 1]) * pixelBytes; // blue, green, red
            const bool white =
                static_cast<uchar>(p[0]) == 255 && static_cast<uchar>(p[1]) == 255 && static_cast<uchar>(p[2]) == 255;
            logo.set(x, y, !white);
        }
    }
    return logo;
}

} // namespace

bool LogoPixels::isBlank() const
{
    return std::all_of(m_dots.begin(), m_dots.end(), [](quint8 d) { return d == 0; });
}

uchar packBits(const std::array<quint8, 8> &flags)
{
    uchar byte = 0;
    for (int i = 0; i < 8; ++i) {
        if (flags[i])
            byte |= static_cast<uchar>(0x80 >> i);
    }
    return byte;
}

LogoPixels logoFromImage(const QImage &image)
{
    LogoPixels logo;
    if (image.isNull())
        return logo;
    std::array<int, kLogoSide> columns{};
    for (int x = 1; x <= kLogoSide; ++x)
        columns[x - 1] = sampleIndex(image.width(), x - 1);
    for (int y = 1; y <= kLogoSide; ++y) {
        const int py = sampleIndex(image.height(), y - 1);
        for (int x = 1; x <= kLogoSide; ++x)
            logo.set(x, y, !isExactlyWhite(image.pixel(columns[x - 1], py)));
    }
    return logo;
}

LogoPixels logoFromFile(const QString &fileName)
{
    {
        QFile file(fileName);
        if (file.open(QIODevice::ReadOnly)) {
            if (const std::optional<LogoPixels> logo = logoFromPlainBitmap(file))
                return *logo;
        }
    }
    QImageReader reader(fileName);
    QImage image;
    if (!reader.read(&image))
        throw FileError(Tr::tr("Cannot open picture %1: %2").arg(fileName, reader.errorString()));
    return logoFromImage(image);
}

QByteArray logoData(const LogoPixels &logo)
{
    QByteArray out(kLogoDataLength, '\0');
    for (int y = 1; y <= kLogoSide; ++y) {
        for (int k = 1; k <= 8; ++k) {
            std::array<quint8, 8> flags{};
            for (int i = 0; i < 8; ++i)
                flags[i] = logo.at(8 * k - 7 + i, y) ? 1 : 0;
            out[(y - 1) * 8 + (k - 1)] = static_cast<char>(packBits(flags));
        }
    }
    return out;
}

QByteArray buildLogoWriteRequest(const LogoPixels &logo)
{
    QByteArray out;
    out.reserve(kLogoPacketLength);
    out.append(static_cast<char>(kLogoWriteCommand));
    out.append(logoData(logo));
    return out;
}

LogoPixels logoFromReply(const QByteArray &bytes)
{
    const PacketReader reply(bytes, kLogoPacketLength, "logo");
    LogoPixels logo;
    for (int y = 1; y <= kLogoSide; ++y) {
        for (int x = 1; x <= kLogoSide; ++x) {
            const quint8 byte = reply.byte(1 + (y - 1) * 8 + (x - 1) / 8);
            logo.set(x, y, (byte >> (7 - (x - 1) % 8)) & 1);
        }
    }
    return logo;
}

void drawLogo(QImage &image, const LogoPixels &logo)
{
    if (image.isNull()) {
        image = QImage(kLogoSide, kLogoSide, QImage::Format_RGB32);
        image.fill(Qt::white);
    } else if (image.width() < kLogoSide || image.height() < kLogoSide) {
        QImage wider(qMax(image.width(), kLogoSide), qMax(image.height(), kLogoSide), QImage::Format_RGB32);
        wider.fill(Qt::white);
        QPainter painter(&wider);
        painter.drawImage(0, 0, image);
        painter.end();
        image = wider;
    }

    uint black = qRgb(0, 0, 0);
    uint white = qRgb(255, 255, 255);
    if (image.colorCount() > 0) {
        // Indexed pictures take colour table positions.
        const QList<QRgb> table = image.colorTable();
        const auto find = [&table](QRgb rgb) {
            for (qsizetype i = 0; i < table.size(); ++i) {
                if ((table[i] & 0xFFFFFF) == (rgb & 0xFFFFFF) && qAlpha(table[i]) == 255)
                    return static_cast<int>(i);
            }
            return -1;
        };
        const int b = find(qRgb(0, 0, 0));
        const int w = find(qRgb(255, 255, 255));
        if (b >= 0 && w >= 0) {
            black = static_cast<uint>(b);
            white = static_cast<uint>(w);
        } else {
            image = image.convertToFormat(QImage::Format_RGB32);
        }
    }
    for (int y = 1; y <= kLogoSide; ++y) {
        for (int x = 1; x <= kLogoSide; ++x)
            image.setPixel(x - 1, y - 1, logo.at(x, y) ? black : white);
    }
}

} // namespace tevo
