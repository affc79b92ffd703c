// tevo-screenshots: the pictures of the user guide, taken from the program's own windows on
// the X screen (scripts/make-screenshots.sh runs it under a virtual X server). The windows are
// made and started as tevo makes them, on a fresh database in a scratch folder; the guide's
// example files are imported through the "Файл" menu, and two scale simulators stand for the
// scales (one answers, one keeps silent).
//
//   tevo-screenshots OUTPUT_FOLDER EXAMPLES_FOLDER
#include "common/AppPaths.h"
#include "fileio/DbfTemplate.h"
#include "session/Language.h"
#include "shell/AppWindows.h"
#include "shell/Dialogs.h"
#include "shell/HistoryWindow.h"
#include "shell/ImportDialog.h"
#include "shell/JournalWindow.h"
#include "shell/LcdIndicator.h"
#include "shell/MainWindow.h"
#include "shell/Startup.h"
#include "shell/TevoApplication.h"
#include "store/DatabaseFile.h"
#include "store/Store.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>

using namespace tevo;

namespace {

void fail(const QString &text) { throw std::runtime_error(text.toStdString()); }

void waitMs(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void waitUntil(const std::function<bool()> &done, const char *what, int ms = 5000)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            fail(QStringLiteral("timed out waiting for %1").arg(QLatin1String(what)));
        waitMs(20);
    }
}

bool shown(const QString &start)
{
    for (const QString &t : Dialogs::shownTexts())
        if (t.startsWith(start))
            return true;
    return false;
}

// A scale simulator on 127.0.0.1: on the port the guide names when it is free, else on any.
struct Simulator {
    QProcess process;
    int port = 0;

    Simulator(int preferredPort, const QStringList &options)
    {
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        for (int tryPort : {preferredPort, 0}) {
            process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tevo-scalesim"),
                          QStringList{QStringLiteral("--port"), QString::number(tryPort)} + options);
            if (process.waitForStarted() && process.waitForReadyRead(5000))
                break;
            process.waitForFinished(1000);
        }
        const QByteArray line = process.readLine().trimmed();
        if (!line.startsWith("port "))
            fail(QStringLiteral("the scale simulator did not start: %1").arg(QString::fromUtf8(line)));
        port = line.mid(5).toInt();
    }
    ~Simulator()
    {
        process.terminate();
        process.waitForFinished(3000);
    }
};

// What the answering simulator holds: a weighing in progress, sales totals and a logo.
QByteArray simulatorContents()
{
    QImage logo(64, 64, QImage::Format_Grayscale8);
    logo.fill(Qt::white);
    {
        QPainter p(&logo);
        p.setPen(QPen(Qt::black, 3));
        p.drawEllipse(4, 4, 56, 56);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(20);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRect(0, 0, 64, 64), Qt::AlignCenter, QStringLiteral("Tevo"));
    }
    QJsonArray rows;
    for (int y = 0; y < 64; ++y) {
        QString row;
        for (int x = 0; x < 64; ++x)
            row += qGray(logo.pixel(x, y)) < 128 ? QLatin1Char('#') : QLatin1Char('.');
        rows.append(row);
    }
    QJsonObject state{{QStringLiteral("grams"), 1250},
                      {QStringLiteral("price"), 65000},
                      {QStringLiteral("cost"), 81250},
                      {QStringLiteral("plu"), 2}};
    QJsonObject totals{{QStringLiteral("runCounter"), 1520},     {QStringLiteral("labelCounter"), 3412},
                       {QStringLiteral("totalSum"), 1834500},    {QStringLiteral("salesCount"), 96},
                       {QStringLiteral("totalWeight"), 48250},   {QStringLiteral("sumAllPlu"), 1834500},
                       {QStringLiteral("salesCountAllPlu"), 96}, {QStringLiteral("weightAllPlu"), 48250},
                       {QStringLiteral("freePlu"), 3995},        {QStringLiteral("freeMessages"), 998}};
    // The scale code page has no «» quotes.
    QJsonObject header{{QStringLiteral("line1"), QStringLiteral("Магазин Свежие продукты")},
                       {QStringLiteral("line2"), QStringLiteral("ул. Садовая, 12")}};
    return QJsonDocument(QJsonObject{{QStringLiteral("logo"), rows},
                                     {QStringLiteral("header"), header},
                                     {QStringLiteral("state"), state},
                                     {QStringLiteral("totals"), totals}})
        .toJson();
}

