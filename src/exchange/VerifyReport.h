#pragma once
// What a check of the scales against the tables ("Сверить с весами") found: per scale, every
// record number whose record differs from the table's (with the field and both values), that
// the scale does not hold, or that it holds while the table's row is empty. Plain values, so
// the window and tevo-cli show the same list.
#include "exchange/ExchangeReport.h"

#include <QSet>
#include <QString>
#include <QVector>

namespace tevo {

struct RecordDifference {
    enum class Kind { Differs, Missing, Extra };
    int number = 0;
    Kind kind = Kind::Differs;
    QString field;    // the table's column (Differs only)
    QString database; // the value the table would send
    QString scale;    // the value the scale holds
};

struct ScaleVerify {
    int row = 0;     // record number (1-based) of the scale in S
    QString name;    // its NAME, or "Весы N"
    QString address; // its address as stored (ScaleStatus::address)
    int total = 0;   // records of the range
    bool answered = false;
    bool complete = false; // every record of the range read back or found missing
    QVector<RecordDifference> differences;

    // Record numbers with any difference.
    int differingRecords() const
    {
        QSet<int> numbers;
        for (const RecordDifference &d : differences)
            numbers.insert(d.number);
        return int(numbers.size());
    }
};

struct VerifyReport {
    CommandState command = CommandState::None; // GoodsVerify or MessagesVerify
    ExchangeReport::End end = ExchangeReport::End::Finished;
    QString failure;
    QVector<ScaleVerify> scales;

    // Every scale answered for every record and holds every record as the table has it.
    bool matches() const
    {
        if (end != ExchangeReport::End::Finished || scales.isEmpty())
            return false;
        for (const ScaleVerify &s : scales)
            if (!s.complete || !s.differences.isEmpty())
                return false;
        return true;
    }
};

} // namespace tevo
