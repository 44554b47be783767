// The event sounds and greetings as the main window plays them.
#include "drill/DrillSession.h"
#include "drill/ExpectedAnswer.h"
#include "sound/EventSounds.h"
#include "sound/Greetings.h"
#include "widgets/TButton.h"
#include "widgets/TStatusBar.h"

#include "tests/support/FormTestCase.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace {
const QString kMissing =
    QStringLiteral("音を鳴らそうと思ったのですが、\nWAVファイルを発見出来ませんでした。\n"
                   "その存在を確認して、サウンド設定を\nもう一度やり直して下さい。");
const QString kMissingAtExit =
    QStringLiteral("音を鳴らそうと思ったのですが、\nWAVファイルを発見出来ませんでした。\n"
                   "次回使うときに、サウンド設定をやり直すか、\nチェックをoffにしてください。");
const QString kNewBest = QStringLiteral("全問正解そのうえ\nベストタイムです。\nたいへんよくできました。");
const QString kAllCorrect = QStringLiteral("○ の数は、100/100 こです。\n全問正解・よくできました。");
const QString kRejected = QStringLiteral("ERROR: not a Waveform file");
const QString kError = FakeMessageBoxes::kErrorMark;
} // namespace

class TestSoundWiring : public FormTestCase {
    Q_OBJECT

    QTemporaryDir dir;
    QString wav;

    FakeSoundPlayer& player(SoundSlot slot) { return *f->sound.players.at(std::size_t(slot)); }
    void setSlot(QCheckBox* box, QLineEdit* edit, const QString& file) {
        box->setChecked(true);
        edit->setText(file);
    }

private slots:
    void initTestCase() {
        wav = dir.filePath("ding.wav");
        QFile file(wav);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("RIFF");
    }

    void slotControlsFollowTheirCheckBox() {
        TForm1& form = *f->form;
        QVERIFY(!form.Edit3->isEnabled());
        form.CheckBox6->setChecked(true);
        QVERIFY(form.Edit3->isEnabled());
        QVERIFY(form.findChild<QPushButton*>("Button2")->isEnabled());
        QVERIFY(form.findChild<QPushButton*>("BitBtn18")->isEnabled());
        QVERIFY(!form.Edit2->isEnabled());
        form.CheckBox6->setChecked(false);
        QVERIFY(!form.Edit3->isEnabled());
    }

    // Each slot's check box, edit, buttons and menu item, by the names the
    // slot table gives them, work together and with the slot's own player.
    void eachSlotWorksWithTheControlsItsTableNames_data() {
        QTest::addColumn<SoundSlot>("slot");
        for (const SoundSlotInfo& info : kSoundSlots)
            QTest::newRow(info.section.data()) << info.slot;
    }
    void eachSlotWorksWithTheControlsItsTableNames() {
        QFETCH(SoundSlot, slot);
        const SoundSlotInfo& info = SlotInfo(slot);
        TForm1& form = *f->form;
        auto* box = form.findChild<QCheckBox*>(QString(info.checkBox));
        auto* edit = form.findChild<QLineEdit*>(QString(info.edit));
        auto* browse = form.findChild<QPushButton*>(QString(info.browseButton));
        auto* test = form.findChild<QPushButton*>(QString(info.testButton));
        auto* item = form.findChild<QAction*>(QString(info.menuItem));
        QVERIFY(box && edit && browse && test && item);

        box->setChecked(true);
        for (QWidget* control : std::initializer_list<QWidget*>{edit, browse, test})
            QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
        f->dialogs.Choose(wav);
        item->trigger();
        QCOMPARE(edit->text(), wav);
        QCOMPARE(f->settings.ReadString(QString(info.section), "FileName", QString()), wav);
        edit->clear();
        f->dialogs.Choose(wav);
        browse->click();
        QCOMPARE(edit->text(), wav);
        test->click();
        QVERIFY(player(slot).calls.contains("play " + wav));
        if (info.locksExitWhilePlaying)
            player(slot).Finish();
        box->setChecked(false);
        for (QWidget* control : std::initializer_list<QWidget*>{edit, browse, test})
            QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
    }

    void offSlotIsSilentEvenWithAMissingFile() {
        f->form->Edit3->setText(dir.filePath("gone.wav"));
        f->form->PageControl1->setCurrentIndex(2);
        QVERIFY(f->messages.messages.isEmpty());
        QVERIFY(player(SoundSlot::Sound2).calls.isEmpty());
    }

