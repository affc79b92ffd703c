// The import window of another program's table (ImportDialog.h).
#include "shell/ImportDialog.h"

#include "common/Error.h"
#include "common/ErrorSink.h"
#include "fileio/ColumnTitles.h"
#include "session/Operations.h"
#include "shell/Dialogs.h"
#include "shell/ShellStyle.h"
#include "store/Store.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tevo {

namespace {

// The encodings offered, in the order of the list.
const QVector<TextEncoding> &offeredEncodings()
{
    static const QVector<TextEncoding> list = {TextEncoding::Utf8,    TextEncoding::Utf8Bom, TextEncoding::Utf16Le,
                                               TextEncoding::Utf16Be, TextEncoding::Cp1251,  TextEncoding::Cp866};
    return list;
}

QString encodingLabel(TextEncoding e)
{
    switch (e) {
    case TextEncoding::Utf16Le:
        return QStringLiteral("UTF-16 (LE)");
    case TextEncoding::Utf16Be:
        return QStringLiteral("UTF-16 (BE)");
    default:
        return textEncodingName(e);
    }
}

QString tableNameOf(ImportTarget target)
{
    return target == ImportTarget::Goods ? QStringLiteral("T") : QStringLiteral("M");
}

const char *const kNotLoaded = QT_TRANSLATE_NOOP("tevo::ImportDialog", "— не загружать —");

} // namespace

ImportDialog::ImportDialog(Store &store, TabularImport import, QWidget *parent)
    : QDialog(parent), m_store(store), m_import(std::move(import))
{
    const bool goods = m_import.target() == ImportTarget::Goods;
    setObjectName(QStringLiteral("ImportForm"));
    setWindowTitle(goods ? tr("Импорт товаров из файла") : tr("Импорт сообщений из файла"));
    style::paintPaleGreen(this);

    m_fileLabel = new QLabel(this);
    m_fileLabel->setObjectName(QStringLiteral("lblImportFile"));
    m_fileLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_encodingBox = new QComboBox(this);
    m_encodingBox->setObjectName(QStringLiteral("cbEncoding"));
    for (TextEncoding e : offeredEncodings())
        m_encodingBox->addItem(encodingLabel(e), int(e));
    m_sheetBox = new QComboBox(this);
    m_sheetBox->setObjectName(QStringLiteral("cbSheet"));

    m_mappingFromLabel = new QLabel(this);
    m_mappingFromLabel->setObjectName(QStringLiteral("lblMappingFrom"));

    m_mappingTable = new QTableWidget(this);
    m_mappingTable->setObjectName(QStringLiteral("tblMapping"));
    m_mappingTable->setColumnCount(3);
    m_mappingTable->setHorizontalHeaderLabels({tr("Поле таблицы"), tr("Столбец файла"), tr("Цена в")});
    m_mappingTable->verticalHeader()->setVisible(false);
    m_mappingTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_mappingTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_mappingTable->setSelectionMode(QAbstractItemView::NoSelection);

    m_previewTable = new QTableWidget(this);
    m_previewTable->setObjectName(QStringLiteral("tblPreview"));
    m_previewTable->verticalHeader()->setVisible(false);
    m_previewTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_problemList = new QListWidget(this);
    m_problemList->setObjectName(QStringLiteral("lstProblems"));
    m_problemList->setWordWrap(true);
    m_summaryLabel = new QLabel(this);
    m_summaryLabel->setObjectName(QStringLiteral("lblSummary"));
    m_summaryLabel->setWordWrap(true);

    m_rememberBox = new QCheckBox(tr("Запомнить сопоставление столбцов для файлов"), this);
    m_rememberBox->setObjectName(QStringLiteral("chkRemember"));
    m_rememberBox->setChecked(true);
    m_patternEdit = new QLineEdit(m_import.patternOffered(), this);
    m_patternEdit->setObjectName(QStringLiteral("edtPattern"));
    m_applyButton = new QPushButton(tr("Загрузить"), this);
    m_applyButton->setObjectName(QStringLiteral("btnApply"));
    m_applyButton->setDefault(true);
    m_cancelButton = new QPushButton(tr("Отмена"), this);
    m_cancelButton->setObjectName(QStringLiteral("btnCancel"));

    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    form->addRow(tr("Файл:"), m_fileLabel);
    form->addRow(tr("Кодировка:"), m_encodingBox);
    form->addRow(tr("Лист:"), m_sheetBox);
    form->addRow(tr("Столбцы:"), m_mappingFromLabel);
    layout->addLayout(form);
    auto *middle = new QHBoxLayout;
    auto *mappingColumn = new QVBoxLayout;
    mappingColumn->addWidget(new QLabel(tr("Какой столбец файла что заполняет:"), this));
    mappingColumn->addWidget(m_mappingTable, 1);
    middle->addLayout(mappingColumn, 0);
    auto *previewColumn = new QVBoxLayout;
    previewColumn->addWidget(new QLabel(tr("Первые строки, как они будут сохранены (цена — в копейках):"), this));
    previewColumn->addWidget(m_previewTable, 2);
    previewColumn->addWidget(new QLabel(tr("Строки, которые нельзя сохранить:"), this));
    previewColumn->addWidget(m_problemList, 1);
    middle->addLayout(previewColumn, 1);
    layout->addLayout(middle, 1);
    layout->addWidget(m_summaryLabel);
    auto *rememberRow = new QHBoxLayout;
    rememberRow->addWidget(m_rememberBox);
    rememberRow->addWidget(m_patternEdit, 1);
    layout->addLayout(rememberRow);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_applyButton);
    buttons->addWidget(m_cancelButton);
    layout->addLayout(buttons);
    resize(1020, 640);

    connect(m_applyButton, &QPushButton::clicked, this, &ImportDialog::apply);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_rememberBox, &QCheckBox::toggled, m_patternEdit, &QWidget::setEnabled);
    connect(m_encodingBox, qOverload<int>(&QComboBox::currentIndexChanged), this, &ImportDialog::encodingChosen);
    connect(m_sheetBox, qOverload<int>(&QComboBox::currentIndexChanged), this, &ImportDialog::sheetChosen);

    fillChoices();
    fillMapping();
    replan();
}

