#include "shell/AutoLoadForm.h"

#include "common/Codepage.h"
#include "common/ErrorSink.h"
#include "fileio/AutoLoad.h"
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

TAutoLoadForm::TAutoLoadForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AutoLoadForm"));
    setWindowTitle(QStringLiteral("Автоматическая загрузка товаров"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    style::paintPaleGreen(this);

    auto *fileLabel = new QLabel(QStringLiteral("Файл товаров"), this);
    edAutoLoad = new QLineEdit(this);
    edAutoLoad->setObjectName(QStringLiteral("edAutoLoad"));
    edAutoLoad->setMinimumWidth(360);
    fileLabel->setBuddy(edAutoLoad);
    fileLabel->setObjectName(QStringLiteral("edAutoLoadLabel"));
    btnOpen = new QPushButton(QStringLiteral("Обзор"), this);
    btnOpen->setObjectName(QStringLiteral("btnOpen"));

    auto *periodLabel = new QLabel(QStringLiteral("Периодичность проверки"), this);
    seAutoLoad = new QSpinBox(this);
    seAutoLoad->setObjectName(QStringLiteral("seAutoLoad"));
    seAutoLoad->setRange(1, 700);
    seAutoLoad->setValue(5);
    periodLabel->setBuddy(seAutoLoad);
    periodLabel->setObjectName(QStringLiteral("seAutoLoadLabel"));
    auto *unitLabel = new QLabel(QStringLiteral("(сек.)"), this);

    cbAutoLoad = new QCheckBox(QStringLiteral("Автоматически загружать товары в выбранные весы"), this);
    cbAutoLoad->setObjectName(QStringLiteral("cbAutoLoad"));
    cbEnableAutoLoad = new QCheckBox(QStringLiteral("Включить автоматическую загрузку"), this);
    cbEnableAutoLoad->setObjectName(QStringLiteral("cbEnableAutoLoad"));
    cbNeedClear = new QCheckBox(QStringLiteral("Затирать незаполненные товары"), this);
    cbNeedClear->setObjectName(QStringLiteral("cbNeedClear"));
    btnClose = new QPushButton(QStringLiteral("Выйти"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));

    auto *layout = new QVBoxLayout(this);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(edAutoLoad, 1);
    fileRow->addWidget(btnOpen);
    layout->addLayout(fileRow);
    auto *periodRow = new QHBoxLayout;
    periodRow->addWidget(periodLabel);
    periodRow->addWidget(seAutoLoad);
    periodRow->addWidget(unitLabel);
    periodRow->addStretch(1);
    layout->addLayout(periodRow);
    layout->addWidget(cbAutoLoad);
    layout->addWidget(cbEnableAutoLoad);
    layout->addWidget(cbNeedClear);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOpen, &QPushButton::clicked, this, &TAutoLoadForm::btnOpenClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TAutoLoadForm::setLoader(AutoLoader *loader)
{
    m_loader = loader;
    guarded([&] { m_loader->create(); });
    fillFromLoader();
}

void TAutoLoadForm::fillFromLoader()
{
    if (!m_loader)
        return;
    const AutoLoadSettings &s = m_loader->settings;
    edAutoLoad->setText(s.FName);
    seAutoLoad->setValue(qBound(1, s.Time, 700));
    cbAutoLoad->setChecked(s.LoadToScale);
    cbEnableAutoLoad->setChecked(s.EnableAutoLoad);
    cbNeedClear->setChecked(s.NeedClear);
}

void TAutoLoadForm::showEvent(QShowEvent *event)
{
    fillFromLoader();
    QDialog::showEvent(event);
}

void TAutoLoadForm::btnOpenClick()
{
    const QString file = Dialogs::openFileName(this, QString(), QStringLiteral("TextFile (*.txt);;ParadoxDataBase (*.dbf)"));
    if (!file.isEmpty())
        edAutoLoad->setText(file);
}

// The settings file holds the watched file's name in Windows-1251: a name with a character it
// cannot hold would come back as a name of no file. Such a name is refused and the dialog stays.
bool TAutoLoadForm::fileNameStorable()
{
    const QString name = edAutoLoad->text();
    QString missing;
    for (const QChar c : name)
        if (!representableInCp1251(c) && !missing.contains(c))
            missing += c;
    if (missing.isEmpty())
        return true;
    Dialogs::message(Dialogs::Kind::Error,
                     QStringLiteral("Имя файла \"%1\" содержит знаки, которых нет в кодировке Windows-1251 (%2): "
                                    "такое имя нельзя сохранить в настройках автоматической загрузки. Переименуйте "
                                    "файл или папку либо выберите другой файл.")
                         .arg(name, missing));
    edAutoLoad->setFocus();
    return false;
}

void TAutoLoadForm::done(int result)
{
    if (!fileNameStorable())
        return;
    if (m_loader) {
        AutoLoadSettings s = m_loader->settings;
        s.FName = edAutoLoad->text();
        s.Time = seAutoLoad->value();
        s.LoadToScale = cbAutoLoad->isChecked();
        s.EnableAutoLoad = cbEnableAutoLoad->isChecked();
        s.NeedClear = cbNeedClear->isChecked();
        guarded([&] { m_loader->dialogClosed(s); });
    }
    QDialog::done(result);
}

} // namespace tevo
