// The class server as the program meets it: the computers' role can only add
// to its own class, a teacher reads only its own class, names come back as
// typed, a resend is not doubled, and the class view and the fact map give
// the right figures. Every case runs against a real PostgreSQL 15.
#include "tests/classroom/server/ServerCalls.h"

#include <QTest>

class TestClassServer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(server.IsRunning(), qPrintable(server.ErrorText()));
        QVERIFY2(
            server.AddClass(QStringLiteral("2年1組"), QStringLiteral("pc_b"), QStringLiteral("teacher_b")),
            qPrintable(server.ErrorText()));
        QVERIFY(server.AddService(QStringLiteral("class_b"), QStringLiteral("pc_b")));
        QVERIFY(server.AddService(QStringLiteral("teacher_b"), QStringLiteral("teacher_b")));
        computer = connectAs(PgTestServer::ServiceName());
        teacher = connectAs(PgTestServer::TeacherServiceName());
        admin = connectAs(PgTestServer::AdminServiceName());
        QVERIFY(computer->isOpen() && teacher->isOpen() && admin->isOpen());
    }
    void cleanupTestCase() {
        computer.reset();
        teacher.reset();
        admin.reset();
        for (const QString& name : QSqlDatabase::connectionNames())
            QSqlDatabase::removeDatabase(name);
    }
    void init() { QVERIFY(server.Psql(QStringLiteral("TRUNCATE vantel.attempts CASCADE")).ok); }

    void computersMayOnlyAdd_data() {
        QTest::addColumn<QString>("sql");
        QTest::newRow("read attempts") << "SELECT * FROM vantel.attempts";
        QTest::newRow("read answers") << "SELECT count(*) FROM vantel.answers";
        QTest::newRow("read the class map") << "SELECT * FROM vantel.class_roles";
        QTest::newRow("change a time") << "UPDATE vantel.attempts SET duration_ms = 1";
        QTest::newRow("delete attempts") << "DELETE FROM vantel.attempts";
        QTest::newRow("delete answers") << "DELETE FROM vantel.answers";
        QTest::newRow("empty the table") << "TRUNCATE vantel.attempts CASCADE";
        QTest::newRow("insert past the function") << "INSERT INTO vantel.attempts (id, class, seat, child, "
                                                     "drill, started_at, utc_offset_s, duration_ms, "
                                                     "score, full_score, new_best, top_headers, "
                                                     "left_headers) VALUES (gen_random_uuid(), '1年1組', '', "
                                                     "'x', 0, now(), 0, 1, 0, 0, false, '{}', '{}')";
        QTest::newRow("map itself to another class")
            << "INSERT INTO vantel.class_roles VALUES ('vantel_test_computer', '2年1組', 'add')";
        QTest::newRow("read through the teacher's view") << "SELECT * FROM vantel.class_summary('1年1組')";
        QTest::newRow("replace the version") << "CREATE OR REPLACE FUNCTION vantel.schema_version() RETURNS "
                                                "integer LANGUAGE sql AS 'SELECT 0'";
        QTest::newRow("another class")
            << "SELECT vantel.add_attempt(gen_random_uuid(), '2年1組', 'PC', 'x', 0::smallint, now(), 0, 1, "
               "0::smallint, 0::smallint, false, '{}', '{}', '[]')";
        QTest::newRow("a class nobody set up")
            << "SELECT vantel.add_attempt(gen_random_uuid(), '9年9組', 'PC', 'x', 0::smallint, now(), 0, 1, "
               "0::smallint, 0::smallint, false, '{}', '{}', '[]')";
    }
    void computersMayOnlyAdd() {
        QFETCH(QString, sql);
        Sent kept;
        kept.cells = fullSheet();
        QCOMPARE(addAttempt(*computer, kept), QVariant(true));

        const PsqlResult refused = server.Psql(sql, PgTestServer::ComputerRole());
        QVERIFY2(!refused.ok, qPrintable(refused.out));
        QCOMPARE(refused.sqlState, QStringLiteral("42501"));
        QCOMPARE(server
                     .Psql(QStringLiteral("SELECT count(*), sum(duration_ms) FROM vantel.attempts; "
                                          "SELECT count(*) FROM vantel.answers"))
                     .Rows(),
                 QStringList({"1|60000", "100"}));
    }

    // A teacher reads its class through every read and sees nothing of another.
    void teacherReadsOwnClassOnly() {
        auto classB = connectAs(QStringLiteral("class_b"));
        auto teacherB = connectAs(QStringLiteral("teacher_b"));
        Sent a, b;
        a.child = QStringLiteral("あきら");
        a.cells = fullSheet(3);
        b.cls = QStringLiteral("2年1組");
        b.child = QStringLiteral("べに");
        b.cells = fullSheet(5);
        QCOMPARE(addAttempt(*computer, a), QVariant(true));
        QCOMPARE(addAttempt(*classB, b), QVariant(true));

        const QString facts =
            QStringLiteral("SELECT sum(tries), sum(wrong) FROM vantel.child_facts(?, ?, 0::smallint, "
                           "null)");
        const QString attempts =
            QStringLiteral("SELECT count(*) FROM vantel.child_attempts(?, ?, 0::smallint, null)");
        QCOMPARE(rows(*teacher, QStringLiteral("SELECT * FROM vantel.readable_classes()")),
                 QStringList{"1年1組"});
        QCOMPARE(rows(*teacher, QStringLiteral("SELECT child FROM vantel.class_summary(?)"), {a.cls}),
                 QStringList{"あきら"});
        QCOMPARE(rows(*teacher, facts, {a.cls, a.child}), QStringList{"100|3"});
        QCOMPARE(rows(*teacherB, facts, {b.cls, b.child}), QStringList{"100|5"});

        for (auto* reader : {teacher.get(), teacherB.get()}) {
            const Sent& other = reader == teacher.get() ? b : a;
            QCOMPARE(rows(*reader, QStringLiteral("SELECT * FROM vantel.class_summary(?)"), {other.cls}),
                     QStringList());
            QCOMPARE(rows(*reader, attempts, {other.cls, other.child}), QStringList{"0"});
            QCOMPARE(rows(*reader, facts, {other.cls, other.child}), QStringList{"null|null"});
            QCOMPARE(rows(*reader, QStringLiteral("SELECT count(*) FROM vantel.attempts WHERE class = ?"),
                          {other.cls}),
                     QStringList{"0"});
            QCOMPARE(rows(*reader, QStringLiteral("SELECT count(*) FROM vantel.answers")),
                     QStringList{"100"});
            QCOMPARE(rows(*reader, QStringLiteral("SELECT count(*) FROM vantel.class_roles")),
                     QStringList{"1"});
        }
        // Reading is all a teacher may do, in its own class too.
        for (const QString& sql :
             {QStringLiteral("UPDATE vantel.attempts SET duration_ms = 1"),
              QStringLiteral("DELETE FROM vantel.answers"),
              QStringLiteral("SELECT vantel.add_attempt(gen_random_uuid(), '1年1組', 'PC', 'x', "
                             "0::smallint, now(), 0, 1, 0::smallint, 0::smallint, false, '{}', "
                             "'{}', '[]')")}) {
            const PsqlResult refused = server.Psql(sql, PgTestServer::TeacherRole());
            QVERIFY2(refused.sqlState == QStringLiteral("42501"), qPrintable(sql + refused.err));
        }
    }

    // Quotes, semicolons and SQL in any text arrive as typed, the class name
    // too (mapped by the set-up script).
    void namesComeBackAsTyped() {
        const QString cls = QStringLiteral("3年'2組\"; DROP TABLE vantel.attempts; --");
        // The seat is the administrator's, given with the computer's login.
        QVERIFY2(server.AddClass(cls, QStringLiteral("pc_odd"), QStringLiteral("teacher_odd"),
                                 QStringLiteral("席'; --")),
                 qPrintable(server.ErrorText()));
        QVERIFY(server.AddService(QStringLiteral("odd"), QStringLiteral("pc_odd")));
        QVERIFY(server.AddService(QStringLiteral("teacher_odd"), QStringLiteral("teacher_odd")));
        auto oddComputer = connectAs(QStringLiteral("odd"));
        auto oddTeacher = connectAs(QStringLiteral("teacher_odd"));

        const QStringList names{
            QStringLiteral("O'Brien"),   QStringLiteral("'); DELETE FROM vantel.attempts; --"),
            QStringLiteral("a\"b\\c;d"), QStringLiteral("$$ $1 ? :x"),
            QStringLiteral(""),          QStringLiteral("はなこ ")};
        for (const QString& name : names) {
            Sent a;
            a.cls = cls;
            a.child = name;
            a.cells = fullSheet();
            a.cells[0].typed = QStringLiteral("1'2");
            QVERIFY2(addAttempt(*oddComputer, a) == QVariant(true), qPrintable(name));
        }
        QStringList expected = names;
        std::sort(expected.begin(), expected.end());
        QCOMPARE(rows(*oddTeacher, QStringLiteral("SELECT child FROM vantel.class_summary(?)"), {cls}),
                 expected);
        QCOMPARE(rows(*oddTeacher, QStringLiteral("SELECT * FROM vantel.readable_classes()")),
                 QStringList{cls});
        QCOMPARE(rows(*oddTeacher, QStringLiteral("SELECT DISTINCT seat FROM vantel.attempts")),
                 QStringList{"席'; --"});
        QCOMPARE(
            rows(*oddTeacher, QStringLiteral("SELECT DISTINCT typed FROM vantel.answers WHERE cell = 0")),
            QStringList{"1'2"});
        QCOMPARE(rows(*oddTeacher,
                      QStringLiteral("SELECT count(*) FROM vantel.child_attempts(?, ?, 0::smallint, null)"),
                      {cls, names[1]}),
                 QStringList{"1"});
    }

    // A resend (the answer was lost on the way back) is not doubled, and the
    // first copy is the one kept; a broken attempt leaves nothing half-stored.
    void resendAndBrokenAttempts() {
        Sent a;
        a.cells = fullSheet();
        QCOMPARE(addAttempt(*computer, a), QVariant(true));
        Sent again = a;
        again.durationMs = 1;
        QCOMPARE(addAttempt(*computer, again), QVariant(false));
        QCOMPARE(rows(*admin, QStringLiteral("SELECT count(*), min(duration_ms) FROM vantel.attempts")),
                 QStringList{"1|60000"});
        QCOMPARE(rows(*admin, QStringLiteral("SELECT count(*) FROM vantel.answers")), QStringList{"100"});

        Sent doubledCell;
        doubledCell.cells = fullSheet();
        doubledCell.cells.last().cell = 0;
        QString state;
        QVERIFY(addAttempt(*computer, doubledCell, &state).isNull());
        QCOMPARE(state.left(2), QStringLiteral("23")); // integrity violation, reported as such
        Sent badDrill;
        badDrill.drill = 7;
        QVERIFY(addAttempt(*computer, badDrill, &state).isNull());
        QCOMPARE(state, QStringLiteral("23514"));
        const PsqlResult notArray = server.Psql(
            QStringLiteral(
                "SELECT vantel.add_attempt(gen_random_uuid(), '1年1組', 'PC', 'x', 0::smallint, now(), 0, "
                "1, 0::smallint, 0::smallint, false, '{}', '{}', '{\"cell\":0}')"),
            PgTestServer::ComputerRole());
        QCOMPARE(notArray.sqlState, QStringLiteral("22023"));
        Sent tooManyCells;
        tooManyCells.cells = fullSheet() + fullSheet();
        QVERIFY(addAttempt(*computer, tooManyCells, &state).isNull());
        QCOMPARE(state, QStringLiteral("22023"));
        QCOMPARE(rows(*admin, QStringLiteral("SELECT count(*) FROM vantel.attempts; ")), QStringList{"1"});
        QCOMPARE(rows(*admin, QStringLiteral("SELECT count(*) FROM vantel.answers")), QStringList{"100"});
    }

    // The class view's figures on a small class whose answers are known.
    void classSummaryFigures() {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        // Oldest first: 12 days and an hour ago, then daily; two slips (not all correct).
        const QList<int> times{90000, 80000, 85000, 70000, 75000, 72000, 65000, 60000, 64000, 50000, 55000};
        for (int i = 0; i < times.size(); ++i) {
            Sent a;
            a.child = QStringLiteral("たろう");
            a.started = now.addDays(i - 12).addSecs(-3600);
            a.durationMs = times[i];
            a.score = (i == 9 || i == 3) ? 99 : 100;
            QCOMPARE(addAttempt(*computer, a), QVariant(true));
        }
        Sent once;
        once.child = QStringLiteral("じろう");
        once.drill = 3;
        once.started = now.addSecs(-60);
        once.durationMs = 40000;
        once.score = 60;
        once.fullScore = 64;
        QCOMPARE(addAttempt(*computer, once), QVariant(true));

        const QStringList summary = rows(
            *teacher,
            QStringLiteral(
                "SELECT child, drill, attempts, best_ms, last_ms, last_at = ?::timestamptz OR drill = 3, "
                "attempts_7d, trend_ms FROM vantel.class_summary(?)"),
            {now.addDays(-2).addSecs(-3600).toString(Qt::ISODateWithMs), PgTestServer::TestClass()});
        // Best: 55000 (50000 was not all correct). Last 7 days: days -6 .. -2.
        // Trend: mean(55,50,64,60,65) - mean(72,75,70,85,80) = 58.8 - 76.4 s.
        QCOMPARE(summary,
                 QStringList({"じろう|3|1|null|40000|true|1|null", "たろう|0|11|55000|55000|true|5|-17600"}));
    }

    // One child's attempts and fact map, with and without a since.
    void childAttemptsAndFacts() {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        Sent old, recent;
        old.started = now.addDays(-30);
        old.durationMs = 70000;
        recent.started = now.addDays(-1);
        recent.durationMs = 65000;
        recent.score = 99;
        // 7 + 8 filled third at 3000 ms after 1000 and 2500: 500 ms; wrong in the
        // recent sheet. 3 + 4 filled first at 1000 ms / 2000 ms. 1 + 1 never typed.
        old.cells = {Cell{3, 4, "7", true, 1000}, Cell{5, 5, "10", true, 2500}, Cell{7, 8, "15", true, 3000},
                     Cell{1, 1, "", false, -1}};
        recent.cells = {Cell{7, 8, "16", false, 4000}, Cell{3, 4, "7", true, 2000}, Cell{1, 1, "", false, -1},
                        Cell{5, 5, "10", true, 3000}};
        QCOMPARE(addAttempt(*computer, recent),
                 QVariant(true)); // arrival order is not the order of the sheets
        QCOMPARE(addAttempt(*computer, old), QVariant(true));
        Sent otherDrill = old;
        otherDrill.id = QUuid::createUuid();
        otherDrill.drill = 1;
        QCOMPARE(addAttempt(*computer, otherDrill), QVariant(true));

        const QString attempts = QStringLiteral("SELECT duration_ms, score, full_score FROM "
                                                "vantel.child_attempts(?, ?, 0::smallint, ?::timestamptz)");
        const QVariant all(QMetaType::fromType<QString>());
        QCOMPARE(rows(*teacher, attempts, {old.cls, old.child, all}),
                 QStringList({"70000|100|100", "65000|99|100"}));
        QCOMPARE(rows(*teacher, attempts, {old.cls, old.child, now.addDays(-7).toString(Qt::ISODate)}),
                 QStringList{"65000|99|100"});

        const QString facts = QStringLiteral(
            "SELECT top, \"left\", tries, wrong, median_ms FROM vantel.child_facts(?, ?, 0::smallint, "
            "?::timestamptz)");
        QCOMPARE(rows(*teacher, facts, {old.cls, old.child, all}),
                 QStringList({"1|1|2|2|null", "3|4|2|0|1500", "5|5|2|0|1250", "7|8|2|1|750"}));
        QCOMPARE(rows(*teacher, facts, {old.cls, old.child, now.addDays(-7).toString(Qt::ISODate)}),
                 QStringList({"1|1|1|1|null", "3|4|1|0|2000", "5|5|1|0|1000", "7|8|1|1|1000"}));
    }

    // The set-up script may run again over a server in use; it refuses to go
    // back over a newer schema, and the server keeps what it has across a restart.
    void setupAgainRestartAndNewerSchema() {
        Sent a;
        a.cells = fullSheet();
        QCOMPARE(addAttempt(*computer, a), QVariant(true));
        const auto install = [&] {
            QProcess setup;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("PSQL"), QStringLiteral("/usr/lib/postgresql/15/bin/psql"));
            setup.setProcessEnvironment(env);
            setup.setProcessChannelMode(QProcess::MergedChannels);
            setup.start(qEnvironmentVariable("VANTEL_SOURCE_DIR") +
                            QStringLiteral("/scripts/classroom-setup.sh"),
                        {QStringLiteral("-s"), PgTestServer::AdminServiceName(), QStringLiteral("install")});
            setup.waitForFinished(PgTestServer::kTimeoutMs);
            return std::make_pair(setup.exitCode(), QString::fromUtf8(setup.readAll()));
        };
        const auto again = install();
        QVERIFY2(again.first == 0, qPrintable(again.second));

        QVERIFY2(server.Stop(), qPrintable(server.ErrorText()));
        QVERIFY2(server.Start(), qPrintable(server.ErrorText()));
        // The old sessions ended with the server.
        computer = connectAs(PgTestServer::ServiceName());
        teacher = connectAs(PgTestServer::TeacherServiceName());
        admin = connectAs(PgTestServer::AdminServiceName());
        QCOMPARE(addAttempt(*computer, a), QVariant(false));
        QCOMPARE(server.Psql(QStringLiteral("SELECT count(*) FROM vantel.answers")).out,
                 QStringLiteral("100"));

        QVERIFY(server
                    .Psql(QStringLiteral("CREATE OR REPLACE FUNCTION vantel.schema_version() RETURNS integer "
                                         "LANGUAGE sql STABLE AS 'SELECT 3'"))
                    .ok);
        const auto older = install();
        QVERIFY(older.first != 0);
        QVERIFY2(older.second.contains(QStringLiteral("version 3, newer than this script")),
                 qPrintable(older.second));
        QCOMPARE(server.Psql(QStringLiteral("SELECT vantel.schema_version()")).out, QStringLiteral("3"));
        QVERIFY(server
                    .Psql(QStringLiteral("CREATE OR REPLACE FUNCTION vantel.schema_version() RETURNS integer "
                                         "LANGUAGE sql STABLE AS 'SELECT 2'"))
                    .ok);
    }

private:
    PgTestServer server;
    std::unique_ptr<QSqlDatabase> computer, teacher, admin;
};

QTEST_GUILESS_MAIN(TestClassServer)
#include "tst_classserver.moc"
