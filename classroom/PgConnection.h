// Connecting to the class server through Qt's PostgreSQL driver with libpq's
// own settings: a service from pg_service.conf, the password from .pgpass.
// A dead or silent server must never hold a thread for long: the connection
// times out, TCP keepalives notice a vanished peer, and statements are
// limited on the server.
#pragma once

#include "classroom/ClassConnection.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <functional>
#include <mutex>
#include <optional>

struct PgTimeouts {
    int connectSeconds = 5; // libpq takes 2 at least
    int statementMs = 15000;
    int lockMs = 5000;
};

// The libpq connection string's options for a service.
QString PgConnectOptions(const QString& service, const PgTimeouts& timeouts);

struct PgFailure {
    ClassServerError::Kind kind = ClassServerError::Unreachable;
    LoginProblem problem = LoginProblem::None;
};
// What a failure means for the caller: from the SQLSTATE, or, for a failed
// connect, which has none, from libpq's message (English or Japanese).
PgFailure ClassifyPgFailure(const QString& sqlState, const QString& message);
ClassServerError::Kind PgFailureKind(const QSqlError& error);
// The login a server's refusal names ('password authentication failed for
// user "pc_3_2_07"', in English or Japanese); empty when it names none.
QString RefusedLogin(const QString& message);

// One QPSQL connection, used only on the thread that opened it, except
// Interrupt.
class PgConnection {
public:
    PgConnection(QString service, PgTimeouts timeouts);
    ~PgConnection();
    PgConnection(const PgConnection&) = delete;
    PgConnection& operator=(const PgConnection&) = delete;

    // Opens when closed; throws ClassServerError. The server's schema version.
    int Open();
    bool IsOpen() const { return db_ && db_->isOpen(); }
    void Close();
    void Interrupt();
    // Prepares and runs with the values bound (texts the SQL casts; a null
    // QVariant is NULL); throws ClassServerError.
    QSqlQuery Run(const QString& sql, const QVariantList& values = {});
    // Runs `work` in one transaction, rolled back when it throws.
    void Transaction(const std::function<void()>& work);

private:
    [[noreturn]] void fail(const QString& what, const QSqlError& error);

    QString service_;
    PgTimeouts timeouts_;
    QString connection_;
    std::optional<QSqlDatabase> db_;
    std::mutex socketMutex_;
    int socket_ = -1;
};

class PgClassConnection : public ClassConnection {
public:
    PgClassConnection(QString service, PgTimeouts timeouts = {}) : pg_(std::move(service), timeouts) {}
    int Open() override;
    int AddAll(const QList<OutgoingAttempt>& attempts) override;
    std::optional<QStringList> ClassNames() override;
    void Close() override { pg_.Close(); }
    void Interrupt() override { pg_.Interrupt(); }

private:
    PgConnection pg_;
};
