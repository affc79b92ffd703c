#include "shell/TransferTab.h"

#include "common/ErrorSink.h"
#include "shell/ShellStyle.h"
#include "shell/TableGrid.h"
#include "shell/TableModel.h"
#include "store/Table.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tevo {

TransferTab::TransferTab(const Design &design, Table &table, OperationGuard &guard, QWidget *parent)
    : QWidget(parent), m_table(table), m_wholeRange(design.wholeRange)
{
    setObjectName(QLatin1String(design.tabName));
    style::paintPaleGreen(this);

    const TransferStrip strip = makeTransferStrip(design.strip);
    m_strip = strip.panel;
    m_rangeEdit = strip.range;
    m_currentButton = strip.one;
    m_allButton = strip.all;
    m_writeButton = strip.write;
    m_readButton = strip.read;
    m_stopButton = strip.stop;
    m_progressBar = strip.progress;

    // "Сверить с весами" beside the read button.
    m_verifyButton = namedButton(design.verifyName, tr("Сверить с весами"));
    m_verifyButton->setToolTip(tr("Считать диапазон из выбранных весов и сравнить с базой, ничего не меняя"));
    if (auto *row = qobject_cast<QBoxLayout *>(m_strip->layout()->itemAt(0)->layout()))
        row->insertWidget(row->indexOf(m_readButton) + 1, m_verifyButton, 0, Qt::AlignVCenter);

    m_grid = makeCreamGrid(QLatin1String(design.gridName));

    m_column = new QVBoxLayout(this);
    m_column->setContentsMargins(0, 0, 0, 0);
    m_column->setSpacing(0);
    m_column->addWidget(m_strip);
    m_column->addWidget(m_grid, 1);

    m_grid->setTable(&table);
    m_grid->setGuard(&guard);

    connect(m_currentButton, &QPushButton::clicked, this, &TransferTab::onCurrentClicked);
    connect(m_allButton, &QPushButton::clicked, this, &TransferTab::onAllClicked);
    connect(m_writeButton, &QPushButton::clicked, this, &TransferTab::writeClicked);
    connect(m_readButton, &QPushButton::clicked, this, &TransferTab::readClicked);
    connect(m_stopButton, &QPushButton::clicked, this, &TransferTab::stopClicked);
    connect(m_verifyButton, &QPushButton::clicked, this, &TransferTab::verifyClicked);
    connect(m_grid, &TableGrid::keyReleased, this, &TransferTab::onGridKeyReleased);
}

QString TransferTab::rangeText() const { return m_rangeEdit->text(); }
void TransferTab::setRangeText(const QString &range) { m_rangeEdit->setText(range); }

void TransferTab::releaseTable() { m_grid->setTable(nullptr); }

void TransferTab::setProgressMaximum(int maximum) { m_progressBar->setMaximum(qMax(1, maximum)); }
void TransferTab::showProgress(int value) { m_progressBar->setValue(qMin(value, m_progressBar->maximum())); }

void TransferTab::onCurrentClicked() { setRangeText(QString::number(m_table.recNo())); }
void TransferTab::onAllClicked() { setRangeText(m_wholeRange); }

void TransferTab::onGridKeyReleased()
{
    if (m_table.isOpen() && !m_table.isDetached() && m_grid->tableModel())
        guarded([&] { m_grid->tableModel()->dropRowWithoutNumber(); });
}

} // namespace tevo
