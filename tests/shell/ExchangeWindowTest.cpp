// The exchange as the window shows it: one progress line per scale in the status bar, the
// end of a goods write in a box or a balloon, automatic loading watching again afterwards,
// a shop header line read with 28 characters written back whole, a fast write of every goods
// that leaves the window answering and the packet log complete, and automatic loads that go on
// while nobody closes a box.
#include "ShellFixture.h"
#include "shell/ParametersTab.h"

#include "shell/ExchangeHub.h"
#include "shell/MainWindow.h"
#include "shell/PacketLogWindow.h"
#include "shell/ScaleProgressPanel.h"
#include "shell/ScalesDialog.h"
#include "shell/TrayIcon.h"
#include "shell/VerifyWindow.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <map>

using namespace tevo;
using tevo::test::ShellTest;
using tevo::test::waitFor;

namespace {

class ExchangeWindowTest : public ShellTest {
protected:
    // A shown window with one scale "Касса 1" on a serial port where nobody answers: the test
    // answers for it.
    ExchangeHub &hub()
    {
        AppWindows &w = activated();
        w.mainWindow.show();
        quietPort = std::make_unique<tevo::test::QuietPort>(scratch.path(), QStringLiteral("COM1")); // COM0's port
        w.mainWindow.store().scales().appendRow({{QStringLiteral("U"), QStringLiteral("T")},
                                                 {QStringLiteral("NAME"), QStringLiteral("Касса 1")},
                                                 {QStringLiteral("IP"), QStringLiteral("COM0")},
                                                 {QStringLiteral("PORT"), 9600},
                                                 {QStringLiteral("SG"), QStringLiteral("meat")}});
        return w.mainWindow.exchange();
    }
    std::unique_ptr<tevo::test::QuietPort> quietPort;
    void answer(ExchangeHub &h, char reply)
    {
        h.engine().HandleReply(QByteArray(1, char(0x80)), 1);
        h.engine().HandleReply(QByteArray(1, reply), 1);
    }
    QLabel *line() { return windows->mainWindow.findChild<QLabel *>(QStringLiteral("lbScaleProgress1")); }
};

} // namespace

TEST_F(ExchangeWindowTest, EachScaleShowsItsProgressOnEveryTabAndKeepsItsLastLineAfterAStop)
{
    ExchangeHub &h = hub();
    ASSERT_TRUE(h.goods().StartGoodsWrite(QStringLiteral("1-3")));
    answer(h, char(0xAA));
    // Shown within the 33 ms of the window's pace.
    ASSERT_TRUE(
        waitFor([&] { return line() && line()->text() == QStringLiteral("Весы «Касса 1» (COM0@9600): 1 из 3"); }, 2000))
        << (line() ? line()->text().toStdString() : "no line");
    auto *panel = windows->mainWindow.statusBar()->findChild<ScaleProgressPanel *>(QStringLiteral("pnScaleProgress"));
    ASSERT_TRUE(panel);
    for (int tab = 0; tab < windows->mainWindow.findChild<QTabWidget *>(QStringLiteral("PageControl1"))->count(); ++tab) {
        windows->mainWindow.findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(tab);
        EXPECT_TRUE(line()->isVisible()) << tab;
    }
    EXPECT_EQ(windows->mainWindow.store().goods().recNo(), 2) << "the grid follows the transfer";
    h.engine().stop();
    EXPECT_EQ(line()->text(), QStringLiteral("Весы «Касса 1» (COM0@9600): 1 из 3 — обмен прекращён"));
    EXPECT_TRUE(Dialogs::shownTexts().isEmpty());
}

