// Column widths kept in the settings file beside the program: saved at close, restored at the
// first activation only, damaged files ignored; "Быстрый обмен", the parameters tab and the
// ranges kept in the same file.
#include "ShellFixture.h"
#include "shell/GoodsTab.h"
#include "shell/MessagesTab.h"
#include "shell/ParametersTab.h"

#include "common/ProfileFile.h"
#include "session/Language.h"
#include "shell/ColumnWidths.h"
#include "shell/ExchangeHub.h"
#include "shell/TableGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>

using namespace tevo;
using tevo::test::ShellTest;

namespace {

class ColumnWidthsTest : public ShellTest {
protected:
    QString widthsFile() const { return scratch.file(QLatin1String(kColumnWidthsFileName)); }
};

TEST_F(ColumnWidthsTest, DesignedWidthsWithoutAFileAndTheFileAfterClose)
{
    AppWindows &w = activated();
    EXPECT_EQ(w.mainWindow.goodsTab().grid()->columnWidth(0), 75);
    EXPECT_EQ(w.mainWindow.goodsTab().grid()->columnWidth(14), 264);
    EXPECT_EQ(w.mainWindow.messagesTab().grid()->columnWidth(0), 144);
    EXPECT_EQ(w.mainWindow.messagesTab().grid()->columnWidth(8), 137);
    w.mainWindow.close();

    ProfileFile file(widthsFile());
    ASSERT_TRUE(file.load());
    EXPECT_TRUE(file.sectionExists(QStringLiteral("TMainForm")));
    EXPECT_EQ(file.keys(QStringLiteral("TMainForm")).size(), 15 + 9);
    EXPECT_EQ(file.readString(QStringLiteral("TMainForm"), QStringLiteral("Line0")), QStringLiteral("gdT.0.Width=75"));
    EXPECT_EQ(file.readString(QStringLiteral("TMainForm"), QStringLiteral("Line15")),
              QStringLiteral("grM.0.Width=144"));
    // Each stored line stands in single quotes in the file.
    EXPECT_TRUE(scratch.readFile(QLatin1String(kColumnWidthsFileName)).contains("Line1='gdT.1.Width=171'"));
}

TEST_F(ColumnWidthsTest, SavedWidthsComeBackAtTheFirstActivationOnly)
{
    {
        AppWindows &w = activated();
        w.mainWindow.goodsTab().grid()->setColumnWidth(2, 222);
        w.mainWindow.messagesTab().grid()->setColumnWidth(3, 99);
        w.mainWindow.close();
    }
    AppWindows &w = open();
    EXPECT_EQ(w.mainWindow.goodsTab().grid()->columnWidth(2), 167);
    w.mainWindow.runActivationSteps();
    EXPECT_EQ(w.mainWindow.goodsTab().grid()->columnWidth(2), 222);
    EXPECT_EQ(w.mainWindow.messagesTab().grid()->columnWidth(3), 99);
    EXPECT_EQ(w.mainWindow.goodsTab().grid()->columnWidth(1), 171);

    w.mainWindow.goodsTab().grid()->setColumnWidth(2, 300);
    w.mainWindow.runActivationSteps(); // a later activation (a dialog closed) keeps the widths as they are
    EXPECT_EQ(w.mainWindow.goodsTab().grid()->columnWidth(2), 300);
}

TEST_F(ColumnWidthsTest, ARunWithoutDatabaseLeavesTheStoredWidths)
{
    const QByteArray stored = "[TMainForm]\r\nLine0='gdT.1.Width=300'\r\n";
    scratch.writeFile(QLatin1String(kColumnWidthsFileName), stored);
    QFile::remove(scratch.databasePath());
    AppWindows &w = open();
    w.mainWindow.runActivationSteps();
    EXPECT_FALSE(w.mainWindow.widthsLoaded());
    w.mainWindow.close();
    EXPECT_EQ(scratch.readFile(QLatin1String(kColumnWidthsFileName)), stored);
}

TEST_F(ColumnWidthsTest, SavingDeletesKeysPastTheLastLineAndKeepsTheRest)
{
    ProfileFile old(widthsFile());
    for (int i = 0; i < 40; ++i)
        old.writeString(QStringLiteral("TMainForm"), QStringLiteral("Line%1").arg(i), QStringLiteral("'old'"));
    old.writeString(QStringLiteral("Other"), QStringLiteral("Key"), QStringLiteral("kept"));
    ASSERT_TRUE(old.save());

    AppWindows &w = activated();
    w.mainWindow.close();
    ProfileFile file(widthsFile());
    ASSERT_TRUE(file.load());
    const QStringList keys = file.keys(QStringLiteral("TMainForm"));
    EXPECT_EQ(keys.size(), 24);
    EXPECT_FALSE(keys.contains(QStringLiteral("Line24")));
    EXPECT_FALSE(keys.contains(QStringLiteral("Line39")));
    EXPECT_EQ(file.readString(QStringLiteral("Other"), QStringLiteral("Key")), QStringLiteral("kept"));
}

TEST_F(ColumnWidthsTest, DamagedFilesLeaveTheDesignedWidths)
{
    scratch.writeFile(QLatin1String(kColumnWidthsFileName), QByteArray("\x00\xff[TMainForm\r\nLine0=\x01\x02", 21));
    {
        AppWindows &w = activated();
        EXPECT_TRUE(w.mainWindow.widthsLoaded());
        EXPECT_EQ(w.mainWindow.goodsTab().grid()->columnWidth(0), 75);
        EXPECT_TRUE(Dialogs::shownTexts().isEmpty());
    }
    windows.reset();
    scratch.writeFile(QLatin1String(kColumnWidthsFileName), "[TMainForm]\r\n"
                                                            "Line0='gdT.1.Width=abc'\r\n"
                                                            "Line1='gdT.99.Width=50'\r\n"
                                                            "Line2='gdT.2.Width=0'\r\n"
                                                            "Line3='nothing here'\r\n"
                                                            "Line4='xyz.1.Width=50'\r\n"
                                                            "Line5='gdT.3.Width=999999'\r\n"
                                                            "Line6='grM.2.Width=77'\r\n");
    AppWindows &w = activated();
    EXPECT_EQ(w.mainWindow.goodsTab().grid()->columnWidth(1), 171);
    EXPECT_EQ(w.mainWindow.goodsTab().grid()->columnWidth(2), 167);
    EXPECT_EQ(w.mainWindow.goodsTab().grid()->columnWidth(3), 113);
    EXPECT_EQ(w.mainWindow.messagesTab().grid()->columnWidth(2), 77);
}

TEST_F(ColumnWidthsTest, ChangedOnlyComesBackAfterARestartBesideFastExchange)
{
    {
        AppWindows &w = activated();
        EXPECT_FALSE(w.mainWindow.parametersTab().changedOnlyTicked()) << "clear without a file";
        w.mainWindow.parametersTab().setChangedOnlyTicked(true);
        EXPECT_TRUE(w.session.changedOnly());
        w.mainWindow.close();
    }
    const QByteArray saved = scratch.readFile(QLatin1String(kColumnWidthsFileName));
    EXPECT_TRUE(saved.contains("[Exchange]\r\nFastExchange=0\r\nChangedOnly=1\r\n")) << saved.constData();
    AppWindows &w = open();
    EXPECT_TRUE(w.mainWindow.parametersTab().changedOnlyTicked());
    EXPECT_TRUE(w.session.changedOnly()) << "the writes follow the box from the start";
}

TEST_F(ColumnWidthsTest, FastExchangeComesBackAfterARestartAndADamagedValueReadsAsClear)
{
    {
        AppWindows &w = activated();
        EXPECT_FALSE(w.mainWindow.parametersTab().fastExchangeTicked()) << "clear without a file";
        w.mainWindow.parametersTab().setFastExchangeTicked(true);
        EXPECT_TRUE(w.mainWindow.exchange().engine().fastExchange());
        w.mainWindow.close();
    }
    const QByteArray saved = scratch.readFile(QLatin1String(kColumnWidthsFileName));
    EXPECT_TRUE(saved.contains("[Exchange]\r\nFastExchange=1\r\n")) << saved.constData();
    EXPECT_TRUE(saved.contains("Line0='gdT.0.Width=75'")) << "the widths stay beside it";
    {
        AppWindows &w = open();
        EXPECT_TRUE(w.mainWindow.parametersTab().fastExchangeTicked());
        EXPECT_TRUE(w.mainWindow.exchange().engine().fastExchange()) << "the engine follows the box from the start";
        w.mainWindow.runActivationSteps();
        w.mainWindow.parametersTab().setFastExchangeTicked(false);
        w.mainWindow.close();
    }
    EXPECT_TRUE(scratch.readFile(QLatin1String(kColumnWidthsFileName)).contains("FastExchange=0"));

    const struct {
        QByteArray file;
        bool ticked;
    } cases[] = {
        {"[Exchange]\r\nFastExchange=1\r\n", true},
        {"[exchange]\r\nfastexchange = '1'\r\n", true},
        {"[Exchange]\r\nFastExchange=yes\r\n", false},
        {"[Exchange]\r\nFastExchange=2\r\n", false},
        {"[Exchange]\r\nFastExchange=\r\n", false},
        {"[TMainForm]\r\nFastExchange=1\r\n", false},
        {QByteArray("\x00\xff[Exchange\r\nFastExchange=\x01", 28), false},
    };
    for (const auto &c : cases) {
        windows.reset();
        scratch.writeFile(QLatin1String(kColumnWidthsFileName), c.file);
        EXPECT_EQ(open().mainWindow.parametersTab().fastExchangeTicked(), c.ticked) << c.file.constData();
    }
}

TEST_F(ColumnWidthsTest, TheParametersTabAndTheRangesComeBackAfterARestart)
{
    // Each row: what the user leaves in one control, and how it comes back.
    struct Case {
        const char *control;
        QString typed;
    };
    const Case edits[] = {
        {"Edit1", QStringLiteral(" Магазин «Ромашка» ")}, // outer blanks and «» kept
        {"Edit6", QStringLiteral("ул. Мира, 'дом' 5")},
        {"Edit2", QStringLiteral("123")},
        {"Edit5", QStringLiteral("1x")}, // not a number yet: comes back as typed
        {"Edit4", QString()},
        {"edTDiapazon", QStringLiteral("1-4000")},
        {"edMDiapazon", QStringLiteral("3, 9-12")},
    };
    {
        AppWindows &w = activated();
        EXPECT_TRUE(w.mainWindow.findChild<QLineEdit *>(QStringLiteral("Edit1"))->text().isEmpty())
            << "nothing made up without a file";
        for (const Case &c : edits)
            w.mainWindow.findChild<QLineEdit *>(QLatin1String(c.control))->setText(c.typed);
        w.mainWindow.findChild<QComboBox *>(QStringLiteral("ComboBox2"))->setCurrentIndex(28);
        w.mainWindow.findChild<QComboBox *>(QStringLiteral("ComboBox5"))->setCurrentIndex(0);
        w.mainWindow.findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->setChecked(true); // "Изменение цены"
        w.mainWindow.findChild<QCheckBox *>(QStringLiteral("CheckBox8"))->setChecked(true);
        w.mainWindow.findChild<QComboBox *>(QStringLiteral("comboLanguage"))->setCurrentIndex(2); // "Українська"
        w.mainWindow.close();
    }
    AppWindows &w = open();
    for (const Case &c : edits)
        EXPECT_EQ(w.mainWindow.findChild<QLineEdit *>(QLatin1String(c.control))->text(), c.typed) << c.control;
    EXPECT_EQ(w.mainWindow.findChild<QComboBox *>(QStringLiteral("ComboBox2"))->currentIndex(), 28);
    EXPECT_EQ(w.mainWindow.findChild<QComboBox *>(QStringLiteral("ComboBox5"))->currentIndex(), 0);
    EXPECT_TRUE(w.mainWindow.parametersTab().priceChangeTicked());
    EXPECT_TRUE(w.mainWindow.exchange().engine().priceChange()) << "the engine follows the box from the start";
    EXPECT_TRUE(w.mainWindow.findChild<QCheckBox *>(QStringLiteral("CheckBox8"))->isChecked());
    EXPECT_FALSE(w.mainWindow.findChild<QCheckBox *>(QStringLiteral("CheckBox2"))->isChecked());
    EXPECT_EQ(w.mainWindow.findChild<QComboBox *>(QStringLiteral("comboLanguage"))->currentIndex(), 2);
    EXPECT_EQ(Language::readChoice(widthsFile()), Language::Choice::Ukrainian) << "what the next start reads";
    windows.reset();

    // Values the lists do not have leave nothing chosen; what the file lacks keeps its design.
    scratch.writeFile(QLatin1String(kColumnWidthsFileName), "[Parameters]\r\nLabelFormat=47\r\nBarcode=x\r\n"
                                                            "PrintOptions=300\r\nHeader1='Касса'\r\n");
    AppWindows &d = open();
    EXPECT_EQ(d.mainWindow.findChild<QComboBox *>(QStringLiteral("ComboBox2"))->currentIndex(), -1);
    EXPECT_EQ(d.mainWindow.findChild<QComboBox *>(QStringLiteral("ComboBox5"))->currentIndex(), 1);
    EXPECT_EQ(d.mainWindow.findChild<QComboBox *>(QStringLiteral("comboLanguage"))->currentIndex(), 0);
    EXPECT_FALSE(d.mainWindow.parametersTab().priceChangeTicked());
    EXPECT_EQ(d.mainWindow.findChild<QLineEdit *>(QStringLiteral("Edit1"))->text(), QStringLiteral("Касса"));
    EXPECT_EQ(d.mainWindow.findChild<QLineEdit *>(QStringLiteral("Edit2"))->text(), QStringLiteral("1"));
    EXPECT_EQ(d.mainWindow.findChild<QLineEdit *>(QStringLiteral("edTDiapazon"))->text(), QString());
}

} // namespace
