#include "progress/SqliteHistory.h"

#include "core/Logging.h"
#include "core/VantelError.h"
#include "platform/desktop/MessageBoxes.h"
#include "progress/FactTimes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTimeZone>
#include <QVariant>
#include <atomic>
#include <exception>

namespace {
// Another copy of the program may be writing; wait for it a little, not for ever.
constexpr std::chrono::milliseconds kBusyPatience{3000};

// SQLite's primary result codes that matter here.
constexpr int kCorrupt = 11;
constexpr int kNotADatabase = 26;

// A failed statement, with SQLite's code kept so damage can be told from a full disk.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SqliteHistory)
};

class SqlFailure : public VantelError {
public:
    SqlFailure(const QSqlError& error) : VantelError(error.text()), code(error.nativeErrorCode().toInt()) {}
    int code;
    bool Damaged() const { return code == kCorrupt || code == kNotADatabase; }
};

void exec(QSqlQuery& query) {
    if (!query.exec())
        throw SqlFailure(query.lastError());
}

void exec(QSqlDatabase& db, const QString& sql) {
    QSqlQuery query(db);
    if (!query.exec(sql))
        throw SqlFailure(query.lastError());
}

QSqlQuery prepared(QSqlDatabase& db, const QString& sql) {
    QSqlQuery query(db);
    if (!query.prepare(sql))
        throw SqlFailure(query.lastError());
    return query;
}

QString joinValues(const QList<int>& values) {
    QStringList texts;
    for (int v : values)
        texts << QString::number(v);
    return texts.join(u',');
}

// "2,3,4" as numbers, without a string for each.
QList<int> splitValues(QStringView text) {
    QList<int> values;
    int value = 0;
    bool negative = false, digits = false;
    for (QChar ch : text) {
        if (ch == u',') {
            if (digits)
                values << (negative ? -value : value);
            value = 0;
            negative = digits = false;
        } else if (ch == u'-') {
            negative = true;
        } else if (ch.isDigit()) {
            value = value * 10 + ch.digitValue();
            digits = true;
        }
    }
    if (digits)
        values << (negative ? -value : value);
    return values;
}

// An empty name is bound as text: NULL would be no child at all.
QString nameValue(const QString& name) { return name.isNull() ? QStringLiteral("") : name; }

qint64 sinceMs(const QDateTime& since) {
    return since.isValid() ? since.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
}

// Forward migrations, one per version: the file's user_version says how many ran.
const char* const kMigrations[] = {
    // 1: children, attempts and their answers.
    "CREATE TABLE children (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE);"
    "CREATE TABLE attempts (id INTEGER PRIMARY KEY, child_id INTEGER NOT NULL REFERENCES children(id),"
    " drill INTEGER NOT NULL, started_ms INTEGER NOT NULL, duration_ms INTEGER NOT NULL,"
    " score INTEGER NOT NULL, full_score INTEGER NOT NULL, new_best INTEGER NOT NULL,"
    " top_headers TEXT NOT NULL, left_headers TEXT NOT NULL);"
    "CREATE TABLE answers (attempt_id INTEGER NOT NULL, cell INTEGER NOT NULL, a INTEGER NOT NULL,"
    " b INTEGER NOT NULL, typed TEXT NOT NULL, right INTEGER NOT NULL,"
    " PRIMARY KEY (attempt_id, cell)) WITHOUT ROWID;",
    // 2: the local offset of the start, keystroke times, and the lookup the window uses.
    "ALTER TABLE attempts ADD COLUMN utc_offset_s INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE answers ADD COLUMN key_ms INTEGER;"
    "CREATE INDEX attempts_by_child ON attempts (child_id, drill, started_ms);",
    // 3: each attempt's answers as the fact map reads them (FactTimes.h), so
    // the map of a long history does not read every answer row; filled in
    // for the attempts already kept by keepFactTimes.
    "ALTER TABLE attempts ADD COLUMN fact_times BLOB;",
};
static_assert(std::size(kMigrations) == SqliteHistory::kSchemaVersion);
} // namespace

QString DefaultHistoryPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("vantel/history.sqlite"));
}

SqliteHistory::SqliteHistory(QString path, MessageBoxes& messages)
    : path_(std::move(path)), messages_(messages), worker_(lcProgress, "A job of the history's worker") {}

SqliteHistory::~SqliteHistory() {
    if (used_) {
        worker_.Post([this] {
            flush();
            close();
        });
        worker_.Stop(std::chrono::milliseconds::max(), SerialWorker::Queued::Run);
        tellFound();
    }
}

