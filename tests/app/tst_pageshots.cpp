// Pictures of the six pages of the main window, for looking at: written to
// the folder in VANTEL_SHOT_DIR (or the current folder) as page-N.png. Each
// page must show something of its own.
#include "platform/TStatusBar.h"

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
};

QTEST_MAIN(TestPageShots)
#include "tst_pageshots.moc"
