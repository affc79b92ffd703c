#include "shell/MainWindow.h"

#include "common/AppPaths.h"
#include "common/ErrorSink.h"
#include "common/ProfileFile.h"
#include "shell/AboutDialog.h"
#include "shell/AutoLoadDialog.h"
#include "shell/ColumnWidths.h"
#include "shell/Dialogs.h"
#include "shell/ExchangeHub.h"
#include "shell/GoodsTab.h"
#include "shell/GuideWindow.h"
#include "shell/HistoryWindow.h"
#include "shell/JournalWindow.h"
#include "shell/MessagesTab.h"
#include "shell/PacketLogWindow.h"
#include "shell/ParametersTab.h"
#include "shell/ScalesDialog.h"
#include "shell/ShellStyle.h"
#include "shell/TableGrid.h"
#include "shell/WorkProperties.h"
#include "store/DataCheck.h"
#include "store/DatabaseChoice.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QUrl>

namespace tevo {
namespace {

const char *const kRebuildNotice =
    QT_TRANSLATE_NOOP("tevo::MainWindow", "Эта операция займет до 5 минут... Нажмите \"Ок\"");

// Restores the normal cursor when a long operation ends, however it ends.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

QAction *namedAction(QMenu *menu, const char *name, const QString &caption)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    return a;
}

QAction *namedSeparator(QMenu *menu, const char *name)
{
    QAction *a = menu->addSeparator();
    a->setObjectName(QLatin1String(name));
    return a;
}

} // namespace

MainWindow::MainWindow(Session &session, QWidget *parent) : QMainWindow(parent), m_session(session), m_state(this)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(tr("Tevo Версия 1.6"));
    setFont(style::windowFont());
    style::paintPaleGreen(this);
    resize(1036, 780);

    buildMenu();

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("PageControl1"));
    m_tabs->setTabPosition(QTabWidget::West);
    m_tabs->setDocumentMode(false);
    setCentralWidget(m_tabs);

    Store &store = m_session.store();
    m_goodsTab = new GoodsTab(store.goods(), store.guard());
    m_messagesTab = new MessagesTab(store.messages(), store.guard());
    m_parametersTab = new ParametersTab;
    m_tabs->addTab(m_goodsTab, tr("Товары"));
    m_tabs->addTab(m_messagesTab, tr("Сообщения"));
    m_tabs->addTab(m_parametersTab, tr("Параметры"));
    m_tabs->setCurrentIndex(0);

    // The goods' history from the goods grid: its context menu and Ctrl+H.
    m_goodsHistoryAction = new QAction(tr("История товара"), m_goodsTab->grid());
    m_goodsHistoryAction->setObjectName(QStringLiteral("GoodsHistory"));
    m_goodsHistoryAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    m_goodsHistoryAction->setShortcutContext(Qt::WidgetShortcut);
    m_goodsTab->grid()->addAction(m_goodsHistoryAction);
    m_goodsTab->grid()->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(m_goodsHistoryAction, &QAction::triggered, this, &MainWindow::onGoodsHistoryTriggered);
    connect(m_journalAction, &QAction::triggered, this, &MainWindow::onJournalTriggered);

    connectMenu();
    m_parametersTab->setFastExchangeTicked(
        WorkProperties::readFastExchange(besideProgram(QLatin1String(kColumnWidthsFileName))));
    m_parametersTab->setChangedOnlyTicked(
        WorkProperties::readChangedOnly(besideProgram(QLatin1String(kColumnWidthsFileName))));
    restoreWorkProperties();

    m_goodsTab->grid()->setFocus(); // the goods grid has the keys when the window first becomes active
    Dialogs::setMainWindow(this);

    // Rebuilds and other long runs keep the window alive between rows.
    store.setRowHook([] { QCoreApplication::processEvents(); });
    connect(&store.database(), &Database::commitFailed, this, [](const QString &text) { reportError(text); });
    m_hub = std::make_unique<ExchangeHub>(*this, m_session);
}

MainWindow::~MainWindow()
{
    Dialogs::setMainWindow(nullptr);
    // The glue between the exchange and the tabs goes first.
    m_hub.reset();
    // The grids go before the tables they show.
    m_goodsTab->releaseTable();
    m_messagesTab->releaseTable();
}

void MainWindow::setWindows(ScalesDialog *scales, AboutDialog *about, PacketLogWindow *packetLog)
{
    m_scalesDialog = scales;
    m_aboutDialog = about;
    m_packetLogWindow = packetLog;
}

