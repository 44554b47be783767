// The attempt history: every judged attempt of every child, kept for the
// progress window and the weak-fact worksheets.
#pragma once

#include "progress/Attempt.h"
#include "progress/FactStats.h"

#include <QStringList>
#include <functional>

// What the progress window shows of a child at a drill.
struct ChildProgress {
    QList<Attempt> attempts;
    FactStats facts;
};

class HistoryStore {
public:
    virtual ~HistoryStore() = default;
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
    // The children with a history, by name; the nameless one as "".
    virtual QStringList Children() = 0;
    // The attempts of a child at a drill since a moment (all when invalid),
    // oldest first, without their cells.
    virtual QList<Attempt> Attempts(const QString& child, DrillKind drill, const QDateTime& since) = 0;
    virtual FactStats Facts(const QString& child, DrillKind drill, const QDateTime& since) = 0;
    // Both of the above; a store may read them in one go.
    virtual ChildProgress Progress(const QString& child, DrillKind drill, const QDateTime& since) {
        return {Attempts(child, drill, since), Facts(child, drill, since)};
    }

private:
    bool recordedInBackground_ = true;
};
