#include "classroom/PgConnection.h"

#include "classroom/ClassRoster.h"
#include "core/Logging.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QUuid>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// What the teacher reads when the class server fails; the server's own words follow.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PgConnection)
};

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

namespace {
struct MessageRule {
    const char* text; // part of libpq's or the server's message, as Debian's English and Japanese say it
    LoginProblem problem;
};

// Checked in this order: the TLS ones come first, as libpq adds its own words to the server's.
const MessageRule kMessageRules[] = {
    {"server does not support SSL", LoginProblem::NoTls},
    {"SSL not in use", LoginProblem::NoTls},
    {"サーバーはSSLをサポートしていません", LoginProblem::NoTls},
    {"SSLが使用されていません", LoginProblem::NoTls},
    {"certificate verify failed", LoginProblem::UntrustedCertificate},
    {"does not match host name", LoginProblem::UntrustedCertificate},
    {"とマッチしません", LoginProblem::UntrustedCertificate},
    {"root certificate file", LoginProblem::UntrustedCertificate},
    {"ルート証明書", LoginProblem::UntrustedCertificate},
    {"channel binding", LoginProblem::NoChannelBinding},
    {"チャネルバインディング", LoginProblem::NoChannelBinding},
    {"password authentication failed", LoginProblem::WrongPassword},
    {"パスワード認証に失敗しました", LoginProblem::WrongPassword},
    {"no password supplied", LoginProblem::WrongPassword},
    {"pg_hba.conf", LoginProblem::NotInAccessList},
    {"is not permitted to log in", LoginProblem::MayNotLogIn},
    {"はログインが許可されません", LoginProblem::MayNotLogIn},
    {"too many connections for role", LoginProblem::TooManyConnections},
    {"からの接続が多すぎます", LoginProblem::TooManyConnections},
    {"read-only transaction", LoginProblem::ReadOnly},
    {"リードオンリーのトランザクション", LoginProblem::ReadOnly},
};

LoginProblem problemInMessage(const QString& message) {
    for (const MessageRule& rule : kMessageRules)
        if (message.contains(QString::fromUtf8(rule.text)))
            return rule.problem;
    static const QRegularExpression noRole(
        QStringLiteral("role \"[^\"]*\" does not exist|ロール\"[^\"]*\"は存在しません"));
    if (noRole.match(message).hasMatch())
        return LoginProblem::MayNotLogIn;
    return LoginProblem::None;
}
} // namespace

PgFailure ClassifyPgFailure(const QString& state, const QString& message) {
    using K = ClassServerError;
    if (state == QLatin1String("25006"))
        return {K::Refused, LoginProblem::ReadOnly};
    if (state == QLatin1String("28P01"))
        return {K::Refused, LoginProblem::WrongPassword};
    if (state.startsWith(QLatin1String("28"))) {
        const LoginProblem problem = problemInMessage(message);
        return {K::Refused, problem == LoginProblem::None ? LoginProblem::MayNotLogIn : problem};
    }
    if (state == QLatin1String("53300")) {
        // The role's limit needs a person; the server's own ("too many clients") passes.
        const LoginProblem problem = problemInMessage(message);
        return problem == LoginProblem::TooManyConnections ? PgFailure{K::Refused, problem} : PgFailure{};
    }
    // Data exceptions, integrity violations, sizes and limits, and a class this login may not add to:
    // this attempt, as it stands, never goes in, whatever the others do.
    if (state == QLatin1String("42501") || state.startsWith(QLatin1String("22")) ||
        state.startsWith(QLatin1String("23")) || state.startsWith(QLatin1String("54")))
        return {K::BadAttempt, LoginProblem::None};
    if (!state.isEmpty())
        return {}; // connection lost, server shutting down, timeouts, anything else: later
    // A failed connect has no SQLSTATE in Qt's driver: only the message tells.
    const LoginProblem problem = problemInMessage(message);
    return problem == LoginProblem::None ? PgFailure{} : PgFailure{K::Refused, problem};
}

ClassServerError::Kind PgFailureKind(const QSqlError& error) {
    return ClassifyPgFailure(error.nativeErrorCode(), error.databaseText() + u'\n' + error.driverText()).kind;
}

QString RefusedLogin(const QString& message) {
    static const QRegularExpression named(QStringLiteral("(?:user|role|ユーザー|ロール) ?\"([^\"]+)\""));
    return named.match(message).captured(1);
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
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText();
    const PgFailure failure = ClassifyPgFailure(error.nativeErrorCode(), text);
    throw ClassServerError(failure.kind, what + QStringLiteral(": ") + text, error.nativeErrorCode(),
                           failure.problem,
                           failure.problem == LoginProblem::None ? QString() : RefusedLogin(text));
}