void MainWindow::buildMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    m_fileMenu = bar->addMenu(tr("Файл"));
    m_fileMenu->setObjectName(QStringLiteral("N1"));
    m_fileMenu->menuAction()->setObjectName(QStringLiteral("N1"));
    m_exportTextAction = namedAction(m_fileMenu, "Excel1", tr("Экспорт товаров в *.txt"));
    m_exportDbfAction = namedAction(m_fileMenu, "dbf2", tr("Экспорт товаров в *.dbf"));
    m_exportXlsAction = namedAction(m_fileMenu, "csv1", tr("Экспорт товаров в *.xls"));
    m_exportXlsxAction = namedAction(m_fileMenu, "ExportXlsx", tr("Экспорт товаров в *.xlsx"));
    namedSeparator(m_fileMenu, "N5");
    m_importTextAction = namedAction(m_fileMenu, "xls1", tr("Импорт товаров из *.txt"));
    m_importDbfAction = namedAction(m_fileMenu, "dbf1", tr("Импорт товаров из *.dbf"));
    m_importGoodsCsvAction = namedAction(m_fileMenu, "csv2", tr("Импорт товаров из *.csv"));
    m_importMessagesCsvAction = namedAction(m_fileMenu, "csv3", tr("Импорт сообщеий из *.csv"));
    m_importGoodsTableAction = namedAction(m_fileMenu, "ImportGoodsTable", tr("Импорт товаров из файла…"));
    m_importMessagesTableAction = namedAction(m_fileMenu, "ImportMessagesTable", tr("Импорт сообщений из файла…"));
    namedSeparator(m_fileMenu, "N4");
    m_exitAction = namedAction(m_fileMenu, "mmExit", tr("Выход"));

    m_toolsMenu = bar->addMenu(tr("Инструменты"));
    m_toolsMenu->setObjectName(QStringLiteral("N6"));
    m_toolsMenu->menuAction()->setObjectName(QStringLiteral("N6"));
    m_scalesSetupAction = namedAction(m_toolsMenu, "N2", tr("Настройка весов"));
    m_checkDataAction = namedAction(m_toolsMenu, "N3", tr("Проверить данные"));
    m_autoLoadAction = namedAction(m_toolsMenu, "N7", tr("Автоматическая загрузка товаров"));
    m_emptyMessagesAction = namedAction(m_toolsMenu, "N11", tr("Создать пустую таблицю сообщений"));
    // The fourth letter of "пуcтую" is the Latin c, as the users know the command.
    m_emptyGoodsAction = namedAction(m_toolsMenu, "N8",
                                     tr("Создать пу"
                                        "c"
                                        "тую таблицу товаров"));
    m_packetLogAction = namedAction(m_toolsMenu, "N10", tr("Просмотр пакетов"));
    m_journalAction = namedAction(m_toolsMenu, "JournalMenu", tr("Журнал изменений"));

    m_aboutAction = bar->addAction(tr("О программе"));
    m_aboutAction->setObjectName(QStringLiteral("N9"));
    m_helpAction = bar->addAction(tr("Помощь"));
    m_helpAction->setObjectName(QStringLiteral("N16"));
}

void MainWindow::connectMenu()
{
    const std::pair<QAction *, void (MainWindow::*)()> commands[] = {
        {m_exportTextAction, &MainWindow::onExportTextTriggered},
        {m_exportDbfAction, &MainWindow::onExportDbfTriggered},
        {m_exportXlsAction, &MainWindow::onExportXlsTriggered},
        {m_importTextAction, &MainWindow::onImportTextTriggered},
        {m_importDbfAction, &MainWindow::onImportDbfTriggered},
        {m_importGoodsCsvAction, &MainWindow::onImportGoodsCsvTriggered},
        {m_importMessagesCsvAction, &MainWindow::onImportMessagesCsvTriggered},
        {m_exportXlsxAction, &MainWindow::onExportXlsxTriggered},
        {m_importGoodsTableAction, &MainWindow::onImportGoodsTableTriggered},
        {m_importMessagesTableAction, &MainWindow::onImportMessagesTableTriggered},
        {m_exitAction, &MainWindow::onExitTriggered},
        {m_scalesSetupAction, &MainWindow::onScalesSetupTriggered},
        {m_checkDataAction, &MainWindow::onCheckDataTriggered},
        {m_autoLoadAction, &MainWindow::onAutoLoadTriggered},
        {m_emptyMessagesAction, &MainWindow::onEmptyMessagesTriggered},
        {m_emptyGoodsAction, &MainWindow::onEmptyGoodsTriggered},
        {m_packetLogAction, &MainWindow::onPacketLogTriggered},
        {m_aboutAction, &MainWindow::onAboutTriggered},
        {m_helpAction, &MainWindow::onHelpTriggered},
    };
    for (const auto &[action, slot] : commands)
        connect(action, &QAction::triggered, this, slot);
}

// --- activation and closing ---------------------------------------------------------------

