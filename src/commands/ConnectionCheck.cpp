#include "commands/ConnectionCheck.h"

#include "common/Error.h"
#include "exchange/ExchangeEngine.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QThread>

namespace {
// The texts of this unit, translated under the context "ConnectionCheck".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(ConnectionCheck)
};
} // namespace

namespace tevo {
ConnectionCheck::ConnectionCheck(ExchangeEngine &engine, Store &store, QObject *parent)
    : QObject(parent), m_engine(engine), m_store(store)
{
    tmCheck.setObjectName(QStringLiteral("tmCheck"));
    tmCheck.setInterval(300);
    tmCheck.setSingleShot(false);
    connect(&tmCheck, &QTimer::timeout, this, &ConnectionCheck::tmCheckTimer);
}

bool ConnectionCheck::isRunning() const { return m_engine.connectionCheckActive(); }

QString ConnectionCheck::endText(int answered)
{
    return Tr::tr("Проверка связи окончена. Обнаружено включеных %1 весов.").arg(answered);
}

bool ConnectionCheck::start()
{
    try {
        startOrThrow();
        return true;
    } catch (const Error &e) {
        m_engine.refuseStart(e.text());
        return false;
    }
}

void ConnectionCheck::startOrThrow()
{
    if (m_engine.connectionCheckActive())
        return;
    // The check takes every channel: it never ends a running exchange silently.
    if (m_engine.isRunning())
        throw InputError(Tr::tr("Идет обмен с весами. Проверить связь можно после его окончания "
                                "или после кнопки «Прекратить обмен с весами»."));
    Table &scales = m_store.scales();
    for (int r = 0; r < scales.count(); ++r)
        scales.setValues(r, {{QStringLiteral("W"), QStringLiteral("F")}, {QStringLiteral("U"), QStringLiteral("F")}});
    m_engine.beginConnectionCheck();
    // Give the connections a moment before the probe.
    for (int i = 0; i < 50; ++i) {
        QThread::msleep(1);
        QCoreApplication::processEvents();
    }
    m_engine.probeEveryRow();
    tmCheck.start();
}

void ConnectionCheck::tmCheckTimer()
{
    tmCheck.stop();
    m_engine.endConnectionCheck();
    Table &scales = m_store.scales();
    int answered = 0;
    for (int r = 0; r < scales.count(); ++r)
        if (truthValue(scales.text(r, QStringLiteral("W"))))
            ++answered;
    emit finished(answered);
    emit information(endText(answered));
}

} // namespace tevo
