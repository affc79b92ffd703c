#include "shell/ParametersTab.h"

#include "common/AppPaths.h"
#include "common/Convert.h"
#include "common/Error.h"
#include "shell/AboutDialog.h"
#include "shell/Controls.h"
#include "shell/LcdIndicator.h"
#include "shell/ShellStyle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace tevo {
namespace {

constexpr int kLogoSide = 180;

QGroupBox *namedGroup(const char *name, const QString &title)
{
    auto *g = new QGroupBox(title);
    g->setObjectName(QLatin1String(name));
    return g;
}

QToolButton *flatButton(const char *name, const QString &caption)
{
    auto *b = new QToolButton;
    b->setObjectName(QLatin1String(name));
    b->setText(caption);
    b->setAutoRaise(true);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

} // namespace

ParametersTab::ParametersTab(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet1"));
    style::paintPaleGreen(this);

    QFrame *page = namedPanel("Panel3");
    page->setFrameShape(QFrame::NoFrame);
    style::paintPaleGreen(page);

    QWidget *buttonStrip = buildButtonStrip();
    QWidget *headerPanel = buildHeaderPanel();
    QWidget *printGroup = buildPrintGroup();
    QWidget *logoGroup = buildLogoGroup();
    QWidget *barcodeGroup = buildBarcodeGroup();
    QWidget *generalGroup = buildGeneralGroup();
    QWidget *supportGroup = buildSupportGroup();
    QWidget *stateGroup = buildStateGroup();
    QWidget *totalsGroup = buildTotalsGroup();

    auto *groups = new QGridLayout;
    groups->addWidget(printGroup, 0, 0);
    groups->addWidget(logoGroup, 0, 1);
    groups->addWidget(barcodeGroup, 0, 2, 2, 1);
    groups->addWidget(generalGroup, 1, 0);
    groups->addWidget(supportGroup, 1, 1);
    groups->addWidget(stateGroup, 2, 0, 1, 2);
    groups->addWidget(totalsGroup, 2, 2);
    groups->setColumnStretch(3, 1);

    auto *panel = new QVBoxLayout(page);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(buttonStrip);
    panel->addWidget(headerPanel);
    panel->addLayout(groups);
    panel->addStretch(1);

    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("Panel3Scroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(page);
    auto *tab = new QVBoxLayout(this);
    tab->setContentsMargins(0, 0, 0, 0);
    tab->addWidget(scroll);

    connect(m_writeSettingsButton, &QPushButton::clicked, this, &ParametersTab::writeSettingsClicked);
    connect(m_readSettingsButton, &QPushButton::clicked, this, &ParametersTab::readSettingsClicked);
    connect(m_writeClockButton, &QPushButton::clicked, this, &ParametersTab::writeClockClicked);
    connect(m_openLogoButton, &QToolButton::clicked, this, &ParametersTab::openLogoClicked);
    connect(m_writeLogoButton, &QToolButton::clicked, this, &ParametersTab::writeLogoClicked);
    connect(m_readStateButton, &QPushButton::clicked, this, &ParametersTab::readStateClicked);
    connect(m_readTotalsButton, &QPushButton::clicked, this, &ParametersTab::readTotalsClicked);
    connect(m_printOptionBoxes[0], &QCheckBox::toggled, this, &ParametersTab::priceChangeToggled);
    connect(m_fastExchangeBox, &QCheckBox::toggled, this, &ParametersTab::fastExchangeToggled);
    connect(m_changedOnlyBox, &QCheckBox::toggled, this, &ParametersTab::changedOnlyToggled);
    // Typing brings back the limit a line read with all 28 characters lifted.
    for (QLineEdit *edit : {m_headerLine1Edit, m_headerLine2Edit})
        connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &t) {
            if (t.size() <= kHeaderTypedMaxLength)
                edit->setMaxLength(kHeaderTypedMaxLength);
        });
}

// Top strip: settings and clock buttons.
QWidget *ParametersTab::buildButtonStrip()
{
    QFrame *panel = namedPanel("Panel2");
    m_writeSettingsButton = namedButton("Button1", tr("Загрузить настройки в весы"));
    m_readSettingsButton = namedButton("Button2", tr("Считать настройки из весов"));
    m_writeClockButton = namedButton("Button3", tr("Загрузить дату и время"));
    auto *strip = new QHBoxLayout(panel);
    strip->setContentsMargins(6, 4, 6, 4);
    strip->addWidget(m_writeSettingsButton);
    strip->addWidget(m_readSettingsButton);
    strip->addSpacing(24);
    strip->addWidget(m_writeClockButton);
    strip->addStretch(1);
    return panel;
}

