#include "progress/SqliteConnection.h"

#include "core/Logging.h"

#include <QDeadlineTimer>
#include <QSqlQuery>
#include <QThread>
#include <atomic>

SqliteConnection::SqliteConnection(const QString& path, std::chrono::milliseconds busyTimeout)
    : busyTimeout_(busyTimeout) {
    static std::atomic<int> serial{0};
    name_ = QStringLiteral("vantel-sqlite-%1").arg(++serial);
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db_.setDatabaseName(path);
    db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeout_.count()));
}

SqliteConnection::~SqliteConnection() {
    db_.close();
    db_ = QSqlDatabase(); // the last handle goes before the connection is removed
    QSqlDatabase::removeDatabase(name_);
}

QSqlError SqliteConnection::Open() { return db_.open() ? QSqlError() : db_.lastError(); }

QSqlError SqliteConnection::UseWriteAheadLog() {
    const QDeadlineTimer deadline(busyTimeout_);
    for (;;) {
        QSqlQuery query(db_);
        if (query.exec(QStringLiteral("PRAGMA journal_mode=WAL"))) {
            // Where WAL cannot be had (no shared memory on the file system),
            // SQLite keeps its rollback journal: slower with two writers, still safe.
            if (query.next() && query.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive))
                qCWarning(lcProgress)
                    << db_.databaseName() << "stays in journal mode" << query.value(0).toString();
            return {};
        }
        const QSqlError error = query.lastError();
        // SQLITE_BUSY (5) and SQLITE_LOCKED (6), with or without an extended code.
        const int code = error.nativeErrorCode().toInt() & 0xff;
        if ((code != 5 && code != 6) || deadline.hasExpired())
            return error;
        QThread::msleep(2);
    }
}
