#pragma once
// The main window: the goods, messages and parameters tabs, the menu, the activation and closing
// steps. The tabs are widgets of their own; the exchange glue (ExchangeHub) talks to them. Every
// control and action keeps its designed name as its object name ("N7", "gdT", "CheckBox1" …).
#include "session/Session.h"
#include "shell/AppState.h"

#include "session/Operations.h"
#include <QMainWindow>

#include <memory>

class QAction;
class QMenu;
class QTabWidget;

namespace tevo {

enum class ImportTarget; // fileio/ColumnMapping.h

class GoodsTab;
class HistoryWindow;
class JournalWindow;
class MessagesTab;
class ParametersTab;
class ScalesDialog;
class AboutDialog;
class GuideWindow;
class PacketLogWindow;
class AutoLoadDialog;
class TrayIcon;
class ExchangeHub;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Session &session, QWidget *parent = nullptr);
    ~MainWindow() override;

    Session &session() { return m_session; }
    Store &store() { return m_session.store(); }
    AppState &appState() { return m_state; }

    // The windows created after this one at start-up.
    void setWindows(ScalesDialog *scales, AboutDialog *about, PacketLogWindow *packetLog);
    ScalesDialog *scalesDialog() const { return m_scalesDialog; }
    AboutDialog *aboutDialog() const { return m_aboutDialog; }
    PacketLogWindow *packetLogWindow() const { return m_packetLogWindow; }
    // The automatic-loading dialog and the tray, made after the scales dialog.
    void setAutoLoad(AutoLoadDialog *autoLoad, TrayIcon *tray);
    AutoLoadDialog *autoLoadDialog() const { return m_autoLoadDialog; }
    TrayIcon *trayIcon() const { return m_tray; }
    // The exchange glue with its commands, owned by the window.
    ExchangeHub &exchange() { return *m_hub; }

    GoodsTab &goodsTab() const { return *m_goodsTab; }
    MessagesTab &messagesTab() const { return *m_messagesTab; }
    ParametersTab &parametersTab() const { return *m_parametersTab; }

    bool widthsLoaded() const { return m_widthsLoaded; }

    // Rebuild of T as 4000 empty numbered rows; the notice box first when asked for. False when
    // it failed (the error box has been shown and the old rows stay).
    bool createEmptyGoods(bool showNotice);
    // Rebuild of M as 1000 empty numbered rows, after the notice box (nothing when it is cancelled).
    bool createEmptyMessages();

public slots:
    // Activation steps: open the tables, maximize, recount the selected scales, load the
    // column widths (the first time), minimize once.
    void runActivationSteps();
    // Closing steps: store open edits (of every grid, the scales dialog's too), save the column
    // widths, the parameters tab and the ranges (WorkProperties), commit the database.
    void runClosingSteps();
    // The program is asked to end from outside (SIGTERM, SIGINT): the closing steps run without
    // any box, then the program ends.
    void endOnRequest();
    // The desktop session is ending: the closing steps' saving runs without any box; the
    // program ends when the session tells it to.
    void saveForSessionEnd();
    // The application is about to quit: the closing steps run if they have not yet.
    void aboutToQuit();

    // File menu.
    void onExportTextTriggered();
    void onExportDbfTriggered();
    void onExportXlsTriggered();
    void onImportTextTriggered();
    void onImportDbfTriggered();
    void onImportGoodsCsvTriggered();
    void onImportMessagesCsvTriggered();
    void onExportXlsxTriggered();
    // The import window of another program's table: goods or messages.
    void onImportGoodsTableTriggered();
    void onImportMessagesTableTriggered();
    void onExitTriggered();
    // Tools menu and the menu bar.
    void onScalesSetupTriggered();
    void onCheckDataTriggered();
    void onAutoLoadTriggered();
    void onEmptyMessagesTriggered();
    void onEmptyGoodsTriggered();
    void onPacketLogTriggered();
    // "Журнал изменений" and "История товара" (the goods grid's context menu, Ctrl+H).
    void onJournalTriggered();
    void onGoodsHistoryTriggered();
    void onAboutTriggered();
    void onHelpTriggered();

signals:
    // The window has closed: the program ends.
    void closed();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    void connectMenu();
    // The parameters tab and the ranges as the last close left them.
    void restoreWorkProperties();

    // A rebuild with its refusal or failure shown.
    Outcome rebuild(bool goods, bool showNotice);
    // True, with the refusal shown, when a long table operation cannot start now.
    bool refusedWhileBusy();
    // Shows how an operation ended: a refusal in the error box, a failure in the common error
    // box; true when it was done.
    static bool shown(const Outcome &outcome);
    // Asks for a file (`filter`) and imports it as `format`.
    void importFile(TableFile format, const QString &filter);
    // Asks before the dBase import replaces every goods row; false when the user says no or the
    // file cannot be imported (told in the error box).
    bool dbfReplacementConfirmed(const QString &file);
    // Asks for another program's table and shows it in the import window.
    void importTable(ImportTarget target);
    // Asks for a file name and exports the goods into it as `format`.
    void exportFile(TableFile format);
    // The steps of closeEvent: once per run.
    void closeOnce();

    Session &m_session;
    AppState m_state;

    QMenu *m_fileMenu = nullptr;
    QAction *m_exportTextAction = nullptr;
    QAction *m_exportDbfAction = nullptr;
    QAction *m_exportXlsAction = nullptr;
    QAction *m_importTextAction = nullptr;
    QAction *m_importDbfAction = nullptr;
    QAction *m_importGoodsCsvAction = nullptr;
    QAction *m_importMessagesCsvAction = nullptr;
    QAction *m_exportXlsxAction = nullptr;
    QAction *m_importGoodsTableAction = nullptr;
    QAction *m_importMessagesTableAction = nullptr;
    QAction *m_exitAction = nullptr;
    QMenu *m_toolsMenu = nullptr;
    QAction *m_scalesSetupAction = nullptr;
    QAction *m_checkDataAction = nullptr;
    QAction *m_autoLoadAction = nullptr;
    QAction *m_emptyMessagesAction = nullptr;
    QAction *m_emptyGoodsAction = nullptr;
    QAction *m_packetLogAction = nullptr;
    QAction *m_journalAction = nullptr;
    QAction *m_goodsHistoryAction = nullptr;
    JournalWindow *m_journalWindow = nullptr; // made when first asked for, a child of the window
    HistoryWindow *m_historyWindow = nullptr;
    QAction *m_aboutAction = nullptr;
    QAction *m_helpAction = nullptr;

    QTabWidget *m_tabs = nullptr;
    GoodsTab *m_goodsTab = nullptr;
    MessagesTab *m_messagesTab = nullptr;
    ParametersTab *m_parametersTab = nullptr;

    ScalesDialog *m_scalesDialog = nullptr;
    AboutDialog *m_aboutDialog = nullptr;
    PacketLogWindow *m_packetLogWindow = nullptr;
    GuideWindow *m_guideWindow = nullptr; // made at the first "Помощь", a child of this window
    AutoLoadDialog *m_autoLoadDialog = nullptr;
    TrayIcon *m_tray = nullptr;
    std::unique_ptr<ExchangeHub> m_hub;
    bool m_widthsLoaded = false;
    bool m_activating = false;
    bool m_closed = false;
    bool m_showingActivateError = false;
    bool m_skipActivation = false;
    bool m_choiceWarned = false;
};

} // namespace tevo
