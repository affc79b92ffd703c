#include "shell/ScalesDialog.h"

#include "commands/ScaleHoldings.h"
#include "common/Error.h"
#include "common/ErrorSink.h"
#include "exchange/ScaleChannels.h"
#include "shell/AppState.h"
#include "shell/Dialogs.h"
#include "shell/ShellStyle.h"
#include "shell/TableGrid.h"
#include "shell/TableModel.h"
#include "store/Schema.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

namespace tevo {
namespace {

const char *const kTooManyScales = QT_TRANSLATE_NOOP("tevo::ScalesDialog", "В списке может быть не больше %1 весов.");

QString badPortText(const QString &ip)
{
    return QCoreApplication::translate(
               "tevo::ScalesDialog",
               "Недопустимое имя последовательного порта \"%1\". Можно указать только COM0 … COM9.")
        .arg(ip);
}

QString badTcpPortText(int row, const QString &port)
{
    return QCoreApplication::translate("tevo::ScalesDialog",
                                       "Строка %1: порт «%2» недопустим. Номер порта TCP — целое число от 1 до 65535.")
        .arg(row + 1)
        .arg(port);
}

// A row with an address (not a serial port) reaches its scale over TCP: its PORT is the port.
bool isTcpAddress(const QString &ip) { return !ip.trimmed().isEmpty() && !isSerialAddress(ip); }

} // namespace

ScalesDialog::ScalesDialog(Store &store, AppState &state, QWidget *parent)
    : QDialog(parent), m_store(store), m_state(state)
{
    setObjectName(QStringLiteral("ScalesForm"));
    setWindowTitle(tr("Настройка весов"));
    setFont(style::windowFont());
    style::paintPaleGreen(this);
    setFixedSize(735, 530);

    m_grid = new TableGrid(this);
    m_grid->setObjectName(QStringLiteral("gdS"));
    m_grid->setGeometry(7, 7, 721, 305);
    m_grid->horizontalHeader()->setStyleSheet(style::gridTitleStyle(style::kYellow));
    m_grid->setRowLimit(kMaxScales, tr(kTooManyScales).arg(kMaxScales));
    m_grid->setTable(&store.scales());
    m_grid->setGuard(&store.guard());

    buildNavigator();

    m_checkConnectionButton = new QPushButton(tr("Проверить связь"), this);
    m_checkConnectionButton->setObjectName(QStringLiteral("Button1"));
    m_checkConnectionButton->setGeometry(7, 346, 160, 27);
    connect(m_checkConnectionButton, &QPushButton::clicked, this, &ScalesDialog::connectionCheckRequested);

    m_doneButton = new QPushButton(tr("Готово"), this);
    m_doneButton->setObjectName(QStringLiteral("btnClose"));
    m_doneButton->setGeometry(518, 318, 210, 55);
    m_doneButton->setStyleSheet(
        QStringLiteral("QPushButton { color: %1; font-family: Verdana; font-weight: bold; }").arg(style::kLime.name()));
    connect(m_doneButton, &QPushButton::clicked, this, &QDialog::accept);

    m_grid->tableModel()->setEditFilter(
        [this](int row, const QString &column, QVariant &value) { return editFilter(row, column, value); });

    m_standings = new QTableWidget(0, 4, this);
    m_standings->setObjectName(QStringLiteral("gdStanding"));
    m_standings->setGeometry(7, 380, 721, 110);
    m_standings->setHorizontalHeaderLabels({tr("Весы"), tr("Ответили"), tr("Записаны полностью"), tr("Отстают")});
    m_standings->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_standings->setSelectionMode(QAbstractItemView::NoSelection);
    m_standings->verticalHeader()->setVisible(false);
    m_standings->horizontalHeader()->setStretchLastSection(true);
    m_forgetButton = new QPushButton(tr("Забыть, что в весах"), this);
    m_forgetButton->setObjectName(QStringLiteral("btnForgetLedger"));
    m_forgetButton->setToolTip(tr("Считать, что в весах текущей строки нет ни товаров, ни сообщений: "
                                  "«Только изменённые» запишет им всё"));
    m_forgetButton->setGeometry(7, 497, 220, 27);
    connect(m_forgetButton, &QPushButton::clicked, this, &ScalesDialog::forgetCurrentScale);
    // Another program's change re-reads the tables: what the scales lack changes with them.
    for (Table *t : {&store.goods(), &store.messages(), &store.scales()})
        connect(t, &Table::reset, this, &ScalesDialog::refreshSoon);
}

void ScalesDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    refreshStandings();
}

