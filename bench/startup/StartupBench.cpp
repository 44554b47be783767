// Start-up benchmark: the time from process start to the first paint of the
// main window, and the peak memory until then, for Vantel, for a bare Qt
// window and for a bare window showing one line of Japanese text, measured in
// turn in one run. The ratios are what count; these machines are shared and
// noisy. Budgets, against the window with Japanese text: first paint at most
// 1.5x, peak memory at most 1.3x. Exit status 1 when one is missed, 2 when a
// program did not report.
//
// Usage: startup_bench [runs]   (default 9)
#include "tests/support/Measure.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QProcess>
#include <algorithm>
#include <cstdio>

namespace {
struct Start {
    qint64 ms = -1;
    qint64 peakKiB = -1;
};

Start startOnce(const QString& program) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("DISPLAY")) && !env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    env.insert(QStringLiteral("VANTEL_BENCH_T0"), QString::number(QDateTime::currentMSecsSinceEpoch()));
    process.setProcessEnvironment(env);
    process.start(program, {});
    if (!process.waitForFinished(60000))
        return {};
    const QStringList fields =
        QString::fromLatin1(process.readAllStandardOutput()).simplified().split(QLatin1Char(' '));
    if (fields.size() != 2)
        return {};
    return {fields[0].toLongLong(), fields[1].toLongLong()};
}

// Prints a ratio beside its budget; true when it is kept.
bool budget(const char* what, qint64 value, qint64 baseline, double limit) {
    const double ratio = baseline > 0 ? double(value) / double(baseline) : 0.0;
    const bool kept = baseline > 0 && ratio <= limit;
    std::printf("ratio: %.2f %s, budget <= %.1f  %s\n", ratio, what, limit, kept ? "ok" : "MISSED");
    return kept;
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString dir = QCoreApplication::applicationDirPath();
    const int runs = qMax(1, argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 9);
    const QStringList programs{QStringLiteral("startup_bare"), QStringLiteral("startup_label"),
                               QStringLiteral("startup_vantel")};
    QList<QList<qint64>> times(programs.size());
    QList<QList<qint64>> peaks(programs.size());
    for (const QString& program : programs) // warm the caches
        startOnce(dir + QLatin1Char('/') + program);
    for (int i = 0; i < runs; ++i)
        for (int p = 0; p < programs.size(); ++p) {
            const Start start = startOnce(dir + QLatin1Char('/') + programs[p]);
            if (start.ms < 0 || start.peakKiB < 0) {
                std::fprintf(stderr, "startup_bench: %s did not report its first paint\n",
                             qPrintable(programs[p]));
                return 2;
            }
            times[p].append(start.ms);
            peaks[p].append(start.peakKiB);
        }
    const qint64 bare = Median(times[0]);
    const qint64 label = Median(times[1]);
    const qint64 vantel = Median(times[2]);
    const bool onDisplay =
        qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    std::printf("platform: %s\n",
                onDisplay ? qPrintable(QStringLiteral("X display ") + qEnvironmentVariable("DISPLAY"))
                          : qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen"))));
    std::printf("first paint: bare window %lld ms, window with Japanese text %lld ms, Vantel %lld ms "
                "(medians of %d)\n",
                bare, label, vantel, runs);
    std::printf("peak memory: bare window %lld KiB, window with Japanese text %lld KiB, Vantel %lld KiB\n",
                Median(peaks[0]), Median(peaks[1]), Median(peaks[2]));
    std::printf("ratio: %.2f first paint, Vantel / bare window\n",
                bare > 0 ? double(vantel) / double(bare) : 0.0);
    bool kept = budget("first paint, Vantel / window with Japanese text", vantel, label, 1.5);
    kept &=
        budget("peak memory, Vantel / window with Japanese text", Median(peaks[2]), Median(peaks[1]), 1.3);
    std::printf(kept ? "all budgets kept\n" : "a budget was missed\n");
    return kept ? 0 : 1;
}
