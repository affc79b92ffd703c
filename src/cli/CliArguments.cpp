#include "cli/CliArguments.h"

#include "cli/CliRunner.h"
#include "common/Convert.h"

#include <QCoreApplication>

namespace tevo::cli {

namespace {

// The help texts of the tables below stay as written (they are made once, maybe before the
// translator is installed) and are translated where they are shown (shown()).
QString helpText(const char *source) { return QString::fromUtf8(source); }
QString shown(const QString &source)
{
    return QCoreApplication::translate("tevo::cli::Help", source.toUtf8().constData());
}

const OptionSpec kRange{QStringLiteral("--range"), QStringLiteral("R"),
                        helpText(QT_TRANSLATE_NOOP("tevo::cli::Help",
                                                   "номера, как в поле «Диапазон для загрузки»: \"1-5, 7-8\""))};
const OptionSpec kScales{QStringLiteral("--scales"), QStringLiteral("LIST"),
                         helpText(QT_TRANSLATE_NOOP("tevo::cli::Help",
                                                    "весы через запятую: номер строки списка весов или название "
                                                    "(по умолчанию — отмеченные «Исп.»)"))};
const OptionSpec kScale{QStringLiteral("--scale"), QStringLiteral("S"),
                        helpText(
                            QT_TRANSLATE_NOOP("tevo::cli::Help", "одни весы: номер строки списка весов или название")),
                        true};

const OptionSpec kChanged{
    QStringLiteral("--changed"),
    {},
    helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "только изменённые: каждым весам — лишь те записи, которых в них нет "
                                                  "в нынешнем виде"))};

OptionSpec required(OptionSpec o)
{
    o.required = true;
    return o;
}

