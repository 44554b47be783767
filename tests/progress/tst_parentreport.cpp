// The parents' report and the chart of a long history: the line reduced to
// what a plot's pixels show, each drill's times and the period gathered from
// four reads, the page as a PDF read back by pdftotext, and the button of the
// progress window on a recording printer.
#include "progress/AttemptTableModel.h"
#include "progress/ChartPoints.h"
#include "progress/ParentReport.h"
#include "progress/ProgressWindow.h"

#include "platform/print/PrinterChoice.h"
#include "platform/print/PrinterQt.h"

#include "tests/support/FakeHistory.h"
#include "tests/support/FakeProgressServices.h"
#include "tests/support/SampleAttempts.h"

#include <QDir>
#include <QLineSeries>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <random>

namespace {
const QDateTime kNow(QDate(2026, 12, 8), QTime(9, 0), Qt::UTC);

QString shotFolder() { return qEnvironmentVariable("VANTEL_SHOT_DIR", QDir::currentPath()); }

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The report printed as a PDF in folder; the file's path.
QString PrintToPdf(const ParentReport& report, const QTemporaryDir& folder) {
    QtPrinter pdf;
    PrinterChoice choice = pdf.Choice();
    choice.printerName.clear();
    choice.pdfBase = folder.filePath("report.pdf");
    pdf.SetChoice(choice);
    PrintParentReport(pdf, report);
    return pdf.LastOutputFile();
}

// Column of x in a plot columns wide over [xMin, xMax], as the reduction counts them.
int columnOf(double x, double xMin, double xMax, int columns) {
    return std::clamp(int(std::floor((x - xMin) * columns / (xMax - xMin))), 0, columns - 1);
}
} // namespace

class TestParentReport : public QObject, FakeProgressServices {
    Q_OBJECT

    FakeHistory history;

    ParentReport readReport(const QString& child, DrillKind drill, const QDateTime& since) {
        ParentReport read;
        bool answered = false;
        ReadParentReport(history, child, drill, since, kNow.toOffsetFromUtc(9 * 3600), this,
                         [&](ParentReport report) {
                             read = std::move(report);
                             answered = true;
                         });
        if (!answered)
            qFatal("the report was not read");
        return read;
    }

private slots:
    void initTestCase() {
        clock.now = kNow;
        history.attempts << SampleHistory("ゆい", DrillKind::Addition, kNow, 60, 1)
                         << SampleHistory("ゆい", DrillKind::Kuku, kNow, 20, 2);
        // Subtraction: one attempt with a wrong answer and so no best time yet.
        history.attempts << SampleAttempt("ゆい", DrillKind::Subtraction, kNow.addDays(-3), 125000,
                                          {{15, 6}});
        history.attempts << SampleAttempt("そら", DrillKind::Addition, kNow.addDays(-1), 150000,
                                          {{7, 8}, {3, 4}}, 1000, {{9, 9}}, 9000);
    }

    void aFewPointsAreKeptAsTheyAre() {
        const QList<QPointF> points{{0, 5}, {10, 3}, {20, 8}};
        QCOMPARE(ReduceToColumns(points, 0, 20, 100), points);
        QCOMPARE(ThinMarks(points, QRectF(0, 0, 20, 10), QSizeF(1000, 500), 4), points);
    }

    void aLongLineKeepsEachColumnsLowestAndHighest() {
        std::mt19937 rng(7);
        QList<QPointF> points;
        for (int i = 0; i < 10000; ++i)
            points << QPointF(i, 100 + int(rng() % 1000) / 10.0);
        points[5000].setY(1); // a spike down and one up must survive
        points[7001].setY(500);
        const int columns = 250;
        const QList<QPointF> reduced = ReduceToColumns(points, 0, 9999, columns);
        QVERIFY(reduced.size() <= 2 * columns);
        QVERIFY(reduced.size() >= columns);
        for (int i = 1; i < reduced.size(); ++i)
            QVERIFY(reduced[i].x() > reduced[i - 1].x());
        QVERIFY(reduced.contains(points[5000]));
        QVERIFY(reduced.contains(points[7001]));
        // Every column's range of values is the same as the whole line's.
        QHash<int, std::pair<double, double>> whole, kept;
        const auto gather = [&](const QList<QPointF>& line, QHash<int, std::pair<double, double>>& ranges) {
            for (const QPointF& p : line) {
                const int column = columnOf(p.x(), 0, 9999, columns);
                auto found = ranges.find(column);
                if (found == ranges.end())
                    ranges.insert(column, {p.y(), p.y()});
                else
                    *found = {std::min(found->first, p.y()), std::max(found->second, p.y())};
            }
        };
        gather(points, whole);
        gather(reduced, kept);
        QCOMPARE(kept, whole);
    }

