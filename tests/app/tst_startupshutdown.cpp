// Start-up and shutdown of the main window against a real settings file:
// what is restored, what is saved and in which order, the caption, the
// best-time reset, help, and the greyed Close command.
#include "core/Cp932.h"
#include "drill/DrillSession.h"
#include "drill/DrillSheet.h"
#include "settings/SettingsFile.h"
#include "widgets/TButton.h"
#include "widgets/TStatusBar.h"

#include "tests/support/FormFixture.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>

#include <jerror.h>

namespace {
QStringList lines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return FromCp932(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

void writeIni(const QString& path, const QString& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(ToCp932(text));
}
} // namespace

class TestStartupShutdown : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString ini;
    FormFixture* f = nullptr;

    void open() {
        f = new FormFixture(ini);
        QVERIFY(f->Open());
    }

private slots:
    void init() {
        ini = dir.filePath(QStringLiteral("vantel.ini"));
        QFile::remove(ini);
    }
    void cleanup() {
        delete f;
        f = nullptr;
    }

    void firstStartWithoutSettings() {
        open();
        TForm1& form = *f->form;
        QCOMPARE(form.pos(), QPoint(0, 0));
        QCOMPARE(form.windowTitle(), "Vantel");
        for (QCheckBox* box :
             {form.CheckBox1, form.CheckBox2, form.CheckBox3, form.CheckBox5, form.CheckBox6, form.CheckBox7})
            QVERIFY(!box->isChecked());
        for (int panel = 0; panel < 8; ++panel)
            QCOMPARE(form.StatusBar1->PanelText(panel), panel % 2 ? "59:59" : "00:00");
        QVERIFY(form.SystemMenuHandle == nullptr);
        QCOMPARE(form.StringGrid4->ColCount(), 6);
        QCOMPARE(form.StringGrid4->RowCount(), 2);
        QCOMPARE(form.StringGrid4->ColWidths(0), 190);
        QCOMPARE(form.StringGrid4->ColWidths(5), 95);
        QVERIFY(!QFile::exists(ini));

        form.BitBtn5Click();
        QVERIFY(!form.isVisible());
        const QStringList saved = lines(ini);
        const QRect frame = form.frameGeometry();
        const QStringList expected{"[form1]",
                                   QString("top=%1").arg(frame.top()),
                                   QString("left=%1").arg(frame.left()),
                                   QString("height=%1").arg(frame.height()),
                                   QString("width=%1").arg(frame.width()),
                                   "[the highest score]",
                                   "addition=59:59",
                                   "subtraction=59:59",
                                   "multiplication=59:59",
                                   "kuku=59:59",
                                   "[CheckBox1]",
                                   "Checked=0",
                                   "[CheckBox2]",
                                   "Checked=0",
                                   "[CheckBox3]",
                                   "Checked=0",
                                   "[CheckBox5]",
                                   "Checked=0",
                                   "[CheckBox6]",
                                   "Checked=0",
                                   "[CheckBox7]",
                                   "Checked=0",
                                   "[Sound1]",
                                   "FileName=",
                                   "[Sound2]",
                                   "FileName=",
                                   "[Sound3]",
                                   "FileName=",
                                   "[Sound4]",
                                   "FileName=",
                                   "[Sound5]",
                                   "FileName=",
                                   "[Text]",
                                   "UserName="};
        QCOMPARE(saved, expected);
    }

