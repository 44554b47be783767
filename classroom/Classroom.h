// Everything of the class server for one run of the program, made only when
// classroom.conf exists: the history that queues each attempt, the sending
// thread, and the teacher's reads for the progress window.
#pragma once

#include "classroom/ClassReader.h"
#include "classroom/ClassSender.h"
#include "classroom/ClassroomConfig.h"
#include "classroom/ClassroomHistory.h"

#include <QObject>
#include <memory>

class ProgressWindow;

// The progress window's status line: when the server was last reached and
// how many attempts wait to be sent.
QString ClassStatusText(const SendStatus& status, const QDateTime& lastRead, int waiting);
// Its tooltip: what the server said, for whoever mends it.
QString ClassStatusTip(const SendStatus& status);
// Why the server turned this computer's login away, naming the login.
QString LoginProblemText(LoginProblem problem, const QString& role);

class Classroom : public QObject {
    Q_OBJECT
public:
    Classroom(ClassroomConfig config, HistoryStore& local, QString outboxPath, SenderTiming timing = {},
              PgTimeouts timeouts = {});
    ~Classroom() override;

    const ClassroomConfig& Config() const { return config_; }
    // Records locally, then queues.
    HistoryStore& History() { return history_; }
    ClassSender& Sender() { return sender_; }
    // Starts the sending thread; returns at once.
    void Start() { sender_.Start(); }
    // At close: a send in flight gets at most `wait`, the rest stays queued.
    bool Shutdown(std::chrono::milliseconds wait = std::chrono::seconds(2));
    // Gives the window the class as a source: its status line and, once the
    // server says this login may read a class, the class table.
    void AttachTo(ProgressWindow& window);
    ClassReader& Reader();
    // The status line now; the queue is counted here, as the sender may be busy.
    QString StatusText();
    // The names on the class's list, for the name a child types: the server's
    // at the last connection, or the ones kept from the run before.
    QStringList RosterNames() const { return rosterNames_; }

signals:
    void RosterChanged();

private:
    void setRosterNames(const QStringList& names);

    ClassroomConfig config_;
    PgTimeouts timeouts_;
    ClassSender sender_;
    ClassroomHistory history_;
    std::unique_ptr<ClassReader> reader_; // on the first progress window
    QDateTime lastRead_;
    QString rosterCachePath_;
    QStringList rosterNames_;
};
