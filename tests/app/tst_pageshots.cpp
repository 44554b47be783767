// Pictures of the six pages of the main window, for looking at: written to
// the folder in VANTEL_SHOT_DIR (or the current folder) as page-N.png. Each
// page must show something of its own.
#include "widgets/TStatusBar.h"

#include "tests/support/FormFixture.h"

#include <QDir>
#include <QTabWidget>

class TestPageShots : public QObject {
    Q_OBJECT
private slots:
    void everyPageDrawsItsOwnContent() {
        FormFixture f;
        QVERIFY(f.Open(false));
        f.form->Timer2Timer();
        const QString folder = qEnvironmentVariable("VANTEL_SHOT_DIR", QDir::currentPath());
        QList<QImage> pages;
        for (int index = 0; index < f.form->PageControl1->count(); ++index) {
            f.form->PageControl1->setCurrentIndex(index);
            const QImage shot = f.form->grab().toImage();
            QVERIFY(shot.save(QDir(folder).filePath(QStringLiteral("page-%1.png").arg(index))));
            for (const QImage& other : pages)
                QVERIFY(other != shot);
            pages.append(shot);
        }
    }

    void aboutBoxWithTheDefaultPicture() {
        FormFixture f;
        QVERIFY(f.Open(false));
        // The picture the program ships with, as an installed copy would find it.
        f.dialogs.Choose(QString::fromLocal8Bit(qgetenv("VANTEL_SOURCE_DIR")) + "/about/about.jpg");
        f.form->BitBtn12Click();
        QVERIFY(f.messages.errors.isEmpty());
        const QString folder = qEnvironmentVariable("VANTEL_SHOT_DIR", QDir::currentPath());
        QVERIFY(f.versionBox->grab().save(QDir(folder).filePath(QStringLiteral("about.png"))));
        QCOMPARE(f.versionBox->size(), QSize(345 + 34, 265 + 34));
    }
};

QTEST_MAIN(TestPageShots)
#include "tst_pageshots.moc"
