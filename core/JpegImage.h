// A JPEG picture read from a file with libjpeg: its size and its decoded
// pixels. Reading is all or nothing: a file that cannot be opened, is not a
// JPEG, is damaged or is cut short raises a VantelError and gives no picture,
// so a broken file never shows as a half-grey image.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class JpegImage {
public:
    JpegImage() = default;

    // Raises "ファイル %s は開けません" when the file cannot be read and
    // "JPEG エラー #%d" with libjpeg's message code when it cannot be decoded.
    static JpegImage LoadFromFile(const QString& path);
    // Decodes JPEG bytes already in memory; raises "JPEG エラー #%d".
    static JpegImage Decode(const QByteArray& bytes);

    // What the markers alone tell of a file, without decoding it: cheap
    // enough for the path to the first paint.
    enum class Shape {
        Whole,  // every segment and scan in place, up to the end-of-image marker
        Broken, // no JPEG, or cut short: Decode refuses it
        Unsure, // laid out in a way only Decode can judge
    };
    static Shape ShapeOf(const QByteArray& bytes);

    bool Empty() const { return image_.isNull(); }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    const QImage& Image() const { return image_; }

private:
    explicit JpegImage(QImage image) : image_(std::move(image)) {}
    QImage image_;
};
