// File exchange on a full goods table of 4000 named rows.
#include "common/AppPaths.h"
#include "fileio/CsvImport.h"
#include "fileio/DbfExchange.h"
#include "fileio/DbfTemplate.h"
#include "fileio/GoodsSheetFile.h"
#include "fileio/GoodsTextFile.h"
#include "store/Schema.h"
#include "store/Store.h"

#include <QByteArray>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <stdexcept>

namespace {

using namespace tevo;

// A temporary folder with a database whose goods table holds 4000 named, priced rows.
class FullGoods {
public:
    FullGoods()
    {
        if (!m_dir.isValid())
            throw std::runtime_error("no temporary folder");
        const QString path = file(QLatin1String(kDatabaseFileName));
        const QString name = QStringLiteral("bench-fileio-%1").arg(reinterpret_cast<quintptr>(this));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(path);
            if (!db.open())
                throw std::runtime_error("cannot make the database");
            QSqlQuery q(db);
            db.transaction();
            for (const QString &sql : createTableStatements())
                q.exec(sql);
            q.prepare(QStringLiteral("INSERT INTO T (NPLU, TNAME1, TNAME2, PRICE, UBDATE, TARA, CODE, GROUPCODE, MESSAGE) "
                                     "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
            for (int n = 1; n <= kGoodsRowCount; ++n) {
                q.bindValue(0, n);
                q.bindValue(1, QStringLiteral("Товар номер %1").arg(n));
                q.bindValue(2, QStringLiteral("Производитель %1").arg(n % 97));
                q.bindValue(3, 100 + n * 7);
                q.bindValue(4, QString::number(n % 30));
                q.bindValue(5, (n % 50) * 2);
                q.bindValue(6, 100000 + n);
                q.bindValue(7, n % 12);
                q.bindValue(8, n % 1000);
                q.exec();
            }
            q.prepare(QStringLiteral("INSERT INTO M (NPLU) VALUES (?)"));
            for (int n = 1; n <= kMessagesRowCount; ++n) {
                q.bindValue(0, n);
                q.exec();
            }
            db.commit();
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        m_store = std::make_unique<Store>();
        m_store->openTables(path);
    }
    Table &goods() { return m_store->goods(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Store> m_store;
};

void BM_ExportTxt4000(benchmark::State &state)
{
    FullGoods g;
    const QString path = g.file(QStringLiteral("goods.txt"));
    for (auto _ : state)
        exportGoodsText(g.goods(), path);
}
BENCHMARK(BM_ExportTxt4000)->Unit(benchmark::kMillisecond);

void BM_ImportTxt4000(benchmark::State &state)
{
    FullGoods g;
    const QString path = g.file(QStringLiteral("goods.txt"));
    exportGoodsText(g.goods(), path);
    for (auto _ : state)
        benchmark::DoNotOptimize(importGoodsText(g.goods(), path));
}
BENCHMARK(BM_ImportTxt4000)->Unit(benchmark::kMillisecond);

void BM_ExportDbf4000(benchmark::State &state)
{
    FullGoods g;
    const QString templatePath = g.file(QLatin1String(kDbfTemplateFileName));
    writeDbfTemplate(templatePath, nullptr);
    const QString path = g.file(QStringLiteral("goods.dbf"));
    for (auto _ : state)
        exportGoodsDbf(g.goods(), path, templatePath);
}
BENCHMARK(BM_ExportDbf4000)->Unit(benchmark::kMillisecond);

void BM_ImportDbf4000(benchmark::State &state)
{
    FullGoods g;
    const QString templatePath = g.file(QLatin1String(kDbfTemplateFileName));
    writeDbfTemplate(templatePath, nullptr);
    const QString path = g.file(QStringLiteral("goods.dbf"));
    exportGoodsDbf(g.goods(), path, templatePath);
    for (auto _ : state)
        importGoodsDbf(g.goods(), path);
}
BENCHMARK(BM_ImportDbf4000)->Unit(benchmark::kMillisecond);

void BM_ExportXls4000(benchmark::State &state)
{
    FullGoods g;
    const QString path = g.file(QStringLiteral("goods.xls"));
    for (auto _ : state)
        exportGoodsXls(g.goods(), path);
}
BENCHMARK(BM_ExportXls4000)->Unit(benchmark::kMillisecond);

void BM_ImportGoodsCsv4000(benchmark::State &state)
{
    FullGoods g;
    QByteArray csv;
    for (int n = 1; n <= kGoodsRowCount; ++n)
        csv += QStringLiteral("%1;Молоко %1;пастеризованное;%2;5;0;%3;7;\r\n").arg(n).arg(1000 + n).arg(n).toUtf8();
    const QString path = g.file(QStringLiteral("goods.csv"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(csv) != csv.size()) {
        state.SkipWithError("cannot write the input file");
        return;
    }
    f.close();
    for (auto _ : state)
        importGoodsCsv(g.goods(), path);
}
BENCHMARK(BM_ImportGoodsCsv4000)->Unit(benchmark::kMillisecond);

} // namespace
