// One attempt as it goes to the class server: the attempt, the class and
// seat it was made at, and the id made when it was recorded, so a resend is
// recognised by the server and never doubles it.
#pragma once

#include "progress/Attempt.h"

#include <QByteArray>
#include <QString>
#include <optional>

struct OutgoingAttempt {
    QString id; // UUID, without braces
    QString className;
    QString seat;
    Attempt attempt;
};

OutgoingAttempt MakeOutgoing(const Attempt& attempt, const QString& className, const QString& seat);

// How the outbox keeps it (JSON); nothing when the text is not one.
QByteArray OutgoingToJson(const OutgoingAttempt& outgoing);
std::optional<OutgoingAttempt> OutgoingFromJson(const QByteArray& json);

// The texts the server's add_attempt takes: "{1,2,3}" for a smallint[], the
// cells as a JSON array, the start as ISO 8601 UTC with milliseconds.
QString ArrayLiteral(const QList<int>& values);
QByteArray CellsJson(const Attempt& attempt);
QString TimestampText(const QDateTime& utc);

// The server keeps at most this many characters (code points) of a name.
constexpr int kServerTextLimit = 100;
// The child's name as the server gets it: '' for none, cut to the server's
// limit (always the same way, so one child stays one name there; the local
// history keeps the whole name).
QString ServerChildName(const QString& child);