void ImportDialog::fillChoices()
{
    m_filling = true;
    const TabularFile &file = m_import.file();
    m_fileLabel->setText(QDir::toNativeSeparators(file.path));
    const bool text = file.kind == TabularKind::Text;
    m_encodingBox->setEnabled(text);
    m_encodingBox->setCurrentIndex(text ? int(offeredEncodings().indexOf(file.encoding)) : -1);
    m_sheetBox->clear();
    for (const TabularSheet &s : file.sheets)
        m_sheetBox->addItem(s.name.isEmpty() ? tr("(одна таблица)") : s.name);
    m_sheetBox->setCurrentIndex(m_import.sheet());
    m_sheetBox->setEnabled(file.sheets.size() > 1);
    m_filling = false;
}

void ImportDialog::fillMapping()
{
    m_filling = true;
    const QVector<ImportField> &fields = importFields(m_import.target());
    const QStringList sources = m_import.sources();
    m_mappingTable->clearContents();
    m_mappingTable->setRowCount(int(fields.size()));
    for (int r = 0; r < fields.size(); ++r) {
        const ImportField &field = fields[r];
        auto *name = new QTableWidgetItem(field.title);
        name->setToolTip(field.name);
        m_mappingTable->setItem(r, 0, name);
        auto *box = new QComboBox(m_mappingTable);
        box->setObjectName(QStringLiteral("cbSource_") + field.name);
        box->addItem(tr(kNotLoaded), QString());
        for (int c = 0; c < sources.size(); ++c)
            box->addItem(TabularImport::sourceLabel(sources[c], c), sources[c]);
        const ColumnMapping::Item *item = m_import.mapping().item(field.name);
        if (item) {
            int at = box->findData(item->source);
            if (at < 0) {
                // A source the sheet does not offer as such (a remembered title now missing,
                // or a title written another way): kept as it is, named.
                box->addItem(item->source, item->source);
                at = box->count() - 1;
            }
            box->setCurrentIndex(at);
        }
        const QString fieldName = field.name;
        connect(box, qOverload<int>(&QComboBox::currentIndexChanged), this,
                [this, fieldName] { sourceChosen(fieldName); });
        m_mappingTable->setCellWidget(r, 1, box);
        if (field.kind == ImportField::Money) {
            auto *unit = new QComboBox(m_mappingTable);
            unit->setObjectName(QStringLiteral("cbUnit_") + field.name);
            unit->addItem(tr("гривнах"), int(MoneyUnit::Currency));
            unit->addItem(tr("копейках"), int(MoneyUnit::Kopecks));
            unit->setCurrentIndex(item && item->unit == MoneyUnit::Kopecks ? 1 : 0);
            connect(unit, qOverload<int>(&QComboBox::currentIndexChanged), this,
                    [this, fieldName] { sourceChosen(fieldName); });
            m_mappingTable->setCellWidget(r, 2, unit);
        }
    }
    // As wide as its columns: the rest of the window is the preview's.
    m_mappingTable->setFixedWidth(m_mappingTable->horizontalHeader()->length()
                                  + m_mappingTable->verticalScrollBar()->sizeHint().width()
                                  + 2 * m_mappingTable->frameWidth());
    m_filling = false;
}

void ImportDialog::sourceChosen(const QString &field)
{
    if (m_filling)
        return;
    auto *box = m_mappingTable->findChild<QComboBox *>(QStringLiteral("cbSource_") + field);
    auto *unitBox = m_mappingTable->findChild<QComboBox *>(QStringLiteral("cbUnit_") + field);
    if (!box)
        return;
    ColumnMapping mapping = m_import.mapping();
    const QString source = box->currentData().toString();
    const ColumnMapping::Item *before = mapping.item(field);
    std::optional<MoneyUnit> unit;
    if (unitBox && before && before->source == source)
        unit = MoneyUnit(unitBox->currentData().toInt()); // the unit itself was chosen
    mapping.set(field, source, unit);
    m_import.setMapping(mapping);
    if (unitBox && !unit) {
        // A new column: the unit its title says.
        const ColumnMapping::Item *now = m_import.mapping().item(field);
        m_filling = true;
        unitBox->setCurrentIndex(now && now->unit == MoneyUnit::Kopecks ? 1 : 0);
        m_filling = false;
    }
    replan();
}

