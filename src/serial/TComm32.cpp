#include "serial/TComm32.h"

#include "serial/CommThreads.h"
#include "serial/LineEvents.h"
#include "serial/PortNames.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>

#include <cerrno>
#include <fcntl.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {
// The texts of this unit, translated under the context "TComm32".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(TComm32)
};
} // namespace

namespace tevo {
// Receives the threads' notices on the thread that made the driver and hands them to it.
class TCommNotifyWindow : public QObject {
public:
    explicit TCommNotifyWindow(TComm32 *owner) : m_owner(owner) {}

    bool event(QEvent *e) override
    {
        if (e->type() == CommNotice::eventType()) {
            m_owner->handleNotice(static_cast<CommNotice &>(*e));
            return true;
        }
        return QObject::event(e);
    }

private:
    TComm32 *m_owner;
};

TComm32::TComm32(QObject *parent) : QObject(parent), m_notifyWindow(std::make_unique<TCommNotifyWindow>(this)) {}

TComm32::~TComm32()
{
    closePort();
    m_notifyWindow.reset(); // notices still waiting for delivery go with it
}

// --- open and close ---------------------------------------------------------------------

bool TComm32::openPort()
{
    if (m_handle >= 0)
        throw ECommsError(Tr::tr("Already have a comm file open"));

    const QString device = resolveSerialDevice(m_commPort);
    const int fd = device.isEmpty()
                       ? -1
                       : ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw ECommsError(Tr::tr("Error opening com port"));

    termios port;
    if (!::isatty(fd) || ::tcgetattr(fd, &port) != 0) {
        ::close(fd);
        throw ECommsError(Tr::tr("File handle is not a comm handle. "));
    }
    // Exclusive: another driver of this program holds the lock, another program the
    // terminal's exclusive mode.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ioctl(fd, TIOCEXCL) != 0) {
        ::close(fd);
        throw ECommsError(Tr::tr("Error opening com port"));
    }

    m_handle = fd;
    m_deviceName = device;
    takePortCharacters(port, m_dcb);
    m_dcb.Flags |= kDcbBinary;
    m_evtChar.store(static_cast<unsigned char>(m_dcb.EvtChar));
    m_portOpen = true;

    if (!applySettings()) {
        closeHandle();
        m_portOpen = false;
        throw ECommsError(Tr::tr("Wrong comm parametrs!!!"));
    }
    // RxQueue and TxQueue have nothing to size here: a terminal's buffers are the kernel's.

    m_stopEvent = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_stopEvent < 0) {
        closeHandle();
        m_portOpen = false;
        return false;
    }

    CommThreadLink link;
    link.handle = m_handle;
    link.stopEvent = m_stopEvent;
    link.notifyWindow = m_notifyWindow.get();
    link.evtChar = &m_evtChar;
    link.postedNotices = &m_postedNotices;

    try {
        auto thread = std::make_unique<TReadThread>(link);
        thread->start();
        m_reader = std::move(thread);
    } catch (...) {
        throw ECommsError(Tr::tr("Unable to create Read thread"));
    }
    try {
        auto thread = std::make_unique<TWriteThread>(link);
        thread->start();
        m_writer = std::move(thread);
    } catch (...) {
        throw ECommsError(Tr::tr("Unable to create Write thread"));
    }
    return true;
}

void TComm32::closePort()
{
    if (m_handle < 0)
        return;
    if (m_stopEvent >= 0)
        eventfd_write(m_stopEvent, 1);
    if (m_reader) {
        ::tcflush(m_handle, TCIFLUSH);
        m_reader->join();
        m_reader.reset();
    }
    if (m_writer) {
        ::tcflush(m_handle, TCOFLUSH);
        m_writer->join();
        m_writer.reset(); // blocks still queued are dropped with it
    }
    if (m_stopEvent >= 0) {
        ::close(m_stopEvent);
        m_stopEvent = -1;
    }
    closeHandle();
    m_portOpen = false;
}

void TComm32::closeHandle()
{
    if (m_handle < 0)
        return;
    ::ioctl(m_handle, TIOCNXCL);
    ::close(m_handle);
    m_handle = -1;
    m_deviceName.clear();
}

bool TComm32::queueWrite(const char *data, quint16 length)
{
    if (!m_writer)
        return false;
    if (!data && length > 0)
        return false;
    return m_writer->post(QByteArray(data, length));
}

bool TComm32::queueWrite(const QByteArray &data)
{
    if (data.size() > 0xFFFF)
        return false;
    return queueWrite(data.constData(), static_cast<quint16>(data.size()));
}

// --- settings ---------------------------------------------------------------------------

