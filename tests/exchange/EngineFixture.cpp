#include "EngineFixture.h"

#include "common/AppPaths.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>

namespace tevo::test {

QStringList numbersFrom(int first, int last, std::initializer_list<int> without)
{
    QStringList out;
    for (int n = first; n <= last; ++n)
        if (std::find(without.begin(), without.end(), n) == without.end())
            out << QString::number(n);
    return out;
}

void nameGoods(Table &goods, int first, int last)
{
    for (int n = first; n <= last; ++n)
        goods.setValues(n - 1, {{QStringLiteral("TNAME1"), QStringLiteral("Товар %1").arg(n)},
                                {QStringLiteral("PRICE"), n * 100}});
}

SimScale::SimScale(bool pty, const QStringList &options, const QString &dumpPath, const QString &loadPath, quint16 port)
    : m_process(std::make_unique<QProcess>()), m_dumpPath(dumpPath)
{
    QStringList args = options;
    if (pty)
        args << QStringLiteral("--pty");
    else
        args << QStringLiteral("--port") << QString::number(port);
    args << QStringLiteral("--dump") << dumpPath;
    if (!loadPath.isEmpty())
        args << QStringLiteral("--load") << loadPath;
    m_process->setProcessChannelMode(QProcess::SeparateChannels);
    m_process->start(binDir() + QStringLiteral("/tevo-scalesim"), args);
    if (!m_process->waitForStarted(5000))
        throw std::runtime_error("tevo-scalesim did not start");
    if (!m_process->waitForReadyRead(5000) && !m_process->canReadLine())
        throw std::runtime_error("tevo-scalesim said nothing");
    while (!m_process->canReadLine() && m_process->waitForReadyRead(2000)) {
    }
    const QString first = QString::fromLocal8Bit(m_process->readLine()).trimmed();
    if (pty)
        m_device = first;
    else
        m_port = static_cast<quint16>(first.section(QLatin1Char(' '), 1).toUInt());
}

SimScale::~SimScale() { kill(); }

void SimScale::kill()
{
    if (m_process && m_process->state() != QProcess::NotRunning) {
        // It writes what it holds on the way out: thousands of records take a while on a
        // loaded machine under the sanitizers, so it gets a minute before it is killed.
        m_process->terminate();
        if (!m_process->waitForFinished(60000)) {
            m_process->kill();
            m_process->waitForFinished(3000);
        }
    }
}

QJsonObject SimScale::dump() const
{
    QFile f(m_dumpPath);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(f.readAll()).object();
}

QJsonObject SimScale::goods(int plu) const
{
    for (const auto &g : dump().value(QStringLiteral("goods")).toArray())
        if (g.toObject().value(QStringLiteral("plu")).toInt() == plu)
            return g.toObject();
    return {};
}

QStringList SimScale::storedGoodsNumbers() const
{
    QStringList out;
    for (const auto &g : dump().value(QStringLiteral("goods")).toArray())
        out << QString::number(g.toObject().value(QStringLiteral("plu")).toInt());
    return out;
}

QStringList SimScale::takeLog()
{
    QStringList out;
    m_process->waitForReadyRead(0);
    while (m_process->canReadLine())
        out << QString::fromUtf8(m_process->readLine()).trimmed();
    return out;
}

QStringList SimScale::storedMessageNumbers() const
{
    QStringList out;
    for (const auto &m : dump().value(QStringLiteral("messages")).toArray())
        out << QString::number(m.toObject().value(QStringLiteral("number")).toInt());
    return out;
}

void EngineTest::SetUp()
{
    dir = std::make_unique<ScratchDir>();
    setProgramDir(dir->path());
    store = std::make_unique<Store>();
    store->openTables(testDatabase());
    exchange = std::make_unique<ScaleExchange>(*store, &host);
    channels = &exchange->channels();
    engine = &exchange->engine();
    goods = &exchange->goods();
    messages = &exchange->messages();
    commands = &exchange->parameters();
    check = &exchange->connectionCheck();
    engine->setPollInterval(20);
    ScaleExchange *x = exchange.get();
    QObject::connect(x, &ScaleExchange::notice, [this](const Notice &n) {
        switch (n.kind) {
        case Notice::Kind::Plain:
            messagesShown << n.text;
            break;
        case Notice::Kind::Warning:
            warningsShown << n.text;
            break;
        case Notice::Kind::Information:
            informationShown << n.text;
            break;
        case Notice::Kind::Error:
            errorsShown << n.text;
            break;
        }
    });
    QObject::connect(engine, &ExchangeEngine::packetReceived, [this](const QByteArray &p, int scaleRecNo) {
        packetsLogged << p;
        packetScales << scaleRecNo;
    });
    QObject::connect(x, &ScaleExchange::ended, [this](const ExchangeReport &r) {
        lastReport = r;
        ++ended;
    });
}

void EngineTest::TearDown()
{
    if (engine)
        engine->stop();
    exchange.reset();
    channels = nullptr;
    engine = nullptr;
    goods = nullptr;
    messages = nullptr;
    commands = nullptr;
    check = nullptr;
    sims.clear();
    store.reset();
    setProgramDir(QString());
}

QString EngineTest::writeLoadFile(const QByteArray &json)
{
    const QString name = QStringLiteral("load%1.json").arg(++simCounter);
    dir->writeFile(name, json);
    return dir->file(name);
}

SimScale &EngineTest::addTcpScale(const QStringList &options, const QString &loadPath, bool selected,
                                  const QString &groups)
{
    sims.push_back(std::make_unique<SimScale>(false, options,
                                              dir->file(QStringLiteral("dump%1.json").arg(++simCounter)), loadPath));
    addScaleRow(QStringLiteral("127.0.0.1"), sims.back()->port(), selected, groups);
    return *sims.back();
}

SimScale &EngineTest::addSerialScale(int comNumber, const QStringList &options, const QString &loadPath)
{
    sims.push_back(std::make_unique<SimScale>(true, options, dir->file(QStringLiteral("dump%1.json").arg(++simCounter)),
                                              loadPath));
    // SC_COM0 works on the port COM1; every other channel on its own number.
    const int port = comNumber == 0 ? 1 : comNumber;
    QByteArray ini = dir->readFile(QLatin1String(kSerialPortsFileName));
    if (ini.isEmpty())
        ini = "[Ports]\r\n";
    ini += QStringLiteral("COM%1=%2\r\n").arg(port).arg(sims.back()->device()).toLocal8Bit();
    dir->writeFile(QLatin1String(kSerialPortsFileName), ini);
    addScaleRow(QStringLiteral("COM%1").arg(comNumber), 9600, true);
    return *sims.back();
}

void EngineTest::addScaleRow(const QString &ip, int port, bool selected, const QString &groups)
{
    FieldValues v = {{QStringLiteral("U"), truthText(selected)},
                     {QStringLiteral("W"), QStringLiteral("T")},
                     {QStringLiteral("NAME"), QStringLiteral("Весы %1").arg(store->scales().count() + 1)},
                     {QStringLiteral("IP"), ip},
                     {QStringLiteral("PORT"), port}};
    if (!groups.isEmpty())
        v.append({QStringLiteral("SG"), groups});
    store->scales().appendRow(v);
}

void EngineTest::newCase()
{
    sims.clear();
    store->scales().deleteAll();
    messagesShown.clear();
    warningsShown.clear();
    errorsShown.clear();
}

bool EngineTest::waitEnded(int timeoutMs)
{
    const int before = ended;
    return waitFor([&] { return ended > before; }, timeoutMs);
}

} // namespace tevo::test
