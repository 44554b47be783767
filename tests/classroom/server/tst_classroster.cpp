// The class list (名簿) and the class's facts against a real PostgreSQL 15:
// a teacher keeps the list of its own classes only, a computer reads its own
// class's names and nothing else, renaming keeps every attempt, odd names
// come back as typed, the limits hold, a server set up by the previous
// release says to run install again, and the class's facts match figures
// worked out by hand.
#include "classroom/ClassReader.h"
#include "classroom/ClassRoster.h"
#include "classroom/Classroom.h"
#include "tests/classroom/server/ServerCalls.h"
#include "tests/support/FakeHistory.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

namespace {
const QString kClassA = PgTestServer::TestClass();
const QString kClassB = QStringLiteral("2年1組");

// Waits for one answer of the reader.
template <typename T, typename Call> ServerAnswer<T> await(Call call) {
    std::optional<ServerAnswer<T>> got;
    QObject context;
    call(&context, [&](ServerAnswer<T> answer) { got = std::move(answer); });
    QDeadlineTimer deadline(30s);
    while (!got && !deadline.hasExpired())
        QTest::qWait(10);
    return got.value_or(ServerAnswer<T>{std::nullopt, QStringLiteral("no answer in time")});
}

QStringList sorted(QStringList names) {
    names.sort();
    return names;
}

Sent attemptAt(const QString& child, const QDateTime& started, const QList<Cell>& cells, int drill = 0) {
    Sent a;
    a.child = child;
    a.started = started;
    a.cells = cells;
    a.drill = drill;
    return a;
}
} // namespace

