#include "progress/AttemptCsv.h"

#include "drill/DrillTime.h"

QString CsvField(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QByteArray AttemptsCsv(const QList<Attempt>& attempts) {
    QString text = QStringLiteral("名前,ドリル,日付,時刻,時間,時間(ミリ秒),点数,満点,新記録\r\n");
    for (const Attempt& a : attempts) {
        const QDateTime local = a.StartedLocal();
        const QStringList fields{ChildLabel(a.child),
                                 DrillLabel(a.drill),
                                 local.toString(QStringLiteral("yyyy/MM/dd")),
                                 local.toString(QStringLiteral("HH:mm:ss")),
                                 FormatDrillTime(a.durationMs),
                                 QString::number(a.durationMs),
                                 QString::number(a.score),
                                 QString::number(a.fullScore),
                                 a.newBest ? QStringLiteral("○") : QString()};
        QStringList quoted;
        for (const QString& field : fields)
            quoted << CsvField(field);
        text += quoted.join(u',') + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}
