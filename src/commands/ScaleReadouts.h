#pragma once
// What one scale reports for display: the weighing state (request 0x89, reply 16 bytes) and
// the sales totals (request 0x85, reply 41 bytes). Numbers are little-endian; offset 0 of
// a reply is the acknowledgement 0xAA and is not looked at.
#include <QByteArray>
#include <QLocale>
#include <QString>

namespace tevo {

inline constexpr uchar kWeighingStateCommand = 0x89;
inline constexpr uchar kSalesTotalsCommand = 0x85;

struct WeighingState {
    static constexpr int kLength = 16;
    quint16 grams = 0; // offset 2, unsigned
    qint32 price = 0;  // offset 4, kopecks per kilogram
    qint32 cost = 0;   // offset 8, kopecks
    qint32 plu = 0;    // offset 12, number of the selected goods

    QString priceText() const { return QString::number(price); }
    QString costText() const { return QString::number(cost); }
    QString pluText() const { return QString::number(plu); }
};

// Needs the full 16 bytes (throws InputError otherwise); bytes beyond are ignored.
WeighingState decodeWeighingState(const QByteArray &reply);

// The weight in kilograms, shortest decimal form, with the locale's decimal separator:
// 1000 g → "1", 1500 g → "1,5" or "1.5", 65535 g → "65,535", 0 → "0".
QString weightText(quint16 grams, const QLocale &locale);

struct SalesTotals {
    static constexpr int kLength = 41;
    qint32 runCounter = 0;        // offset 1, "Счетчик пробега"
    qint32 labelCounter = 0;      // offset 5, "Счетчик этикеток"
    qint32 totalSum = 0;          // offset 9, "Общая сумма"
    quint32 salesCount = 0;       // offset 13, 3 bytes, "Кол-во продаж"
    qint32 totalWeight = 0;       // offset 16, "Общий вес"
    qint32 sumAllPlu = 0;         // offset 20, "Сумма по всем PLU"
    quint32 salesCountAllPlu = 0; // offset 24, 3 bytes, "Кол-во продаж по всем PLU"
    qint32 weightAllPlu = 0;      // offset 27, "Общий вес по всем PLU"
    quint16 freePlu = 0;          // offset 37, "Кол-во свободных PLU"
    quint16 freeMessages = 0;     // offset 39, "Кол-во свободных сообщений"
};

// Needs the full 41 bytes (throws InputError otherwise); bytes beyond are ignored.
SalesTotals decodeSalesTotals(const QByteArray &reply);

} // namespace tevo
