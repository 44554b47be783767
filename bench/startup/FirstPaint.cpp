#include "FirstPaint.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {
// The process's peak resident memory so far, in KiB, or -1 where unknown.
long long peakMemoryKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

class PaintWatcher : public QObject {
public:
    explicit PaintWatcher(QWidget* window) : window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!done_ && event->type() == QEvent::Paint && widget && widget->window() == window_) {
            done_ = true;
            // Once this paint has been delivered, the window is on screen.
            QTimer::singleShot(0, [] {
                const qint64 started = qEnvironmentVariable("VANTEL_BENCH_T0").toLongLong();
                const qint64 elapsed = QDateTime::currentMSecsSinceEpoch() - started;
                std::printf("%lld %lld\n", elapsed, peakMemoryKiB());
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    QWidget* window_;
    bool done_ = false;
};
} // namespace

void ReportFirstPaintAndQuit(QWidget* window) { qApp->installEventFilter(new PaintWatcher(window)); }
