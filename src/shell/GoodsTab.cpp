// The goods tab of the main window: the transfer strip, the goods grid with its number search
// and the hidden line buffer of the imports.
#include "shell/Controls.h"
#include "shell/MainForm.h"
#include "shell/ShellStyle.h"
#include "shell/TableGrid.h"

#include "common/ErrorSink.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace tevo {

void TMainForm::buildGoodsTab()
{
    const TransferStrip strip = makeTransferStrip({"Panel1", "edTDiapazon", "btnOneT", "btnAllT", "btnWriteT",
                                                   "btnReadT", "btnStopT", "pbT", QStringLiteral("Текущий"),
                                                   QStringLiteral("Загрузить товары в весы"),
                                                   QStringLiteral("Считать товары из весов")});
    Panel1 = strip.panel;
    edTDiapazon = strip.range;
    btnOneT = strip.one;
    btnAllT = strip.all;
    btnWriteT = strip.write;
    btnReadT = strip.read;
    btnStopT = strip.stop;
    pbT = strip.progress;

    gdT = makeCreamGrid(QStringLiteral("gdT"));

    Memo = new QPlainTextEdit;
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setVisible(false);

    auto *layout = new QVBoxLayout(TabSheet2);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(gdT, 1);
    layout->addWidget(Memo);
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == gdT && event->type() == QEvent::KeyPress && gdTKeyPress(static_cast<QKeyEvent *>(event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

// A character typed into the goods grid; true when the number search took it.
bool TMainForm::gdTKeyPress(QKeyEvent *event)
{
    QChar c;
    if (event->key() == Qt::Key_Backspace)
        c = QChar(NumberSearch::kBackspace);
    else if (event->key() == Qt::Key_Escape)
        c = QChar(NumberSearch::kEscape);
    else if (!event->text().isEmpty() && event->text().at(0).isPrint()
             && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        c = event->text().at(0);
    else
        return false; // not a character: the grid's own keys
    const int numberColumn = m_store.goods().columnIndex(QStringLiteral("NPLU"));
    if (gdT->currentIndex().column() != numberColumn || !m_store.goods().isOpen()) {
        m_numberSearch.clear();
        return false;
    }
    m_numberSearch.type(c, m_store.goods());
    return true;
}

void TMainForm::gdTKeyUp()
{
    if (m_store.goods().isOpen() && !m_store.goods().isDetached())
        guarded([&] { m_store.goods().dropRowWithoutNumber(); });
}

void TMainForm::gdTCellClick() { m_numberSearch.clear(); }

} // namespace tevo
