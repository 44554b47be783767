// The About box: fitting to its picture, the stored position, closing,
// the links, the start-up dialog and changing the picture.
#include "about/VersionBox.h"
#include "core/VantelError.h"
#include "platform/desktop/TApplication.h"
#include "settings/SettingsFile.h"
#include "tests/support/FakeFileDialogs.h"
#include "tests/support/FakeLinks.h"
#include "tests/support/FakeScreen.h"
#include "tests/support/FakeServices.h"
#include "widgets/ClickLabel.h"
#include "widgets/Fonts.h"
#include "widgets/PictureBox.h"

#include <QBuffer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class TestVersionBox : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> dir_;
    FakeMessageBoxes messages_;
    TApplication app_{QStringLiteral("Vantel"), messages_};
    FakeFileDialogs dialogs_;
    FakeLinks links_;
    FakeScreen screen_;
    std::unique_ptr<SettingsFile> settings_;

    QString iniPath() const { return dir_->filePath("vantel.ini"); }
    SettingsFile ini() const { return SettingsFile(iniPath()); }
    QString picture(const QString& name, int width, int height) const {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(QColor(200, 230, 255));
        const QString path = dir_->filePath(name);
        if (!image.save(path, "JPG"))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    QString file(const QString& name, const QByteArray& bytes) const {
        const QString path = dir_->filePath(name);
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    std::unique_ptr<TVersionBox> makeBox() {
        return std::make_unique<TVersionBox>(VersionBoxServices{app_, dialogs_, links_, screen_, *settings_});
    }
    // A box that has loaded a picture of the given size at start-up.
    std::unique_ptr<TVersionBox> boxWithPicture(int width, int height) {
        ini().WriteString("Image1", "FileName", picture("start.jpg", width, height));
        return makeBox();
    }
    static QList<int> creditTops(const TVersionBox& box) {
        QList<int> tops;
        for (const QLabel* label : std::initializer_list<const QLabel*>{
                 box.Label9, box.Label8, box.Label7, box.Label6, box.Label5, box.Label4, box.Label3}) {
            if (label->x() != 24)
                return {};
            tops.append(label->y());
        }
        return tops;
    }

private slots:
    void initTestCase() {
        InstallFontSubstitutions();
        // No installed default picture may stand in for the missing one.
        qputenv("XDG_DATA_HOME", "/nonexistent");
        qputenv("XDG_DATA_DIRS", "/nonexistent");
    }
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        settings_ = std::make_unique<SettingsFile>(iniPath());
        messages_.Clear();
        dialogs_ = FakeFileDialogs();
        links_.links.clear();
        screen_.size = QSize(1024, 768);
    }
    void cleanup() { settings_.reset(); }

    void designedLayout() {
        dialogs_.Cancel();
        const auto box = makeBox();
        QCOMPARE(box->objectName(), QString("VersionBox"));
        QCOMPARE(box->windowTitle(), QString("Ｖａｎｔｅｌ の バージョン情報"));
        QCOMPARE(box->size(), QSize(388, 300));
        QCOMPARE(box->palette().color(QPalette::Window), QColor(0xD7, 0xE1, 0xFF));
        QCOMPARE(box->font().pixelSize(), 12);
        QCOMPARE(box->font().family(), LayoutFont(kGothicFace, 12).family());
        QCOMPARE(box->Bevel1->geometry(), QRect(8, 8, 369, 281));
        QCOMPARE(box->Image1->geometry(), QRect(16, 16, 345, 265));
        QCOMPARE(box->Image2->geometry(), QRect(24, 24, 32, 32));
        QCOMPARE(box->Button1->geometry(), QRect(308, 256, 45, 16));
        QCOMPARE(box->Button1->text(), QString("OK"));
        QCOMPARE(box->Button1->font().pixelSize(), 11);
        QCOMPARE(box->Label2->text(), QString("Version 1.0.10."));
        QCOMPARE(box->Label10->text(), QString("Vantel"));
        QCOMPARE(box->Label10->font().pixelSize(), 35);
        QVERIFY(box->Label10->font().bold());
        QCOMPARE(box->Label2->font().family(), LayoutFont(kMinchoFace, 12).family());
        QCOMPARE(creditTops(*box), (QList<int>{262, 241, 220, 199, 178, 157, 136}));
        for (const QLabel* link : {box->Label5, box->Label7, box->Label8}) {
            QVERIFY(link->font().underline());
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        }
        QCOMPARE(box->Label9->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(!box->Label9->autoFillBackground());
    }

    void fitsToPicture_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("picture");
        QTest::newRow("jpg") << "a.jpg" << QSize(200, 150);
        QTest::newRow("jfif") << "b.jfif" << QSize(200, 150);
        QTest::newRow("upper-case JPEG") << "c.JPEG" << QSize(200, 150);
        QTest::newRow("large") << "d.jpg" << QSize(500, 400);
    }
    void fitsToPicture() {
        QFETCH(QString, name);
        QFETCH(QSize, picture);
        const int w = picture.width();
        const int h = picture.height();
        ini().WriteString("Image1", "FileName", this->picture(name, w, h));
        const auto box = makeBox();
        QVERIFY(messages_.errors.isEmpty());
        QVERIFY(dialogs_.calls.isEmpty());
        QCOMPARE(box->size(), QSize(w + 34, h + 34));
        QCOMPARE(box->Bevel1->geometry(), QRect(8, 8, w + 17, h + 17));
        QCOMPARE(box->Image1->geometry(), QRect(16, 16, w, h));
        QCOMPARE(box->Image1->Picture().size(), picture);
        QCOMPARE(box->Button1->pos(), QPoint(w - 37, h - 8));
        QCOMPARE(creditTops(*box), (QList<int>{h - 4, h - 25, h - 46, h - 67, h - 88, h - 109, h - 130}));
        QCOMPARE(box->Label10->pos(), QPoint(64, 24));
        QCOMPARE(box->Label2->pos(), QPoint(192, 42));
        QCOMPARE(box->Label1->pos(), QPoint(64, 60));
        QCOMPARE(box->Image2->pos(), QPoint(24, 24));
    }

    void hundredCellPictureExample() {
        const auto box = boxWithPicture(200, 150);
        QCOMPARE(box->size(), QSize(234, 184));
        QCOMPARE(box->Bevel1->size(), QSize(217, 167));
        QCOMPARE(box->Button1->pos(), QPoint(163, 142));
        QCOMPARE(creditTops(*box), (QList<int>{146, 125, 104, 83, 62, 41, 20}));
    }

    void storedPositionIsKeptOnScreen_data() {
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("left");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("inside") << 100 << 200 << QPoint(200, 100);
        QTest::newRow("below the screen") << 5000 << 10 << QPoint(10, 718);
        QTest::newRow("right of the screen") << 10 << 3000 << QPoint(974, 10);
        QTest::newRow("at the limit") << 718 << 974 << QPoint(974, 718);
        QTest::newRow("negative stays") << -40 << -300 << QPoint(-300, -40);
    }
    void storedPositionIsKeptOnScreen() {
        QFETCH(int, top);
        QFETCH(int, left);
        QFETCH(QPoint, place);
        ini().WriteInteger("form2", "top", top);
        ini().WriteInteger("form2", "left", left);
        const auto box = boxWithPicture(200, 150);
        QCOMPARE(box->pos(), place);
    }

    void absentPositionIsTopLeft() {
        const auto box = boxWithPicture(200, 150);
        QCOMPARE(box->pos(), QPoint(0, 0));
    }

    void everyClosingStoresPosition_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("OK button") << 0;
        QTest::newRow("title-bar close") << 1;
        QTest::newRow("double-click on the picture") << 2;
        QTest::newRow("Esc") << 3;
    }
    void everyClosingStoresPosition() {
        QFETCH(int, way);
        const auto box = boxWithPicture(200, 150);
        box->move(123, 45);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        box->move(130, 57);
        QTRY_COMPARE(box->pos(), QPoint(130, 57));
        switch (way) {
        case 0:
            QTest::mouseClick(box->Button1, Qt::LeftButton);
            break;
        case 1:
            box->close();
            break;
        case 2:
            QTest::mouseDClick(box->Image1, Qt::LeftButton, {}, QPoint(50, 50));
            break;
        default:
            QTest::keyClick(box.get(), Qt::Key_Escape);
        }
        QVERIFY(box->isHidden());
        QCOMPARE(ini().ReadInteger("form2", "top", -1), 57);
        QCOMPARE(ini().ReadInteger("form2", "left", -1), 130);
        QCOMPARE(box->result(), way == 0 ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QVERIFY(messages_.errors.isEmpty());
    }

    void linksOpenTheirExactText_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("link");
        QTest::newRow("picture author") << "Label5"
                                        << "mailto:picture@vantel.example?subject=Vantelのバージョン情報から&"
                                           "body=「バージョン情報の画像は、如何ですか」%0D%0A"
                                           "「貴方の一言が私の勇気となります。」%0D%0A\u3000";
        QTest::newRow("producer") << "Label7"
                                  << "mailto:studio@vantel.example?subject=Vantelのバージョン情報から&"
                                     "body=「Vantel の使い心地は、如何ですか」%0D%0A"
                                     "「貴方の一言が私の勇気となります。」%0D%0A\u3000";
        QTest::newRow("web page") << "Label8"
                                  << "https://www.vantel.example/";
    }
    void linksOpenTheirExactText() {
        QFETCH(QString, label);
        QFETCH(QString, link);
        const auto box = boxWithPicture(345, 265);
        auto* clickable = box->findChild<ClickLabel*>(label);
        QVERIFY(clickable);
        // The label shows the address its click opens.
        QVERIFY(link.contains(clickable->text()));
        QTest::mouseClick(clickable, Qt::LeftButton);
        QCOMPARE(links_.links, QStringList{link});
        QVERIFY(box->isHidden());

        // The desktop having no program for it is no error.
        links_.answer = false;
        QTest::mouseClick(clickable, Qt::LeftButton);
        QCOMPARE(links_.links.size(), 2);
        QVERIFY(messages_.errors.isEmpty());
    }

    void missingPictureAsksAtStartUp_data() {
        QTest::addColumn<bool>("stored");
        QTest::newRow("nothing stored, none beside the program") << false;
        QTest::newRow("stored file gone") << true;
    }
    void missingPictureAsksAtStartUp() {
        QFETCH(bool, stored);
        if (stored)
            ini().WriteString("Image1", "FileName", dir_->filePath("gone.jpg"));
        ini().WriteInteger("form2", "top", 300);
        ini().WriteInteger("form2", "left", 200);
        dialogs_.Cancel();
        const auto box = makeBox();
        QCOMPARE(dialogs_.calls.size(), 1);
        QCOMPARE(dialogs_.calls[0].kind, FakeFileDialogs::Kind::Open);
        QCOMPARE(dialogs_.calls[0].options.filter,
                 QString("画像ファイル (*.jpg;*.JPEG;*.JFIF)|*.jpg;*.JPEG;*.JFIF"));
        // Cancelled: the designed box, no picture, no stored position.
        QCOMPARE(box->size(), QSize(388, 300));
        QVERIFY(!box->Image1->HasPicture());
        QVERIFY(!box->testAttribute(Qt::WA_Moved));
        QVERIFY(messages_.errors.isEmpty());
    }

    void startUpChoiceServesThisRunOnly() {
        const QString gone = dir_->filePath("gone.jpg");
        ini().WriteString("Image1", "FileName", gone);
        ini().WriteInteger("form2", "top", 30);
        dialogs_.Choose(picture("chosen.jpg", 120, 90));
        const auto box = makeBox();
        QCOMPARE(box->size(), QSize(154, 124));
        QCOMPARE(box->pos(), QPoint(0, 30));
        QCOMPARE(ini().ReadString("Image1", "FileName", ""), gone);
    }

    void brokenPictureAtStartUpIsReported_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a JPEG") << QByteArray("GIF89a......") << "JPEG エラー #53";
        QTest::newRow("empty") << QByteArray() << "JPEG エラー #42";
    }
    void brokenPictureAtStartUpIsReported() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        ini().WriteString("Image1", "FileName", file("broken.jpg", bytes));
        ini().WriteInteger("form2", "top", 300);
        const auto box = makeBox();
        QCOMPARE(messages_.errors, QStringList{message});
        // The rest of the start is skipped: no fitting, no position.
        QCOMPARE(box->size(), QSize(388, 300));
        QVERIFY(!box->testAttribute(Qt::WA_Moved));
    }

    void changePictureRefitsInPlace() {
        const auto box = boxWithPicture(200, 150);
        box->move(100, 200);
        dialogs_.Choose(picture("new.jfif", 300, 220));
        QVERIFY(box->ChangePicture(dialogs_));
        QCOMPARE(dialogs_.calls.last().options.filter,
                 QString("画像ファイル (*.jpg;*.JPEG;*.JFIF)|*.jpg;*.JPEG;*.JFIF"));
        QCOMPARE(box->size(), QSize(334, 254));
        QCOMPARE(box->Button1->pos(), QPoint(263, 212));
        QCOMPARE(box->pos(), QPoint(100, 200));
        QVERIFY(box->isHidden());
        QCOMPARE(ini().ReadString("Image1", "FileName", ""), dir_->filePath("new.jfif"));

        // The next start shows it.
        const auto next = makeBox();
        QCOMPARE(next->size(), QSize(334, 254));
    }

    void changePictureCancelledChangesNothing() {
        const auto box = boxWithPicture(200, 150);
        const QString stored = ini().ReadString("Image1", "FileName", "");
        dialogs_.Cancel();
        QVERIFY(!box->ChangePicture(dialogs_));
        QCOMPARE(box->size(), QSize(234, 184));
        QCOMPARE(ini().ReadString("Image1", "FileName", ""), stored);
    }

    void failedPictureChangesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // null: no such file
        QTest::addColumn<QString>("message");
        QByteArray good;
        {
            QImage image(64, 48, QImage::Format_RGB32);
            image.fill(Qt::white);
            QBuffer buffer(&good);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "JPG");
        }
        QByteArray damaged = good;
        damaged[damaged.indexOf("\xFF\xC0") + 4] = 7;
        QTest::newRow("damaged") << "damaged.jpg" << damaged << "JPEG エラー #15";
        QTest::newRow("cut short") << "cut.jpg" << good.left(good.size() - 40) << "JPEG エラー #120";
        QTest::newRow("not a JPEG") << "text.jpg" << QByteArray("hello") << "JPEG エラー #53";
        QTest::newRow("typed name of no file") << "typed.jpg" << QByteArray() << "ファイル %1 は開けません";
    }
    void failedPictureChangesNothing() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const auto box = boxWithPicture(200, 150);
        const QString stored = ini().ReadString("Image1", "FileName", "");
        const QImage shown = box->Image1->Picture();
        const QString path = bytes.isNull() ? dir_->filePath(name) : file(name, bytes);
        dialogs_.Choose(path);
        try {
            box->ChangePicture(dialogs_);
            QFAIL("no error raised");
        } catch (const VantelError& error) {
            QCOMPARE(error.Message(), message.contains("%1") ? message.arg(path) : message);
        }
        QCOMPARE(box->size(), QSize(234, 184));
        QCOMPARE(box->Image1->Picture(), shown);
        QCOMPARE(ini().ReadString("Image1", "FileName", ""), stored);
    }
};

QTEST_MAIN(TestVersionBox)
#include "tst_versionbox.moc"
