// Handlers of the File menu: goods and messages to and from files, through the session's
// operations.
#include "common/ErrorSink.h"
#include "shell/Dialogs.h"
#include "shell/GoodsTab.h"
#include "shell/ImportDialog.h"
#include "shell/MainWindow.h"
#include "shell/MessagesTab.h"
#include "shell/TableGrid.h"

#include <QApplication>
#include <QDir>

namespace tevo {

namespace {
const QString kImportFilter = QStringLiteral("TextFile (*.txt);;ParadoxDataBase (*.dbf)");
const char *const kCsvFilter = QT_TRANSLATE_NOOP("tevo::MainWindow", "CSV (*.csv);;Все файлы (*)");
const char *const kTableFilter =
    QT_TRANSLATE_NOOP("tevo::MainWindow", "Таблицы (*.csv *.txt *.xlsx *.xls *.dbf);;CSV, TXT (*.csv *.txt);;Excel "
                                          "(*.xlsx *.xls);;dBase (*.dbf);;Все файлы (*)");

// Runs a long file operation under the wait cursor.
template <class F> Outcome busy(F &&f)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Outcome outcome = f();
    QApplication::restoreOverrideCursor();
    return outcome;
}
} // namespace

// An import is refused before the file dialog while another long table operation runs; its
// failure reaches the common error box. The grid shows the table as it now is.
void MainWindow::importFile(TableFile format, const QString &filter)
{
    if (refusedWhileBusy())
        return;
    const QString file = Dialogs::openFileName(this, QString(), filter);
    if (file.isEmpty())
        return;
    if (format == TableFile::GoodsDbf && !dbfReplacementConfirmed(file))
        return;
    shown(busy([&] { return importTableFile(store(), format, file); }));
    TransferTab *tab = format == TableFile::MessagesCsv ? static_cast<TransferTab *>(m_messagesTab) : m_goodsTab;
    tab->grid()->viewport()->update();
}

// The dBase import replaces every goods row: the user sees how many go and how many come, the
// file checked first (a file that cannot be imported is told instead of the question).
bool MainWindow::dbfReplacementConfirmed(const QString &file)
{
    int fileRows = 0;
    if (!guarded([&] {
            store().rereadIfChangedElsewhere();
            fileRows = goodsInDbfFile(file);
        }))
        return false;
    const QString question = tr("Импорт из %1 заменит все товары (%2) товарами из файла (%3). Продолжить?")
                                 .arg(QDir::toNativeSeparators(file))
                                 .arg(store().goods().count())
                                 .arg(fileRows);
    return Dialogs::message(Dialogs::Kind::Confirmation, question, QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

// An export writes what is stored, also what another program (the command line) stored since
// the window last looked.
void MainWindow::exportFile(TableFile format)
{
    const QString chosen = Dialogs::saveFileName(this, QString(), QString());
    if (chosen.isEmpty())
        return;
    shown(busy([&] { return exportGoods(store(), format, chosen); }));
}

// The import window: the file read and its mapping chosen (remembered for its name, or found
// from its header row) before the window opens; a file that cannot be read is told in a box.
void MainWindow::importTable(ImportTarget target)
{
    if (refusedWhileBusy())
        return;
    const QString file = Dialogs::openFileName(this, QString(), tr(kTableFilter));
    if (file.isEmpty())
        return;
    std::optional<TabularImport> import;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool read = guarded([&] {
        import.emplace(target, file);
        import->useRemembered();
    });
    QApplication::restoreOverrideCursor();
    if (!read)
        return;
    ImportDialog dialog(store(), std::move(*import), this);
    Dialogs::execModal(&dialog);
    TransferTab *tab = target == ImportTarget::Messages ? static_cast<TransferTab *>(m_messagesTab)
                                                        : static_cast<TransferTab *>(m_goodsTab);
    tab->grid()->viewport()->update();
}

void MainWindow::onImportGoodsTableTriggered() { importTable(ImportTarget::Goods); }
void MainWindow::onImportMessagesTableTriggered() { importTable(ImportTarget::Messages); }
void MainWindow::onExportXlsxTriggered() { exportFile(TableFile::GoodsXlsx); }

void MainWindow::onExportTextTriggered() { exportFile(TableFile::GoodsText); }
void MainWindow::onExportDbfTriggered() { exportFile(TableFile::GoodsDbf); }
void MainWindow::onExportXlsTriggered() { exportFile(TableFile::GoodsSheet); }
void MainWindow::onImportTextTriggered() { importFile(TableFile::GoodsText, kImportFilter); }
void MainWindow::onImportDbfTriggered() { importFile(TableFile::GoodsDbf, kImportFilter); }
void MainWindow::onImportGoodsCsvTriggered() { importFile(TableFile::GoodsCsv, tr(kCsvFilter)); }
void MainWindow::onImportMessagesCsvTriggered() { importFile(TableFile::MessagesCsv, tr(kCsvFilter)); }

} // namespace tevo
