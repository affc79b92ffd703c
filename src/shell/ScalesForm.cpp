#include "shell/ScalesForm.h"

#include "common/ErrorSink.h"
#include "shell/AppState.h"
#include "shell/Dialogs.h"
#include "shell/ShellStyle.h"
#include "shell/TableGrid.h"
#include "store/Schema.h"
#include "store/Store.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>

namespace tevo {
namespace {

const QString kTooManyScales = QStringLiteral("В списке может быть не больше %1 весов.").arg(kMaxScales);

QString badPortText(const QString &ip)
{
    return QStringLiteral("Недопустимое имя последовательного порта \"%1\". Можно указать только COM0 … COM9.")
        .arg(ip);
}

} // namespace

TScalesForm::TScalesForm(Store &store, AppState &state, QWidget *parent)
    : QDialog(parent), m_store(store), m_state(state)
{
    setObjectName(QStringLiteral("ScalesForm"));
    setWindowTitle(QStringLiteral("Настройка весов"));
    setFont(style::windowFont());
    style::paintPaleGreen(this);
    setFixedSize(735, 379);

    gdS = new TableGrid(this);
    gdS->setObjectName(QStringLiteral("gdS"));
    gdS->setGeometry(7, 7, 721, 305);
    gdS->horizontalHeader()->setStyleSheet(style::gridTitleStyle(style::kYellow));
    gdS->setRowLimit(kMaxScales, kTooManyScales);
    gdS->setTable(&store.scales());
    gdS->setGuard(&store.guard());

    buildNavigator();

    Button1 = new QPushButton(QStringLiteral("Проверить связь"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(7, 346, 160, 27);
    connect(Button1, &QPushButton::clicked, this, &TScalesForm::connectionCheckRequested);

    btnClose = new QPushButton(QStringLiteral("Готово"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setGeometry(518, 318, 210, 55);
    btnClose->setStyleSheet(QStringLiteral("QPushButton { color: %1; font-family: Verdana; font-weight: bold; }")
                                .arg(style::kLime.name()));
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);

    store.scales().setEditFilter(
        [this](int row, const QString &column, QVariant &value) { return editFilter(row, column, value); });
}

TScalesForm::~TScalesForm()
{
    m_store.scales().setEditFilter({});
    gdS->setTable(nullptr);
}

void TScalesForm::buildNavigator()
{
    DBNavigator1 = new QWidget(this);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    DBNavigator1->setGeometry(7, 316, 330, 27);
    auto *row = new QHBoxLayout(DBNavigator1);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    Table &table = m_store.scales();
    auto add = [&](QToolButton *&button, const char *name, const QString &glyph, const QString &tip, auto action) {
        button = new QToolButton(DBNavigator1);
        button->setObjectName(QLatin1String(name));
        button->setText(glyph);
        button->setToolTip(tip);
        button->setFixedSize(32, 25);
        row->addWidget(button);
        connect(button, &QToolButton::clicked, this, [action] { guarded(action); });
    };
    add(nbFirst, "nbFirst", QStringLiteral("|◄"), QStringLiteral("Первая запись"), [&table] { table.first(); });
    add(nbPrior, "nbPrior", QStringLiteral("◄"), QStringLiteral("Предыдущая запись"),
        [&table] { table.setCurrentRow(qMax(0, table.currentRow() - 1)); });
    add(nbNext, "nbNext", QStringLiteral("►"), QStringLiteral("Следующая запись"),
        [&table] { table.setCurrentRow(table.currentRow() + 1); });
    add(nbLast, "nbLast", QStringLiteral("►|"), QStringLiteral("Последняя запись"), [&table] { table.last(); });
    add(nbInsert, "nbInsert", QStringLiteral("+"), QStringLiteral("Вставить запись"), [this] {
        if (gdS->appendRow())
            gdS->setFocus();
    });
    add(nbDelete, "nbDelete", QStringLiteral("−"), QStringLiteral("Удалить запись"), [this] { gdS->deleteCurrentRow(); });
    add(nbEdit, "nbEdit", QStringLiteral("▲"), QStringLiteral("Изменить запись"), [this] { editCurrentCell(); });
    add(nbPost, "nbPost", QStringLiteral("✓"), QStringLiteral("Сохранить изменения"), [this] { gdS->commitEdit(); });
    add(nbCancel, "nbCancel", QStringLiteral("✗"), QStringLiteral("Отменить изменения"), [this] { gdS->cancelEdit(); });
    add(nbRefresh, "nbRefresh", QStringLiteral("↻"), QStringLiteral("Обновить данные"), [this, &table] {
        gdS->commitEdit();
        table.refresh();
    });
    row->addStretch(1);
}

void TScalesForm::editCurrentCell()
{
    Table &table = m_store.scales();
    if (table.currentRow() < 0)
        return;
    QModelIndex index = gdS->currentIndex();
    if (!index.isValid() || !(table.flags(index) & Qt::ItemIsEditable))
        index = table.index(table.currentRow(), table.columnIndex(QStringLiteral("NAME")));
    gdS->setCurrentIndex(index);
    gdS->setFocus();
    gdS->edit(index);
}

bool TScalesForm::acceptablePortName(const QString &ip)
{
    if (!ip.contains(QLatin1String("COM"), Qt::CaseInsensitive))
        return true;
    static const QRegularExpression serial(QStringLiteral("^COM[0-9]$"), QRegularExpression::CaseInsensitiveOption);
    return serial.match(ip).hasMatch();
}

bool TScalesForm::gdSColumns0UpdateData(int row, QVariant &value)
{
    if (truthValue(m_store.scales().text(row, QStringLiteral("W"))))
        return true;
    value = truthText(false);
    return true;
}

bool TScalesForm::editFilter(int row, const QString &column, QVariant &value)
{
    if (column == QLatin1String("U"))
        return gdSColumns0UpdateData(row, value);
    if (column == QLatin1String("IP") && !acceptablePortName(value.toString())) {
        Dialogs::message(Dialogs::Kind::Error, badPortText(value.toString()));
        return false;
    }
    return true;
}

void TScalesForm::done(int result)
{
    gdS->commitEdit();
    Table &table = m_store.scales();
    if (table.isOpen()) {
        guarded([&] {
            table.first(); // leaves a new row nothing was typed into
            m_state.setSelectedScaleCount(m_store.countSelectedScales());
        });
    } else {
        m_state.setSelectedScaleCount(0);
    }
    QDialog::done(result);
}

} // namespace tevo
