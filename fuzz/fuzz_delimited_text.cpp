// The delimited-text reader and writer, with each delimiter and quoting mode.
// Input: one byte of settings, then the bytes of a file. The file is loaded
// as the name panel loads it and as a stretching load does; the stretched
// cells are saved and loaded again and must come back the same.
#include "FuzzCheck.h"
#include "gridio/DelimitedText.h"
#include "core/Cp932.h"

#include <QList>
#include <QStringList>

namespace {
QString describe(const QList<QStringList>& rows) {
    QStringList lines;
    for (const QStringList& row : rows)
        lines.append(row.join(u'|'));
    return lines.join(u'/');
}

bool representable(const QList<QStringList>& rows, QChar delimiter, bool quoting) {
    for (const QStringList& row : rows)
        for (const QString& cell : row) {
            if (FromCp932(ToCp932(cell)) != cell)
                return false;
            // Unquoted, a delimiter or a line break in a cell has no way to survive.
            if (!quoting && (cell.contains(delimiter) || cell.contains(u'\r') || cell.contains(u'\n')))
                return false;
        }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    static const QChar delimiters[] = {u'\t', u',', u';', u' '};
    const QChar delimiter = delimiters[data[0] & 3];
    const bool quoting = data[0] & 4;
    const int columns = 1 + (data[0] >> 3) % 8; // the name panel has 6
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    // Into a grid of fixed size, as the program loads "data.txt".
    const auto fixed = DelimitedText::LoadTable(bytes, delimiter, quoting, false, 2, columns);
    FUZZ_CHECK(fixed && fixed->cells.size() <= 2, "fixed load");
    for (const QStringList& row : fixed->cells)
        FUZZ_CHECK(row.size() == columns, describe(fixed->cells));

    // Stretched to the file, then saved and loaded back.
    const auto stretched = DelimitedText::LoadTable(bytes, delimiter, quoting, true, 0, 0);
    if (!stretched)
        return 0;
    FUZZ_CHECK(stretched->rows >= 1 && stretched->columns >= 1, "empty stretched table");
    FUZZ_CHECK(stretched->cells.size() <= stretched->rows, describe(stretched->cells));
    for (const QStringList& row : stretched->cells)
        FUZZ_CHECK(row.size() == stretched->columns, describe(stretched->cells));
    if (stretched->cells.size() != stretched->rows || !representable(stretched->cells, delimiter, quoting))
        return 0;

    const QByteArray saved = DelimitedText::SaveTable(stretched->cells, delimiter, quoting);
    const auto loaded = DelimitedText::LoadTable(saved, delimiter, quoting, true, 0, 0);
    FUZZ_CHECK(loaded, "saved table refused");
    FUZZ_CHECK(loaded->rows == stretched->rows && loaded->columns == stretched->columns,
               QString("%1x%2 came back %3x%4")
                   .arg(stretched->rows)
                   .arg(stretched->columns)
                   .arg(loaded->rows)
                   .arg(loaded->columns));
    FUZZ_CHECK(loaded->cells == stretched->cells,
               describe(stretched->cells) + " came back " + describe(loaded->cells));
    return 0;
}
