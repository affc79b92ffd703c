// Several programs on one server database, and the server going away in the middle of work:
// another program's commit reaches the grids as soon as it is committed and at the next look;
// a row changed or deleted meanwhile by another program is not overwritten, the second is told
// with the row's number and sees what is stored; a lost connection is told once, loses only
// what was not committed, and the tables are read again when the server is back.
#include "TestSupport.h"

#include "common/Error.h"
#include "common/ErrorSink.h"
#include "fileio/DbfExchange.h"
#include "fileio/DbfTemplate.h"
#include "store/DataCheck.h"
#include "store/ServerScript.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/types.h>

using namespace tevo;
using namespace tevo::test;

namespace {

const QString kName = QStringLiteral("TNAME1");

// TNAME1 of the goods row numbered `number` as stored, read by a connection of its own.
QString stored(const DatabaseLocation &where, int number)
{
    QString value = QStringLiteral("(no row)");
    {
        QSqlDatabase db = openOther(where, QStringLiteral("stored"));
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("SELECT coalesce(TNAME1, '') FROM T WHERE NPLU = %1").arg(number)) && q.next())
            value = q.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("stored"));
    return value;
}

TEST(SharedServer, AnotherProgramsCommitReachesTheGridAndASameRowChangeIsRefused)
{
    TEVO_SERVER_ONLY();
    ServerDatabase server;
    const DatabaseLocation where = DatabaseLocation::server(server.connectionString());
    Store a, b;
    a.openTables(where);
    b.openTables(where);

    // Announced with the commit: b shows it without looking; and an edit of b reaches a.
    a.goods().setValue(0, kName, QStringLiteral("из A"));
    EXPECT_TRUE(waitFor([&] { return b.goods().text(0, kName) == QStringLiteral("из A"); }, 3000));
    b.goods().setValue(1, kName, QStringLiteral("из B"));
    EXPECT_TRUE(waitFor([&] { return a.goods().text(1, kName) == QStringLiteral("из B"); }, 3000));
    EXPECT_EQ(a.goods().text(0, kName), QStringLiteral("из A"));

    // Without the event loop b has not seen a's commit yet when it changes the same row.
    const struct {
        const char *what;
        std::function<void()> first;  // a, committed
        std::function<void()> second; // b, on the row as it read it
        QString storedAfter;          // NPLU 3's name, "(no row)" when deleted
    } cases[] = {
        {"changed, then changed", [&] { a.goods().setValue(2, kName, QStringLiteral("A новее")); },
         [&] { b.goods().setValue(2, kName, QStringLiteral("B старее")); }, QStringLiteral("A новее")},
        {"changed, then deleted", [&] { a.goods().setValue(2, kName, QStringLiteral("A ещё новее")); },
         [&] { b.goods().deleteRow(2); }, QStringLiteral("A ещё новее")},
        {"deleted, then changed", [&] { a.goods().deleteRow(2); },
         [&] { b.goods().setValue(2, kName, QStringLiteral("B в пустоту")); }, QStringLiteral("(no row)")},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.what);
        ASSERT_EQ(b.goods().text(2, QStringLiteral("NPLU")), QStringLiteral("3"));
        k.first();
        a.database().commitNow();
        try {
            k.second();
            ADD_FAILURE() << "the second change went through";
        } catch (const DatabaseError &e) {
            EXPECT_TRUE(e.text().contains(QStringLiteral("Строку с номером 3 таблицы T тем временем изменила")))
                << e.text().toStdString();
        }
        b.database().commitNow();
        EXPECT_EQ(stored(where, 3), k.storedAfter);
        // b reads the table again and shows what is stored.
        processEventsFor(200);
        const int row = b.goods().rowWithId(a.goods().rowId(2));
        EXPECT_EQ(b.goods().text(2, kName), a.goods().text(2, kName)) << row;
        EXPECT_EQ(b.goods().count(), a.goods().count());
    }
    // b's own change of a row it has just changed again is no conflict.
    b.goods().setValue(5, kName, QStringLiteral("раз"));
    b.goods().setValue(5, kName, QStringLiteral("два"));
    b.database().commitNow();
    b.goods().setValue(5, kName, QStringLiteral("три"));
    b.database().commitNow();
    EXPECT_EQ(stored(where, b.goods().text(5, QStringLiteral("NPLU")).toInt()), QStringLiteral("три"));
}

