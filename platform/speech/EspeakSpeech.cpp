#include "platform/speech/EspeakSpeech.h"

#include "core/Logging.h"
#include "platform/sound/SoundEngine.h"
#include "platform/speech/EspeakVoice.h"

#include <QRegularExpression>
#include <QTimer>
#include <QtEndian>

namespace {
// Problems and scores are few; this bounds the memory of a long session.
constexpr int kMaxVoiced = 512;
} // namespace

EspeakSpeech::EspeakSpeech(SoundEngine& sound, QString program, QObject* parent)
    : QObject(parent), sound_(sound), program_(std::move(program)),
      worker_(lcSpeech, "Speaking with espeak-ng") {}

// A voice being made is stopped within a poll of espeak-ng.
EspeakSpeech::~EspeakSpeech() { worker_.Stop(std::chrono::milliseconds::max(), SerialWorker::Queued::Drop); }

QString EspeakSpeech::Pronounced(const QString& text) {
    static const QRegularExpression particle(QStringLiteral("(^|\\s)は(\\s|$)"));
    QString said = text;
    return said.replace(particle, QStringLiteral("\\1わ\\2"));
}

QString EspeakSpeech::PronouncedBy(const QString& voice, const QString& text) {
    return voice == QLatin1String("ja") ? Pronounced(text) : text;
}

QByteArray EspeakSpeech::CompletedWave(QByteArray output) {
    if (output.size() < 12 || !output.startsWith("RIFF") || output.mid(8, 4) != "WAVE")
        return {};
    qToLittleEndian<quint32>(quint32(output.size() - 8), output.data() + 4);
    // Walk the chunks to "data", which runs to the end of what came.
    qsizetype at = 12;
    while (at + 8 <= output.size()) {
        const QByteArray id = output.mid(at, 4);
        if (id == "data") {
            qToLittleEndian<quint32>(quint32(output.size() - at - 8), output.data() + at + 4);
            return output;
        }
        const quint32 size = qFromLittleEndian<quint32>(output.constData() + at + 4);
        at += 8 + qsizetype(size) + (size & 1);
    }
    return {};
}

void EspeakSpeech::Say(const QString& text) {
    if (text.isEmpty())
        return;
    if (voiced_.contains(text)) {
        pending_.clear();
        play(text);
        return;
    }
    pending_ = text;
    if (!synthesising_)
        synthesise(text);
}

void EspeakSpeech::Hush() {
    pending_.clear();
    toPlay_.clear();
    // A short silence on the shared channel ends what is playing.
    static const QByteArray silence = [] {
        QByteArray wave(
            "RIFF\0\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x80\x3e\0\0\x02\0\x10\0data\0\0\0\0", 44);
        wave.append(QByteArray(16, '\0'));
        return CompletedWave(wave);
    }();
    sound_.PlayImage(silence, false);
}

void EspeakSpeech::SetVoice(const QString& voice) {
    if (voice.isEmpty() || voice == voice_)
        return;
    // The texts heard so far were said by the other voice.
    voice_ = voice;
    voiced_.clear();
}

void EspeakSpeech::synthesise(const QString& text) {
    // The worker starts with the first text: most runs never read aloud.
    synthesising_ = true;
    const SoundEngine& sound = sound_;
    worker_.Run<SynthesisedVoice>(
        this,
        [&sound, program = program_, voice = voice_, text, link = worker_.GetLink()] {
            return SynthesiseVoice(sound, program, voice, text, [&link] { return link.Stopping(); });
        },
        [this, text, voice = voice_](SynthesisedVoice made) {
            synthesised(text, voice, made.wave, made.failure);
        });
}

void EspeakSpeech::synthesised(const QString& text, const QString& voice, const QByteArray& wave,
                               const QString& failure) {
    synthesising_ = false;
    if (wave.isEmpty()) {
        // Reading aloud is a help, not the drill: the child is not interrupted.
        if (!std::exchange(failureLogged_, true))
            qCWarning(lcSpeech) << "Speaking with" << program_ << "failed:" << failure;
    } else if (voice == voice_) { // a voice changed meanwhile is not kept
        if (voiced_.size() >= kMaxVoiced)
            voiced_.clear();
        voiced_.insert(text, wave);
    }
    if (pending_ == text) {
        pending_.clear();
        if (!wave.isEmpty())
            play(text);
    } else if (!pending_.isEmpty()) {
        // A newer text came while this one was made: it is the one to say.
        const QString next = pending_;
        Say(next);
    }
}

void EspeakSpeech::play(const QString& text) {
    // Played once the key that asked has been handled and painted: handing
    // the voice to the sound engine costs more than the keystroke itself.
    toPlay_ = text;
    if (std::exchange(playQueued_, true))
        return;
    QTimer::singleShot(0, this, [this] {
        playQueued_ = false;
        if (toPlay_.isEmpty())
            return;
        const QString text = std::exchange(toPlay_, QString());
        sound_.PlayImage(voiced_.value(text), false);
        emit Spoken(text);
    });
}
