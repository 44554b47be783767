#include "classroom/ClassReader.h"

#include "classroom/ClassRoster.h"
#include "core/Logging.h"

#include <QSqlQuery>

using namespace std::chrono_literals;

namespace {
void checkVersion(PgConnection& pg) {
    const int version = pg.Open();
    if (version > kClassSchemaVersion)
        throw ClassServerError(ClassServerError::Refused, TooNewMessage(version));
    if (version < kClassSchemaVersion)
        throw ClassServerError(ClassServerError::Refused, TooOldMessage(version));
}

// One read on the worker's connection: its rows, or what went wrong.
template <typename T>
ServerAnswer<T> readAnswer(PgConnection& pg, const std::function<T(PgConnection&)>& read) {
    ServerAnswer<T> answer;
    try {
        checkVersion(pg);
        answer.value = read(pg);
    } catch (const ClassServerError& error) {
        answer.problem = error.Message();
        qCInfo(lcClassroom) << "Reading the class server:" << error.Message();
        if (error.GetKind() == ClassServerError::Unreachable)
            pg.Close(); // opened anew for the next read
    }
    return answer;
}

// child_attempts and child_facts take a null since for "all".
QVariant sinceParameter(const QDateTime& since) {
    return since.isValid() ? QVariant(TimestampText(since)) : QVariant(QMetaType(QMetaType::QString));
}

QString nonNull(const QString& text) { return text.isNull() ? QStringLiteral("") : text; }

// The class list and the class's facts came with a later release of the server's schema.
void checkRosterRevision(PgConnection& pg) {
    QSqlQuery known =
        pg.Run(QStringLiteral("SELECT pg_catalog.to_regprocedure('vantel.schema_revision()') IS NOT NULL"));
    int revision = 0;
    if (known.next() && known.value(0).toBool()) {
        QSqlQuery read = pg.Run(QStringLiteral("SELECT vantel.schema_revision()"));
        revision = read.next() ? read.value(0).toInt() : 0;
    }
    if (revision < kClassRosterRevision)
        throw ClassServerError(ClassServerError::Refused, RosterNeedsInstallMessage());
}

// A change of the class list: what the server refuses, in the teacher's words.
template <typename T> std::function<T(PgConnection&)> rosterChange(std::function<T(PgConnection&)> change) {
    return [change = std::move(change)](PgConnection& pg) {
        checkRosterRevision(pg);
        try {
            return change(pg);
        } catch (const ClassServerError& error) {
            if (error.GetKind() != ClassServerError::BadAttempt)
                throw;
            throw ClassServerError(ClassServerError::Refused, RosterProblemText(error), error.SqlState());
        }
    };
}

// A text[] literal: every element quoted, so commas, braces, quotes and "NULL" stay names.
QString textArrayLiteral(const QStringList& values) {
    QStringList quoted;
    for (QString value : values) {
        value.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
        quoted << u'"' + value + u'"';
    }
    return u'{' + quoted.join(u',') + u'}';
}
} // namespace

FactStats FactStatsFromClassFacts(const ClassFacts& facts) {
    QList<ServerFactRow> rows;
    rows.reserve(facts.rows.size());
    for (const ClassFactRow& row : facts.rows)
        rows << ServerFactRow{row.top, row.left, row.children, row.childrenMissing, row.medianMs};
    return FactStatsFromRows(facts.drill, rows);
}

QString TooNewMessage(int serverVersion) {
    return ClassReader::tr(
               "クラスのサーバーのデータの形式（第%1版）は、このVantelが知っている形式（第%2版）より"
               "新しいため、使えません。Vantelを新しくしてください。記録はこのパソコンに残ります。")
        .arg(serverVersion)
        .arg(kClassSchemaVersion);
}

QString TooOldMessage(int serverVersion) {
    return ClassReader::tr(
               "クラスのサーバーの準備が古いままです（第%1版）。管理者に classroom-setup.sh install を"
               "頼んでください。記録はこのパソコンに残ります。")
        .arg(serverVersion);
}