void SqliteHistory::post(std::function<void()> job) {
    used_ = true;
    worker_.Post(std::move(job));
}

template <class Job> auto SqliteHistory::onWorker(Job job) {
    using Result = decltype(job());
    std::optional<Result> result;
    std::exception_ptr failure; // thrown again here, on the caller's thread
    post([&] {
        try {
            result = job();
        } catch (...) {
            failure = std::current_exception();
        }
    });
    worker_.WaitIdle();
    tellFound();
    if (failure)
        std::rethrow_exception(failure);
    return std::move(*result);
}

void SqliteHistory::tellFound() {
    QStringList found;
    {
        std::lock_guard guard(foundLock_);
        found.swap(found_);
    }
    for (const QString& text : found)
        messages_.ShowError(text);
}

void SqliteHistory::readFailed(const char* what) {
    LogCurrentFailure(lcProgress(), what);
    try {
        throw;
    } catch (const SqlFailure& failure) {
        if (!failure.Damaged())
            return;
    } catch (...) {
        return;
    }
    // Damage found while reading: the file is set aside and a new one started.
    try {
        moveAsideDamaged();
        ensureOpen();
    } catch (...) {
        LogCurrentFailure(lcProgress(), "Setting the damaged history aside");
    }
}

void SqliteHistory::close() { db_.reset(); }

bool SqliteHistory::openFile() {
    const QFileInfo info(path_);
    if (!QDir().mkpath(info.absolutePath()))
        throw VantelError(Texts::tr("フォルダー %1 を作れません。").arg(info.absolutePath()));
    db_.emplace(path_, kBusyPatience);
    if (const QSqlError error = db_->Open(); error.isValid())
        throw SqlFailure(error);
    if (const QSqlError error = db_->UseWriteAheadLog(); error.isValid())
        throw SqlFailure(error);
    // A power cut must not take a committed attempt with it.
    exec(db_->Db(), QStringLiteral("PRAGMA synchronous=FULL"));
    exec(db_->Db(), QStringLiteral("PRAGMA foreign_keys=ON"));
    if (pageLimit_ > 0)
        exec(db_->Db(), QStringLiteral("PRAGMA max_page_count=%1").arg(pageLimit_));
    migrate();
    return true;
}

int SqliteHistory::schemaVersion() {
    QSqlQuery version(db_->Db());
    if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next())
        throw SqlFailure(version.lastError());
    return version.value(0).toInt();
}

void SqliteHistory::migrate() {
    // Reading the schema is what finds a file that is not a database at all.
    exec(db_->Db(), QStringLiteral("SELECT count(*) FROM sqlite_master"));
    if (schemaVersion() >= kSchemaVersion)
        return; // up to date, or a newer program's file whose additions are left alone
    // Another copy may be migrating the same file: take the write lock, then look again.
    begin();
    try {
        const int from = schemaVersion();
        for (int current = from; current < kSchemaVersion; ++current)
            for (const QString& statement :
                 QString::fromUtf8(kMigrations[current]).split(u';', Qt::SkipEmptyParts))
                exec(db_->Db(), statement);
        if (from < 3)
            keepFactTimes();
        exec(db_->Db(), QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion));
        exec(db_->Db(), QStringLiteral("COMMIT"));
    } catch (...) {
        rollback();
        throw;
    }
}

void SqliteHistory::keepFactTimes() {
    QSqlQuery answers(db_->Db());
    answers.setForwardOnly(true);
    if (!answers.exec(
            QStringLiteral("SELECT s.attempt_id, t.drill, s.a, s.b, s.right, s.key_ms FROM answers s"
                           " JOIN attempts t ON t.id = s.attempt_id WHERE t.fact_times IS NULL"
                           " ORDER BY s.attempt_id, s.cell")))
        throw SqlFailure(answers.lastError());
    QSqlQuery update = prepared(db_->Db(), QStringLiteral("UPDATE attempts SET fact_times = ? WHERE id = ?"));
    qint64 current = -1;
    DrillKind drill = DrillKind::Addition;
    std::vector<AnswerSample> cells;
    const auto keep = [&] {
        if (cells.empty())
            return;
        update.addBindValue(EncodeFactTimes(drill, TimeAnswers(std::move(cells))));
        update.addBindValue(current);
        exec(update);
        cells.clear();
    };
    while (answers.next()) {
        const qint64 id = answers.value(0).toLongLong();
        if (id != current) {
            keep();
            current = id;
            drill = DrillKind(answers.value(1).toInt());
        }
        const QVariant key = answers.value(5);
        cells.push_back(AnswerSample{answers.value(2).toInt(), answers.value(3).toInt(),
                                     answers.value(4).toInt() != 0, key.isNull() ? -1 : key.toLongLong()});
    }
    keep();
}

