// The sending thread against a server in memory: retries until every attempt
// is there exactly once, sets aside what the server will never take, sends
// nothing to a newer schema, never holds up the close, and never calls back
// a sender that is gone.
#include "classroom/ClassSender.h"
#include "classroom/Outbox.h"
#include "tests/support/FakeClassConnection.h"
#include "tests/support/SampleAttempts.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <condition_variable>
#include <new>
#include <pthread.h>
#include <thread>

using namespace std::chrono_literals;

// A stall in the sending thread just after it has changed the status and
// before it tells the window: this program's own notify_all, which the thread
// calls between the two, holds there while `stall` is armed.
namespace stall {
std::atomic<bool> armed{false};
std::atomic<bool> holding{false};
std::atomic<bool> released{false};
std::thread::id window;
} // namespace stall

void std::condition_variable::notify_all() noexcept {
    if (std::this_thread::get_id() != stall::window && stall::armed.exchange(false)) {
        stall::holding = true;
        while (!stall::released)
            std::this_thread::sleep_for(1ms);
    }
    pthread_cond_broadcast(native_handle());
}

namespace {
const SenderTiming kQuick{20ms, 100ms, 200ms};

// Takes the place of a sender that is gone: any call that still reaches that address arrives here.
class Bystander : public QObject {
public:
    int calls = 0;
    bool event(QEvent* event) override {
        if (event->type() == QEvent::MetaCall) {
            ++calls;
            return true;
        }
        return QObject::event(event);
    }
};

QStringList queue(const QString& path, int count, const QString& child = QStringLiteral("たろう")) {
    Outbox outbox(path);
    QStringList ids;
    for (int i = 0; i < count; ++i) {
        const Attempt a =
            SampleAttempt(child, DrillKind::Addition,
                          QDateTime(QDate(2026, 12, 1), QTime(9, 0), Qt::UTC).addSecs(60 * i), 90000);
        const OutgoingAttempt out = MakeOutgoing(a, QStringLiteral("3-1"), QStringLiteral("PC01"));
        outbox.Add(out);
        ids << out.id;
    }
    return ids;
}

std::unique_ptr<ClassSender> makeSender(const QString& path, const std::shared_ptr<FakeClassServer>& server,
                                        SenderTiming timing = kQuick) {
    return std::make_unique<ClassSender>(
        path, [server] { return std::make_unique<FakeClassConnection>(server); }, timing);
}
} // namespace

class TestClassSender : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    int files_ = 0;
    QString freshPath() { return dir_.filePath(QStringLiteral("outbox%1.sqlite").arg(++files_)); }

private slots:
    void retryDelays();
    void everyAttemptArrivesOnceThroughOutagesAndLostAnswers();
    void attemptTheServerRejectsIsSetAside();
    void setAsideAttemptsGetOneMoreTryAtTheNextStart();
    void refusedLoginIsToldAndTheQueueKept();
    void otherSchemaGetsNothing_data();
    void otherSchemaGetsNothing();
    void closeWaitsAtMostAMomentForAStuckSend_data();
    void closeWaitsAtMostAMomentForAStuckSend();
    void senderGoneBeforeItsThreadTellsIsNotCalled();
};

void TestClassSender::senderGoneBeforeItsThreadTellsIsNotCalled() {
    const QString path = freshPath();
    queue(path, 1);
    auto server = std::make_shared<FakeClassServer>();
    server->away = true;
    stall::window = std::this_thread::get_id();
    stall::released = false;
    stall::holding = false;
    alignas(std::max_align_t) static unsigned char place[std::max(sizeof(ClassSender), sizeof(Bystander))];
    auto* sender = new (place) ClassSender(
        path, [server] { return std::make_unique<FakeClassConnection>(server); }, kQuick);
    stall::armed = true;
    sender->Start();
    QTRY_VERIFY(stall::holding.load());
    // Closed while its thread holds a change it has not told yet; the thread is left behind.
    QVERIFY(!sender->Shutdown(10ms));
    sender->~ClassSender();
    auto* bystander = new (place) Bystander;
    stall::released = true;
    QTest::qWait(300);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(bystander->calls, 0);
    bystander->~Bystander();
}

