#include "shell/MessagesTab.h"

namespace tevo {

MessagesTab::MessagesTab(Table &messages, OperationGuard &guard, QWidget *parent)
    : TransferTab({"TabSheet3",
                   {"Panel5", "edMDiapazon", "btnOneM", "btnAllM", "btnWriteM", "btnReadM", "btnStopM", "pbM",
                    QStringLiteral("Текущее"), QStringLiteral("Загрузить сообщения в весы"),
                    QStringLiteral("Считать сообщения из весов")},
                   "grM",
                   QStringLiteral("1-1000"),
                   "btnVerifyM"},
                  messages, guard, parent)
{
}

} // namespace tevo
