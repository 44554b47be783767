#include "platform/desktop/Languages.h"

const QList<Language>& KnownLanguages() {
    static const QList<Language> languages{
        {kJapanese, QStringLiteral("日本語")},
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)")},
        {QStringLiteral("zh_CN"), QStringLiteral("简体中文")},
        {QStringLiteral("vi"), QStringLiteral("Tiếng Việt")},
        {QStringLiteral("fil"), QStringLiteral("Filipino")},
        {QStringLiteral("es"), QStringLiteral("Español")},
    };
    return languages;
}

QString LanguageName(const QString& code) {
    for (const Language& language : KnownLanguages())
        if (language.code == code)
            return language.name;
    return {};
}

namespace {
// "zh-Hans-CN" and "zh_CN" alike: the language alone, lower case.
QString BaseLanguage(const QString& tag) {
    return tag.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
}
} // namespace

QString LanguageForLocale(const QLocale& locale, const QStringList& codes) {
    if (locale.language() == QLocale::C)
        return kJapanese;
    for (const QString& tag : locale.uiLanguages()) {
        const QString base = BaseLanguage(tag);
        // Tagalog is how many systems name Filipino.
        const QString wanted = base == QLatin1String("tl") ? QStringLiteral("fil") : base;
        if (wanted == kJapanese)
            return kJapanese;
        for (const QString& code : codes)
            if (BaseLanguage(code) == wanted)
                return code;
    }
    return kJapanese;
}
