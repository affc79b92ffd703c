#include "shell/AboutDialog.h"

#include "common/AppPaths.h"
#include "common/Error.h"
#include "shell/ShellStyle.h"
#include "store/Database.h"
#include "store/DatabaseChoice.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QVBoxLayout>

namespace tevo {

AboutDialog::AboutDialog(const Database &database, QWidget *parent) : QDialog(parent), m_database(database)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(tr("О программе"));
    setFont(style::windowFont());
    style::paintPaleGreen(this);

    auto *name = new QLabel(QStringLiteral("Tevo"));
    name->setObjectName(QStringLiteral("ProductName"));
    QFont big = name->font();
    big.setPointSize(16);
    big.setBold(true);
    name->setFont(big);
    auto *version = new QLabel(versionText());
    version->setObjectName(QStringLiteral("Version"));
    auto *description =
        new QLabel(tr("Обмен данными с весами, печатающими этикетки: товары, сообщения, настройки печати, "
                      "заголовок магазина, логотип, дата и время, текущее состояние и итоги продаж."));
    description->setObjectName(QStringLiteral("Comments"));
    description->setWordWrap(true);

    // Where the database and the settings files are: beside the program or in the user's folder.
    auto *folder = new QLabel(tr("Папка данных: %1").arg(QDir::toNativeSeparators(dataDir())));
    folder->setObjectName(QStringLiteral("DataFolder"));
    folder->setWordWrap(true);
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // Which database is in use: the embedded file or a server.
    m_databaseLabel = new QLabel;
    m_databaseLabel->setObjectName(QStringLiteral("DatabaseInUse"));
    m_databaseLabel->setWordWrap(true);
    m_databaseLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    showDatabase();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(description);
    layout->addWidget(folder);
    layout->addWidget(m_databaseLabel);
    layout->addWidget(buttons);
    setFixedWidth(380);
}

QString AboutDialog::versionText() { return tr("Версия 1.6"); }

void AboutDialog::showEvent(QShowEvent *event)
{
    showDatabase();
    QDialog::showEvent(event);
}

void AboutDialog::showDatabase()
{
    // The open database; before it opens, the one the next activation will try.
    QString where;
    if (m_database.isOpen()) {
        where = m_database.location().describe();
    } else {
        try {
            where = chosenDatabase().describe() + tr(" (не открыта)");
        } catch (const Error &e) {
            where = e.text();
        }
    }
    m_databaseLabel->setText(tr("База данных: %1").arg(where));
}

} // namespace tevo
