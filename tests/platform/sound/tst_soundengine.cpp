// The SDL engine on the dummy driver, which runs in real time like a sound
// card: first use, error texts, completion notices and waiting.
#include "platform/sound/SoundSdlEngine.h"

#include "core/VantelError.h"
#include "sound/Greetings.h"
#include "tests/support/FakeSoundFiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QtEndian>
#include <csignal>
#include <dlfcn.h>

class TestSoundEngine : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString noise(double seconds, const QString& name = QStringLiteral("noise.wav")) {
        const QString path = dir_.filePath(name);
        WriteTestFile(path, WaveFile(8000, 1, NoiseSamples(int(seconds * 8000))));
        return path;
    }
    static void restoreDriver() { qputenv("SDL_AUDIODRIVER", "dummy"); }
    // Whether a library is in the process, without loading it.
    static bool loaded(const char* library) {
        void* handle = dlopen(library, RTLD_LAZY | RTLD_NOLOAD);
        if (handle)
            dlclose(handle);
        return handle != nullptr;
    }

private slots:
    void init() { restoreDriver(); }

    void nothingStartsBeforeFirstUse() {
        SdlSoundEngine engine;
        std::vector<std::unique_ptr<SoundPlayer>> players;
        for (int i = 0; i < 5; ++i)
            players.push_back(engine.CreatePlayer());
        players[0]->SetFileName(noise(0.1));
        QVERIFY(!engine.Started());
        // Not even loaded: SDL and the mixer's dependencies cost start-up time.
        QVERIFY(!loaded("libSDL2-2.0.so.0"));
        QVERIFY(!loaded("libSDL2_mixer-2.0.so.0"));
        players[0]->Open();
        QVERIFY(engine.Started());
        QVERIFY(loaded("libSDL2_mixer-2.0.so.0"));
        QCOMPARE(engine.DriverName(), QStringLiteral("dummy"));
    }

    // SDL takes SIGINT and SIGTERM that nobody handles unless told not to,
    // and the program would then no longer end on SIGTERM.
    void startingLeavesTheTerminationSignalsAlone() {
        struct sigaction plain {
        }, termKept{}, intKept{}, termAfter{}, intAfter{};
        plain.sa_handler = SIG_DFL;
        sigaction(SIGTERM, &plain, &termKept); // the test library's own handlers step aside
        sigaction(SIGINT, &plain, &intKept);
        {
            SdlSoundEngine engine;
            engine.PlayImage(GreetingImage(QStringLiteral("ZuliBan")), false);
            sigaction(SIGTERM, nullptr, &termAfter);
            sigaction(SIGINT, nullptr, &intAfter);
        }
        sigaction(SIGTERM, &termKept, nullptr);
        sigaction(SIGINT, &intKept, nullptr);
        QVERIFY(termAfter.sa_handler == SIG_DFL);
        QVERIFY(intAfter.sa_handler == SIG_DFL);
    }

    void openErrorsCarryTheSoundSystemText_data() {
        QTest::addColumn<QByteArray>("content"); // "-" for no file at all
        QTest::addColumn<QString>("text");       // what the error text holds
        QTest::newRow("missing") << QByteArray("-") << "Couldn't open ";
        QTest::newRow("text file") << QByteArray("Ordinary words, not any kind of sound.\r\n")
                                   << "not a Waveform file";
        QTest::newRow("another RIFF form")
            << QByteArray("RIFF\x1c\0\0\0AVI LIST\x04\0\0\0abcd", 24) << "not a Waveform file";
        QTest::newRow("cut short") << WaveFile(8000, 1, NoiseSamples(800)).left(900) << "data chunk";
        // SDL set aside what the header claims before finding it missing.
        QByteArray claimsTwoGigabytes = WaveFile(8000, 1, NoiseSamples(100));
        qToLittleEndian<quint32>(0x80000000u, claimsTwoGigabytes.data() + 40);
        QTest::newRow("data chunk claims 2 GB")
            << claimsTwoGigabytes << "Could not read data of WAVE data chunk";
        // One sample a second, played at 44100 Hz: gigabytes once converted.
        QTest::newRow("too long once converted")
            << WaveFile(1, 1, NoiseSamples(50000)) << "WAVE file too long to convert";
    }

    // A file without samples is a silent sound, also when it needs converting
    // (its conversion once copied from a buffer that does not exist).
    void soundWithoutSamplesOpens() {
        const QString path = dir_.filePath(QStringLiteral("silent.wav"));
        QVERIFY(WriteTestFile(path, WaveFile(11025, 1, {})));
        SdlSoundEngine engine;
        auto player = engine.CreatePlayer();
        player->SetFileName(path);
        player->Open();
        QVERIFY(player->IsOpen());
    }
    void openErrorsCarryTheSoundSystemText() {
        QFETCH(QByteArray, content);
        QFETCH(QString, text);
        const QString path = dir_.filePath(QStringLiteral("bad.wav"));
        QFile::remove(path);
        if (content != "-")
            QVERIFY(WriteTestFile(path, content));
        SdlSoundEngine engine;
        auto player = engine.CreatePlayer();
        player->SetFileName(path);
        try {
            player->Open();
            QFAIL("opened");
        } catch (const VantelError& error) {
            QVERIFY2(error.Message().contains(text), qPrintable(error.Message()));
            if (content == "-")
                QCOMPARE(error.Message(), "Couldn't open " + path);
        }
        QVERIFY(!player->IsOpen());
        QVERIFY(!engine.PlayFileAndWait(path)); // the close-time play stays quiet
    }

    void playReturnsAtOnceAndNoticesTheEndOnTheGuiThread() {
        SdlSoundEngine engine;
        auto player = engine.CreatePlayer();
        int notices = 0;
        bool onGuiThread = false;
        player->SetOnNotify([&] {
            ++notices;
            onGuiThread = QThread::currentThread() == QCoreApplication::instance()->thread();
        });
        player->SetFileName(noise(0.4));
        player->Open();
        QElapsedTimer clock;
        clock.start();
        player->Play();
        // Back before the sound could have ended: it plays in the background.
        QVERIFY(clock.elapsed() < 390);
        QTRY_COMPARE_WITH_TIMEOUT(notices, 1, 3000);
        QVERIFY2(clock.elapsed() >= 390, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(onGuiThread);
        QTest::qWait(300);
        QCOMPARE(notices, 1);
    }

    void stoppingCutsShortWithOneNotice() {
        SdlSoundEngine engine;
        auto player = engine.CreatePlayer();
        int notices = 0;
        player->SetOnNotify([&] { ++notices; });
        player->SetFileName(noise(3));
        player->Open();
        player->Play();
        QTest::qWait(100);
        QElapsedTimer clock;
        clock.start();
        player->Stop();
        QTRY_COMPARE_WITH_TIMEOUT(notices, 1, 1000);
        QVERIFY(clock.elapsed() < 2500); // well before the 3 s sound would end
        player->Close();
        QTest::qWait(100);
        QCOMPARE(notices, 1);
    }

    void replayingDropsTheEarlierPlaybacksNotice() {
        SdlSoundEngine engine;
        auto player = engine.CreatePlayer();
        auto other = engine.CreatePlayer();
        int notices = 0;
        int otherNotices = 0;
        player->SetOnNotify([&] { ++notices; });
        other->SetOnNotify([&] { ++otherNotices; });
        player->SetFileName(noise(0.5));
        player->Open();
        player->Play();
        QTest::qWait(100);
        QElapsedTimer clock;
        clock.start();
        player->Close();
        player->Open();
        player->Play();
        QTRY_COMPARE_WITH_TIMEOUT(notices, 1, 3000);
        QVERIFY2(clock.elapsed() >= 480, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(otherNotices, 0);
    }

    void waitingPlaysLastAsLongAsTheSound_data() {
        QTest::addColumn<QString>("greeting"); // empty: a file
        QTest::addColumn<int>("milliseconds");
        QTest::newRow("file") << QString() << 600;
        QTest::newRow("greeting image") << "ZuliBan" << 2480;
    }
    void waitingPlaysLastAsLongAsTheSound() {
        QFETCH(QString, greeting);
        QFETCH(int, milliseconds);
        SdlSoundEngine engine;
        const QString file = noise(milliseconds / 1000.0);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(greeting.isEmpty() ? engine.PlayFileAndWait(file)
                                   : engine.PlayImage(GreetingImage(greeting), true));
        QVERIFY2(clock.elapsed() >= milliseconds, qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(clock.elapsed() < milliseconds + 3000, qPrintable(QString::number(clock.elapsed())));
    }

    void greetingWithoutWaitingReturnsAtOnce() {
        SdlSoundEngine engine;
        const QByteArray image = GreetingImage(QStringLiteral("ZuliAsa"));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(engine.PlayImage(image, false));
        QVERIFY(clock.elapsed() < 2000); // the greeting itself lasts 2.78 s
        QVERIFY(!engine.PlayImage(QByteArrayView("RIFF junk"), false));
    }

    // The voice is converted once, beside the drill; playing it later must
    // cost no conversion, so the image must be exactly the device's format.
    void aDeviceImageIsInTheDevicesOwnFormat() {
        SdlSoundEngine engine({44100, 2});
        const QByteArray voice = WaveFile(22050, 1, ToneSamples(440, 22050, 1, 0.5));
        const QByteArray image = engine.DeviceImage(voice);
        const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(image.constData() + at); };
        const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(image.constData() + at); };
        QVERIFY(image.startsWith("RIFF") && image.mid(8, 8) == "WAVEfmt " && image.mid(36, 4) == "data");
        QCOMPARE(u32(4), quint32(image.size() - 8));
        QCOMPARE(u16(22), quint16(2));
        QCOMPARE(u32(24), quint32(44100));
        QCOMPARE(u16(34), quint16(16));
        QCOMPARE(u32(40), quint32(image.size() - 44));
        QVERIFY2(qAbs(qint64(u32(40)) - 44100 / 2 * 4) <= 64, qPrintable(QString::number(u32(40))));
        QCOMPARE(engine.DeviceImage(image), image); // nothing left to convert
        QVERIFY(engine.PlayImage(image, false));
        QCOMPARE(engine.DeviceImage(QByteArrayView("RIFF junk")), QByteArray("RIFF junk"));
    }

    void fallsBackToTheDummyDriver_data() {
        QTest::addColumn<QByteArray>("driver");
        QTest::addColumn<QByteArray>("diskFile");
        QTest::newRow("no such driver") << QByteArray("nosuchdriver") << QByteArray();
        QTest::newRow("device that cannot open")
            << QByteArray("disk") << QByteArray("/nonexistent/dir/out.raw");
    }
    void fallsBackToTheDummyDriver() {
        QFETCH(QByteArray, driver);
        QFETCH(QByteArray, diskFile);
        qputenv("SDL_AUDIODRIVER", driver);
        qputenv("SDL_DISKAUDIOFILE", diskFile);
        SdlSoundEngine engine;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(engine.PlayFileAndWait(noise(0.3)));
        QVERIFY(clock.elapsed() >= 300);
        QCOMPARE(engine.DriverName(), QStringLiteral("dummy"));
        qunsetenv("SDL_DISKAUDIOFILE");
    }

    void playersMayOutliveTheEngine() {
        std::unique_ptr<SoundPlayer> player;
        {
            SdlSoundEngine engine;
            player = engine.CreatePlayer();
            player->SetFileName(noise(1));
            player->Open();
            player->Play();
        }
        QVERIFY(!player->IsOpen());
        player->Play();
        player->Close();
    }
};

QTEST_GUILESS_MAIN(TestSoundEngine)
#include "tst_soundengine.moc"
