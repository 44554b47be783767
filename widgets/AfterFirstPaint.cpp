#include "widgets/AfterFirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {
class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(QWidget* window, std::function<void()> work)
        : QObject(window), window_(window), work_(std::move(work)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !watched->isWidgetType() ||
            static_cast<QWidget*>(watched)->window() != window_)
            return false;
        qApp->removeEventFilter(this);
        // The paint in progress finishes and reaches the screen first.
        QTimer::singleShot(0, window_, std::move(work_));
        deleteLater();
        return false;
    }

private:
    QWidget* window_;
    std::function<void()> work_;
};
} // namespace

void RunAfterFirstPaint(QWidget* window, std::function<void()> work) {
    new FirstPaintWatcher(window, std::move(work));
}
