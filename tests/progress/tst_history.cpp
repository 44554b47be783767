// The history on real SQLite files: schema and migration, every field kept,
// the fact times kept beside the attempts, hostile names, a damaged file, a
// full disk, an unwritable folder, writing in the background, a crash right
// after the result, the sync to disk before it, and two programs writing at once.
#include "progress/AttemptRecording.h"
#include "progress/FactTimes.h"
#include "progress/SqliteHistory.h"

#include "tests/support/FakeServices.h"
#include "tests/support/SampleAttempts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <csignal>

namespace {
const QDateTime kStart(QDate(2026, 12, 8), QTime(0, 5, 7, 250), Qt::UTC);

// A plain connection to look at the file as any SQLite reader would.
class RawFile {
public:
    explicit RawFile(const QString& path) : name_(QStringLiteral("raw-%1").arg(++serial_)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        db.open();
    }
    ~RawFile() {
        QSqlDatabase::database(name_).close();
        QSqlDatabase::removeDatabase(name_);
    }
    QVariant Value(const QString& sql) {
        QSqlQuery query(QSqlDatabase::database(name_));
        if (!query.exec(sql) || !query.next())
            return {};
        return query.value(0);
    }
    QList<QVariantList> Rows(const QString& sql) {
        QSqlQuery query(QSqlDatabase::database(name_));
        QList<QVariantList> rows;
        if (!query.exec(sql))
            return rows;
        while (query.next()) {
            QVariantList row;
            for (int i = 0; i < query.record().count(); ++i)
                row << query.value(i);
            rows << row;
        }
        return rows;
    }
    bool Exec(const QString& sql) {
        QSqlQuery query(QSqlDatabase::database(name_));
        return query.exec(sql);
    }

private:
    static inline int serial_ = 0;
    QString name_;
};

// The tables as the program of schema 1 left them; schema 2 added each
// attempt's UTC offset and the time of each answer's last key.
bool createOldTables(RawFile& raw, int version) {
    const bool two = version >= 2;
    return raw.Exec("CREATE TABLE children (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE)") &&
           raw.Exec(QStringLiteral(
                        "CREATE TABLE attempts (id INTEGER PRIMARY KEY, child_id INTEGER NOT NULL REFERENCES "
                        "children(id), drill INTEGER NOT NULL, started_ms INTEGER NOT NULL, duration_ms "
                        "INTEGER NOT NULL, score INTEGER NOT NULL, full_score INTEGER NOT NULL, new_best "
                        "INTEGER NOT NULL, top_headers TEXT NOT NULL, left_headers TEXT NOT NULL%1)")
                        .arg(two ? ", utc_offset_s INTEGER NOT NULL DEFAULT 0" : "")) &&
           raw.Exec(
               QStringLiteral("CREATE TABLE answers (attempt_id INTEGER NOT NULL, cell INTEGER NOT NULL, "
                              "a INTEGER NOT NULL, b INTEGER NOT NULL, typed TEXT NOT NULL, right INTEGER "
                              "NOT NULL%1, PRIMARY KEY (attempt_id, cell)) WITHOUT ROWID")
                   .arg(two ? ", key_ms INTEGER" : ""));
}

// The statistics of the attempts worked out from their answer cells.
FactStats statsOf(DrillKind drill, const QList<Attempt>& attempts) {
    FactStatsBuilder builder(drill);
    for (const Attempt& a : attempts) {
        std::vector<AnswerSample> cells;
        for (const AnswerCell& c : a.cells)
            cells.push_back(AnswerSample{c.top, c.left, c.right, c.lastKeyMs});
        builder.AddAttempt(std::move(cells));
    }
    return builder.Finish();
}

void compareStats(const FactStats& kept, const FactStats& expected) {
    QCOMPARE(kept.attempts, expected.attempts);
    QCOMPARE(kept.overallMedianMs, expected.overallMedianMs);
    QCOMPARE(kept.facts.size(), expected.facts.size());
    for (int i = 0; i < expected.facts.size(); ++i) {
        QCOMPARE(kept.facts[i].seen, expected.facts[i].seen);
        QCOMPARE(kept.facts[i].wrong, expected.facts[i].wrong);
        QCOMPARE(kept.facts[i].medianMs, expected.facts[i].medianMs);
    }
}

QString writerProgram() { return QCoreApplication::applicationDirPath() + QStringLiteral("/history_writer"); }
} // namespace