    void marksThatCoverEachOtherAreDrawnOnce() {
        // A plot of 100 x 100 pixels over 0..100: one unit is one pixel.
        const QRectF range(0, 0, 100, 100);
        const QList<QPointF> marks{{10, 10}, {10.5, 10.5}, {11, 11.5}, {50, 10}, {10, 50}, {90, 90}};
        const QList<QPointF> thinned = ThinMarks(marks, range, QSizeF(100, 100), 4);
        QCOMPARE(thinned, (QList<QPointF>{{10, 10}, {50, 10}, {10, 50}, {90, 90}}));
    }

    void theBestIsAStepLineOverAllCorrectAttempts() {
        QList<Attempt> attempts;
        attempts << SampleAttempt("a", DrillKind::Addition, kNow.addDays(-3), 90000)
                 << SampleAttempt("a", DrillKind::Addition, kNow.addDays(-2), 60000, {{1, 1}})
                 << SampleAttempt("a", DrillKind::Addition, kNow.addDays(-1), 80000);
        const ChartPoints points = ChartPointsOf(attempts);
        const double x0 = double(kNow.addDays(-3).toMSecsSinceEpoch()),
                     x2 = double(kNow.addDays(-1).toMSecsSinceEpoch());
        QCOMPARE(points.best, (QList<QPointF>{{x0, 90}, {x2, 90}, {x2, 80}, {x2, 80}}));
        QCOMPARE(points.wrong.size(), 1);
        QCOMPARE(points.slowest, 90.0);
    }

    void eachDrillHasItsBestAndLatestOrNotYet() {
        const ParentReport report = readReport("ゆい", DrillKind::Addition, {});
        QCOMPARE(report.records.size(), 4);
        const DrillRecord& addition = report.records[0];
        QCOMPARE(addition.attempts, 60);
        std::uint32_t fastest = UINT32_MAX;
        for (const Attempt& a : history.Attempts("ゆい", DrillKind::Addition, {}))
            if (a.AllCorrect())
                fastest = std::min(fastest, a.durationMs);
        QCOMPARE(*addition.bestMs, fastest);
        QCOMPARE(addition.latest->startedUtc,
                 history.Attempts("ゆい", DrillKind::Addition, {}).last().startedUtc);
        // Wrong answers only: a latest time, but no best yet.
        QCOMPARE(BestText(report.records[1]), "まだ");
        QCOMPARE(LatestText(report.records[1]), "02:05（99/100）");
        QCOMPARE(BestText(report.records[2]), "まだ");
        QCOMPARE(LatestText(report.records[2]), "まだ");
        QCOMPARE(report.records[3].attempts, 20);
        // The chart's and the map's drill, and the period from the first attempt to today.
        QCOMPARE(report.attempts.size(), 60);
        QCOMPARE(report.from, QDate(2026, 10, 10));
        QCOMPARE(report.to, QDate(2026, 12, 8));
        QCOMPARE(PeriodText(report.from, report.to), "2026年10月10日 〜 2026年12月8日");
    }

    void aRangeStartsThePeriodAndLimitsTheRecords() {
        const ParentReport report = readReport("ゆい", DrillKind::Kuku, kNow.addDays(-30));
        QCOMPARE(report.from, QDate(2026, 11, 8));
        QCOMPARE(report.records[0].attempts, 30);
        QCOMPARE(report.records[3].attempts, 20);
        QCOMPARE(report.attempts.size(), 20);
        QCOMPARE(report.facts.drill, DrillKind::Kuku);
        // A child with no records: every drill not yet, and the period is today's.
        const ParentReport none = readReport("あたらしい子", DrillKind::Addition, {});
        for (const DrillRecord& record : none.records)
            QCOMPARE(BestText(record) + LatestText(record), "まだまだ");
        QCOMPARE(none.from, none.to);
        QVERIFY(PracticeFacts(none.facts).isEmpty());
    }

