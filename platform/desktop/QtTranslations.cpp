#include "platform/desktop/QtTranslations.h"

#include "core/Logging.h"
#include "platform/desktop/Languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallJapaneseQtTexts(const QString& folder) {
    const QString path = folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    // Owned by the application, so it lives as long as the texts it serves.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_ja"), path)) {
        qCWarning(lcDesktop) << "Qt's Japanese texts not found in" << path;
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

namespace {
QString ProgramCatalogue(const QString& code) { return QStringLiteral("vantel_") + code; }
} // namespace

ProgramTranslations::ProgramTranslations(QString catalogues, QString qtFolder)
    : catalogues_(std::move(catalogues)),
      qtFolder_(qtFolder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                                   : std::move(qtFolder)) {}

ProgramTranslations::~ProgramTranslations() {
    for (QTranslator* translator : {program_.get(), qt_.get()})
        if (translator)
            QCoreApplication::removeTranslator(translator);
}

QStringList ProgramTranslations::Available() const {
    QStringList codes{kJapanese};
    for (const Language& language : KnownLanguages()) {
        if (language.code == kJapanese)
            continue;
        // A catalogue not yet translated is built empty: it is not offered.
        QTranslator probe;
        if (probe.load(ProgramCatalogue(language.code), catalogues_) && !probe.isEmpty())
            codes << language.code;
    }
    return codes;
}

bool ProgramTranslations::Apply(const QString& code) {
    if (code == current_)
        return true;
    std::unique_ptr<QTranslator> program;
    if (code != kJapanese) {
        program = std::make_unique<QTranslator>();
        if (!program->load(ProgramCatalogue(code), catalogues_) || program->isEmpty()) {
            qCWarning(lcDesktop) << "No texts for the language" << code << "in" << catalogues_;
            return false;
        }
    }
    // Qt's texts from its own folder, else the few the program carries for
    // a language Qt has no catalogue for (its buttons).
    auto qt = std::make_unique<QTranslator>();
    const QString qtCatalogue = QStringLiteral("qtbase_") + code;
    if (!qt->load(qtCatalogue, qtFolder_) && !qt->load(qtCatalogue, catalogues_)) {
        qCWarning(lcDesktop) << "Qt's texts for" << code << "not found in" << qtFolder_;
        qt.reset();
    }
    for (QTranslator* old : {program_.get(), qt_.get()})
        if (old)
            QCoreApplication::removeTranslator(old);
    program_ = std::move(program);
    qt_ = std::move(qt);
    for (QTranslator* translator : {program_.get(), qt_.get()})
        if (translator)
            QCoreApplication::installTranslator(translator);
    current_ = code;
    return true;
}
