// The receipt of an automatic load beside the watched file (LoadReceipt.h).
#include "session/LoadReceipt.h"

#include "common/Error.h"
#include "common/WholeFile.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

namespace tevo {

namespace {

QString endName(ExchangeReport::End end)
{
    switch (end) {
    case ExchangeReport::End::Finished:
        return QStringLiteral("finished");
    case ExchangeReport::End::Stopped:
        return QStringLiteral("stopped");
    case ExchangeReport::End::Failed:
        return QStringLiteral("failed");
    }
    return {};
}

QJsonObject scaleJson(const ScaleStatus &s)
{
    QJsonArray refused;
    for (int number : s.refused)
        refused.append(number);
    return QJsonObject{
        {QStringLiteral("row"), s.row},           {QStringLiteral("name"), s.name},
        {QStringLiteral("taken"), s.taken},       {QStringLiteral("total"), s.total},
        {QStringLiteral("skipped"), s.skipped},   {QStringLiteral("refused"), refused},
        {QStringLiteral("finished"), s.finished}, {QStringLiteral("silent"), s.silent},
        {QStringLiteral("timedOut"), s.timedOut}, {QStringLiteral("stuck"), s.stuck},
        {QStringLiteral("stopped"), s.stopped},   {QStringLiteral("unreachable"), s.unreachable},
    };
}

} // namespace

QString LoadReceipt::pathFor(const QString &file) { return file + QStringLiteral(".tevo-result.json"); }

QJsonObject LoadReceipt::toJson() const
{
    QJsonObject o{
        {QStringLiteral("file"), file},
        {QStringLiteral("time"), time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODate)},
        {QStringLiteral("loaded"), loaded},
        {QStringLiteral("storedRows"), storedRows},
        {QStringLiteral("changedGoods"), changedGoods},
        {QStringLiteral("columns"), QJsonArray::fromStringList(columns)},
        {QStringLiteral("problems"), QJsonArray::fromStringList(problems)},
        {QStringLiteral("range"), range},
    };
    if (!mapping.isEmpty())
        o.insert(QStringLiteral("mapping"), mapping);
    if (!error.isEmpty())
        o.insert(QStringLiteral("error"), error);
    QJsonObject w{{QStringLiteral("wanted"), writeWanted}, {QStringLiteral("started"), writeStarted}};
    if (write) {
        w.insert(QStringLiteral("end"), endName(write->end));
        w.insert(QStringLiteral("complete"), write->complete());
        if (!write->failure.isEmpty())
            w.insert(QStringLiteral("failure"), write->failure);
        QJsonArray scales;
        for (const ScaleStatus &s : write->scales)
            scales.append(scaleJson(s));
        w.insert(QStringLiteral("scales"), scales);
    }
    o.insert(QStringLiteral("write"), w);
    return o;
}

void LoadReceipt::save() const
{
    const QString path = pathFor(file);
    if (!replaceFileWhole(path, QJsonDocument(toJson()).toJson(QJsonDocument::Indented)))
        throw FileError(
            QCoreApplication::translate("tevo::LoadReceipt", "Не удаётся записать отчёт автоматической загрузки «%1».")
                .arg(path));
}

} // namespace tevo
