// The class's weak-fact worksheets in one print job: every child's problem
// page, the child's name in the name panel and in the title, then every
// child's answer page in the same order, so the answers come off the printer
// as one stack to hand back.
#pragma once

#include "print/PrintRunProgress.h"
#include "progress/FactStats.h"

#include <QList>
#include <QString>

class NamePanelPrint;
class PrinterSetup;
class QWidget;
class TPrinter;

struct ChildWorksheet {
    QString child;
    DrillKind drill;
    QList<Fact> facts;
};

// What a run prints, child by child; children without facts are left out.
struct WeakFactRunPlan {
    QList<ChildWorksheet> sheets; // at most kWeakSheetMaxCount facts each
    QStringList leftOut;          // the labels of the children left out
};

WeakFactRunPlan PlanWeakFactRun(const QList<ChildWorksheet>& sheets);

// The job without any dialog, planned child by child under progress.prepared:
// false, and nothing printed, when no child has facts or progress stops the
// preparation. Throws VantelError when the job cannot start.
bool PrintWeakFactRunPages(TPrinter& printer, NamePanelPrint& namePanel, const QList<ChildWorksheet>& sheets,
                           const PrintRunProgress& progress = {});

// One print job: every child's problem page (the child's name in the name panel and the title), then every
// child's answer page, in the same order. A progress dialog with a cancel button while the pages are
// prepared; cancelled: nothing is printed and false is returned. The printer setup first, as
// PrintWeakFactSheetCommand does. An empty run says so and prints nothing; children without facts are named
// after the job.
bool PrintWeakFactRun(QWidget* parent, PrinterSetup& setup, TPrinter& printer, NamePanelPrint& namePanel,
                      const QList<ChildWorksheet>& sheets);
