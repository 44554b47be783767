// The settings-file parser and writer. Input: a section, a key, a value and a
// second section and key, each ended by a backslash, then the bytes of an
// existing file. Whatever the file holds, writing the value and reading it
// back gives the value as it can be stored (code page 932, one line), and a
// different key keeps what it read before. Integers round trip too.
#include "FuzzCheck.h"
#include "core/Cp932.h"
#include "settings/ProfileText.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {
// The program's own names are plain words; a name with "[", "]", "=" or a line
// break could not be a name in this syntax at all.
bool usableName(const QString& name) {
    if (name.isEmpty() || name.trimmed() != name)
        return false;
    for (const QChar c : name)
        if (c == u'[' || c == u']' || c == u'=' || c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    return FromCp932(ToCp932(name)) == name;
}

QString stored(const QString& value) {
    QString flat = value;
    flat.replace(u'\r', u' ').replace(u'\n', u' ');
    return FromCp932(ToCp932(flat));
}

QString text(FuzzedDataProvider& input) {
    const std::string bytes = input.ConsumeRandomLengthString(200);
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const QString section = text(input);
    const QString key = text(input);
    const QString value = text(input);
    const QString otherSection = text(input);
    const QString otherKey = text(input);
    const int number = input.ConsumeIntegral<int>();
    const std::vector<uint8_t> rest = input.ConsumeRemainingBytes<uint8_t>();
    const QByteArray file(reinterpret_cast<const char*>(rest.data()), qsizetype(rest.size()));

    // Reading alone must cope with any file and any name.
    const std::optional<QString> before = ProfileValue(file, otherSection, otherKey);
    if (before)
        ParseProfileInteger(*before);
    if (!usableName(section) || !usableName(key))
        return 0;

    const QByteArray written = WithProfileValue(file, section, key, value);
    const std::optional<QString> readBack = ProfileValue(written, section, key);
    FUZZ_CHECK(readBack.has_value(), "written key not found");
    FUZZ_CHECK(*readBack == stored(value), *readBack + " != " + stored(value));

    // Writing the same again changes nothing more.
    FUZZ_CHECK(WithProfileValue(written, section, key, value) == written, section + "/" + key);

    const bool sameKey = otherSection.compare(section, Qt::CaseInsensitive) == 0 &&
                         otherKey.compare(key, Qt::CaseInsensitive) == 0;
    if (!sameKey && usableName(otherSection) && usableName(otherKey))
        FUZZ_CHECK(ProfileValue(written, otherSection, otherKey) == before,
                   otherSection + "/" + otherKey + " changed by writing " + section + "/" + key);

    // WriteInteger then ReadInteger.
    const QByteArray withNumber = WithProfileValue(file, section, key, QString::number(number));
    const std::optional<QString> numberText = ProfileValue(withNumber, section, key);
    FUZZ_CHECK(numberText && ParseProfileInteger(*numberText) == number, QString::number(number));
    return 0;
}
