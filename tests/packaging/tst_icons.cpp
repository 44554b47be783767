// The installed icons are drawn from the SVG; at 32 pixels and its multiples
// they must show the same picture as the window icon the program paints.
#include "about/ProgramIcon.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTest>

class TestIcons : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QDir folder(QCoreApplication::applicationDirPath());
        const QString icons = QStringLiteral("packaging/icons/hicolor");
        for (int up = 0; up < 4 && !folder.exists(icons); ++up)
            folder.cdUp();
        if (!folder.exists(icons))
            QFAIL("the icons were not made: build the vantel_packaging_files target first");
        iconRoot_ = folder.filePath(icons);
    }

    void sameAsProgramIcon_data() {
        QTest::addColumn<int>("size");
        for (int size : {32, 64, 128, 256})
            QTest::addRow("%d", size) << size;
    }
    void sameAsProgramIcon() {
        QFETCH(int, size);
        const QImage png(QStringLiteral("%1/%2x%2/apps/vantel.png").arg(iconRoot_).arg(size));
        QVERIFY(!png.isNull());
        QCOMPARE(png.size(), QSize(size, size));
        const QImage drawn = ProgramIcon()
                                 .toImage()
                                 .scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                 .convertToFormat(QImage::Format_ARGB32);
        const QImage rendered = png.convertToFormat(QImage::Format_ARGB32);
        // The two answer circles are smoothed in the SVG and stepped in the
        // program's drawing; everything else is the same pixel for pixel.
        const int scale = size / 32;
        const QRect circles[] = {QRect(12, 12, 6, 6), QRect(21, 21, 6, 6)};
        int inCircles = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                if (similar(drawn.pixel(x, y), rendered.pixel(x, y)))
                    continue;
                const QPoint at(x / scale, y / scale);
                QVERIFY2(circles[0].contains(at) || circles[1].contains(at),
                         qPrintable(QStringLiteral("pixel %1, %2 differs").arg(x).arg(y)));
                ++inCircles;
            }
        QVERIFY2(inCircles <= 36 * scale * scale, qPrintable(QString::number(inCircles)));
    }

private:
    static bool similar(QRgb a, QRgb b) {
        const auto near = [](int p, int q) { return std::abs(p - q) <= 48; };
        return near(qAlpha(a), qAlpha(b)) &&
               (qAlpha(a) == 0 ||
                (near(qRed(a), qRed(b)) && near(qGreen(a), qGreen(b)) && near(qBlue(a), qBlue(b))));
    }

    QString iconRoot_;
};

QTEST_MAIN(TestIcons)
#include "tst_icons.moc"
