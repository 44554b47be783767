// Times writing one worksheet (name panel, addition sheet with its answers,
// notice) to a PDF file, against a bare QPrinter page with one line of text
// measured in the same run, and prints the ratio of the medians. The machines
// are shared, so only the ratio means anything.
#include "platform/print/PrinterQt.h"
#include "print/VoskGridP.h"
#include "print/WorksheetPrint.h"
#include "widgets/Fonts.h"

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
    return 0;
}
