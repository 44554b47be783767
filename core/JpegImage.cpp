#include "core/JpegImage.h"

#include "core/VantelError.h"

#include <QCoreApplication>
#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jerror.h>
#include <jpeglib.h>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(JpegImage)
};

// libjpeg reports a fatal error by calling error_exit, which must not return.
// We jump back to the decoding step with the message code kept in the error
// manager. The steps that set the jump point hold only plain C data, so the
// jump skips no destructor.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::longjmp(err->jump, 1);
}

// A file cut short, or one whose scan data stops at a marker before the
// picture is complete, only draws a warning, after which libjpeg pads the rest
// of the picture with grey. We count them as the errors they are.
void EmitMessage(j_common_ptr cinfo, int level) {
    const int code = cinfo->err->msg_code;
    if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER))
        ErrorExit(cinfo);
    if (level < 0)
        ++cinfo->err->num_warnings;
}

void OutputMessage(j_common_ptr) {} // nothing goes to stderr

enum class Output { Rgb, Cmyk };

// 64 megapixels (256 MB decoded) is more than any camera gives. A header of
// a few bytes can claim 65535 by 65535; without a limit the decoder would
// set aside gigabytes before finding the data missing.
constexpr qint64 kMaxPixels = qint64(1) << 26;

// Reads the header and starts decompression; returns false on a libjpeg error.
bool StartDecoding(jpeg_decompress_struct* cinfo, ErrorManager* err, const QByteArray* bytes,
                   Output* output) {
    if (setjmp(err->jump))
        return false;
    jpeg_mem_src(cinfo, reinterpret_cast<const unsigned char*>(bytes->constData()),
                 static_cast<unsigned long>(bytes->size()));
    jpeg_read_header(cinfo, TRUE);
    if (qint64(cinfo->image_width) * cinfo->image_height > kMaxPixels) {
        cinfo->err->msg_code = JERR_IMAGE_TOO_BIG;
        cinfo->err->error_exit(reinterpret_cast<j_common_ptr>(cinfo));
    }
    // libjpeg has no CMYK to RGB conversion; those files come out as CMYK and
    // are converted below.
    if (cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK) {
        cinfo->out_color_space = JCS_CMYK;
        *output = Output::Cmyk;
    } else {
        cinfo->out_color_space = JCS_EXT_RGBX;
        *output = Output::Rgb;
    }
    jpeg_start_decompress(cinfo);
    return true;
}

// Decodes every scan line into rows of the given stride; false on an error.
bool ReadLines(jpeg_decompress_struct* cinfo, ErrorManager* err, unsigned char* first, qsizetype stride) {
    if (setjmp(err->jump))
        return false;
    while (cinfo->output_scanline < cinfo->output_height) {
        JSAMPROW row = first + static_cast<qsizetype>(cinfo->output_scanline) * stride;
        jpeg_read_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_decompress(cinfo);
    return true;
}

// Adobe writes CMYK inverted; the pixels arrive as four bytes each.
void CmykToRgb(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        uchar* pixel = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x, pixel += 4) {
            const int k = pixel[3];
            pixel[0] = static_cast<uchar>(pixel[0] * k / 255);
            pixel[1] = static_cast<uchar>(pixel[1] * k / 255);
            pixel[2] = static_cast<uchar>(pixel[2] * k / 255);
            pixel[3] = 255;
        }
    }
}

[[noreturn]] void RaiseJpegError(int code) {
    //: %1 is libjpeg's message number.
    throw VantelError(Texts::tr("JPEG エラー #%1").arg(code));
}

