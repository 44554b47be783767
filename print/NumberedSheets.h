// Different worksheets of one drill in one job: count sheets, each like the
// worksheet print (the name panel, the sheet with fresh headers, the notice)
// and numbered "No. 1" in the gap between the panel and the sheet, then their
// answer keys under the same numbers. No two sheets share their top headers,
// nor their left headers; the times table, whose sheet on screen keeps 2..9
// in order, gets its headers shuffled.
#pragma once

#include "drill/DrillKind.h"
#include "drill/SheetGenerator.h"
#include "print/PrintRunProgress.h"

#include <QList>
#include <QString>

class PrinterSetup;
class QWidget;
class RandomSource;
class TPrinter;
class TStringGrid;
class TVoskSGridPrinter;

constexpr int kMaxNumberedSheets = 40;

// count (1..40) header pairs, all top orders different and all left orders
// different. Throws VantelError when the random source keeps repeating itself.
QList<SheetHeaders> DrawDifferentHeaders(const DrillSheet& sheet, int count, RandomSource& random);

// "No. 3", or "No. 3　こたえ" on an answer key.
QString SheetNumberText(int number, bool answerKey);

// The job, through namePanelPrinter (on printer) and a hidden sheet grid with
// the sizes and font of layout, the drill's grid on screen. The headers are
// drawn while preparing; false, and nothing printed, when progress stops it
// there. Throws VantelError when the job cannot start.
bool PrintNumberedSheets(TPrinter& printer, TVoskSGridPrinter& namePanelPrinter, const TStringGrid& layout,
                         DrillKind drill, int count, RandomSource& random,
                         const PrintRunProgress& progress = {});

// The command: the printer setup first (Cancel prints too, as the worksheets
// do), then the job under a progress dialog whose キャンセル prints nothing.
bool PrintNumberedSheetsCommand(QWidget* parent, PrinterSetup& setup, TPrinter& printer,
                                TVoskSGridPrinter& namePanelPrinter, const TStringGrid& layout,
                                DrillKind drill, int count, RandomSource& random);
