// The class server at a school's scale, measured in one run against one
// server (tests/support/pgserver.sh, filled once by generate.sh: 40 classes x
// 30 children x 100 attempts, 12 million answer rows):
// - baseline: a full count(*) of the answer rows;
// - the class view of one class (class_summary), the fact map of one child
//   (child_facts) and the class's facts at a drill (class_facts, over all
//   time and the last 30 days), read as that class's teacher, under
//   row-level security: each at most 1/20 of the baseline, and their plans
//   read only that class's or child's rows (no sequential scan of attempts
//   or answers);
// - sending: add_attempt, one attempt of 100 cells a call, as the computers'
//   role over the Unix socket: at least 200 attempts a second when a queue
//   drains (20 calls a transaction), and, without a budget, one call a
//   transaction, which waits for the disk's flush at every commit;
// - the size of the database.
//
//   bench_classroom [DIR]   the server's folder; kept between runs (default: classroom-db beside the program)
#include "tests/support/Measure.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
const QString kClass = QStringLiteral("3年2組"); // class 16 of generate.sh
const QString kTeacher = QStringLiteral("teacher_16");
const QString kComputer = QStringLiteral("pc_16");
const QString kChild = QStringLiteral("ひなた");
const QString kSentChild = QStringLiteral("送信ベンチ");
constexpr int kAttempts = 120000;
constexpr double kReadBudget = 1.0 / 20;
constexpr double kSendBudget = 200; // attempts a second

QString dir;
bool failed = false;

bool runScript(const QString& script, const QStringList& arguments, const QStringList& environment = {}) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& pair : environment)
        env.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VANTEL_SOURCE_DIR "/") + script, arguments);
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

QString connInfo(const QString& role) {
    return QStringLiteral("host=%1 port=5432 dbname=vantel user=%2").arg(dir, role);
}

QSqlDatabase connectAs(const QString& role) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), role);
    db.setConnectOptions(connInfo(role));
    if (!db.open()) {
        std::fprintf(stderr, "cannot connect as %s: %s\n", qPrintable(role),
                     qPrintable(db.lastError().text()));
        std::exit(1);
    }
    return db;
}

QSqlQuery run(QSqlDatabase& db, const QString& sql) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(sql)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(sql), qPrintable(q.lastError().text()));
        std::exit(1);
    }
    return q;
}

QString scalar(QSqlDatabase& db, const QString& sql) {
    QSqlQuery q = run(db, sql);
    return q.next() ? q.value(0).toString() : QString();
}

// Milliseconds of each run of a query, all its rows read.
std::vector<double> times(QSqlDatabase& db, const QString& sql, int runs) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        QSqlQuery q = run(db, sql);
        while (q.next()) {
        }
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return ms;
}

QString literal(const QString& text) {
    return QLatin1Char('\'') + QString(text).replace('\'', "''") + QLatin1Char('\'');
}

// Prints the plan and says whether it keeps to the rows asked for.
void showPlan(QSqlDatabase& db, const QString& what, const QString& sql) {
    QSqlQuery q = run(db, QStringLiteral("EXPLAIN (ANALYZE, BUFFERS) ") + sql);
    QString plan;
    while (q.next())
        plan += q.value(0).toString() + QLatin1Char('\n');
    std::printf("\n--- plan of %s: %s\n%s", qPrintable(what), qPrintable(sql), qPrintable(plan));
    for (const char* table : {"attempts", "answers"}) {
        if (plan.contains(QStringLiteral("Seq Scan on %1").arg(QLatin1String(table)))) {
            std::printf("MISSED: %s reads the whole %s table\n", qPrintable(what), table);
            failed = true;
        }
    }
}

void judge(const char* what, double ms, double baselineMs) {
    const double ratio = ms / baselineMs;
    const bool ok = ratio <= kReadBudget;
    std::printf("%-32s %8.2f ms  ratio %.4f  (budget <= %.4f)  %s\n", what, ms, ratio, kReadBudget,
                ok ? "ok" : "MISSED");
    failed = failed || !ok;
}

