#include "drill/DrillSession.h"

#include "drill/DrillTime.h"
#include "drill/ExpectedAnswer.h"
#include "drill/SheetGenerator.h"
#include "drill/stopwatchu.h"

namespace {
QString cornerText(const DrillSheet& sheet, SheetState::Corner corner) {
    switch (corner) {
    case SheetState::Corner::AtStart:
        return sheet.StartCorner();
    case SheetState::Corner::Generated:
        return sheet.GeneratedCorner();
    case SheetState::Corner::Cleared:
        return sheet.ClearedCorner();
    }
    return {};
}

QString headerText(const QList<int>& headers, int i) {
    return i < headers.size() ? QString::number(headers[i]) : QString();
}

// After Clear there are no headers, and every expected answer is 0.
QString expected(const DrillSheet& sheet, const SheetState& state, int col, int row) {
    return ExpectedAnswer(sheet.operation, state.top.value(col - 1, 0), state.left.value(row - 1, 0));
}

BestTime noBestTime() { return {kNoBestTimeMs, kNoBestTime}; }
} // namespace

SheetState SheetState::Empty(const DrillSheet& sheet, Corner corner) {
    const qsizetype cells = qsizetype(sheet.size) * sheet.size;
    SheetState state;
    state.corner = corner;
    state.typed = QStringList(cells);
    state.right = QList<bool>(cells, false);
    state.keyTicks = QList<std::int64_t>(cells, -1);
    return state;
}

QString SheetState::CellText(const DrillSheet& sheet, int col, int row) const {
    if (col < 0 || row < 0 || col > sheet.size || row > sheet.size)
        return {};
    if (row == 0)
        return col == 0 ? cornerText(sheet, corner) : headerText(top, col - 1);
    if (col == 0)
        return headerText(left, row - 1);
    const int i = (row - 1) * sheet.size + col - 1;
    return right[i] ? kCorrectMark : typed[i];
}

DrillSession::DrillSession(TickCounter& ticks, RandomSource& random, QObject* parent)
    : QObject(parent), ticks_(ticks), random_(random), watch_(new StopWatch(ticks, this)) {
    for (const DrillSheet& sheet : DrillSheets()) {
        Drill& drill = drills_[index(sheet.kind)];
        drill.state = SheetState::Empty(sheet, SheetState::Corner::AtStart);
        drill.best = noBestTime();
    }
}

int DrillSession::answerIndex(const DrillSheet& sheet, int col, int row) {
    if (col < 1 || row < 1 || col > sheet.size || row > sheet.size)
        return -1;
    return (row - 1) * sheet.size + col - 1;
}

QString DrillSession::CellText(DrillKind kind, int col, int row) const {
    return State(kind).CellText(SheetOf(kind), col, row);
}

void DrillSession::Start(DrillKind kind) {
    const DrillSheet& sheet = SheetOf(kind);
    SheetState& state = drills_[index(kind)].state;
    state = SheetState::Empty(sheet, SheetState::Corner::Generated);
    SheetHeaders headers = DrawHeaders(sheet, random_);
    state.top = std::move(headers.top);
    state.left = std::move(headers.left);
    emit SheetChanged(kind);
    watch_->Start();
}

JudgeResult DrillSession::Stop(DrillKind kind) {
    const DrillSheet& sheet = SheetOf(kind);
    watch_->Stop();
    // The low 32 bits stay right across one wrap of the counter.
    const auto ms = static_cast<std::uint32_t>(watch_->Elapsed());
    SetLastTime(kind, ms);

    Drill& drill = drills_[index(kind)];
    SheetState& state = drill.state;
    for (qsizetype i = 0; i < state.typed.size(); ++i)
        if (!state.right[i] && state.typed[i].isEmpty())
            return {};
    bool marked = false;
    int correct = 0;
    for (int row = 1; row <= sheet.size; ++row)
        for (int col = 1; col <= sheet.size; ++col) {
            const int i = answerIndex(sheet, col, row);
            // A mark from an earlier Stop stays and counts.
            if (!state.right[i] && state.typed[i] == expected(sheet, state, col, row)) {
                state.right[i] = true;
                marked = true;
            }
            correct += state.right[i];
        }
    if (marked)
        emit SheetChanged(kind);
    const bool faster = correct == sheet.FullScore() && IsNewBestTime(ms, drill.best.ms);
    const JudgeResult result = JudgeResultOf(correct, sheet, faster);
    drill.score = correct;
    drill.newBest = result.outcome == JudgeResult::Outcome::NewBest;
    if (drill.newBest)
        setBest(kind, {ms, FormatDrillTime(ms)});
    return result;
}

