// The outbox and the teacher's reads against a real PostgreSQL 15: nothing
// lost and nothing doubled when the server stops mid-send or the program is
// killed, a silent server never holds up the program, names come back as
// typed, and a newer server schema gets nothing.
#include "classroom/ClassReader.h"
#include "classroom/ClassSender.h"
#include "classroom/Classroom.h"
#include "classroom/Outbox.h"
#include "classroom/PgConnection.h"
#include "progress/AttemptTableModel.h"
#include "progress/ProgressWindow.h"
#include "tests/support/FakeHistory.h"
#include "tests/support/FakeProgressServices.h"
#include "tests/support/PgTestServer.h"
#include "tests/support/SampleAttempts.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <csignal>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {
const SenderTiming kQuick{100ms, 500ms, 500ms};
const PgTimeouts kShort{2, 10000};

QStringList queue(const QString& outboxPath, int count, const QString& cls = PgTestServer::TestClass(),
                  const QStringList& children = {QStringLiteral("たろう")}) {
    Outbox outbox(outboxPath);
    QStringList ids;
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-3);
    for (int i = 0; i < count; ++i) {
        const QString& child = children[i % children.size()];
        const Attempt a = SampleAttempt(child, DrillKind(i % 4), start.addSecs(60 * i), 80000 + 100 * i,
                                        {Fact{i % 4 == 1 ? 12 : 3, 4}});
        const OutgoingAttempt out = MakeOutgoing(a, cls, QStringLiteral("PC-01"));
        outbox.Add(out);
        ids << out.id;
    }
    return ids;
}

// The answer rows of the first `count` attempts queue() makes: every fourth is a times table of 64 cells.
int answerRows(int count) {
    int rows = 0;
    for (int i = 0; i < count; ++i)
        rows += i % 4 == 3 ? 64 : 100;
    return rows;
}

std::unique_ptr<ClassSender> makeSender(const QString& path, const QString& service) {
    return std::make_unique<ClassSender>(
        path, [service] { return std::make_unique<PgClassConnection>(service, kShort); }, kQuick);
}

int serverCount(const PgTestServer& server, const QString& what = QStringLiteral("count(*)")) {
    return server.Psql(QStringLiteral("SELECT %1 FROM vantel.attempts").arg(what)).out.toInt();
}

QStringList serverIds(const PgTestServer& server) {
    QStringList ids = server.Psql(QStringLiteral("SELECT id FROM vantel.attempts ORDER BY id")).Rows();
    ids.sort();
    return ids;
}

QString sorted(QStringList ids) {
    ids.sort();
    return ids.join(u',');
}

// A Unix socket where a PostgreSQL would be, that takes connections and never says a word.
class SilentServer {
public:
    explicit SilentServer(const QString& dir) : path_(dir + QStringLiteral("/.s.PGSQL.5432")) {
        fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(path_).constData(), sizeof address.sun_path);
        ok_ = fd_ >= 0 && ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
              ::listen(fd_, 16) == 0;
    }
    ~SilentServer() {
        if (fd_ >= 0)
            ::close(fd_);
        QFile::remove(path_);
    }
    bool Ok() const { return ok_; }

private:
    QString path_;
    int fd_ = -1;
    bool ok_ = false;
};
// When a window first painted, in ms on the timer; -1 before.
class FirstPaint : public QObject {
public:
    void Watch(QWidget& window, const QElapsedTimer& timer) {
        window_ = &window;
        timer_ = &timer;
        qApp->installEventFilter(this);
    }
    qint64 AtMs() const { return atMs_; }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && atMs_ < 0 && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_)
            atMs_ = timer_->elapsed();
        return false;
    }

private:
    QWidget* window_ = nullptr;
    const QElapsedTimer* timer_ = nullptr;
    qint64 atMs_ = -1;
};
} // namespace

class TestSendFaults : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    int files_ = 0;
    QString freshOutbox() { return dir_.filePath(QStringLiteral("outbox%1.sqlite").arg(++files_)); }

private slots:
    void serverStoppedMidSendAndStartedAgain();
    void killedDuringSend();
    void silentServerHoldsNothingUp();
    void progressWindowPaintsBesideASilentServer();
    void namesStoredAndShownAsTyped();
    void newerSchemaGetsNothing();
    void interruptCutsABlockedStatementShort();
    void refusedAttemptHoldsUpNothing_data();
    void refusedAttemptHoldsUpNothing();
};