bool TComm32::applySettings()
{
    termios t;
    if (::tcgetattr(m_handle, &t) != 0 || !dcbToTermios(m_dcb, t))
        return false;
    if (::tcsetattr(m_handle, TCSANOW, &t) != 0)
        return false;
    // tcsetattr succeeds when any part was taken; the speed is the part a port refuses.
    termios taken;
    if (::tcgetattr(m_handle, &taken) != 0 || cfgetospeed(&taken) != cfgetospeed(&t))
        return false;

    // DTR and RTS as the flag word says: off unless switched on; under RTS handshake the
    // kernel drives RTS. A pseudo-terminal has no modem lines, which is no failure.
    int dtr = TIOCM_DTR;
    ::ioctl(m_handle, (m_dcb.Flags & kDcbDtrControlMask) ? TIOCMBIS : TIOCMBIC, &dtr);
    const quint32 rtsControl = m_dcb.Flags & kDcbRtsControlMask;
    int rts = TIOCM_RTS;
    ::ioctl(m_handle,
            (rtsControl == kDcbRtsControlEnable || rtsControl == kDcbRtsControlHandshake) ? TIOCMBIS : TIOCMBIC, &rts);
    return true;
}

void TComm32::setBaudRate(quint32 rate)
{
    m_dcb.BaudRate = rate;
    if (m_portOpen)
        applySettings();
}

TComm32::TBytesize TComm32::byteSize() const { return static_cast<TBytesize>(m_dcb.ByteSize - 4); }

void TComm32::setByteSize(TBytesize size)
{
    m_dcb.ByteSize = static_cast<quint8>(size + 4);
    if (m_portOpen)
        applySettings();
}

TComm32::TParity TComm32::parity() const { return static_cast<TParity>(m_dcb.Parity); }

void TComm32::setParity(TParity parity)
{
    m_dcb.Parity = static_cast<quint8>(parity);
    if (m_portOpen)
        applySettings();
}

TComm32::TStopBits TComm32::stopBits() const { return static_cast<TStopBits>(m_dcb.StopBits); }

void TComm32::setStopBits(TStopBits bits)
{
    m_dcb.StopBits = static_cast<quint8>(bits);
    if (m_portOpen)
        applySettings();
}

TComm32::TFlowControl TComm32::flowControl() const
{
    if ((m_dcb.Flags & kDcbHardwareFlow) == kDcbHardwareFlow)
        return fcHardware;
    if ((m_dcb.Flags & kDcbSoftwareFlow) == kDcbSoftwareFlow)
        return fcSoftware;
    return fcNone;
}

void TComm32::setFlowControl(TFlowControl flow)
{
    switch (flow) {
    case fcNone:
        m_dcb.Flags &= ~(kDcbSoftwareFlow | kDcbHardwareFlow);
        break;
    case fcHardware:
        m_dcb.Flags &= ~kDcbSoftwareFlow;
        m_dcb.Flags |= kDcbHardwareFlow;
        break;
    case fcSoftware:
        m_dcb.Flags &= ~kDcbHardwareFlow;
        m_dcb.Flags |= kDcbSoftwareFlow;
        break;
    }
    if (m_portOpen)
        applySettings();
}

void TComm32::setEventChar(char c)
{
    m_dcb.EvtChar = c;
    m_evtChar.store(static_cast<unsigned char>(c));
    if (m_portOpen)
        applySettings();
}

// --- notices ----------------------------------------------------------------------------

void TComm32::handleNotice(CommNotice &notice)
{
    switch (notice.notice) {
    case CommDataNotice:
        emit receiveData(notice.block);
        break; // the block goes with the notice once delivered
    case CommFailureNotice:
        emit requestHangup();
        break;
    case CommThreadReadyNotice:
        break;
    case CommEventNotice: {
        m_lastEventMask = notice.lParam & 0xFFFF;
        m_lastModemStatus = notice.lParam >> 16;
        const quint32 e = m_lastEventMask;
        const quint32 status = m_lastModemStatus;
        const quint32 errors = notice.commErrors;

        // A handler may destroy the driver; nothing more is emitted then.
        QPointer<TComm32> alive(this);
        auto fire = [&](bool when, void (TComm32::*signal)()) {
            if (when && alive)
                (this->*signal)();
        };
        emit commEvent();
        if ((e & EV_ERR) && alive)
            emit lineError(errors);
        fire(e & EV_RXFLAG, &TComm32::eventCharReceived);
        fire(e & EV_BREAK, &TComm32::breakReceived);
        fire(e & EV_TXEMPTY, &TComm32::txEmpty);
        fire(e & EV_RX80FULL, &TComm32::rx80Full);
        fire(e & EV_PERR, &TComm32::printerError);
        if (e & EV_CTS) {
            fire(true, &TComm32::ctsChanged);
            fire(true, (status & MS_CTS_ON) ? &TComm32::ctsSet : &TComm32::ctsCleared);
        }
        if (e & EV_DSR) {
            fire(true, &TComm32::dsrChanged);
            fire(true, (status & MS_DSR_ON) ? &TComm32::dsrSet : &TComm32::dsrCleared);
        }
        if (e & EV_RING) {
            fire(true, &TComm32::ringChanged);
            fire(true, (status & MS_RING_ON) ? &TComm32::ringSet : &TComm32::ringCleared);
        }
        if (e & EV_RLSD) {
            fire(true, &TComm32::rlsdChanged);
            fire(true, (status & MS_RLSD_ON) ? &TComm32::rlsdSet : &TComm32::rlsdCleared);
        }
        break;
    }
    default:
        break;
    }
}

} // namespace tevo
