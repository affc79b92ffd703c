// The main window's activation and closing steps, the menu commands and the rebuilds.
#include "ShellFixture.h"
#include "shell/GoodsTab.h"

#include "fileio/DbfTemplate.h"
#include "session/Language.h"
#include "session/Operations.h"
#include "shell/ColumnWidths.h"
#include "shell/GuideWindow.h"
#include "shell/Startup.h"
#include "shell/TableGrid.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QUrl>
#include <functional>

using namespace tevo;
using tevo::test::ShellTest;

namespace {

const QString kN8Question = QStringLiteral(
    "Создание пустой таблицы занимает несколько минут и уничтожает текущую базу данных. Вы действительно хотите "
    "продолжить?");
const QString kNotice = QStringLiteral("Эта операция займет до 5 минут... Нажмите \"Ок\"");
const QString kCreated = QStringLiteral("Пустая таблица успешно создана!");

using MainFormTest = ShellTest;

TEST_F(MainFormTest, ActivationOpensTablesCountsScalesAndMinimizesOnce)
{
    AppWindows &w = open();
    MainWindow &form = w.mainWindow;
    EXPECT_TRUE(form.appState().startMinimized());
    form.runActivationSteps();
    EXPECT_TRUE(Dialogs::shownTexts().isEmpty());
    EXPECT_TRUE(form.store().tablesOpen());
    EXPECT_EQ(form.store().goods().count(), 4000);
    EXPECT_FALSE(form.appState().startMinimized());
    EXPECT_TRUE(form.windowState() & Qt::WindowMinimized);

    // Truth values: "t" and "y" count, an empty or missing value does not.
    Table &s = form.store().scales();
    for (const QVariant &u : {QVariant(QStringLiteral("t")), QVariant(QString()), QVariant(QStringLiteral("T")),
                              QVariant(QStringLiteral("F")), QVariant(QStringLiteral("y")), QVariant()})
        s.appendRow({{QStringLiteral("U"), u}});
    form.runActivationSteps();
    EXPECT_EQ(form.appState().selectedScaleCount(), 3);
    EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(form.windowState() & Qt::WindowMinimized);
}

TEST_F(MainFormTest, FailedDatabaseOpenKeepsRunningAndRetriesAtNextActivation)
{
    QFile::remove(scratch.databasePath());
    AppWindows &w = open();
    MainWindow &form = w.mainWindow;
    form.runActivationSteps();
    ASSERT_EQ(Dialogs::shownTexts().size(), 1);
    EXPECT_EQ(Dialogs::shownKinds().first(), Dialogs::Kind::Error);
    EXPECT_TRUE(Dialogs::shownTexts().first().contains(QStringLiteral("not found")));
    EXPECT_FALSE(form.store().tablesOpen());
    EXPECT_TRUE(form.appState().startMinimized());
    EXPECT_FALSE(form.widthsLoaded());
    EXPECT_EQ(form.goodsTab().grid()->model()->rowCount(), 0);

    // The menu commands report instead of failing.
    Dialogs::reset();
    form.onCheckDataTriggered();
    EXPECT_EQ(Dialogs::shownTexts(),
              QStringList{QStringLiteral("Проверка данных завершена успешно. Ошибок не обнаружено")});

    test::makeDatabase(scratch.databasePath());
    Dialogs::reset();
    form.runActivationSteps();
    EXPECT_TRUE(Dialogs::shownTexts().isEmpty());
    EXPECT_TRUE(form.store().tablesOpen());
    EXPECT_FALSE(form.appState().startMinimized());
    EXPECT_TRUE(form.widthsLoaded());
    EXPECT_EQ(form.goodsTab().grid()->model()->rowCount(), 4000);
}

TEST_F(MainFormTest, ClosingTheErrorBoxIsNotTakenAsANewAttempt)
{
    QFile::remove(scratch.databasePath());
    AppWindows &w = open();
    QStringList errors;
    // The error box takes the activation away while it is shown, as a real one does.
    setErrorHandler([&](const QString &text) {
        errors << text;
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(&w.mainWindow, &deactivate);
    });
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&w.mainWindow, &activate);
    EXPECT_EQ(errors.size(), 1);
    QCoreApplication::sendEvent(&w.mainWindow, &activate); // the box has closed
    EXPECT_EQ(errors.size(), 1);

    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&w.mainWindow, &deactivate); // the person went elsewhere and came back
    QCoreApplication::sendEvent(&w.mainWindow, &activate);
    EXPECT_EQ(errors.size(), 2);

    test::makeDatabase(scratch.databasePath());
    QCoreApplication::sendEvent(&w.mainWindow, &activate);
    QCoreApplication::sendEvent(&w.mainWindow, &activate);
    EXPECT_EQ(errors.size(), 2);
    EXPECT_TRUE(w.mainWindow.store().tablesOpen());
}

