// Code page 932 (Shift-JIS as Windows writes it), the encoding of every text
// file the program reads and writes. Backslash and tilde keep their ASCII
// meaning. Bytes that are not valid code page 932 read as U+FFFD; characters
// the code page lacks are written as "?".
#pragma once

#include <QByteArray>
#include <QString>

QString FromCp932(const QByteArray& bytes);
QByteArray ToCp932(const QString& text);