void ImportDialog::encodingChosen(int index)
{
    if (m_filling || index < 0)
        return;
    guarded([&] { m_import.setEncoding(offeredEncodings().at(index)); });
    fillChoices();
    fillMapping();
    replan();
}

void ImportDialog::sheetChosen(int index)
{
    if (m_filling || index < 0)
        return;
    m_import.setSheet(index);
    fillMapping();
    replan();
}

void ImportDialog::replan()
{
    const ImportTarget target = m_import.target();
    const bool goods = target == ImportTarget::Goods;
    Table &table = goods ? m_store.goods() : m_store.messages();
    const ImportPlan plan = m_import.plan(table);

    const QStringList columns = plan.columns();
    m_previewTable->clear();
    m_previewTable->setColumnCount(int(columns.size()) + 2);
    QStringList titles{tr("Место в файле"), goods ? QStringLiteral("PLU") : tr("Номер")};
    for (const QString &c : columns)
        titles << columnTitle(tableNameOf(target), c).title;
    m_previewTable->setHorizontalHeaderLabels(titles);
    const int shown = std::min<int>(kPreviewRows, int(plan.rows().size()));
    m_previewTable->setRowCount(shown);
    for (int r = 0; r < shown; ++r) {
        const PlannedRow &row = plan.rows()[r];
        m_previewTable->setItem(r, 0, new QTableWidgetItem(row.place));
        m_previewTable->setItem(r, 1, new QTableWidgetItem(QString::number(row.row + 1)));
        for (const auto &v : row.values) {
            const int c = int(columns.indexOf(v.first));
            if (c >= 0)
                m_previewTable->setItem(r, c + 2, new QTableWidgetItem(v.second.toString()));
        }
    }
    m_previewTable->resizeColumnsToContents();

    m_problemList->clear();
    m_problemList->addItems(plan.problems());
    for (const QString &w : plan.warnings())
        m_problemList->addItem(tr("Предупреждение: ") + w);

    QString summary;
    if (plan.ready())
        summary = tr("Будет сохранено строк: %1. Пока ничего не изменено.").arg(plan.rows().size());
    else if (plan.problems().isEmpty())
        summary = tr("В файле нет строк для импорта.");
    else
        summary = tr("Строк, которые нельзя сохранить: %1. Такой файл не загружается, пока они есть: "
                     "исправьте файл или сопоставление столбцов.")
                      .arg(plan.problems().size());
    m_summaryLabel->setText(summary);
    switch (m_import.mappingFrom()) {
    case TabularImport::MappingFrom::Remembered:
        m_mappingFromLabel->setText(tr("как запомнено для файлов с таким именем"));
        break;
    case TabularImport::MappingFrom::Given:
        m_mappingFromLabel->setText(tr("выбраны вручную"));
        break;
    case TabularImport::MappingFrom::Detected:
        m_mappingFromLabel->setText(
            plan.mapping().headerRow() >= 0
                ? tr("найдены по строке заголовка (строка %1)")
                      .arg(m_import.file().sheets.value(m_import.sheet()).rows.value(plan.mapping().headerRow()).number)
                : tr("строки заголовка нет: по порядку столбцов файлов программы"));
        break;
    }
    m_applyButton->setEnabled(plan.ready());
}

void ImportDialog::apply()
{
    const bool goods = m_import.target() == ImportTarget::Goods;
    const ImportPlan plan = m_import.plan(goods ? m_store.goods() : m_store.messages());
    if (!plan.ready()) {
        replan();
        Dialogs::message(Dialogs::Kind::Error, m_summaryLabel->text());
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Outcome outcome = applyImport(m_store, plan);
    QApplication::restoreOverrideCursor();
    if (outcome.result == Outcome::Result::Refused) {
        Dialogs::message(Dialogs::Kind::Error, outcome.text);
        return;
    }
    if (!outcome.done()) {
        reportError(outcome.text);
        replan();
        return;
    }
    QString text = outcome.text;
    const QString pattern = m_patternEdit->text().trimmed();
    if (m_rememberBox->isChecked() && !pattern.isEmpty()) {
        try {
            TabularImport remembered = m_import;
            remembered.setMapping(plan.mapping(), m_import.mappingFrom());
            remembered.remember(pattern);
        } catch (const Error &e) {
            text += tr("\nСопоставление столбцов не запомнено: ") + e.text();
        }
    }
    Dialogs::message(Dialogs::Kind::Information, text);
    accept();
}

} // namespace tevo
