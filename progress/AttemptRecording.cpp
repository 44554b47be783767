#include "progress/AttemptRecording.h"

#include "drill/ExpectedAnswer.h"
#include "drill/Judge.h"

void KeystrokeLog::Clear(DrillKind drill) {
    for (auto it = ticks_.begin(); it != ticks_.end();)
        it = (it.key() >> 16) == int(drill) ? ticks_.erase(it) : std::next(it);
}

void KeystrokeLog::Typed(DrillKind drill, int col, int row, std::uint32_t tick) {
    ticks_[key(drill, col, row)] = tick;
}

std::optional<std::uint32_t> KeystrokeLog::LastTick(DrillKind drill, int col, int row) const {
    const auto it = ticks_.constFind(key(drill, col, row));
    if (it == ticks_.cend())
        return std::nullopt;
    return *it;
}

QStringList AnswerTexts(const GridCells& grid, const DrillSheet& sheet) {
    QStringList texts;
    for (int row = 1; row <= sheet.size; ++row)
        for (int col = 1; col <= sheet.size; ++col)
            texts << grid.Cells(col, row);
    return texts;
}

Attempt MakeAttempt(const JudgedSheet& judged, const KeystrokeLog& keys, const QString& child) {
    const DrillSheet& sheet = judged.sheet;
    Attempt a;
    a.child = child;
    a.drill = sheet.kind;
    // One look at the local zone, on the way to the result: each costs a
    // stat of the zone file where TZ is unset. The offset is the one at Stop,
    // the start's but for a clock change within the attempt.
    const QDateTime stoppedUtc = judged.stoppedLocal.toUTC();
    const QDateTime wallClock(judged.stoppedLocal.date(), judged.stoppedLocal.time(), Qt::UTC);
    a.startedUtc = stoppedUtc.addMSecs(-qint64(judged.durationMs));
    a.utcOffsetSeconds = int(stoppedUtc.secsTo(wallClock));
    a.durationMs = judged.durationMs;
    a.score = judged.score;
    a.fullScore = sheet.FullScore();
    a.newBest = judged.newBest;
    for (int i = 1; i <= sheet.size; ++i) {
        a.topHeaders << int(HeaderValue(judged.grid.Cells(i, 0)));
        a.leftHeaders << int(HeaderValue(judged.grid.Cells(0, i)));
    }
    a.cells.reserve(sheet.size * sheet.size);
    for (int row = 1; row <= sheet.size; ++row)
        for (int col = 1; col <= sheet.size; ++col) {
            AnswerCell cell;
            cell.col = col;
            cell.row = row;
            cell.top = a.topHeaders[col - 1];
            cell.left = a.leftHeaders[row - 1];
            cell.typed = judged.typed.value((row - 1) * sheet.size + col - 1);
            cell.right = judged.grid.Cells(col, row) == kCorrectMark;
            if (const auto tick = keys.LastTick(sheet.kind, col, row)) {
                // A keystroke from before the start mark belongs to an older attempt.
                const auto sinceStart = std::int32_t(*tick - judged.startTicks);
                if (sinceStart >= 0)
                    cell.lastKeyMs = sinceStart;
            }
            a.cells << std::move(cell);
        }
    return a;
}

Attempt StoppedSheet::Make() const {
    return MakeAttempt({grid, *sheet, typed, score, newBest, durationMs, startTicks, stoppedLocal}, keys,
                       child);
}