TEST_F(MainFormTest, WindowActivationEventsRunTheSteps)
{
    AppWindows &w = open();
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&w.mainWindow, &activate);
    EXPECT_TRUE(w.mainWindow.store().tablesOpen());
    EXPECT_FALSE(w.mainWindow.appState().startMinimized());
}

TEST_F(MainFormTest, EmptyGoodsTableAfterConfirmation)
{
    AppWindows &w = activated();
    MainWindow &form = w.mainWindow;
    Table &t = form.store().goods();
    t.setValues(0, {{QStringLiteral("TNAME1"), QStringLiteral("Сыр")}, {QStringLiteral("PRICE"), 500}});
    t.deleteRow(10);
    form.goodsTab().grid()->setColumnWidth(1, 250);

    Dialogs::setNextAnswer(QMessageBox::Cancel);
    form.onEmptyGoodsTriggered();
    EXPECT_EQ(Dialogs::shownTexts(), QStringList{kN8Question});
    EXPECT_EQ(Dialogs::shownKinds().first(), Dialogs::Kind::Warning);
    EXPECT_EQ(t.count(), 3999);
    EXPECT_EQ(t.text(0, QStringLiteral("TNAME1")), QStringLiteral("Сыр"));

    Dialogs::reset();
    form.onEmptyGoodsTriggered();
    EXPECT_EQ(Dialogs::shownTexts(), (QStringList{kN8Question, kNotice, kCreated}));
    ASSERT_EQ(t.count(), 4000);
    for (int row = 0; row < t.count(); ++row) {
        ASSERT_EQ(t.value(row, QStringLiteral("NPLU")).toInt(), row + 1);
        for (const ColumnDef &c : t.columns()) {
            if (c.name != QLatin1String("NPLU")) {
                ASSERT_TRUE(t.isNull(row, c.name)) << c.name.toStdString() << " row " << row;
            }
        }
    }
    EXPECT_FALSE(t.isDetached());
    EXPECT_EQ(form.goodsTab().grid()->model()->rowCount(), 4000);
    EXPECT_EQ(form.goodsTab().grid()->columnWidth(1), 250);
    EXPECT_TRUE(form.findChild<QAction *>(QStringLiteral("N8"))->isEnabled());
}

TEST_F(MainFormTest, EmptyMessagesTableWithoutQuestionOrClosingText)
{
    AppWindows &w = activated();
    MainWindow &form = w.mainWindow;
    Table &m = form.store().messages();
    m.setValue(3, QStringLiteral("M1"), QStringLiteral("Хранить в холодильнике"));
    m.deleteRow(0);
    form.onEmptyMessagesTriggered();
    EXPECT_EQ(Dialogs::shownTexts(), QStringList{kNotice});
    ASSERT_EQ(m.count(), 1000);
    EXPECT_EQ(m.value(999, QStringLiteral("NPLU")).toInt(), 1000);
    EXPECT_TRUE(m.isNull(2, QStringLiteral("M1")));
}

