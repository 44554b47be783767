#include "classroom/ClassroomHistory.h"

#include "core/Logging.h"

ClassroomHistory::ClassroomHistory(HistoryStore& local, ClassroomConfig config, QString outboxPath,
                                   std::function<void()> queued)
    : local_(local), config_(std::move(config)), outboxPath_(std::move(outboxPath)), outbox_(outboxPath_),
      queued_(std::move(queued)) {}

bool ClassroomHistory::Record(const Attempt& attempt) {
    queue(outbox_, attempt);
    // The local store keeps an attempt it could not write yet.
    return local_.Record(attempt);
}

void ClassroomHistory::RecordInBackground(std::function<Attempt()> make) {
    local_.RecordInBackground([this, make = std::move(make)] {
        Attempt attempt = make();
        // A connection is its thread's; one attempt a minute can afford opening one.
        Outbox outbox(outboxPath_);
        queue(outbox, attempt);
        return attempt;
    });
}

void ClassroomHistory::queue(Outbox& outbox, const Attempt& attempt) {
    try {
        outbox.Add(MakeOutgoing(attempt, config_.className, config_.seat));
        if (queued_)
            queued_();
    } catch (...) {
        // The child's attempt is still recorded here; only the class misses it.
        LogCurrentFailure(lcClassroom(), "Queueing an attempt for the class server");
    }
}
