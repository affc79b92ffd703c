// The parameters tab of the main window: print settings and shop header, logo, barcode,
// general values, support contacts, the weighing state and the sales totals.
#include "shell/Controls.h"
#include "shell/LcdIndicator.h"
#include "shell/MainForm.h"
#include "shell/ShellStyle.h"

#include "commands/SettingsPackets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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

void TMainForm::buildParametersTab()
{
    Panel3 = namedPanel("Panel3");
    Panel3->setFrameShape(QFrame::NoFrame);
    style::paintPaleGreen(Panel3);

    // Top strip: settings and clock buttons.
    Panel2 = namedPanel("Panel2");
    Button1 = namedButton("Button1", QStringLiteral("Загрузить настройки в весы"));
    Button2 = namedButton("Button2", QStringLiteral("Считать настройки из весов"));
    Button3 = namedButton("Button3", QStringLiteral("Загрузить дату и время"));
    auto *strip = new QHBoxLayout(Panel2);
    strip->setContentsMargins(6, 4, 6, 4);
    strip->addWidget(Button1);
    strip->addWidget(Button2);
    strip->addSpacing(24);
    strip->addWidget(Button3);
    strip->addStretch(1);

    // Label format and shop header.
    Panel4 = namedPanel("Panel4");
    ComboBox2 = new QComboBox;
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->addItems(labelFormatTexts());
    ComboBox2->setCurrentIndex(kShownLabelFormatPosition - 1);
    ComboBox2->setMinimumWidth(420);
    Edit1 = namedEdit("Edit1", QStringLiteral("Магазин «Свежие продукты»"));
    Edit1->setMaxLength(kHeaderTypedMaxLength);
    Edit6 = namedEdit("Edit6", QStringLiteral("ул. Садовая, 12"));
    Edit6->setMaxLength(kHeaderTypedMaxLength);
    Edit1->setMinimumWidth(260);
    Edit6->setMinimumWidth(260);
    auto *header = new QGridLayout(Panel4);
    header->setContentsMargins(6, 4, 6, 4);
    header->addWidget(buddyLabel(QStringLiteral("Формат Этикетки"), ComboBox2), 0, 0);
    header->addWidget(ComboBox2, 0, 1, Qt::AlignLeft);
    header->addWidget(buddyLabel(QStringLiteral("Заголовок (название магазина)"), Edit1), 1, 0);
    header->addWidget(Edit1, 1, 1, Qt::AlignLeft);
    header->addWidget(Edit6, 2, 1, Qt::AlignLeft);
    header->setColumnStretch(2, 1);

    // Print options, top to bottom in their screen order (not their bit order).
    GroupBox3 = namedGroup("GroupBox3", QStringLiteral("Настройка печати"));
    QCheckBox *TMainForm::*const boxes[8] = {&TMainForm::CheckBox1, &TMainForm::CheckBox2, &TMainForm::CheckBox3,
                                             &TMainForm::CheckBox4, &TMainForm::CheckBox5, &TMainForm::CheckBox6,
                                             &TMainForm::CheckBox7, &TMainForm::CheckBox8};
    const QList<PrintOption> options = printOptionList();
    auto *printColumn = new QVBoxLayout(GroupBox3);
    for (int bit : printOptionScreenOrder()) {
        auto *box = new QCheckBox(options.at(bit).caption);
        box->setObjectName(options.at(bit).checkBox);
        this->*boxes[bit] = box;
        printColumn->addWidget(box);
    }
    printColumn->addStretch(1);

    // Logo.
    GroupBox4 = namedGroup("GroupBox4", QStringLiteral("Логотип"));
    Image1 = new QLabel;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(kLogoSide, kLogoSide);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setFrameShape(QFrame::Box);
    SpeedButton4 = flatButton("SpeedButton4", QStringLiteral("Открыть"));
    SpeedButton5 = flatButton("SpeedButton5", QStringLiteral("Записать"));
    auto *logoButtons = new QHBoxLayout;
    logoButtons->addWidget(SpeedButton4);
    logoButtons->addWidget(SpeedButton5);
    auto *logoColumn = new QVBoxLayout(GroupBox4);
    logoColumn->addWidget(Image1, 0, Qt::AlignHCenter);
    logoColumn->addLayout(logoButtons);
    logoColumn->addStretch(1);
    QImage blank(65, 65, QImage::Format_Mono);
    blank.fill(1); // white
    setLogoImage(blank);

    // Barcode layout and its legend.
    GroupBox7 = namedGroup("GroupBox7", QStringLiteral(" Штрих-код "));
    ComboBox5 = new QComboBox;
    ComboBox5->setObjectName(QStringLiteral("ComboBox5"));
    ComboBox5->addItems(barcodeFormatTexts());
    ComboBox5->setCurrentIndex(1);
    ListBox1 = new QListWidget;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->addItems(barcodeLegendLines());
    ListBox1->setSelectionMode(QAbstractItemView::NoSelection);
    ListBox1->setFocusPolicy(Qt::NoFocus);
    auto *barcodeColumn = new QVBoxLayout(GroupBox7);
    barcodeColumn->addWidget(ComboBox5);
    auto *legendCaption = buddyLabel(QStringLiteral("Формат"), ComboBox5);
    barcodeColumn->addWidget(legendCaption);
    barcodeColumn->addWidget(ListBox1, 1);

    // General values.
    GroupBox2 = namedGroup("GroupBox2", QStringLiteral(" Общие "));
    Edit2 = namedEdit("Edit2", QStringLiteral("1"));
    Edit5 = namedEdit("Edit5", QStringLiteral("10"));
    Edit4 = namedEdit("Edit4", QStringLiteral("200"));
    auto *general = new QFormLayout(GroupBox2);
    general->addRow(buddyLabel(QStringLiteral("Номер отдела"), Edit2), Edit2);
    general->addRow(buddyLabel(QStringLiteral("Сдвиг печати"), Edit5), Edit5);
    general->addRow(buddyLabel(QStringLiteral("Вес автопечати"), Edit4), Edit4);
    cbFastExchange = new QCheckBox(QStringLiteral("Быстрый обмен"));
    cbFastExchange->setObjectName(QStringLiteral("cbFastExchange"));
    cbFastExchange->setToolTip(QStringLiteral("Весы опрашиваются сразу после ответа, без паузы таймера"));
    general->addRow(cbFastExchange);

    // Support contacts.
    GroupBox1 = namedGroup("GroupBox1", QStringLiteral("Поддержка"));
    auto *support = new QVBoxLayout(GroupBox1);
    const QStringList supportLines = {QStringLiteral("Служба поддержки Tevo"),
                                      QStringLiteral("Телефон: +7 (800) 000-00-00"),
                                      QStringLiteral("Эл. почта: support@tevo.example")};
    for (int i = 0; i < supportLines.size(); ++i) {
        auto *line = new QLabel(supportLines.at(i));
        line->setObjectName(QStringLiteral("SupportLine%1").arg(i + 1));
        line->setTextInteractionFlags(Qt::TextSelectableByMouse);
        support->addWidget(line);
    }
    support->addStretch(1);

    // Weighing state: four readouts with their captions below.
    GroupBox6 = namedGroup("GroupBox6", QStringLiteral("Текущее состояние весов"));
    btnReNewScaleState = namedButton("btnReNewScaleState", QStringLiteral("Обновить"));
    auto *stateGrid = new QGridLayout(GroupBox6);
    struct Readout {
        LcdIndicator *TMainForm::*member;
        const char *name;
        QString caption;
    };
    const Readout readouts[4] = {{&TMainForm::liM, "liM", QStringLiteral("Вес товара")},
                                 {&TMainForm::liCena, "liCena", QStringLiteral("Цена товара (коп/кг)")},
                                 {&TMainForm::liCost, "liCost", QStringLiteral("Стоимость товара (коп)")},
                                 {&TMainForm::liPLU, "liPLU", QStringLiteral("Номер выбранного товара")}};
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
    stateGrid->addWidget(btnReNewScaleState, 4, 0, 1, 2, Qt::AlignLeft);

    // Sales totals.
    GroupBox8 = namedGroup("GroupBox8", QStringLiteral("Общий итог продаж по всем товарам"));
    struct Total {
        QLineEdit *TMainForm::*member;
        const char *name;
        QString label;
    };
    const Total totals[10] = {{&TMainForm::edim, "edim", QStringLiteral("Общий вес")},
                              {&TMainForm::edisum, "edisum", QStringLiteral("Общая сумма")},
                              {&TMainForm::ediprod, "ediprod", QStringLiteral("Кол-во продаж")},
                              {&TMainForm::edimp, "edimp", QStringLiteral("Общий вес по всем PLU")},
                              {&TMainForm::edisp, "edisp", QStringLiteral("Сумма по всем PLU")},
                              {&TMainForm::ediprodp, "ediprodp", QStringLiteral("Кол-во продаж по всем PLU")},
                              {&TMainForm::edicp, "edicp", QStringLiteral("Счетчик пробега")},
                              {&TMainForm::edice, "edice", QStringLiteral("Счетчик этикеток")},
                              {&TMainForm::edifp, "edifp", QStringLiteral("Кол-во свободных PLU")},
                              {&TMainForm::edifm, "edifm", QStringLiteral("Кол-во свободных сообщений")}};
    auto *totalsForm = new QFormLayout(GroupBox8);
    for (const Total &t : totals) {
        QLineEdit *edit = namedEdit(t.name);
        edit->setReadOnly(true);
        this->*t.member = edit;
        totalsForm->addRow(buddyLabel(t.label, edit), edit);
    }
    btnItog = namedButton("btnItog", QStringLiteral("Обновить"));
    totalsForm->addRow(btnItog);

    // Arrangement.
    auto *groups = new QGridLayout;
    groups->addWidget(GroupBox3, 0, 0);
    groups->addWidget(GroupBox4, 0, 1);
    groups->addWidget(GroupBox7, 0, 2, 2, 1);
    groups->addWidget(GroupBox2, 1, 0);
    groups->addWidget(GroupBox1, 1, 1);
    groups->addWidget(GroupBox6, 2, 0, 1, 2);
    groups->addWidget(GroupBox8, 2, 2);
    groups->setColumnStretch(3, 1);

    auto *panel = new QVBoxLayout(Panel3);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(Panel2);
    panel->addWidget(Panel4);
    panel->addLayout(groups);
    panel->addStretch(1);

    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("Panel3Scroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(Panel3);
    auto *tab = new QVBoxLayout(TabSheet1);
    tab->setContentsMargins(0, 0, 0, 0);
    tab->addWidget(scroll);
}

} // namespace tevo
