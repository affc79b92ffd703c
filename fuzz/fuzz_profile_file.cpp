// Fuzzes the profile (INI) file reader: parse, every read on what was found, writes, and the
// round trip through the file bytes.
#include "FuzzSupport.h"

#include "common/ProfileFile.h"
#include "common/TextDecoding.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace tevo;

namespace {
[[noreturn]] void fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "fuzz_profile_file: %s: %s\n", what, qPrintable(detail));
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::initApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 65536)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    ProfileFile profile;
    profile.parse(bytes);

    const QStringList sections = profile.sections();
    for (const QString &section : sections) {
        (void)profile.sectionExists(section);
        const QStringList keys = profile.keys(section);
        for (const QString &key : keys) {
            (void)profile.readString(section, key);
            (void)profile.readInteger(section, key, -7);
        }
    }
    (void)profile.readString(QStringLiteral("Main"), QStringLiteral("RecordCount"), QStringLiteral("none"));
    (void)profile.readInteger(QStringLiteral("Main"), QStringLiteral("RecordCount"), 0);

    // The file bytes must come out the same after another pass through the reader. Windows-1251
    // bytes that happen to form valid UTF-8, or start with the UTF-8 byte-order mark, are read
    // as UTF-8 by design (a real Windows-1251 text almost never does), so those are left out
    // of the comparison.
    const QByteArray written = profile.toBytes();
    ProfileFile again;
    again.parse(written);
    const bool ambiguous = written.startsWith("\xEF\xBB\xBF")
                           || (isValidUtf8(written.constData(), written.size())
                               && std::any_of(written.cbegin(), written.cend(), [](char c) { return (c & 0x80) != 0; }));
    if (!ambiguous && again.toBytes() != written)
        fail("toBytes is not stable over parse", QString::fromLatin1(written.toHex()));

    // Writes: replace the first key found, add a key to a new section and to an existing one.
    if (!sections.isEmpty()) {
        const QString &section = sections.first();
        const QStringList keys = profile.keys(section);
        if (!keys.isEmpty()) {
            profile.writeString(section, keys.first(), QStringLiteral("42"));
            if (profile.readInteger(section, keys.first(), -1) != 42)
                fail("a written value does not read back", section + QLatin1Char('/') + keys.first());
        }
        profile.writeString(section, QStringLiteral("FuzzKey"), QStringLiteral("value"));
        if (profile.readString(section, QStringLiteral("FuzzKey")) != QLatin1String("value"))
            fail("a new key does not read back", section);
        profile.deleteKey(section, QStringLiteral("FuzzKey"));
    }
    profile.writeString(QStringLiteral("FuzzSection"), QStringLiteral("Key"), QStringLiteral("Значение"));
    ProfileFile round;
    round.parse(profile.toBytes());
    if (round.readString(QStringLiteral("FuzzSection"), QStringLiteral("Key")) != QStringLiteral("Значение"))
        fail("a new section does not survive the round trip", QString::fromLatin1(profile.toBytes().toHex()));
    if (!sections.isEmpty())
        profile.deleteSection(sections.last());
    (void)profile.toBytes();
    return 0;
}