TEST_F(MainFormTest, WhatCannotBeUndoneAsksFirstAndCanBeCancelled)
{
    AppWindows &w = activated();
    MainWindow &form = w.mainWindow;
    Table &t = form.store().goods();
    Table &m = form.store().messages();
    ASSERT_TRUE(writeDbfTemplate(besideProgram(QLatin1String(kDbfTemplateFileName)), nullptr));
    t.setValue(0, QStringLiteral("TNAME1"), QStringLiteral("из файла"));
    const QString dbf = scratch.file(QStringLiteral("goods.dbf"));
    ASSERT_TRUE(exportGoods(form.store(), TableFile::GoodsDbf, dbf).done());
    t.deleteRow(3999); // the table now holds 3999 goods, the file 4000
    const QString dbfQuestion = QStringLiteral("Импорт из %1 заменит все товары (3999) товарами из файла (4000). "
                                               "Продолжить?")
                                    .arg(QDir::toNativeSeparators(dbf));
    struct Case {
        const char *what;
        std::function<void()> run;
        int answer;
        QString question;
        bool replaced;
    };
    const Case cases[] = {
        {"messages rebuild, cancelled", [&] { form.onEmptyMessagesTriggered(); }, QMessageBox::Cancel, kNotice, false},
        {"dBase import, declined",
         [&] {
             Dialogs::setNextFileName(dbf);
             form.onImportDbfTriggered();
         },
         QMessageBox::No, dbfQuestion, false},
        {"messages rebuild, OK", [&] { form.onEmptyMessagesTriggered(); }, QMessageBox::Ok, kNotice, true},
        {"dBase import, yes",
         [&] {
             Dialogs::setNextFileName(dbf);
             form.onImportDbfTriggered();
         },
         QMessageBox::Yes, dbfQuestion, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Dialogs::reset();
        t.setValue(1, QStringLiteral("TNAME1"), QStringLiteral("в таблице"));
        m.setValue(1, QStringLiteral("M1"), QStringLiteral("в таблице"));
        Dialogs::setNextAnswer(c.answer);
        c.run();
        // The file dialog's caption (none) comes before the question.
        EXPECT_TRUE(Dialogs::shownTexts().contains(c.question))
            << Dialogs::shownTexts().join(QLatin1Char('|')).toStdString();
        const bool dbase = c.question == dbfQuestion;
        const QString kept = dbase ? t.text(1, QStringLiteral("TNAME1")) : m.text(1, QStringLiteral("M1"));
        EXPECT_EQ(kept.isEmpty(), c.replaced) << kept.toStdString();
        if (dbase) {
            EXPECT_EQ(t.count(), c.replaced ? 4000 : 3999);
        }
    }
}

TEST_F(MainFormTest, DataCheckReportsInAPlainBox)
{
    AppWindows &w = activated();
    Table &t = w.mainWindow.store().goods();
    t.setValues(41, {{QStringLiteral("PRICE"), 1000000}, {QStringLiteral("UBDATE"), QStringLiteral("5")}});
    w.mainWindow.findChild<QAction *>(QStringLiteral("N3"))->trigger();
    EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Ошибки найдены в: Цена ; строка №42")});
    EXPECT_EQ(Dialogs::shownKinds(), QList<Dialogs::Kind>{Dialogs::Kind::Plain});
    EXPECT_EQ(w.mainWindow.goodsTab().grid()->currentIndex().row(), 41);
}

TEST_F(MainFormTest, ScalesDialogFromTheMenuRecountsOnClose)
{
    AppWindows &w = activated();
    Table &s = w.mainWindow.store().scales();
    s.appendRow({{QStringLiteral("U"), QStringLiteral("T")}, {QStringLiteral("W"), QStringLiteral("T")}});
    s.appendRow({{QStringLiteral("U"), QStringLiteral("T")}, {QStringLiteral("W"), QStringLiteral("F")}});
    w.scalesDialog.setWindowTitle(QStringLiteral("Выберите весы для загрузки!"));
    w.mainWindow.findChild<QAction *>(QStringLiteral("N2"))->trigger();
    EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Настройка весов")});
    EXPECT_EQ(w.mainWindow.appState().selectedScaleCount(), 2);
}

TEST_F(MainFormTest, HelpOpensTheUserGuideOrSaysItIsMissing)
{
    AppWindows &w = activated();
    w.mainWindow.findChild<QAction *>(QStringLiteral("N16"))->trigger();
    ASSERT_EQ(Dialogs::shownTexts().size(), 1);
    EXPECT_EQ(Dialogs::shownKinds().first(), Dialogs::Kind::Error);
    EXPECT_TRUE(Dialogs::shownTexts().first().contains(QStringLiteral("help/index.html")));
    EXPECT_TRUE(Dialogs::openedDocuments().isEmpty());

    Dialogs::reset();
    ASSERT_TRUE(QDir(scratch.path()).mkdir(QStringLiteral("help")));
    scratch.writeFile(QStringLiteral("help/index.html"), "<html></html>");
    w.mainWindow.findChild<QAction *>(QStringLiteral("N16"))->trigger();
    EXPECT_TRUE(Dialogs::shownTexts().isEmpty());
    // The guide opens in the program's own window, not in a browser.
    EXPECT_TRUE(Dialogs::openedDocuments().isEmpty());
    auto *guide = w.mainWindow.findChild<GuideWindow *>(QStringLiteral("GuideWindow"));
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(guide->isVisible());
    EXPECT_EQ(guide->browser()->source(), QUrl::fromLocalFile(scratch.file(QStringLiteral("help/index.html"))));

    // The about box tells where the files are.
    auto *folder = w.aboutDialog.findChild<QLabel *>(QStringLiteral("DataFolder"));
    ASSERT_NE(folder, nullptr);
    EXPECT_TRUE(folder->text().endsWith(scratch.path())) << folder->text().toStdString();
}

TEST_F(MainFormTest, TheShippedGuideShowsItsContentsPicturesLinksAndSearch)
{
    // The guide as the package ships it, with its pictures beside it.
    const QString shipped = QStringLiteral(QT_TESTCASE_SOURCEDIR "/../doc/guide");
    ASSERT_TRUE(QFileInfo(shipped + QStringLiteral("/index.html")).isFile());
    AppWindows &w = activated();
    GuideWindow guide(&w.mainWindow);
    guide.resize(900, 600);
    guide.show();
    guide.openGuide(shipped + QStringLiteral("/index.html"));

    // The chapters, each leading to its anchor.
    QStringList chapters;
    for (int i = 0; i < guide.contents()->count(); ++i)
        chapters << guide.contents()->item(i)->text();
    EXPECT_GE(chapters.size(), 10) << chapters.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(chapters.contains(QStringLiteral("1. Установка и первый запуск")))
        << chapters.join(QLatin1Char('|')).toStdString();
    // Every picture the guide shows is found beside it.
    const QStringList pictures = QDir(shipped + QStringLiteral("/images")).entryList({QStringLiteral("*.png")});
    ASSERT_FALSE(pictures.isEmpty());
    EXPECT_FALSE(guide.browser()
                     ->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("images/") + pictures.first()))
                     .isNull());

    // A chapter link moves the text there; a link out of the guide goes to the system's viewer.
    QScrollBar *bar = guide.browser()->verticalScrollBar();
    bar->setValue(0);
    emit guide.browser()->anchorClicked(QUrl(QStringLiteral("#packets")));
    EXPECT_GT(bar->value(), 0);
    const int atPackets = bar->value();
    guide.contents()->setCurrentRow(1);
    emit guide.contents()->itemClicked(guide.contents()->item(1));
    EXPECT_LT(bar->value(), atPackets);
    emit guide.browser()->anchorClicked(QUrl(QStringLiteral("https://www.postgresql.org/")));
    EXPECT_EQ(Dialogs::openedDocuments(), QList<QUrl>{QUrl(QStringLiteral("https://www.postgresql.org/"))});

    // Search: found again from the start, and "Не найдено" for what the guide lacks.
    guide.searchField()->setText(QStringLiteral("Просмотр входящих пакетов"));
    EXPECT_TRUE(guide.findNext());
    EXPECT_EQ(guide.browser()->textCursor().selectedText(), QStringLiteral("Просмотр входящих пакетов"));
    guide.searchField()->setText(QStringLiteral("нет такого слова в руководстве"));
    EXPECT_FALSE(guide.findNext());
    EXPECT_EQ(guide.findChild<QLabel *>(QStringLiteral("GuideSearchResult"))->text(), QStringLiteral("Не найдено"));
}

