// The worker thread that empties the outbox into the class server. It opens
// its own connection, sends the oldest attempt first, deletes it once the
// server has answered for it (added, or already there), and backs off while
// the server is away. An attempt the server refuses for what it holds is set
// aside, so it never holds up the rest; each start tries those once more. Nothing here ever makes the window
// wait: Start only starts the thread, and Shutdown gives a send in flight at most a moment before it leaves
// the rest queued for the next run.
#pragma once

#include "classroom/ClassConnection.h"
#include "core/SerialWorker.h"

#include <QDateTime>
#include <QObject>
#include <chrono>
#include <functional>
#include <memory>

struct SendStatus {
    enum State { NotYet, Connected, Unreachable, TooNew, TooOld, Refused };
    State state = NotYet;
    QDateTime lastReached;  // UTC; invalid: not in this run
    int waiting = -1;       // -1: not counted yet
    int setAside = 0;       // attempts the server would not take
    QString setAsideReason; // the server's word on the last one
    int serverVersion = 0;
    QString problem;
    LoginProblem login = LoginProblem::None; // with Refused
    QString loginRole;
};

struct SenderTiming {
    std::chrono::milliseconds firstRetry{1000};
    std::chrono::milliseconds maxRetry{std::chrono::minutes(3)};
    // Looks at the outbox now and then even when not woken: another copy of
    // the program may share it.
    std::chrono::milliseconds idleCheck{std::chrono::minutes(1)};
    int batch = 20; // attempts a transaction
};

// The next wait after a failure: doubled, up to the longest.
std::chrono::milliseconds NextRetry(std::chrono::milliseconds current, const SenderTiming& timing);

class ClassSender : public QObject {
    Q_OBJECT
public:
    using ConnectionFactory = std::function<std::unique_ptr<ClassConnection>()>;

    // The connection is made on the sending thread, where it is used.
    ClassSender(QString outboxPath, ConnectionFactory connect, SenderTiming timing = {},
                QObject* parent = nullptr);
    ~ClassSender() override;

    void Start();
    // Something was queued.
    void Wake();
    // Stops the thread, waiting at most `wait` for a send in flight (its
    // connection is interrupted for the last moment). True when it ended;
    // otherwise it is left to end by itself. No StatusChanged comes after it.
    bool Shutdown(std::chrono::milliseconds wait = std::chrono::seconds(2));
    SendStatus Status() const;
    // Blocks until nothing waits to be sent or the time is up (the tests and
    // the sending tool, never the window).
    bool WaitUntilSent(std::chrono::milliseconds timeout);

signals:
    // On this object's thread, after the sending thread changed the status.
    void StatusChanged();
    // On this object's thread: the names on the class's list, as the server gave them at a connection.
    void ClassNamesRead(const QStringList& names);

private:
    struct State;
    static void run(State& s, const SerialWorker::Link& link, const QPointer<QObject>& owner);

    std::shared_ptr<State> state_;
    SerialWorker worker_;
    bool started_ = false;
};
