#include "classroom/Classroom.h"

#include "classroom/ClassView.h"
#include "classroom/PgConnection.h"
#include "core/Logging.h"
#include "progress/ProgressWindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>

QString ClassStatusText(const SendStatus& status, const QDateTime& lastRead, int waiting) {
    QDateTime last = status.lastReached;
    if (lastRead.isValid() && (!last.isValid() || lastRead > last))
        last = lastRead;
    const QString when = last.isValid()
                             ? QStringLiteral("最後につながったのは %1")
                                   .arg(last.toLocalTime().toString(QStringLiteral("MM/dd HH:mm:ss")))
                             : QStringLiteral("まだつながっていません");
    const QString queued = waiting < 0 ? QString() : QStringLiteral("　送信待ち %1 件").arg(waiting);
    switch (status.state) {
    case SendStatus::NotYet:
        return QStringLiteral("クラスのサーバー: つないでいます（%1）").arg(when) + queued;
    case SendStatus::Connected:
        return QStringLiteral("クラスのサーバー: つながっています（%1）").arg(when) + queued;
    case SendStatus::Unreachable:
        return QStringLiteral("クラスのサーバーにつながりません（%1）").arg(when) + queued;
    case SendStatus::TooNew:
        return TooNewMessage(status.serverVersion) + queued;
    case SendStatus::Refused:
        return QStringLiteral("クラスのサーバーがこのパソコンからの記録を受け付けません（%1）")
                   .arg(status.problem) +
               queued;
    }
    return {};
}

Classroom::Classroom(ClassroomConfig config, HistoryStore& local, QString outboxPath, SenderTiming timing,
                     PgTimeouts timeouts)
    : config_(std::move(config)), timeouts_(timeouts),
      sender_(
          outboxPath,
          [service = config_.service, timeouts] {
              return std::make_unique<PgClassConnection>(service, timeouts);
          },
          timing),
      history_(local, config_, outboxPath, [this] { sender_.Wake(); }) {}

Classroom::~Classroom() { Shutdown(); }

bool Classroom::Shutdown(std::chrono::milliseconds wait) {
    reader_.reset();
    return sender_.Shutdown(wait);
}

ClassReader& Classroom::Reader() {
    if (!reader_)
        reader_ = std::make_unique<ClassReader>(config_.service, timeouts_);
    return *reader_;
}

QString Classroom::StatusText() {
    const SendStatus status = sender_.Status();
    int waiting = status.waiting;
    try {
        waiting = history_.Queue().Waiting();
    } catch (...) {
        LogCurrentFailure(lcClassroom(), "Counting the outbox");
    }
    return ClassStatusText(status, lastRead_, waiting);
}

void Classroom::AttachTo(ProgressWindow& window) {
    auto* status = new QLabel;
    status->setObjectName(QStringLiteral("ClassStatus"));
    window.SourceBar()->addStretch();
    window.SourceBar()->addWidget(status);
    const QPointer<QLabel> label(status);
    auto update = [this, label] {
        if (label)
            label->setText(StatusText());
    };
    update();
    connect(&sender_, &ClassSender::StatusChanged, status, update);

    // The class choice appears only for a login the server lets read a class.
    QPointer<ProgressWindow> target(&window);
    Reader().Classes(status, [this, target, update](ServerAnswer<QStringList> answer) {
        if (answer.value)
            lastRead_ = QDateTime::currentDateTimeUtc();
        update();
        if (!target || !answer.value || answer.value->isEmpty())
            return;
        auto* view = new ClassView(Reader(), *answer.value);
        connect(view, &ClassView::Reached, target, [this, update](bool reached) {
            if (reached)
                lastRead_ = QDateTime::currentDateTimeUtc();
            update();
        });
        connect(view, &ClassView::ChildChosen, target, [target, view](const QString& child, DrillKind drill) {
            {
                const QSignalBlocker quiet(target->DrillBox);
                target->DrillBox->setCurrentIndex(int(drill));
            }
            target->ShowHistory(&view->History(), child);
        });
        target->AddSource(QStringLiteral("クラス"), view);
    });
}