// Label format and shop header.
QWidget *ParametersTab::buildHeaderPanel()
{
    QFrame *panel = namedPanel("Panel4");
    m_labelFormatCombo = new QComboBox;
    m_labelFormatCombo->setObjectName(QStringLiteral("ComboBox2"));
    m_labelFormatCombo->addItems(labelFormatTexts());
    m_labelFormatCombo->setCurrentIndex(kShownLabelFormatPosition - 1);
    m_labelFormatCombo->setMinimumWidth(420);
    // The header starts empty: the shop types its own, and it is kept from run to run.
    m_headerLine1Edit = namedEdit("Edit1");
    m_headerLine1Edit->setMaxLength(kHeaderTypedMaxLength);
    m_headerLine2Edit = namedEdit("Edit6");
    m_headerLine2Edit->setMaxLength(kHeaderTypedMaxLength);
    m_headerLine1Edit->setMinimumWidth(260);
    m_headerLine2Edit->setMinimumWidth(260);
    auto *header = new QGridLayout(panel);
    header->setContentsMargins(6, 4, 6, 4);
    header->addWidget(buddyLabel(tr("Формат Этикетки"), m_labelFormatCombo), 0, 0);
    header->addWidget(m_labelFormatCombo, 0, 1, Qt::AlignLeft);
    header->addWidget(buddyLabel(tr("Заголовок (название магазина)"), m_headerLine1Edit), 1, 0);
    header->addWidget(m_headerLine1Edit, 1, 1, Qt::AlignLeft);
    header->addWidget(m_headerLine2Edit, 2, 1, Qt::AlignLeft);
    header->setColumnStretch(2, 1);
    return panel;
}

// Print options, top to bottom in their screen order (not their bit order).
QWidget *ParametersTab::buildPrintGroup()
{
    QGroupBox *group = namedGroup("GroupBox3", tr("Настройка печати"));
    const QList<PrintOption> options = printOptionList();
    auto *printColumn = new QVBoxLayout(group);
    for (int bit : printOptionScreenOrder()) {
        auto *box = new QCheckBox(options.at(bit).caption);
        box->setObjectName(options.at(bit).checkBox);
        m_printOptionBoxes[bit] = box;
        printColumn->addWidget(box);
    }
    printColumn->addStretch(1);
    return group;
}

QWidget *ParametersTab::buildLogoGroup()
{
    QGroupBox *group = namedGroup("GroupBox4", tr("Логотип"));
    m_logoLabel = new QLabel;
    m_logoLabel->setObjectName(QStringLiteral("Image1"));
    m_logoLabel->setFixedSize(kLogoSide, kLogoSide);
    m_logoLabel->setAlignment(Qt::AlignCenter);
    m_logoLabel->setFrameShape(QFrame::Box);
    m_openLogoButton = flatButton("SpeedButton4", tr("Открыть"));
    m_writeLogoButton = flatButton("SpeedButton5", tr("Записать"));
    auto *logoButtons = new QHBoxLayout;
    logoButtons->addWidget(m_openLogoButton);
    logoButtons->addWidget(m_writeLogoButton);
    auto *logoColumn = new QVBoxLayout(group);
    logoColumn->addWidget(m_logoLabel, 0, Qt::AlignHCenter);
    logoColumn->addLayout(logoButtons);
    logoColumn->addStretch(1);
    QImage blank(65, 65, QImage::Format_Mono);
    blank.fill(1); // white
    setLogoImage(blank);
    return group;
}

// Barcode layout and its legend.
QWidget *ParametersTab::buildBarcodeGroup()
{
    QGroupBox *group = namedGroup("GroupBox7", tr(" Штрих-код "));
    m_barcodeCombo = new QComboBox;
    m_barcodeCombo->setObjectName(QStringLiteral("ComboBox5"));
    m_barcodeCombo->addItems(barcodeFormatTexts());
    m_barcodeCombo->setCurrentIndex(1);
    auto *legend = new QListWidget;
    legend->setObjectName(QStringLiteral("ListBox1"));
    legend->addItems(barcodeLegendLines());
    legend->setSelectionMode(QAbstractItemView::NoSelection);
    legend->setFocusPolicy(Qt::NoFocus);
    auto *barcodeColumn = new QVBoxLayout(group);
    barcodeColumn->addWidget(m_barcodeCombo);
    auto *legendCaption = buddyLabel(tr("Формат"), m_barcodeCombo);
    barcodeColumn->addWidget(legendCaption);
    barcodeColumn->addWidget(legend, 1);
    return group;
}

