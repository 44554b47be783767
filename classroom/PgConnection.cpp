#include "classroom/PgConnection.h"

#include "core/Logging.h"

#include <QLibrary>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QUuid>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// libpq's PQsocket, taken from the library Qt's PostgreSQL driver has already
// loaded. Linking libpq into the program would load it, and the twenty
// libraries it needs, at every start, class or no class.
int SocketOf(const void* pgconn) {
    using PQsocketFunction = int (*)(const void*);
    static const auto socketOf = [] {
        const auto found =
            reinterpret_cast<PQsocketFunction>(QLibrary::resolve(QStringLiteral("pq"), 5, "PQsocket"));
        if (!found)
            qCWarning(lcClassroom) << "libpq's PQsocket not found: a blocked call cannot be interrupted";
        return found;
    }();
    return socketOf ? socketOf(pgconn) : -1;
}
} // namespace

QString PgConnectOptions(const QString& service, const PgTimeouts& t) {
    // Qt joins the options with spaces; a service name with a quote or a
    // backslash is escaped as libpq reads it.
    QString quoted = service;
    quoted.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'"));
    return QStringLiteral("service='%1';connect_timeout=%2;keepalives=1;keepalives_idle=10;"
                          "keepalives_interval=5;keepalives_count=3;application_name=vantel")
        .arg(quoted)
        .arg(std::max(2, t.connectSeconds));
}

ClassServerError::Kind PgFailureKind(const QSqlError& error) {
    const QString state = error.nativeErrorCode();
    if (state == QLatin1String("42501") || state.startsWith(QLatin1String("28")))
        return ClassServerError::Refused; // not allowed, or the login itself refused
    // Data exceptions and integrity violations: this attempt, as it stands, never goes in.
    if (state.startsWith(QLatin1String("22")) || state.startsWith(QLatin1String("23")))
        return ClassServerError::BadAttempt;
    // Connection lost, server shutting down, timeouts, anything else: later.
    return ClassServerError::Unreachable;
}

PgConnection::PgConnection(QString service, PgTimeouts timeouts)
    : service_(std::move(service)), timeouts_(timeouts),
      connection_(QStringLiteral("classroom-") + QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

PgConnection::~PgConnection() {
    Close();
    if (db_) {
        db_.reset();
        QSqlDatabase::removeDatabase(connection_);
    }
}

void PgConnection::fail(const QString& what, const QSqlError& error) {
    const ClassServerError::Kind kind = PgFailureKind(error);
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText();
    throw ClassServerError(kind, what + QStringLiteral(": ") + text, error.nativeErrorCode());
}

int PgConnection::Open() {
    if (!db_) {
        db_ = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection_);
        if (!db_->isValid())
            throw ClassServerError(ClassServerError::Unreachable,
                                   QStringLiteral("PostgreSQL のドライバー (QPSQL) がありません"));
        db_->setConnectOptions(PgConnectOptions(service_, timeouts_));
    }
    if (!db_->isOpen()) {
        if (!db_->open())
            fail(QStringLiteral("接続できません"), db_->lastError());
        const QVariant handle = db_->driver()->handle();
        // Qt 6 names the handle's type by libpq's struct tag, Qt 5 by its typedef.
        if (handle.isValid() &&
            (qstrcmp(handle.typeName(), "pg_conn*") == 0 || qstrcmp(handle.typeName(), "PGconn*") == 0)) {
            const std::lock_guard lock(socketMutex_);
            // A duplicate of libpq's socket: libpq closes its own when the
            // connection breaks, and the number may then be another file's.
            const int socket = SocketOf(*static_cast<const void* const*>(handle.data()));
            if (socket_ >= 0)
                ::close(socket_);
            socket_ = socket >= 0 ? ::fcntl(socket, F_DUPFD_CLOEXEC, 0) : -1;
        }
        // Qt prepares every statement, and SET cannot be prepared.
        Run(QStringLiteral("SELECT set_config('statement_timeout', ?, false)"),
            {QString::number(timeouts_.statementMs)});
    }
    QSqlQuery version = Run(QStringLiteral("SELECT vantel.schema_version()"));
    return version.next() ? version.value(0).toInt() : 0;
}

void PgConnection::Close() {
    {
        const std::lock_guard lock(socketMutex_);
        if (socket_ >= 0)
            ::close(socket_);
        socket_ = -1;
    }
    if (db_ && db_->isOpen())
        db_->close();
}

void PgConnection::Interrupt() {
    // Shutting the socket down wakes a thread blocked on it; the connection
    // then fails and is closed by its own thread.
    const std::lock_guard lock(socketMutex_);
    if (socket_ >= 0)
        ::shutdown(socket_, SHUT_RDWR);
}

QSqlQuery PgConnection::Run(const QString& sql, const QVariantList& values) {
    if (!IsOpen())
        throw ClassServerError(ClassServerError::Unreachable, QStringLiteral("接続していません"));
    QSqlQuery query(*db_);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        fail(QStringLiteral("問い合わせを準備できません"), query.lastError());
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        fail(QStringLiteral("問い合わせが失敗しました"), query.lastError());
    return query;
}

void PgConnection::Transaction(const std::function<void()>& work) {
    if (!IsOpen())
        throw ClassServerError(ClassServerError::Unreachable, QStringLiteral("接続していません"));
    if (!db_->transaction())
        fail(QStringLiteral("トランザクションを始められません"), db_->lastError());
    try {
        work();
    } catch (...) {
        db_->rollback(); // may fail on a broken connection; the server rolls back then
        throw;
    }
    if (!db_->commit())
        fail(QStringLiteral("記録を確定できません"), db_->lastError());
}

namespace {
bool addOne(PgConnection& pg, const OutgoingAttempt& o) {
    const Attempt& a = o.attempt;
    QSqlQuery query =
        pg.Run(QStringLiteral("SELECT vantel.add_attempt(?::uuid, ?::text, ?::text, ?::text, ?::smallint,"
                              " ?::timestamptz, ?::integer, ?::integer, ?::smallint, ?::smallint, ?::boolean,"
                              " ?::smallint[], ?::smallint[], ?::jsonb)"),
               // The nameless child is '', never NULL.
               {o.id, o.className, o.seat, a.child.isNull() ? QStringLiteral("") : a.child,
                QString::number(int(a.drill)), TimestampText(a.startedUtc),
                QString::number(a.utcOffsetSeconds), QString::number(a.durationMs), QString::number(a.score),
                QString::number(a.fullScore), a.newBest ? QStringLiteral("true") : QStringLiteral("false"),
                ArrayLiteral(a.topHeaders), ArrayLiteral(a.leftHeaders), QString::fromUtf8(CellsJson(a))});
    return query.next() && query.value(0).toBool();
}
} // namespace

int PgClassConnection::AddAll(const QList<OutgoingAttempt>& attempts) {
    int added = 0;
    // A transaction a batch: one commit (one flush on the server) for many attempts.
    pg_.Transaction([&] {
        for (const OutgoingAttempt& attempt : attempts)
            added += addOne(pg_, attempt);
    });
    return added;
}
