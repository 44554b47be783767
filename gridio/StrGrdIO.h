// TStringGridIO: moves the text of one string grid to and from files and the
// spreadsheet application. It writes the grid as delimited text or as an HTML
// table page, reads delimited text back, copies the grid into a new workbook
// and empties the grid. Every cell counts, fixed ones too.
//
// While no grid is set every operation returns at once. Failures throw
// VantelError with the text for the user; a load reads the whole file before
// it touches a cell, and a save replaces the file whole or not at all.
#pragma once

#include "platform/spreadsheet/Spreadsheet.h"
#include "widgets/TStringGrid.h"

#include <QChar>
#include <QObject>
#include <QPointer>
#include <memory>

class TStringGridIO : public QObject {
    Q_OBJECT
public:
    // The spreadsheet is the one TransferToExcel drives (not owned).
    explicit TStringGridIO(Spreadsheet& spreadsheet, QObject* owner = nullptr);
    ~TStringGridIO() override;

    // Not owned. Forgotten by itself when the grid is destroyed.
    TStringGrid* TargetGrid() const { return targetGrid_; }
    void SetTargetGrid(TStringGrid* grid) { targetGrid_ = grid; }
    // When on, a load empties the grid and sizes it to the file first.
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch) { stretch_ = stretch; }

    // The delimiter is TAB or "," in practice. With quoting on, values that
    // are not numbers are written between double quotes, and read back so.
    void SaveToText(const QString& fileName, QChar delimiter, bool quoting);
    // The title of the page is the file name as given.
    void SaveToHTML(const QString& fileName);
    void LoadFromText(const QString& fileName, QChar delimiter, bool quoting);
    // Cell (col, row) goes to row row + 1, column col + 1 of the first
    // worksheet of a new workbook in a visible application.
    void TransferToExcel();
    // Every cell empty; the size stays.
    void ClearCells();

private:
    Spreadsheet& spreadsheet_;
    QPointer<TStringGrid> targetGrid_;
    bool stretch_ = false;
};
