#include "progress/JobThread.h"

#include "core/Logging.h"

JobThread::~JobThread() {
    {
        std::lock_guard guard(lock_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void JobThread::Post(std::function<void()> job) {
    {
        std::lock_guard guard(lock_);
        jobs_.push_back(std::move(job));
        ++posted_;
        if (!thread_.joinable())
            thread_ = std::thread([this] { run(); });
    }
    changed_.notify_all();
}

bool JobThread::WaitIdle(QDeadlineTimer deadline) {
    std::unique_lock guard(lock_);
    const std::uint64_t target = posted_;
    const auto idle = [&] { return done_ >= target; };
    if (deadline.isForever()) {
        changed_.wait(guard, idle);
        return true;
    }
    return changed_.wait_for(guard, std::chrono::milliseconds(deadline.remainingTime()), idle);
}

void JobThread::run() {
    std::unique_lock guard(lock_);
    for (;;) {
        changed_.wait(guard, [&] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty())
            return; // stopping, with nothing left to do
        std::function<void()> job = std::move(jobs_.front());
        jobs_.pop_front();
        guard.unlock();
        try {
            job();
        } catch (...) {
            LogCurrentFailure(lcProgress(), "A job of the history's writer");
        }
        job = nullptr; // what it holds goes on this thread, before it counts as done
        guard.lock();
        ++done_;
        changed_.notify_all();
    }
}
