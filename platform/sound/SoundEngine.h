// The sound system as the program sees it: players for the event sounds, each
// on a channel of its own, and one shared channel for the greetings and the
// exit sound, where starting one sound stops the other. The real engine is
// SdlSoundEngine; tests use a recording fake.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <memory>

// One event-sound player. It is given a file name, opened on it, started
// without waiting, stopped and closed. Each playback that ends, normally or
// cut short, raises one completion notice on the GUI thread, from the event
// loop; a notice of an earlier playback that a new one has replaced is dropped.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    const QString& FileName() const { return fileName_; }
    void SetFileName(const QString& fileName) { fileName_ = fileName; }

    // The handler runs from the event loop: it must not throw.
    void SetOnNotify(std::function<void()> handler) { onNotify_ = std::move(handler); }

    virtual bool IsOpen() const = 0;
    // Loads the file, closing it first if it is open. A file the sound system
    // cannot use raises VantelError with the sound system's own text.
    virtual void Open() = 0;
    // Starts from the beginning and returns at once. A failure to start is
    // not reported; its notice follows at once.
    virtual void Play() = 0;
    virtual void Stop() = 0;
    virtual void Close() = 0;

protected:
    void Notify() {
        if (onNotify_)
            onNotify_();
    }

private:
    QString fileName_;
    std::function<void()> onNotify_;
};

class SoundEngine {
public:
    virtual ~SoundEngine() = default;
    // A player on a channel of its own. The engine must outlive its players.
    virtual std::unique_ptr<SoundPlayer> CreatePlayer() = 0;
    // Plays a WAVE file on the shared channel and returns when it has been
    // heard to its end; false, at once, when it cannot be played.
    virtual bool PlayFileAndWait(const QString& fileName) = 0;
    // Plays a complete WAVE file image on the shared channel, waiting for its
    // end or not. The bytes are copied: the caller may let them go at once.
    virtual bool PlayImage(QByteArrayView image, bool wait) = 0;
    // The WAVE image converted to the device's own format, so that playing it
    // costs no conversion; may be called from any thread. The image as it is
    // when it cannot be read (PlayImage then reports it).
    virtual QByteArray DeviceImage(QByteArrayView image) const { return image.toByteArray(); }
};
