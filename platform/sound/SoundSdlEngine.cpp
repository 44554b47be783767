#include "platform/sound/SoundSdlEngine.h"

#include "core/Logging.h"
#include "core/VantelError.h"
#include "platform/sound/SdlLibrary.h"

#include <QFile>
#include <QMetaObject>
#include <QtEndian>
#include <array>
#include <atomic>
#include <cstring>
#include <mutex>

namespace {

// Channel 0 is shared by the greetings and the exit sound; players take 1, 2, ...
constexpr int kSharedChannel = 0;
constexpr int kMaxChannels = 32;

std::atomic<SdlSoundEngine*> activeEngine{nullptr};
// Counts the playbacks started on each channel, so a notice can tell whether
// it belongs to the playback that is current.
std::array<std::atomic<quint64>, kMaxChannels> playSerials{};

QString SdlErrorText() { return QString::fromUtf8(Sdl().SDL_GetError()); }

// A converted sound larger than this is refused: no event sound is minutes
// long, and SDL counts a conversion's bytes in an int.
constexpr size_t kMaxConvertedBytes = 256u << 20;

quint32 littleEndian32(const unsigned char* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | quint32(bytes[3]) << 24;
}

// SDL allocates the length a data chunk declares before it reads the chunk,
// so a damaged header of a few bytes could claim gigabytes. A data chunk
// longer than the rest of the file is refused here, with SDL's own words for
// it, before anything is allocated. Leaves the source where it was.
void CheckDataChunkLength(SDL_RWops* source) {
    const Sint64 start = source->seek(source, 0, RW_SEEK_CUR);
    const Sint64 size = source->size(source);
    if (start < 0 || size < 0)
        return;
    unsigned char header[12];
    bool tooLong = false;
    Sint64 position = -1;
    const size_t got = source->read(source, header, 1, 12);
    if (got == 12 && std::memcmp(header, "RIFF", 4) == 0 && std::memcmp(header + 8, "WAVE", 4) == 0)
        position = start + 12;
    else if (got >= 4 && std::memcmp(header, "WAVE", 4) == 0) // SDL also takes a file without its RIFF header
        position = start + 4;
    while (position >= 0 && source->seek(source, position, RW_SEEK_SET) == position &&
           source->read(source, header, 1, 8) == 8) {
        const Sint64 length = littleEndian32(header + 4);
        const Sint64 rest = size - (position + 8);
        if (std::memcmp(header, "data", 4) == 0) {
            tooLong = length > rest;
            break;
        }
        if (length > rest)
            break; // SDL finds no data chunk then, and says so
        position += 8 + length + (length & 1);
    }
    source->seek(source, start, RW_SEEK_SET);
    if (tooLong) {
        source->close(source);
        throw VantelError(QStringLiteral("Could not read data of WAVE data chunk"));
    }
}

} // namespace

// A sound in the device's format, ready for a channel.
class SoundChunk {
public:
    SoundChunk(Uint8* samples, Uint32 length, Mix_Chunk* chunk)
        : samples_(samples), length_(length), chunk_(chunk) {}
    ~SoundChunk() {
        if (chunk_)
            Sdl().Mix_FreeChunk(chunk_); // halts any channel still playing it
        Sdl().SDL_free(samples_);
    }
    SoundChunk(const SoundChunk&) = delete;
    SoundChunk& operator=(const SoundChunk&) = delete;

    Mix_Chunk* Chunk() const { return chunk_; }
    bool Empty() const { return length_ == 0; }

private:
    Uint8* samples_;
    Uint32 length_;
    Mix_Chunk* chunk_; // null when no device is open
};

class SdlSoundPlayer : public SoundPlayer {
public:
    SdlSoundPlayer(SdlSoundEngine& engine, int channel) : engine_(&engine), channel_(channel) {}
    ~SdlSoundPlayer() override {
        if (engine_) {
            Close();
            engine_->Forget(channel_);
        }
    }

    bool IsOpen() const override { return sound_ != nullptr; }
    void Open() override {
        Close();
        if (engine_)
            sound_ = engine_->LoadFile(FileName());
    }
    void Play() override {
        if (engine_ && sound_)
            engine_->PlayOnChannel(channel_, *sound_);
    }
    void Stop() override {
        if (engine_)
            engine_->Halt(channel_);
    }
    void Close() override {
        Stop();
        sound_.reset();
    }

    void Finished() { Notify(); }
    // The engine is going away before this player.
    void Detach() {
        sound_.reset();
        engine_ = nullptr;
    }

private:
    SdlSoundEngine* engine_;
    int channel_;
    std::unique_ptr<SoundChunk> sound_;
};

// Runs on the audio thread, or inside Mix_HaltChannel on the caller's: it
// only posts to the GUI thread and never calls the mixer.
void SdlSoundEngine::ChannelFinished(int channel) {
    if (channel <= kSharedChannel || channel >= kMaxChannels)
        return;
    SdlSoundEngine* engine = activeEngine.load();
    if (engine)
        engine->PostNotice(channel);
}

SdlSoundEngine::SdlSoundEngine(SoundDeviceFormat format) : format_(format) {}

