// The attempts of the progress window as a CSV file for a spreadsheet: UTF-8
// with a byte-order mark (so spreadsheets read the Japanese right), quoted
// as RFC 4180 says, a header row, lines ending in CR LF.
#pragma once

#include "progress/Attempt.h"

#include <QByteArray>

QByteArray AttemptsCsv(const QList<Attempt>& attempts);
// One field, quoted when it holds a comma, a quote or a line break, and
// after a single quote when it starts as a formula would (= + - @, tab, CR).
QString CsvField(const QString& text);
