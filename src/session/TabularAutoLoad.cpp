// Automatic loading of another program's table (TabularAutoLoad.h).
#include "session/TabularAutoLoad.h"

#include "common/Error.h"
#include "session/TabularImport.h"
#include "store/Schema.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <algorithm>

namespace tevo {

bool isGoodsTextFile(const QByteArray &bytes)
{
    // In UTF-16 (which the goods text file may not be, and is refused as such) every other byte.
    const bool littleEndian = bytes.startsWith("\xFF\xFE");
    const bool bigEndian = bytes.startsWith("\xFE\xFF");
    const qsizetype step = littleEndian || bigEndian ? 2 : 1;
    qsizetype at = bytes.startsWith("\xEF\xBB\xBF") ? 3 : step == 2 ? 2 + (bigEndian ? 1 : 0) : 0;
    while (at < bytes.size() && (bytes[at] == ' ' || bytes[at] == '\t' || bytes[at] == '\r' || bytes[at] == '\n'))
        at += step;
    // An empty file is the goods text file's refusal to tell.
    return at >= bytes.size() || bytes[at] == '[';
}

QString rangeOfNumbers(QVector<int> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    QStringList parts;
    for (qsizetype i = 0; i < numbers.size();) {
        qsizetype j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1)
            ++j;
        parts << (j == i ? QString::number(numbers[i]) : QStringLiteral("%1-%2").arg(numbers[i]).arg(numbers[j]));
        i = j + 1;
    }
    return parts.join(QStringLiteral(", "));
}

TabularLoadResult loadTabularFileAutomatically(Store &store, const TabularImport &import, bool needClear,
                                               const std::function<void(int selected)> &selectionReplaced)
{
    store.storeOpenEdits();
    if (store.tablesOpen() && store.database().changedElsewhere())
        store.rereadTables();
    Table &goods = store.goods();
    goods.refresh();
    const ImportPlan plan = import.plan(goods);
    if (!plan.ready())
        throw InputError(
            plan.problems().isEmpty()
                ? QCoreApplication::translate("tevo::TabularAutoLoad", "В файле «%1» нет строк для загрузки.")
                      .arg(import.file().fileName())
                : QCoreApplication::translate("tevo::TabularAutoLoad",
                                              "Строк, которые нельзя сохранить: %1. Первая: %2")
                      .arg(plan.problems().size())
                      .arg(plan.problems().first()));

    Table &scales = store.scales();
    for (int r = 0; r < scales.count(); ++r)
        scales.setValue(r, QStringLiteral("U"), truthText(truthValue(scales.text(r, QStringLiteral("W")))));
    if (selectionReplaced)
        selectionReplaced(store.countSelectedScales());

    TabularLoadResult result;
    store.database().atomically(
        [&] {
            if (needClear)
                store.createEmptyGoods();
            result.outcome = plan.apply(goods);
        },
        [&] { goods.refresh(); });
    if (needClear) {
        result.range = QStringLiteral("1-%1").arg(kGoodsRowCount);
    } else {
        QVector<int> numbers;
        for (const PlannedRow &r : plan.rows())
            numbers << r.row + 1;
        result.range = rangeOfNumbers(numbers);
    }
    return result;
}

} // namespace tevo
