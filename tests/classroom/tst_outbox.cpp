// The classroom configuration, the outbox file and the history that queues
// every attempt it records.
#include "classroom/ClassroomConfig.h"
#include "classroom/ClassroomHistory.h"
#include "classroom/Outbox.h"
#include "core/VantelError.h"
#include "progress/SqliteHistory.h"
#include "tests/support/FakeHistory.h"
#include "tests/support/FakeServices.h"
#include "tests/support/SampleAttempts.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

namespace {
void writeFile(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

Attempt sample(const QString& child, int minute = 0) {
    return SampleAttempt(child, DrillKind::Subtraction,
                         QDateTime(QDate(2026, 12, 1), QTime(9, minute), Qt::UTC), 95000, {Fact{12, 3}});
}
} // namespace

class TestOutbox : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void config_data();
    void config();
    void attemptSurvivesTheTripThroughTheOutbox();
    void queueKeepsOrderAcrossRestarts();
    void recordsLocallyEvenWhenTheOutboxCannotBeWritten();
    void twoThreadsOpeningAFreshOutboxBothWrite();
    void queuedBeforeTheLocalWrite();
};

void TestOutbox::config_data() {
    QTest::addColumn<QByteArray>("user");
    QTest::addColumn<QByteArray>("site");
    QTest::addColumn<QString>("service"); // empty: no configuration
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("seat");
    const QByteArray site = "[classroom]\nservice=school\nclass=3-1\nseat=PC07\n";
    const QString host = QSysInfo::machineHostName();
    QTest::newRow("none") << QByteArray() << QByteArray() << ""
                          << ""
                          << "";
    QTest::newRow("site-wide") << QByteArray() << site << "school"
                               << "3-1"
                               << "PC07";
    QTest::newRow("user's wins") << QByteArray("[classroom]\nservice=home\nclass=\"2-2\"\nseat=A\n") << site
                                 << "home"
                                 << "2-2"
                                 << "A";
    QTest::newRow("seat from host name")
        << QByteArray("[classroom]\nservice=s\nclass=4-2\n") << QByteArray() << "s"
        << "4-2" << host;
    QTest::newRow("no class: off") << QByteArray("[classroom]\nservice=s\n") << site << ""
                                   << ""
                                   << "";
    QTest::newRow("other section: off") << QByteArray("[class]\nservice=s\nclass=1\n") << QByteArray() << ""
                                        << ""
                                        << "";
    QTest::newRow("japanese class") << QByteArray(
                                           "[classroom]\nservice=s\nclass=\xE3\x81\x8F\xE3\x81\xBF 1\n")
                                    << QByteArray() << "s" << QStringLiteral("くみ 1") << host;
}

void TestOutbox::config() {
    QFETCH(QByteArray, user);
    QFETCH(QByteArray, site);
    QFETCH(QString, service);
    QTemporaryDir home, etc;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_DIRS", etc.path().toUtf8());
    if (!user.isEmpty())
        writeFile(home.filePath(QStringLiteral("vantel/classroom.conf")), user);
    if (!site.isEmpty())
        writeFile(etc.filePath(QStringLiteral("vantel/classroom.conf")), site);
    const std::optional<ClassroomConfig> config = ReadClassroomConfig();
    QCOMPARE(config.has_value(), !service.isEmpty());
    if (config) {
        QCOMPARE(config->service, service);
        QTEST(config->className, "className");
        QTEST(config->seat, "seat");
    }
}

