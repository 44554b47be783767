// Attempts made up for tests and benchmarks: a whole sheet with chosen wrong
// cells and evenly spaced keystrokes.
#pragma once

#include "progress/Attempt.h"
#include "progress/FactStats.h"

#include <QSet>
#include <random>

// Headers in order (0..9, 10..19, 2..9); wrong holds (top, left) facts answered wrongly;
// every answer takes stepMs, slowFacts take slowMs instead.
inline Attempt SampleAttempt(const QString& child, DrillKind drill, const QDateTime& startedUtc,
                             std::uint32_t durationMs, const QList<Fact>& wrong = {}, int stepMs = 1000,
                             const QList<Fact>& slowFacts = {}, int slowMs = 5000) {
    Attempt a;
    a.child = child;
    a.drill = drill;
    a.startedUtc = startedUtc.toUTC();
    a.utcOffsetSeconds = 9 * 3600;
    a.durationMs = durationMs;
    a.topHeaders = TopValues(drill);
    a.leftHeaders = LeftValues(drill);
    a.fullScore = int(a.topHeaders.size() * a.leftHeaders.size());
    std::int64_t key = 0;
    for (int row = 1; row <= a.leftHeaders.size(); ++row)
        for (int col = 1; col <= a.topHeaders.size(); ++col) {
            AnswerCell cell;
            cell.col = col;
            cell.row = row;
            cell.top = a.topHeaders[col - 1];
            cell.left = a.leftHeaders[row - 1];
            const Fact fact{cell.top, cell.left};
            cell.right = !wrong.contains(fact);
            const int answer = FactAnswer(drill, fact);
            cell.typed = QString::number(cell.right ? answer : answer + 1);
            key += slowFacts.contains(fact) ? slowMs : stepMs;
            cell.lastKeyMs = key;
            a.score += cell.right;
            a.cells << cell;
        }
    return a;
}

// A child's history: count attempts a day apart ending at last, times
// falling, a few random wrong facts each.
inline QList<Attempt> SampleHistory(const QString& child, DrillKind drill, const QDateTime& last, int count,
                                    unsigned seed) {
    std::mt19937 rng(seed);
    const QList<int> tops = TopValues(drill);
    const QList<int> lefts = LeftValues(drill);
    QList<Attempt> history;
    std::uint32_t best = UINT32_MAX;
    for (int i = 0; i < count; ++i) {
        QList<Fact> wrong;
        const int errors = std::max(0, int(rng() % 6) - 2); // half of them all correct
        for (int e = 0; e < errors; ++e)
            wrong << Fact{tops[int(rng() % tops.size())], lefts[int(rng() % lefts.size())]};
        const QDateTime started = last.addDays(i - count + 1).addSecs(-int(rng() % 3600));
        const auto duration = std::uint32_t(240000 - i * 120000 / qMax(1, count) + int(rng() % 20000));
        Attempt attempt = SampleAttempt(child, drill, started, duration, wrong, int(duration / 100),
                                        {Fact{tops.last(), lefts.last()}}, int(duration / 40));
        attempt.newBest = attempt.AllCorrect() && duration < best;
        if (attempt.newBest)
            best = duration;
        history << attempt;
    }
    return history;
}