void SqliteHistory::begin() {
    // IMMEDIATE: the write lock is taken (or waited for) up front, so two
    // writers never deadlock upgrading a read.
    exec(db_->Db(), QStringLiteral("BEGIN IMMEDIATE"));
}

void SqliteHistory::rollback() {
    QSqlQuery query(db_->Db());
    if (!query.exec(QStringLiteral("ROLLBACK")))
        qCWarning(lcProgress, "Rolling back failed: %s", qUtf8Printable(query.lastError().text()));
}

void SqliteHistory::moveAsideDamaged() {
    close();
    const QFileInfo info(path_);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside =
        info.dir().filePath(QStringLiteral("%1-damaged-%2.sqlite").arg(info.completeBaseName(), stamp));
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = info.dir().filePath(
            QStringLiteral("%1-damaged-%2-%3.sqlite").arg(info.completeBaseName(), stamp).arg(n));
    if (!QFile::rename(path_, aside))
        throw VantelError(Texts::tr("壊れた記録ファイル %1 を移せません。").arg(path_));
    // The journal files belong to the damaged file; they go with it.
    for (const char* suffix : {"-wal", "-shm"})
        if (QFileInfo::exists(path_ + suffix))
            QFile::rename(path_ + suffix, aside + suffix);
    std::lock_guard guard(foundLock_);
    found_ << Texts::tr("成績の記録ファイルが壊れていたので、別の名前で残して新しい記録を始めます。\n"
                        "元のファイル: %1")
                  .arg(aside);
}

bool SqliteHistory::ensureOpen() {
    if (db_)
        return true;
    try {
        return openFile();
    } catch (const SqlFailure& failure) {
        if (!failure.Damaged()) {
            close();
            throw;
        }
    }
    moveAsideDamaged();
    return openFile();
}

std::int64_t SqliteHistory::childId(const QString& name) {
    QSqlQuery insert =
        prepared(db_->Db(), QStringLiteral("INSERT OR IGNORE INTO children (name) VALUES (?)"));
    insert.addBindValue(nameValue(name));
    exec(insert);
    QSqlQuery select = prepared(db_->Db(), QStringLiteral("SELECT id FROM children WHERE name = ?"));
    select.addBindValue(nameValue(name));
    exec(select);
    if (!select.next())
        throw VantelError(QStringLiteral("child not found after insert"));
    return select.value(0).toLongLong();
}

void SqliteHistory::writeOne(const Attempt& attempt) {
    QSqlQuery insert = prepared(
        db_->Db(),
        QStringLiteral("INSERT INTO attempts (child_id, drill, started_ms, utc_offset_s, duration_ms, score,"
                       " full_score, new_best, top_headers, left_headers, fact_times)"
                       " VALUES (?,?,?,?,?,?,?,?,?,?,?)"));
    insert.addBindValue(qint64(childId(attempt.child)));
    insert.addBindValue(int(attempt.drill));
    insert.addBindValue(attempt.startedUtc.toMSecsSinceEpoch());
    insert.addBindValue(attempt.utcOffsetSeconds);
    insert.addBindValue(qint64(attempt.durationMs));
    insert.addBindValue(attempt.score);
    insert.addBindValue(attempt.fullScore);
    insert.addBindValue(attempt.newBest ? 1 : 0);
    insert.addBindValue(joinValues(attempt.topHeaders));
    insert.addBindValue(joinValues(attempt.leftHeaders));
    insert.addBindValue(EncodeFactTimes(attempt));
    exec(insert);
    const qint64 id = insert.lastInsertId().toLongLong();

    QVariantList ids, cells, as, bs, typed, right, keys;
    for (const AnswerCell& cell : attempt.cells) {
        ids << id;
        cells << cell.row * 32 + cell.col;
        as << cell.top;
        bs << cell.left;
        typed << cell.typed;
        right << (cell.right ? 1 : 0);
        keys << (cell.lastKeyMs >= 0 ? QVariant(qint64(cell.lastKeyMs))
                                     : QVariant(QMetaType(QMetaType::LongLong)));
    }
    QSqlQuery answers = prepared(
        db_->Db(),
        QStringLiteral(
            "INSERT INTO answers (attempt_id, cell, a, b, typed, right, key_ms) VALUES (?,?,?,?,?,?,?)"));
    for (const QVariantList* column : {&ids, &cells, &as, &bs, &typed, &right, &keys})
        answers.addBindValue(*column);
    if (!answers.execBatch())
        throw SqlFailure(answers.lastError());
}

