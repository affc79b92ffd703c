// Port names → devices, with and without the ports file beside the program.
#include "serial/PortNames.h"

#include "common/AppPaths.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tevo;

namespace {

class PortNames : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        setProgramDir(dir.path());
    }
    void TearDown() override { setProgramDir(QString()); }

    void writePortsFile(const QByteArray &text)
    {
        QFile f(dir.filePath(QString::fromLatin1(kSerialPortsFileName)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(PortNames, WithoutAPortsFileComNIsTtySNMinusOne)
{
    EXPECT_EQ(resolveSerialDevice("COM1"), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(resolveSerialDevice("COM3"), QStringLiteral("/dev/ttyS2"));
    EXPECT_EQ(resolveSerialDevice("com9"), QStringLiteral("/dev/ttyS8"));
    EXPECT_EQ(resolveSerialDevice("Com10"), QStringLiteral("/dev/ttyS9"));
    EXPECT_EQ(resolveSerialDevice(" COM2 "), QStringLiteral("/dev/ttyS1"));
    // COM0 has no device of its own.
    EXPECT_TRUE(resolveSerialDevice("COM0").isEmpty());
    EXPECT_TRUE(resolveSerialDevice("").isEmpty());
}

TEST_F(PortNames, PathsAndOtherNames)
{
    EXPECT_EQ(resolveSerialDevice("/dev/pts/7"), QStringLiteral("/dev/pts/7"));
    EXPECT_EQ(resolveSerialDevice("/tmp/COM3"), QStringLiteral("/tmp/COM3"));
    EXPECT_EQ(resolveSerialDevice("ttyUSB1"), QStringLiteral("/dev/ttyUSB1"));
}

TEST_F(PortNames, ThePortsFileMapsNamesWithoutRegardToCase)
{
    writePortsFile("; serial ports of this shop\r\n"
                   "[Other]\r\n"
                   "COM4=/dev/wrong\r\n"
                   "[ports]\r\n"
                   "com3 = /dev/ttyUSB0\r\n"
                   "COM0=/dev/ttyACM0\r\n"
                   "# COM5=/dev/commented\r\n"
                   "garbage line\r\n"
                   "COM6=\r\n");
    EXPECT_EQ(resolveSerialDevice("COM3"), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(resolveSerialDevice("com3"), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(resolveSerialDevice("COM0"), QStringLiteral("/dev/ttyACM0"));
    // Keys of other sections, comments and empty values do not count.
    EXPECT_EQ(resolveSerialDevice("COM4"), QStringLiteral("/dev/ttyS3"));
    EXPECT_EQ(resolveSerialDevice("COM5"), QStringLiteral("/dev/ttyS4"));
    EXPECT_EQ(resolveSerialDevice("COM6"), QStringLiteral("/dev/ttyS5"));
    // A path stays a path even with a file.
    EXPECT_EQ(resolveSerialDevice("/dev/ttyUSB9"), QStringLiteral("/dev/ttyUSB9"));
}

TEST_F(PortNames, AFileSavedWithAByteOrderMark)
{
    writePortsFile("\xEF\xBB\xBF[Ports]\nCOM2=/dev/ttyUSB3\n");
    EXPECT_EQ(resolveSerialDevice("COM2"), QStringLiteral("/dev/ttyUSB3"));
}

TEST_F(PortNames, TheFileIsReadAtEveryLookUp)
{
    writePortsFile("[Ports]\nCOM1=/dev/first\n");
    EXPECT_EQ(resolveSerialDevice("COM1"), QStringLiteral("/dev/first"));
    writePortsFile("[Ports]\nCOM1=/dev/second\n");
    EXPECT_EQ(resolveSerialDevice("COM1"), QStringLiteral("/dev/second"));
}

TEST_F(PortNames, ThePortsFileIsReadByTheProgramsProfileRules)
{
    // Quotes around a value, and a Windows-1251 file as the users' editors save it.
    writePortsFile("[Ports]\r\nCOM7=\"/dev/serial/by-id/usb scale\"\r\nCOM8='/dev/\xE2\xE5\xF1\xFB'\r\n");
    EXPECT_EQ(resolveSerialDevice("COM7"), QStringLiteral("/dev/serial/by-id/usb scale"));
    EXPECT_EQ(resolveSerialDevice("COM8"), QStringLiteral("/dev/весы"));
}
