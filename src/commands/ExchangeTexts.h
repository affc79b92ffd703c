#pragma once
// The texts an exchange ends with and the line each scale shows while it runs. Success texts
// appear only when every scale finished every record and step; otherwise the warning names
// each scale and what it refused.
#include "exchange/ExchangeReport.h"
#include "exchange/VerifyReport.h"

#include <QString>

namespace tevo {

struct EndText {
    bool warning = false; // a warning box (refusals, scales that stopped answering)
    QString text;         // empty: nothing to show (a stop, a failure, the readouts)
};

// The end text of a report.
EndText endText(const ExchangeReport &report);

// One scale's line: "Весы «Касса 2» (192.168.0.12:5001): 1200 из 4000", with what it refused and " — не отвечает" when
// it has been silent for two seconds; after a stop the line says so. A scale no channel could
// serve: "Весы «Касса 2» (192.168.0.12:5001) — недоступны: " and why.
QString scaleLine(const ScaleStatus &status, CommandState command);

// The line of one scale after a check: "Весы «Касса 2» (192.168.0.12:5001): 3 расхождения из 4000", with why the
// check is not whole when the scale did not answer for every record.
QString verifySummaryLine(const ScaleVerify &scale);
// The whole check: one summary line per scale, and the failure when it failed.
EndText verifyText(const VerifyReport &report);
// What a difference is: "отличается", "нет в весах", "лишний в весах".
QString differenceKindText(RecordDifference::Kind kind);

// Numbers as a range text: "3, 17", "1-5, 7-8"; long lists are cut after 20 parts.
QString numberList(const QVector<int> &numbers);

} // namespace tevo
