#include "ScaleModel.h"

#include "commands/Logo.h"
#include "commands/MessageRecord.h"
#include "commands/ScaleReadouts.h"
#include "commands/SettingsPackets.h"
#include "common/Error.h"
#include "common/PacketBytes.h"
#include "exchange/GoodsRecord.h"
#include "exchange/ScaleCode.h"

#include <QJsonArray>

namespace tevo::sim {
namespace {

constexpr char kAck = char(0xAA);
constexpr char kRefuse = char(0xEE);
constexpr int kStateLength = WeighingState::kLength - 1;
constexpr int kTotalsLength = SalesTotals::kLength - 1;

quint32 le(const QByteArray &b, int at, int width) { return PacketReader(b).unsignedLe(at, width); }

void putLe(QByteArray &b, int at, qint64 value, int width)
{
    PacketWriter w(std::move(b));
    w.putLe(at, value, width);
    b = w.take();
}

QString digitsText(const QByteArray &d, QChar separator)
{
    if (d.size() != 6)
        return {};
    QString t;
    for (int i = 0; i < 6; ++i) {
        if (i == 2 || i == 4)
            t.append(separator);
        t.append(QString::number(static_cast<uchar>(d.at(i))));
    }
    return t;
}

QByteArray digitsFromText(const QString &text, const char *what)
{
    QByteArray d;
    for (QChar c : text) {
        if (c.isDigit())
            d.append(static_cast<char>(c.digitValue()));
    }
    if (d.size() != 6)
        throw InputError(QStringLiteral("scale file: %1 needs six digits: %2").arg(QLatin1String(what), text));
    return d;
}

QString text(const QJsonValue &v)
{
    if (v.isDouble())
        return QString::number(static_cast<qint64>(v.toDouble()));
    return v.toString();
}

QByteArray hexField(const QJsonObject &o, const char *key, int length)
{
    const QByteArray bytes = QByteArray::fromHex(o.value(QLatin1String(key)).toString().toLatin1());
    if (bytes.size() != length)
        throw InputError(
            QStringLiteral("scale file: \"%1\" must hold %2 bytes in hex").arg(QLatin1String(key)).arg(length));
    return bytes;
}

// The request bytes by the names the command line uses; `numbered`: the request carries a
// goods (4 bytes) or message (2 bytes) number after the command byte.
struct RequestName {
    const char *name;
    uchar command;
    int numberWidth;
};
constexpr RequestName kRequestNames[] = {
    {"goods", 0x82, 4},    {"goods-read", 0x81, 4},    {"messages", 0x84, 2}, {"messages-read", 0x83, 2},
    {"settings", 0x8A, 0}, {"settings-read", 0x95, 0}, {"header", 0x94, 0},   {"header-read", 0x98, 0},
    {"logo", 0x8C, 0},     {"logo-read", 0x97, 0},     {"date", 0x99, 0},     {"time", 0x9A, 0},
    {"state", 0x89, 0},    {"totals", 0x85, 0},
};

const RequestName *requestName(uchar command)
{
    for (const RequestName &r : kRequestNames)
        if (r.command == command)
            return &r;
    return nullptr;
}

} // namespace

Refusal parseRefusal(const QString &text, bool once)
{
    const QString name = text.section(QLatin1Char(':'), 0, 0).trimmed().toLower();
    const QString list = text.section(QLatin1Char(':'), 1);
    const RequestName *found = nullptr;
    for (const RequestName &r : kRequestNames)
        if (name == QLatin1String(r.name))
            found = &r;
    if (!found)
        throw InputError(QStringLiteral("--refuse: unknown request \"%1\"").arg(name));
    Refusal refusal;
    refusal.command = found->command;
    refusal.once = once;
    if (!list.trimmed().isEmpty()) {
        if (found->numberWidth == 0)
            throw InputError(QStringLiteral("--refuse: \"%1\" carries no number").arg(name));
        for (const QString &part : list.split(QLatin1Char(','))) {
            bool ok = false;
            const uint n = part.trimmed().toUInt(&ok);
            if (!ok)
                throw InputError(QStringLiteral("--refuse: \"%1\" is not a number").arg(part));
            refusal.numbers.append(n);
        }
    }
    return refusal;
}

int requestLength(uchar command)
{
    switch (command) {
    case 0x82:
        return kGoodsRecordLength;
    case 0x81:
        return kGoodsReadRequestLength;
    case 0x84:
        return kMessageRecordLength;
    case 0x83:
        return kMessageReadRequestLength;
    case 0x8A:
        return kSettingsPacketLength;
    case 0x94:
        return kHeaderPacketLength;
    case 0x8C:
        return kLogoPacketLength;
    case 0x99:
        return 7;
    case 0x9A:
        return 7;
    case 0x95:
    case 0x98:
    case 0x97:
    case 0x85:
    case 0x89:
        return 1;
    default:
        return 0;
    }
}

ScaleModel::ScaleModel(ScaleOptions options)
    : settings(buildSettingsPacket(ScaleSettings{}).mid(1)),
      header(2 * kHeaderLineWidth, '\0'),
      logo(kLogoDataLength, '\0'),
      weighingState(kStateLength, '\0'),
      totals(kTotalsLength, '\0'),
      m_options(options)
{
}

void ScaleModel::resetLink()
{
    m_ready = false;
    m_pending.clear();
}

QList<ScaleModel::Reply> ScaleModel::feedReplies(const QByteArray &bytes)
{
    QList<Reply> replies;
    if (m_options.silent) {
        m_polls += int(bytes.count(char(0x01)));
        return replies;
    }
    for (char c : bytes) {
        const auto b = static_cast<uchar>(c);
        if (m_pending.isEmpty()) {
            if (b == 0x01) {
                ++m_polls;
                if (m_options.ignorePolls > 0 && m_polls % m_options.ignorePolls == 0)
                    continue; // busy: this poll goes unanswered
                m_ready = true;
                replies.append(
                    {Reply::Ready, m_options.readyPrefix ? QByteArray("\x01\x80", 2) : QByteArray(1, char(0x80)), 0});
                continue;
            }
            if (!m_ready)
                continue; // not a request: nobody asked for one
            if (requestLength(b) == 0) {
                m_ready = false;
                ++m_requests;
                m_log.append(QStringLiteral("unknown command 0x%1 refused").arg(b, 2, 16, QLatin1Char('0')));
                replies.append({Reply::Answer, QByteArray(1, kRefuse), b});
                continue;
            }
        }
        m_pending.append(c);
        const auto command = static_cast<uchar>(m_pending.at(0));
        if (m_pending.size() == requestLength(command)) {
            ++m_requests;
            replies.append({Reply::Answer, answer(m_pending), command});
            m_pending.clear();
            m_ready = false;
        }
    }
    if (m_options.garbage) {
        for (Reply &r : replies)
            r.bytes = junk(r.bytes.size(), m_seed);
    }
    return replies;
}

QByteArray ScaleModel::feed(const QByteArray &bytes)
{
    QByteArray out;
    for (const Reply &r : feedReplies(bytes))
        out.append(r.bytes);
    return out;
}

QStringList ScaleModel::takeLog()
{
    QStringList log;
    log.swap(m_log);
    return log;
}

bool ScaleModel::names(QList<Refusal> &list, const QByteArray &req, const char *verb)
{
    const auto command = static_cast<uchar>(req.at(0));
    const RequestName *name = requestName(command);
    if (!name)
        return false;
    const quint32 number = name->numberWidth > 0 ? le(req, 1, name->numberWidth) : 0;
    for (Refusal &r : list) {
        if (r.command != command || (!r.numbers.isEmpty() && !r.numbers.contains(number)))
            continue;
        if (r.once) {
            if (r.used.contains(number))
                continue;
            r.used.append(number);
        }
        m_log.append(name->numberWidth > 0
                         ? QStringLiteral("%1 %2 %3").arg(QLatin1String(verb), QLatin1String(name->name)).arg(number)
                         : QStringLiteral("%1 %2").arg(QLatin1String(verb), QLatin1String(name->name)));
        return true;
    }
    return false;
}

QByteArray ScaleModel::answer(const QByteArray &req)
{
    const auto command = static_cast<uchar>(req.at(0));
    const QByteArray ack(1, kAck);
    if (names(m_unanswered, req, "unanswered"))
        return {};
    if (names(m_refusals, req, "refused"))
        return QByteArray(1, kRefuse);
    auto stored = [&](const QString &what) {
        ++m_changes;
        m_log.append(QStringLiteral("stored ") + what);
        return ack;
    };
    auto read = [&](const QString &what, const QByteArray &data) {
        m_log.append(QStringLiteral("read ") + what);
        return ack + data;
    };
    auto refused = [&](const QString &what) {
        m_log.append(QStringLiteral("read %1 refused").arg(what));
        return QByteArray(1, kRefuse);
    };

    switch (command) {
    case 0x82: {
        const quint32 plu = le(req, 1, 4);
        goods[plu].record = req; // gathered totals stay
        return stored(QStringLiteral("goods %1").arg(plu));
    }
    case 0x81: {
        const quint32 plu = le(req, 1, 4);
        const QString what = QStringLiteral("goods %1").arg(plu);
        return goods.contains(plu) ? read(what, goodsReply(plu, goods[plu]).mid(1)) : refused(what);
    }
    case 0x84: {
        const auto n = static_cast<quint16>(le(req, 1, 2));
        messages[n] = req.mid(3, kMessageLineCount * kMessageLineWidth);
        return stored(QStringLiteral("message %1").arg(n));
    }
    case 0x83: {
        const auto n = static_cast<quint16>(le(req, 1, 2));
        const QString what = QStringLiteral("message %1").arg(n);
        return messages.contains(n) ? read(what, messages[n]) : refused(what);
    }
    case 0x8A:
        settings = req.mid(1);
        return stored(QStringLiteral("settings"));
    case 0x95:
        return read(QStringLiteral("settings"), settings);
    case 0x94:
        header = req.mid(1);
        return stored(QStringLiteral("header"));
    case 0x98:
        return read(QStringLiteral("header"), header);
    case 0x8C:
        logo = req.mid(1);
        return stored(QStringLiteral("logo"));
    case 0x97:
        return read(QStringLiteral("logo"), logo);
    case 0x99:
        date = req.mid(1);
        return stored(QStringLiteral("date ") + digitsText(date, QLatin1Char('.')));
    case 0x9A:
        time = req.mid(1);
        return stored(QStringLiteral("time ") + digitsText(time, QLatin1Char(':')));
    case 0x89:
        return read(QStringLiteral("weighing state"), weighingState);
    case 0x85:
        return read(QStringLiteral("totals"), totals);
    default:
        return QByteArray(1, kRefuse);
    }
}

QByteArray ScaleModel::goodsReply(quint32 plu, const StoredGoods &g)
{
    QByteArray reply(kGoodsReplyLength, '\0');
    reply[0] = kAck;
    // Offsets 1 … 83 of the reply are laid out as the write request.
    reply.replace(1, 83, g.record.mid(1, 83).leftJustified(83, '\0'));
    putLe(reply, 1, plu, 4);
    putLe(reply, 90, g.sum, 4);
    putLe(reply, 94, g.weight, 4);
    putLe(reply, 98, g.count, 4);
    return reply;
}

QByteArray ScaleModel::junk(int length, quint32 &seed)
{
    QByteArray out(length, '\0');
    for (int i = 0; i < length; ++i) {
        uchar b;
        do {
            seed = seed * 1664525u + 1013904223u;
            b = static_cast<uchar>(seed >> 24);
        } while (b == 0x80 || (i == 0 && (b == 0xAA || b == 0xEE)));
        out[i] = static_cast<char>(b);
    }
    return out;
}

QJsonObject ScaleModel::toJson() const
{
    QJsonObject doc;

    QJsonArray goodsList;
    for (auto it = goods.cbegin(); it != goods.cend(); ++it) {
        const GoodsReplyFields f = decodeGoodsReply(goodsReply(it.key(), it.value()));
        QJsonObject g{
            {QStringLiteral("plu"), static_cast<qint64>(it.key())},
            {QStringLiteral("code"), f.CODE},
            {QStringLiteral("name1"), f.TNAME1},
            {QStringLiteral("name2"), f.TNAME2},
            {QStringLiteral("price"), f.PRICE},
            {QStringLiteral("shelfLife"), f.UBDATE},
            {QStringLiteral("tare"), f.TARA},
            {QStringLiteral("groupCode"), f.GROUPCODE},
            {QStringLiteral("message"), f.MESSAGE},
            {QStringLiteral("sum"), it->sum},
            {QStringLiteral("weight"), it->weight},
            {QStringLiteral("count"), it->count},
            {QStringLiteral("record"), QString::fromLatin1(it->record.toHex())},
        };
        if (f.LOGO)
            g.insert(QStringLiteral("logo"), *f.LOGO);
        goodsList.append(g);
    }
    doc.insert(QStringLiteral("goods"), goodsList);

    QJsonArray messageList;
    for (auto it = messages.cbegin(); it != messages.cend(); ++it) {
        const QStringList lines = decodeMessageReply(QByteArray(1, kAck) + it.value());
        messageList.append(QJsonObject{
            {QStringLiteral("number"), it.key()},
            {QStringLiteral("lines"), QJsonArray::fromStringList(lines)},
            {QStringLiteral("raw"), QString::fromLatin1(it.value().toHex())},
        });
    }
    doc.insert(QStringLiteral("messages"), messageList);

    const ScaleSettings s = decodeSettingsReply(QByteArray(1, kAck) + settings);
    doc.insert(QStringLiteral("settings"), QJsonObject{
                                               {QStringLiteral("department"), s.department},
                                               {QStringLiteral("labelFormatPosition"), s.labelFormatPosition},
                                               {QStringLiteral("labelFormatCode"), static_cast<uchar>(settings.at(3))},
                                               {QStringLiteral("barcodePosition"), s.barcodePosition},
                                               {QStringLiteral("printShift"), s.printShift},
                                               {QStringLiteral("printOptions"), s.printOptions},
                                               {QStringLiteral("autoPrintWeight"), s.autoPrintWeight},
                                               {QStringLiteral("raw"), QString::fromLatin1(settings.toHex())},
                                           });

    const ShopHeader h = decodeHeaderReply(QByteArray(1, kAck) + header);
    doc.insert(QStringLiteral("header"), QJsonObject{
                                             {QStringLiteral("line1"), h.line1},
                                             {QStringLiteral("line2"), h.line2},
                                             {QStringLiteral("raw"), QString::fromLatin1(header.toHex())},
                                         });

    const LogoPixels l = logoFromReply(QByteArray(1, kAck) + logo);
    QJsonArray rows;
    for (int y = 1; y <= kLogoSide; ++y) {
        QString row;
        for (int x = 1; x <= kLogoSide; ++x)
            row.append(l.at(x, y) ? QLatin1Char('#') : QLatin1Char('.'));
        rows.append(row);
    }
    doc.insert(QStringLiteral("logo"), rows);

    doc.insert(QStringLiteral("date"), date.isEmpty() ? QJsonValue() : QJsonValue(digitsText(date, QLatin1Char('.'))));
    doc.insert(QStringLiteral("time"), time.isEmpty() ? QJsonValue() : QJsonValue(digitsText(time, QLatin1Char(':'))));

    const WeighingState w = decodeWeighingState(QByteArray(1, kAck) + weighingState);
    doc.insert(QStringLiteral("state"), QJsonObject{
                                            {QStringLiteral("grams"), w.grams},
                                            {QStringLiteral("price"), w.price},
                                            {QStringLiteral("cost"), w.cost},
                                            {QStringLiteral("plu"), w.plu},
                                        });

    const SalesTotals t = decodeSalesTotals(QByteArray(1, kAck) + totals);
    doc.insert(QStringLiteral("totals"),
               QJsonObject{
                   {QStringLiteral("runCounter"), t.runCounter},
                   {QStringLiteral("labelCounter"), t.labelCounter},
                   {QStringLiteral("totalSum"), t.totalSum},
                   {QStringLiteral("salesCount"), static_cast<qint64>(t.salesCount)},
                   {QStringLiteral("totalWeight"), t.totalWeight},
                   {QStringLiteral("sumAllPlu"), t.sumAllPlu},
                   {QStringLiteral("salesCountAllPlu"), static_cast<qint64>(t.salesCountAllPlu)},
                   {QStringLiteral("weightAllPlu"), t.weightAllPlu},
                   {QStringLiteral("freePlu"), t.freePlu},
                   {QStringLiteral("freeMessages"), t.freeMessages},
               });

    doc.insert(QStringLiteral("requests"), m_requests);
    doc.insert(QStringLiteral("polls"), m_polls);
    return doc;
}

void ScaleModel::loadJson(const QJsonObject &doc)
{
    for (const QJsonValue &v : doc.value(QStringLiteral("goods")).toArray()) {
        const QJsonObject g = v.toObject();
        if (!g.contains(QStringLiteral("plu")))
            throw InputError(QStringLiteral("scale file: a goods entry without \"plu\""));
        const auto plu = static_cast<quint32>(g.value(QStringLiteral("plu")).toDouble());
        StoredGoods stored;
        if (g.contains(QStringLiteral("record"))) {
            stored.record = hexField(g, "record", kGoodsRecordLength);
        } else {
            GoodsFields f;
            f.NPLU = QString::number(plu);
            f.CODE = text(g.value(QStringLiteral("code")));
            f.TNAME1 = text(g.value(QStringLiteral("name1")));
            f.TNAME2 = text(g.value(QStringLiteral("name2")));
            f.PRICE = text(g.value(QStringLiteral("price")));
            f.UBDATE = text(g.value(QStringLiteral("shelfLife")));
            f.TARA = text(g.value(QStringLiteral("tare")));
            f.GROUPCODE = text(g.value(QStringLiteral("groupCode")));
            f.MESSAGE = text(g.value(QStringLiteral("message")));
            f.LOGO = text(g.value(QStringLiteral("logo")));
            stored.record = buildGoodsRecord(f, nullptr);
        }
        stored.sum = g.value(QStringLiteral("sum")).toInt();
        stored.weight = g.value(QStringLiteral("weight")).toInt();
        stored.count = g.value(QStringLiteral("count")).toInt();
        goods.insert(plu, stored);
    }

    for (const QJsonValue &v : doc.value(QStringLiteral("messages")).toArray()) {
        const QJsonObject m = v.toObject();
        const int number = m.value(QStringLiteral("number")).toInt();
        if (m.contains(QStringLiteral("raw"))) {
            messages.insert(static_cast<quint16>(number), hexField(m, "raw", kMessageLineCount * kMessageLineWidth));
        } else {
            QStringList lines;
            for (const QJsonValue &line : m.value(QStringLiteral("lines")).toArray())
                lines.append(line.toString());
            messages.insert(static_cast<quint16>(number),
                            buildMessageRecord(number, lines).mid(3, kMessageLineCount * kMessageLineWidth));
        }
    }

    if (doc.contains(QStringLiteral("settings"))) {
        const QJsonObject s = doc.value(QStringLiteral("settings")).toObject();
        if (s.contains(QStringLiteral("raw"))) {
            settings = hexField(s, "raw", kSettingsPacketLength - 1);
        } else {
            ScaleSettings v;
            v.department = s.value(QStringLiteral("department")).toInt(v.department);
            v.labelFormatPosition = s.value(QStringLiteral("labelFormatPosition")).toInt(v.labelFormatPosition);
            v.barcodePosition = s.value(QStringLiteral("barcodePosition")).toInt(v.barcodePosition);
            v.printShift = s.value(QStringLiteral("printShift")).toInt(v.printShift);
            v.printOptions = static_cast<quint8>(s.value(QStringLiteral("printOptions")).toInt(v.printOptions));
            v.autoPrintWeight = s.value(QStringLiteral("autoPrintWeight")).toInt(v.autoPrintWeight);
            settings = buildSettingsPacket(v).mid(1);
        }
    }

    if (doc.contains(QStringLiteral("header"))) {
        const QJsonObject h = doc.value(QStringLiteral("header")).toObject();
        header = h.contains(QStringLiteral("raw")) ? hexField(h, "raw", 2 * kHeaderLineWidth)
                                                   : buildHeaderPacket(h.value(QStringLiteral("line1")).toString(),
                                                                       h.value(QStringLiteral("line2")).toString())
                                                         .mid(1);
    }

    if (doc.contains(QStringLiteral("logo"))) {
        const QJsonArray rows = doc.value(QStringLiteral("logo")).toArray();
        LogoPixels l;
        for (int y = 1; y <= kLogoSide && y <= rows.size(); ++y) {
            const QString row = rows.at(y - 1).toString();
            for (int x = 1; x <= kLogoSide && x <= row.size(); ++x)
                l.set(x, y, row.at(x - 1) == QLatin1Char('#'));
        }
        logo = logoData(l);
    }

    if (doc.value(QStringLiteral("date")).isString())
        date = digitsFromText(doc.value(QStringLiteral("date")).toString(), "date");
    if (doc.value(QStringLiteral("time")).isString())
        time = digitsFromText(doc.value(QStringLiteral("time")).toString(), "time");

    if (doc.contains(QStringLiteral("state"))) {
        const QJsonObject w = doc.value(QStringLiteral("state")).toObject();
        weighingState.fill('\0');
        putLe(weighingState, 1, w.value(QStringLiteral("grams")).toInt(), 2);
        putLe(weighingState, 3, w.value(QStringLiteral("price")).toInt(), 4);
        putLe(weighingState, 7, w.value(QStringLiteral("cost")).toInt(), 4);
        putLe(weighingState, 11, w.value(QStringLiteral("plu")).toInt(), 4);
    }

    if (doc.contains(QStringLiteral("totals"))) {
        const QJsonObject t = doc.value(QStringLiteral("totals")).toObject();
        const auto num = [&t](const char *key) { return static_cast<qint64>(t.value(QLatin1String(key)).toDouble()); };
        totals.fill('\0');
        // Offsets in the reply less one: the stored part starts after 0xAA.
        putLe(totals, 0, num("runCounter"), 4);
        putLe(totals, 4, num("labelCounter"), 4);
        putLe(totals, 8, num("totalSum"), 4);
        putLe(totals, 12, num("salesCount"), 3);
        putLe(totals, 15, num("totalWeight"), 4);
        putLe(totals, 19, num("sumAllPlu"), 4);
        putLe(totals, 23, num("salesCountAllPlu"), 3);
        putLe(totals, 26, num("weightAllPlu"), 4);
        putLe(totals, 36, num("freePlu"), 2);
        putLe(totals, 38, num("freeMessages"), 2);
    }
}

} // namespace tevo::sim
