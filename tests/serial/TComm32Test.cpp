// The serial driver against pseudo-terminals: the test holds the master side and plays the
// scale, the driver opens the slave.
#include "SerialTestSupport.h"
#include "TestSupport.h"

#include "common/AppPaths.h"
#include "serial/LineEvents.h"
#include "serial/TComm32.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QVariant>

#include <gtest/gtest.h>

#include <dirent.h>
#include <memory>
#include <termios.h>
#include <thread>

using namespace tevo;
using tevo::test::PtyPair;
using tevo::test::SignalLog;
using tevo::test::waitFor;

namespace {

QString openError(TComm32 &c)
{
    try {
        c.openPort();
    } catch (const ECommsError &e) {
        return e.text();
    }
    return QString();
}

int openDescriptorCount()
{
    int n = 0;
    if (DIR *d = ::opendir("/proc/self/fd")) {
        while (::readdir(d))
            ++n;
        ::closedir(d);
    }
    return n;
}

termios portTermios(const TComm32 &c)
{
    termios t{};
    ::tcgetattr(TComm32TestAccess::handle(c), &t);
    return t;
}

class SerialPort : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pty.ok());
        comm.setCommPort(pty.slavePath());
    }

    // Opens the driver and waits until both threads have reported ready.
    void open()
    {
        ASSERT_TRUE(comm.openPort());
        ASSERT_TRUE(test::waitForPosted(comm, 2));
    }

    PtyPair pty;
    TComm32 comm;
};

} // namespace

// --- properties -------------------------------------------------------------------------

TEST(TComm32Settings, DefaultsOfANewDriver)
{
    TComm32 c;
    EXPECT_EQ(c.baudRate(), 9600u);
    EXPECT_EQ(c.byteSize(), TComm32::sz_8);
    EXPECT_EQ(c.parity(), TComm32::pNone);
    EXPECT_EQ(c.stopBits(), TComm32::sb1_0);
    EXPECT_EQ(c.commPort(), QStringLiteral("COM2"));
    EXPECT_EQ(c.flowControl(), TComm32::fcNone);
    EXPECT_EQ(c.rxQueue(), 4096u);
    EXPECT_EQ(c.txQueue(), 4096u);
    EXPECT_EQ(c.eventChar(), '\0');
    EXPECT_FALSE(c.portOpen());
    EXPECT_EQ(c.tag(), 0);

    const DCB &d = c.settings();
    EXPECT_EQ(d.DCBlength, 28u);
    EXPECT_EQ(d.BaudRate, 9600u);
    EXPECT_EQ(d.Flags, 1u);
    EXPECT_EQ(d.ByteSize, 8);
    EXPECT_EQ(d.Parity, 0);
    EXPECT_EQ(d.StopBits, 0);
    EXPECT_EQ(d.XonLim + d.XoffLim + d.XonChar + d.XoffChar + d.ErrorChar + d.EofChar + d.EvtChar, 0);

    // The published names reach the same values.
    EXPECT_EQ(c.property("BaudRate").toUInt(), 9600u);
    EXPECT_EQ(c.property("CommPort").toString(), QStringLiteral("COM2"));
    EXPECT_EQ(c.property("TxQueue").toUInt(), 4096u);
}

TEST(TComm32Settings, FlowControlReadsBackAndKeepsItsFlagBits)
{
    TComm32 c;
    c.setFlowControl(TFlowControl::fcHardware);
    EXPECT_EQ(c.flowControl(), TComm32::fcHardware);
    EXPECT_EQ(c.settings().Flags & 0x2304u, 0x2004u);

    c.setFlowControl(TFlowControl::fcSoftware);
    EXPECT_EQ(c.flowControl(), TComm32::fcSoftware);
    EXPECT_EQ(c.settings().Flags & 0x2304u, 0x0300u);

    c.setFlowControl(TFlowControl::fcNone);
    EXPECT_EQ(c.flowControl(), TComm32::fcNone);
    EXPECT_EQ(c.settings().Flags, 1u); // binary mode stays, DTR/RTS control stays 0

    c.setProperty("FlowControl", QVariant::fromValue(TComm32::fcHardware));
    EXPECT_EQ(c.flowControl(), TComm32::fcHardware);
}

