#include "shell/MainForm.h"
#include "shell/ExchangeHub.h"

#include "common/AppPaths.h"
#include "common/ErrorSink.h"
#include "common/ProfileFile.h"
#include "shell/AboutForm.h"
#include "shell/ColumnWidths.h"
#include "shell/Dialogs.h"
#include "shell/PaketViewForm.h"
#include "shell/ScalesForm.h"
#include "shell/ShellStyle.h"
#include "shell/TableGrid.h"
#include "shell/WorkProperties.h"
#include "store/DataCheck.h"
#include "store/DatabaseChoice.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>

namespace tevo {
namespace {

const QString kRebuildNotice = QStringLiteral("Эта операция займет до 5 минут... Нажмите \"Ок\"");
const QString kRebuildingGoods = QStringLiteral("создание пустой таблицы товаров");
const QString kRebuildingMessages = QStringLiteral("создание пустой таблицы сообщений");

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

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent), m_state(this)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Tevo Версия 1.6"));
    setFont(style::windowFont());
    style::paintPaleGreen(this);
    resize(1036, 780);

    buildMenu();

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setTabPosition(QTabWidget::West);
    PageControl1->setDocumentMode(false);
    setCentralWidget(PageControl1);

    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    TabSheet3 = new QWidget;
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    for (QWidget *page : {TabSheet2, TabSheet3, TabSheet1})
        style::paintPaleGreen(page);
    PageControl1->addTab(TabSheet2, QStringLiteral("Товары"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Сообщения"));
    PageControl1->addTab(TabSheet1, QStringLiteral("Параметры"));
    PageControl1->setCurrentIndex(0);

    buildGoodsTab();
    buildMessagesTab();
    buildParametersTab();
    connectHandlers();
    cbFastExchange->setChecked(WorkProperties::readFastExchange(besideProgram(QLatin1String(kColumnWidthsFileName))));

    gdT->setTable(&m_store.goods());
    grM->setTable(&m_store.messages());
    gdT->setGuard(&m_store.guard());
    grM->setGuard(&m_store.guard());
    gdT->installEventFilter(this);
    gdT->setFocus(); // the goods grid has the keys when the window first becomes active
    Dialogs::setMainWindow(this);

    // Rebuilds and other long runs keep the window alive between rows.
    m_store.setRowHook([] { QCoreApplication::processEvents(); });
    connect(&m_store.database(), &Database::commitFailed, this, [](const QString &text) { reportError(text); });
}

TMainForm::~TMainForm()
{
    Dialogs::setMainWindow(nullptr);
    // The exchange works on the tables: it goes first.
    delete m_hub;
    m_hub = nullptr;
    // The grids go before the tables they show.
    gdT->setTable(nullptr);
    grM->setTable(nullptr);
}

void TMainForm::setWindows(TScalesForm *scales, TAboutForm *about, TPaketViewForm *paketView)
{
    m_scalesForm = scales;
    m_aboutForm = about;
    m_paketViewForm = paketView;
}

void TMainForm::buildMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    N1 = bar->addMenu(QStringLiteral("Файл"));
    N1->setObjectName(QStringLiteral("N1"));
    N1->menuAction()->setObjectName(QStringLiteral("N1"));
    Excel1 = namedAction(N1, "Excel1", QStringLiteral("Экспорт товаров в *.txt"));
    dbf2 = namedAction(N1, "dbf2", QStringLiteral("Экспорт товаров в *.dbf"));
    csv1 = namedAction(N1, "csv1", QStringLiteral("Экспорт товаров в *.xls"));
    N5 = namedSeparator(N1, "N5");
    xls1 = namedAction(N1, "xls1", QStringLiteral("Импорт товаров из *.txt"));
    dbf1 = namedAction(N1, "dbf1", QStringLiteral("Импорт товаров из *.dbf"));
    csv2 = namedAction(N1, "csv2", QStringLiteral("Импорт товаров из *.csv"));
    csv3 = namedAction(N1, "csv3", QStringLiteral("Импорт сообщеий из *.csv"));
    N4 = namedSeparator(N1, "N4");
    mmExit = namedAction(N1, "mmExit", QStringLiteral("Выход"));

    N6 = bar->addMenu(QStringLiteral("Инструменты"));
    N6->setObjectName(QStringLiteral("N6"));
    N6->menuAction()->setObjectName(QStringLiteral("N6"));
    N2 = namedAction(N6, "N2", QStringLiteral("Настройка весов"));
    N3 = namedAction(N6, "N3", QStringLiteral("Проверить данные"));
    N7 = namedAction(N6, "N7", QStringLiteral("Автоматическая загрузка товаров"));
    N11 = namedAction(N6, "N11", QStringLiteral("Создать пустую таблицю сообщений"));
    // The fourth letter of "пуcтую" is the Latin c, as the users know the command.
    N8 = namedAction(N6, "N8", QStringLiteral("Создать пу" "c" "тую таблицу товаров"));
    N10 = namedAction(N6, "N10", QStringLiteral("Просмотр пакетов"));

    N9 = bar->addAction(QStringLiteral("О программе"));
    N9->setObjectName(QStringLiteral("N9"));
    N16 = bar->addAction(QStringLiteral("Помощь"));
    N16->setObjectName(QStringLiteral("N16"));
}

void TMainForm::connectHandlers()
{
    connect(Excel1, &QAction::triggered, this, &TMainForm::Excel1Click);
    connect(dbf2, &QAction::triggered, this, &TMainForm::dbf2Click);
    connect(csv1, &QAction::triggered, this, &TMainForm::csv1Click);
    connect(xls1, &QAction::triggered, this, &TMainForm::xls1Click);
    connect(dbf1, &QAction::triggered, this, &TMainForm::dbf1Click);
    connect(csv2, &QAction::triggered, this, &TMainForm::csv2Click);
    connect(csv3, &QAction::triggered, this, &TMainForm::csv3Click);
    connect(mmExit, &QAction::triggered, this, &TMainForm::mmExitClick);
    connect(N2, &QAction::triggered, this, &TMainForm::N2Click);
    connect(N3, &QAction::triggered, this, &TMainForm::N3Click);
    connect(N7, &QAction::triggered, this, &TMainForm::N7Click);
    connect(N11, &QAction::triggered, this, &TMainForm::N11Click);
    connect(N8, &QAction::triggered, this, &TMainForm::N8Click);
    connect(N10, &QAction::triggered, this, &TMainForm::N10Click);
    connect(N9, &QAction::triggered, this, &TMainForm::N9Click);
    connect(N16, &QAction::triggered, this, &TMainForm::N16Click);

    connect(btnOneT, &QPushButton::clicked, this, &TMainForm::btnOneTClick);
    connect(btnAllT, &QPushButton::clicked, this, &TMainForm::btnAllTClick);
    connect(btnWriteT, &QPushButton::clicked, this, &TMainForm::btnWriteTClick);
    connect(btnReadT, &QPushButton::clicked, this, &TMainForm::btnReadTClick);
    connect(btnStopT, &QPushButton::clicked, this, &TMainForm::btnStopTClick);
    connect(btnOneM, &QPushButton::clicked, this, &TMainForm::btnOneMClick);
    connect(btnAllM, &QPushButton::clicked, this, &TMainForm::btnAllMClick);
    connect(btnWriteM, &QPushButton::clicked, this, &TMainForm::btnWriteMClick);
    connect(btnReadM, &QPushButton::clicked, this, &TMainForm::btnReadMClick);
    connect(btnStopM, &QPushButton::clicked, this, &TMainForm::btnStopMClick);
    connect(Button1, &QPushButton::clicked, this, &TMainForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TMainForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TMainForm::Button3Click);
    connect(SpeedButton4, &QToolButton::clicked, this, &TMainForm::SpeedButton4Click);
    connect(SpeedButton5, &QToolButton::clicked, this, &TMainForm::SpeedButton5Click);
    connect(btnReNewScaleState, &QPushButton::clicked, this, &TMainForm::btnReNewScaleStateClick);
    connect(btnItog, &QPushButton::clicked, this, &TMainForm::btnItogClick);

    connect(gdT, &TableGrid::keyReleased, this, &TMainForm::gdTKeyUp);
    connect(grM, &TableGrid::keyReleased, this, &TMainForm::grMKeyUp);
    connect(gdT, &QAbstractItemView::pressed, this, &TMainForm::gdTCellClick);
}

// --- activation and closing ---------------------------------------------------------------

bool TMainForm::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        if (m_skipActivation)
            m_skipActivation = false; // the error box of the last attempt has just closed
        else
            FormActivate();
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

void TMainForm::FormActivate()
{
    if (m_activating)
        return;
    m_activating = true;
    m_showingActivateError = true; // a failure's error box takes the activation away
    // The file, or the server that Database.ini names; a server that cannot be reached fails
    // here as a missing file does. Each activation also shows what another program (the
    // command line) committed meanwhile.
    const bool opened = guarded([&] {
        m_store.openTables(chosenDatabase());
        m_store.rereadIfChangedElsewhere();
    });
    m_showingActivateError = false;
    if (!opened) {
        // The error box has been shown; the remaining steps wait for the next activation.
        // Closing that box activates the window again, which is not taken as a new attempt.
        m_activating = false;
        return;
    }
    setWindowState((windowState() & ~(Qt::WindowMinimized | Qt::WindowFullScreen)) | Qt::WindowMaximized);
    m_state.setSelectedScaleCount(m_store.countSelectedScales());
    if (!m_widthsLoaded) {
        ColumnWidths::load(besideProgram(QLatin1String(kColumnWidthsFileName)), {gdT, grM});
        m_widthsLoaded = true;
    }
    if (m_state.StartMinimized) {
        setWindowState(windowState() | Qt::WindowMinimized);
        m_state.StartMinimized = false;
    }
    m_activating = false;
}

void TMainForm::FormClose()
{
    m_store.storeOpenEdits();
    // Widths and "Быстрый обмен" are saved only once the stored widths were loaded: a run whose
    // database never opened leaves the file as it was.
    if (m_widthsLoaded)
        guarded([&] {
            ColumnWidths::save(besideProgram(QLatin1String(kColumnWidthsFileName)), {gdT, grM},
                               [&](ProfileFile &file) { WorkProperties::writeFastExchange(file, cbFastExchange->isChecked()); });
        });
    guarded([&] { m_store.database().commitAtEnd(); });
}

void TMainForm::closeOnce()
{
    if (m_closed)
        return;
    m_closed = true;
    // No long table operation starts from now on; one that runs ends by itself and its
    // changes are committed when the connection closes.
    m_store.guard().end();
    FormClose();
    // Whatever still runs while the program winds down shows no box that would hold it up.
    Dialogs::setEnding(true);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    closeOnce();
    event->accept();
    emit closed();
}

void TMainForm::endOnRequest()
{
    Dialogs::setEnding(true);
    close();
}

void TMainForm::saveForSessionEnd()
{
    const bool wasEnding = Dialogs::ending();
    Dialogs::setEnding(true);
    FormClose();
    Dialogs::setEnding(wasEnding);
}

void TMainForm::aboutToQuit()
{
    Dialogs::setEnding(true);
    closeOnce();
}

// --- menu commands -----------------------------------------------------------------------

void TMainForm::mmExitClick() { close(); }

void TMainForm::N2Click()
{
    if (!m_scalesForm)
        return;
    m_scalesForm->setWindowTitle(QStringLiteral("Настройка весов"));
    Dialogs::execModal(m_scalesForm);
}

void TMainForm::N3Click()
{
    QString text;
    guarded([&] { m_store.rereadIfChangedElsewhere(); });
    if (guarded([&] { text = checkGoods(m_store.goods()); }))
        Dialogs::message(Dialogs::Kind::Plain, text);
}

void TMainForm::N8Click()
{
    if (refusedWhileBusy())
        return;
    if (Dialogs::message(Dialogs::Kind::Warning,
                         QStringLiteral("Создание пустой таблицы занимает несколько минут и уничтожает текущую базу "
                                        "данных. Вы действительно хотите продолжить?"),
                         QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    if (CreateEmptyGoods(true))
        Dialogs::message(Dialogs::Kind::Plain, QStringLiteral("Пустая таблица успешно создана!"));
}

void TMainForm::N11Click() { CreateEmptyMessages(); }

void TMainForm::N9Click()
{
    if (m_aboutForm)
        Dialogs::execModal(m_aboutForm);
}

void TMainForm::N10Click()
{
    if (!m_paketViewForm)
        return;
    m_paketViewForm->show();
    m_paketViewForm->raise();
    m_paketViewForm->activateWindow();
}

void TMainForm::N16Click()
{
    // The user guide the package ships, in the system's viewer.
    const QString path = shippedFile(QLatin1String(kUserGuideFile));
    if (!QFileInfo(path).isFile()) {
        Dialogs::message(Dialogs::Kind::Error, QStringLiteral("Файл справки не найден:\n%1").arg(path));
        return;
    }
    if (!Dialogs::openDocument(QUrl::fromLocalFile(path)))
        Dialogs::message(Dialogs::Kind::Error, QStringLiteral("Не удалось открыть файл справки:\n%1").arg(path));
}

// --- table rebuilds ----------------------------------------------------------------------

bool TMainForm::rebuild(bool goods, bool showNotice)
{
    const QString what = goods ? kRebuildingGoods : kRebuildingMessages;
    if (refusedWhileBusy()) // said before the notice that asks to wait
        return false;
    if (showNotice)
        Dialogs::message(Dialogs::Kind::Plain, kRebuildNotice);
    // Held until the rebuild has ended, while window events are processed between its rows.
    OperationGuard::Scope scope(m_store.guard(), what);
    if (!scope) {
        Dialogs::message(Dialogs::Kind::Error, scope.refusal());
        return false;
    }
    WaitCursor wait;
    return guarded([&] { goods ? m_store.createEmptyGoods() : m_store.createEmptyMessages(); });
}

bool TMainForm::refusedWhileBusy()
{
    const QString refusal = m_store.guard().refusal();
    if (refusal.isEmpty())
        return false;
    Dialogs::message(Dialogs::Kind::Error, refusal);
    return true;
}

bool TMainForm::CreateEmptyGoods(bool showNotice) { return rebuild(true, showNotice); }
bool TMainForm::CreateEmptyMessages() { return rebuild(false, true); }

// --- logo picture ------------------------------------------------------------------------

void TMainForm::setLogoImage(const QImage &image)
{
    m_logoImage = image;
    const QPixmap pixmap = QPixmap::fromImage(image);
    Image1->setPixmap(pixmap.isNull() ? pixmap
                                      : pixmap.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace tevo