class TestClassRoster : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(server.IsRunning(), qPrintable(server.ErrorText()));
        QVERIFY2(server.AddClass(kClassB, QStringLiteral("pc_b1"), QStringLiteral("teacher_b")),
                 qPrintable(server.ErrorText()));
        QVERIFY(server.AddService(QStringLiteral("class_b"), QStringLiteral("pc_b1")));
        QVERIFY(server.AddService(QStringLiteral("teacher_b"), QStringLiteral("teacher_b")));
        computer = connectAs(PgTestServer::ServiceName());
        teacher = connectAs(PgTestServer::TeacherServiceName());
        admin = connectAs(PgTestServer::AdminServiceName());
        QVERIFY(computer->isOpen() && teacher->isOpen() && admin->isOpen());
        reader = std::make_unique<ClassReader>(PgTestServer::TeacherServiceName());
    }
    void cleanupTestCase() {
        reader.reset();
        teacherB.reset();
        computer.reset();
        teacher.reset();
        admin.reset();
        for (const QString& name : QSqlDatabase::connectionNames())
            QSqlDatabase::removeDatabase(name);
    }
    void init() {
        QVERIFY(
            server.Psql(QStringLiteral("TRUNCATE vantel.attempts CASCADE; DELETE FROM vantel.roster")).ok);
    }

    // Teacher B can neither read nor change class A's list, through the
    // functions or the table, nor rename A's attempts; teacher A writes its
    // own list through the functions only.
    void teacherKeepsOwnClassListOnly() {
        QCOMPARE(addNames(kClassA, {QStringLiteral("たろう"), QStringLiteral("はな")}), QVariant(2));
        QCOMPARE(addAttempt(*computer, attemptAt(QStringLiteral("たろう"), QDateTime::currentDateTimeUtc(),
                                                 fullSheet(1))),
                 QVariant(true));
        auto teacherB = connectAs(QStringLiteral("teacher_b"));
        QCOMPARE(rows(*teacherB, QStringLiteral("SELECT count(*) FROM vantel.roster")), QStringList{"0"});
        QCOMPARE(rows(*teacher, QStringLiteral("SELECT child FROM vantel.roster ORDER BY child")),
                 QStringList({"たろう", "はな"}));
        QCOMPARE(rows(*teacherB,
                      QStringLiteral("SELECT count(*) FROM vantel.class_facts(?, 0::smallint, null)"),
                      {kClassA}),
                 QStringList{"0"});

        for (const QString& sql :
             {QStringLiteral("SELECT vantel.add_to_roster('1年1組', '{じろう}')"),
              QStringLiteral("SELECT vantel.remove_from_roster('1年1組', 'たろう')"),
              QStringLiteral("SELECT vantel.rename_child('1年1組', 'たろう', 'じろう')"),
              QStringLiteral("INSERT INTO vantel.roster (class, child) VALUES ('1年1組', 'じろう')"),
              QStringLiteral("UPDATE vantel.roster SET child = 'じろう'"),
              QStringLiteral("DELETE FROM vantel.roster"),
              QStringLiteral("INSERT INTO vantel.fact_days VALUES ('1年1組', 0, now(), 1, 1, 1, 1, 1)")}) {
            const PsqlResult refused = server.Psql(sql, QStringLiteral("teacher_b"));
            QVERIFY2(refused.sqlState == QStringLiteral("42501"), qPrintable(sql + refused.err));
        }
        // Its own class's too: the table changes only through the functions, which count and check.
        const PsqlResult direct = server.Psql(
            QStringLiteral("INSERT INTO vantel.roster (class, child) VALUES ('1年1組', 'じろう')"),
            PgTestServer::TeacherRole());
        QCOMPARE(direct.sqlState, QStringLiteral("42501"));

        QCOMPARE(
            server.Psql(QStringLiteral("SELECT string_agg(child, ',' ORDER BY child) FROM vantel.roster"))
                .out,
            QStringLiteral("たろう,はな"));
        QCOMPARE(
            server.Psql(QStringLiteral("SELECT child, count(*) FROM vantel.attempts GROUP BY child")).out,
            QStringLiteral("たろう|1"));
    }

    // The same refusal through the program's reader, in Japanese.
    void refusalsInTheTeachersWords() {
        ClassReader other(QStringLiteral("teacher_b"));
        const ServerAnswer<int> added = await<int>([&](QObject* context, auto done) {
            other.AddToRoster(kClassA, {QStringLiteral("じろう")}, context, done);
        });
        QVERIFY(!added.value);
        QCOMPARE(added.problem, QStringLiteral("このクラスの名簿を変えることは許されていません"));
        const ServerAnswer<qint64> renamed = await<qint64>([&](QObject* context, auto done) {
            other.RenameChild(kClassA, QStringLiteral("たろう"), QStringLiteral("じろう"), context, done);
        });
        QVERIFY(!renamed.value);
        QCOMPARE(renamed.problem, QStringLiteral("このクラスの名簿を変えることは許されていません"));
        const ServerAnswer<QStringList> list =
            await<QStringList>([&](QObject* context, auto done) { other.Roster(kClassA, context, done); });
        QCOMPARE(list.value, std::optional<QStringList>(QStringList()));
    }

    // A computer reads its own class's names through class_names() and
    // nothing else of the list or the facts; a login a class's computers
    // share (version 1) reads its class's.
    void computersReadOwnClassNamesOnly() {
        QCOMPARE(addNames(kClassA, {QStringLiteral("はな"), QStringLiteral("たろう")}), QVariant(2));
        auto teacherB = connectAs(QStringLiteral("teacher_b"));
        QCOMPARE(rows(*teacherB, QStringLiteral("SELECT vantel.add_to_roster(?, ?::text[])"),
                      {kClassB, QStringLiteral("{べに}")}),
                 QStringList{"1"});

        QCOMPARE(rows(*computer, QStringLiteral("SELECT child FROM vantel.class_names()")),
                 QStringList({"たろう", "はな"}));
        auto computerB = connectAs(QStringLiteral("class_b"));
        QCOMPARE(rows(*computerB, QStringLiteral("SELECT child FROM vantel.class_names()")),
                 QStringList{"べに"});
        QCOMPARE(rows(*teacher, QStringLiteral("SELECT count(*) FROM vantel.class_names()")),
                 QStringList{"0"});
        // The administrator sees how many names each list holds.
        QVERIFY2(server.Setup({QStringLiteral("list")}), qPrintable(server.SetupOutput()));
        const QString listed = server.SetupOutput();
        QVERIFY2(listed.contains(QRegularExpression(QStringLiteral("^ *1年1組 .*\\| +2 *$"),
                                                    QRegularExpression::MultilineOption)),
                 qPrintable(listed));
        QVERIFY2(listed.contains(QRegularExpression(QStringLiteral("^ *2年1組 .*\\| +1 *$"),
                                                    QRegularExpression::MultilineOption)),
                 qPrintable(listed));

        for (const QString& sql :
             {QStringLiteral("SELECT * FROM vantel.roster"), QStringLiteral("SELECT * FROM vantel.fact_days"),
              QStringLiteral("SELECT * FROM vantel.child_fact_seen"),
              QStringLiteral("SELECT * FROM vantel.answer_times"),
              QStringLiteral("SELECT vantel.add_to_roster('1年1組', '{じろう}')"),
              QStringLiteral("SELECT vantel.remove_from_roster('1年1組', 'はな')"),
              QStringLiteral("SELECT vantel.rename_child('1年1組', 'はな', 'じろう')"),
              QStringLiteral("SELECT * FROM vantel.class_facts('1年1組', 0::smallint, null)"),
              QStringLiteral("DELETE FROM vantel.roster"),
              QStringLiteral("SELECT vantel.tally_attempts('{}')"),
              QStringLiteral("SELECT * FROM vantel.answer_gaps(gen_random_uuid())"),
              QStringLiteral("SELECT vantel.lock_class_list('1年1組')"),
              QStringLiteral("SELECT vantel.checked_roster_name('はな')"),
              QStringLiteral("CREATE OR REPLACE FUNCTION vantel.class_names() RETURNS TABLE (child text) "
                             "LANGUAGE sql AS 'SELECT child FROM vantel.roster'")}) {
            const PsqlResult refused = server.Psql(sql, PgTestServer::ComputerRole());
            QVERIFY2(refused.sqlState == QStringLiteral("42501"), qPrintable(sql + refused.err));
        }

        QVERIFY(
            server
                .Psql(QStringLiteral("CREATE ROLE pc_shared LOGIN IN ROLE vantel_computer; "
                                     "INSERT INTO vantel.class_roles VALUES ('pc_shared', '1年1組', 'add')"))
                .ok);
        QCOMPARE(
            server.Psql(QStringLiteral("SELECT child FROM vantel.class_names()"), QStringLiteral("pc_shared"))
                .Rows(),
            QStringList({"たろう", "はな"}));
        QVERIFY2(server.Setup({QStringLiteral("remove-role"), QStringLiteral("pc_shared")}),
                 qPrintable(server.SetupOutput()));
    }

    // Renaming moves the list entry and every attempt under the old name,
    // merges onto a name that has attempts, and joins an unlisted name to a
    // listed one; no attempt or answer is lost, and the class's facts count
    // the merged child once.
    void renameKeepsEveryAttempt() {
        QCOMPARE(addNames(kClassA, {QStringLiteral("たろう"), QStringLiteral("じろう")}), QVariant(2));
        const QDateTime now = QDateTime::currentDateTimeUtc();
        int minutes = 0;
        for (const QString& child : {QStringLiteral("たろう"), QStringLiteral("たろう"),
                                     QStringLiteral("じろう"), QStringLiteral("はな")})
            QCOMPARE(addAttempt(*computer, attemptAt(child, now.addSecs(-600 * ++minutes), fullSheet(2))),
                     QVariant(true));
        Sent otherClass = attemptAt(QStringLiteral("たろう"), now, fullSheet());
        otherClass.cls = kClassB;
        auto computerB = connectAs(QStringLiteral("class_b"));
        QCOMPARE(addAttempt(*computerB, otherClass), QVariant(true));

        const auto rename = [&](const QString& from, const QString& to) {
            return await<qint64>(
                [&](QObject* context, auto done) { reader->RenameChild(kClassA, from, to, context, done); });
        };
        QCOMPARE(rename(QStringLiteral("たろう"), QStringLiteral("じろう")).value, std::optional<qint64>(2));
        QCOMPARE(roster(kClassA), QStringList{"じろう"});
        QCOMPARE(rename(QStringLiteral("はな"), QStringLiteral("じろう")).value, std::optional<qint64>(1));
        QCOMPARE(roster(kClassA), QStringList{"じろう"});
        QCOMPARE(rename(QStringLiteral("じろう"), QStringLiteral("　さくら ")).value,
                 std::optional<qint64>(4));
        QCOMPARE(roster(kClassA), QStringList{"さくら"});
        QCOMPARE(rename(QStringLiteral("さくら"), QStringLiteral("さくら")).value, std::optional<qint64>(0));

        QCOMPARE(server
                     .Psql(QStringLiteral("SELECT class, child, count(*) FROM vantel.attempts "
                                          "GROUP BY class, child ORDER BY class"))
                     .Rows(),
                 QStringList({"1年1組|さくら|4", "2年1組|たろう|1"}));
        QCOMPARE(server.Psql(QStringLiteral("SELECT count(*) FROM vantel.answers")).out,
                 QStringLiteral("500"));
        QCOMPARE(
            rows(*teacher,
                 QStringLiteral("SELECT DISTINCT children, children_missing, tries FROM "
                                "vantel.class_facts(?, 0::smallint, null) WHERE top = 0 AND \"left\" = 0"),
                 {kClassA}),
            QStringList{"1|1|4"});
        QCOMPARE(rows(*teacher, QStringLiteral("SELECT count(*) FROM vantel.child_fact_seen")),
                 QStringList{"100"});

        const ServerAnswer<qint64> blank = rename(QStringLiteral("さくら"), QStringLiteral("  "));
        QVERIFY(!blank.value);
        QCOMPARE(blank.problem, QStringLiteral("名前が空か、使えない文字（改行や制御文字）が入っています"));
        QCOMPARE(roster(kClassA), QStringList{"さくら"});
    }

    // Names with quotes, commas, braces, backslashes and SQL come back as
    // typed, trimmed; blank and repeated ones are skipped; 100 characters
    // go in, 101 do not; a class holds 200 names, and a call brings 200.
    void oddNamesAndLimits() {
        const QString longest(100, QChar(0x3042));
        const QStringList odd{QStringLiteral("O'Brien"),
                              QStringLiteral("a,b"),
                              QStringLiteral("{x}"),
                              QStringLiteral("\"q\""),
                              QStringLiteral("back\\slash"),
                              QStringLiteral("NULL"),
                              QStringLiteral("'); DROP TABLE vantel.roster; --"),
                              QStringLiteral(" たろう　"),
                              QStringLiteral("たろう"),
                              QString(),
                              QStringLiteral("   "),
                              longest};
        QCOMPARE(added(odd), std::optional<int>(9));
        QCOMPARE(added(odd), std::optional<int>(0));
        QStringList expected = CleanRosterNames(odd);
        QCOMPARE(expected.size(), 9);
        QCOMPARE(sorted(roster(kClassA)), sorted(expected));
        QCOMPARE(rows(*computer, QStringLiteral("SELECT count(*) FROM vantel.class_names() WHERE child = ?"),
                      {QStringLiteral("'); DROP TABLE vantel.roster; --")}),
                 QStringList{"1"});

        const auto refused = [&](const QStringList& names) {
            return await<int>(
                [&](QObject* context, auto done) { reader->AddToRoster(kClassA, names, context, done); });
        };
        const ServerAnswer<int> tooLong = refused({QStringLiteral("ふつう"), QString(101, QChar(0x3042))});
        QVERIFY(!tooLong.value);
        QCOMPARE(tooLong.problem, QStringLiteral("名前が長すぎます（100文字まで）"));
        const ServerAnswer<int> control = refused({QStringLiteral("a\tb")});
        QVERIFY(!control.value);
        QCOMPARE(control.problem, QStringLiteral("名前が空か、使えない文字（改行や制御文字）が入っています"));
        QCOMPARE(roster(kClassA).size(), 9);

        QStringList more;
        for (int i = 0; i < 191; ++i)
            more << QStringLiteral("名前%1").arg(i, 3, 10, QLatin1Char('0'));
        QCOMPARE(added(more), std::optional<int>(191));
        const ServerAnswer<int> full = refused({QStringLiteral("もう一人")});
        QVERIFY(!full.value);
        QCOMPARE(full.problem, QStringLiteral("名簿に入る名前は1クラス200人までです"));
        QCOMPARE(added({QStringLiteral("名前000")}), std::optional<int>(0)); // already there: no new name
        QCOMPARE(roster(kClassA).size(), 200);

        QStringList many;
        for (int i = 0; i < 201; ++i)
            many << QStringLiteral("\"n%1\"").arg(i);
        const PsqlResult tooMany =
            server.Psql(QStringLiteral("SELECT vantel.add_to_roster('2年1組', '{%1}')").arg(many.join(u',')),
                        QStringLiteral("teacher_b"));
        QCOMPARE(tooMany.sqlState, QStringLiteral("54000"));
        const PsqlResult huge =
            server.Psql(QStringLiteral("SELECT vantel.add_to_roster('2年1組', ARRAY[repeat('x', 5000000)])"),
                        QStringLiteral("teacher_b"));
        QCOMPARE(huge.sqlState, QStringLiteral("22001"));

        const auto remove = [&](const QString& name) {
            return await<bool>(
                [&](QObject* context, auto done) { reader->RemoveFromRoster(kClassA, name, context, done); });
        };
        QCOMPARE(remove(QStringLiteral("O'Brien")).value, std::optional<bool>(true));
        QCOMPARE(remove(QStringLiteral("O'Brien")).value, std::optional<bool>(false));
        QCOMPARE(roster(kClassA).size(), 199);
    }

    // Removing a name keeps its attempts.
    void removingKeepsAttempts() {
        QCOMPARE(addNames(kClassA, {QStringLiteral("はな")}), QVariant(1));
        QCOMPARE(addAttempt(*computer,
                            attemptAt(QStringLiteral("はな"), QDateTime::currentDateTimeUtc(), fullSheet())),
                 QVariant(true));
        QCOMPARE(await<bool>([&](QObject* context, auto done) {
                     reader->RemoveFromRoster(kClassA, QStringLiteral("はな"), context, done);
                 }).value,
                 std::optional<bool>(true));
        QCOMPARE(roster(kClassA), QStringList());
        QCOMPARE(
            rows(*teacher, QStringLiteral("SELECT child, attempts FROM vantel.class_summary(?)"), {kClassA}),
            QStringList{"はな|1"});
    }

    // The class's facts on a small class, worked out by hand, with `since`
    // in the middle of a day; and again after an administrator deletes a
    // child's attempts.
    void classFactsByHand() {
        const QDate day = QDate::currentDate().addDays(-10);
        const auto at = [&](int days, int hour) {
            return QDateTime(day.addDays(days), QTime(hour, 0), Qt::UTC);
        };
        const QDateTime since = at(0, 12);
        // たろう: before since (a slip at 1 + 2), the morning of since's day, and its afternoon.
        QCOMPARE(addAttempt(*computer,
                            attemptAt(QStringLiteral("たろう"), at(-5, 10), {Cell{1, 2, "0", false, 1000}})),
                 QVariant(true));
        QCOMPARE(addAttempt(*computer,
                            attemptAt(QStringLiteral("たろう"), at(0, 9), {Cell{1, 2, "3", true, 700}})),
                 QVariant(true));
        QCOMPARE(
            addAttempt(*computer, attemptAt(QStringLiteral("たろう"), at(0, 15),
                                            {Cell{1, 2, "3", true, 1000}, Cell{3, 4, "8", false, 2500}})),
            QVariant(true));
        // はな: 3 + 4 first (1000 ms), 1 + 2 wrong at 3000 (a gap of 2000), 5 + 6 never typed.
        QCOMPARE(addAttempt(*computer, attemptAt(QStringLiteral("はな"), at(3, 10),
                                                 {Cell{1, 2, "4", false, 3000}, Cell{3, 4, "7", true, 1000},
                                                  Cell{5, 6, "", false, -1}})),
                 QVariant(true));
        QCOMPARE(
            addAttempt(*computer, attemptAt(QStringLiteral("はな"), at(4, 10), {Cell{1, 2, "3", true, 500}})),
            QVariant(true));
        // Neither another drill nor another class counts.
        QCOMPARE(addAttempt(*computer,
                            attemptAt(QStringLiteral("はな"), at(4, 11), {Cell{1, 2, "9", false, 90}}, 1)),
                 QVariant(true));
        Sent otherClass = attemptAt(QStringLiteral("べに"), at(4, 10), {Cell{1, 2, "9", false, 90}});
        otherClass.cls = kClassB;
        auto computerB = connectAs(QStringLiteral("class_b"));
        QCOMPARE(addAttempt(*computerB, otherClass), QVariant(true));

        const QString facts =
            QStringLiteral("SELECT * FROM vantel.class_facts(?, 0::smallint, ?::timestamptz)");
        const QVariant all(QMetaType::fromType<QString>());
        // top|left|children|missing|tries|wrong|median
        QCOMPARE(rows(*teacher, facts, {kClassA, since.toString(Qt::ISODate)}),
                 QStringList({"1|2|2|1|3|1|1000", "3|4|2|1|2|1|1250", "5|6|1|1|1|1|null"}));
        QCOMPARE(rows(*teacher, facts, {kClassA, all}),
                 QStringList({"1|2|2|2|5|2|1000", "3|4|2|1|2|1|1250", "5|6|1|1|1|1|null"}));

        const ServerAnswer<ClassFacts> read = await<ClassFacts>([&](QObject* context, auto done) {
            reader->ClassFacts(kClassA, DrillKind::Addition, since, context, done);
        });
        QVERIFY2(read.value, qPrintable(read.problem));
        QCOMPARE(read.value->children, qint64(2));
        QCOMPARE(read.value->rows.size(), 3);
        QCOMPARE(read.value->rows[2].medianMs, -1);
        const FactStats stats = FactStatsFromClassFacts(*read.value);
        QCOMPARE(stats.Find({1, 2})->seen, 2); // children, not tries
        QCOMPARE(stats.Find({1, 2})->wrong, 1);
        QCOMPARE(stats.Find({3, 4})->medianMs, 1250.0);
        QCOMPARE(stats.Find({0, 0})->seen, 0);

        QVERIFY(server.Psql(QStringLiteral("DELETE FROM vantel.attempts WHERE child = 'はな'")).ok);
        QCOMPARE(rows(*teacher, facts, {kClassA, all}),
                 QStringList({"1|2|1|1|3|1|1000", "3|4|1|1|1|1|1500"}));
        QCOMPARE(rows(*teacherOf(kClassB), facts, {kClassB, all}), QStringList{"1|2|1|1|1|1|90"});
    }

    // Attempts put in without add_attempt (a restore, the bench's school)
    // are counted by the next install.
    void installCountsAttemptsAddedBefore() {
        QCOMPARE(addAttempt(*computer, attemptAt(QStringLiteral("はな"), QDateTime::currentDateTimeUtc(),
                                                 {Cell{2, 3, "5", true, 800}})),
                 QVariant(true));
        QVERIFY(
            server
                .Psql(QStringLiteral("UPDATE vantel.attempts SET tallied = false; TRUNCATE vantel.fact_days, "
                                     "vantel.child_fact_seen; DELETE FROM vantel.answer_times"))
                .ok);
        QCOMPARE(rows(*teacher,
                      QStringLiteral("SELECT count(*) FROM vantel.class_facts(?, 0::smallint, null)"),
                      {kClassA}),
                 QStringList{"0"});
        QVERIFY2(server.Setup({QStringLiteral("install")}), qPrintable(server.SetupOutput()));
        QCOMPARE(rows(*teacher, QStringLiteral("SELECT * FROM vantel.class_facts(?, 0::smallint, null)"),
                      {kClassA}),
                 QStringList{"2|3|1|0|1|0|800"});
    }

    // A server the previous release set up (no schema_revision) keeps
    // working for everything else; the list and the class's facts say to
    // run install again, after which they work.
    void previousReleaseServerSaysInstallAgain() {
        QVERIFY(server.Psql(QStringLiteral("DROP FUNCTION vantel.schema_revision()")).ok);
        const ServerAnswer<QStringList> list =
            await<QStringList>([&](QObject* context, auto done) { reader->Roster(kClassA, context, done); });
        QVERIFY(!list.value);
        QCOMPARE(list.problem, RosterNeedsInstallMessage());
        QVERIFY(list.problem.contains(QStringLiteral("classroom-setup.sh install")));
        const ServerAnswer<ClassFacts> facts = await<ClassFacts>([&](QObject* context, auto done) {
            reader->ClassFacts(kClassA, DrillKind::Addition, {}, context, done);
        });
        QCOMPARE(facts.problem, RosterNeedsInstallMessage());
        const ServerAnswer<int> add = await<int>([&](QObject* context, auto done) {
            reader->AddToRoster(kClassA, {QStringLiteral("はな")}, context, done);
        });
        QCOMPARE(add.problem, RosterNeedsInstallMessage());
        const ServerAnswer<QList<ClassSummaryRow>> summary = await<QList<ClassSummaryRow>>(
            [&](QObject* context, auto done) { reader->Summary(kClassA, context, done); });
        QVERIFY2(summary.value, qPrintable(summary.problem));

        QVERIFY2(server.Setup({QStringLiteral("install")}), qPrintable(server.SetupOutput()));
        QCOMPARE(server.Psql(QStringLiteral("SELECT vantel.schema_version(), vantel.schema_revision()")).out,
                 QStringLiteral("2|3"));
        const ServerAnswer<QStringList> again =
            await<QStringList>([&](QObject* context, auto done) { reader->Roster(kClassA, context, done); });
        QCOMPARE(again.value, std::optional<QStringList>(QStringList()));
    }

    // A classroom computer offers the names kept from its last run at once,
    // then the server's once it connects, and keeps those for the next start.
    void computerNamesArriveInClassroom() {
        QCOMPARE(addNames(kClassA, {QStringLiteral("はな"), QStringLiteral("たろう")}), QVariant(2));
        QTemporaryDir dir;
        const QString outbox = dir.filePath(QStringLiteral("outbox.sqlite"));
        const QString cache = RosterCachePath(outbox);
        QVERIFY(WriteCachedRosterNames(cache, kClassA, {QStringLiteral("きのう")}));
        QVERIFY(ReadCachedRosterNames(cache, kClassB).isEmpty());

        FakeHistory local;
        const ClassroomConfig config{PgTestServer::ServiceName(), kClassA, QStringLiteral("PC-01"), {}};
        {
            Classroom classroom(config, local, outbox, SenderTiming{100ms, 1000ms, 60s, 20});
            QCOMPARE(classroom.RosterNames(), QStringList{"きのう"});
            QSignalSpy changed(&classroom, &Classroom::RosterChanged);
            classroom.Start();
            QTRY_COMPARE_WITH_TIMEOUT(classroom.RosterNames(), QStringList({"たろう", "はな"}), 30000);
            QCOMPARE(changed.count(), 1);
            QVERIFY(classroom.Shutdown());
        }
        QCOMPARE(ReadCachedRosterNames(cache, kClassA), QStringList({"たろう", "はな"}));
        Classroom next(config, local, outbox);
        QCOMPARE(next.RosterNames(), QStringList({"たろう", "はな"}));
    }

    // The copy a computer keeps is read with suspicion: another class's,
    // garbage, a huge file or an overlong list give at most what the server
    // would have.
    void cachedNamesReadWithSuspicion() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("class-names.json"));
        QCOMPARE(ReadCachedRosterNames(path, kClassA), QStringList()); // none yet
        const auto write = [&](const QByteArray& bytes) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes);
        };
        write("{\"class\": \"1年1組\", \"names\": [");
        QCOMPARE(ReadCachedRosterNames(path, kClassA), QStringList());
        write(QByteArray(300 * 1024, ' ') + "{\"class\": \"1年1組\", \"names\": [\"はな\"]}");
        QCOMPARE(ReadCachedRosterNames(path, kClassA), QStringList());

        QStringList many{QString(150, QChar(0x3042)), QStringLiteral("  "), QStringLiteral("はな")};
        for (int i = 0; i < 300; ++i)
            many << QStringLiteral("n%1").arg(i);
        QVERIFY(WriteCachedRosterNames(path, kClassA, many));
        const QStringList read = ReadCachedRosterNames(path, kClassA);
        QCOMPARE(read.size(), kRosterLimit);
        QCOMPARE(read[0], QString(100, QChar(0x3042)));
        QCOMPARE(read[1], QStringLiteral("はな"));
        QCOMPARE(ReadCachedRosterNames(path, kClassB), QStringList());

        QCOMPARE(CleanRosterNames({QStringLiteral(" b "), QStringLiteral("a"), QStringLiteral("b"), QString(),
                                   QStringLiteral("\u3000a\u3000")}),
                 QStringList({"b", "a"}));
    }

