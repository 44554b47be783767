// The sending thread's link to the class server, behind an interface so the
// outbox's retries can be tried against a scripted server.
#pragma once

#include "classroom/OutgoingAttempt.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

// The server schema this program reads and writes.
constexpr int kClassSchemaVersion = 2;

// Why the server, or the way to it, turns this computer's login away: a
// person has to mend it, and the status line says which.
enum class LoginProblem {
    None,
    ReadOnly,             // the login or the server may only read
    WrongPassword,        // refused, or none in the password file
    NotInAccessList,      // no pg_hba.conf line lets this computer in
    MayNotLogIn,          // the role may not log in, or is not there
    TooManyConnections,   // the role's connection limit
    NoTls,                // the server does not speak TLS
    UntrustedCertificate, // not signed by the CA we trust, or for another name
    NoChannelBinding,     // asked for the password in a way that proves nothing of the server
};

class ClassServerError : public std::runtime_error {
public:
    enum Kind {
        Unreachable, // no connection, or it broke: try again later
        Refused,     // the server will not let this login in, or not write
        BadAttempt,  // the server will never take this attempt as it stands
    };
    ClassServerError(Kind kind, const QString& message, QString sqlState = {},
                     LoginProblem problem = LoginProblem::None, QString login = {})
        : std::runtime_error(message.toStdString()), kind_(kind), message_(message),
          sqlState_(std::move(sqlState)), problem_(problem), login_(std::move(login)) {}
    Kind GetKind() const { return kind_; }
    const QString& Message() const { return message_; }
    const QString& SqlState() const { return sqlState_; }
    LoginProblem Problem() const { return problem_; }
    // The login role that was refused, when known.
    const QString& Login() const { return login_; }

private:
    Kind kind_;
    QString message_;
    QString sqlState_;
    LoginProblem problem_;
    QString login_;
};

class ClassConnection {
public:
    virtual ~ClassConnection() = default;
    // Connects when not connected; the server's schema version. A computer
    // tells a server of this program's version that it was here.
    virtual int Open() = 0;
    // Adds them in one transaction: all or none. How many the server did
    // not have yet (a resend is recognised and not added again).
    virtual int AddAll(const QList<OutgoingAttempt>& attempts) = 0;
    // The names on the list of this computer's class; nothing when the
    // server keeps no list (set up by an earlier release).
    virtual std::optional<QStringList> ClassNames() { return std::nullopt; }
    virtual void Close() = 0;
    // From another thread: makes a call blocked on the network return at once.
    virtual void Interrupt() = 0;
};