SdlSoundEngine::~SdlSoundEngine() {
    for (auto& [channel, player] : players_)
        player->Detach();
    shared_.reset();
    if (deviceOpen_) {
        Sdl().Mix_ChannelFinished(nullptr);
        Sdl().Mix_HaltChannel(-1);
        Sdl().Mix_CloseAudio();
        Sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    if (started_)
        activeEngine.store(nullptr);
}

std::unique_ptr<SoundPlayer> SdlSoundEngine::CreatePlayer() {
    if (nextChannel_ >= kMaxChannels)
        throw VantelError(QStringLiteral("Too many sound players"));
    const int channel = nextChannel_++;
    if (deviceOpen_)
        Sdl().Mix_AllocateChannels(nextChannel_);
    auto player = std::make_unique<SdlSoundPlayer>(*this, channel);
    players_[channel] = player.get();
    return player;
}

QString SdlSoundEngine::DriverName() const {
    const char* name = started_ ? Sdl().SDL_GetCurrentAudioDriver() : nullptr;
    return name ? QString::fromUtf8(name) : QString();
}

void SdlSoundEngine::Start() {
    if (started_)
        return;
    Sdl(); // raises VantelError without the libraries; the next use tries again
    started_ = true;
    // Without this SDL installs its own SIGINT/SIGTERM handlers and the
    // program would no longer end on SIGTERM.
    Sdl().SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    activeEngine.store(this);
    deviceOpen_ = OpenDevice();
    if (!deviceOpen_) {
        // No sound card: play into the dummy driver so that everything,
        // waiting included, behaves as it would with one.
        Sdl().SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        deviceOpen_ = OpenDevice();
        Sdl().SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    }
    if (!deviceOpen_)
        return; // files are still checked; plays end at once
    Sdl().Mix_AllocateChannels(nextChannel_);
    Sdl().Mix_ChannelFinished(&ChannelFinished);
}

bool SdlSoundEngine::OpenDevice() {
    if (Sdl().SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    // About 20 ms a buffer: short enough that a wait ends close to the sound's end.
    frames_ = 256;
    while (frames_ < format_.frequency / 50)
        frames_ *= 2;
    // No changes allowed: SDL converts for the hardware, and the mixer's
    // output is exactly the format asked for.
    if (Sdl().Mix_OpenAudioDevice(format_.frequency, AUDIO_S16SYS, format_.channels, frames_, nullptr, 0) !=
        0) {
        Sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

std::unique_ptr<SoundChunk> SdlSoundEngine::LoadFile(const QString& fileName) {
    Start();
    SDL_RWops* source = Sdl().SDL_RWFromFile(QFile::encodeName(fileName).constData(), "rb");
    if (!source)
        throw VantelError(SdlErrorText());
    return Load(source);
}

WaveSamples LoadWave(SDL_RWops* source, const SoundDeviceFormat* device) {
    // Strict loading gives the real reason a WAVE file is refused. Set once:
    // the voice loads on a thread of its own, and SDL's hints take no lock.
    static std::once_flag strict;
    std::call_once(strict, [] { Sdl().SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict"); });
    SDL_AudioSpec wave;
    WaveSamples sound;
    Uint32 length = 0;
    if (source)
        CheckDataChunkLength(source);
    if (!Sdl().SDL_LoadWAV_RW(source, 1, &wave, &sound.data, &length))
        throw VantelError(SdlErrorText());
    sound.length = length;
    // A file without samples needs no conversion (and has no buffer to convert).
    if (!device || length == 0)
        return sound;

    SDL_AudioCVT cvt;
    const int conversion = Sdl().SDL_BuildAudioCVT(&cvt, wave.format, wave.channels, wave.freq, AUDIO_S16SYS,
                                                   static_cast<Uint8>(device->channels), device->frequency);
    if (conversion < 0) {
        Sdl().SDL_FreeWAV(sound.data);
        throw VantelError(SdlErrorText());
    }
    if (conversion > 0 && size_t(length) * size_t(cvt.len_mult) > kMaxConvertedBytes) {
        Sdl().SDL_FreeWAV(sound.data);
        throw VantelError(QStringLiteral("WAVE file too long to convert"));
    }
    if (conversion > 0) {
        cvt.len = static_cast<int>(length);
        cvt.buf = static_cast<Uint8*>(Sdl().SDL_malloc(static_cast<size_t>(cvt.len) * cvt.len_mult));
        if (!cvt.buf) {
            Sdl().SDL_FreeWAV(sound.data);
            throw VantelError(QStringLiteral("Out of memory"));
        }
        std::memcpy(cvt.buf, sound.data, length);
        Sdl().SDL_FreeWAV(sound.data);
        if (Sdl().SDL_ConvertAudio(&cvt) != 0) {
            Sdl().SDL_free(cvt.buf);
            throw VantelError(SdlErrorText());
        }
        sound.data = cvt.buf;
        sound.length = static_cast<Uint32>(cvt.len_cvt);
    }
    const Uint32 frameBytes = static_cast<Uint32>(SDL_AUDIO_BITSIZE(AUDIO_S16SYS) / 8 * device->channels);
    sound.length -= sound.length % frameBytes;
    return sound;
}

std::unique_ptr<SoundChunk> SdlSoundEngine::Load(SDL_RWops* source) {
    if (!deviceOpen_) {
        const WaveSamples sound = LoadWave(source, nullptr);
        return std::make_unique<SoundChunk>(sound.data, sound.length, nullptr);
    }
    // The device was opened allowing no changes, so it has exactly this format.
    const WaveSamples sound = LoadWave(source, &format_);
    Mix_Chunk* chunk = Sdl().Mix_QuickLoad_RAW(sound.data, sound.length);
    if (!chunk) {
        Sdl().SDL_free(sound.data);
        throw VantelError(SdlErrorText());
    }
    return std::make_unique<SoundChunk>(sound.data, sound.length, chunk);
}

bool SdlSoundEngine::PlayFileAndWait(const QString& fileName) {
    try {
        return PlayShared(LoadFile(fileName), true);
    } catch (const VantelError&) {
        // Like a failed system sound: nothing to say to the user.
        LogCurrentFailure(lcSound(), "Playing a sound file");
        return false;
    }
}

bool SdlSoundEngine::PlayImage(QByteArrayView image, bool wait) {
    std::unique_ptr<SoundChunk> sound;
    try {
        Start();
        sound = Load(Sdl().SDL_RWFromConstMem(image.data(), static_cast<int>(image.size())));
    } catch (const VantelError&) {
        LogCurrentFailure(lcSound(), "Loading a built-in sound");
        return false;
    }
    return PlayShared(std::move(sound), wait);
}

QByteArray SdlSoundEngine::DeviceImage(QByteArrayView image) const {
    WaveSamples sound;
    try {
        sound = LoadWave(Sdl().SDL_RWFromConstMem(image.data(), static_cast<int>(image.size())), &format_);
    } catch (const VantelError&) {
        return image.toByteArray();
    }
    // A canonical PCM header: 16-bit samples in the device's rate and channels.
    const quint16 blockAlign = quint16(2 * format_.channels);
    QByteArray wave(44, '\0');
    char* header = wave.data();
    std::memcpy(header, "RIFF", 4);
    qToLittleEndian<quint32>(36 + sound.length, header + 4);
    std::memcpy(header + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, header + 16);
    qToLittleEndian<quint16>(1, header + 20);
    qToLittleEndian<quint16>(quint16(format_.channels), header + 22);
    qToLittleEndian<quint32>(quint32(format_.frequency), header + 24);
    qToLittleEndian<quint32>(quint32(format_.frequency) * blockAlign, header + 28);
    qToLittleEndian<quint16>(blockAlign, header + 32);
    qToLittleEndian<quint16>(16, header + 34);
    std::memcpy(header + 36, "data", 4);
    qToLittleEndian<quint32>(sound.length, header + 40);
    wave.append(reinterpret_cast<const char*>(sound.data), qsizetype(sound.length));
    Sdl().SDL_free(sound.data);
    return wave;
}

bool SdlSoundEngine::PlayShared(std::unique_ptr<SoundChunk> sound, bool wait) {
    if (!deviceOpen_)
        return false;
    Sdl().Mix_HaltChannel(kSharedChannel);
    shared_ = std::move(sound);
    if (shared_->Empty())
        return true;
    if (Sdl().Mix_PlayChannelTimed(kSharedChannel, shared_->Chunk(), 0, -1) < 0)
        return false;
    if (wait)
        WaitForEnd(kSharedChannel);
    return true;
}

void SdlSoundEngine::WaitForEnd(int channel) {
    while (Sdl().Mix_Playing(channel))
        Sdl().SDL_Delay(5);
    // The mixer is done when the last samples are in the device's buffer;
    // they are heard one buffer later. Allow two for SDL's own conversion.
    Sdl().SDL_Delay(static_cast<Uint32>(2 * frames_ * 1000 / format_.frequency + 1));
}

void SdlSoundEngine::PlayOnChannel(int channel, const SoundChunk& sound) {
    // Halting first makes any notice of the earlier playback carry the old serial.
    Halt(channel);
    ++playSerials[channel];
    if (!deviceOpen_ || sound.Empty() || Sdl().Mix_PlayChannelTimed(channel, sound.Chunk(), 0, -1) < 0)
        PostNotice(channel);
}

void SdlSoundEngine::Halt(int channel) {
    if (deviceOpen_)
        Sdl().Mix_HaltChannel(channel);
}

void SdlSoundEngine::PostNotice(int channel) {
    const quint64 serial = playSerials[channel].load();
    QMetaObject::invokeMethod(
        &notices_, [this, channel, serial] { DeliverNotice(channel, serial); }, Qt::QueuedConnection);
}

void SdlSoundEngine::DeliverNotice(int channel, quint64 serial) {
    if (serial != playSerials[channel].load())
        return;
    const auto found = players_.find(channel);
    if (found != players_.end())
        found->second->Finished();
}

void SdlSoundEngine::Forget(int channel) { players_.erase(channel); }
