// Start-up benchmark: the time from process start to the first paint of the
// main window, for Vantel and for a bare Qt window, measured alternately in
// one run. The ratio is what counts; these machines are shared and noisy.
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
    QList<qint64> bare;
    QList<qint64> vantel;
    startOnce(dir + QStringLiteral("/startup_bare")); // warm the caches for both
    startOnce(dir + QStringLiteral("/startup_vantel"));
    for (int i = 0; i < runs; ++i) {
        bare.append(startOnce(dir + QStringLiteral("/startup_bare")));
        vantel.append(startOnce(dir + QStringLiteral("/startup_vantel")));
    }
    const qint64 b = median(bare);
    const qint64 v = median(vantel);
    std::printf("bare window: %lld ms, Vantel: %lld ms (medians of %d)\n", b, v, runs);
    std::printf("ratio: %.2f\n", b > 0 ? double(v) / double(b) : 0.0);
    return 0;
}
