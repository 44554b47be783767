#include "classroom/ClassroomHistory.h"

#include "core/Logging.h"

ClassroomHistory::ClassroomHistory(HistoryStore& local, ClassroomConfig config, QString outboxPath,
                                   std::function<void()> queued)
    : local_(local), config_(std::move(config)), outbox_(std::move(outboxPath)), queued_(std::move(queued)) {}

bool ClassroomHistory::Record(const Attempt& attempt) {
    // The local store keeps an attempt it could not write yet, so it is queued either way.
    const bool written = local_.Record(attempt);
    queueMade();
    queue(attempt);
    return written;
}

void ClassroomHistory::RecordInBackground(std::function<Attempt()> make) {
    local_.RecordInBackground([this, make = std::move(make)] {
        Attempt attempt = make();
        const std::lock_guard lock(madeMutex_);
        made_ << attempt;
        return attempt;
    });
}

bool ClassroomHistory::WaitRecorded(int timeoutMs) {
    const bool written = local_.WaitRecorded(timeoutMs);
    queueMade();
    return written;
}

void ClassroomHistory::Flush() {
    local_.Flush();
    queueMade();
}

void ClassroomHistory::queueMade() {
    QList<Attempt> made;
    {
        const std::lock_guard lock(madeMutex_);
        made.swap(made_);
    }
    for (const Attempt& attempt : made)
        queue(attempt);
}

void ClassroomHistory::queue(const Attempt& attempt) {
    try {
        outbox_.Add(MakeOutgoing(attempt, config_.className, config_.seat));
        if (queued_)
            queued_();
    } catch (...) {
        // The child's attempt is in the local history; only the class misses it.
        LogCurrentFailure(lcClassroom(), "Queueing an attempt for the class server");
    }
}
