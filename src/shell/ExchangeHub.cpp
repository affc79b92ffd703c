#include "shell/ExchangeHub.h"

#include "common/AppPaths.h"
#include "common/Convert.h"
#include "common/Error.h"
#include "common/ErrorSink.h"
#include "shell/Dialogs.h"
#include "shell/LcdIndicator.h"
#include "shell/MainForm.h"
#include "shell/PaketViewForm.h"
#include "shell/ScaleProgressPanel.h"
#include "shell/ScalesForm.h"
#include "shell/UpdateThrottle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QStatusBar>

namespace tevo {

ExchangeHub::ExchangeHub(TMainForm &form) : QObject(&form), m_form(form)
{
    Store &store = form.store();
    m_exchange = std::make_unique<ScaleExchange>(store, this);
    m_autoLoader = std::make_unique<AutoLoader>(store, besideProgram(QLatin1String(kAutoLoadFileName)));
    m_panel = new ScaleProgressPanel(&form);
    form.statusBar()->addPermanentWidget(m_panel);

    ScaleExchange &exchange = *m_exchange;
    ExchangeEngine &engine = exchange.engine();
    connect(&exchange, &ScaleExchange::message, this, [](const QString &t) { Dialogs::message(Dialogs::Kind::Plain, t); });
    connect(&exchange, &ScaleExchange::warning, this, [](const QString &t) { Dialogs::message(Dialogs::Kind::Warning, t); });
    connect(&exchange, &ScaleExchange::information, this,
            [](const QString &t) { Dialogs::message(Dialogs::Kind::Information, t); });
    connect(&exchange, &ScaleExchange::errorMessage, this, [](const QString &t) { Dialogs::message(Dialogs::Kind::Error, t); });
    connect(&exchange.channels(), &ScaleChannels::connectionFailed, this, [](const QString &t) { reportError(t); });
    connect(&exchange.channels(), &ScaleChannels::channelProblem, this,
            [](const QString &t) { Dialogs::message(Dialogs::Kind::Error, t); });
    connect(m_autoLoader.get(), &AutoLoader::errorMessage, this,
            [](const QString &t) { Dialogs::message(Dialogs::Kind::Error, t); });
    connect(&engine, &ExchangeEngine::packetReceived, this, [this](const QByteArray &p) {
        if (m_form.paketViewForm())
            m_form.paketViewForm()->appendPacket(p);
    });
    connect(&engine, &ExchangeEngine::progressMaximumChanged, this, [this](int max) {
        m_form.pbT->setMaximum(qMax(1, max));
        m_form.pbM->setMaximum(qMax(1, max));
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
        if (m_form.paketViewForm())
            m_form.paketViewForm()->flushLog();
    });
    connect(&exchange.connectionCheck(), &ConnectionCheck::finished, this, [this](int) { syncSelectedCount(); });

    for (QLineEdit *edit : {form.Edit1, form.Edit6})
        connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &t) {
            if (t.size() <= kHeaderTypedMaxLength)
                edit->setMaxLength(kHeaderTypedMaxLength);
        });

    // CheckBox1 "Изменение цены" also steers the pace after a refusal.
    connect(form.CheckBox1, &QCheckBox::toggled, this, [this](bool on) { m_exchange->engine().setPriceChange(on); });
    engine.setPriceChange(form.CheckBox1->isChecked());
    // "Быстрый обмен": each scale is polled again as soon as it has answered.
    connect(form.cbFastExchange, &QCheckBox::toggled, this, [this](bool on) { m_exchange->engine().setFastExchange(on); });
    engine.setFastExchange(form.cbFastExchange->isChecked());

    exchange.mainWindowInTray = [this] { return mainWindowInTray && mainWindowInTray(); };
    exchange.showTrayBalloon = [this](const QString &title, const QString &text, int icon, int seconds) {
        if (showTrayBalloon)
            showTrayBalloon(title, text, icon, seconds);
    };
    connect(&exchange, &ScaleExchange::goodsWriteEnded, m_autoLoader.get(), &AutoLoader::goodsWriteSucceeded);

    AutoLoader &auto_ = *m_autoLoader;
    auto_.stopExchange = [this] { m_exchange->engine().stop(); };
    auto_.setSelectedScaleCount = [this](int n) { m_form.appState().setSelectedScaleCount(n); };
    auto_.setGoodsRange = [this](const QString &range) { m_form.edTDiapazon->setText(range); };
    auto_.startGoodsWrite = [this](const QString &range) { return m_exchange->goods().StartGoodsWrite(range); };
    auto_.notify = [this](const QString &text) {
        if (showTrayBalloon)
            showTrayBalloon(QStringLiteral("Tevo"), text, 1, 30);
    };
}

ExchangeHub::~ExchangeHub()
{
    m_autoLoader->tmAutoLoad.stop();
    m_exchange.reset();
}

void ExchangeHub::showProgressNow()
{
    m_progressThrottle->cancel();
    for (int i = 0; i < 2; ++i) {
        if (!m_barValue[i])
            continue;
        QProgressBar *pb = i == 0 ? m_form.pbT : m_form.pbM;
        pb->setValue(qMin(*m_barValue[i], pb->maximum()));
        m_barValue[i].reset();
    }
    if (m_followed) {
        Store &s = m_form.store();
        (m_followed->first == ProgressBar::Goods ? s.goods() : s.messages()).moveToRecNo(m_followed->second);
        m_followed.reset();
    }
    const CommandState command = m_exchange->engine().command();
    for (const ScaleStatus &s : std::as_const(m_lines))
        m_panel->showLine(s.row, scaleLine(s, command));
    m_lines.clear();
}

