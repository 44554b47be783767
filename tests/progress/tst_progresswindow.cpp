// The progress window on a made-up history of three children: the table and
// its sorting, the range, the chart, the fact map, CSV export (read back by
// the real Calc), and the weak-fact worksheet on a recording printer and as a PDF.
#include "progress/AttemptCsv.h"
#include "progress/AttemptTableModel.h"
#include "progress/FactMapView.h"
#include "progress/ProgressWindow.h"
#include "progress/WeakFactSheet.h"

#include "gridio/DelimitedText.h"
#include "platform/print/PrinterChoice.h"
#include "platform/print/PrinterQt.h"
#include "platform/spreadsheet/SpreadsheetCalc.h"
#include "print/NamePanelPrint.h"
#include "print/VoskGridP.h"
#include "print/WorksheetPrint.h"

#include "tests/support/CalcResave.h"
#include "tests/support/FakeFileDialogs.h"
#include "tests/support/FakeHistory.h"
#include "tests/support/FakeProgressServices.h"
#include "tests/support/FakeServices.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/SampleAttempts.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/WorksheetGrids.h"

#include <QChartView>
#include <QDateTimeAxis>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QScatterSeries>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QDateTime kNow(QDate(2026, 12, 8), QTime(9, 0), Qt::UTC);

QString shotFolder() { return qEnvironmentVariable("VANTEL_SHOT_DIR", QDir::currentPath()); }

// Calc's reading of a CSV file, as rows of texts.
QList<QStringList> readWithCalc(const QString& program, const QString& csv, const QString& workFolder) {
    QByteArray bytes = CalcResavedCsv(program, csv, workFolder);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QList<QStringList> rows;
    for (const QString& record : DelimitedText::SplitRecords(QString::fromUtf8(bytes), u',', true))
        rows << DelimitedText::SplitRecord(record, u',',
                                           DelimitedText::DelimiterCount(record, u',', true) + 1, true);
    return rows;
}
} // namespace

class TestProgressWindow : public QObject, FakeProgressServices {
    Q_OBJECT

    FakeHistory history;
    std::unique_ptr<TStringGrid> namePanel = MakeNamePanel();

    std::unique_ptr<ProgressWindow> open(const QString& child, DrillKind drill, ProgressWindow::Range range) {
        auto window = std::make_unique<ProgressWindow>(With(history), child, drill);
        window->SetChoice(child, drill, range);
        return window;
    }
    QString cell(ProgressWindow& w, int row, int column) {
        return w.SortedModel->index(row, column).data().toString();
    }

private slots:
    void initTestCase() {
        clock.now = kNow;
        SetUpNamePanelPrinter(namePanelPrinter, namePanel.get());
        namePanel->SetCells(0, 0, "なまえ");
        history.attempts << SampleHistory("ゆい", DrillKind::Addition, kNow, 60, 1)
                         << SampleHistory("ゆい", DrillKind::Kuku, kNow, 20, 2)
                         << SampleHistory("はると", DrillKind::Addition, kNow, 12, 3)
                         << SampleHistory("", DrillKind::Subtraction, kNow, 8, 4);
        // One attempt with 7 + 8 and 3 + 4 wrong, and slow on 9 + 9.
        history.attempts << SampleAttempt("そら", DrillKind::Addition, kNow.addDays(-1), 150000,
                                          {{7, 8}, {3, 4}}, 1000, {{9, 9}}, 9000);
        history.attempts << SampleAttempt("そら", DrillKind::Addition, kNow.addDays(-2), 140000, {{7, 8}});
        history.attempts << SampleAttempt("そら", DrillKind::Addition, kNow.addDays(-40), 200000);
    }

