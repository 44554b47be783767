#include "progress/AttemptCsv.h"

#include <QCoreApplication>

namespace {
// The header speaks the chosen language, as the drill and name fields do.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(AttemptCsv)
};
} // namespace

QString CsvField(const QString& field) {
    // A spreadsheet runs a field that starts like a formula ("=HYPERLINK(…)" as a name): a
    // leading quote makes it text, as spreadsheets themselves write such a cell.
    static const QString kFormulaStart = QStringLiteral("=+-@\t\r");
    const QString text = !field.isEmpty() && kFormulaStart.contains(field[0]) ? u'\'' + field : field;
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QByteArray AttemptsCsv(const QList<Attempt>& attempts) {
    // ISO dates and plain numbers: a spreadsheet reads them back as they were written.
    QString text = Texts::tr("名前,ドリル,開始日時,時間(秒),点数,満点,新記録") + QStringLiteral("\r\n");
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
