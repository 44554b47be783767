#include "FirstPaint.h"

#include <QApplication>
#include <QDateTime>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {
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
                std::printf("%lld\n", QDateTime::currentMSecsSinceEpoch() - started);
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
