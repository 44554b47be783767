#include "classroom/ClassCsv.h"

#include "progress/AttemptCsv.h"

namespace {
QString seconds(int ms) { return ms < 0 ? QString() : QString::number(ms / 1000.0, 'f', 1); }

// Numbers are written as they are: a negative trend is a number, not a formula to guard.
QString childLine(const ClassChild& child) {
    QStringList fields{CsvField(ChildLabel(child.name)), child.listed ? QStringLiteral("○") : QString(),
                       child.Idle() ? IdleMark() : QString()};
    for (const std::optional<ClassSummaryRow>& drill : child.drills) {
        if (!drill) {
            fields << QString() << QString() << QStringLiteral("0") << QString() << QStringLiteral("0");
            continue;
        }
        fields << seconds(drill->bestMs) << seconds(drill->lastMs) << QString::number(drill->attempts7d)
               << (drill->trendMs ? QString::number(*drill->trendMs / 1000.0, 'f', 1) : QString())
               << QString::number(drill->attempts);
    }
    return fields.join(u',') + QStringLiteral("\r\n");
}
} // namespace

QByteArray ClassTableCsv(const QList<ClassChild>& rows, const QList<ClassChild>& unlisted) {
    QStringList header{QStringLiteral("名前"), QStringLiteral("名簿"), QStringLiteral("練習")};
    for (DrillKind drill :
         {DrillKind::Addition, DrillKind::Subtraction, DrillKind::Multiplication, DrillKind::Kuku})
        for (const QString& measure :
             {QStringLiteral("ベスト(秒)"), QStringLiteral("最新(秒)"), QStringLiteral("7日間(回)"),
              QStringLiteral("傾向(秒)"), QStringLiteral("これまで(回)")})
            header << DrillLabel(drill) + u' ' + measure;
    QStringList quoted;
    for (const QString& field : header)
        quoted << CsvField(field);
    QString text = quoted.join(u',') + QStringLiteral("\r\n");
    for (const QList<ClassChild>* group : {&rows, &unlisted})
        for (const ClassChild& child : *group)
            text += childLine(child);
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}