TEST_F(ExchangeWindowTest, AWriteEndingWithARefusalWarnsInTheBalloonAndAutomaticLoadingWatchesAgain)
{
    ExchangeHub &h = hub();
    QStringList balloons;
    QList<int> icons;
    QObject::connect(&windows->tray, &TrayIcon::balloonShown, [&](const QString &text, int icon) {
        balloons << text;
        icons << icon;
    });
    windows->tray.onIconClicked(); // into the tray
    ASSERT_TRUE(windows->tray.mainWindowInTray());
    h.autoLoader().settings.EnableAutoLoad = true;
    ASSERT_TRUE(h.goods().StartGoodsWrite(QStringLiteral("1-2")));
    answer(h, char(0xAA));
    answer(h, char(0xEE));
    EXPECT_EQ(balloons, QStringList{QStringLiteral("Весы «Касса 1» (COM0@9600) отказались принять PLU: 2")});
    EXPECT_EQ(icons, QList<int>{2});
    EXPECT_TRUE(Dialogs::shownTexts().isEmpty());
    EXPECT_TRUE(h.autoLoader().tmAutoLoad.isActive());

    // The last record is taken by no scale: the write ends like any other.
    windows->tray.onIconClicked(); // out of the tray
    ASSERT_FALSE(windows->tray.mainWindowInTray());
    h.autoLoader().tmAutoLoad.stop();
    Table &goods = windows->mainWindow.store().goods();
    goods.setValue(0, QStringLiteral("SG"), QStringLiteral("meat"));
    goods.setValue(1, QStringLiteral("SG"), QStringLiteral("fish"));
    ASSERT_TRUE(h.goods().StartGoodsWrite(QStringLiteral("1-2")));
    answer(h, char(0xAA));
    EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Все PLU успешно записаны в весы 1")});
    EXPECT_TRUE(h.autoLoader().tmAutoLoad.isActive());
    EXPECT_EQ(windows->mainWindow.findChild<QProgressBar *>(QStringLiteral("pbT"))->value(), 0);
}

TEST_F(ExchangeWindowTest, AHeaderLineReadWithTwentyEightCharactersGoesBackWhole)
{
    ExchangeHub &h = hub();
    const QString full = QStringLiteral("Магазин «Ромашка» на углу, 1");
    ASSERT_EQ(full.size(), 28);
    h.setHeader({full, QStringLiteral("ул. Мира")});
    EXPECT_EQ(h.header().line1, full);
    EXPECT_EQ(h.header().line2, QStringLiteral("ул. Мира"));
    // Typing brings the limit of 27 back.
    QLineEdit *edit = windows->mainWindow.findChild<QLineEdit *>(QStringLiteral("Edit1"));
    edit->setFocus();
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->maxLength(), 27);
    QTest::keyClicks(edit, QStringLiteral("ab"));
    EXPECT_EQ(edit->text().size(), 27);
}

