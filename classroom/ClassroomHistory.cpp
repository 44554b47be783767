#include "classroom/ClassroomHistory.h"

#include "core/Logging.h"

ClassroomHistory::ClassroomHistory(HistoryStore& local, ClassroomConfig config, QString outboxPath,
                                   std::function<void()> queued)
    : local_(local), config_(std::move(config)), outbox_(std::move(outboxPath)), queued_(std::move(queued)) {}

bool ClassroomHistory::Record(const Attempt& attempt) {
    // The local store keeps an attempt it could not write yet, so it is queued either way.
    const bool written = local_.Record(attempt);
    try {
        outbox_.Add(MakeOutgoing(attempt, config_.className, config_.seat));
        if (queued_)
            queued_();
    } catch (...) {
        // The child's attempt is in the local history; only the class misses it.
        LogCurrentFailure(lcClassroom(), "Queueing an attempt for the class server");
    }
    return written;
}
