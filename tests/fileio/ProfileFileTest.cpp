#include "common/Codepage.h"
#include "common/Error.h"
#include "common/ProfileFile.h"

#include "FileioTestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace tevo;

namespace {

ProfileFile parsed(const QString &text)
{
    ProfileFile p;
    p.parse(toCp1251(text));
    return p;
}

// --- reading ---------------------------------------------------------------------------

struct ReadCase {
    const char *name;
    const char16_t *file;
    const char16_t *section;
    const char16_t *key;
    const char16_t *expected; // nullptr: the default "<none>"
};

class ProfileRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, FindsTrimsAndUnquotes)
{
    const ReadCase &c = GetParam();
    const ProfileFile p = parsed(QString::fromUtf16(c.file));
    const QString got = p.readString(QString::fromUtf16(c.section), QString::fromUtf16(c.key), QStringLiteral("<none>"));
    EXPECT_EQ(got, c.expected ? QString::fromUtf16(c.expected) : QStringLiteral("<none>"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileRead,
    ::testing::Values(ReadCase{"Plain", u"[Main]\r\nRecordCount=7\r\n", u"Main", u"RecordCount", u"7"},
                      ReadCase{"SectionCaseIgnored", u"[MAIN]\r\nRecordCount=7\r\n", u"main", u"RecordCount", u"7"},
                      ReadCase{"KeyCaseIgnored", u"[Main]\r\nrecordcount=7\r\n", u"Main", u"RECORDCOUNT", u"7"},
                      ReadCase{"CyrillicCaseIgnored", u"[Товар]\r\nИмя=x\r\n", u"ТОВАР", u"имя", u"x"},
                      ReadCase{"BlanksTrimmed", u"[1]\r\nTNAME1=   Молоко  \t\r\n", u"1", u"TNAME1", u"Молоко"},
                      ReadCase{"BlanksAroundKeyAndSection", u"  [ 1 ]  \r\n  TNAME1  =x\r\n", u"1", u"TNAME1", u"x"},
                      ReadCase{"DoubleQuotesRemoved", u"[1]\r\nTNAME1=\" a \"\r\n", u"1", u"TNAME1", u" a "},
                      ReadCase{"SingleQuotesRemoved", u"[1]\r\nTNAME1='a'\r\n", u"1", u"TNAME1", u"a"},
                      ReadCase{"UnpairedQuotesKept", u"[1]\r\nTNAME1=\"a'\r\n", u"1", u"TNAME1", u"\"a'"},
                      ReadCase{"LoneQuoteKept", u"[1]\r\nTNAME1=\"\r\n", u"1", u"TNAME1", u"\""},
                      ReadCase{"EmptyValue", u"[1]\r\nTNAME2=\r\n", u"1", u"TNAME2", u""},
                      ReadCase{"EqualsInValue", u"[1]\r\nTNAME1=a=b\r\n", u"1", u"TNAME1", u"a=b"},
                      ReadCase{"FirstKeyWins", u"[1]\r\nA=1\r\nA=2\r\n", u"1", u"A", u"1"},
                      ReadCase{"KeyOfOtherSectionNotSeen", u"[1]\r\nA=1\r\n[2]\r\nB=2\r\n", u"1", u"B", nullptr},
                      ReadCase{"KeyBeforeAnySectionNotSeen", u"A=1\r\n[1]\r\n", u"1", u"A", nullptr},
                      ReadCase{"CommentIsNoKey", u"[1]\r\n;A=1\r\n", u"1", u";A", nullptr},
                      ReadCase{"RepeatedSectionSearched", u"[1]\r\nA=1\r\n[2]\r\n[1]\r\nB=2\r\n", u"1", u"B", u"2"},
                      ReadCase{"LfAndCrLines", u"[1]\nA=1\rB=2", u"1", u"B", u"2"},
                      ReadCase{"MissingSection", u"[1]\r\nA=1\r\n", u"9", u"A", nullptr},
                      ReadCase{"UnclosedBracketIsNoSection", u"[1]\r\n[2\r\nA=1\r\n", u"1", u"A", u"1"}),
    [](const ::testing::TestParamInfo<ReadCase> &info) { return std::string(info.param.name); });

TEST(ProfileFile, ValuesAreCutAt2047Characters)
{
    const QString longValue(5000, QLatin1Char('x'));
    const ProfileFile p = parsed(QStringLiteral("[1]\r\nA=") + longValue + QStringLiteral("\r\nB=1\r\n"));
    EXPECT_EQ(p.readString(QStringLiteral("1"), QStringLiteral("A")).size(), 2047);
    EXPECT_EQ(p.readString(QStringLiteral("1"), QStringLiteral("B")), QStringLiteral("1"));
}

TEST(ProfileFile, AHundredThousandCharacterLineIsReadWhole)
{
    const QString junk(100000, QLatin1Char('j'));
    const ProfileFile p =
        parsed(QStringLiteral("[1]\r\n") + junk + QStringLiteral("\r\nA=") + junk + QStringLiteral("\r\n"));
    EXPECT_EQ(p.readString(QStringLiteral("1"), QStringLiteral("A")), junk.left(2047));
}

TEST(ProfileFile, SectionIsPresentOnlyWithAKey)
{
    const ProfileFile p = parsed(QStringLiteral("[1]\r\n[2]\r\n\r\n;note\r\njunk line\r\n[3]\r\nX=\r\n[4]\r\n=v\r\n"));
    EXPECT_FALSE(p.sectionExists(QStringLiteral("1")));
    EXPECT_FALSE(p.sectionExists(QStringLiteral("2")));
    EXPECT_TRUE(p.sectionExists(QStringLiteral("3")));
    EXPECT_FALSE(p.sectionExists(QStringLiteral("4")));
    EXPECT_FALSE(p.sectionExists(QStringLiteral("5")));
    EXPECT_EQ(p.sections(), QStringList({"1", "2", "3", "4"}));
}

struct IntegerCase {
    const char *name;
    const char *value; // nullptr: no key
    int expected;
};

class ProfileReadInteger : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ProfileReadInteger, DecimalHexOrDefault)
{
    const IntegerCase &c = GetParam();
    const ProfileFile p = parsed(c.value ? QStringLiteral("[Main]\r\nRecordCount=%1\r\n").arg(QLatin1String(c.value))
                                         : QStringLiteral("[Main]\r\nOther=1\r\n"));
    EXPECT_EQ(p.readInteger(QStringLiteral("Main"), QStringLiteral("RecordCount"), -99), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileReadInteger,
                         ::testing::Values(IntegerCase{"Decimal", "4000", 4000}, IntegerCase{"Blanks", "  12  ", 12},
                                           IntegerCase{"Negative", "-3", -3}, IntegerCase{"HexZeroX", "0x10", 16},
                                           IntegerCase{"HexDollar", "$1F", 31}, IntegerCase{"Quoted", "\"7\"", 7},
                                           IntegerCase{"Empty", "", -99}, IntegerCase{"Text", "seven", -99},
                                           IntegerCase{"TrailingJunk", "7x", -99},
                                           IntegerCase{"TooBig", "99999999999", -99},
                                           IntegerCase{"Missing", nullptr, -99}),
                         [](const ::testing::TestParamInfo<IntegerCase> &info) { return std::string(info.param.name); });

// --- writing ---------------------------------------------------------------------------

struct WriteCase {
    const char *name;
    const char16_t *before;
    const char16_t *section;
    const char16_t *key;
    const char16_t *value;
    const char16_t *after;
};

class ProfileWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWrite, ChangesOnlyWhatIsWritten)
{
    const WriteCase &c = GetParam();
    ProfileFile p = parsed(QString::fromUtf16(c.before));
    p.writeString(QString::fromUtf16(c.section), QString::fromUtf16(c.key), QString::fromUtf16(c.value));
    EXPECT_EQ(fromCp1251(p.toBytes()), QString::fromUtf16(c.after));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileWrite,
    ::testing::Values(WriteCase{"IntoEmptyFile", u"", u"Main", u"RecordCount", u"0", u"[Main]\r\nRecordCount=0\r\n"},
                      WriteCase{"ReplacedInPlace", u"[1]\r\nA=1\r\nB=2\r\n", u"1", u"a", u"9", u"[1]\r\nA=9\r\nB=2\r\n"},
                      WriteCase{"AddedAtEndOfSection", u"[1]\r\nA=1\r\n[2]\r\nB=2\r\n", u"1", u"C", u"3",
                                u"[1]\r\nA=1\r\nC=3\r\n[2]\r\nB=2\r\n"},
                      WriteCase{"AddedBeforeTrailingBlankLines", u"[1]\r\nA=1\r\n\r\n[2]\r\n", u"1", u"C", u"3",
                                u"[1]\r\nA=1\r\nC=3\r\n\r\n[2]\r\n"},
                      WriteCase{"NewSectionAtEnd", u"; head\r\n[1]\r\nA=1\r\n", u"Main", u"RecordCount", u"1",
                                u"; head\r\n[1]\r\nA=1\r\n[Main]\r\nRecordCount=1\r\n"},
                      WriteCase{"SectionCaseIgnored", u"[MAIN]\r\nX=1\r\n", u"main", u"RecordCount", u"5",
                                u"[MAIN]\r\nX=1\r\nRecordCount=5\r\n"},
                      WriteCase{"OddLinesKeptAsTheyStand", u"  [1]  \r\n  A = 1 \r\n;c\r\njunk\r\n", u"1", u"B", u"2",
                                u"  [1]  \r\n  A = 1 \r\n;c\r\njunk\r\nB=2\r\n"},
                      WriteCase{"LfFileWrittenWithCrLf", u"[1]\nA=1\n", u"1", u"A", u"2", u"[1]\r\nA=2\r\n"},
                      WriteCase{"LineBreakInValueCannotMakeLines", u"", u"1", u"TNAME1", u"a\r\n[2]\nNPLU=5",
                                u"[1]\r\nTNAME1=a  [2] NPLU=5\r\n"}),
    [](const ::testing::TestParamInfo<WriteCase> &info) { return std::string(info.param.name); });

TEST(ProfileFile, WritesWindows1251)
{
    ProfileFile p;
    p.writeString(QStringLiteral("1"), QStringLiteral("TNAME1"), QStringLiteral("Молоко"));
    EXPECT_EQ(p.toBytes(), QByteArray("[1]\r\nTNAME1=") + toCp1251(QStringLiteral("Молоко")) + QByteArray("\r\n"));
}

TEST(ProfileFile, DeleteKeyAndSection)
{
    ProfileFile p = parsed(QStringLiteral("[1]\r\nA=1\r\nB=2\r\n[2]\r\nC=3\r\n[1]\r\nA=4\r\n"));
    p.deleteKey(QStringLiteral("1"), QStringLiteral("a"));
    EXPECT_EQ(fromCp1251(p.toBytes()), QStringLiteral("[1]\r\nB=2\r\n[2]\r\nC=3\r\n[1]\r\n"));
    p.deleteSection(QStringLiteral("1"));
    EXPECT_EQ(fromCp1251(p.toBytes()), QStringLiteral("[2]\r\nC=3\r\n"));
    p.writeString(QStringLiteral("2"), QStringLiteral("D"), QStringLiteral("4"));
    EXPECT_EQ(p.readString(QStringLiteral("2"), QStringLiteral("D")), QStringLiteral("4"));
}

// --- files -----------------------------------------------------------------------------

TEST(ProfileFileOnDisk, MissingFileIsEmpty)
{
    test::ScratchDir dir;
    ProfileFile p(dir.file(QStringLiteral("none.ini")));
    QString error;
    EXPECT_TRUE(p.load(&error));
    EXPECT_TRUE(p.sections().isEmpty());
}

TEST(ProfileFileOnDisk, UnreadableFileIsAnError)
{
    test::ScratchDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("folder.ini"));
    ProfileFile p(dir.file(QStringLiteral("folder.ini")));
    QString error;
    EXPECT_FALSE(p.load(&error));
    EXPECT_EQ(error, QStringLiteral("Cannot open file %1").arg(dir.file(QStringLiteral("folder.ini"))));
    EXPECT_THROW(p.loadOrThrow(), FileError);
}

