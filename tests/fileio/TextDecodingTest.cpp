#include "common/Codepage.h"
#include "common/TextDecoding.h"

#include "FileioTestSupport.h"

#include <gtest/gtest.h>

using namespace tevo;

namespace {

struct DecodeCase {
    const char *name;
    QByteArray bytes;
    QString expected;
};

class DecodeOutsideText : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeOutsideText, PicksTheCodePage) { EXPECT_EQ(decodeOutsideText(GetParam().bytes), GetParam().expected); }

const QString kMilk = QStringLiteral("Молоко");

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeOutsideText,
    ::testing::Values(
        DecodeCase{"Empty", QByteArray(), QString()},
        DecodeCase{"Ascii", QByteArray("NPLU=1\r\n"), QStringLiteral("NPLU=1\r\n")},
        DecodeCase{"Cp1251", toCp1251(kMilk), kMilk}, DecodeCase{"Utf8WithoutMark", kMilk.toUtf8(), kMilk},
        DecodeCase{"Utf8WithMark", QByteArray("\xEF\xBB\xBF") + kMilk.toUtf8(), kMilk},
        DecodeCase{"MarkOnly", QByteArray("\xEF\xBB\xBF"), QString()},
        // Mostly valid UTF-8 with one Windows-1251 byte: the whole file is Windows-1251.
        DecodeCase{"MixedIsCp1251", kMilk.toUtf8() + toCp1251(QStringLiteral("я")),
                   fromCp1251(kMilk.toUtf8() + toCp1251(QStringLiteral("я")))},
        // "РЎ" in Windows-1251 is D0 A1, which is also the UTF-8 form of "С": valid UTF-8 wins.
        DecodeCase{"AmbiguousPairReadsAsUtf8", QByteArray("\xD0\xA1"), QStringLiteral("С")},
        DecodeCase{"OverlongSlashIsNotUtf8", QByteArray("\xC0\xAF"), fromCp1251(QByteArray("\xC0\xAF"))},
        DecodeCase{"EncodedSurrogateIsNotUtf8", QByteArray("\xED\xA0\x80"), fromCp1251(QByteArray("\xED\xA0\x80"))},
        DecodeCase{"TruncatedSequenceIsNotUtf8", QByteArray("ab\xD0"), fromCp1251(QByteArray("ab\xD0"))},
        DecodeCase{"FourByteUtf8", QByteArray("\xF0\x9F\x98\x80"), QString::fromUtf8("\xF0\x9F\x98\x80")},
        DecodeCase{"AboveUnicodeIsNotUtf8", QByteArray("\xF4\x90\x80\x80"), fromCp1251(QByteArray("\xF4\x90\x80\x80"))}),
    [](const ::testing::TestParamInfo<DecodeCase> &info) { return std::string(info.param.name); });

struct SplitCase {
    const char *name;
    QString text;
    QStringList lines;
};

class SplitTextLines : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTextLines, EndsLinesAtEveryKindOfBreak) { EXPECT_EQ(splitTextLines(GetParam().text), GetParam().lines); }

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitTextLines,
    ::testing::Values(
        SplitCase{"Empty", QString(), {}}, SplitCase{"NoBreak", QStringLiteral("a;b"), {QStringLiteral("a;b")}},
        SplitCase{"CrLf", QStringLiteral("a\r\nb\r\n"), {QStringLiteral("a"), QStringLiteral("b")}},
        SplitCase{"LfOnly", QStringLiteral("a\nb"), {QStringLiteral("a"), QStringLiteral("b")}},
        SplitCase{"CrOnly", QStringLiteral("a\rb\r"), {QStringLiteral("a"), QStringLiteral("b")}},
        SplitCase{"LfCrIsTwoBreaks", QStringLiteral("a\n\rb"), {QStringLiteral("a"), QString(), QStringLiteral("b")}},
        SplitCase{"BlankLinesKept", QStringLiteral("\r\n\r\nx"), {QString(), QString(), QStringLiteral("x")}}),
    [](const ::testing::TestParamInfo<SplitCase> &info) { return std::string(info.param.name); });

} // namespace
