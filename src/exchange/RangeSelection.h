#pragma once
// The range of record numbers a transfer works through, typed by the user as "1-5, 7-8":
// tokens separated by single blanks, a token may end with one comma, "a-b" is a run of
// numbers written without blanks around the dash.
#include <QBitArray>
#include <QString>
#include <QVector>

namespace tevo {

inline constexpr int kMaxGoodsNumber = 4000;
inline constexpr int kMaxMessageNumber = 1000;

// The range state of a transfer. The engine reads the fields directly and may move
// rangeLast itself (the message read asks for one number past the range).
struct RangeSelection {
    QBitArray rangeSelected; // bit n set: number n (1 … maxNumber) is chosen; bit 0 unused
    int rangeFirst = 0;      // lowest number named by the text (also the b of "5-3")
    int rangeLast = 0;       // highest number named by the text
    int rangeSize = 0;       // sum of the token sizes, repeats counted; "5-3" adds -1

    // Fills the state from the range text; numbers must lie in 1 … maxNumber.
    // The whole text is checked before anything changes; on failure the state stays as it
    // was and
    //  - ConversionError "'%s' is not a valid integer value" names the part of a token that is
    //    not a number ("" for an empty token: an empty text, two blanks in a row, a lone
    //    comma);
    //  - InputError "Номер N вне диапазона 1 … M" names a number outside 1 … maxNumber.
    // Leading and trailing blanks and control characters are ignored.
    void parseRange(const QString &text, int maxNumber);

    // The smallest chosen number above n that is not above rangeLast; rangeLast if none.
    int nextInRange(int n) const;

    // Whether number n is chosen (false outside 1 … maxNumber).
    bool isSelected(int n) const;

    // The record numbers a transfer runs through, in order: rangeFirst, then nextInRange until
    // rangeLast (so "5-3" runs 3, 5, and "1-5, 3" runs 1 … 5 once).
    QVector<int> records() const;
};

// The text that refuses a transfer whose range names a row past the end of its table: `text`
// with the first such number for %1 and the number of rows for %2; empty when every number
// has its row.
QString rowsPastTheEndText(const QVector<int> &numbers, int rowCount, const QString &text);

// "Номер N вне диапазона 1 … M"
QString numberOutOfRangeText(int number, int maxNumber);

} // namespace tevo