void SqliteHistory::writePending() {
    if (pending_.isEmpty())
        return;
    begin();
    try {
        for (const Attempt& attempt : pending_)
            writeOne(attempt);
        exec(db_->Db(), QStringLiteral("COMMIT"));
    } catch (...) {
        rollback();
        throw;
    }
    pending_.clear();
    toldWriteFailure_ = false;
}

void SqliteHistory::tellWriteFailure(const QString& reason) {
    LogCurrentFailure(lcProgress(), "Recording an attempt");
    if (toldWriteFailure_)
        return;
    toldWriteFailure_ = true;
    std::lock_guard guard(foundLock_);
    //: %1 is the database's own reason, often in English.
    found_ << Texts::tr("成績を記録できませんでした。ディスクの空きや、記録のフォルダーに"
                        "書き込めるかを確かめてください。\n"
                        "この回の成績は覚えておき、次の回かプログラムの終了時にもう一度記録します。\n%1")
                  .arg(reason);
}

bool SqliteHistory::Record(const Attempt& attempt) {
    RecordInBackground([attempt] { return attempt; });
    return WaitRecorded(-1);
}

void SqliteHistory::RecordInBackground(std::function<Attempt()> make) {
    post([this, make = std::move(make)] {
        pending_ << make();
        flush();
        keepHeldNames();
        lastWritten_ = pending_.isEmpty();
    });
}

bool SqliteHistory::WaitRecorded(int timeoutMs) {
    if (!used_)
        return true;
    const bool done =
        worker_.WaitIdle(timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(timeoutMs));
    tellFound();
    return done && lastWritten_;
}

bool SqliteHistory::RecordAll(const QList<Attempt>& attempts) {
    return onWorker([&] {
        pending_ << attempts;
        flush();
        keepHeldNames();
        return pending_.isEmpty();
    });
}

void SqliteHistory::Flush() {
    if (used_) // nothing was ever handed over: nothing to open
        onWorker([this] {
            flush();
            keepHeldNames();
            return true;
        });
}

int SqliteHistory::Pending() {
    return onWorker([this] { return int(pending_.size()); });
}

void SqliteHistory::SetPageLimit(int pages) {
    onWorker([this, pages] {
        pageLimit_ = pages;
        if (db_)
            exec(db_->Db(), QStringLiteral("PRAGMA max_page_count=%1").arg(pages > 0 ? pages : 1073741823));
        return true;
    });
}

void SqliteHistory::keepHeldNames() {
    QStringList names;
    for (const Attempt& attempt : pending_)
        if (!names.contains(attempt.child))
            names << attempt.child;
    std::lock_guard guard(foundLock_);
    heldNames_ = names;
}

void SqliteHistory::flush() {
    if (pending_.isEmpty())
        return;
    for (int tries = 0; tries < 2; ++tries) {
        try {
            ensureOpen();
            writePending();
            return;
        } catch (const SqlFailure& failure) {
            if (failure.Damaged() && tries == 0) {
                // Damage found while writing: set the file aside and write the attempts into a new one.
                try {
                    moveAsideDamaged();
                    continue;
                } catch (const VantelError& error) {
                    tellWriteFailure(error.Message());
                    return;
                }
            }
            tellWriteFailure(failure.Message());
            close(); // the next try opens afresh
            return;
        } catch (const VantelError& error) {
            tellWriteFailure(error.Message());
            close();
            return;
        }
    }
}

QStringList SqliteHistory::children() {
    QStringList names;
    try {
        if (!ensureOpen())
            throw VantelError(QStringLiteral("the history file is not open"));
        QSqlQuery query(db_->Db());
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("SELECT name FROM children ORDER BY name")))
            throw SqlFailure(query.lastError());
        while (query.next())
            names << query.value(0).toString();
    } catch (...) {
        readFailed("Reading the children of the history");
    }
    std::lock_guard guard(foundLock_);
    for (const QString& held : heldNames_)
        if (!names.contains(held))
            names << held;
    return names;
}

