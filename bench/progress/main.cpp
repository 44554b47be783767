// The progress history's speed, as ratios measured in one run, each printed
// beside its budget; the exit status is 1 when one is missed, 2 when the run
// itself went wrong. Run it offscreen (QT_QPA_PLATFORM=offscreen) and under
// xvfb-run -a; this machine is shared, so run it more than once.
//
// - Stop: judging a full sheet and repainting it, with and without recording
//   the attempt, in turns so both see the same noise; rounds in which the
//   kernel took the processor away are set aside; medians. As in the main
//   window, the attempt is handed to the history's writer once the marks are
//   painted and the result message waits for its commit: that wait is shown
//   too. Budget: recording adds at most 5% to the Stop.
// - Open: the progress window on 10,000 attempts of one child (a million
//   answer rows; the last 30 days shown, as it opens) against a bare window
//   of the same size with one empty QChartView, both measured the same way:
//   from the constructor to the end of the last event in which the window
//   painted, once nothing is left to do (a chart paints its series in a
//   later update of its scene). Budget: at most 3x.
// - Switching the drill (to the times table and back): from the choice to
//   the end of its last repaint. "One frame's worth of work" is taken as the
//   bare chart window's own show-and-paint: budget at most 1x of it.
// - The range "all" (all 10,000 attempts drawn): the window opened on it,
//   measured as above, with the attempts already read (a reader that answers
//   from memory on the next turn of the event loop): the window's own work,
//   the chart reduced to what its pixels show and the table. Budget: at most
//   3x. The same from the file, and the choice of "all" in an open window,
//   are shown beside it without a budget: there the file's read of 10,000
//   attempts and their facts on the history's worker comes first.
// - The history file's size per attempt after a checkpoint: under 4 KB.
//
// Usage: bench_progress [attempts]   (default 10000)
#include "drill/CellTable.h"
#include "drill/DrillSession.h"
#include "drill/ExpectedAnswer.h"
#include "print/VoskGridP.h"
#include "progress/AttemptRecording.h"
#include "progress/ProgressWindow.h"
#include "progress/SqliteHistory.h"
#include "widgets/CellDrawing.h"
#include "widgets/TStringGrid.h"

#include "tests/support/FakeProgressServices.h"
#include "tests/support/FakeServices.h"
#include "tests/support/Measure.h"
#include "tests/support/SampleAttempts.h"
#include "tests/support/ScriptedRandom.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <sys/resource.h>

namespace {
[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "bench_progress: %s\n", what);
    std::exit(2);
}

long involuntarySwitches() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nivcsw;
}

// Sees every event delivered, so it can tell when a window has been painted:
// the end of the outermost event during which a widget of the watched window
// received a Paint event (the window's UpdateRequest paints every dirty widget
// into the backing store and flushes it to the window system).
class Probe : public QApplication {
public:
    using QApplication::QApplication;

    static void Settle() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
    }

    // Milliseconds from calling act to the end of the last paint of the
    // window it returns (a new one, or shown, which is on screen already and
    // may paint within act) once nothing is left to do: a chart paints its
    // series in a later update of its scene.
    double Measure(const std::function<QWidget*()>& act, QWidget* shown = nullptr) {
        Settle();
        painted_ = false;
        finishedAt_ = -1;
        QElapsedTimer timer;
        timer.start();
        clock_ = &timer;
        target_ = shown;
        target_ = act();
        const QDeadlineTimer deadline(5000);
        while (finishedAt_ < 0 && !deadline.hasExpired())
            QCoreApplication::processEvents();
        for (int idle = 0; idle < 3 && !deadline.hasExpired();)
            idle = QCoreApplication::eventDispatcher()->processEvents(QEventLoop::AllEvents) ? 0 : idle + 1;
        target_ = nullptr;
        clock_ = nullptr;
        if (finishedAt_ < 0)
            fail("a window was not painted");
        return double(finishedAt_) / 1e6;
    }

    bool notify(QObject* receiver, QEvent* event) override {
        if (!target_)
            return QApplication::notify(receiver, event);
        if (event->type() == QEvent::Paint && receiver->isWidgetType() &&
            static_cast<QWidget*>(receiver)->window() == target_)
            painted_ = true;
        ++depth_;
        const bool result = QApplication::notify(receiver, event);
        --depth_;
        if (depth_ == 0 && painted_) {
            finishedAt_ = clock_->nsecsElapsed();
            painted_ = false;
        }
        return result;
    }

private:
    QWidget* target_ = nullptr;
    QElapsedTimer* clock_ = nullptr;
    bool painted_ = false;
    int depth_ = 0;
    qint64 finishedAt_ = -1;
};

std::unique_ptr<QDialog> bareChartWindow() {
    auto window = std::make_unique<QDialog>();
    window->resize(1000, 720);
    auto* layout = new QVBoxLayout(window.get());
    layout->addWidget(new QChartView);
    window->show();
    return window;
}

