// The digests of goods and message records as the scales hold them.
#include "exchange/RecordDigest.h"

#include "store/Table.h"

#include <QCryptographicHash>

namespace tevo {

namespace {
constexpr int kLaidOutAlike = 83; // offsets 1 … 83
}

QByteArray goodsDigest(const QByteArray &requestOrReply)
{
    return QCryptographicHash::hash(requestOrReply.mid(1, kLaidOutAlike).leftJustified(kLaidOutAlike, '\0'),
                                    QCryptographicHash::Sha256);
}

QByteArray messageLinesDigest(const QByteArray &lines400)
{
    return QCryptographicHash::hash(lines400, QCryptographicHash::Sha256);
}

GoodsFields goodsFieldsOf(const Table &goods, int row)
{
    GoodsFields f;
    f.NPLU = goods.text(row, QStringLiteral("NPLU"));
    f.TNAME1 = goods.text(row, QStringLiteral("TNAME1"));
    f.TNAME2 = goods.text(row, QStringLiteral("TNAME2"));
    f.PRICE = goods.text(row, QStringLiteral("PRICE"));
    f.UBDATE = goods.text(row, QStringLiteral("UBDATE"));
    f.TARA = goods.text(row, QStringLiteral("TARA"));
    f.CODE = goods.text(row, QStringLiteral("CODE"));
    f.GROUPCODE = goods.text(row, QStringLiteral("GROUPCODE"));
    f.MESSAGE = goods.text(row, QStringLiteral("MESSAGE"));
    f.LOGO = goods.text(row, QStringLiteral("LOGO"));
    return f;
}

QByteArray goodsRecordOf(const Table &goods, int row, QString *logoWriteBack)
{
    return buildGoodsRecord(goodsFieldsOf(goods, row), logoWriteBack);
}

bool goodsRowEmpty(const Table &goods, int row)
{
    return goods.text(row, QStringLiteral("TNAME1")).isEmpty() && goods.text(row, QStringLiteral("TNAME2")).isEmpty()
           && goods.text(row, QStringLiteral("PRICE")).isEmpty();
}

} // namespace tevo