TEST(TComm32Settings, SettersStoreTheirOwnValueOnly)
{
    TComm32 c;
    c.setTxQueue(512);
    EXPECT_EQ(c.txQueue(), 512u);
    EXPECT_EQ(c.rxQueue(), 4096u);
    c.setRxQueue(1024);
    EXPECT_EQ(c.rxQueue(), 1024u);
    EXPECT_EQ(c.txQueue(), 512u);

    c.setStopBits(TComm32::sb2_0);
    EXPECT_EQ(c.stopBits(), TComm32::sb2_0);
    EXPECT_EQ(c.settings().StopBits, 2);

    c.setByteSize(TComm32::sz_7);
    EXPECT_EQ(c.byteSize(), TComm32::sz_7);
    EXPECT_EQ(c.settings().ByteSize, 7);

    c.setParity(TComm32::pSpace);
    EXPECT_EQ(c.parity(), TComm32::pSpace);
    EXPECT_EQ(c.settings().Parity, 4);

    c.setEventChar('\n');
    EXPECT_EQ(c.settings().EvtChar, '\n');
    EXPECT_EQ(c.baudRate(), 9600u);
}

// --- open, close, reopen ----------------------------------------------------------------

TEST_F(SerialPort, OpenPortTwiceRaisesAndLeavesThePortWorking)
{
    open();
    EXPECT_EQ(openError(comm), QStringLiteral("Already have a comm file open"));
    EXPECT_TRUE(comm.portOpen());

    SignalLog log(comm);
    ASSERT_TRUE(pty.write("ping"));
    ASSERT_TRUE(waitFor([&] { return log.received.size() == 4; }));
    EXPECT_EQ(log.received, QByteArray("ping"));
    ASSERT_TRUE(comm.queueWrite("pong", 4));
    EXPECT_EQ(pty.read(4), QByteArray("pong"));
}

TEST_F(SerialPort, ClosePortOnAClosedDriverDoesNothing)
{
    comm.closePort();
    EXPECT_FALSE(comm.portOpen());
    open();
    comm.closePort();
    comm.closePort();
    EXPECT_FALSE(comm.portOpen());
    EXPECT_FALSE(comm.queueWrite("x", 1));
}

TEST_F(SerialPort, CloseThenOpenRunsWithTheSameSettings)
{
    // (A pseudo-terminal carries neither parity nor other byte sizes than 8, so the settings
    // checked here are the ones it keeps.)
    comm.setBaudRate(19200);
    comm.setStopBits(TComm32::sb2_0);
    comm.setFlowControl(TFlowControl::fcHardware);
    open();
    comm.closePort();
    open();

    const termios t = portTermios(comm);
    EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B19200));
    EXPECT_TRUE(t.c_cflag & CSTOPB);
    EXPECT_TRUE(t.c_cflag & CRTSCTS);

    SignalLog log(comm);
    ASSERT_TRUE(comm.queueWrite("again", 5));
    EXPECT_EQ(pty.read(5), QByteArray("again"));
    ASSERT_TRUE(pty.write("back"));
    ASSERT_TRUE(waitFor([&] { return log.received == "back"; }));
}

TEST_F(SerialPort, BaudRateGoesToAnOpenPortAtOnceAndToAClosedOneAtTheNextOpen)
{
    open();
    comm.setBaudRate(115200);
    termios t = portTermios(comm);
    EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B115200));
    EXPECT_EQ(cfgetispeed(&t), static_cast<speed_t>(B115200));

    comm.closePort();
    comm.setBaudRate(4800);
    EXPECT_EQ(comm.baudRate(), 4800u);
    open();
    t = portTermios(comm);
    EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B4800));
}

TEST_F(SerialPort, LineSettingsReachThePort)
{
    comm.setFlowControl(TFlowControl::fcHardware);
    open();
    termios t = portTermios(comm);
    EXPECT_TRUE(t.c_cflag & CRTSCTS);
    EXPECT_TRUE(t.c_cflag & CLOCAL);
    EXPECT_TRUE(t.c_cflag & CREAD);
    EXPECT_FALSE(t.c_lflag & (ICANON | ECHO | ISIG));
    EXPECT_FALSE(t.c_oflag & OPOST);

    comm.setFlowControl(TFlowControl::fcSoftware);
    t = portTermios(comm);
    EXPECT_FALSE(t.c_cflag & CRTSCTS);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF), static_cast<tcflag_t>(IXON | IXOFF));
    // The XON and XOFF characters are the port's own.
    EXPECT_EQ(comm.settings().XonChar, static_cast<char>(t.c_cc[VSTART]));
    EXPECT_EQ(comm.settings().XoffChar, static_cast<char>(t.c_cc[VSTOP]));
}

