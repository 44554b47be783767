#include "print/WorksheetPrint.h"
#include "core/Logging.h"

#include "platform/print/Printer.h"
#include "platform/print/PrinterSetup.h"
#include "print/VoskGridP.h"

#include <algorithm>
#include <QCoreApplication>

namespace {
//: Printed under every worksheet.
const char* const kNoticeSource =
    QT_TRANSLATE_NOOP("WorksheetPrint", "このプリントは Vantel で作成しました。");
constexpr int kSheetTopMm = 50; // leaves the name panel room above the sheet
constexpr int kBoxPenWidth = 4;
constexpr int kNoticeHeightMm = 8;
constexpr int kNoticeLeftMm = 20;
} // namespace

const QString kWorksheetNotice = QString::fromUtf8(kNoticeSource);

QString WorksheetNotice() { return QCoreApplication::translate("WorksheetPrint", kNoticeSource); }

void SetUpSheetPrinter(TVoskSGridPrinter& printer, TStringGrid* sheet) {
    printer.SetTargetGrid(sheet);
    printer.SetTopMargin(kSheetTopMm);
    printer.SetNormalGridWidth(kBoxPenWidth);
}

void SetUpNamePanelPrinter(TVoskSGridPrinter& printer, TStringGrid* namePanel) {
    printer.SetTargetGrid(namePanel);
    printer.SetNormalGridWidth(kBoxPenWidth);
}

void PrintNotice(TVoskSGridPrinter& sheetPrinter) {
    PrinterCanvas* canvas = sheetPrinter.Canvas();
    if (!canvas)
        return; // the sheet was never printed: there is nothing to write under
    // The font is still the sheet's; only its size changes, smaller for a
    // language whose words would run past the page's right edge.
    const QString notice = WorksheetNotice();
    const int left = sheetPrinter.MmToPixelX(kNoticeLeftMm);
    const int room = sheetPrinter.PageWidthPixels() - left;
    int size = sheetPrinter.MmToFontSize(kNoticeHeightMm);
    if (size > 0) {
        canvas->SetFontSize(size);
        const int width = canvas->TextWidth(notice);
        if (width > room && room > 0) {
            size = std::max(1, size * room / width);
            canvas->SetFontSize(size);
        }
    }
    canvas->TextOut(left, sheetPrinter.LastY(), notice);
}

void PrintJob(TPrinter& printer, const std::function<void()>& drawPages) {
    printer.BeginDoc();
    try {
        drawPages();
    } catch (...) {
        try {
            printer.EndDoc();
        } catch (...) {
            LogCurrentFailure(lcPrint(), "Ending the failed print job");
        }
        throw;
    }
    printer.EndDoc();
}

void PrintWorksheet(TPrinter& printer, TVoskSGridPrinter& namePanelPrinter, TVoskSGridPrinter& sheetPrinter) {
    PrintJob(printer, [&] {
        namePanelPrinter.Print();
        sheetPrinter.Print();
        PrintNotice(sheetPrinter);
    });
}

void PrintWorksheetCommand(PrinterSetup& setup, TPrinter& printer, TVoskSGridPrinter& namePanelPrinter,
                           TVoskSGridPrinter& sheetPrinter) {
    setup.ShowPrinterSetup(); // Cancel prints too, with the settings in force
    PrintWorksheet(printer, namePanelPrinter, sheetPrinter);
}