TEST_F(MainFormTest, PacketLogWindowOpensFromTheMenu)
{
    AppWindows &w = activated();
    EXPECT_FALSE(w.packetLogWindow.isVisible());
    w.mainWindow.findChild<QAction *>(QStringLiteral("N10"))->trigger();
    EXPECT_TRUE(w.packetLogWindow.isVisible());
    w.packetLogWindow.close();
    EXPECT_FALSE(w.packetLogWindow.isVisible());
    w.packetLogWindow.appendPacket(QByteArray("\x80", 1), QStringLiteral("Касса 1"));
    w.mainWindow.findChild<QAction *>(QStringLiteral("N10"))->trigger();
    EXPECT_EQ(w.packetLogWindow.view()->blockCount(), 1);
}

TEST_F(MainFormTest, CloseStoresAndCommitsWhatWasTyped)
{
    AppWindows &w = activated();
    TableGrid *grid = w.mainWindow.goodsTab().grid();
    w.mainWindow.show(); // cell editors open only in a shown grid
    grid->setCurrentIndex(grid->model()->index(2, 1));
    ASSERT_TRUE(grid->isEditing());
    auto *editor = grid->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("Молоко"));
    w.mainWindow.close();
    EXPECT_EQ(w.mainWindow.store().goods().text(2, QStringLiteral("TNAME1")), QStringLiteral("Молоко"));

    // Another connection sees it while the program's connection is still open: it was committed.
    Store other;
    other.openTables(scratch.databasePath());
    EXPECT_EQ(other.goods().text(2, QStringLiteral("TNAME1")), QStringLiteral("Молоко"));
}

