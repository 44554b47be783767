// The event sounds and the start-up greetings of the main window.
#include "app/Unit1.h"

#include "platform/desktop/Clock.h"
#include "platform/desktop/FileDialogs.h"
#include "platform/sound/SoundEngine.h"
#include "widgets/TButton.h"
#include "settings/SettingsFile.h"
#include "sound/EventSounds.h"
#include "sound/Greetings.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>

namespace {
QString name(QLatin1String latin) { return QString(latin); }
} // namespace

void TForm1::wireSoundHandlers() {
    sounds_ = std::make_unique<EventSounds>(services_.sound, app_.Messages());
    greeting_ = std::make_unique<StartupGreeting>(services_.sound, services_.clock);
    sounds_->Player(SoundSlot::Sound4).SetOnNotify([this] { app_.Guard([this] { MediaPlayer1Notify(); }); });

    using Handler = void (TForm1::*)();
    const struct {
        SoundSlot slot;
        Handler enable, choose, play;
    } slotHandlers[] = {
        {SoundSlot::Sound1, &TForm1::CheckBox5Click, &TForm1::Open1Click, &TForm1::BitBtn17Click},
        {SoundSlot::Sound2, &TForm1::CheckBox6Click, &TForm1::Open2Click, &TForm1::BitBtn18Click},
        {SoundSlot::Sound3, &TForm1::CheckBox7Click, &TForm1::Open3Click, &TForm1::BitBtn19Click},
        {SoundSlot::Sound4, &TForm1::CheckBox2Click, &TForm1::Open4Click, &TForm1::BitBtn13Click},
        {SoundSlot::Sound5, &TForm1::CheckBox3Click, &TForm1::Open5Click, &TForm1::BitBtn14Click},
    };
    for (const auto& slot : slotHandlers) {
        const SoundSlotInfo& info = SlotInfo(slot.slot);
        wire(findChild<QCheckBox*>(name(info.checkBox)), &QCheckBox::toggled, slot.enable);
        wire(findChild<QAction*>(name(info.menuItem)), &QAction::triggered, slot.choose);
        wire(findChild<QPushButton*>(name(info.browseButton)), &QPushButton::clicked, slot.choose);
        wire(findChild<QPushButton*>(name(info.testButton)), &QPushButton::clicked, slot.play);
    }
    wire(Timer1, &QTimer::timeout, &TForm1::Timer1Timer);
    wire(findChild<QPushButton*>(QStringLiteral("BitBtn9")), &QPushButton::clicked, &TForm1::BitBtn9Click);
    wire(findChild<QPushButton*>(QStringLiteral("BitBtn10")), &QPushButton::clicked, &TForm1::BitBtn10Click);
    wire(findChild<QPushButton*>(QStringLiteral("BitBtn11")), &QPushButton::clicked, &TForm1::BitBtn11Click);
}

void TForm1::enableSlotControls(SoundSlot slot) {
    const SoundSlotInfo& info = SlotInfo(slot);
    const bool on = findChild<QCheckBox*>(name(info.checkBox))->isChecked();
    for (QLatin1String control : {info.edit, info.browseButton, info.testButton})
        findChild<QWidget*>(name(control))->setEnabled(on);
}

void TForm1::chooseSoundFile(SoundSlot slot) {
    const SoundSlotInfo& info = SlotInfo(slot);
    sounds_->ChooseFile(slot, services_.dialogs, [&](const QString& path) {
        services_.settings.WriteString(name(info.section), name(kSoundFileNameKey), path);
        findChild<QLineEdit*>(name(info.edit))->setText(path);
    });
}

void TForm1::playSlot(SoundSlot slot) {
    const SoundSlotInfo& info = SlotInfo(slot);
    const SlotPlayResult result = sounds_->Play(slot, findChild<QCheckBox*>(name(info.checkBox))->isChecked(),
                                                findChild<QLineEdit*>(name(info.edit))->text());
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
