// The journal window: the journal and the answers from it (JournalWindow.h).
#include "shell/JournalWindow.h"

#include "common/Error.h"
#include "session/History.h"
#include "shell/Dialogs.h"
#include "store/Store.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tevo {

namespace {
constexpr int kDaysBeforeLowest = 30;
constexpr int kNoScale = -1;

// A cell that sorts by its key: numbers as numbers, times ("dd.MM.yyyy HH:mm:ss") as times.
class SortedItem : public QTableWidgetItem {
public:
    explicit SortedItem(const QVariant &value)
    {
        const QString text = value.isNull() ? QString() : value.toString();
        setText(text);
        if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int) {
            m_key = value.toLongLong();
        } else if (const QDateTime t = QDateTime::fromString(text, QStringLiteral("dd.MM.yyyy HH:mm:ss")); t.isValid()) {
            m_key = t.toMSecsSinceEpoch();
        }
    }
    bool operator<(const QTableWidgetItem &other) const override
    {
        const auto *o = dynamic_cast<const SortedItem *>(&other);
        if (o && m_key.isValid() && o->m_key.isValid())
            return m_key.toLongLong() < o->m_key.toLongLong();
        return QTableWidgetItem::operator<(other);
    }

private:
    QVariant m_key;
};
} // namespace

JournalWindow::JournalWindow(Store &store, QWidget *parent) : QDialog(parent), m_store(store)
{
    setObjectName(QStringLiteral("JournalWindow"));
    setWindowTitle(tr("Журнал изменений"));
    auto *layout = new QVBoxLayout(this);
    auto *filters = new QGridLayout;
    const auto named = [](QWidget *w, const char *name) {
        w->setObjectName(QLatin1String(name));
        return w;
    };
    m_from = new QDateEdit(QDate::currentDate().addMonths(-1), this);
    m_to = new QDateEdit(QDate::currentDate(), this);
    for (QDateEdit *d : {m_from, m_to}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    }
    m_number = new QSpinBox(this);
    m_number->setRange(0, 999999);
    m_number->setSpecialValueText(tr("все"));
    m_source = new QComboBox(this);
    m_source->addItem(tr("все"), 0);
    for (ChangeSource s : {ChangeSource::Edit, ChangeSource::Import, ChangeSource::AutoLoad, ChangeSource::ScaleRead,
                           ChangeSource::Rebuild})
        m_source->addItem(changeSourceName(s), int(s));
    m_scale = new QComboBox(this);
    m_days = new QSpinBox(this);
    m_days->setRange(1, 3660);
    m_days->setValue(kDaysBeforeLowest);
    filters->addWidget(new QLabel(tr("С"), this), 0, 0);
    filters->addWidget(named(m_from, "JournalFrom"), 0, 1);
    filters->addWidget(new QLabel(tr("по"), this), 0, 2);
    filters->addWidget(named(m_to, "JournalTo"), 0, 3);
    filters->addWidget(new QLabel(tr("Номер"), this), 0, 4);
    filters->addWidget(named(m_number, "JournalNumber"), 0, 5);
    filters->addWidget(new QLabel(tr("Источник"), this), 1, 0);
    filters->addWidget(named(m_source, "JournalSource"), 1, 1);
    filters->addWidget(new QLabel(tr("Весы"), this), 1, 2);
    filters->addWidget(named(m_scale, "JournalScale"), 1, 3);
    filters->addWidget(new QLabel(tr("Дней для наименьшей цены"), this), 1, 4);
    filters->addWidget(named(m_days, "JournalDays"), 1, 5);
    layout->addLayout(filters);

    auto *buttons = new QHBoxLayout;
    const auto button = [&](const char *name, const QString &text, void (JournalWindow::*slot)()) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    };
    button("JournalShow", tr("Показать журнал"), &JournalWindow::showJournal);
    button("JournalPrice", tr("Цена на дату «по»"), &JournalWindow::showPrice);
    button("JournalLowest", tr("Наименьшая цена"), &JournalWindow::showLowest);
    button("JournalRevaluations", tr("Переоценка"), &JournalWindow::showRevaluations);
    button("JournalPrinted", tr("Цены в весах"), &JournalWindow::showPrinted);
    layout->addLayout(buttons);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("JournalSummary"));
    layout->addWidget(m_summary);
    m_list = new QTableWidget(this);
    m_list->setObjectName(QStringLiteral("JournalList"));
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_list, 1);

    auto *saving = new QHBoxLayout;
    saving->addStretch();
    auto *csv = new QPushButton(tr("Сохранить CSV…"), this);
    csv->setObjectName(QStringLiteral("JournalSaveCsv"));
    connect(csv, &QPushButton::clicked, this, [this] { save(false); });
    auto *xlsx = new QPushButton(tr("Сохранить .xlsx…"), this);
    xlsx->setObjectName(QStringLiteral("JournalSaveXlsx"));
    connect(xlsx, &QPushButton::clicked, this, [this] { save(true); });
    saving->addWidget(csv);
    saving->addWidget(xlsx);
    layout->addLayout(saving);
    resize(980, 600);
}

