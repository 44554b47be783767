// A voice that records what it was asked to say.
#pragma once

#include "platform/speech/Speech.h"

#include <QStringList>

class FakeSpeech : public Speech {
public:
    void Say(const QString& text) override {
        if (!text.isEmpty())
            said.append(text);
    }
    void Hush() override { said.append(QStringLiteral("(hush)")); }
    void SetVoice(const QString& to) override { voice = to; }

    QStringList said;
    QString voice = QStringLiteral("ja");
};
