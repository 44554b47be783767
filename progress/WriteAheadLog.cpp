#include "progress/WriteAheadLog.h"

#include "core/Logging.h"

#include <QDeadlineTimer>
#include <QSqlQuery>
#include <QThread>

QSqlError UseWriteAheadLog(QSqlDatabase& db, std::chrono::milliseconds patience) {
    const QDeadlineTimer deadline(patience);
    for (;;) {
        QSqlQuery query(db);
        if (query.exec(QStringLiteral("PRAGMA journal_mode=WAL"))) {
            // Where WAL cannot be had (no shared memory on the file system),
            // SQLite keeps its rollback journal: slower with two writers, still safe.
            if (query.next() && query.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive))
                qCWarning(lcProgress)
                    << db.databaseName() << "stays in journal mode" << query.value(0).toString();
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