void ScalesDialog::refreshSoon()
{
    if (m_refreshDue || !isVisible())
        return;
    m_refreshDue = true;
    QTimer::singleShot(0, this, [this] {
        m_refreshDue = false;
        refreshStandings();
    });
}

void ScalesDialog::refreshStandings()
{
    if (!isVisible() || !m_store.tablesOpen())
        return;
    QVector<ScaleStanding> standings;
    try {
        standings = ScaleHoldings::standings(m_store);
    } catch (const Error &) {
        return; // the database cannot be read now: the list stays as it was
    }
    Table &scales = m_store.scales();
    m_standings->setRowCount(int(standings.size()));
    for (int r = 0; r < standings.size(); ++r) {
        const ScaleStanding &s = standings[r];
        const QString name = scales.text(r, QStringLiteral("NAME")).trimmed();
        const QStringList cells = {name.isEmpty() ? s.address : name, ScaleHoldings::momentText(s.answered),
                                   ScaleHoldings::momentText(qMax(s.goodsWritten, s.messagesWritten)),
                                   ScaleHoldings::behindText(s)};
        for (int c = 0; c < cells.size(); ++c)
            m_standings->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    m_standings->resizeColumnsToContents();
}

void ScalesDialog::forgetCurrentScale()
{
    Table &scales = m_store.scales();
    const int row = scales.currentRow();
    if (row < 0 || row >= scales.count())
        return;
    const QString address = ScaleLedger::addressOf(scales, row);
    const QString name = scales.text(row, QStringLiteral("NAME")).trimmed();
    if (Dialogs::message(Dialogs::Kind::Confirmation,
                         tr("Забыть, какие товары и сообщения записаны в весы «%1» (%2)? Следующая запись "
                            "«Только изменённые» передаст им всё.")
                             .arg(name, address),
                         QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    guarded([&] { m_store.ledger().clear(address); });
    refreshStandings();
}

ScalesDialog::~ScalesDialog()
{
    m_grid->setTable(nullptr); // the grid's model, and the rule run on edits with it, go
}

void ScalesDialog::buildNavigator()
{
    m_navigator = new QWidget(this);
    m_navigator->setObjectName(QStringLiteral("DBNavigator1"));
    m_navigator->setGeometry(7, 316, 330, 27);
    auto *row = new QHBoxLayout(m_navigator);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    Table &table = m_store.scales();
    auto add = [&](QToolButton *&button, const char *name, const QString &glyph, const QString &tip, auto action) {
        button = new QToolButton(m_navigator);
        button->setObjectName(QLatin1String(name));
        button->setText(glyph);
        button->setToolTip(tip);
        button->setFixedSize(32, 25);
        row->addWidget(button);
        connect(button, &QToolButton::clicked, this, [action] { guarded(action); });
    };
    add(m_firstButton, "nbFirst", QStringLiteral("|◄"), tr("Первая запись"), [&table] { table.first(); });
    add(m_priorButton, "nbPrior", QStringLiteral("◄"), tr("Предыдущая запись"), [this, &table] {
        if (m_grid->tableModel()->hasPendingRow())
            m_grid->cancelEdit(); // from the new row to the last row
        else
            table.setCurrentRow(qMax(0, table.currentRow() - 1));
    });
    add(m_nextButton, "nbNext", QStringLiteral("►"), tr("Следующая запись"),
        [&table] { table.setCurrentRow(table.currentRow() + 1); });
    add(m_lastButton, "nbLast", QStringLiteral("►|"), tr("Последняя запись"), [&table] { table.last(); });
    add(m_insertButton, "nbInsert", QStringLiteral("+"), tr("Вставить запись"), [this] {
        if (m_grid->appendRow())
            m_grid->setFocus();
    });
    add(m_deleteButton, "nbDelete", QStringLiteral("−"), tr("Удалить запись"), [this] { m_grid->deleteCurrentRow(); });
    add(m_editButton, "nbEdit", QStringLiteral("▲"), tr("Изменить запись"), [this] { editCurrentCell(); });
    add(m_postButton, "nbPost", QStringLiteral("✓"), tr("Сохранить изменения"), [this] { m_grid->commitEdit(); });
    add(m_cancelButton, "nbCancel", QStringLiteral("✗"), tr("Отменить изменения"), [this] { m_grid->cancelEdit(); });
    add(m_refreshButton, "nbRefresh", QStringLiteral("↻"), tr("Обновить данные"), [this, &table] {
        m_grid->commitEdit();
        table.refresh();
    });
    row->addStretch(1);
}

void ScalesDialog::editCurrentCell()
{
    Table &table = m_store.scales();
    const TableModel &model = *m_grid->tableModel();
    if (table.currentRow() < 0 && !model.hasPendingRow())
        return;
    QModelIndex index = m_grid->currentIndex();
    if (!index.isValid() || !(model.flags(index) & Qt::ItemIsEditable))
        index =
            model.index(index.isValid() ? index.row() : table.currentRow(), table.columnIndex(QStringLiteral("NAME")));
    m_grid->setCurrentIndex(index);
    m_grid->setFocus();
    m_grid->edit(index);
}

bool ScalesDialog::acceptablePortName(const QString &ip)
{
    if (!ip.contains(QLatin1String("COM"), Qt::CaseInsensitive))
        return true;
    static const QRegularExpression serial(QStringLiteral("^COM[0-9]$"), QRegularExpression::CaseInsensitiveOption);
    return serial.match(ip).hasMatch();
}

bool ScalesDialog::allowUseChange(int row, QVariant &value)
{
    if (truthValue(m_store.scales().text(row, QStringLiteral("W"))))
        return true;
    value = truthText(false);
    return true;
}

bool ScalesDialog::editFilter(int row, const QString &column, QVariant &value)
{
    if (column == QLatin1String("U"))
        return allowUseChange(row, value);
    if (column == QLatin1String("IP") && !acceptablePortName(value.toString())) {
        Dialogs::message(Dialogs::Kind::Error, badPortText(value.toString()));
        return false;
    }
    // A TCP port is 1 … 65535: nothing wraps 70000 round into another scale's port.
    Table &scales = m_store.scales();
    if (column == QLatin1String("PORT") && isTcpAddress(scales.text(row, QStringLiteral("IP")))
        && tcpPortNumber(value) == 0) {
        Dialogs::message(Dialogs::Kind::Error, badTcpPortText(row, value.toString().trimmed()));
        return false;
    }
    // An address given to a row whose PORT is a line speed no TCP port can be.
    if (column == QLatin1String("IP") && isTcpAddress(value.toString()) && !scales.isNull(row, QStringLiteral("PORT"))
        && tcpPortNumber(scales.value(row, QStringLiteral("PORT"))) == 0) {
        Dialogs::message(Dialogs::Kind::Error, badTcpPortText(row, scales.text(row, QStringLiteral("PORT"))));
        return false;
    }
    return true;
}

void ScalesDialog::done(int result)
{
    m_grid->commitEdit();
    m_grid->cancelEdit(); // drops a new row nothing was typed into
    Table &table = m_store.scales();
    if (table.isOpen()) {
        guarded([&] {
            table.first();
            m_state.setSelectedScaleCount(m_store.countSelectedScales());
        });
    } else {
        m_state.setSelectedScaleCount(0);
    }
    QDialog::done(result);
}

} // namespace tevo