// An import stores many rows in one statement on the server; a row another program changed,
// deleted or holds stops it at that row as a change of one row would: the rows before it are
// stored, that row and the ones after it are not.
TEST(SharedServer, ManyRowsChangedTogetherStopAtTheRowAnotherProgramChanged)
{
    TEVO_SERVER_ONLY();
    ServerDatabase server;
    const DatabaseLocation where = DatabaseLocation::server(server.connectionString());
    Store a, b;
    a.openTables(where);
    b.openTables(where);
    const struct {
        const char *what;
        std::function<void()> byA; // before b's rows, on NPLU 5; empty: nothing
        const char *error;         // empty: none
        QStringList stored;        // TNAME1 of NPLU 1 … 7 afterwards
    } cases[] = {
        {"nothing in the way", {}, "", {"b1", "b2", "b3", "b4", "b5", "b6", "b7"}},
        {"changed",
         [&] { a.goods().setValue(4, kName, QStringLiteral("A")); },
         "Строку с номером 5 таблицы T",
         {"b1", "b2", "b3", "b4", "A", "", ""}},
        {"locked",
         [&] { a.goods().setValue(4, kName, QStringLiteral("A держит")); },
         "lock",
         {"b1", "b2", "b3", "b4", "A держит", "", ""}},
        {"deleted",
         [&] { a.goods().deleteRow(4); },
         "Строку с номером 5 таблицы T",
         {"b1", "b2", "b3", "b4", "(no row)", "", ""}},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.what);
        const bool locked = QByteArray(k.what) == "locked";
        if (k.byA) {
            k.byA();
            if (!locked)
                a.database().commitNow();
        }
        QString error;
        try {
            b.goods().changeRows([&](Table::Changes &changes) {
                // NPLU 1 twice: the later value is the one stored.
                changes.add(0, {{kName, QStringLiteral("раньше")}});
                for (int row = 0; row < 7; ++row)
                    changes.add(row, {{kName, QStringLiteral("b%1").arg(row + 1)}});
            });
        } catch (const DatabaseError &e) {
            error = e.text();
        }
        if (locked)
            a.database().commitNow();
        b.database().commitNow();
        if (*k.error)
            EXPECT_TRUE(error.contains(QString::fromUtf8(k.error))) << error.toStdString();
        else
            EXPECT_EQ(error, QString());
        QStringList names;
        for (int n = 1; n <= 7; ++n)
            names << stored(where, n);
        EXPECT_EQ(names, k.stored);
        execOn(where, {QStringLiteral("UPDATE T SET TNAME1 = NULL")});
        a.goods().refresh();
        b.goods().refresh();
    }
}

TEST(SharedServer, TheActivationSeesCommitsThatWereNotAnnounced)
{
    TEVO_SERVER_ONLY();
    ServerDatabase server;
    const DatabaseLocation where = DatabaseLocation::server(server.connectionString());
    Store a;
    a.openTables(where);
    a.goods().setValue(0, kName, QStringLiteral("своё"));
    a.database().commitNow();
    EXPECT_FALSE(a.rereadIfChangedElsewhere()) << "its own commit is no news";
    execOn(where, {QStringLiteral("UPDATE T SET TNAME1 = 'чужое' WHERE NPLU = 2"),
                   QStringLiteral("INSERT INTO S (NAME, PORT) VALUES ('Касса', 5001)")});
    EXPECT_TRUE(a.rereadIfChangedElsewhere());
    EXPECT_EQ(a.goods().text(1, kName), QStringLiteral("чужое"));
    EXPECT_EQ(a.scales().count(), 1);
    EXPECT_FALSE(a.rereadIfChangedElsewhere());
}

TEST(SharedServer, ALostConnectionIsToldOnceAndTheTablesAreReadAgainWhenTheServerIsBack)
{
    TEVO_SERVER_ONLY();
    OwnCluster cluster;
    const DatabaseLocation where = cluster.database();
    const struct {
        const char *noticedBy;
        bool byNextEdit; // or by the idle commit
    } cases[] = {{"the next edit", true}, {"the idle commit", false}};
    for (const auto &k : cases) {
        SCOPED_TRACE(k.noticedBy);
        Store store;
        store.openTables(where);
        QStringList boxes;
        setErrorHandler([&](const QString &text) { boxes << text; });
        QObject::connect(&store.database(), &Database::commitFailed, [](const QString &text) { reportError(text); });
        store.goods().setValue(0, kName, QStringLiteral("сохранено"));
        store.database().commitNow();
        store.goods().setValue(1, kName, QStringLiteral("не сохранено"));
        ASSERT_TRUE(cluster.halt());
        if (k.byNextEdit) {
            EXPECT_FALSE(guarded([&] { store.goods().setValue(2, kName, QStringLiteral("тоже нет")); }));
        }
        processEventsFor(400);
        ASSERT_EQ(boxes.size(), 1) << boxes.join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(boxes[0].contains(Database::connectionLostText())) << boxes[0].toStdString();
        EXPECT_NE(store.goods().text(2, kName), QStringLiteral("тоже нет"));

        // While the server is away the next look fails with the driver's text, quickly.
        EXPECT_THROW(store.rereadIfChangedElsewhere(), DatabaseError);
        ASSERT_TRUE(cluster.resume());
        // The next operation opens the connection again; the tables are read again at once.
        store.goods().setValue(3, kName, QStringLiteral("после"));
        processEventsFor(200);
        EXPECT_EQ(store.goods().text(0, kName), QStringLiteral("сохранено"));
        EXPECT_EQ(store.goods().text(1, kName), QString());
        EXPECT_EQ(store.goods().text(3, kName), QStringLiteral("после"));
        store.database().commitNow();
        EXPECT_EQ(stored(where, 4), QStringLiteral("после"));
        EXPECT_EQ(stored(where, 2), QString());
        setErrorHandler({});
        execOn(where, {QStringLiteral("UPDATE T SET TNAME1 = NULL")});
    }
}

} // namespace