void TestOutbox::attemptSurvivesTheTripThroughTheOutbox() {
    Attempt a = sample(QStringLiteral("O'Brien\"; DROP TABLE attempts; --"));
    a.cells[3].lastKeyMs = -1;
    a.cells[4].typed = QString();
    a.newBest = true;
    const OutgoingAttempt out = MakeOutgoing(a, QStringLiteral("1年'1組"), QStringLiteral("席;1"));
    Outbox outbox(dir_.filePath(QStringLiteral("trip.sqlite")));
    outbox.Add(out);
    outbox.Add(out); // queued twice by mistake: still one
    QCOMPARE(outbox.Waiting(), 1);
    const std::optional<OutgoingAttempt> back = outbox.Next();
    QVERIFY(back);
    QCOMPARE(back->id, out.id);
    QCOMPARE(back->className, out.className);
    QCOMPARE(back->seat, out.seat);
    const Attempt& b = back->attempt;
    QCOMPARE(b.child, a.child);
    QCOMPARE(b.drill, a.drill);
    QCOMPARE(b.startedUtc, a.startedUtc);
    QCOMPARE(b.utcOffsetSeconds, a.utcOffsetSeconds);
    QCOMPARE(b.durationMs, a.durationMs);
    QCOMPARE(b.score, a.score);
    QCOMPARE(b.newBest, true);
    QCOMPARE(b.topHeaders, a.topHeaders);
    QCOMPARE(b.leftHeaders, a.leftHeaders);
    QCOMPARE(b.cells.size(), a.cells.size());
    for (qsizetype i = 0; i < a.cells.size(); ++i) {
        QCOMPARE(b.cells[i].typed, a.cells[i].typed);
        QCOMPARE(b.cells[i].right, a.cells[i].right);
        QCOMPARE(b.cells[i].lastKeyMs, a.cells[i].lastKeyMs);
        QCOMPARE(b.cells[i].top, a.cells[i].top);
        QCOMPARE(b.cells[i].col, a.cells[i].col);
    }
    QCOMPARE(ArrayLiteral({10, 11, 19}), QStringLiteral("{10,11,19}"));
    QCOMPARE(TimestampText(a.startedUtc), QStringLiteral("2026-12-01T09:00:00.000Z"));
}

void TestOutbox::queueKeepsOrderAcrossRestarts() {
    const QString path = dir_.filePath(QStringLiteral("restart.sqlite"));
    QStringList ids;
    {
        Outbox outbox(path);
        for (int i = 0; i < 4; ++i) {
            const OutgoingAttempt out = MakeOutgoing(sample(QStringLiteral("c%1").arg(i), i), "k", "s");
            ids << out.id;
            outbox.Add(out);
        }
    }
    Outbox reopened(path);
    QCOMPARE(reopened.Waiting(), 4);
    reopened.SetAside(ids[0], QStringLiteral("bad"));
    QCOMPARE(reopened.Next()->id, ids[1]);
    reopened.Remove(ids[1]);
    QCOMPARE(reopened.Next()->id, ids[2]);
    QCOMPARE(reopened.Waiting(), 2);
    QCOMPARE(reopened.SetAsideCount(), 1);
    // A row that is not an attempt (a damaged write) is set aside, not sent or retried forever.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("poke"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery(db).exec(
            QStringLiteral("UPDATE outbox SET body = '{not json' WHERE id = '%1'").arg(ids[2]));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("poke"));
    QCOMPARE(reopened.Next()->id, ids[3]);
    QCOMPARE(reopened.SetAsideCount(), 2);
}

void TestOutbox::recordsLocallyEvenWhenTheOutboxCannotBeWritten() {
    FakeHistory local;
    int wakes = 0;
    const ClassroomConfig config{QStringLiteral("svc"), QStringLiteral("2-1"), QStringLiteral("PC1"), {}};
    ClassroomHistory good(local, config, dir_.filePath(QStringLiteral("good.sqlite")), [&] { ++wakes; });
    QVERIFY(good.Record(sample(QStringLiteral("はな"))));
    QCOMPARE(local.attempts.size(), 1);
    QCOMPARE(good.Queue().Waiting(), 1);
    QCOMPARE(good.Queue().Next()->className, QStringLiteral("2-1"));
    QCOMPARE(wakes, 1);

    // Recorded on the local store's own thread: queued once the window has waited for it.
    good.RecordInBackground([] { return sample(QStringLiteral("そら"), 2); });
    QVERIFY(good.WaitRecorded(1000));
    QCOMPARE(local.attempts.size(), 2);
    QCOMPARE(good.Queue().Waiting(), 2);
    QCOMPARE(wakes, 2);
    local.attempts.removeLast();

    // A file in the way of the outbox's folder: the attempt is still kept here.
    writeFile(dir_.filePath(QStringLiteral("blocked")), "x");
    ClassroomHistory blocked(local, config, dir_.filePath(QStringLiteral("blocked/outbox.sqlite")),
                             [&] { ++wakes; });
    QVERIFY(blocked.Record(sample(QStringLiteral("はな"), 1)));
    QCOMPARE(local.attempts.size(), 2);
    QCOMPARE(wakes, 2);
    QStringList children;
    blocked.ReadChildren(this, [&](QStringList names) { children = names; });
    QCOMPARE(children, QStringList{QStringLiteral("はな")});
}

