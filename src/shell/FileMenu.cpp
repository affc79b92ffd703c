// Handlers of the File menu: goods and messages to and from files.
#include "shell/Dialogs.h"
#include "shell/GoodsTab.h"
#include "shell/MainWindow.h"
#include "shell/MessagesTab.h"
#include "shell/TableGrid.h"

#include "common/AppPaths.h"
#include "common/ErrorSink.h"
#include "fileio/CsvImport.h"
#include "fileio/DbfExchange.h"
#include "fileio/GoodsSheetFile.h"
#include "fileio/GoodsTextFile.h"

#include <QApplication>
#include <QCursor>

namespace tevo {

namespace {
const QString kImportFilter = QStringLiteral("TextFile (*.txt);;ParadoxDataBase (*.dbf)");
const QString kCsvFilter = QStringLiteral("CSV (*.csv);;Все файлы (*)");

const QString kImportingGoods = QStringLiteral("импорт товаров из файла");
const QString kImportingMessages = QStringLiteral("импорт сообщений из файла");

// Runs a long file command under the wait cursor; failures reach the common error box.
template <class F> void busy(F &&f)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    guarded(std::forward<F>(f));
    QApplication::restoreOverrideCursor();
}
} // namespace

// An import holds the guard of long table operations from the file dialog to its end; while
// another one runs it is refused.
bool MainWindow::importFile(const QString &what, const QString &filter, const std::function<void(const QString &)> &load)
{
    OperationGuard::Scope scope(m_store.guard(), what);
    if (!scope) {
        Dialogs::message(Dialogs::Kind::Error, scope.refusal());
        return false;
    }
    const QString file = Dialogs::openFileName(this, QString(), filter);
    if (file.isEmpty())
        return false;
    busy([&] { load(file); });
    return true;
}

// An export writes what is stored, also what another program (the command line) stored since
// the window last looked.
void MainWindow::rereadBeforeExport()
{
    guarded([&] { m_store.rereadIfChangedElsewhere(); });
}

void MainWindow::onExportTextTriggered()
{
    const QString chosen = Dialogs::saveFileName(this, QString(), QString());
    if (chosen.isEmpty())
        return;
    rereadBeforeExport();
    busy([&] { exportGoodsText(m_store.goods(), goodsTextExportName(chosen)); });
}

void MainWindow::onExportDbfTriggered()
{
    const QString chosen = Dialogs::saveFileName(this, QString(), QString());
    if (chosen.isEmpty())
        return;
    rereadBeforeExport();
    busy([&] {
        exportGoodsDbf(m_store.goods(), goodsDbfExportName(chosen), besideProgram(QLatin1String(kDbfTemplateFileName)));
    });
}

void MainWindow::onExportXlsTriggered()
{
    const QString chosen = Dialogs::saveFileName(this, QString(), QString());
    if (chosen.isEmpty())
        return;
    rereadBeforeExport();
    busy([&] { exportGoodsXls(m_store.goods(), goodsSheetExportName(chosen)); });
}

void MainWindow::onImportTextTriggered()
{
    importFile(kImportingGoods, kImportFilter, [this](const QString &file) { importGoodsText(m_store.goods(), file); });
    m_goodsTab->grid()->viewport()->update();
}

void MainWindow::onImportDbfTriggered()
{
    importFile(kImportingGoods, kImportFilter, [this](const QString &file) { importGoodsDbf(m_store.goods(), file); });
    m_goodsTab->grid()->viewport()->update();
}

void MainWindow::onImportGoodsCsvTriggered()
{
    importFile(kImportingGoods, kCsvFilter, [this](const QString &file) { importGoodsCsv(m_store.goods(), file); });
    m_goodsTab->grid()->viewport()->update();
}

void MainWindow::onImportMessagesCsvTriggered()
{
    importFile(kImportingMessages, kCsvFilter,
               [this](const QString &file) { importMessagesCsv(m_store.messages(), file); });
    m_messagesTab->grid()->viewport()->update();
}

} // namespace tevo
