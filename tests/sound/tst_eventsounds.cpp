// The event-sound rules with a fake engine: who plays, who stays silent, which
// message comes, and what the exit sound does at close.
#include "sound/EventSounds.h"

#include "core/VantelError.h"
#include "tests/support/FakeFileDialogs.h"
#include "tests/support/FakeServices.h"
#include "tests/support/FakeSound.h"

#include <QSet>
#include <QTest>

namespace {

const QString kPresent = QStringLiteral("/sounds/ding.wav");
const QString kMissing = QStringLiteral("/sounds/gone.wav");
const QString kNotWave = QStringLiteral("/sounds/notes.wav");

struct Rig {
    FakeSoundEngine engine;
    FakeMessageBoxes messages;
    EventSounds sounds{engine, messages, [](const QString& name) { return name != kMissing; }};

    FakeSoundPlayer& player(SoundSlot slot) { return static_cast<FakeSoundPlayer&>(sounds.Player(slot)); }
    bool anyPlayerTouched() const {
        for (auto* p : engine.players)
            if (!p->calls.isEmpty())
                return true;
        return false;
    }
};

void addSlotRows() {
    QTest::addColumn<SoundSlot>("slot");
    for (const auto& info : kSoundSlots)
        QTest::newRow(info.section.data()) << info.slot;
}

} // namespace

class TestEventSounds : public QObject {
    Q_OBJECT
private slots:
    void tableNamesEveryControlOnce() {
        QSet<QString> names;
        for (const auto& info : kSoundSlots) {
            for (auto name :
                 {info.section, info.checkBox, info.edit, info.browseButton, info.menuItem, info.testButton})
                names.insert(name);
            QCOMPARE(&SlotInfo(info.slot), &info);
        }
        QCOMPARE(names.size(), 6 * int(kSoundSlots.size()));
    }

    void silentUnlessOnWithAName_data() {
        QTest::addColumn<SoundSlot>("slot");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("file");
        for (const auto& info : kSoundSlots) {
            const QByteArray s = info.section.data();
            QTest::newRow(s + " off, missing file") << info.slot << false << kMissing;
            QTest::newRow(s + " off, file present") << info.slot << false << kPresent;
            QTest::newRow(s + " off, unusable file") << info.slot << false << kNotWave;
            QTest::newRow(s + " on, no file") << info.slot << true << QString();
        }
    }
    void silentUnlessOnWithAName() {
        QFETCH(SoundSlot, slot);
        QFETCH(bool, checked);
        QFETCH(QString, file);
        Rig rig;
        rig.engine.openErrors[kNotWave] = QStringLiteral("not a Waveform file");
        const SlotPlayResult result = rig.sounds.Play(slot, checked, file);
        QCOMPARE(result.outcome, SlotPlayOutcome::Silent);
        QVERIFY(!result.lockExit);
        QVERIFY(!rig.anyPlayerTouched());
        QVERIFY(rig.messages.messages.isEmpty());
        QVERIFY(rig.messages.errors.isEmpty());
    }

    void missingFileShowsTheMessageAtEachEvent_data() { addSlotRows(); }
    void missingFileShowsTheMessageAtEachEvent() {
        QFETCH(SoundSlot, slot);
        Rig rig;
        for (int event = 0; event < 3; ++event)
            QCOMPARE(rig.sounds.Play(slot, true, kMissing).outcome, SlotPlayOutcome::FileMissing);
        const QString text =
            QStringLiteral("音を鳴らそうと思ったのですが、\nWAVファイルを発見出来ませんでした。\n"
                           "その存在を確認して、サウンド設定を\nもう一度やり直して下さい。");
        QCOMPARE(rig.messages.messages, QStringList({text, text, text}));
        QVERIFY(!rig.anyPlayerTouched());
    }

    void presentFilePlaysOnItsOwnPlayer_data() { addSlotRows(); }
    void presentFilePlaysOnItsOwnPlayer() {
        QFETCH(SoundSlot, slot);
        Rig rig;
        const SlotPlayResult result = rig.sounds.Play(slot, true, kPresent);
        QCOMPARE(result.outcome, SlotPlayOutcome::Started);
        QCOMPARE(result.lockExit, slot == SoundSlot::Sound4);
        FakeSoundPlayer& player = rig.player(slot);
        QCOMPARE(player.calls, QStringList({"open " + kPresent, "play " + kPresent}));
        QVERIFY(player.playing);
        for (auto* other : rig.engine.players)
            if (other != &player)
                QVERIFY(other->calls.isEmpty());
        QVERIFY(rig.messages.messages.isEmpty());
    }

    void playingAgainClosesTheEarlierPlaybackFirst() {
        Rig rig;
        const QString second = QStringLiteral("/sounds/other.wav");
        rig.sounds.Play(SoundSlot::Sound2, true, kPresent);
        rig.sounds.Play(SoundSlot::Sound2, true, second);
        QCOMPARE(rig.player(SoundSlot::Sound2).calls,
                 QStringList(
                     {"open " + kPresent, "play " + kPresent, "close", "open " + second, "play " + second}));
    }

