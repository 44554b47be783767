#include "progress/FactStats.h"

#include <algorithm>

namespace {
QList<int> range(int first, int last) {
    QList<int> values;
    for (int v = first; v <= last; ++v)
        values << v;
    return values;
}

double median(std::vector<float>& values) {
    if (values.empty())
        return -1;
    const auto middle = values.begin() + values.size() / 2;
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2)
        return *middle;
    const float upper = *middle;
    const float lower = *std::max_element(values.begin(), middle);
    return (double(lower) + upper) / 2;
}
} // namespace

QList<int> TopValues(DrillKind drill) {
    switch (drill) {
    case DrillKind::Subtraction:
        return range(10, 19);
    case DrillKind::Kuku:
        return range(2, 9);
    default:
        return range(0, 9);
    }
}

QList<int> LeftValues(DrillKind drill) { return drill == DrillKind::Kuku ? range(2, 9) : range(0, 9); }

QString FactText(DrillKind drill, const Fact& fact) {
    switch (drill) {
    case DrillKind::Addition:
        return QStringLiteral("%1 + %2").arg(fact.top).arg(fact.left);
    case DrillKind::Subtraction:
        return QStringLiteral("%1 - %2").arg(fact.top).arg(fact.left);
    default:
        return QStringLiteral("%1 × %2").arg(fact.top).arg(fact.left);
    }
}

int FactAnswer(DrillKind drill, const Fact& fact) {
    switch (drill) {
    case DrillKind::Addition:
        return fact.top + fact.left;
    case DrillKind::Subtraction:
        return fact.top - fact.left;
    default:
        return fact.top * fact.left;
    }
}

int FactIndex(DrillKind drill, const Fact& fact) {
    const int top = fact.top - (drill == DrillKind::Subtraction ? 10 : drill == DrillKind::Kuku ? 2 : 0);
    const int left = fact.left - (drill == DrillKind::Kuku ? 2 : 0);
    const int side = drill == DrillKind::Kuku ? 8 : 10;
    if (top < 0 || top >= side || left < 0 || left >= side)
        return -1;
    return top * side + left;
}

const FactStat* FactStats::Find(const Fact& fact) const {
    const int index = FactIndex(drill, fact);
    if (index >= 0 && index < facts.size() && facts[index].fact == fact)
        return &facts[index];
    for (const FactStat& stat : facts) // facts laid out otherwise (made by hand)
        if (stat.fact == fact)
            return &stat;
    return nullptr;
}

double FactStats::Weakness(const FactStat& stat) const {
    if (stat.seen == 0)
        return 0;
    double weakness = stat.ErrorRate() * 2;
    if (stat.medianMs > 0 && overallMedianMs > 0)
        weakness +=
            std::clamp(stat.medianMs / overallMedianMs - 1, 0.0, 1.0) * 0.5; // at most one error in four
    return weakness;
}

QList<FactStat> FactStats::Weakest(int count) const {
    QList<FactStat> weak;
    for (const FactStat& stat : facts) {
        const bool slow = stat.medianMs > 0 && overallMedianMs > 0 && stat.medianMs > overallMedianMs * 1.5;
        if (stat.wrong > 0 || slow)
            weak << stat;
    }
    std::stable_sort(weak.begin(), weak.end(),
                     [this](const FactStat& a, const FactStat& b) { return Weakness(a) > Weakness(b); });
    if (weak.size() > count)
        weak.resize(count);
    return weak;
}

FactStatsBuilder::FactStatsBuilder(DrillKind drill)
    : drill_(drill), tops_(TopValues(drill)), lefts_(LeftValues(drill)) {
    for (int top : tops_)
        for (int left : lefts_)
            stats_.push_back(FactStat{Fact{top, left}});
    times_.resize(stats_.size());
}

std::vector<TimedAnswer> TimeAnswers(std::vector<AnswerSample> cells) {
    std::stable_sort(cells.begin(), cells.end(),
                     [](const AnswerSample& a, const AnswerSample& b) { return a.lastKeyMs < b.lastKeyMs; });
    std::vector<TimedAnswer> answers;
    answers.reserve(cells.size());
    std::int64_t previous = 0;
    for (const AnswerSample& cell : cells) {
        TimedAnswer answer{cell.top, cell.left, cell.right};
        if (cell.lastKeyMs >= 0) {
            answer.timeMs = cell.lastKeyMs - previous;
            previous = cell.lastKeyMs;
        }
        answers.push_back(answer);
    }
    return answers;
}

void FactStatsBuilder::AddAttempt(std::vector<AnswerSample> cells) {
    AddTimedAttempt(TimeAnswers(std::move(cells)));
}

void FactStatsBuilder::AddTimedAttempt(const std::vector<TimedAnswer>& answers) {
    CountAttempt();
    for (const TimedAnswer& answer : answers) {
        const int index = FactIndex(drill_, Fact{answer.top, answer.left});
        if (index >= 0) // a header outside the drill's facts: an odd sheet, not a fact
            AddAnswer(index, answer.right, answer.timeMs >= 0 ? float(answer.timeMs) : -1.0f);
    }
}

void FactStatsBuilder::AddAnswer(int factIndex, bool right, float timeMs) {
    FactStat& stat = stats_[std::size_t(factIndex)];
    ++stat.seen;
    stat.wrong += right ? 0 : 1;
    if (timeMs >= 0) {
        times_[std::size_t(factIndex)].push_back(timeMs);
        allTimes_.push_back(timeMs);
    }
}

FactStats FactStatsBuilder::Finish() {
    FactStats result;
    result.drill = drill_;
    result.attempts = attempts_;
    for (std::size_t i = 0; i < stats_.size(); ++i) {
        stats_[i].medianMs = median(times_[i]);
        result.facts << stats_[i];
    }
    result.overallMedianMs = median(allTimes_);
    return result;
}
