// Reading a class list from a file a teacher chose: any bytes give a list
// the server would take (at most 200 names, each once, trimmed, 1 to 100
// characters, no control characters), and the CSV reader keeps every field's
// text: fields written back with quotes read the same.
#include "FuzzCheck.h"
#include "classroom/RosterImport.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const RosterImport read = ReadRoster(bytes);
    FUZZ_CHECK(read.names.size() <= kRosterMaxNames, QString::number(read.names.size()));
    QSet<QString> seen;
    for (const QString& name : read.names) {
        FUZZ_CHECK(!name.isEmpty() && name.size() <= kRosterNameMaxLength, name);
        FUZZ_CHECK(name == name.trimmed(), name);
        for (const QChar c : name)
            FUZZ_CHECK(c.unicode() >= 0x20 && c.unicode() != 0x7f, name);
        FUZZ_CHECK(!seen.contains(name), name);
        seen.insert(name);
    }

    // The records, quoted again, parse back to the same fields.
    const QList<CsvRecord> records = ParseCsv(DecodeRosterText(bytes));
    QStringList lines;
    for (const CsvRecord& record : records) {
        QStringList quoted;
        for (QString field : record.fields)
            quoted << u'"' + field.replace(u'"', QStringLiteral("\"\"")) + u'"';
        lines << quoted.join(u',');
    }
    const QList<CsvRecord> again = ParseCsv(lines.join(QStringLiteral("\r\n")));
    QList<QStringList> before;
    QList<QStringList> after;
    for (const CsvRecord& record : records)
        before << record.fields;
    for (const CsvRecord& record : again)
        after << record.fields;
    // An all-empty record may be read as a blank line; compare what holds text.
    const auto nonBlank = [](QList<QStringList> rows) {
        rows.removeIf([](const QStringList& row) { return row.join(QString()).isEmpty(); });
        return rows;
    };
    FUZZ_CHECK(nonBlank(before) == nonBlank(after), lines.join(u'/'));
    return 0;
}
