#include "gridio/StrGrdIO.h"

#include "gridio/DelimitedText.h"
#include "gridio/HtmlTable.h"
#include "core/Cp932.h"
#include "core/VantelError.h"
#include "core/WholeFile.h"

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

void writeFile(const QString& fileName, const QByteArray& bytes) {
    if (!WriteWholeFile(fileName, bytes))
        throw VantelError(TStringGridIO::tr("ファイル %1 を作成できません").arg(fileName));
}
} // namespace

TStringGridIO::TStringGridIO(Spreadsheet& spreadsheet, QObject* owner)
    : QObject(owner), spreadsheet_(spreadsheet) {}

TStringGridIO::~TStringGridIO() = default;

void TStringGridIO::SaveToText(const QString& fileName, QChar delimiter, bool quoting) {
    if (!targetGrid_)
        return;
    writeFile(fileName, DelimitedText::SaveTable(gridRows(*targetGrid_), delimiter, quoting));
}

void TStringGridIO::SaveToHTML(const QString& fileName) {
    if (!targetGrid_)
        return;
    writeFile(fileName, DelimitedText::FileBytes(HtmlTable::PageLines(fileName, gridRows(*targetGrid_))));
}

void TStringGridIO::LoadFromText(const QString& fileName, QChar delimiter, bool quoting) {
    if (!targetGrid_)
        return;
    const std::optional<QByteArray> bytes = ReadWholeFile(fileName);
    if (!bytes)
        throw VantelError(tr("ファイル %1 は開けません").arg(fileName));
    TStringGrid& grid = *targetGrid_;
    const std::optional<DelimitedText::Table> table =
        DelimitedText::LoadTable(*bytes, delimiter, quoting, stretch_, grid.RowCount(), grid.ColCount());
    if (!table)
        throw VantelError(tr("ファイル %1 は大きすぎて読み込めません").arg(fileName));
    if (stretch_) {
        ClearCells();
        grid.SetRowCount(table->rows);
        grid.SetColCount(table->columns);
    }
    for (int r = 0; r < table->cells.size(); ++r)
        for (int k = 0; k < table->cells[r].size(); ++k)
            grid.SetCells(k, r, table->cells[r][k]);
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

