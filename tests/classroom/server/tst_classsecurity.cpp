// The class server against whoever holds a classroom computer's password:
// with psql and that login, a child may create objects where the server lets
// them, change their own login, flood the server and send impossible
// attempts. None of it may reach another class, another computer, the
// administrator's rights or the server's log. Every case runs against a
// real PostgreSQL 15 set up by scripts/classroom-setup.sh.
#include "tests/classroom/server/ServerCalls.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTextStream>

namespace {
const QString kClassB = QStringLiteral("2年1組");

// The password of `role` from the ~/.pgpass lines the set-up script printed.
QString printedPassword(const QString& output, const QString& role) {
    for (const QString& line : output.split(QLatin1Char('\n'))) {
        const QStringList fields = line.split(QLatin1Char(':'));
        if (fields.size() == 5 && fields[3] == role)
            return fields[4];
    }
    return {};
}

qint64 fileSize(const QString& path) { return QFileInfo(path).size(); }

QString readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
} // namespace

class TestClassSecurity : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(server.IsRunning(), qPrintable(server.ErrorText()));
        QVERIFY2(server.AddClass(kClassB, QStringLiteral("pc_b1"), QStringLiteral("teacher_b")),
                 qPrintable(server.ErrorText()));
        QVERIFY(server.AddService(QStringLiteral("class_b"), QStringLiteral("pc_b1")));
        QVERIFY(server.AddService(QStringLiteral("teacher_b"), QStringLiteral("teacher_b")));
        computer = connectAs(PgTestServer::ServiceName());
        admin = connectAs(PgTestServer::AdminServiceName());
        QVERIFY(computer->isOpen() && admin->isOpen());
    }
    void cleanupTestCase() {
        computer.reset();
        admin.reset();
        for (const QString& name : QSqlDatabase::connectionNames())
            QSqlDatabase::removeDatabase(name);
    }
    void init() { QVERIFY(server.Psql(QStringLiteral("TRUNCATE vantel.attempts CASCADE")).ok); }

    // Where "public" is writable by everybody (servers upgraded or restored
    // from before PostgreSQL 15), a computer plants an aggregate lag(integer)
    // that copies what it sees, and an operator ||(name, name) that makes it
    // a superuser. Neither runs when another class's teacher reads a fact map
    // or the administrator lists the classes; install takes the right away.
    void namesPlantedInPublicNeverRun() {
        QVERIFY(server.Psql(QStringLiteral("GRANT CREATE ON SCHEMA public TO PUBLIC")).ok);
        const PsqlResult planted = server.Psql(QStringLiteral(R"(
            CREATE TABLE public.loot (v integer);
            GRANT INSERT ON public.loot TO PUBLIC;
            CREATE FUNCTION public.steal(integer, integer) RETURNS integer LANGUAGE plpgsql AS
                $$BEGIN INSERT INTO public.loot VALUES ($2); RETURN $2; END$$;
            CREATE AGGREGATE public.lag(integer) (SFUNC = public.steal, STYPE = integer);
            CREATE FUNCTION public.promote(name, name) RETURNS text LANGUAGE plpgsql AS
                $$BEGIN ALTER ROLE vantel_test_computer SUPERUSER; RETURN $1::text || $2::text; END$$;
            CREATE OPERATOR public.|| (LEFTARG = name, RIGHTARG = name, FUNCTION = public.promote);
            GRANT EXECUTE ON FUNCTION public.steal(integer, integer), public.promote(name, name) TO PUBLIC;)"),
                                               PgTestServer::ComputerRole());
        QVERIFY2(planted.ok, qPrintable(planted.err));

        auto classB = connectAs(QStringLiteral("class_b"));
        Sent b;
        b.cls = kClassB;
        b.cells = fullSheet(2);
        QCOMPARE(addAttempt(*classB, b), QVariant(true));
        auto teacherB = connectAs(QStringLiteral("teacher_b"));
        QCOMPARE(
            rows(*teacherB,
                 QStringLiteral("SELECT sum(tries), sum(wrong) FROM vantel.child_facts(?, ?, 0::smallint, "
                                "null)"),
                 {b.cls, b.child}),
            QStringList{"100|2"});
        QVERIFY2(server.Setup({QStringLiteral("list")}), qPrintable(server.SetupOutput()));
        QVERIFY2(server.SetupOutput().contains(QStringLiteral("PC-01: vantel_test_computer")),
                 qPrintable(server.SetupOutput()));

        QCOMPARE(server.Psql(QStringLiteral("SELECT count(*) FROM public.loot")).out, QStringLiteral("0"));
        QCOMPARE(server
                     .Psql(QStringLiteral("SELECT rolsuper FROM pg_roles WHERE rolname = "
                                          "'vantel_test_computer'"))
                     .out,
                 QStringLiteral("f"));

        QVERIFY(server
                    .Psql(QStringLiteral(
                        "DROP OPERATOR public.|| (name, name); DROP AGGREGATE public.lag(integer); "
                        "DROP FUNCTION public.steal(integer, integer), public.promote(name, name); "
                        "DROP TABLE public.loot"))
                    .ok);
        QVERIFY2(server.Setup({QStringLiteral("install")}), qPrintable(server.SetupOutput()));
        QVERIFY2(
            server.SetupOutput().contains(QStringLiteral("CREATE on schema public was taken from PUBLIC")),
            qPrintable(server.SetupOutput()));
        const PsqlResult refused = server.Psql(QStringLiteral("CREATE TABLE public.again (v integer)"),
                                               PgTestServer::ComputerRole());
        QCOMPARE(refused.sqlState, QStringLiteral("42501"));
    }

    // Each computer logs in as itself: the server takes its seat from the
    // login and notes the login with the attempt; what a child does to their
    // own login (a new password, read-only sessions) stops that computer
    // alone, and the teacher sees which computer stopped reaching the server.
    void eachComputerItsOwnLogin() {
        Sent a;
        a.seat = QStringLiteral("PC-99"); // what the computer claims
        QCOMPARE(addAttempt(*computer, a), QVariant(true));
        QCOMPARE(server.Psql(QStringLiteral("SELECT seat, added_by FROM vantel.attempts")).out,
                 QStringLiteral("PC-01|vantel_test_computer"));

        QVERIFY2(
            server.Setup({QStringLiteral("add-computer"), PgTestServer::TestClass(), QStringLiteral("PC-02"),
                          QStringLiteral("pc_a2"), QStringLiteral("--password")}),
            qPrintable(server.SetupOutput()));
        const QString second = printedPassword(server.SetupOutput(), QStringLiteral("pc_a2"));
        QVERIFY2(second.size() >= 20, qPrintable(server.SetupOutput()));
        QVERIFY2(
            server.Setup({QStringLiteral("add-computer"), PgTestServer::TestClass(), QStringLiteral("PC-01"),
                          PgTestServer::ComputerRole(), QStringLiteral("--password")}),
            qPrintable(server.SetupOutput()));
        const QString first = printedPassword(server.SetupOutput(), PgTestServer::ComputerRole());
        QVERIFY(!first.isEmpty() && first != second);

        requirePasswords(true);
        auto firstPc = connectWithPassword(PgTestServer::ComputerRole(), first);
        QVERIFY2(firstPc->isOpen(), qPrintable(firstPc->lastError().text()));
        // The child's own doing, allowed to any login:
        QSqlQuery own(*firstPc);
        QVERIFY(own.exec(QStringLiteral("ALTER ROLE vantel_test_computer PASSWORD 'mine'")));
        QVERIFY(own.exec(QStringLiteral("ALTER ROLE vantel_test_computer IN DATABASE vantel SET "
                                        "default_transaction_read_only = on")));
        firstPc->close();
        firstPc.reset();

        auto secondPc = connectWithPassword(QStringLiteral("pc_a2"), second);
        QVERIFY2(secondPc->isOpen(), qPrintable(secondPc->lastError().text()));
        QCOMPARE(rows(*secondPc, QStringLiteral("SELECT 1 FROM (SELECT vantel.computer_seen()) seen")),
                 QStringList{"1"});
        Sent fromSecond;
        fromSecond.started = fromSecond.started.addSecs(-600);
        QCOMPARE(addAttempt(*secondPc, fromSecond), QVariant(true));
        auto lockedOut = connectWithPassword(PgTestServer::ComputerRole(), first);
        QVERIFY(!lockedOut->isOpen());
        QVERIFY2(lockedOut->lastError().text().contains(QStringLiteral("password authentication failed")),
                 qPrintable(lockedOut->lastError().text()));
        secondPc->close();
        secondPc.reset();
        lockedOut.reset();
        requirePasswords(false);
        QVERIFY(
            server.Psql(QStringLiteral("ALTER ROLE vantel_test_computer IN DATABASE vantel RESET ALL")).ok);

        auto teacher = connectAs(PgTestServer::TeacherServiceName());
        const QStringList computers =
            rows(*teacher,
                 QStringLiteral("SELECT seat, role_name, last_seen IS NOT NULL, attempts FROM "
                                "vantel.class_computers(?)"),
                 {PgTestServer::TestClass()});
        QCOMPARE(computers, QStringList({"PC-01|vantel_test_computer|false|1", "PC-02|pc_a2|true|1"}));
        auto teacherB = connectAs(QStringLiteral("teacher_b"));
        QCOMPARE(rows(*teacherB, QStringLiteral("SELECT count(*) FROM vantel.class_computers(?)"),
                      {PgTestServer::TestClass()}),
                 QStringList{"0"});
        QVERIFY2(server.Setup({QStringLiteral("remove-role"), QStringLiteral("pc_a2")}),
                 qPrintable(server.SetupOutput()));
    }

    // What one login may take of the server: three connections, no temporary
    // tables, statements cut off, a few sheets a minute, small arguments, and
    // nothing of a refused argument in the server's log.
    void limitsOfOneLogin() {
        std::vector<std::unique_ptr<QSqlDatabase>> many;
        for (int i = 0; i < 2; ++i) {
            many.push_back(connectAs(PgTestServer::ServiceName()));
            QVERIFY(many.back()->isOpen());
        }
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot connect")));
        QVERIFY(!connectAs(PgTestServer::ServiceName())->isOpen()); // the fourth, with `computer`
        for (auto& db : many)
            db->close();
        many.clear();
        QVERIFY(connectAs(PgTestServer::TeacherServiceName())->isOpen());

        const PsqlResult temporary =
            server.Psql(QStringLiteral("CREATE TEMP TABLE t (v integer)"), PgTestServer::ComputerRole());
        QCOMPARE(temporary.sqlState, QStringLiteral("42501"));
        QCOMPARE(server.Psql(QStringLiteral("SHOW statement_timeout"), PgTestServer::ComputerRole()).out,
                 QStringLiteral("15s"));
        QCOMPARE(server.Psql(QStringLiteral("SHOW statement_timeout"), PgTestServer::TeacherRole()).out,
                 QStringLiteral("30s"));

        // A queue sent after days away goes through: starts minutes apart.
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (int i = 0; i < 30; ++i) {
            Sent queued;
            queued.started = now.addSecs(-86400 + i * 120);
            QCOMPARE(addAttempt(*computer, queued), QVariant(true));
        }
        // Ten sheets whose starts lie within a minute are all a child can do.
        QString state;
        for (int i = 0; i < 11; ++i) {
            Sent burst;
            burst.started = now.addSecs(-3600 + i * 5);
            const QVariant added = addAttempt(*computer, burst, &state);
            QCOMPARE(added, i < 10 ? QVariant(true) : QVariant());
        }
        QCOMPARE(state, QStringLiteral("54000"));

        const qint64 logBefore = fileSize(server.LogFile());
        Sent huge;
        huge.cls = QString(10'000'000, QLatin1Char('x'));
        QVERIFY(addAttempt(*computer, huge, &state).isNull());
        QCOMPARE(state, QStringLiteral("54000"));
        Sent longName;
        longName.child = QString(900, QChar(0x3042)); // index row too large, before
        QVERIFY(addAttempt(*computer, longName, &state).isNull());
        QCOMPARE(state, QStringLiteral("54000"));
        const PsqlResult literal = server.Psql(
            QStringLiteral(
                "SELECT vantel.add_attempt(gen_random_uuid(), '%1', 'PC', 'x', 0::smallint, now(), 0, "
                "60000, 100::smallint, 100::smallint, false, '{}', '{}', '[]')")
                .arg(QString(10'000'000, QLatin1Char('y'))),
            PgTestServer::ComputerRole());
        QCOMPARE(literal.sqlState, QStringLiteral("54000"));
        QVERIFY2(fileSize(server.LogFile()) - logBefore < 20000,
                 qPrintable(QString::number(fileSize(server.LogFile()) - logBefore)));

        Sent longest;
        longest.child = QString(100, QChar(0x3042));
        QCOMPARE(addAttempt(*computer, longest), QVariant(true));
    }

    void implausibleAttemptsRefused_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("fullScore");
        QTest::addColumn<int>("durationMs");
        QTest::addColumn<qint64>("startedInSeconds"); // from now
        QTest::addColumn<bool>("taken");
        QTest::newRow("0 of 0 in no time") << 0 << 0 << 0 << qint64(-60) << false;
        QTest::newRow("0 of 0") << 0 << 0 << 60000 << qint64(-60) << false;
        QTest::newRow("100 cells in 5 s") << 100 << 100 << 5000 << qint64(-60) << false;
        QTest::newRow("dated 2099") << 100 << 100 << 60000 << qint64(73LL * 365 * 86400) << false;
        QTest::newRow("two days ahead") << 100 << 100 << 60000 << qint64(2 * 86400) << false;
        QTest::newRow("dated 1999") << 100 << 100 << 60000 << qint64(-27LL * 365 * 86400 - 10 * 86400)
                                    << false;
        QTest::newRow("a clock an hour ahead") << 100 << 100 << 60000 << qint64(3600) << true;
        QTest::newRow("九九 in 7 s") << 64 << 64 << 7000 << qint64(-60) << true;
    }
    void implausibleAttemptsRefused() {
        QFETCH(int, score);
        QFETCH(int, fullScore);
        QFETCH(int, durationMs);
        QFETCH(qint64, startedInSeconds);
        QFETCH(bool, taken);
        Sent a;
        a.score = score;
        a.fullScore = fullScore;
        a.durationMs = durationMs;
        a.started = QDateTime::currentDateTimeUtc().addSecs(startedInSeconds);
        QString state;
        QCOMPARE(addAttempt(*computer, a, &state), taken ? QVariant(true) : QVariant());
        QCOMPARE(state, taken ? QString() : QStringLiteral("22023"));
    }

    // Given the name of a role that may do more than a class role should,
    // the set-up script refuses it and leaves it exactly as it was: its
    // password, its groups, its rights.
    void setupRefusesPowerfulRoles_data() {
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("make");
        QTest::newRow("superuser") << "boss"
                                   << "CREATE ROLE boss SUPERUSER LOGIN PASSWORD 'keep'";
        QTest::newRow("makes roles") << "maker"
                                     << "CREATE ROLE maker CREATEROLE LOGIN PASSWORD 'keep'";
        QTest::newRow("makes databases") << "dbmaker"
                                         << "CREATE ROLE dbmaker CREATEDB LOGIN PASSWORD 'keep'";
        QTest::newRow("bypasses row security") << "rlsfree"
                                               << "CREATE ROLE rlsfree BYPASSRLS LOGIN PASSWORD 'keep'";
        QTest::newRow("in another group") << "reader"
                                          << "CREATE ROLE reader LOGIN PASSWORD 'keep'; "
                                             "GRANT pg_read_all_data TO reader";
        QTest::newRow("another class's computer") << "pc_b1"
                                                  << "";
    }
    void setupRefusesPowerfulRoles() {
        QFETCH(QString, role);
        QFETCH(QString, make);
        if (!make.isEmpty())
            QVERIFY(server.Psql(make).ok);
        const QString state =
            QStringLiteral(
                "SELECT r.rolsuper, r.rolcreaterole, r.rolcreatedb, r.rolbypassrls, a.rolpassword, "
                "(SELECT string_agg(g.rolname, ',' ORDER BY g.rolname) FROM pg_auth_members m "
                "JOIN pg_roles g ON g.oid = m.roleid WHERE m.member = r.oid), "
                "(SELECT string_agg(c.class || c.seat, ',') FROM vantel.computers c "
                "WHERE c.role_name = r.rolname) "
                "FROM pg_roles r JOIN pg_authid a ON a.oid = r.oid WHERE r.rolname = '%1'")
                .arg(role);
        const QString before = server.Psql(state).out;
        QVERIFY(!before.isEmpty());

        QVERIFY(!server.Setup({QStringLiteral("add-computer"), PgTestServer::TestClass(),
                               QStringLiteral("PC-50"), role, QStringLiteral("--password")}));
        QVERIFY(!server.SetupOutput().contains(QStringLiteral(":") + role + QStringLiteral(":")));
        QVERIFY(!server.Setup({QStringLiteral("add-class"), QStringLiteral("9年9組"),
                               QStringLiteral("class_9"), role, QStringLiteral("--password")}));
        QVERIFY(!server.Setup(
            {QStringLiteral("add-class"), QStringLiteral("9年9組"), role, QStringLiteral("teacher_9")}));

        QCOMPARE(server.Psql(state).out, before);
        QCOMPARE(
            server.Psql(QStringLiteral("SELECT count(*) FROM vantel.class_roles WHERE class = '9年9組'")).out,
            QStringLiteral("0"));
        if (!make.isEmpty())
            QVERIFY(server.Psql(QStringLiteral("DROP ROLE %1").arg(role)).ok);
    }

    // A new password reaches neither a command line (visible to every user
    // in ps) nor the server's log, even when it logs every statement.
    void passwordsNeverShown() {
        QVERIFY(server.Psql(QStringLiteral("ALTER SYSTEM SET log_statement = 'all'; SELECT pg_reload_conf()"))
                    .ok);
        QTemporaryDir dir;
        const QString argsLog = dir.filePath(QStringLiteral("args.log"));
        const QString wrapper = dir.filePath(QStringLiteral("psql"));
        {
            QFile script(wrapper);
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" >>'%1'\n"
                                        "exec /usr/lib/postgresql/15/bin/psql \"$@\"\n")
                             .arg(argsLog)
                             .toUtf8());
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        const qint64 logBefore = fileSize(server.LogFile());
        QVERIFY2(server.Setup({QStringLiteral("add-class"), QStringLiteral("4年1組"),
                               QStringLiteral("class_4_1"), QStringLiteral("teacher_4_1"),
                               QStringLiteral("--seats"), QStringLiteral("2"), QStringLiteral("--password")},
                              {}, wrapper),
                 qPrintable(server.SetupOutput()));
        QVERIFY(server.Psql(QStringLiteral("ALTER SYSTEM RESET log_statement; SELECT pg_reload_conf()")).ok);

        const QStringList logins{QStringLiteral("teacher_4_1"), QStringLiteral("class_4_1_01"),
                                 QStringLiteral("class_4_1_02")};
        const QString log = readFile(server.LogFile()).mid(int(logBefore));
        QVERIFY2(log.contains(QStringLiteral("ALTER ROLE")), "the statements were not logged");
        const QString arguments = readFile(argsLog);
        QVERIFY(!arguments.isEmpty());
        for (const QString& login : logins) {
            const QString password = printedPassword(server.SetupOutput(), login);
            QVERIFY2(password.size() >= 20, qPrintable(login + server.SetupOutput()));
            QVERIFY2(!log.contains(password), qPrintable(login));
            QVERIFY2(!arguments.contains(password), qPrintable(login));
        }
        QCOMPARE(server
                     .Psql(QStringLiteral("SELECT count(*) FROM pg_authid WHERE rolname LIKE 'class_4_1_0_' "
                                          "AND rolpassword LIKE 'SCRAM-SHA-256$%'"))
                     .out,
                 QStringLiteral("2"));
        QCOMPARE(
            server.Psql(QStringLiteral("SELECT seat FROM vantel.computers WHERE class = '4年1組' ORDER BY 1"))
                .Rows(),
            QStringList({"PC-01", "PC-02"}));
    }

    // Install run again while a teacher reads and a computer sends: it
    // changes nothing, so it takes no lock that makes them wait.
    void installDuringLessons() {
        auto teacher = connectAs(PgTestServer::TeacherServiceName());
        QVERIFY(teacher->transaction());
        QCOMPARE(rows(*teacher, QStringLiteral("SELECT count(*) FROM vantel.attempts")), QStringList{"0"});
        QCOMPARE(rows(*teacher, QStringLiteral("SELECT count(*) FROM vantel.class_summary(?)"),
                      {PgTestServer::TestClass()}),
                 QStringList{"0"});

        QElapsedTimer timer;
        timer.start();
        QVERIFY2(server.Setup({QStringLiteral("install")}), qPrintable(server.SetupOutput()));
        QVERIFY2(timer.elapsed() < 10000, "install waited for the teacher's transaction");
        QCOMPARE(rows(*computer, QStringLiteral("SELECT set_config('statement_timeout', '5s', false)")),
                 QStringList{"5s"});
        Sent during;
        QCOMPARE(addAttempt(*computer, during), QVariant(true));
        QVERIFY(teacher->commit());
    }

    // A server of version 1 moves over with install: every attempt stays,
    // the login a class's computers share keeps sending (naming its seat)
    // until the administrator removes it.
    void movesOverFromVersionOne() {
        QVERIFY(server.Psql(QStringLiteral("CREATE DATABASE vantel_old")).ok);
        QProcess psql;
        psql.start(QStringLiteral("/usr/lib/postgresql/15/bin/psql"),
                   {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"),
                    QStringLiteral("ON_ERROR_STOP=1"),
                    server.adminConnInfo().replace(QStringLiteral("dbname=vantel"),
                                                   QStringLiteral("dbname=vantel_old")),
                    QStringLiteral("-f"),
                    qEnvironmentVariable("VANTEL_SOURCE_DIR") +
                        QStringLiteral("/tests/classroom/server/schema-v1.sql"),
                    QStringLiteral("-c"),
                    QStringLiteral("CREATE ROLE pc_shared LOGIN IN ROLE vantel_computer; "
                                   "INSERT INTO vantel.class_roles VALUES ('pc_shared', '3年2組', 'add')")});
        QVERIFY(psql.waitForFinished(PgTestServer::kTimeoutMs));
        QVERIFY2(psql.exitCode() == 0, psql.readAllStandardError().constData());

        auto shared = connectTo(QStringLiteral("vantel_old"), QStringLiteral("pc_shared"));
        QVERIFY(shared->isOpen());
        QSqlQuery old(*shared);
        QVERIFY(old.exec(QStringLiteral(
            "SELECT vantel.add_attempt(gen_random_uuid(), '3年2組', 'PC-07', 'はな', 0::smallint, now(), "
            "32400, 1, "
            "0::smallint, 0::smallint, false, '{}', '{}', '[{\"cell\":0,\"top\":1,\"left\":2,\"typed\":\"3\","
            "\"correct\":true,\"last_key_ms\":900}]'::jsonb)")));
        shared.reset();

        QVERIFY2(server.Setup({QStringLiteral("install")}, QStringLiteral("vantel_old")),
                 qPrintable(server.SetupOutput()));
        QVERIFY2(server.SetupOutput().contains(QStringLiteral("version 2")),
                 qPrintable(server.SetupOutput()));
        shared = connectTo(QStringLiteral("vantel_old"), QStringLiteral("pc_shared"));
        Sent again;
        again.cls = QStringLiteral("3年2組");
        again.seat = QStringLiteral("PC-08");
        QCOMPARE(addAttempt(*shared, again), QVariant(true));
        auto oldAdmin = connectTo(QStringLiteral("vantel_old"), QStringLiteral("postgres"));
        QCOMPARE(
            rows(*oldAdmin, QStringLiteral("SELECT seat, child, coalesce(added_by, '-'), duration_ms FROM "
                                           "vantel.attempts ORDER BY seat")),
            QStringList({"PC-07|はな|-|1", "PC-08|たろう|pc_shared|60000"}));
        QCOMPARE(rows(*oldAdmin, QStringLiteral("SELECT count(*) FROM vantel.answers")), QStringList{"1"});
        shared.reset();

        QVERIFY2(server.Setup({QStringLiteral("remove-role"), QStringLiteral("pc_shared")},
                              QStringLiteral("vantel_old")),
                 qPrintable(server.SetupOutput()));
        QCOMPARE(rows(*oldAdmin, QStringLiteral("SELECT count(*) FROM pg_roles WHERE rolname = 'pc_shared'")),
                 QStringList{"0"});
        QCOMPARE(rows(*oldAdmin, QStringLiteral("SELECT count(*) FROM vantel.attempts")), QStringList{"2"});
    }