QString UnseenComputersText(const QList<ClassComputer>& computers, const QDateTime& now) {
    constexpr int kShown = 40; // the server decides how many rows come
    QStringList unseen;
    int more = 0;
    for (const ClassComputer& computer : computers) {
        const bool never = !computer.lastSeen.isValid();
        if (!never && computer.lastSeen.secsTo(now) <= 24 * 3600)
            continue;
        if (unseen.size() == kShown) {
            ++more;
            continue;
        }
        const QString seat = computer.seat.left(kServerTextLimit);
        unseen << (never ? ClassReader::tr("%1（まだ一度も）").arg(seat)
                         //: A computer of the class and when it last reached the server
                         : ClassReader::tr("%1（最後 %2）")
                               .arg(seat,
                                    computer.lastSeen.toLocalTime().toString(QStringLiteral("MM/dd HH:mm"))));
    }
    if (unseen.isEmpty())
        return {};
    //: Between the names of computers in a list
    const QString comma = ClassReader::tr("、");
    QString list = unseen.join(comma);
    if (more > 0)
        //: After the list of computers: and %1 more
        list += ClassReader::tr("、ほか %1 台").arg(more);
    const QString text = ClassReader::tr("つながっていないパソコン: %1").arg(list);
    return text;
}

FactStats FactStatsFromRows(DrillKind drill, const QList<ServerFactRow>& rows) {
    FactStats stats = FactStatsBuilder(drill).Finish(); // every fact of the drill, none seen
    std::vector<std::pair<int, qint64>> medians;        // weighted by tries
    for (const ServerFactRow& row : rows) {
        for (FactStat& stat : stats.facts)
            if (stat.fact == Fact{row.top, row.left}) {
                stat.seen = int(row.tries);
                stat.wrong = int(row.wrong);
                stat.medianMs = row.medianMs;
                if (row.medianMs >= 0)
                    medians.emplace_back(row.medianMs, row.tries);
            }
    }
    // The child's usual pace: the median over every answer, as near as the per-fact medians tell it.
    std::sort(medians.begin(), medians.end());
    qint64 total = 0;
    for (const auto& [ms, weight] : medians)
        total += weight;
    qint64 running = 0;
    for (const auto& [ms, weight] : medians) {
        running += weight;
        if (running * 2 >= total) {
            stats.overallMedianMs = ms;
            break;
        }
    }
    return stats;
}

// Made on the worker at the first read and closed there at the end: a connection is its thread's.
struct ClassReader::Connection {
    QString service;
    PgTimeouts timeouts;
    std::unique_ptr<PgConnection> pg;
};

ClassReader::ClassReader(QString service, PgTimeouts timeouts, QObject* parent)
    : QObject(parent), connection_(std::make_shared<Connection>()),
      worker_(lcClassroom, "Reading the class server") {
    connection_->service = std::move(service);
    connection_->timeouts = timeouts;
}

ClassReader::~ClassReader() {
    // Reads have nothing to keep: the close waits for them only a moment.
    worker_.Stop(std::chrono::milliseconds(200), SerialWorker::Queued::Drop,
                 [connection = connection_] { connection->pg.reset(); });
}

template <typename T>
void ClassReader::deliver(QObject* context, std::function<void(ServerAnswer<T>)> done,
                          std::function<T(PgConnection&)> read) {
    const QPointer<QObject> target(context);
    worker_.Post([connection = connection_, link = worker_.GetLink(), target, done, read] {
        if (!connection->pg)
            connection->pg = std::make_unique<PgConnection>(connection->service, connection->timeouts);
        link.SetInterrupt([pg = connection->pg.get()] { pg->Interrupt(); });
        ServerAnswer<T> answer = readAnswer(*connection->pg, read);
        link.Deliver(target, [done, answer = std::move(answer)] { done(answer); });
    });
}

void ClassReader::Classes(QObject* context, std::function<void(ServerAnswer<QStringList>)> done) {
    deliver<QStringList>(context, std::move(done), [](PgConnection& pg) {
        QSqlQuery query = pg.Run(QStringLiteral("SELECT class FROM vantel.readable_classes() ORDER BY 1"));
        QStringList classes;
        while (query.next())
            classes << query.value(0).toString();
        return classes;
    });
}

