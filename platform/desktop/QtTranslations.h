// The catalogues the program speaks through: its own texts (vantel_<code>.qm,
// built from translations/ into the resources) and Qt's (qtbase_<code>.qm,
// for file dialogs and standard buttons, from Qt's folder; for a language Qt
// has none for, the program carries its own for the buttons). Japanese is the source language:
// it needs only Qt's Japanese texts.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

// Loads Qt's Japanese catalogue from folder (Qt's translations folder when
// empty) and installs it in the application. Returns false, after logging,
// when the catalogue is missing; Qt then keeps its English texts.
bool InstallJapaneseQtTexts(const QString& folder = QString());

// Where the program's own catalogues are built into the program.
inline const QString kProgramCatalogues = QStringLiteral(":/i18n");

class ProgramTranslations {
public:
    // catalogues holds vantel_<code>.qm; qtFolder qtbase_<code>.qm (Qt's
    // translations folder when empty).
    explicit ProgramTranslations(QString catalogues = kProgramCatalogues, QString qtFolder = QString());
    ~ProgramTranslations(); // takes its texts out of the application
    ProgramTranslations(const ProgramTranslations&) = delete;
    ProgramTranslations& operator=(const ProgramTranslations&) = delete;

    // Japanese, then every language whose catalogue has texts.
    QStringList Available() const;
    const QString& Current() const { return current_; }
    // Speaks code from now on: every window gets QEvent::LanguageChange and
    // sets its texts again. False, with nothing changed, for a language
    // that is not available. Qt's texts missing for it is logged, not fatal.
    bool Apply(const QString& code);

private:
    QString catalogues_;
    QString qtFolder_;
    QString current_;
    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> qt_;
};
