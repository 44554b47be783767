// The sound engine on SDL2 + SDL2_mixer. Nothing is touched until the first
// sound is opened or played, so start-up never waits for the audio device.
// When no device opens the engine carries on with SDL's "dummy" driver, so
// every operation, waiting included, still runs and ends on time.
// One engine at a time per process: SDL's mixer is a single global.
#pragma once

#include "platform/sound/SoundEngine.h"

#include <QObject>
#include <map>

class SoundChunk;
class SdlSoundPlayer;

struct SoundDeviceFormat {
    int frequency = 44100;
    int channels = 2; // signed 16-bit samples either way
};

struct SDL_RWops;

// Samples of a WAVE sound; `data` is SDL's memory (SDL_free).
struct WaveSamples {
    unsigned char* data = nullptr;
    unsigned length = 0;
};

// Reads a WAVE file or image the way the engine loads every sound: strict
// about files cut short, then converted to the device's format (kept as
// stored when `device` is null). Closes the source; raises VantelError.
WaveSamples LoadWave(SDL_RWops* source, const SoundDeviceFormat* device);

class SdlSoundEngine : public SoundEngine {
public:
    explicit SdlSoundEngine(SoundDeviceFormat format = {});
    ~SdlSoundEngine() override;
    SdlSoundEngine(const SdlSoundEngine&) = delete;
    SdlSoundEngine& operator=(const SdlSoundEngine&) = delete;

    std::unique_ptr<SoundPlayer> CreatePlayer() override;
    bool PlayFileAndWait(const QString& fileName) override;
    bool PlayImage(QByteArrayView image, bool wait) override;
    QByteArray DeviceImage(QByteArrayView image) const override;

    // Whether the first use has started the audio system.
    bool Started() const { return started_; }
    // The driver in use once started ("pulseaudio", "dummy", ...); empty before.
    QString DriverName() const;

private:
    friend class SdlSoundPlayer;

    void Start();
    bool OpenDevice();
    // Loads a WAVE file or image for the device; raises VantelError.
    std::unique_ptr<SoundChunk> LoadFile(const QString& fileName);
    std::unique_ptr<SoundChunk> Load(struct SDL_RWops* source);
    bool PlayShared(std::unique_ptr<SoundChunk> sound, bool wait);
    void WaitForEnd(int channel);
    void PlayOnChannel(int channel, const SoundChunk& sound);
    void Halt(int channel);
    // The mixer's end-of-channel callback.
    static void ChannelFinished(int channel);
    void PostNotice(int channel);
    void DeliverNotice(int channel, quint64 serial);
    void Forget(int channel);

    SoundDeviceFormat format_;
    bool started_ = false;
    bool deviceOpen_ = false;
    int frames_ = 0; // samples per device buffer
    int nextChannel_ = 1;
    std::unique_ptr<SoundChunk> shared_;
    std::map<int, SdlSoundPlayer*> players_;
    QObject notices_; // context of the queued completion notices
};
