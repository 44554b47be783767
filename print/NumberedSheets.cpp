#include "print/NumberedSheets.h"

#include "core/VantelError.h"
#include "drill/ExpectedAnswer.h"
#include "platform/print/Printer.h"
#include "platform/print/PrinterSetup.h"
#include "print/HiddenGridCopy.h"
#include "print/PrintProgressDialog.h"
#include "print/VoskGridP.h"
#include "print/WorksheetPrint.h"
#include "widgets/TStringGrid.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(NumberedSheets)
};

constexpr int kSheetTopMm = 50; // as SetUpSheetPrinter places the sheet
constexpr int kNumberHeightMm = 9;
// Past this many draws for one sheet the random source is not random.
constexpr int kMaxDrawsPerSheet = 1000;

QList<int> shuffled(QList<int> values, RandomSource& random) {
    for (qsizetype i = values.size() - 1; i > 0; --i)
        values.swapItemsAt(i, random.Next(int(i + 1)));
    return values;
}

SheetHeaders drawHeaders(const DrillSheet& sheet, RandomSource& random) {
    SheetHeaders headers = DrawHeaders(sheet, random);
    if (!sheet.randomHeaders) {
        headers.top = shuffled(headers.top, random);
        headers.left = shuffled(headers.left, random);
    }
    return headers;
}

void fillSheet(TStringGrid& grid, const DrillSheet& sheet, const SheetHeaders& headers, bool answerKey) {
    EmptyCells(grid);
    grid.SetCells(0, 0, sheet.GeneratedCorner());
    for (int i = 1; i <= sheet.size; ++i) {
        grid.SetCells(i, 0, QString::number(headers.top[i - 1]));
        grid.SetCells(0, i, QString::number(headers.left[i - 1]));
    }
    if (answerKey)
        FillAnswerKey(grid, sheet);
}

// Appends sheets until there are count; false when step (told after each
// sheet) says to stop.
bool drawDifferent(const DrillSheet& sheet, int count, RandomSource& random, const PrintRunProgress& step,
                   QList<SheetHeaders>& all) {
    while (all.size() < count) {
        for (int draw = 0;; ++draw) {
            if (draw == kMaxDrawsPerSheet)
                throw VantelError(Texts::tr("ちがう問題を %1 枚作れませんでした。").arg(count));
            const SheetHeaders headers = drawHeaders(sheet, random);
            const bool repeats = std::any_of(all.cbegin(), all.cend(), [&](const SheetHeaders& other) {
                return other.top == headers.top || other.left == headers.left;
            });
            if (!repeats) {
                all << headers;
                break;
            }
        }
        if (!step.Prepared(int(all.size()), count))
            return false;
    }
    return true;
}

// In the gap between the name panel and the sheet, at the sheet's left edge,
// so it covers neither.
void printNumber(TPrinter& printer, TVoskSGridPrinter& namePanelPrinter, TVoskSGridPrinter& sheetPrinter,
                 const QString& text) {
    PrinterCanvas* canvas = sheetPrinter.Canvas();
    if (!canvas)
        return;
    const int size = sheetPrinter.MmToFontSize(kNumberHeightMm);
    if (size > 0)
        canvas->SetFontSize(size);
    const int sheetTop = int(kSheetTopMm * printer.DpiY() / 25.4);
    const int panelBottom = namePanelPrinter.TargetGrid() ? namePanelPrinter.LastY() : 0;
    const int top = std::max(panelBottom, (panelBottom + sheetTop - canvas->TextHeight(text)) / 2);
    canvas->TextOut(sheetPrinter.MmToPixelX(sheetPrinter.LeftMargin()), top, text);
}
} // namespace

QList<SheetHeaders> DrawDifferentHeaders(const DrillSheet& sheet, int count, RandomSource& random) {
    QList<SheetHeaders> all;
    drawDifferent(sheet, std::clamp(count, 1, kMaxNumberedSheets), random, {}, all);
    return all;
}

QString SheetNumberText(int number, bool answerKey) {
    if (answerKey) {
        //: Printed above the answer key of a numbered sheet; こたえ means "answers".
        return Texts::tr("No. %1　こたえ").arg(number);
    }
    //: Printed above each numbered sheet.
    return Texts::tr("No. %1").arg(number);
}

bool PrintNumberedSheets(TPrinter& printer, TVoskSGridPrinter& namePanelPrinter, const TStringGrid& layout,
                         DrillKind drill, int count, RandomSource& random, const PrintRunProgress& progress) {
    const DrillSheet& sheet = SheetOf(drill);
    count = std::clamp(count, 1, kMaxNumberedSheets);
    QList<SheetHeaders> headers;
    if (!drawDifferent(sheet, count, random, progress, headers))
        return false;

    const std::unique_ptr<TStringGrid> grid = HiddenGridCopy(layout);
    TVoskSGridPrinter sheetPrinter(printer);
    SetUpSheetPrinter(sheetPrinter, grid.get());
    const int pages = 2 * count;
    PrintJob(printer, [&] {
        for (int page = 0; page < pages; ++page) {
            const bool answerKey = page >= count;
            const int number = page % count + 1;
            if (page > 0)
                printer.NewPage();
            fillSheet(*grid, sheet, headers[number - 1], answerKey);
            namePanelPrinter.Print();
            sheetPrinter.Print();
            PrintNotice(sheetPrinter);
            printNumber(printer, namePanelPrinter, sheetPrinter, SheetNumberText(number, answerKey));
            progress.Printed(page + 1, pages);
        }
    });
    return true;
}

bool PrintNumberedSheetsCommand(QWidget* parent, PrinterSetup& setup, TPrinter& printer,
                                TVoskSGridPrinter& namePanelPrinter, const TStringGrid& layout,
                                DrillKind drill, int count, RandomSource& random) {
    setup.ShowPrinterSetup();
    PrintProgressDialog dialog(parent);
    return PrintNumberedSheets(printer, namePanelPrinter, layout, drill, count, random, dialog.Progress());
}
