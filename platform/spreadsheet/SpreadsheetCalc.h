// The spreadsheet application on this desktop: LibreOffice Calc. Calc has no
// automation we can drive cell by cell from here, so the application object
// collects the cells in memory and, when the transfer switches screen updating
// back on (or at the latest when it is released), writes each new workbook to
// a file and has Calc open it as a new untitled document.
//
// The files go to a private per-user folder (under $XDG_RUNTIME_DIR). Calc
// reads a file some seconds after it is started, long after the transfer has
// returned, so a file cannot be removed at once; instead each transfer removes
// the files an earlier one left that are more than an hour old.
#pragma once

#include "platform/spreadsheet/Spreadsheet.h"

#include <functional>

// Starts Calc on a workbook file; throws VantelError when it cannot.
using CalcLauncher = std::function<void(const QString& program, const QString& workbookPath)>;

// soffice (or libreoffice) on the PATH; empty when Calc is not installed.
QString FindCalcProgram();

// Runs `program --calc -n FILE` detached: a visible Calc window with a new
// untitled workbook made from the file.
void StartCalcDetached(const QString& program, const QString& workbookPath);

// The folder the workbook files go to.
QString DefaultTransferFolder();

class CalcSpreadsheet : public Spreadsheet {
public:
    // An empty program means FindCalcProgram(), looked up at each transfer.
    explicit CalcSpreadsheet(CalcLauncher launcher = StartCalcDetached, QString program = {},
                             QString transferFolder = {});
    std::unique_ptr<SpreadsheetApplication> Application() override;

private:
    CalcLauncher launcher_;
    QString program_;
    QString transferFolder_;
};