// The addition sheet as the main window shows it, answered with one wrong cell.
// A fresh addition sheet typed in full, one answer wrong, a keystroke every 600 ms.
void fillSheet(DrillSession& session, FakeTicks& ticks) {
    const DrillKind kind = DrillKind::Addition;
    ticks.now = 0;
    session.Start(kind);
    const SheetState& state = session.State(kind);
    for (int row = 1; row <= 10; ++row)
        for (int col = 1; col <= 10; ++col) {
            ticks.now = std::uint32_t((row * 10 + col) * 600);
            session.Type(kind, col, row,
                         row == 5 && col == 5
                             ? QStringLiteral("99")
                             : ExpectedAnswer(Operation::Add, state.top[col - 1], state.left[row - 1]));
        }
    ticks.now = 61000;
}

// A history already read: it answers from memory, on the next turn of the event loop as a worker would.
class KeptHistory : public HistoryReader {
public:
    explicit KeptHistory(ChildProgress kept) : kept_(std::move(kept)) {}
    void ReadChildren(QObject* context, std::function<void(QStringList)> done) override {
        QTimer::singleShot(0, context, [done] { done({QStringLiteral("bench")}); });
    }
    void ReadProgress(const QString&, DrillKind, const QDateTime&, QObject* context,
                      std::function<void(ChildProgress)> done) override {
        QTimer::singleShot(0, context, [this, done] { done(kept_); });
    }

private:
    ChildProgress kept_;
};

struct Budget {
    const char* what;
    double value;
    double limit; // < 0: shown only
    const char* unit;
};

bool report(const Budget& b) {
    if (b.limit < 0) {
        std::printf("  %-44s %9.2f%-3s (no budget)\n", b.what, b.value, b.unit);
        return true;
    }
    const bool kept = b.value <= b.limit;
    std::printf("  %-44s %9.2f%-3s (budget <= %g%s) %s\n", b.what, b.value, b.unit, b.limit, b.unit,
                kept ? "ok" : "MISSED");
    return kept;
}
} // namespace

