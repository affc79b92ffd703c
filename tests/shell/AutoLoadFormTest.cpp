// The automatic-loading dialog keeps only watched-file names the settings file can hold.
#include "ShellFixture.h"

#include "fileio/AutoLoad.h"
#include "shell/AutoLoadDialog.h"

#include <QLineEdit>
#include <QPushButton>

using namespace tevo;
using tevo::test::ShellTest;

namespace {

using AutoLoadFormTest = ShellTest;

TEST_F(AutoLoadFormTest, ANameThatWindows1251CannotHoldIsRefusedAndTheDialogStays)
{
    AppWindows &w = activated();
    const struct {
        QString name;
        bool kept;
    } cases[] = {
        {QStringLiteral("/srv/обмен/товары.txt"), true},
        {QStringLiteral("/srv/exchange/goods.txt"), true},
        {QStringLiteral("/srv/обмен/商品.txt"), false},
        {QStringLiteral("/srv/Müller/goods.txt"), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const AutoLoadSettings before = AutoLoadSettings::read(besideProgram(QLatin1String(kAutoLoadFileName)));
        Dialogs::reset();
        w.autoLoadDialog.open();
        w.autoLoadDialog.findChild<QLineEdit *>(QStringLiteral("edAutoLoad"))->setText(c.name);
        w.autoLoadDialog.findChild<QPushButton *>(QStringLiteral("btnClose"))->click();
        const AutoLoadSettings after = AutoLoadSettings::read(besideProgram(QLatin1String(kAutoLoadFileName)));
        if (c.kept) {
            EXPECT_TRUE(Dialogs::shownTexts().isEmpty()) << Dialogs::shownTexts().join('|').toStdString();
            EXPECT_FALSE(w.autoLoadDialog.isVisible());
            EXPECT_EQ(after.FName, c.name);
        } else {
            ASSERT_EQ(Dialogs::shownTexts().size(), 1);
            EXPECT_EQ(Dialogs::shownKinds().first(), Dialogs::Kind::Error);
            EXPECT_TRUE(Dialogs::shownTexts().first().contains(c.name));
            EXPECT_TRUE(Dialogs::shownTexts().first().contains(QStringLiteral("Windows-1251")));
            EXPECT_TRUE(w.autoLoadDialog.isVisible()) << "the dialog stays open to mend the name";
            EXPECT_EQ(after.FName, before.FName);
            w.autoLoadDialog.findChild<QLineEdit *>(QStringLiteral("edAutoLoad"))->setText(QString());
            w.autoLoadDialog.findChild<QPushButton *>(QStringLiteral("btnClose"))->click();
        }
    }
}

} // namespace
