// The parameters tab as the settings commands see it: which control holds which value, the
// values back as they were shown, and "Изменение цены" steering the exchange.
#include "ShellFixture.h"

#include "common/Error.h"
#include "shell/ExchangeHub.h"
#include "shell/ParametersTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace tevo;
using tevo::test::ShellTest;

namespace {

using ParametersTabTest = ShellTest;

TEST_F(ParametersTabTest, SettingsShownInTheirControlsAndGivenBack)
{
    AppWindows &w = open();
    ParametersTab &tab = w.mainWindow.parametersTab();
    const ExchangeEngine &engine = w.mainWindow.exchange().engine();
    auto text = [&](const char *name) { return tab.findChild<QLineEdit *>(QLatin1String(name))->text(); };
    auto index = [&](const char *name) { return tab.findChild<QComboBox *>(QLatin1String(name))->currentIndex(); };
    auto ticked = [&](int box) { return tab.findChild<QCheckBox *>(QStringLiteral("CheckBox%1").arg(box))->isChecked(); };

    struct Case {
        ScaleSettings settings;
        int labelIndex, barcodeIndex; // as the lists show them
        bool givenBack;               // settings() gives the same values back
    };
    const Case cases[] = {
        {{7, 5, 4, 3, 0x81, 150}, 4, 4, true}, // bit 0 "Изменение цены" and bit 7, apart in the column
        {{1, 46, 0, 10, 0x7E, 200}, 45, 0, true},
        {{1, 21, 99, 10, 0, 200}, 20, -1, false}, // a barcode the list does not have: none chosen
        {{1, 0, 1, 10, 0, 200}, -1, 1, false},    // no label format: a write is refused
    };
    for (const Case &c : cases) {
        tab.setSettings(c.settings);
        EXPECT_EQ(text("Edit2"), QString::number(c.settings.department));
        EXPECT_EQ(text("Edit5"), QString::number(c.settings.printShift));
        EXPECT_EQ(text("Edit4"), QString::number(c.settings.autoPrintWeight));
        EXPECT_EQ(index("ComboBox2"), c.labelIndex);
        EXPECT_EQ(index("ComboBox5"), c.barcodeIndex);
        for (int bit = 0; bit < 8; ++bit)
            EXPECT_EQ(ticked(bit + 1), bool(c.settings.printOptions & (1u << bit))) << "bit " << bit;
        EXPECT_EQ(tab.priceChangeTicked(), bool(c.settings.printOptions & 1));
        EXPECT_EQ(engine.priceChange(), bool(c.settings.printOptions & 1)) << "the exchange follows the box";
        if (c.givenBack)
            EXPECT_EQ(tab.settings(), c.settings);
        else if (c.labelIndex < 0)
            EXPECT_THROW(tab.settings(), InputError);
        else
            EXPECT_EQ(tab.settings().barcodePosition, -1);
    }
}

TEST_F(ParametersTabTest, ASettingsWriteWithAnEmptyHeaderLineAsksFirst)
{
    const QString question = QStringLiteral("Строка заголовка (название магазина) пуста: весы напечатают её на "
                                            "этикетках пустой. Загрузить настройки в весы?");
    const QString picker = QStringLiteral("Выберите весы для загрузки!");
    struct Case {
        QString line1, line2;
        int answer; // to the question, when it comes
        QStringList shown;
    };
    const Case cases[] = {
        {QStringLiteral("Ромашка"), QStringLiteral("ул. Мира"), QMessageBox::No, {picker}},
        {QString(), QStringLiteral("ул. Мира"), QMessageBox::No, {question}},
        {QStringLiteral("Ромашка"), QStringLiteral("   "), QMessageBox::No, {question}},
        {QString(), QString(), QMessageBox::Yes, {question, picker}},
    };
    AppWindows &w = activated();
    for (const Case &c : cases) {
        Dialogs::reset();
        w.mainWindow.parametersTab().setHeader({c.line1, c.line2});
        if (c.shown.first() == question)
            Dialogs::setNextAnswer(c.answer);
        w.mainWindow.findChild<QPushButton *>(QStringLiteral("Button1"))->click();
        EXPECT_EQ(Dialogs::shownTexts(), c.shown) << c.line1.toStdString() << "/" << c.line2.toStdString();
    }
}

} // namespace
