#include "classroom/OutgoingAttempt.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>

namespace {
QJsonArray intArray(const QList<int>& values) {
    QJsonArray array;
    for (int v : values)
        array.append(v);
    return array;
}

QList<int> intList(const QJsonValue& value) {
    QList<int> list;
    for (const QJsonValue& v : value.toArray())
        list << v.toInt();
    return list;
}

// The cells in the order of the sheet, numbered row by row from 0.
QJsonArray cellArray(const Attempt& attempt) {
    const int width = int(attempt.topHeaders.size());
    QJsonArray cells;
    for (const AnswerCell& c : attempt.cells) {
        QJsonObject cell{{QStringLiteral("cell"), (c.row - 1) * width + (c.col - 1)},
                         {QStringLiteral("col"), c.col},
                         {QStringLiteral("row"), c.row},
                         {QStringLiteral("top"), c.top},
                         {QStringLiteral("left"), c.left},
                         {QStringLiteral("typed"), c.typed},
                         {QStringLiteral("correct"), c.right}};
        cell.insert(QStringLiteral("last_key_ms"),
                    c.lastKeyMs < 0 ? QJsonValue() : QJsonValue(qint64(c.lastKeyMs)));
        cells.append(cell);
    }
    return cells;
}
} // namespace

OutgoingAttempt MakeOutgoing(const Attempt& attempt, const QString& className, const QString& seat) {
    return OutgoingAttempt{QUuid::createUuid().toString(QUuid::WithoutBraces), className, seat, attempt};
}

QString ArrayLiteral(const QList<int>& values) {
    QStringList texts;
    for (int v : values)
        texts << QString::number(v);
    return u'{' + texts.join(u',') + u'}';
}

QByteArray CellsJson(const Attempt& attempt) {
    return QJsonDocument(cellArray(attempt)).toJson(QJsonDocument::Compact);
}

QString TimestampText(const QDateTime& utc) { return utc.toUTC().toString(Qt::ISODateWithMs); }

QString ServerChildName(const QString& child) {
    if (child.isNull())
        return QStringLiteral("");
    qsizetype end = 0;
    for (int counted = 0; end < child.size() && counted < kServerTextLimit; ++counted)
        end += QChar::isHighSurrogate(child[end].unicode()) && end + 1 < child.size() &&
                       QChar::isLowSurrogate(child[end + 1].unicode())
                   ? 2
                   : 1;
    return child.left(end);
}

QByteArray OutgoingToJson(const OutgoingAttempt& o) {
    const Attempt& a = o.attempt;
    const QJsonObject object{{QStringLiteral("id"), o.id},
                             {QStringLiteral("class"), o.className},
                             {QStringLiteral("seat"), o.seat},
                             {QStringLiteral("child"), a.child},
                             {QStringLiteral("drill"), int(a.drill)},
                             {QStringLiteral("started_at"), TimestampText(a.startedUtc)},
                             {QStringLiteral("utc_offset_s"), a.utcOffsetSeconds},
                             {QStringLiteral("duration_ms"), qint64(a.durationMs)},
                             {QStringLiteral("score"), a.score},
                             {QStringLiteral("full_score"), a.fullScore},
                             {QStringLiteral("new_best"), a.newBest},
                             {QStringLiteral("top_headers"), intArray(a.topHeaders)},
                             {QStringLiteral("left_headers"), intArray(a.leftHeaders)},
                             {QStringLiteral("cells"), cellArray(a)}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<OutgoingAttempt> OutgoingFromJson(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject o = document.object();
    OutgoingAttempt out;
    out.id = o.value(QStringLiteral("id")).toString();
    out.className = o.value(QStringLiteral("class")).toString();
    out.seat = o.value(QStringLiteral("seat")).toString();
    if (QUuid::fromString(out.id).isNull())
        return std::nullopt;
    Attempt& a = out.attempt;
    a.child = o.value(QStringLiteral("child")).toString();
    const int drill = o.value(QStringLiteral("drill")).toInt(-1);
    if (drill < 0 || drill > int(DrillKind::Kuku))
        return std::nullopt;
    a.drill = DrillKind(drill);
    a.startedUtc = QDateTime::fromString(o.value(QStringLiteral("started_at")).toString(), Qt::ISODateWithMs);
    a.utcOffsetSeconds = o.value(QStringLiteral("utc_offset_s")).toInt();
    a.durationMs = std::uint32_t(o.value(QStringLiteral("duration_ms")).toInteger());
    a.score = o.value(QStringLiteral("score")).toInt();
    a.fullScore = o.value(QStringLiteral("full_score")).toInt();
    a.newBest = o.value(QStringLiteral("new_best")).toBool();
    a.topHeaders = intList(o.value(QStringLiteral("top_headers")));
    a.leftHeaders = intList(o.value(QStringLiteral("left_headers")));
    for (const QJsonValue& v : o.value(QStringLiteral("cells")).toArray()) {
        const QJsonObject c = v.toObject();
        AnswerCell cell;
        cell.col = c.value(QStringLiteral("col")).toInt();
        cell.row = c.value(QStringLiteral("row")).toInt();
        cell.top = c.value(QStringLiteral("top")).toInt();
        cell.left = c.value(QStringLiteral("left")).toInt();
        cell.typed = c.value(QStringLiteral("typed")).toString();
        cell.right = c.value(QStringLiteral("correct")).toBool();
        const QJsonValue key = c.value(QStringLiteral("last_key_ms"));
        cell.lastKeyMs = key.isNull() || key.isUndefined() ? -1 : key.toInteger();
        a.cells << cell;
    }
    if (!a.startedUtc.isValid())
        return std::nullopt;
    return out;
}
