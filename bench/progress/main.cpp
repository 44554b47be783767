// Ratios measured in one run:
// - a Stop (judge + repaint of the sheet) with and without recording the attempt;
// - the progress window on 10,000 attempts of one child (a million answer
//   rows) against a bare window with one empty QChartView, both shown and painted;
// - switching the drill in that window against the same baseline;
// - the size of the history file per attempt.
#include "drill/CellTable.h"
#include "drill/ExpectedAnswer.h"
#include "drill/Judge.h"
#include "print/VoskGridP.h"
#include "progress/AttemptRecording.h"
#include "progress/ProgressWindow.h"
#include "progress/SqliteHistory.h"
#include "widgets/TStringGrid.h"

#include "tests/support/FakeFileDialogs.h"
#include "tests/support/FakeServices.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/SampleAttempts.h"
#include "tests/support/ScriptedRandom.h"

#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>

namespace {
double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Shows a window and paints it whole, as its first appearance does.
double showAndPaint(QWidget& window) {
    QElapsedTimer timer;
    timer.start();
    window.show();
    window.repaint();
    QCoreApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

double bareChartWindow() {
    QDialog window;
    window.resize(1000, 720);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QChartView);
    return showAndPaint(window);
}

void fillSheet(TStringGrid& grid, int round) {
    for (int i = 1; i <= 10; ++i) {
        grid.SetCells(i, 0, QString::number((i + round) % 10));
        grid.SetCells(0, i, QString::number((i * 3 + round) % 10));
    }
    for (int row = 1; row <= 10; ++row)
        for (int col = 1; col <= 10; ++col)
            grid.SetCells(col, row,
                          row == 5 && col == 5 ? QStringLiteral("99")
                                               : ExpectedAnswer(grid, Operation::Add, col, row));
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir folder;
    FakeMessageBoxes messages;

    // 1. The Stop with and without recording.
    {
        const DrillSheet& sheet = SheetOf(DrillKind::Addition);
        TStringGrid grid;
        grid.SetColCount(11);
        grid.SetRowCount(11);
        grid.SetDefaultColWidth(60);
        grid.SetDefaultRowHeight(39);
        grid.resize(676, 444);
        grid.show();
        SqliteHistory history(folder.filePath("stop.sqlite"), messages);
        KeystrokeLog keys;
        const QDateTime now = QDateTime::currentDateTime();
        std::vector<double> plain, recorded;
        for (int round = 0; round < 60; ++round) {
            for (bool record : {false, true}) {
                fillSheet(grid, round);
                QElapsedTimer timer;
                timer.start();
                const QStringList typed = AnswerTexts(grid, sheet);
                const JudgeResult result = JudgeSheet(grid, sheet, 61000, "01:01", "59:59");
                if (record)
                    history.Record(MakeAttempt({grid, sheet, typed, result.correct, false, 61000, 0, now},
                                               keys, "bench"));
                grid.repaint();
                const double ms = double(timer.nsecsElapsed()) / 1e6;
                if (round >= 10) // the first rounds open the file and warm the caches
                    (record ? recorded : plain).push_back(ms);
            }
        }
        const double p = median(plain), r = median(recorded);
        std::printf("stop: judge+repaint %.2f ms, with recording %.2f ms, ratio %.2f (record adds %.1f%%)\n",
                    p, r, r / p, (r / p - 1) * 100);
    }

    // 2. A long history.
    const QString path = folder.filePath("history.sqlite");
    const int count = qEnvironmentVariableIntValue("VANTEL_BENCH_ATTEMPTS") > 0
                          ? qEnvironmentVariableIntValue("VANTEL_BENCH_ATTEMPTS")
                          : 10000;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    SqliteHistory history(path, messages);
    {
        QElapsedTimer timer;
        timer.start();
        QList<Attempt> attempts = SampleHistory("bench", DrillKind::Addition, now, count, 1);
        // The attempts spread over the days like several a day.
        for (int i = 0; i < attempts.size(); ++i)
            attempts[i].startedUtc = now.addSecs(-qint64(count - i) * 3 * 3600);
        history.RecordAll(attempts);
        history.RecordAll(SampleHistory("bench", DrillKind::Kuku, now, 200, 2));
        std::printf("history: %d attempts written in %.1f s\n", count, double(timer.elapsed()) / 1000);
    }
    {
        const QString name = "size";
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(path);
        db.open();
        QSqlQuery(db).exec("PRAGMA wal_checkpoint(TRUNCATE)");
        db.close();
    }
    QSqlDatabase::removeDatabase("size");
    std::printf("file: %.0f bytes per attempt (%lld bytes)\n", double(QFileInfo(path).size()) / (count + 200),
                QFileInfo(path).size());

    FakeClock clock;
    clock.now = QDateTime::currentDateTime();
    FakeFileDialogs dialogs;
    FakePrinterSetup setup;
    RecordingPrinter printer;
    ScriptedRandom random;
    TVoskSGridPrinter namePanel(printer);
    const ProgressServices services{history, clock, dialogs, messages, setup, printer, namePanel, random};

    bareChartWindow(); // warms fonts and the chart's first use
    std::vector<double> bare, progress, switching, bareAgain;
    for (int i = 0; i < 5; ++i) {
        bare.push_back(bareChartWindow());
        QElapsedTimer timer;
        timer.start();
        ProgressWindow window(services, "bench", DrillKind::Addition);
        window.resize(1000, 720);
        showAndPaint(window);
        progress.push_back(double(timer.nsecsElapsed()) / 1e6);
        // Default range: the last 30 days. "All" is the worst case.
        timer.restart();
        window.RangeBox->setCurrentIndex(ProgressWindow::All);
        window.repaint();
        QCoreApplication::processEvents();
        const double allMs = double(timer.nsecsElapsed()) / 1e6;
        if (i == 0)
            std::printf("all %d attempts drawn in %.1f ms\n", count, allMs);
        timer.restart();
        window.DrillBox->setCurrentIndex(int(DrillKind::Kuku));
        window.repaint();
        QCoreApplication::processEvents();
        switching.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    const double b = median(bare), p = median(progress), s = median(switching);
    std::printf("bare chart window %.1f ms, progress window (30 days) %.1f ms: ratio %.2f (target <= 3)\n", b,
                p, p / b);
    std::printf("switching the drill %.1f ms: ratio %.2f against the bare window\n", s, s / b);
    return 0;
}
