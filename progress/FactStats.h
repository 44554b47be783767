// The facts of a drill (7 + 8, 15 - 6, 7 × 8) and how a child does on each:
// how often it was wrong and how long its answer took, over a set of
// attempts. The weakest facts are the ones a weak-fact worksheet practises.
#pragma once

#include "drill/DrillKind.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <vector>

struct Fact {
    int top = 0;
    int left = 0;
    bool operator==(const Fact&) const = default;
};

// The operand values of a drill's headers: 0..9 (10..19 on top for
// subtraction), 2..9 for the times table.
QList<int> TopValues(DrillKind drill);
QList<int> LeftValues(DrillKind drill);
// "7 + 8", "15 - 6", "7 × 8"
QString FactText(DrillKind drill, const Fact& fact);
int FactAnswer(DrillKind drill, const Fact& fact);
// The fact's place among the drill's facts (top-major), or -1 for operands
// outside them.
int FactIndex(DrillKind drill, const Fact& fact);

struct FactStat {
    Fact fact;
    int seen = 0;
    int wrong = 0;
    double medianMs = -1; // -1: no timed answer
    double ErrorRate() const { return seen ? double(wrong) / seen : 0.0; }
};

// One answer cell as the statistics need it.
struct AnswerSample {
    int top = 0;
    int left = 0;
    bool right = false;
    std::int64_t lastKeyMs = -1;
};

struct FactStats {
    DrillKind drill = DrillKind::Addition;
    QList<FactStat> facts; // every fact of the drill, top-major
    double overallMedianMs = -1;
    int attempts = 0;

    const FactStat* Find(const Fact& fact) const;
    // How weak a fact is: 0 for a sure and quick one; errors weigh most,
    // slowness against the child's usual pace next.
    double Weakness(const FactStat& stat) const;
    // Facts with an error or a slow median, weakest first.
    QList<FactStat> Weakest(int count) const;
};

// An answer with its time: the gap between its last keystroke and the one
// before it in the order the child filled the sheet (-1: no keystroke).
struct TimedAnswer {
    int top = 0;
    int left = 0;
    bool right = false;
    std::int64_t timeMs = -1;
};

// The answers of one attempt with their times, in the order typed.
std::vector<TimedAnswer> TimeAnswers(std::vector<AnswerSample> cells);

// Gathers the answers of one attempt after another.
class FactStatsBuilder {
public:
    explicit FactStatsBuilder(DrillKind drill);
    void AddAttempt(std::vector<AnswerSample> cells);
    // One attempt whose answers were timed already (TimeAnswers, FactTimes).
    void AddTimedAttempt(const std::vector<TimedAnswer>& answers);
    // One answer by its index in the drill's facts (top-major); for readers
    // that keep the facts by index. Count the attempt with CountAttempt.
    void AddAnswer(int factIndex, bool right, float timeMs);
    void CountAttempt() { ++attempts_; }
    int FactCount() const { return int(stats_.size()); }
    FactStats Finish();

private:
    DrillKind drill_;
    QList<int> tops_;
    QList<int> lefts_;
    std::vector<FactStat> stats_;
    std::vector<std::vector<float>> times_;
    std::vector<float> allTimes_;
    int attempts_ = 0;
};
