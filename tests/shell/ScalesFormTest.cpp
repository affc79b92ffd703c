// The scales dialog: the "Исп." rule, the row limit, serial port names, the navigator and the
// recount of the selected scales on closing.
#include "ShellFixture.h"

#include "shell/TableGrid.h"
#include "shell/TableModel.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace tevo;
using tevo::test::ShellTest;

namespace {

class ScalesFormTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        activated();
    }
    ScalesDialog &form() { return windows->scalesDialog; }
    Table &scales() { return windows->mainWindow.store().scales(); }
    TableModel &model() { return *form().grid()->tableModel(); }
    int addScale(const QString &u, const QString &w, const QString &ip = QStringLiteral("192.168.0.10"))
    {
        return scales().appendRow({{QStringLiteral("U"), u},
                                   {QStringLiteral("W"), w},
                                   {QStringLiteral("NAME"), QStringLiteral("Весы")},
                                   {QStringLiteral("IP"), ip},
                                   {QStringLiteral("PORT"), 5001}});
    }
    bool setCheck(int row, const char *column, bool ticked)
    {
        return model().setData(model().index(row, scales().columnIndex(QLatin1String(column))),
                               ticked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
    }
    QString u(int row) { return scales().text(row, QStringLiteral("U")); }
};

TEST_F(ScalesFormTest, UseCanBeTickedOnlyOnAnsweringScales)
{
    const int silent = addScale(QStringLiteral("F"), QStringLiteral("F"));
    const int answering = addScale(QStringLiteral("F"), QStringLiteral("T"));
    const int oldTick = addScale(QStringLiteral("T"), QStringLiteral("F"));

    setCheck(silent, "U", true);
    EXPECT_EQ(u(silent), QStringLiteral("F"));
    EXPECT_EQ(model().data(model().index(silent, 0), Qt::CheckStateRole).toInt(), Qt::Unchecked);

    setCheck(answering, "U", true);
    EXPECT_EQ(u(answering), QStringLiteral("T"));
    setCheck(answering, "U", false);
    EXPECT_EQ(u(answering), QStringLiteral("F"));

    setCheck(oldTick, "U", false); // unticking is always stored
    EXPECT_EQ(u(oldTick), QStringLiteral("F"));

    // "Вкл." cannot be changed in the grid.
    EXPECT_FALSE(model().flags(model().index(silent, 1)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(setCheck(silent, "W", true));
    EXPECT_EQ(scales().text(silent, QStringLiteral("W")), QStringLiteral("F"));
}

TEST_F(ScalesFormTest, AnEleventhRowIsRefused)
{
    for (int i = 0; i < 9; ++i)
        addScale(QStringLiteral("F"), QStringLiteral("F"));
    form().findChild<QToolButton *>(QStringLiteral("nbInsert"))->click();
    EXPECT_EQ(model().rowCount(), 10);
    EXPECT_TRUE(model().hasPendingRow());
    ASSERT_TRUE(model().setData(model().index(9, 2), QStringLiteral("Десятые"), Qt::EditRole));
    EXPECT_FALSE(model().hasPendingRow());

    form().findChild<QToolButton *>(QStringLiteral("nbInsert"))->click();
    EXPECT_EQ(scales().count(), 10);
    ASSERT_EQ(Dialogs::shownTexts().size(), 1);
    EXPECT_TRUE(Dialogs::shownTexts().first().contains(QStringLiteral("10")));

    scales().last();
    QTest::keyClick(form().grid(), Qt::Key_Down);
    QTest::keyClick(form().grid(), Qt::Key_Insert);
    EXPECT_EQ(scales().count(), 10);
    EXPECT_EQ(Dialogs::shownTexts().size(), 3);
}

TEST_F(ScalesFormTest, NewRowNothingWasTypedIntoIsDroppedOnClose)
{
    addScale(QStringLiteral("T"), QStringLiteral("T"));
    scales().last();
    QTest::keyClick(form().grid(), Qt::Key_Down);
    EXPECT_EQ(model().rowCount(), 2);
    form().done(QDialog::Rejected);
    EXPECT_EQ(scales().count(), 1);
    EXPECT_EQ(model().rowCount(), 1);
    EXPECT_EQ(windows->mainWindow.appState().selectedScaleCount(), 1);
}

TEST_F(ScalesFormTest, SerialPortNamesAreCom0ToCom9)
{
    for (const char *good : {"COM0", "com3", "Com9", "192.168.1.20", "", "scale-1"})
        EXPECT_TRUE(ScalesDialog::acceptablePortName(QLatin1String(good))) << good;
    for (const char *bad : {"COM10", "COM", "com12", "xCOM1", "COM1 ", "COMA", "telecom"})
        EXPECT_FALSE(ScalesDialog::acceptablePortName(QLatin1String(bad))) << bad;

    const int row = addScale(QStringLiteral("F"), QStringLiteral("F"), QStringLiteral("COM1"));
    const QModelIndex ip = model().index(row, scales().columnIndex(QStringLiteral("IP")));
    EXPECT_FALSE(model().setData(ip, QStringLiteral("COM12"), Qt::EditRole));
    EXPECT_EQ(scales().text(row, QStringLiteral("IP")), QStringLiteral("COM1"));
    ASSERT_EQ(Dialogs::shownTexts().size(), 1);
    EXPECT_EQ(Dialogs::shownKinds().first(), Dialogs::Kind::Error);
    EXPECT_TRUE(Dialogs::shownTexts().first().contains(QStringLiteral("COM12")));
    EXPECT_TRUE(model().setData(ip, QStringLiteral("com4"), Qt::EditRole));
    EXPECT_EQ(scales().text(row, QStringLiteral("IP")), QStringLiteral("com4"));
}

TEST_F(ScalesFormTest, TcpPortOutside1To65535IsRefusedNamingTheRowAndTheValue)
{
    addScale(QStringLiteral("F"), QStringLiteral("F"));
    const int row = addScale(QStringLiteral("F"), QStringLiteral("F"));
    const QModelIndex port = model().index(row, scales().columnIndex(QStringLiteral("PORT")));
    for (const char *bad : {"70000", "65536", "0", "-1", "abc", "", "5001.5"}) {
        SCOPED_TRACE(bad);
        const int shown = Dialogs::shownTexts().size();
        EXPECT_FALSE(model().setData(port, QLatin1String(bad), Qt::EditRole));
        EXPECT_EQ(scales().text(row, QStringLiteral("PORT")), QStringLiteral("5001"));
        ASSERT_EQ(Dialogs::shownTexts().size(), shown + 1);
        EXPECT_EQ(Dialogs::shownKinds().last(), Dialogs::Kind::Error);
        EXPECT_TRUE(Dialogs::shownTexts().last().startsWith(QStringLiteral("Строка 2: порт «%1»").arg(QLatin1String(bad))))
            << Dialogs::shownTexts().last().toStdString();
    }
    EXPECT_TRUE(model().setData(port, QStringLiteral("65535"), Qt::EditRole));
    EXPECT_EQ(scales().text(row, QStringLiteral("PORT")), QStringLiteral("65535"));

    // A serial row's PORT is its line speed; it becomes a TCP row only with a TCP port.
    const int serial = addScale(QStringLiteral("F"), QStringLiteral("F"), QStringLiteral("COM3"));
    EXPECT_TRUE(model().setData(model().index(serial, scales().columnIndex(QStringLiteral("PORT"))),
                                QStringLiteral("115200"), Qt::EditRole));
    const QModelIndex ip = model().index(serial, scales().columnIndex(QStringLiteral("IP")));
    EXPECT_FALSE(model().setData(ip, QStringLiteral("192.168.0.11"), Qt::EditRole));
    EXPECT_EQ(scales().text(serial, QStringLiteral("IP")), QStringLiteral("COM3"));
    EXPECT_TRUE(Dialogs::shownTexts().last().startsWith(QStringLiteral("Строка 3: порт «115200»")));
}

TEST_F(ScalesFormTest, ClosingAnyWayRecountsOnlyDoneGivesOk)
{
    addScale(QStringLiteral("T"), QStringLiteral("T"));
    addScale(QStringLiteral("t"), QStringLiteral("F"));
    addScale(QStringLiteral(""), QStringLiteral("T"));
    QSignalSpy changed(&windows->mainWindow.appState(), &AppState::selectedScaleCountChanged);

    form().findChild<QPushButton *>(QStringLiteral("btnClose"))->click();
    EXPECT_EQ(form().result(), QDialog::Accepted);
    EXPECT_EQ(windows->mainWindow.appState().selectedScaleCount(), 2);
    EXPECT_EQ(scales().currentRow(), 2);

    scales().setValue(0, QStringLiteral("U"), QStringLiteral("F"));
    form().reject(); // the close box
    EXPECT_EQ(form().result(), QDialog::Rejected);
    EXPECT_EQ(windows->mainWindow.appState().selectedScaleCount(), 1);
    EXPECT_EQ(changed.count(), 2);

    scales().deleteRow(0);
    scales().deleteRow(0);
    scales().deleteRow(0);
    form().done(QDialog::Accepted);
    EXPECT_EQ(windows->mainWindow.appState().selectedScaleCount(), 0);
}

TEST_F(ScalesFormTest, NavigatorMovesDeletesAndChecksConnection)
{
    for (int i = 0; i < 4; ++i)
        addScale(QStringLiteral("F"), QStringLiteral("F"));
    form().findChild<QToolButton *>(QStringLiteral("nbFirst"))->click();
    EXPECT_EQ(scales().currentRow(), 0);
    form().findChild<QToolButton *>(QStringLiteral("nbNext"))->click();
    form().findChild<QToolButton *>(QStringLiteral("nbNext"))->click();
    EXPECT_EQ(scales().currentRow(), 2);
    EXPECT_EQ(form().grid()->currentIndex().row(), 2);
    form().findChild<QToolButton *>(QStringLiteral("nbPrior"))->click();
    EXPECT_EQ(scales().currentRow(), 1);
    form().findChild<QToolButton *>(QStringLiteral("nbLast"))->click();
    EXPECT_EQ(scales().currentRow(), 3);

    Dialogs::setNextAnswer(QMessageBox::Cancel);
    form().findChild<QToolButton *>(QStringLiteral("nbDelete"))->click();
    EXPECT_EQ(scales().count(), 4);
    form().findChild<QToolButton *>(QStringLiteral("nbDelete"))->click();
    EXPECT_EQ(scales().count(), 3);
    EXPECT_EQ(Dialogs::shownTexts(), (QStringList{QStringLiteral("Delete record?"), QStringLiteral("Delete record?")}));

    QSignalSpy check(&form(), &ScalesDialog::connectionCheckRequested);
    form().findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    EXPECT_EQ(check.count(), 1);
}

} // namespace