// Two programs replacing the same table at once (tevo-cli beside this program: a rebuild beside
// a rebuild, a dBase import beside a rebuild) do it one after the other. The later one's delete
// waits for the earlier one's commit and removes its rows: the table ends with each number once,
// and the data check finds nothing wrong with its numbering.
TEST(SharedServer, TwoProgramsReplacingATableAtOnceLeaveEachNumberOnce)
{
    TEVO_SERVER_ONLY();
    ScratchDir dir;
    const DatabaseLocation where = dir.database();
    Store store;
    store.openTables(where);
    store.database().setIdleCommitMs(600000); // committed when the test says so
    QString error;
    ASSERT_TRUE(writeDbfTemplate(dir.file(QStringLiteral("template.dbf")), &error)) << error.toStdString();
    store.goods().setValue(0, kName, QStringLiteral("Из файла"));
    const QString dbf = dir.file(QStringLiteral("goods.dbf"));
    exportGoodsDbf(store.goods(), dbf, dir.file(QStringLiteral("template.dbf")));
    store.database().commitNow();
    const QString program = dir.file(QStringLiteral("tevo-cli"));
    ASSERT_TRUE(QFile::copy(binDir() + QStringLiteral("/tevo-cli"), program));
    dir.writeFile(QStringLiteral("Database.ini"), "[Database]\nServer=" + where.connectionString().toUtf8() + "\n");
    const auto count = [&](const QString &sql) {
        qint64 n = -1;
        {
            QSqlDatabase db = openOther(where, QStringLiteral("count"));
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                n = q.value(0).toLongLong();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("count"));
        return n;
    };
    const struct {
        const char *what;
        bool goods;
        QStringList args;
        qint64 rows;
    } cases[] = {
        {"two goods rebuilds", true, {QStringLiteral("rebuild"), QStringLiteral("goods")}, kGoodsRowCount},
        {"two messages rebuilds", false, {QStringLiteral("rebuild"), QStringLiteral("messages")}, kMessagesRowCount},
        {"a dBase import beside a goods rebuild",
         true,
         {QStringLiteral("import"), QStringLiteral("dbf"), dbf},
         kGoodsRowCount},
    };
    for (const auto &c : cases) {
        const QString table = c.goods ? QStringLiteral("T") : QStringLiteral("M");
        // This program's rebuild, not committed yet: the table is locked against the other's.
        c.goods ? store.createEmptyGoods() : store.createEmptyMessages();
        QProcess other;
        other.start(program, c.args);
        ASSERT_TRUE(other.waitForStarted()) << c.what;
        ASSERT_TRUE(
            waitFor([&] { return count(QStringLiteral("SELECT count(*) FROM pg_locks WHERE NOT granted")) > 0; }, 30000))
            << c.what
            << ": the other program never waited for the table: " << other.readAllStandardError().toStdString();
        store.database().commitNow();
        ASSERT_TRUE(other.waitForFinished(60000)) << c.what;
        EXPECT_EQ(other.exitCode(), 0) << c.what << other.readAllStandardError().toStdString();
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ") + table), c.rows) << c.what;
        EXPECT_EQ(count(QStringLiteral("SELECT count(DISTINCT NPLU) FROM ") + table), c.rows) << c.what;
        store.rereadTables();
    }
    EXPECT_EQ(store.goods().text(0, kName), QStringLiteral("Из файла")) << "the later one's rows";
    EXPECT_FALSE(checkGoods(store.goods()).contains(QStringLiteral("№ ПЛУ"))) << "each number once, in order";
}

