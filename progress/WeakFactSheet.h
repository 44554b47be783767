// The weak-fact worksheet: a page of problems "7 + 8 = ▢" built from the
// child's weakest facts under the name panel, and a page with the answers.
#pragma once

#include "progress/FactStats.h"

class PrinterSetup;
class RandomSource;
class TPrinter;
class NamePanelPrint;

constexpr int kWeakSheetDefaultCount = 20;
constexpr int kWeakSheetMaxCount = 50;

// count facts (1..50): the weakest first, each at most twice, filled up with
// random facts of the drill when the history is short; in a shuffled order.
QList<Fact> ChooseWorksheetFacts(const FactStats& stats, int count, RandomSource& random);

// "7 + 8 = ▢", or with the answer.
QString ProblemText(DrillKind drill, const Fact& fact, bool withAnswer);

// "苦手プリント（たしざん）  はなこ"; the answer page adds "  こたえ".
QString WeakFactSheetTitle(DrillKind drill, const QString& childLabel);

// One page under the name panel the caller has just printed: the title, the
// problems in two columns (with their answers) and the notice.
void PrintWeakFactPage(TPrinter& printer, DrillKind drill, const QList<Fact>& facts, const QString& title,
                       bool withAnswers);

// One job of two pages, each under the name panel: the problems, then the answers.
void PrintWeakFactSheet(TPrinter& printer, NamePanelPrint& namePanel, DrillKind drill,
                        const QList<Fact>& facts, const QString& childLabel);

// The command: the printer setup first (Cancel prints too, as the worksheets do).
void PrintWeakFactSheetCommand(PrinterSetup& setup, TPrinter& printer, NamePanelPrint& namePanel,
                               DrillKind drill, const QList<Fact>& facts, const QString& childLabel);