void SqliteHistory::read(const QString& child, DrillKind drill, const QDateTime& since,
                         QList<Attempt>* attempts, FactStatsBuilder* facts) {
    if (!ensureOpen())
        throw VantelError(QStringLiteral("the history file is not open"));
    QSqlDatabase& db = db_->Db();
    // One pass over the attempts in the range serves both the list and the facts.
    QSqlQuery query = prepared(
        db, QStringLiteral("SELECT t.id, t.started_ms, t.utc_offset_s, t.duration_ms, t.score, t.full_score,"
                           " t.new_best, t.top_headers, t.left_headers, %1 FROM attempts t"
                           " JOIN children c ON c.id = t.child_id"
                           " WHERE c.name = ? AND t.drill = ? AND t.started_ms >= ? %2")
                .arg(facts ? QStringLiteral("t.fact_times") : QStringLiteral("NULL"),
                     attempts ? QStringLiteral("ORDER BY t.started_ms, t.id") : QString()));
    query.setForwardOnly(true);
    query.addBindValue(nameValue(child));
    query.addBindValue(int(drill));
    query.addBindValue(sinceMs(since));
    exec(query);
    QList<qint64> unread;
    while (query.next()) {
        if (attempts) {
            Attempt a;
            a.id = query.value(0).toLongLong();
            a.child = child;
            a.drill = drill;
            a.startedUtc = QDateTime::fromMSecsSinceEpoch(query.value(1).toLongLong(), Qt::UTC);
            a.utcOffsetSeconds = query.value(2).toInt();
            a.durationMs = std::uint32_t(query.value(3).toLongLong());
            a.score = query.value(4).toInt();
            a.fullScore = query.value(5).toInt();
            a.newBest = query.value(6).toInt() != 0;
            a.topHeaders = splitValues(query.value(7).toString());
            a.leftHeaders = splitValues(query.value(8).toString());
            *attempts << std::move(a);
        }
        if (facts && !AddFactTimes(*facts, query.value(9).toByteArray()))
            unread << query.value(0).toLongLong();
    }
    if (unread.isEmpty())
        return;
    // Attempts an older copy of the program wrote into this file come without
    // their fact times: their answers are read instead.
    QSqlQuery answers = prepared(
        db, QStringLiteral("SELECT a, b, right, key_ms FROM answers WHERE attempt_id = ? ORDER BY cell"));
    answers.setForwardOnly(true);
    for (qint64 id : unread) {
        answers.addBindValue(id);
        exec(answers);
        std::vector<AnswerSample> cells;
        while (answers.next()) {
            const QVariant key = answers.value(3);
            cells.push_back(AnswerSample{answers.value(0).toInt(), answers.value(1).toInt(),
                                         answers.value(2).toInt() != 0,
                                         key.isNull() ? -1 : key.toLongLong()});
        }
        if (!cells.empty())
            facts->AddAttempt(std::move(cells));
    }
}

ChildProgress SqliteHistory::progress(const QString& child, DrillKind drill, const QDateTime& since,
                                      bool attempts, bool facts) {
    ChildProgress progress;
    FactStatsBuilder builder(drill);
    try {
        read(child, drill, since, attempts ? &progress.attempts : nullptr, facts ? &builder : nullptr);
    } catch (...) {
        readFailed("Reading the history");
        progress.attempts.clear();
        builder = FactStatsBuilder(drill);
    }
    progress.facts = builder.Finish();
    return progress;
}

void SqliteHistory::ReadChildren(QObject* context, std::function<void(QStringList)> done) {
    used_ = true;
    worker_.Run<QStringList>(
        context, [this] { return children(); },
        [this, done = std::move(done)](QStringList names) {
            tellFound();
            done(std::move(names));
        });
}

void SqliteHistory::ReadProgress(const QString& child, DrillKind drill, const QDateTime& since,
                                 QObject* context, std::function<void(ChildProgress)> done) {
    used_ = true;
    worker_.Run<ChildProgress>(
        context, [this, child, drill, since] { return progress(child, drill, since, true, true); },
        [this, done = std::move(done)](ChildProgress read) {
            tellFound();
            done(std::move(read));
        });
}

QStringList SqliteHistory::Children() {
    return onWorker([this] { return children(); });
}

QList<Attempt> SqliteHistory::Attempts(const QString& child, DrillKind drill, const QDateTime& since) {
    return onWorker([&] { return progress(child, drill, since, true, false).attempts; });
}

FactStats SqliteHistory::Facts(const QString& child, DrillKind drill, const QDateTime& since) {
    return onWorker([&] { return progress(child, drill, since, false, true).facts; });
}

ChildProgress SqliteHistory::Progress(const QString& child, DrillKind drill, const QDateTime& since) {
    return onWorker([&] { return progress(child, drill, since, true, true); });
}