void ClassReader::Summary(const QString& className, QObject* context,
                          std::function<void(ServerAnswer<QList<ClassSummaryRow>>)> done) {
    deliver<QList<ClassSummaryRow>>(context, std::move(done), [className](PgConnection& pg) {
        QSqlQuery query = pg.Run(
            QStringLiteral("SELECT child, drill, attempts, best_ms, last_ms, last_at, attempts_7d, trend_ms"
                           " FROM vantel.class_summary(?::text) ORDER BY child, drill"),
            {className});
        QList<ClassSummaryRow> rows;
        while (query.next()) {
            ClassSummaryRow row;
            row.child = query.value(0).toString();
            const int drill = query.value(1).toInt();
            if (drill < 0 || drill > int(DrillKind::Kuku))
                continue; // a drill this program does not have
            row.drill = DrillKind(drill);
            row.attempts = query.value(2).toLongLong();
            row.bestMs = query.value(3).isNull() ? -1 : query.value(3).toInt();
            row.lastMs = query.value(4).isNull() ? -1 : query.value(4).toInt();
            row.lastAt = query.value(5).toDateTime().toUTC();
            row.attempts7d = query.value(6).toLongLong();
            if (!query.value(7).isNull())
                row.trendMs = query.value(7).toInt();
            rows << row;
        }
        return rows;
    });
}

void ClassReader::Computers(const QString& className, QObject* context,
                            std::function<void(ServerAnswer<QList<ClassComputer>>)> done) {
    deliver<QList<ClassComputer>>(context, std::move(done), [className](PgConnection& pg) {
        QSqlQuery query = pg.Run(QStringLiteral("SELECT seat, role_name, last_seen, attempts"
                                                " FROM vantel.class_computers(?::text) ORDER BY seat"),
                                 {className});
        QList<ClassComputer> computers;
        while (query.next())
            computers << ClassComputer{query.value(0).toString(), query.value(1).toString(),
                                       query.value(2).isNull() ? QDateTime()
                                                               : query.value(2).toDateTime().toUTC(),
                                       query.value(3).toLongLong()};
        return computers;
    });
}

void ClassReader::ChildProgress(const QString& className, const QString& child, DrillKind drill,
                                const QDateTime& since, QObject* context,
                                std::function<void(ServerAnswer<::ChildProgress>)> done) {
    deliver<::ChildProgress>(context, std::move(done), [=](PgConnection& pg) {
        QSqlQuery query = pg.Run(
            QStringLiteral("SELECT started_at, utc_offset_s, duration_ms, score, full_score, new_best"
                           " FROM vantel.child_attempts(?::text, ?::text, ?::smallint, ?::timestamptz)"),
            {className, nonNull(child), QString::number(int(drill)), sinceParameter(since)});
        QList<Attempt> attempts;
        while (query.next()) {
            Attempt a;
            a.id = attempts.size() + 1;
            a.child = child;
            a.drill = drill;
            a.startedUtc = query.value(0).toDateTime().toUTC();
            a.utcOffsetSeconds = query.value(1).toInt();
            a.durationMs = query.value(2).toUInt();
            a.score = query.value(3).toInt();
            a.fullScore = query.value(4).toInt();
            a.newBest = query.value(5).toBool();
            attempts << a;
        }
        QSqlQuery facts =
            pg.Run(QStringLiteral("SELECT top, \"left\", tries, wrong, median_ms"
                                  " FROM vantel.child_facts(?::text, ?::text, ?::smallint, ?::timestamptz)"),
                   {className, nonNull(child), QString::number(int(drill)), sinceParameter(since)});
        QList<ServerFactRow> rows;
        while (facts.next())
            rows << ServerFactRow{facts.value(0).toInt(), facts.value(1).toInt(), facts.value(2).toLongLong(),
                                  facts.value(3).toLongLong(),
                                  facts.value(4).isNull() ? -1 : facts.value(4).toInt()};
        return ::ChildProgress{attempts, FactStatsFromRows(drill, rows)};
    });
}

