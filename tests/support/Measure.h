// Time and memory as the long-input tests and the benchmarks measure them.
#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <functional>
#include <vector>

// The middle value (the upper one of an even count).
template <typename Values> auto Median(Values values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median time of a number of runs, in milliseconds.
inline double MedianMs(int repetitions, const std::function<void()>& run) {
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return Median(std::move(times));
}

// Starts a new peak of resident memory for PeakMegabytes.
inline void ResetPeak() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// Peak resident memory of this process (since ResetPeak()), in KiB; -1 where unknown.
inline qint64 PeakKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

// The same in MB.
inline qint64 PeakMegabytes() {
    const qint64 kib = PeakKiB();
    return kib < 0 ? -1 : kib / 1024;
}
