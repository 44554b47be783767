#include "classroom/ClassSender.h"

#include "classroom/ClassReader.h"
#include "classroom/Outbox.h"
#include "core/Logging.h"
#include "core/VantelError.h"

#include <condition_variable>
#include <mutex>

using namespace std::chrono_literals;

std::chrono::milliseconds NextRetry(std::chrono::milliseconds current, const SenderTiming& timing) {
    return std::min(current * 2, timing.maxRetry);
}

// What the sending job shares with the window: the status, under its own lock
// so Status and WaitUntilSent can read it while a send is in flight.
struct ClassSender::State {
    QString outboxPath;
    ConnectionFactory connect;
    SenderTiming timing;

    mutable std::mutex mutex;
    std::condition_variable changed;
    bool done = false;
    SendStatus status;

    template <class Change>
    void update(const SerialWorker::Link& link, const QPointer<QObject>& owner, const Change& change) {
        {
            const std::lock_guard lock(mutex);
            change(status);
        }
        changed.notify_all();
        link.Deliver(owner, [owner] { emit static_cast<ClassSender*>(owner.data())->StatusChanged(); });
    }
};

ClassSender::ClassSender(QString outboxPath, ConnectionFactory connect, SenderTiming timing, QObject* parent)
    : QObject(parent), state_(std::make_shared<State>()),
      worker_(lcClassroom, "Sending to the class server") {
    state_->outboxPath = std::move(outboxPath);
    state_->connect = std::move(connect);
    state_->timing = timing;
}

ClassSender::~ClassSender() { Shutdown(); }

void ClassSender::Start() {
    if (started_)
        return;
    started_ = true;
    worker_.Post([state = state_, link = worker_.GetLink(), owner = QPointer<QObject>(this)] {
        run(*state, link, owner);
    });
}

void ClassSender::Wake() { worker_.Wake(); }

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
    return worker_.Stop(wait, SerialWorker::Queued::Drop);
}

void ClassSender::run(State& s, const SerialWorker::Link& link, const QPointer<QObject>& owner) {
    const auto changeStatus = [&](const auto& change) { s.update(link, owner, change); };
    {
        // A removal lost to a power cut only means one resend, which the server recognises.
        Outbox outbox(s.outboxPath, Outbox::Durability::Relaxed);
        try {
            outbox.RetrySetAside();
        } catch (const VantelError&) {
            LogCurrentFailure(lcClassroom(), "Putting set-aside attempts back in the queue");
        }
        std::unique_ptr<ClassConnection> connection = s.connect();
        // A send blocked on a silent server has its socket broken for the last moment of Shutdown.
        link.SetInterrupt([raw = connection.get()] { raw->Interrupt(); });
        bool open = false;
        int singles = 0; // attempts still to be sent one a transaction
        std::chrono::milliseconds retry = s.timing.firstRetry;
        auto backOff = [&] {
            link.Pause(retry, false);
            retry = NextRetry(retry, s.timing);
        };
        auto lost = [&](const ClassServerError& error) {
            qCInfo(lcClassroom) << "Sending to the class server:" << error.Message();
            connection->Close();
            open = false;
            changeStatus([&](SendStatus& st) {
                st.state = error.GetKind() == ClassServerError::Unreachable ? SendStatus::Unreachable
                                                                            : SendStatus::Refused;
                st.problem = error.Message();
                st.login = error.Problem();
                st.loginRole = error.Login();
            });
            backOff();
        };
        while (!link.Stopping()) {
            QList<OutgoingAttempt> batch;
            try {
                batch = outbox.Oldest(singles > 0 ? 1 : s.timing.batch);
                const int waiting = outbox.Waiting(), setAside = outbox.SetAsideCount();
                changeStatus([&](SendStatus& st) {
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
                    changeStatus([&](SendStatus& st) {
                        st.state = version > kClassSchemaVersion ? SendStatus::TooNew : SendStatus::TooOld;
                        st.serverVersion = version;
                        st.lastReached = QDateTime::currentDateTimeUtc();
                        st.problem =
                            version > kClassSchemaVersion ? TooNewMessage(version) : TooOldMessage(version);
                    });
                    qCWarning(lcClassroom) << "The class server's schema" << version
                                           << "is not this program's" << kClassSchemaVersion;
                    link.Pause(s.timing.maxRetry, false);
                    continue;
                }
                open = true;
                changeStatus([&](SendStatus& st) {
                    st.state = SendStatus::Connected;
                    st.serverVersion = version;
                    st.lastReached = QDateTime::currentDateTimeUtc();
                    st.problem.clear();
                    st.login = LoginProblem::None;
                });
                // The names a child may pick when typing theirs, read anew at every connection.
                try {
                    if (std::optional<QStringList> names = connection->ClassNames())
                        link.Deliver(owner, [owner, names = *names] {
                            emit static_cast<ClassSender*>(owner.data())->ClassNamesRead(names);
                        });
                } catch (const ClassServerError& error) {
                    if (error.GetKind() == ClassServerError::Unreachable) {
                        lost(error);
                        continue;
                    }
                    qCInfo(lcClassroom) << "Reading the class's names:" << error.Message();
                }
            }
            if (batch.isEmpty()) {
                link.Pause(s.timing.idleCheck, true);
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
                changeStatus([&](SendStatus& st) {
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
                    changeStatus([&](SendStatus& st) { st.setAsideReason = error.Message(); });
                } catch (const VantelError&) {
                    LogCurrentFailure(lcClassroom(), "Setting an attempt aside");
                    backOff();
                }
            } catch (const VantelError&) {
                LogCurrentFailure(lcClassroom(), "Removing a sent attempt from the outbox");
                backOff();
            }
        }
        link.SetInterrupt({});
        connection->Close();
    }
    {
        const std::lock_guard lock(s.mutex);
        s.done = true;
    }
    s.changed.notify_all();
}
