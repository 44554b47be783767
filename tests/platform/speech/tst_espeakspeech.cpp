// The espeak-ng voice: WAVE images the sound engine can play, the particle
// said as "わ" by the Japanese voice, a newer text replacing one not yet
// spoken, and another voice for another language.
#include "platform/speech/EspeakSpeech.h"

#include "tests/support/FakeSound.h"

#include <QSignalSpy>
#include <QTest>
#include <QtEndian>

namespace {
quint32 at(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

// A header as espeak-ng writes it to a pipe: sizes it could not fill in.
QByteArray pipedWave(int samples) {
    QByteArray wave("RIFF\x24\xf0\xff\x7fWAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xac\0\0\x02\0\x10\0"
                    "data\x00\xf0\xff\x7f",
                    44);
    wave.append(QByteArray(samples * 2, '\x01'));
    return wave;
}
} // namespace

class TestEspeakSpeech : public QObject {
    Q_OBJECT
private slots:
    void pronunciation_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("said");
        QTest::newRow("particle") << "せいかい は 95 こ"
                                  << "せいかい わ 95 こ";
        QTest::newRow("particle first") << "は 3"
                                        << "わ 3";
        QTest::newRow("inside a word it stays") << "はな"
                                                << "はな";
        QTest::newRow("problem unchanged") << "15 ひく 6"
                                           << "15 ひく 6";
    }
    void pronunciation() {
        QFETCH(QString, text);
        QFETCH(QString, said);
        QCOMPARE(EspeakSpeech::Pronounced(text), said);
    }

    void headerSizesAreFilledIn() {
        const QByteArray wave = EspeakSpeech::CompletedWave(pipedWave(100));
        QCOMPARE(wave.size(), 244);
        QCOMPARE(at(wave, 4), 236u);
        QCOMPARE(at(wave, 40), 200u);
        QCOMPARE(wave.mid(44), QByteArray(200, '\x01'));
    }

    void outputThatIsNoWaveGivesNothing_data() {
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("espeak-ng: no voice ja\n");
        QTest::newRow("header cut before data") << pipedWave(0).left(30);
    }
    void outputThatIsNoWaveGivesNothing() {
        QFETCH(QByteArray, output);
        QVERIFY(EspeakSpeech::CompletedWave(output).isEmpty());
    }

    void saysAProblemAsAWaveImage() {
        FakeSoundEngine sound;
        EspeakSpeech speech(sound);
        speech.Say(QStringLiteral("7 たす 8"));
        QVERIFY(sound.images.empty()); // nothing waits for the voice
        QTRY_COMPARE(sound.images.size(), size_t(1));
        const QByteArray wave = sound.images[0].image;
        QVERIFY(!sound.images[0].wait);
        QVERIFY(wave.startsWith("RIFF"));
        QCOMPARE(at(wave, 4), quint32(wave.size() - 8));
        QCOMPARE(at(wave, 40), quint32(wave.size() - 44));
        QVERIFY2(wave.size() > 44 + 22050 / 2, "less than a quarter of a second of voice");
    }

    void theNewestTextReplacesOneNotYetSpoken() {
        FakeSoundEngine sound;
        EspeakSpeech speech(sound);
        QSignalSpy spoken(&speech, &EspeakSpeech::Spoken);
        speech.Say(QStringLiteral("7 たす 8"));
        speech.Say(QStringLiteral("3 たす 8"));
        speech.Say(QStringLiteral("5 たす 8"));
        QTRY_COMPARE(spoken.size(), 1);
        QTest::qWait(300);
        QCOMPARE(spoken.size(), 1);
        QCOMPARE(spoken[0][0].toString(), "5 たす 8");
        QCOMPARE(sound.images.size(), size_t(1));
    }

    void aTextHeardBeforeIsSaidAtOnce() {
        FakeSoundEngine sound;
        EspeakSpeech speech(sound);
        speech.Say(QStringLiteral("4 かける 9"));
        QTRY_COMPARE(sound.images.size(), size_t(1));
        QSignalSpy spoken(&speech, &EspeakSpeech::Spoken);
        speech.Say(QStringLiteral("4 かける 9"));
        QVERIFY(spoken.wait(100)); // no new synthesis: well within its time
        QCOMPARE(sound.images.size(), size_t(2));
        QCOMPARE(sound.images[1].image, sound.images[0].image);
        // Hushed before it was handed over: only the hush is heard.
        speech.Say(QStringLiteral("4 かける 9"));
        speech.Hush();
        QTest::qWait(50);
        QCOMPARE(sound.images.size(), size_t(3));
        QCOMPARE(at(sound.images[2].image, 40), 16u);
    }

    void anotherVoiceSaysEveryTextAnew() {
        FakeSoundEngine sound;
        EspeakSpeech speech(sound);
        speech.Say(QStringLiteral("7 plus 8"));
        QTRY_COMPARE(sound.images.size(), size_t(1));
        speech.SetVoice(QStringLiteral("en-us"));
        speech.Say(QStringLiteral("7 plus 8")); // heard before, but from the Japanese voice
        QTRY_COMPARE(sound.images.size(), size_t(2));
        QVERIFY(sound.images[1].image != sound.images[0].image);
        // Only the Japanese voice needs the particle spelt as said.
        QCOMPARE(EspeakSpeech::PronouncedBy(QStringLiteral("en-us"), QStringLiteral("せいかい は 3")),
                 QStringLiteral("せいかい は 3"));
        QCOMPARE(EspeakSpeech::PronouncedBy(QStringLiteral("ja"), QStringLiteral("せいかい は 3")),
                 QStringLiteral("せいかい わ 3"));
    }

    void hushEndsThePlayingVoiceAndForgetsTheWaitingOne() {
        FakeSoundEngine sound;
        EspeakSpeech speech(sound);
        QSignalSpy spoken(&speech, &EspeakSpeech::Spoken);
        speech.Say(QStringLiteral("9 かける 9"));
        speech.Hush();
        QTest::qWait(500);
        QCOMPARE(spoken.size(), 0);
        // The hush itself is a short silence on the shared channel.
        QCOMPARE(sound.images.size(), size_t(1));
        QCOMPARE(at(sound.images[0].image, 40), 16u);
    }

    void aMissingVoiceProgramSaysNothingAndKeepsGoing() {
        FakeSoundEngine sound;
        EspeakSpeech speech(sound, QStringLiteral("/nonexistent/espeak-ng"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Speaking with .* failed"));
        speech.Say(QStringLiteral("1 たす 1"));
        QTest::qWait(200);
        speech.Say(QStringLiteral("2 たす 2"));
        QTest::qWait(200);
        QVERIFY(sound.images.empty());
    }
};

QTEST_GUILESS_MAIN(TestEspeakSpeech)
#include "tst_espeakspeech.moc"
