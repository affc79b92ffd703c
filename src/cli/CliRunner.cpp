#include "cli/CliRunner.h"

#include "cli/CliReport.h"
#include "commands/ScaleExchange.h"
#include "commands/ScaleHoldings.h"
#include "commands/SettingsFile.h"
#include "common/AppPaths.h"
#include "common/Codepage.h"
#include "common/Error.h"
#include "common/ShutdownSignals.h"
#include "fileio/ColumnTitles.h"
#include "fileio/DataFolder.h"
#include "session/History.h"
#include "session/Operations.h"
#include "session/Session.h"
#include "session/TabularImport.h"
#include "store/CommandLineMark.h"
#include "store/DataCheck.h"
#include "store/DatabaseChoice.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <cstdio>
#include <unistd.h>

namespace tevo::cli {

namespace {

void printTo(FILE *f, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    fwrite(bytes.constData(), 1, size_t(bytes.size()), f);
    fflush(f);
}

void err(const QString &text) { printTo(stderr, QStringLiteral("tevo-cli: ") + text + QLatin1Char('\n')); }

// The failure of a piece of work that did not end as done: bad input (a value, a number outside
// a table, a file that cannot be read when `readsInput`) gives 2, a refusal, the database and
// the file system 1.
Failure failureOf(const Outcome &outcome, bool readsInput)
{
    if (outcome.result == Outcome::Result::Refused)
        return {kFailure, outcome.text};
    switch (outcome.cause) {
    case Outcome::Cause::DatabaseBusy:
        return {kFailure, outcome.text, false, true};
    case Outcome::Cause::Database:
        return {kFailure, outcome.text};
    case Outcome::Cause::File:
        return {readsInput ? kBadInput : kFailure, outcome.text};
    case Outcome::Cause::Input:
    case Outcome::Cause::None:
        break;
    }
    return {kBadInput, outcome.text};
}

template <class F> void work(bool readsInput, F &&f)
{
    try {
        f();
    } catch (const Error &e) {
        throw failureOf(Outcome::failed(e), readsInput);
    }
}

// Fast exchange, once the engine offers it: the call compiles only where the engine has it.
template <class Engine>
auto applyFastExchange(Engine &engine, bool on, int) -> decltype(engine.setFastExchange(on), bool())
{
    engine.setFastExchange(on);
    return true;
}
template <class Engine> bool applyFastExchange(Engine &, bool on, long) { return !on; }

QJsonArray logoJson(const LogoPixels &logo)
{
    QJsonArray rows;
    for (const QString &row : logoRows(logo))
        rows.append(row);
    return rows;
}

QJsonObject settingsJson(const ScaleSettings &s)
{
    QJsonObject o;
    o.insert(QStringLiteral("department"), s.department);
    o.insert(QStringLiteral("labelFormat"), s.labelFormatPosition);
    o.insert(QStringLiteral("barcode"), s.barcodePosition);
    o.insert(QStringLiteral("printShift"), s.printShift);
    o.insert(QStringLiteral("autoPrintWeight"), s.autoPrintWeight);
    for (int bit = 0; bit < 8; ++bit)
        o.insert(printOptionKeys().at(bit), bool((s.printOptions >> bit) & 1));
    return o;
}

} // namespace

Runner::Runner(const CliArguments &arguments) : m_args(arguments) {}

Runner::~Runner() = default;

Store &Runner::store() { return m_session->store(); }

void Runner::out(const QString &line) { m_lines << line; }

void Runner::say(const QString &text)
{
    out(text);
    m_json.insert(QStringLiteral("message"), text);
}

int Runner::run()
{
    m_json.insert(QStringLiteral("command"), m_args.command);
    int status = kDone;
    try {
        const CommandSpec *description = findCommand(m_args.command);
        if (!description || !description->run)
            throw Failure{kBadInput,
                          QCoreApplication::translate("tevo::cli::Runner", "неизвестная команда «%1»").arg(m_args.command)};
        status = description->run(*this);
        commit();
    } catch (const Failure &f) {
        // Whose lock it was is looked up now, while the holder is still likely to hold it.
        const QString text = f.busy && m_session ? databaseBusyText(f.text, store().database(), false) : f.text;
        if (!f.printed)
            err(text);
        m_json.insert(QStringLiteral("error"), text);
        status = f.status;
    }
    if (m_interrupted && status == kDone)
        status = kFailure;
    m_json.insert(QStringLiteral("status"), status);
    if (m_args.json)
        printTo(stdout, QString::fromUtf8(QJsonDocument(m_json).toJson(QJsonDocument::Indented)));
    else if (!m_lines.isEmpty())
        printTo(stdout, m_lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return status;
}

void Runner::openDatabase(bool allTables)
{
    DatabaseLocation location;
    if (m_args.db.isEmpty()) {
        // Installed, the data folder is the user's and is made at the first start, as the
        // window makes it; Database.ini there may name a server, as for the window.
        work(false, [&] {
            prepareDataFolder();
            location = chosenDatabase();
        });
        if (const QString warning = databaseChoiceWarning(); !warning.isEmpty())
            err(warning);
    } else {
        location = DatabaseLocation::file(m_args.db);
    }
    if (!location.isServer() && !QFileInfo(location.path()).isFile())
        throw Failure{m_args.db.isEmpty() ? kFailure : kBadInput,
                      QCoreApplication::translate("tevo::cli::Runner", "нет файла базы данных %1").arg(location.path())};
    // Another program that finds the database busy can tell that a command holds it.
    if (!location.isServer())
        m_mark = std::make_unique<CommandLineMark>(location.path());
    m_parameters = std::make_unique<MemoryParameters>();
    m_session = std::make_unique<Session>();
    m_session->setParametersHost(m_parameters.get());
    store().journal().setProgram(QStringLiteral("tevo-cli"));
    Database &db = store().database();
    db.setLockWait(LockWait::Patient);
    // Each change is committed at once into the file, which another program then finds free;
    // on a server, where every commit is a round trip, a stream of changes (a read from a
    // scale) is committed once a second or every 500 changes.
    db.setIdleCommitMs(location.isServer() ? Database::kLongestTransactionMs : 0);
    work(false, [&] {
        if (allTables) {
            store().openTables(location);
        } else {
            db.setLocation(location);
            db.open();
            store().scales().open();
        }
        // The reading is done: the database is free for the window again. Whatever begins from
        // now on is a change, which waits for the write lock.
        db.commitNow();
        db.setWritingTransactions(true);
    });
}

void Runner::commit()
{
    if (m_session)
        work(false, [&] { store().database().commitAtEnd(); });
}

ScaleExchange &Runner::exchange()
{
    const bool made = m_session->hasExchange();
    ScaleExchange &x = m_session->exchange();
    if (!made) {
        ExchangeEngine &engine = x.engine();
        engine.setStepTimeout(m_args.timeoutSeconds * 1000);
        if (!applyFastExchange(engine, m_args.fast, 0))
            throw Failure{kBadInput, QCoreApplication::translate("tevo::cli::Runner",
                                                                 "--fast: быстрого обмена в этой сборке ещё нет")};
        // Refusals, failures, scales that cannot take part and failed lines go to standard
        // error; the end of an exchange is the report.
        QObject::connect(m_session.get(), &Session::notice, [](const Notice &n) {
            if (n.kind == Notice::Kind::Error)
                err(n.text);
        });
    }
    return x;
}

QVector<int> Runner::resolveScales(const QString &list, bool one) const
{
    Table &scales = m_session->store().scales();
    const QStringList items = one ? QStringList{list} : list.split(QLatin1Char(','));
    QVector<int> rows;
    for (const QString &raw : items) {
        const QString item = raw.trimmed();
        if (item.isEmpty())
            throw Failure{kBadInput,
                          QCoreApplication::translate("tevo::cli::Runner", "в списке весов «%1» пустое место").arg(list)};
        bool isNumber = false;
        const int number = item.toInt(&isNumber);
        int row = -1;
        if (isNumber) {
            if (number < 1 || number > scales.count())
                throw Failure{kBadInput, QCoreApplication::translate("tevo::cli::Runner",
                                                                     "весов № %1 нет: в списке весов %2 строк")
                                             .arg(number)
                                             .arg(scales.count())};
            row = number - 1;
        } else {
            QStringList names;
            QVector<int> matches;
            for (int r = 0; r < scales.count(); ++r) {
                const QString name = scales.text(r, QStringLiteral("NAME")).trimmed();
                names << QStringLiteral("%1 «%2»").arg(r + 1).arg(name);
                if (name.compare(item, Qt::CaseInsensitive) == 0)
                    matches << r;
            }
            if (matches.isEmpty())
                throw Failure{kBadInput,
                              QCoreApplication::translate("tevo::cli::Runner",
                                                          "весов «%1» нет в списке весов (есть: %2)")
                                  .arg(item, names.isEmpty()
                                                 ? QCoreApplication::translate("tevo::cli::Runner", "никаких")
                                                 : names.join(QStringLiteral(", ")))};
            if (matches.size() > 1) {
                QStringList numbers;
                for (int r : matches)
                    numbers << QString::number(r + 1);
                throw Failure{kBadInput,
                              QCoreApplication::translate(
                                  "tevo::cli::Runner", "весы «%1» — это строки %2 списка весов: укажите номер строки")
                                  .arg(item, numbers.join(QStringLiteral(", ")))};
            }
            row = matches.first();
        }
        if (!rows.contains(row))
            rows << row;
    }
    return rows;
}

void Runner::selectScales()
{
    if (m_args.has(QStringLiteral("--scale")))
        exchange().channels().setSelectedRows(resolveScales(m_args.value(QStringLiteral("--scale")), true));
    else if (m_args.has(QStringLiteral("--scales")))
        exchange().channels().setSelectedRows(resolveScales(m_args.value(QStringLiteral("--scales")), false));
}

int Runner::runExchange(CommandState command, const QString &range)
{
    ScaleExchange &x = exchange();
    ExchangeEngine &engine = x.engine();
    QEventLoop loop;
    bool ended = false;
    ExchangeReport report;
    const QMetaObject::Connection endedConnection =
        QObject::connect(&x, &ScaleExchange::ended, &loop, [&](const ExchangeReport &r) {
            report = r;
            ended = true;
            loop.quit();
        });
    ShutdownSignals shutdownSignals;
    QObject::connect(&shutdownSignals, &ShutdownSignals::received, &loop, [&](int) {
        m_interrupted = true;
        err(QCoreApplication::translate("tevo::cli::Runner", "прервано: обмен прекращён"));
        engine.stop();
    });
    Progress progress(engine, stderr, isatty(fileno(stderr)));
    // A refusal to start (a bad range, no scale selected) has been said on standard error.
    const Outcome start = m_session->startExchange(command, range);
    if (!start.done()) {
        QObject::disconnect(endedConnection);
        throw Failure{kBadInput, start.text, true};
    }
    if (!ended)
        loop.exec();
    QObject::disconnect(endedConnection);
    progress.finish();
    m_json.insert(QStringLiteral("report"), reportJson(report));
    // A failure has been said on standard error (a busy database with whose lock it was).
    for (const QString &line : reportLines(report))
        out(line);
    return exitStatusOf(report);
}

void Runner::take(const Outcome &outcome, bool readsInput)
{
    if (!outcome.done())
        throw failureOf(outcome, readsInput);
}

// --- the tables ----------------------------------------------------------------------------

int Runner::scalesCommand()
{
    openDatabase(true);
    Table &s = store().scales();
    QJsonArray rows;
    QVector<QStringList> cells;
    QStringList titles = {QStringLiteral("№")};
    for (const ColumnDef &col : s.columns())
        titles << columnTitle(s.tableName(), col.name).title;
    cells << titles;
    for (int r = 0; r < s.count(); ++r) {
        QJsonObject row;
        row.insert(QStringLiteral("row"), r + 1);
        QStringList line = {QString::number(r + 1)};
        for (const ColumnDef &col : s.columns()) {
            const QString text = s.text(r, col.name);
            if (columnTitle(s.tableName(), col.name).checkBox) {
                row.insert(col.name, truthValue(text));
                line << (truthValue(text) ? QCoreApplication::translate("tevo::cli::Runner", "да")
                                          : QCoreApplication::translate("tevo::cli::Runner", "нет"));
            } else if (col.type == ColumnType::Integer && !s.isNull(r, col.name)) {
                row.insert(col.name, s.value(r, col.name).toLongLong());
                line << text;
            } else {
                row.insert(col.name, text);
                line << text;
            }
        }
        rows.append(row);
        cells << line;
    }
    // Who is behind, from the ledger: as the scales dialog shows it.
    QVector<ScaleStanding> standings;
    try {
        standings = ScaleHoldings::standings(store());
    } catch (const Error &e) {
        err(e.text()); // the list is shown without them
    }
    titles << QCoreApplication::translate("tevo::cli::Runner", "Ответили")
           << QCoreApplication::translate("tevo::cli::Runner", "Записаны полностью")
           << QCoreApplication::translate("tevo::cli::Runner", "Отстают");
    for (int r = 0; r < standings.size() && r < rows.size(); ++r) {
        const ScaleStanding &st = standings[r];
        QJsonObject row = rows[r].toObject();
        row.insert(QStringLiteral("answered"), st.answered.isValid() ? st.answered.toString(Qt::ISODate) : QString());
        row.insert(QStringLiteral("goodsWritten"),
                   st.goodsWritten.isValid() ? st.goodsWritten.toString(Qt::ISODate) : QString());
        row.insert(QStringLiteral("messagesWritten"),
                   st.messagesWritten.isValid() ? st.messagesWritten.toString(Qt::ISODate) : QString());
        row.insert(QStringLiteral("goodsBehind"), st.goodsBehind);
        row.insert(QStringLiteral("messagesBehind"), st.messagesBehind);
        rows[r] = row;
        const QDateTime written = qMax(st.goodsWritten, st.messagesWritten);
        cells[r + 1] << ScaleHoldings::momentText(st.answered) << ScaleHoldings::momentText(written)
                     << ScaleHoldings::behindText(st);
    }
    cells[0] = titles;
    m_json.insert(QStringLiteral("scales"), rows);
    QVector<int> widths(titles.size(), 0);
    for (const QStringList &line : cells)
        for (int i = 0; i < line.size(); ++i)
            widths[i] = qMax(widths[i], int(line[i].size()));
    for (const QStringList &line : cells) {
        QString text;
        for (int i = 0; i < line.size(); ++i)
            text += i + 1 < line.size() ? line[i].leftJustified(widths[i] + 2) : line[i];
        out(text.trimmed());
    }
    return kDone;
}

int Runner::dataCheckCommand()
{
    openDatabase(true);
    QString text;
    work(false, [&] { text = checkGoods(store().goods()); });
    say(text);
    const bool ok = text == dataCheckSuccessText();
    m_json.insert(QStringLiteral("faultless"), ok);
    return ok ? kDone : kBadInput;
}

int Runner::rebuildCommand()
{
    openDatabase(true);
    const Outcome outcome = rebuildTable(store(), m_args.positionals.first() == QLatin1String("goods"));
    take(outcome, false);
    commit();
    say(outcome.text);
    return kDone;
}

int Runner::importCommand()
{
    static const QHash<QString, TableFile> formats = {{QStringLiteral("txt"), TableFile::GoodsText},
                                                      {QStringLiteral("dbf"), TableFile::GoodsDbf},
                                                      {QStringLiteral("goods-csv"), TableFile::GoodsCsv},
                                                      {QStringLiteral("messages-csv"), TableFile::MessagesCsv}};
    const QString what = m_args.positionals.at(0);
    if (what == QLatin1String("goods") || what == QLatin1String("messages"))
        return tabularImportCommand();
    for (const QString &option :
         {QStringLiteral("--map"), QStringLiteral("--sheet"), QStringLiteral("--encoding"), QStringLiteral("--dry-run")})
        if (m_args.has(option))
            throw Failure{kBadInput, QCoreApplication::translate("tevo::cli::Runner",
                                                                 "параметр %1 — для import goods и import messages")
                                         .arg(option)};
    const QString file = m_args.positionals.at(1);
    take(fileToRead(file), true);
    openDatabase(true);
    const Outcome outcome = importTableFile(store(), formats.value(m_args.positionals.at(0)), file);
    take(outcome, true);
    commit();
    say(outcome.text);
    return kDone;
}

int Runner::exportCommand()
{
    static const QHash<QString, TableFile> formats = {{QStringLiteral("txt"), TableFile::GoodsText},
                                                      {QStringLiteral("dbf"), TableFile::GoodsDbf},
                                                      {QStringLiteral("xls"), TableFile::GoodsSheet},
                                                      {QStringLiteral("xlsx"), TableFile::GoodsXlsx}};
    openDatabase(true);
    const Outcome outcome = exportGoods(store(), formats.value(m_args.positionals.at(0)), m_args.positionals.at(1));
    take(outcome, false);
    out(outcome.text);
    m_json.insert(QStringLiteral("file"), outcome.file);
    m_json.insert(QStringLiteral("message"), outcome.text);
    return kDone;
}

// --- the exchanges ---------------------------------------------------------------------------

int Runner::checkCommand()
{
    openDatabase(false);
    ScaleExchange &x = exchange();
    QEventLoop loop;
    int answered = -1;
    QObject::connect(&x.connectionCheck(), &ConnectionCheck::finished, &loop, [&](int n) {
        answered = n;
        loop.quit();
    });
    work(false, [&] { x.connectionCheck().startOrThrow(); });
    if (answered < 0)
        loop.exec();
    Table &s = store().scales();
    QJsonArray scales;
    for (int r = 0; r < s.count(); ++r) {
        const QString name = s.text(r, QStringLiteral("NAME")).trimmed();
        const bool on = truthValue(s.text(r, QStringLiteral("W")));
        out(QStringLiteral("%1: %2").arg(scaleName(name, r + 1),
                                         on ? QCoreApplication::translate("tevo::cli::Runner", "отвечает")
                                            : QCoreApplication::translate("tevo::cli::Runner", "не отвечает")));
        QJsonObject o;
        o.insert(QStringLiteral("row"), r + 1);
        o.insert(QStringLiteral("name"), name);
        o.insert(QStringLiteral("answered"), on);
        scales.append(o);
    }
    const QString text = ConnectionCheck::endText(answered);
    say(text);
    m_json.insert(QStringLiteral("answered"), answered);
    m_json.insert(QStringLiteral("scales"), scales);
    return answered == s.count() ? kDone : kNotAll;
}

int Runner::transferCommand(bool goods, bool write)
{
    openDatabase(true);
    selectScales();
    QString range = m_args.value(QStringLiteral("--range"));
    if (!m_args.has(QStringLiteral("--range"))) {
        // Without a range: the whole table.
        const int rows = (goods ? store().goods() : store().messages()).count();
        if (rows == 0)
            throw Failure{kBadInput, goods
                                         ? QCoreApplication::translate("tevo::cli::Runner", "таблица товаров пуста")
                                         : QCoreApplication::translate("tevo::cli::Runner", "таблица сообщений пуста")};
        range = QStringLiteral("1-%1").arg(rows);
    }
    exchange();
    m_session->setChangedOnly(write && m_args.has(QStringLiteral("--changed")));
    if (goods)
        return runExchange(write ? CommandState::GoodsWrite : CommandState::GoodsRead, range);
    return runExchange(write ? CommandState::MessagesWrite : CommandState::MessagesRead, range);
}

int Runner::verifyCommand()
{
    openDatabase(true);
    selectScales();
    const bool goods = m_args.positionals.first() == QLatin1String("goods");
    VerifyReport found;
    const QMetaObject::Connection taken =
        QObject::connect(&exchange(), &ScaleExchange::verified, [&found](const VerifyReport &r) { found = r; });
    int status = kFailure;
    try {
        status = runExchange(goods ? CommandState::GoodsVerify : CommandState::MessagesVerify,
                             m_args.value(QStringLiteral("--range")));
    } catch (...) {
        QObject::disconnect(taken);
        throw;
    }
    QObject::disconnect(taken);
    QJsonArray scales;
    for (const ScaleVerify &s : found.scales) {
        QJsonArray differences;
        for (const RecordDifference &d : s.differences) {
            const QString kind = d.kind == RecordDifference::Kind::Differs   ? QStringLiteral("differs")
                                 : d.kind == RecordDifference::Kind::Missing ? QStringLiteral("missing")
                                                                             : QStringLiteral("extra");
            differences.append(QJsonObject{{QStringLiteral("number"), d.number},
                                           {QStringLiteral("kind"), kind},
                                           {QStringLiteral("field"), d.field},
                                           {QStringLiteral("database"), d.database},
                                           {QStringLiteral("scale"), d.scale}});
            QString line = QStringLiteral("%1 № %2: %3").arg(s.name).arg(d.number).arg(differenceKindText(d.kind));
            if (d.kind == RecordDifference::Kind::Differs)
                line += QCoreApplication::translate("tevo::cli::Runner", ", %1: в базе «%2», в весах «%3»")
                            .arg(d.field, d.database, d.scale);
            else if (d.kind == RecordDifference::Kind::Extra)
                line += QStringLiteral(": «%1»").arg(d.scale);
            out(line);
        }
        scales.append(QJsonObject{{QStringLiteral("row"), s.row},
                                  {QStringLiteral("name"), s.name},
                                  {QStringLiteral("total"), s.total},
                                  {QStringLiteral("answered"), s.answered},
                                  {QStringLiteral("complete"), s.complete},
                                  {QStringLiteral("differing"), s.differingRecords()},
                                  {QStringLiteral("differences"), differences}});
    }
    const EndText text = verifyText(found);
    for (const QString &line : text.text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        out(line);
    m_json.insert(QStringLiteral("verify"), QJsonObject{{QStringLiteral("matches"), found.matches()},
                                                        {QStringLiteral("message"), text.text},
                                                        {QStringLiteral("scales"), scales}});
    return status == kDone && !found.matches() ? kNotAll : status;
}

int Runner::clockCommand()
{
    openDatabase(false);
    selectScales();
    exchange();
    return runExchange(CommandState::DateWrite);
}

int Runner::writeSettingsCommand()
{
    const QString file = m_args.value(QStringLiteral("--from"));
    SettingsFileContent content;
    work(true, [&] { content = readSettingsFile(file); });
    openDatabase(false);
    selectScales();
    exchange();
    m_parameters->settingsValue = content.settings;
    m_parameters->headerValue = content.header;
    return runExchange(CommandState::SettingsWrite);
}

int Runner::readSettingsCommand()
{
    openDatabase(false);
    selectScales();
    exchange();
    const int status = runExchange(CommandState::SettingsRead);
    if (status != kDone)
        return status; // nothing is written of settings the scale did not give whole
    const MemoryParameters &p = *m_parameters;
    QJsonObject header;
    header.insert(QStringLiteral("line1"), p.headerValue.line1);
    header.insert(QStringLiteral("line2"), p.headerValue.line2);
    m_json.insert(QStringLiteral("settings"), settingsJson(p.settingsValue));
    m_json.insert(QStringLiteral("header"), header);
    m_json.insert(QStringLiteral("logo"), logoJson(p.logoValue));
    if (m_args.has(QStringLiteral("--to"))) {
        const QString path = m_args.value(QStringLiteral("--to"));
        work(false, [&] { writeSettingsFile(path, p.settingsValue, p.headerValue, p.logoValue); });
        m_json.insert(QStringLiteral("file"), path);
        out(QCoreApplication::translate("tevo::cli::Runner", "Настройки записаны в %1.").arg(path));
    } else if (!m_args.json) {
        // The file itself on standard output; the report goes to standard error.
        QByteArray bytes;
        work(true, [&] { bytes = settingsFileBytes(p.settingsValue, p.headerValue, p.logoValue); });
        // In the terminal's UTF-8; the file that --to writes is Windows-1251 like the program's
        // other profile files, and either is read back.
        printTo(stderr, m_lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        m_lines.clear();
        printTo(stdout, fromCp1251(bytes));
    }
    return kDone;
}

int Runner::writeLogoCommand()
{
    const QString file = m_args.value(QStringLiteral("--image"));
    if (!QFileInfo(file).isFile())
        throw Failure{kBadInput, QStringLiteral("Cannot open file %1").arg(file)};
    LogoPixels logo;
    QImage image;
    if (image.load(file)) {
        logo = logoFromImage(image);
    } else {
        SettingsFileContent content;
        try {
            content = readSettingsFile(file);
        } catch (const Error &) {
            content.hasLogo = false;
        }
        if (!content.hasLogo)
            throw Failure{kBadInput,
                          QCoreApplication::translate("tevo::cli::Runner",
                                                      "%1: это не рисунок и не файл настроек с разделом [Logo]")
                              .arg(file)};
        logo = content.logo;
    }
    openDatabase(false);
    selectScales();
    exchange();
    m_parameters->logoValue = logo;
    return runExchange(CommandState::LogoWrite);
}

int Runner::readoutCommand(bool totals)
{
    openDatabase(false);
    selectScales();
    exchange();
    const int status = runExchange(totals ? CommandState::TotalsRead : CommandState::StateRead);
    if (status != kDone)
        return status;
    QJsonObject values;
    if (totals) {
        const SalesTotals &t = m_parameters->salesTotals;
        const struct {
            const char *key;
            QString label;
            qint64 value;
        } rows[] = {
            {"runCounter", QCoreApplication::translate("tevo::cli::Runner", "Счетчик пробега"), t.runCounter},
            {"labelCounter", QCoreApplication::translate("tevo::cli::Runner", "Счетчик этикеток"), t.labelCounter},
            {"totalSum", QCoreApplication::translate("tevo::cli::Runner", "Общая сумма"), t.totalSum},
            {"salesCount", QCoreApplication::translate("tevo::cli::Runner", "Кол-во продаж"), t.salesCount},
            {"totalWeight", QCoreApplication::translate("tevo::cli::Runner", "Общий вес"), t.totalWeight},
            {"sumAllPlu", QCoreApplication::translate("tevo::cli::Runner", "Сумма по всем PLU"), t.sumAllPlu},
            {"salesCountAllPlu", QCoreApplication::translate("tevo::cli::Runner", "Кол-во продаж по всем PLU"),
             t.salesCountAllPlu},
            {"weightAllPlu", QCoreApplication::translate("tevo::cli::Runner", "Общий вес по всем PLU"), t.weightAllPlu},
            {"freePlu", QCoreApplication::translate("tevo::cli::Runner", "Кол-во свободных PLU"), t.freePlu},
            {"freeMessages", QCoreApplication::translate("tevo::cli::Runner", "Кол-во свободных сообщений"),
             t.freeMessages},
        };
        for (const auto &r : rows) {
            out(QStringLiteral("%1: %2").arg(r.label).arg(r.value));
            values.insert(QLatin1String(r.key), r.value);
        }
        m_json.insert(QStringLiteral("totals"), values);
    } else {
        const WeighingState &s = m_parameters->weighingState;
        out(QCoreApplication::translate("tevo::cli::Runner", "Вес товара: %1").arg(weightText(s.grams, QLocale())));
        out(QCoreApplication::translate("tevo::cli::Runner", "Цена товара (коп/кг): %1").arg(s.priceText()));
        out(QCoreApplication::translate("tevo::cli::Runner", "Стоимость товара (коп): %1").arg(s.costText()));
        out(QCoreApplication::translate("tevo::cli::Runner", "Номер выбранного товара: %1").arg(s.pluText()));
        values.insert(QStringLiteral("grams"), s.grams);
        values.insert(QStringLiteral("price"), s.price);
        values.insert(QStringLiteral("cost"), s.cost);
        values.insert(QStringLiteral("plu"), s.plu);
        m_json.insert(QStringLiteral("state"), values);
    }
    return kDone;
}

int Runner::loadCommand()
{
    const QString file = m_args.positionals.first();
    take(fileToRead(file), true);
    openDatabase(true);
    const Outcome load = loadGoodsFile(store(), file, m_args.has(QStringLiteral("--need-clear")));
    take(load, true);
    m_json.insert(QStringLiteral("range"), load.range);
    m_json.insert(QStringLiteral("recordCount"), load.count);
    out(load.text);
    if (exchange().engine().selectedScaleCount() == 0) {
        const QString text =
            QCoreApplication::translate("tevo::cli::Runner",
                                        "Не выбраны ни одни весы! При последней проверке связи не ответили "
                                        "ни одни весы; товары загружены только в таблицу.");
        err(text);
        m_json.insert(QStringLiteral("message"), text);
        return kNotAll;
    }
    m_session->setChangedOnly(m_args.has(QStringLiteral("--changed")));
    return runExchange(CommandState::GoodsWrite, load.range);
}

// --- the tabular import ----------------------------------------------------------------------

int Runner::tabularImportCommand()
{
    const bool goods = m_args.positionals.at(0) == QLatin1String("goods");
    const ImportTarget target = goods ? ImportTarget::Goods : ImportTarget::Messages;
    const QString file = m_args.positionals.at(1);
    const bool dryRun = m_args.has(QStringLiteral("--dry-run"));
    TabularReadOptions options;
    if (m_args.has(QStringLiteral("--encoding"))) {
        const QString name = m_args.value(QStringLiteral("--encoding"));
        options.encoding = TabularImport::encodingNamed(name);
        if (!options.encoding)
            throw Failure{kBadInput, QCoreApplication::translate("tevo::cli::Runner",
                                                                 "--encoding %1: неизвестная кодировка (можно: %2)")
                                         .arg(name, TabularImport::encodingNames().join(QStringLiteral(", ")))};
    }
    // A file that cannot be opened is told in Russian by the reader (bad input, status 2).
    std::unique_ptr<TabularImport> import;
    work(true, [&] {
        import = std::make_unique<TabularImport>(target, file, options);
        if (m_args.has(QStringLiteral("--sheet")))
            import->setSheetNamed(m_args.value(QStringLiteral("--sheet")));
        if (m_args.has(QStringLiteral("--map")))
            import->setMappingText(m_args.value(QStringLiteral("--map")));
        else
            import->useRemembered();
    });
    openDatabase(true);
    const TabularFile &tabular = import->file();
    const ImportPlan plan = import->plan(goods ? store().goods() : store().messages());

    m_json.insert(QStringLiteral("file"), file);
    m_json.insert(QStringLiteral("sheet"), tabular.sheets.value(import->sheet()).name);
    if (tabular.kind == TabularKind::Text)
        m_json.insert(QStringLiteral("encoding"), textEncodingName(tabular.encoding));
    m_json.insert(QStringLiteral("mapping"), plan.mapping().toText());
    const TabularImport::MappingFrom from = import->mappingFrom();
    m_json.insert(QStringLiteral("mappingFrom"), from == TabularImport::MappingFrom::Given ? QStringLiteral("given")
                                                 : from == TabularImport::MappingFrom::Remembered
                                                     ? QStringLiteral("remembered")
                                                     : QStringLiteral("detected"));
    m_json.insert(QStringLiteral("dryRun"), dryRun);
    m_json.insert(QStringLiteral("rows"), int(plan.rows().size()));
    QJsonArray preview;
    QJsonArray problems;
    QJsonArray warnings;
    for (const PlannedRow &row : plan.rows()) {
        QJsonObject values;
        for (const auto &v : row.values)
            values.insert(v.first, v.second.isNull() ? QJsonValue() : QJsonValue::fromVariant(v.second));
        preview.append(QJsonObject{{QStringLiteral("place"), row.place},
                                   {QStringLiteral("number"), row.row + 1},
                                   {QStringLiteral("values"), values}});
    }
    for (const QString &p : plan.problems())
        problems.append(p);
    for (const QString &w : plan.warnings())
        warnings.append(w);
    if (dryRun)
        m_json.insert(QStringLiteral("preview"), preview);
    m_json.insert(QStringLiteral("problems"), problems);
    m_json.insert(QStringLiteral("warnings"), warnings);

    out(QCoreApplication::translate("tevo::cli::Runner", "Файл «%1»%2%3; сопоставление столбцов: %4")
            .arg(tabular.fileName(),
                 tabular.sheets.value(import->sheet()).name.isEmpty()
                     ? QString()
                     : QCoreApplication::translate("tevo::cli::Runner", ", лист «%1»")
                           .arg(tabular.sheets.value(import->sheet()).name),
                 tabular.kind == TabularKind::Text ? QCoreApplication::translate("tevo::cli::Runner", ", кодировка %1")
                                                         .arg(textEncodingName(tabular.encoding))
                                                   : QString(),
                 plan.mapping().toText()));
    if (dryRun) {
        constexpr int kPreviewRows = 10;
        for (int i = 0; i < std::min<int>(kPreviewRows, int(plan.rows().size())); ++i)
            out(QStringLiteral("  ") + TabularImport::describe(plan.rows()[i], target));
        if (plan.rows().size() > kPreviewRows)
            out(QCoreApplication::translate("tevo::cli::Runner", "  … всего строк для сохранения: %1")
                    .arg(plan.rows().size()));
    }
    for (const QString &w : plan.warnings())
        out(QCoreApplication::translate("tevo::cli::Runner", "Предупреждение: ") + w);
    if (!plan.problems().isEmpty()) {
        out(QCoreApplication::translate("tevo::cli::Runner", "Строки, которые нельзя сохранить (%1):")
                .arg(plan.problems().size()));
        for (const QString &p : plan.problems())
            out(QStringLiteral("  ") + p);
    }
    if (dryRun) {
        say(plan.ready()
                ? QCoreApplication::translate("tevo::cli::Runner",
                                              "Пробный прогон: таблица не изменена; будет сохранено строк: %1.")
                      .arg(plan.rows().size())
                : QCoreApplication::translate("tevo::cli::Runner",
                                              "Пробный прогон: таблица не изменена; такой файл не будет сохранён."));
        return plan.ready() ? kDone : kBadInput;
    }
    if (!plan.ready()) {
        const QString text =
            QCoreApplication::translate("tevo::cli::Runner", "Импорт не выполнен, таблица не изменена: %1")
                .arg(plan.problems().isEmpty()
                         ? QCoreApplication::translate("tevo::cli::Runner", "в файле «%1» нет строк для импорта.")
                               .arg(tabular.fileName())
                         : QCoreApplication::translate("tevo::cli::Runner", "строк, которые нельзя сохранить, %1.")
                               .arg(plan.problems().size()));
        throw Failure{kBadInput, text};
    }
    ImportOutcome details;
    const Outcome outcome = applyImport(store(), plan, &details);
    take(outcome, true);
    commit();
    m_json.insert(QStringLiteral("changed"), details.changedRows);
    m_json.insert(QStringLiteral("columns"), QJsonArray::fromStringList(details.columns));
    say(outcome.text);
    return kDone;
}

// --- the history ---------------------------------------------------------------------------

int Runner::historyCommand()
{
    const QString what = m_args.positionals.at(0);
    const auto number = [&](const QString &option, bool needed, qint64 fallback) {
        if (!m_args.has(option)) {
            if (needed)
                throw Failure{kBadInput,
                              QCoreApplication::translate("tevo::cli::Runner", "history %1: нужен %2").arg(what, option)};
            return fallback;
        }
        bool ok = false;
        const qint64 n = m_args.value(option).toLongLong(&ok);
        if (!ok || n < 1)
            throw Failure{kBadInput, QCoreApplication::translate("tevo::cli::Runner", "%1: «%2» — не число больше нуля")
                                         .arg(option, m_args.value(option))};
        return n;
    };
    const auto time = [&](const QString &option, bool endOfDay, bool needed) {
        if (!m_args.has(option)) {
            if (needed)
                throw Failure{kBadInput,
                              QCoreApplication::translate("tevo::cli::Runner", "history %1: нужен %2").arg(what, option)};
            return QDateTime::currentMSecsSinceEpoch();
        }
        qint64 at = 0;
        work(true, [&] { at = historyTime(m_args.value(option), endOfDay); });
        return at;
    };
    openDatabase(true);
    ReportSheet sheet;
    QStringList keys; // the JSON names of the sheet's columns
    if (what == QLatin1String("keep")) {
        ChangeJournal &journal = store().journal();
        work(false, [&] {
            if (m_args.has(QStringLiteral("--days")))
                journal.setKeepDays(int(number(QStringLiteral("--days"), true, 0)));
        });
        int days = 0;
        qint64 count = 0;
        work(false, [&] {
            days = journal.keepDays();
            count = journal.count();
        });
        m_json.insert(QStringLiteral("keepDays"), days);
        m_json.insert(QStringLiteral("entries"), count);
        say(QCoreApplication::translate("tevo::cli::Runner", "Журнал изменений хранится %1 дн.; в нём записей: %2.")
                .arg(days)
                .arg(count));
        return kDone;
    }
    if (what == QLatin1String("price")) {
        const qint64 n = number(QStringLiteral("--number"), true, 0);
        const qint64 at = time(QStringLiteral("--date"), true, false);
        QVariant price;
        work(true, [&] { price = priceAt(store(), n, at); });
        m_json.insert(QStringLiteral("number"), n);
        m_json.insert(QStringLiteral("at"), QDateTime::fromMSecsSinceEpoch(at).toString(Qt::ISODate));
        m_json.insert(QStringLiteral("price"), price.isNull() ? QJsonValue() : QJsonValue(price.toLongLong()));
        say(price.isNull()
                ? QCoreApplication::translate("tevo::cli::Runner", "Товар %1 на %2: без цены.").arg(n).arg(historyTimeText(at))
                : QCoreApplication::translate("tevo::cli::Runner", "Цена товара %1 на %2: %3 коп.")
                      .arg(n)
                      .arg(historyTimeText(at), price.toString()));
        return kDone;
    }
    if (what == QLatin1String("goods") || what == QLatin1String("messages")) {
        const bool goods = what == QLatin1String("goods");
        const qint64 n = number(QStringLiteral("--number"), true, 0);
        RecordHistory h;
        work(false, [&] { h = recordHistory(store(), goods, n); });
        // One time line: the changes and the deliveries by their time.
        sheet.name = QCoreApplication::translate("tevo::cli::Runner", "История");
        sheet.titles = {QCoreApplication::translate("tevo::cli::Runner", "Когда"),
                        QCoreApplication::translate("tevo::cli::Runner", "Что"),
                        QCoreApplication::translate("tevo::cli::Runner", "Было"),
                        QCoreApplication::translate("tevo::cli::Runner", "Стало"),
                        QCoreApplication::translate("tevo::cli::Runner", "Кто, откуда")};
        keys = {QStringLiteral("at"), QStringLiteral("what"), QStringLiteral("old"), QStringLiteral("new"),
                QStringLiteral("source")};
        QVector<QPair<qint64, QVector<QVariant>>> line;
        for (const JournalEntry &e : h.changes)
            line.append({e.at,
                         {historyTimeText(e.at), e.field, e.oldValue, e.newValue,
                          QStringLiteral("%1%2, %3@%4")
                              .arg(changeSourceName(e.source),
                                   e.detail.isEmpty() ? QString() : QStringLiteral(" ") + e.detail, e.user, e.computer)}});
        for (const ScaleLedger::Delivery &d : h.deliveries)
            line.append({d.at,
                         {historyTimeText(d.at), QCoreApplication::translate("tevo::cli::Runner", "в весы"), QVariant(),
                          d.price.isNull() ? QVariant() : QVariant(d.price.toString()),
                          QStringLiteral("%1 (%2)").arg(d.scaleName, d.address)}});
        std::stable_sort(line.begin(), line.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        for (const auto &item : line)
            sheet.rows.append(item.second);
    } else if (what == QLatin1String("lowest")) {
        const qint64 at = time(QStringLiteral("--date"), true, false);
        const int days = int(number(QStringLiteral("--days"), false, 30));
        const qint64 n = number(QStringLiteral("--number"), false, 0);
        QVector<LowestPrice> rows;
        work(true, [&] { rows = lowestPrices(store(), at, days, n); });
        sheet = lowestPriceSheet(rows, days);
        keys = {QStringLiteral("number"), QStringLiteral("name"), QStringLiteral("price"), QStringLiteral("lowest")};
    } else if (what == QLatin1String("revaluations")) {
        const qint64 from = time(QStringLiteral("--from"), false, true);
        const qint64 to = time(QStringLiteral("--to"), true, false) + 1;
        QVector<Revaluation> rows;
        work(false, [&] { rows = revaluations(store(), from, to); });
        sheet = revaluationSheet(rows);
        keys = {QStringLiteral("number"),   QStringLiteral("name"), QStringLiteral("oldPrice"),
                QStringLiteral("newPrice"), QStringLiteral("at"),   QStringLiteral("source")};
    } else if (what == QLatin1String("printed")) {
        if (!m_args.has(QStringLiteral("--scale")))
            throw Failure{kBadInput,
                          QCoreApplication::translate("tevo::cli::Runner", "history printed: нужен --scale")};
        const int row = resolveScales(m_args.value(QStringLiteral("--scale")), true).first();
        const qint64 from = time(QStringLiteral("--from"), false, true);
        const qint64 to = time(QStringLiteral("--to"), true, false) + 1;
        QVector<PrintedPrice> rows;
        work(false, [&] { rows = pricesPrinted(store(), row, from, to); });
        sheet = printedSheet(store().scales().text(row, QStringLiteral("NAME")), rows);
        keys = {QStringLiteral("scale"), QStringLiteral("number"), QStringLiteral("name"),
                QStringLiteral("price"), QStringLiteral("since"),  QStringLiteral("until")};
    } else { // journal
        JournalFilter f;
        if (m_args.has(QStringLiteral("--from")))
            f.from = time(QStringLiteral("--from"), false, true);
        if (m_args.has(QStringLiteral("--to")))
            f.to = time(QStringLiteral("--to"), true, true) + 1;
        f.number = number(QStringLiteral("--number"), false, 0);
        if (m_args.has(QStringLiteral("--source"))) {
            ChangeSource source = ChangeSource::Edit;
            if (!changeSourceFromName(m_args.value(QStringLiteral("--source")), &source))
                throw Failure{kBadInput,
                              QCoreApplication::translate("tevo::cli::Runner", "--source: «%1» — нет такого источника")
                                  .arg(m_args.value(QStringLiteral("--source")))};
            f.source = int(source);
        }
        if (m_args.has(QStringLiteral("--scale")))
            f.detail =
                store()
                    .scales()
                    .text(resolveScales(m_args.value(QStringLiteral("--scale")), true).first(), QStringLiteral("NAME"))
                    .trimmed();
        QVector<JournalEntry> entries;
        work(false, [&] { entries = store().journal().entries(f); });
        sheet = journalSheet(store(), entries);
        keys = {QStringLiteral("at"),      QStringLiteral("table"), QStringLiteral("number"),  QStringLiteral("field"),
                QStringLiteral("old"),     QStringLiteral("new"),   QStringLiteral("source"),  QStringLiteral("detail"),
                QStringLiteral("program"), QStringLiteral("user"),  QStringLiteral("computer")};
    }
    // The answer: a table on standard output (tab-separated, titles first) or in JSON, and the
    // files asked for.
    QJsonArray rows;
    out(sheet.titles.join(QLatin1Char('\t')));
    for (const QVector<QVariant> &row : sheet.rows) {
        QStringList cells;
        QJsonObject o;
        for (int c = 0; c < row.size(); ++c) {
            cells << (row[c].isNull() ? QString() : row[c].toString());
            QJsonValue value = row[c].isNull() ? QJsonValue() : QJsonValue::fromVariant(row[c]);
            // Times in JSON as ISO 8601 with the local offset, for programs to read.
            if (const QDateTime t = QDateTime::fromString(row[c].toString(), QStringLiteral("dd.MM.yyyy HH:mm:ss"));
                t.isValid())
                value = t.toOffsetFromUtc(t.offsetFromUtc()).toString(Qt::ISODate);
            o.insert(keys.value(c, QString::number(c)), value);
        }
        out(cells.join(QLatin1Char('\t')));
        rows.append(o);
    }
    m_json.insert(QStringLiteral("rows"), rows);
    if (m_args.has(QStringLiteral("--xlsx")))
        work(false, [&] { saveSheet(sheet, m_args.value(QStringLiteral("--xlsx")), true); });
    if (m_args.has(QStringLiteral("--csv")))
        work(false, [&] { saveSheet(sheet, m_args.value(QStringLiteral("--csv")), false); });
    return kDone;
}

} // namespace tevo::cli
