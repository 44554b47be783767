// The history in an SQLite file (WAL, versioned schema). The file is opened
// on first use, never at start-up. One transaction per attempt. A file that
// is not a database or is damaged is moved aside under a dated name and a new
// one started; a write that fails (disk full, folder unwritable, another copy
// holding the file too long) keeps the attempt in memory for the next try.
// The user is told once each time.
//
// Writing and reading run on a worker of their own with its one connection,
// so neither the commit (a full sync to disk, which the promise "nothing the
// child saw is lost" needs) nor a long read makes the window wait; the file
// is opened, migrated and moved aside there too. What the worker has to tell
// is shown on the caller's thread.
#pragma once

#include "core/SerialWorker.h"
#include "progress/HistoryStore.h"
#include "progress/SqliteConnection.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>

class MessageBoxes;

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
    void ReadChildren(QObject* context, std::function<void(QStringList)> done) override;
    void ReadProgress(const QString& child, DrillKind drill, const QDateTime& since, QObject* context,
                      std::function<void(ChildProgress)> done) override;
    // The same reads, waited for (tools, tests, the benchmark).
    QStringList Children();
    QList<Attempt> Attempts(const QString& child, DrillKind drill, const QDateTime& since);
    FactStats Facts(const QString& child, DrillKind drill, const QDateTime& since);
    ChildProgress Progress(const QString& child, DrillKind drill, const QDateTime& since);

    const QString& Path() const { return path_; }
    int Pending();
    // Caps the file's size in pages, as a full disk would (tests).
    void SetPageLimit(int pages);

private:
    // Runs the job on the worker, waits for it, then tells what it found.
    template <class Job> auto onWorker(Job job);
    void post(std::function<void()> job);
    void tellFound();

    // The rest runs on the worker only.
    QStringList children();
    ChildProgress progress(const QString& child, DrillKind drill, const QDateTime& since, bool attempts,
                           bool facts);
    void readFailed(const char* what);
    void read(const QString& child, DrillKind drill, const QDateTime& since, QList<Attempt>* attempts,
              FactStatsBuilder* facts);
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
    std::optional<SqliteConnection> db_; // the worker's
    QList<Attempt> pending_;
    bool toldWriteFailure_ = false;
    int pageLimit_ = 0;
    std::atomic<bool> lastWritten_ = true;

    std::mutex foundLock_;
    QStringList found_;     // errors for the user, from the writer thread
    QStringList heldNames_; // the children of the attempts held in memory

    bool used_ = false; // a worker never given a job has nothing to close
    SerialWorker worker_;
};