QVector<CommandSpec> makeSpecs()
{
    QVector<CommandSpec> c;
    c.append(
        {QStringLiteral("scales"),
         {},
         {},
         {},
         helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "список весов")),
         helpText(QT_TRANSLATE_NOOP(
             "tevo::cli::Help", "Показывает таблицу весов: номер строки, «Исп.», «Вкл.», название, IP/COM, порт или "
                                "скорость, группы.")),
         false});
    c.last().run = [](Runner &r) { return r.scalesCommand(); };
    c.append(
        {QStringLiteral("check"),
         {},
         {},
         {},
         helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "проверка связи (как «Проверить связь»)")),
         helpText(QT_TRANSLATE_NOOP(
             "tevo::cli::Help", "Опрашивает все весы списка. Ответившие отмечаются «Вкл.», у всех весов снимается "
                                "«Исп.», как после кнопки «Проверить связь».\nСтатус 3, если ответили не все весы.")),
         true});
    c.last().run = [](Runner &r) { return r.checkCommand(); };
    c.append({QStringLiteral("write-goods"),
              {},
              {},
              {kRange, kScales, kChanged},
              helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "записать товары в весы")),
              helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "Без --range записываются все строки таблицы товаров.")),
              true});
    c.last().run = [](Runner &r) { return r.transferCommand(true, true); };
    c.append(
        {QStringLiteral("read-goods"),
         {},
         {},
         {required(kRange), kScale},
         helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "считать товары из одних весов")),
         helpText(QT_TRANSLATE_NOOP(
             "tevo::cli::Help", "Номера, которых нет в весах, пропускаются (в отчёте: «нет в весах»); это не ошибка.")),
         true});
    c.last().run = [](Runner &r) { return r.transferCommand(true, false); };
    c.append({QStringLiteral("write-messages"),
              {},
              {},
              {kRange, kScales, kChanged},
              helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "записать сообщения в весы")),
              helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "Без --range записываются все строки таблицы сообщений.")),
              true});
    c.last().run = [](Runner &r) { return r.transferCommand(false, true); };
    c.append(
        {QStringLiteral("read-messages"),
         {},
         {},
         {required(kRange), kScale},
         helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "считать сообщения из одних весов")),
         helpText(QT_TRANSLATE_NOOP(
             "tevo::cli::Help", "Номера, которых нет в весах, пропускаются (в отчёте: «нет в весах»); это не ошибка.")),
         true});
    c.last().run = [](Runner &r) { return r.transferCommand(false, false); };
    c.append(
        {QStringLiteral("verify"),
         {QStringLiteral("WHAT")},
         {QStringLiteral("goods"), QStringLiteral("messages")},
         {required(kRange), kScales},
         helpText(
             QT_TRANSLATE_NOOP("tevo::cli::Help", "сверить товары или сообщения с весами (как «Сверить с весами»)")),
         helpText(QT_TRANSLATE_NOOP(
             "tevo::cli::Help", "Считывает диапазон из каждых весов и сравнивает с базой поле за полем; таблицы не "
                                "меняются. Выводит расхождения: номер, что с ним, поле, значение в базе и в весах.\n"
                                "Статус 3, если какие-то весы расходятся с базой или ответили не на всё.")),
         true});
    c.last().run = [](Runner &r) { return r.verifyCommand(); };
    c.append({QStringLiteral("set-clock"),
              {},
              {},
              {kScales},
              helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "дата и время компьютера в весы")),
              {},
              true});
    c.last().run = [](Runner &r) { return r.clockCommand(); };
    c.append(
        {QStringLiteral("write-settings"),
         {},
         {},
         {required(
              {QStringLiteral("--from"), QStringLiteral("FILE"),
               helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "файл настроек (как его пишет read-settings --to)"))}),
          kScales},
         helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "настройки и заголовок магазина в весы")),
         helpText(QT_TRANSLATE_NOOP("tevo::cli::Help",
                                    "Передаёт настройки печати и заголовок магазина, как кнопка «Загрузить настройки в "
                                    "весы». Логотип из файла здесь не передаётся: для него write-logo --image FILE.")),
         true});
    c.last().run = [](Runner &r) { return r.writeSettingsCommand(); };
    c.append(
        {QStringLiteral("read-settings"),
         {},
         {},
         {kScale,
          {QStringLiteral("--to"), QStringLiteral("FILE"),
           helpText(QT_TRANSLATE_NOOP("tevo::cli::Help",
                                      "записать файл настроек (без --to он выводится на стандартный вывод)"))}},
         helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "настройки, заголовок и логотип из одних весов")),
         helpText(QT_TRANSLATE_NOOP("tevo::cli::Help",
                                    "Файл пишется, только если весы передали всё: настройки, заголовок и логотип.")),
         true});
    c.last().run = [](Runner &r) { return r.readSettingsCommand(); };
    c.append(
        {QStringLiteral("write-logo"),
         {},
         {},
         {required({QStringLiteral("--image"), QStringLiteral("FILE"),
                    helpText(QT_TRANSLATE_NOOP("tevo::cli::Help",
                                               "рисунок (BMP, PNG, …) или файл настроек с разделом [Logo]"))}),
          kScale},
         helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "логотип в одни весы")),
         helpText(QT_TRANSLATE_NOOP("tevo::cli::Help",
                                    "Рисунок уменьшается до 64 × 64 точек, как на вкладке «Параметры»: белое остаётся "
                                    "пустым, любой другой цвет печатается.")),
         true});
    c.last().run = [](Runner &r) { return r.writeLogoCommand(); };
    c.append({QStringLiteral("state"),
              {},
              {},
              {kScale},
              helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "текущее состояние весов")),
              {},
              true});
    c.last().run = [](Runner &r) { return r.readoutCommand(false); };
    c.append({QStringLiteral("totals"),
              {},
              {},
              {kScale},
              helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "общий итог продаж")),
              {},
              true});
    c.last().run = [](Runner &r) { return r.readoutCommand(true); };
    c.append(
        {QStringLiteral("import"),
         {QStringLiteral("WHAT"), QStringLiteral("FILE")},
         {QStringLiteral("txt"), QStringLiteral("dbf"), QStringLiteral("goods-csv"), QStringLiteral("messages-csv"),
          QStringLiteral("goods"), QStringLiteral("messages")},
         {{QStringLiteral("--map"), QStringLiteral("M"),
           helpText(QT_TRANSLATE_NOOP(
               "tevo::cli::Help", "какой столбец файла что заполняет: \"PLU=Код,TNAME1=Наименование,PRICE=Цена:грн\" "
                                  "(goods, messages)"))},
          {QStringLiteral("--sheet"), QStringLiteral("NAME"),
           helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "лист книги Excel (goods, messages)"))},
          {QStringLiteral("--encoding"), QStringLiteral("E"),
           helpText(QT_TRANSLATE_NOOP("tevo::cli::Help",
                                      "кодировка текстового файла: utf-8, cp1251, cp866, utf-16 (goods, messages)"))},
          {QStringLiteral("--dry-run"),
           {},
           helpText(QT_TRANSLATE_NOOP("tevo::cli::Help",
                                      "только показать, что будет сохранено, и строки с ошибками; ничего не менять"))}},
         helpText(QT_TRANSLATE_NOOP(
             "tevo::cli::Help", "импорт товаров (txt, dbf, goods-csv, goods) или сообщений (messages-csv, messages)")),
         helpText(QT_TRANSLATE_NOOP(
             "tevo::cli::Help",
             "Как команды меню «Файл»: txt и goods-csv меняют названные строки, dbf заменяет всю "
             "таблицу товаров, messages-csv меняет строки сообщений.\n"
             "goods и messages — как окно «Импорт товаров из файла…»: CSV или TXT (разделитель и "
             "кодировка находятся сами), Excel (.xlsx, .xls) или dBase; столбцы сопоставляются по "
             "заголовку, по --map или по сопоставлению, запомненному окном для такого имени файла. "
             "Цена — в гривнах, если заголовок или --map (:коп) не говорит о копейках. Файл, в котором "
             "есть хоть одна строка, которую нельзя сохранить, не меняет ничего (статус 2).")),
         false});
    c.last().run = [](Runner &r) { return r.importCommand(); };
    c.append({QStringLiteral("export"),
              {QStringLiteral("WHAT"), QStringLiteral("FILE")},
              {QStringLiteral("txt"), QStringLiteral("dbf"), QStringLiteral("xls"), QStringLiteral("xlsx")},
              {},
              helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "экспорт товаров в txt, dbf, xls или xlsx")),
              helpText(QT_TRANSLATE_NOOP(
                  "tevo::cli::Help",
                  "Как в меню «Файл»: к имени без «.txt» («.dbf», «.xls», «.xlsx») расширение добавляется.")),
              false});
    c.last().run = [](Runner &r) { return r.exportCommand(); };
    c.append({QStringLiteral("rebuild"),
              {QStringLiteral("WHAT")},
              {QStringLiteral("goods"), QStringLiteral("messages")},
              {},
              helpText(QT_TRANSLATE_NOOP("tevo::cli::Help",
                                         "пустая таблица товаров (4000 строк) или сообщений (1000 строк)")),
              helpText(QT_TRANSLATE_NOOP("tevo::cli::Help",
                                         "Как «Создать пустую таблицу товаров» и «… сообщений», без вопроса.")),
              false});
    c.last().run = [](Runner &r) { return r.rebuildCommand(); };
    c.append({QStringLiteral("data-check"),
              {},
              {},
              {},
              helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "проверка данных таблицы товаров")),
              helpText(QT_TRANSLATE_NOOP("tevo::cli::Help",
                                         "Как «Проверить данные». Статус 2, если найдена строка с ошибками.")),
              false});
    c.last().run = [](Runner &r) { return r.dataCheckCommand(); };
    c.append(
        {QStringLiteral("load"),
         {QStringLiteral("FILE")},
         {},
         {{QStringLiteral("--need-clear"),
           {},
           helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "сначала очистить таблицу товаров и записать все 4000 номеров "
                                                         "(«Затирать незаполненные товары»)"))},
          kChanged},
         helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "автоматическая загрузка файла товаров и запись в весы")),
         helpText(QT_TRANSLATE_NOOP(
             "tevo::cli::Help", "Один раз делает то же, что автоматическая загрузка: отмечает «Исп.» те весы, что "
                                "ответили при последней проверке связи, загружает файл товаров в таблицу и записывает "
                                "загруженные номера в эти весы. Файл AutoLoad.ini не меняется.\nФайл — текстовый файл "
                                "товаров или таблица другой программы (CSV, TXT, Excel, dBase), столбцы которой "
                                "сопоставлены по сопоставлению, запомненному для такого имени файла.")),
         true});
    c.last().run = [](Runner &r) { return r.loadCommand(); };
    c.append(
        {QStringLiteral("history"),
         {QStringLiteral("WHAT")},
         {QStringLiteral("goods"), QStringLiteral("messages"), QStringLiteral("price"), QStringLiteral("lowest"),
          QStringLiteral("revaluations"), QStringLiteral("printed"), QStringLiteral("journal"), QStringLiteral("keep")},
         {{QStringLiteral("--number"), QStringLiteral("N"),
           helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "номер товара (сообщения)"))},
          {QStringLiteral("--date"), QStringLiteral("D"),
           helpText(QT_TRANSLATE_NOOP(
               "tevo::cli::Help", "дата: ГГГГ-ММ-ДД или ДД.ММ.ГГГГ, можно со временем ЧЧ:ММ (по умолчанию — сейчас)"))},
          {QStringLiteral("--from"), QStringLiteral("D"),
           helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "начало периода (с начала этого дня)"))},
          {QStringLiteral("--to"), QStringLiteral("D"),
           helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "конец периода (до конца этого дня; по умолчанию — сейчас)"))},
          {QStringLiteral("--days"), QStringLiteral("N"),
           helpText(QT_TRANSLATE_NOOP("tevo::cli::Help",
                                      "lowest: за сколько дней (по умолчанию 30); keep: сколько дней хранить журнал"))},
          {QStringLiteral("--scale"), QStringLiteral("S"),
           helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "весы: номер строки списка весов или название"))},
          {QStringLiteral("--source"), QStringLiteral("NAME"),
           helpText(QT_TRANSLATE_NOOP("tevo::cli::Help",
                                      "journal: правка, импорт, автозагрузка, чтение из весов, пустая таблица"))},
          {QStringLiteral("--xlsx"), QStringLiteral("FILE"),
           helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "сохранить ответ в книгу Excel"))},
          {QStringLiteral("--csv"), QStringLiteral("FILE"),
           helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "сохранить ответ в CSV (через «;»)"))}},
         helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "история цен и того, что получили весы")),
         helpText(QT_TRANSLATE_NOOP("tevo::cli::Help",
                                    "goods и messages --number N: изменения записи и её доставки в весы по времени.\n"
                                    "price --number N --date D: цена товара на дату.\n"
                                    "lowest --date D [--days 30] [--number N]: наименьшая цена за дни перед датой (для "
                                    "ценника скидки).\n"
                                    "revaluations --from D --to D: переоценка за период (номер, наименование, старая и "
                                    "новая цена, когда, источник).\n"
                                    "printed --scale S --from D --to D: какие цены были в весах за период.\n"
                                    "journal [--from --to --number --source --scale]: записи журнала изменений.\n"
                                    "keep [--days N]: сколько дней хранится журнал (по умолчанию 1096).")),
         false});
    c.last().run = [](Runner &r) { return r.historyCommand(); };
    return c;
}

