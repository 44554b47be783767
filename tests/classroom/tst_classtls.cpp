// The way to the class server with the settings the README gives computers
// (sslmode=verify-full, the school's CA, channel_binding=require): a real
// PostgreSQL over TLS takes the attempts; a server without TLS, with a
// certificate of another CA, or asking for the password in clear is left
// before the password goes, and the status line says why; a login the
// server turns away is named; what a child sets on their own login cannot
// stop their computer sending.
#include "classroom/ClassSender.h"
#include "classroom/Classroom.h"
#include "classroom/Outbox.h"
#include "classroom/PgConnection.h"
#include "tests/support/PgTestServer.h"
#include "tests/support/SampleAttempts.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

namespace {
const SenderTiming kQuick{100ms, 500ms, 500ms};
const PgTimeouts kShort{2, 10000};

QStringList queue(const QString& path, int count) {
    Outbox outbox(path);
    QStringList ids;
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-1);
    for (int i = 0; i < count; ++i) {
        const OutgoingAttempt out = MakeOutgoing(
            SampleAttempt(QStringLiteral("はな"), DrillKind::Addition, start.addSecs(120 * i), 80000),
            PgTestServer::TestClass(), QStringLiteral("PC-01"));
        outbox.Add(out);
        ids << out.id;
    }
    return ids;
}

std::unique_ptr<ClassSender> makeSender(const QString& path, const QString& service) {
    return std::make_unique<ClassSender>(
        path, [service] { return std::make_unique<PgClassConnection>(service, kShort); }, kQuick);
}

// A computer with one attempt queued is turned away for `problem`, its
// status line says so, and the attempt stays queued.
void expectRefused(const QString& service, int problem, const QString& says) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("outbox.sqlite"));
    queue(path, 1);
    const std::unique_ptr<ClassSender> sender = makeSender(path, service);
    sender->Start();
    QTRY_COMPARE_WITH_TIMEOUT(sender->Status().state, SendStatus::Refused, 20000);
    QCOMPARE(int(sender->Status().login), problem);
    const QString text = ClassStatusText(sender->Status(), {}, 1);
    QVERIFY2(text.contains(says), qPrintable(text + u'\n' + sender->Status().problem));
    sender->Shutdown();
    QCOMPARE(Outbox(path).Waiting(), 1);
}

