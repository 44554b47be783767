#include "sound/EventSounds.h"

#include "platform/desktop/FileDialogs.h"
#include "platform/desktop/MessageBoxes.h"
#include "platform/sound/SoundEngine.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
QString SoundText(const char* text) { return QCoreApplication::translate("EventSounds", text); }
} // namespace

const char kSoundFileMissingMessage[] =
    QT_TRANSLATE_NOOP("EventSounds", "音を鳴らそうと思ったのですが、\n"
                                     "WAVファイルを発見出来ませんでした。\n"
                                     "その存在を確認して、サウンド設定を\n"
                                     "もう一度やり直して下さい。");

const char kExitSoundFileMissingMessage[] =
    QT_TRANSLATE_NOOP("EventSounds", "音を鳴らそうと思ったのですが、\n"
                                     "WAVファイルを発見出来ませんでした。\n"
                                     "次回使うときに、サウンド設定をやり直すか、\n"
                                     "チェックをoffにしてください。");

bool SoundFileExists(const QString& fileName) {
    const QFileInfo info(fileName);
    return info.exists() && !info.isDir();
}

EventSounds::EventSounds(SoundEngine& engine, MessageBoxes& messages, FileExists fileExists)
    : engine_(engine), messages_(messages), fileExists_(std::move(fileExists)) {
    for (auto& player : players_)
        player = engine_.CreatePlayer();
}

EventSounds::~EventSounds() = default;

SoundPlayer& EventSounds::Player(SoundSlot slot) const { return *players_[static_cast<std::size_t>(slot)]; }

SlotPlayResult EventSounds::Play(SoundSlot slot, bool checked, const QString& fileName) {
    if (!checked || fileName.isEmpty())
        return {};
    if (!fileExists_(fileName)) {
        messages_.ShowMessage(SoundText(kSoundFileMissingMessage));
        return {SlotPlayOutcome::FileMissing, false};
    }
    SoundPlayer& player = Player(slot);
    player.SetFileName(fileName);
    if (player.IsOpen())
        player.Close();
    player.Open();
    player.Play();
    return {SlotPlayOutcome::Started, SlotInfo(slot).locksExitWhilePlaying};
}

bool EventSounds::ChooseFile(SoundSlot slot, FileDialogs& dialogs,
                             const std::function<void(const QString&)>& store) {
    FileDialogOptions options;
    options.filter = SoundText(QT_TRANSLATE_NOOP("EventSounds", "音声ファイル( *.wav )|*.wav"));
    options.defaultExtension = QStringLiteral("WAV");
    options.fileName = QStringLiteral("*.wav");
    const auto choice = dialogs.OpenFile(options);
    if (!choice)
        return false;
    store(choice->path);
    SoundPlayer& player = Player(slot);
    player.SetFileName(choice->path);
    if (SlotInfo(slot).opensWhenChosen)
        player.Open();
    return true;
}

void EventSounds::FinishExitSoundTest() {
    SoundPlayer& player = Player(SoundSlot::Sound4);
    player.Stop();
    player.Close();
}

bool EventSounds::PlayExitSoundAtClose(bool checked, const QString& fileName,
                                       const std::function<void()>& beforePlaying) {
    if (!checked || fileName.isEmpty())
        return false;
    if (!fileExists_(fileName)) {
        messages_.ShowMessage(SoundText(kExitSoundFileMissingMessage));
        return false;
    }
    if (beforePlaying)
        beforePlaying();
    return engine_.PlayFileAndWait(fileName);
}
