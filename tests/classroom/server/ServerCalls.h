// Calls on the class server as the program and its tests make them: an
// attempt with its cells, a connection by service, rows as text.
#pragma once

#include "tests/support/PgTestServer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <memory>

namespace {
struct Cell {
    int top = 0;
    int left = 0;
    QString typed;
    bool correct = true;
    int lastKeyMs = -1; // -1: no key
    int cell = -1;      // -1: its place in the list
};

struct Sent {
    QUuid id = QUuid::createUuid();
    QString cls = PgTestServer::TestClass();
    QString seat = QStringLiteral("PC-01");
    QString child = QStringLiteral("たろう");
    int drill = 0;
    QDateTime started = QDateTime::currentDateTimeUtc();
    int durationMs = 60000;
    int score = 100;
    int fullScore = 100;
    QList<Cell> cells;
};

QString headers(int count) {
    QStringList values;
    for (int i = 0; i < count; ++i)
        values << QString::number(i);
    return QLatin1Char('{') + values.join(QLatin1Char(',')) + QLatin1Char('}');
}

QString cellsJson(const QList<Cell>& cells) {
    QJsonArray array;
    for (int i = 0; i < cells.size(); ++i) {
        const Cell& c = cells[i];
        array.append(QJsonObject{{"cell", c.cell < 0 ? i : c.cell},
                                 {"top", c.top},
                                 {"left", c.left},
                                 {"typed", c.typed},
                                 {"correct", c.correct},
                                 {"last_key_ms", c.lastKeyMs < 0 ? QJsonValue() : QJsonValue(c.lastKeyMs)}});
    }
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

// Calls add_attempt as the program does: every value bound, cast in the text.
QVariant addAttempt(QSqlDatabase& db, const Sent& a, QString* sqlState = nullptr) {
    QSqlQuery q(db);
    q.prepare(
        QStringLiteral("SELECT vantel.add_attempt(?::uuid, ?, ?, ?, ?::smallint, ?::timestamptz, ?::integer, "
                       "?::integer, ?::smallint, ?::smallint, ?::boolean, ?::smallint[], ?::smallint[], "
                       "?::text)"));
    for (const QVariant& v :
         QVariantList{a.id.toString(QUuid::WithoutBraces), a.cls, a.seat, a.child, a.drill,
                      a.started.toString(Qt::ISODateWithMs), 32400, a.durationMs, a.score, a.fullScore, false,
                      headers(10), headers(10), cellsJson(a.cells)})
        q.addBindValue(v);
    if (!q.exec() || !q.next()) {
        if (sqlState)
            *sqlState = q.lastError().nativeErrorCode();
        return {};
    }
    return q.value(0);
}

std::unique_ptr<QSqlDatabase> connectAs(const QString& service) {
    static int count = 0;
    auto db = std::make_unique<QSqlDatabase>(
        QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), service + QString::number(++count)));
    db->setConnectOptions(QStringLiteral("service=") + service);
    if (!db->open())
        qWarning() << "cannot connect as" << service << db->lastError().text();
    return db;
}

QStringList rows(QSqlDatabase& db, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery q(db);
    q.prepare(sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    QStringList result;
    if (!q.exec()) {
        qWarning() << sql << q.lastError().text();
        return {QStringLiteral("error ") + q.lastError().nativeErrorCode()};
    }
    while (q.next()) {
        QStringList fields;
        for (int i = 0; i < q.record().count(); ++i)
            fields << (q.isNull(i) ? QStringLiteral("null") : q.value(i).toString());
        result << fields.join(QLatin1Char('|'));
    }
    return result;
}

QList<Cell> fullSheet(int wrongCells = 0) {
    QList<Cell> cells;
    for (int top = 0; top < 10; ++top)
        for (int left = 0; left < 10; ++left) {
            const bool right = cells.size() >= wrongCells;
            cells << Cell{top, left, QString::number(right ? top + left : 99), right,
                          int(cells.size() + 1) * 500};
        }
    return cells;
}
} // namespace