class Camera {
public:
    explicit Camera(QString folder) : m_folder(std::move(folder)) {}

    // The screen's pixels where the widget's window is, as the person in front of it sees them.
    void take(QWidget *window, const QString &name, QRect area = {})
    {
        waitMs(400);
        if (area.isNull())
            area = window->frameGeometry();
        const QPixmap picture =
            QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
        const QString path = m_folder + QLatin1Char('/') + name;
        if (picture.isNull() || !picture.save(path, "PNG"))
            fail(QStringLiteral("cannot save %1").arg(path));
        std::printf("%s\n", qPrintable(path));
    }

private:
    QString m_folder;
};

// The control of a window with that object name.
template <class W> W *control(const QObject &window, const char *name)
{
    W *w = window.findChild<W *>(QLatin1String(name));
    if (!w)
        fail(QStringLiteral("no control %1").arg(QLatin1String(name)));
    return w;
}

void importExample(QAction *command, const QString &file)
{
    if (!QFile::exists(file))
        fail(QStringLiteral("no example file %1").arg(file));
    Dialogs::setNextFileName(file);
    command->trigger();
}

void openMenu(MainWindow &form, QMenu *menu)
{
    const QRect item = form.menuBar()->actionGeometry(menu->menuAction());
    menu->popup(form.menuBar()->mapToGlobal(item.bottomLeft()));
    waitMs(300);
}

