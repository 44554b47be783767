// The work behind EspeakSpeech: runs espeak-ng for one text and makes the
// voice a WAVE image ready for the sound device. It runs on the speech's worker.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class SoundEngine;

struct SynthesisedVoice {
    QByteArray wave; // empty when espeak-ng failed; failure then says why
    QString failure;
};

// Blocks until espeak-ng has finished, or stopping() turns true.
SynthesisedVoice SynthesiseVoice(const SoundEngine& sound, const QString& program, const QString& voice,
                                 const QString& text, const std::function<bool()>& stopping);
