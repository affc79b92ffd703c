// The window of a check of the scales against the tables.
#include "shell/VerifyWindow.h"

#include "commands/ExchangeTexts.h"
#include "shell/Dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tevo {

namespace {
// The columns' titles, in the language of the texts.
QStringList titles()
{
    return {QCoreApplication::translate("tevo::VerifyWindow", "Весы"),
            QStringLiteral("№"),
            QCoreApplication::translate("tevo::VerifyWindow", "Что"),
            QCoreApplication::translate("tevo::VerifyWindow", "Поле"),
            QCoreApplication::translate("tevo::VerifyWindow", "В базе"),
            QCoreApplication::translate("tevo::VerifyWindow", "В весах")};
}

QString csvField(const QString &text, QChar separator)
{
    if (separator == QLatin1Char('\t'))
        return QString(text).replace(QLatin1Char('\t'), QLatin1Char(' '));
    if (!text.contains(separator) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
}
} // namespace

VerifyWindow::VerifyWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("VerifyWindow"));
    setWindowTitle(tr("Сверка с весами"));
    m_summary = new QLabel;
    m_summary->setObjectName(QStringLiteral("lblVerifySummary"));
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_list = new QTableWidget(0, int(titles().size()));
    m_list->setObjectName(QStringLiteral("gdVerify"));
    m_list->setHorizontalHeaderLabels(titles());
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSortingEnabled(true);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->verticalHeader()->setVisible(false);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton *copyButton = buttons->addButton(tr("Копировать"), QDialogButtonBox::ActionRole);
    copyButton->setObjectName(QStringLiteral("btnVerifyCopy"));
    QPushButton *saveButton = buttons->addButton(tr("Сохранить CSV…"), QDialogButtonBox::ActionRole);
    saveButton->setObjectName(QStringLiteral("btnVerifySave"));
    connect(copyButton, &QPushButton::clicked, this, &VerifyWindow::copy);
    connect(saveButton, &QPushButton::clicked, this, &VerifyWindow::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    auto *copyKeys = new QShortcut(QKeySequence::Copy, m_list);
    connect(copyKeys, &QShortcut::activated, this, &VerifyWindow::copy);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(760, 460);
}

void VerifyWindow::showReport(const VerifyReport &report)
{
    m_summary->setText(verifyText(report).text);
    m_list->setSortingEnabled(false);
    m_list->setRowCount(0);
    for (const ScaleVerify &s : report.scales) {
        for (const RecordDifference &d : s.differences) {
            const int row = m_list->rowCount();
            m_list->insertRow(row);
            auto *number = new QTableWidgetItem;
            number->setData(Qt::DisplayRole, d.number); // sorts as a number
            m_list->setItem(row, 0, new QTableWidgetItem(s.name));
            m_list->setItem(row, 1, number);
            m_list->setItem(row, 2, new QTableWidgetItem(differenceKindText(d.kind)));
            m_list->setItem(row, 3, new QTableWidgetItem(d.field));
            m_list->setItem(row, 4, new QTableWidgetItem(d.database));
            m_list->setItem(row, 5, new QTableWidgetItem(d.scale));
        }
    }
    m_list->setSortingEnabled(true);
    m_list->resizeColumnsToContents();
    show();
    raise();
    activateWindow();
}

QString VerifyWindow::listText(QChar separator, bool selectedOnly) const
{
    QStringList lines;
    QStringList title;
    for (const QString &t : titles())
        title << csvField(t, separator);
    lines << title.join(separator);
    const QModelIndexList picked = m_list->selectionModel()->selectedRows();
    const bool some = selectedOnly && !picked.isEmpty();
    for (int row = 0; row < m_list->rowCount(); ++row) {
        if (some && !m_list->selectionModel()->isRowSelected(row, QModelIndex()))
            continue;
        QStringList fields;
        for (int column = 0; column < m_list->columnCount(); ++column) {
            const QTableWidgetItem *item = m_list->item(row, column);
            fields << csvField(item ? item->text() : QString(), separator);
        }
        lines << fields.join(separator);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool VerifyWindow::saveCsv(const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(listText(QLatin1Char(';'), false).toUtf8()) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

void VerifyWindow::copy() const { QApplication::clipboard()->setText(listText(QLatin1Char('\t'), true)); }

void VerifyWindow::save()
{
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Сохранить расхождения"), QString(), QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!saveCsv(path, &error))
        Dialogs::message(Dialogs::Kind::Error, tr("Файл %1 не записан: %2").arg(path, error));
}

} // namespace tevo
