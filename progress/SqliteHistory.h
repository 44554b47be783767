// The history in an SQLite file (WAL, versioned schema). The file is opened
// on first use, never at start-up. One transaction per attempt. A file that
// is not a database or is damaged is moved aside under a dated name and a new
// one started; a write that fails (disk full, folder unwritable, another copy
// holding the file too long) keeps the attempt in memory for the next try.
// The user is told once each time.
//
// Writing runs on a thread of its own with its own connection, so the commit
// (a full sync to disk, which the promise "nothing the child saw is lost"
// needs) keeps the window responsive; the file is opened, migrated and moved
// aside there too. Reading uses a second connection on the caller's thread
// (WAL: readers and the writer do not wait for each other). What the writer
// has to tell is shown on the caller's thread.
#pragma once

#include "progress/HistoryStore.h"
#include "progress/SqliteConnection.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>

class MessageBoxes;
class JobThread;

// $XDG_DATA_HOME/vantel/history.sqlite
QString DefaultHistoryPath();

class SqliteHistory : public HistoryStore {
public:
    static constexpr int kSchemaVersion = 3;

    SqliteHistory(QString path, MessageBoxes& messages);
    ~SqliteHistory() override;

    // Committed before it returns.
    bool Record(const Attempt& attempt) override;
    void RecordInBackground(std::function<Attempt()> make) override;
    bool WaitRecorded(int timeoutMs) override;
    // Many attempts in one transaction (an import, a benchmark's history).
    bool RecordAll(const QList<Attempt>& attempts);
    void Flush() override;
    QStringList Children() override;
    QList<Attempt> Attempts(const QString& child, DrillKind drill, const QDateTime& since) override;
    FactStats Facts(const QString& child, DrillKind drill, const QDateTime& since) override;
    ChildProgress Progress(const QString& child, DrillKind drill, const QDateTime& since) override;

    const QString& Path() const { return path_; }
    int Pending();
    // Caps the file's size in pages, as a full disk would (tests).
    void SetPageLimit(int pages);

private:
    // Runs the job on the writer thread, waits for it, then tells what it found.
    template <class Job> auto onWriter(Job job);
    void tellFound();

    // The reading connection, opened after the writer has opened the file.
    QSqlDatabase& reader();
    void closeReader();
    void readFailed(const char* what);
    void read(const QString& child, DrillKind drill, const QDateTime& since, QList<Attempt>* attempts,
              FactStatsBuilder* facts);

    // The rest runs on the writer thread only.
    void flush();
    bool ensureOpen();
    bool openFile();
    void close();
    void migrate();
    void keepFactTimes();
    int schemaVersion();
    void begin();
    void rollback();
    void writePending();
    void writeOne(const Attempt& attempt);
    void moveAsideDamaged();
    std::int64_t childId(const QString& name);
    void tellWriteFailure(const QString& reason);
    void keepHeldNames();

    QString path_;
    MessageBoxes& messages_;
    std::optional<SqliteConnection> db_; // the writer's
    QList<Attempt> pending_;
    bool toldWriteFailure_ = false;
    int pageLimit_ = 0;
    std::atomic<bool> lastWritten_ = true;

    std::optional<SqliteConnection> reader_; // the window's
    int readerGeneration_ = 0;
    std::atomic<int> fileGeneration_ = 0; // counts the files moved aside

    std::mutex foundLock_;
    QStringList found_;     // errors for the user, from the writer thread
    QStringList heldNames_; // the children of the attempts held in memory

    std::unique_ptr<JobThread> writer_;
};