private:
    std::unique_ptr<QSqlDatabase> connectTo(const QString& database, const QString& role,
                                            const QString& password = {}) {
        static int count = 0;
        auto db = std::make_unique<QSqlDatabase>(
            QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("direct%1").arg(++count)));
        db->setHostName(server.SocketDir());
        db->setPort(PgTestServer::Port());
        db->setDatabaseName(database);
        db->setUserName(role);
        db->setPassword(password);
        db->open();
        return db;
    }
    std::unique_ptr<QSqlDatabase> connectWithPassword(const QString& role, const QString& password) {
        return connectTo(QStringLiteral("vantel"), role, password);
    }
    // The test server trusts its socket; for the password cases the
    // computers' logins must give theirs.
    void requirePasswords(bool on) {
        const QString path = server.SocketDir() + QStringLiteral("/data/pg_hba.conf");
        const QString line = QStringLiteral("local vantel +vantel_computer scram-sha-256\n");
        QString hba = readFile(path);
        hba.remove(line);
        if (on)
            hba.prepend(line);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(hba.toUtf8());
        file.close();
        QVERIFY(server.Psql(QStringLiteral("SELECT pg_reload_conf()")).ok);
        QTest::qWait(300); // the postmaster reads the file on the signal
    }

    PgTestServer server;
    std::unique_ptr<QSqlDatabase> computer, admin;
};

QTEST_GUILESS_MAIN(TestClassSecurity)
#include "tst_classsecurity.moc"