void DrillSession::Clear(DrillKind kind) {
    drills_[index(kind)].state = SheetState::Empty(SheetOf(kind), SheetState::Corner::Cleared);
    emit SheetChanged(kind);
}

void DrillSession::SetAnswer(DrillKind kind, int col, int row, const QString& text) {
    const DrillSheet& sheet = SheetOf(kind);
    const int i = answerIndex(sheet, col, row);
    SheetState& state = drills_[index(kind)].state;
    if (i < 0 || state.CellText(sheet, col, row) == text)
        return;
    // The mark written over a cell makes it right; its typed text stays for the record.
    if (text == kCorrectMark) {
        state.right[i] = true;
    } else {
        state.right[i] = false;
        state.typed[i] = text;
    }
    emit CellChanged(kind, col, row);
}

void DrillSession::Type(DrillKind kind, int col, int row, const QString& text) {
    SetAnswer(kind, col, row, text);
    const int i = answerIndex(SheetOf(kind), col, row);
    if (i >= 0)
        drills_[index(kind)].state.keyTicks[i] = ticks_.GetTickCount();
}

void DrillSession::FillAnswerKey(DrillKind kind) {
    const DrillSheet& sheet = SheetOf(kind);
    SheetState& state = drills_[index(kind)].state;
    for (int row = 1; row <= sheet.size; ++row)
        for (int col = 1; col <= sheet.size; ++col) {
            const int i = answerIndex(sheet, col, row);
            state.typed[i] = expected(sheet, state, col, row);
            state.right[i] = false;
        }
    emit SheetChanged(kind);
}

QString DrillSession::LastTimeText(DrillKind kind) const {
    const std::optional<std::uint32_t> ms = LastTimeMs(kind);
    return ms ? FormatDrillTime(*ms) : kNoAttemptTime;
}

void DrillSession::SetLastTime(DrillKind kind, std::uint32_t ms) {
    drills_[index(kind)].lastMs = ms;
    emit LastTimeChanged(kind);
}

void DrillSession::LoadBestTime(DrillKind kind, const QString& text) {
    setBest(kind, {ParseDrillTime(text), text});
}

void DrillSession::ResetTimes(DrillKind kind) {
    setBest(kind, noBestTime());
    drills_[index(kind)].lastMs.reset();
    emit LastTimeChanged(kind);
}

void DrillSession::setBest(DrillKind kind, BestTime best) {
    drills_[index(kind)].best = std::move(best);
    emit BestTimeChanged(kind);
}

StoppedAttempt DrillSession::Stopped(DrillKind kind, const QString& child,
                                     const QDateTime& stoppedLocal) const {
    const Drill& drill = drills_[index(kind)];
    return {&SheetOf(kind),
            drill.state,
            drill.score,
            drill.newBest,
            drill.lastMs.value_or(0),
            std::uint32_t(watch_->StartTicks),
            stoppedLocal,
            child};
}

Attempt StoppedAttempt::Make() const {
    Attempt a;
    a.child = child;
    a.drill = sheet->kind;
    // One look at the local zone, on the way to the result: each costs a
    // stat of the zone file where TZ is unset. The offset is the one at Stop,
    // the start's but for a clock change within the attempt.
    const QDateTime stoppedUtc = stoppedLocal.toUTC();
    const QDateTime wallClock(stoppedLocal.date(), stoppedLocal.time(), Qt::UTC);
    a.startedUtc = stoppedUtc.addMSecs(-qint64(durationMs));
    a.utcOffsetSeconds = int(stoppedUtc.secsTo(wallClock));
    a.durationMs = durationMs;
    a.score = score;
    a.fullScore = sheet->FullScore();
    a.newBest = newBest;
    for (int i = 0; i < sheet->size; ++i) {
        a.topHeaders << state.top.value(i, 0);
        a.leftHeaders << state.left.value(i, 0);
    }
    a.cells.reserve(sheet->size * sheet->size);
    for (int row = 1; row <= sheet->size; ++row)
        for (int col = 1; col <= sheet->size; ++col) {
            const int i = (row - 1) * sheet->size + col - 1;
            AnswerCell cell;
            cell.col = col;
            cell.row = row;
            cell.top = a.topHeaders[col - 1];
            cell.left = a.leftHeaders[row - 1];
            cell.typed = state.typed[i];
            cell.right = state.right[i];
            if (state.keyTicks[i] >= 0) {
                // A keystroke from before the start mark belongs to an older attempt.
                const auto sinceStart = std::int32_t(std::uint32_t(state.keyTicks[i]) - startTicks);
                if (sinceStart >= 0)
                    cell.lastKeyMs = sinceStart;
            }
            a.cells << std::move(cell);
        }
    return a;
}
