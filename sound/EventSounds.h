// The event sounds: the play operation a slot's test button and its event
// share, the choice of a slot's file, the end of the exit-sound test and the
// exit sound at close. It owns the five players; the window passes in what
// its controls hold (checked, file name) and acts on what comes back.
#pragma once

#include "sound/SoundSlots.h"

#include <QString>
#include <array>
#include <functional>
#include <memory>

class FileDialogs;
class MessageBoxes;
class SoundEngine;
class SoundPlayer;

enum class SlotPlayOutcome {
    Silent,      // slot off, or no file chosen
    Started,     // playing in the background
    FileMissing, // the message was shown
};

struct SlotPlayResult {
    SlotPlayOutcome outcome = SlotPlayOutcome::Silent;
    // Disable the exit button and grey the window's Close item until the
    // slot's player sends its completion notice.
    bool lockExit = false;
};

// A regular file (not a folder) of that name exists.
bool SoundFileExists(const QString& fileName);

class EventSounds {
public:
    using FileExists = std::function<bool(const QString&)>;

    EventSounds(SoundEngine& engine, MessageBoxes& messages, FileExists fileExists = SoundFileExists);
    ~EventSounds();

    SoundPlayer& Player(SoundSlot slot) const;

    // The play operation of a slot. A file the sound system cannot open
    // raises VantelError with its text, before anything has started.
    SlotPlayResult Play(SoundSlot slot, bool checked, const QString& fileName);

    // Choose file: shows the open dialog; on a choice calls store(path), which
    // writes the settings and the edit, then sets the player's file name and,
    // for the slot that wants it, opens the player (which may raise). Returns
    // false when the user cancelled.
    bool ChooseFile(SoundSlot slot, FileDialogs& dialogs, const std::function<void(const QString&)>& store);

    // The exit sound's completion notice: stops and closes its player. The
    // caller then enables the exit button and the Close item again.
    void FinishExitSoundTest();

    // Exit sound at close: plays the file to its end (after calling
    // beforePlaying, for the hourglass), or shows the message when the file
    // is gone. Returns whether it played. The window may close either way.
    bool PlayExitSoundAtClose(bool checked, const QString& fileName,
                              const std::function<void()>& beforePlaying = {});

private:
    SoundEngine& engine_;
    MessageBoxes& messages_;
    FileExists fileExists_;
    std::array<std::unique_ptr<SoundPlayer>, kSoundSlots.size()> players_;
};

extern const char kSoundFileMissingMessage[]; // the Japanese source; shown through the catalogue
extern const char kExitSoundFileMissingMessage[];