const QVector<OptionSpec> &commonOptions()
{
    static const QVector<OptionSpec> options = {
        {QStringLiteral("--db"), QStringLiteral("PATH"),
         helpText(QT_TRANSLATE_NOOP("tevo::cli::Help",
                                    "файл базы данных (по умолчанию TevoDataBase.gdb в папке данных программы)"))},
        {QStringLiteral("--timeout"), QStringLiteral("SECONDS"),
         helpText(QT_TRANSLATE_NOOP(
             "tevo::cli::Help",
             "весы, молчащие столько секунд, выбывают из обмена (по умолчанию 30; 0 — ждать без конца)"))},
        {QStringLiteral("--fast"),
         {},
         helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "быстрый обмен: ответившие весы опрашиваются сразу"))},
        {QStringLiteral("--json"),
         {},
         helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "отчёт в виде JSON на стандартный вывод"))},
        {QStringLiteral("--help"), {}, helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "эта справка"))},
        {QStringLiteral("--version"), {}, helpText(QT_TRANSLATE_NOOP("tevo::cli::Help", "версия программы"))},
    };
    return options;
}

QString optionsText(const QVector<OptionSpec> &options)
{
    QString text;
    for (const OptionSpec &o : options) {
        QString left = o.name + (o.valueName.isEmpty() ? QString() : QLatin1Char(' ') + o.valueName);
        text += QStringLiteral("  %1  %2\n").arg(left, -18).arg(shown(o.help));
    }
    return text;
}

