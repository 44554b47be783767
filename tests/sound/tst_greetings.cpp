// The built-in greetings: the images as shipped (layout, length, that they
// hold speech), their lookup, the choice by the hour and the Timer1 rule.
#include "sound/Greetings.h"

#include "tests/support/FakeServices.h"
#include "tests/support/FakeSound.h"

#include <QTest>
#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace {

quint32 le32(const QByteArray& bytes, int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); }
quint16 le16(const QByteArray& bytes, int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); }

// Root-mean-square level of each 50 ms window of 8000 Hz samples.
QList<double> windowLevels(const QByteArray& image) {
    const int count = (image.size() - 48) / 2;
    const int window = 400;
    QList<double> levels;
    for (int start = 0; start + window <= count; start += window) {
        double sum = 0;
        for (int i = start; i < start + window; ++i) {
            const double v = qFromLittleEndian<qint16>(image.constData() + 48 + 2 * i);
            sum += v * v;
        }
        levels.append(std::sqrt(sum / window));
    }
    return levels;
}

} // namespace

class TestGreetings : public QObject {
    Q_OBJECT
private slots:
    void images_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        QTest::newRow("ZuliAsa") << "ZuliAsa" << 44528;
        QTest::newRow("ZuliHiru") << "ZuliHiru" << 43248;
        QTest::newRow("ZuliBan") << "ZuliBan" << 39728;
    }
    void images() {
        QFETCH(QString, name);
        QFETCH(int, size);
        const QByteArray image = GreetingImage(name);
        QCOMPARE(image.size(), size);
        QCOMPARE(image.mid(0, 4), QByteArray("RIFF"));
        QCOMPARE(le32(image, 4), quint32(size - 8));
        QCOMPARE(image.mid(8, 4), QByteArray("WAVE"));
        QCOMPARE(image.mid(12, 4), QByteArray("fmt "));
        QCOMPARE(le32(image, 16), 20u);
        QCOMPARE(le16(image, 20), 1u);     // PCM
        QCOMPARE(le16(image, 22), 1u);     // mono
        QCOMPARE(le32(image, 24), 8000u);  // samples a second
        QCOMPARE(le32(image, 28), 16000u); // bytes a second
        QCOMPARE(le16(image, 32), 2u);     // block align
        QCOMPARE(le16(image, 34), 16u);    // bits a sample
        QCOMPARE(le16(image, 36), 0u);     // extra format bytes
        QCOMPARE(le16(image, 38), 0u);     // padding
        QCOMPARE(image.mid(40, 4), QByteArray("data"));
        QCOMPARE(le32(image, 44), quint32(size - 48));

        const double seconds = (size - 48) / 16000.0;
        QVERIFY2(seconds >= 2.4 && seconds <= 2.8, qPrintable(QString::number(seconds)));

        // Speech: a good part of the windows carry voice, and the level rises
        // and falls between syllables instead of staying flat like a tone or hiss.
        const QList<double> levels = windowLevels(image);
        const auto voiced = std::count_if(levels.begin(), levels.end(), [](double l) { return l > 1000; });
        const auto quiet = std::count_if(levels.begin(), levels.end(), [](double l) { return l < 100; });
        QVERIFY2(voiced >= 10, qPrintable(QString::number(voiced))); // half a second and more
        QVERIFY2(quiet >= 3, qPrintable(QString::number(quiet)));
        int swings = 0;
        for (qsizetype i = 1; i < levels.size(); ++i)
            if (levels[i] > 2 * levels[i - 1] + 200 || levels[i - 1] > 2 * levels[i] + 200)
                ++swings;
        QVERIFY2(swings >= 3, qPrintable(QString::number(swings)));
    }

    void lookupIgnoresCase() {
        const QByteArray image = GreetingImage(QStringLiteral("ZuliHiru"));
        QVERIFY(!image.isEmpty());
        QCOMPARE(GreetingImage(QStringLiteral("zulihiru")), image);
        QCOMPARE(GreetingImage(QStringLiteral("ZULIHIRU")), image);
        QVERIFY(GreetingImage(QStringLiteral("ZuliAsa")) != image);
        QVERIFY(GreetingImage(QStringLiteral("Zuli")).isEmpty());
        QVERIFY(GreetingImage(QString()).isEmpty());
    }

    void greetingByTheHour_data() {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("greeting");
        QTest::newRow("03:59") << QTime(3, 59) << "ZuliBan";
        QTest::newRow("04:00") << QTime(4, 0) << "ZuliAsa";
        QTest::newRow("11:59") << QTime(11, 59) << "ZuliAsa";
        QTest::newRow("12:00") << QTime(12, 0) << "ZuliHiru";
        QTest::newRow("18:59") << QTime(18, 59) << "ZuliHiru";
        QTest::newRow("19:00") << QTime(19, 0) << "ZuliBan";
        QTest::newRow("00:00") << QTime(0, 0) << "ZuliBan";
        QTest::newRow("23:59") << QTime(23, 59, 59) << "ZuliBan";
    }
    void greetingByTheHour() {
        QFETCH(QTime, time);
        QFETCH(QString, greeting);
        FakeSoundEngine engine;
        FakeClock clock;
        clock.now.setTime(time);
        StartupGreeting timer(engine, clock);
        QVERIFY(timer.Tick(true));
        QCOMPARE(engine.images.size(), 1u);
        QCOMPARE(engine.images[0].image, GreetingImage(greeting));
        QVERIFY(!engine.images[0].wait);
    }

    void atMostOneGreetingPerRun() {
        FakeSoundEngine engine;
        FakeClock clock;
        StartupGreeting timer(engine, clock);
        for (int tick = 0; tick < 3; ++tick)
            QVERIFY(!timer.Tick(false)); // option off: the timer keeps running, nothing said
        QVERIFY(engine.images.empty());
        QVERIFY(timer.Tick(true));
        QVERIFY(timer.Greeted());
        QVERIFY(timer.Tick(false));
        QVERIFY(timer.Tick(true));
        QCOMPARE(engine.images.size(), 1u);
    }

    void testButtonsWaitForTheEnd() {
        FakeSoundEngine engine;
        PlayGreetingAndWait(engine, QStringLiteral("ZuliAsa"));
        QCOMPARE(engine.images.size(), 1u);
        QCOMPARE(engine.images[0].image, GreetingImage(QStringLiteral("ZuliAsa")));
        QVERIFY(engine.images[0].wait);
    }
};

QTEST_APPLESS_MAIN(TestGreetings)
#include "tst_greetings.moc"
