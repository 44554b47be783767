#pragma once
// Turning a new SQLite file to write-ahead logging needs the file to itself for
// a moment, and SQLite does not wait for that with its busy handler: a second
// connection opening the same new file (the sending thread, another copy of the
// program) makes the switch fail at once with "database is locked". Once either
// connection has switched, the mode is the file's own and the switch is a no-op.
#include <QSqlDatabase>
#include <QSqlError>

#include <chrono>

// Switches `db` to WAL, retrying while the file is locked for at most `patience`.
// Returns the last error, or an empty one on success.
QSqlError UseWriteAheadLog(QSqlDatabase& db, std::chrono::milliseconds patience);
