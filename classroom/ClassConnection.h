// The sending thread's link to the class server, behind an interface so the
// outbox's retries can be tried against a scripted server.
#pragma once

#include "classroom/OutgoingAttempt.h"

#include <QString>
#include <stdexcept>

// The server schema this program reads and writes.
constexpr int kClassSchemaVersion = 1;

class ClassServerError : public std::runtime_error {
public:
    enum Kind {
        Unreachable, // no connection, or it broke: try again later
        Refused,     // the server will not let this computer do it (role, class)
        BadAttempt,  // the server will never take this attempt as it stands
    };
    ClassServerError(Kind kind, const QString& message, QString sqlState = {})
        : std::runtime_error(message.toStdString()), kind_(kind), message_(message),
          sqlState_(std::move(sqlState)) {}
    Kind GetKind() const { return kind_; }
    const QString& Message() const { return message_; }
    const QString& SqlState() const { return sqlState_; }

private:
    Kind kind_;
    QString message_;
    QString sqlState_;
};

class ClassConnection {
public:
    virtual ~ClassConnection() = default;
    // Connects when not connected; the server's schema version.
    virtual int Open() = 0;
    // Adds them in one transaction: all or none. How many the server did
    // not have yet (a resend is recognised and not added again).
    virtual int AddAll(const QList<OutgoingAttempt>& attempts) = 0;
    virtual void Close() = 0;
    // From another thread: makes a call blocked on the network return at once.
    virtual void Interrupt() = 0;
};