qint64 JournalWindow::from() const { return QDateTime(m_from->date(), QTime(0, 0)).toMSecsSinceEpoch(); }

qint64 JournalWindow::to() const { return QDateTime(m_to->date().addDays(1), QTime(0, 0)).toMSecsSinceEpoch(); }

void JournalWindow::showSheet(const ReportSheet &sheet, const QString &summary)
{
    m_sheet = sheet;
    m_list->setSortingEnabled(false);
    m_list->clear();
    m_list->setColumnCount(int(sheet.titles.size()));
    m_list->setHorizontalHeaderLabels(sheet.titles);
    m_list->setRowCount(int(sheet.rows.size()));
    for (int r = 0; r < sheet.rows.size(); ++r)
        for (int c = 0; c < sheet.rows[r].size(); ++c) {
            m_list->setItem(r, c, new SortedItem(sheet.rows[r][c]));
        }
    m_list->resizeColumnsToContents();
    m_list->setSortingEnabled(true);
    m_summary->setText(summary);
}

// Runs an answer; a failure (bad input, the database) is told in the summary line.
template <class F> void JournalWindow::answer(F &&f)
{
    try {
        f();
    } catch (const Error &e) {
        showSheet({}, e.text());
    }
}

void JournalWindow::showJournal()
{
    // The scales as they are now, for the filter and for "Цены в весах".
    const QString chosen = m_scale->currentText();
    m_scale->clear();
    m_scale->addItem(tr("все"), kNoScale);
    Table &scales = m_store.scales();
    for (int r = 0; r < scales.count(); ++r)
        m_scale->addItem(scales.text(r, QStringLiteral("NAME")).trimmed(), r);
    m_scale->setCurrentIndex(qMax(0, m_scale->findText(chosen)));
    answer([&] {
        JournalFilter f;
        f.from = from();
        f.to = to();
        f.number = m_number->value();
        f.source = m_source->currentData().toInt();
        if (m_scale->currentData().toInt() != kNoScale)
            f.detail = m_scale->currentText();
        const QVector<JournalEntry> entries = m_store.journal().entries(f);
        showSheet(journalSheet(m_store, entries), tr("Записей журнала: %1").arg(entries.size()));
    });
}

void JournalWindow::showPrice()
{
    answer([&] {
        if (m_number->value() == 0)
            throw InputError(tr("Укажите номер товара."));
        const qint64 at = to() - 1;
        const QVariant price = priceAt(m_store, m_number->value(), at);
        QVector<LowestPrice> one = lowestPrices(m_store, at, m_days->value(), m_number->value());
        showSheet(
            lowestPriceSheet(one, m_days->value()),
            price.isNull()
                ? tr("Товар № %1 на %2: без цены.").arg(m_number->value()).arg(historyTimeText(at))
                : tr("Цена товара № %1 на %2: %3 коп.").arg(m_number->value()).arg(historyTimeText(at), price.toString()));
    });
}

void JournalWindow::showLowest()
{
    answer([&] {
        const qint64 at = to() - 1;
        const QVector<LowestPrice> rows = lowestPrices(m_store, at, m_days->value(), m_number->value());
        showSheet(lowestPriceSheet(rows, m_days->value()), tr("Наименьшая цена за %1 дн. до %2: товаров %3")
                                                               .arg(m_days->value())
                                                               .arg(historyTimeText(at))
                                                               .arg(rows.size()));
    });
}

void JournalWindow::showRevaluations()
{
    answer([&] {
        const QVector<Revaluation> rows = revaluations(m_store, from(), to());
        showSheet(revaluationSheet(rows), tr("Переоценка за период: изменений цены %1").arg(rows.size()));
    });
}

void JournalWindow::showPrinted()
{
    answer([&] {
        const int row = m_scale->currentData().toInt();
        if (row == kNoScale || m_scale->count() == 0)
            throw InputError(tr("Выберите весы."));
        const QVector<PrintedPrice> rows = pricesPrinted(m_store, row, from(), to());
        showSheet(printedSheet(m_scale->currentText(), rows),
                  tr("Цены в весах «%1» за период: %2").arg(m_scale->currentText()).arg(rows.size()));
    });
}

void JournalWindow::save(bool xlsx)
{
    const QString path = Dialogs::saveFileName(this, xlsx ? tr("Сохранить .xlsx") : tr("Сохранить CSV"),
                                               xlsx ? tr("Книга Excel (*.xlsx)") : QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    try {
        saveSheet(m_sheet, path, xlsx);
    } catch (const Error &e) {
        Dialogs::message(Dialogs::Kind::Error, e.text());
    }
}

} // namespace tevo
