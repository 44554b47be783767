// The one way work leaves the interface thread: a thread of its own that
// runs jobs one after another, in the order posted, so what must stay on one
// thread (a database connection) does. The thread starts with the first job:
// a worker never used costs none.
//
// The shutdown rule, the same for every user:
// - A result goes back to the interface thread (the thread that made the
//   worker) only through Run or Deliver, to a context object: it runs there,
//   and only while the context lives and the worker has not been stopped. A
//   window that closes first never gets its callback.
// - A job captures values and shared state (a Link, never its owner's
//   `this`): a job that outlives its owner must find everything it uses.
// - Stop (the destructor too) tells the running job through Stopping(),
//   either runs or drops the jobs not started yet, and waits at most `wait`
//   for the thread; for the last moment of that wait the interrupt a job set
//   is called (breaking a call blocked on the network). A thread that has
//   still not ended is left to end by itself, holding what it uses.
#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <chrono>
#include <functional>
#include <memory>

class QLoggingCategory;

class SerialWorker {
public:
    struct Shared;
    enum class Queued { Run, Drop };

    // What a job holds on to: asks for a stop, waits, hands results back.
    class Link {
    public:
        // True once Stop was called: a long job returns as soon as it can.
        bool Stopping() const;
        // Waits `time`, or until Stop, or (wakeable) until Wake.
        void Pause(std::chrono::milliseconds time, bool wakeable) const;
        // Runs done on the interface thread while context lives and the worker runs.
        void Deliver(const QPointer<QObject>& context, std::function<void()> done) const;
        // What Stop calls, from its thread, when the job is slow to end; empty to clear.
        void SetInterrupt(std::function<void()> interrupt) const;

    private:
        friend class SerialWorker;
        explicit Link(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}
        std::shared_ptr<Shared> shared_;
    };

    // A job's failure is logged as `what` in category.
    SerialWorker(const QLoggingCategory& (*category)(), const char* what);
    SerialWorker(const SerialWorker&) = delete;
    SerialWorker& operator=(const SerialWorker&) = delete;
    // Stop(forever, Queued::Run) unless stopped before.
    ~SerialWorker();

    Link GetLink() const { return Link(shared_); }
    void Post(std::function<void()> job);
    // work on the worker, then done(result) on the interface thread, as Deliver.
    template <class T> void Run(QObject* context, std::function<T()> work, std::function<void(T)> done) {
        const QPointer<QObject> target(context);
        Post([link = GetLink(), target, work = std::move(work), done = std::move(done)]() mutable {
            auto result = std::make_shared<T>(work());
            link.Deliver(target, [done = std::move(done), result] { done(std::move(*result)); });
        });
    }
    // Ends a Pause(…, true).
    void Wake();
    // Waits until every job posted so far has run; false when the deadline came first.
    bool WaitIdle(QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever));
    // True when the thread ended (or never started) within `wait`. A thread
    // that started runs `last` after the jobs it keeps (closing what only it may close).
    bool Stop(std::chrono::milliseconds wait, Queued queued, std::function<void()> last = {});

private:
    std::shared_ptr<Shared> shared_;
    std::unique_ptr<QObject> mailbox_; // on the interface thread; takes what Deliver hands back
    bool stopped_ = false;
};
