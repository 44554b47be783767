// The spreadsheet application as the grid exchange drives it: the handful of
// automation members one transfer uses, modelled as objects so the order of
// the calls stays visible (and checkable with a fake). Every member may throw
// VantelError with a text for the user.
#pragma once

#include <QString>
#include <memory>

class SpreadsheetCell {
public:
    virtual ~SpreadsheetCell() = default;
    // "Value": the cell shows the text as text, numbers included.
    virtual void SetValue(const QString& text) = 0;
};

class SpreadsheetWorksheet {
public:
    virtual ~SpreadsheetWorksheet() = default;
    virtual void Activate() = 0;
    // Row and column counted from 1. The reference lasts until the next call.
    virtual SpreadsheetCell& Cells(int row, int col) = 0;
};

class SpreadsheetWorkbook {
public:
    virtual ~SpreadsheetWorkbook() = default;
    // Index counted from 1.
    virtual SpreadsheetWorksheet& WorkSheets(int index) = 0;
    virtual SpreadsheetWorksheet& ActiveSheet() = 0;
};

// The running application. Workbooks belong to it; dropping it releases the
// references, while the application itself keeps running for the user.
class SpreadsheetApplication {
public:
    virtual ~SpreadsheetApplication() = default;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetScreenUpdating(bool on) = 0;
    // "WorkBooks" then "Add": a new workbook with at least one worksheet.
    virtual SpreadsheetWorkbook& AddWorkbook() = 0;
};

class Spreadsheet {
public:
    virtual ~Spreadsheet() = default;
    // Reaches the application, starting it when needed; throws when it is not
    // installed or cannot be started.
    virtual std::unique_ptr<SpreadsheetApplication> Application() = 0;
};
