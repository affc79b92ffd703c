// Handlers of the File menu: goods and messages to and from files.
#include "shell/Dialogs.h"
#include "shell/MainForm.h"
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

// Runs a long file command under the wait cursor; failures reach the common error box.
template <class F>
void busy(F &&f)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    guarded(std::forward<F>(f));
    QApplication::restoreOverrideCursor();
}
} // namespace

void TMainForm::Excel1Click()
{
    const QString chosen = Dialogs::saveFileName(this, QString(), QString());
    if (chosen.isEmpty())
        return;
    busy([&] { exportGoodsText(m_store.goods(), goodsTextExportName(chosen)); });
}

void TMainForm::dbf2Click()
{
    const QString chosen = Dialogs::saveFileName(this, QString(), QString());
    if (chosen.isEmpty())
        return;
    busy([&] {
        exportGoodsDbf(m_store.goods(), goodsDbfExportName(chosen), besideProgram(QLatin1String(kDbfTemplateFileName)));
    });
}

void TMainForm::csv1Click()
{
    const QString chosen = Dialogs::saveFileName(this, QString(), QString());
    if (chosen.isEmpty())
        return;
    busy([&] { exportGoodsXls(m_store.goods(), goodsSheetExportName(chosen)); });
}

void TMainForm::xls1Click()
{
    const QString file = Dialogs::openFileName(this, QString(), kImportFilter);
    if (file.isEmpty())
        return;
    busy([&] { importGoodsText(m_store.goods(), file); });
    gdT->viewport()->update();
}

void TMainForm::dbf1Click()
{
    const QString file = Dialogs::openFileName(this, QString(), kImportFilter);
    if (file.isEmpty())
        return;
    busy([&] { importGoodsDbf(m_store.goods(), file); });
    gdT->viewport()->update();
}

void TMainForm::csv2Click()
{
    const QString file = Dialogs::openFileName(this, QString(), kCsvFilter);
    if (file.isEmpty())
        return;
    busy([&] { importGoodsCsv(m_store.goods(), file); });
    gdT->viewport()->update();
}

void TMainForm::csv3Click()
{
    const QString file = Dialogs::openFileName(this, QString(), kCsvFilter);
    if (file.isEmpty())
        return;
    busy([&] { importMessagesCsv(m_store.messages(), file); });
    grM->viewport()->update();
}

} // namespace tevo