class Decompressor {
public:
    Decompressor() {
        cinfo_.err = jpeg_std_error(&err_.pub);
        err_.pub.error_exit = ErrorExit;
        err_.pub.emit_message = EmitMessage;
        err_.pub.output_message = OutputMessage;
        jpeg_create_decompress(&cinfo_);
    }
    ~Decompressor() { jpeg_destroy_decompress(&cinfo_); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;

    QImage Decode(const QByteArray& bytes) {
        Output output = Output::Rgb;
        if (!StartDecoding(&cinfo_, &err_, &bytes, &output))
            RaiseJpegError(err_.pub.msg_code);
        QImage image(static_cast<int>(cinfo_.output_width), static_cast<int>(cinfo_.output_height),
                     QImage::Format_RGBX8888);
        if (image.isNull())
            RaiseJpegError(JERR_OUT_OF_MEMORY);
        if (!ReadLines(&cinfo_, &err_, image.bits(), image.bytesPerLine()))
            RaiseJpegError(err_.pub.msg_code);
        if (output == Output::Cmyk)
            CmykToRgb(image);
        return image;
    }

private:
    jpeg_decompress_struct cinfo_{};
    ErrorManager err_{};
};

// The frames libjpeg decodes: baseline, extended and progressive Huffman.
bool DecodableFrame(unsigned char marker) { return marker >= 0xC0 && marker <= 0xC2; }
bool OtherFrame(unsigned char marker) {
    return marker >= 0xC3 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// A frame header Decode accepts: 8-bit samples, a size within kMaxPixels, and
// as many component entries as it claims.
JpegImage::Shape FrameShape(const unsigned char* segment, int length) {
    if (length < 8)
        return JpegImage::Shape::Unsure;
    const int height = (segment[1] << 8) | segment[2];
    const int width = (segment[3] << 8) | segment[4];
    const int components = segment[5];
    if (qint64(width) * height > kMaxPixels)
        return JpegImage::Shape::Broken;
    if (segment[0] != 8 || width == 0 || height == 0 || components == 0 || length != 8 + 3 * components)
        return JpegImage::Shape::Unsure;
    return JpegImage::Shape::Whole;
}

} // namespace

JpegImage::Shape JpegImage::ShapeOf(const QByteArray& bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    if (n < 2 || p[0] != 0xFF || p[1] != 0xD8)
        return Shape::Broken;
    bool frame = false;
    bool scan = false;
    qsizetype at = 2; // at a marker's 0xFF
    for (;;) {
        if (at >= n)
            return Shape::Broken; // no end-of-image marker
        // Stray bytes here libjpeg skips with a warning; fill bytes it skips.
        if (p[at] != 0xFF)
            return Shape::Unsure;
        while (at < n && p[at] == 0xFF)
            ++at;
        if (at >= n)
            return Shape::Broken;
        const unsigned char marker = p[at++];
        if (marker == 0xD9)
            return frame && scan ? Shape::Whole : Shape::Broken;
        if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8))
            return Shape::Unsure; // a marker without a segment, out of place
        if (n - at < 2)
            return Shape::Broken;
        const int length = (p[at] << 8) | p[at + 1];
        if (length < 2)
            return Shape::Unsure;
        if (n - at < length)
            return Shape::Broken; // the segment runs past the end
        if (DecodableFrame(marker)) {
            if (frame)
                return Shape::Unsure;
            if (const Shape shape = FrameShape(p + at + 2, length); shape != Shape::Whole)
                return shape;
            frame = true;
        } else if (OtherFrame(marker) || (marker == 0xDA && !frame)) {
            return Shape::Unsure;
        }
        at += length;
        if (marker != 0xDA)
            continue;
        scan = true;
        // The scan's data runs to the next marker: 0xFF is followed by a
        // stuffed zero or a restart marker inside it.
        for (;;) {
            const void* ff = std::memchr(p + at, 0xFF, std::size_t(n - at));
            if (!ff)
                return Shape::Broken; // the data stops at the end of the file
            qsizetype next = static_cast<const unsigned char*>(ff) - p + 1;
            while (next < n && p[next] == 0xFF)
                ++next;
            if (next >= n)
                return Shape::Broken;
            if (p[next] != 0x00 && (p[next] < 0xD0 || p[next] > 0xD7)) {
                at = next - 1;
                break;
            }
            at = next + 1;
        }
    }
}

JpegImage JpegImage::Decode(const QByteArray& bytes) {
    Decompressor decompressor;
    return JpegImage(decompressor.Decode(bytes));
}

JpegImage JpegImage::LoadFromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw VantelError(Texts::tr("ファイル %1 は開けません").arg(path));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw VantelError(Texts::tr("ファイル %1 は開けません").arg(path));
    return Decode(bytes);
}