    void theWeakestFactsAreToPractise() {
        const ParentReport report = readReport("そら", DrillKind::Addition, {});
        // Both wrong once, then the slow one.
        QStringList weakest = PracticeFacts(report.facts).mid(0, 3);
        std::sort(weakest.begin(), weakest.begin() + 2);
        QCOMPARE(weakest, (QStringList{"3 + 4", "7 + 8", "9 + 9"}));
        QVERIFY(PracticeFacts(readReport("ゆい", DrillKind::Addition, {}).facts).size() <=
                kReportPracticeFacts);
    }

    void thePageIsOneA4PageWithEverythingOnIt() {
        QTemporaryDir folder;
        const ParentReport report = readReport("ゆい", DrillKind::Addition, {});
        const QString file = PrintToPdf(report, folder);
        QVERIFY(QFileInfo(file).size() > 1000);
        const QString kept = QDir(shotFolder()).filePath("parent-report.pdf");
        QFile::remove(kept);
        QVERIFY(QFile::copy(file, kept));
        run("pdftoppm",
            {"-png", "-r", "70", "-singlefile", file, QDir(shotFolder()).filePath("parent-report")});

        const QString info = run("pdfinfo", {file});
        if (info.isEmpty())
            QSKIP("pdfinfo is not installed");
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
        QVERIFY2(
            info.contains(QRegularExpression("Page size:\\s+595(\\.\\d+)? x 84[12](\\.\\d+)? pts \\(A4\\)")),
            qPrintable(info));
        const QString text = run("pdftotext", {"-layout", file, "-"}).simplified();
        QVERIFY2(text.contains("成績レポート"), qPrintable(text));
        QVERIFY(text.contains("ゆい"));
        QVERIFY(text.contains("2026年10月10日 〜 2026年12月8日"));
        for (const DrillRecord& record : report.records) {
            QVERIFY2(
                text.contains(DrillLabel(record.drill) + " " + BestText(record) + " " + LatestText(record)),
                qPrintable(DrillLabel(record.drill) + " " + BestText(record) + " " + LatestText(record)));
        }
        QVERIFY(text.contains("かかった時間（たしざん）"));
        const QStringList practise = PracticeFacts(report.facts);
        QVERIFY(!practise.isEmpty());
        // Large type: the reader leaves out the narrow spaces.
        for (const QString& fact : practise)
            QVERIFY2(QString(text).remove(' ').contains(QString(fact).remove(' ')), qPrintable(fact));
        // The chart and the map are pictures at the printer's resolution, kept whole.
        const QString images = run("pdfimages", {"-list", file});
        QCOMPARE(images.count(QRegularExpression("\\n\\s*1\\s+\\d+\\s+image")), 2);
        QVERIFY2(!images.contains(" jpeg "), qPrintable(images));
    }

    void aChildWithoutRecordsStillGetsAPage() {
        QTemporaryDir folder;
        const QString file = PrintToPdf(readReport("", DrillKind::Multiplication, kNow.addDays(-30)), folder);
        run("pdftoppm", {"-png", "-r", "70", "-singlefile", file,
                         QDir(shotFolder()).filePath("parent-report-empty")});
        const QString text = run("pdftotext", {"-layout", file, "-"}).simplified();
        if (text.isEmpty())
            QSKIP("pdftotext is not installed");
        QVERIFY2(text.contains("名前：名前なし"), qPrintable(text));
        QVERIFY(text.contains("2026年11月8日 〜 2026年12月8日"));
        QCOMPARE(text.count(QRegularExpression("まだ\\s*まだ\\s*0\\s*回")), 4);
        QVERIFY(text.contains("この期間の記録はありません"));
        QVERIFY(text.contains("苦手な問題はまだ見つかっていません"));
    }

