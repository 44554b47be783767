#include "gridio/StrGrdIO.h"

#include "gridio/DelimitedText.h"
#include "gridio/HtmlTable.h"
#include "core/Cp932.h"
#include "core/VantelError.h"
#include "core/WholeFile.h"

#include <algorithm>
#include <climits>

namespace {
QList<QStringList> gridRows(const TStringGrid& grid) {
    QList<QStringList> rows;
    for (int r = 0; r < grid.RowCount(); ++r) {
        QStringList row;
        for (int k = 0; k < grid.ColCount(); ++k)
            row.append(grid.Cells(k, r));
        rows.append(row);
    }
    return rows;
}

void writeFile(const QString& fileName, const QStringList& lines) {
    if (!WriteWholeFile(fileName, DelimitedText::FileBytes(lines)))
        throw VantelError(QStringLiteral("ファイル %1 を作成できません").arg(fileName));
}
} // namespace

TStringGridIO::TStringGridIO(Spreadsheet& spreadsheet, QObject* owner)
    : QObject(owner), spreadsheet_(spreadsheet) {}

TStringGridIO::~TStringGridIO() = default;

void TStringGridIO::SaveToText(const QString& fileName, QChar delimiter, bool quoting) {
    if (!targetGrid_)
        return;
    QStringList lines;
    for (const QStringList& row : gridRows(*targetGrid_))
        lines.append(DelimitedText::JoinLine(row, delimiter, quoting));
    writeFile(fileName, lines);
}

void TStringGridIO::SaveToHTML(const QString& fileName) {
    if (!targetGrid_)
        return;
    writeFile(fileName, HtmlTable::PageLines(fileName, gridRows(*targetGrid_)));
}

void TStringGridIO::LoadFromText(const QString& fileName, QChar delimiter, bool quoting) {
    if (!targetGrid_)
        return;
    const std::optional<QByteArray> bytes = ReadWholeFile(fileName);
    if (!bytes)
        throw VantelError(QStringLiteral("ファイル %1 は開けません").arg(fileName));
    const QStringList records = DelimitedText::SplitRecords(FromCp932(*bytes), delimiter, quoting);

    TStringGrid& grid = *targetGrid_;
    if (stretch_) {
        ClearCells();
        grid.SetRowCount(int(std::clamp<qsizetype>(records.size(), 1, INT_MAX)));
        int delimiters = 0;
        for (const QString& record : records)
            delimiters = std::max(delimiters, DelimitedText::DelimiterCount(record, delimiter, quoting));
        grid.SetColCount(delimiters + 1);
    }
    const int rows = int(std::min<qsizetype>(grid.RowCount(), records.size()));
    for (int r = 0; r < rows; ++r) {
        const QStringList values =
            DelimitedText::SplitRecord(records[r], delimiter, grid.ColCount(), quoting);
        for (int k = 0; k < values.size(); ++k)
            grid.SetCells(k, r, values[k]);
    }
}

void TStringGridIO::TransferToExcel() {
    if (!targetGrid_)
        return;
    const TStringGrid& grid = *targetGrid_;
    const std::unique_ptr<SpreadsheetApplication> application = spreadsheet_.Application();
    application->SetVisible(true);
    application->SetScreenUpdating(false);
    try {
        SpreadsheetWorkbook& workbook = application->AddWorkbook();
        workbook.WorkSheets(1).Activate();
        for (int r = 0; r < grid.RowCount(); ++r)
            for (int k = 0; k < grid.ColCount(); ++k) {
                const QString text = grid.Cells(k, r);
                workbook.ActiveSheet().Cells(r + 1, k + 1).SetValue(text);
            }
    } catch (...) {
        // The spreadsheet must not be left frozen; the cells sent so far stay.
        application->SetScreenUpdating(true);
        throw;
    }
    application->SetScreenUpdating(true);
}

void TStringGridIO::ClearCells() {
    if (!targetGrid_)
        return;
    for (int r = 0; r < targetGrid_->RowCount(); ++r)
        for (int k = 0; k < targetGrid_->ColCount(); ++k)
            targetGrid_->SetCells(k, r, QString());
}

