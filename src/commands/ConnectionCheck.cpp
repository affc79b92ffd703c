#include "commands/ConnectionCheck.h"

#include "common/Error.h"
#include "exchange/ExchangeEngine.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QThread>

namespace tevo {

ConnectionCheck::ConnectionCheck(ExchangeEngine &engine, QObject *parent) : QObject(parent), m_engine(engine)
{
    tmCheck.setObjectName(QStringLiteral("tmCheck"));
    tmCheck.setInterval(300);
    tmCheck.setSingleShot(false);
    connect(&tmCheck, &QTimer::timeout, this, &ConnectionCheck::tmCheckTimer);
}

bool ConnectionCheck::isRunning() const { return m_engine.ConnectionCheckActive; }

QString ConnectionCheck::endText(int answered)
{
    return QStringLiteral("Проверка связи окончена. Обнаружено включеных ") + QString::number(answered)
        + QStringLiteral(" весов.");
}

void ConnectionCheck::start()
{
    if (m_engine.ConnectionCheckActive)
        return;
    // A running exchange ends: the check takes every channel.
    m_engine.stop();
    m_engine.ConnectionCheckActive = true;
    m_engine.AckReceived = 0;
    m_engine.ExchangeState = cmd::CheckReply;
    m_engine.ReplyBuffer.clear();
    Table &scales = m_engine.store().scales();
    try {
        for (int r = 0; r < scales.count(); ++r)
            scales.setValues(r, {{QStringLiteral("W"), QStringLiteral("F")}, {QStringLiteral("U"), QStringLiteral("F")}});
    } catch (const Error &e) {
        m_engine.ConnectionCheckActive = false;
        emit m_engine.errorMessage(e.text());
        return;
    }
    m_engine.SelectedScaleCount = 0;
    m_engine.OpenChannels();
    // Give the connections a moment before the probe.
    for (int i = 0; i < 50; ++i) {
        QThread::msleep(1);
        QCoreApplication::processEvents();
    }
    m_engine.SendPacket(QByteArray(1, '\x01'));
    tmCheck.start();
}

void ConnectionCheck::tmCheckTimer()
{
    m_engine.CloseChannels();
    tmCheck.stop();
    m_engine.ConnectionCheckActive = false;
    Table &scales = m_engine.store().scales();
    int answered = 0;
    for (int r = 0; r < scales.count(); ++r)
        if (truthValue(scales.text(r, QStringLiteral("W"))))
            ++answered;
    emit finished(answered);
    emit m_engine.information(endText(answered));
}

} // namespace tevo