QString synopsis(const CommandSpec &c)
{
    QString s = QStringLiteral("tevo-cli ") + c.name;
    for (int i = 0; i < c.positionals.size(); ++i)
        s += QLatin1Char(' ') + (i == 0 && !c.choices.isEmpty() ? c.choices.join(QLatin1Char('|')) : c.positionals[i]);
    for (const OptionSpec &o : c.options) {
        const QString part = o.name + (o.valueName.isEmpty() ? QString() : QLatin1Char(' ') + o.valueName);
        s += o.required ? QLatin1Char(' ') + part : QStringLiteral(" [%1]").arg(part);
    }
    return s;
}

} // namespace

const QVector<CommandSpec> &commandSpecs()
{
    static const QVector<CommandSpec> specs = makeSpecs();
    return specs;
}

const CommandSpec *findCommand(const QString &name)
{
    for (const CommandSpec &c : commandSpecs())
        if (c.name == name)
            return &c;
    return nullptr;
}

QString versionText() { return QStringLiteral("tevo-cli " TEVO_VERSION); }

QString programHelp()
{
    QString text =
        QCoreApplication::translate("tevo::cli::Arguments",
                                    "Использование: tevo-cli КОМАНДА [ПАРАМЕТРЫ]\n"
                                    "Обмен с весами и файлами без окна Tevo, на той же базе данных.\n\nКоманды:\n");
    for (const CommandSpec &c : commandSpecs())
        text += QStringLiteral("  %1  %2\n").arg(c.name, -15).arg(shown(c.summary));
    text += QCoreApplication::translate("tevo::cli::Arguments", "\nОбщие параметры:\n") + optionsText(commonOptions());
    text += QCoreApplication::translate(
        "tevo::cli::Arguments", "\nСтатус выхода: 0 — все весы сделали всё; 3 — какие-то весы отказались или не "
                                "ответили;\n2 — неверный ввод (диапазон, файл, весы); 1 — другая ошибка (база данных, "
                                "файловая система).\n\ntevo-cli КОМАНДА --help — справка по команде.\n");
    return text;
}