TEST_F(SerialPort, RefusedSettingsCloseThePort)
{
    const int before = openDescriptorCount();
    comm.setBaudRate(12345);
    EXPECT_EQ(openError(comm), QStringLiteral("Wrong comm parametrs!!!"));
    EXPECT_FALSE(comm.portOpen());

    comm.setBaudRate(9600);
    comm.setByteSize(TComm32::sz_4);
    EXPECT_EQ(openError(comm), QStringLiteral("Wrong comm parametrs!!!"));

    comm.setByteSize(TComm32::sz_8);
    comm.setStopBits(TComm32::sb1_5);
    EXPECT_EQ(openError(comm), QStringLiteral("Wrong comm parametrs!!!"));
    EXPECT_EQ(openDescriptorCount(), before);

    // Nothing was left held: the same driver opens once the settings are right.
    comm.setStopBits(TComm32::sb1_0);
    open();
    EXPECT_TRUE(comm.portOpen());
}

TEST_F(SerialPort, AnUnsupportedSpeedOnAnOpenPortLeavesTheRunningSpeed)
{
    comm.setBaudRate(38400);
    open();
    comm.setBaudRate(12345);
    const termios t = portTermios(comm);
    EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B38400));
    EXPECT_TRUE(comm.portOpen());
    ASSERT_TRUE(comm.queueWrite("ok", 2));
    EXPECT_EQ(pty.read(2), QByteArray("ok"));
}

TEST(TComm32Open, FailuresToOpenRaiseTheirTexts)
{
    const int before = openDescriptorCount();
    TComm32 c;
    c.setCommPort(QStringLiteral("/dev/no-such-serial-device"));
    EXPECT_EQ(openError(c), QStringLiteral("Error opening com port"));
    EXPECT_FALSE(c.portOpen());
    EXPECT_FALSE(c.queueWrite("x", 1));

    c.setCommPort(QStringLiteral("/dev/null"));
    EXPECT_EQ(openError(c), QStringLiteral("File handle is not a comm handle. "));

    QTemporaryDir dir;
    c.setCommPort(dir.path());
    EXPECT_EQ(openError(c), QStringLiteral("Error opening com port"));

    c.setCommPort(QString());
    EXPECT_EQ(openError(c), QStringLiteral("Error opening com port"));

    EXPECT_FALSE(c.portOpen());
    EXPECT_EQ(openDescriptorCount(), before);
}

TEST_F(SerialPort, APortHeldByAnotherDriverCannotBeOpened)
{
    open();
    TComm32 other;
    other.setCommPort(pty.slavePath());
    EXPECT_EQ(openError(other), QStringLiteral("Error opening com port"));
    EXPECT_FALSE(other.portOpen());

    comm.closePort();
    EXPECT_TRUE(other.openPort());
}

TEST_F(SerialPort, OpenCloseCyclesLeaveNoDescriptorsOrThreadsBehind)
{
    const int before = openDescriptorCount();
    for (int i = 0; i < 20; ++i) {
        open();
        ASSERT_TRUE(comm.queueWrite("abc", 3));
        comm.closePort();
    }
    EXPECT_EQ(openDescriptorCount(), before);
    pty.drain(20);
}

TEST(TComm32Open, ThePortsFileNamesTheDevice)
{
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    QTemporaryDir dir;
    QFile ini(dir.filePath(QString::fromLatin1(kSerialPortsFileName)));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Ports]\ncom7=" + pty.slavePath().toLocal8Bit() + "\n");
    ini.close();
    setProgramDir(dir.path());

    TComm32 c;
    c.setCommPort(QStringLiteral("COM7"));
    EXPECT_TRUE(c.openPort());
    EXPECT_EQ(c.deviceName(), pty.slavePath());
    ASSERT_TRUE(c.queueWrite("via ini", 7));
    EXPECT_EQ(pty.read(7), QByteArray("via ini"));
    c.closePort();
    setProgramDir(QString());
}

// --- receiving --------------------------------------------------------------------------

