#include "platform/help/HelpFiles.h"

#include "core/VantelError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(HelpFiles)
};
} // namespace

QStringList DefaultHelpFolders() {
    QStringList folders{QCoreApplication::applicationDirPath()};
    // An installed program's own data folder, whatever the prefix.
    folders.append(
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/vantel")));
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString folder = QDir::cleanPath(QDir(data).filePath(QStringLiteral("vantel")));
        if (!folders.contains(folder))
            folders.append(folder);
    }
    // An install under /usr is found even when XDG_DATA_DIRS leaves it out.
    const QString system = QStringLiteral("/usr/share/vantel");
    if (!folders.contains(system))
        folders.append(system);
    return folders;
}

QString FindHelpCollection(const QStringList& folders, const QString& language) {
    // The language's own help first, in any folder, then the Japanese.
    if (!language.isEmpty() && language != QLatin1String("ja"))
        for (const QString& folder : folders) {
            const QFileInfo file(QDir(folder).filePath(QStringLiteral("Vantel_%1.qhc").arg(language)));
            if (file.isFile())
                return file.absoluteFilePath();
        }
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder).filePath(kHelpCollectionName));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    if (folders.isEmpty())
        throw VantelError(Texts::tr("ヘルプファイル %1 が見つかりません。").arg(kHelpCollectionName));
    //: %2 is the list of folders searched, one a line.
    throw VantelError(Texts::tr("ヘルプファイル %1 が見つかりません。\n探した場所:\n%2")
                          .arg(kHelpCollectionName, folders.join(QLatin1Char('\n'))));
}