QWidget *ParametersTab::buildGeneralGroup()
{
    QGroupBox *group = namedGroup("GroupBox2", tr(" Общие "));
    m_departmentEdit = namedEdit("Edit2", QStringLiteral("1"));
    m_printShiftEdit = namedEdit("Edit5", QStringLiteral("10"));
    m_autoPrintWeightEdit = namedEdit("Edit4", QStringLiteral("200"));
    auto *general = new QFormLayout(group);
    general->addRow(buddyLabel(tr("Номер отдела"), m_departmentEdit), m_departmentEdit);
    general->addRow(buddyLabel(tr("Сдвиг печати"), m_printShiftEdit), m_printShiftEdit);
    general->addRow(buddyLabel(tr("Вес автопечати"), m_autoPrintWeightEdit), m_autoPrintWeightEdit);
    // Kept in the column-width file.
    m_fastExchangeBox = new QCheckBox(tr("Быстрый обмен"));
    m_fastExchangeBox->setObjectName(QStringLiteral("cbFastExchange"));
    m_fastExchangeBox->setToolTip(tr("Весы опрашиваются сразу после ответа, без паузы таймера"));
    general->addRow(m_fastExchangeBox);
    m_changedOnlyBox = new QCheckBox(tr("Только изменённые"));
    m_changedOnlyBox->setObjectName(QStringLiteral("cbChangedOnly"));
    m_changedOnlyBox->setToolTip(
        tr("Каждым весам записываются только те товары и сообщения, которых в них нет в нынешнем виде"));
    general->addRow(m_changedOnlyBox);
    // The language of the texts (session/Language), kept in the column-width file and read at
    // the start; the items in the order of Language::Choice.
    m_languageCombo = new QComboBox;
    m_languageCombo->setObjectName(QStringLiteral("comboLanguage"));
    m_languageCombo->addItem(tr("Как в системе"));
    // not translated: each language by its own name
    m_languageCombo->addItems({QStringLiteral("Русский"), QStringLiteral("Українська"), QStringLiteral("English")});
    m_languageCombo->setToolTip(tr("Язык окна и tevo-cli; меняется при следующем запуске программы"));
    general->addRow(buddyLabel(tr("Язык (после перезапуска)"), m_languageCombo), m_languageCombo);
    return group;
}

QWidget *ParametersTab::buildSupportGroup()
{
    QGroupBox *group = namedGroup("GroupBox1", tr("Поддержка"));
    auto *support = new QVBoxLayout(group);
    // What whoever helps the shop asks first: the version, where the data is, where the guide is.
    const QStringList supportLines = {
        QStringLiteral("Tevo, %1").arg(AboutDialog::versionText()),
        tr("Папка данных: %1").arg(QDir::toNativeSeparators(dataDir())),
        tr("Руководство: меню «Помощь» (%1)").arg(QDir::toNativeSeparators(shippedFile(QLatin1String(kUserGuideFile))))};
    for (int i = 0; i < supportLines.size(); ++i) {
        auto *line = new QLabel(supportLines.at(i));
        line->setObjectName(QStringLiteral("SupportLine%1").arg(i + 1));
        line->setTextInteractionFlags(Qt::TextSelectableByMouse);
        line->setWordWrap(true);
        support->addWidget(line);
    }
    support->addStretch(1);
    return group;
}

