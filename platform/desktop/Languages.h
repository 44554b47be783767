// The languages the program can speak, each named in its own words, and the
// one a desktop's locale asks for. Japanese is the source of every text, so
// it needs no catalogue of its own.
#pragma once

#include <QList>
#include <QLocale>
#include <QString>

struct Language {
    QString code; // the catalogue's suffix: vantel_<code>.qm, qtbase_<code>.qm
    QString name; // in the language itself, as its speakers look for it
};

inline const QString kJapanese = QStringLiteral("ja");

// Every language we know a name for, Japanese first.
const QList<Language>& KnownLanguages();
// The name of a known code, or an empty string.
QString LanguageName(const QString& code);

// The first of the locale's interface languages that is among codes
// ("pt-PT" finds "pt_BR", "zh-Hans-CN" finds "zh_CN"); Japanese when none
// is, and for the C locale, which asks for nothing.
QString LanguageForLocale(const QLocale& locale, const QStringList& codes);
