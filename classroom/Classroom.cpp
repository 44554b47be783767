#include "classroom/Classroom.h"

#include "classroom/ClassRoster.h"
#include "classroom/ClassView.h"
#include "classroom/PgConnection.h"
#include "core/Logging.h"
#include "progress/HistorySource.h"
#include "progress/ProgressWindow.h"

QString LoginProblemText(LoginProblem problem, const QString& role) {
    // Whole sentences, with and without the login's name: no sentence is made of pieces.
    const bool named = !role.isEmpty();
    const auto refused = [&](const QString& why) {
        return named ? Classroom::tr("このパソコンのログイン %1 はサーバーに拒否されました（%2）")
                           .arg(role, why)
                     : Classroom::tr("このパソコンのログインはサーバーに拒否されました（%1）").arg(why);
    };
    switch (problem) {
    case LoginProblem::None:
        break;
    case LoginProblem::ReadOnly:
        return named ? Classroom::tr("このパソコンのログイン %1 は読み取りしかできないため、記録を送れません")
                           .arg(role)
                     : Classroom::tr("このパソコンのログインは読み取りしかできないため、記録を送れません");
    case LoginProblem::WrongPassword:
        return refused(Classroom::tr("パスワードが違います"));
    case LoginProblem::NotInAccessList:
        return refused(Classroom::tr("このパソコンからの接続が許されていません"));
    case LoginProblem::MayNotLogIn:
        return refused(Classroom::tr("ログインが使えなくなっています"));
    case LoginProblem::TooManyConnections:
        return refused(Classroom::tr("同じログインの接続が多すぎます"));
    case LoginProblem::NoTls:
        return Classroom::tr("クラスのサーバーが暗号化（TLS）に応じないため、つなぎませんでした");
    case LoginProblem::UntrustedCertificate:
        return Classroom::tr("クラスのサーバーの証明書が信頼できないため、つなぎませんでした");
    case LoginProblem::NoChannelBinding:
        return Classroom::tr("クラスのサーバーが安全でない方法でパスワードを求めたため、送りませんでした");
    }
    return {};
}

QString ClassStatusText(const SendStatus& status, const QDateTime& lastRead, int waiting) {
    QDateTime last = status.lastReached;
    if (lastRead.isValid() && (!last.isValid() || lastRead > last))
        last = lastRead;
    const QString when = last.isValid()
                             ? Classroom::tr("最後につながったのは %1")
                                   .arg(last.toLocalTime().toString(QStringLiteral("MM/dd HH:mm:ss")))
                             : Classroom::tr("まだつながっていません");
    //: Appended to the status line, after a wide space
    QString queued = waiting < 0 ? QString() : Classroom::tr("　送信待ち %1 件").arg(waiting);
    if (status.setAside > 0)
        //: Appended to the status line, after a wide space
        queued += Classroom::tr("　送れない記録 %1 件").arg(status.setAside);
    switch (status.state) {
    case SendStatus::NotYet:
        return Classroom::tr("クラスのサーバー: つないでいます（%1）").arg(when) + queued;
    case SendStatus::Connected:
        return Classroom::tr("クラスのサーバー: つながっています（%1）").arg(when) + queued;
    case SendStatus::Unreachable:
        return Classroom::tr("クラスのサーバーにつながりません（%1）").arg(when) + queued;
    case SendStatus::TooNew:
        return TooNewMessage(status.serverVersion) + queued;
    case SendStatus::TooOld:
        return TooOldMessage(status.serverVersion) + queued;
    case SendStatus::Refused:
        if (status.login != LoginProblem::None)
            return LoginProblemText(status.login, status.loginRole) + queued;
        return Classroom::tr("クラスのサーバーがこのパソコンからの記録を受け付けません（%1）")
                   .arg(status.problem.left(200)) +
               queued;
    }
    return {};
}

QString ClassStatusTip(const SendStatus& status) {
    QStringList lines;
    if (!status.problem.isEmpty() && status.state != SendStatus::Connected)
        lines << Classroom::tr("サーバーの答え: %1").arg(status.problem);
    if (status.setAside > 0 && !status.setAsideReason.isEmpty())
        lines << Classroom::tr("送れない記録の理由: %1").arg(status.setAsideReason);
    return lines.join(u'\n');
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
      history_(local, config_, outboxPath, [this] { sender_.Wake(); }),
      rosterCachePath_(RosterCachePath(outboxPath)),
      rosterNames_(ReadCachedRosterNames(rosterCachePath_, config_.className)) {
    connect(&sender_, &ClassSender::ClassNamesRead, this, &Classroom::setRosterNames);
}

void Classroom::setRosterNames(const QStringList& names) {
    if (names == rosterNames_)
        return;
    rosterNames_ = names;
    WriteCachedRosterNames(rosterCachePath_, config_.className, names);
    emit RosterChanged();
}

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

namespace {
// The class on the server as a source of the progress window: the status line
// for every computer, the class table for a login that may read a class.
class ClassSource : public HistorySource {
public:
    ClassSource(Classroom& classroom, std::function<void()> reached)
        : classroom_(classroom), reached_(std::move(reached)) {}

    //: The class on the server, as a source of records beside "this computer"
    QString Name() const override { return Classroom::tr("クラス"); }
    QString StatusText() override { return classroom_.StatusText(); }
    QString StatusTip() override { return ClassStatusTip(classroom_.Sender().Status()); }
    QWidget* MakeOverview(const ProgressServices& services) override {
        auto* view = new ClassView(classroom_.Reader(), classes, services);
        connect(view, &ClassView::Reached, this, [this](bool reached) {
            if (reached)
                reached_();
            emit StatusChanged();
        });
        connect(view, &ClassView::ChildChosen, this, [this, view](const QString& child, DrillKind drill) {
            emit ChildChosen(&view->History(), child, drill);
        });
        return view;
    }

    QStringList classes;

private:
    Classroom& classroom_;
    std::function<void()> reached_;
};
} // namespace

void Classroom::AttachTo(ProgressWindow& window) {
    auto* source = new ClassSource(*this, [this] { lastRead_ = QDateTime::currentDateTimeUtc(); });
    connect(&sender_, &ClassSender::StatusChanged, source, &HistorySource::StatusChanged);
    window.AddSource(source);
    // The class choice appears only for a login the server lets read a class.
    Reader().Classes(source, [this, source](ServerAnswer<QStringList> answer) {
        if (answer.value)
            lastRead_ = QDateTime::currentDateTimeUtc();
        emit source->StatusChanged();
        if (!answer.value || answer.value->isEmpty())
            return;
        source->classes = *answer.value;
        emit source->Available();
    });
}
