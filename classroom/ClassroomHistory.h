// The history of a computer that belongs to a class: every attempt is queued
// in the outbox for the class server, then recorded locally. In that order a
// crash between the two can leave the class an attempt whose result the child
// never saw, but never a result the child saw that the class never gets.
// Reading is the local history's.
#pragma once

#include "classroom/ClassroomConfig.h"
#include "classroom/Outbox.h"
#include "progress/HistoryStore.h"

#include <functional>

class ClassroomHistory : public HistoryStore {
public:
    // queued is called after each attempt has been queued (wakes the sender).
    ClassroomHistory(HistoryStore& local, ClassroomConfig config, QString outboxPath,
                     std::function<void()> queued);
    // The local store's thread may still hold a job that queues through this.
    ~ClassroomHistory() override { local_.Flush(); }

    bool Record(const Attempt& attempt) override;
    // The local store makes and writes the attempt on its own thread; it is
    // queued there, through a connection of that thread's, before the write.
    void RecordInBackground(std::function<Attempt()> make) override;
    bool WaitRecorded(int timeoutMs) override { return local_.WaitRecorded(timeoutMs); }
    void Flush() override { local_.Flush(); }
    void ReadChildren(QObject* context, std::function<void(QStringList)> done) override {
        local_.ReadChildren(context, std::move(done));
    }
    void ReadProgress(const QString& child, DrillKind drill, const QDateTime& since, QObject* context,
                      std::function<void(ChildProgress)> done) override {
        local_.ReadProgress(child, drill, since, context, std::move(done));
    }

    Outbox& Queue() { return outbox_; }

private:
    void queue(Outbox& outbox, const Attempt& attempt);

    HistoryStore& local_;
    ClassroomConfig config_;
    QString outboxPath_;
    Outbox outbox_; // the calling thread's
    std::function<void()> queued_;
};