// Weighing state: four readouts with their captions below.
QWidget *ParametersTab::buildStateGroup()
{
    QGroupBox *group = namedGroup("GroupBox6", tr("Текущее состояние весов"));
    m_readStateButton = namedButton("btnReNewScaleState", tr("Обновить"));
    auto *stateGrid = new QGridLayout(group);
    struct Readout {
        LcdIndicator *ParametersTab::*member;
        const char *name;
        QString caption;
    };
    const Readout readouts[4] = {{&ParametersTab::m_weightReadout, "liM", tr("Вес товара")},
                                 {&ParametersTab::m_priceReadout, "liCena", tr("Цена товара (коп/кг)")},
                                 {&ParametersTab::m_costReadout, "liCost", tr("Стоимость товара (коп)")},
                                 {&ParametersTab::m_pluReadout, "liPLU", tr("Номер выбранного товара")}};
    for (int i = 0; i < 4; ++i) {
        auto *lcd = new LcdIndicator;
        lcd->setObjectName(QLatin1String(readouts[i].name));
        lcd->setFixedSize(180, 36);
        this->*readouts[i].member = lcd;
        auto *caption = buddyLabel(readouts[i].caption, lcd);
        caption->setAlignment(Qt::AlignHCenter);
        stateGrid->addWidget(lcd, (i / 2) * 2, i % 2);
        stateGrid->addWidget(caption, (i / 2) * 2 + 1, i % 2);
    }
    stateGrid->addWidget(m_readStateButton, 4, 0, 1, 2, Qt::AlignLeft);
    return group;
}

// Sales totals.
QWidget *ParametersTab::buildTotalsGroup()
{
    QGroupBox *group = namedGroup("GroupBox8", tr("Общий итог продаж по всем товарам"));
    struct Total {
        QLineEdit *ParametersTab::*member;
        const char *name;
        QString label;
    };
    const Total totals[10] = {{&ParametersTab::m_totalWeightEdit, "edim", tr("Общий вес")},
                              {&ParametersTab::m_totalSumEdit, "edisum", tr("Общая сумма")},
                              {&ParametersTab::m_salesCountEdit, "ediprod", tr("Кол-во продаж")},
                              {&ParametersTab::m_weightAllPluEdit, "edimp", tr("Общий вес по всем PLU")},
                              {&ParametersTab::m_sumAllPluEdit, "edisp", tr("Сумма по всем PLU")},
                              {&ParametersTab::m_salesCountAllPluEdit, "ediprodp", tr("Кол-во продаж по всем PLU")},
                              {&ParametersTab::m_runCounterEdit, "edicp", tr("Счетчик пробега")},
                              {&ParametersTab::m_labelCounterEdit, "edice", tr("Счетчик этикеток")},
                              {&ParametersTab::m_freePluEdit, "edifp", tr("Кол-во свободных PLU")},
                              {&ParametersTab::m_freeMessagesEdit, "edifm", tr("Кол-во свободных сообщений")}};
    auto *totalsForm = new QFormLayout(group);
    for (const Total &t : totals) {
        QLineEdit *edit = namedEdit(t.name);
        edit->setReadOnly(true);
        this->*t.member = edit;
        totalsForm->addRow(buddyLabel(t.label, edit), edit);
    }
    m_readTotalsButton = namedButton("btnItog", tr("Обновить"));
    totalsForm->addRow(m_readTotalsButton);
    return group;
}

// --- values ------------------------------------------------------------------------------

ScaleSettings ParametersTab::settings() const
{
    ScaleSettings s;
    s.department = strToInt(m_departmentEdit->text());
    s.printShift = strToInt(m_printShiftEdit->text());
    s.autoPrintWeight = strToInt(m_autoPrintWeightEdit->text());
    s.labelFormatPosition = m_labelFormatCombo->currentIndex() + 1;
    if (s.labelFormatPosition < 1)
        throw InputError(tr("Выберите формат этикетки в списке \"Формат Этикетки\"."));
    s.barcodePosition = m_barcodeCombo->currentIndex();
    quint8 bits = 0;
    for (int i = 0; i < 8; ++i)
        if (m_printOptionBoxes[i]->isChecked())
            bits |= quint8(1u << i);
    s.printOptions = bits;
    return s;
}

void ParametersTab::setSettings(const ScaleSettings &s)
{
    m_departmentEdit->setText(QString::number(s.department));
    m_printShiftEdit->setText(QString::number(s.printShift));
    m_barcodeCombo->setCurrentIndex(
        s.barcodePosition >= 0 && s.barcodePosition < m_barcodeCombo->count() ? s.barcodePosition : -1);
    m_autoPrintWeightEdit->setText(QString::number(s.autoPrintWeight));
    for (int i = 0; i < 8; ++i)
        m_printOptionBoxes[i]->setChecked(s.printOptions & (1u << i));
    // A code the list does not have leaves no item selected.
    m_labelFormatCombo->setCurrentIndex(s.labelFormatPosition >= 1 ? s.labelFormatPosition - 1 : -1);
}

ShopHeader ParametersTab::header() const { return {m_headerLine1Edit->text(), m_headerLine2Edit->text()}; }

