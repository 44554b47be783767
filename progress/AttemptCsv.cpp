#include "progress/AttemptCsv.h"

QString CsvField(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QByteArray AttemptsCsv(const QList<Attempt>& attempts) {
    // ISO dates and plain numbers: a spreadsheet reads them back as they were written.
    QString text = QStringLiteral("名前,ドリル,開始日時,時間(秒),点数,満点,新記録\r\n");
    for (const Attempt& a : attempts) {
        const QDateTime local = a.StartedLocal();
        const QStringList fields{ChildLabel(a.child),
                                 DrillLabel(a.drill),
                                 local.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                 QString::number(a.durationMs / 1000.0, 'g', 12),
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
