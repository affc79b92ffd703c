#include "BenchScales.h"

#include "store/Store.h"

#include <QCoreApplication>

namespace tevo::bench {

SimulatedScale::SimulatedScale(const QStringList &options) : process(std::make_unique<QProcess>())
{
    process->start(QCoreApplication::applicationDirPath() + QStringLiteral("/tevo-scalesim"), options);
    process->waitForStarted();
    while (!process->canReadLine() && process->waitForReadyRead(3000)) {
    }
    firstLine = QString::fromLocal8Bit(process->readLine()).trimmed();
}

SimulatedScale::~SimulatedScale()
{
    process->terminate();
    process->waitForFinished(3000);
}

void fillSampleData(Store &store)
{
    store.database().exec(QStringLiteral("UPDATE T SET TNAME1 = 'Товар номер ' || NPLU, TNAME2 = 'Вторая строка', "
                                         "PRICE = NPLU * 10, UBDATE = '5', CODE = NPLU"));
    store.database().exec(QStringLiteral("UPDATE M SET M1 = 'Сообщение ' || NPLU, M8 = 'конец'"));
    store.database().commitNow();
    store.goods().refresh();
    store.messages().refresh();
}

void addScaleRow(Store &store, const QString &ip, int port)
{
    store.scales().appendRow({{QStringLiteral("U"), QStringLiteral("T")},
                              {QStringLiteral("W"), QStringLiteral("T")},
                              {QStringLiteral("IP"), ip},
                              {QStringLiteral("PORT"), port}});
}

} // namespace tevo::bench