QString cells() {
    QJsonArray array;
    for (int i = 0; i < 100; ++i)
        array.append(QJsonObject{{"cell", i},
                                 {"top", i % 10},
                                 {"left", i / 10},
                                 {"typed", QString::number(i % 10 + i / 10)},
                                 {"correct", true},
                                 {"last_key_ms", 600 * (i + 1)}});
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

// One add_attempt a call, as the outbox sends; each its own transaction
// unless batch > 1 (a queue that drains after the server was away).
double sendRate(QSqlDatabase& computer, int count, int batch) {
    QSqlQuery q(computer);
    q.prepare(
        QStringLiteral("SELECT vantel.add_attempt(?::uuid, ?, ?, ?, ?::smallint, ?::timestamptz, ?::integer, "
                       "?::integer, ?::smallint, ?::smallint, ?::boolean, ?::smallint[], ?::smallint[], "
                       "?::text)"));
    const QString sheet = cells();
    const QString headers = QStringLiteral("{0,1,2,3,4,5,6,7,8,9}");
    // A queue that drains after days away: its attempts started minutes
    // apart, as a child does them (the server refuses a burst). Each burst
    // has hours of its own, or the later ones would crowd the first's.
    static int bursts = 0;
    const QDateTime firstStart = QDateTime::currentDateTimeUtc().addSecs(-qint64(count) * 30 * ++bursts);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i) {
        if (batch > 1 && i % batch == 0)
            computer.transaction();
        const QVariantList values{QUuid::createUuid().toString(QUuid::WithoutBraces),
                                  kClass,
                                  QStringLiteral("PC-99"),
                                  kSentChild,
                                  i % 3,
                                  firstStart.addSecs(qint64(i) * 30).toString(Qt::ISODateWithMs),
                                  32400,
                                  60000 + i,
                                  100,
                                  100,
                                  false,
                                  headers,
                                  headers,
                                  sheet};
        for (int v = 0; v < values.size(); ++v)
            q.bindValue(v, values[v]);
        if (!q.exec() || !q.next() || !q.value(0).toBool()) {
            std::fprintf(stderr, "add_attempt: %s\n", qPrintable(q.lastError().text()));
            std::exit(1);
        }
        if (batch > 1 && (i % batch == batch - 1 || i == count - 1))
            computer.commit();
    }
    return count / (double(timer.nsecsElapsed()) / 1e9);
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    dir = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1])
                        : QCoreApplication::applicationDirPath() + QStringLiteral("/classroom-db"))
              .absolutePath();
    if (!runScript(QStringLiteral("tests/support/pgserver.sh"), {QStringLiteral("start"), dir},
                   {QStringLiteral("PGSERVER_SETTINGS=shared_buffers = 512MB\nmax_wal_size = 4GB\n"
                                   "checkpoint_timeout = 30min\nwork_mem = 16MB")}))
        return 1;
    int status = 0;
    {
        QSqlDatabase admin = connectAs(QStringLiteral("postgres"));
        // What an interrupted run sent.
        run(admin, QStringLiteral("DELETE FROM vantel.attempts WHERE child = %1").arg(literal(kSentChild)));
        run(admin,
            QStringLiteral("VACUUM vantel.attempts, vantel.answers, vantel.answer_times, vantel.fact_days, "
                           "vantel.child_fact_seen")); // the next run finds no dead rows
        if (scalar(admin, QStringLiteral("SELECT count(*) FROM vantel.attempts")).toInt() != kAttempts) {
            std::printf("generating the school (about a minute or two) ...\n");
            std::fflush(stdout);
            if (!runScript(QStringLiteral("bench/classroom/generate.sh"),
                           {connInfo(QStringLiteral("postgres"))}))
                return 1;
        }
        QSqlDatabase teacher = connectAs(kTeacher);
        QSqlDatabase computer = connectAs(kComputer);

        const QString count = QStringLiteral("SELECT count(*) FROM vantel.answers");
        const QString summary = QStringLiteral("SELECT * FROM vantel.class_summary(%1)").arg(literal(kClass));
        const QString facts = QStringLiteral("SELECT * FROM vantel.child_facts(%1, %2, 0::smallint, null)")
                                  .arg(literal(kClass), literal(kChild));
        const QString attempts =
            QStringLiteral("SELECT * FROM vantel.child_attempts(%1, %2, 0::smallint, null)")
                .arg(literal(kClass), literal(kChild));
        const QString classFacts =
            QStringLiteral("SELECT * FROM vantel.class_facts(%1, 0::smallint, null)").arg(literal(kClass));
        const QString classFacts30 =
            QStringLiteral("SELECT * FROM vantel.class_facts(%1, 0::smallint, now() - interval '30 days')")
                .arg(literal(kClass));

        // Warm: each read once, so every figure is of a server in use.
        times(admin, count, 1);
        for (const QString& sql : {summary, facts, attempts, classFacts, classFacts30})
            times(teacher, sql, 2);

        std::vector<double> baseline = times(admin, count, 3);
        const double summaryMs = Median(times(teacher, summary, 25));
        const double factsMs = Median(times(teacher, facts, 25));
        const double attemptsMs = Median(times(teacher, attempts, 25));
        const double classFactsMs = Median(times(teacher, classFacts, 25));
        const double classFacts30Ms = Median(times(teacher, classFacts30, 25));
        const std::vector<double> after = times(admin, count, 2);
        baseline.insert(baseline.end(), after.begin(), after.end());
        const double baselineMs = Median(baseline);

        std::printf(
            "class server: %s attempts, %s answer rows; class %s (%s attempts), child %s (%s attempts at "
            "addition)\n",
            qPrintable(scalar(admin, QStringLiteral("SELECT count(*) FROM vantel.attempts"))),
            qPrintable(scalar(admin, count)), qPrintable(kClass),
            qPrintable(scalar(admin, QStringLiteral("SELECT count(*) FROM vantel.attempts WHERE class = %1")
                                         .arg(literal(kClass)))),
            qPrintable(kChild),
            qPrintable(scalar(teacher, QStringLiteral("SELECT count(*) FROM (%1) a").arg(attempts))));
        std::printf("%-32s %8.2f ms  (baseline, median of 5)\n", "count(*) of all answers", baselineMs);
        judge("class view (class_summary)", summaryMs, baselineMs);
        judge("fact map (child_facts)", factsMs, baselineMs);
        judge("chart and table (child_attempts)", attemptsMs, baselineMs);
        judge("class's facts (class_facts)", classFactsMs, baselineMs);
        judge("class's facts, last 30 days", classFacts30Ms, baselineMs);

        std::printf(
            "database %s: attempts %s (with indexes), answers %s + primary key %s\n",
            qPrintable(scalar(admin, QStringLiteral("SELECT pg_size_pretty(pg_database_size('vantel'))"))),
            qPrintable(scalar(admin, QStringLiteral("SELECT pg_size_pretty(pg_total_relation_size("
                                                    "'vantel.attempts'))"))),
            qPrintable(scalar(admin, QStringLiteral("SELECT pg_size_pretty(pg_relation_size("
                                                    "'vantel.answers'))"))),
            qPrintable(scalar(admin, QStringLiteral("SELECT pg_size_pretty(pg_relation_size("
                                                    "'vantel.answers_pkey'))"))));

        // Bursts of 200, the median of 5: a shared disk has slow moments.
        const auto sending = [&](int batch) {
            std::vector<double> rates;
            for (int i = 0; i < 5; ++i)
                rates.push_back(sendRate(computer, 200, batch));
            return Median(rates);
        };
        const double drained = sending(20);
        std::printf("%-32s %8.0f attempts/s  (budget >= %.0f)  %s\n", "sending a queue, 20 a transaction",
                    drained, kSendBudget, drained >= kSendBudget ? "ok" : "MISSED");
        failed = failed || drained < kSendBudget;
        std::printf("%-32s %8.0f attempts/s  (a commit each: the disk's flush)\n",
                    "sending, one a transaction", sending(1));
        run(admin, QStringLiteral("DELETE FROM vantel.attempts WHERE child = %1").arg(literal(kSentChild)));
        run(admin,
            QStringLiteral("VACUUM vantel.attempts, vantel.answers, vantel.answer_times, vantel.fact_days, "
                           "vantel.child_fact_seen")); // the next run finds no dead rows

        showPlan(teacher, QStringLiteral("the class view"), summary);
        showPlan(teacher, QStringLiteral("the fact map"), facts);
        showPlan(teacher, QStringLiteral("the class's facts"), classFacts30);
        status = failed ? 1 : 0;
    }
    for (const QString& name : QSqlDatabase::connectionNames())
        QSqlDatabase::removeDatabase(name);
    runScript(QStringLiteral("tests/support/pgserver.sh"), {QStringLiteral("stop"), dir});
    return status;
}