TEST_F(SerialPort, OneBurstIsOneBlockAndAGapStartsAnother)
{
    open();
    SignalLog log(comm);
    const QByteArray burst = test::patternBlock(1, 513);
    ASSERT_TRUE(pty.write(burst));
    ASSERT_TRUE(waitFor([&] { return log.received.size() == burst.size(); }));
    ASSERT_EQ(log.blocks.size(), 1);
    EXPECT_EQ(log.blocks[0], burst);

    // The first block was delivered before the next bytes were sent: that is a gap.
    ASSERT_TRUE(pty.write("abc"));
    ASSERT_TRUE(waitFor([&] { return log.blocks.size() == 2; }));
    ASSERT_TRUE(pty.write("def"));
    ASSERT_TRUE(waitFor([&] { return log.blocks.size() == 3; }));
    EXPECT_EQ(log.blocks[1], QByteArray("abc"));
    EXPECT_EQ(log.blocks[2], QByteArray("def"));
}

TEST_F(SerialPort, ZeroBytesPassInsideTheBlock)
{
    open();
    SignalLog log(comm);
    const QByteArray bytes("\0\x80\0ab\0\xff\0", 8);
    ASSERT_TRUE(pty.write(bytes));
    ASSERT_TRUE(waitFor([&] { return log.received.size() == bytes.size(); }));
    ASSERT_EQ(log.blocks.size(), 1);
    EXPECT_EQ(log.blocks[0], bytes);
    EXPECT_EQ(log.blocks[0].size(), 8);
}

TEST_F(SerialPort, ALongBurstIsCutAt32768Bytes)
{
    open();
    QByteArray burst;
    for (int i = 0; i < 10; ++i)
        burst += test::patternBlock(i, 4000);

    // A busy machine may stall the sending side for more than 1 ms, which rightly ends a
    // block early; one burst that comes through without such a stall shows the cut.
    bool cutAtTheLimit = false;
    for (int attempt = 0; attempt < 8 && !cutAtTheLimit; ++attempt) {
        SignalLog log(comm);
        bool written = false;
        std::thread scale([&] { written = pty.write(burst); });
        const bool all = waitFor([&] { return log.received.size() >= burst.size(); }, 20000);
        scale.join();
        ASSERT_TRUE(written);
        ASSERT_TRUE(all);
        ASSERT_EQ(log.received, burst);
        int largest = 0;
        for (const QByteArray &b : log.blocks)
            largest = std::max(largest, static_cast<int>(b.size()));
        ASSERT_LE(largest, 32768);
        // The rest after the cut may itself be split by a stall; only the cut is checked.
        cutAtTheLimit = largest == 32768;
        test::processEventsFor(5);
    }
    EXPECT_TRUE(cutAtTheLimit);
}

TEST_F(SerialPort, APseudoTerminalReportsNoLineEvents)
{
    open();
    SignalLog log(comm);
    ASSERT_TRUE(pty.write("no line here"));
    ASSERT_TRUE(waitFor([&] { return log.received.size() == 12; }));
    test::processEventsFor(20);
    EXPECT_TRUE(log.events.isEmpty()) << log.events.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(log.hangups, 0);
}

TEST_F(SerialPort, TheEventCharacterIsReportedBeforeItsBlock)
{
    comm.setEventChar('#');
    open();
    SignalLog log(comm);
    QStringList order;
    QObject::connect(&comm, &TComm32::eventCharReceived, &log, [&] { order << QStringLiteral("EventChar"); });
    QObject::connect(&comm, &TComm32::receiveData, &log,
                     [&](const QByteArray &) { order << QStringLiteral("ReceiveData"); });

    ASSERT_TRUE(pty.write("plain"));
    ASSERT_TRUE(waitFor([&] { return log.blocks.size() == 1; }));
    ASSERT_TRUE(pty.write("ab#cd"));
    ASSERT_TRUE(waitFor([&] { return log.blocks.size() == 2; }));
    EXPECT_EQ(order, QStringList({"ReceiveData", "EventChar", "ReceiveData"}));
    EXPECT_EQ(log.events, QStringList({"CommEvent", "EventChar"}));
    EXPECT_EQ(comm.lastEventMask(), EV_RXFLAG);

    // Changed while open, it takes effect for the next bytes.
    comm.setEventChar('!');
    ASSERT_TRUE(pty.write("#"));
    ASSERT_TRUE(waitFor([&] { return log.blocks.size() == 3; }));
    test::processEventsFor(10);
    EXPECT_EQ(log.events.size(), 2);
}