TEST_F(ExchangeWindowTest, AFastWriteOfEveryGoodsKeepsTheWindowAnsweringAndLogsEveryPacket)
{
    QProcess sim;
    sim.start(tevo::test::binDir() + QStringLiteral("/tevo-scalesim"), {QStringLiteral("--port"), QStringLiteral("0")});
    ASSERT_TRUE(sim.waitForStarted(5000));
    ASSERT_TRUE(waitFor([&] { return sim.canReadLine(); }, 5000));
    const int port = QString::fromLatin1(sim.readLine()).section(QLatin1Char(' '), 1).trimmed().toInt();

    AppWindows &w = activated();
    w.mainWindow.showNormal();
    w.packetLogWindow.show();
    w.mainWindow.store().scales().appendRow({{QStringLiteral("U"), QStringLiteral("T")},
                                             {QStringLiteral("NAME"), QStringLiteral("Касса 1")},
                                             {QStringLiteral("IP"), QStringLiteral("127.0.0.1")},
                                             {QStringLiteral("PORT"), port}});
    ExchangeHub &h = w.mainWindow.exchange();
    w.mainWindow.parametersTab().setFastExchangeTicked(true);
    int packets = 0;
    QObject::connect(&h.engine(), &ExchangeEngine::packetReceived, [&] { ++packets; });
    bool ended = false;
    QObject::connect(&h.exchange(), &ScaleExchange::ended, [&] { ended = true; });
    // An event posted half-way is handled while the write still runs.
    int handledAt = -1;
    QObject::connect(&h.engine(), &ExchangeEngine::scaleProgress, [&](const ScaleStatus &s) {
        if (s.done == 2000 && !s.finished)
            QMetaObject::invokeMethod(
                &w.mainWindow, [&] { handledAt = ended ? 4000 : h.engine().status(1).done; }, Qt::QueuedConnection);
    });
    ASSERT_TRUE(w.packetLogWindow.view()->toPlainText().isEmpty());
    ASSERT_TRUE(h.goods().StartGoodsWrite(QStringLiteral("1-4000")));
    ASSERT_TRUE(waitFor([&] { return ended; }, 120000));
    EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Все PLU успешно записаны в весы 4000")});
    EXPECT_GE(handledAt, 2000);
    EXPECT_LT(handledAt, 4000) << "handled before the write ended";
    EXPECT_GE(packets, 8000) << "a ready answer and an acknowledgement for every goods";
    EXPECT_EQ(w.packetLogWindow.view()->blockCount(), packets) << "one line for every packet";
    EXPECT_EQ(w.packetLogWindow.view()->document()->lastBlock().text(),
              QStringLiteral("Get[1]: ") + QChar(0x0404) + QStringLiteral("    «Касса 1»: AA"))
        << "the last acknowledgement, from the scale by its name, in hex";
    EXPECT_EQ(line()->text(), QStringLiteral("Весы «Касса 1» (127.0.0.1:%1): 4000 из 4000").arg(port));
    EXPECT_EQ(w.mainWindow.findChild<QProgressBar *>(QStringLiteral("pbT"))->value(), 0);
    sim.terminate();
    sim.waitForFinished(3000);
}