void TestOutbox::twoThreadsOpeningAFreshOutboxBothWrite() {
    // The window queues an attempt while the sending thread opens the same new
    // file: neither may see "database is locked" while the file turns to WAL.
    for (int round = 0; round < 200; ++round) {
        const QString path = dir_.filePath(QStringLiteral("race%1.sqlite").arg(round));
        QString failure;
        std::thread sender([&] {
            try {
                Outbox outbox(path, Outbox::Durability::Relaxed);
                outbox.Add(MakeOutgoing(sample(QStringLiteral("s"), 1), "k", "s"));
                outbox.Oldest(20);
            } catch (const VantelError& e) {
                failure = e.Message();
            }
        });
        QString windowFailure;
        try {
            Outbox outbox(path); // synced, as the window's is: it widens the race
            outbox.Add(MakeOutgoing(sample(QStringLiteral("w"), 2), "k", "s"));
        } catch (const VantelError& e) {
            windowFailure = e.Message();
        }
        sender.join();
        QVERIFY2(windowFailure.isEmpty(), qPrintable(windowFailure));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(Outbox(path).Waiting(), 2);
    }
}

void TestOutbox::queuedBeforeTheLocalWrite() {
    // A crash right after the local write (the child has seen the result)
    // must not keep the attempt from the class: it is in the outbox by then.
    struct WatchingHistory : FakeHistory {
        QString outboxPath;
        QList<int> queuedAtWrite;
        bool Record(const Attempt& attempt) override {
            queuedAtWrite << Outbox(outboxPath).Waiting();
            return FakeHistory::Record(attempt);
        }
    } local;
    local.outboxPath = dir_.filePath(QStringLiteral("order.sqlite"));
    const ClassroomConfig config{QStringLiteral("svc"), QStringLiteral("2-1"), QStringLiteral("PC1"), {}};
    ClassroomHistory history(local, config, local.outboxPath, {});
    QVERIFY(history.Record(sample(QStringLiteral("はな"))));
    history.RecordInBackground([] { return sample(QStringLiteral("そら"), 1); });
    QVERIFY(history.WaitRecorded(1000));
    QCOMPARE(local.queuedAtWrite, (QList<int>{1, 2}));

    // With the real store the attempt is made and queued on its writer thread.
    FakeMessageBoxes messages;
    SqliteHistory sqlite(dir_.filePath(QStringLiteral("history.sqlite")), messages);
    ClassroomHistory threaded(sqlite, config, dir_.filePath(QStringLiteral("threaded.sqlite")), {});
    for (int i = 0; i < 3; ++i) {
        threaded.RecordInBackground([i] { return sample(QStringLiteral("はな"), i); });
        QVERIFY(threaded.WaitRecorded(5000));
    }
    QCOMPARE(threaded.Queue().Waiting(), 3);
    QCOMPARE(sqlite.Attempts(QStringLiteral("はな"), DrillKind::Subtraction, {}).size(), 3);
    QVERIFY(messages.errors.isEmpty());
}

QTEST_GUILESS_MAIN(TestOutbox)
#include "tst_outbox.moc"
