// Writes texts into an .xlsx workbook file (libxlsxwriter): the step of the
// spreadsheet transfer that makes the file Calc opens. Kept apart from the
// launching, so the file can be checked without starting a window.
#pragma once

#include <QList>
#include <QString>
#include <map>
#include <utility>

// Texts of one worksheet by (row, column), both counted from 1.
using SpreadsheetTexts = std::map<std::pair<int, int>, QString>;

// Limits of a worksheet, as the spreadsheet programs have them.
constexpr int kSpreadsheetMaxRows = 1048576;
constexpr int kSpreadsheetMaxCols = 16384;
constexpr int kSpreadsheetMaxTextLength = 32767;

// One worksheet per entry, named "Sheet1", "Sheet2", ...; every text is
// written as a string cell. Throws VantelError when the file cannot be
// written; no partial file stays behind.
void WriteXlsxWorkbook(const QString& path, const QList<SpreadsheetTexts>& sheets);
