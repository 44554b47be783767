#include "drill/stopwatchu.h"

#include "tests/support/FakeServices.h"

#include <QTest>

class TestStopWatch : public QObject {
    Q_OBJECT
private slots:
    void readings_data() {
        QTest::addColumn<QList<quint32>>("starts"); // tick at each Start, none for "no Start"
        QTest::addColumn<quint32>("stop");
        QTest::addColumn<quint32>("reading");
        QTest::newRow("plain") << QList<quint32>{1000} << 84456u << 83456u;
        QTest::newRow("no Start: the raw counter") << QList<quint32>{} << 5000u << 5000u;
        QTest::newRow("counter wraps once") << QList<quint32>{0xFFFFF000u} << 0x00000FA0u << 8096u;
        QTest::newRow("a later Start restarts the timing") << QList<quint32>{100, 4000} << 9000u << 5000u;
    }
    void readings() {
        QFETCH(QList<quint32>, starts);
        QFETCH(quint32, stop);
        QFETCH(quint32, reading);
        FakeTicks ticks;
        StopWatch watch(ticks);
        for (quint32 start : starts) {
            ticks.now = start;
            watch.Start();
        }
        ticks.now = stop;
        watch.Stop();
        QCOMPARE(static_cast<std::uint32_t>(watch.Elapsed()), reading);
    }

    void elapsedBeforeAnyMarkIsZero() {
        FakeTicks ticks;
        ticks.now = 777;
        StopWatch watch(ticks);
        QCOMPARE(watch.Elapsed(), 0);
        QCOMPARE(watch.ElapsedTicks, 0);
    }

    void secondStopMeasuresFromTheSameStart() {
        FakeTicks ticks;
        StopWatch watch(ticks);
        ticks.now = 1000;
        watch.Start();
        ticks.now = 3000;
        watch.Stop();
        QCOMPARE(watch.Elapsed(), 2000);
        ticks.now = 7000;
        watch.Stop();
        QCOMPARE(watch.Elapsed(), 6000);
        QCOMPARE(watch.StartTicks, 1000);
    }
};

QTEST_APPLESS_MAIN(TestStopWatch)
#include "tst_stopwatch.moc"