void ClassReader::Roster(const QString& className, QObject* context,
                         std::function<void(ServerAnswer<QStringList>)> done) {
    deliver<QStringList>(context, std::move(done), [className](PgConnection& pg) {
        checkRosterRevision(pg);
        QSqlQuery query = pg.Run(
            QStringLiteral(
                "SELECT child FROM vantel.roster WHERE class = ?::text ORDER BY child LIMIT ?::integer"),
            {className, QString::number(kRosterLimit)});
        QStringList names;
        while (query.next())
            names << query.value(0).toString();
        return names;
    });
}

void ClassReader::AddToRoster(const QString& className, const QStringList& names, QObject* context,
                              std::function<void(ServerAnswer<int>)> done) {
    const QString list = textArrayLiteral(CleanRosterNames(names));
    deliver<int>(context, std::move(done), rosterChange<int>([className, list](PgConnection& pg) {
                     QSqlQuery query =
                         pg.Run(QStringLiteral("SELECT vantel.add_to_roster(?::text, ?::text[])"),
                                {className, list});
                     return query.next() ? query.value(0).toInt() : 0;
                 }));
}

void ClassReader::RenameChild(const QString& className, const QString& from, const QString& to,
                              QObject* context, std::function<void(ServerAnswer<qint64>)> done) {
    deliver<qint64>(
        context, std::move(done),
        rosterChange<qint64>([className, from = nonNull(from), to = to.trimmed()](PgConnection& pg) {
            QSqlQuery query = pg.Run(QStringLiteral("SELECT vantel.rename_child(?::text, ?::text, ?::text)"),
                                     {className, from, to});
            return query.next() ? query.value(0).toLongLong() : qint64(0);
        }));
}

void ClassReader::RemoveFromRoster(const QString& className, const QString& name, QObject* context,
                                   std::function<void(ServerAnswer<bool>)> done) {
    deliver<bool>(context, std::move(done), rosterChange<bool>([className, name](PgConnection& pg) {
                      QSqlQuery query =
                          pg.Run(QStringLiteral("SELECT vantel.remove_from_roster(?::text, ?::text)"),
                                 {className, nonNull(name)});
                      return query.next() && query.value(0).toBool();
                  }));
}

void ClassReader::ClassFacts(const QString& className, DrillKind drill, const QDateTime& since,
                             QObject* context, std::function<void(ServerAnswer<::ClassFacts>)> done) {
    deliver<::ClassFacts>(context, std::move(done), [=](PgConnection& pg) {
        checkRosterRevision(pg);
        // Only operands a drill has: whatever else a computer sent cannot crowd them out.
        QSqlQuery query =
            pg.Run(QStringLiteral("SELECT top, \"left\", children, children_missing, tries, wrong,"
                                  " median_ms"
                                  " FROM vantel.class_facts(?::text, ?::smallint, ?::timestamptz)"
                                  " WHERE top BETWEEN 0 AND 19 AND \"left\" BETWEEN 0 AND 9"),
                   {className, QString::number(int(drill)), sinceParameter(since)});
        ::ClassFacts facts;
        facts.drill = drill;
        while (query.next()) {
            const ClassFactRow row{query.value(0).toInt(),
                                   query.value(1).toInt(),
                                   query.value(2).toLongLong(),
                                   query.value(3).toLongLong(),
                                   query.value(4).toLongLong(),
                                   query.value(5).toLongLong(),
                                   query.value(6).isNull() ? -1 : query.value(6).toInt()};
            facts.children = std::max(facts.children, row.children);
            facts.rows << row;
        }
        return facts;
    });
}

ServerHistory::ServerHistory(ClassReader& reader, QString className)
    : reader_(reader), className_(std::move(className)) {}

void ServerHistory::ReadChildren(QObject* /*context*/, std::function<void(QStringList)> done) {
    done(children_);
}

void ServerHistory::ReadProgress(const QString& child, DrillKind drill, const QDateTime& since,
                                 QObject* context, std::function<void(::ChildProgress)> done) {
    reader_.ChildProgress(
        className_, child, drill, since, context,
        [this, drill, done = std::move(done)](ServerAnswer<::ChildProgress> answer) {
            problem_ = answer.problem;
            done(answer.value.value_or(::ChildProgress{{}, FactStatsBuilder(drill).Finish()}));
        });
}
