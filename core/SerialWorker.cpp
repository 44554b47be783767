#include "core/SerialWorker.h"

#include "core/Logging.h"

#include <QCoreApplication>
#include <QEvent>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

using namespace std::chrono_literals;

namespace {
const QEvent::Type kDeliveries = QEvent::Type(QEvent::registerEventType());

struct Delivery {
    QPointer<QObject> context;
    std::function<void()> done;
};
} // namespace

// Everything the thread touches: it outlives the worker when the thread is left to end by itself.
// The results pass through `lock` too, so a thread checker sees them handed over.
struct SerialWorker::Shared {
    const QLoggingCategory& (*category)();
    const char* what;

    std::mutex lock;
    std::condition_variable changed;
    std::deque<std::function<void()>> jobs;
    std::uint64_t posted = 0;
    std::uint64_t done = 0;
    bool stopping = false;
    bool woken = false;
    bool ended = false;
    std::function<void()> interrupt;
    QObject* mailbox = nullptr; // cleared by Stop: nothing reaches the interface thread after it
    std::deque<Delivery> deliveries;
    std::thread thread;

    void run() {
        std::unique_lock guard(lock);
        for (;;) {
            changed.wait(guard, [&] { return stopping || !jobs.empty(); });
            if (jobs.empty())
                break; // stopping, with nothing left to do
            std::function<void()> job = std::move(jobs.front());
            jobs.pop_front();
            guard.unlock();
            try {
                job();
            } catch (...) {
                LogCurrentFailure(category(), what);
            }
            job = nullptr; // what it holds goes on this thread, before it counts as done
            guard.lock();
            interrupt = nullptr;
            ++done;
            changed.notify_all();
        }
        ended = true;
        changed.notify_all();
    }

    // On the interface thread.
    void deliver() {
        std::deque<Delivery> now;
        {
            const std::lock_guard guard(lock);
            now.swap(deliveries);
        }
        for (Delivery& delivery : now) {
            if (!delivery.context)
                continue;
            try {
                delivery.done();
            } catch (...) {
                LogCurrentFailure(category(), what);
            }
        }
    }
};

namespace {
// Woken by an event without a payload: the results themselves wait in Shared.
class Mailbox : public QObject {
public:
    explicit Mailbox(SerialWorker::Shared& shared) : shared_(shared) {}
    bool event(QEvent* event) override {
        if (event->type() != kDeliveries)
            return QObject::event(event);
        shared_.deliver();
        return true;
    }

private:
    SerialWorker::Shared& shared_;
};
} // namespace

bool SerialWorker::Link::Stopping() const {
    const std::lock_guard guard(shared_->lock);
    return shared_->stopping;
}

void SerialWorker::Link::Pause(std::chrono::milliseconds time, bool wakeable) const {
    Shared& s = *shared_;
    std::unique_lock guard(s.lock);
    s.changed.wait_for(guard, time, [&] { return s.stopping || (wakeable && s.woken); });
    s.woken = false;
}

void SerialWorker::Link::Deliver(const QPointer<QObject>& context, std::function<void()> done) const {
    Shared& s = *shared_;
    const std::lock_guard guard(s.lock);
    if (!s.mailbox)
        return;
    const bool wake = s.deliveries.empty();
    s.deliveries.push_back({context, std::move(done)});
    if (wake) // one event empties the queue
        QCoreApplication::postEvent(s.mailbox, new QEvent(kDeliveries));
}

void SerialWorker::Link::SetInterrupt(std::function<void()> interrupt) const {
    const std::lock_guard guard(shared_->lock);
    shared_->interrupt = std::move(interrupt);
}

SerialWorker::SerialWorker(const QLoggingCategory& (*category)(), const char* what)
    : shared_(std::make_shared<Shared>()) {
    shared_->category = category;
    shared_->what = what;
    mailbox_ = std::make_unique<Mailbox>(*shared_);
    shared_->mailbox = mailbox_.get();
}

SerialWorker::~SerialWorker() { Stop(std::chrono::milliseconds::max(), Queued::Run); }

void SerialWorker::Post(std::function<void()> job) {
    Shared& s = *shared_;
    {
        const std::lock_guard guard(s.lock);
        if (s.stopping)
            return;
        s.jobs.push_back(std::move(job));
        ++s.posted;
        if (!s.thread.joinable())
            s.thread = std::thread([shared = shared_] { shared->run(); });
    }
    s.changed.notify_all();
}

void SerialWorker::Wake() {
    {
        const std::lock_guard guard(shared_->lock);
        shared_->woken = true;
    }
    shared_->changed.notify_all();
}

bool SerialWorker::WaitIdle(QDeadlineTimer deadline) {
    Shared& s = *shared_;
    std::unique_lock guard(s.lock);
    const std::uint64_t target = s.posted;
    const auto idle = [&] { return s.done >= target || s.ended; };
    if (deadline.isForever()) {
        s.changed.wait(guard, idle);
        return true;
    }
    return s.changed.wait_for(guard, std::chrono::milliseconds(deadline.remainingTime()), idle);
}

bool SerialWorker::Stop(std::chrono::milliseconds wait, Queued queued, std::function<void()> last) {
    if (stopped_)
        return true;
    stopped_ = true;
    Shared& s = *shared_;
    std::unique_lock guard(s.lock);
    s.mailbox = nullptr;
    s.deliveries.clear();
    s.stopping = true;
    if (queued == Queued::Drop)
        s.jobs.clear();
    bool ended = !s.thread.joinable();
    if (!ended && last)
        s.jobs.push_back(std::move(last));
    s.changed.notify_all();
    if (!ended && wait == std::chrono::milliseconds::max()) {
        s.changed.wait(guard, [&] { return s.ended; });
        ended = true;
    }
    if (!ended) {
        const std::chrono::milliseconds grace = std::min<std::chrono::milliseconds>(300ms, wait / 4);
        ended = s.changed.wait_for(guard, wait - grace, [&] { return s.ended; });
        if (!ended) {
            if (s.interrupt)
                s.interrupt();
            ended = s.changed.wait_for(guard, grace, [&] { return s.ended; });
        }
    }
    std::thread thread = std::move(s.thread);
    guard.unlock();
    mailbox_.reset(); // with the deliveries still posted to it
    if (!thread.joinable())
        return true;
    if (ended) {
        thread.join();
        return true;
    }
    qCWarning(shared_->category()) << shared_->what << "is still busy; leaving it to end by itself";
    thread.detach();
    return false;
}