void TestSendFaults::serverStoppedMidSendAndStartedAgain() {
    PgTestServer server;
    QVERIFY2(server.IsRunning(), qPrintable(server.ErrorText()));
    const QString path = freshOutbox();
    const QStringList ids = queue(path, 300);
    const std::unique_ptr<ClassSender> sender = makeSender(path, PgTestServer::ServiceName());
    sender->Start();
    QTRY_VERIFY_WITH_TIMEOUT(serverCount(server) >= 5, 30000);
    QVERIFY2(server.Stop(), qPrintable(server.ErrorText())); // fast shutdown cuts the session mid-send
    const int before = serverCount(server);                  // nothing: the server is down
    QCOMPARE(before, 0);
    QTRY_COMPARE_WITH_TIMEOUT(sender->Status().state, SendStatus::Unreachable, 30000);
    QVERIFY(Outbox(path).Waiting() > 0);
    QVERIFY2(server.Start(), qPrintable(server.ErrorText()));
    QVERIFY(sender->WaitUntilSent(120s));
    QCOMPARE(sender->Status().state, SendStatus::Connected);
    QCOMPARE(serverCount(server), 300);
    QCOMPARE(serverIds(server).join(u','), sorted(ids));
    QCOMPARE(server.Psql(QStringLiteral("SELECT count(*) FROM vantel.answers")).out.toInt(), answerRows(300));
}

void TestSendFaults::killedDuringSend() {
    PgTestServer server;
    QVERIFY2(server.IsRunning(), qPrintable(server.ErrorText()));
    const QString path = freshOutbox();
    const int total = 1500;
    const QStringList ids = queue(path, total);
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/classroom_sender");

    QProcess first;
    first.start(program, {path, PgTestServer::ServiceName()});
    QVERIFY(first.waitForReadyRead(30000));
    QTRY_VERIFY_WITH_TIMEOUT(serverCount(server) > 0, 30000);
    ::kill(pid_t(first.processId()), SIGKILL);
    QVERIFY(first.waitForFinished(10000));
    QCOMPARE(first.exitStatus(), QProcess::CrashExit);
    const int arrived = serverCount(server);
    const int left = Outbox(path).Waiting();
    qInfo("killed with %d on the server and %d in the outbox", arrived, left);
    QVERIFY2(left > 0, "the sender finished before it was killed");
    QVERIFY(arrived + left >= total); // at most the one in flight is in both

    QProcess second;
    QElapsedTimer drain;
    drain.start();
    second.start(program, {path, PgTestServer::ServiceName()});
    QVERIFY(second.waitForFinished(180000));
    QCOMPARE(second.exitCode(), 0);
    qInfo("the restarted sender sent %d attempts in %lld ms, process start included", left, drain.elapsed());
    QCOMPARE(serverCount(server), total);
    QCOMPARE(serverIds(server).join(u','), sorted(ids));
    QCOMPARE(Outbox(path).Waiting(), 0);
}

// The service "silent": the server in `dir` that accepts and never answers.
static bool nameSilentService(const QTemporaryDir& dir) {
    const QString services = dir.filePath(QStringLiteral("pg_service.conf"));
    QFile file(services);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QStringLiteral("[silent]\nhost=%1\nport=5432\ndbname=vantel\n").arg(dir.path()).toUtf8());
    file.close();
    qputenv("PGSERVICEFILE", services.toLocal8Bit());
    return true;
}

