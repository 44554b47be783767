// The five event-sound slots: for each, the settings section of its file and
// the names of its controls in the main window. The slot logic works from this table; the window reaches the
// named controls through its own members and checks they bear these names.
#pragma once

#include <QLatin1String>
#include <array>

enum class SoundSlot { Sound1, Sound2, Sound3, Sound4, Sound5 };

struct SoundSlotInfo {
    SoundSlot slot;
    QLatin1String section;      // settings section of key "FileName"
    QLatin1String checkBox;     // also the settings section of its key "Checked"
    QLatin1String edit;         // shows the file name
    QLatin1String browseButton; // chooses the file, like the menu item
    QLatin1String menuItem;
    QLatin1String testButton; // its click handler is the slot's play operation
    // The exit sound: while its test plays, the exit button and the window's
    // Close item are off, until the player's completion notice.
    bool locksExitWhilePlaying;
    // Its player opens the file as soon as it is chosen, so a bad file is
    // reported at once.
    bool opensWhenChosen;
};

inline constexpr QLatin1String kSoundFileNameKey{"FileName"};
inline constexpr QLatin1String kSoundCheckedKey{"Checked"};

// clang-format off
inline constexpr std::array<SoundSlotInfo, 5> kSoundSlots{{
    {SoundSlot::Sound1, QLatin1String("Sound1"), QLatin1String("CheckBox5"), QLatin1String("Edit2"),
     QLatin1String("Button1"), QLatin1String("Open1"), QLatin1String("BitBtn17"), false, true},
    {SoundSlot::Sound2, QLatin1String("Sound2"), QLatin1String("CheckBox6"), QLatin1String("Edit3"),
     QLatin1String("Button2"), QLatin1String("Open2"), QLatin1String("BitBtn18"), false, false},
    {SoundSlot::Sound3, QLatin1String("Sound3"), QLatin1String("CheckBox7"), QLatin1String("Edit4"),
     QLatin1String("Button3"), QLatin1String("Open3"), QLatin1String("BitBtn19"), false, false},
    {SoundSlot::Sound4, QLatin1String("Sound4"), QLatin1String("CheckBox2"), QLatin1String("Edit5"),
     QLatin1String("Button4"), QLatin1String("Open4"), QLatin1String("BitBtn13"), true, false},
    {SoundSlot::Sound5, QLatin1String("Sound5"), QLatin1String("CheckBox3"), QLatin1String("Edit6"),
     QLatin1String("Button5"), QLatin1String("Open5"), QLatin1String("BitBtn14"), false, false},
}};
// clang-format on

constexpr const SoundSlotInfo& SlotInfo(SoundSlot slot) {
    return kSoundSlots[static_cast<std::size_t>(slot)];
}
