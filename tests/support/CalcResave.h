// LibreOffice Calc opening a CSV file as a teacher would (UTF-8 by its mark,
// comma and quote) and saving it again as CSV: what the spreadsheet made of
// the cells, for a test to compare with what was written.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QtDebug>

// The bytes Calc wrote, or empty when it could not be run.
inline QByteArray CalcResavedCsv(const QString& program, const QString& csvPath, const QString& workFolder) {
    const QString profile = QDir(workFolder).filePath("profile");
    const QString out = QDir(workFolder).filePath("out");
    QDir().mkpath(out);
    QProcess calc;
    calc.setProcessChannelMode(QProcess::MergedChannels);
    // Import as UTF-8 (76) with comma and quote, then write the same way.
    calc.start(program, {"--headless", "--norestore", "-env:UserInstallation=file://" + profile,
                         "--infilter=CSV:44,34,76,1", "--convert-to",
                         "csv:Text - txt - csv (StarCalc):44,34,76,1", "--outdir", out, csvPath});
    if (!calc.waitForFinished(240000)) {
        calc.kill();
        calc.waitForFinished();
        return {};
    }
    QFile file(QDir(out).filePath(QFileInfo(csvPath).fileName()));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning() << "no CSV from Calc:" << calc.readAll();
        return {};
    }
    return file.readAll();
}
