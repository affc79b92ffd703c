#include "shell/TrayIcon.h"

#include "shell/AutoLoadForm.h"
#include "shell/Dialogs.h"
#include "shell/MainForm.h"
#include "shell/ScalesForm.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>
#include <QMenu>
#include <QPainter>
#include <QStatusBar>
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

TrayIcon::TrayIcon(TMainForm &mainForm, TScalesForm &scalesForm, TAutoLoadForm &autoLoadForm)
    : QObject(&mainForm), m_main(mainForm), m_scales(scalesForm), m_autoLoad(autoLoadForm)
{
    m_available = QSystemTrayIcon::isSystemTrayAvailable();
    const QIcon icon = makeIcon();
    m_main.setWindowIcon(icon);
    CoolTrayIcon = new QSystemTrayIcon(icon, this);
    CoolTrayIcon->setObjectName(QStringLiteral("CoolTrayIcon"));
    CoolTrayIcon->setToolTip(QStringLiteral("Tevo версия 1.6"));

    PopupMenu = new QMenu;
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    N12 = PopupMenu->addAction(QStringLiteral("Програма"));
    N12->setObjectName(QStringLiteral("N12"));
    N13 = PopupMenu->addAction(QStringLiteral("Настройка весов"));
    N13->setObjectName(QStringLiteral("N13"));
    N15 = PopupMenu->addAction(QStringLiteral("Автозагрузка"));
    N15->setObjectName(QStringLiteral("N15"));
    N14 = PopupMenu->addAction(QStringLiteral("Выход"));
    N14->setObjectName(QStringLiteral("N14"));
    CoolTrayIcon->setContextMenu(PopupMenu);
    connect(N12, &QAction::triggered, this, &TrayIcon::N12Click);
    connect(N13, &QAction::triggered, this, &TrayIcon::N13Click);
    connect(N15, &QAction::triggered, this, &TrayIcon::N15Click);
    connect(N14, &QAction::triggered, this, &TrayIcon::N14Click);
    // A click counts once the double-click time has passed without a second one; a double
    // click (seen as a second click within that time, or as the double click itself) does
    // nothing.
    m_singleClick.setSingleShot(true);
    connect(&m_singleClick, &QTimer::timeout, this, &TrayIcon::CoolTrayIconClick);
    connect(CoolTrayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger && !m_singleClick.isActive()) {
            m_singleClick.start(QGuiApplication::styleHints()->mouseDoubleClickInterval());
        } else if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
            m_singleClick.stop();
        }
    });
    CoolTrayIcon->show();
    m_main.installEventFilter(this);
}

TrayIcon::~TrayIcon() { delete PopupMenu; }

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
        } else if (m_main.appState().StartMinimized) {
            m_minimizedInPlace = true;
        } else if (!wasMinimized && !m_minimizedInPlace) {
            CoolTrayIconMinimizeToTray();
            QTimer::singleShot(0, this, &TrayIcon::HideToTray);
        }
    }
    return QObject::eventFilter(watched, event);
}

void TrayIcon::CoolTrayIconMinimizeToTray() { MainWindowInTray = true; }

void TrayIcon::RestoreFromTray()
{
    if (m_main.windowState() & Qt::WindowMinimized)
        m_main.setWindowState(m_main.windowState() & ~Qt::WindowMinimized);
    m_main.show();
    m_main.raise();
    m_main.activateWindow();
}

void TrayIcon::HideToTray()
{
    m_main.hide();
}

void TrayIcon::CoolTrayIconClick()
{
    if (MainWindowInTray) {
        RestoreFromTray();
        MainWindowInTray = false;
    } else {
        HideToTray();
        MainWindowInTray = true;
    }
}

void TrayIcon::N12Click()
{
    RestoreFromTray();
    MainWindowInTray = false;
}

void TrayIcon::N13Click()
{
    m_scales.setWindowTitle(QStringLiteral("Настройка весов"));
    Dialogs::execModal(&m_scales);
}

void TrayIcon::N15Click() { Dialogs::execModal(&m_autoLoad); }

void TrayIcon::N14Click() { m_main.close(); }

void TrayIcon::ShowTrayBalloon(const QString &title, const QString &text, int icon, int seconds)
{
    if (!m_available) {
        m_main.statusBar()->showMessage(text, seconds * 1000);
        return;
    }
    static const QSystemTrayIcon::MessageIcon icons[] = {QSystemTrayIcon::NoIcon, QSystemTrayIcon::Information,
                                                         QSystemTrayIcon::Warning, QSystemTrayIcon::Critical};
    CoolTrayIcon->showMessage(title.left(63), text.left(255), icons[qBound(0, icon, 3)], seconds * 1000);
}

} // namespace tevo