private:
    QVariant addNames(const QString& cls, const QStringList& names) {
        auto db = cls == kClassA ? teacher.get() : teacherOf(cls);
        const QStringList result = rows(*db, QStringLiteral("SELECT vantel.add_to_roster(?, ?::text[])"),
                                        {cls, QStringLiteral("{%1}").arg(names.join(u','))});
        return result.size() == 1 && !result[0].startsWith(QLatin1String("error"))
                   ? QVariant(result[0].toInt())
                   : QVariant(result.join(u' '));
    }
    std::optional<int> added(const QStringList& names) {
        const ServerAnswer<int> answer = await<int>(
            [&](QObject* context, auto done) { reader->AddToRoster(kClassA, names, context, done); });
        if (!answer.value)
            qWarning() << answer.problem;
        return answer.value;
    }
    QStringList roster(const QString& cls) {
        const ServerAnswer<QStringList> answer =
            await<QStringList>([&](QObject* context, auto done) { reader->Roster(cls, context, done); });
        return answer.value.value_or(QStringList{answer.problem});
    }
    QSqlDatabase* teacherOf(const QString& cls) {
        if (!teacherB)
            teacherB = connectAs(QStringLiteral("teacher_b"));
        return cls == kClassA ? teacher.get() : teacherB.get();
    }

    PgTestServer server;
    std::unique_ptr<QSqlDatabase> computer, teacher, admin, teacherB;
    std::unique_ptr<ClassReader> reader;
};

QTEST_GUILESS_MAIN(TestClassRoster)
#include "tst_classroster.moc"
