#include "classroom/ClassSender.h"

#include "classroom/ClassReader.h"
#include "classroom/Outbox.h"
#include "core/Logging.h"
#include "core/VantelError.h"

#include <condition_variable>
#include <mutex>
#include <thread>

using namespace std::chrono_literals;

std::chrono::milliseconds NextRetry(std::chrono::milliseconds current, const SenderTiming& timing) {
    return std::min(current * 2, timing.maxRetry);
}

struct ClassSender::State {
    QString outboxPath;
    ConnectionFactory connect;
    SenderTiming timing;

    mutable std::mutex mutex;
    std::condition_variable changed;
    bool stopping = false;
    bool woken = false;
    bool done = false;
    ClassConnection* connection = nullptr; // while the thread has one
    SendStatus status;
    std::function<void()> notify;
    std::thread thread;

    // Waits for a stop (or, when idle, a wake) at most `time`.
    void pause(std::chrono::milliseconds time, bool wakeable) {
        std::unique_lock lock(mutex);
        changed.wait_for(lock, time, [&] { return stopping || (wakeable && woken); });
        woken = false;
    }
    bool Stopping() const {
        const std::lock_guard lock(mutex);
        return stopping;
    }
    void update(const std::function<void(SendStatus&)>& change) {
        std::function<void()> tell;
        {
            const std::lock_guard lock(mutex);
            change(status);
            tell = notify;
        }
        changed.notify_all();
        if (tell)
            tell();
    }
};

ClassSender::ClassSender(QString outboxPath, ConnectionFactory connect, SenderTiming timing, QObject* parent)
    : QObject(parent), state_(std::make_shared<State>()) {
    state_->outboxPath = std::move(outboxPath);
    state_->connect = std::move(connect);
    state_->timing = timing;
    state_->notify = [this] {
        QMetaObject::invokeMethod(this, &ClassSender::StatusChanged, Qt::QueuedConnection);
    };
}

ClassSender::~ClassSender() { Shutdown(); }

void ClassSender::Start() {
    if (started_)
        return;
    started_ = true;
    const std::shared_ptr<State> state = state_;
    state_->thread = std::thread([state] { run(state); });
}

void ClassSender::Wake() {
    {
        const std::lock_guard lock(state_->mutex);
        state_->woken = true;
    }
    state_->changed.notify_all();
}

SendStatus ClassSender::Status() const {
    const std::lock_guard lock(state_->mutex);
    return state_->status;
}

bool ClassSender::WaitUntilSent(std::chrono::milliseconds timeout) {
    std::unique_lock lock(state_->mutex);
    return state_->changed.wait_for(lock, timeout, [&] {
        return state_->status.waiting == 0 || state_->done;
    }) && state_->status.waiting == 0;
}

bool ClassSender::Shutdown(std::chrono::milliseconds wait) {
    if (stopped_)
        return true;
    stopped_ = true;
    State& s = *state_;
    std::unique_lock lock(s.mutex);
    s.notify = nullptr; // this object may be gone before the thread ends
    s.stopping = true;
    s.changed.notify_all();
    if (!started_)
        return true;
    // A send blocked on a silent server has its socket broken for the last moment of the wait.
    const std::chrono::milliseconds grace = std::min<std::chrono::milliseconds>(300ms, wait / 4);
    bool ended = s.changed.wait_for(lock, wait - grace, [&] { return s.done; });
    if (!ended) {
        if (s.connection)
            s.connection->Interrupt();
        ended = s.changed.wait_for(lock, grace, [&] { return s.done; });
    }
    lock.unlock();
    if (ended) {
        s.thread.join();
        return true;
    }
    // It ends when libpq's own time-out runs out; it owns what it uses.
    qCWarning(lcClassroom) << "The class server's sender is still waiting on the network; leaving it";
    s.thread.detach();
    return false;
}

