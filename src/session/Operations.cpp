#include "session/Operations.h"

#include "common/AppPaths.h"
#include "fileio/AutoLoad.h"
#include "fileio/CsvImport.h"
#include "fileio/DbfExchange.h"
#include "fileio/GoodsSheetFile.h"
#include "fileio/GoodsTextFile.h"
#include "fileio/GoodsXlsxFile.h"
#include "fileio/ImportPlan.h"
#include "session/TabularAutoLoad.h"
#include "session/TabularImport.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace tevo {

const char *const kImportingGoods = QT_TRANSLATE_NOOP("tevo::Operations", "импорт товаров из файла");
const char *const kImportingMessages = QT_TRANSLATE_NOOP("tevo::Operations", "импорт сообщений из файла");
const char *const kRebuildingGoods = QT_TRANSLATE_NOOP("tevo::Operations", "создание пустой таблицы товаров");
const char *const kRebuildingMessages = QT_TRANSLATE_NOOP("tevo::Operations", "создание пустой таблицы сообщений");
const char *const kAutoLoading = QT_TRANSLATE_NOOP("tevo::Operations", "автоматическая загрузка товаров");

QString operationName(const char *name) { return QCoreApplication::translate("tevo::Operations", name); }

namespace {

// Said after a rebuild or a dBase import that waited for another program replacing the same
// table: the table is this one's, whole, and the other's rows are gone.
QString afterWaiting(Store &store, const QString &text)
{
    constexpr qint64 kWaitedMs = 500;
    if (store.database().lastEmptyWaitMs() < kWaitedMs)
        return text;
    return text
           + QCoreApplication::translate(
               "tevo::Operations",
               " Другая программа в это время заменяла эту же таблицу: эта дождалась конца её замены, "
               "и в таблице теперь только эти строки.");
}

// Runs f under the guard named `what`; a refusal or an error becomes the outcome.
template <class F> Outcome guardedBy(Store &store, const QString &what, F &&f)
{
    OperationGuard::Scope scope(store.guard(), what);
    if (!scope)
        return Outcome::refused(scope.refusal());
    try {
        return f();
    } catch (const Error &e) {
        return Outcome::failed(e);
    }
}

} // namespace

Outcome fileToRead(const QString &file)
{
    QFile f(file);
    if (QFileInfo(file).isFile() && f.open(QIODevice::ReadOnly))
        return Outcome::success(QString());
    return Outcome::failed(Outcome::Cause::Input, QStringLiteral("Cannot open file %1").arg(file));
}

Outcome importTableFile(Store &store, TableFile format, const QString &file)
{
    if (Outcome readable = fileToRead(file); !readable.done())
        return readable;
    const bool messages = format == TableFile::MessagesCsv;
    return guardedBy(store, messages ? operationName(kImportingMessages) : operationName(kImportingGoods), [&] {
        const ChangeJournal::Scope source(store.journal(), ChangeSource::Import, file);
        Table &goods = store.goods();
        switch (format) {
        case TableFile::GoodsText: {
            const GoodsTextLoad load = importGoodsText(goods, file);
            Outcome o = Outcome::success(QCoreApplication::translate("tevo::Operations", "Из %1 загружено товаров: %2.")
                                             .arg(file)
                                             .arg(load.numbers.size()));
            o.count = int(load.numbers.size());
            return o;
        }
        case TableFile::GoodsDbf: {
            // Nobody is asked on the command line: the report says what went.
            const int before = goods.count();
            importGoodsDbf(goods, file);
            Outcome o = Outcome::success(afterWaiting(
                store,
                QCoreApplication::translate("tevo::Operations",
                                            "Таблица товаров заменена: все товары (%1) заменены товарами из %2 (%3).")
                    .arg(before)
                    .arg(file)
                    .arg(goods.count())));
            o.count = goods.count();
            return o;
        }
        case TableFile::GoodsCsv:
            importGoodsCsv(goods, file);
            return Outcome::success(QCoreApplication::translate("tevo::Operations", "Товары из %1 загружены.").arg(file));
        case TableFile::MessagesCsv:
            importMessagesCsv(store.messages(), file);
            return Outcome::success(
                QCoreApplication::translate("tevo::Operations", "Сообщения из %1 загружены.").arg(file));
        case TableFile::GoodsSheet:
        case TableFile::GoodsXlsx:
            break;
        }
        throw InputError(QCoreApplication::translate("tevo::Operations", "Этот формат не читается: %1").arg(file));
    });
}

int goodsInDbfFile(const QString &file) { return countGoodsDbf(file); }