int run(int argc, char **argv)
{
    TevoApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fputs("usage: tevo-screenshots OUTPUT_FOLDER EXAMPLES_FOLDER\n", stderr);
        return 2;
    }
    const QString out = args.at(1);
    const QString examples = args.at(2);

    // A fresh data folder, as the first start makes it.
    QTemporaryDir data;
    if (!data.isValid())
        fail(QStringLiteral("no scratch folder"));
    makeDatabaseFileIfMissing(data.filePath(QLatin1String(kDatabaseFileName)));
    writeDbfTemplateIfMissing(data.filePath(QLatin1String(kDbfTemplateFileName)));
    const QString contents = data.filePath(QStringLiteral("scale.json"));
    {
        QFile f(contents);
        if (!f.open(QIODevice::WriteOnly) || f.write(simulatorContents()) < 0)
            fail(QStringLiteral("cannot write %1").arg(contents));
    }
    setProgramDir(data.path());

    // The guide shows the window in Russian, whatever the locale.
    Language language;
    prepareStart(language, QStringLiteral("ru"));
    Dialogs::setScripted(true); // message boxes are recorded, not shown

    Simulator answering(5001, {QStringLiteral("--load"), contents});
    Simulator silent(5002, {QStringLiteral("--silent")});

    AppWindows w;
    MainWindow &form = w.mainWindow;
    form.appState().setStartMinimized(false);
    form.setGeometry(QGuiApplication::primaryScreen()->geometry());
    form.show();
    form.runActivationSteps();
    waitMs(300);

    importExample(control<QAction>(form, "xls1"), examples + QStringLiteral("/tovary.txt"));
    importExample(control<QAction>(form, "csv2"), examples + QStringLiteral("/tovary.csv"));
    importExample(control<QAction>(form, "csv3"), examples + QStringLiteral("/soobshcheniya.csv"));

    Table &scales = form.store().scales();
    scales.appendRow({{QStringLiteral("NAME"), QStringLiteral("Весы в торговом зале")},
                      {QStringLiteral("IP"), QStringLiteral("127.0.0.1")},
                      {QStringLiteral("PORT"), answering.port},
                      {QStringLiteral("SG"), QString()}});
    scales.appendRow({{QStringLiteral("NAME"), QStringLiteral("Весы в подсобке")},
                      {QStringLiteral("IP"), QStringLiteral("127.0.0.1")},
                      {QStringLiteral("PORT"), silent.port},
                      {QStringLiteral("SG"), QStringLiteral("мясо")}});
    w.scalesDialog.findChild<QPushButton *>(QStringLiteral("Button1"))->click(); // "Проверить связь"
    waitUntil([] { return shown(QStringLiteral("Проверка связи окончена")); }, "the connection check");
    scales.setValue(0, QStringLiteral("U"), QStringLiteral("T"));
    form.appState().setSelectedScaleCount(form.store().countSelectedScales());

    Camera camera(out);
    control<QTabWidget>(form, "PageControl1")->setCurrentIndex(0);
    form.store().goods().setCurrentRow(1);
    camera.take(&form, QStringLiteral("goods-tab.png"));
    const QRect menuCorner(0, 0, 560, 330);
    openMenu(form, control<QMenu>(form, "N1"));
    camera.take(&form, QStringLiteral("menu-file.png"), menuCorner);
    control<QMenu>(form, "N1")->hide();
    openMenu(form, control<QMenu>(form, "N6"));
    camera.take(&form, QStringLiteral("menu-tools.png"), menuCorner);
    control<QMenu>(form, "N6")->hide();

    control<QTabWidget>(form, "PageControl1")->setCurrentIndex(1);
    camera.take(&form, QStringLiteral("messages-tab.png"));

    // The settings with the logo, the weighing state and the sales totals of the answering scale.
    control<QTabWidget>(form, "PageControl1")->setCurrentIndex(2);
    Dialogs::setNextAnswer(QDialog::Accepted);
    control<QPushButton>(form, "Button2")->click(); // "Считать настройки из весов"
    waitUntil([] { return shown(QStringLiteral("Настройки пользователя успешно считаны.")); }, "the settings");
    Dialogs::setNextAnswer(QDialog::Accepted);
    control<QPushButton>(form, "btnReNewScaleState")->click();
    waitUntil([&] { return control<LcdIndicator>(form, "liPLU")->indicatorString() == QStringLiteral("2"); },
              "the weighing state");
    Dialogs::setNextAnswer(QDialog::Accepted);
    control<QPushButton>(form, "btnItog")->click();
    waitUntil([&] { return !control<QLineEdit>(form, "edifp")->text().isEmpty(); }, "the sales totals");
    waitMs(600);
    camera.take(&form, QStringLiteral("parameters-tab.png"));

    w.scalesDialog.setWindowTitle(QStringLiteral("Настройка весов"));
    scales.first();
    w.scalesDialog.show();
    camera.take(&w.scalesDialog, QStringLiteral("scales.png"));
    w.scalesDialog.hide();

    w.autoLoadDialog.show();
    w.autoLoadDialog.findChild<QLineEdit *>(QStringLiteral("edAutoLoad"))
        ->setText(QStringLiteral("/home/magazin/obmen/tovary.txt"));
    w.autoLoadDialog.findChild<QSpinBox *>(QStringLiteral("seAutoLoad"))->setValue(60);
    w.autoLoadDialog.findChild<QCheckBox *>(QStringLiteral("cbEnableAutoLoad"))->setChecked(true);
    w.autoLoadDialog.findChild<QCheckBox *>(QStringLiteral("cbAutoLoad"))->setChecked(true);
    camera.take(&w.autoLoadDialog, QStringLiteral("autoload.png"));
    w.autoLoadDialog.hide();

    // The import window on an accounting program's price list with one line that cannot be stored.
    const QString priceList = data.filePath(QStringLiteral("price_2026-12-01.csv"));
    {
        QFile f(priceList);
        const QByteArray csv = QStringLiteral("Прайс-лист на 01.12.2026\r\n"
                                              "Код;Наименование;Цена, грн;Срок годности\r\n"
                                              "1;Молоко 2,5%;42,50;5\r\n2;Кефир 1%;38,90;7\r\n"
                                              "3;Сыр \"Голландский\";325,00;30\r\n4;Масло сливочное;89,9O;20\r\n"
                                              "5;Сметана 20%;56,20;10\r\n6;Творог 9%;112,00;5\r\n")
                                   .toUtf8();
        if (!f.open(QIODevice::WriteOnly) || f.write(csv) != csv.size())
            fail(QStringLiteral("cannot write %1").arg(priceList));
    }
    Dialogs::setNextFileName(priceList);
    Dialogs::setNextAnswer(QDialog::Rejected, [&] {
        auto *import = form.findChild<ImportDialog *>();
        if (!import)
            fail(QStringLiteral("no import window"));
        import->show();
        camera.take(import, QStringLiteral("import.png"));
        import->hide();
    });
    control<QAction>(form, "ImportGoodsTable")->trigger();

    // The history of goods 2: its prices of the last three months (as the journal keeps them),
    // the import above and a write to the answering scale; then the journal's revaluation list.
    {
        Store &store = form.store();
        const qint64 day = ChangeJournal::kDayMs;
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        QVector<JournalEntry> past;
        const auto price = [&](qint64 daysAgo, const char *before, const char *after, ChangeSource source,
                               const QString &detail) {
            JournalEntry e;
            e.at = now - daysAgo * day;
            e.table = QStringLiteral("T");
            e.number = 2;
            e.field = QStringLiteral("PRICE");
            e.oldValue = QString::fromLatin1(before);
            e.newValue = QString::fromLatin1(after);
            e.source = source;
            e.detail = detail;
            e.program = QStringLiteral("tevo");
            e.user = QStringLiteral("kassir");
            e.computer = QStringLiteral("kassa-1");
            past << e;
        };
        price(90, "48000", "49500", ChangeSource::Import, QStringLiteral("/home/magazin/obmen/price_09.csv"));
        price(61, "49500", "47900", ChangeSource::Edit, QString());
        price(40, "47900", "51000", ChangeSource::AutoLoad, QStringLiteral("/home/magazin/obmen/tovary.txt"));
        price(12, "51000", "45900", ChangeSource::Edit, QString());
        store.journal().write(past);
        store.database().exec(QStringLiteral("UPDATE JOURNALINFO SET VAL = %1 WHERE NAME = 'SINCE'").arg(now - 100 * day));
        form.session().startExchange(CommandState::GoodsWrite, QStringLiteral("2"));
        waitUntil([&] { return !store.ledger().deliveries(QString(), ScaleLedger::Kind::Goods, 2).isEmpty(); },
                  "the write of goods 2");
        waitMs(300);
        Dialogs::reset();
        control<QTabWidget>(form, "PageControl1")->setCurrentIndex(0);
        store.goods().setCurrentRow(1);
        control<QAction>(form, "GoodsHistory")->trigger(); // "История товара"
        auto *history = form.findChild<HistoryWindow *>();
        if (!history)
            fail(QStringLiteral("no history window"));
        camera.take(history, QStringLiteral("history.png"));
        history->hide();
        control<QAction>(form, "JournalMenu")->trigger(); // "Журнал изменений"
        auto *journal = form.findChild<JournalWindow *>();
        if (!journal)
            fail(QStringLiteral("no journal window"));
        journal->findChild<QDateEdit *>(QStringLiteral("JournalFrom"))->setDate(QDate::currentDate().addDays(-100));
        journal->findChild<QPushButton *>(QStringLiteral("JournalRevaluations"))->click();
        camera.take(journal, QStringLiteral("journal.png"));
        journal->hide();
    }

    control<QAction>(form, "N10")->trigger(); // "Просмотр пакетов"
    camera.take(&w.packetLogWindow, QStringLiteral("packets.png"));
    w.packetLogWindow.hide();

    for (int i = 0; i < Dialogs::shownKinds().size(); ++i)
        if (Dialogs::shownKinds().at(i) == Dialogs::Kind::Error && !Dialogs::shownTexts().at(i).isEmpty())
            std::fprintf(stderr, "tevo-screenshots: the program said: %s\n", qPrintable(Dialogs::shownTexts().at(i)));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    try {
        return run(argc, argv);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "tevo-screenshots: %s\n", e.what());
        return 1;
    }
}
