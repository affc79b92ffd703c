#include "shell/ExchangeHub.h"

#include "common/AppPaths.h"
#include "common/Error.h"
#include "common/ErrorSink.h"
#include "exchange/ScaleChannels.h"
#include "shell/Dialogs.h"
#include "shell/GoodsTab.h"
#include "shell/MainWindow.h"
#include "shell/MessagesTab.h"
#include "shell/PacketLogWindow.h"
#include "shell/ParametersTab.h"
#include "shell/ScaleProgressPanel.h"
#include "shell/ScalesDialog.h"
#include "shell/TrayIcon.h"
#include "shell/UpdateThrottle.h"
#include "shell/VerifyWindow.h"
#include "store/Table.h"

#include <QStatusBar>

namespace tevo {

namespace {
const char *const kPickForWrite = QT_TRANSLATE_NOOP("tevo::ExchangeHub", "Выберите весы для загрузки!");
const char *const kPickOne = QT_TRANSLATE_NOOP("tevo::ExchangeHub", "Выберите только ОДНИ весы!");
const char *const kPickForCheck = QT_TRANSLATE_NOOP("tevo::ExchangeHub", "Выберите весы для сверки!");
const char *const kEmptyHeaderQuestion =
    QT_TRANSLATE_NOOP("tevo::ExchangeHub",
                      "Строка заголовка (название магазина) пуста: весы напечатают её на этикетках пустой. "
                      "Загрузить настройки в весы?");
} // namespace

ExchangeHub::ExchangeHub(MainWindow &window, Session &session) : m_window(window), m_session(session)
{
    session.setParametersHost(this);
    m_panel = new ScaleProgressPanel(&window);
    window.statusBar()->addPermanentWidget(m_panel);

    ScaleExchange &exchange = session.exchange();
    ExchangeEngine &engine = exchange.engine();
    connect(&session, &Session::notice, this, &ExchangeHub::show);
    AutoLoader &loader = session.autoLoader();
    connect(&loader, &AutoLoader::loadStarting, this, [this] {
        m_automaticTexts.clear();
        m_automaticKind = int(Dialogs::Kind::Plain);
    });
    connect(&loader, &AutoLoader::selectionReplaced, this,
            [this](int n) { m_window.appState().setSelectedScaleCount(n); });
    connect(&loader, &AutoLoader::rangeLoaded, this,
            [this](const QString &range) { m_window.goodsTab().setRangeText(range); });
    connect(&engine, &ExchangeEngine::packetReceived, this, [this](const QByteArray &p, int scaleRecNo) {
        if (!m_window.packetLogWindow())
            return;
        const Table &scales = m_session.store().scales();
        const QString name = scaleRecNo >= 1 && scaleRecNo <= scales.count()
                                 ? scales.text(scaleRecNo - 1, QStringLiteral("NAME")).trimmed()
                                 : QString();
        m_window.packetLogWindow()->appendPacket(p, scaleName(name, scaleRecNo));
    });
    connect(&engine, &ExchangeEngine::progressMaximumChanged, this, [this](int max) {
        m_window.goodsTab().setProgressMaximum(max);
        m_window.messagesTab().setProgressMaximum(max);
    });
    m_progressThrottle = new UpdateThrottle([this] { showProgressNow(); }, this);
    connect(&engine, &ExchangeEngine::progressChanged, this, [this](ProgressBar bar, int value) {
        m_barValue[bar == ProgressBar::Goods ? 0 : 1] = value;
        m_progressThrottle->changed();
    });
    // The grids follow the scale furthest behind; the records themselves never depend on it.
    connect(&engine, &ExchangeEngine::followRecord, this, [this](ProgressBar table, int number) {
        m_followed = std::make_pair(table, number);
        m_progressThrottle->changed();
    });
    connect(&engine, &ExchangeEngine::started, this, [this] {
        m_lines.clear();
        m_followed.reset();
        m_panel->clear();
    });
    connect(&engine, &ExchangeEngine::scaleProgress, this, [this](const ScaleStatus &s) {
        m_lines[s.row] = s;
        m_progressThrottle->changed();
    });
    connect(&exchange, &ScaleExchange::ended, this, [this](const ExchangeReport &r) {
        m_lines.clear(); // the report holds the last word on every scale
        showProgressNow();
        for (const ScaleStatus &s : r.scales)
            m_panel->showLine(s.row, scaleLine(s, r.command));
        if (m_window.packetLogWindow())
            m_window.packetLogWindow()->flushLog();
        if (m_window.scalesDialog())
            m_window.scalesDialog()->refreshStandings(); // who is behind, after this exchange
    });
    connect(&exchange.connectionCheck(), &ConnectionCheck::finished, this, [this](int) { syncSelectedCount(); });

    GoodsTab &goodsTab = window.goodsTab();
    connect(&goodsTab, &GoodsTab::writeClicked, this, &ExchangeHub::onWriteGoodsClicked);
    connect(&goodsTab, &GoodsTab::readClicked, this, &ExchangeHub::onReadGoodsClicked);
    connect(&goodsTab, &GoodsTab::stopClicked, this, &ExchangeHub::onStopClicked);
    connect(&goodsTab, &GoodsTab::verifyClicked, this, &ExchangeHub::onVerifyGoodsClicked);
    MessagesTab &messagesTab = window.messagesTab();
    connect(&messagesTab, &MessagesTab::writeClicked, this, &ExchangeHub::onWriteMessagesClicked);
    connect(&messagesTab, &MessagesTab::readClicked, this, &ExchangeHub::onReadMessagesClicked);
    connect(&messagesTab, &MessagesTab::stopClicked, this, &ExchangeHub::onStopClicked);
    connect(&messagesTab, &MessagesTab::verifyClicked, this, &ExchangeHub::onVerifyMessagesClicked);
    // A check's end: its window, with the summary and the list (instead of a box).
    connect(&exchange, &ScaleExchange::verified, this, [this](const VerifyReport &r) {
        if (!m_verifyWindow)
            m_verifyWindow = new VerifyWindow(&m_window);
        m_verifyWindow->showReport(r);
    });
    ParametersTab &parametersTab = window.parametersTab();
    connect(&parametersTab, &ParametersTab::writeSettingsClicked, this, &ExchangeHub::onWriteSettingsClicked);
    connect(&parametersTab, &ParametersTab::readSettingsClicked, this, &ExchangeHub::onReadSettingsClicked);
    connect(&parametersTab, &ParametersTab::writeClockClicked, this, &ExchangeHub::onWriteClockClicked);
    connect(&parametersTab, &ParametersTab::openLogoClicked, this, &ExchangeHub::onOpenLogoClicked);
    connect(&parametersTab, &ParametersTab::writeLogoClicked, this, &ExchangeHub::onWriteLogoClicked);
    connect(&parametersTab, &ParametersTab::readStateClicked, this, &ExchangeHub::onReadStateClicked);
    connect(&parametersTab, &ParametersTab::readTotalsClicked, this, &ExchangeHub::onReadTotalsClicked);

    // "Изменение цены" also steers the pace after a refusal.
    connect(&parametersTab, &ParametersTab::priceChangeToggled, this,
            [this](bool on) { this->engine().setPriceChange(on); });
    engine.setPriceChange(parametersTab.priceChangeTicked());
    // "Быстрый обмен": each scale is polled again as soon as it has answered.
    connect(&parametersTab, &ParametersTab::fastExchangeToggled, this,
            [this](bool on) { this->engine().setFastExchange(on); });
    engine.setFastExchange(parametersTab.fastExchangeTicked());
    // "Только изменённые": each scale is sent only what it does not hold as it is now.
    connect(&parametersTab, &ParametersTab::changedOnlyToggled, this, [this](bool on) { m_session.setChangedOnly(on); });
    session.setChangedOnly(parametersTab.changedOnlyTicked());
}

ExchangeHub::~ExchangeHub() { m_session.autoLoader().tmAutoLoad.stop(); }

void ExchangeHub::show(const Notice &n)
{
    const int kind = int(n.kind); // Notice::Kind and Dialogs::Kind list the same kinds in order
    switch (n.about) {
    case Notice::About::Passing:
        balloon(n.text, 1);
        return;
    case Notice::About::CheckEnd:
        Dialogs::message(Dialogs::Kind(kind), n.text);
        return;
    case Notice::About::Connection:
        if (n.automatic)
            showAutomatic(kind, n.text);
        else
            reportError(n.text);
        return;
    case Notice::About::ExchangeEnd:
        // A check's end shows in its own window.
        if (n.command == CommandState::GoodsVerify || n.command == CommandState::MessagesVerify)
            return;
        // The end of a goods write while the window is in the tray: the balloon instead of a box.
        if (n.command == CommandState::GoodsWrite && m_tray && m_tray->mainWindowInTray()) {
            balloon(n.text, n.kind == Notice::Kind::Warning ? 2 : 1);
            return;
        }
        break;
    case Notice::About::Exchange:
    case Notice::About::AutomaticLoad:
        break;
    }
    if (n.automatic)
        showAutomatic(kind, n.text);
    else
        Dialogs::message(Dialogs::Kind(kind), n.text);
}

void ExchangeHub::balloon(const QString &text, int icon)
{
    if (m_tray)
        m_tray->showTrayBalloon(QStringLiteral("Tevo"), text, icon, 30);
}

void ExchangeHub::showProgressNow()
{
    m_progressThrottle->cancel();
    for (int i = 0; i < 2; ++i) {
        if (!m_barValue[i])
            continue;
        TransferTab &tab = i == 0 ? static_cast<TransferTab &>(m_window.goodsTab()) : m_window.messagesTab();
        tab.showProgress(*m_barValue[i]);
        m_barValue[i].reset();
    }
    if (m_followed) {
        Store &s = m_window.store();
        (m_followed->first == ProgressBar::Goods ? s.goods() : s.messages()).moveToRecNo(m_followed->second);
        m_followed.reset();
    }
    const CommandState command = engine().command();
    for (const ScaleStatus &s : std::as_const(m_lines))
        m_panel->showLine(s.row, scaleLine(s, command));
    m_lines.clear();
}

void ExchangeHub::showAutomatic(int kind, const QString &text)
{
    // The most serious kind gives the box its icon: Plain, Information, Warning, Error.
    const auto rank = [](int k) {
        switch (Dialogs::Kind(k)) {
        case Dialogs::Kind::Information:
            return 1;
        case Dialogs::Kind::Warning:
            return 2;
        case Dialogs::Kind::Error:
            return 3;
        default:
            return 0;
        }
    };
    if (m_automaticTexts.isEmpty() || rank(kind) > rank(m_automaticKind))
        m_automaticKind = kind;
    m_automaticTexts.append(text);
    Dialogs::notice(Dialogs::Kind(m_automaticKind), m_automaticTexts.join(QStringLiteral("\n\n")));
}

void ExchangeHub::syncSelectedCount()
{
    m_window.appState().setSelectedScaleCount(m_window.store().countSelectedScales());
}

bool ExchangeHub::pickScales(const QString &caption)
{
    ScalesDialog *dialog = m_window.scalesDialog();
    if (!dialog)
        return false;
    // The picker and the exchange show what another program (the command line) committed.
    guarded([&] { m_window.store().rereadIfChangedElsewhere(); });
    dialog->setWindowTitle(caption);
    return Dialogs::execModal(dialog) == QDialog::Accepted;
}

ScaleSettings ExchangeHub::settings() const { return m_window.parametersTab().settings(); }
void ExchangeHub::setSettings(const ScaleSettings &s) { m_window.parametersTab().setSettings(s); }
ShopHeader ExchangeHub::header() const { return m_window.parametersTab().header(); }
void ExchangeHub::setHeader(const ShopHeader &h) { m_window.parametersTab().setHeader(h); }

void ExchangeHub::setLogo(const LogoPixels &logo)
{
    m_logo = logo;
    // The logo is drawn into the picture the tab holds; without one a white 64 × 64 one is made.
    QImage image = m_window.parametersTab().logoImage();
    if (image.isNull()) {
        image = QImage(64, 64, QImage::Format_RGB32);
        image.fill(Qt::white);
    }
    drawLogo(image, logo);
    m_window.parametersTab().setLogoImage(image);
}

void ExchangeHub::setLogoFromFile(const QString &fileName)
{
    QImage image;
    if (!image.load(fileName))
        throw FileError(tr("Не удалось открыть рисунок %1: формат не распознан или файл повреждён.").arg(fileName));
    m_logo = logoFromImage(image);
    m_window.parametersTab().setLogoImage(image);
}

void ExchangeHub::showWeighingState(const WeighingState &s) { m_window.parametersTab().showWeighingState(s); }
void ExchangeHub::showTotals(const SalesTotals &t) { m_window.parametersTab().showTotals(t); }

// --- the tabs' buttons -------------------------------------------------------------------

void ExchangeHub::pickAndStart(const QString &caption, CommandState command, const QString &range)
{
    if (pickScales(caption))
        m_session.startExchange(command, range);
}

void ExchangeHub::onWriteGoodsClicked()
{
    pickAndStart(tr(kPickForWrite), CommandState::GoodsWrite, m_window.goodsTab().rangeText());
}

void ExchangeHub::onReadGoodsClicked()
{
    pickAndStart(tr(kPickOne), CommandState::GoodsRead, m_window.goodsTab().rangeText());
}

void ExchangeHub::onVerifyGoodsClicked()
{
    pickAndStart(tr(kPickForCheck), CommandState::GoodsVerify, m_window.goodsTab().rangeText());
}

void ExchangeHub::onVerifyMessagesClicked()
{
    pickAndStart(tr(kPickForCheck), CommandState::MessagesVerify, m_window.messagesTab().rangeText());
}

void ExchangeHub::onWriteMessagesClicked()
{
    pickAndStart(tr(kPickForWrite), CommandState::MessagesWrite, m_window.messagesTab().rangeText());
}

void ExchangeHub::onReadMessagesClicked()
{
    pickAndStart(tr(kPickOne), CommandState::MessagesRead, m_window.messagesTab().rangeText());
}

void ExchangeHub::onStopClicked() { engine().stop(); }

void ExchangeHub::onWriteSettingsClicked()
{
    // The header goes to every label: a blank line is asked about before anything is sent.
    if (m_window.parametersTab().headerHasEmptyLine()
        && Dialogs::message(Dialogs::Kind::Confirmation, tr(kEmptyHeaderQuestion), QMessageBox::Yes | QMessageBox::No)
               != QMessageBox::Yes)
        return;
    pickAndStart(tr(kPickForWrite), CommandState::SettingsWrite);
}

void ExchangeHub::onReadSettingsClicked() { pickAndStart(tr(kPickOne), CommandState::SettingsRead); }

void ExchangeHub::onWriteClockClicked() { pickAndStart(tr(kPickForWrite), CommandState::DateWrite); }

void ExchangeHub::onOpenLogoClicked()
{
    const QString file =
        Dialogs::openFileName(&m_window, QString(),
                              tr("Точечный рисунок (*.bmp *.BMP);;"
                                 "Все рисунки (*.bmp *.png *.jpg *.jpeg *.gif *.pbm *.pgm *.ppm *.xbm *.xpm)"));
    if (file.isEmpty())
        return;
    guarded([&] { setLogoFromFile(file); });
}

void ExchangeHub::onWriteLogoClicked() { pickAndStart(tr(kPickOne), CommandState::LogoWrite); }

void ExchangeHub::onReadStateClicked() { pickAndStart(tr(kPickOne), CommandState::StateRead); }

void ExchangeHub::onReadTotalsClicked() { pickAndStart(tr(kPickOne), CommandState::TotalsRead); }

} // namespace tevo