Outcome exportGoods(Store &store, TableFile format, const QString &chosen)
{
    try {
        store.rereadIfChangedElsewhere();
        Table &goods = store.goods();
        QString path;
        switch (format) {
        case TableFile::GoodsText:
            path = goodsTextExportName(chosen);
            exportGoodsText(goods, path);
            break;
        case TableFile::GoodsDbf:
            path = goodsDbfExportName(chosen);
            exportGoodsDbf(goods, path, besideProgram(QLatin1String(kDbfTemplateFileName)));
            break;
        case TableFile::GoodsSheet:
            path = goodsSheetExportName(chosen);
            exportGoodsXls(goods, path);
            break;
        case TableFile::GoodsXlsx:
            path = goodsXlsxExportName(chosen);
            exportGoodsXlsx(goods, path);
            break;
        case TableFile::GoodsCsv:
        case TableFile::MessagesCsv:
            throw InputError(
                QCoreApplication::translate("tevo::Operations", "Товары в этот формат не записываются: %1").arg(chosen));
        }
        Outcome o = Outcome::success(QCoreApplication::translate("tevo::Operations", "Товары записаны в %1.").arg(path));
        o.file = path;
        return o;
    } catch (const Error &e) {
        return Outcome::failed(e);
    }
}

Outcome applyImport(Store &store, const ImportPlan &plan, ImportOutcome *details)
{
    const bool goods = plan.target() == ImportTarget::Goods;
    return guardedBy(store, goods ? operationName(kImportingGoods) : operationName(kImportingMessages), [&] {
        // What is typed into a grid is stored first, and the table is read again by the plan.
        store.storeOpenEdits();
        const ChangeJournal::Scope source(store.journal(), ChangeSource::Import, plan.fileName());
        const ImportOutcome done = plan.apply(goods ? store.goods() : store.messages());
        if (details)
            *details = done;
        Outcome o = Outcome::success(done.text);
        o.count = done.changedRows;
        return o;
    });
}

Outcome rebuildTable(Store &store, bool goods)
{
    return guardedBy(store, goods ? operationName(kRebuildingGoods) : operationName(kRebuildingMessages), [&] {
        if (goods) {
            store.createEmptyGoods();
            return Outcome::success(
                afterWaiting(store,
                             QCoreApplication::translate("tevo::Operations", "Пустая таблица успешно создана!")));
        }
        store.createEmptyMessages();
        return Outcome::success(
            afterWaiting(store, QCoreApplication::translate("tevo::Operations",
                                                            "Пустая таблица сообщений создана: 1000 строк.")));
    });
}

Outcome loadGoodsFile(Store &store, const QString &file, bool needClear)
{
    QFile f(file);
    if (!QFileInfo(file).isFile() || !f.open(QIODevice::ReadOnly))
        return fileToRead(file);
    const QByteArray bytes = f.readAll();
    f.close();
    return guardedBy(store, operationName(kAutoLoading), [&] {
        const ChangeJournal::Scope source(store.journal(), ChangeSource::AutoLoad, file);
        AutoLoadResult load;
        try {
            if (isGoodsTextFile(bytes)) {
                load = loadGoodsFileAutomatically(store, bytes, file, needClear);
            } else {
                // Another program's table, by the mapping remembered for its name; named by its
                // whole path, as the goods text file is.
                const auto refused = [&](const Error &e) {
                    return InputError(
                        QCoreApplication::translate("tevo::Operations", "Файл «%1» не загружен. %2").arg(file, e.text()));
                };
                try {
                    TabularImport import(ImportTarget::Goods, parseTabularBytes(bytes, file));
                    import.useRemembered();
                    const TabularLoadResult done = loadTabularFileAutomatically(store, import, needClear);
                    load.range = done.range;
                    load.recordCount = done.outcome.fileRows;
                } catch (const FileError &e) {
                    throw refused(e);
                } catch (const InputError &e) {
                    throw refused(e);
                }
            }
        } catch (const InputError &e) {
            // The whole file was checked first: nothing is stored and nothing goes to a scale.
            throw InputError(e.text() + QLatin1Char('\n') + autoLoadNothingChangedText());
        }
        // The loaded rows are stored before anything goes to the scales.
        store.database().commitAtEnd();
        Outcome o = Outcome::success(
            QCoreApplication::translate("tevo::Operations", "Загружено в таблицу товаров; диапазон для записи: %1")
                .arg(load.range));
        o.range = load.range;
        o.count = load.recordCount;
        return o;
    });
}

} // namespace tevo
