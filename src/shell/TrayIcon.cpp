#include "shell/TrayIcon.h"

#include "shell/AutoLoadDialog.h"
#include "shell/Dialogs.h"
#include "shell/MainWindow.h"
#include "shell/ScalesDialog.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QStatusBar>
#include <QStyleHints>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWindowStateChangeEvent>

namespace tevo {

namespace {
// The program's icon: a scale platter on a green ground.
QIcon makeIcon()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 128, 128));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(1, 1, 30, 30, 6, 6);
    p.setBrush(QColor(192, 220, 192));
    p.drawRect(6, 8, 20, 4);
    p.drawRect(14, 12, 4, 10);
    p.drawRect(8, 22, 16, 4);
    return QIcon(pm);
}
} // namespace

TrayIcon::TrayIcon(MainWindow &mainWindow, ScalesDialog &scalesDialog, AutoLoadDialog &autoLoadDialog)
    : QObject(&mainWindow), m_main(mainWindow), m_scales(scalesDialog), m_autoLoad(autoLoadDialog)
{
    m_available = QSystemTrayIcon::isSystemTrayAvailable();
    const QIcon icon = makeIcon();
    m_main.setWindowIcon(icon);
    m_icon = new QSystemTrayIcon(icon, this);
    m_icon->setObjectName(QStringLiteral("CoolTrayIcon"));
    m_icon->setToolTip(tr("Tevo версия 1.6"));

    // A widget cannot be the child of the tray icon, which is no widget: it is owned here.
    m_menu = std::make_unique<QMenu>();
    m_menu->setObjectName(QStringLiteral("PopupMenu"));
    m_showProgramAction = m_menu->addAction(tr("Програма"));
    m_showProgramAction->setObjectName(QStringLiteral("N12"));
    m_scalesSetupAction = m_menu->addAction(tr("Настройка весов"));
    m_scalesSetupAction->setObjectName(QStringLiteral("N13"));
    m_autoLoadAction = m_menu->addAction(tr("Автозагрузка"));
    m_autoLoadAction->setObjectName(QStringLiteral("N15"));
    m_exitAction = m_menu->addAction(tr("Выход"));
    m_exitAction->setObjectName(QStringLiteral("N14"));
    m_icon->setContextMenu(m_menu.get());
    connect(m_showProgramAction, &QAction::triggered, this, &TrayIcon::onShowProgramTriggered);
    connect(m_scalesSetupAction, &QAction::triggered, this, &TrayIcon::onScalesSetupTriggered);
    connect(m_autoLoadAction, &QAction::triggered, this, &TrayIcon::onAutoLoadTriggered);
    connect(m_exitAction, &QAction::triggered, this, &TrayIcon::onExitTriggered);
    // A click counts once the double-click time has passed without a second one; a double
    // click (seen as a second click within that time, or as the double click itself) does
    // nothing.
    m_singleClick.setSingleShot(true);
    connect(&m_singleClick, &QTimer::timeout, this, &TrayIcon::onIconClicked);
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger && !m_singleClick.isActive()) {
            m_singleClick.start(QGuiApplication::styleHints()->mouseDoubleClickInterval());
        } else if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
            m_singleClick.stop();
        }
    });
    m_icon->show();
    m_main.installEventFilter(this);
}

TrayIcon::~TrayIcon() = default;

bool TrayIcon::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_main && event->type() == QEvent::WindowStateChange && m_available) {
        const auto *change = static_cast<QWindowStateChangeEvent *>(event);
        const bool nowMinimized = m_main.windowState() & Qt::WindowMinimized;
        const bool wasMinimized = change->oldState() & Qt::WindowMinimized;
        // The first activation minimizes the window in place; only the user's minimize command
        // hides it to the tray.
        if (!nowMinimized) {
            m_minimizedInPlace = false;
        } else if (m_main.appState().startMinimized()) {
            m_minimizedInPlace = true;
        } else if (!wasMinimized && !m_minimizedInPlace) {
            m_mainWindowInTray = true;
            QTimer::singleShot(0, this, &TrayIcon::hideToTray);
        }
    }
    return QObject::eventFilter(watched, event);
}

void TrayIcon::restoreFromTray()
{
    if (m_main.windowState() & Qt::WindowMinimized)
        m_main.setWindowState(m_main.windowState() & ~Qt::WindowMinimized);
    m_main.show();
    m_main.raise();
    m_main.activateWindow();
}

void TrayIcon::hideToTray() { m_main.hide(); }

void TrayIcon::onIconClicked()
{
    if (m_mainWindowInTray) {
        restoreFromTray();
        m_mainWindowInTray = false;
    } else {
        hideToTray();
        m_mainWindowInTray = true;
    }
}

void TrayIcon::onShowProgramTriggered()
{
    restoreFromTray();
    m_mainWindowInTray = false;
}

void TrayIcon::onScalesSetupTriggered()
{
    m_scales.setWindowTitle(tr("Настройка весов"));
    Dialogs::execModal(&m_scales);
}

void TrayIcon::onAutoLoadTriggered() { Dialogs::execModal(&m_autoLoad); }

void TrayIcon::onExitTriggered() { m_main.close(); }

void TrayIcon::showTrayBalloon(const QString &title, const QString &text, int icon, int seconds)
{
    emit balloonShown(text, icon);
    if (!m_available) {
        m_main.statusBar()->showMessage(text, seconds * 1000);
        return;
    }
    static const QSystemTrayIcon::MessageIcon icons[] = {QSystemTrayIcon::NoIcon, QSystemTrayIcon::Information,
                                                         QSystemTrayIcon::Warning, QSystemTrayIcon::Critical};
    m_icon->showMessage(title.left(63), text.left(255), icons[qBound(0, icon, 3)], seconds * 1000);
}

} // namespace tevo
