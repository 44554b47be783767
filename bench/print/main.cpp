// Times writing one worksheet (name panel, addition sheet with its answers,
// notice) to a PDF file, against a bare QPrinter page with one line of text
// measured in the same run, and prints the ratio of the medians. The machines
// are shared, so only the ratio means anything.
//
// Then the print runs: the weak-fact worksheets of 30 children in one job
// against one child's weak-fact worksheet, per page (budget 1.2x, exit
// status 1 when missed), and 40 numbered sheets with their keys per page.
#include "platform/print/PrinterQt.h"
#include "platform/print/PrinterSetup.h"
#include "print/NamePanelPrint.h"
#include "print/NumberedSheets.h"
#include "print/VoskGridP.h"
#include "print/WorksheetPrint.h"
#include "progress/WeakFactRun.h"
#include "progress/WeakFactSheet.h"
#include "widgets/Fonts.h"

#include "tests/support/ScriptedRandom.h"

#include "tests/support/Measure.h"
#include "tests/support/WorksheetGrids.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    QTemporaryDir folder;

    int baselineCount = 0;
    const auto baseline = [&] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setResolution(600);
        printer.setOutputFileName(folder.filePath(QStringLiteral("baseline-%1.pdf").arg(++baselineCount)));
        QPainter painter(&printer);
        QFont font(kGothicFace);
        font.setPointSize(21);
        painter.setFont(font);
        painter.drawText(QPoint(472, 3862), kWorksheetNotice);
    };

    QtPrinter printer;
    PrinterChoice choice;
    choice.pdfBase = folder.filePath(QStringLiteral("worksheet.pdf"));
    printer.SetChoice(choice);
    auto names = MakeNamePanel();
    auto sheet = MakeAdditionSheet();
    FillAnswerKey(*sheet, SheetOf(DrillKind::Addition));
    TVoskSGridPrinter namePrinter(printer);
    TVoskSGridPrinter sheetPrinter(printer);
    SetUpNamePanelPrinter(namePrinter, names.get());
    SetUpSheetPrinter(sheetPrinter, sheet.get());
    const auto worksheet = [&] { PrintWorksheet(printer, namePrinter, sheetPrinter); };

    // One of each first, so that fonts are loaded before anything is timed.
    baseline();
    worksheet();
    const double bare = MedianMs(repetitions, baseline);
    const double full = MedianMs(repetitions, worksheet);
    std::printf("bare one-line PDF page:  %8.2f ms (median of %d)\n", bare, repetitions);
    std::printf("worksheet PDF:           %8.2f ms (median of %d)\n", full, repetitions);
    std::printf("ratio worksheet / bare:  %8.2f\n", full / bare);

    // Print runs, through the name panel as the progress window and the class view print it.
    names->SetCells(0, 0, QStringLiteral("なまえ"));
    GridNamePanelPrint panel(namePrinter);
    ScriptedRandom random;
    QList<Fact> allFacts;
    for (int top : TopValues(DrillKind::Addition))
        for (int left : LeftValues(DrillKind::Addition))
            allFacts << Fact{top, left};
    constexpr int kChildren = 30;
    QList<ChildWorksheet> sheets;
    for (int child = 0; child < kChildren; ++child) {
        QList<Fact> facts;
        for (int i = 0; i < kWeakSheetDefaultCount; ++i)
            facts << allFacts[random.Next(int(allFacts.size()))];
        sheets << ChildWorksheet{QStringLiteral("児童%1").arg(child + 1), DrillKind::Addition, facts};
    }
    const auto oneChild = [&] {
        PrintWeakFactSheet(printer, panel, DrillKind::Addition, sheets.first().facts, sheets.first().child);
    };
    // With its progress dialog, as the class view prints it; the setup dialog answers at once.
    struct NoSetup : PrinterSetup {
        bool ShowPrinterSetup() override { return true; }
    } setup;
    const auto wholeClass = [&] { PrintWeakFactRun(nullptr, setup, printer, panel, sheets); };
    auto kuku = MakeAdditionSheet();
    kuku->SetColCount(9);
    kuku->SetRowCount(9);
    kuku->SetDefaultColWidth(74);
    kuku->SetDefaultRowHeight(48);
    const auto numbered = [&] {
        PrintNumberedSheets(printer, namePrinter, *kuku, DrillKind::Kuku, kMaxNumberedSheets, random);
    };
    oneChild();
    wholeClass();
    const int runRepetitions = std::max(3, repetitions / 3);
    const double single = MedianMs(repetitions, oneChild) / 2;
    const double run = MedianMs(runRepetitions, wholeClass) / (2 * kChildren);
    const double numberedPage = MedianMs(runRepetitions, numbered) / (2 * kMaxNumberedSheets);
    std::printf("weak-fact sheet, a page: %8.2f ms (one child, 2 pages, median of %d)\n", single,
                repetitions);
    std::printf(
        "class run, a page:       %8.2f ms (%d children, %d pages with the progress dialog, median of %d)\n",
        run, kChildren, 2 * kChildren, runRepetitions);
    std::printf("ratio run / single page: %8.2f (budget 1.20)\n", run / single);
    std::printf("numbered sheets, a page: %8.2f ms (%d 九九 sheets and keys, median of %d)\n", numberedPage,
                kMaxNumberedSheets, runRepetitions);
    return run / single <= 1.2 ? 0 : 1;
}
