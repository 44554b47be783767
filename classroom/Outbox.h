// The attempts still to be sent to the class server, in their own SQLite
// file beside the history, so they survive a crash or a restart. One Outbox
// object per thread (each has its own connection); several may share the
// file. An attempt leaves only once the server has answered for it.
#pragma once

#include "classroom/OutgoingAttempt.h"
#include "progress/SqliteConnection.h"

#include <QSqlDatabase>
#include <optional>

// $XDG_DATA_HOME/vantel/outbox.sqlite
QString DefaultOutboxPath();

class Outbox {
public:
    enum class Durability { Full, Relaxed };
    // Opened on first use. Full: an attempt is on the disk when Add returns.
    explicit Outbox(QString path, Durability durability = Durability::Full);
    ~Outbox();
    Outbox(const Outbox&) = delete;
    Outbox& operator=(const Outbox&) = delete;

    // Throws VantelError when the file cannot be written.
    void Add(const OutgoingAttempt& attempt);
    // The oldest ones that were not set aside, oldest first.
    QList<OutgoingAttempt> Oldest(int count);
    std::optional<OutgoingAttempt> Next();
    // In one transaction.
    void Remove(const QStringList& ids);
    void Remove(const QString& id) { Remove(QStringList{id}); }
    // Keeps an attempt the server will never take (kept in the file for a
    // person to look at) out of the queue, so it cannot hold up the others.
    void SetAside(const QString& id, const QString& reason);
    // Puts every set-aside attempt back in the queue (behind the others), for
    // one more try: an administrator may have mended what the server refused.
    void RetrySetAside();
    int Waiting();
    int SetAsideCount();

    const QString& Path() const { return path_; }

private:
    QSqlDatabase& db();

    QString path_;
    Durability durability_;
    std::optional<SqliteConnection> db_;
};
