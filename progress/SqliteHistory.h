// The history in an SQLite file (WAL, versioned schema). The file is opened
// on first use, never at start-up. One transaction per attempt, committed
// before Record returns. A file that is not a database or is damaged is moved
// aside under a dated name and a new one started; a write that fails (disk
// full, folder unwritable, another copy holding the file too long) keeps the
// attempt in memory for the next try. The user is told once each time.
#pragma once

#include "progress/HistoryStore.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <optional>

class MessageBoxes;

// $XDG_DATA_HOME/vantel/history.sqlite
QString DefaultHistoryPath();

class SqliteHistory : public HistoryStore {
public:
    static constexpr int kSchemaVersion = 2;

    SqliteHistory(QString path, MessageBoxes& messages);
    ~SqliteHistory() override;

    bool Record(const Attempt& attempt) override;
    // Many attempts in one transaction (an import, a benchmark's history).
    bool RecordAll(const QList<Attempt>& attempts);
    void Flush() override;
    QStringList Children() override;
    QList<Attempt> Attempts(const QString& child, DrillKind drill, const QDateTime& since) override;
    FactStats Facts(const QString& child, DrillKind drill, const QDateTime& since) override;

    const QString& Path() const { return path_; }
    int Pending() const { return int(pending_.size()); }
    // Caps the file's size in pages, as a full disk would (tests).
    void SetPageLimit(int pages);

private:
    bool ensureOpen();
    bool openFile();
    void close();
    void migrate();
    int schemaVersion();
    void begin();
    void rollback();
    void writePending();
    void writeOne(const Attempt& attempt);
    void moveAsideDamaged();
    std::int64_t childId(const QString& name);
    void tellWriteFailure(const QString& reason);

    QString path_;
    MessageBoxes& messages_;
    QString connection_;
    std::optional<QSqlDatabase> db_;
    QList<Attempt> pending_;
    bool toldWriteFailure_ = false;
    int pageLimit_ = 0;
};
