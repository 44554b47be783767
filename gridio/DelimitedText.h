// The delimited text format of the grid exchange: which values count as
// numbers, how a value is quoted, how a file is cut into records and a record
// into cells. Pure text functions, so the rules can be tried without a grid.
//
// With quoting on, a quote inside a value is written doubled, and a quoted
// value may hold the delimiter and line breaks; the reader undoes both, so any
// cell survives a save and a load. A value that is not well quoted is read by
// the plain rules, which keeps older files reading as before.
#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <limits>
#include <optional>

namespace DelimitedText {

// A stretched load larger than this is refused.
constexpr qint64 kMaxStretchedCells = 1'000'000;

// Optional leading spaces, an optional sign, then at least one character of
// digits, an optional point with digits, an optional exponent with at least
// one digit. "." and "e5" count; "", " ", "+", "1e", "3 " and full-width digits do not.
bool IsNumeric(const QString& value);

// The value as it is written: bare when quoting is off or the value is a
// number, otherwise between double quotes with inner quotes doubled.
QString QuotedForm(const QString& value, QChar delimiter, bool quoting);

// One line of the file: the quoted forms joined by the delimiter.
QString JoinLine(const QStringList& values, QChar delimiter, bool quoting);

// The bytes of a text file: code page 932, every line followed by CR LF.
QByteArray FileBytes(const QStringList& lines);

// The records of a file's text. A record ends at CR LF, a lone CR or a lone LF;
// a last record without a line end counts; an empty text has none. With
// quoting on, a line break inside a well-quoted value belongs to the value.
// Records past `maxRecords` are not cut out at all.
QStringList SplitRecords(const QString& text, QChar delimiter, bool quoting,
                         qsizetype maxRecords = std::numeric_limits<qsizetype>::max());

// The delimiters of a record that separate values (with quoting on, those
// inside a well-quoted value do not count).
int DelimiterCount(const QString& record, QChar delimiter, bool quoting);

// Exactly `columns` values of a record. Each of the first columns − 1 takes the
// text up to the next delimiter, or is empty when none is left; the last one
// takes whatever remains, delimiters included. With quoting on each value is
// unquoted.
QStringList SplitRecord(const QString& record, QChar delimiter, int columns, bool quoting);

// A value of at least two characters between double quotes loses them, and
// when the inner quotes are all doubled they become single again. Anything
// else is kept as it stands.
QString Unquote(const QString& value);

// The bytes of a whole file: one line per row.
QByteArray SaveTable(const QList<QStringList>& rows, QChar delimiter, bool quoting);

// What a load puts into a grid. Rows past the end of the file are left alone.
struct Table {
    int rows = 0;
    int columns = 0;
    QList<QStringList> cells; // from row 0, each exactly `columns` values
};

// A file read into a grid of `rows` by `columns`, or, when `stretch` is set,
// into a grid sized to the file (at least one row). A stretched table larger
// than `maxCells` gives nothing: no grid could show it.
std::optional<Table> LoadTable(const QByteArray& bytes, QChar delimiter, bool quoting, bool stretch, int rows,
                               int columns, qint64 maxCells = kMaxStretchedCells);

} // namespace DelimitedText
