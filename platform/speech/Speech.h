// A voice that says short texts: problems while a child types, and the score.
// Saying never waits: the text is queued, and a newer text replaces one that
// has not been spoken yet, so the voice never lags behind the child.
// The real voice is EspeakSpeech; tests use a recording fake.
#pragma once

#include <QString>

class Speech {
public:
    virtual ~Speech() = default;
    // Says the text as soon as it can; cuts short what is being said.
    virtual void Say(const QString& text) = 0;
    // Stops speaking and forgets what waits.
    virtual void Hush() = 0;
    // The voice for the texts said from now on, by its espeak-ng name ("ja", "en-us").
    virtual void SetVoice(const QString& voice) = 0;
};
