// The class's weak-fact worksheets in one job: each child's page asks that
// child's weakest facts under the child's name, the answer pages follow in
// the same order and answer the same problems, a stopped or cancelled
// preparation prints nothing, and an empty run says so.
#include "platform/print/PrinterQt.h"
#include "print/NamePanelPrint.h"
#include "print/PrintProgressDialog.h"
#include "print/WorksheetPrint.h"
#include "progress/Attempt.h"
#include "progress/WeakFactRun.h"
#include "progress/WeakFactSheet.h"

#include "tests/support/PdfPanelJob.h"
#include "tests/support/PrintProgressCancel.h"
#include "tests/support/PdfText.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/WorksheetGrids.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
// A history in which exactly the weak facts were ever answered wrong.
FactStats statsWithWeakFacts(DrillKind drill, const QList<Fact>& weak) {
    FactStatsBuilder builder(drill);
    for (int top : TopValues(drill))
        for (int left : LeftValues(drill)) {
            const Fact fact{top, left};
            const int index = FactIndex(drill, fact);
            builder.AddAnswer(index, true, 2000);
            builder.AddAnswer(index, !weak.contains(fact), 2000);
        }
    builder.CountAttempt();
    builder.CountAttempt();
    return builder.Finish();
}

struct Child {
    QString name;
    DrillKind drill;
    QList<Fact> weak;
};

const QList<Child> kChildren{
    {QStringLiteral("さくら"), DrillKind::Addition, {{7, 8}, {9, 6}, {5, 7}}},
    {QStringLiteral("はると"), DrillKind::Subtraction, {{13, 6}, {15, 9}, {11, 4}}},
    {QStringLiteral("ゆい"), DrillKind::Kuku, {{7, 8}, {6, 9}, {8, 4}}},
};

QList<ChildWorksheet> worksheetsOf(const QList<Child>& children, RandomSource& random) {
    QList<ChildWorksheet> sheets;
    for (const Child& child : children) {
        const FactStats stats = statsWithWeakFacts(child.drill, child.weak);
        sheets << ChildWorksheet{child.name, child.drill,
                                 ChooseWorksheetFacts(stats, int(child.weak.size()), random)};
    }
    return sheets;
}

// "(3)  7 + 8 = ▢" read back, in the order of their numbers, spaced as
// ProblemText spaces them (pdftotext drops the narrow spaces of the face).
QStringList problemsOn(const QString& text) {
    static const QRegularExpression problem(
        QStringLiteral("\\((\\d+)\\)\\s+(\\d+)\\s*([-+×])\\s*(\\d+)\\s*=\\s*(▢|\\d+)"));
    QMap<int, QString> numbered;
    for (const QRegularExpressionMatch& m : problem.globalMatch(text))
        numbered.insert(
            m.captured(1).toInt(),
            QStringLiteral("%1 %2 %3 = %4").arg(m.captured(2), m.captured(3), m.captured(4), m.captured(5)));
    return numbered.values();
}

// Catches the message boxes shown while it lives, and closes each.
class MessageCatcher {
public:
    MessageCatcher() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->accept();
            }
        });
        timer_.start();
    }
    QStringList texts;

private:
    QTimer timer_;
};


struct Run {
    RecordingPrinter device;
    std::unique_ptr<TStringGrid> names = MakeNamePanel();
    TVoskSGridPrinter namePrinter{device};
    GridNamePanelPrint namePanel{namePrinter};
    FakePrinterSetup setup;
    ScriptedRandom random;
    Run() {
        SetUpNamePanelPrinter(namePrinter, names.get());
        names->SetCells(0, 0, QStringLiteral("なまえ"));
    }
};
} // namespace