class TestHistory : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    FakeMessageBoxes messages;
    QString path() const { return dir.filePath(QStringLiteral("vantel/history.sqlite")); }

private slots:
    void init() {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        messages.Clear();
    }

    void notOpenedUntilFirstUse() {
        SqliteHistory history(path(), messages);
        QVERIFY(!QFileInfo::exists(path()));
        history.Flush(); // nothing held: nothing to open
        QVERIFY(!QFileInfo::exists(path()));
        QVERIFY(history.Record(SampleAttempt("a", DrillKind::Addition, kStart, 1000)));
        QVERIFY(QFileInfo::exists(path()));
    }

    void newFileGetsTheSchemaInWalMode() {
        {
            SqliteHistory history(path(), messages);
            QVERIFY(history.Record(SampleAttempt("a", DrillKind::Addition, kStart, 1000)));
        }
        RawFile raw(path());
        QCOMPARE(raw.Value("PRAGMA user_version").toInt(), SqliteHistory::kSchemaVersion);
        QCOMPARE(raw.Value("PRAGMA journal_mode").toString(), "wal");
        QCOMPARE(raw.Value("SELECT count(*) FROM sqlite_master WHERE name = 'attempts_by_child'").toInt(), 1);
    }

    void versionOneFileIsMigratedAndKeepsItsAttempts() {
        QDir().mkpath(QFileInfo(path()).absolutePath());
        {
            RawFile raw(path());
            QVERIFY(createOldTables(raw, 1));
            QVERIFY(raw.Exec("INSERT INTO children VALUES (1, 'old')"));
            QVERIFY(raw.Exec(QStringLiteral("INSERT INTO attempts VALUES (1, 1, 2, %1, 61000, 64, 64, 1, "
                                            "'2,3,4,5,6,7,8,9', '2,3,4,5,6,7,8,9')")
                                 .arg(kStart.toMSecsSinceEpoch())));
            QVERIFY(raw.Exec("INSERT INTO answers VALUES (1, 33, 2, 2, '4', 1)"));
            QVERIFY(raw.Exec("PRAGMA user_version=1"));
        }
        SqliteHistory history(path(), messages);
        const QList<Attempt> old = history.Attempts("old", DrillKind::Multiplication, {});
        QCOMPARE(old.size(), 1);
        QCOMPARE(old[0].durationMs, 61000u);
        QCOMPARE(old[0].utcOffsetSeconds, 0);
        QCOMPARE(old[0].topHeaders.size(), 8);
        QVERIFY(old[0].newBest);
        QCOMPARE(history.Facts("old", DrillKind::Multiplication, {}).Find({2, 2})->seen, 1);
        QVERIFY(history.Record(SampleAttempt("old", DrillKind::Multiplication, kStart.addDays(1), 60000)));
        QCOMPARE(history.Attempts("old", DrillKind::Multiplication, {}).size(), 2);
        RawFile raw(path());
        QCOMPARE(raw.Value("PRAGMA user_version").toInt(), SqliteHistory::kSchemaVersion);
        QCOMPARE(raw.Value("SELECT count(*) FROM attempts WHERE fact_times IS NULL").toInt(), 0);
        QVERIFY(messages.errors.isEmpty());
    }

    void versionTwoFileGetsTheFactTimesOfItsAttempts() {
        const QList<Attempt> old = SampleHistory("old", DrillKind::Subtraction, kStart, 12, 3);
        QDir().mkpath(QFileInfo(path()).absolutePath());
        {
            // A file as the program of schema 2 left it.
            RawFile raw(path());
            QVERIFY(createOldTables(raw, 2));
            QVERIFY(raw.Exec("BEGIN"));
            QVERIFY(raw.Exec("INSERT INTO children VALUES (1, 'old')"));
            for (int i = 0; i < old.size(); ++i) {
                const Attempt& a = old[i];
                QVERIFY(raw.Exec(QStringLiteral("INSERT INTO attempts VALUES (%1, 1, %2, %3, %4, %5, %6, 0, "
                                                "'10,11,12,13,14,15,16,17,18,19', '0,1,2,3,4,5,6,7,8,9', 0)")
                                     .arg(i + 1)
                                     .arg(int(a.drill))
                                     .arg(a.startedUtc.toMSecsSinceEpoch())
                                     .arg(a.durationMs)
                                     .arg(a.score)
                                     .arg(a.fullScore)));
                for (const AnswerCell& c : a.cells)
                    QVERIFY(
                        raw.Exec(QStringLiteral("INSERT INTO answers VALUES (%1, %2, %3, %4, '%5', %6, %7)")
                                     .arg(i + 1)
                                     .arg(c.row * 32 + c.col)
                                     .arg(c.top)
                                     .arg(c.left)
                                     .arg(c.typed)
                                     .arg(c.right ? 1 : 0)
                                     .arg(c.lastKeyMs)));
            }
            QVERIFY(raw.Exec("COMMIT"));
            QVERIFY(raw.Exec("PRAGMA user_version=2"));
        }
        SqliteHistory history(path(), messages);
        compareStats(history.Facts("old", DrillKind::Subtraction, {}), statsOf(DrillKind::Subtraction, old));
        RawFile raw(path());
        QCOMPARE(raw.Value("PRAGMA user_version").toInt(), 3);
        QCOMPARE(raw.Value("SELECT count(*) FROM attempts WHERE fact_times IS NULL").toInt(), 0);
        QVERIFY(messages.errors.isEmpty());
    }

    void factsFromTheKeptTimesMatchTheAnswers() {
        const QList<Attempt> attempts = SampleHistory("a", DrillKind::Addition, kStart, 20, 9);
        SqliteHistory history(path(), messages);
        for (const Attempt& a : attempts)
            QVERIFY(history.Record(a));
        const QDateTime since = attempts[8].startedUtc;
        const FactStats recent = statsOf(DrillKind::Addition, attempts.mid(8));
        compareStats(history.Facts("a", DrillKind::Addition, since), recent);
        // One read for the window gives the same as the two.
        const ChildProgress progress = history.Progress("a", DrillKind::Addition, since);
        compareStats(progress.facts, recent);
        QCOMPARE(progress.attempts.size(), 12);
        QCOMPARE(progress.attempts.first().startedUtc, since);

        // An older copy of the program writes no fact times, and a damaged
        // record of them is no record: those attempts are read from their answers.
        RawFile raw(path());
        QVERIFY(raw.Exec("UPDATE attempts SET fact_times = NULL WHERE id IN (9, 15)"));
        QVERIFY(raw.Exec("UPDATE attempts SET fact_times = x'0102' WHERE id = 20"));
        compareStats(history.Facts("a", DrillKind::Addition, since), recent);
        compareStats(history.Progress("a", DrillKind::Addition, {}).facts,
                     statsOf(DrillKind::Addition, attempts));
    }

    void recordingInTheBackgroundIsWaitedFor() {
        SqliteHistory history(path(), messages);
        QVERIFY(history.Record(SampleAttempt("a", DrillKind::Addition, kStart, 1000))); // opens the file
        RawFile raw(path());
        // Another copy of the program holds the file: the wait gives up, the writing goes on.
        QVERIFY(raw.Exec("BEGIN IMMEDIATE"));
        history.RecordInBackground(
            [] { return SampleAttempt("a", DrillKind::Addition, kStart.addSecs(60), 2000); });
        QVERIFY(!history.WaitRecorded(200));
        QVERIFY(raw.Exec("COMMIT"));
        QVERIFY(history.WaitRecorded(kRecordWaitMs));
        QCOMPARE(raw.Value("SELECT count(*) FROM attempts").toInt(), 2);
        QVERIFY(messages.errors.isEmpty());
    }

    void aFailedBackgroundRecordIsHeldAndTold() {
        const QString blocked = dir.filePath("blocked");
        QFile blocker(blocked);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SqliteHistory history(blocked + "/history.sqlite", messages);
        history.RecordInBackground([] { return SampleAttempt("a", DrillKind::Addition, kStart, 1000); });
        QVERIFY(!history.WaitRecorded(kRecordWaitMs));
        QCOMPARE(messages.errors.size(), 1); // shown by the caller's thread, after the wait
        QCOMPARE(history.Pending(), 1);
        QVERIFY(QFile::remove(blocked));
        history.RecordInBackground([] { return SampleAttempt("a", DrillKind::Addition, kStart, 2000); });
        QVERIFY(history.WaitRecorded(kRecordWaitMs));
        QCOMPARE(history.Attempts("a", DrillKind::Addition, {}).size(), 2);
    }

    void everyFieldIsKept() {
        Attempt attempt =
            SampleAttempt("ゆい", DrillKind::Subtraction, kStart, 83456, {{13, 4}, {19, 9}}, 700);
        attempt.utcOffsetSeconds = -5 * 3600 - 1800;
        attempt.newBest = true;
        attempt.topHeaders = {19, 10, 11, 12, 13, 14, 15, 16, 17, 18};
        attempt.cells[0].lastKeyMs = -1; // answered by the answer key: no keystroke
        attempt.cells[5].typed = "09.";
        {
            SqliteHistory history(path(), messages);
            QVERIFY(history.Record(attempt));
        }
        SqliteHistory history(path(), messages);
        const QList<Attempt> kept = history.Attempts("ゆい", DrillKind::Subtraction, {});
        QCOMPARE(kept.size(), 1);
        const Attempt& k = kept[0];
        QCOMPARE(k.startedUtc, kStart);
        QCOMPARE(k.utcOffsetSeconds, attempt.utcOffsetSeconds);
        QCOMPARE(k.StartedLocal().time(), QTime(18, 35, 7, 250));
        QCOMPARE(k.durationMs, 83456u);
        QCOMPARE(k.score, 98);
        QCOMPARE(k.fullScore, 100);
        QVERIFY(k.newBest);
        QCOMPARE(k.topHeaders, attempt.topHeaders);
        QCOMPARE(k.leftHeaders, attempt.leftHeaders);

        RawFile raw(path());
        const QList<QVariantList> rows =
            raw.Rows("SELECT cell, a, b, typed, right, key_ms FROM answers ORDER BY cell");
        QCOMPARE(rows.size(), 100);
        QList<QVariantList> expected;
        for (const AnswerCell& c : attempt.cells)
            expected << QVariantList{c.row * 32 + c.col,
                                     c.top,
                                     c.left,
                                     c.typed,
                                     c.right ? 1 : 0,
                                     c.lastKeyMs < 0 ? QVariant() : QVariant(qint64(c.lastKeyMs))};
        for (int i = 0; i < 100; ++i) {
            QCOMPARE(rows[i][0].toInt(), expected[i][0].toInt());
            QCOMPARE(rows[i][1].toInt(), expected[i][1].toInt());
            QCOMPARE(rows[i][2].toInt(), expected[i][2].toInt());
            QCOMPARE(rows[i][3].toString(), expected[i][3].toString());
            QCOMPARE(rows[i][4].toInt(), expected[i][4].toInt());
            QCOMPARE(rows[i][5].isNull(), expected[i][5].isNull());
            QCOMPARE(rows[i][5].toLongLong(), expected[i][5].toLongLong());
        }
    }

    void namesAreStoredAsTyped_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("quotes") << QStringLiteral("O'Brien \"Bob\"");
        QTest::newRow("sql") << QStringLiteral("x'); DROP TABLE attempts; --");
        QTest::newRow("control") << QStringLiteral("a\tb\nc\x01\x7f");
        QTest::newRow("long") << QString(10000, u'長');
        QTest::newRow("none") << QString();
    }
    void namesAreStoredAsTyped() {
        QFETCH(QString, name);
        {
            SqliteHistory history(path(), messages);
            QVERIFY(history.Record(SampleAttempt(name, DrillKind::Kuku, kStart, 1000)));
            QVERIFY(history.Record(SampleAttempt("other", DrillKind::Kuku, kStart, 1000)));
        }
        SqliteHistory history(path(), messages);
        QVERIFY(history.Children().contains(name));
        QCOMPARE(history.Children().size(), 2);
        QCOMPARE(history.Attempts(name, DrillKind::Kuku, {}).size(), 1);
    }

    void rangeAndDrillChooseTheAttempts() {
        SqliteHistory history(path(), messages);
        for (int day = 0; day < 5; ++day)
            QVERIFY(history.Record(
                SampleAttempt("a", DrillKind::Addition, kStart.addDays(-day * 20), 1000 + day)));
        QVERIFY(history.Record(SampleAttempt("a", DrillKind::Multiplication, kStart, 5)));
        QCOMPARE(history.Attempts("a", DrillKind::Addition, {}).size(), 5);
        QCOMPARE(history.Attempts("a", DrillKind::Addition, kStart.addDays(-30)).size(), 2);
        const QList<Attempt> all = history.Attempts("a", DrillKind::Addition, {});
        QVERIFY(all.first().startedUtc < all.last().startedUtc); // oldest first
        QCOMPARE(history.Facts("a", DrillKind::Addition, kStart.addDays(-30)).attempts, 2);
    }

    void damagedFileIsMovedAsideAndANewOneStarted_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("text") << QByteArray("これはデータベースではありません\n").repeated(200);
        QByteArray header("SQLite format 3");
        header.append('\0');
        QTest::newRow("header then garbage") << header + QByteArray(8192, '\xA5');
    }
    void damagedFileIsMovedAsideAndANewOneStarted() {
        QFETCH(QByteArray, content);
        QDir().mkpath(QFileInfo(path()).absolutePath());
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();

        SqliteHistory history(path(), messages);
        QVERIFY(history.Record(SampleAttempt("a", DrillKind::Addition, kStart, 1000)));
        QVERIFY(history.Record(SampleAttempt("a", DrillKind::Addition, kStart, 1000)));
        QCOMPARE(messages.errors.size(), 1); // told once
        QVERIFY(messages.errors[0].contains("壊れて"));
        const QStringList aside =
            QDir(QFileInfo(path()).absolutePath()).entryList({"history-damaged-*.sqlite"}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QVERIFY(aside[0].contains(QDate::currentDate().toString("yyyyMMdd")));
        QFile kept(QFileInfo(path()).absolutePath() + "/" + aside[0]);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), content); // never deleted, never changed
        QCOMPARE(history.Attempts("a", DrillKind::Addition, {}).size(), 2);
    }

    void fullDiskKeepsTheAttemptForTheNextOne() {
        SqliteHistory history(path(), messages);
        QVERIFY(history.Record(SampleAttempt("a", DrillKind::Addition, kStart, 1000)));
        RawFile raw(path());
        history.SetPageLimit(raw.Value("PRAGMA page_count").toInt() + 1); // the disk fills up soon
        int written = 1;
        while (written < 50 &&
               history.Record(SampleAttempt("a", DrillKind::Addition, kStart.addSecs(written), 1000)))
            ++written;
        QVERIFY(written < 50);
        QVERIFY(messages.errors.isEmpty() == false);
        QVERIFY(messages.errors[0].contains("記録できませんでした"));
        QVERIFY(!history.Record(SampleAttempt("a", DrillKind::Addition, kStart.addSecs(100), 3000)));
        QCOMPARE(history.Pending(), 2);
        QCOMPARE(messages.errors.size(), 1); // told once, not at every attempt
        QCOMPARE(raw.Value("SELECT count(*) FROM attempts").toInt(), written);

        history.SetPageLimit(0); // room again
        QVERIFY(history.Record(SampleAttempt("a", DrillKind::Addition, kStart.addSecs(200), 4000)));
        QCOMPARE(history.Pending(), 0);
        QCOMPARE(raw.Value("SELECT count(*) FROM attempts").toInt(), written + 3);
        QCOMPARE(raw.Value("SELECT count(*) FROM answers").toInt(), (written + 3) * 100);
    }

    void unwritableFolderKeepsTheAttemptUntilClose() {
        const QString blocked = dir.filePath("blocked");
        QFile blocker(blocked); // a file where the folder should be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString file = blocked + "/history.sqlite";
        {
            SqliteHistory history(file, messages);
            QVERIFY(!history.Record(SampleAttempt("a", DrillKind::Addition, kStart, 1000)));
            QCOMPARE(messages.errors.size(), 1);
            QCOMPARE(history.Pending(), 1);
            QCOMPARE(history.Children(), QStringList{"a"}); // still shown
            QVERIFY(QFile::remove(blocked));                // the folder can be made now
        }                                                   // closing writes what was held
        SqliteHistory again(file, messages);
        QCOMPARE(again.Attempts("a", DrillKind::Addition, {}).size(), 1);
    }

    void attemptSurvivesAKillRightAfterTheResult() {
        QProcess child;
        child.start(writerProgram(), {path(), "crash", "kill9"});
        QVERIFY(child.waitForStarted());
        QVERIFY(child.waitForReadyRead(30000));
        QCOMPARE(child.readLine().trimmed(), "shown");
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        SqliteHistory history(path(), messages);
        const QList<Attempt> kept = history.Attempts("kill9", DrillKind::Addition, {});
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept[0].durationMs, 90000u);
        QCOMPARE(history.Facts("kill9", DrillKind::Addition, {}).attempts, 1);
    }

    // A kill leaves the page cache to the kernel; a power cut does not. So
    // every write to the write-ahead log is synced before the result shows
    // (synchronous=NORMAL would leave the last commit in the cache).
    void attemptIsSyncedBeforeTheResult() {
        const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
        QVERIFY2(!strace.isEmpty(), "strace is missing: scripts/install-deps.sh installs it");
        const QString trace = dir.filePath(QStringLiteral("trace.txt"));
        QProcess child;
        child.start(strace, {"-f", "-y", "-e", "trace=write,pwrite64,pwritev,fsync,fdatasync", "-o", trace,
                             writerProgram(), path(), "once", "synced"});
        QVERIFY(child.waitForFinished(60000));
        const QByteArray output = child.readAllStandardOutput();
        const QByteArray errors = child.readAllStandardError();
        if (child.exitCode() != 0 && errors.contains("ptrace"))
            QSKIP(qPrintable("strace cannot trace here: " + QString::fromLocal8Bit(errors)));
        QVERIFY2(child.exitCode() == 0, errors.constData());
        QCOMPARE(output.trimmed(), "shown");

        QFile file(trace);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        // strace -y names each descriptor's file: "pwrite64(5</…/history.sqlite-wal>, …".
        const QRegularExpression walWrite(QStringLiteral(R"(\b(write|pwrite64|pwritev)\(\d+<[^>]*-wal>)"));
        const QRegularExpression walSync(QStringLiteral(R"(\b(fsync|fdatasync)\(\d+<[^>]*-wal>)"));
        qsizetype lastWrite = -1, lastSync = -1, shown = -1;
        for (qsizetype i = 0; i < lines.size() && shown < 0; ++i) {
            const QString line = QString::fromUtf8(lines[i]);
            if (line.contains(QLatin1String("\"shown\\n\"")))
                shown = i;
            else if (walWrite.match(line).hasMatch())
                lastWrite = i;
            else if (walSync.match(line).hasMatch())
                lastSync = i;
        }
        QVERIFY2(shown >= 0, "the result was never written");
        QVERIFY2(lastWrite >= 0, "nothing went to the write-ahead log");
        QVERIFY2(lastSync > lastWrite, qPrintable("the log's last write is not synced before the result: " +
                                                  QString::fromUtf8(lines[lastWrite])));
    }

    void twoWritersBothArrive() {
        QProcess first, second;
        first.start(writerProgram(), {path(), "40", "first"});
        second.start(writerProgram(), {path(), "40", "second"});
        QVERIFY(first.waitForFinished(120000));
        QVERIFY(second.waitForFinished(120000));
        QVERIFY2(first.exitCode() == 0, first.readAllStandardError().constData());
        QVERIFY2(second.exitCode() == 0, second.readAllStandardError().constData());
        SqliteHistory history(path(), messages);
        QCOMPARE(history.Attempts("first", DrillKind::Addition, {}).size(), 40);
        QCOMPARE(history.Attempts("second", DrillKind::Addition, {}).size(), 40);
    }

    void fileStaysSmall() {
        const int count = 200;
        {
            SqliteHistory history(path(), messages);
            for (const Attempt& a : SampleHistory("a", DrillKind::Addition, kStart, count, 7))
                QVERIFY(history.Record(a));
        }
        RawFile raw(path());
        raw.Value("PRAGMA wal_checkpoint(TRUNCATE)");
        QVERIFY2(QFileInfo(path()).size() / count < 4096,
                 qPrintable(QString::number(QFileInfo(path()).size())));
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