TEST_F(MainFormTest, TheApplicationQuittingWithoutTheWindowClosedRunsTheClosingSteps)
{
    // As at the end of the desktop session: the application quits, the window never closed.
    AppWindows &w = activated();
    w.mainWindow.show();
    w.mainWindow.goodsTab().grid()->setCurrentIndex(w.mainWindow.goodsTab().grid()->model()->index(4, 1));
    auto *editor = w.mainWindow.goodsTab().grid()->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("Сметана"));
    ASSERT_TRUE(QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit", Qt::DirectConnection));
    EXPECT_TRUE(scratch.readFile(QLatin1String(kColumnWidthsFileName)).contains("[TMainForm]"));
    Store other;
    other.openTables(scratch.databasePath());
    EXPECT_EQ(other.goods().text(4, QStringLiteral("TNAME1")), QStringLiteral("Сметана"));
    EXPECT_TRUE(Dialogs::shownTexts().isEmpty());
}

// The language chosen in the parameters tab is read at the start: the window, its boxes and the
// toolkit's standard buttons speak it; "Как в системе" under the tests' C.UTF-8 locale is Russian.
TEST_F(MainFormTest, TheLanguageChosenInTheParametersTabShowsFromTheStart)
{
    const struct {
        const char *choice;
        int item; // in "comboLanguage"
        const char *goodsTab;
        const char *toolsMenu;
        const char *helpMissing;
        const char *cancel; // the toolkit's own
    } cases[] = {
        {"uk", 2, "Товари", "Інструменти", "Файл довідки не знайдено:", "Скасувати"},
        {"en", 3, "Goods", "Tools", "Help file not found:", "Cancel"},
        {"system", 0, "Товары", "Инструменты", "Файл справки не найден:", "Отмена"},
    };
    for (const auto &c : cases) {
        scratch.writeFile(QLatin1String(kColumnWidthsFileName), QByteArray("[Parameters]\r\nLanguage=") + c.choice);
        Language language;
        prepareStart(language);
        AppWindows &w = open();
        EXPECT_EQ(w.mainWindow.findChild<QTabWidget *>(QStringLiteral("PageControl1"))->tabText(0),
                  QString::fromUtf8(c.goodsTab))
            << c.choice;
        EXPECT_EQ(w.mainWindow.menuBar()->actions().at(1)->text(), QString::fromUtf8(c.toolsMenu)) << c.choice;
        EXPECT_EQ(w.mainWindow.findChild<QComboBox *>(QStringLiteral("comboLanguage"))->currentIndex(), c.item);
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8(c.cancel)) << c.choice;
        w.mainWindow.findChild<QAction *>(QStringLiteral("N16"))->trigger();
        ASSERT_EQ(Dialogs::shownTexts().size(), 1);
        EXPECT_TRUE(Dialogs::shownTexts().first().startsWith(QString::fromUtf8(c.helpMissing)))
            << Dialogs::shownTexts().first().toStdString();
        Dialogs::reset();
        windows.reset();
    }
}

} // namespace