    void pageChangeWithAMissingFileSaysSoEachTime() {
        setSlot(f->form->CheckBox6, f->form->Edit3, dir.filePath("gone.wav"));
        f->form->PageControl1->setCurrentIndex(1);
        f->form->PageControl1->setCurrentIndex(5);
        QCOMPARE(f->messages.messages, (QStringList{kMissing, kMissing}));
    }

    void pageChangePlaysItsSound() {
        setSlot(f->form->CheckBox6, f->form->Edit3, wav);
        f->form->PageControl1->setCurrentIndex(4);
        QCOMPARE(player(SoundSlot::Sound2).calls, (QStringList{"open " + wav, "play " + wav}));
    }

    void rejectedFileShowsTheSoundSystemsText() {
        f->sound.openErrors.insert(wav, "ERROR: not a Waveform file");
        setSlot(f->form->CheckBox5, f->form->Edit2, wav);
        f->form->findChild<QPushButton*>("BitBtn17")->click();
        QCOMPARE(f->messages.errors, QStringList{"ERROR: not a Waveform file"});
    }

    void exitSoundTestLocksTheExitUntilItEnds() {
        QTemporaryDir settings;
        reopen(FormFixture::UserNameSettings(settings, "x"));
        TForm1& form = *f->form;
        setSlot(form.CheckBox2, form.Edit5, wav);
        form.findChild<QPushButton*>("BitBtn13")->click();
        QVERIFY(!form.BitBtn5->isEnabled());
        QVERIFY(!form.SystemMenuHandle->CloseEnabled());
        form.close(); // the title bar
        QVERIFY(form.isVisible());

        player(SoundSlot::Sound4).Finish();
        QTRY_VERIFY(form.BitBtn5->isEnabled());
        QVERIFY(form.SystemMenuHandle->CloseEnabled());
        QVERIFY(!player(SoundSlot::Sound4).open);

        // The menu's exit closes even during a test, and plays the exit sound.
        form.findChild<QPushButton*>("BitBtn13")->click();
        form.Exit1->trigger();
        QVERIFY(!form.isVisible());
        QCOMPARE(f->sound.filesPlayed, QStringList{wav});
    }

    void exitSoundWithAMissingFileStillCloses() {
        setSlot(f->form->CheckBox2, f->form->Edit5, dir.filePath("gone.wav"));
        f->form->BitBtn5Click();
        QVERIFY(!f->form->isVisible());
        QCOMPARE(f->messages.messages, QStringList{kMissingAtExit});
        QVERIFY(f->sound.filesPlayed.isEmpty());
    }

    void chosenFileIsStoredAtOnceEvenForAnOffSlot() {
        f->dialogs.Choose(wav);
        f->form->findChild<QAction*>("Open4")->trigger();
        QCOMPARE(f->form->Edit5->text(), wav);
        QVERIFY(!f->form->Edit5->isEnabled());
        QCOMPARE(f->settings.ReadString("Sound4", "FileName", QString()), wav);
        QCOMPARE(f->dialogs.calls.last().options.filter, "音声ファイル( *.wav )|*.wav");
    }

    void allCorrectPlaysTheirSlots() {
        TForm1& form = *f->form;
        setSlot(form.CheckBox7, form.Edit4, wav);
        setSlot(form.CheckBox3, form.Edit6, wav);
        form.BitBtn7Click();
        FillAnswerKey(*form.StringGrid1, SheetOf(DrillKind::Addition));
        form.BitBtn6Click(); // a new best
        QCOMPARE(player(SoundSlot::Sound3).calls.size(), 2);
        QVERIFY(player(SoundSlot::Sound5).calls.isEmpty());
        form.BitBtn6Click(); // the same marks again, not faster
        QCOMPARE(player(SoundSlot::Sound5).calls, (QStringList{"open " + wav, "play " + wav}));
    }

