// The import window driven as a person would: a price list with a bad line in the middle is
// shown with that line and stores nothing; the corrected list stores every row, remembers its
// mapping, and tomorrow's file of the same name pattern opens mapped by it; columns whose titles
// mean nothing are mapped by hand, with the price marked as kopecks.
#include "ShellFixture.h"

#include "shell/ImportDialog.h"
#include "shell/MainWindow.h"

#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

using namespace tevo;
using tevo::test::ShellTest;

namespace {

class ImportWindowTest : public ShellTest {
protected:
    Table &goods() { return windows->mainWindow.store().goods(); }

    // Opens the window on `name` and runs `inside` while it is open.
    void importing(const QString &name, const std::function<void(ImportDialog &)> &inside)
    {
        Dialogs::setNextFileName(scratch.file(name));
        bool seen = false;
        Dialogs::setNextAnswer(QDialog::Rejected, [&] {
            auto *dialog = windows->mainWindow.findChild<ImportDialog *>();
            ASSERT_NE(dialog, nullptr);
            seen = true;
            inside(*dialog);
        });
        windows->mainWindow.onImportGoodsTableTriggered();
        EXPECT_TRUE(seen) << Dialogs::shownTexts().join(QLatin1Char('|')).toStdString();
    }

    static QStringList problems(ImportDialog &d)
    {
        QStringList out;
        auto *list = d.findChild<QListWidget *>(QStringLiteral("lstProblems"));
        for (int i = 0; list && i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    static QPushButton *applyButton(ImportDialog &d) { return d.findChild<QPushButton *>(QStringLiteral("btnApply")); }
};

TEST_F(ImportWindowTest, ShowsEveryBadLineStoresAllOrNothingAndRemembersTheMapping)
{
    activated();
    goods().setValue(1, QStringLiteral("TNAME1"), QStringLiteral("было"));
    const QByteArray header = QStringLiteral("Код;Наименование;Цена, грн\r\n").toUtf8();
    scratch.writeFile(QStringLiteral("price_0101.csv"),
                      header + QStringLiteral("1;Молоко;12,50\r\n2;Кефир;7,2x\r\n3;Сыр;100\r\n5000;Хлеб;9\r\n").toUtf8());
    importing(QStringLiteral("price_0101.csv"), [&](ImportDialog &d) {
        const QStringList bad = problems(d);
        ASSERT_EQ(bad.size(), 2) << bad.join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(bad[0].startsWith(QStringLiteral("Файл «price_0101.csv», строка 3, столбец 3 «Цена, грн»: «7,2x»")))
            << bad[0].toStdString();
        EXPECT_TRUE(bad[1].contains(QStringLiteral("строка 5"))) << bad[1].toStdString();
        EXPECT_FALSE(applyButton(d)->isEnabled());
        d.apply(); // refused with the reason: nothing stored
        auto *preview = d.findChild<QTableWidget *>(QStringLiteral("tblPreview"));
        ASSERT_EQ(preview->rowCount(), 2);
        EXPECT_EQ(preview->item(0, 3)->text(), QStringLiteral("1250")); // as stored: kopecks
    });
    EXPECT_EQ(goods().value(0, QStringLiteral("PRICE")).toLongLong(), 0);
    EXPECT_EQ(goods().value(1, QStringLiteral("TNAME1")).toString(), QStringLiteral("было"));
    EXPECT_FALSE(QFileInfo::exists(scratch.file(QStringLiteral("ImportMappings.ini"))));

    Dialogs::reset();
    scratch.writeFile(QStringLiteral("price_0101.csv"),
                      header + QStringLiteral("1;Молоко;12,50\r\n2;Кефир;7,20\r\n3;Сыр;100\r\n").toUtf8());
    importing(QStringLiteral("price_0101.csv"), [&](ImportDialog &d) {
        EXPECT_TRUE(problems(d).isEmpty());
        applyButton(d)->click();
    });
    EXPECT_EQ(goods().value(0, QStringLiteral("PRICE")).toLongLong(), 1250);
    EXPECT_EQ(goods().value(1, QStringLiteral("PRICE")).toLongLong(), 720);
    EXPECT_EQ(goods().value(2, QStringLiteral("TNAME1")).toString(), QStringLiteral("Сыр"));
    EXPECT_TRUE(Dialogs::shownTexts().contains(QStringLiteral("Из файла «price_0101.csv» прочитано строк: 3; изменено "
                                                              "товаров: 3 (столбцы: Название товара 1, Цена (коп.)).")))
        << Dialogs::shownTexts().join(QLatin1Char('|')).toStdString();

    // Tomorrow's file opens mapped by the remembered mapping of "price_*.csv": one click.
    Dialogs::reset();
    scratch.writeFile(QStringLiteral("price_0102.csv"), header + QStringLiteral("2;Кефир;8\r\n").toUtf8());
    importing(QStringLiteral("price_0102.csv"), [&](ImportDialog &d) {
        EXPECT_EQ(d.import().mappingFrom(), TabularImport::MappingFrom::Remembered);
        applyButton(d)->click();
    });
    EXPECT_EQ(goods().value(1, QStringLiteral("PRICE")).toLongLong(), 800);

    // Titles that mean nothing: mapped by hand, the price marked as kopecks.
    Dialogs::reset();
    scratch.writeFile(QStringLiteral("other.csv"), QByteArray("Art;Bez;Kost\r\n4;Masło;1999\r\n"));
    importing(QStringLiteral("other.csv"), [&](ImportDialog &d) {
        EXPECT_FALSE(applyButton(d)->isEnabled());
        const auto choose = [&](const char *box, const QString &data) {
            auto *combo = d.findChild<QComboBox *>(QLatin1String(box));
            ASSERT_NE(combo, nullptr) << box;
            combo->setCurrentIndex(combo->findData(data));
        };
        choose("cbSource_NPLU", QStringLiteral("Art"));
        choose("cbSource_TNAME1", QStringLiteral("Bez"));
        choose("cbSource_PRICE", QStringLiteral("Kost"));
        auto *unit = d.findChild<QComboBox *>(QStringLiteral("cbUnit_PRICE"));
        unit->setCurrentIndex(unit->findData(int(MoneyUnit::Kopecks)));
        EXPECT_TRUE(problems(d).isEmpty()) << problems(d).join(QLatin1Char('|')).toStdString();
        applyButton(d)->click();
    });
    EXPECT_EQ(goods().value(3, QStringLiteral("PRICE")).toLongLong(), 1999);
    EXPECT_EQ(goods().value(3, QStringLiteral("TNAME1")).toString(), QStringLiteral("Masło"));
}

} // namespace