// tests/support/fakepg.py: a server that asks for a clear-text password, with or without TLS.
class FakeServer {
public:
    FakeServer(const QString& dir, const QStringList& tls) : dir_(dir) {
        process_.start(QStringLiteral("python3"),
                       QStringList{qEnvironmentVariable("VANTEL_SOURCE_DIR", QStringLiteral(".")) +
                                       QStringLiteral("/tests/support/fakepg.py"),
                                   dir} +
                           tls);
    }
    ~FakeServer() {
        process_.kill();
        process_.waitForFinished();
    }
    // Waits for it to listen.
    int Port() {
        QFile file(dir_ + QStringLiteral("/port"));
        for (int i = 0; i < 100 && !file.exists(); ++i)
            QTest::qWait(50);
        return file.open(QIODevice::ReadOnly) ? file.readAll().toInt() : 0;
    }
    QString Received() const {
        QFile file(dir_ + QStringLiteral("/received"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    QString dir_;
    QProcess process_;
};
} // namespace

class TestClassTls : public QObject {
    Q_OBJECT
    std::unique_ptr<PgTestServer> server_;
    QTemporaryDir dir_;
    int files_ = 0;
    QString fresh(const QString& what) { return dir_.filePath(what + QString::number(++files_)); }
    QString computerRole() {
        return server_->Psql(QStringLiteral("SELECT role_name FROM vantel.computers WHERE seat = 'PC-01'"))
            .out;
    }
    // A service of the README's settings for a login, its password in a file of its own.
    QString addService(const QString& host, int port, const QString& role, const QString& password,
                       const QString& rootCert, const QString& settings = {}) {
        const QString service = QStringLiteral("svc%1").arg(++files_);
        const QString passfile = fresh(QStringLiteral("pgpass"));
        QFile pass(passfile);
        pass.open(QIODevice::WriteOnly);
        pass.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        pass.write(QStringLiteral("*:*:*:%1:%2\n").arg(role, password).toUtf8());
        pass.close();
        QFile services(server_->ServiceFile());
        services.open(QIODevice::Append);
        services.write(QStringLiteral("[%1]\nhost=%2\nhostaddr=127.0.0.1\nport=%3\ndbname=vantel\nuser=%4\n"
                                      "passfile=%5\n%6\n\n")
                           .arg(service, host, QString::number(port), role, passfile,
                                settings.isEmpty() ? QStringLiteral("sslmode=verify-full\nsslrootcert=%1\n"
                                                                    "channel_binding=require")
                                                         .arg(rootCert)
                                                   : settings)
                           .toUtf8());
        return service;
    }

private slots:
    void initTestCase();
    void documentedSettingsConnectAndSend();
    void loginSettingsCannotStopSending();
    void refusedLoginIsNamed_data();
    void refusedLoginIsNamed();
    void serverThatCannotBeTrustedGetsNoPassword_data();
    void serverThatCannotBeTrustedGetsNoPassword();
    void oldDefaultsGaveThePasswordAway();
};

void TestClassTls::initTestCase() {
    server_ = std::make_unique<PgTestServer>(true);
    QVERIFY2(server_->IsRunning(), qPrintable(server_->ErrorText()));
}

void TestClassTls::documentedSettingsConnectAndSend() {
    const QString path = fresh(QStringLiteral("outbox"));
    const QStringList ids = queue(path, 3);
    const std::unique_ptr<ClassSender> sender = makeSender(path, PgTestServer::TlsServiceName());
    sender->Start();
    QVERIFY2(sender->WaitUntilSent(30s), qPrintable(sender->Status().problem));
    QCOMPARE(server_
                 ->Psql(QStringLiteral("SELECT count(*) FROM vantel.attempts WHERE id IN ('%1')")
                            .arg(ids.join(QStringLiteral("','"))))
                 .out,
             QStringLiteral("3"));
    // Over TLS, and the teacher can tell that this computer got through.
    QCOMPARE(server_
                 ->Psql(QStringLiteral(
                            "SELECT bool_and(s.ssl) FROM pg_stat_ssl s JOIN pg_stat_activity a USING (pid)"
                            " WHERE a.usename = '%1'")
                            .arg(computerRole()))
                 .out,
             QStringLiteral("t"));
    QCOMPARE(
        server_
            ->Psql(QStringLiteral("SELECT last_seen IS NOT NULL FROM vantel.computers WHERE seat = 'PC-01'"))
            .out,
        QStringLiteral("t"));
}

void TestClassTls::loginSettingsCannotStopSending() {
    // What the child at the computer could set with ALTER ROLE on their own login.
    const QString role = computerRole();
    QVERIFY(server_
                ->Psql(QStringLiteral("ALTER ROLE %1 SET default_transaction_read_only = on;"
                                      "ALTER ROLE %1 SET search_path = nowhere;"
                                      "ALTER ROLE %1 SET statement_timeout = '1ms';"
                                      "ALTER ROLE %1 SET lock_timeout = '1ms';")
                           .arg(role))
                .ok);
    const QString path = fresh(QStringLiteral("outbox"));
    Outbox outbox(path);
    const OutgoingAttempt out =
        MakeOutgoing(SampleAttempt(QStringLiteral("そら"), DrillKind::Kuku,
                                   QDateTime::currentDateTimeUtc().addSecs(-3600), 70000),
                     PgTestServer::TestClass(), QStringLiteral("PC-01"));
    outbox.Add(out);
    const std::unique_ptr<ClassSender> sender = makeSender(path, PgTestServer::TlsServiceName());
    sender->Start();
    const bool sent = sender->WaitUntilSent(30s);
    QVERIFY(server_->Psql(QStringLiteral("ALTER ROLE %1 RESET ALL").arg(role)).ok);
    QVERIFY2(sent, qPrintable(sender->Status().problem));
    QCOMPARE(
        server_->Psql(QStringLiteral("SELECT count(*) FROM vantel.attempts WHERE id = '%1'").arg(out.id)).out,
        QStringLiteral("1"));
}

void TestClassTls::refusedLoginIsNamed_data() {
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("options");  // of CREATE ROLE
    QTest::addColumn<QString>("password"); // the one in the computer's password file
    QTest::addColumn<int>("problem");
    QTest::addColumn<QString>("says");
    QTest::newRow("wrong password")
        << "pc_9_9_01"
        << "LOGIN"
        << "wrong" << int(LoginProblem::WrongPassword)
        << "このパソコンのログイン pc_9_9_01 はサーバーに拒否されました（パスワードが違います）";
    QTest::newRow("locked") << "pc_9_9_02"
                            << "NOLOGIN"
                            << "right" << int(LoginProblem::MayNotLogIn)
                            << "pc_9_9_02 はサーバーに拒否されました（ログインが使えなくなっています）";
    QTest::newRow("connection limit")
        << "pc_9_9_03"
        << "LOGIN CONNECTION LIMIT 0"
        << "right" << int(LoginProblem::TooManyConnections) << "同じログインの接続が多すぎます";
}

void TestClassTls::refusedLoginIsNamed() {
    QFETCH(QString, role);
    QFETCH(QString, options);
    QFETCH(QString, password);
    QFETCH(int, problem);
    QFETCH(QString, says);
    QVERIFY(server_->Psql(QStringLiteral("CREATE ROLE %1 %2 PASSWORD 'right'").arg(role, options)).ok);
    const QString service = addService(QStringLiteral("localhost"), server_->SocketPort(), role, password,
                                       server_->TlsFile(QStringLiteral("ca.crt")));
    expectRefused(service, problem, says);
}

void TestClassTls::serverThatCannotBeTrustedGetsNoPassword_data() {
    QTest::addColumn<QStringList>("fake"); // fakepg.py's certificate and key; none: no TLS, or no fake
    QTest::addColumn<QString>("rootCert");
    QTest::addColumn<int>("problem");
    QTest::addColumn<QString>("says");
    QTest::newRow("no TLS") << QStringList{} << "ca.crt" << int(LoginProblem::NoTls)
                            << "暗号化（TLS）に応じない";
    QTest::newRow("certificate of another CA")
        << QStringList{"other.crt", "other.key"} << "ca.crt" << int(LoginProblem::UntrustedCertificate)
        << "証明書が信頼できない";
    QTest::newRow("clear-text password over TLS")
        << QStringList{"server.crt", "server.key"} << "ca.crt" << int(LoginProblem::NoChannelBinding)
        << "安全でない方法でパスワードを求めた";
    // The real server, but this computer trusts another CA.
    QTest::newRow("real server, other CA trusted")
        << QStringList{"real"} << "other-ca.crt" << int(LoginProblem::UntrustedCertificate)
        << "証明書が信頼できない";
}

void TestClassTls::serverThatCannotBeTrustedGetsNoPassword() {
    QFETCH(QStringList, fake);
    QFETCH(QString, rootCert);
    QFETCH(int, problem);
    QFETCH(QString, says);
    const QString fakeDir = fresh(QStringLiteral("fake"));
    QDir().mkpath(fakeDir);
    std::unique_ptr<FakeServer> pretender;
    int port = server_->SocketPort();
    if (fake != QStringList{QStringLiteral("real")}) {
        QStringList files;
        for (const QString& name : fake)
            files << server_->TlsFile(name);
        pretender = std::make_unique<FakeServer>(fakeDir, files);
        port = pretender->Port();
        QVERIFY(port > 0);
    }
    const QString service = addService(QStringLiteral("localhost"), port, computerRole(),
                                       QStringLiteral("secret"), server_->TlsFile(rootCert));
    expectRefused(service, problem, says);
    if (pretender)
        QCOMPARE(pretender->Received(), QString());
}

void TestClassTls::oldDefaultsGaveThePasswordAway() {
    // What the settings above prevent: libpq's default sslmode=prefer goes on without TLS.
    const QString fakeDir = fresh(QStringLiteral("fake"));
    QDir().mkpath(fakeDir);
    FakeServer pretender(fakeDir, {});
    const int port = pretender.Port();
    QVERIFY(port > 0);
    const QString service = addService(QStringLiteral("localhost"), port, computerRole(),
                                       QStringLiteral("secret"), {}, QStringLiteral("sslmode=prefer"));
    PgConnection connection(service, kShort);
    QVERIFY_THROWS_EXCEPTION(ClassServerError, connection.Open());
    QTRY_COMPARE(pretender.Received(), QStringLiteral("secret\n"));
}

QTEST_GUILESS_MAIN(TestClassTls)
#include "tst_classtls.moc"
