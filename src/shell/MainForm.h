#pragma once
// The main window: goods, messages and parameters tabs, the menu, the activation and closing
// steps. Controls keep their designed names, both as members and as object names, so the
// exchange starters reach them as mainForm.edTDiapazon, mainForm.pbT, mainForm.CheckBox1 ….
#include "shell/AppState.h"
#include "shell/NumberSearch.h"
#include "store/Store.h"

#include <QImage>
#include <QMainWindow>
#include <functional>

class QAction;
class QComboBox;
class QCheckBox;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace tevo {

class LcdIndicator;
class TableGrid;
class TScalesForm;
class TAboutForm;
class TPaketViewForm;
class TAutoLoadForm;
class TrayIcon;
class ExchangeHub;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    Store &store() { return m_store; }
    AppState &appState() { return m_state; }

    // The windows created after this one at start-up.
    void setWindows(TScalesForm *scales, TAboutForm *about, TPaketViewForm *paketView);
    TScalesForm *scalesForm() const { return m_scalesForm; }
    TAboutForm *aboutForm() const { return m_aboutForm; }
    TPaketViewForm *paketViewForm() const { return m_paketViewForm; }
    // The automatic-loading dialog and the tray, made after the scales dialog.
    void setAutoLoad(TAutoLoadForm *autoLoad, TrayIcon *tray);
    TAutoLoadForm *autoLoadForm() const { return m_autoLoadForm; }
    TrayIcon *trayIcon() const { return m_tray; }
    // The exchange engine with its commands (made on first use).
    ExchangeHub &exchange();

    // The logo picture shown in Image1, scaled to fit with its proportions kept.
    const QImage &logoImage() const { return m_logoImage; }
    void setLogoImage(const QImage &image);

    const QString &numberSearchText() const { return m_numberSearch.text(); }
    bool widthsLoaded() const { return m_widthsLoaded; }

    // --- menu ---
    QMenu *N1 = nullptr; // "Файл"
    QAction *Excel1 = nullptr, *dbf2 = nullptr, *csv1 = nullptr, *N5 = nullptr, *xls1 = nullptr, *dbf1 = nullptr,
            *csv2 = nullptr, *csv3 = nullptr, *N4 = nullptr, *mmExit = nullptr;
    QMenu *N6 = nullptr; // "Инструменты"
    QAction *N2 = nullptr, *N3 = nullptr, *N7 = nullptr, *N11 = nullptr, *N8 = nullptr, *N10 = nullptr;
    QAction *N9 = nullptr;  // "О программе"
    QAction *N16 = nullptr; // "Помощь"

    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet2 = nullptr, *TabSheet3 = nullptr, *TabSheet1 = nullptr;

    // --- goods tab ---
    QFrame *Panel1 = nullptr;
    QLineEdit *edTDiapazon = nullptr;
    QPushButton *btnOneT = nullptr, *btnAllT = nullptr, *btnWriteT = nullptr, *btnReadT = nullptr, *btnStopT = nullptr;
    QProgressBar *pbT = nullptr;
    TableGrid *gdT = nullptr;
    QPlainTextEdit *Memo = nullptr; // hidden line buffer of the semicolon-text imports

    // --- messages tab ---
    QFrame *Panel5 = nullptr;
    QLineEdit *edMDiapazon = nullptr;
    QPushButton *btnOneM = nullptr, *btnAllM = nullptr, *btnWriteM = nullptr, *btnReadM = nullptr, *btnStopM = nullptr;
    QProgressBar *pbM = nullptr;
    TableGrid *grM = nullptr;