    void theButtonPrintsOnceEveryDrillIsRead() {
        auto w = std::make_unique<ProgressWindow>(With(history), "ゆい", DrillKind::Kuku);
        auto* button = ProgressControl<QPushButton>(*w, "ReportButton");
        QVERIFY(button);
        QCOMPARE(button->text(), "成績レポート");
        printer.log.clear();
        printer.canvas.calls.clear();
        setup.shown = 0;
        history.holdAnswers = true;
        button->click();
        QCOMPARE(setup.shown, 1);
        QCOMPARE(history.held.size(), 4);
        QVERIFY(!button->isEnabled());
        for (int i = 0; i < 3; ++i)
            history.held[i]();
        QVERIFY(printer.log.isEmpty()); // not before the last read is in
        history.held[3]();
        history.held.clear();
        history.holdAnswers = false;
        QCOMPARE(printer.log, (QStringList{"BeginDoc", "EndDoc"}));
        QVERIFY(button->isEnabled());
        QStringList texts;
        for (const CanvasCall& call : printer.canvas.Calls(CanvasCall::TextOut))
            texts << call.text;
        QVERIFY(texts.contains("成績レポート"));
        QVERIFY(texts.contains("かかった時間（九九）"));
        QVERIFY(texts.contains("ひきざん"));
        // Everything on the page, the pictures at the printer's resolution.
        const QList<CanvasCall> images = printer.canvas.Calls(CanvasCall::Image);
        QCOMPARE(images.size(), 2);
        for (const CanvasCall& call : printer.canvas.calls) {
            QCOMPARE(call.page, 1);
            const QRect area = call.kind == CanvasCall::TextOut ? QRect(call.at, QSize(1, 1)) : call.rect;
            QVERIFY(QRect(0, 0, printer.PageWidth(), printer.PageHeight()).contains(area));
        }
        for (const CanvasCall& call : images)
            QVERIFY2(
                std::abs(call.imageSize.width() - call.rect.width()) <= 2,
                qPrintable(QStringLiteral("%1 for %2").arg(call.imageSize.width()).arg(call.rect.width())));
    }

    void theReportSpeaksTheChosenLanguage() {
        QTranslator english;
        QVERIFY(english.load("vantel_en", ":/i18n"));
        QCoreApplication::installTranslator(&english);
        auto w = std::make_unique<ProgressWindow>(With(history), "ゆい", DrillKind::Kuku);
        QCOMPARE(ProgressControl<QPushButton>(*w, "ReportButton")->text(), "Report");
        printer.canvas.calls.clear();
        w->PrintReport();
        QCoreApplication::removeTranslator(&english);
        QStringList texts;
        for (const CanvasCall& call : printer.canvas.Calls(CanvasCall::TextOut))
            texts << call.text;
        for (const char* text :
             {"Progress report", "Name: ゆい", "Times for each drill", "Taking away",
              "Latest time (right answers)", "How long it took (Times tables)", "Problems to practise"})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
        QVERIFY2(texts.filter("成績").isEmpty(), qPrintable(texts.join(u'|')));
        QCOMPARE(DrillLabel(DrillKind::Kuku), "九九"); // and Japanese again without the catalogue
    }

