// One thread that runs jobs in the order they were posted. It starts with
// the first job, so a store that is never used costs no thread.
#pragma once

#include <QDeadlineTimer>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class JobThread {
public:
    JobThread() = default;
    JobThread(const JobThread&) = delete;
    JobThread& operator=(const JobThread&) = delete;
    // Runs the jobs still queued, then ends the thread.
    ~JobThread();

    void Post(std::function<void()> job);
    // Waits until every job posted so far has run; false when the deadline came first.
    bool WaitIdle(QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever));

private:
    void run();

    std::mutex lock_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> jobs_;
    std::uint64_t posted_ = 0;
    std::uint64_t done_ = 0;
    bool stopping_ = false;
    std::thread thread_;
};
