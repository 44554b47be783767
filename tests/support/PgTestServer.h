// A real PostgreSQL 15 for one test, in a temporary folder, reached only
// through its Unix socket (tests/support/pgserver.sh does the work). It
// sets PGSERVICEFILE, so libpq and Qt's QPSQL driver find the services:
//   ServiceName()         "vantel_test": the computers' role of TestClass()
//   TeacherServiceName()  "vantel_test_teacher": the teacher of TestClass()
//   AdminServiceName()    "vantel_test_admin": the superuser "postgres"
// The server is stopped when the object goes, even when the test failed; if
// the test process dies instead, the server stops itself a second later.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

struct PsqlResult {
    bool ok = false;  // psql ran and every statement succeeded
    QString out;      // unaligned rows, "|" between fields, one row a line
    QString err;      // psql's messages
    QString sqlState; // the SQLSTATE of the first error ("42501"), empty on success

    QStringList Rows() const { return out.isEmpty() ? QStringList() : out.split(QLatin1Char('\n')); }
};

class PgTestServer {
public:
    static constexpr int kTimeoutMs = 120000;

    // tls: also on 127.0.0.1 over TLS only, with the services TlsServiceName()
    // and TlsTeacherServiceName() (see pgserver.sh, PGSERVER_TLS).
    explicit PgTestServer(bool tls = false) : dir_(tempTemplate()), tls_(tls) {
        if (!dir_.isValid()) {
            error_ = QStringLiteral("no temporary folder: ") + dir_.errorString();
            return;
        }
        qputenv("PGSERVICEFILE", ServiceFile().toLocal8Bit());
        // Nothing of the calling environment may point libpq elsewhere.
        for (const char* name : {"PGHOST", "PGHOSTADDR", "PGPORT", "PGDATABASE", "PGUSER", "PGSERVICE"})
            qunsetenv(name);
        Start();
    }
    ~PgTestServer() { Stop(); }
    PgTestServer(const PgTestServer&) = delete;
    PgTestServer& operator=(const PgTestServer&) = delete;

    // Starts the server again with the same data; true when it is up.
    bool Start() {
        running_ =
            run({QStringLiteral("start"), dir_.path(), QString::number(QCoreApplication::applicationPid())});
        return running_;
    }
    // Stops the server (fast shutdown: open sessions are cut).
    bool Stop() {
        if (!dir_.isValid())
            return false;
        const bool stopped = run({QStringLiteral("stop"), dir_.path()});
        if (stopped)
            running_ = false;
        return stopped;
    }

    bool IsRunning() const { return running_; }
    // What went wrong at the last start or stop.
    QString ErrorText() const { return error_; }

    static QString ServiceName() { return QStringLiteral("vantel_test"); }
    static QString TeacherServiceName() { return QStringLiteral("vantel_test_teacher"); }
    static QString AdminServiceName() { return QStringLiteral("vantel_test_admin"); }
    static QString TestClass() { return QStringLiteral("1年1組"); }
    static QString ComputerRole() { return QStringLiteral("vantel_test_computer"); }
    static QString TeacherRole() { return QStringLiteral("vantel_test_teacher"); }
    static QString AdminRole() { return QStringLiteral("postgres"); }
    static int Port() { return 5432; }
    // The port of this server's socket: another one for a TLS server, which listens on TCP too.
    int SocketPort() const {
        QFile file(dir_.filePath(QStringLiteral("port")));
        return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toInt() : Port();
    }
    static QString TlsServiceName() { return QStringLiteral("vantel_tls"); }
    static QString TlsTeacherServiceName() { return QStringLiteral("vantel_tls_teacher"); }
    // The TLS server's CA; another CA, and a certificate for localhost it signed.
    QString TlsFile(const QString& name) const { return dir_.filePath(QStringLiteral("tls/") + name); }

    QString SocketDir() const { return dir_.path(); }
    QString ServiceFile() const { return dir_.filePath(QStringLiteral("pg_service.conf")); }
    QString LogFile() const { return dir_.filePath(QStringLiteral("server.log")); }

    // Runs SQL (one or more statements) as a role of the server through psql;
    // stops at the first error.
    PsqlResult Psql(const QString& sql, const QString& role = AdminRole()) const {
        PsqlResult result;
        QProcess psql;
        psql.setProgram(QStringLiteral("/usr/lib/postgresql/15/bin/psql"));
        psql.setArguments({QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-A"),
                           QStringLiteral("-t"), QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"),
                           QStringLiteral("-v"), QStringLiteral("VERBOSITY=verbose"), QStringLiteral("-h"),
                           SocketDir(), QStringLiteral("-p"), QString::number(SocketPort()),
                           QStringLiteral("-U"), role, QStringLiteral("-d"), QStringLiteral("vantel"),
                           QStringLiteral("-f"), QStringLiteral("-")});
        psql.start();
        if (!psql.waitForStarted()) {
            result.err = psql.errorString();
            return result;
        }
        psql.write(sql.toUtf8());
        psql.closeWriteChannel();
        if (!psql.waitForFinished(kTimeoutMs)) {
            psql.kill();
            psql.waitForFinished();
            result.err = QStringLiteral("psql did not finish");
            return result;
        }
        result.out = QString::fromUtf8(psql.readAllStandardOutput()).trimmed();
        result.err = QString::fromUtf8(psql.readAllStandardError());
        result.ok = psql.exitStatus() == QProcess::NormalExit && psql.exitCode() == 0;
        const auto state = QRegularExpression(QStringLiteral("ERROR:\\s+([0-9A-Z]{5}):")).match(result.err);
        if (state.hasMatch())
            result.sqlState = state.captured(1);
        return result;
    }

