// The attempt history: every judged attempt of every child, kept for the
// progress window and the weak-fact worksheets. Writing and reading are
// separate interfaces: a class's server history can only be read, and reads
// never make a window wait.
#pragma once

#include "progress/Attempt.h"
#include "progress/FactStats.h"

#include <QStringList>
#include <functional>

class QObject;

// What the progress window shows of a child at a drill.
struct ChildProgress {
    QList<Attempt> attempts;
    FactStats facts;
};

class HistoryWriter {
public:
    virtual ~HistoryWriter() = default;
    // Keeps the attempt. False when it could not be written yet: it is then
    // held and written with the next attempt or at Flush.
    virtual bool Record(const Attempt& attempt) = 0;
    // Starts keeping an attempt and returns at once, so the window goes on
    // (sounds, reading aloud) while it is written; WaitRecorded then waits for
    // it. The attempt is made by make, which may run on another thread: it
    // works on copies. A store that writes at once needs neither.
    virtual void RecordInBackground(std::function<Attempt()> make) { recordedInBackground_ = Record(make()); }
    // Waits at most timeoutMs for what RecordInBackground started. False when
    // it could not be written yet (held as by Record) or is still being written.
    virtual bool WaitRecorded(int /*timeoutMs*/) { return recordedInBackground_; }
    // Writes what is still held; at close.
    virtual void Flush() = 0;

private:
    bool recordedInBackground_ = true;
};

// Each read answers later (or at once), on the interface thread, and only
// while context lives: a window that closes first is never called back.
class HistoryReader {
public:
    virtual ~HistoryReader() = default;
    // The children with a history, by name; the nameless one as "".
    virtual void ReadChildren(QObject* context, std::function<void(QStringList)> done) = 0;
    // The attempts of a child at a drill since a moment (all when invalid),
    // oldest first, without their cells, and the facts over them.
    virtual void ReadProgress(const QString& child, DrillKind drill, const QDateTime& since, QObject* context,
                              std::function<void(ChildProgress)> done) = 0;
};

// The computer's own history: written and read.
class HistoryStore : public HistoryWriter, public HistoryReader {};
