// Reading a printed PDF back as a parent would read the paper: the text of a
// page through pdftotext (poppler-utils), laid out as on the page.
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>

inline bool HavePdfToText() { return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

// Page counted from 1; empty when the page is not there.
inline QString PdfPageText(const QString& pdf, int page) {
    QProcess run;
    run.start(QStringLiteral("pdftotext"),
              {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
               QString::number(page), pdf, QStringLiteral("-")});
    run.waitForFinished(60000);
    return run.exitCode() == 0 ? QString::fromUtf8(run.readAllStandardOutput()) : QString();
}

inline int PdfPageCount(const QString& pdf) {
    QProcess run;
    run.start(QStringLiteral("pdfinfo"), {pdf});
    run.waitForFinished(60000);
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"),
                                          QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = pages.match(QString::fromUtf8(run.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// The whole numbers of a line, in order; full-width signs are not numbers.
inline QList<int> NumbersIn(const QString& line) {
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QList<int> numbers;
    for (const QRegularExpressionMatch& m : number.globalMatch(line))
        numbers << m.captured().toInt();
    return numbers;
}
