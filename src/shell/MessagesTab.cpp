#include "shell/MessagesTab.h"

#include "commands/MessageRecord.h"
#include "shell/TableGrid.h"
#include "shell/TableModel.h"

namespace tevo {

MessagesTab::MessagesTab(Table &messages, OperationGuard &guard, QWidget *parent)
    : TransferTab({"TabSheet3",
                   {"Panel5", "edMDiapazon", "btnOneM", "btnAllM", "btnWriteM", "btnReadM", "btnStopM", "pbM",
                    tr("Текущее"), tr("Загрузить сообщения в весы"), tr("Считать сообщения из весов")},
                   "grM",
                   QStringLiteral("1-1000"),
                   "btnVerifyM"},
                  messages, guard, parent)
{
    // Each line as the scale will print it.
    grid()->tableModel()->setScaleWidth([](int, const QString &column) {
        return column.size() == 2 && column.at(0) == QLatin1Char('M') && column.at(1).isDigit() ? kMessageLineWidth : 0;
    });
}

} // namespace tevo
