// Latency benchmark: how long the program's own work adds to a child's time.
// It drives the real main window, made as the program makes it but with the
// test doubles of the platform services (the message after Stop is recorded,
// not shown: a message box's own appearance is Qt's), and measures, per event,
// the time from the key to the end of the repaint it causes (see PaintProbe.h):
//   - a digit typed into an answer cell, and Enter moving to the next cell,
//     while whole sheets are answered from the keyboard;
//   - Stop judging a full sheet (100 cells, marks, panels, repaint) and Start
//     making a new sheet, over further sheets whose answers are filled in
//     directly.
// Baselines in the same run, measured in turns with the events above so both
// see the same noise: the same digit typed into a plain QLineEdit with the
// cell editor's font and size, and one full repaint of a TStringGrid of the
// sheet's size, font and cells, each in a plain window.
// Budgets, as ratios of 99th percentiles: a digit and an Enter at most 2x the
// plain keystroke, Stop and Start at most 3x the grid repaint. Exit status 1
// when one is missed, 2 when the run itself went wrong.
//
// Usage: bench_latency [events] [--read-aloud]   (timed events of each kind,
// default 1000; --read-aloud: with problems read aloud by the real voice)
// Run it offscreen (QT_QPA_PLATFORM=offscreen) and under xvfb-run -a.
#include "PaintProbe.h"
#include "Percentiles.h"

#include "drill/ExpectedAnswer.h"
#include "drill/Judge.h"
#include "widgets/CellDrawing.h"
#include "widgets/GridCellEditor.h"
#include "widgets/TButton.h"

#include "platform/sound/SoundSdlEngine.h"
#include "platform/speech/EspeakSpeech.h"
#include "tests/support/FormFixture.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {
[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "bench_latency: %s\n", what);
    std::exit(2);
}

void activate(QWidget& window) {
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        fail("a window could not be activated");
}

// Records one measurement; a missing repaint ends the run.
void record(Latencies& into, qint64 ns, const char* what) {
    if (ns == PaintProbe::kPreempted) {
        ++into.preempted;
        return;
    }
    if (ns < 0) {
        std::fprintf(stderr, "bench_latency: no repaint after %s\n", what);
        std::exit(2);
    }
    into.Add(ns);
}

// The baselines: a plain line edit and a grid like the sheet, in a window of their own.
struct Baselines {
    QWidget window;
    QLineEdit* edit;
    TStringGrid* grid;

    explicit Baselines(const TStringGrid& sheetGrid) {
        window.setWindowTitle(QStringLiteral("baseline"));
        edit = new QLineEdit(&window);
        edit->setFont(sheetGrid.Editor()->font());
        edit->setAlignment(Qt::AlignCenter);
        edit->setGeometry(QRect(QPoint(0, 0), sheetGrid.Editor()->size()));
        grid = new TStringGrid(&window);
        grid->setFont(sheetGrid.font());
        grid->SetColCount(sheetGrid.ColCount());
        grid->SetRowCount(sheetGrid.RowCount());
        grid->SetDefaultColWidth(sheetGrid.DefaultColWidth());
        grid->SetDefaultRowHeight(sheetGrid.DefaultRowHeight());
        grid->setGeometry(QRect(QPoint(0, edit->height() + 8), sheetGrid.size()));
        grid->OnDrawCell = [](TStringGrid* sender, int col, int row, const QRect& rect, GridDrawState state,
                              QPainter& canvas) {
            DrawCentredCell(canvas, rect, sender->Cells(col, row), state.selected, sender->Color(),
                            sender->FontColor());
        };
        for (int row = 0; row < grid->RowCount(); ++row)
            for (int col = 0; col < grid->ColCount(); ++col)
                grid->SetCells(col, row,
                               row == 0 || col == 0 ? QString::number((row + col) % 10) : kCorrectMark);
        window.resize(grid->width(), grid->geometry().bottom() + 1);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            fail("the baseline window was not shown");
    }
};

struct Row {
    const char* name;
    const Latencies& events;
};

void printRow(const Row& row) {
    std::printf("  %-34s %9.3f %9.3f %8lld %10d\n", row.name, row.events.Median() / 1e6,
                row.events.P99() / 1e6, static_cast<long long>(row.events.Count()), row.events.preempted);
}

// Prints the ratio of 99th percentiles beside its budget; true when it is kept.
bool printBudget(const Row& row, const Row& baseline, double budget) {
    const double ratio = row.events.P99() / baseline.events.P99();
    const double medianRatio = row.events.Median() / baseline.events.Median();
    const bool kept = ratio <= budget;
    std::printf("  %-34s p99 %5.2fx %-22s budget <= %.1fx  %s   (median %.2fx)\n", row.name, ratio,
                baseline.name, budget, kept ? "ok" : "MISSED", medianRatio);
    return kept;
}
} // namespace

