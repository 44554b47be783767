// The history of a computer that belongs to a class: every attempt is
// recorded locally first, then queued in the outbox for the class server.
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

    bool Record(const Attempt& attempt) override;
    void Flush() override { local_.Flush(); }
    QStringList Children() override { return local_.Children(); }
    QList<Attempt> Attempts(const QString& child, DrillKind drill, const QDateTime& since) override {
        return local_.Attempts(child, drill, since);
    }
    FactStats Facts(const QString& child, DrillKind drill, const QDateTime& since) override {
        return local_.Facts(child, drill, since);
    }

    Outbox& Queue() { return outbox_; }

private:
    HistoryStore& local_;
    ClassroomConfig config_;
    Outbox outbox_;
    std::function<void()> queued_;
};
