#include "progress/WeakFactSheet.h"

#include "drill/RandomSource.h"
#include "platform/print/Printer.h"
#include "platform/print/PrinterSetup.h"
#include "print/NamePanelPrint.h"
#include "print/WorksheetPrint.h"
#include "progress/Attempt.h"

#include <QCoreApplication>
#include <QFont>

namespace {
// The texts of the sheet speak the chosen language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(WeakFactSheet)
};
} // namespace

namespace {
constexpr int kTopMm = 50; // under the name panel, as the worksheets
constexpr int kColumns = 2;
constexpr int kTitleMm = 9;
constexpr int kProblemMm = 7;

void shuffle(QList<Fact>& facts, RandomSource& random) {
    for (qsizetype i = facts.size() - 1; i > 0; --i)
        facts.swapItemsAt(i, random.Next(int(i + 1)));
}

int pixelsY(TPrinter& printer, double mm) { return int(mm * printer.DpiY() / 25.4); }
int pixelsX(TPrinter& printer, double mm) { return int(mm * printer.DpiX() / 25.4); }

void printPage(TPrinter& printer, NamePanelPrint& namePanel, DrillKind drill, const QList<Fact>& facts,
               const QString& title, bool withAnswers) {
    namePanel.PrintNamePanel();
    PrintWeakFactPage(printer, drill, facts, title, withAnswers);
}
} // namespace

void PrintWeakFactPage(TPrinter& printer, DrillKind drill, const QList<Fact>& facts, const QString& title,
                       bool withAnswers) {
    PrinterCanvas& canvas = printer.Canvas();
    canvas.SetPenColor(Qt::black);
    canvas.SetBrushStyle(BrushStyle::Clear);
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPointSize(12);
    canvas.AssignFont(font, Qt::black, 72);
    const int left = pixelsX(printer, 15);
    int y = pixelsY(printer, kTopMm);
    canvas.SetFontSize(int(kTitleMm * 72 / 25.4 * 0.75));
    canvas.TextOut(left, y, title);
    y += pixelsY(printer, kTitleMm + 6);

    canvas.SetFontSize(int(kProblemMm * 72 / 25.4 * 0.75));
    const int rows = int((facts.size() + kColumns - 1) / kColumns);
    const int available = printer.PageHeight() - y - pixelsY(printer, 15);
    const int rowHeight = rows > 0 ? std::min(pixelsY(printer, 14), available / rows) : 0;
    const int columnWidth = (printer.PageWidth() - 2 * left) / kColumns;
    for (int i = 0; i < facts.size(); ++i) {
        const int row = i % rows;
        const int col = i / rows;
        const int x = left + col * columnWidth;
        const int top = y + row * rowHeight;
        canvas.TextOut(x, top, QStringLiteral("(%1)").arg(i + 1));
        canvas.TextOut(x + pixelsX(printer, 14), top, ProblemText(drill, facts[i], withAnswers));
    }
    canvas.SetFontSize(int(5 * 72 / 25.4 * 0.75));
    canvas.TextOut(left, y + rows * rowHeight + pixelsY(printer, 4), WorksheetNotice());
}

QList<Fact> ChooseWorksheetFacts(const FactStats& stats, int count, RandomSource& random) {
    count = std::clamp(count, 1, kWeakSheetMaxCount);
    QList<Fact> chosen;
    QList<Fact> weak;
    for (const FactStat& stat : stats.Weakest(count))
        weak << stat.fact;
    for (const Fact& fact : weak)
        if (chosen.size() < count)
            chosen << fact;
    // A short list of weak facts is practised twice.
    for (const Fact& fact : weak)
        if (chosen.size() < count)
            chosen << fact;
    QList<Fact> others;
    for (int top : TopValues(stats.drill))
        for (int left : LeftValues(stats.drill))
            others << Fact{top, left};
    shuffle(others, random);
    for (int round = 0; round < 2 && chosen.size() < count; ++round)
        for (const Fact& fact : others)
            if (chosen.size() < count && chosen.count(fact) < 2 && (round == 1 || !chosen.contains(fact)))
                chosen << fact;
    shuffle(chosen, random);
    return chosen;
}

QString WeakFactSheetTitle(DrillKind drill, const QString& childLabel) {
    return Texts::tr("苦手プリント（%1）  %2").arg(DrillLabel(drill), childLabel);
}

QString ProblemText(DrillKind drill, const Fact& fact, bool withAnswer) {
    return FactText(drill, fact) + QStringLiteral(" = ") +
           (withAnswer ? QString::number(FactAnswer(drill, fact)) : QStringLiteral("▢"));
}

void PrintWeakFactSheet(TPrinter& printer, NamePanelPrint& namePanel, DrillKind drill,
                        const QList<Fact>& facts, const QString& childLabel) {
    const QString title = WeakFactSheetTitle(drill, childLabel);
    PrintJob(printer, [&] {
        printPage(printer, namePanel, drill, facts, title, false);
        printer.NewPage();
        printPage(printer, namePanel, drill, facts, title + Texts::tr("  こたえ"), true);
    });
}

void PrintWeakFactSheetCommand(PrinterSetup& setup, TPrinter& printer, NamePanelPrint& namePanel,
                               DrillKind drill, const QList<Fact>& facts, const QString& childLabel) {
    setup.ShowPrinterSetup();
    PrintWeakFactSheet(printer, namePanel, drill, facts, childLabel);
}
