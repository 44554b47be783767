// The code page 932 decoder and encoder. The input is decoded as a file's
// bytes and also taken as UTF-8 text to encode. Whatever decodes without a
// replacement character encodes and decodes back to itself; text is one
// character per byte at most; encoding is idempotent after one round.
#include "FuzzCheck.h"
#include "core/Cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const QString decoded = FromCp932(bytes);
    FUZZ_CHECK(decoded.size() <= bytes.size(), decoded);
    FUZZ_CHECK(decoded.isEmpty() == bytes.isEmpty(), QString::number(bytes.size()));
    if (!decoded.contains(QChar::ReplacementCharacter))
        FUZZ_CHECK(FromCp932(ToCp932(decoded)) == decoded, decoded);
    // A lead byte at the very end of whole characters has nothing to finish.
    const QString withDanglingLead = FromCp932(ToCp932(decoded) + "\x82");
    FUZZ_CHECK(withDanglingLead.size() == decoded.size() + 1 &&
                   withDanglingLead.endsWith(QChar::ReplacementCharacter),
               withDanglingLead);

    const QString text = QString::fromUtf8(bytes);
    const QByteArray encoded = ToCp932(text);
    FUZZ_CHECK(encoded.isEmpty() == text.isEmpty(), text);
    const QString once = FromCp932(encoded);
    FUZZ_CHECK(ToCp932(once) == encoded, text);
    // Plain ASCII, backslash and tilde included, passes unchanged.
    bool ascii = true;
    for (const QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        FUZZ_CHECK(encoded == text.toLatin1() && once == text, text);
    return 0;
}
