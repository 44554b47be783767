#include "core/Cp932.h"

#include <cerrno>
#include <iconv.h>

namespace {
// One conversion through iconv. On a byte sequence it cannot convert it
// writes `replacement` and skips `skip` input bytes (one byte, or the
// character's bytes when encoding).
QByteArray convert(const char* to, const char* from, const QByteArray& input, const QByteArray& replacement,
                   int unitSize) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return {};
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
    iconv_close(cd);
    return output;
}
} // namespace

QString FromCp932(const QByteArray& bytes) {
    return QString::fromUtf8(convert("UTF-8", "CP932", bytes, QByteArray("\xEF\xBF\xBD"), 1));
}

QByteArray ToCp932(const QString& text) {
    return convert("CP932", "UTF-8", text.toUtf8(), QByteArray("?"), 4);
}