void TestClassSender::retryDelays() {
    const SenderTiming timing{1s, 180s, 60s};
    std::chrono::milliseconds wait = timing.firstRetry;
    QList<qint64> seen;
    for (int i = 0; i < 10; ++i) {
        seen << wait.count();
        wait = NextRetry(wait, timing);
    }
    QCOMPARE(seen, (QList<qint64>{1000, 2000, 4000, 8000, 16000, 32000, 64000, 128000, 180000, 180000}));
}

void TestClassSender::everyAttemptArrivesOnceThroughOutagesAndLostAnswers() {
    const QString path = freshPath();
    const QStringList ids = queue(path, 30);
    auto server = std::make_shared<FakeClassServer>();
    server->away = true;
    server->loseAnswers = 3; // stored, but the answer never came back
    std::unique_ptr<ClassSender> s = makeSender(path, server);
    QSignalSpy changed(s.get(), &ClassSender::StatusChanged);
    s->Start();
    QTRY_COMPARE(s->Status().state, SendStatus::Unreachable);
    QVERIFY(!s->Status().lastReached.isValid());
    QCOMPARE(s->Status().waiting, 30);
    QTRY_VERIFY(!changed.isEmpty()); // the window hears of it
    server->Set([](FakeClassServer& f) { f.away = false; });
    QTRY_VERIFY(server->Get<qsizetype>([](FakeClassServer& f) { return f.received.size(); }) >= 10);
    server->Set([](FakeClassServer& f) { f.away = true; }); // gone again mid-queue
    QTRY_COMPARE(s->Status().state, SendStatus::Unreachable);
    server->Set([](FakeClassServer& f) { f.away = false; });
    QVERIFY(s->WaitUntilSent(10s));
    QCOMPARE(s->Status().state, SendStatus::Connected);
    QVERIFY(s->Status().lastReached.isValid());
    QVERIFY(s->Shutdown());

    QCOMPARE(server->received, ids); // each once, oldest first
    QVERIFY(server->resends >= 3);   // whole batches came again; none was added twice
    QCOMPARE(Outbox(path).Waiting(), 0);

    // Queued while running: sent on the wake, not at the next idle look.
    const std::unique_ptr<ClassSender> again = makeSender(path, server);
    again->Start();
    QTRY_COMPARE(again->Status().waiting, 0);
    const QStringList more = queue(path, 2);
    again->Wake();
    QTRY_COMPARE(server->Get<qsizetype>([](FakeClassServer& f) { return f.received.size(); }), 32);
}

void TestClassSender::attemptTheServerRejectsIsSetAside() {
    const QString path = freshPath();
    queue(path, 2);
    queue(path, 1, QStringLiteral("bad"));
    const QStringList after = queue(path, 2);
    auto server = std::make_shared<FakeClassServer>();
    server->badChildren << QStringLiteral("bad");
    const std::unique_ptr<ClassSender> s = makeSender(path, server);
    s->Start();
    QVERIFY(s->WaitUntilSent(10s));
    QCOMPARE(server->received.size(), 4);
    QCOMPARE(server->received.last(), after.last());
    QCOMPARE(s->Status().setAside, 1);
    QCOMPARE(Outbox(path).SetAsideCount(), 1);
    // The batch the server refused whole, then each on its own: not one transaction per attempt for good.
    QCOMPARE(server->transactions, 1 + 5);
}

void TestClassSender::setAsideAttemptsGetOneMoreTryAtTheNextStart() {
    const QString path = freshPath();
    const QStringList bad = queue(path, 1, QStringLiteral("bad"));
    queue(path, 2);
    auto server = std::make_shared<FakeClassServer>();
    server->badChildren << QStringLiteral("bad");
    auto s = makeSender(path, server);
    s->Start();
    QVERIFY(s->WaitUntilSent(10s));
    QTRY_COMPARE(s->Status().setAside, 1);
    QCOMPARE(s->Status().setAsideReason, QStringLiteral("bad"));
    QVERIFY(s->Shutdown());
    QCOMPARE(server->received.size(), 2);

    // Mended on the server: the next start sends it.
    server->Set([](FakeClassServer& f) { f.badChildren.clear(); });
    s = makeSender(path, server);
    s->Start();
    QTRY_COMPARE(server->Get<qsizetype>([](FakeClassServer& f) { return f.received.size(); }), 3);
    QCOMPARE(server->received.last(), bad.first());
    QTRY_COMPARE(s->Status().setAside, 0);
    QCOMPARE(Outbox(path).SetAsideCount(), 0);
}