void ExchangeHub::syncSelectedCount() { m_form.appState().setSelectedScaleCount(m_form.store().countSelectedScales()); }

bool ExchangeHub::pickScales(const QString &caption)
{
    TScalesForm *dialog = m_form.scalesForm();
    if (!dialog)
        return false;
    // The picker and the exchange show what another program (the command line) committed.
    guarded([&] { m_form.store().rereadIfChangedElsewhere(); });
    dialog->setWindowTitle(caption);
    return Dialogs::execModal(dialog) == QDialog::Accepted;
}

ScaleSettings ExchangeHub::settings() const
{
    ScaleSettings s;
    s.department = strToInt(m_form.Edit2->text());
    s.printShift = strToInt(m_form.Edit5->text());
    s.autoPrintWeight = strToInt(m_form.Edit4->text());
    s.labelFormatPosition = m_form.ComboBox2->currentIndex() + 1;
    if (s.labelFormatPosition < 1)
        throw InputError(QStringLiteral("Выберите формат этикетки в списке \"Формат Этикетки\"."));
    s.barcodePosition = m_form.ComboBox5->currentIndex();
    QCheckBox *boxes[8] = {m_form.CheckBox1, m_form.CheckBox2, m_form.CheckBox3, m_form.CheckBox4,
                           m_form.CheckBox5, m_form.CheckBox6, m_form.CheckBox7, m_form.CheckBox8};
    quint8 bits = 0;
    for (int i = 0; i < 8; ++i)
        if (boxes[i]->isChecked())
            bits |= quint8(1u << i);
    s.printOptions = bits;
    return s;
}

void ExchangeHub::setSettings(const ScaleSettings &s)
{
    m_form.Edit2->setText(QString::number(s.department));
    m_form.Edit5->setText(QString::number(s.printShift));
    m_form.ComboBox5->setCurrentIndex(s.barcodePosition >= 0 && s.barcodePosition < m_form.ComboBox5->count()
                                          ? s.barcodePosition
                                          : -1);
    m_form.Edit4->setText(QString::number(s.autoPrintWeight));
    QCheckBox *boxes[8] = {m_form.CheckBox1, m_form.CheckBox2, m_form.CheckBox3, m_form.CheckBox4,
                           m_form.CheckBox5, m_form.CheckBox6, m_form.CheckBox7, m_form.CheckBox8};
    for (int i = 0; i < 8; ++i)
        boxes[i]->setChecked(s.printOptions & (1u << i));
    // A code the list does not have leaves no item selected.
    m_form.ComboBox2->setCurrentIndex(s.labelFormatPosition >= 1 ? s.labelFormatPosition - 1 : -1);
}

ShopHeader ExchangeHub::header() const { return {m_form.Edit1->text(), m_form.Edit6->text()}; }

void ExchangeHub::setHeader(const ShopHeader &h)
{
    setHeaderLine(m_form.Edit1, h.line1);
    setHeaderLine(m_form.Edit6, h.line2);
}

void ExchangeHub::setHeaderLine(QLineEdit *edit, const QString &text)
{
    // A scale holds 28 characters a line, one more than may be typed: a line read with all 28
    // is kept whole, so it goes back whole. Typing brings the limit back.
    if (text.size() > kHeaderTypedMaxLength)
        edit->setMaxLength(qMin<int>(text.size(), kHeaderLineWidth));
    edit->setText(text);
}

void ExchangeHub::setLogo(const LogoPixels &logo)
{
    m_logo = logo;
    // The logo is drawn into the picture the tab holds; without one a white 64 × 64 one is made.
    QImage image = m_form.logoImage();
    if (image.isNull()) {
        image = QImage(64, 64, QImage::Format_RGB32);
        image.fill(Qt::white);
    }
    drawLogo(image, logo);
    m_form.setLogoImage(image);
}

void ExchangeHub::setLogoFromFile(const QString &fileName)
{
    QImage image;
    if (!image.load(fileName))
        throw FileError(QStringLiteral("Не удалось открыть рисунок %1: формат не распознан или файл повреждён.").arg(fileName));
    m_logo = logoFromImage(image);
    m_form.setLogoImage(image);
}

void ExchangeHub::showWeighingState(const WeighingState &s)
{
    m_form.liM->setIndicatorString(weightText(s.grams, QLocale()));
    m_form.liCena->setIndicatorString(s.priceText());
    m_form.liCost->setIndicatorString(s.costText());
    m_form.liPLU->setIndicatorString(s.pluText());
}

void ExchangeHub::showTotals(const SalesTotals &t)
{
    m_form.edicp->setText(QString::number(t.runCounter));
    m_form.edice->setText(QString::number(t.labelCounter));
    m_form.edisum->setText(QString::number(t.totalSum));
    m_form.ediprod->setText(QString::number(t.salesCount));
    m_form.edim->setText(QString::number(t.totalWeight));
    m_form.edisp->setText(QString::number(t.sumAllPlu));
    m_form.ediprodp->setText(QString::number(t.salesCountAllPlu));
    m_form.edimp->setText(QString::number(t.weightAllPlu));
    m_form.edifp->setText(QString::number(t.freePlu));
    m_form.edifm->setText(QString::number(t.freeMessages));
}

} // namespace tevo
