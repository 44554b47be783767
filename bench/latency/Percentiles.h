// Medians and 99th percentiles of latencies, in nanoseconds.
#pragma once

#include <QList>
#include <algorithm>
#include <cmath>

struct Latencies {
    QList<qint64> ns;
    int preempted = 0; // events set aside, see PaintProbe.h

    void Add(qint64 value) { ns.append(value); }
    qsizetype Count() const { return ns.size(); }
    // Nearest rank: the smallest value with at least p of the events at or below it.
    double Percentile(double p) const {
        if (ns.isEmpty())
            return 0;
        QList<qint64> sorted = ns;
        std::sort(sorted.begin(), sorted.end());
        const auto rank = qsizetype(std::ceil(p * double(sorted.size())));
        return double(sorted[std::clamp<qsizetype>(rank - 1, 0, sorted.size() - 1)]);
    }
    double Median() const { return Percentile(0.5); }
    double P99() const { return Percentile(0.99); }
};
