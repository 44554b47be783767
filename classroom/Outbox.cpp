#include "classroom/Outbox.h"

#include "core/Logging.h"
#include "core/VantelError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

namespace {
constexpr std::chrono::milliseconds kPatience{5000};

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Outbox)
};

QSqlQuery run(QSqlDatabase& db, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    bool ok = query.prepare(sql);
    for (const QVariant& v : values)
        query.addBindValue(v);
    ok = ok && query.exec();
    if (!ok)
        throw VantelError(Texts::tr("送信待ちの記録 (%1) を読み書きできません: %2")
                              .arg(db.databaseName(), query.lastError().text()));
    return query;
}
} // namespace

QString DefaultOutboxPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/vantel/outbox.sqlite");
}

Outbox::Outbox(QString path, Durability durability) : path_(std::move(path)), durability_(durability) {}

Outbox::~Outbox() = default;

QSqlDatabase& Outbox::db() {
    if (db_ && db_->IsOpen())
        return db_->Db();
    QDir().mkpath(QFileInfo(path_).absolutePath());
    if (!db_)
        // The sending thread and the window's thread write the same file.
        db_.emplace(path_, kPatience);
    if (const QSqlError error = db_->Open(); error.isValid())
        throw VantelError(Texts::tr("送信待ちの記録 (%1) を開けません: %2").arg(path_, error.text()));
    if (const QSqlError error = db_->UseWriteAheadLog(); error.isValid())
        throw VantelError(Texts::tr("送信待ちの記録 (%1) を読み書きできません: %2").arg(path_, error.text()));
    QSqlDatabase& db = db_->Db();
    run(db, durability_ == Durability::Full ? QStringLiteral("PRAGMA synchronous=FULL")
                                            : QStringLiteral("PRAGMA synchronous=NORMAL"));
    run(db, QStringLiteral("CREATE TABLE IF NOT EXISTS outbox (seq INTEGER PRIMARY KEY AUTOINCREMENT,"
                           " id TEXT NOT NULL UNIQUE, body TEXT NOT NULL, set_aside TEXT)"));
    return db;
}

void Outbox::Add(const OutgoingAttempt& attempt) {
    run(db(), QStringLiteral("INSERT OR IGNORE INTO outbox (id, body) VALUES (?, ?)"),
        {attempt.id, QString::fromUtf8(OutgoingToJson(attempt))});
}

QList<OutgoingAttempt> Outbox::Oldest(int count) {
    for (;;) {
        QSqlQuery query = run(
            db(), QStringLiteral("SELECT id, body FROM outbox WHERE set_aside IS NULL ORDER BY seq LIMIT ?"),
            {count});
        QList<OutgoingAttempt> attempts;
        QString unreadable;
        while (query.next() && unreadable.isEmpty()) {
            const QString id = query.value(0).toString();
            std::optional<OutgoingAttempt> attempt = OutgoingFromJson(query.value(1).toString().toUtf8());
            if (attempt && attempt->id == id)
                attempts << *attempt;
            else
                unreadable = id;
        }
        query.finish();
        if (unreadable.isEmpty())
            return attempts;
        SetAside(unreadable, QStringLiteral("unreadable"));
    }
}

std::optional<OutgoingAttempt> Outbox::Next() {
    const QList<OutgoingAttempt> oldest = Oldest(1);
    return oldest.isEmpty() ? std::nullopt : std::optional(oldest.first());
}

void Outbox::Remove(const QStringList& ids) {
    QSqlDatabase& database = db();
    if (!database.transaction())
        throw VantelError(Texts::tr("送信待ちの記録 (%1) を書きかえられません: %2")
                              .arg(path_, database.lastError().text()));
    try {
        for (const QString& id : ids)
            run(database, QStringLiteral("DELETE FROM outbox WHERE id = ?"), {id});
    } catch (...) {
        database.rollback();
        throw;
    }
    if (!database.commit()) {
        const QString reason = database.lastError().text();
        database.rollback();
        throw VantelError(Texts::tr("送信待ちの記録 (%1) を書きかえられません: %2").arg(path_, reason));
    }
}

void Outbox::SetAside(const QString& id, const QString& reason) {
    qCWarning(lcClassroom) << "Attempt" << id << "set aside in the outbox:" << reason;
    run(db(), QStringLiteral("UPDATE outbox SET set_aside = ? WHERE id = ?"), {reason, id});
}

void Outbox::RetrySetAside() {
    // Not the unreadable ones: no try mends those.
    run(db(), QStringLiteral("UPDATE outbox SET set_aside = NULL"
                             " WHERE set_aside IS NOT NULL AND set_aside <> 'unreadable'"));
}

int Outbox::Waiting() {
    QSqlQuery query = run(db(), QStringLiteral("SELECT count(*) FROM outbox WHERE set_aside IS NULL"));
    return query.next() ? query.value(0).toInt() : 0;
}

int Outbox::SetAsideCount() {
    QSqlQuery query = run(db(), QStringLiteral("SELECT count(*) FROM outbox WHERE set_aside IS NOT NULL"));
    return query.next() ? query.value(0).toInt() : 0;
}