    void unusableFileRaisesTheSoundSystemText_data() { addSlotRows(); }
    void unusableFileRaisesTheSoundSystemText() {
        QFETCH(SoundSlot, slot);
        Rig rig;
        rig.engine.openErrors[kNotWave] =
            QStringLiteral("Could not find RIFF or WAVE identifiers (not a Waveform file)");
        try {
            rig.sounds.Play(slot, true, kNotWave);
            QFAIL("no error raised");
        } catch (const VantelError& error) {
            QCOMPARE(error.Message(), rig.engine.openErrors[kNotWave]);
        }
        QVERIFY(!rig.player(slot).playing);
        QVERIFY(rig.messages.messages.isEmpty());
    }

    void exitSoundNoticeClosesItsPlayer() {
        Rig rig;
        bool noticed = false;
        FakeSoundPlayer& exitPlayer = rig.player(SoundSlot::Sound4);
        exitPlayer.SetOnNotify([&] {
            noticed = true;
            rig.sounds.FinishExitSoundTest();
        });
        QVERIFY(rig.sounds.Play(SoundSlot::Sound4, true, kPresent).lockExit);
        exitPlayer.Finish();
        QVERIFY(noticed);
        QVERIFY(!exitPlayer.IsOpen());
        QCOMPARE(exitPlayer.calls.mid(2), QStringList({"stop", "close"}));
    }

    void exitSoundAtClose_data() {
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("plays");
        QTest::addColumn<bool>("message");
        QTest::newRow("on, file present") << true << kPresent << true << false;
        QTest::newRow("on, file missing") << true << kMissing << false << true;
        QTest::newRow("on, no file") << true << QString() << false << false;
        QTest::newRow("off, file missing") << false << kMissing << false << false;
        QTest::newRow("off, file present") << false << kPresent << false << false;
    }
    void exitSoundAtClose() {
        QFETCH(bool, checked);
        QFETCH(QString, file);
        QFETCH(bool, plays);
        QFETCH(bool, message);
        Rig rig;
        int hourglass = 0;
        QCOMPARE(rig.sounds.PlayExitSoundAtClose(checked, file, [&] { ++hourglass; }), plays);
        QCOMPARE(rig.engine.filesPlayed, plays ? QStringList{file} : QStringList{});
        QCOMPARE(hourglass, plays ? 1 : 0);
        const QString text =
            QStringLiteral("音を鳴らそうと思ったのですが、\nWAVファイルを発見出来ませんでした。\n"
                           "次回使うときに、サウンド設定をやり直すか、\nチェックをoffにしてください。");
        QCOMPARE(rig.messages.messages, message ? QStringList{text} : QStringList{});
        QVERIFY(!rig.anyPlayerTouched()); // the exit sound at close does not use the player
    }

    void chooseFile_data() { addSlotRows(); }
    void chooseFile() {
        QFETCH(SoundSlot, slot);
        Rig rig;
        FakeFileDialogs dialogs;
        QStringList stored;
        auto store = [&](const QString& path) { stored.append(path); };

        dialogs.Cancel();
        QVERIFY(!rig.sounds.ChooseFile(slot, dialogs, store));
        QVERIFY(stored.isEmpty());
        QVERIFY(rig.player(slot).FileName().isEmpty());

        dialogs.Choose(kPresent);
        QVERIFY(rig.sounds.ChooseFile(slot, dialogs, store));
        QCOMPARE(stored, QStringList{kPresent});
        QCOMPARE(rig.player(slot).FileName(), kPresent);
        const bool opensNow = slot == SoundSlot::Sound1;
        QCOMPARE(rig.player(slot).IsOpen(), opensNow);
        QVERIFY(!rig.player(slot).playing);

        QCOMPARE(dialogs.calls.last().kind, FakeFileDialogs::Kind::Open);
        const FileDialogOptions& options = dialogs.calls.last().options;
        QCOMPARE(options.filter, QStringLiteral("音声ファイル( *.wav )|*.wav"));
        QCOMPARE(options.defaultExtension, QStringLiteral("WAV"));
        QCOMPARE(options.fileName, QStringLiteral("*.wav"));
    }

    void choosingAnUnusableFileForTheAboutSoundStoresItThenRaises() {
        Rig rig;
        rig.engine.openErrors[kNotWave] = QStringLiteral("RIFF form type is not WAVE (not a Waveform file)");
        FakeFileDialogs dialogs;
        dialogs.Choose(kNotWave);
        QStringList stored;
        QVERIFY_THROWS_EXCEPTION(
            VantelError,
            rig.sounds.ChooseFile(SoundSlot::Sound1, dialogs, [&](const QString& p) { stored.append(p); }));
        QCOMPARE(stored, QStringList{kNotWave});
    }
};

QTEST_APPLESS_MAIN(TestEventSounds)
#include "tst_eventsounds.moc"
