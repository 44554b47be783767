// A sound engine that plays nothing: its players record what was asked of
// them and raise a scripted error on Open; the shared-channel plays are
// recorded by the engine. A test ends a playback with FakeSoundPlayer::Finish.
#pragma once

#include "core/VantelError.h"
#include "platform/sound/SoundEngine.h"

#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <vector>

class FakeSoundPlayer : public SoundPlayer {
public:
    explicit FakeSoundPlayer(const QHash<QString, QString>& openErrors) : openErrors_(openErrors) {}

    bool IsOpen() const override { return open; }
    void Open() override {
        calls.append(QStringLiteral("open ") + FileName());
        if (openErrors_.contains(FileName()))
            throw VantelError(openErrors_.value(FileName()));
        open = true;
    }
    void Play() override {
        calls.append(QStringLiteral("play ") + FileName());
        playing = true;
    }
    void Stop() override {
        calls.append(QStringLiteral("stop"));
        playing = false;
    }
    void Close() override {
        calls.append(QStringLiteral("close"));
        open = false;
        playing = false;
    }
    // The playback ends: the completion notice.
    void Finish() {
        playing = false;
        Notify();
    }

    QStringList calls;
    bool open = false;
    bool playing = false;

private:
    const QHash<QString, QString>& openErrors_;
};

class FakeSoundEngine : public SoundEngine {
public:
    struct ImagePlay {
        QByteArray image;
        bool wait;
    };

    std::unique_ptr<SoundPlayer> CreatePlayer() override {
        auto player = std::make_unique<FakeSoundPlayer>(openErrors);
        players.push_back(player.get());
        return player;
    }
    bool PlayFileAndWait(const QString& fileName) override {
        filesPlayed.append(fileName);
        return true;
    }
    bool PlayImage(QByteArrayView image, bool wait) override {
        images.push_back({image.toByteArray(), wait});
        return true;
    }

    // File name -> the text Open raises for it.
    QHash<QString, QString> openErrors;
    std::vector<FakeSoundPlayer*> players; // in the order they were made
    QStringList filesPlayed;
    std::vector<ImagePlay> images;
};