    // --- parameters tab ---
    QFrame *Panel3 = nullptr, *Panel2 = nullptr, *Panel4 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr;
    QComboBox *ComboBox2 = nullptr;
    QLineEdit *Edit1 = nullptr, *Edit6 = nullptr;
    QGroupBox *GroupBox3 = nullptr;
    QCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr, *CheckBox3 = nullptr, *CheckBox4 = nullptr,
              *CheckBox5 = nullptr, *CheckBox6 = nullptr, *CheckBox7 = nullptr, *CheckBox8 = nullptr;
    QGroupBox *GroupBox4 = nullptr;
    QLabel *Image1 = nullptr;
    QToolButton *SpeedButton4 = nullptr, *SpeedButton5 = nullptr;
    QGroupBox *GroupBox7 = nullptr;
    QComboBox *ComboBox5 = nullptr;
    QListWidget *ListBox1 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    QLineEdit *Edit2 = nullptr, *Edit5 = nullptr, *Edit4 = nullptr;
    QCheckBox *cbFastExchange = nullptr; // "Быстрый обмен", kept in the column-width file
    QGroupBox *GroupBox1 = nullptr;
    QGroupBox *GroupBox6 = nullptr;
    QPushButton *btnReNewScaleState = nullptr;
    LcdIndicator *liM = nullptr, *liCena = nullptr, *liCost = nullptr, *liPLU = nullptr;
    QGroupBox *GroupBox8 = nullptr;
    QLineEdit *edim = nullptr, *edisum = nullptr, *ediprod = nullptr, *edimp = nullptr, *edisp = nullptr,
              *ediprodp = nullptr, *edicp = nullptr, *edice = nullptr, *edifp = nullptr, *edifm = nullptr;
    QPushButton *btnItog = nullptr;

    // Rebuild of T as 4000 empty numbered rows; the notice box first when asked for. False when
    // it failed (the error box has been shown and the old rows stay).
    bool CreateEmptyGoods(bool showNotice);
    // Rebuild of M as 1000 empty numbered rows, after the notice box.
    bool CreateEmptyMessages();

public slots:
    // Activation steps: open the tables, maximize, recount the selected scales, load the
    // column widths (the first time), minimize once.
    void FormActivate();
    // Closing steps: store open edits (of every grid, the scales dialog's too), save the column
    // widths, commit the database.
    void FormClose();
    // The program is asked to end from outside (SIGTERM, SIGINT): the closing steps run without
    // any box, then the program ends.
    void endOnRequest();
    // The desktop session is ending: the closing steps' saving runs without any box; the
    // program ends when the session tells it to.
    void saveForSessionEnd();
    // The application is about to quit: the closing steps run if they have not yet.
    void aboutToQuit();

    void N2Click();  // scales dialog
    void N3Click();  // data check
    void N8Click();  // empty goods table
    void N9Click();  // about box
    void N10Click(); // packet log window
    void N11Click(); // empty messages table
    void N16Click(); // help document
    void mmExitClick();

    // Filled in by the exchange and file-exchange commands.
    void Excel1Click();
    void dbf2Click();
    void csv1Click();
    void xls1Click();
    void dbf1Click();
    void csv2Click();
    void csv3Click();
    void N7Click();
    void btnOneTClick();
    void btnAllTClick();
    void btnWriteTClick();
    void btnReadTClick();
    void btnStopTClick();
    void btnOneMClick();
    void btnAllMClick();
    void btnWriteMClick();
    void btnReadMClick();
    void btnStopMClick();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void btnReNewScaleStateClick();
    void btnItogClick();

signals:
    // The window has closed: the program ends.
    void closed();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    void buildGoodsTab();
    void buildMessagesTab();
    void buildParametersTab();
    void connectHandlers();

    // Key handlers of the grids.
    bool gdTKeyPress(QKeyEvent *event);
    void gdTKeyUp();
    void grMKeyUp();
    void gdTCellClick();

    bool rebuild(bool goods, bool showNotice);
    // True, with the refusal shown, when a long table operation cannot start now.
    bool refusedWhileBusy();
    // Asks for a file and loads it with `load`, as the long table operation `what`.
    bool importFile(const QString &what, const QString &filter, const std::function<void(const QString &)> &load);
    void rereadBeforeExport();
    // The steps of closeEvent: once per run.
    void closeOnce();

    Store m_store;
    AppState m_state;
    NumberSearch m_numberSearch;
    QImage m_logoImage;
    TScalesForm *m_scalesForm = nullptr;
    TAboutForm *m_aboutForm = nullptr;
    TPaketViewForm *m_paketViewForm = nullptr;
    TAutoLoadForm *m_autoLoadForm = nullptr;
    TrayIcon *m_tray = nullptr;
    ExchangeHub *m_hub = nullptr;
    bool m_widthsLoaded = false;
    bool m_activating = false;
    bool m_closed = false;
    bool m_showingActivateError = false;
    bool m_skipActivation = false;
};

} // namespace tevo