    // What the child sees and hears after Stop, by the sound file of the
    // judging slots: the sound's own box first, the result after it, and
    // then Start has the focus.
    void judgingSounds_data() {
        QTest::addColumn<bool>("allCorrect");
        QTest::addColumn<QString>("bestBefore");
        QTest::addColumn<QString>("file"); // "present", "missing" or "rejected"
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("slotPlayed"); // -1 for none
        QTest::newRow("99 correct plays nothing")
            << false << "59:59"
            << "present" << QStringList{"○ の数は、99/100 こです。"} << -1;
        QTest::newRow("new best") << true << "59:59"
                                  << "present" << QStringList{kNewBest} << int(SoundSlot::Sound3);
        QTest::newRow("all correct") << true << "00:00"
                                     << "present" << QStringList{kAllCorrect} << int(SoundSlot::Sound5);
        QTest::newRow("new best, file missing") << true << "59:59"
                                                << "missing" << QStringList{kMissing, kNewBest} << -1;
        QTest::newRow("all correct, file missing") << true << "00:00"
                                                   << "missing" << QStringList{kMissing, kAllCorrect} << -1;
        QTest::newRow("new best, file the sound system refuses")
            << true << "59:59"
            << "rejected" << QStringList{kError + kRejected, kNewBest} << -1;
        QTest::newRow("all correct, file the sound system refuses")
            << true << "00:00"
            << "rejected" << QStringList{kError + kRejected, kAllCorrect} << -1;
    }
    void judgingSounds() {
        QFETCH(bool, allCorrect);
        QFETCH(QString, bestBefore);
        QFETCH(QString, file);
        QFETCH(QStringList, shown);
        QFETCH(int, slotPlayed);
        TForm1& form = *f->form;
        const QString sound = file == "missing" ? dir.filePath("gone.wav") : wav;
        if (file == "rejected")
            f->sound.openErrors.insert(wav, kRejected);
        setSlot(form.CheckBox7, form.Edit4, sound);
        setSlot(form.CheckBox3, form.Edit6, sound);
        form.Session->LoadBestTime(DrillKind::Addition, bestBefore);

        QTest::keyClick(f->Window(), Qt::Key_X, Qt::ControlModifier); // Start
        QVERIFY(form.StringGrid1->hasFocus());
        FillAnswerKey(*form.StringGrid1, SheetOf(DrillKind::Addition));
        if (!allCorrect)
            form.StringGrid1->SetCells(3, 4, "99"); // no sum of two digits
        f->ticks.now = 12000;
        QTest::keyClick(f->Window(), Qt::Key_F2); // Stop
        QCOMPARE(f->messages.shown, shown);
        QVERIFY(form.BitBtn7->hasFocus());
        for (SoundSlot slot : {SoundSlot::Sound3, SoundSlot::Sound5}) {
            const bool played = player(slot).calls.contains("play " + sound);
            QCOMPARE(played, int(slot) == slotPlayed);
        }
        QCOMPARE(form.StatusBar1->PanelText(1), bestBefore == "59:59" && allCorrect ? "00:12" : bestBefore);
    }

    // A file the sound system refuses: the test of the exit sound says so and
    // locks nothing.
    void exitSoundTestWithARefusedFileLocksNothing() {
        QTemporaryDir settings;
        reopen(FormFixture::UserNameSettings(settings, "x"));
        f->messages.Clear(); // no data.txt here
        TForm1& form = *f->form;
        f->sound.openErrors.insert(wav, kRejected);
        setSlot(form.CheckBox2, form.Edit5, wav);
        form.findChild<QPushButton*>("BitBtn13")->click();
        QCOMPARE(f->messages.errors, QStringList{kRejected});
        QVERIFY(form.BitBtn5->isEnabled());
        QVERIFY(form.SystemMenuHandle->CloseEnabled());
        QVERIFY(form.Exit1->isEnabled());
    }

    void oneGreetingPerRun() {
        f->clock.now = QDateTime(QDate(2026, 12, 8), QTime(4, 0));
        f->form->Timer1Timer();
        QVERIFY(f->sound.images.empty()); // the option is off
        f->form->CheckBox1->setChecked(true);
        f->form->Timer1Timer();
        f->form->CheckBox1->setChecked(false);
        f->form->CheckBox1->setChecked(true);
        f->form->Timer1Timer();
        QCOMPARE(f->sound.images.size(), std::size_t(1));
        QCOMPARE(f->sound.images[0].image, GreetingImage("ZuliAsa"));
        QVERIFY(!f->sound.images[0].wait);
        QVERIFY(!f->form->Timer1->isActive());
    }

    void greetingTestButtonsWait() {
        f->form->findChild<QPushButton*>("BitBtn11")->click();
        QCOMPARE(f->sound.images.size(), std::size_t(1));
        QCOMPARE(f->sound.images[0].image, GreetingImage("ZuliBan"));
        QVERIFY(f->sound.images[0].wait);
    }
};

QTEST_MAIN(TestSoundWiring)
#include "tst_soundwiring.moc"
