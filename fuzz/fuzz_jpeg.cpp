// The JPEG decoder of the About box picture. Any bytes either decode to a
// picture of the size the header gives or raise the decoder's error; and the
// quick look at the markers never calls Broken what decodes.
#include "FuzzCheck.h"
#include "core/JpegImage.h"
#include "core/VantelError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const JpegImage::Shape shape = JpegImage::ShapeOf(bytes);
    try {
        const JpegImage image = JpegImage::Decode(bytes);
        FUZZ_CHECK(!image.Empty() && image.Width() > 0 && image.Height() > 0,
                   "empty picture without an error");
        FUZZ_CHECK(image.Image().format() == QImage::Format_RGBX8888, "format");
        FUZZ_CHECK(shape != JpegImage::Shape::Broken, "a picture that decodes looks broken");
    } catch (const VantelError& error) {
        FUZZ_CHECK(error.Message().startsWith(QStringLiteral("JPEG エラー #")), error.Message());
    }
    return 0;
}