int main(int argc, char* argv[]) {
    Probe app(argc, argv);
    const int count = argc > 1 ? std::max(100, atoi(argv[1])) : 10000;
    QTemporaryDir folder;
    FakeMessageBoxes messages;
    std::vector<Budget> budgets;

    // 1. The Stop with and without recording.
    {
        const DrillSheet& sheet = SheetOf(DrillKind::Addition);
        QWidget window;
        auto* grid = new TStringGrid(&window);
        grid->SetColCount(11);
        grid->SetRowCount(11);
        grid->SetDefaultColWidth(60);
        grid->SetDefaultRowHeight(39);
        grid->resize(676, 444);
        grid->OnDrawCell = [](TStringGrid* sender, int col, int row, const QRect& rect, GridDrawState state,
                              QPainter& canvas) {
            DrawCentredCell(canvas, rect, sender->Cells(col, row), state.selected, sender->Color(),
                            sender->FontColor());
        };
        window.resize(grid->size());
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            fail("the sheet was not shown");
        SqliteHistory history(folder.filePath("stop.sqlite"), messages);
        FakeTicks ticks;
        ScriptedRandom random;
        DrillSession session(ticks, random);
        // The grid as the main window shows the session.
        QObject::connect(&session, &DrillSession::SheetChanged, grid, [&](DrillKind kind) {
            for (int row = 0; row <= 10; ++row)
                for (int col = 0; col <= 10; ++col)
                    grid->SetCells(col, row, session.CellText(kind, col, row));
        });
        QObject::connect(&session, &DrillSession::CellChanged, grid, [&](DrillKind kind, int col, int row) {
            grid->SetCells(col, row, session.CellText(kind, col, row));
        });
        std::vector<double> plain, recorded, waited;
        int setAside = 0;
        for (int round = 0; round < 420; ++round) {
            // Alternate which goes first, so drift in the machine favours neither.
            for (bool record : {round % 2 == 0, round % 2 != 0}) {
                fillSheet(session, ticks);
                Probe::Settle();
                const long switches = involuntarySwitches();
                QElapsedTimer timer;
                timer.start();
                session.Stop(sheet.kind);
                grid->repaint();
                const double ms = double(timer.nsecsElapsed()) / 1e6;
                const bool preempted = involuntarySwitches() != switches;
                // As the main window does: the attempt is handed over once the
                // marks are painted, and the message waits for its commit.
                if (record) {
                    history.RecordInBackground(
                        [stopped = session.Stopped(sheet.kind, "bench", QDateTime::currentDateTime())] {
                            return stopped.Make();
                        });
                    if (!history.WaitRecorded(10000))
                        fail("an attempt was not recorded");
                }
                const double until = double(timer.nsecsElapsed()) / 1e6;
                if (preempted) {
                    ++setAside;
                } else if (round >= 20) { // the first rounds open the file and warm the caches
                    (record ? recorded : plain).push_back(ms);
                    if (record)
                        waited.push_back(until - ms);
                }
            }
        }
        const double p = Median(plain), r = Median(recorded);
        std::printf("stop: judge+repaint %.3f ms, with recording %.3f ms (medians of %zu and %zu, %d"
                    " preempted set aside); the message waited %.2f ms more for the commit\n",
                    p, r, plain.size(), recorded.size(), setAside, Median(waited));
        budgets.push_back({"recording adds to the Stop", (r / p - 1) * 100, 5, "%"});
    }

    // 2. A long history.
    const QString path = folder.filePath("history.sqlite");
    const QDateTime now = QDateTime::currentDateTimeUtc();
    SqliteHistory history(path, messages);
    {
        QElapsedTimer timer;
        timer.start();
        QList<Attempt> attempts = SampleHistory("bench", DrillKind::Addition, now, count, 1);
        // The attempts spread over the days like several a day.
        for (int i = 0; i < attempts.size(); ++i)
            attempts[i].startedUtc = now.addSecs(-qint64(count - i) * 3 * 3600);
        if (!history.RecordAll(attempts) ||
            !history.RecordAll(SampleHistory("bench", DrillKind::Kuku, now, 200, 2)))
            fail("the history could not be written");
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
    const double perAttempt = double(QFileInfo(path).size()) / (count + 200);

    // The reads come back from the history's worker: measured to the window with its data.
    const auto settle = [](ProgressWindow& window) {
        while (window.Loading())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    };
    FakeProgressServices fakes;
    fakes.clock.now = QDateTime::currentDateTime();
    const ProgressServices services = fakes.With(history);
    const auto openProgress = [&] {
        auto window = std::make_unique<ProgressWindow>(services, "bench", DrillKind::Addition);
        window->resize(1000, 720);
        window->show();
        settle(*window);
        return window;
    };
    KeptHistory inMemory(history.Progress("bench", DrillKind::Addition, {}));
    const auto openAll = [&](HistoryReader& reader) {
        auto window = std::make_unique<ProgressWindow>(fakes.With(reader), "bench", DrillKind::Addition);
        window->SetChoice("bench", DrillKind::Addition, ProgressWindow::All);
        window->resize(1000, 720);
        window->show();
        settle(*window);
        return window;
    };

    // Warm the fonts, the chart's first use and the file's pages.
    {
        std::unique_ptr<QWidget> b, w;
        app.Measure([&] { return (b = bareChartWindow()).get(); });
        app.Measure([&] { return (w = openProgress()).get(); });
        app.Measure([&] { return (w = openAll(inMemory)).get(); });
    }
    std::vector<double> bare, opened, switching, all, allOpened, allRead;
    for (int i = 0; i < 9; ++i) {
        std::unique_ptr<QWidget> b, w;
        bare.push_back(app.Measure([&] {
            b = bareChartWindow();
            return b.get();
        }));
        opened.push_back(app.Measure([&] {
            w = openProgress();
            return w.get();
        }));
        auto* window = static_cast<ProgressWindow*>(w.get());
        for (DrillKind drill : {DrillKind::Kuku, DrillKind::Addition})
            switching.push_back(app.Measure(
                [&] {
                    window->findChild<QComboBox*>("DrillBox")->setCurrentIndex(int(drill));
                    settle(*window);
                    return window;
                },
                window));
        all.push_back(app.Measure(
            [&] {
                window->SetChoice("bench", DrillKind::Addition, ProgressWindow::All);
                settle(*window);
                return window;
            },
            window));
        w.reset();
        allOpened.push_back(app.Measure([&] {
            w = openAll(inMemory);
            return w.get();
        }));
        w.reset();
        allRead.push_back(app.Measure([&] {
            w = openAll(history);
            return w.get();
        }));
    }
    const double b = Median(bare), o = Median(opened), s = Median(switching), a = Median(all);
    const double ao = Median(allOpened), ar = Median(allRead);
    std::printf("bare chart window %.1f ms; progress window (last 30 days) %.1f ms; switching the drill"
                " %.1f ms; all %d attempts %.1f ms; opened on all, read %.1f ms, from the file %.1f ms\n",
                b, o, s, count, a, ao, ar);
    budgets.push_back({"progress window opens, x bare chart window", o / b, 3, "x"});
    budgets.push_back({"switching the drill, x bare chart window", s / b, 1, "x"});
    budgets.push_back({"opens on all (attempts read), x bare window", ao / b, 3, "x"});
    budgets.push_back({"opens on all from the file, x bare window", ar / b, -1, "x"});
    budgets.push_back({"range all chosen, x bare chart window", a / b, -1, "x"});
    budgets.push_back({"history file per attempt", perAttempt, 4096, " B"});

    std::printf("budgets (platform %s):\n", qPrintable(QGuiApplication::platformName()));
    bool kept = true;
    for (const Budget& budget : budgets)
        kept &= report(budget);
    std::printf(kept ? "all budgets kept\n" : "a budget was missed\n");
    std::fflush(stdout);
    return kept ? 0 : 1;
}