// --- writing ----------------------------------------------------------------------------

TEST_F(SerialPort, QueueWriteOfNothingPutsNothingOnTheLine)
{
    open();
    EXPECT_TRUE(comm.queueWrite("", 0));
    EXPECT_TRUE(comm.queueWrite(nullptr, 0));
    EXPECT_FALSE(comm.queueWrite(nullptr, 3));
    ASSERT_TRUE(comm.queueWrite("X", 1));
    EXPECT_EQ(pty.drain(50), QByteArray("X"));
}

TEST_F(SerialPort, QueueWriteWithoutAWriterIsRefused)
{
    EXPECT_FALSE(comm.queueWrite("abc", 3));
    EXPECT_FALSE(comm.queueWrite(QByteArray("abc")));
    open();
    EXPECT_FALSE(comm.queueWrite(QByteArray(70000, 'x'))); // longer than a write request holds
    comm.closePort();
    EXPECT_FALSE(comm.queueWrite("abc", 3));
}

TEST_F(SerialPort, ManyQueuedBlocksArriveWholeAndInOrder)
{
    open();
    QByteArray expected;
    for (int i = 0; i < 2000; ++i) {
        const QByteArray block = test::patternBlock(i, 85);
        expected += block;
        ASSERT_TRUE(comm.queueWrite(block.constData(), static_cast<quint16>(block.size())));
    }
    // Blocks of several sizes, zero bytes included.
    const QByteArray big = test::patternBlock(9999, 65535);
    expected += big;
    ASSERT_TRUE(comm.queueWrite(big));
    const QByteArray got = pty.read(expected.size());
    ASSERT_EQ(got.size(), expected.size());
    EXPECT_TRUE(got == expected);
}

TEST_F(SerialPort, QueueWriteCopiesTheCallersBytes)
{
    open();
    QByteArray packet("first");
    ASSERT_TRUE(comm.queueWrite(packet.constData(), 5));
    packet.replace(0, 5, "XXXXX");
    EXPECT_EQ(pty.read(5), QByteArray("first"));
}

// --- failures ---------------------------------------------------------------------------

TEST_F(SerialPort, APeerThatHangsUpGivesAFailureNoticeAndNoMore)
{
    open();
    SignalLog log(comm);
    pty.closeMaster();
    ASSERT_TRUE(waitFor([&] { return log.hangups == 1; }));
    test::processEventsFor(20);
    EXPECT_EQ(log.hangups, 1);    // the reader ended; no busy loop of notices
    EXPECT_TRUE(comm.portOpen()); // the driver stays open until closePort

    // The writer finds out at its next write and ends too; then writes are refused.
    EXPECT_TRUE(comm.queueWrite("lost", 4));
    ASSERT_TRUE(waitFor([&] { return log.hangups == 2; }));
    EXPECT_FALSE(comm.queueWrite("more", 4));
    comm.closePort();
    EXPECT_FALSE(comm.portOpen());
}

TEST_F(SerialPort, ADeviceThatVanishesInTheMiddleOfABurst)
{
    open();
    SignalLog log(comm);
    const QByteArray burst = test::patternBlock(3, 3000);
    ASSERT_TRUE(pty.write(burst));
    pty.closeMaster();
    ASSERT_TRUE(waitFor([&] { return log.hangups >= 1; }));
    EXPECT_TRUE(burst.startsWith(log.received));
    comm.closePort();
}

TEST_F(SerialPort, ClosingWhileAWriteWaitsForRoomDropsTheRest)
{
    open();
    // Nobody reads the master, so the writer soon waits for room on the line.
    const QByteArray block = test::patternBlock(5, 65535);
    for (int i = 0; i < 16; ++i)
        ASSERT_TRUE(comm.queueWrite(block));
    comm.closePort();
    EXPECT_LT(pty.drain(50).size(), 16 * block.size());

    // Nothing of the old queue comes after a reopen.
    open();
    ASSERT_TRUE(comm.queueWrite("new", 3));
    EXPECT_EQ(pty.drain(100), QByteArray("new"));
}

TEST_F(SerialPort, NoticesPostedBeforeClosePortAreDeliveredAfterIt)
{
    open();
    SignalLog log(comm);
    const quint64 posted = TComm32TestAccess::postedNotices(comm);
    ASSERT_TRUE(pty.write("late"));
    ASSERT_TRUE(test::waitForPosted(comm, posted + 1));
    comm.closePort();
    EXPECT_TRUE(log.blocks.isEmpty());
    ASSERT_TRUE(waitFor([&] { return log.blocks.size() == 1; }));
    EXPECT_EQ(log.blocks[0], QByteArray("late"));
}