// "Исп." and "Вкл." are each computer's own: one computer's marks are not another's, change no
// shared row (so another computer's change of that row is not refused), and are shared by the
// programs of one computer; the rest of a scale's row is shared.
TEST(SharedServer, EachComputerKeepsItsOwnMarksOfTheScales)
{
    TEVO_SERVER_ONLY();
    ServerDatabase server;
    const DatabaseLocation where = DatabaseLocation::server(server.connectionString());
    execOn(where, {QStringLiteral("INSERT INTO S (U, W, NAME, IP, PORT) VALUES ('T', 'T', 'Касса 1', '127.0.0.1', "
                                  "5001), ('T', 'T', 'Касса 2', '127.0.0.1', 5002)")});
    const QByteArray before = qgetenv("TEVO_COMPUTER_NAME");
    Store a, b, alsoA;
    qputenv("TEVO_COMPUTER_NAME", "till-a");
    a.openTables(where);
    alsoA.openTables(where);
    qputenv("TEVO_COMPUTER_NAME", "till-b");
    b.openTables(where);
    qputenv("TEVO_COMPUTER_NAME", before);
    const auto marks = [](Store &s) {
        s.rereadTables();
        QString m;
        for (int r = 0; r < s.scales().count(); ++r)
            m += s.scales().text(r, QStringLiteral("U")) + s.scales().text(r, QStringLiteral("W")) + QLatin1Char(' ');
        return m.trimmed();
    };
    EXPECT_EQ(marks(a), QStringLiteral("TT TT")) << "a computer without marks of its own starts from the shared ones";

    // A connection check of a: everything off, then the second scale answers.
    for (int r = 0; r < 2; ++r)
        a.scales().setValues(r, {{QStringLiteral("W"), QStringLiteral("F")}, {QStringLiteral("U"), QStringLiteral("F")}});
    a.scales().setValue(1, QStringLiteral("W"), QStringLiteral("T"));
    a.database().commitNow();
    EXPECT_EQ(marks(b), QStringLiteral("TT TT")) << "b's marks are its own";
    EXPECT_EQ(marks(alsoA), QStringLiteral("FF FT")) << "the programs of one computer share its marks";

    // b's own change of a row a has marked meanwhile is not refused, and the shared name
    // reaches a with a's marks kept.
    EXPECT_NO_THROW(b.scales().setValues(0, {{QStringLiteral("U"), QStringLiteral("F")},
                                             {QStringLiteral("NAME"), QStringLiteral("Весы у входа")}}));
    b.database().commitNow();
    EXPECT_EQ(marks(a), QStringLiteral("FF FT"));
    EXPECT_EQ(a.scales().text(0, QStringLiteral("NAME")), QStringLiteral("Весы у входа"));
    EXPECT_NO_THROW(a.scales().setValue(0, QStringLiteral("NAME"), QStringLiteral("Касса 1")));

    // A scale added by b is used by b only; deleting it takes every computer's marks along.
    const int added = b.scales().appendRow(
        {{QStringLiteral("U"), QStringLiteral("T")}, {QStringLiteral("NAME"), QStringLiteral("Новая")}});
    b.database().commitNow();
    EXPECT_EQ(marks(b), QStringLiteral("FT TT T"));
    EXPECT_EQ(marks(a), QStringLiteral("FF FT")) << "a new scale is off for the others";
    b.scales().deleteRow(added);
    b.database().commitNow();
    EXPECT_EQ(marks(a), QStringLiteral("FF FT"));
}

