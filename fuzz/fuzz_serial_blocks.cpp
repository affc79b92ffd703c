// Fuzzes the serial driver's block delivery: the input goes into the master side of a
// pseudo-terminal whose slave side the driver holds open, and every byte must come back
// through receiveData, whole, in order, in blocks of 1 … 32768 bytes. The port is opened
// once and kept across inputs.
#include "FuzzSupport.h"

#include "serial/TComm32.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

using namespace tevo;

namespace {

constexpr size_t kMaxInput = 70000;
constexpr int kMaxBlock = 32768;
constexpr int kTimeoutMs = 10000;

int master = -1;
TComm32 *port = nullptr;
QByteArray received;
int blockCount = 0;
bool badBlock = false;

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_serial_blocks: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::initApplication();
    int slave = -1;
    char name[256] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0)
        fail("openpty failed");
    // Raw on both sides before the driver opens the slave, so nothing is translated or echoed
    // in between.
    termios t{};
    if (tcgetattr(slave, &t) == 0) {
        cfmakeraw(&t);
        tcsetattr(slave, TCSANOW, &t);
    }
    ::close(slave); // the master keeps the pair alive
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);

    port = new TComm32; // lives as long as the process
    port->setCommPort(QString::fromLocal8Bit(name));
    port->setBaudRate(115200);
    port->setByteSize(TComm32::sz_8);
    port->setParity(TComm32::pNone);
    port->setStopBits(TComm32::sb1_0);
    port->setFlowControl(TComm32::fcNone);
    try {
        if (!port->openPort())
            fail("OpenPort returned false");
    } catch (const Error &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        fail("OpenPort failed");
    }
    QObject::connect(port, &TComm32::receiveData, [](const QByteArray &block) {
        if (block.isEmpty() || block.size() > kMaxBlock)
            badBlock = true;
        ++blockCount;
        received += block;
    });
    QObject::connect(port, &TComm32::requestHangup, [] { fail("the driver hung up"); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0 || size > kMaxInput)
        return 0;
    received.clear();
    blockCount = 0;
    badBlock = false;

    QDeadlineTimer deadline(kTimeoutMs);
    size_t written = 0;
    while (size_t(received.size()) < size) {
        if (written < size) {
            const ssize_t n = ::write(master, data + written, size - written);
            if (n > 0)
                written += size_t(n);
            else if (n < 0 && errno != EAGAIN && errno != EINTR)
                fail("write to the master failed");
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
        if (deadline.hasExpired()) {
            std::fprintf(stderr, "fuzz_serial_blocks: %lld of %zu bytes arrived (%zu written)\n",
                         static_cast<long long>(received.size()), size, written);
            fail("bytes lost");
        }
        if (size_t(received.size()) < written)
            QThread::usleep(200);
    }
    if (size_t(received.size()) != size)
        fail("more bytes arrived than were written");
    if (received != QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)))
        fail("bytes arrived changed or out of order");
    if (badBlock)
        fail("an empty block or one of more than 32768 bytes");
    return 0;
}