bool MainWindow::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        if (m_skipActivation)
            m_skipActivation = false; // the error box of the last attempt has just closed
        else
            runActivationSteps();
        break;
    case QEvent::WindowDeactivate:
        if (m_showingActivateError)
            m_skipActivation = true;
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

void MainWindow::runActivationSteps()
{
    if (m_activating)
        return;
    m_activating = true;
    m_showingActivateError = true; // a failure's error box takes the activation away
    // The file, or the server that Database.ini names; a server that cannot be reached fails
    // here as a missing file does. Each activation also shows what another program (the
    // command line) committed meanwhile.
    const bool opened = guarded([&] {
        store().openTables(chosenDatabase());
        store().rereadIfChangedElsewhere();
    });
    m_showingActivateError = false;
    if (!m_choiceWarned) {
        // Once a run: a password in a Database.ini that other users may read.
        m_choiceWarned = true;
        const QString warning = databaseChoiceWarning();
        if (!warning.isEmpty())
            Dialogs::message(Dialogs::Kind::Warning, warning);
    }
    if (!opened) {
        // The error box has been shown; the remaining steps wait for the next activation.
        // Closing that box activates the window again, which is not taken as a new attempt.
        m_activating = false;
        return;
    }
    setWindowState((windowState() & ~(Qt::WindowMinimized | Qt::WindowFullScreen)) | Qt::WindowMaximized);
    m_state.setSelectedScaleCount(store().countSelectedScales());
    if (!m_widthsLoaded) {
        ColumnWidths::load(besideProgram(QLatin1String(kColumnWidthsFileName)),
                           {m_goodsTab->grid(), m_messagesTab->grid()});
        m_widthsLoaded = true;
    }
    if (m_state.startMinimized()) {
        setWindowState(windowState() | Qt::WindowMinimized);
        m_state.setStartMinimized(false);
    }
    m_activating = false;
}

void MainWindow::restoreWorkProperties()
{
    // What the user left at the last close; a missing or unreadable file leaves the designed
    // values (an empty header among them).
    ProfileFile file(besideProgram(QLatin1String(kColumnWidthsFileName)));
    if (!file.load())
        return;
    ParametersTab::Kept kept = m_parametersTab->kept();
    WorkProperties::readParameters(file, kept);
    m_parametersTab->restore(kept);
    m_goodsTab->setRangeText(WorkProperties::readRange(file, WorkProperties::kGoodsRangeKey, m_goodsTab->rangeText()));
    m_messagesTab->setRangeText(
        WorkProperties::readRange(file, WorkProperties::kMessagesRangeKey, m_messagesTab->rangeText()));
}

void MainWindow::runClosingSteps()
{
    store().storeOpenEdits();
    // Widths, the parameters tab and the ranges are saved only once the stored widths were loaded: a run whose
    // database never opened leaves the file as it was.
    if (m_widthsLoaded)
        guarded([&] {
            ColumnWidths::save(besideProgram(QLatin1String(kColumnWidthsFileName)),
                               {m_goodsTab->grid(), m_messagesTab->grid()}, [&](ProfileFile &file) {
                                   WorkProperties::writeFastExchange(file, m_parametersTab->fastExchangeTicked());
                                   WorkProperties::writeChangedOnly(file, m_parametersTab->changedOnlyTicked());
                                   WorkProperties::writeParameters(file, m_parametersTab->kept());
                                   WorkProperties::writeRange(file, WorkProperties::kGoodsRangeKey,
                                                              m_goodsTab->rangeText());
                                   WorkProperties::writeRange(file, WorkProperties::kMessagesRangeKey,
                                                              m_messagesTab->rangeText());
                               });
        });
    guarded([&] { store().database().commitAtEnd(); });
}

void MainWindow::closeOnce()
{
    if (m_closed)
        return;
    m_closed = true;
    // No long table operation starts from now on; one that runs ends by itself and its
    // changes are committed when the connection closes.
    store().guard().end();
    runClosingSteps();
    // Whatever still runs while the program winds down shows no box that would hold it up.
    Dialogs::setEnding(true);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    closeOnce();
    event->accept();
    emit closed();
}

void MainWindow::endOnRequest()
{
    Dialogs::setEnding(true);
    close();
}

void MainWindow::saveForSessionEnd()
{
    const bool wasEnding = Dialogs::ending();
    Dialogs::setEnding(true);
    runClosingSteps();
    Dialogs::setEnding(wasEnding);
}

void MainWindow::aboutToQuit()
{
    Dialogs::setEnding(true);
    closeOnce();
}

// --- menu commands -----------------------------------------------------------------------

void MainWindow::onExitTriggered() { close(); }

void MainWindow::onScalesSetupTriggered()
{
    if (!m_scalesDialog)
        return;
    m_scalesDialog->setWindowTitle(tr("Настройка весов"));
    Dialogs::execModal(m_scalesDialog);
}

