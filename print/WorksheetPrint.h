// The worksheet print: the name panel and one drill sheet on one page, with a
// line under the sheet saying where the print comes from. What is printed is
// what the grids hold: a blank worksheet after a new problem, the answer key
// after FillAnswerKey.
#pragma once

#include <QString>
#include <functional>

class PrinterSetup;
class TPrinter;
class TStringGrid;
class TVoskSGridPrinter;

// The line under every worksheet, in the chosen language.
QString WorksheetNotice();
// The same line in Japanese, the language of the source.
extern const QString kWorksheetNotice;

// The grid printer of a drill sheet: below the name panel, boxes 4 pixels wide.
void SetUpSheetPrinter(TVoskSGridPrinter& printer, TStringGrid* sheet);
// The grid printer of the name panel, at the top of the page.
void SetUpNamePanelPrinter(TVoskSGridPrinter& printer, TStringGrid* namePanel);

// The notice, 8 mm tall, 20 mm from the left, right under what sheetPrinter
// has just printed.
void PrintNotice(TVoskSGridPrinter& sheetPrinter);

// Draws pages as one print job, which is ended whatever happened, so a
// failure cannot block the next print; the failure is then passed on.
void PrintJob(TPrinter& printer, const std::function<void()>& drawPages);

// One job: the name panel, the sheet, the notice. Throws VantelError when the
// job cannot start, and then nothing is printed.
void PrintWorksheet(TPrinter& printer, TVoskSGridPrinter& namePanelPrinter, TVoskSGridPrinter& sheetPrinter);

// The print command: the setup dialog first, then the worksheet whether the
// dialog was closed with OK or Cancel.
void PrintWorksheetCommand(PrinterSetup& setup, TPrinter& printer, TVoskSGridPrinter& namePanelPrinter,
                           TVoskSGridPrinter& sheetPrinter);