    void childrenAndTheChosenOneAreOffered() {
        auto w = open("ゆい", DrillKind::Addition, ProgressWindow::All);
        QCOMPARE(ProgressControl<QComboBox>(*w, "ChildBox")->count(), 4);
        QCOMPARE(w->Child(), "ゆい");
        QCOMPARE(ProgressControl<QComboBox>(*w, "ChildBox")
                     ->itemText(ProgressControl<QComboBox>(*w, "ChildBox")->findData(QString(""))),
                 "名前なし");
        auto fresh = open("あたらしい子", DrillKind::Kuku, ProgressWindow::All); // no history yet
        QCOMPARE(fresh->Child(), "あたらしい子");
        QCOMPARE(fresh->Model->rowCount(), 0);
        QCOMPARE(fresh->WeakestList->item(0)->text(), "苦手な問題はまだ見つかっていません");
    }

    void rangeAndDrillChooseTheRows_data() {
        QTest::addColumn<QString>("child");
        QTest::addColumn<int>("drill");
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("rows");
        QTest::newRow("all") << "ゆい" << int(DrillKind::Addition) << int(ProgressWindow::All) << 60;
        QTest::newRow("30 days") << "ゆい" << int(DrillKind::Addition) << int(ProgressWindow::Last30Days)
                                 << 30;
        QTest::newRow("90 days") << "そら" << int(DrillKind::Addition) << int(ProgressWindow::Last90Days)
                                 << 3;
        QTest::newRow("30 days, older left out")
            << "そら" << int(DrillKind::Addition) << int(ProgressWindow::Last30Days) << 2;
        QTest::newRow("kuku") << "ゆい" << int(DrillKind::Kuku) << int(ProgressWindow::All) << 20;
        QTest::newRow("nameless") << "" << int(DrillKind::Subtraction) << int(ProgressWindow::All) << 8;
    }
    void rangeAndDrillChooseTheRows() {
        QFETCH(QString, child);
        QFETCH(int, drill);
        QFETCH(int, range);
        QFETCH(int, rows);
        auto w = open(child, DrillKind(drill), ProgressWindow::Range(range));
        QCOMPARE(w->Model->rowCount(), rows);
        QCOMPARE(w->TimeSeries->count(), rows);
        QCOMPARE(w->FactMap->Stats().facts.size(), drill == int(DrillKind::Kuku) ? 64 : 100);
    }

    void anAnswerToAnOlderChoiceIsDropped() {
        history.holdAnswers = true;
        auto w = std::make_unique<ProgressWindow>(With(history), "ゆい", DrillKind::Addition);
        QVERIFY(w->Loading());
        QVERIFY(!ProgressControl<QPushButton>(*w, "WorksheetButton")->isEnabled());
        ProgressControl<QComboBox>(*w, "RangeBox")->setCurrentIndex(ProgressWindow::All);
        history.holdAnswers = false;
        // The newer answer first: the older one, coming after it, is not shown.
        for (auto answer = history.held.rbegin(); answer != history.held.rend(); ++answer)
            (*answer)();
        history.held.clear();
        QVERIFY(!w->Loading());
        QCOMPARE(w->Model->rowCount(), 60);
        QVERIFY(ProgressControl<QPushButton>(*w, "WorksheetButton")->isEnabled());
    }

    void tableSortsByValueNotText() {
        auto w = open("ゆい", DrillKind::Addition, ProgressWindow::All);
        QVERIFY(cell(*w, 0, 0) > cell(*w, 1, 0)); // newest first
        w->AttemptTable->sortByColumn(AttemptTableModel::Time, Qt::AscendingOrder);
        std::uint32_t fastest = UINT32_MAX;
        for (const Attempt& a : w->Model->Attempts())
            fastest = std::min(fastest, a.durationMs);
        QCOMPARE(w->SortedModel->index(0, AttemptTableModel::Time).data(Qt::UserRole).toLongLong(),
                 qint64(fastest));
        w->AttemptTable->sortByColumn(AttemptTableModel::Score, Qt::AscendingOrder);
        QVERIFY(w->SortedModel->index(0, 2).data(Qt::UserRole).toInt() <=
                w->SortedModel->index(59, 2).data(Qt::UserRole).toInt());
        QVERIFY(cell(*w, 59, 2).endsWith("/100"));
    }