// A server process that stops answering (stopped, not gone: the network still carries its
// socket) holds no action longer than the program's limit: the action fails with the reason,
// nothing is reported stored, and the next action connects again.
TEST(SharedServer, AServerThatStopsAnsweringHoldsNoActionLongerThanTheLimit)
{
    TEVO_SERVER_ONLY();
    ServerDatabase server;
    const DatabaseLocation where = DatabaseLocation::server(server.connectionString());
    Store store;
    store.openTables(where);
    store.database().setServerAnswerLimitMs(1500);
    store.database().setIdleCommitMs(600000); // committed when the test says so
    const struct {
        const char *what;
        std::function<void()> action;
        bool told; // false: nothing was lost, and the look connects again at once
    } cases[] = {
        {"a cell edit", [&] { store.goods().setValue(0, kName, QStringLiteral("правка")); }, true},
        {"a commit",
         [&] {
             store.goods().setValue(1, kName, QStringLiteral("не сохранено"));
             store.database().commitNow();
         },
         true},
        {"a rebuild", [&] { store.createEmptyMessages(); }, true},
        {"a look for other programs' changes", [&] { store.rereadIfChangedElsewhere(); }, false},
    };
    for (const auto &c : cases) {
        qint64 backend = -1;
        {
            QSqlQuery q = store.database().exec(QStringLiteral("SELECT pg_backend_pid()"));
            ASSERT_TRUE(q.next()) << c.what;
            backend = q.value(0).toLongLong();
        }
        ASSERT_EQ(::kill(pid_t(backend), SIGSTOP), 0) << c.what;
        QString failure;
        try {
            c.action();
        } catch (const DatabaseError &e) {
            failure = e.text();
        }
        ::kill(pid_t(backend), SIGCONT);
        EXPECT_EQ(failure.contains(QStringLiteral("Сервер базы данных не ответил за 1,5 с")), c.told)
            << c.what << ": " << failure.toStdString();
        // The next action connects again and works.
        EXPECT_TRUE(waitFor(
            [&] {
                return guarded([&] {
                    store.rereadIfChangedElsewhere();
                    store.goods().setValue(2, kName, QString::fromUtf8(c.what));
                    store.database().commitNow();
                });
            },
            30000))
            << c.what;
        EXPECT_EQ(stored(where, 3), QString::fromUtf8(c.what));
        EXPECT_NE(stored(where, 2), QStringLiteral("не сохранено")) << c.what;
    }
}

// Another program's stream of commits (a read from a scale on another PC) is read again at
// most every half second, and only in the table it changed.
TEST(SharedServer, AStreamOfOtherCommitsIsReadAgainSeldomAndOnlyWhereItChanged)
{
    TEVO_SERVER_ONLY();
    ServerDatabase server;
    const DatabaseLocation where = DatabaseLocation::server(server.connectionString());
    Store reader, writer;
    reader.openTables(where);
    writer.openTables(where);
    int goodsReads = 0, otherReads = 0;
    QObject::connect(&reader.goods(), &Table::reset, [&] { ++goodsReads; });
    QObject::connect(&reader.messages(), &Table::reset, [&] { ++otherReads; });
    QObject::connect(&reader.scales(), &Table::reset, [&] { ++otherReads; });
    QElapsedTimer clock;
    clock.start();
    for (int n = 0; n < 60; ++n) {
        writer.goods().setValue(n, kName, QStringLiteral("Весы %1").arg(n + 1));
        writer.database().commitNow();
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(waitFor([&] { return reader.goods().text(59, kName) == QStringLiteral("Весы 60"); }, 10000));
    const qint64 elapsed = clock.elapsed();
    EXPECT_LE(goodsReads, elapsed / Store::kRereadPauseMs + 2) << "in " << elapsed << " ms";
    EXPECT_EQ(otherReads, 0);
}

// The statements that go with a commit are sent as one text: each value written as a literal
// the server reads back as it was, and a value that has no faithful literal (bytes) leaves the
// statement to be sent with its values bound.
TEST(SharedServer, ValuesSentWithTheCommitAreLiteralsTheServerReadsBackAsTheyWere)
{
    TEVO_SERVER_ONLY();
    ServerDatabase server;
    Store a;
    a.openTables(DatabaseLocation::server(server.connectionString()));
    const QSqlDatabase db = a.database().connection();
    const struct {
        const char *sql;
        QVariantList binds;
        const char *expected; // nullptr: no text
    } cases[] = {
        // A text with a backslash is written E'…'.
        {"SELECT ?, ?, ?", {QStringLiteral("it's \\ \"Мясо\""), 5, QVariant()}, "SELECT  E'it''s \\\\ \"Мясо\"', 5, NULL"},
        {"SELECT '?', ?", {qint64(1) << 40}, "SELECT '?', 1099511627776"},
        {"SELECT ?", {QByteArray("\xff\x00", 2)}, nullptr},
    };
    for (const auto &c : cases) {
        const QString text = withServerLiterals(db, QString::fromUtf8(c.sql), c.binds);
        if (!c.expected) {
            EXPECT_TRUE(text.isNull()) << c.sql;
            continue;
        }
        EXPECT_EQ(text, QString::fromUtf8(c.expected)) << c.sql;
    }
    // Read back through the server: a backslash and quotes stay as they were.
    const QString odd = QStringLiteral("O'Brien \\n «цена» 12,50");
    a.goods().setValue(0, kName, odd);
    a.database().commitNow();
    EXPECT_EQ(stored(a.database().location(), 1), odd);
    JournalFilter one;
    one.table = QStringLiteral("T");
    one.number = 1;
    EXPECT_EQ(a.journal().entries(one).value(0).newValue.toString(), odd);
}