int PgConnection::Open() {
    if (!db_) {
        db_ = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection_);
        if (!db_->isValid())
            throw ClassServerError(ClassServerError::Unreachable,
                                   Texts::tr("PostgreSQL のドライバー (QPSQL) がありません"));
        db_->setConnectOptions(PgConnectOptions(service_, timeouts_));
    }
    if (!db_->isOpen()) {
        if (!db_->open())
            fail(Texts::tr("接続できません"), db_->lastError());
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
        // Whatever the login's own settings say (a child may ALTER ROLE their
        // own login), this session reads pg_catalog's names only, may write,
        // and never waits long. Qt prepares every statement, and SET cannot be prepared.
        Run(QStringLiteral("SELECT pg_catalog.set_config('search_path', 'pg_catalog', false),"
                           " pg_catalog.set_config('default_transaction_read_only', 'off', false),"
                           " pg_catalog.set_config('statement_timeout', ?, false),"
                           " pg_catalog.set_config('lock_timeout', ?, false),"
                           " pg_catalog.set_config('idle_in_transaction_session_timeout', '0', false),"
                           " pg_catalog.set_config('idle_session_timeout', '0', false)"),
            {QString::number(timeouts_.statementMs), QString::number(timeouts_.lockMs)});
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
        throw ClassServerError(ClassServerError::Unreachable, Texts::tr("接続していません"));
    QSqlQuery query(*db_);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        fail(Texts::tr("問い合わせを準備できません"), query.lastError());
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        fail(Texts::tr("問い合わせが失敗しました"), query.lastError());
    return query;
}

void PgConnection::Transaction(const std::function<void()>& work) {
    if (!IsOpen())
        throw ClassServerError(ClassServerError::Unreachable, Texts::tr("接続していません"));
    if (!db_->transaction())
        fail(Texts::tr("トランザクションを始められません"), db_->lastError());
    try {
        work();
    } catch (...) {
        db_->rollback(); // may fail on a broken connection; the server rolls back then
        throw;
    }
    if (!db_->commit())
        fail(Texts::tr("記録を確定できません"), db_->lastError());
}

namespace {
bool addOne(PgConnection& pg, const OutgoingAttempt& o) {
    const Attempt& a = o.attempt;
    QSqlQuery query =
        pg.Run(QStringLiteral("SELECT vantel.add_attempt(?::uuid, ?::text, ?::text, ?::text, ?::smallint,"
                              " ?::timestamptz, ?::integer, ?::integer, ?::smallint, ?::smallint, ?::boolean,"
                              " ?::smallint[], ?::smallint[], ?::text)"),
               // The nameless child is '', never NULL.
               {o.id, o.className, o.seat, ServerChildName(a.child), QString::number(int(a.drill)),
                TimestampText(a.startedUtc), QString::number(a.utcOffsetSeconds),
                QString::number(a.durationMs), QString::number(a.score), QString::number(a.fullScore),
                a.newBest ? QStringLiteral("true") : QStringLiteral("false"), ArrayLiteral(a.topHeaders),
                ArrayLiteral(a.leftHeaders), QString::fromUtf8(CellsJson(a))});
    return query.next() && query.value(0).toBool();
}
} // namespace

int PgClassConnection::Open() {
    const bool wasOpen = pg_.IsOpen();
    const int version = pg_.Open();
    if (!wasOpen && version == kClassSchemaVersion) {
        try {
            // The teacher sees when each computer last got through.
            pg_.Run(QStringLiteral("SELECT vantel.computer_seen()"));
        } catch (const ClassServerError& error) {
            if (error.GetKind() == ClassServerError::Unreachable)
                throw;
            qCWarning(lcClassroom) << "Telling the class server this computer is here:" << error.Message();
        }
    }
    return version;
}

int PgClassConnection::AddAll(const QList<OutgoingAttempt>& attempts) {
    int added = 0;
    // A transaction a batch: one commit (one flush on the server) for many attempts.
    pg_.Transaction([&] {
        for (const OutgoingAttempt& attempt : attempts)
            added += addOne(pg_, attempt);
    });
    return added;
}

std::optional<QStringList> PgClassConnection::ClassNames() {
    QSqlQuery known =
        pg_.Run(QStringLiteral("SELECT pg_catalog.to_regprocedure('vantel.class_names()') IS NOT NULL"));
    if (!known.next() || !known.value(0).toBool())
        return std::nullopt;
    QSqlQuery query = pg_.Run(QStringLiteral("SELECT child FROM vantel.class_names()"));
    QStringList names;
    // The server keeps at most 200 names of 100 characters; a list beyond that is not its.
    while (query.next() && names.size() < kRosterLimit)
        names << query.value(0).toString().left(kServerTextLimit);
    return names;
}
