// Packet log lines and the packet log window.
#include "exchange/PacketLogLine.h"
#include "shell/PacketLogWindow.h"

#include <QPlainTextEdit>
#include <gtest/gtest.h>

using namespace tevo;

TEST(PacketLogLine, DigitBytesBecomeDigitsOthersWindows1251)
{
    EXPECT_EQ(packetLogLine(QByteArray("\xAA\x00\x05", 3)),
              QStringLiteral("Get[3]: ") + QChar(0x0404) + QStringLiteral("05"));
    EXPECT_EQ(packetLogLine(QByteArray("\x80\x09\xC0\xFF", 4)),
              QStringLiteral("Get[4]: ") + QChar(0x0402) + QStringLiteral("9") + QChar(0x0410) + QChar(0x044F));
    EXPECT_EQ(packetLogLine(QByteArray()), QStringLiteral("Get[0]: "));
}

TEST(PacketLogLine, LongBlocksAndLineBreaksAreKept)
{
    const QString line = packetLogLine(QByteArray(401, '\x01'));
    EXPECT_TRUE(line.startsWith(QStringLiteral("Get[401]: ")));
    EXPECT_EQ(line.size(), QStringLiteral("Get[401]: ").size() + 401);
    EXPECT_EQ(line.count(QLatin1Char('1')), 401 + 1);

    EXPECT_EQ(packetLogLine(QByteArray("A\nB\rC", 5)), QStringLiteral("Get[5]: A\nB\rC"));
}

TEST(packetLogWindow, AppendsOneLinePerBlockAndLineBreaksShow)
{
    PacketLogWindow form;
    EXPECT_EQ(form.objectName(), QStringLiteral("PaketViewForm"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Просмотр входящих пакетов"));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(form.view()->isReadOnly());
    form.appendPacket(QByteArray("\x80", 1), QStringLiteral("Касса 1"));
    form.appendPacket(QByteArray(), QStringLiteral("Касса 2"));
    form.flushLog();
    EXPECT_EQ(form.view()->blockCount(), 2);
    form.appendPacket(QByteArray("x\ny\rz", 5), QStringLiteral("Касса 1"));
    form.flushLog();
    EXPECT_EQ(form.view()->blockCount(), 5);
    const QStringList lines = form.view()->toPlainText().split(QLatin1Char('\n'));
    EXPECT_EQ(lines.at(0), QStringLiteral("Get[1]: ") + QChar(0x0402) + QStringLiteral("    «Касса 1»: 80"));
    EXPECT_EQ(lines.at(1), QStringLiteral("Get[0]:     «Касса 2»: "));
    EXPECT_EQ(lines.at(2), QStringLiteral("Get[5]: x"));
    EXPECT_EQ(lines.at(4), QStringLiteral("z    «Касса 1»: 78 0A 79 0D 7A"));
}
