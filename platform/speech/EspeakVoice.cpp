#include "platform/speech/EspeakVoice.h"

#include "platform/sound/SoundEngine.h"
#include "platform/speech/EspeakSpeech.h"

#include <QProcess>

namespace {
// A short text takes espeak-ng a few tenths of a second; one that takes
// longer than this is given up.
constexpr int kLongestSynthesisMs = 10000;
constexpr int kPollMs = 50;
} // namespace

SynthesisedVoice SynthesiseVoice(const SoundEngine& sound, const QString& program, const QString& voice,
                                 const QString& text, const std::function<bool()>& stopping) {
    QProcess process;
    process.start(program, {QStringLiteral("-v"), voice, QStringLiteral("--stdout"),
                            EspeakSpeech::PronouncedBy(voice, text)});
    if (!process.waitForStarted())
        return {{}, process.errorString()};
    // Polled, so that closing the program never waits for a voice.
    for (int waited = 0; !process.waitForFinished(kPollMs); waited += kPollMs) {
        if (stopping() || waited >= kLongestSynthesisMs) {
            process.kill();
            process.waitForFinished();
            return {{}, QStringLiteral("stopped before it finished")};
        }
    }
    const QByteArray wave = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0
                                ? EspeakSpeech::CompletedWave(process.readAllStandardOutput())
                                : QByteArray();
    if (wave.isEmpty())
        return {{}, QString::fromLocal8Bit(process.readAllStandardError())};
    return {sound.DeviceImage(wave), {}};
}
