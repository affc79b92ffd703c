#pragma once
// The three tables: goods T, messages M and scales S, with their columns as the database
// holds them. How the grids and files title the columns is fileio/ColumnTitles.
#include <QString>
#include <QVector>

namespace tevo {

enum class ColumnType { Integer, Text };

struct ColumnDef {
    QString name; // upper case, as the program's operations name it
    ColumnType type;
};

inline constexpr int kGoodsRowCount = 4000;
inline constexpr int kMessagesRowCount = 1000;
inline constexpr int kMaxScales = 10;

const QVector<ColumnDef> &goodsColumns();
const QVector<ColumnDef> &messagesColumns();
const QVector<ColumnDef> &scalesColumns();

// A truth value of S: a first character "T", "t", "Y" or "y" is true; anything else is false.
bool truthValue(const QString &text);
inline QString truthText(bool value) { return value ? QStringLiteral("T") : QStringLiteral("F"); }

} // namespace tevo
