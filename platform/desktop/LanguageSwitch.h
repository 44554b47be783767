// The language the program speaks: the saved choice, else the desktop's
// locale at start; a choice from the menu applies at once and is kept.
#pragma once

#include "platform/desktop/LanguageFile.h"
#include "platform/desktop/Languages.h"

#include <QLocale>

class ProgramTranslations;

class LanguageSwitch {
public:
    LanguageSwitch(ProgramTranslations& translations, LanguageFile file)
        : translations_(translations), file_(std::move(file)) {}

    // The languages to choose from, each in its own words, Japanese first.
    QList<Language> Choices() const;
    QString Current() const;
    // The saved choice when it is available, else the locale's.
    void ApplySaved(const QLocale& locale = QLocale::system());
    // Applies code at once and keeps it; false, with nothing changed, for a
    // language that is not available. A file that cannot be written is
    // logged: the choice then lasts until the program ends.
    bool Choose(const QString& code);

private:
    ProgramTranslations& translations_;
    LanguageFile file_;
};
