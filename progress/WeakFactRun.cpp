#include "progress/WeakFactRun.h"

#include "platform/print/Printer.h"
#include "platform/print/PrinterSetup.h"
#include "print/NamePanelPrint.h"
#include "print/PrintProgressDialog.h"
#include "print/WorksheetPrint.h"
#include "progress/Attempt.h"
#include "progress/WeakFactSheet.h"

#include <QApplication>
#include <QMessageBox>
#include <optional>

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(WeakFactRun)
};

// One child's plan, or nothing for a child without facts.
std::optional<ChildWorksheet> planChild(const ChildWorksheet& sheet) {
    if (sheet.facts.isEmpty())
        return std::nullopt;
    ChildWorksheet planned = sheet;
    // More would not fit on the page.
    planned.facts = sheet.facts.first(std::min<qsizetype>(sheet.facts.size(), kWeakSheetMaxCount));
    return planned;
}

void printChildPage(TPrinter& printer, NamePanelPrint& namePanel, const ChildWorksheet& sheet,
                    bool withAnswers) {
    const QString label = ChildLabel(sheet.child);
    namePanel.PrintNamePanelFor(label);
    QString title = WeakFactSheetTitle(sheet.drill, label);
    if (withAnswers)
        title += QCoreApplication::translate("WeakFactSheet", "  こたえ");
    PrintWeakFactPage(printer, sheet.drill, sheet.facts, title, withAnswers);
}

void tell(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, QApplication::applicationDisplayName(), text, QMessageBox::Ok,
                    parent);
    box.exec();
}
} // namespace

WeakFactRunPlan PlanWeakFactRun(const QList<ChildWorksheet>& sheets) {
    WeakFactRunPlan plan;
    for (const ChildWorksheet& sheet : sheets) {
        if (const std::optional<ChildWorksheet> planned = planChild(sheet))
            plan.sheets << *planned;
        else
            plan.leftOut << ChildLabel(sheet.child);
    }
    return plan;
}

bool PrintWeakFactRunPages(TPrinter& printer, NamePanelPrint& namePanel, const QList<ChildWorksheet>& sheets,
                           const PrintRunProgress& progress) {
    QList<ChildWorksheet> planned;
    for (qsizetype i = 0; i < sheets.size(); ++i) {
        if (const std::optional<ChildWorksheet> sheet = planChild(sheets[i]))
            planned << *sheet;
        if (!progress.Prepared(int(i + 1), int(sheets.size())))
            return false;
    }
    if (planned.isEmpty())
        return false;
    const int pages = int(2 * planned.size());
    PrintJob(printer, [&] {
        for (int page = 0; page < pages; ++page) {
            if (page > 0)
                printer.NewPage();
            const bool answers = page >= planned.size();
            printChildPage(printer, namePanel, planned[page % planned.size()], answers);
            progress.Printed(page + 1, pages);
        }
    });
    return true;
}

bool PrintWeakFactRun(QWidget* parent, PrinterSetup& setup, TPrinter& printer, NamePanelPrint& namePanel,
                      const QList<ChildWorksheet>& sheets) {
    const WeakFactRunPlan plan = PlanWeakFactRun(sheets);
    if (plan.sheets.isEmpty()) {
        tell(parent, sheets.isEmpty() ? Texts::tr("苦手プリントを印刷する子どもがいません。")
                                      : Texts::tr("苦手プリントにする問題がありません。"));
        return false;
    }
    setup.ShowPrinterSetup(); // Cancel prints too, as the worksheets do
    bool printed = false;
    {
        PrintProgressDialog dialog(parent);
        printed = PrintWeakFactRunPages(printer, namePanel, plan.sheets, dialog.Progress());
    }
    if (printed && !plan.leftOut.isEmpty())
        tell(parent, Texts::tr("問題がないので、次の子どもの苦手プリントは印刷しませんでした。\n%1")
                         //: Separates the children's names in the list above.
                         .arg(plan.leftOut.join(Texts::tr("、"))));
    return printed;
}
