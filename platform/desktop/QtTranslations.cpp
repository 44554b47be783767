#include "platform/desktop/QtTranslations.h"

#include "core/Logging.h"

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