TEST(TComm32Lifetime, DestroyingAnOpenDriverWithNoticesPending)
{
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    auto comm = std::make_unique<TComm32>();
    comm->setCommPort(pty.slavePath());
    ASSERT_TRUE(comm->openPort());
    ASSERT_TRUE(test::waitForPosted(*comm, 2));
    ASSERT_TRUE(pty.write(test::patternBlock(1, 2000)));
    ASSERT_TRUE(comm->queueWrite(test::patternBlock(2, 60000)));
    ASSERT_TRUE(test::waitForPosted(*comm, 3));
    comm.reset(); // closes the port; the pending block is released unread
    test::processEventsFor(20);

    // The device is free again.
    TComm32 again;
    again.setCommPort(pty.slavePath());
    EXPECT_TRUE(again.openPort());
}

TEST(TComm32Lifetime, AHandlerMayDestroyTheDriver)
{
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    auto *comm = new TComm32;
    comm->setCommPort(pty.slavePath());
    bool received = false;
    QObject::connect(comm, &TComm32::receiveData, comm, [&](const QByteArray &) {
        received = true;
        delete comm;
        comm = nullptr;
    });
    ASSERT_TRUE(comm->openPort());
    ASSERT_TRUE(pty.write("bye"));
    ASSERT_TRUE(waitFor([&] { return received; }));
    EXPECT_EQ(comm, nullptr);
}

// --- line events ------------------------------------------------------------------------

TEST(TComm32LineEvents, DispatchFollowsTheFixedOrder)
{
    TComm32 c;
    SignalLog log(c);
    const quint32 all =
        EV_RXFLAG | EV_TXEMPTY | EV_CTS | EV_DSR | EV_RLSD | EV_BREAK | EV_ERR | EV_RING | EV_PERR | EV_RX80FULL;
    TComm32TestAccess::deliverEventNotice(c, all | ((MS_CTS_ON | MS_RING_ON) << 16), CE_FRAME | CE_OVERRUN);
    EXPECT_EQ(log.events,
              QStringList({"CommEvent", "Error", "EventChar", "Break", "TXEMPTY", "RX80FULL", "PERR", "ChangeCTS",
                           "SetCTS", "ChangeDSR", "ClearDSR", "ChangeRing", "SetRing", "ChangeRLSD", "ClearRLSD"}));
    EXPECT_EQ(log.errorCodes, QList<quint32>({CE_FRAME | CE_OVERRUN}));
    EXPECT_EQ(c.lastEventMask(), all);
    EXPECT_EQ(c.lastModemStatus(), MS_CTS_ON | MS_RING_ON);
}

TEST(TComm32LineEvents, LinesOnAtOpenArriveAsChanges)
{
    TComm32 c;
    SignalLog log(c);
    const quint32 status = MS_CTS_ON | MS_DSR_ON;
    TComm32TestAccess::deliverEventNotice(c, changeBitsForLinesOn(status) | (status << 16), 0);
    EXPECT_EQ(log.events, QStringList({"CommEvent", "ChangeCTS", "SetCTS", "ChangeDSR", "SetDSR"}));
    EXPECT_TRUE(log.errorCodes.isEmpty());
}

TEST(TComm32LineEvents, AnEventWithoutLineBitsRaisesOnlyCommEvent)
{
    TComm32 c;
    SignalLog log(c);
    TComm32TestAccess::deliverEventNotice(c, 0x00F0u << 16, 0);
    EXPECT_EQ(log.events, QStringList({"CommEvent"}));
    EXPECT_EQ(c.lastModemStatus(), 0xF0u);
}

TEST(TComm32LineEvents, AHandlerThatDestroysTheDriverStopsTheDispatch)
{
    auto *c = new TComm32;
    SignalLog log(*c);
    QObject::connect(c, &TComm32::commEvent, c, [&] { delete c; });
    TComm32TestAccess::deliverEventNotice(*c, (EV_CTS | EV_DSR) | (MS_CTS_ON << 16), 0);
    EXPECT_EQ(log.events, QStringList({"CommEvent"}));
}
