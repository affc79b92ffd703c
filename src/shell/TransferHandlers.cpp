// Handlers of the main window's exchange commands: each shows the scales dialog as a picker
// with its caption and, when it closes with OK, starts its command in the engine.
#include "shell/Dialogs.h"
#include "shell/ExchangeHub.h"
#include "shell/MainForm.h"
#include "shell/AutoLoadForm.h"
#include "shell/TrayIcon.h"

#include "common/ErrorSink.h"

#include <QLineEdit>

namespace tevo {

namespace {
const QString kPickForWrite = QStringLiteral("Выберите весы для загрузки!");
const QString kPickOne = QStringLiteral("Выберите только ОДНИ весы!");
} // namespace

ExchangeHub &TMainForm::exchange()
{
    if (!m_hub)
        m_hub = new ExchangeHub(*this);
    return *m_hub;
}

void TMainForm::setAutoLoad(TAutoLoadForm *autoLoad, TrayIcon *tray)
{
    m_autoLoadForm = autoLoad;
    m_tray = tray;
    exchange().mainWindowInTray = [this] { return m_tray && m_tray->MainWindowInTray; };
    exchange().showTrayBalloon = [this](const QString &title, const QString &text, int icon, int seconds) {
        if (m_tray)
            m_tray->ShowTrayBalloon(title, text, icon, seconds);
    };
    if (m_autoLoadForm)
        m_autoLoadForm->setLoader(&exchange().autoLoader());
}

// Tools menu: automatic loading.
void TMainForm::N7Click()
{
    if (m_autoLoadForm)
        Dialogs::execModal(m_autoLoadForm);
}

// Goods tab.
void TMainForm::btnOneTClick() { edTDiapazon->setText(QString::number(m_store.goods().recNo())); }
void TMainForm::btnAllTClick() { edTDiapazon->setText(QStringLiteral("1-4000")); }

void TMainForm::btnWriteTClick()
{
    if (exchange().pickScales(kPickForWrite))
        exchange().goods().StartGoodsWrite(edTDiapazon->text());
}

void TMainForm::btnReadTClick()
{
    if (exchange().pickScales(kPickOne))
        exchange().goods().startGoodsRead(edTDiapazon->text());
}

void TMainForm::btnStopTClick() { exchange().engine().stop(); }

// Messages tab.
void TMainForm::btnOneMClick() { edMDiapazon->setText(QString::number(m_store.messages().recNo())); }
void TMainForm::btnAllMClick() { edMDiapazon->setText(QStringLiteral("1-1000")); }

void TMainForm::btnWriteMClick()
{
    if (exchange().pickScales(kPickForWrite))
        exchange().messages().startMessagesWrite(edMDiapazon->text());
}

void TMainForm::btnReadMClick()
{
    if (exchange().pickScales(kPickOne))
        exchange().messages().startMessagesRead(edMDiapazon->text());
}

void TMainForm::btnStopMClick() { exchange().engine().stop(); }

// Parameters tab.
void TMainForm::Button1Click()
{
    if (exchange().pickScales(kPickForWrite))
        exchange().parameters().startSettingsWrite();
}

void TMainForm::Button2Click()
{
    if (exchange().pickScales(kPickOne))
        exchange().parameters().startSettingsRead();
}

void TMainForm::Button3Click()
{
    if (exchange().pickScales(kPickForWrite))
        exchange().parameters().startClockWrite();
}

void TMainForm::SpeedButton4Click()
{
    const QString file = Dialogs::openFileName(this, QString(),
                                               QStringLiteral("Точечный рисунок (*.bmp *.BMP);;"
                                                              "Все рисунки (*.bmp *.png *.jpg *.jpeg *.gif *.pbm *.pgm *.ppm *.xbm *.xpm)"));
    if (file.isEmpty())
        return;
    guarded([&] { exchange().setLogoFromFile(file); });
}

void TMainForm::SpeedButton5Click()
{
    if (exchange().pickScales(kPickOne))
        exchange().parameters().startLogoWrite();
}

void TMainForm::btnReNewScaleStateClick()
{
    if (exchange().pickScales(kPickOne))
        exchange().parameters().startStateRead();
}

void TMainForm::btnItogClick()
{
    if (exchange().pickScales(kPickOne))
        exchange().parameters().startTotalsRead();
}

} // namespace tevo
