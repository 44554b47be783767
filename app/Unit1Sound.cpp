// The event sounds and the start-up greetings of the main window.
#include "app/Unit1.h"

#include "platform/desktop/Clock.h"
#include "platform/desktop/FileDialogs.h"
#include "platform/sound/SoundEngine.h"
#include "settings/SettingsFile.h"
#include "sound/EventSounds.h"
#include "sound/Greetings.h"
#include "widgets/TButton.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>

namespace {
using Handler = void (TForm1::*)();

// The window's side of each sound slot, in the order of SoundSlot: its
// controls and the handlers they run.
struct SlotControls {
    QCheckBox* TForm1::*checkBox;
    QLineEdit* TForm1::*edit;
    TButton* TForm1::*browseButton;
    QAction* TForm1::*menuItem;
    TButton* TForm1::*testButton;
    Handler enable, choose, play;
};

// clang-format off
constexpr SlotControls kSlotControls[] = {
    {&TForm1::CheckBox5, &TForm1::Edit2, &TForm1::Button1, &TForm1::Open1, &TForm1::BitBtn17,
     &TForm1::CheckBox5Click, &TForm1::Open1Click, &TForm1::BitBtn17Click},
    {&TForm1::CheckBox6, &TForm1::Edit3, &TForm1::Button2, &TForm1::Open2, &TForm1::BitBtn18,
     &TForm1::CheckBox6Click, &TForm1::Open2Click, &TForm1::BitBtn18Click},
    {&TForm1::CheckBox7, &TForm1::Edit4, &TForm1::Button3, &TForm1::Open3, &TForm1::BitBtn19,
     &TForm1::CheckBox7Click, &TForm1::Open3Click, &TForm1::BitBtn19Click},
    {&TForm1::CheckBox2, &TForm1::Edit5, &TForm1::Button4, &TForm1::Open4, &TForm1::BitBtn13,
     &TForm1::CheckBox2Click, &TForm1::Open4Click, &TForm1::BitBtn13Click},
    {&TForm1::CheckBox3, &TForm1::Edit6, &TForm1::Button5, &TForm1::Open5, &TForm1::BitBtn14,
     &TForm1::CheckBox3Click, &TForm1::Open5Click, &TForm1::BitBtn14Click},
};
// clang-format on
static_assert(std::size(kSlotControls) == kSoundSlots.size());

const SlotControls& ControlsOf(SoundSlot slot) { return kSlotControls[static_cast<std::size_t>(slot)]; }
} // namespace

QLineEdit* TForm1::soundFileEdit(SoundSlot slot) const { return this->*ControlsOf(slot).edit; }

void TForm1::wireSoundHandlers() {
    sounds_ = std::make_unique<EventSounds>(services_.sound, app_.Messages());
    greeting_ = std::make_unique<StartupGreeting>(services_.sound, services_.clock);
    sounds_->Player(SoundSlot::Sound4).SetOnNotify([this] { app_.Guard([this] { MediaPlayer1Notify(); }); });

    for (const SoundSlotInfo& info : kSoundSlots) {
        const SlotControls& slot = ControlsOf(info.slot);
        // The slot table names the same controls.
        Q_ASSERT((this->*slot.checkBox)->objectName() == info.checkBox);
        Q_ASSERT((this->*slot.edit)->objectName() == info.edit);
        Q_ASSERT((this->*slot.browseButton)->objectName() == info.browseButton);
        Q_ASSERT((this->*slot.menuItem)->objectName() == info.menuItem);
        Q_ASSERT((this->*slot.testButton)->objectName() == info.testButton);
        wire(this->*slot.checkBox, &QCheckBox::toggled, slot.enable);
        wire(this->*slot.menuItem, &QAction::triggered, slot.choose);
        wire(this->*slot.browseButton, &QPushButton::clicked, slot.choose);
        wire(this->*slot.testButton, &QPushButton::clicked, slot.play);
    }
    wire(Timer1, &QTimer::timeout, &TForm1::Timer1Timer);
    wire(BitBtn9, &QPushButton::clicked, &TForm1::BitBtn9Click);
    wire(BitBtn10, &QPushButton::clicked, &TForm1::BitBtn10Click);
    wire(BitBtn11, &QPushButton::clicked, &TForm1::BitBtn11Click);
}

void TForm1::enableSlotControls(SoundSlot slot) {
    const SlotControls& controls = ControlsOf(slot);
    const bool on = (this->*controls.checkBox)->isChecked();
    (this->*controls.edit)->setEnabled(on);
    (this->*controls.browseButton)->setEnabled(on);
    (this->*controls.testButton)->setEnabled(on);
}

void TForm1::chooseSoundFile(SoundSlot slot) {
    const SoundSlotInfo& info = SlotInfo(slot);
    sounds_->ChooseFile(slot, services_.dialogs, [&](const QString& path) {
        services_.settings.WriteString(QString(info.section), QString(kSoundFileNameKey), path);
        soundFileEdit(slot)->setText(path);
    });
}

void TForm1::playSlot(SoundSlot slot) {
    const SlotPlayResult result =
        sounds_->Play(slot, (this->*ControlsOf(slot).checkBox)->isChecked(), soundFileEdit(slot)->text());
    if (result.lockExit) {
        BitBtn5->setEnabled(false);
        if (SystemMenuHandle)
            SystemMenuHandle->EnableClose(false);
    }
}

void TForm1::MediaPlayer1Notify() {
    sounds_->FinishExitSoundTest();
    BitBtn5->setEnabled(true);
    if (SystemMenuHandle)
        SystemMenuHandle->EnableClose(true);
}

void TForm1::CheckBox5Click() { enableSlotControls(SoundSlot::Sound1); }
void TForm1::CheckBox6Click() { enableSlotControls(SoundSlot::Sound2); }
void TForm1::CheckBox7Click() { enableSlotControls(SoundSlot::Sound3); }
void TForm1::CheckBox2Click() { enableSlotControls(SoundSlot::Sound4); }
void TForm1::CheckBox3Click() { enableSlotControls(SoundSlot::Sound5); }

void TForm1::Open1Click() { chooseSoundFile(SoundSlot::Sound1); }
void TForm1::Open2Click() { chooseSoundFile(SoundSlot::Sound2); }
void TForm1::Open3Click() { chooseSoundFile(SoundSlot::Sound3); }
void TForm1::Open4Click() { chooseSoundFile(SoundSlot::Sound4); }
void TForm1::Open5Click() { chooseSoundFile(SoundSlot::Sound5); }

void TForm1::BitBtn17Click() { playSlot(SoundSlot::Sound1); }
void TForm1::BitBtn18Click() { playSlot(SoundSlot::Sound2); }
void TForm1::BitBtn19Click() { playSlot(SoundSlot::Sound3); }
void TForm1::BitBtn13Click() { playSlot(SoundSlot::Sound4); }
void TForm1::BitBtn14Click() { playSlot(SoundSlot::Sound5); }

void TForm1::Timer1Timer() {
    if (greeting_->Tick(CheckBox1->isChecked()))
        Timer1->stop();
}

void TForm1::BitBtn9Click() { PlayGreetingAndWait(services_.sound, QStringLiteral("ZuliAsa")); }
void TForm1::BitBtn10Click() { PlayGreetingAndWait(services_.sound, QStringLiteral("ZuliHiru")); }
void TForm1::BitBtn11Click() { PlayGreetingAndWait(services_.sound, QStringLiteral("ZuliBan")); }
