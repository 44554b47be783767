#include "classroom/ClassRoster.h"

#include "classroom/OutgoingAttempt.h"
#include "core/Logging.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>

namespace {
// The server's refusals of a class list change, in the teacher's words.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ClassRoster)
};

// A cache bigger than this was not written by us.
constexpr qint64 kCacheBytes = 256 * 1024;
} // namespace

QString RosterNeedsInstallMessage() {
    return Texts::tr(
        "クラスのサーバーが名簿とクラス全体の成績にまだ対応していません。管理者に "
        "classroom-setup.sh install をもう一度頼んでください。ほかの記録はこれまでどおり使えます。");
}

QString RosterProblemText(const ClassServerError& error) {
    const QString& state = error.SqlState();
    if (state == QLatin1String("22001"))
        return Texts::tr("名前が長すぎます（%1文字まで）").arg(kServerTextLimit);
    if (state == QLatin1String("54000"))
        return Texts::tr("名簿に入る名前は1クラス%1人までです").arg(kRosterLimit);
    if (state == QLatin1String("22023"))
        return Texts::tr("名前が空か、使えない文字（改行や制御文字）が入っています");
    if (state == QLatin1String("42501"))
        return Texts::tr("このクラスの名簿を変えることは許されていません");
    return error.Message();
}

QStringList CleanRosterNames(const QStringList& names) {
    QStringList clean;
    QSet<QString> seen;
    for (const QString& name : names) {
        const QString trimmed = name.trimmed();
        if (trimmed.isEmpty() || seen.contains(trimmed))
            continue;
        seen.insert(trimmed);
        clean << trimmed;
    }
    return clean;
}

QString RosterCachePath(const QString& outboxPath) {
    return QFileInfo(outboxPath).absolutePath() + QStringLiteral("/class-names.json");
}

QStringList ReadCachedRosterNames(const QString& path, const QString& className) {
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly) || file.size() > kCacheBytes) {
        qCInfo(lcClassroom) << "The class's names" << path << "are not read:" << file.errorString();
        return {};
    }
    const QJsonObject cached = QJsonDocument::fromJson(file.readAll()).object();
    if (cached.value(QStringLiteral("class")).toString() != className)
        return {};
    QStringList names;
    for (const QJsonValue& value : cached.value(QStringLiteral("names")).toArray()) {
        const QString name = value.toString().left(kServerTextLimit);
        if (!name.trimmed().isEmpty())
            names << name;
        if (names.size() == kRosterLimit)
            break;
    }
    return names;
}

bool WriteCachedRosterNames(const QString& path, const QString& className, const QStringList& names) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qCInfo(lcClassroom) << "The class's names cannot be kept in" << path << ":" << file.errorString();
        return false;
    }
    const QJsonObject cached{{QStringLiteral("class"), className},
                             {QStringLiteral("names"), QJsonArray::fromStringList(names)}};
    file.write(QJsonDocument(cached).toJson(QJsonDocument::Compact));
    return file.commit();
}
