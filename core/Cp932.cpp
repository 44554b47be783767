#include "core/Cp932.h"

#include <cerrno>
#include <iconv.h>

namespace {
// Opening a converter costs more than converting a line of text, and files
// are decoded line by line: each thread keeps its two open.
struct Converters {
    iconv_t decoder = iconv_open("UTF-8", "CP932");
    iconv_t encoder = iconv_open("CP932", "UTF-8");
    Converters() = default;
    Converters(const Converters&) = delete;
    Converters& operator=(const Converters&) = delete;
    ~Converters() {
        for (iconv_t cd : {decoder, encoder})
            if (cd != reinterpret_cast<iconv_t>(-1))
                iconv_close(cd);
    }
};

Converters& converters() {
    thread_local Converters perThread;
    return perThread;
}

// One conversion through iconv. On a byte sequence it cannot convert it
// writes `replacement` and skips `skip` input bytes (one byte, or the
// character's bytes when encoding).
QByteArray convert(iconv_t cd, const QByteArray& input, const QByteArray& replacement, int unitSize) {
    if (cd == reinterpret_cast<iconv_t>(-1))
        return {};
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    QByteArray output;
    char buffer[4096];
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = size_t(input.size());
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(buffer, out - buffer);
        if (result != size_t(-1) || errno == E2BIG)
            continue;
        // EILSEQ: an invalid sequence; EINVAL: a sequence cut off at the end.
        output.append(replacement);
        size_t skip = size_t(unitSize);
        if (unitSize > 1) { // a UTF-8 character: skip its lead byte and continuation bytes
            skip = 1;
            while (skip < inLeft && (static_cast<unsigned char>(in[skip]) & 0xC0) == 0x80)
                ++skip;
        }
        skip = qMin(skip, inLeft);
        in += skip;
        inLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return output;
}
} // namespace

QString FromCp932(const QByteArray& bytes) {
    return QString::fromUtf8(convert(converters().decoder, bytes, QByteArray("\xEF\xBF\xBD"), 1));
}

QByteArray ToCp932(const QString& text) {
    return convert(converters().encoder, text.toUtf8(), QByteArray("?"), 4);
}