    void chartMarksWrongAnswersAndStepsTheBest() {
        auto w = open("そら", DrillKind::Addition, ProgressWindow::All);
        QCOMPARE(w->TimeSeries->count(), 3);
        QCOMPARE(w->WrongSeries->count(), 2); // both attempts with a wrong answer
        // Only the all-correct attempt sets a best: a flat line from it to the last attempt.
        const QList<QPointF> best = w->BestSeries->points();
        QCOMPARE(best.size(), 2);
        QCOMPARE(best[0].y(), 200.0);
        QCOMPARE(best[1].y(), 200.0);

        auto y = open("ゆい", DrillKind::Addition, ProgressWindow::All);
        const QList<QPointF> steps = y->BestSeries->points();
        for (int i = 1; i < steps.size(); ++i) {
            QVERIFY(steps[i].x() >= steps[i - 1].x());
            QVERIFY(steps[i].y() <= steps[i - 1].y());
        }
    }

    // The date axis names what tells the attempts apart: the hour within a
    // few days, the day within a year, the year beyond.
    void dateAxisFitsTheSpan() {
        const auto formatOf = [](ProgressWindow& window) {
            auto* view = window.findChild<QChartView*>(QStringLiteral("ChartView"));
            const auto axes = view->chart()->axes(Qt::Horizontal);
            return axes.isEmpty() ? QString() : static_cast<QDateTimeAxis*>(axes.first())->format();
        };
        QCOMPARE(formatOf(*open("ゆい", DrillKind::Addition, ProgressWindow::All)), QStringLiteral("MM/dd"));
        history.attempts << SampleAttempt("はる", DrillKind::Addition, kNow.addSecs(-3600), 100000)
                         << SampleAttempt("はる", DrillKind::Addition, kNow, 90000);
        QCOMPARE(formatOf(*open("はる", DrillKind::Addition, ProgressWindow::All)), QStringLiteral("MM/dd HH:mm"));
        history.attempts << SampleAttempt("はる", DrillKind::Addition, kNow.addYears(-2), 120000);
        QCOMPARE(formatOf(*open("はる", DrillKind::Addition, ProgressWindow::All)), QStringLiteral("yyyy/MM"));
        for (int i = 0; i < 3; ++i)
            history.attempts.removeLast();
    }

    void factMapAndWeakestList() {
        auto w = open("そら", DrillKind::Addition, ProgressWindow::Last30Days);
        const FactStat* stat = w->FactMap->Stats().Find({7, 8});
        QCOMPARE(stat->wrong, 2);
        QCOMPARE(w->FactMap->ToolTipOf(*stat),
                 "7 + 8 = 15\nまちがい 2 / 2 回（100%）\n答えるまでの時間（中央値） 1.0 秒");
        QVERIFY(w->WeakestList->item(0)->text().startsWith("7 + 8"));
        QVERIFY(w->WeakestList->item(1)->text().startsWith("3 + 4"));
        QVERIFY(w->WeakestList->item(2)->text().startsWith("9 + 9"));
        const QColor weak = w->FactMap->ColorOf(*stat);
        const QColor sure = w->FactMap->ColorOf(*w->FactMap->Stats().Find({1, 1}));
        QVERIFY(weak.red() > weak.green());
        QVERIFY(sure.green() > sure.red());
        // The tool tip of the cell under the pointer.
        w->resize(1000, 720);
        w->FactMap->resize(300, 300);
        const double side = 300 / 11.0;
        const QPoint sevenEight(int(side * 8.5), int(side * 9.5)); // column of 7, row of 8
        QCOMPARE(w->FactMap->StatAt(sevenEight)->fact, (Fact{7, 8}));
    }