class TestWeakFactRun : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    // The problem pages first, then the answer pages, each child's name in the
    // panel (right of なまえ) and in the title.
    void pagesInOrderUnderEachName() {
        Run run;
        const QList<ChildWorksheet> sheets = worksheetsOf(kChildren, run.random);
        QList<int> printed;
        PrintRunProgress progress;
        progress.printed = [&](int done, int total) {
            QCOMPARE(total, 6);
            printed << done;
        };
        QVERIFY(PrintWeakFactRunPages(run.device, run.namePanel, sheets, progress));
        QCOMPARE(run.device.log.first(), "BeginDoc");
        QCOMPARE(run.device.log.last(), "EndDoc");
        QCOMPARE(run.device.NewPages(), 5);
        QCOMPARE(printed, (QList<int>{1, 2, 3, 4, 5, 6}));
        for (int page = 1; page <= 6; ++page) {
            const ChildWorksheet& sheet = sheets[(page - 1) % 3];
            QCOMPARE(run.device.canvas.Texts(page), (QStringList{"なまえ", sheet.child}));
            const QList<CanvasCall> lines = run.device.canvas.Calls(CanvasCall::TextOut, page);
            QString title = WeakFactSheetTitle(sheet.drill, sheet.child);
            if (page > 3)
                title += QStringLiteral("  こたえ");
            QCOMPARE(lines.first().text, title);
            QCOMPARE(lines.last().text, kWorksheetNotice);
            for (int i = 0; i < sheet.facts.size(); ++i)
                QCOMPARE(lines[2 + 2 * i].text, ProblemText(sheet.drill, sheet.facts[i], page > 3));
        }
        // The panel on screen keeps its own texts.
        QCOMPARE(run.names->Cells(1, 0), QString());
    }

    // What a parent reads on the paper: one PDF, each child's weakest facts on
    // the child's page, and the answers in the same order on the child's answer page.
    void pdfReadBack() {
        if (!HavePdfToText())
            QSKIP("pdftotext is not installed");
        PdfPanelJob job(QStringLiteral("run.pdf"));
        auto& [folder, pdf, names, namePrinter] = job;
        GridNamePanelPrint namePanel(namePrinter);
        ScriptedRandom random;
        const QList<ChildWorksheet> sheets = worksheetsOf(kChildren, random);
        QVERIFY(PrintWeakFactRunPages(pdf, namePanel, sheets));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"run-1.pdf"});
        const QString file = pdf.LastOutputFile();
        if (const QString shots = qEnvironmentVariable("VANTEL_SHOT_DIR"); !shots.isEmpty())
            QFile::copy(file, QDir(shots).filePath(QStringLiteral("weak-fact-run.pdf")));
        QCOMPARE(PdfPageCount(file), 6);

        for (int i = 0; i < kChildren.size(); ++i) {
            const Child& child = kChildren[i];
            const QString problemsPage = PdfPageText(file, i + 1);
            const QString answersPage = PdfPageText(file, i + 4);
            for (const QString& page : {problemsPage, answersPage}) {
                QVERIFY2(page.count(child.name) == 2, qPrintable(page)); // the panel and the title
                QVERIFY(page.contains(DrillLabel(child.drill)));
                for (const Child& other : kChildren)
                    if (other.name != child.name)
                        QVERIFY(!page.contains(other.name));
            }
            const QStringList asked = problemsOn(problemsPage);
            const QStringList answered = problemsOn(answersPage);
            QCOMPARE(asked.size(), child.weak.size());
            QCOMPARE(answered.size(), child.weak.size());
            QStringList weakAsked;
            for (const Fact& fact : child.weak)
                weakAsked << ProblemText(child.drill, fact, false);
            QStringList sortedAsked = asked;
            sortedAsked.sort();
            weakAsked.sort();
            QCOMPARE(sortedAsked, weakAsked);
            for (int n = 0; n < asked.size(); ++n) {
                const Fact& fact = sheets[i].facts[n];
                QCOMPARE(asked[n], ProblemText(child.drill, fact, false));
                QCOMPARE(answered[n], ProblemText(child.drill, fact, true));
            }
        }
    }

    void stoppedWhilePreparingPrintsNothing() {
        PdfPanelJob job(QStringLiteral("run.pdf"), false);
        auto& [folder, pdf, names, namePrinter] = job;
        GridNamePanelPrint namePanel(namePrinter);
        ScriptedRandom random;
        PrintRunProgress progress;
        QList<int> steps;
        progress.prepared = [&](int done, int total) {
            steps << done;
            return done < total;
        };
        QVERIFY(!PrintWeakFactRunPages(pdf, namePanel, worksheetsOf(kChildren, random), progress));
        QCOMPARE(steps, (QList<int>{1, 2, 3}));
        QVERIFY(QDir(folder.path()).entryList(QDir::Files).isEmpty());
        QVERIFY(!pdf.Printing());
    }

    void cancelInTheDialogPrintsNothing() {
        Run run;
        run.setup.answer = false; // a cancelled setup still goes on, as the worksheets do
        CancelPrintProgressWhenShown();
        QVERIFY(!PrintWeakFactRun(nullptr, run.setup, run.device, run.namePanel,
                                  worksheetsOf(kChildren, run.random)));
        QCOMPARE(run.setup.shown, 1);
        QVERIFY(run.device.log.isEmpty());
    }

    void emptyRunSaysSo_data() {
        QTest::addColumn<bool>("withChildren");
        QTest::addColumn<QString>("message");
        QTest::newRow("no child") << false << "苦手プリントを印刷する子どもがいません。";
        QTest::newRow("no facts") << true << "苦手プリントにする問題がありません。";
    }
    void emptyRunSaysSo() {
        QFETCH(bool, withChildren);
        QFETCH(QString, message);
        Run run;
        QList<ChildWorksheet> sheets;
        if (withChildren)
            sheets << ChildWorksheet{QStringLiteral("さくら"), DrillKind::Addition, {}};
        MessageCatcher messages;
        QVERIFY(!PrintWeakFactRun(nullptr, run.setup, run.device, run.namePanel, sheets));
        QCOMPARE(messages.texts, QStringList{message});
        QCOMPARE(run.setup.shown, 0);
        QVERIFY(run.device.log.isEmpty());
    }

    // A child without facts gets no page, and is named after the job.
    void childWithoutFactsIsLeftOutAndNamed() {
        Run run;
        QList<ChildWorksheet> sheets = worksheetsOf(kChildren.first(2), run.random);
        sheets.insert(1, ChildWorksheet{QString(), DrillKind::Addition, {}});
        MessageCatcher messages;
        QVERIFY(PrintWeakFactRun(nullptr, run.setup, run.device, run.namePanel, sheets));
        QCOMPARE(run.device.NewPages(), 3);
        QCOMPARE(run.device.canvas.Texts(2), (QStringList{"なまえ", "はると"}));
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(messages.texts.first().endsWith(ChildLabel(QString())));
    }

    // A list longer than a page holds is cut to the page; hostile lengths cannot overflow it.
    void longListsAreCutToOnePage() {
        QList<Fact> many;
        for (int i = 0; i < 80; ++i)
            many << Fact{i % 10, i / 10 % 10};
        const WeakFactRunPlan plan =
            PlanWeakFactRun({ChildWorksheet{QStringLiteral("そら"), DrillKind::Addition, many},
                             ChildWorksheet{QStringLiteral("なし"), DrillKind::Kuku, {}}});
        QCOMPARE(plan.sheets.size(), 1);
        QCOMPARE(plan.sheets.first().facts, many.first(kWeakSheetMaxCount));
        QCOMPARE(plan.leftOut, QStringList{"なし"});
    }
};

QTEST_MAIN(TestWeakFactRun)
#include "tst_weakfactrun.moc"
