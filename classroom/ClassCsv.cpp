#include "classroom/ClassCsv.h"

#include "classroom/RosterImport.h"
#include "progress/AttemptCsv.h"

#include <QCoreApplication>

namespace {
// The header follows the language chosen; the name's is read back by the class list's reader.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ClassCsv)
};

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
    QStringList header{ClassCsvNameHeader(),
                       //: CSV column header: "○" when the child is on the class list
                       Texts::tr("名簿"),
                       //: CSV column header: whether the child practised lately
                       Texts::tr("練習")};
    const QString measures[] = {//: CSV column header after a drill's name: the best time in seconds
                                Texts::tr("ベスト(秒)"),
                                //: CSV column header after a drill's name: the latest time in seconds
                                Texts::tr("最新(秒)"),
                                //: CSV column header after a drill's name: attempts in the last 7 days
                                Texts::tr("7日間(回)"),
                                //: CSV column header after a drill's name: the trend in seconds
                                Texts::tr("傾向(秒)"),
                                //: CSV column header after a drill's name: all attempts so far
                                Texts::tr("これまで(回)")};
    for (DrillKind drill :
         {DrillKind::Addition, DrillKind::Subtraction, DrillKind::Multiplication, DrillKind::Kuku})
        for (const QString& measure : measures)
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
