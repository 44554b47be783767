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

// Encodes a picture whose pixels come from pixel(x, y, channel); tune may
// change the encoder's defaults.
template <typename Pixel>
QByteArray Encode(int width, int height, J_COLOR_SPACE space, int components, Pixel pixel,
                  void (*tune)(jpeg_compress_struct*) = nullptr) {
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
    if (tune)
        tune(&cinfo);
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
QByteArray Noise(int width, int height, void (*tune)(jpeg_compress_struct*) = nullptr) {
    return Encode(
        width, height, JCS_RGB, 3, [](int x, int y, int c) { return (x * 31 + y * 17 + c * 101) % 256; },
        tune);
}
QByteArray Progressive(int width, int height) {
    return Noise(width, height, [](jpeg_compress_struct* cinfo) { jpeg_simple_progression(cinfo); });
}
QByteArray WithRestarts(int width, int height) {
    return Noise(width, height, [](jpeg_compress_struct* cinfo) { cinfo->restart_interval = 1; });
}

// A segment: its marker, its length, its bytes.
QByteArray Segment(char marker, const QByteArray& body) {
    const int length = int(body.size()) + 2;
    return QByteArray("\xFF", 1) + marker + char(length >> 8) + char(length & 0xFF) + body;
}

bool Decodes(const QByteArray& bytes) {
    try {
        JpegImage::Decode(bytes);
        return true;
    } catch (const VantelError&) {
        return false;
    }
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

    // The quick look at a picture's markers, before the window shows: what it
    // calls Broken the decoder refuses; what it is unsure of, the decoder judges.
    void shapeFromTheMarkers_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<JpegImage::Shape>("shape");
        QTest::addColumn<bool>("decodes");
        using Shape = JpegImage::Shape;
        const QByteArray whole = Noise(200, 150);
        const qsizetype scan = whole.indexOf("\xFF\xDA");
        QTest::newRow("baseline") << whole << Shape::Whole << true;
        QTest::newRow("progressive") << Progressive(120, 90) << Shape::Whole << true;
        QTest::newRow("restart markers") << WithRestarts(120, 90) << Shape::Whole << true;
        QTest::newRow("grey") << SolidRgb(17, 9, Qt::gray) << Shape::Whole << true;
        QTest::newRow("bytes after the end") << whole + "trailing" << Shape::Whole << true;
        QTest::newRow("fill bytes before a marker")
            << whole.left(scan) + "\xFF\xFF" + whole.mid(scan) << Shape::Whole << true;
        // A camera's thumbnail ends in an end-of-image marker of its own.
        const QByteArray thumbnail = Segment('\xE1', QByteArray("Exif\0\0", 6) + SolidRgb(8, 8, Qt::red));
        QTest::newRow("thumbnail") << whole.left(2) + thumbnail + whole.mid(2) << Shape::Whole << true;
        QTest::newRow("cut after the thumbnail") << whole.left(2) + thumbnail << Shape::Broken << false;
        QTest::newRow("cut in the scan") << whole.left((scan + whole.size()) / 2) << Shape::Broken << false;
        QTest::newRow("cut in the scan, progressive")
            << Progressive(120, 90).chopped(300) << Shape::Broken << false;
        QTest::newRow("cut in a header") << whole.left(30) << Shape::Broken << false;
        QTest::newRow("cut before the end marker") << whole.chopped(2) << Shape::Broken << false;
        QTest::newRow("cut in the end marker") << whole.chopped(1) << Shape::Broken << false;
        QTest::newRow("no picture") << whole.left(scan) + "\xFF\xD9" << Shape::Broken << false;
        QTest::newRow("not a JPEG") << QByteArray("\x89PNG\r\n\x1a\n0000", 12) << Shape::Broken << false;
        QTest::newRow("empty") << QByteArray() << Shape::Broken << false;
        QByteArray huge = SolidRgb(16, 16, Qt::blue);
        const qsizetype frame = huge.indexOf(QByteArray("\xFF\xC0", 2));
        huge[frame + 5] = huge[frame + 7] = char(0xEA);
        QTest::newRow("claims 3.6 gigapixels") << huge << Shape::Broken << false;
        // Left to the decoder, which skips the one and refuses the other.
        QTest::newRow("stray bytes between segments")
            << whole.left(scan) + "xx" + whole.mid(scan) << Shape::Unsure << true;
        QByteArray twelveBits = SolidRgb(16, 16, Qt::blue);
        twelveBits[frame + 4] = 12;
        QTest::newRow("12-bit samples") << twelveBits << Shape::Unsure << false;
    }
    void shapeFromTheMarkers() {
        QFETCH(QByteArray, bytes);
        QFETCH(JpegImage::Shape, shape);
        QFETCH(bool, decodes);
        QCOMPARE(JpegImage::ShapeOf(bytes), shape);
        QCOMPARE(Decodes(bytes), decodes);
    }

    void noCutLooksWhole_data() {
        QTest::addColumn<QByteArray>("whole");
        QTest::newRow("baseline") << Noise(64, 48);
        QTest::newRow("progressive") << Progressive(64, 48);
        QTest::newRow("restart markers") << WithRestarts(64, 48);
    }
    void noCutLooksWhole() {
        QFETCH(QByteArray, whole);
        QCOMPARE(JpegImage::ShapeOf(whole), JpegImage::Shape::Whole);
        for (qsizetype size = 0; size < whole.size(); ++size)
            if (JpegImage::ShapeOf(whole.left(size)) != JpegImage::Shape::Broken)
                QFAIL(qPrintable(
                    QStringLiteral("cut at %1 of %2 does not look broken").arg(size).arg(whole.size())));
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