TEST(ProfileFileOnDisk, UnwritablePlaceGivesUnableToWrite)
{
    test::ScratchDir dir;
    const QString path = dir.file(QStringLiteral("no/such/folder/x.ini"));
    ProfileFile p(path);
    p.writeString(QStringLiteral("Main"), QStringLiteral("A"), QStringLiteral("1"));
    QString error;
    EXPECT_FALSE(p.save(&error));
    EXPECT_EQ(error, QStringLiteral("Unable to write to %1").arg(path));
    error.clear();
    EXPECT_FALSE(p.saveAtomically(&error));
    EXPECT_EQ(error, QStringLiteral("Unable to write to %1").arg(path));
    try {
        p.saveAtomicallyOrThrow();
        FAIL() << "no error";
    } catch (const FileError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Unable to write to %1").arg(path));
    }
}

TEST(ProfileFileOnDisk, SaveKeepsOtherContentAndRoundTrips)
{
    test::ScratchDir dir;
    const QString path = dir.file(QStringLiteral("AutoLoad.ini"));
    dir.writeFile(QStringLiteral("AutoLoad.ini"),
                  toCp1251(
                      QStringLiteral("; мой файл\r\n[Main]\r\nFName=C:\\товары.txt\r\nTime=60\r\n[Other]\r\nX=1\r\n")));
    ProfileFile p(path);
    ASSERT_TRUE(p.load());
    p.writeString(QStringLiteral("main"), QStringLiteral("time"), QStringLiteral("30"));
    p.writeString(QStringLiteral("Main"), QStringLiteral("NeedClear"), QStringLiteral("1"));
    ASSERT_TRUE(p.save());
    EXPECT_EQ(dir.readFile(QStringLiteral("AutoLoad.ini")),
              toCp1251(QStringLiteral(
                  "; мой файл\r\n[Main]\r\nFName=C:\\товары.txt\r\nTime=30\r\nNeedClear=1\r\n[Other]\r\nX=1\r\n")));
}

TEST(ProfileFileOnDisk, Utf8FileIsReadAndWrittenBackAsWindows1251)
{
    test::ScratchDir dir;
    const QString path = dir.file(QStringLiteral("u.ini"));
    dir.writeFile(QStringLiteral("u.ini"), QStringLiteral("[1]\r\nTNAME1=Сыр\r\n").toUtf8());
    ProfileFile p(path);
    ASSERT_TRUE(p.load());
    EXPECT_EQ(p.readString(QStringLiteral("1"), QStringLiteral("TNAME1")), QStringLiteral("Сыр"));
    ASSERT_TRUE(p.saveAtomically());
    EXPECT_EQ(dir.readFile(QStringLiteral("u.ini")), toCp1251(QStringLiteral("[1]\r\nTNAME1=Сыр\r\n")));
}

} // namespace
