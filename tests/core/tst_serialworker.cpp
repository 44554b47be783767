// The worker every thread of the program goes through: jobs in order on one
// thread, results on the interface thread only while their context lives,
// and the one shutdown rule (queued jobs run or dropped, a stuck job
// interrupted and then left behind, nothing delivered after Stop).
#include "core/Logging.h"
#include "core/SerialWorker.h"

#include <QElapsedTimer>
#include <QTest>
#include <atomic>
#include <thread>

using namespace std::chrono_literals;

class TestSerialWorker : public QObject {
    Q_OBJECT

private slots:
    void jobsRunInOrderOnOneThread() {
        SerialWorker worker(lcProgress, "test job");
        std::vector<int> order; // the worker's only, until WaitIdle
        std::vector<std::thread::id> threads;
        for (int i = 0; i < 50; ++i)
            worker.Post([&, i] {
                order.push_back(i);
                threads.push_back(std::this_thread::get_id());
            });
        worker.Post([] { throw std::runtime_error("logged, and the next job still runs"); });
        worker.Post([&] { order.push_back(50); });
        QVERIFY(worker.WaitIdle());
        QCOMPARE(order.size(), 51u);
        QVERIFY(std::is_sorted(order.begin(), order.end()));
        QVERIFY(threads.front() != std::this_thread::get_id());
        QVERIFY(std::all_of(threads.begin(), threads.end(), [&](auto id) { return id == threads.front(); }));
    }

    void resultsReachOnlyALivingContext() {
        SerialWorker worker(lcProgress, "test job");
        QObject kept;
        auto* closed = new QObject;
        std::thread::id deliveredOn;
        QString delivered;
        bool closedCalled = false;
        worker.Run<QString>(
            &kept, [] { return QStringLiteral("read"); },
            [&](QString result) {
                delivered = result;
                deliveredOn = std::this_thread::get_id();
            });
        worker.Run<int>(
            closed, [] { return 1; }, [&](int) { closedCalled = true; });
        QVERIFY(worker.WaitIdle());
        delete closed; // the window closed before its answer came
        QTRY_COMPARE(delivered, QStringLiteral("read"));
        QCOMPARE(deliveredOn, std::this_thread::get_id());
        QCoreApplication::sendPostedEvents();
        QVERIFY(!closedCalled);
    }

    void stopRunsOrDropsWhatIsQueued_data() {
        QTest::addColumn<bool>("drop");
        QTest::newRow("writes run") << false;
        QTest::newRow("reads dropped") << true;
    }
    void stopRunsOrDropsWhatIsQueued() {
        QFETCH(bool, drop);
        SerialWorker worker(lcProgress, "test job");
        std::atomic<bool> go{false};
        std::atomic<int> ran{0};
        std::atomic<bool> lastRan{false};
        worker.Post([&] {
            while (!go)
                std::this_thread::sleep_for(1ms);
        });
        for (int i = 0; i < 5; ++i)
            worker.Post([&] { ++ran; });
        std::thread release([&] {
            std::this_thread::sleep_for(50ms); // while Stop waits
            go = true;
        });
        QVERIFY(worker.Stop(5s, drop ? SerialWorker::Queued::Drop : SerialWorker::Queued::Run,
                            [&] { lastRan = ran == (drop ? 0 : 5); }));
        release.join();
        QVERIFY(lastRan);
        worker.Post([&] { ++ran; }); // after Stop: never runs
        QCOMPARE(ran.load(), drop ? 0 : 5);
    }

    void stuckJobIsInterruptedThenLeftBehind() {
        auto worker = std::make_unique<SerialWorker>(lcProgress, "test job");
        auto interrupted = std::make_shared<std::atomic<bool>>(false);
        auto release = std::make_shared<std::atomic<bool>>(false);
        auto finished = std::make_shared<std::atomic<bool>>(false);
        QObject window;
        bool told = false;
        const QPointer<QObject> context(&window);
        worker->Post([link = worker->GetLink(), interrupted, release, finished, context, &told] {
            // Deaf to the interrupt, as a socket libpq does not give up on.
            link.SetInterrupt([interrupted] { *interrupted = true; });
            while (!*release)
                std::this_thread::sleep_for(1ms);
            link.Deliver(context, [&told] { told = true; });
            *finished = link.Stopping();
        });
        QTest::qWait(20);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!worker->Stop(400ms, SerialWorker::Queued::Drop));
        QVERIFY(timer.elapsed() < 1000);
        QVERIFY(*interrupted);
        worker.reset();
        *release = true;
        QTRY_VERIFY(finished->load());
        QTest::qWait(20);
        QCoreApplication::sendPostedEvents();
        QVERIFY(!told); // stopped: nothing reaches the window any more
    }

    void pauseEndsAtWakeOrStop() {
        SerialWorker worker(lcProgress, "test job");
        std::atomic<int> woken{0};
        worker.Post([&, link = worker.GetLink()] {
            link.Pause(10s, true);
            ++woken;
            link.Pause(10s, false); // a wake does not end this one; Stop does
            ++woken;
        });
        QTest::qWait(50);
        worker.Wake();
        QTRY_COMPARE(woken.load(), 1);
        worker.Wake();
        QTest::qWait(50);
        QCOMPARE(woken.load(), 1);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(worker.Stop(5s, SerialWorker::Queued::Drop));
        QVERIFY(timer.elapsed() < 2000);
        QCOMPARE(woken.load(), 2);
    }
};

QTEST_MAIN(TestSerialWorker)
#include "tst_serialworker.moc"