    void longNameIsElidedButKept() {
        const QString name(10000, u'長');
        history.attempts << SampleAttempt(name, DrillKind::Addition, kNow, 1000);
        auto w = open(name, DrillKind::Addition, ProgressWindow::All);
        QCOMPARE(w->Child(), name);
        QVERIFY(ProgressControl<QComboBox>(*w, "ChildBox")->currentText().size() < 100);
        QCOMPARE(w->Model->rowCount(), 1);
        history.attempts.removeLast();
    }

    void csvQuotesAndCarriesABom() {
        Attempt a = SampleAttempt("O'Neil, \"Bo\"", DrillKind::Kuku,
                                  QDateTime(QDate(2026, 12, 7), QTime(23, 30), Qt::UTC), 83456);
        a.newBest = true;
        const QByteArray csv = AttemptsCsv({a});
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(csv.mid(3)).split("\r\n");
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], "名前,ドリル,開始日時,時間(秒),点数,満点,新記録");
        // Local time at +09:00: the next day.
        QCOMPARE(lines[1], "\"O'Neil, \"\"Bo\"\"\",九九,2026-12-08 08:30:00,83.456,64,64,○");
        QCOMPARE(lines[2], "");
        QCOMPARE(CsvField("a\nb"), "\"a\nb\"");
    }

    void csvExportIsReadBackByCalcIntoTheSameCells() {
        QTemporaryDir folder;
        const QString path = folder.filePath("export.csv");
        history.attempts << SampleAttempt("A, \"B\"\nC", DrillKind::Multiplication, kNow.addDays(-1), 61000);
        auto w = open("A, \"B\"\nC", DrillKind::Multiplication, ProgressWindow::All);
        dialogs.Choose(path);
        w->ExportCsv();
        history.attempts.removeLast();
        QVERIFY(messages.errors.isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray written = file.readAll();
        QCOMPARE(written, AttemptsCsv(w->Model->Attempts()));

        const QString program = FindCalcProgram();
        if (program.isEmpty())
            QSKIP("LibreOffice Calc is not installed");
        const QList<QStringList> rows = readWithCalc(program, path, folder.path());
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0], QString::fromUtf8(written.mid(3)).split("\r\n")[0].split(','));
        QCOMPARE(rows[1],
                 (QStringList{"A, \"B\"\nC", "かけざん", "2026-12-07 18:00:00", "61", "100", "100", ""}));
    }

    void csvNamesThatLookLikeFormulasStayText() {
        // A name typed as "=HYPERLINK(…)" must not run when the teacher opens the file.
        const QStringList names{"=1+1", "@SUM(A1)", "+81 90", "-1", "\tx", "=A1,\"B\"", "a=1"};
        QList<Attempt> attempts;
        for (const QString& name : names)
            attempts << SampleAttempt(name, DrillKind::Addition, kNow, 61000);
        const QStringList lines = QString::fromUtf8(AttemptsCsv(attempts).mid(3)).split("\r\n");
        QCOMPARE(lines[1].section(',', 0, 0), "'=1+1");
        QCOMPARE(lines[2].section(',', 0, 0), "'@SUM(A1)");
        QCOMPARE(lines[3].section(',', 0, 0), "'+81 90");
        QCOMPARE(lines[4].section(',', 0, 0), "'-1");
        QCOMPARE(lines[5].section(',', 0, 0), "'\tx");
        QVERIFY(lines[6].startsWith("\"'=A1,\"\"B\"\"\","));
        QCOMPARE(lines[7].section(',', 0, 0), "a=1");

        const QString program = FindCalcProgram();
        if (program.isEmpty())
            QSKIP("LibreOffice Calc is not installed");
        QTemporaryDir folder;
        const QString path = folder.filePath("names.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(AttemptsCsv(attempts.mid(0, 2)));
        file.close();
        const QList<QStringList> rows = readWithCalc(program, path, folder.path());
        QCOMPARE(rows.size(), 3);
        // Calc shows the text; a formula would have come back as 2 and an error.
        QVERIFY2(rows[1][0].endsWith("=1+1"), qPrintable(rows[1][0]));
        QVERIFY2(rows[2][0].endsWith("@SUM(A1)"), qPrintable(rows[2][0]));
    }

    void csvExportToAnUnwritablePlaceIsTold() {
        auto w = open("ゆい", DrillKind::Addition, ProgressWindow::All);
        dialogs.Choose("/proc/vantel-no/such.csv");
        messages.Clear();
        w->ExportCsv();
        QCOMPARE(messages.errors.size(), 1);
        QVERIFY(messages.errors[0].contains("書き込めませんでした"));
    }

    void worksheetPrintsProblemsThenAnswers() {
        auto w = open("そら", DrillKind::Addition, ProgressWindow::Last30Days);
        printer.canvas.calls.clear();
        printer.log.clear();
        setup.shown = 0;
        ProgressControl<QSpinBox>(*w, "CountBox")->setValue(6);
        w->PrintWorksheet();
        QCOMPARE(setup.shown, 1);
        QCOMPARE(printer.log, (QStringList{"BeginDoc", "NewPage", "EndDoc"}));
        auto problems = [&](int page) {
            QStringList texts;
            for (const CanvasCall& call : printer.canvas.Calls(CanvasCall::TextOut, page))
                if (call.text.contains(" = "))
                    texts << call.text;
            return texts;
        };
        const QStringList first = problems(1);
        QCOMPARE(first.size(), 6);
        QCOMPARE(first.count("7 + 8 = ▢"), 2);
        QCOMPARE(first.count("3 + 4 = ▢"), 2);
        QCOMPARE(first.count("9 + 9 = ▢"), 2);
        const QStringList second = problems(2);
        QCOMPARE(second.size(), 6);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(second[i].section(" = ", 0, 0), first[i].section(" = ", 0, 0)); // same order
        QCOMPARE(second.count("7 + 8 = 15"), 2);
        // The name panel heads both pages.
        QVERIFY(printer.canvas.Texts(1).contains("なまえ"));
        QVERIFY(printer.canvas.Texts(2).contains("なまえ"));
    }

    void worksheetWithoutAPrinterIsTold() {
        auto w = open("そら", DrillKind::Addition, ProgressWindow::All);
        printer.failBegin = true;
        messages.Clear();
        w->PrintWorksheet();
        printer.failBegin = false;
        QCOMPARE(messages.errors, QStringList{"no printer"});
    }

    // Pictures to look at: the window with a history and both worksheet pages as a PDF.
    void pictures() {
        auto w = open("ゆい", DrillKind::Addition, ProgressWindow::Last90Days);
        w->resize(1100, 780);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QVERIFY(w->grab().save(QDir(shotFolder()).filePath("progress-window.png")));
        w->SetChoice("ゆい", DrillKind::Kuku, ProgressWindow::All);
        QVERIFY(w->grab().save(QDir(shotFolder()).filePath("progress-window-kuku.png")));

        QTemporaryDir folder;
        QtPrinter pdf;
        PrinterChoice choice = pdf.Choice();
        choice.printerName.clear();
        choice.pdfBase = folder.filePath("weak.pdf");
        pdf.SetChoice(choice);
        TVoskSGridPrinter panel(pdf);
        SetUpNamePanelPrinter(panel, namePanel.get());
        GridNamePanelPrint panelPrint(panel);
        const FactStats stats = history.Facts("ゆい", DrillKind::Addition, {});
        PrintWeakFactSheet(pdf, panelPrint, DrillKind::Addition, ChooseWorksheetFacts(stats, 20, random),
                           "ゆい");
        QVERIFY(QFileInfo(pdf.LastOutputFile()).size() > 1000);
        const QString kept = QDir(shotFolder()).filePath("weak-facts.pdf");
        QFile::remove(kept);
        QVERIFY(QFile::copy(pdf.LastOutputFile(), kept));
    }
};

QTEST_MAIN(TestProgressWindow)
#include "tst_progresswindow.moc"
