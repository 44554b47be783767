// Reading JPEG pictures: whole pictures of every colour layout, and each way a
// file can fail, with the text the user is shown.
#include "core/JpegImage.h"
#include "core/VantelError.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// Encodes a picture whose pixels come from pixel(x, y, channel).
template <typename Pixel>
QByteArray Encode(int width, int height, J_COLOR_SPACE space, int components, Pixel pixel) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(width * components));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < components; ++c)
                row[static_cast<size_t>(x * components + c)] = static_cast<unsigned char>(pixel(x, y, c));
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return bytes;
}

QByteArray SolidRgb(int width, int height, QColor colour) {
    return Encode(width, height, JCS_RGB, 3, [&](int, int, int c) {
        return c == 0 ? colour.red() : c == 1 ? colour.green() : colour.blue();
    });
}

// Busy pixels make a long scan, so a cut lands inside it.
QByteArray Noise(int width, int height) {
    return Encode(width, height, JCS_RGB, 3,
                  [](int x, int y, int c) { return (x * 31 + y * 17 + c * 101) % 256; });
}

QString ErrorOf(const QString& path) {
    try {
        JpegImage::LoadFromFile(path);
    } catch (const VantelError& error) {
        return error.Message();
    }
    return QString();
}

bool Near(QRgb actual, QColor expected) {
    return qAbs(qRed(actual) - expected.red()) <= 3 && qAbs(qGreen(actual) - expected.green()) <= 3 &&
           qAbs(qBlue(actual) - expected.blue()) <= 3;
}

} // namespace

class TestJpegImage : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void loadsWholePicture_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QColor>("colour");
        const QColor orange(250, 140, 20);
        QTest::newRow("jpg") << "a.jpg" << SolidRgb(200, 150, orange) << QSize(200, 150) << orange;
        QTest::newRow("upper-case JPEG") << "b.JPEG" << SolidRgb(31, 7, orange) << QSize(31, 7) << orange;
        QTest::newRow("jfif") << "c.jfif" << SolidRgb(345, 265, orange) << QSize(345, 265) << orange;
        QTest::newRow("grey") << "d.jpg" << Encode(17, 9, JCS_GRAYSCALE, 1, [](int, int, int) { return 90; })
                              << QSize(17, 9) << QColor(90, 90, 90);
        // Stored inverted, as the common editors write CMYK: pure red.
        QTest::newRow("cmyk") << "e.jpg" << Encode(16, 16, JCS_CMYK, 4, [](int, int, int c) {
            return c == 1 || c == 2 ? 0 : 255;
        }) << QSize(16, 16) << QColor(255, 0, 0);
    }
    void loadsWholePicture() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        QFETCH(QColor, colour);
        const JpegImage picture = JpegImage::LoadFromFile(write(name, bytes));
        QCOMPARE(picture.Width(), size.width());
        QCOMPARE(picture.Height(), size.height());
        QCOMPARE(picture.Image().size(), size);
        QVERIFY2(Near(picture.Image().pixel(size.width() / 2, size.height() / 2), colour),
                 qPrintable(QColor(picture.Image().pixel(size.width() / 2, size.height() / 2)).name()));
    }

    void failingFileGivesItsMessage_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");

        QByteArray damaged = SolidRgb(40, 30, Qt::blue);
        const qsizetype frame = damaged.indexOf(QByteArray("\xFF\xC0", 2));
        QVERIFY(frame > 0);
        damaged[frame + 4] = 7; // sample precision
        QTest::newRow("damaged") << "damaged.jpg" << damaged
                                 << QString("JPEG エラー #%1").arg(JERR_BAD_PRECISION);

        const QByteArray whole = Noise(200, 150);
        QTest::newRow("cut short") << "cut.jpg" << whole.left(whole.size() * 2 / 3)
                                   << QString("JPEG エラー #%1").arg(JWRN_JPEG_EOF);
        QTest::newRow("cut after the header") << "header.jpg" << whole.left(whole.indexOf("\xFF\xDA") + 20)
                                              << QString("JPEG エラー #%1").arg(JWRN_JPEG_EOF);
        // The end of the file is there, but part of the picture's data is not.
        const qsizetype scan = whole.indexOf("\xFF\xDA");
        const QByteArray hollow = whole.left(scan + 200) + whole.right(2);
        QTest::newRow("middle of the data lost")
            << "hollow.jpg" << hollow << QString("JPEG エラー #%1").arg(JWRN_HIT_MARKER);
        QTest::newRow("not a JPEG") << "picture.jpg" << QByteArray("\x89PNG\r\n\x1a\n0000", 12)
                                    << QString("JPEG エラー #%1").arg(JERR_NO_SOI);
        // A few hundred bytes that claim 60000 by 60000 pixels once made the
        // decoder set aside gigabytes before it found the data missing.
        QByteArray huge = SolidRgb(16, 16, Qt::blue);
        const qsizetype start = huge.indexOf(QByteArray("\xFF\xC0", 2));
        huge[start + 5] = huge[start + 7] = char(0xEA);
        huge[start + 6] = huge[start + 8] = char(0x60);
        QTest::newRow("claims 3.6 gigapixels")
            << "huge.jpg" << huge << QString("JPEG エラー #%1").arg(JERR_IMAGE_TOO_BIG);
        huge[start + 1] = char(0xC2); // the same header, progressive
        QTest::newRow("claims 3.6 gigapixels, progressive")
            << "huge2.jpg" << huge << QString("JPEG エラー #%1").arg(JERR_IMAGE_TOO_BIG);
        QTest::newRow("empty") << "empty.jpg" << QByteArray()
                               << QString("JPEG エラー #%1").arg(JERR_INPUT_EMPTY);
    }
    void failingFileGivesItsMessage() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QCOMPARE(ErrorOf(write(name, bytes)), message);
    }

    void missingFileCannotBeOpened() {
        const QString path = dir_.filePath("写真/none.jpg");
        QCOMPARE(ErrorOf(path), QString("ファイル %1 は開けません").arg(path));
        QCOMPARE(ErrorOf(dir_.path()), QString("ファイル %1 は開けません").arg(dir_.path()));
    }

    void decoderRecoversAfterAnError() {
        // The jump back from an error leaves nothing behind for the next file.
        QCOMPARE(ErrorOf(write("bad.jpg", "nonsense")), QString("JPEG エラー #%1").arg(JERR_NO_SOI));
        QCOMPARE(JpegImage::LoadFromFile(write("good.jpg", SolidRgb(8, 8, Qt::red))).Width(), 8);
    }
};

QTEST_APPLESS_MAIN(TestJpegImage)
#include "tst_jpegimage.moc"