void TestSendFaults::silentServerHoldsNothingUp() {
    QTemporaryDir silentDir(QStringLiteral("/tmp/vantel-silent-XXXXXX"));
    SilentServer silent(silentDir.path());
    QVERIFY(silent.Ok());
    QVERIFY(nameSilentService(silentDir));

    FakeHistory local;
    const QString path = freshOutbox();
    QElapsedTimer timer;
    timer.start();
    auto classroom = std::make_unique<Classroom>(
        ClassroomConfig{QStringLiteral("silent"), QStringLiteral("3-1"), QStringLiteral("PC-01"), {}}, local,
        path, kQuick, kShort);
    classroom->Start();
    QVERIFY2(timer.elapsed() < 1000, "start-up waited for the server");

    // A judged Stop records the attempt: here, and queued; nothing waits on the network.
    timer.restart();
    QVERIFY(classroom->History().Record(
        SampleAttempt(QStringLiteral("はな"), DrillKind::Addition, QDateTime::currentDateTimeUtc(), 70000)));
    QVERIFY2(timer.elapsed() < 1000, "Stop waited for the server");
    QCOMPARE(local.attempts.size(), 1);

    QTRY_COMPARE_WITH_TIMEOUT(classroom->Sender().Status().state, SendStatus::Unreachable, 15000);
    const QString status = classroom->StatusText();
    QVERIFY2(status.contains(QStringLiteral("つながりません")), qPrintable(status));
    QVERIFY2(status.contains(QStringLiteral("送信待ち 1 件")), qPrintable(status));

    // The teacher's reads never wait: the answer comes later and says why it is empty.
    timer.restart();
    QObject context;
    std::optional<ServerAnswer<ChildProgress>> read;
    classroom->Reader().ChildProgress(QStringLiteral("3-1"), QStringLiteral("はな"), DrillKind::Addition, {},
                                      &context, [&](ServerAnswer<ChildProgress> answer) { read = answer; });
    QVERIFY(timer.elapsed() < 100);
    QTRY_VERIFY_WITH_TIMEOUT(read.has_value(), 15000);
    QVERIFY(!read->value);

    // Close: at most a moment for a send in flight; the attempt stays queued.
    timer.restart();
    classroom->Shutdown();
    classroom.reset();
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(Outbox(path).Waiting(), 1);
    // A thread left waiting on the silent socket ends with libpq's time-out.
    QTest::qWait(2500);
}

// The first paint's bound: a window that waited on the server sat through
// libpq's 2 s connect time-out (about 4 s in all); one that does not paints in
// about 30 ms. The bound sits between, far from both, so a busy machine or a
// sanitizer build does not trip it.
constexpr qint64 kFirstPaintMs = 1000;

void TestSendFaults::progressWindowPaintsBesideASilentServer() {
    QTemporaryDir silentDir(QStringLiteral("/tmp/vantel-silent-XXXXXX"));
    SilentServer silent(silentDir.path());
    QVERIFY(silent.Ok());
    QVERIFY(nameSilentService(silentDir));

    ClassReader reader(QStringLiteral("silent"), kShort);
    ServerHistory history(reader, QStringLiteral("3-1"));
    history.SetChildren({QStringLiteral("はな")});
    FakeProgressServices fakes;
    FirstPaint paint;
    // Timed from before the window is made: a window that read the server in
    // its constructor froze there (about 4 s here), and painted soon after show().
    QElapsedTimer timer;
    timer.start();
    {
        ProgressWindow window(fakes.With(history), QStringLiteral("はな"), DrillKind::Addition);
        paint.Watch(window, timer);
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(paint.AtMs() >= 0, 10000);
        QVERIFY2(paint.AtMs() < kFirstPaintMs, qPrintable(QString::number(paint.AtMs())));
        QVERIFY(window.Loading());
        QVERIFY(ProgressControl<QLabel>(window, "Loading")->isVisible());
        // libpq's time-out ends the read: an empty chart, and the note goes.
        QTRY_VERIFY_WITH_TIMEOUT(!window.Loading(), 15000);
        QCOMPARE(window.Model->rowCount(), 0);
        // Closed while reading: the answer never reaches the window.
        window.Refresh();
    }
    QTest::qWait(100);
}

