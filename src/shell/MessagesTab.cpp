// The messages tab of the main window: the transfer strip and the messages grid.
#include "shell/Controls.h"
#include "shell/MainForm.h"
#include "shell/ShellStyle.h"
#include "shell/TableGrid.h"

#include "common/ErrorSink.h"

#include <QHeaderView>
#include <QVBoxLayout>

namespace tevo {

void TMainForm::buildMessagesTab()
{
    const TransferStrip strip = makeTransferStrip({"Panel5", "edMDiapazon", "btnOneM", "btnAllM", "btnWriteM",
                                                   "btnReadM", "btnStopM", "pbM", QStringLiteral("Текущее"),
                                                   QStringLiteral("Загрузить сообщения в весы"),
                                                   QStringLiteral("Считать сообщения из весов")});
    Panel5 = strip.panel;
    edMDiapazon = strip.range;
    btnOneM = strip.one;
    btnAllM = strip.all;
    btnWriteM = strip.write;
    btnReadM = strip.read;
    btnStopM = strip.stop;
    pbM = strip.progress;

    grM = makeCreamGrid(QStringLiteral("grM"));

    auto *layout = new QVBoxLayout(TabSheet3);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel5);
    layout->addWidget(grM, 1);
}

void TMainForm::grMKeyUp()
{
    if (m_store.messages().isOpen() && !m_store.messages().isDetached())
        guarded([&] { m_store.messages().dropRowWithoutNumber(); });
}

} // namespace tevo
