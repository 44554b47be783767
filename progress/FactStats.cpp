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

const FactStat* FactStats::Find(const Fact& fact) const {
    for (const FactStat& stat : facts)
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

int FactStatsBuilder::indexOf(int top, int left) const {
    const int t = top - tops_.first();
    const int l = left - lefts_.first();
    if (t < 0 || t >= tops_.size() || l < 0 || l >= lefts_.size())
        return -1;
    return t * int(lefts_.size()) + l;
}

void FactStatsBuilder::AddAttempt(std::vector<AnswerSample> cells) {
    ++attempts_;
    std::stable_sort(cells.begin(), cells.end(),
                     [](const AnswerSample& a, const AnswerSample& b) { return a.lastKeyMs < b.lastKeyMs; });
    std::int64_t previous = 0;
    for (const AnswerSample& cell : cells) {
        const int index = indexOf(cell.top, cell.left);
        if (cell.lastKeyMs >= 0) {
            const auto gap = float(cell.lastKeyMs - previous);
            previous = cell.lastKeyMs;
            if (index >= 0) {
                times_[std::size_t(index)].push_back(gap);
                allTimes_.push_back(gap);
            }
        }
        if (index < 0)
            continue; // a header outside the drill's facts: an odd sheet, not a fact
        FactStat& stat = stats_[std::size_t(index)];
        ++stat.seen;
        stat.wrong += cell.right ? 0 : 1;
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