void ClassSender::run(const std::shared_ptr<State>& state) {
    State& s = *state;
    {
        // A removal lost to a power cut only means one resend, which the server recognises.
        Outbox outbox(s.outboxPath, Outbox::Durability::Relaxed);
        try {
            outbox.RetrySetAside();
        } catch (const VantelError&) {
            LogCurrentFailure(lcClassroom(), "Putting set-aside attempts back in the queue");
        }
        std::unique_ptr<ClassConnection> connection = s.connect();
        {
            const std::lock_guard lock(s.mutex);
            s.connection = connection.get();
        }
        bool open = false;
        int singles = 0; // attempts still to be sent one a transaction
        std::chrono::milliseconds retry = s.timing.firstRetry;
        auto backOff = [&] {
            s.pause(retry, false);
            retry = NextRetry(retry, s.timing);
        };
        auto lost = [&](const ClassServerError& error) {
            qCInfo(lcClassroom) << "Sending to the class server:" << error.Message();
            connection->Close();
            open = false;
            s.update([&](SendStatus& st) {
                st.state = error.GetKind() == ClassServerError::Unreachable ? SendStatus::Unreachable
                                                                            : SendStatus::Refused;
                st.problem = error.Message();
                st.login = error.Problem();
                st.loginRole = error.Login();
            });
            backOff();
        };
        while (!s.Stopping()) {
            QList<OutgoingAttempt> batch;
            try {
                batch = outbox.Oldest(singles > 0 ? 1 : s.timing.batch);
                const int waiting = outbox.Waiting(), setAside = outbox.SetAsideCount();
                s.update([&](SendStatus& st) {
                    st.waiting = waiting;
                    st.setAside = setAside;
                });
            } catch (const VantelError&) {
                LogCurrentFailure(lcClassroom(), "Reading the outbox");
                backOff();
                continue;
            }
            // Connected even with nothing to send: the status line tells whether the server is there.
            if (!open) {
                int version = 0;
                try {
                    version = connection->Open();
                } catch (const ClassServerError& error) {
                    lost(error); // whatever it says, nothing of this attempt's is in it
                    continue;
                }
                if (version != kClassSchemaVersion) {
                    connection->Close();
                    s.update([&](SendStatus& st) {
                        st.state = version > kClassSchemaVersion ? SendStatus::TooNew : SendStatus::TooOld;
                        st.serverVersion = version;
                        st.lastReached = QDateTime::currentDateTimeUtc();
                        st.problem =
                            version > kClassSchemaVersion ? TooNewMessage(version) : TooOldMessage(version);
                    });
                    qCWarning(lcClassroom) << "The class server's schema" << version
                                           << "is not this program's" << kClassSchemaVersion;
                    s.pause(s.timing.maxRetry, false);
                    continue;
                }
                open = true;
                s.update([&](SendStatus& st) {
                    st.state = SendStatus::Connected;
                    st.serverVersion = version;
                    st.lastReached = QDateTime::currentDateTimeUtc();
                    st.problem.clear();
                    st.login = LoginProblem::None;
                });
            }
            if (batch.isEmpty()) {
                s.pause(s.timing.idleCheck, true);
                continue;
            }
            try {
                const int added = connection->AddAll(batch);
                QStringList ids;
                for (const OutgoingAttempt& sent : batch)
                    ids << sent.id;
                outbox.Remove(ids);
                singles = std::max(0, singles - 1);
                if (added < batch.size())
                    qCInfo(lcClassroom)
                        << "The server had" << batch.size() - added << "of the attempts already";
                retry = s.timing.firstRetry;
                s.update([&](SendStatus& st) {
                    st.state = SendStatus::Connected;
                    st.lastReached = QDateTime::currentDateTimeUtc();
                    st.problem.clear();
                });
            } catch (const ClassServerError& error) {
                if (error.GetKind() != ClassServerError::BadAttempt) {
                    lost(error);
                    continue;
                }
                // The batch went back whole; one at a time finds the one the server will not take.
                if (batch.size() > 1) {
                    singles = int(batch.size());
                    continue;
                }
                try {
                    outbox.SetAside(batch.first().id, error.Message());
                    singles = std::max(0, singles - 1);
                    s.update([&](SendStatus& st) { st.setAsideReason = error.Message(); });
                } catch (const VantelError&) {
                    LogCurrentFailure(lcClassroom(), "Setting an attempt aside");
                    backOff();
                }
            } catch (const VantelError&) {
                LogCurrentFailure(lcClassroom(), "Removing a sent attempt from the outbox");
                backOff();
            }
        }
        {
            const std::lock_guard lock(s.mutex);
            s.connection = nullptr;
        }
        connection->Close();
    }
    {
        const std::lock_guard lock(s.mutex);
        s.done = true;
    }
    s.changed.notify_all();
}