    void savedSettingsAreRestored() {
        writeIni(ini, "[form1]\r\ntop=5000\r\nleft=-300\r\nheight=1\r\nwidth=1\r\n"
                      "[the highest score]\r\naddition=01:23\r\nkuku=\r\n"
                      "[CheckBox3]\r\nChecked=2\r\n[Sound5]\r\nFileName=/音/ok.wav\r\n"
                      "[Text]\r\nUserName=はなこ\r\n");
        f = new FormFixture(ini);
        f->screen.size = QSize(1024, 768);
        QVERIFY(f->Open());
        TForm1& form = *f->form;
        QCOMPARE(form.pos().y(), 718);
        // Negative positions are left alone (the offscreen screen itself may nudge
        // a window by its 2-pixel frame).
        QVERIFY(form.pos().x() <= -298);
        QCOMPARE(form.StatusBar1->PanelText(1), "01:23");
        QCOMPARE(form.StatusBar1->PanelText(3), "59:59");
        QCOMPARE(form.StatusBar1->PanelText(7), QString());
        QVERIFY(form.CheckBox3->isChecked());
        QCOMPARE(form.Edit6->text(), "/音/ok.wav");
        QCOMPARE(form.windowTitle(), " はなこ の Vantel");
        QVERIFY(form.SystemMenuHandle != nullptr);

        form.close();
        SettingsFile settings(ini);
        QCOMPARE(settings.ReadString("CheckBox3", "Checked", "?"), "1");
        QCOMPARE(settings.ReadString("Text", "UserName", "?"), "はなこ");
        QCOMPARE(settings.ReadString("the highest score", "kuku", "?"), QString());
    }

    void titleBarCloseSavesLikeTheExitButton() {
        open();
        f->form->Button6Click();
        f->form->Session->LoadBestTime(DrillKind::Subtraction, "00:42");
        f->form->windowHandle()->close(); // as the window manager asks
        QVERIFY(!f->form->isVisible());
        const QStringList byTitleBar = lines(ini);
        QFile::remove(ini);
        delete f;
        f = nullptr;

        open();
        f->form->Button6Click();
        f->form->Session->LoadBestTime(DrillKind::Subtraction, "00:42");
        f->form->BitBtn5Click();
        QCOMPARE(lines(ini), byTitleBar);
        QVERIFY(byTitleBar.contains("subtraction=00:42"));
    }

    void unwritableSettingsAreReportedAndTheWindowStillCloses() {
        delete f;
        f = new FormFixture("/dev/null/vantel.ini");
        QVERIFY(f->Open());
        f->form->BitBtn5Click();
        QVERIFY(!f->form->isVisible());
        QCOMPARE(f->messages.errors, QStringList{"/dev/null/vantel.ini に書き込めません"});
    }