void TestClassSender::refusedLoginIsToldAndTheQueueKept() {
    const QString path = freshPath();
    queue(path, 2);
    auto server = std::make_shared<FakeClassServer>();
    server->refuseLogin = LoginProblem::WrongPassword;
    const std::unique_ptr<ClassSender> s = makeSender(path, server);
    s->Start();
    QTRY_COMPARE(s->Status().state, SendStatus::Refused);
    QCOMPARE(s->Status().login, LoginProblem::WrongPassword);
    QCOMPARE(s->Status().loginRole, QStringLiteral("pc_01"));
    QCOMPARE(Outbox(path).Waiting(), 2); // nothing set aside for a login's fault
    QCOMPARE(Outbox(path).SetAsideCount(), 0);
    server->Set([](FakeClassServer& f) { f.refuseLogin = LoginProblem::None; });
    QVERIFY(s->WaitUntilSent(10s));
    QCOMPARE(s->Status().state, SendStatus::Connected);
    QCOMPARE(s->Status().login, LoginProblem::None);
}

void TestClassSender::otherSchemaGetsNothing_data() {
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("state");
    QTest::newRow("newer") << kClassSchemaVersion + 1 << int(SendStatus::TooNew);
    QTest::newRow("not upgraded yet") << kClassSchemaVersion - 1 << int(SendStatus::TooOld);
}

void TestClassSender::otherSchemaGetsNothing() {
    QFETCH(int, version);
    QFETCH(int, state);
    const QString path = freshPath();
    queue(path, 3);
    auto server = std::make_shared<FakeClassServer>();
    server->version = version;
    const std::unique_ptr<ClassSender> s = makeSender(path, server);
    s->Start();
    QTRY_COMPARE(int(s->Status().state), state);
    QCOMPARE(s->Status().serverVersion, version);
    QTest::qWait(100);
    QVERIFY(server->received.isEmpty());
    QVERIFY(s->Shutdown());
    QCOMPARE(Outbox(path).Waiting(), 3);
}

void TestClassSender::closeWaitsAtMostAMomentForAStuckSend_data() {
    QTest::addColumn<bool>("interruptible");
    QTest::newRow("socket can be shut") << true;
    QTest::newRow("blocked for good") << false;
}

void TestClassSender::closeWaitsAtMostAMomentForAStuckSend() {
    QFETCH(bool, interruptible);
    const QString path = freshPath();
    queue(path, 3);
    auto server = std::make_shared<FakeClassServer>();
    server->hang = true;
    server->interruptible = interruptible;
    SenderTiming oneAtATime = kQuick;
    oneAtATime.batch = 1;
    auto s = makeSender(path, server, oneAtATime);
    s->Start();
    QTRY_COMPARE(server->Get<int>([](FakeClassServer& f) { return f.opens; }), 1);
    QElapsedTimer timer;
    timer.start();
    const bool ended = s->Shutdown(500ms);
    QVERIFY(timer.elapsed() < 2000);
    QCOMPARE(ended, interruptible);
    s.reset(); // the object goes; a thread left behind keeps what it uses
    server->Set([](FakeClassServer& f) { f.hang = false; });
    // The one in flight may have gone; the rest stays queued for the next run.
    QTRY_VERIFY(Outbox(path).Waiting() >= 2);
    std::this_thread::sleep_for(300ms);
    QVERIFY(server->Get<qsizetype>([](FakeClassServer& f) { return f.received.size(); }) <= 1);
}

QTEST_GUILESS_MAIN(TestClassSender)
#include "tst_classsender.moc"
