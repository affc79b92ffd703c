#pragma once
// TComm32: the RS-232 driver, one instance per serial channel. openPort opens the device
// (read-write, no controlling terminal, exclusive), sets it to raw mode with the driver's
// line settings and starts a reader thread and a writer thread. Everything the threads see
// (received blocks, line events, failures) is posted to a notifier object that lives on the
// thread that made the driver, so every signal below is emitted on the user-interface
// thread.
//
// Received data: one block per burst, a burst ending when the line stays quiet for more than
// 1 ms, at most 32768 bytes a block, zero bytes passed on unchanged. Writes go out in the
// order queueWrite was called, each block whole before the next.
//
// Line events come where the device reports them: modem line changes (CTS, DSR, ring,
// carrier), breaks and line errors on ports with interrupt counters (UARTs, USB adapters).
// A pseudo-terminal reports none. The event character is recognised in the received bytes
// on every device. Transmit-empty, printer-error and receive-80%-full are never reported.
#include "common/Error.h"
#include "serial/CommSettings.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

namespace tevo {

class TReadThread;
class TWriteThread;
class CommNotice;

// Raised by openPort with one of the texts "Already have a comm file open", "Error opening
// com port", "File handle is not a comm handle. ", "Wrong comm parametrs!!!", "Unable to
// create Read thread", "Unable to create Write thread".
class ECommsError : public Error {
public:
    using Error::Error;
};

class TComm32 : public QObject {
    Q_OBJECT
    Q_PROPERTY(quint32 BaudRate READ baudRate WRITE setBaudRate)
    Q_PROPERTY(TBytesize ByteSize READ byteSize WRITE setByteSize)
    Q_PROPERTY(TParity Parity READ parity WRITE setParity)
    Q_PROPERTY(TStopBits StopBits READ stopBits WRITE setStopBits)
    Q_PROPERTY(QString CommPort READ commPort WRITE setCommPort)
    Q_PROPERTY(TFlowControl FlowControl READ flowControl WRITE setFlowControl)
    Q_PROPERTY(quint32 RxQueue READ rxQueue WRITE setRxQueue)
    Q_PROPERTY(quint32 TxQueue READ txQueue WRITE setTxQueue)
    Q_PROPERTY(char EventChar READ eventChar WRITE setEventChar)

public:
    enum TBytesize { sz_4, sz_5, sz_6, sz_7, sz_8 };
    enum TParity { pNone, pOdd, pEven, pMark, pSpace };
    enum TStopBits { sb1_0, sb1_5, sb2_0 };
    enum TFlowControl { fcNone, fcHardware, fcSoftware };
    Q_ENUM(TBytesize)
    Q_ENUM(TParity)
    Q_ENUM(TStopBits)
    Q_ENUM(TFlowControl)

    explicit TComm32(QObject *parent = nullptr);
    ~TComm32() override; // closes an open port

    // Opens CommPort (a name such as "COM3", resolved through the ports file beside the
    // program, or a device path) and starts both threads. Throws ECommsError; returns false
    // only when the stop signal cannot be made.
    bool openPort();
    // Stops and joins both threads, drops what is still queued for writing and closes the
    // device. Nothing when no port is held. Notices the threads posted before they stopped
    // are still delivered afterwards.
    void closePort();
    // Copies the bytes and queues them for the writer; false when no writer thread runs.
    // Never waits for the bytes to be sent.
    bool queueWrite(const char *data, quint16 length);
    bool queueWrite(const QByteArray &data); // false when longer than 65535 bytes

    // Properties; a change while the port is open goes to the port at once, a change while
    // closed at the next open.
    quint32 baudRate() const { return m_dcb.BaudRate; }
    void setBaudRate(quint32 rate);
    TBytesize byteSize() const;
    void setByteSize(TBytesize size);
    TParity parity() const;
    void setParity(TParity parity);
    TStopBits stopBits() const;
    void setStopBits(TStopBits bits);
    QString commPort() const { return m_commPort; }
    void setCommPort(const QString &port) { m_commPort = port; }
    TFlowControl flowControl() const;
    void setFlowControl(TFlowControl flow);
    quint32 rxQueue() const { return m_rxQueue; }
    void setRxQueue(quint32 size) { m_rxQueue = size; } // kept; a tty's buffers are fixed
    quint32 txQueue() const { return m_txQueue; }
    void setTxQueue(quint32 size) { m_txQueue = size; }
    char eventChar() const { return m_dcb.EvtChar; }
    void setEventChar(char c);

    const DCB &settings() const { return m_dcb; }
    bool portOpen() const { return m_portOpen; }
    QString deviceName() const { return m_deviceName; } // the device of the open port
    quint32 lastEventMask() const { return m_lastEventMask; }
    quint32 lastModemStatus() const { return m_lastModemStatus; }

    // The channel tag: the record number of the scale row last bound to this driver.
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

signals:
    void receiveData(const QByteArray &buffer); // exactly the block's bytes
    void requestHangup();                       // a thread failed and ended
    void commEvent();                           // first of every line-event notice
    void lineError(quint32 errorCode);          // line error flags (CE_*)
    void eventCharReceived();
    void breakReceived();
    void txEmpty();
    void rx80Full();
    void printerError();
    void ctsChanged();
    void ctsSet();
    void ctsCleared();
    void dsrChanged();
    void dsrSet();
    void dsrCleared();
    void ringChanged();
    void ringSet();
    void ringCleared();
    void rlsdChanged();
    void rlsdSet();
    void rlsdCleared();

private:
    friend class TCommNotifyWindow;
    friend class TComm32TestAccess;

    bool applySettings();
    void handleNotice(CommNotice &notice);
    void closeHandle();

    std::unique_ptr<TReadThread> m_reader;
    std::unique_ptr<TWriteThread> m_writer;
    QString m_commPort = QStringLiteral("COM2");
    QString m_deviceName;
    int m_handle = -1;
    int m_stopEvent = -1;
    std::unique_ptr<QObject> m_notifyWindow;
    bool m_portOpen = false;
    quint32 m_rxQueue = 4096;
    quint32 m_txQueue = 4096;
    DCB m_dcb;
    quint32 m_lastEventMask = 0;
    quint32 m_lastModemStatus = 0;
    int m_tag = 0;
    std::atomic<int> m_evtChar{0}; // the reader's copy of EvtChar
    std::atomic<quint64> m_postedNotices{0};
};

// The setting types under their own names (TFlowControl::fcNone, …).
using TBytesize = TComm32::TBytesize;
using TParity = TComm32::TParity;
using TStopBits = TComm32::TStopBits;
using TFlowControl = TComm32::TFlowControl;

} // namespace tevo
