// Fuzzes the picture readers of the logo: the plain bitmap reader behind logoFromFile (and
// Qt's readers it falls back to), and logoFromImage on what Qt decodes from the bytes.
#include "FuzzSupport.h"

#include "commands/Logo.h"
#include "common/Error.h"

#include <QImage>
#include <QImageReader>
#include <cstdint>

using namespace tevo;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::initApplication();
    // A picture header may promise gigapixels; keep Qt's own allocation in bounds.
    QImageReader::setAllocationLimit(64);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 262144)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString path = fuzz::writeScratchFile(QStringLiteral("logo.bmp"), bytes);
    try {
        const LogoPixels logo = logoFromFile(path);
        (void)logoData(logo);
    } catch (const Error &) {
    }
    const QImage image = QImage::fromData(bytes, "BMP");
    const LogoPixels logo = logoFromImage(image);
    QImage drawn;
    drawLogo(drawn, logo);
    return 0;
}