void TestSendFaults::namesStoredAndShownAsTyped() {
    PgTestServer server;
    QVERIFY2(server.IsRunning(), qPrintable(server.ErrorText()));
    const QString cls = QStringLiteral("3年'2組\"; DELETE FROM vantel.attempts; --");
    QVERIFY2(server.AddClass(cls, QStringLiteral("odd_computers"), QStringLiteral("odd_teacher")),
             qPrintable(server.ErrorText()));
    QVERIFY(server.AddService(QStringLiteral("odd"), QStringLiteral("odd_computers")));
    QVERIFY(server.AddService(QStringLiteral("odd_teacher"), QStringLiteral("odd_teacher")));
    const QStringList children = {QStringLiteral("O'Brien"),
                                  QStringLiteral("Robert'); DROP TABLE vantel.answers;--"),
                                  QStringLiteral("\"quoted\" \\ back\\slash"),
                                  QStringLiteral("$1 ? :name %s"),
                                  QStringLiteral("たろう; SELECT 1"),
                                  QString()}; // nobody entered a name
    const QString path = freshOutbox();
    queue(path, 12, cls, children);
    const std::unique_ptr<ClassSender> sender = makeSender(path, QStringLiteral("odd"));
    sender->Start();
    QVERIFY(sender->WaitUntilSent(60s));
    QCOMPARE(sender->Status().setAside, 0);
    QCOMPARE(serverCount(server), 12);
    QCOMPARE(server.Psql(QStringLiteral("SELECT count(*) FROM vantel.answers")).out.toInt(), answerRows(12));

    ClassReader reader(QStringLiteral("odd_teacher"), kShort);
    QObject context;
    std::optional<ServerAnswer<QStringList>> classes;
    reader.Classes(&context, [&](ServerAnswer<QStringList> a) { classes = a; });
    QTRY_VERIFY_WITH_TIMEOUT(classes.has_value(), 30000);
    QCOMPARE(classes->value.value_or(QStringList()), QStringList{cls});

    std::optional<ServerAnswer<QList<ClassSummaryRow>>> summary;
    reader.Summary(cls, &context, [&](ServerAnswer<QList<ClassSummaryRow>> a) { summary = a; });
    QTRY_VERIFY_WITH_TIMEOUT(summary.has_value(), 30000);
    QVERIFY2(summary->value, qPrintable(summary->problem));
    QStringList shown;
    for (const ClassSummaryRow& row : *summary->value)
        if (!shown.contains(row.child))
            shown << row.child;
    QStringList expected = children;
    expected[5] = QStringLiteral("");
    expected.sort();
    shown.sort();
    QCOMPARE(shown, expected);

    // One child through the progress window's reads: the same attempts and facts as sent.
    ServerHistory history(reader, cls);
    const auto progress = [&](const QString& child, DrillKind drill) {
        std::optional<ChildProgress> read;
        history.ReadProgress(child, drill, {}, &context, [&](ChildProgress answer) { read = answer; });
        if (!QTest::qWaitFor([&] { return read.has_value(); }, 30000))
            qFatal("no answer from the server");
        return *read;
    };
    const QList<Attempt> attempts = progress(children[1], DrillKind::Subtraction).attempts;
    QVERIFY2(history.Problem().isEmpty(), qPrintable(history.Problem()));
    QCOMPARE(attempts.size(), 1); // the second of the twelve; the eighth is a times table
    QCOMPARE(attempts[0].durationMs, 80100u);
    QCOMPARE(attempts[0].score, 99);
    QCOMPARE(progress(children[1], DrillKind::Kuku).attempts.first().durationMs, 80700u);
    const FactStats facts = progress(children[1], DrillKind::Subtraction).facts;
    QCOMPARE(facts.Find(Fact{12, 4})->wrong, 1);
    QCOMPARE(facts.Find(Fact{12, 4})->seen, 1);
    QCOMPARE(facts.Find(Fact{13, 4})->wrong, 0);
    QCOMPARE(facts.Find(Fact{13, 4})->medianMs, 1000.0); // one key a second
    QCOMPARE(facts.overallMedianMs, 1000.0);
    QCOMPARE(facts.Weakest(3).size(), 1);
    QCOMPARE(progress(QString(), DrillKind::Subtraction).attempts.size(), 1); // the nameless child
}

void TestSendFaults::newerSchemaGetsNothing() {
    PgTestServer server;
    QVERIFY2(server.IsRunning(), qPrintable(server.ErrorText()));
    QVERIFY(server
                .Psql(QStringLiteral("CREATE OR REPLACE FUNCTION vantel.schema_version() RETURNS integer"
                                     " LANGUAGE sql IMMUTABLE AS 'SELECT %1'")
                          .arg(kClassSchemaVersion + 1))
                .ok);
    FakeHistory local;
    const QString path = freshOutbox();
    Classroom classroom(
        ClassroomConfig{PgTestServer::ServiceName(), PgTestServer::TestClass(), QStringLiteral("PC-01"), {}},
        local, path, kQuick, kShort);
    classroom.Start();
    QVERIFY(classroom.History().Record(
        SampleAttempt(QStringLiteral("はな"), DrillKind::Kuku, QDateTime::currentDateTimeUtc(), 50000)));
    QTRY_COMPARE_WITH_TIMEOUT(classroom.Sender().Status().state, SendStatus::TooNew, 30000);
    const QString status = classroom.StatusText();
    QVERIFY2(status.contains(QStringLiteral("新しくしてください")), qPrintable(status));
    QVERIFY(status.contains(QStringLiteral("第%1版").arg(kClassSchemaVersion + 1)));
    QCOMPARE(local.attempts.size(), 1); // recording goes on here
    QTest::qWait(300);
    QCOMPARE(serverCount(server), 0);
    QCOMPARE(Outbox(path).Waiting(), 1);

    // The teacher is told the same, and reads nothing.
    QObject context;
    std::optional<ServerAnswer<QStringList>> classes;
    classroom.Reader(); // made on the config's service; the teacher's is another
    ClassReader teacher(PgTestServer::TeacherServiceName(), kShort);
    teacher.Classes(&context, [&](ServerAnswer<QStringList> a) { classes = a; });
    QTRY_VERIFY_WITH_TIMEOUT(classes.has_value(), 30000);
    QVERIFY(!classes->value);
    QCOMPARE(classes->problem, TooNewMessage(kClassSchemaVersion + 1));
}

