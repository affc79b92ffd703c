// The main window's controls as the users and the exchange commands know them: names, captions,
// defaults and the order the print options stand in.
#include "ShellFixture.h"

#include "shell/LcdIndicator.h"
#include "shell/ParametersTab.h"
#include "shell/TableGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

using namespace tevo;
using tevo::test::ShellTest;

namespace {

using MainLayoutTest = ShellTest;

// The control of the main window with that object name.
template <class W> W *child(const QObject &window, const char *name)
{
    W *w = window.findChild<W *>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QStringList actionTexts(const QMenu *menu)
{
    QStringList out;
    for (QAction *a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

TEST_F(MainLayoutTest, WindowTabsAndMenus)
{
    MainWindow &f = open().mainWindow;
    EXPECT_EQ(f.objectName(), QStringLiteral("MainForm"));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Tevo Версия 1.6"));
    EXPECT_EQ(f.palette().color(QPalette::Window), QColor(192, 220, 192));
    EXPECT_EQ(child<QTabWidget>(f, "PageControl1")->tabPosition(), QTabWidget::West);
    ASSERT_EQ(child<QTabWidget>(f, "PageControl1")->count(), 3);
    EXPECT_EQ(child<QTabWidget>(f, "PageControl1")->widget(0)->objectName(), QStringLiteral("TabSheet2"));
    EXPECT_EQ(child<QTabWidget>(f, "PageControl1")->tabText(0), QStringLiteral("Товары"));
    EXPECT_EQ(child<QTabWidget>(f, "PageControl1")->tabText(1), QStringLiteral("Сообщения"));
    EXPECT_EQ(child<QTabWidget>(f, "PageControl1")->tabText(2), QStringLiteral("Параметры"));
    EXPECT_EQ(child<QTabWidget>(f, "PageControl1")->currentIndex(), 0);

    const QList<QAction *> top = f.menuBar()->actions();
    ASSERT_EQ(top.size(), 4);
    EXPECT_EQ(top.at(0)->text(), QStringLiteral("Файл"));
    EXPECT_EQ(top.at(1)->text(), QStringLiteral("Инструменты"));
    EXPECT_EQ(top.at(2)->objectName(), QStringLiteral("N9"));
    EXPECT_EQ(top.at(2)->text(), QStringLiteral("О программе"));
    EXPECT_EQ(top.at(3)->objectName(), QStringLiteral("N16"));
    EXPECT_EQ(top.at(3)->text(), QStringLiteral("Помощь"));
    EXPECT_EQ(actionTexts(child<QMenu>(f, "N1")),
              (QStringList{QStringLiteral("Экспорт товаров в *.txt"), QStringLiteral("Экспорт товаров в *.dbf"),
                           QStringLiteral("Экспорт товаров в *.xls"), QStringLiteral("Экспорт товаров в *.xlsx"),
                           QStringLiteral("-"), QStringLiteral("Импорт товаров из *.txt"),
                           QStringLiteral("Импорт товаров из *.dbf"), QStringLiteral("Импорт товаров из *.csv"),
                           QStringLiteral("Импорт сообщеий из *.csv"), QStringLiteral("Импорт товаров из файла…"),
                           QStringLiteral("Импорт сообщений из файла…"), QStringLiteral("-"), QStringLiteral("Выход")}));
    QStringList tools = actionTexts(child<QMenu>(f, "N6"));
    ASSERT_EQ(tools.size(), 7);
    EXPECT_EQ(tools.at(3), QStringLiteral("Создать пустую таблицю сообщений"));
    EXPECT_EQ(tools.at(6), QStringLiteral("Журнал изменений"));
    // The fourth letter of "пуcтую" is the Latin c.
    EXPECT_EQ(tools.at(4), QStringLiteral("Создать пу") + QLatin1Char('c') + QStringLiteral("тую таблицу товаров"));
    for (const char *name : {"Excel1", "dbf2", "csv1", "N5", "xls1", "dbf1", "csv2", "csv3", "N4", "mmExit", "N2", "N3",
                             "N7", "N11", "N8", "N10"})
        EXPECT_NE(f.findChild<QAction *>(QLatin1String(name)), nullptr) << name;
}

TEST_F(MainLayoutTest, GoodsAndMessagesStrips)
{
    MainWindow &f = open().mainWindow;
    for (QLineEdit *range : {child<QLineEdit>(f, "edTDiapazon"), child<QLineEdit>(f, "edMDiapazon")}) {
        EXPECT_EQ(range->text(), QString()); // nothing is sent that was not asked for
        EXPECT_EQ(range->placeholderText(), QStringLiteral("1-5, 7-8"));
        EXPECT_EQ(range->toolTip(), QStringLiteral("Внимание, после запятых обязательно должны идти пробелы, после "
                                                   "тире - не должно быть пробелов"));
        auto *label = f.findChild<QLabel *>(range->objectName() + QStringLiteral("Label"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QStringLiteral("Диапазон для загрузки"));
        EXPECT_EQ(label->buddy(), range);
    }
    EXPECT_EQ(child<QPushButton>(f, "btnOneT")->text(), QStringLiteral("Текущий"));
    EXPECT_EQ(child<QPushButton>(f, "btnOneM")->text(), QStringLiteral("Текущее"));
    EXPECT_EQ(child<QPushButton>(f, "btnWriteT")->text(), QStringLiteral("Загрузить товары в весы"));
    EXPECT_EQ(child<QPushButton>(f, "btnReadM")->text(), QStringLiteral("Считать сообщения из весов"));
    EXPECT_EQ(child<QPushButton>(f, "btnStopT")->text(), QStringLiteral("Прекратить обмен с весами"));
    EXPECT_EQ(child<QProgressBar>(f, "pbT")->maximum(), 100);
    EXPECT_EQ(child<QProgressBar>(f, "pbM")->maximum(), 100);
    EXPECT_FALSE(child<QPlainTextEdit>(f, "Memo")->isVisibleTo(&f));
    EXPECT_EQ(child<TableGrid>(f, "gdT")->model()->headerData(3, Qt::Horizontal).toString(),
              QStringLiteral("Цена (коп.)"));
    EXPECT_EQ(child<TableGrid>(f, "grM")->model()->headerData(8, Qt::Horizontal).toString(),
              QStringLiteral("Строка 8"));
}

TEST_F(MainLayoutTest, ParametersTab)
{
    MainWindow &f = open().mainWindow;
    ASSERT_EQ(child<QComboBox>(f, "ComboBox2")->count(), 46);
    EXPECT_EQ(child<QComboBox>(f, "ComboBox2")->currentIndex(), 20);
    EXPECT_EQ(child<QComboBox>(f, "ComboBox2")->currentText(), QStringLiteral("58 х 40 (2 стр. тов.+2 стр. маг.)"));
    EXPECT_EQ(child<QComboBox>(f, "ComboBox2")->itemText(45), QStringLiteral("свободний формат етикетки"));
    ASSERT_EQ(child<QComboBox>(f, "ComboBox5")->count(), 9);
    EXPECT_EQ(child<QComboBox>(f, "ComboBox5")->currentIndex(), 1);
    EXPECT_EQ(child<QListWidget>(f, "ListBox1")->count(), 7);

    // Screen order of the print options, top to bottom.
    QStringList order;
    for (QCheckBox *box : child<QGroupBox>(f, "GroupBox3")->findChildren<QCheckBox *>())
        order << box->objectName();
    std::sort(order.begin(), order.end(), [&](const QString &a, const QString &b) {
        return child<QGroupBox>(f, "GroupBox3")->layout()->indexOf(f.findChild<QCheckBox *>(a))
               < child<QGroupBox>(f, "GroupBox3")->layout()->indexOf(f.findChild<QCheckBox *>(b));
    });
    EXPECT_EQ(order, (QStringList{"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox8", "CheckBox7",
                                  "CheckBox6", "CheckBox5"}));
    EXPECT_EQ(child<QCheckBox>(f, "CheckBox8")->text(), QStringLiteral("Печать времени упаковки"));
    EXPECT_EQ(child<QCheckBox>(f, "CheckBox5")->text(), QStringLiteral("Печать даты упаковки"));
    for (QCheckBox *box : child<QGroupBox>(f, "GroupBox3")->findChildren<QCheckBox *>())
        EXPECT_FALSE(box->isChecked());

    EXPECT_EQ(child<QLineEdit>(f, "Edit1")->maxLength(), 27);
    EXPECT_EQ(child<QLineEdit>(f, "Edit6")->maxLength(), 27);
    // The shop header starts empty: nothing made up goes to the scales.
    EXPECT_TRUE(child<QLineEdit>(f, "Edit1")->text().isEmpty());
    EXPECT_TRUE(child<QLineEdit>(f, "Edit6")->text().isEmpty());
    // "Поддержка": the version, the data folder, the guide; no contact the program cannot vouch for.
    const QString support = child<QLabel>(f, "SupportLine1")->text() + child<QLabel>(f, "SupportLine2")->text()
                            + child<QLabel>(f, "SupportLine3")->text();
    EXPECT_TRUE(support.contains(QStringLiteral("Версия 1.6"))) << support.toStdString();
    EXPECT_TRUE(support.contains(QDir::toNativeSeparators(dataDir()))) << support.toStdString();
    EXPECT_TRUE(support.contains(QStringLiteral("help/index.html"))) << support.toStdString();
    EXPECT_FALSE(support.contains(QLatin1Char('@')) || support.contains(QStringLiteral("Телефон")));
    EXPECT_EQ(child<QLineEdit>(f, "Edit2")->text(), QStringLiteral("1"));
    EXPECT_EQ(child<QLineEdit>(f, "Edit5")->text(), QStringLiteral("10"));
    EXPECT_EQ(child<QLineEdit>(f, "Edit4")->text(), QStringLiteral("200"));
    EXPECT_EQ(child<QCheckBox>(f, "cbFastExchange")->text(), QStringLiteral("Быстрый обмен"));
    EXPECT_EQ(child<QCheckBox>(f, "cbFastExchange")->parentWidget(), child<QGroupBox>(f, "GroupBox2"))
        << "in the group \" Общие \"";
    EXPECT_FALSE(child<QCheckBox>(f, "cbFastExchange")->isChecked());
    EXPECT_EQ(child<QLabel>(f, "Image1")->size(), QSize(180, 180));
    EXPECT_EQ(child<QToolButton>(f, "SpeedButton4")->text(), QStringLiteral("Открыть"));
    EXPECT_EQ(child<QToolButton>(f, "SpeedButton5")->text(), QStringLiteral("Записать"));

    QImage wide(128, 32, QImage::Format_RGB32);
    wide.fill(Qt::black);
    f.parametersTab().setLogoImage(wide);
    EXPECT_EQ(f.parametersTab().logoImage().size(), QSize(128, 32));
    EXPECT_EQ(child<QLabel>(f, "Image1")->pixmap().size(), QSize(180, 45));

    for (LcdIndicator *lcd : {child<LcdIndicator>(f, "liM"), child<LcdIndicator>(f, "liCena"),
                              child<LcdIndicator>(f, "liCost"), child<LcdIndicator>(f, "liPLU")})
        EXPECT_EQ(lcd->size(), QSize(180, 36));
    child<LcdIndicator>(f, "liM")->setIndicatorString(QStringLiteral("1,5"));
    EXPECT_DOUBLE_EQ(child<LcdIndicator>(f, "liM")->value(), 1.5);

    const QList<QLineEdit *> totals = {child<QLineEdit>(f, "edim"),    child<QLineEdit>(f, "edisum"),
                                       child<QLineEdit>(f, "ediprod"), child<QLineEdit>(f, "edimp"),
                                       child<QLineEdit>(f, "edisp"),   child<QLineEdit>(f, "ediprodp"),
                                       child<QLineEdit>(f, "edicp"),   child<QLineEdit>(f, "edice"),
                                       child<QLineEdit>(f, "edifp"),   child<QLineEdit>(f, "edifm")};
    for (QLineEdit *e : totals)
        EXPECT_TRUE(e->isReadOnly()) << e->objectName().toStdString();
    EXPECT_EQ(child<QPushButton>(f, "btnItog")->text(), QStringLiteral("Обновить"));
    EXPECT_EQ(child<QPushButton>(f, "btnReNewScaleState")->text(), QStringLiteral("Обновить"));

    // Every labelled edit has its label as buddy.
    for (QLineEdit *e : f.findChildren<QLineEdit *>()) {
        if (e->objectName().isEmpty() || e->objectName().startsWith(QLatin1String("qt_"))
            || e == child<QLineEdit>(f, "Edit6"))
            continue;
        auto *label = f.findChild<QLabel *>(e->objectName() + QStringLiteral("Label"));
        ASSERT_NE(label, nullptr) << e->objectName().toStdString();
        EXPECT_EQ(label->buddy(), e);
    }
}

} // namespace
