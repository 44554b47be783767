#include "platform/print/PrinterChoice.h"

#include "core/VantelError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PrinterChoice)
};

// Past this many files in one folder something is wrong with the folder.
constexpr int kMaxNumber = 100000;
} // namespace

QString DefaultPdfBase() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder).filePath(
        //: The default name of the PDF file prints go to; a number is added to it.
        Texts::tr("Vantel-プリント.pdf"));
}

PrinterChoice DefaultPrinterChoice() {
    PrinterChoice choice;
    choice.pdfBase = DefaultPdfBase();
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull())
        choice.printerName = printer.printerName();
    else if (const QStringList names = QPrinterInfo::availablePrinterNames(); !names.isEmpty())
        choice.printerName = names.first();
    return choice;
}

QString NumberedPdfName(const QString& base, int number) {
    const QFileInfo info(base);
    QString stem = info.fileName();
    if (stem.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        stem.chop(4);
    return info.dir().filePath(QStringLiteral("%1-%2.pdf").arg(stem).arg(number));
}

QString NextPdfName(const QString& base) {
    for (int number = 1; number < kMaxNumber; ++number) {
        const QString name = NumberedPdfName(base, number);
        if (!QFileInfo::exists(name))
            return name;
    }
    return NumberedPdfName(base, kMaxNumber);
}

QString ReservePdfName(const QString& base) {
    const QString folder = QFileInfo(base).absolutePath();
    if (!QDir().mkpath(folder))
        throw VantelError(Texts::tr("フォルダーを作れません。\n%1").arg(QDir::toNativeSeparators(folder)));
    for (int number = 1; number < kMaxNumber; ++number) {
        const QString name = NumberedPdfName(base, number);
        if (QFileInfo::exists(name))
            continue;
        QFile file(name);
        // NewOnly fails if the name was taken meanwhile: then try the next one.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return name;
        if (!QFileInfo::exists(name))
            throw VantelError(
                QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(name), file.errorString()));
    }
    throw VantelError(Texts::tr("%1\nこれ以上ファイルを作れません。").arg(QDir::toNativeSeparators(folder)));
}
