#include "PaintProbe.h"

#include <QDeadlineTimer>
#include <QThread>
#include <QWidget>
#include <sys/resource.h>

namespace {
long involuntarySwitches() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nivcsw;
}
} // namespace

PaintProbe::PaintProbe(int& argc, char** argv) : QApplication(argc, argv) { clock_.start(); }

void PaintProbe::Settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

qint64 PaintProbe::Measure(QWidget* target, const std::function<void()>& deliver) {
    Settle();
    target_ = target;
    targetPainted_ = false;
    finishedAt_ = -1;
    const long switches = involuntarySwitches();
    const qint64 started = clock_.nsecsElapsed();
    deliver();
    const QDeadlineTimer deadline(2000);
    while (finishedAt_ < 0 && !deadline.hasExpired())
        QCoreApplication::processEvents();
    target_ = nullptr;
    if (finishedAt_ < 0)
        return kNoRepaint;
    return involuntarySwitches() != switches ? kPreempted : finishedAt_ - started;
}

bool PaintProbe::notify(QObject* receiver, QEvent* event) {
    // Events of other threads (the voice's worker) pass here too; only the
    // user-interface thread's are counted, and its depth is not theirs.
    if (!target_ || QThread::currentThread() != thread())
        return QApplication::notify(receiver, event);
    if (event->type() == QEvent::Paint && receiver->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(receiver);
        if (widget == target_ || target_->isAncestorOf(widget))
            targetPainted_ = true;
    }
    ++depth_;
    const bool result = QApplication::notify(receiver, event);
    --depth_;
    if (depth_ == 0 && targetPainted_ && finishedAt_ < 0)
        finishedAt_ = clock_.nsecsElapsed();
    return result;
}