    // In every language the page's words stay on the page: none runs past
    // its right edge, whatever the length of the words.
    void eachLanguageKeepsItsWordsOnThePage_data() {
        QTest::addColumn<QString>("code");
        for (const char* code : {"en", "pt_BR", "zh_CN", "vi", "fil", "es"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }

    void eachLanguageKeepsItsWordsOnThePage() {
        QFETCH(QString, code);
        QTranslator catalogue;
        QVERIFY(catalogue.load("vantel_" + code, ":/i18n"));
        QCoreApplication::installTranslator(&catalogue);
        QTemporaryDir folder;
        const QString file = PrintToPdf(readReport("ゆい", DrillKind::Addition, {}), folder);
        QCoreApplication::removeTranslator(&catalogue);
        run("pdftoppm", {"-png", "-r", "70", "-singlefile", file,
                         QDir(shotFolder()).filePath("parent-report-" + code)});
        const QString boxes = run("pdftotext", {"-bbox", file, "-"});
        if (boxes.isEmpty())
            QSKIP("pdftotext is not installed");
        static const QRegularExpression word(
            QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" xMax=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
        int words = 0;
        for (const QRegularExpressionMatch& match : word.globalMatch(boxes)) {
            ++words;
            // A4 is 595 points wide; the page keeps a margin of about 10 mm.
            QVERIFY2(match.captured(2).toDouble() < 595 - 14, qPrintable(match.captured(3)));
        }
        QVERIFY(words > 30);
    }

    void aPrinterThatCannotStartIsTold() {
        auto w = std::make_unique<ProgressWindow>(With(history), "そら", DrillKind::Addition);
        printer.failBegin = true;
        messages.Clear();
        w->PrintReport();
        printer.failBegin = false;
        QCOMPARE(messages.errors, QStringList{"no printer"});
        QVERIFY(ProgressControl<QPushButton>(*w, "ReportButton")->isEnabled());
    }

    void aLongHistoryIsDrawnAsItsPixelsShow() {
        FakeHistory longHistory;
        longHistory.attempts = SampleHistory("long", DrillKind::Addition, kNow, 10000, 5);
        auto w = std::make_unique<ProgressWindow>(With(longHistory), "long", DrillKind::Addition);
        w->SetChoice("long", DrillKind::Addition, ProgressWindow::All);
        w->resize(1000, 720);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QTRY_VERIFY(w->TimeSeries->count() > 0);
        QCOMPARE(w->Model->rowCount(), 10000);
        QVERIFY2(w->TimeSeries->count() <= 2 * 1000, qPrintable(QString::number(w->TimeSeries->count())));
        QVERIFY(!w->TimeSeries->pointsVisible());
        // The fastest and the slowest attempt are still on the line; the best line is whole.
        const ChartPoints exact = ChartPointsOf(w->Model->Attempts());
        const QList<QPointF> shown = w->TimeSeries->points();
        const auto lowest = std::min_element(exact.times.begin(), exact.times.end(),
                                             [](QPointF a, QPointF b) { return a.y() < b.y(); });
        const auto highest = std::max_element(exact.times.begin(), exact.times.end(),
                                              [](QPointF a, QPointF b) { return a.y() < b.y(); });
        QVERIFY(shown.contains(*lowest));
        QVERIFY(shown.contains(*highest));
        QCOMPARE(w->BestSeries->points(), exact.best);
        QVERIFY(w->WrongSeries->count() > 0);
        QVERIFY(w->WrongSeries->count() < exact.wrong.size());
        // The table's rows: newest first, sorted by the model itself; the attempts keep their order.
        QVERIFY(w->SortedModel->index(0, 0).data(Qt::UserRole).toLongLong() >
                w->SortedModel->index(1, 0).data(Qt::UserRole).toLongLong());
        QVERIFY(w->Model->Attempts().first().startedUtc < w->Model->Attempts().last().startedUtc);
        QVERIFY(w->grab().save(QDir(shotFolder()).filePath("progress-window-10000.png")));
    }

    void theTableSortsItselfAndKeepsTheSelection() {
        AttemptTableModel model;
        QList<Attempt> attempts;
        for (int i = 0; i < 6; ++i) // times 3, 2, 1, 3, 2, 1 minutes, a day apart
            attempts << SampleAttempt("a", DrillKind::Addition, kNow.addDays(i - 6), (3 - i % 3) * 60000);
        model.sort(AttemptTableModel::Date, Qt::DescendingOrder);
        model.SetAttempts(attempts);
        QCOMPARE(model.index(0, 0).data(Qt::UserRole).toLongLong(),
                 attempts[5].startedUtc.toMSecsSinceEpoch());
        const QPersistentModelIndex chosen = model.index(1, AttemptTableModel::Time); // the fifth attempt
        model.sort(AttemptTableModel::Time, Qt::AscendingOrder);
        // Equal times keep the attempts' order: the third and the sixth, then the second and the fifth.
        QStringList dates;
        for (int row = 0; row < 6; ++row)
            dates << model.index(row, 0).data().toString().left(10);
        QCOMPARE(dates, (QStringList{"2026/12/04", "2026/12/07", "2026/12/03", "2026/12/06", "2026/12/02",
                                     "2026/12/05"}));
        QCOMPARE(chosen.row(), 3);
        QCOMPARE(chosen.column(), int(AttemptTableModel::Time));
        model.sort(AttemptTableModel::Time, Qt::DescendingOrder);
        QCOMPARE(model.index(0, 0).data().toString().left(10), "2026/12/02");
        QCOMPARE(model.index(5, 0).data().toString().left(10), "2026/12/07");
        // The attempts themselves stay oldest first, as the chart and the CSV take them.
        QCOMPARE(model.Attempts().first().startedUtc, attempts.first().startedUtc);
    }

    // The window with its new button, to look at.
    void picture() {
        auto w = std::make_unique<ProgressWindow>(With(history), "ゆい", DrillKind::Addition);
        w->SetChoice("ゆい", DrillKind::Addition, ProgressWindow::All);
        w->resize(1100, 780);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QVERIFY(w->grab().save(QDir(shotFolder()).filePath("progress-window-report.png")));
    }
};

QTEST_MAIN(TestParentReport)
#include "tst_parentreport.moc"
