// The history of a computer that belongs to a class: every attempt is
// recorded locally first, then queued in the outbox for the class server.
// Reading is the local history's.
#pragma once

#include "classroom/ClassroomConfig.h"
#include "classroom/Outbox.h"
#include "progress/HistoryStore.h"

#include <functional>
#include <mutex>

class ClassroomHistory : public HistoryStore {
public:
    // queued is called after each attempt has been queued (wakes the sender).
    ClassroomHistory(HistoryStore& local, ClassroomConfig config, QString outboxPath,
                     std::function<void()> queued);

    bool Record(const Attempt& attempt) override;
    // The local store writes on its own thread; the attempt is queued here
    // once that write has been waited for (or at the next record or flush).
    void RecordInBackground(std::function<Attempt()> make) override;
    bool WaitRecorded(int timeoutMs) override;
    void Flush() override;
    QStringList Children() override { return local_.Children(); }
    QList<Attempt> Attempts(const QString& child, DrillKind drill, const QDateTime& since) override {
        return local_.Attempts(child, drill, since);
    }
    FactStats Facts(const QString& child, DrillKind drill, const QDateTime& since) override {
        return local_.Facts(child, drill, since);
    }
    ChildProgress Progress(const QString& child, DrillKind drill, const QDateTime& since) override {
        return local_.Progress(child, drill, since);
    }

    Outbox& Queue() { return outbox_; }

private:
    void queue(const Attempt& attempt);
    void queueMade();

    HistoryStore& local_;
    std::mutex madeMutex_;
    QList<Attempt> made_; // made on the local store's thread, not queued yet
    ClassroomConfig config_;
    Outbox outbox_;
    std::function<void()> queued_;
};
