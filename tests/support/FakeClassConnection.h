// A class server in memory for the sender's tests: it can be away, lose its
// answer after storing, refuse an attempt or the login, hang, or run another
// schema.
#pragma once

#include "classroom/ClassConnection.h"

#include <QStringList>
#include <condition_variable>
#include <memory>
#include <mutex>

struct FakeClassServer {
    std::mutex mutex;
    std::condition_variable released;
    bool away = false;
    int loseAnswers = 0; // stores, then fails as a dropped connection would
    int version = kClassSchemaVersion;
    QStringList badChildren;                       // attempts the server rejects for their data
    LoginProblem refuseLogin = LoginProblem::None; // the login is turned away
    bool hang = false;                             // a send blocks until released
    bool interruptible = true;
    int opens = 0;
    QStringList received; // ids, in the order they arrived, each once
    int resends = 0;
    int transactions = 0;

    void Set(const std::function<void(FakeClassServer&)>& change) {
        {
            const std::lock_guard lock(mutex);
            change(*this);
        }
        released.notify_all();
    }
    template <typename T> T Get(const std::function<T(FakeClassServer&)>& read) {
        const std::lock_guard lock(mutex);
        return read(*this);
    }
};

class FakeClassConnection : public ClassConnection {
public:
    explicit FakeClassConnection(std::shared_ptr<FakeClassServer> server) : server_(std::move(server)) {}
    int Open() override {
        const std::lock_guard lock(server_->mutex);
        if (server_->away)
            throw ClassServerError(ClassServerError::Unreachable, QStringLiteral("away"));
        if (server_->refuseLogin != LoginProblem::None)
            throw ClassServerError(ClassServerError::Refused, QStringLiteral("refused"), {},
                                   server_->refuseLogin, QStringLiteral("pc_01"));
        ++server_->opens;
        open_ = true;
        return server_->version;
    }
    int AddAll(const QList<OutgoingAttempt>& attempts) override {
        std::unique_lock lock(server_->mutex);
        if (!open_ || server_->away)
            throw ClassServerError(ClassServerError::Unreachable, QStringLiteral("away"));
        interrupted_ = false;
        server_->released.wait(lock, [&] { return !server_->hang || interrupted_; });
        if (interrupted_)
            throw ClassServerError(ClassServerError::Unreachable, QStringLiteral("interrupted"));
        ++server_->transactions;
        for (const OutgoingAttempt& attempt : attempts) // all or none
            if (server_->badChildren.contains(attempt.attempt.child))
                throw ClassServerError(ClassServerError::BadAttempt, QStringLiteral("bad"),
                                       QStringLiteral("22P02"));
        int added = 0;
        for (const OutgoingAttempt& attempt : attempts) {
            if (server_->received.contains(attempt.id)) {
                ++server_->resends;
                continue;
            }
            server_->received << attempt.id;
            ++added;
        }
        if (server_->loseAnswers > 0) {
            --server_->loseAnswers;
            throw ClassServerError(ClassServerError::Unreachable, QStringLiteral("connection lost"));
        }
        return added;
    }
    void Close() override { open_ = false; }
    void Interrupt() override {
        {
            const std::lock_guard lock(server_->mutex);
            if (server_->interruptible)
                interrupted_ = true;
        }
        server_->released.notify_all();
    }

private:
    std::shared_ptr<FakeClassServer> server_;
    bool open_ = false;
    bool interrupted_ = false; // under the server's mutex
};
