#include "platform/speech/EspeakVoice.h"

#include "platform/sound/SoundEngine.h"
#include "platform/speech/EspeakSpeech.h"

#include <QProcess>
#include <QThread>

namespace {
// A short text takes espeak-ng a few tenths of a second; one that takes
// longer than this is given up.
constexpr int kLongestSynthesisMs = 10000;
constexpr int kPollMs = 50;
} // namespace

void EspeakVoice::Synthesise(const QString& text) {
    QProcess process;
    process.start(program_, {QStringLiteral("-v"), QStringLiteral("ja"), QStringLiteral("--stdout"),
                             EspeakSpeech::Pronounced(text)});
    if (!process.waitForStarted()) {
        emit Synthesised(text, {}, process.errorString());
        return;
    }
    // Polled, so that closing the program never waits for a voice.
    for (int waited = 0; !process.waitForFinished(kPollMs); waited += kPollMs) {
        if (QThread::currentThread()->isInterruptionRequested() || waited >= kLongestSynthesisMs) {
            process.kill();
            process.waitForFinished();
            emit Synthesised(text, {}, QStringLiteral("stopped before it finished"));
            return;
        }
    }
    const QByteArray wave = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0
                                ? EspeakSpeech::CompletedWave(process.readAllStandardOutput())
                                : QByteArray();
    if (wave.isEmpty()) {
        emit Synthesised(text, {}, QString::fromLocal8Bit(process.readAllStandardError()));
        return;
    }
    emit Synthesised(text, sound_.DeviceImage(wave), {});
}
