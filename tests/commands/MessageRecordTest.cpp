// Label messages to and from the scale.
#include "Bytes.h"
#include "commands/MessageRecord.h"
#include "common/Error.h"

#include <gtest/gtest.h>

using namespace tevo;
using tevo::test::bytes;

namespace {

QByteArray replyWithLines(const QList<QByteArray> &lines)
{
    QByteArray reply(1, char(0xAA));
    for (int i = 0; i < 8; ++i)
        reply.append((i < lines.size() ? lines[i] : QByteArray()).leftJustified(50, '\0'));
    return reply;
}

} // namespace

TEST(MessageRecord, NumberGoesAsItsLowSixteenBits)
{
    struct Case {
        int number;
        QByteArray expected;
    } cases[] = {
        {5, bytes({0x84, 0x05, 0x00})},         {1000, bytes({0x84, 0xE8, 0x03})},  {65535, bytes({0x84, 0xFF, 0xFF})},
        {65536 + 3, bytes({0x84, 0x03, 0x00})}, {70000, bytes({0x84, 0x70, 0x11})},
    };
    for (const Case &c : cases) {
        const QByteArray r = buildMessageRecord(c.number, {});
        ASSERT_EQ(r.size(), 404);
        EXPECT_EQ(r.left(3), c.expected) << c.number;
    }
}

TEST(MessageRecord, LinesAreCutAtFiftyAndPaddedWithZeros)
{
    struct Case {
        const char *what;
        QString line;
        QByteArray field;
    } cases[] = {
        {"empty", QString(), QByteArray(50, '\0')},
        {"exactly 50", QString(50, QLatin1Char('a')), QByteArray(50, 'a')},
        {"51 loses the last", QString(50, QLatin1Char('a')) + QLatin1Char('b'), QByteArray(50, 'a')},
        {"Cyrillic", QStringLiteral("Сир"), bytes({0x91, 0xA8, 0xE0}) + QByteArray(47, '\0')},
    };
    for (const Case &c : cases) {
        for (int line = 0; line < 8; ++line) {
            QStringList lines(8);
            lines[line] = c.line;
            const QByteArray r = buildMessageRecord(1, lines);
            ASSERT_EQ(r.size(), 404);
            EXPECT_EQ(r.mid(3 + 50 * line, 50), c.field) << c.what << " line " << line + 1;
            EXPECT_EQ(r.at(403), '\0');
        }
    }
}

TEST(MessageRecord, AnEmptyMessageIsFourHundredZeros)
{
    const QStringList missingLines;
    const QStringList emptyLines(8);
    for (const QStringList &lines : {missingLines, emptyLines})
        EXPECT_EQ(buildMessageRecord(1, lines).mid(3), QByteArray(401, '\0'));
}

TEST(MessageRecord, LinesPastTheEighthAreIgnored)
{
    QStringList lines;
    for (int i = 1; i <= 9; ++i)
        lines.append(QString::number(i));
    const QByteArray r = buildMessageRecord(1, lines);
    ASSERT_EQ(r.size(), 404);
    EXPECT_EQ(r.at(353), '8');
}

TEST(MessageRecord, ReadRequest)
{
    EXPECT_EQ(buildMessageReadRequest(7), bytes({0x83, 7, 0}));
    EXPECT_EQ(buildMessageReadRequest(0x1234), bytes({0x83, 0x34, 0x12}));
    EXPECT_EQ(buildMessageReadRequest(65536 + 1), bytes({0x83, 1, 0}));
}

TEST(MessageReply, ZerosAnywhereInALineAreLeftOut)
{
    const QByteArray reply = replyWithLines({
        QByteArray("left\0right", 10),
        bytes({0x91, 0xA8, 0xE0}),
        QByteArray(),
        QByteArray("\0\0lead", 6),
        QByteArray(50, 'x'),
    });
    const QStringList lines = decodeMessageReply(reply);
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0], QStringLiteral("leftright"));
    EXPECT_EQ(lines[1], QStringLiteral("Сир"));
    EXPECT_EQ(lines[2], QString());
    EXPECT_EQ(lines[3], QStringLiteral("lead"));
    EXPECT_EQ(lines[4], QString(50, QLatin1Char('x')));
    EXPECT_EQ(lines[7], QString());
}

TEST(MessageReply, NeedsFourHundredAndOneBytesAndIgnoresMore)
{
    const QByteArray reply = replyWithLines({"a", "b", "c", "d", "e", "f", "g", "h"});
    EXPECT_EQ(decodeMessageReply(reply + QByteArray("junk")).last(), QStringLiteral("h"));
    EXPECT_THROW(decodeMessageReply(reply.left(400)), InputError);
    EXPECT_THROW(decodeMessageReply(QByteArray()), InputError);
}

TEST(MessageReply, AWrittenMessageReadsBack)
{
    const QStringList lines = {QStringLiteral("Ціна за кг"), QString(), QStringLiteral("Ёлка №1"),
                               QString(50, QLatin1Char('y'))};
    const QByteArray record = buildMessageRecord(3, lines);
    const QStringList back = decodeMessageReply(QByteArray(1, char(0xAA)) + record.mid(3, 400));
    EXPECT_EQ(back[0], lines[0]);
    EXPECT_EQ(back[1], QString());
    EXPECT_EQ(back[2], QStringLiteral("Ёлка *1"));
    EXPECT_EQ(back[3], lines[3]);
}
