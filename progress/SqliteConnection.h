#pragma once
// A Qt SQL connection of its own to one SQLite file: under a name no other
// connection has, waiting a bounded time for other writers, and removed again
// with this object. Qt binds a connection to the thread that opens it.
#include <QSqlDatabase>
#include <QSqlError>

#include <chrono>
#include <optional>

class SqliteConnection {
public:
    SqliteConnection(const QString& path, std::chrono::milliseconds busyTimeout);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    // Opens the file, making it when missing; the driver's error when it cannot.
    QSqlError Open();
    bool IsOpen() const { return db_.isOpen(); }
    QSqlDatabase& Db() { return db_; }

    // Switches the file to write-ahead logging. That needs the file to itself
    // for a moment, and SQLite does not wait for it with its busy handler: a
    // second connection opening the same new file (the sending thread, another
    // copy of the program) makes the switch fail at once with "database is
    // locked". So it is retried for at most the busy timeout. Once either
    // connection has switched, the mode is the file's own and this is a no-op.
    QSqlError UseWriteAheadLog();

private:
    std::chrono::milliseconds busyTimeout_;
    QString name_;
    QSqlDatabase db_;
};
