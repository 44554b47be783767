// The teacher's reads from the class server, on a worker of their own with
// their own connection, so a slow or silent server never freezes the
// window: every answer arrives by callback.
#pragma once

#include "classroom/PgConnection.h"
#include "core/SerialWorker.h"
#include "progress/FactStats.h"
#include "progress/HistoryStore.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

struct ClassSummaryRow {
    QString child;
    DrillKind drill = DrillKind::Addition;
    qint64 attempts = 0;
    int bestMs = -1; // -1: none all correct
    int lastMs = -1;
    QDateTime lastAt;
    qint64 attempts7d = 0;
    std::optional<int> trendMs; // the last five against the five before; negative: faster
};

template <typename T> struct ServerAnswer {
    std::optional<T> value; // nothing: the problem says why
    QString problem;
};

// The per-fact rows of child_facts as the fact map's statistics.
struct ServerFactRow {
    int top = 0;
    int left = 0;
    qint64 tries = 0;
    qint64 wrong = 0;
    int medianMs = -1;
};
FactStats FactStatsFromRows(DrillKind drill, const QList<ServerFactRow>& rows);

// How the class does on one fact of a drill: how many children tried it,
// how many missed it at least once, tries, wrong answers and the class's
// median answer time (-1: none timed).
struct ClassFactRow {
    int top = 0;
    int left = 0;
    qint64 children = 0;
    qint64 childrenMissing = 0;
    qint64 tries = 0;
    qint64 wrong = 0;
    int medianMs = -1;
};
struct ClassFacts {
    DrillKind drill = DrillKind::Addition;
    QList<ClassFactRow> rows;
    qint64 children = 0; // the most children any fact was tried by
};
// The class's facts as FactStats, so the fact map and the weak-fact sheet take them as a child's,
// counted in children: seen = the children who tried a fact, wrong = those who missed it; a fact
// one child keeps missing weighs less than one half the class misses. medianMs: the class's median.
FactStats FactStatsFromClassFacts(const ClassFacts& facts);

// What a teacher is told when the server's schema is newer than this program.
QString TooNewMessage(int serverVersion);
// ... and when the server has not been brought up to this program's yet.
QString TooOldMessage(int serverVersion);

// One computer of a class as the server last saw it.
struct ClassComputer {
    QString seat;
    QString login;
    QDateTime lastSeen; // UTC; invalid: never
    qint64 attempts = 0;
};
// The line below the class table naming the computers not seen for more than
// a day, or never; empty when every one was.
QString UnseenComputersText(const QList<ClassComputer>& computers, const QDateTime& now);

class ClassReader : public QObject {
    Q_OBJECT
public:
    ClassReader(QString service, PgTimeouts timeouts = {}, QObject* parent = nullptr);
    ~ClassReader() override;

    // Each callback runs on this object's thread, and only while `context` lives.
    void Classes(QObject* context, std::function<void(ServerAnswer<QStringList>)> done);
    void Summary(const QString& className, QObject* context,
                 std::function<void(ServerAnswer<QList<ClassSummaryRow>>)> done);
    void Computers(const QString& className, QObject* context,
                   std::function<void(ServerAnswer<QList<ClassComputer>>)> done);
    // A child's attempts at a drill and the facts over them.
    void ChildProgress(const QString& className, const QString& child, DrillKind drill,
                       const QDateTime& since, QObject* context,
                       std::function<void(ServerAnswer<::ChildProgress>)> done);

    // The class's list of children, sorted as the server sorts text.
    void Roster(const QString& className, QObject* context,
                std::function<void(ServerAnswer<QStringList>)> done);
    // Adds names (trimmed; blank and duplicate names skipped); the answer is how many were new.
    void AddToRoster(const QString& className, const QStringList& names, QObject* context,
                     std::function<void(ServerAnswer<int>)> done);
    // Renames a child on the list and in every attempt of the class; the answer is how many attempts were
    // renamed.
    void RenameChild(const QString& className, const QString& from, const QString& to, QObject* context,
                     std::function<void(ServerAnswer<qint64>)> done);
    // Takes a name off the list; its attempts stay.
    void RemoveFromRoster(const QString& className, const QString& name, QObject* context,
                          std::function<void(ServerAnswer<bool>)> done);
    // The class's facts at a drill since a moment (all when invalid).
    void ClassFacts(const QString& className, DrillKind drill, const QDateTime& since, QObject* context,
                    std::function<void(ServerAnswer<::ClassFacts>)> done);

private:
    struct Connection;
    template <typename T>
    void deliver(QObject* context, std::function<void(ServerAnswer<T>)> done,
                 std::function<T(PgConnection&)> read);

    std::shared_ptr<Connection> connection_; // the worker's
    SerialWorker worker_;
};

// A class's children on the server, read as the progress window reads the
// local history: the same chart, table and fact map.
class ServerHistory : public HistoryReader {
public:
    ServerHistory(ClassReader& reader, QString className);

    // The children of the class table, at once.
    void ReadChildren(QObject* context, std::function<void(QStringList)> done) override;
    void ReadProgress(const QString& child, DrillKind drill, const QDateTime& since, QObject* context,
                      std::function<void(::ChildProgress)> done) override;

    void SetChildren(QStringList children) { children_ = std::move(children); }
    void SetClassName(QString className) { className_ = std::move(className); }
    const QString& ClassName() const { return className_; }
    // What went wrong in the last read, for the status line; empty when it went well.
    const QString& Problem() const { return problem_; }

private:
    ClassReader& reader_;
    QString className_;
    QStringList children_;
    QString problem_;
};