void TestSendFaults::interruptCutsABlockedStatementShort() {
    // Closing the program must not wait for a statement the server sits on.
    // The connection is opened and used on its own thread, as the sender's is.
    PgTestServer server;
    QVERIFY2(server.IsRunning(), qPrintable(server.ErrorText()));
    PgConnection connection(PgTestServer::ServiceName(), PgTimeouts{2, 60000});
    std::atomic<bool> opened = false;
    std::optional<ClassServerError::Kind> failure;
    QElapsedTimer timer;
    std::thread blocked([&] {
        try {
            connection.Open();
            opened = true;
            connection.Run(QStringLiteral("SELECT pg_sleep(30)"));
        } catch (const ClassServerError& e) {
            failure = e.GetKind();
        }
        connection.Close();
    });
    QTRY_VERIFY_WITH_TIMEOUT(opened, 20000);
    QTest::qWait(300);
    timer.start();
    connection.Interrupt();
    blocked.join();
    QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(failure, std::optional(ClassServerError::Unreachable));
}

void TestSendFaults::refusedAttemptHoldsUpNothing_data() {
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("child");
    QTest::addColumn<int>("score"); // of a full sheet; -1: 0 of 0
    QTest::addColumn<int>("typedLength");
    QTest::addColumn<QString>("stored"); // the child's name on the server; null: set aside
    const QString cls = PgTestServer::TestClass();
    QString longName; // kanji that do not compress, as a name pasted in by mistake might be
    for (int i = 0; i < 900; ++i)
        longName += QChar(0x4E00 + i * 7919 % 20000);
    QTest::newRow("900-character name") << cls << longName << 100 << 2 << longName.left(100);
    QTest::newRow("class of another login") << QStringLiteral("9年9組") << "じろう" << 100 << 2 << QString();
    QTest::newRow("0 of 0") << cls << "じろう" << -1 << 2 << QString();
    QTest::newRow("cells too large") << cls << "じろう" << 100 << 300 << QString();
}

void TestSendFaults::refusedAttemptHoldsUpNothing() {
    QFETCH(QString, cls);
    QFETCH(QString, child);
    QFETCH(int, score);
    QFETCH(int, typedLength);
    QFETCH(QString, stored);
    PgTestServer server;
    QVERIFY2(server.IsRunning(), qPrintable(server.ErrorText()));
    const QString path = freshOutbox();
    const QStringList before = queue(path, 3);
    Attempt odd =
        SampleAttempt(child, DrillKind::Addition, QDateTime::currentDateTimeUtc().addSecs(-600), 90000);
    if (score < 0) {
        odd.cells.clear();
        odd.score = odd.fullScore = 0;
    }
    for (AnswerCell& cell : odd.cells)
        cell.typed = QString(typedLength, u'9');
    const OutgoingAttempt oddOne = MakeOutgoing(odd, cls, QStringLiteral("PC-01"));
    Outbox(path).Add(oddOne);
    const QStringList after = queue(path, 3);

    const std::unique_ptr<ClassSender> sender = makeSender(path, PgTestServer::ServiceName());
    sender->Start();
    QVERIFY2(sender->WaitUntilSent(30s), qPrintable(sender->Status().problem));
    const QStringList onServer = serverIds(server);
    for (const QString& id : before + after)
        QVERIFY2(onServer.contains(id), qPrintable(id));
    QCOMPARE(onServer.contains(oddOne.id), !stored.isNull());
    QCOMPARE(sender->Status().setAside, stored.isNull() ? 1 : 0);
    if (stored.isNull()) {
        QVERIFY(!sender->Status().setAsideReason.isEmpty()); // the server's word for it
    } else {
        QCOMPARE(
            server.Psql(QStringLiteral("SELECT child FROM vantel.attempts WHERE id = '%1'").arg(oddOne.id))
                .out,
            stored);
    }
}

QTEST_MAIN(TestSendFaults)
#include "tst_sendfaults.moc"