int main(int argc, char* argv[]) {
    PaintProbe app(argc, argv);
    const bool readAloud = app.arguments().contains(QStringLiteral("--read-aloud"));
    const int events =
        qMax(100, argc > 1 && argv[1][0] != '-' ? QString::fromLocal8Bit(argv[1]).toInt() : 1000);

    std::unique_ptr<SdlSoundEngine> voiceSound;
    std::unique_ptr<EspeakSpeech> voice;
    FormFixture f;
    if (readAloud) {
        voiceSound = std::make_unique<SdlSoundEngine>();
        voice = std::make_unique<EspeakSpeech>(*voiceSound);
        f.voice = voice.get();
    }
    if (!f.Open(false))
        fail("the main window was not shown");
    TForm1& form = *f.form;
    if (readAloud)
        form.ReadAloud1->trigger();
    QWindow* formWindow = form.windowHandle();
    TStringGrid* grid = form.StringGrid1;
    const DrillSheet& sheet = SheetOf(DrillKind::Addition);
    Baselines base(*grid);
    base.edit->setFocus();
    activate(form);

    Latencies plainKey, gridRepaint, digit, enter, stop, start;
    const auto press = [&](Qt::Key key) { return [=] { QTest::keyClick(formWindow, key); }; };
    const auto enough = [&](std::initializer_list<const Latencies*> rows) {
        return std::all_of(rows.begin(), rows.end(),
                           [&](const Latencies* row) { return row->Count() >= events; });
    };
    // Sheets are typed until the keystrokes have enough events, then filled in
    // directly until Stop and Start have. A machine so busy that most events
    // are set aside ends the run.
    const int maxSheets = 4 * events;
    int sheets = 0;
    for (; !enough({&plainKey, &gridRepaint, &digit, &enter, &stop, &start}); ++sheets) {
        if (sheets == maxSheets)
            fail("too many events were set aside: the machine is too busy");
        f.messages.Clear();
        record(gridRepaint, app.Measure(base.grid, [&] { base.grid->update(); }), "a grid update");
        if (!form.BitBtn7->hasFocus())
            fail("Start does not have the focus");
        record(start, app.Measure(grid, press(Qt::Key_Return)), "Start");
        if (!grid->hasFocus())
            fail("Start did not move the focus to the sheet");

        QStringList answers;
        for (int row = 1; row <= sheet.size; ++row)
            for (int col = 1; col <= sheet.size; ++col)
                answers.append(ExpectedAnswer(*grid, sheet.operation, col, row));

        if (!enough({&plainKey, &digit, &enter})) {
            // Each digit is measured right after the same digit typed into the
            // plain edit, so both see the same noise of the machine. The
            // edit's window stays inactive; its key still goes to the edit.
            for (const QString& answer : answers) {
                for (QChar ch : answer) {
                    base.edit->clear();
                    record(plainKey,
                           app.Measure(base.edit,
                                       [&] { QTest::keyClick(base.window.windowHandle(), ch.toLatin1()); }),
                           "a keystroke in the plain edit");
                    record(digit, app.Measure(grid, [&] { QTest::keyClick(formWindow, ch.toLatin1()); }),
                           "a digit");
                }
                record(enter, app.Measure(grid, press(Qt::Key_Return)), "Enter");
            }
        } else {
            int i = 0;
            for (int row = 1; row <= sheet.size; ++row)
                for (int col = 1; col <= sheet.size; ++col)
                    grid->SetCells(col, row, answers[i++]);
            form.BitBtn6->setFocus();
        }
        if (!form.BitBtn6->hasFocus())
            fail("the last Enter did not move the focus to Stop");
        f.ticks.now += 60000;
        record(stop, app.Measure(grid, press(Qt::Key_Return)), "Stop");
        if (f.messages.messages.size() != 1 || grid->Cells(sheet.size, sheet.size) != kCorrectMark)
            fail("Stop did not judge the sheet as all correct");
    }

    const Row keyRow{"plain line edit: keystroke", plainKey};
    const Row repaintRow{"grid of the sheet's size: repaint", gridRepaint};
    const Row digitRow{"digit in an answer cell", digit};
    const Row enterRow{"Enter to the next cell", enter};
    const Row stopRow{"Stop judging a full sheet", stop};
    const Row startRow{"Start making a new sheet", start};
    std::printf("Vantel latency, key to end of repaint, platform %s, %d sheets (times in ms)\n",
                qPrintable(QGuiApplication::platformName()), sheets);
    std::printf("  %-34s %9s %9s %8s %10s\n", "event", "median", "p99", "events", "set aside");
    for (const Row& row : {keyRow, repaintRow, digitRow, enterRow, stopRow, startRow})
        printRow(row);
    std::printf("budgets (ratios of 99th percentiles):\n");
    bool kept = true;
    kept &= printBudget(digitRow, Row{"of the plain keystroke", plainKey}, 2.0);
    kept &= printBudget(enterRow, Row{"of the plain keystroke", plainKey}, 2.0);
    kept &= printBudget(stopRow, Row{"of the grid repaint", gridRepaint}, 3.0);
    kept &= printBudget(startRow, Row{"of the grid repaint", gridRepaint}, 3.0);
    std::printf(kept ? "all budgets kept\n" : "a budget was missed\n");
    std::fflush(stdout);
    return kept ? 0 : 1;
}
