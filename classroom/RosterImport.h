// Reading a class list from a file the teacher chose: one name a line, or a
// CSV with a column of names, in UTF-8 (with or without a byte-order mark) or
// code page 932 as Windows spreadsheets save it. Whatever is left out is said,
// line by line, so the teacher can mend the file.
#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

constexpr qsizetype kRosterMaxBytes = 1024 * 1024; // a class list is a few kilobytes
constexpr int kRosterMaxNames = 200;               // as the server keeps for a class
constexpr int kRosterNameMaxLength = 100;          // as the server allows

struct RosterImport {
    QStringList names;    // in the file's order, each once
    QStringList problems; // what was left out and why, for the teacher
};

RosterImport ReadRoster(const QByteArray& bytes);
// The name column's header of the class table's CSV export in the language
// chosen; the reader takes it as a name header too, so that file reads back.
QString ClassCsvNameHeader();

// The text of the file: UTF-8 when the bytes are valid UTF-8, otherwise code page 932.
QString DecodeRosterText(const QByteArray& bytes);
// The records of a CSV text (RFC 4180: quoted fields may hold commas, quotes
// and line breaks), each with the line it starts on, counted from 1.
struct CsvRecord {
    int line = 0;
    QStringList fields;
};
QList<CsvRecord> ParseCsv(const QString& text);
