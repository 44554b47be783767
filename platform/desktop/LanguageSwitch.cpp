#include "platform/desktop/LanguageSwitch.h"

#include "platform/desktop/QtTranslations.h"

QList<Language> LanguageSwitch::Choices() const {
    QList<Language> choices;
    for (const QString& code : translations_.Available())
        choices << Language{code, LanguageName(code)};
    return choices;
}

QString LanguageSwitch::Current() const { return translations_.Current(); }

void LanguageSwitch::ApplySaved(const QLocale& locale) {
    const QStringList available = translations_.Available();
    QString code = file_.Read(available);
    if (code.isEmpty())
        code = LanguageForLocale(locale, available);
    translations_.Apply(code);
}

bool LanguageSwitch::Choose(const QString& code) {
    if (!translations_.Apply(code))
        return false;
    file_.Write(code);
    return true;
}
