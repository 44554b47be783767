// Speech through espeak-ng (its Japanese voice unless told otherwise): each text is synthesised by an
// espeak-ng process into a WAVE image in the sound device's own format, which
// the sound engine plays on its shared channel. Synthesis and conversion run
// on a thread of their own, so a keystroke never waits for the voice; a text
// heard once is kept, so a problem that comes again is played at once.
#pragma once

#include "core/SerialWorker.h"
#include "platform/speech/Speech.h"

#include <QByteArray>
#include <QHash>
#include <QObject>

class SoundEngine;

class EspeakSpeech : public QObject, public Speech {
    Q_OBJECT
public:
    explicit EspeakSpeech(SoundEngine& sound, QString program = QStringLiteral("espeak-ng"),
                          QObject* parent = nullptr);
    ~EspeakSpeech() override;

    void Say(const QString& text) override;
    void Hush() override;
    void SetVoice(const QString& voice) override;

    // The text as espeak-ng should read it: the particle "は" is said "わ".
    static QString Pronounced(const QString& text);
    // The text as the voice should read it: Pronounced for the Japanese one.
    static QString PronouncedBy(const QString& voice, const QString& text);
    // espeak-ng writing to a pipe cannot go back to fill in the sizes of its
    // WAVE header; this sets them from the bytes that came. Empty when the
    // output is no WAVE at all.
    static QByteArray CompletedWave(QByteArray output);

signals:
    // A text began to play (tests and the help's example listen).
    void Spoken(const QString& text);

private:
    void synthesise(const QString& text);
    void synthesised(const QString& text, const QString& voice, const QByteArray& wave,
                     const QString& failure);
    void play(const QString& text);

    SoundEngine& sound_;
    QString program_;
    QString voice_ = QStringLiteral("ja");
    SerialWorker worker_; // espeak-ng runs there
    bool synthesising_ = false;
    QString pending_; // the newest text not yet spoken
    QString toPlay_;  // voiced, to be played after the current event
    bool playQueued_ = false;
    QHash<QString, QByteArray> voiced_;
    bool failureLogged_ = false;
};
