// The drill as the program holds it, apart from any widget: per sheet the
// corner, the headers, the answers and which of them are right, and when each
// answer cell got its last keystroke; the one stopwatch of all sheets; the
// last and best time of each drill. The grids and the status panels are views
// of it: they show what its signals report and hand it what is typed.
#pragma once

#include "drill/Attempt.h"
#include "drill/DrillSheet.h"
#include "drill/Judge.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

class RandomSource;
class StopWatch;
class TickCounter;

// One sheet's contents as values. Answer cells are listed row by row.
struct SheetState {
    enum class Corner { AtStart, Generated, Cleared };
    Corner corner = Corner::AtStart;
    QList<int> top;  // column operands; empty until a Start, and after Clear
    QList<int> left; // row operands
    QStringList typed;
    QList<bool> right;            // shown as the mark instead of the typed text
    QList<std::int64_t> keyTicks; // tick of the last keystroke, -1 for none

    static SheetState Empty(const DrillSheet& sheet, Corner corner);
    // What the grid shows in (col, row): the corner, a header, the mark or the typed text.
    QString CellText(const DrillSheet& sheet, int col, int row) const;
};

// A best time: the milliseconds that count, and the text the panel and the
// settings file show. A stored text that is not a time is kept as it is, and
// counts as no best time.
struct BestTime {
    std::optional<std::uint32_t> ms;
    QString text;
};

// A judged sheet as it stood at Stop. A copy shares its lists with the
// session until either side changes, so taking one costs next to nothing;
// Make may run on another thread.
struct StoppedAttempt {
    const DrillSheet* sheet = nullptr;
    SheetState state;
    int score = 0;
    bool newBest = false;
    std::uint32_t durationMs = 0;
    std::uint32_t startTicks = 0; // the stopwatch's start mark
    QDateTime stoppedLocal;       // the clock at Stop
    QString child;

    Attempt Make() const;
};

class DrillSession : public QObject {
    Q_OBJECT
public:
    DrillSession(TickCounter& ticks, RandomSource& random, QObject* parent = nullptr);

    // The one stopwatch all four sheets share.
    StopWatch& Watch() const { return *watch_; }

    const SheetState& State(DrillKind kind) const { return drills_[index(kind)].state; }
    QString CellText(DrillKind kind, int col, int row) const;

    // Start: a fresh sheet, its keystrokes forgotten, then the stopwatch started.
    void Start(DrillKind kind);
    // Stop: the stopwatch read into the last time, then the judging.
    JudgeResult Stop(DrillKind kind);
    // Every cell emptied, the after-Clear corner; the times stay.
    void Clear(DrillKind kind);
    // The text an answer cell now holds, whoever wrote it; the mark stands for a right answer.
    void SetAnswer(DrillKind kind, int col, int row, const QString& text);
    // A keystroke in an answer cell: its text, and the time it came for the record.
    void Type(DrillKind kind, int col, int row, const QString& text);
    // The correct answer in every answer cell, as if typed, so a judge counts it.
    void FillAnswerKey(DrillKind kind);

    std::optional<std::uint32_t> LastTimeMs(DrillKind kind) const { return drills_[index(kind)].lastMs; }
    // "mm:ss", or "00:00" before any Stop and after a reset.
    QString LastTimeText(DrillKind kind) const;
    void SetLastTime(DrillKind kind, std::uint32_t ms);
    const BestTime& Best(DrillKind kind) const { return drills_[index(kind)].best; }
    QString BestTimeText(DrillKind kind) const { return Best(kind).text; }
    // The text stored in the settings file.
    void LoadBestTime(DrillKind kind, const QString& text);
    // Best time "59:59", last time "00:00".
    void ResetTimes(DrillKind kind);

    // The attempt of the last complete Stop of this sheet.
    StoppedAttempt Stopped(DrillKind kind, const QString& child, const QDateTime& stoppedLocal) const;

signals:
    void CellChanged(DrillKind kind, int col, int row);
    // Many cells at once: Start, Stop, Clear, the answer key.
    void SheetChanged(DrillKind kind);
    void LastTimeChanged(DrillKind kind);
    void BestTimeChanged(DrillKind kind);

private:
    struct Drill {
        SheetState state;
        std::optional<std::uint32_t> lastMs;
        BestTime best;
        int score = 0;
        bool newBest = false;
    };
    static std::size_t index(DrillKind kind) { return static_cast<std::size_t>(kind); }
    // The index of an answer cell in the state's lists, or -1.
    static int answerIndex(const DrillSheet& sheet, int col, int row);
    void setBest(DrillKind kind, BestTime best);

    TickCounter& ticks_;
    RandomSource& random_;
    StopWatch* watch_;
    std::array<Drill, 4> drills_;
};
