// What reaches the speaker: SDL's disk driver writes every sample the engine
// plays to a file, which is compared with the samples of the sound.
#include "platform/sound/SoundSdlEngine.h"

#include "sound/Greetings.h"
#include "tests/support/FakeSoundFiles.h"

#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace {

// The first sample index where `part` stands whole in `all`, or -1.
qsizetype FindSamples(const QByteArray& all, const QByteArray& part) {
    for (qsizetype at = all.indexOf(part); at >= 0; at = all.indexOf(part, at + 1))
        if (at % 2 == 0)
            return at / 2;
    return -1;
}

bool SilentOutside(const QList<qint16>& all, qsizetype from, qsizetype to) {
    for (qsizetype i = 0; i < all.size(); ++i)
        if ((i < from || i >= to) && all[i] != 0)
            return false;
    return true;
}

// The span from the first to the last sample that is not silent.
std::pair<qsizetype, qsizetype> SoundingSpan(const QList<qint16>& all) {
    qsizetype first = 0;
    while (first < all.size() && all[first] == 0)
        ++first;
    qsizetype last = all.size();
    while (last > first && all[last - 1] == 0)
        --last;
    return {first, last};
}

} // namespace

class TestSoundSamples : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    int recordings_ = 0;

    // Runs `play` on a fresh engine whose device writes to a file; returns
    // the samples written, once the engine has closed the device.
    QByteArray record(SoundDeviceFormat format, const std::function<void(SdlSoundEngine&)>& play) {
        const QString out = dir_.filePath(QStringLiteral("out%1.raw").arg(++recordings_));
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(out));
        {
            SdlSoundEngine engine(format);
            play(engine);
            if (engine.DriverName() != QStringLiteral("disk"))
                qWarning("played on %s", qPrintable(engine.DriverName()));
        }
        QFile file(out);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void slotPlaysTheFileSamples() {
        const QList<qint16> samples = NoiseSamples(2400);
        const QString path = dir_.filePath(QStringLiteral("noise.wav"));
        QVERIFY(WriteTestFile(path, WaveFile(8000, 1, samples)));
        const QByteArray out = record({8000, 1}, [&](SdlSoundEngine& engine) {
            auto player = engine.CreatePlayer();
            bool ended = false;
            player->SetOnNotify([&] { ended = true; });
            player->SetFileName(path);
            player->Open();
            player->Play();
            QTRY_VERIFY_WITH_TIMEOUT(ended, 3000);
            QTest::qWait(100); // the last buffer reaches the file after the mixer is done
        });
        const qsizetype at = FindSamples(out, SampleBytes(samples));
        QVERIFY2(at >= 0, "the file's samples were not played whole");
        QVERIFY(SilentOutside(SamplesOf(out), at, at + samples.size()));
    }

    void greetingPlaysTheImageSamples_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("ZuliAsa") << "ZuliAsa";
        QTest::newRow("ZuliHiru") << "ZuliHiru";
        QTest::newRow("ZuliBan") << "ZuliBan";
    }
    void greetingPlaysTheImageSamples() {
        QFETCH(QString, name);
        const QByteArray image = GreetingImage(name);
        const QByteArray data = image.mid(48);
        const QByteArray out =
            record({8000, 1}, [&](SdlSoundEngine& engine) { QVERIFY(engine.PlayImage(image, true)); });
        const qsizetype at = FindSamples(out, data);
        QVERIFY2(at >= 0, "the greeting's samples were not played whole");
        QVERIFY(SilentOutside(SamplesOf(out), at, at + data.size() / 2));
    }

    // A mono file on a stereo device: both channels carry the file's samples,
    // give or take the rounding of SDL's conversion.
    void exitSoundReachesBothChannels() {
        const QList<qint16> samples = NoiseSamples(1600, 777);
        const QString path = dir_.filePath(QStringLiteral("exit.wav"));
        QVERIFY(WriteTestFile(path, WaveFile(8000, 1, samples)));
        const QByteArray out =
            record({8000, 2}, [&](SdlSoundEngine& engine) { QVERIFY(engine.PlayFileAndWait(path)); });
        const QList<qint16> frames = SamplesOf(out);
        const auto [first, last] = SoundingSpan(frames);
        QVERIFY(first % 2 == 0);
        QCOMPARE((last - first + 1) / 2, samples.size());
        for (qsizetype i = 0; i < samples.size(); ++i) {
            const int left = frames[first + 2 * i];
            const int right = frames[first + 2 * i + 1];
            if (std::abs(left - samples[i]) > 2 || std::abs(right - samples[i]) > 2)
                QFAIL(qPrintable(
                    QString("sample %1: %2 / %3, file has %4").arg(i).arg(left).arg(right).arg(samples[i])));
        }
    }

    // A 22050 Hz stereo tone on an 8000 Hz mono device keeps its pitch and length.
    void resampledToneKeepsPitchAndLength() {
        const QString path = dir_.filePath(QStringLiteral("tone.wav"));
        QVERIFY(WriteTestFile(path, WaveFile(22050, 2, ToneSamples(1000, 22050, 2, 0.5))));
        const QByteArray out =
            record({8000, 1}, [&](SdlSoundEngine& engine) { QVERIFY(engine.PlayFileAndWait(path)); });
        const QList<qint16> samples = SamplesOf(out);
        const auto [first, last] = SoundingSpan(samples);
        const double seconds = (last - first) / 8000.0;
        QVERIFY2(std::abs(seconds - 0.5) < 0.02, qPrintable(QString::number(seconds)));
        int crossings = 0;
        for (qsizetype i = first + 1; i < last; ++i)
            if ((samples[i - 1] < 0) != (samples[i] < 0))
                ++crossings;
        const double frequency = crossings / 2.0 / seconds;
        QVERIFY2(std::abs(frequency - 1000) < 30, qPrintable(QString::number(frequency)));
    }

    // Greetings and the exit sound share one channel: the later one cuts the
    // earlier short and then plays whole.
    void aNewSharedSoundStopsTheOneStillPlaying() {
        const QByteArray morning = GreetingImage(QStringLiteral("ZuliAsa")).mid(48);
        const QList<qint16> exitSamples = NoiseSamples(4000, 99);
        const QString path = dir_.filePath(QStringLiteral("exit2.wav"));
        QVERIFY(WriteTestFile(path, WaveFile(8000, 1, exitSamples)));
        const QByteArray out = record({8000, 1}, [&](SdlSoundEngine& engine) {
            QVERIFY(engine.PlayImage(GreetingImage(QStringLiteral("ZuliAsa")), false));
            QTest::qWait(800);
            QVERIFY(engine.PlayFileAndWait(path));
        });
        const qsizetype exitAt = FindSamples(out, SampleBytes(exitSamples));
        QVERIFY2(exitAt >= 0, "the exit sound was not played whole");
        QVERIFY(SilentOutside(SamplesOf(out).mid(exitAt), 0, exitSamples.size()));

        // Before it: the start of the greeting, and only its start.
        const QList<qint16> before = SamplesOf(out.left(exitAt * 2));
        const QList<qint16> greeting = SamplesOf(morning);
        const auto [greetingFirst, greetingLast] = SoundingSpan(greeting);
        const auto [first, last] = SoundingSpan(before);
        const qsizetype start = first - greetingFirst; // where the greeting began in the output
        QVERIFY(start >= 0);
        const qsizetype heard = exitAt - start;
        QVERIFY2(heard > 4000 && heard < 12000, qPrintable(QString::number(heard)));
        QVERIFY(heard < greeting.size());
        QCOMPARE(before.mid(start, heard), greeting.mid(0, heard));
        Q_UNUSED(last);
        Q_UNUSED(greetingLast);
    }
};

QTEST_GUILESS_MAIN(TestSoundSamples)
#include "tst_soundsamples.moc"