void MainWindow::onCheckDataTriggered()
{
    QString text;
    guarded([&] { store().rereadIfChangedElsewhere(); });
    if (guarded([&] { text = checkGoods(store().goods()); }))
        Dialogs::message(Dialogs::Kind::Plain, text);
}

void MainWindow::onEmptyGoodsTriggered()
{
    if (refusedWhileBusy())
        return;
    if (Dialogs::message(Dialogs::Kind::Warning,
                         tr("Создание пустой таблицы занимает несколько минут и уничтожает текущую базу "
                            "данных. Вы действительно хотите продолжить?"),
                         QMessageBox::Ok | QMessageBox::Cancel)
        != QMessageBox::Ok)
        return;
    const Outcome outcome = rebuild(true, true);
    if (outcome.done())
        Dialogs::message(Dialogs::Kind::Plain, outcome.text);
}

void MainWindow::onEmptyMessagesTriggered() { createEmptyMessages(); }

void MainWindow::onAboutTriggered()
{
    if (m_aboutDialog)
        Dialogs::execModal(m_aboutDialog);
}

void MainWindow::onJournalTriggered()
{
    if (!m_journalWindow)
        m_journalWindow = new JournalWindow(store(), this);
    m_journalWindow->showJournal();
    m_journalWindow->show();
    m_journalWindow->raise();
    m_journalWindow->activateWindow();
}

void MainWindow::onGoodsHistoryTriggered()
{
    Table &goods = store().goods();
    const int row = goods.currentRow();
    if (row < 0 || goods.isNull(row, QStringLiteral("NPLU")))
        return;
    if (!m_historyWindow)
        m_historyWindow = new HistoryWindow(store(), this);
    m_historyWindow->showGoods(goods.value(row, QStringLiteral("NPLU")).toLongLong());
    m_historyWindow->show();
    m_historyWindow->raise();
    m_historyWindow->activateWindow();
}

void MainWindow::onPacketLogTriggered()
{
    if (!m_packetLogWindow)
        return;
    m_packetLogWindow->show();
    m_packetLogWindow->raise();
    m_packetLogWindow->activateWindow();
}

void MainWindow::onHelpTriggered()
{
    // The user guide the package ships, in the program's own window: no browser is needed.
    const QString path = shippedFile(QLatin1String(kUserGuideFile));
    if (!QFileInfo(path).isFile()) {
        Dialogs::message(Dialogs::Kind::Error, tr("Файл справки не найден:\n%1").arg(path));
        return;
    }
    if (!m_guideWindow)
        m_guideWindow = new GuideWindow(this);
    m_guideWindow->openGuide(path);
    m_guideWindow->show();
    m_guideWindow->raise();
    m_guideWindow->activateWindow();
}

// --- table rebuilds ----------------------------------------------------------------------

Outcome MainWindow::rebuild(bool goods, bool showNotice)
{
    if (refusedWhileBusy()) // said before the notice that asks to wait
        return Outcome::refused(QString());
    if (showNotice)
        Dialogs::message(Dialogs::Kind::Plain, tr(kRebuildNotice));
    // The guard is held until the rebuild has ended, while window events are processed
    // between its rows.
    WaitCursor wait;
    const Outcome outcome = rebuildTable(store(), goods);
    shown(outcome);
    return outcome;
}

bool MainWindow::shown(const Outcome &outcome)
{
    if (outcome.result == Outcome::Result::Refused)
        Dialogs::message(Dialogs::Kind::Error, outcome.text);
    else if (outcome.result == Outcome::Result::Failed)
        reportError(outcome.text);
    return outcome.done();
}

bool MainWindow::refusedWhileBusy()
{
    const QString refusal = store().guard().refusal();
    if (refusal.isEmpty())
        return false;
    Dialogs::message(Dialogs::Kind::Error, refusal);
    return true;
}

bool MainWindow::createEmptyGoods(bool showNotice) { return rebuild(true, showNotice).done(); }
bool MainWindow::createEmptyMessages()
{
    // 1000 messages go in one click: the notice offers "Отмена" too.
    if (refusedWhileBusy())
        return false;
    if (Dialogs::message(Dialogs::Kind::Plain, tr(kRebuildNotice), QMessageBox::Ok | QMessageBox::Cancel)
        != QMessageBox::Ok)
        return false;
    return rebuild(false, false).done();
}

// --- windows made after this one -----------------------------------------------------------

void MainWindow::setAutoLoad(AutoLoadDialog *autoLoad, TrayIcon *tray)
{
    m_autoLoadDialog = autoLoad;
    m_tray = tray;
}

void MainWindow::onAutoLoadTriggered()
{
    if (m_autoLoadDialog)
        Dialogs::execModal(m_autoLoadDialog);
}

} // namespace tevo
