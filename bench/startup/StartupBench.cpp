// Start-up benchmark: the time from process start to the first paint of the
// main window, for Vantel, for a bare Qt window and for a bare window showing
// one line of Japanese text, measured in turn in one run. The ratios are what
// count; these machines are shared and noisy.
#include <QCoreApplication>
#include <QDateTime>
#include <QProcess>
#include <algorithm>
#include <cstdio>

namespace {
qint64 startOnce(const QString& program) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("DISPLAY")) && !env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    env.insert(QStringLiteral("VANTEL_BENCH_T0"), QString::number(QDateTime::currentMSecsSinceEpoch()));
    process.setProcessEnvironment(env);
    process.start(program, {});
    if (!process.waitForFinished(60000))
        return -1;
    return QString::fromLatin1(process.readAllStandardOutput()).trimmed().toLongLong();
}

qint64 median(QList<qint64> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString dir = QCoreApplication::applicationDirPath();
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 9;
    const QStringList programs{QStringLiteral("startup_bare"), QStringLiteral("startup_label"),
                               QStringLiteral("startup_vantel")};
    QList<QList<qint64>> times(programs.size());
    for (const QString& program : programs) // warm the caches
        startOnce(dir + QLatin1Char('/') + program);
    for (int i = 0; i < runs; ++i)
        for (int p = 0; p < programs.size(); ++p)
            times[p].append(startOnce(dir + QLatin1Char('/') + programs[p]));
    const qint64 bare = median(times[0]);
    const qint64 label = median(times[1]);
    const qint64 vantel = median(times[2]);
    std::printf("bare window: %lld ms, window with Japanese text: %lld ms, Vantel: %lld ms (medians of %d)\n",
                bare, label, vantel, runs);
    std::printf("ratio: %.2f (Vantel / bare window)\n", bare > 0 ? double(vantel) / double(bare) : 0.0);
    std::printf("ratio: %.2f (Vantel / window with Japanese text)\n",
                label > 0 ? double(vantel) / double(label) : 0.0);
    return 0;
}
