// The name panel commands and the About commands of the main window.
#include "about/VersionBox.h"
#include "core/Cp932.h"
#include "sound/SoundSlots.h"
#include "widgets/TButton.h"

#include "tests/support/FormFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

namespace {
QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestNamePanelAbout : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    FormFixture* f = nullptr;

    void fillNames() {
        TStringGrid* grid = f->form->StringGrid4;
        grid->SetCells(0, 0, "1くみ");
        grid->SetCells(1, 0, "12");
        grid->SetCells(0, 1, "やまだ, はなこ");
    }

private slots:
    void init() {
        QDir::setCurrent(dir.path());
        QFile::remove(dir.filePath("data.txt"));
        f = new FormFixture;
        QVERIFY(f->Open());
        f->dialogs.calls.clear(); // the About box asked for its picture at start
    }
    void cleanup() {
        delete f;
        f = nullptr;
    }

    void saveInTheChosenFormat_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QByteArray>("firstLine");
        QTest::newRow("tab-separated") << 1 << ToCp932("1くみ\t12\t\t\t\t\r\n");
        QTest::newRow("comma-separated") << 2 << ToCp932("1くみ,12,,,,\r\n");
        QTest::newRow("quoted") << 3 << ToCp932("\"1くみ\",12,\"\",\"\",\"\",\"\"\r\n");
        QTest::newRow("HTML") << 4 << QByteArray("<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML i18n//EN\">\r\n");
        QTest::newRow("no such position") << 5 << QByteArray();
    }
    void saveInTheChosenFormat() {
        QFETCH(int, position);
        QFETCH(QByteArray, firstLine);
        fillNames();
        const QString path = dir.filePath(QString("names-%1").arg(position));
        f->dialogs.Choose(path, position);
        f->form->findChild<QPushButton*>("BitBtn20")->click();
        QVERIFY(f->messages.errors.isEmpty());
        QCOMPARE(readAll(path).left(firstLine.size()), firstLine);
        QCOMPARE(f->dialogs.calls.size(), 1);
        QCOMPARE(f->dialogs.calls[0].kind, FakeFileDialogs::Kind::Save);
    }

    void loadBackWhatWasSaved() {
        fillNames();
        const QString path = dir.filePath("names.csv");
        f->dialogs.Choose(path, 3);
        f->form->BitBtn20Click();
        f->form->findChild<QPushButton*>("BitBtn23")->click();
        QCOMPARE(f->form->StringGrid4->Cells(0, 1), QString());
        f->dialogs.Choose(path, 3);
        f->form->findChild<QPushButton*>("BitBtn21")->click();
        QCOMPARE(f->form->StringGrid4->Cells(0, 1), "やまだ, はなこ");
        QCOMPARE(f->form->StringGrid4->Cells(0, 0), "1くみ");
    }

    void cancelledDialogsChangeNothing() {
        fillNames();
        const QStringList files = QDir(dir.path()).entryList(QDir::Files);
        f->form->BitBtn20Click();
        f->form->BitBtn21Click();
        QCOMPARE(f->form->StringGrid4->Cells(0, 0), "1くみ");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), files);
    }

    void missingFileLeavesThePanelAndSaysSo() {
        fillNames();
        f->dialogs.Choose(dir.filePath("gone.txt"), 1);
        f->form->findChild<QPushButton*>("BitBtn21")->click();
        QCOMPARE(f->messages.errors, QStringList{"ファイル " + dir.filePath("gone.txt") + " は開けません"});
        QCOMPARE(f->form->StringGrid4->Cells(0, 0), "1くみ");
    }

    void transferSendsEveryCell() {
        fillNames();
        f->form->findChild<QPushButton*>("BitBtn22")->click();
        QVERIFY(f->messages.errors.isEmpty());
        QVERIFY(f->spreadsheet.calls.contains("Cells(1,1)"));
        QVERIFY(f->spreadsheet.calls.contains("Value=1くみ"));
        QVERIFY(f->spreadsheet.calls.contains("Cells(2,6)"));
    }

    void startUpLoadsDataTxtOnlyWithAUserName() {
        delete f;
        QFile data(dir.filePath("data.txt"));
        QVERIFY(data.open(QIODevice::WriteOnly));
        data.write(ToCp932("さとう\tA\r\nすずき\tB\r\n"));
        data.close();

        f = new FormFixture;
        QVERIFY(f->Open());
        QCOMPARE(f->form->StringGrid4->Cells(0, 0), QString()); // no user name: not read

        QTemporaryDir settings;
        delete f;
        f = new FormFixture(FormFixture::UserNameSettings(settings, "せんせい"));
        QVERIFY(f->Open());
        QCOMPARE(f->form->StringGrid4->Cells(0, 0), "さとう");
        QCOMPARE(f->form->StringGrid4->Cells(1, 0), QString());
        QCOMPARE(f->form->StringGrid4->Cells(5, 0), "A"); // too few TABs: the last column takes the rest
        QCOMPARE(f->form->StringGrid4->Cells(0, 1), "すずき");
        QVERIFY(f->messages.errors.isEmpty());
    }

    void startUpWithoutDataTxtSaysSo() {
        QTemporaryDir settings;
        delete f;
        f = new FormFixture(FormFixture::UserNameSettings(settings, "せんせい"));
        QVERIFY(f->Open());
        QCOMPARE(f->messages.errors, QStringList{"ファイル data.txt は開けません"});
        QCOMPARE(f->form->windowTitle(), " せんせい の Vantel");
    }

    void aboutShowsTheBoxThenFocusesStart() {
        f->form->PageControl1->setCurrentIndex(5);
        const QString wav = dir.filePath("about.wav");
        QFile sound(wav);
        QVERIFY(sound.open(QIODevice::WriteOnly));
        sound.write("RIFF");
        sound.close();
        f->form->CheckBox5->setChecked(true);
        f->form->Edit2->setText(wav);
        const FakeSoundPlayer& player = *f->sound.players.at(std::size_t(SoundSlot::Sound1));
        bool shown = false;
        QStringList playedBeforeTheBox;
        QTimer::singleShot(0, f->versionBox, [&] {
            shown = f->versionBox->isVisible();
            playedBeforeTheBox = player.calls;
            f->versionBox->accept();
        });
        f->form->findChild<QAction*>("About1")->trigger();
        QVERIFY(shown);
        // Sound1 plays first and goes on while the box is open.
        QCOMPARE(playedBeforeTheBox, (QStringList{"open " + wav, "play " + wav}));
        QCOMPARE(player.calls, playedBeforeTheBox);
        // The window's focus; the offscreen screen does not hand activation back.
        QTRY_COMPARE(f->form->focusWidget(), f->form->BitBtn7);
    }

    void newPictureForTheAboutBox() {
        QImage picture(200, 150, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        const QString path = dir.filePath("pic.jfif");
        QVERIFY(picture.save(path, "JPG"));
        f->dialogs.Choose(path);
        f->form->findChild<QPushButton*>("BitBtn12")->click();
        QVERIFY(f->messages.errors.isEmpty());
        QCOMPARE(f->versionBox->size(), QSize(234, 184));
        QCOMPARE(f->settings.ReadString("Image1", "FileName", QString()), path);
    }
};

QTEST_MAIN(TestNamePanelAbout)
#include "tst_namepanelabout.moc"