void ParametersTab::setHeader(const ShopHeader &h)
{
    setHeaderLine(m_headerLine1Edit, h.line1);
    setHeaderLine(m_headerLine2Edit, h.line2);
}

void ParametersTab::setHeaderLine(QLineEdit *edit, const QString &text)
{
    // A scale holds 28 characters a line, one more than may be typed: a line read with all 28
    // is kept whole, so it goes back whole. Typing brings the limit back.
    if (text.size() > kHeaderTypedMaxLength)
        edit->setMaxLength(qMin<int>(text.size(), kHeaderLineWidth));
    edit->setText(text);
}

bool ParametersTab::headerHasEmptyLine() const
{
    return m_headerLine1Edit->text().trimmed().isEmpty() || m_headerLine2Edit->text().trimmed().isEmpty();
}

ParametersTab::Kept ParametersTab::kept() const
{
    Kept k;
    k.department = m_departmentEdit->text();
    k.printShift = m_printShiftEdit->text();
    k.autoPrintWeight = m_autoPrintWeightEdit->text();
    k.labelFormatPosition = m_labelFormatCombo->currentIndex() + 1;
    k.barcodePosition = m_barcodeCombo->currentIndex();
    for (int i = 0; i < 8; ++i)
        if (m_printOptionBoxes[i]->isChecked())
            k.printOptions |= quint8(1u << i);
    k.header = header();
    k.language = Language::Choice(qMax(0, m_languageCombo->currentIndex()));
    return k;
}

void ParametersTab::restore(const Kept &k)
{
    m_departmentEdit->setText(k.department);
    m_printShiftEdit->setText(k.printShift);
    m_autoPrintWeightEdit->setText(k.autoPrintWeight);
    const bool labelKnown = k.labelFormatPosition >= 1 && k.labelFormatPosition <= m_labelFormatCombo->count();
    m_labelFormatCombo->setCurrentIndex(labelKnown ? k.labelFormatPosition - 1 : -1);
    const bool barcodeKnown = k.barcodePosition >= 0 && k.barcodePosition < m_barcodeCombo->count();
    m_barcodeCombo->setCurrentIndex(barcodeKnown ? k.barcodePosition : -1);
    for (int i = 0; i < 8; ++i)
        m_printOptionBoxes[i]->setChecked(k.printOptions & (1u << i));
    setHeader(k.header);
    m_languageCombo->setCurrentIndex(int(k.language));
}

void ParametersTab::showWeighingState(const WeighingState &s)
{
    m_weightReadout->setIndicatorString(weightText(s.grams, QLocale()));
    m_priceReadout->setIndicatorString(s.priceText());
    m_costReadout->setIndicatorString(s.costText());
    m_pluReadout->setIndicatorString(s.pluText());
}

void ParametersTab::showTotals(const SalesTotals &t)
{
    m_runCounterEdit->setText(QString::number(t.runCounter));
    m_labelCounterEdit->setText(QString::number(t.labelCounter));
    m_totalSumEdit->setText(QString::number(t.totalSum));
    m_salesCountEdit->setText(QString::number(t.salesCount));
    m_totalWeightEdit->setText(QString::number(t.totalWeight));
    m_sumAllPluEdit->setText(QString::number(t.sumAllPlu));
    m_salesCountAllPluEdit->setText(QString::number(t.salesCountAllPlu));
    m_weightAllPluEdit->setText(QString::number(t.weightAllPlu));
    m_freePluEdit->setText(QString::number(t.freePlu));
    m_freeMessagesEdit->setText(QString::number(t.freeMessages));
}

bool ParametersTab::priceChangeTicked() const { return m_printOptionBoxes[0]->isChecked(); }
bool ParametersTab::fastExchangeTicked() const { return m_fastExchangeBox->isChecked(); }
void ParametersTab::setFastExchangeTicked(bool on) { m_fastExchangeBox->setChecked(on); }
bool ParametersTab::changedOnlyTicked() const { return m_changedOnlyBox->isChecked(); }
void ParametersTab::setChangedOnlyTicked(bool on) { m_changedOnlyBox->setChecked(on); }

void ParametersTab::setLogoImage(const QImage &image)
{
    m_logoImage = image;
    const QPixmap pixmap = QPixmap::fromImage(image);
    m_logoLabel->setPixmap(
        pixmap.isNull() ? pixmap : pixmap.scaled(m_logoLabel->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace tevo
