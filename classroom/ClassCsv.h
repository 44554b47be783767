// The class table as a CSV file for a spreadsheet, written as the child's
// export is (UTF-8 with a byte-order mark, a header row, RFC 4180 quoting,
// CR LF, names that look like formulas made text): times in seconds and
// counts as plain numbers so the spreadsheet can sort and add them.
#pragma once

#include "classroom/ClassTableModel.h"

#include <QByteArray>

// Its name column's header is ClassCsvNameHeader() (classroom/RosterImport.h).
QByteArray ClassTableCsv(const QList<ClassChild>& rows, const QList<ClassChild>& unlisted);
