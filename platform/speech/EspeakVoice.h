// The worker behind EspeakSpeech: runs espeak-ng for one text at a time and
// hands back the voice as a WAVE image ready for the sound device.
#pragma once

#include <QObject>
#include <QString>

class SoundEngine;

class EspeakVoice : public QObject {
    Q_OBJECT
public:
    EspeakVoice(const SoundEngine& sound, QString program) : sound_(sound), program_(std::move(program)) {}

    // Blocks its thread until espeak-ng has finished (or the thread is asked
    // to stop); reports through Synthesised.
    void Synthesise(const QString& text);

signals:
    // `wave` is empty when espeak-ng failed; `failure` then says why.
    void Synthesised(const QString& text, const QByteArray& wave, const QString& failure);

private:
    const SoundEngine& sound_;
    QString program_;
};
