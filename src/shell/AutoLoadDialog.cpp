#include "shell/AutoLoadDialog.h"

#include "common/Codepage.h"
#include "common/ErrorSink.h"
#include "session/AutoLoader.h"
#include "shell/Dialogs.h"
#include "shell/ShellStyle.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tevo {

AutoLoadDialog::AutoLoadDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AutoLoadForm"));
    setWindowTitle(tr("Автоматическая загрузка товаров"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    style::paintPaleGreen(this);

    auto *fileLabel = new QLabel(tr("Файл товаров"), this);
    m_fileEdit = new QLineEdit(this);
    m_fileEdit->setObjectName(QStringLiteral("edAutoLoad"));
    m_fileEdit->setMinimumWidth(360);
    fileLabel->setBuddy(m_fileEdit);
    fileLabel->setObjectName(QStringLiteral("edAutoLoadLabel"));
    m_browseButton = new QPushButton(tr("Обзор"), this);
    m_browseButton->setObjectName(QStringLiteral("btnOpen"));

    auto *periodLabel = new QLabel(tr("Периодичность проверки"), this);
    m_periodSpin = new QSpinBox(this);
    m_periodSpin->setObjectName(QStringLiteral("seAutoLoad"));
    m_periodSpin->setRange(1, 700);
    m_periodSpin->setValue(5);
    periodLabel->setBuddy(m_periodSpin);
    periodLabel->setObjectName(QStringLiteral("seAutoLoadLabel"));
    auto *unitLabel = new QLabel(tr("(сек.)"), this);

    m_loadToScalesBox = new QCheckBox(tr("Автоматически загружать товары в выбранные весы"), this);
    m_loadToScalesBox->setObjectName(QStringLiteral("cbAutoLoad"));
    m_enableBox = new QCheckBox(tr("Включить автоматическую загрузку"), this);
    m_enableBox->setObjectName(QStringLiteral("cbEnableAutoLoad"));
    m_clearBox = new QCheckBox(tr("Затирать незаполненные товары"), this);
    m_clearBox->setObjectName(QStringLiteral("cbNeedClear"));
    m_changedOnlyBox = new QCheckBox(tr("Только изменённые"), this);
    m_changedOnlyBox->setObjectName(QStringLiteral("cbAutoChangedOnly"));
    m_changedOnlyBox->setToolTip(tr("Загружать в каждые весы только те товары, которых в них ещё нет "
                                    "такими, как в списке"));
    m_closeButton = new QPushButton(tr("Выйти"), this);
    m_closeButton->setObjectName(QStringLiteral("btnClose"));

    auto *layout = new QVBoxLayout(this);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(m_fileEdit, 1);
    fileRow->addWidget(m_browseButton);
    layout->addLayout(fileRow);
    auto *periodRow = new QHBoxLayout;
    periodRow->addWidget(periodLabel);
    periodRow->addWidget(m_periodSpin);
    periodRow->addWidget(unitLabel);
    periodRow->addStretch(1);
    layout->addLayout(periodRow);
    layout->addWidget(m_loadToScalesBox);
    layout->addWidget(m_enableBox);
    layout->addWidget(m_clearBox);
    layout->addWidget(m_changedOnlyBox);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_closeButton);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_browseButton, &QPushButton::clicked, this, &AutoLoadDialog::onBrowseClicked);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

void AutoLoadDialog::setLoader(AutoLoader *loader)
{
    m_loader = loader;
    guarded([&] { m_loader->create(); });
    fillFromLoader();
}

void AutoLoadDialog::fillFromLoader()
{
    if (!m_loader)
        return;
    const AutoLoadSettings &s = m_loader->settings;
    m_fileEdit->setText(s.FName);
    m_periodSpin->setValue(qBound(1, s.Time, 700));
    m_loadToScalesBox->setChecked(s.LoadToScale);
    m_enableBox->setChecked(s.EnableAutoLoad);
    m_clearBox->setChecked(s.NeedClear);
    m_changedOnlyBox->setChecked(s.ChangedOnly);
}

void AutoLoadDialog::showEvent(QShowEvent *event)
{
    fillFromLoader();
    QDialog::showEvent(event);
}

void AutoLoadDialog::onBrowseClicked()
{
    const QString file =
        Dialogs::openFileName(this, QString(),
                              tr("TextFile (*.txt);;ParadoxDataBase (*.dbf);;"
                                 "Таблицы других программ (*.csv *.txt *.xlsx *.xls *.dbf);;Все файлы (*)"));
    if (!file.isEmpty())
        m_fileEdit->setText(file);
}

// The settings file holds the watched file's name in Windows-1251: a name with a character it
// cannot hold would come back as a name of no file. Such a name is refused and the dialog stays.
bool AutoLoadDialog::fileNameStorable()
{
    const QString name = m_fileEdit->text();
    QString missing;
    for (const QChar c : name)
        if (!representableInCp1251(c) && !missing.contains(c))
            missing += c;
    if (missing.isEmpty())
        return true;
    Dialogs::message(Dialogs::Kind::Error,
                     tr("Имя файла \"%1\" содержит знаки, которых нет в кодировке Windows-1251 (%2): "
                        "такое имя нельзя сохранить в настройках автоматической загрузки. Переименуйте "
                        "файл или папку либо выберите другой файл.")
                         .arg(name, missing));
    m_fileEdit->setFocus();
    return false;
}

void AutoLoadDialog::done(int result)
{
    if (!fileNameStorable())
        return;
    if (m_loader) {
        AutoLoadSettings s = m_loader->settings;
        s.FName = m_fileEdit->text();
        s.Time = m_periodSpin->value();
        s.LoadToScale = m_loadToScalesBox->isChecked();
        s.EnableAutoLoad = m_enableBox->isChecked();
        s.NeedClear = m_clearBox->isChecked();
        s.ChangedOnly = m_changedOnlyBox->isChecked();
        guarded([&] { m_loader->dialogClosed(s); });
    }
    QDialog::done(result);
}

} // namespace tevo
