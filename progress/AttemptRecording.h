// What the main window hands the history at a judged Stop: the answers as
// typed (read before the judge marks them), which were right, and when each
// cell got its last keystroke.
#pragma once

#include "drill/CellTable.h"
#include "drill/DrillSheet.h"
#include "drill/GridCells.h"
#include "progress/Attempt.h"

#include <QHash>
#include <QStringList>
#include <optional>

// The last keystroke tick of every answer cell, per drill.
class KeystrokeLog {
public:
    // A new sheet: keystrokes of the old one no longer count.
    void Clear(DrillKind drill);
    void Typed(DrillKind drill, int col, int row, std::uint32_t tick);
    std::optional<std::uint32_t> LastTick(DrillKind drill, int col, int row) const;

private:
    static int key(DrillKind drill, int col, int row) { return (int(drill) << 16) | (row << 8) | col; }
    QHash<int, std::uint32_t> ticks_;
};

// The answer cells' texts, row by row, before the judge replaces the right ones.
QStringList AnswerTexts(const GridCells& grid, const DrillSheet& sheet);

struct JudgedSheet {
    const GridCells& grid; // after judging: right answers show the mark
    const DrillSheet& sheet;
    QStringList typed; // AnswerTexts before judging
    int score = 0;
    bool newBest = false;
    std::uint32_t durationMs = 0;
    std::uint32_t startTicks = 0; // the stopwatch's start mark
    QDateTime stoppedLocal;       // the clock at Stop
};

// How long the result message waits for the attempt's commit: longer than
// another copy of the program may hold the file (the busy timeout), so only a
// stuck disk lets the message come first; the writing goes on behind it.
constexpr int kRecordWaitMs = 5000;

Attempt MakeAttempt(const JudgedSheet& judged, const KeystrokeLog& keys, const QString& child);

// A judged sheet copied at Stop, to make the attempt from on the history's
// writer thread. The copies share their texts with the window's grid and log
// until either side changes, so taking them costs next to nothing.
struct StoppedSheet {
    CellTable grid; // after judging
    const DrillSheet* sheet = nullptr;
    QStringList typed;
    int score = 0;
    bool newBest = false;
    std::uint32_t durationMs = 0;
    std::uint32_t startTicks = 0;
    QDateTime stoppedLocal;
    KeystrokeLog keys;
    QString child;

    Attempt Make() const;
};