    // Sets up a class with one computer's login (at `seat`) and a teacher
    // role, made when missing, as an administrator would with
    // scripts/classroom-setup.sh; the class's group is computerRole + "_g".
    bool AddClass(const QString& cls, const QString& computerRole, const QString& teacherRole,
                  const QString& seat = QStringLiteral("PC-01")) {
        return Setup({QStringLiteral("add-class"), cls, computerRole + QStringLiteral("_g"), teacherRole}) &&
               Setup({QStringLiteral("add-computer"), cls, seat, computerRole});
    }

    // Runs scripts/classroom-setup.sh as the superuser (on another database
    // when given; through another psql when given); true when it exits with
    // 0. Its output (both channels) is in SetupOutput().
    bool Setup(const QStringList& arguments, const QString& database = {}, const QString& psql = {}) {
        QProcess setup;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PSQL"),
                   psql.isEmpty() ? QStringLiteral("/usr/lib/postgresql/15/bin/psql") : psql);
        setup.setProcessEnvironment(env);
        setup.setProcessChannelMode(QProcess::MergedChannels);
        QString conn = adminConnInfo();
        if (!database.isEmpty())
            conn.replace(QStringLiteral("dbname=vantel"), QStringLiteral("dbname=") + database);
        setup.start(sourceDir() + QStringLiteral("/scripts/classroom-setup.sh"),
                    QStringList{QStringLiteral("-c"), conn} + arguments);
        setup.closeWriteChannel();
        const bool ok = setup.waitForFinished(kTimeoutMs) && setup.exitStatus() == QProcess::NormalExit &&
                        setup.exitCode() == 0;
        setupOutput_ = QString::fromUtf8(setup.readAll());
        if (!ok)
            error_ = setupOutput_;
        return ok;
    }
    const QString& SetupOutput() const { return setupOutput_; }

    // Adds a service of the given role to the service file (for a second
    // class's computers, say).
    bool AddService(const QString& service, const QString& role) const {
        QFile file(ServiceFile());
        if (!file.open(QIODevice::Append | QIODevice::Text))
            return false;
        file.write(QStringLiteral("[%1]\nhost=%2\nport=%3\ndbname=vantel\nuser=%4\n\n")
                       .arg(service, SocketDir(), QString::number(SocketPort()), role)
                       .toUtf8());
        return true;
    }

private:
    static QString tempTemplate() {
        // A Unix socket's path is at most 107 bytes; a deep TMPDIR would not do.
        QString base = QDir::tempPath();
        if (base.size() > 60)
            base = QStringLiteral("/tmp");
        return base + QStringLiteral("/vantel-pg-XXXXXX");
    }
    static QString sourceDir() {
        const QString dir = qEnvironmentVariable("VANTEL_SOURCE_DIR");
        return dir.isEmpty() ? QStringLiteral(".") : dir;
    }

public:
    QString adminConnInfo() const {
        return QStringLiteral("host=%1 port=%2 dbname=vantel user=postgres")
            .arg(SocketDir())
            .arg(SocketPort());
    }

private:
    bool run(const QStringList& arguments) {
        QProcess script;
        script.setProcessChannelMode(QProcess::MergedChannels);
        if (tls_) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("PGSERVER_TLS"), QStringLiteral("1"));
            script.setProcessEnvironment(env);
        }
        script.start(sourceDir() + QStringLiteral("/tests/support/pgserver.sh"), arguments);
        if (!script.waitForFinished(kTimeoutMs)) {
            script.kill();
            script.waitForFinished();
            error_ = QStringLiteral("pgserver.sh %1 did not finish").arg(arguments.first());
            return false;
        }
        if (script.exitStatus() != QProcess::NormalExit || script.exitCode() != 0) {
            error_ = QStringLiteral("pgserver.sh %1: %2")
                         .arg(arguments.first(), QString::fromLocal8Bit(script.readAll()));
            return false;
        }
        error_.clear();
        return true;
    }

    QTemporaryDir dir_;
    bool tls_ = false;
    bool running_ = false;
    QString error_;
    QString setupOutput_;
};