    void captionFromTheUserName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("a name") << "たろう"
                                << " たろう の Vantel";
        QTest::newRow("cleared") << ""
                                 << "  の Vantel";
    }
    void captionFromTheUserName() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        open();
        f->form->Edit7->setText(name);
        QCOMPARE(f->form->windowTitle(), "Vantel"); // typing alone changes nothing
        f->form->findChild<QPushButton*>("Button9")->click();
        QCOMPARE(f->form->windowTitle(), caption);
    }

    // A typed name reaches the settings at close without OK, and makes the
    // caption at the next start.
    void typedNameIsSavedWithoutOk() {
        open();
        f->form->Edit7->setFocus();
        QTest::keyClicks(f->form->Edit7, "hanako");
        QCOMPARE(f->form->windowTitle(), "Vantel");
        f->form->close();
        QCOMPARE(SettingsFile(ini).ReadString("Text", "UserName", "?"), "hanako");
        delete f;
        open();
        QCOMPARE(f->form->windowTitle(), " hanako の Vantel");
    }

    // The stored outer size is written at close but never read back.
    void storedSizeChangesNothing() {
        open();
        const QSize size = f->form->size();
        QCOMPARE(f->form->centralWidget()->size(), QSize(725, 600));
        delete f;
        writeIni(ini, "[form1]\r\ntop=40\r\nleft=30\r\nheight=90\r\nwidth=2000\r\n");
        open();
        QCOMPARE(f->form->size(), size);
        QCOMPARE(f->form->centralWidget()->size(), QSize(725, 600));
    }

    // Each reset, then a close: "59:59" goes to the settings for its drill,
    // the other three keep what they had.
    void resetThenCloseStoresNoBestForItsDrillOnly_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("key");
        QTest::newRow("addition") << "Button6"
                                  << "addition";
        QTest::newRow("subtraction") << "Button7"
                                     << "subtraction";
        QTest::newRow("multiplication") << "Button8"
                                        << "multiplication";
        QTest::newRow("kuku") << "Button10"
                              << "kuku";
    }
    void resetThenCloseStoresNoBestForItsDrillOnly() {
        QFETCH(QString, button);
        QFETCH(QString, key);
        const QMap<QString, QString> stored{
            {"addition", "01:11"}, {"subtraction", "02:22"}, {"multiplication", "03:33"}, {"kuku", "04:44"}};
        QString text = "[the highest score]\r\n";
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            text += it.key() + "=" + it.value() + "\r\n";
        writeIni(ini, text);
        open();
        f->form->findChild<QPushButton*>(button)->click();
        f->form->close();
        const SettingsFile settings(ini);
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            QCOMPARE(settings.ReadString("the highest score", it.key(), "?"),
                     it.key() == key ? QStringLiteral("59:59") : it.value());
    }

    void resetTouchesOnlyItsDrill() {
        open();
        TStatusBar* bar = f->form->StatusBar1;
        for (const SheetPlace& place : SheetPlaces()) {
            f->form->Session->SetLastTime(place.kind, place.timePanel * 60000);
            f->form->Session->LoadBestTime(place.kind, QString("0%1:00").arg(place.bestPanel));
        }
        f->form->findChild<QPushButton*>("Button8")->click();
        const QStringList expected{"00:00", "01:00", "02:00", "03:00", "00:00", "59:59", "06:00", "07:00"};
        for (int panel = 0; panel < 8; ++panel)
            QCOMPARE(bar->PanelText(panel), expected[panel]);
    }

    void greyedCloseRefusesOnlyTheTitleBar() {
        writeIni(ini, "[Text]\r\nUserName=x\r\n");
        open();
        TForm1& form = *f->form;
        form.SystemMenuHandle->EnableClose(false);
        form.windowHandle()->close();
        QVERIFY(form.isVisible());
        form.close();
        QVERIFY(form.isVisible());
        form.Exit1->trigger();
        QVERIFY(!form.isVisible());
    }

    void helpCommands() {
        open();
        f->form->PageControl1->setCurrentIndex(5);
        QTest::keyClick(f->Window(), Qt::Key_F1);
        QCOMPARE(f->help.calls, QStringList{"ShowContents"});
        QVERIFY(f->form->BitBtn7->hasFocus());
        f->form->findChild<QAction*>("SearchforHelpOn1")->trigger();
        QCOMPARE(f->help.calls, (QStringList{"ShowContents", "ShowKeywordSearch"}));
        // Help that cannot be opened says so, and Start still gets the focus.
        f->help.failure = "ヘルプファイル Vantel.qhc が見つかりません。";
        f->form->BitBtn6->setFocus();
        f->form->findChild<QAction*>("Contents1")->trigger();
        QCOMPARE(f->messages.errors, QStringList{f->help.failure});
        QVERIFY(f->form->BitBtn7->hasFocus());
    }

    void pageChangeFocusesStartOnDrillPagesOnly() {
        open();
        TForm1& form = *f->form;
        // The focus stays on a control that stays in view.
        form.BitBtn6->setFocus();
        form.PageControl1->setCurrentIndex(4);
        QCOMPARE(QApplication::focusWidget(), form.BitBtn6);
        form.PageControl1->setCurrentIndex(5);
        QCOMPARE(QApplication::focusWidget(), form.BitBtn6);
        form.PageControl1->setCurrentIndex(1);
        QCOMPARE(QApplication::focusWidget(), form.BitBtn7);
    }

    void controlsAndComponentsAreFoundByName() {
        open();
        for (const char* name : {"StringGrid1", "StringGrid4", "BitBtn7", "StatusBar1", "PageControl1",
                                 "Timer1", "Timer2", "StopWatch1", "StringGridIO1", "VoskSGridPrinter1",
                                 "VoskSGridPrinter4", "MainMenu1", "Cut1", "Find1", "GroupBox5", "Edit7"})
            QVERIFY2(f->form->findChild<QObject*>(name), name);
    }

    void aboutBoxMadeAfterTheFirstPaint_data() {
        QTest::addColumn<QString>("picture"); // "jpeg", "damaged", "cut" or "missing"
        QTest::addColumn<bool>("usedBeforePaint");
        QTest::addColumn<bool>("madeAtOnce");
        QTest::addColumn<QStringList>("shown"); // before the window, and nothing after it
        const QString error = FakeMessageBoxes::kErrorMark + QStringLiteral("JPEG エラー #%1");
        QTest::newRow("picture at hand") << "jpeg" << false << false << QStringList();
        QTest::newRow("picture changed before the first paint") << "jpeg" << true << false << QStringList();
        QTest::newRow("picture missing: asks first") << "missing" << false << true << QStringList();
        QTest::newRow("picture unreadable: says so first")
            << "damaged" << false << true << QStringList{error.arg(JERR_NO_SOI)};
        QTest::newRow("picture cut short: says so first")
            << "cut" << false << true << QStringList{error.arg(JWRN_JPEG_EOF)};
    }
    void aboutBoxMadeAfterTheFirstPaint() {
        QFETCH(QString, picture);
        QFETCH(bool, usedBeforePaint);
        QFETCH(bool, madeAtOnce);
        QFETCH(QStringList, shown);
        const QString path = dir.filePath(QStringLiteral("about-%1.jpg").arg(picture));
        if (picture == QLatin1String("jpeg")) {
            QImage image(120, 90, QImage::Format_RGB32);
            image.fill(Qt::darkCyan);
            QVERIFY(image.save(path, "JPG"));
        } else if (picture == QLatin1String("damaged")) {
            writeIni(path, QStringLiteral("not a picture"));
        } else if (picture == QLatin1String("cut")) {
            // Busy pixels make a long scan; the file stops in the middle of it.
            QImage image(120, 90, QImage::Format_RGB32);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    image.setPixel(x, y, qRgb(x * 31 % 256, y * 17 % 256, (x * y) % 256));
            QByteArray bytes;
            QBuffer buffer(&bytes);
            QVERIFY(buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "JPG", 95));
            const qsizetype scan = bytes.indexOf("\xFF\xDA");
            QVERIFY(scan > 0 && bytes.size() - scan > 1000);
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes.left((scan + bytes.size()) / 2));
        }
        writeIni(ini, QStringLiteral("[Image1]\r\nFileName=%1\r\n").arg(path));
        f = new FormFixture(ini);
        f->Make();
        TForm1& form = *f->form;
        QCOMPARE(bool(form.VersionBox), madeAtOnce);
        // Whatever the box had to ask or say came before the window showed.
        QCOMPARE(f->dialogs.calls.size(), picture == QLatin1String("missing") ? 1 : 0);
        QCOMPARE(f->messages.shown, shown);
        if (usedBeforePaint) {
            f->dialogs.Choose(path);
            form.BitBtn12Click();
            QVERIFY(form.VersionBox);
        }
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(form.VersionBox);
        QCOMPARE(form.findChildren<TVersionBox*>().size(), 1);
        QCOMPARE(form.AboutBox(), form.VersionBox);
        QCOMPARE(f->messages.shown, shown);
        if (picture == QLatin1String("jpeg"))
            QCOMPARE(form.VersionBox->size(), QSize(120 + 34, 90 + 34));
    }

    void disabledFileItemsDoNothing() {
        open();
        for (const char* name : {"New1", "Save1", "SaveAs1"})
            QVERIFY(!f->form->findChild<QAction*>(name)->isEnabled());
        QVERIFY(!f->form->findChild<QPushButton*>("BitBtn16")->isEnabled());
    }
};

QTEST_MAIN(TestStartupShutdown)
#include "tst_startupshutdown.moc"