QString commandHelp(const CommandSpec &c)
{
    const QString translated = shown(c.summary);
    const QString summary = translated.left(1).toUpper() + translated.mid(1);
    QString text =
        QCoreApplication::translate("tevo::cli::Arguments", "Использование: %1\n%2.\n").arg(synopsis(c), summary);
    if (!c.details.isEmpty())
        text += QLatin1Char('\n') + shown(c.details) + QLatin1Char('\n');
    if (!c.options.isEmpty())
        text += QCoreApplication::translate("tevo::cli::Arguments", "\nПараметры:\n") + optionsText(c.options);
    QVector<OptionSpec> common;
    for (const OptionSpec &o : commonOptions())
        if (c.exchange || (o.name != QLatin1String("--timeout") && o.name != QLatin1String("--fast")))
            common.append(o);
    text += QCoreApplication::translate("tevo::cli::Arguments", "\nОбщие параметры:\n") + optionsText(common);
    return text;
}

CliArguments parseArguments(const QStringList &arguments)
{
    CliArguments a;
    const CommandSpec *command = nullptr;
    QStringList rest = arguments;
    auto takeValue = [&](const QString &name, QString &inlineValue, bool hasInline) -> QString {
        if (hasInline)
            return inlineValue;
        if (rest.isEmpty())
            throw UsageError{QCoreApplication::translate("tevo::cli::Arguments", "у параметра %1 нет значения").arg(name)};
        return rest.takeFirst();
    };
    while (!rest.isEmpty()) {
        const QString arg = rest.takeFirst();
        if (!arg.startsWith(QLatin1String("--")) || arg == QLatin1String("--")) {
            if (!command && a.command.isEmpty()) {
                a.command = arg;
                command = findCommand(arg);
                if (!command)
                    throw UsageError{
                        QCoreApplication::translate("tevo::cli::Arguments",
                                                    "неизвестная команда «%1» (список команд: tevo-cli --help)")
                            .arg(arg)};
            } else {
                a.positionals << arg;
            }
            continue;
        }
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        const QString name = eq < 0 ? arg : arg.left(eq);
        QString inlineValue = eq < 0 ? QString() : arg.mid(eq + 1);
        const bool hasInline = eq >= 0;
        if (name == QLatin1String("--help") || name == QLatin1String("--version") || name == QLatin1String("--json")
            || name == QLatin1String("--fast")) {
            if (hasInline)
                throw UsageError{
                    QCoreApplication::translate("tevo::cli::Arguments", "параметр %1 пишется без значения").arg(name)};
            (name == QLatin1String("--help")      ? a.help
             : name == QLatin1String("--version") ? a.version
             : name == QLatin1String("--json")    ? a.json
                                                  : a.fast) = true;
            continue;
        }
        if (name == QLatin1String("--db")) {
            a.db = takeValue(name, inlineValue, hasInline);
            continue;
        }
        if (name == QLatin1String("--timeout")) {
            const QString v = takeValue(name, inlineValue, hasInline);
            bool ok = false;
            const int seconds = v.toInt(&ok);
            if (!ok || seconds < 0 || seconds > 24 * 3600)
                throw UsageError{QCoreApplication::translate("tevo::cli::Arguments",
                                                             "--timeout %1: нужно число секунд от 0 до 86400")
                                     .arg(v)};
            a.timeoutSeconds = seconds;
            continue;
        }
        const OptionSpec *known = nullptr;
        if (command)
            for (const OptionSpec &o : command->options)
                if (o.name == name)
                    known = &o;
        if (!known)
            throw UsageError{command ? QCoreApplication::translate("tevo::cli::Arguments",
                                                                   "у команды %1 нет параметра %2 (tevo-cli %1 --help)")
                                           .arg(command->name, name)
                                     : QCoreApplication::translate("tevo::cli::Arguments",
                                                                   "неизвестный параметр %1 (tevo-cli --help)")
                                           .arg(name)};
        if (a.values.contains(name))
            throw UsageError{QCoreApplication::translate("tevo::cli::Arguments", "параметр %1 указан дважды").arg(name)};
        if (known->valueName.isEmpty()) {
            if (hasInline)
                throw UsageError{
                    QCoreApplication::translate("tevo::cli::Arguments", "параметр %1 пишется без значения").arg(name)};
            a.values.insert(name, QString());
        } else {
            a.values.insert(name, takeValue(name, inlineValue, hasInline));
        }
    }
    if (a.help || a.version)
        return a;
    if (!command)
        throw UsageError{
            QCoreApplication::translate("tevo::cli::Arguments", "не указана команда (список команд: tevo-cli --help)")};
    if (a.positionals.size() != command->positionals.size()) {
        throw UsageError{
            QCoreApplication::translate("tevo::cli::Arguments", "команде %1 нужно: %2 (tevo-cli %1 --help)")
                .arg(command->name,
                     command->positionals.isEmpty()
                         ? QCoreApplication::translate("tevo::cli::Arguments", "ничего, кроме параметров")
                         : command->positionals.join(QLatin1Char(' ')))};
    }
    if (!command->choices.isEmpty() && !command->choices.contains(a.positionals.first()))
        throw UsageError{QCoreApplication::translate("tevo::cli::Arguments", "%1 %2: можно %3")
                             .arg(command->name, a.positionals.first(), command->choices.join(QStringLiteral(", ")))};
    for (const OptionSpec &o : command->options)
        if (o.required && !a.values.contains(o.name))
            throw UsageError{QCoreApplication::translate("tevo::cli::Arguments", "команде %1 нужен параметр %2 %3")
                                 .arg(command->name, o.name, o.valueName)};
    return a;
}

} // namespace tevo::cli