// A check of the scales shows its window (no box): the summary, the list with the field and both
// values, and the same list as CSV; "Только изменённые" steers the writes the window starts;
// the scales dialog then says who is behind.
TEST_F(ExchangeWindowTest, TheCheckShowsItsWindowAndTheScalesDialogWhoIsBehind)
{
    const QString load = scratch.file(QStringLiteral("held.json"));
    scratch.writeFile(QStringLiteral("held.json"), R"({"goods":[{"plu":1,"name1":"Хлеб","price":"999"}]})");
    QProcess sim;
    sim.start(tevo::test::binDir() + QStringLiteral("/tevo-scalesim"),
              {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--load"), load});
    ASSERT_TRUE(sim.waitForStarted(5000));
    ASSERT_TRUE(waitFor([&] { return sim.canReadLine(); }, 5000));
    const int port = QString::fromLatin1(sim.readLine()).section(QLatin1Char(' '), 1).trimmed().toInt();

    AppWindows &w = activated();
    w.mainWindow.showNormal();
    Store &store = w.mainWindow.store();
    store.scales().appendRow({{QStringLiteral("U"), QStringLiteral("T")},
                              {QStringLiteral("W"), QStringLiteral("T")},
                              {QStringLiteral("NAME"), QStringLiteral("Касса 1")},
                              {QStringLiteral("IP"), QStringLiteral("127.0.0.1")},
                              {QStringLiteral("PORT"), port}});
    store.goods().setValues(0, {{QStringLiteral("TNAME1"), QStringLiteral("Хлеб")}, {QStringLiteral("PRICE"), 120}});
    store.goods().setValues(1, {{QStringLiteral("TNAME1"), QStringLiteral("Сыр")}, {QStringLiteral("PRICE"), 300}});
    ExchangeHub &h = w.mainWindow.exchange();
    bool ended = false;
    QObject::connect(&h.exchange(), &ScaleExchange::ended, [&] { ended = true; });
    ASSERT_TRUE(w.mainWindow.findChild<QPushButton *>(QStringLiteral("btnVerifyT")));
    ASSERT_TRUE(w.mainWindow.findChild<QPushButton *>(QStringLiteral("btnVerifyM")));
    ASSERT_TRUE(w.session.startExchange(CommandState::GoodsVerify, QStringLiteral("1-2")).done());
    ASSERT_TRUE(waitFor([&] { return ended; }, 20000));
    auto *window = w.mainWindow.findChild<VerifyWindow *>(QStringLiteral("VerifyWindow"));
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(Dialogs::shownTexts().isEmpty()) << Dialogs::shownTexts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(window->findChild<QLabel *>(QStringLiteral("lblVerifySummary"))->text(),
              QStringLiteral("Весы «Касса 1» (127.0.0.1:%1): 2 расхождения из 2").arg(port));
    EXPECT_EQ(window->listText(QLatin1Char(';'), false), QStringLiteral("Весы;№;Что;Поле;В базе;В весах\n"
                                                                        "Касса 1;1;отличается;PRICE;120;999\n"
                                                                        "Касса 1;2;нет в весах;;;\n"));
    const QString csv = scratch.file(QStringLiteral("found.csv"));
    ASSERT_TRUE(window->saveCsv(csv, nullptr));
    EXPECT_EQ(QString::fromUtf8(scratch.readFile(QStringLiteral("found.csv"))),
              window->listText(QLatin1Char(';'), false));
    EXPECT_EQ(store.goods().text(0, QStringLiteral("PRICE")), QStringLiteral("120")) << "the check changes no row";

    // Ticked, the write sends goods 2 and 1 again only where the scale lacks them.
    w.mainWindow.findChild<QCheckBox *>(QStringLiteral("cbChangedOnly"))->setChecked(true);
    ended = false;
    ASSERT_TRUE(w.session.startExchange(CommandState::GoodsWrite, QStringLiteral("1-3")).done());
    ASSERT_TRUE(waitFor([&] { return ended; }, 20000));
    EXPECT_TRUE(Dialogs::shownTexts().last().endsWith(
        QStringLiteral("Весы «Касса 1» (127.0.0.1:%1): отправлено 3, уже были в весах 0").arg(port)))
        << Dialogs::shownTexts().last().toStdString();
    store.goods().setValue(2, QStringLiteral("PRICE"), 50);
    w.scalesDialog.show();
    auto *standing = w.scalesDialog.findChild<QTableWidget *>(QStringLiteral("gdStanding"));
    ASSERT_TRUE(standing && standing->item(0, 3));
    EXPECT_EQ(standing->item(0, 3)->text(), QStringLiteral("отстаёт: 1 товар"));
    w.scalesDialog.hide();
    sim.terminate();
    sim.waitForFinished(3000);
}

// The end of an automatic load's write waits for nobody: with the window shown, three loads in
// a row reach the scale although nobody closes a box, their end texts share one box (showing
// the latest), and a box left open meanwhile (any modal one) holds no load back either.
TEST_F(ExchangeWindowTest, AutomaticLoadsInARowReachTheScaleWhileNobodyClosesABox)
{
    const QString dumpPath = scratch.file(QStringLiteral("scale.json"));
    QProcess sim;
    sim.start(tevo::test::binDir() + QStringLiteral("/tevo-scalesim"),
              {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--dump"), dumpPath});
    ASSERT_TRUE(sim.waitForStarted(5000));
    ASSERT_TRUE(waitFor([&] { return sim.canReadLine(); }, 5000));
    const int port = QString::fromLatin1(sim.readLine()).section(QLatin1Char(' '), 1).trimmed().toInt();

    AppWindows &w = activated();
    w.mainWindow.showNormal();
    w.mainWindow.store().scales().appendRow({{QStringLiteral("U"), QStringLiteral("T")},
                                             {QStringLiteral("W"), QStringLiteral("T")},
                                             {QStringLiteral("NAME"), QStringLiteral("Касса 1")},
                                             {QStringLiteral("IP"), QStringLiteral("127.0.0.1")},
                                             {QStringLiteral("PORT"), port}});
    w.mainWindow.parametersTab().setFastExchangeTicked(true);
    AutoLoader &loader = w.mainWindow.exchange().autoLoader();
    AutoLoadSettings s;
    s.FName = scratch.file(QStringLiteral("watched.txt"));
    s.EnableAutoLoad = true;
    s.LoadToScale = true;
    loader.settings = s;
    loader.applyTimer();
    loader.tmAutoLoad.setInterval(10);

    const QDateTime t0(QDate(2026, 1, 10), QTime(2, 0, 0));
    const auto name = [](int batch) { return QStringLiteral("Партия %1").arg(batch); };
    const auto scaleHolds = [&](int batch) {
        QFile f(dumpPath);
        if (!f.open(QIODevice::ReadOnly))
            return false;
        int named = 0;
        for (const auto &g : QJsonDocument::fromJson(f.readAll()).object().value(QStringLiteral("goods")).toArray())
            named += g.toObject().value(QStringLiteral("name1")).toString() == name(batch) ? 1 : 0;
        return named == 3;
    };
    std::map<int, bool> reached;
    int writesEnded = 0;
    QObject::connect(&w.mainWindow.exchange().exchange(), &ScaleExchange::ended,
                     [&](const ExchangeReport &r) { writesEnded += r.command == CommandState::GoodsWrite ? 1 : 0; });
    const auto loadAndWait = [&](int batch) {
        const int endedBefore = writesEnded;
        QByteArray text;
        for (int n = 1; n <= 3; ++n)
            text +=
                QStringLiteral("[%1]\r\nNPLU=%1\r\nTNAME1=%2\r\nPRICE=%3\r\n").arg(n).arg(name(batch)).arg(batch).toUtf8();
        scratch.writeFile(QStringLiteral("watched.txt"), text + "[Main]\r\nRecordCount=3\r\n");
        QFile f(s.FName);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(t0.addSecs(60 * batch), QFileDevice::FileModificationTime));
        f.close();
        reached[batch] = waitFor([&] { return writesEnded > endedBefore && scaleHolds(batch); }, 30000);
    };

    // Whatever modal box the end of a load shows stays open while the next two loads happen.
    Dialogs::setNextAnswer(QMessageBox::Ok, [&] {
        loadAndWait(2);
        loadAndWait(3);
    });
    loadAndWait(1);
    if (!reached.count(2)) { // no modal box was shown, as it should be
        loadAndWait(2);
        loadAndWait(3);
    }
    for (int batch = 1; batch <= 3; ++batch)
        EXPECT_TRUE(reached[batch]) << "load " << batch;
    EXPECT_EQ(Dialogs::noticeBoxesOpened(), 1) << Dialogs::shownTexts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(Dialogs::openNotice(), QStringLiteral("Все PLU успешно записаны в весы 4"));
    EXPECT_EQ(Dialogs::shownTexts().count(QStringLiteral("Все PLU успешно записаны в весы 4")), 3);

    // A box kept open on purpose (a question nobody answers) while three more loads happen.
    Dialogs::reset();
    Dialogs::setNextAnswer(QMessageBox::Cancel, [&] {
        for (int batch = 4; batch <= 6; ++batch)
            loadAndWait(batch);
    });
    Dialogs::message(Dialogs::Kind::Confirmation, QStringLiteral("Удалить запись?"),
                     QMessageBox::Ok | QMessageBox::Cancel);
    for (int batch = 4; batch <= 6; ++batch)
        EXPECT_TRUE(reached[batch]) << "load " << batch;
    EXPECT_EQ(Dialogs::noticeBoxesOpened(), 1);
    loader.tmAutoLoad.stop();
    sim.terminate();
    sim.waitForFinished(3000);
}
