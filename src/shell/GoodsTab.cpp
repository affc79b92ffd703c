#include "shell/GoodsTab.h"

#include "common/ScalePage.h"
#include "shell/TableGrid.h"
#include "shell/TableModel.h"
#include "store/Table.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>

namespace tevo {

GoodsTab::GoodsTab(Table &goods, OperationGuard &guard, QWidget *parent)
    : TransferTab({"TabSheet2",
                   {"Panel1", "edTDiapazon", "btnOneT", "btnAllT", "btnWriteT", "btnReadT", "btnStopT", "pbT",
                    tr("Текущий"), tr("Загрузить товары в весы"), tr("Считать товары из весов")},
                   "gdT",
                   QStringLiteral("1-4000"),
                   "btnVerifyT"},
                  goods, guard, parent)
{
    m_lineBuffer = new QPlainTextEdit;
    m_lineBuffer->setObjectName(QStringLiteral("Memo"));
    m_lineBuffer->setVisible(false);
    column()->addWidget(m_lineBuffer);

    // The names as the scale will print them: 28 characters, 24 beside a logo.
    grid()->tableModel()->setScaleWidth([&goods](int row, const QString &column) {
        if (column != QLatin1String("TNAME1") && column != QLatin1String("TNAME2"))
            return 0;
        return goodsNameWidth(goods.text(row, QStringLiteral("LOGO")));
    });
    grid()->installEventFilter(this);
    connect(grid(), &QAbstractItemView::pressed, this, [this] { m_numberSearch.clear(); });
}

bool GoodsTab::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == grid() && event->type() == QEvent::KeyPress && takeSearchKey(static_cast<QKeyEvent *>(event)))
        return true;
    return TransferTab::eventFilter(watched, event);
}

bool GoodsTab::takeSearchKey(QKeyEvent *event)
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
    Table &goods = table();
    const int numberColumn = goods.columnIndex(QStringLiteral("NPLU"));
    if (grid()->currentIndex().column() != numberColumn || !goods.isOpen()) {
        m_numberSearch.clear();
        return false;
    }
    m_numberSearch.type(c, goods);
    return true;
}

} // namespace tevo
